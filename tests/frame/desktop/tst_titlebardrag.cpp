// A user docks a window by dragging its title bar into an area of the main window, as the
// toolkit's dock drag expects it on a desktop (the pointer grabbed by the window dragged). Where
// the user dropped it stays: in the records, after the next fit, and in a fresh main window that
// restores the records.
#include "desktop.h"
#include "frames.h"
#include "layoutpromises.h"
#include "testhost.h"
#include "xview.h"

#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_menu.h>
#include <tesk/tesk_views.h>
#include <tesk/tesk_window.h>

#include <mosk/mosk.hpp>

#include <QPointer>
#include <QTabBar>
#include <QTest>

#include <utility>

namespace {

constexpr TeskHandle kWindow = 1;
constexpr TeskHandle kFirst = 0x10;
constexpr TeskHandle kSecond = 0x20;
constexpr TeskHandle kThird = 0x30;
constexpr TeskHandle kFourth = 0x40;
constexpr TeskHandle kFifth = 0x50;
constexpr TeskHandle kSixth = 0x60;

void unused(TeskHandle, int *, int) {}

// The ways a host comes by a native id of a window inside the main window.
enum class NativeIdAsked {
    None,
    // A popup it fills, whose id it is given.
    Popup,
    // The drawing area of the dock window made last: the memory view's, which a view fills.
    ViewsDrawingArea,
    // The drawing area of a dock window of the host's, which it draws into.
    HostsDrawingArea,
};

// Presses the dock's title bar, moves the pointer there with the button held, a step at a time
// as a hand does, and lets go.
void dragTitleBar(QWidget *dock, QPoint to)
{
    const QPoint grip(30, 6);
    const QPoint from = dock->mapToGlobal(grip);
    QTest::mousePress(dock, Qt::LeftButton, {}, grip);
    constexpr int kSteps = 12;
    for (int i = 1; i <= kSteps; ++i) {
        QTest::mouseMove(dock, dock->mapFromGlobal(from + (to - from) * i / kSteps));
        testhost::pumpFor(30);
    }
    QTest::mouseRelease(dock, Qt::LeftButton, {}, dock->mapFromGlobal(to));
    // The toolkit slides the window into its place before it docks it.
    testhost::pumpUntil([dock] { return !dock->isWindow(); }, 2000);
    testhost::pumpFor(100);
}

// A memory view the host opens through the views manager; its dock, docked where the manager
// puts it.
DockWidget *openMemoryView()
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    if (broker)
        mosk::release(
            broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT, &object));
    auto *views = static_cast<IGcp_ViewsManager *>(object);
    MainWindow *window = Store::currentMainWindow();
    if (!views || !window)
        return nullptr;
    const QList<DockWidget *> before = window->dockList();
    uint64_t id = 0;
    mosk::release(views->ops->createView(views, GC_NO_ID, GCP_VIEW_TYPE_MEMORY, nullptr, 0, &id));
    views->ops->Release(views);
    for (DockWidget *dock : window->dockList())
        if (!before.contains(dock))
            return dock;
    return nullptr;
}

QByteArray recordOf(const testhost::layout::Picture &picture, const QByteArray &caption)
{
    for (const QByteArray &record : picture.docks)
        if (record.startsWith(caption + ':'))
            return record;
    return {};
}

// Area, new-line and index fields of the window's record, by caption ("" when there is none).
QByteArray placeOf(const testhost::layout::Picture &picture, const QByteArray &caption)
{
    const QList<QByteArray> fields = recordOf(picture, caption).split(':');
    return fields.size() < 4 ? QByteArray()
                             : fields.value(1) + ':' + fields.value(2) + ':' + fields.value(3);
}

