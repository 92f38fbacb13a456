// Windows on a user's desktop: a window manager frames them, title bar and border, and keeps a
// panel free at the top. Each window is looked at once the window manager has framed it: its
// frame, title bar included, within the free area and where the host asked.
#include "desktop.h"
#include "frames.h"
#include "sizingboxes.h"
#include "testhost.h"
#include "xview.h"

#include "frame/windows/docking/dockwidget.h"
#include "system/freearea.h"
#include "system/modalseam.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_window.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QWindow>

#include <string>

namespace {

constexpr TeskHandle kWindow = 1;

std::string text(const QRect &r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

// Once the window manager has framed the window and nothing moves any more.
bool waitFramed(QWidget *window)
{
    if (!testhost::pumpUntil([&] { return !tesk::system::frameMargins(window).isNull(); }, 5000))
        return false;
    QRect last = window->frameGeometry();
    int still = 0;
    testhost::pumpUntil(
        [&] {
            const QRect now = window->frameGeometry();
            still = now == last ? still + 1 : 0;
            last = now;
            return still >= 15;
        },
        3000);
    return true;
}

void unused(TeskHandle, int *, int) {}

class Desktop : public FrameTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(desktop::fault().isEmpty()) << qPrintable(desktop::fault());
        ASSERT_EQ(QGuiApplication::platformName(), QStringLiteral("xcb"));
        // The panel's margin reaches the toolkit as the desktop's work area.
        ASSERT_TRUE(testhost::pumpUntil(
            [] { return QGuiApplication::primaryScreen()->availableGeometry() == desktop::kFree; },
            5000))
            << "free area " << text(QGuiApplication::primaryScreen()->availableGeometry());
        FrameTest::SetUp();
    }

    static void expectWithin(QWidget *window)
    {
        ASSERT_TRUE(waitFramed(window)) << "the window manager framed no window";
        EXPECT_TRUE(desktop::kFree.contains(window->frameGeometry()))
            << "frame " << text(window->frameGeometry()) << " client " << text(window->geometry());
    }
};

} // namespace

TEST_F(Desktop, AMainWindowKeepsItsFrameWithinTheFreeArea)
{
    // Larger than the screen.
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1280, 800);
    QtFrameShow();
    expectWithin(window);
    // No smaller than its frame needs.
    EXPECT_EQ(window->frameGeometry(), desktop::kFree);
    // Made larger again once shown.
    EXPECT_EQ(QtResizeWindowByBox(kWindow, 2000, 2000), 1);
    expectWithin(window);
    EXPECT_EQ(window->frameGeometry(), desktop::kFree);
    FrameTest::TearDown();

    // Given no size.
    window = createFrame("Debugger", kWindow);
    QtFrameShow();
    expectWithin(window);
}

TEST_F(Desktop, AMainWindowAskedAtTheFootOfTheFreeAreaRisesByItsFrameOnceFramed)
{
    // Its client area ends at the foot of the free area: placed before the window manager
    // framed it, only the frame that comes after the show takes it past the foot, title bar
    // and border.
    MainWindow *window = createFrame("Debugger", kWindow);
    const QSize asked(800, 300);
    QtResizePosWindow(kWindow, 100, desktop::kFree.bottom() + 1 - asked.height(), asked.width(),
                      asked.height());
    QtFrameShow();
    expectWithin(window);
    EXPECT_EQ(window->size(), asked);
    EXPECT_EQ(window->frameGeometry().bottom(), desktop::kFree.bottom());
}

TEST_F(Desktop, AMainWindowTallerThanTheFreeAreaTakesItsHeightEveryTimeItShows)
{
    // The window manager, still framing a window it has just mapped, now and then leaves the
    // smaller size asked once the frame is known undone and tells the size the window had: shown
    // often enough, some show meets that.
    for (int show = 0; show < 8; ++show) {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1016, 729);
        QtFrameShow();
        expectWithin(window);
        EXPECT_EQ(window->frameGeometry().height(), desktop::kFree.height()) << "show " << show;
        FrameTest::TearDown();
    }
}

