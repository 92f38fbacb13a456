// A main window's frame on a small screen and on one whose desktop keeps a panel: the host's
// size and the first show keep the frame, title bar included, and the status bar within the
// part of the screen the desktop leaves free.
#include "frames.h"
#include "sizingboxes.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"
#include "system/freearea.h"
#include "system/modalseam.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_window.h>

#include <QDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <qpa/qwindowsysteminterface.h>

#include <string>

namespace {

constexpr TeskHandle kWindow = 1;

std::string text(const QRect &r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

class FreeArea : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        setScreen(m_screen, m_screen);
    }

    // The toolkit's own screen takes no panel: the desktop's is told as a window system tells
    // it when a panel comes.
    static void setScreen(const QRect &screen, const QRect &free)
    {
        QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                           free);
        QWindowSystemInterface::flushWindowSystemEvents();
    }

    static void expectWithin(const QWidget *window, const QRect &free)
    {
        EXPECT_TRUE(free.contains(window->frameGeometry()))
            << "frame " << text(window->frameGeometry());
        const QStatusBar *status = window->findChild<QStatusBar *>();
        ASSERT_TRUE(status);
        const QRect shown(status->mapToGlobal(QPoint()), status->size());
        EXPECT_TRUE(free.contains(shown)) << "status bar " << text(shown);
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
};

} // namespace

TEST_F(FreeArea, AWindowLargerThanTheScreenKeepsItsFrameOnIt)
{
    const QRect screen(0, 0, 1024, 600);
    setScreen(screen, screen);
    ASSERT_EQ(QGuiApplication::primaryScreen()->availableGeometry(), screen);
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1280, 800);
    QtFrameShow();
    testhost::settle();
    expectWithin(window, screen);
    // Only as much smaller as its frame needs.
    EXPECT_EQ(window->frameGeometry(), screen);
    // Asked again once shown, elsewhere.
    QtResizePosWindow(kWindow, 200, 100, 1280, 800);
    testhost::settle();
    expectWithin(window, screen);
    EXPECT_EQ(window->frameGeometry(), screen);
}

TEST_F(FreeArea, APanelKeepsTheStatusBarInTheFreeArea)
{
    // Panels at the foot and at the head of the screen.
    for (const QRect &free : {QRect(0, 0, 1024, 572), QRect(0, 28, 1024, 572)}) {
        setScreen(QRect(0, 0, 1024, 600), free);
        createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1024, 600);
        QtFrameShow();
        testhost::settle();
        expectWithin(Store::currentMainWindow(), free);
        FrameTest::TearDown();
    }
}

TEST_F(FreeArea, TheFirstShowTakesInTheFrame)
{
    // Sized before its frame was known: the show corrects it.
    const QRect free(0, 0, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), free);
    MainWindow *window = createFrame("Debugger", kWindow);
    window->setGeometry(0, 0, 1024, 600);
    QtFrameShow();
    testhost::settle();
    expectWithin(window, free);
}

TEST_F(FreeArea, ASizeBelowTheLeastIsPlacedAsTheWindowTakesIt)
{
    const QRect screen(0, 0, 1024, 600);
    setScreen(screen, screen);
    MainWindow *window = createFrame("Debugger", kWindow);
    // Far to the right and of no size: the window takes its least size, wholly on the screen.
    QtResizePosWindow(kWindow, 1500, 0, 0, 0);
    QtFrameShow();
    testhost::settle();
    EXPECT_GT(window->width(), 0);
    EXPECT_TRUE(screen.contains(window->frameGeometry())) << text(window->frameGeometry());
    QtResizePosWindow(kWindow, 1500, 700, 0, 0);
    testhost::settle();
    EXPECT_TRUE(screen.contains(window->frameGeometry())) << text(window->frameGeometry());
}