class TitleBarDrag : public FrameTest
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(desktop::fault().isEmpty()) << qPrintable(desktop::fault());
        FrameTest::SetUp();
    }

    // The main window, its first window docked right, the second made as the place says
    // (QtCreateDocked's area and new line; area -1 floats it), shown.
    MainWindow *open(int secondArea, int secondNewLine)
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1024, 600);
        QtCreateDocked(0, 0);
        QtWindowCreate("First", &unused, kFirst);
        if (secondArea >= 0)
            QtCreateDocked(secondArea, secondNewLine);
        QtWindowCreate("Second", &unused, kSecond);
        QtFrameShow();
        desktop::settleFrames();
        return window;
    }

    // The layout's promises, for every window the host made.
    static void expectPromisesHold()
    {
        const MainWindow *window = Store::currentMainWindow();
        testhost::layout::Asked asked;
        asked.shown = true;
        asked.windowManager = true;
        for (const TeskHandle box : {kFirst, kSecond, kThird})
            if (const DockWidget *dock = window->findDockWidgetByBox(box))
                asked.docks[box].name = dock->windowTitle();
        const auto broken = testhost::layout::check(
            window, asked, testhost::layout::PromiseSwitches::fromEnvironment());
        EXPECT_FALSE(broken) << qPrintable(broken->text);
    }

    // The records read, the next fit (a dock the host adds at the bottom), the records again,
    // and the records restored in a fresh main window: the places of both windows each time.
    QList<QByteArray> placesHeld()
    {
        QList<QByteArray> places;
        const auto read = [&] {
            expectPromisesHold();
            const testhost::layout::Picture picture = testhost::layout::takePicture(kWindow);
            places << placeOf(picture, "First") + ' ' + placeOf(picture, "Second");
            return picture;
        };
        read();
        QtCreateDocked(1, 0);
        QtWindowCreate("Third", &unused, kThird);
        desktop::settleFrames();
        const testhost::layout::Picture stored = read();
        FrameTest::TearDown();
        createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1024, 600);
        // Each window made right after its record, as a host restores them.
        for (const auto &[caption, box] : {std::pair<QByteArray, TeskHandle>{"First", kFirst},
                                           {"Second", kSecond},
                                           {"Third", kThird}}) {
            CuiSetDockWindowPersistanceData(kWindow, recordOf(stored, caption).constData());
            QtWindowCreate(caption.constData(), &unused, box);
        }
        QtFrameShow();
        desktop::settleFrames();
        read();
        return places;
    }

    std::string dropAMemoryViewOnAGroupsRowOfTabs(NativeIdAsked asked, int drops);
};

} // namespace

TEST_F(TitleBarDrag, OntoTheLowerHalfOfADockedWindowItSharesItsLine)
{
    MainWindow *window = open(-1, 0);
    DockWidget *first = window->findDockWidgetByBox(kFirst);
    DockWidget *second = window->findDockWidgetByBox(kSecond);
    ASSERT_TRUE(second->isFloating());
    dragTitleBar(second, first->mapToGlobal(QPoint(first->width() / 2, first->height() * 3 / 4)));
    ASSERT_FALSE(second->isFloating());
    EXPECT_EQ(window->dockWidgetArea(second), Qt::RightDockWidgetArea);
    EXPECT_EQ(second->x(), first->x());
    EXPECT_GT(second->y(), first->y());
    // Right, the first line of the area, for both.
    for (const QByteArray &places : placesHeld())
        EXPECT_EQ(places, "2:0:0 2:0:1") << qPrintable(places);
}

TEST_F(TitleBarDrag, IntoAnEmptyAreaItStartsItsLine)
{
    MainWindow *window = open(-1, 0);
    DockWidget *second = window->findDockWidgetByBox(kSecond);
    QWidget *code = window->centralWidget();
    dragTitleBar(second, code->mapToGlobal(QPoint(10, code->height() / 2)));
    ASSERT_FALSE(second->isFloating());
    EXPECT_EQ(window->dockWidgetArea(second), Qt::LeftDockWidgetArea);
    for (const QByteArray &places : placesHeld())
        EXPECT_EQ(places, "2:0:0 1:0:0") << qPrintable(places);
}

TEST_F(TitleBarDrag, OutOfALineOfItsOwnItLeavesTheLineEmptied)
{
    // The second on a line of its own beside the first, dragged into the bottom area.
    MainWindow *window = open(0, 1);
    DockWidget *first = window->findDockWidgetByBox(kFirst);
    DockWidget *second = window->findDockWidgetByBox(kSecond);
    ASSERT_EQ(window->dockWidgetArea(second), Qt::RightDockWidgetArea);
    ASSERT_NE(second->x(), first->x());
    QWidget *code = window->centralWidget();
    dragTitleBar(second, code->mapToGlobal(QPoint(code->width() / 2, code->height() - 10)));
    ASSERT_FALSE(second->isFloating());
    EXPECT_EQ(window->dockWidgetArea(second), Qt::BottomDockWidgetArea);
    for (const QByteArray &places : placesHeld())
        EXPECT_EQ(places, "2:0:0 3:0:0") << qPrintable(places);
}

