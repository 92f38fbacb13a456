#pragma once

// Stand-ins for the language and label services that arrive with the translations work; this
// pair goes when those land (they declare the same names in frame/cuii18n.h and
// frame/cuicontextmenumap.h, and frame/currentmainwindow.h).

#include <QString>

class QWidget;

// Installs the catalogues of the current language. Nothing to install yet.
void cuiInstallTranslations();

// The labels of context menus given by key ("#" and a number). None are known yet.
class CuiContextMenuMap
{
public:
    static QString lookup(const QString &key);
};

namespace tesk::frame {

// The main window that messages and dialogs of the frame services take as parent.
using MainWindowProvider = QWidget *(*)();
void setCurrentMainWindowProvider(MainWindowProvider provider);

} // namespace tesk::frame