TEST_F(FreeArea, SizedByItsBoxOrByADockTheFrameStaysWithin)
{
    const QRect free(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), free);
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 800, 400);
    QtCreateDocked(3, 0);
    QtWindowCreate("Memory", nullptr, 0x4410);
    QtFrameShow();
    testhost::settle();
    EXPECT_EQ(QtResizeWindowByBox(kWindow, 2000, 2000), 1);
    testhost::settle();
    expectWithin(window, free);
    QtResizeWindowByBox(kWindow, 800, 400);
    QtResizePosWindow(0x4410, 0, 0, 2000, 2000);
    testhost::settle();
    expectWithin(window, free);
}

TEST_F(FreeArea, ATitleBarReportedIsReckonedWith)
{
    // A window manager's title bar of 30 px and borders of 4 over a 28 px panel at the foot.
    const QRect placed = tesk::system::withinFreeArea(QRect(0, 0, 1024, 600), QMargins(4, 30, 4, 4),
                                                      QRect(0, 0, 1024, 572));
    EXPECT_EQ(placed, QRect(4, 30, 1016, 538));
    // A window that fits is only moved in, beside a panel at the left.
    EXPECT_EQ(tesk::system::withinFreeArea(QRect(10, 40, 400, 300), QMargins(2, 2, 2, 2),
                                           QRect(48, 0, 976, 600)),
              QRect(50, 40, 400, 300));
}

TEST_F(FreeArea, ADockFloatingWithoutAPlaceHidesNoMenu)
{
    const QRect free(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), free);
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 900, 500);
    // Made without a dock area or a record, before the show and after it; and from a record
    // of the top area, which belongs to the toolbars: its place is one within that area.
    QtWindowCreate("Before", nullptr, 0x4420);
    CuiSetDockWindowPersistanceData(kWindow, "TopBefore:0:0:0:0:0:300:120:1:0");
    QtWindowCreate("TopBefore", nullptr, 0x4422);
    QtFrameShow();
    QtWindowCreate("After", nullptr, 0x4421);
    CuiSetDockWindowPersistanceData(kWindow, "TopAfter:0:0:0:0:0:300:120:1:0");
    QtWindowCreate("TopAfter", nullptr, 0x4423);
    testhost::settle();
    const QMenuBar *menus = window->menuBar();
    const QRect menuBar(menus->mapToGlobal(QPoint()), menus->size());
    for (TeskHandle box : {0x4420, 0x4421, 0x4422, 0x4423}) {
        const DockWidget *dock = window->findDockWidgetByBox(box);
        ASSERT_TRUE(dock);
        ASSERT_TRUE(dock->isWindow());
        EXPECT_FALSE(dock->frameGeometry().intersects(menuBar))
            << "dock " << text(dock->frameGeometry()) << " menu bar " << text(menuBar);
        for (const QToolBar *toolbar : window->findChildren<QToolBar *>()) {
            const QRect shown(toolbar->mapToGlobal(QPoint()), toolbar->size());
            EXPECT_FALSE(toolbar->isVisible() && dock->frameGeometry().intersects(shown))
                << qPrintable(toolbar->windowTitle());
        }
        EXPECT_TRUE(free.contains(dock->frameGeometry()));
    }
}

TEST_F(FreeArea, AFloatingDockFollowsTheScreenMadeSmaller)
{
    setScreen(QRect(0, 0, 1280, 800), QRect(0, 28, 1280, 772));
    createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 900, 500);
    QtFrameShow();
    CuiSetDockWindowPersistanceData(kWindow, "Watch:4:0:-1:700:350:500:400:1:0");
    QtWindowCreate("Watch", nullptr, 0x4430);
    testhost::settle();
    const DockWidget *dock = Store::currentMainWindow()->findDockWidgetByBox(0x4430);
    ASSERT_TRUE(dock && dock->isFloating());
    const QRect smaller(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), smaller);
    testhost::settle();
    EXPECT_TRUE(smaller.contains(dock->frameGeometry())) << "dock " << text(dock->frameGeometry());
    EXPECT_EQ(dock->size(), QSize(500, 400));
}