TEST_F(Desktop, TheFrameStandsWhereTheHostAsks)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 100, 100, 800, 400);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(100, 100));
    EXPECT_EQ(window->size(), QSize(800, 400));
    // Once shown, and as the host reads it back.
    QtResizePosWindow(kWindow, 150, 60, 600, 300);
    ASSERT_TRUE(waitFramed(window));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(150, 60));
    int x = 0, y = 0, width = 0, height = 0, minimised = 0;
    QtGetSizePos(kWindow, &x, &y, &width, &height, &minimised);
    EXPECT_EQ(QRect(x, y, width, height), QRect(150, 60, 600, 300));
    // Below the panel, the frame comes down to the free area.
    QtResizePosWindow(kWindow, 150, 0, 600, 300);
    ASSERT_TRUE(waitFramed(window));
    EXPECT_EQ(window->frameGeometry().topLeft(), QPoint(150, desktop::kPanel));
}

// A size the window manager gives the window once it stands (a user's tool asks it) is the
// user's: the place the library asked at the show is not asked again over it, though the
// library still watches for late answers to its own asks.
TEST_F(Desktop, AWindowManagersResizeRightAfterTheShowHolds)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1020, 560);
    QtWindowCreate("Output", &unused, 0x10);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    // A second after the show, as a user's tool does it.
    testhost::pumpFor(1000);
    const QSize asked(701, 478);
    testhost::xview::resizeOnServer(window, asked);
    testhost::pumpUntil([&] { return window->size() == asked; }, 2000);
    testhost::pumpFor(400);
    EXPECT_EQ(window->size(), asked) << window->width() << "x" << window->height() << "; "
                                     << qPrintable(testhost::xview::describe(window));
    EXPECT_EQ(testhost::xview::shown(window).client.size(), asked);
}

TEST_F(Desktop, AWindowAskedOffEveryScreenReadsWhereItStands)
{
    // The host reads, and stores, where the frame is put, never the place off the screens it
    // asked before the show: before the window manager frames the window, and after.
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, -100000, -100000, 100000, 100000);
    int x = 0, y = 0, width = 0, height = 0, minimised = 0;
    QtGetSizePos(kWindow, &x, &y, &width, &height, &minimised);
    EXPECT_EQ(QPoint(x, y), desktop::kFree.topLeft());
    QtFrameShow();
    QtGetSizePos(kWindow, &x, &y, &width, &height, &minimised);
    EXPECT_EQ(QPoint(x, y), desktop::kFree.topLeft());
    ASSERT_TRUE(waitFramed(window));
    QtGetSizePos(kWindow, &x, &y, &width, &height, &minimised);
    EXPECT_EQ(QPoint(x, y), window->frameGeometry().topLeft());
    EXPECT_TRUE(desktop::kFree.contains(window->frameGeometry()));
}

TEST_F(Desktop, ADockSizedLargeKeepsTheMainWindowsFrameWithin)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    QtCreateDocked(3, 0);
    QtWindowCreate("Memory", &unused, 0x4410);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    QtResizePosWindow(0x4410, 0, 0, 2000, 2000);
    expectWithin(window);
}

TEST_F(Desktop, ATopLevelWindowComesBackWhereItWasInTheNextRun)
{
    // Each run a process of its own on this desktop, with a home of its own: what one run
    // reads the next gives back.
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QStringList stored = {QStringLiteral("300"), QStringLiteral("200"), QStringLiteral("500"),
                          QStringLiteral("300")};
    for (int run = 0; run < 2; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("KSODEBUG_HOME"), home.path());
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/toplevel_child"),
                    stored);
        ASSERT_TRUE(child.waitForFinished(60000));
        ASSERT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
        const QStringList read =
            QString::fromLatin1(child.readAllStandardOutput()).simplified().split(u' ');
        ASSERT_EQ(read.size(), 6);
        EXPECT_EQ(read.mid(0, 4), (QStringList{QStringLiteral("300"), QStringLiteral("200"),
                                               QStringLiteral("500"), QStringLiteral("300")}))
            << "run " << run << ": " << qPrintable(read.join(u' '));
        // The frame, title bar included, where the host's numbers put it.
        EXPECT_EQ(read.mid(4), (QStringList{QStringLiteral("300"), QStringLiteral("200")}))
            << "run " << run;
        stored = read.mid(0, 4);
    }
}

TEST_F(Desktop, ADockFloatingWithoutAPlaceHidesNoMenu)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 900, 500);
    // Made before the main window is framed, which moves it by its title bar.
    QtWindowCreate("Floating", &unused, 0x4420);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    QWidget *dock = window->findDockWidgetByBox(0x4420);
    ASSERT_TRUE(dock && dock->isWindow() && dock->isVisible());
    // A floating dock draws its own title bar: nothing of the window manager's to wait for.
    testhost::pumpFor(300);
    const QMenuBar *menus = window->menuBar();
    const QRect menuBar(menus->mapToGlobal(QPoint()), menus->size());
    EXPECT_FALSE(dock->frameGeometry().intersects(menuBar))
        << "dock " << text(dock->frameGeometry()) << " menu bar " << text(menuBar);
    EXPECT_TRUE(desktop::kFree.contains(dock->frameGeometry()));
}

