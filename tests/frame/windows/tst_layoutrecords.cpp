// Layout records of dock windows and toolbars: the text, the round trip through a second
// window, the reader's edge cases and the bounds of the host's buffer.
#include "frames.h"

#include "frame/core/hosttext.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"

#include <tesk/tesk_toolbars.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QToolBar>

#include <algorithm>
#include <climits>
#include <cstring>
#include <string>
#include <vector>

using tesk::frame::DockRecord;
using tesk::frame::readDockRecord;

namespace {

class LayoutRecordTest : public FrameTest
{
protected:
    void TearDown() override
    {
        FrameTest::TearDown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    std::string record(TeskHandle handle, int index)
    {
        char buffer[tesk::frame::kLayoutRecordSize];
        std::memset(buffer, 'x', sizeof buffer);
        CuiGetDockWindowPersistanceData(handle, index, buffer);
        return buffer;
    }
};

} // namespace

TEST(LayoutRecordText, ReaderTakesTheCaptionFromTheRight)
{
    const DockRecord r = readDockRecord("Watch: a:b:1:1:0:10:20:300:200:1:0");
    EXPECT_EQ(r.caption, QStringLiteral("Watch: a:b"));
    EXPECT_EQ(r.area, 1);
    EXPECT_EQ(r.width, 300);
    // Fields 9 and 10 may be missing; text that is no number reads as 0.
    const DockRecord shortRecord = readDockRecord("Memory:3:1:zz:4:5:6:7");
    EXPECT_EQ(shortRecord.caption, QStringLiteral("Memory"));
    EXPECT_EQ(shortRecord.area, 3);
    EXPECT_EQ(shortRecord.index, 0);
    EXPECT_EQ(shortRecord.height, 7);
    EXPECT_EQ(shortRecord.visible, 1);
    // A record cut within its visible field, or one spoilt there, shows the dock.
    for (const char *text :
         {"Memory:3:1:0:4:5:6:7:", "Memory:3:1:0:4:5:6:7:x:0", "Memory:3:1:0:4:5:6:7: :0"})
        EXPECT_EQ(readDockRecord(text).visible, 1) << text;
    EXPECT_EQ(readDockRecord("Memory:3:1:0:4:5:6:7:0:0").visible, 0);
    EXPECT_EQ(readDockRecord("").caption, QString());
}

TEST(LayoutRecordText, WriterStaysInsideTheHostBuffer)
{
    DockRecord r;
    r.caption = QString(1000, QLatin1Char('c'));
    const QByteArray text = tesk::frame::writeDockRecord(r);
    EXPECT_LT(text.size(), tesk::frame::kLayoutRecordSize);
    EXPECT_TRUE(text.endsWith(":4:0:-1:0:0:0:0:1:0"));
    EXPECT_EQ(tesk::frame::writeToolbarRecord({1, -1, 2, 3, 0, 1, 40, 20}),
              QByteArray("1:-1:2:3:0:1:40:20:"));
}

TEST_F(LayoutRecordTest, DockedLeftSecondRoundTripsIntoASecondWindow)
{
    MainWindow *first = createFrame("Debugger", 1);
    first->show();
    CuiSetDockWindowPersistanceData(1, "Registers:1:0:0:0:0:150:200:1:0");
    first->createDockedWindow(10, "Registers", nullptr);
    CuiSetDockWindowPersistanceData(1, "Memory:1:0:1:0:0:150:200:1:1");
    first->createDockedWindow(11, "Memory", nullptr);
    QtSortWindowList(1);
    EXPECT_EQ(QtDockWindowCount(1), 2);
    EXPECT_EQ(QtGetPersistWindowBox(1, 1), 11);
    const std::string memory = record(1, 1);
    EXPECT_EQ(memory.substr(0, 13), "Memory:1:0:1:");
    EXPECT_EQ(memory.substr(memory.size() - 4), ":1:1");

    MainWindow *second = createFrame("Debugger", 2);
    CuiSetDockWindowPersistanceData(2, record(1, 0).c_str());
    // A waiting record wins over a placement request.
    QtCreateDocked(0, 1);
    second->createDockedWindow(20, "Registers", nullptr);
    CuiSetDockWindowPersistanceData(2, memory.c_str());
    DockWidget *restored = second->createDockedWindow(21, "Memory", nullptr);
    EXPECT_EQ(restored->windowTitle(), QStringLiteral("Memory"));
    EXPECT_TRUE(restored->isGoto());
    EXPECT_EQ(second->dockWidgetArea(restored), Qt::LeftDockWidgetArea);
    QtSortWindowList(2);
    EXPECT_EQ(record(2, 1).substr(0, 13), "Memory:1:0:1:");
}

TEST_F(LayoutRecordTest, RecordsAreReadOnlyUpToTheHostTextLimit)
{
    createFrame("Debugger", 4);
    // No terminator within the limit: reading on would run past what the host owns.
    std::vector<char> record(size_t(tesk::core::kMaxHostTextBytes), 'r');
    CuiSetDockWindowPersistanceData(4, record.data());
    QtWindowCreate("Registers", nullptr, 41);
    EXPECT_EQ(Store::currentMainWindow()->dockList().size(), 1);
}

TEST_F(LayoutRecordTest, FloatingRecordIsRestoredAfterShow)
{
    createFrame("Debugger", 3);
    CuiSetDockWindowPersistanceData(3, "Output:4:0:-1:140:150:330:220:1:0");
    DockWidget *dock = Store::currentMainWindow()->createDockedWindow(30, "Output", nullptr);
    EXPECT_TRUE(dock->isFloating());
    QtFrameShow();
    EXPECT_EQ(dock->size(), QSize(330, 220));
    QtSortWindowList(3);
    const std::string text = record(3, 0);
    EXPECT_EQ(text.substr(0, 16), "Output:4:0:-1:14");
    // Outside the list nothing is written but the terminator.
    EXPECT_EQ(record(3, 5), "");
    EXPECT_EQ(QtGetPersistWindowBox(3, -1), 0);
}

TEST_F(LayoutRecordTest, ToolbarsAndTopGeometry)
{
    MainWindow *window = createFrame("Debugger", 4);
    const int before = QtToolbarCount(4);
    auto *toolbar = new QToolBar(QStringLiteral("Probe"), window);
    window->addToolBarBreak();
    window->addToolBar(Qt::TopToolBarArea, toolbar);
    window->show();
    ASSERT_EQ(QtToolbarCount(4), before + 1);
    // The new line is the last one in the top area.
    EXPECT_STREQ(QtReturnToolbarTitle(4, before), "Probe");
    EXPECT_STREQ(QtReturnToolbarTitle(4, before + 1), "");
    char buffer[tesk::frame::kLayoutRecordSize];
    QtToolbarData(4, before, buffer);
    EXPECT_EQ(std::string(buffer).substr(0, 2 + std::to_string(before).size()),
              "1:" + std::to_string(before));
    EXPECT_EQ(QtSetToolbarData("tb_x_Nothing", "0:0:0:0:0:0:10:10:"), 1);
    EXPECT_EQ(QtSetToolbarData("tb_x_Probe", "0:-1:0:0:0:1:10:10:"), 0);
    EXPECT_TRUE(toolbar->isFloating());
    EXPECT_TRUE(toolbar->isHidden());

    QtSetTopPersistanceData(-5, 10, 300, 200);
    EXPECT_EQ(Store::instance()->topGeometry(), QRect(2, 10, 300, 200));
    EXPECT_TRUE(Store::instance()->isTopGeometryPending());
    // A stored size from a larger desktop (or a corrupt record) must not ask for a huge window.
    QtSetTopPersistanceData(0, 0, INT_MAX, INT_MAX);
    EXPECT_EQ(Store::instance()->topGeometry().size(),
              QGuiApplication::primaryScreen()->virtualGeometry().size());
    Store::instance()->clearTopGeometryPending();
}

namespace {

// Field n (1-based) of a dock record.
int field(const std::string &record, int n)
{
    const QList<QByteArray> fields = QByteArray::fromStdString(record).split(':');
    return fields.value(n - 1).toInt();
}

} // namespace

TEST_F(LayoutRecordTest, RecordsFollowTheUsersResizeAndDrags)
{
    MainWindow *window = createFrame("Debugger", 5);
    window->resize(1200, 900);
    window->show();
    CuiSetDockWindowPersistanceData(5, "Registers:1:0:0:0:0:200:300:1:0");
    DockWidget *registers = window->createDockedWindow(50, "Registers", nullptr);
    CuiSetDockWindowPersistanceData(5, "Memory:1:0:1:0:0:200:300:1:0");
    DockWidget *memory = window->createDockedWindow(51, "Memory", nullptr);
    QtFrameShow();
    QCoreApplication::processEvents();
    // Right after the restore the record carries what is shown.
    QtSortWindowList(5);
    EXPECT_EQ(field(record(5, 0), 7), registers->width());
    EXPECT_EQ(field(record(5, 0), 8), registers->height());
    // The first window of an area starts no new line.
    EXPECT_EQ(field(record(5, 0), 3), 0);

    // The user widens the area and makes the memory window taller.
    window->resizeDocks({registers}, {420}, Qt::Horizontal);
    window->resizeDocks({registers, memory}, {300, 509}, Qt::Vertical);
    QCoreApplication::processEvents();
    ASSERT_GT(memory->width(), 300);
    QtSortWindowList(5);
    const std::string resized = record(5, 1);
    EXPECT_EQ(resized.substr(0, 7), "Memory:");
    EXPECT_EQ(field(resized, 7), memory->width());
    EXPECT_EQ(field(resized, 8), memory->height());
    EXPECT_NE(field(resized, 7), 200);
    // The host's questions about the newest window answer the same size.
    EXPECT_EQ(QtGetWindWidth(), memory->width());
    EXPECT_EQ(QtGetWindHeight(), memory->height() - 2);

    // The user drags the registers below the memory window, then into a line of their own.
    window->splitDockWidget(memory, registers, Qt::Vertical);
    QCoreApplication::processEvents();
    QtSortWindowList(5);
    EXPECT_EQ(QtGetPersistWindowBox(5, 0), 51);
    EXPECT_EQ(record(5, 1).substr(0, 14), "Registers:1:0:");
    EXPECT_EQ(field(record(5, 1), 4), 1);
    window->addDockWidget(Qt::LeftDockWidgetArea, registers, Qt::Horizontal);
    QCoreApplication::processEvents();
    QtSortWindowList(5);
    EXPECT_EQ(QtGetPersistWindowBox(5, 1), 50);
    EXPECT_EQ(field(record(5, 1), 3), 1);
    EXPECT_EQ(field(record(5, 0), 3), 0);

    // A resized window restored into a second main window comes back at the size it was left.
    const std::string left = record(5, 0);
    MainWindow *second = createFrame("Debugger", 6);
    second->resize(1200, 900);
    second->show();
    CuiSetDockWindowPersistanceData(6, left.c_str());
    DockWidget *again = second->createDockedWindow(60, "Memory", nullptr);
    QtFrameShow();
    QCoreApplication::processEvents();
    EXPECT_EQ(again->width(), field(left, 7));
}

TEST_F(LayoutRecordTest, HiddenRecordsLongCaptionsAndTitlesHeldTogether)
{
    MainWindow *window = createFrame("Debugger", 7);
    window->show();
    CuiSetDockWindowPersistanceData(7, "Trace:3:0:0:0:0:300:120:0:0");
    DockWidget *trace = window->createDockedWindow(70, "Trace", nullptr);
    // A caption longer than the host's buffer, which was full of other bytes.
    const std::string longCaption(400, 'c');
    CuiSetDockWindowPersistanceData(7, (longCaption + ":3:0:1:0:0:300:120:1:0").c_str());
    window->createDockedWindow(71, "Long", nullptr);
    QtFrameShow();
    QCoreApplication::processEvents();
    EXPECT_TRUE(trace->isHidden());
    QtSortWindowList(7);
    EXPECT_EQ(field(record(7, 0), 9), 0);
    const std::string cut = record(7, 1);
    EXPECT_EQ(cut.size(), size_t(tesk::frame::kLayoutRecordSize - 1));
    EXPECT_EQ(cut.substr(cut.size() - 4), ":1:0");

    // Two toolbar titles asked for one after the other both stay readable.
    auto *first = new QToolBar(QStringLiteral("First"), window);
    auto *second = new QToolBar(QStringLiteral("Second"), window);
    window->addToolBar(Qt::TopToolBarArea, first);
    window->addToolBar(Qt::TopToolBarArea, second);
    const char *one = nullptr;
    const char *two = nullptr;
    for (int index = 0; index < QtToolbarCount(7); ++index) {
        const char *title = QtReturnToolbarTitle(7, index);
        if (!std::strcmp(title, "First"))
            one = title;
        if (!std::strcmp(title, "Second"))
            two = title;
    }
    ASSERT_TRUE(one && two);
    EXPECT_STREQ(one, "First");
    EXPECT_STREQ(two, "Second");
}

TEST_F(LayoutRecordTest, FloatingRecordsStayOnAScreenThatIsThere)
{
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    createFrame("Debugger", 8);
    // A corrupt size, and a position on a screen that is gone.
    CuiSetDockWindowPersistanceData(8, "Output:4:0:-1:0:0:2147483647:2147483647:1:0");
    DockWidget *huge = Store::currentMainWindow()->createDockedWindow(80, "Output", nullptr);
    CuiSetDockWindowPersistanceData(8, "Trace:4:0:-1:90000:-90000:300:200:1:0");
    DockWidget *away = Store::currentMainWindow()->createDockedWindow(81, "Trace", nullptr);
    QtFrameShow();
    // Within the free area: the whole window, up to the frame the window system adds.
    const auto withinReach = [&free](const QWidget *widget) {
        return free.contains(widget->frameGeometry().topLeft()) &&
               widget->width() <= free.width() && widget->height() <= free.height();
    };
    EXPECT_TRUE(withinReach(huge)) << huge->frameGeometry().x() << "," << huge->frameGeometry().y()
                                   << " " << huge->width() << "x" << huge->height();
    EXPECT_EQ(away->size(), QSize(300, 200));
    EXPECT_TRUE(withinReach(away)) << away->frameGeometry().x() << "," << away->frameGeometry().y();

    auto *toolbar = new QToolBar(QStringLiteral("Probe"), Store::currentMainWindow());
    Store::currentMainWindow()->addToolBar(Qt::TopToolBarArea, toolbar);
    EXPECT_EQ(QtSetToolbarData("tb_x_Probe", "0:-1:-70000:70000:0:0:3000:40:"), 0);
    EXPECT_TRUE(toolbar->isFloating());
    EXPECT_TRUE(withinReach(toolbar));
}

TEST_F(LayoutRecordTest, AFloatingDockKeepsItsWholeFrameWithinTheFreeArea)
{
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    createFrame("Debugger", 10);
    QtFrameShow();
    // Its record places it in the free area's corner at less than its least size; the host
    // then sizes its box larger than the corner leaves.
    const std::string corner = "Watch:4:0:-1:" + std::to_string(free.right() - 70) + ":" +
                               std::to_string(free.bottom() - 70) + ":60:60:1:0";
    CuiSetDockWindowPersistanceData(10, corner.c_str());
    QtWindowCreate(
        "Watch", [](TeskHandle, int *, int) {}, 100);
    DockWidget *dock = Store::currentMainWindow()->findDockWidgetByBox(100);
    ASSERT_TRUE(dock && dock->isFloating());
    const auto where = [dock] {
        const QRect frame = dock->frameGeometry();
        return std::to_string(frame.x()) + "," + std::to_string(frame.y()) + " " +
               std::to_string(frame.width()) + "x" + std::to_string(frame.height());
    };
    EXPECT_TRUE(free.contains(dock->frameGeometry())) << where();
    QtResizePosWindow(100, 0, 0, 400, 300);
    EXPECT_EQ(dock->size(), QSize(400, 300));
    EXPECT_TRUE(free.contains(dock->frameGeometry())) << where();
}

TEST_F(LayoutRecordTest, AToolbarFloatedByARecordDocksAgainByTheNext)
{
    MainWindow *window = createFrame("Debugger", 9);
    auto *toolbar = new QToolBar(QStringLiteral("Probe"), window);
    window->addToolBar(Qt::TopToolBarArea, toolbar);
    window->show();
    ASSERT_EQ(QtSetToolbarData("tb_x_Probe", "0:-1:10:10:0:0:100:30:"), 0);
    ASSERT_TRUE(toolbar->isFloating());
    EXPECT_EQ(QtSetToolbarData("tb_x_Probe", "0:0:0:0:0:0:0:0:"), 0);
    EXPECT_FALSE(toolbar->isFloating());
    EXPECT_EQ(window->toolBarArea(toolbar), Qt::TopToolBarArea);
    EXPECT_TRUE(toolbar->isVisible());
}

TEST_F(LayoutRecordTest, TopLevelGeometryFromAnotherScreenStaysWithinReach)
{
    const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
    QtSetIsDockingWindow(0);
    ASSERT_NE(QtTopLevelCreate(720, nullptr, 0), 0);
    QPointer<QMainWindow> topLevel = Store::currentTopLevelWindow();
    QtSetTopPersistanceData(90000, 90000, 300, 200);
    QtFrameShow();
    EXPECT_EQ(topLevel->size(), QSize(300, 200));
    EXPECT_TRUE(free.contains(topLevel->geometry()));
    topLevel->close();
}

// A geometry edited by hand to a size no window has shows a window of the size a new one gets,
// and the host reads that back, not a window of nothing.
TEST_F(LayoutRecordTest, ATopLevelSizeEditedBelowNothingComesBackSound)
{
    for (const QSize edited : {QSize(-10, -10), QSize(0, 300), QSize(400, -1)}) {
        QtSetTopPersistanceData(-500, -500, edited.width(), edited.height());
        QtSetIsDockingWindow(0);
        ASSERT_NE(QtTopLevelCreate(740, nullptr, 0), 0);
        QPointer<QMainWindow> topLevel = Store::currentTopLevelWindow();
        QtFrameShow();
        QtRaiseWindowByBox(740);
        testhost::settle();
        int x = 0, y = 0, width = 0, height = 0, minimised = 0;
        QtGetSizePos(740, &x, &y, &width, &height, &minimised);
        EXPECT_EQ(QSize(width, height), QSize(500, 250))
            << edited.width() << " " << edited.height();
        topLevel->close();
        testhost::settle();
    }
}

TEST_F(LayoutRecordTest, ATopLevelWindowComesBackWhereTheHostReadIt)
{
    // Read by one run, given to the next, read again: the same each time, not walking.
    QRect stored(300, 200, 400, 250);
    for (int run = 0; run < 3; ++run) {
        QtSetTopPersistanceData(stored.x(), stored.y(), stored.width(), stored.height());
        QtSetIsDockingWindow(0);
        const TeskHandle handle = 730 + run;
        ASSERT_NE(QtTopLevelCreate(handle, nullptr, 0), 0);
        QPointer<QMainWindow> topLevel = Store::currentTopLevelWindow();
        QtFrameShow();
        QtRaiseWindowByBox(handle);
        testhost::settle();
        int x = 0, y = 0, width = 0, height = 0, minimised = 0;
        QtGetSizePos(handle, &x, &y, &width, &height, &minimised);
        stored = QRect(x, y, width, height);
        EXPECT_EQ(stored, QRect(300, 200, 400, 250)) << "run " << run;
        EXPECT_EQ(topLevel->frameGeometry().topLeft(), QPoint(300, 200)) << "run " << run;
        EXPECT_EQ(topLevel->size(), QSize(400, 250)) << "run " << run;
        topLevel->close();
        testhost::settle();
    }
}

namespace {

void onFind(TeskHandle, const void *, int, int) {}

int toolbarField(TeskHandle handle, const QString &title, int n)
{
    for (int i = 0; i < QtToolbarCount(handle); ++i)
        if (title == QLatin1String(QtReturnToolbarTitle(handle, i))) {
            char buffer[tesk::frame::kLayoutRecordSize];
            QtToolbarData(handle, i, buffer);
            return field(buffer, n);
        }
    return -1;
}

} // namespace

// A record of a hidden floating toolbar places it and leaves it hidden: shown for a moment, a
// window manager would place it itself, and its late word could undo the recorded place.
TEST_F(LayoutRecordTest, AHiddenFloatingToolbarRecordPlacesTheToolbarWithoutShowingIt)
{
    MainWindow *window = createFrame("Debugger", 11);
    auto *toolbar = new QToolBar(QStringLiteral("Probe"), window);
    window->addToolBar(Qt::TopToolBarArea, toolbar);
    window->show();
    testhost::settle();
    int shows = 0;
    struct Counter : QObject
    {
        int *shows;
        explicit Counter(int *count)
            : shows(count)
        {
        }
        bool eventFilter(QObject *, QEvent *event) override
        {
            *shows += event->type() == QEvent::Show;
            return false;
        }
    } counter(&shows);
    toolbar->installEventFilter(&counter);
    ASSERT_EQ(QtSetToolbarData("tb_x_Probe", "0:-1:300:200:0:1:200:30:"), 0);
    testhost::settle();
    toolbar->removeEventFilter(&counter);
    EXPECT_TRUE(toolbar->isFloating());
    EXPECT_TRUE(toolbar->isHidden());
    EXPECT_EQ(shows, 0);
    EXPECT_EQ(toolbar->pos(), QPoint(300, 200));
}

TEST_F(LayoutRecordTest, AToolbarRecordHidesAndShowsAgain)
{
    MainWindow *window = createFrame("Debugger", 10);
    QtCreateEditorToolBar(10, &onFind);
    QToolBar *find = nullptr;
    for (QToolBar *toolbar : window->findChildren<QToolBar *>())
        if (toolbar->windowTitle() == QLatin1String("Find"))
            find = toolbar;
    ASSERT_TRUE(find && find->windowTitle() == QLatin1String("Find"));
    // Before the show no toolbar is hidden: a layout stored then comes back with them all.
    ASSERT_GT(QtToolbarCount(10), 1);
    for (int i = 0; i < QtToolbarCount(10); ++i)
        EXPECT_EQ(toolbarField(10, QString::fromLatin1(QtReturnToolbarTitle(10, i)), 6), 0)
            << QtReturnToolbarTitle(10, i);
    QtFrameShow();
    testhost::settle();
    const int index = [&] {
        for (int i = 0; i < QtToolbarCount(10); ++i)
            if (!std::strcmp(QtReturnToolbarTitle(10, i), "Find"))
                return i;
        return -1;
    }();
    const std::string hidden = "0:" + std::to_string(index) + ":0:0:0:1:0:0:";
    EXPECT_EQ(QtSetToolbarData("tb_x_Find", hidden.c_str()), 0);
    EXPECT_TRUE(find->isHidden());
    EXPECT_EQ(toolbarField(10, QStringLiteral("Find"), 6), 1);
    const std::string shown = "0:" + std::to_string(index) + ":0:0:0:0:0:0:";
    EXPECT_EQ(QtSetToolbarData("tb_x_Find", shown.c_str()), 0);
    EXPECT_TRUE(find->isVisible());
    EXPECT_EQ(toolbarField(10, QStringLiteral("Find"), 6), 0);
}

TEST_F(LayoutRecordTest, AToolbarRecordNotWrittenByTheLibraryChangesNothing)
{
    MainWindow *window = createFrame("Debugger", 11);
    auto *toolbar = new QToolBar(QStringLiteral("Probe"), window);
    window->addToolBar(Qt::TopToolBarArea, toolbar);
    QtFrameShow();
    testhost::settle();
    const QRect before = toolbar->geometry();
    const std::string longRecord = "0:-1:10:10:0:0:100:" + std::string(300, '3') + ":";
    for (const char *record :
         {"", "garbage", "1:2:3", "0:-1:a:b:c:d:e:f:", "0:-1:0:0:0:0:2147483647:40:",
          "0:-1:0:0:0:0:100:-5:", "0:-1:0:0:0:0:100:30:7:8:", longRecord.c_str()}) {
        EXPECT_EQ(QtSetToolbarData("tb_x_Probe", record), 1) << record;
        EXPECT_FALSE(toolbar->isFloating()) << record;
        EXPECT_TRUE(toolbar->isVisible()) << record;
        EXPECT_EQ(toolbar->geometry(), before) << record;
    }
    // The record the library writes, without its last ':', is taken.
    EXPECT_EQ(QtSetToolbarData("tb_x_Probe", "0:-1:10:10:0:0:100:30"), 0);
    EXPECT_TRUE(toolbar->isFloating());
}

namespace {

void onScript(TeskHandle, const char *) {}

} // namespace

// The library's toolbars go by the same name in every language: in a German run each record
// named as an English run names it places its toolbar (hidden by it here), and a record named by
// the German title, as records were stored before, places it too (shown again).
TEST_F(LayoutRecordTest, ToolbarRecordsPlaceTheirToolbarInEveryLanguage)
{
    setenv("KSODEBUG_LANG", "de", 1);
    ASSERT_EQ(CuiUpdateSettings(), 0);
    MainWindow *window = createFrame("Debugger", 5);
    ASSERT_NE(QtCreateEditorToolBar(5, &onFind), 0);
    ASSERT_NE(CuiScriptToolBarCreate(5, &onScript), 0);
    window->show();
    const auto toolbarNamed = [&](const QString &title) {
        for (QToolBar *toolbar : window->findChildren<QToolBar *>())
            if (toolbar->windowTitle() == title)
                return toolbar;
        return static_cast<QToolBar *>(nullptr);
    };
    int translated = 0;
    const int count = QtToolbarCount(5);
    std::vector<std::pair<std::string, QString>> names;
    for (int i = 0; i < count; ++i)
        names.emplace_back(QtReturnToolbarTitle(5, i),
                           window->numberedToolbars().at(i)->windowTitle());
    for (const auto &[name, title] : names) {
        QToolBar *toolbar = toolbarNamed(title);
        ASSERT_TRUE(toolbar) << name;
        translated += QString::fromLatin1(name.c_str()) != title;
        char record[tesk::frame::kLayoutRecordSize];
        QtToolbarData(5, int(window->numberedToolbars().indexOf(toolbar)), record);
        // newLine:index:x:y:offset:hidden:width:height:
        QList<QByteArray> fields = QByteArray(record).split(':');
        ASSERT_GT(fields.size(), 6) << record;
        fields[5] = "1";
        const QByteArray hidden = fields.join(':');
        EXPECT_EQ(QtSetToolbarData(("tb_x_" + name).c_str(), hidden.constData()), 0) << name;
        EXPECT_TRUE(toolbar->isHidden()) << name << " " << hidden.constData();
        EXPECT_EQ(QtSetToolbarData(("tb_x_" + title.toLatin1()).constData(), record), 0) << name;
        EXPECT_FALSE(toolbar->isHidden()) << name;
    }
    EXPECT_GE(translated, 2) << "the German run shows English titles";
    for (const char *english : {"Find", "Scripts"})
        EXPECT_NE(std::find_if(names.cbegin(), names.cend(),
                               [&](const auto &n) { return n.first == english; }),
                  names.cend())
            << english;
    unsetenv("KSODEBUG_LANG");
    CuiUpdateSettings();
}
