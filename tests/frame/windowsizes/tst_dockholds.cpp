// What the dock layout holds while the user drags and the host goes on: a separator whose
// release goes elsewhere ends the drag, and a floating pane leaves the docked sizes alone.
#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_window.h>

#include <QMenu>

#include <functional>
#include <memory>
#include <string>

namespace {

constexpr TeskHandle kWindow = 1;

void paneCallback(TeskHandle, int *, int) {}

int recordWidth(TeskHandle box)
{
    QtSortWindowList(kWindow);
    for (int i = 0; i < QtDockWindowCount(kWindow); ++i)
        if (QtGetPersistWindowBox(kWindow, i) == box) {
            char buffer[256];
            CuiGetDockWindowPersistanceData(kWindow, i, buffer);
            return QByteArray(buffer).split(':').value(6).toInt();
        }
    return -1;
}

class DockHolds : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        testhost::settle();
    }

    MainWindow *shown()
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1272, 760);
        QtFrameShow();
        testhost::settle();
        return window;
    }

    static DockWidget *dockRight(MainWindow *window, const char *name, TeskHandle box)
    {
        QtCreateDocked(0, 0);
        QtWindowCreate(name, &paneCallback, box);
        testhost::settle();
        return window->findDockWidgetByBox(box);
    }
};

} // namespace

TEST_F(DockHolds, AReleaseThatGoesElsewhereEndsTheDrag)
{
    auto other = std::make_unique<QWidget>();
    other->resize(200, 100);
    const std::pair<const char *, std::function<void(MainWindow *)>> roads[] = {
        {"a popup the host opens",
         [](MainWindow *window) {
             auto *popup = new QMenu(window);
             popup->addAction(QStringLiteral("Item"));
             popup->popup(window->mapToGlobal(QPoint(40, 40)));
             testhost::settle();
             popup->close();
             popup->deleteLater();
         }},
        {"a modal box", [](MainWindow *) { CuiSimpleInfo(0, "Note", "The target stopped."); }},
        {"the window hidden",
         [](MainWindow *) {
             CuiWindowHideFromBox(kWindow);
             testhost::settle();
             CuiWindowShowFromBox(kWindow);
         }},
        {"another window activated",
         [&other](MainWindow *window) {
             other->show();
             other->activateWindow();
             testhost::settle();
             other->hide();
             window->activateWindow();
         }},
    };
    for (const auto &[road, takeRelease] : roads) {
        SCOPED_TRACE(road);
        MainWindow *window = shown();
        DockWidget *watch = dockRight(window, "Watch", 10);
        ASSERT_TRUE(watch);
        testhost::dragOnWindow(window, testhost::separatorBefore(window, watch), QPoint(-40, 0),
                               [&, takeRelease = takeRelease] {
                                   takeRelease(window);
                                   testhost::settle();
                                   // The host goes on: its pane comes at once, where it asked.
                                   const DockWidget *late = dockRight(window, "Late", 11);
                                   ASSERT_TRUE(late);
                                   EXPECT_TRUE(late->isVisible());
                                   EXPECT_EQ(window->dockWidgetArea(const_cast<DockWidget *>(late)),
                                             Qt::RightDockWidgetArea);
                                   EXPECT_TRUE(window->rect().contains(late->geometry()));
                               });
        window->close();
        testhost::settle();
    }
}

TEST_F(DockHolds, AFloatingPaneChangesNoDockedSize)
{
    MainWindow *window = shown();
    QtWindowCreate("Floating", &paneCallback, 20);
    for (TeskHandle box = 21; box < 24; ++box)
        dockRight(window, ("Right " + std::to_string(box)).c_str(), box);
    QtResizePosWindow(21, 0, 0, 265, 200);
    testhost::settle();
    DockWidget *right = window->findDockWidgetByBox(21);
    ASSERT_EQ(right->width(), 265);
    // The user drags the area wider.
    testhost::dragOnWindow(window, testhost::separatorBefore(window, right), QPoint(-80, 0));
    testhost::settle();
    const int dragged = right->width();
    ASSERT_GT(dragged, 300);
    // One more pane with no place floats, and the area keeps what the user left.
    QtWindowCreate("Later", &paneCallback, 24);
    testhost::settle();
    ASSERT_TRUE(window->findDockWidgetByBox(24)->isFloating());
    EXPECT_EQ(right->width(), dragged);
    EXPECT_EQ(recordWidth(21), dragged);
    // So does a floating record.
    CuiSetDockWindowPersistanceData(kWindow, "Out:4:0:-1:100:100:300:200:1:0");
    QtWindowCreate("Out", &paneCallback, 25);
    testhost::settle();
    EXPECT_EQ(right->width(), dragged);
}