// A tab row is where users drop a pane to add it to a group: a pane that never docked, dropped
// there, is one more tab of the group, shown, and the records keep it there.
TEST_F(TitleBarDrag, OntoAGroupsRowOfTabsItJoinsTheGroup)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    CuiSetDockWindowPersistanceData(kWindow, "First:2:0:0:700:60:300:400:1:0");
    QtWindowCreate("First", &unused, kFirst);
    CuiSetDockWindowPersistanceData(kWindow, "Third:2:0:1:700:60:300:400:1:0");
    QtWindowCreate("Third", &unused, kThird);
    QtWindowCreate("Second", &unused, kSecond);
    QtFrameShow();
    desktop::settleFrames();
    DockWidget *first = window->findDockWidgetByBox(kFirst);
    DockWidget *second = window->findDockWidgetByBox(kSecond);
    ASSERT_TRUE(first && second && second->isFloating());
    ASSERT_EQ(window->tabifiedDockWidgets(first).size(), 1);
    const QTabBar *row = nullptr;
    for (const QTabBar *bar : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
        if (bar->isVisible() && bar->count() == 2)
            row = bar;
    ASSERT_TRUE(row);
    dragTitleBar(second, row->mapToGlobal(row->tabRect(0).center()));
    desktop::settleFrames();
    ASSERT_FALSE(second->isFloating());
    EXPECT_TRUE(window->tabifiedDockWidgets(second).contains(first))
        << window->dockWidgetArea(second) << " " << second->x() << "," << second->y() << " first "
        << first->x() << "," << first->y() << " row " << row->mapTo(window, QPoint()).x() << ","
        << row->mapTo(window, QPoint()).y();
    EXPECT_TRUE(window->rect().contains(second->geometry())) << "the tab shown";
    expectPromisesHold();
    const testhost::layout::Picture picture = testhost::layout::takePicture(kWindow);
    EXPECT_EQ(placeOf(picture, "Second").left(4), "2:0:") << "the group's line";
}