TEST_F(FreeArea, FloatingRecordsBeyondASmallerScreenComeBackApart)
{
    const QRect free(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), free);
    createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 900, 500);
    // Stored on a larger screen near its far corner, one beside the other.
    CuiSetDockWindowPersistanceData(kWindow, "Watch:4:0:-1:1100:650:300:200:1:0");
    QtWindowCreate("Watch", nullptr, 0x4440);
    QtFrameShow();
    CuiSetDockWindowPersistanceData(kWindow, "Trace:4:0:-1:1180:700:260:180:1:0");
    QtWindowCreate("Trace", nullptr, 0x4441);
    CuiSetDockWindowPersistanceData(kWindow, "Log:4:0:-1:1180:700:260:180:1:0");
    QtWindowCreate("Log", nullptr, 0x4442);
    testhost::settle();
    QList<QRect> frames;
    for (const TeskHandle box : {0x4440, 0x4441, 0x4442}) {
        const DockWidget *dock = Store::currentMainWindow()->findDockWidgetByBox(box);
        ASSERT_TRUE(dock && dock->isFloating() && dock->isVisible());
        EXPECT_TRUE(free.contains(dock->frameGeometry())) << text(dock->frameGeometry());
        for (const QRect &other : frames)
            EXPECT_TRUE(other.topLeft() != dock->frameGeometry().topLeft() &&
                        other.bottomRight() != dock->frameGeometry().bottomRight())
                << text(other) << " and " << text(dock->frameGeometry());
        frames.append(dock->frameGeometry());
    }
}

// The host hides its main window (the user turns to another program): its floating docks go
// with it, and come back with it, as the user left them; none closes.
TEST_F(FreeArea, FloatingDocksHideAndShowWithTheirMainWindow)
{
    setScreen(QRect(0, 0, 1024, 600), QRect(0, 28, 1024, 572));
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 900, 500);
    CuiSetDockWindowPersistanceData(kWindow, "Watch:4:0:-1:300:200:300:200:1:0");
    QtWindowCreate("Watch", nullptr, 0x4450);
    CuiSetDockWindowPersistanceData(kWindow, "Kept:4:0:-1:400:250:300:200:0:0");
    QtWindowCreate("Kept", nullptr, 0x4451);
    QtFrameShow();
    testhost::settle();
    QPointer<DockWidget> dock = window->findDockWidgetByBox(0x4450);
    QPointer<DockWidget> hidden = window->findDockWidgetByBox(0x4451);
    ASSERT_TRUE(dock && dock->isFloating() && dock->isVisible());
    ASSERT_TRUE(hidden && hidden->isHidden());
    const QRect frame = dock->frameGeometry();
    CuiWindowHideFromBox(kWindow);
    testhost::settle();
    ASSERT_TRUE(dock);
    EXPECT_FALSE(dock->isVisible());
    // Read while the window is away, the records keep the dock shown.
    char record[512] = {};
    for (int i = 0; i < 2; ++i) {
        CuiGetDockWindowPersistanceData(kWindow, i, record);
        if (QByteArray(record).startsWith("Watch:")) {
            EXPECT_EQ(QByteArray(record).split(':').value(8), "1") << record;
        }
    }
    CuiWindowShowFromBox(kWindow);
    testhost::settle();
    ASSERT_TRUE(dock && hidden);
    EXPECT_TRUE(dock->isVisible() && dock->isFloating());
    EXPECT_EQ(dock->frameGeometry(), frame);
    EXPECT_TRUE(hidden->isHidden()) << "the host hid it";
}

