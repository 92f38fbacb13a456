#pragma once

#include "frame/windows/docking/docklayout.h"
#include "frame/windows/toolbars/toolbarlines.h"

#include <tesk/tesk_global.h>

#include <QList>
#include <QPointer>
#include <QSize>
#include <QString>

class DockWidget;
class QMainWindow;

namespace tesk::frame {

// What a main window knows about its dock windows: the list in creation order, the sorted
// list the layout records index, the placement request and restored record waiting for the
// next dock window, and the picture of its dock areas.
struct MainDocks
{
    explicit MainDocks(QMainWindow *window)
        : layout(window)
        , toolbars(window)
    {
    }

    enum Placement { PlaceRight = 0, PlaceLeft = 1, PlaceBottom = 2 };

    // A layout record taken back, for the next dock window.
    struct PendingRecord
    {
        bool pending = false;
        QString name;
        QSize size;
        int index = 0;
        int x = 0;
        int y = 0;
        int visible = 1;
        int gotoFlag = 0;
        bool floating = false;
    };

    QList<DockWidget *> docks;
    QList<DockWidget *> sorted;
    DockLayout layout;
    // The order and lines of the toolbars, which the toolbar records write and restore.
    ToolbarLines toolbars;
    // The newest dock window, whose drawing area's native id the host may ask for.
    QPointer<DockWidget> lastDock;
    bool dockRequested = false;
    bool newLine = false;
    int placement = PlaceRight;
    PendingRecord record;
    bool doNotAskAgain = false;
    int rememberedArea = 0;
    QPointer<DockWidget> output;
    // The caption the facade gives every dock window of a multiple view.
    QString multipleViewCaption;
    // The window was shown and its dock windows laid out: a record waiting for a dock window
    // made from now on is applied as the window is made.
    bool laidOut = false;
};

} // namespace tesk::frame
