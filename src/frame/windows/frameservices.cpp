// The frame's side of the services the subsystems ask of it: the store's windows, the labels,
// the help, the drag relay, the dock windows and the menu tables.
#include "frame/windows/frameservices.h"

#include "frame/app/splashscreen.h"
#include "frame/core/services.h"
#include "frame/core/tablemenu.h"
#include "frame/menus/mt.h"
#include "frame/services/cuicontextmenumap.h"
#include "frame/services/cuii18n.h"
#include "frame/services/teskfile.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/framecreation.h"
#include "frame/windows/ksodraganddrop.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

#include <tesk/tesk_help.h>

namespace {

class Frame final : public tesk::core::FrameServices
{
public:
    QWidget *currentMainWindow() override { return Store::currentMainWindow(); }
    void setModalDialogShown(bool shown) override { Store::instance()->setModalDialogShown(shown); }
    void installTranslations() override { tesk::frame::installTranslationsForStart(); }
    QMap<int, QString> standardLabels() override { return cuiStandardLabels(); }
    QWidget *createSplash(const char *imageName, const QString &installDir) override
    {
        return new SplashScreen(imageName, installDir);
    }
    QString expandFileName(const QString &name) override { return TeskFile::expandName(name); }
    QString contextMenuLabel(const QString &key) override { return CuiContextMenuMap::lookup(key); }
    void relayDragMove(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event) override
    {
        tesk::frame::dragdrop::dragMove(widget, windowBox, event);
    }
    void relayDrop(QWidget *widget, TeskHandle windowBox, QDropEvent *event) override
    {
        tesk::frame::dragdrop::drop(widget, windowBox, event);
    }
    void markPanePopupShown() override
    {
        if (MainWindow *window = Store::currentMainWindow())
            window->setPanePopupShown(true);
    }
    void appendDockMenuItems(QMenu *menu, bool separatorFirst) override
    {
        if (menu)
            ::appendDockMenuItems(menu, separatorFirst);
    }
    bool paneGenericOption(TeskHandle paneHandle, int option) override
    {
        return tesk::frame::processPaneGenericOption(paneHandle, option);
    }
    bool enclosingDockOption(QWidget *widget, int option) override
    {
        for (QWidget *w = widget; w; w = w->parentWidget()) {
            if (auto *dock = qobject_cast<DockWidget *>(w))
                return dock->processGenericOption(option);
        }
        return false;
    }
    std::unique_ptr<tesk::core::TableMenu> makeTableMenu(int tableKind) override
    {
        return tesk::frame::makeTableMenu(tableKind);
    }
};

class Help final : public tesk::core::HelpServices
{
public:
    bool showHelp(int32_t contextId, int32_t mapId) override
    {
        return QtHelp(contextId, mapId) != 0;
    }
};

} // namespace

void tesk::frame::installServices()
{
    static Frame frame;
    static Help help;
    tesk::core::install(&frame);
    tesk::core::install(&help);
}