namespace {

// A memory view's dock, floated by a double-click on its title and dropped with the real
// pointer on a group's row of tabs, again and again: it is the group's tab shown on the X
// server too, no window of its own that the window manager keeps over the group. A memory
// view asks for its rows once laid out, so the group may grow for it as it takes the tab.
// Returns what went wrong, one drop a line.
std::string TitleBarDrag::dropAMemoryViewOnAGroupsRowOfTabs(NativeIdAsked asked, int drops)
{
    if (!testhost::xview::available())
        return "no X server to ask";
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    CuiSetDockWindowPersistanceData(kWindow, "First:2:0:0:700:60:300:102:1:0");
    QtWindowCreate("First", &unused, kFirst);
    CuiSetDockWindowPersistanceData(kWindow, "Second:2:0:1:700:60:300:102:1:0");
    QtWindowCreate("Second", &unused, kSecond);
    CuiSetDockWindowPersistanceData(kWindow, "Third:2:0:2:700:60:300:102:1:0");
    QtWindowCreate("Third", &unused, kThird);
    // Below the group, panes that leave it its least.
    CuiSetDockWindowPersistanceData(kWindow, "Fourth:2:0:3:700:180:300:300:1:0");
    QtWindowCreate("Fourth", &unused, kFourth);
    CuiSetDockWindowPersistanceData(kWindow, "Fifth:2:0:4:700:400:300:300:1:0");
    QtWindowCreate("Fifth", &unused, kFifth);
    QtFrameShow();
    desktop::settleFrames();
    QtCreateDocked(1, 0);
    DockWidget *memory = openMemoryView();
    if (!memory)
        return "no memory view";
    switch (asked) {
    case NativeIdAsked::None:
        break;
    case NativeIdAsked::Popup:
        if (!QtAddPopupMenu("Recent Files", 40604, nullptr))
            return "no popup id";
        break;
    case NativeIdAsked::ViewsDrawingArea:
        if (!QtGetWidgetHandle())
            return "no drawing area id";
        break;
    case NativeIdAsked::HostsDrawingArea:
        QtCreateDocked(1, 1);
        QtWindowCreate("Sixth", &unused, kSixth);
        if (!QtGetWidgetHandle())
            return "no drawing area id";
        break;
    }
    desktop::settleFrames();
    std::string faults;
    for (int drop = 0; drop < drops; ++drop) {
        const std::string at = "drop " + std::to_string(drop) + ": ";
        memory->raise();
        testhost::xview::doubleClick(memory->mapToGlobal(QPoint(30, 6)));
        testhost::pumpUntil([memory] { return memory->isFloating(); }, 2000);
        desktop::settleFrames();
        if (!memory->isFloating())
            return faults + at + "not floated by the double-click";
        const QTabBar *row = nullptr;
        for (const QTabBar *bar : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
            if (bar->isVisible() && bar->count() == 3)
                row = bar;
        if (!row)
            return faults + at + "no group of three";
        testhost::xview::drag(memory->mapToGlobal(QPoint(30, 6)),
                              row->mapToGlobal(row->tabRect(drop % 3).center()));
        testhost::pumpUntil([memory] { return !memory->isWindow(); }, 2000);
        desktop::settleFrames();
        if (memory->isFloating())
            return faults + at + "still floating";
        // Docked, it is drawn by the main window: no window of its own is left on the server
        // for the window manager to keep.
        if (memory->internalWinId())
            faults += at + "docked with a window of its own on the server\n";
        const QString apart = testhost::xview::dockedApart(window);
        if (!apart.isEmpty())
            faults += at + apart.toStdString() + "\n";
        testhost::layout::Asked promised;
        promised.shown = true;
        promised.windowManager = true;
        if (const auto broken = testhost::layout::check(
                window, promised, testhost::layout::PromiseSwitches::fromEnvironment()))
            faults += at + broken->text.toStdString() + "\n";
    }
    return faults;
}

} // namespace

TEST_F(TitleBarDrag, AMemoryViewDroppedOnAGroupsRowOfTabsLeavesNoWindowOfItsOwn)
{
    const std::string faults = dropAMemoryViewOnAGroupsRowOfTabs(NativeIdAsked::None, 6);
    EXPECT_TRUE(faults.empty()) << faults;
}

// A native id the host asked for made every dock window native: docked again on the window
// the manager had framed, re-parented while the manager let it go, one stayed a window of its
// own over the group in 1 of 3 runs. Only the window asked for is native.
TEST_F(TitleBarDrag, NoNativeIdAHostAsksForLeavesADroppedPaneAWindowOfItsOwn)
{
    for (const NativeIdAsked asked :
         {NativeIdAsked::Popup, NativeIdAsked::ViewsDrawingArea, NativeIdAsked::HostsDrawingArea}) {
        const std::string faults = dropAMemoryViewOnAGroupsRowOfTabs(asked, 3);
        EXPECT_TRUE(faults.empty()) << "native id asked " << int(asked) << ":\n" << faults;
        FrameTest::TearDown();
    }
}

// A host that draws into its dock window's own native window keeps drawing into the same
// window once the dock floated and docked again.
TEST_F(TitleBarDrag, TheNativeWindowAHostDrawsIntoOutlivesAFloatAndADock)
{
    MainWindow *window = open(0, 0);
    DockWidget *second = window->findDockWidgetByBox(kSecond);
    ASSERT_TRUE(second);
    const TeskHandle drawn = QtGetWidgetHandle();
    const QPointer<QWidget> area = QWidget::find(WId(drawn));
    ASSERT_TRUE(area && second->isAncestorOf(area));
    CuiPaneUndock(kSecond);
    desktop::settleFrames();
    ASSERT_TRUE(second->isFloating());
    CuiPaneDock(kSecond);
    desktop::settleFrames();
    EXPECT_FALSE(second->isFloating());
    ASSERT_TRUE(area);
    EXPECT_EQ(area->internalWinId(), WId(drawn));
    EXPECT_TRUE(area->isVisible());
    EXPECT_TRUE(testhost::xview::dockedApart(window).isEmpty());
}

// A pane dropped on the body of a dock in a line of several stands beside that dock, where the
// toolkit showed it while dragging, not at the far end of the area; the line stays as high as
// it was and shows no gap, and the records and the next pane the host opens keep the place.
TEST_F(TitleBarDrag, OntoADocksBodyItStandsBesideThatDock)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    for (const auto &[caption, box] : {std::pair<const char *, TeskHandle>{"First", kFirst},
                                       {"Second", kSecond},
                                       {"Third", kThird}}) {
        QtCreateDocked(1, 0);
        QtWindowCreate(caption, &unused, box);
    }
    QtWindowCreate("Fourth", &unused, kFourth);
    QtFrameShow();
    desktop::settleFrames();
    DockWidget *first = window->findDockWidgetByBox(kFirst);
    DockWidget *second = window->findDockWidgetByBox(kSecond);
    DockWidget *third = window->findDockWidgetByBox(kThird);
    DockWidget *fourth = window->findDockWidgetByBox(kFourth);
    ASSERT_TRUE(first && second && third && fourth && fourth->isFloating());
    ASSERT_EQ(first->y(), third->y());
    const int high = first->height();
    // On the right half of the first dock's body: the toolkit opens its gap after it.
    dragTitleBar(fourth, first->mapToGlobal(QPoint(first->width() * 3 / 4, first->height() / 2)));
    desktop::settleFrames();
    ASSERT_FALSE(fourth->isFloating());
    EXPECT_EQ(window->dockWidgetArea(fourth), Qt::BottomDockWidgetArea);
    EXPECT_EQ(fourth->y(), first->y());
    EXPECT_EQ(third->y(), first->y()) << "one line";
    EXPECT_EQ(first->height(), high);
    // Each window starts a separator's width after the one before.
    EXPECT_GT(fourth->x(), first->geometry().right());
    EXPECT_LE(fourth->x() - first->geometry().right(), 8);
    EXPECT_LE(second->x() - fourth->geometry().right(), 8);
    EXPECT_LE(third->x() - second->geometry().right(), 8);
    expectPromisesHold();
    const testhost::layout::Picture picture = testhost::layout::takePicture(kWindow);
    EXPECT_EQ(placeOf(picture, "First"), "3:0:0");
    EXPECT_EQ(placeOf(picture, "Fourth"), "3:0:1");
    EXPECT_EQ(placeOf(picture, "Second"), "3:0:2");
    EXPECT_EQ(placeOf(picture, "Third"), "3:0:3");
    // The layout knows the place too: a pane the host opens next goes to the end of the line.
    QtCreateDocked(1, 0);
    QtWindowCreate("Fifth", &unused, kFifth);
    desktop::settleFrames();
    const testhost::layout::Picture after = testhost::layout::takePicture(kWindow);
    EXPECT_EQ(placeOf(after, "Fourth"), "3:0:1");
    EXPECT_EQ(placeOf(after, "Fifth"), "3:0:4");
}