TEST_F(Desktop, ADialogKeepsItsFrameWithinTheFreeArea)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    QRect frame;
    m_modalAnswers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        QWidget *box = request.widget.data();
        if (!box)
            return;
        if (waitFramed(box))
            frame = box->frameGeometry();
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
    });
    // The about box with a copyright line of 64 KiB without a break.
    const std::string copyright(64 * 1024, 'c');
    CuiSimpleAbout("Build 1", copyright.c_str(), nullptr, "More");
    ASSERT_FALSE(frame.isNull()) << "the box was not framed";
    EXPECT_TRUE(desktop::kFree.contains(frame)) << "frame " << text(frame);
}

// Boxes that take their size only as they show stand centred over their window with the frame
// the window manager gives them.
TEST_F(Desktop, ABoxSizedAsItShowsStandsCentredOnceFramed)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 100, 100, 700, 400);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    QRect frame;
    tesk::system::ModalSeam::Responder answers;
    answers =
        tesk::system::ModalSeam::setResponder([&](const tesk::system::ModalSeam::Request &request) {
            if (request.widget && waitFramed(request.widget))
                frame = request.widget->frameGeometry();
            answers(request);
        });
    for (const auto &[name, open] : testhost::boxesSizedAsTheyShow()) {
        frame = QRect();
        open();
        ASSERT_FALSE(frame.isNull()) << name << " was not framed";
        EXPECT_LE((frame.center() - window->frameGeometry().center()).manhattanLength(), 2)
            << name << " " << text(frame) << " over " << text(window->frameGeometry());
    }
    tesk::system::ModalSeam::setResponder(answers);
}

TEST_F(Desktop, ADialogStaysClearOfTheFindAndReplacePanelOnceFramed)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    QSDIFind *find = nullptr;
    QPointer<QWidget> panel = testhost::openFindPanel(&find);
    ASSERT_TRUE(panel);
    // Across the lower part of the screen: a dialog over the window's middle has room only
    // above it, where its own frame, once it comes, must not reach into the panel.
    panel->setGeometry(10, 300, 990, 260);
    ASSERT_TRUE(waitFramed(panel));
    QRect frame;
    m_modalAnswers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        QWidget *box = request.widget.data();
        if (box && waitFramed(box))
            frame = box->frameGeometry();
        if (auto *dialog = qobject_cast<QDialog *>(box))
            dialog->reject();
    });
    int32_t line = 12;
    CuiGotoLineDialog(0, &line, 400);
    ASSERT_FALSE(frame.isNull());
    EXPECT_FALSE(frame.intersects(panel->frameGeometry()))
        << "dialog " << text(frame) << " panel " << text(panel->frameGeometry());
    EXPECT_TRUE(desktop::kFree.contains(frame)) << "dialog " << text(frame);
    panel->close();
    testhost::settle();
    QtQSDIDeleteFindCallback(find);
}

// The host hides its main window and shows it again at once, over and over: its floating docks
// come back with it, shown by the window manager.
TEST_F(Desktop, FloatingDocksComeBackWithAMainWindowHiddenAndShownAtOnce)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 900, 500);
    QtWindowCreate("Floating", &unused, 0x4430);
    QtWindowCreate("Floating too", &unused, 0x4431);
    QtFrameShow();
    ASSERT_TRUE(waitFramed(window));
    for (int i = 0; i < 60; ++i) {
        QtWindowCreate("Later", &unused, 0x4500 + i);
        if (i % 4 == 0)
            CuiPaneUndock(0x4430);
        if (i % 4 == 2)
            CuiPaneDock(0x4430);
        CuiWindowHideFromBox(kWindow);
        if (i % 3)
            testhost::settle();
        CuiWindowShowFromBox(kWindow);
        testhost::pumpFor(i % 2 ? 50 : 0);
    }
    desktop::settleFrames();
    for (const QWidget *dock : window->findChildren<DockWidget *>()) {
        if (!dock->isWindow() || !dock->isVisible())
            continue;
        EXPECT_TRUE(testhost::xview::shown(dock).viewable)
            << testhost::xview::describe(dock).toStdString();
    }
}
