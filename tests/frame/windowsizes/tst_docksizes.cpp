// Dock windows as a host makes them in a 1200 by 800 main window, before the window is shown
// and after it: the sizes they come up with, the sizes their layout records keep, and a
// record waiting for a window made after the show.
#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"

#include <tesk/tesk_window.h>

#include <string>

namespace {

void paneCallback(TeskHandle, int *, int) {}

constexpr TeskHandle kWindow = 1;

class DockSizes : public FrameTest
{
protected:
    MainWindow *window()
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1200, 800);
        return window;
    }

    DockWidget *dock(int area, const char *name, TeskHandle box)
    {
        QtCreateDocked(area, 0);
        QtWindowCreate(name, &paneCallback, box);
        return Store::currentMainWindow()->findDockWidgetByBox(box);
    }

    // Field n (1-based) of the record of the dock window at that place of the sorted list.
    static int field(int index, int n)
    {
        char buffer[tesk::frame::kLayoutRecordSize];
        QtSortWindowList(kWindow);
        CuiGetDockWindowPersistanceData(kWindow, index, buffer);
        return QByteArray(buffer).split(':').value(n - 1).toInt();
    }

    static int indexOf(TeskHandle box)
    {
        QtSortWindowList(kWindow);
        for (int index = 0; index < QtDockWindowCount(kWindow); ++index)
            if (QtGetPersistWindowBox(kWindow, index) == box)
                return index;
        return -1;
    }

    // The pane shows, no smaller than it asks, in a dock window no smaller than its least size
    // (title bar included), and its record keeps what is shown.
    static void expectShownAndKept(DockWidget *dock)
    {
        ASSERT_TRUE(dock);
        const QWidget *pane = dock->pane();
        EXPECT_GE(pane->width(), pane->minimumSizeHint().width());
        EXPECT_GE(pane->height(), pane->minimumSizeHint().height());
        EXPECT_GE(dock->width(), 100);
        EXPECT_GE(dock->height(), 100);
        const int index = indexOf(dock->windowBox());
        EXPECT_EQ(field(index, 7), dock->width());
        EXPECT_EQ(field(index, 8), dock->height());
    }
};

} // namespace

TEST_F(DockSizes, DocksMadeBeforeTheShowTakeAThirdAndAQuarter)
{
    MainWindow *main = window();
    DockWidget *right = dock(0, "Right", 10);
    DockWidget *bottom = dock(1, "Bottom", 11);
    QtFrameShow();
    // Read at once, as a host does: no event loop has run since the show.
    EXPECT_EQ(right->width(), 1200 / 3);
    EXPECT_EQ(bottom->height(), 800 / 4);
    EXPECT_EQ(bottom->width(), main->width());
    expectShownAndKept(right);
    expectShownAndKept(bottom);
    testhost::settle();
    EXPECT_EQ(right->width(), 1200 / 3);
    EXPECT_EQ(bottom->height(), 800 / 4);
}

TEST_F(DockSizes, DocksMadeAfterTheShowShareAFifthOfTheWindow)
{
    window();
    QtFrameShow();
    testhost::settle();
    DockWidget *right = dock(0, "Right", 10);
    DockWidget *bottom = dock(1, "Bottom", 11);
    EXPECT_EQ(right->width(), 1200 / 5);
    EXPECT_EQ(bottom->height(), 800 / 5);
    expectShownAndKept(right);
    expectShownAndKept(bottom);
    // A second window beside the first shares its line's height with it.
    DockWidget *second = dock(0, "Second", 12);
    testhost::settle();
    EXPECT_EQ(second->width(), right->width());
    EXPECT_LE(qAbs(second->height() - right->height()), 8);
    expectShownAndKept(second);
}

TEST_F(DockSizes, ARecordWaitingForADockMadeAfterTheShowIsAppliedWhole)
{
    window();
    QtFrameShow();
    testhost::settle();
    CuiSetDockWindowPersistanceData(kWindow, "Watch:2:0:0:0:0:330:200:1:0");
    QtWindowCreate("Watch", &paneCallback, 20);
    DockWidget *watch = Store::currentMainWindow()->findDockWidgetByBox(20);
    ASSERT_TRUE(watch);
    EXPECT_EQ(watch->width(), 330);
    EXPECT_EQ(QtGetWindWidth(), 330);
    EXPECT_EQ(field(indexOf(20), 7), 330);

    // A hidden one stays hidden, a floating one takes its place and size.
    CuiSetDockWindowPersistanceData(kWindow, "Trace:3:0:0:0:0:400:150:0:0");
    QtWindowCreate("Trace", &paneCallback, 21);
    EXPECT_TRUE(Store::currentMainWindow()->findDockWidgetByBox(21)->isHidden());
    CuiSetDockWindowPersistanceData(kWindow, "Output:4:0:-1:40:50:320:210:1:0");
    QtWindowCreate("Output", &paneCallback, 22);
    DockWidget *output = Store::currentMainWindow()->findDockWidgetByBox(22);
    EXPECT_TRUE(output->isFloating());
    EXPECT_EQ(output->size(), QSize(320, 210));
}

TEST_F(DockSizes, ACollapsedRecordComesBackNoSmallerThanADockWindow)
{
    window();
    // What an earlier session kept of a bottom window the toolkit had shrunk to its title.
    CuiSetDockWindowPersistanceData(kWindow, "Bottom:3:0:0:0:0:1200:19:1:0");
    QtWindowCreate("Bottom", &paneCallback, 30);
    QtFrameShow();
    DockWidget *bottom = Store::currentMainWindow()->findDockWidgetByBox(30);
    expectShownAndKept(bottom);
    EXPECT_GT(field(0, 8), 100);
}

namespace {

// A pane whose wish grows after it is docked, as a pane that a view is added to.
class AskingPane : public QWidget
{
public:
    QSize wish{60, 60};
    QSize sizeHint() const override { return wish; }
};

} // namespace

TEST_F(DockSizes, APaneThatAsksForMoreOnceDockedGetsIt)
{
    MainWindow *main = window();
    QtFrameShow();
    dock(1, "Output", 40);
    auto *pane = new AskingPane;
    QtCreateDocked(1, 0);
    DockWidget *holder = main->createDockWidget("Memory", pane, &paneCallback, 41);
    ASSERT_TRUE(holder);
    testhost::settle();
    ASSERT_LT(pane->height(), 250);
    pane->wish = QSize(60, 250);
    pane->updateGeometry();
    testhost::settle();
    EXPECT_GE(pane->height(), 250);
}