TEST_F(FreeArea, AFloatingDockHiddenWhileTheScreenShrankFollowsItWhenShownAgain)
{
    setScreen(QRect(0, 0, 1280, 800), QRect(0, 28, 1280, 772));
    createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1175, 780);
    CuiSetDockWindowPersistanceData(kWindow, "Watch:4:0:-1:161:503:1115:293:1:1");
    QtWindowCreate("Watch", nullptr, 0x4430);
    QtFrameShow();
    testhost::settle();
    const DockWidget *dock = Store::currentMainWindow()->findDockWidgetByBox(0x4430);
    ASSERT_TRUE(dock && dock->isFloating());
    CuiPaneHide(0x4430);
    testhost::settle();
    const QRect smaller(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), smaller);
    testhost::settle();
    QtFindGotoWindowToShowData(kWindow, "Watch");
    testhost::settle();
    ASSERT_TRUE(dock->isVisible());
    EXPECT_TRUE(smaller.contains(dock->frameGeometry())) << "dock " << text(dock->frameGeometry());
}

TEST_F(FreeArea, ADialogOpensCentredOverItsWindowWithinTheFreeArea)
{
    const QRect free(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), free);
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 100, 100, 700, 400);
    QtFrameShow();
    testhost::settle();
    QRect frame;
    m_modalAnswers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        frame = request.widget->frameGeometry();
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    int32_t line = 12;
    CuiGotoLineDialog(0, &line, 400);
    ASSERT_FALSE(frame.isNull());
    EXPECT_LE((frame.center() - window->frameGeometry().center()).manhattanLength(), 2)
        << text(frame) << " over " << text(window->frameGeometry());
    EXPECT_TRUE(free.contains(frame));
    // Over a window reaching past the screen's foot it stands within the free area.
    QtResizePosWindow(kWindow, 100, 400, 700, 400);
    testhost::settle();
    frame = QRect();
    CuiGotoLineDialog(0, &line, 400);
    EXPECT_TRUE(free.contains(frame)) << text(frame);
}

// Boxes that take their size only as they show open centred at the size they show with.
TEST_F(FreeArea, ABoxSizedAsItShowsOpensCentredOverItsWindow)
{
    setScreen(QRect(0, 0, 1024, 600), QRect(0, 28, 1024, 572));
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 100, 100, 700, 400);
    QtFrameShow();
    testhost::settle();
    QRect frame;
    // Laid over the fixture's answers, which then end the box.
    tesk::system::ModalSeam::Responder answers;
    answers =
        tesk::system::ModalSeam::setResponder([&](const tesk::system::ModalSeam::Request &request) {
            if (request.widget)
                frame = request.widget->frameGeometry();
            answers(request);
        });
    for (const auto &[name, open] : testhost::boxesSizedAsTheyShow()) {
        frame = QRect();
        open();
        ASSERT_FALSE(frame.isNull()) << name << " did not show";
        EXPECT_LE((frame.center() - window->frameGeometry().center()).manhattanLength(), 2)
            << name << " " << text(frame) << " over " << text(window->frameGeometry());
    }
    tesk::system::ModalSeam::setResponder(answers);
}

// A window kept on top too large to stand beside a dialog hides while the dialog shows; one
// ended meanwhile stays ended (the find and replace panel goes whole when ended; a window that
// only hides must not come back either), one left alone comes back.
TEST_F(FreeArea, AKeptWindowHiddenForADialogComesBackUnlessEnded)
{
    const QRect free(0, 28, 1024, 572);
    setScreen(QRect(0, 0, 1024, 600), free);
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    QtFrameShow();
    auto *kept = new QDialog(window, Qt::Dialog | Qt::WindowStaysOnTopHint);
    kept->setGeometry(free.adjusted(20, 20, -20, -20));
    kept->show();
    testhost::settle();
    for (const bool endedMeanwhile : {false, true}) {
        bool hiddenMeanwhile = false;
        m_modalAnswers.setHandler([&](const testhost::ModalAnswers::Request &request) {
            hiddenMeanwhile = !kept->isVisible();
            if (endedMeanwhile)
                kept->reject();
            qobject_cast<QDialog *>(request.widget.data())->reject();
        });
        int32_t line = 12;
        CuiGotoLineDialog(0, &line, 400);
        testhost::settle();
        EXPECT_TRUE(hiddenMeanwhile);
        EXPECT_EQ(kept->isVisible(), !endedMeanwhile) << "ended meanwhile " << endedMeanwhile;
    }
}