// Into the first of two lines, the second holding the height its record gave it: the pane
// stands beside the dock it was dropped on, and both lines keep their heights.
TEST_F(TitleBarDrag, OntoADocksBodyInTheFirstOfTwoLinesBothLinesKeepTheirHeights)
{
    MainWindow *window = createFrame("Debugger", kWindow);
    QtResizePosWindow(kWindow, 0, 0, 1024, 600);
    CuiSetDockWindowPersistanceData(kWindow, "First:3:0:0:0:250:500:110:1:0");
    QtWindowCreate("First", &unused, kFirst);
    CuiSetDockWindowPersistanceData(kWindow, "Second:3:0:1:506:250:518:110:1:0");
    QtWindowCreate("Second", &unused, kSecond);
    CuiSetDockWindowPersistanceData(kWindow, "Third:3:1:2:0:366:1024:160:1:0");
    QtWindowCreate("Third", &unused, kThird);
    QtWindowCreate("Fourth", &unused, kFourth);
    QtFrameShow();
    desktop::settleFrames();
    DockWidget *first = window->findDockWidgetByBox(kFirst);
    DockWidget *second = window->findDockWidgetByBox(kSecond);
    DockWidget *third = window->findDockWidgetByBox(kThird);
    DockWidget *fourth = window->findDockWidgetByBox(kFourth);
    ASSERT_TRUE(first && second && third && fourth && fourth->isFloating());
    ASSERT_EQ(first->y(), second->y());
    ASSERT_GT(third->y(), first->y());
    const int firstHigh = first->height();
    const int thirdHigh = third->height();
    dragTitleBar(fourth, first->mapToGlobal(QPoint(first->width() * 3 / 4, first->height() / 2)));
    desktop::settleFrames();
    ASSERT_FALSE(fourth->isFloating());
    EXPECT_EQ(fourth->y(), first->y());
    EXPECT_GT(fourth->x(), first->x());
    EXPECT_LT(fourth->x(), second->x());
    EXPECT_EQ(first->height(), firstHigh);
    EXPECT_EQ(fourth->height(), firstHigh);
    EXPECT_EQ(third->height(), thirdHigh);
    expectPromisesHold();
    const testhost::layout::Picture picture = testhost::layout::takePicture(kWindow);
    EXPECT_EQ(placeOf(picture, "Fourth"), "3:0:1");
    EXPECT_EQ(placeOf(picture, "Third"), "3:1:3");
}
