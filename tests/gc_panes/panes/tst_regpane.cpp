// The register pane as the host drives it: through the exports, its handler and the user's keys.
#include "frame/services/scopedenv.h"
#include "frames.h"
#include "modalanswers.h"
#include "nonregularfiles.h"
#include "persistencehost.h"
#include "registerrecords.h"
#include "regpanehost.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "frame/services/teskfile.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockwidget.h"
#include "gui_components/gc_panes/panes/regpane.h"
#include "helpwatch.h"
#include "registers/regdata.h"
#include "registers/regdatasets.h"
#include "registers/regdataview.h"
#include "registers/regicon.h"
#include "registers/regitem.h"
#include "registers/regview.h"

#include <glyphon/glyphon.h>

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <gtest/gtest.h>

#include <cstdarg>
#include <string>

namespace {

// Items are painted by their view: a click goes to the view where the item's name is.
void clickItem(RegView *view, const RegItem *item)
{
    const QPoint at = item->geometry().topLeft() + QPoint(RegItem::nameX() + 2, 4);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->contentsToViewport(at));
}

class RegPaneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static uint32_t next = 7000;
        id = next++;
        ASSERT_EQ(CuiRegPaneDataCreate(id), 1);
        host.dataSet = id;
        addView("Core");
        pane = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
        ASSERT_NE(pane, 0);
        ASSERT_EQ(CuiRegPaneAttach(pane, host.context()), 1);
    }

    void TearDown() override
    {
        CuiRegPaneDelete(pane);
        settle();
    }

    static void settle()
    {
        QApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    RegPane *regPane() const { return RegPane::fromHandle(pane); }

    void addView(const char *name)
    {
        RegDataRecord v = tesk::host::viewRecord(name);
        CuiRegPaneDataAdd(id, &v);
    }

    // A register whose value is on the line; its host word is the line.
    void add(const char *name, int16_t line, uint32_t type = REG_TYPE_RADIX_16)
    {
        RegDataRecord r = tesk::host::registerRecord(name, 0, line, type, 8);
        r.hostWord = uintptr_t(line);
        CuiRegPaneDataAdd(id, &r);
        if (host.lines.size() <= size_t(line))
            host.lines.resize(line + 1, "00000000");
    }

    void show(const char *displayName = "Board")
    {
        ASSERT_EQ(CuiRegPaneDataSet(id, pane, nullptr, nullptr, displayName), 1);
        regPane()->resize(500, 300);
        regPane()->show();
        QApplication::processEvents();
    }

    QTabWidget *tabs() const { return regPane()->currentPage()->tabs; }
    RegView *view() const { return regPane()->currentView(); }

    uint32_t id = 0;
    TeskHandle pane = 0;
    testhost::RegPaneHost host;
    // An editor, box or menu the test did not expect fails by name within seconds.
    testhost::ModalAnswers unexpectedModals;
};

TEST_F(RegPaneTest, LinesCloseTogetherAreAskedForAsOneRange)
{
    add("R3", 3);
    add("R4", 4);
    add("R9", 9);
    add("R12", 12);
    show();
    RegLineRange ranges[4] = {};
    uint32_t capacity = 4;
    ASSERT_EQ(CuiRegPaneGetRangeLines(0, pane, ranges, &capacity, 1), 2);
    EXPECT_EQ(ranges[0].firstLine, 3);
    EXPECT_EQ(ranges[0].lineCount, 2);
    EXPECT_EQ(ranges[1].firstLine, 9);
    EXPECT_EQ(ranges[1].lineCount, 4);
    EXPECT_EQ(ranges[1].reserved, 0u);

    // Too small a buffer is told the size it needs and written nothing.
    RegLineRange one[2] = {{-7, -7, 7}, {-7, -7, 7}};
    capacity = 1;
    EXPECT_EQ(CuiRegPaneGetRangeLines(0, pane, one, &capacity, 1), -1);
    EXPECT_EQ(capacity, 2u);
    EXPECT_EQ(one[0].firstLine, -7);

    capacity = 4;
    EXPECT_EQ(CuiRegPaneGetRangeLines(0, pane, nullptr, &capacity, 1), -1);
    EXPECT_EQ(capacity, 4u);
    EXPECT_EQ(CuiRegPaneGetRangeLines(0, pane, ranges, nullptr, 1), -1);
}

TEST_F(RegPaneTest, OnlyTheFirstPaneOnADataSetAsksForLinesUnlessForced)
{
    add("R0", 0);
    show();
    const TeskHandle other = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    ASSERT_EQ(CuiRegPaneDataSet(id, other, nullptr, nullptr, "Board"), 1);
    RegPane::fromHandle(other)->show();
    QApplication::processEvents();
    const TeskHandle first = std::min(pane, other);
    const TeskHandle second = std::max(pane, other);
    RegLineRange ranges[2] = {};
    uint32_t capacity = 2;
    EXPECT_EQ(CuiRegPaneGetRangeLines(0, first, ranges, &capacity, 0), 1);
    EXPECT_EQ(CuiRegPaneGetRangeLines(0, second, ranges, &capacity, 0), -1);
    EXPECT_EQ(CuiRegPaneGetRangeLines(0, second, ranges, &capacity, 1), 1);
    EXPECT_EQ(CuiRegPaneDelete(other), 1);
}

TEST_F(RegPaneTest, HandlesThatAreNoRegisterPaneAreRefused)
{
    const TeskHandle dead = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    ASSERT_EQ(CuiRegPaneDelete(dead), 1);
    QWidget stranger;
    for (TeskHandle bad : {TeskHandle(0), dead, reinterpret_cast<TeskHandle>(&stranger)}) {
        RegLineRange range{};
        uint32_t capacity = 1;
        EXPECT_EQ(CuiRegPaneDelete(bad), 0);
        EXPECT_EQ(CuiRegPaneAttach(bad, 1), 0);
        EXPECT_EQ(CuiRegPaneDataSet(id, bad, "a", "p", "n"), 0);
        EXPECT_EQ(CuiRegPaneDataDelete(id, bad), 0);
        EXPECT_EQ(CuiRegPaneTargetStartStop(0, bad, 1), 0);
        EXPECT_EQ(CuiRegPaneGetRangeLines(0, bad, &range, &capacity, 1), -1);
        EXPECT_EQ(CuiUpdateFormatDefinition(id, bad), 0);
    }
    EXPECT_EQ(CuiRegPaneCreate(nullptr), 0);
}

TEST_F(RegPaneTest, ShowingTheSameDataSetAgainOnlyRenamesIt)
{
    add("R0", 0);
    show("Board");
    QStackedWidget *stack = regPane()->stack();
    const int pages = stack->count();
    EXPECT_EQ(CuiRegPaneDataSet(id, pane, "arm", nullptr, "Other"), 0);
    EXPECT_EQ(RegDataSets::instance().get(id)->displayName(), QStringLiteral("Other"));
    EXPECT_EQ(stack->count(), pages);
    EXPECT_EQ(CuiRegPaneDataSet(id, pane, nullptr, nullptr, nullptr), 0);
    EXPECT_EQ(RegDataSets::instance().get(id)->displayName(), QString());
    EXPECT_EQ(RegDataSets::instance().get(id)->useCount(), 1);
}

TEST_F(RegPaneTest, BuiltInDataSetsHaveNoUserViewAndStay)
{
    for (uint32_t builtIn : {0u, 1u}) {
        ASSERT_EQ(CuiRegPaneDataSet(builtIn, pane, "arm", "cpu", "none"), 1);
        const RegPage *page = regPane()->page(builtIn);
        ASSERT_NE(page, nullptr);
        EXPECT_FALSE(page->hasUserView);
        EXPECT_EQ(page->userView, nullptr);
        EXPECT_EQ(CuiRegPaneDataDelete(builtIn, pane), 0);
        EXPECT_NE(regPane()->page(builtIn), nullptr);
        EXPECT_TRUE(CuiRegPaneDataTestOfExistence(builtIn));
        const int tabCount = page->tabs->count();
        regPane()->menuCommand(RegPane::CommandToggleUserView);
        EXPECT_EQ(page->tabs->count(), tabCount);
    }
    // An unknown id shows data set 0's page.
    ASSERT_EQ(CuiRegPaneDataSet(id, pane, nullptr, nullptr, "Board"), 1);
    EXPECT_EQ(CuiRegPaneDataSet(99999, pane, nullptr, nullptr, "none"), 1);
    EXPECT_EQ(regPane()->currentData(), RegDataSets::instance().get(0));
}

TEST_F(RegPaneTest, OperationsReachTheHandlerWithTheContext)
{
    add("R0", 0);
    show();
    host.calls.clear();
    regPane()->slotMenuActivated(RegPane::CommandUpdate);
    ASSERT_EQ(host.count(REG_OP_UPDATE_VIEW), 1);
    EXPECT_TRUE(host.calls.back().nullText);
    EXPECT_EQ(host.calls.back().pointer, 0u);
    EXPECT_EQ(host.calls.back().context, host.context());

    view()->slotShowRegisters();
    emit view()->sigDataUpdateReq();
    ASSERT_GE(host.count(REG_OP_DATA_UPDATE), 1);
    EXPECT_FALSE(host.calls.back().nullText);
    EXPECT_EQ(host.calls.back().text, "");

    // The host writes the pasted value into its lines and sends them back.
    RegItem *r0 = view()->item(QStringLiteral("Core.R0"));
    ASSERT_NE(r0, nullptr);
    clickItem(view(), r0);
    QGuiApplication::clipboard()->setText(QStringLiteral("0x1234\n"));
    regPane()->menuCommand(RegView::CommandPaste);
    ASSERT_EQ(host.count(REG_OP_SET_VALUE), 1);
    EXPECT_EQ(host.calls.back().pointer, 0u); // R0's host word
    EXPECT_EQ(host.lines[0], "00001234");
    EXPECT_EQ(r0->valueText(), QStringLiteral("0x00001234"));

    regPane()->menuCommand(RegView::CommandProperties);
    EXPECT_EQ(host.count(REG_OP_PROPERTIES), 1);
}

TEST_F(RegPaneTest, EnumerationsCanOnlyBeChosenWhileTheTargetIsStopped)
{
    const char *const tables[] = {"A\tB\tC"};
    RegDataRecord t = tesk::host::enumTablesRecord(tables, 1);
    CuiRegPaneDataAdd(id, &t);
    add("MODE", 0, REG_TYPE_ENUMERATED);
    show();
    host.send();
    QComboBox *combo = view()->item(QStringLiteral("Core.MODE"))->combo();
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(CuiRegPaneTargetStartStop(0, pane, 1), 0);
    EXPECT_FALSE(combo->isEnabled());
    EXPECT_EQ(CuiRegPaneTargetStartStop(0, pane, 0), 0);
    EXPECT_TRUE(combo->isEnabled());

    // The host is asked first and may refuse.
    host.refuseChanges = true;
    combo->setCurrentIndex(2);
    emit combo->activated(2);
    EXPECT_EQ(host.count(REG_OP_MAY_CHANGE), 1);
    EXPECT_EQ(host.count(REG_OP_SET_VALUE), 0);
    EXPECT_EQ(combo->currentIndex(), 0);
    host.refuseChanges = false;
    combo->setCurrentIndex(1);
    emit combo->activated(1);
    ASSERT_EQ(host.count(REG_OP_SET_VALUE), 1);
    EXPECT_EQ(host.lines[0], "1");
}

TEST_F(RegPaneTest, TheUserViewComesAndGoesAsTheFirstTab)
{
    addView("Fpu");
    add("S0", 0);
    show();
    tabs()->setCurrentIndex(1);
    ASSERT_EQ(tabs()->count(), 2);
    const RegPage *page = regPane()->currentPage();

    QTest::keyClick(view(), Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_TRUE(page->userViewEnabled);
    ASSERT_EQ(tabs()->count(), 3);
    EXPECT_EQ(tabs()->widget(0), page->userView);
    EXPECT_EQ(view(), page->userView);

    regPane()->menuCommand(RegPane::CommandToggleUserView);
    EXPECT_FALSE(page->userViewEnabled);
    EXPECT_EQ(tabs()->count(), 2);
    // Back on the tab that was current before the user view came.
    EXPECT_EQ(tabs()->currentIndex(), 1);
}

TEST_F(RegPaneTest, PageKeysStepThroughTheTabs)
{
    addView("Fpu");
    addView("Mmu");
    add("S0", 0);
    show();
    regPane()->setFocus();
    ASSERT_EQ(tabs()->currentIndex(), 0);
    QTest::keyClick(regPane(), Qt::Key_PageDown);
    QTest::keyClick(regPane(), Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    QTest::keyClick(regPane(), Qt::Key_PageDown);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    QTest::keyClick(regPane(), Qt::Key_PageUp, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 2);
    QTest::keyClick(regPane(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);

    // From the view, where the focus is, Control turns the page keys into tab keys; without
    // it they page through the registers.
    view()->setFocus();
    QTest::keyClick(view(), Qt::Key_PageUp, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    QTest::keyClick(view(), Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tabs()->currentIndex(), 1);
    QTest::keyClick(view(), Qt::Key_PageDown);
    EXPECT_EQ(tabs()->currentIndex(), 1);
}

TEST_F(RegPaneTest, DeleteTakesRegistersOutOfTheUserViewOnly)
{
    add("R0", 0);
    add("R1", 1);
    show();
    RegData *data = RegDataSets::instance().get(id);
    RegItem *r0 = view()->item(QStringLiteral("Core.R0"));
    clickItem(view(), r0);
    regPane()->menuCommand(RegView::CommandCopyToUser);
    ASSERT_EQ(data->userView()->instances().size(), 1u);

    // In another view Delete is taken but removes nothing.
    QTest::keyClick(view(), Qt::Key_Delete);
    EXPECT_EQ(data->userView()->instances().size(), 1u);

    regPane()->menuCommand(RegPane::CommandToggleUserView);
    RegView *user = regPane()->currentPage()->userView;
    ASSERT_EQ(view(), user);
    QApplication::processEvents();
    RegItem *inUser = user->item(QStringLiteral("Core.R0"));
    ASSERT_NE(inUser, nullptr);
    clickItem(user, inUser);
    QTest::keyClick(user, Qt::Key_Delete);
    EXPECT_TRUE(data->userView()->instances().empty());
}

// With the user view on, the Core view is another view: Delete there is taken and takes
// nothing out, neither of the Core view nor of the user view. A modal (an in-place editor
// from clicking a selected register, a box) would wait for an answer nobody gives: it is
// closed and fails the test instead.
TEST_F(RegPaneTest, DeleteInTheCoreViewKeepsTheRegisterThere)
{
    add("R0", 0);
    add("R1", 1);
    show();
    RegData *data = RegDataSets::instance().get(id);
    testhost::ModalAnswers answers;
    answers.setHandler([](const testhost::ModalAnswers::Request &request) {
        ADD_FAILURE() << "a modal came up";
        if (request.widget)
            request.widget->close();
    });
    RegView *core = view();
    clickItem(core, core->item(QStringLiteral("Core.R0")));
    regPane()->menuCommand(RegView::CommandCopyToUser);
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    RegView *user = regPane()->currentPage()->userView;
    ASSERT_EQ(view(), user);
    QApplication::processEvents();
    clickItem(user, user->item(QStringLiteral("Core.R0")));

    tabs()->setCurrentWidget(core);
    QApplication::processEvents();
    ASSERT_EQ(view(), core);
    ASSERT_EQ(core->selection().size(), 1);
    ASSERT_EQ(core->selection().front(), core->item(QStringLiteral("Core.R0")));
    QTest::keyClick(core, Qt::Key_Delete);
    // The command itself, handed to the Core view, leaves it alone as well.
    core->menuCommand(RegView::CommandRemoveFromUser);
    settle();
    EXPECT_NE(core->item(QStringLiteral("Core.R0")), nullptr);
    EXPECT_EQ(core->items().size(), 2);
    ASSERT_EQ(data->userView()->instances().size(), 1u);
    EXPECT_EQ(user->items().size(), 1);
    EXPECT_TRUE(answers.seen().empty());
}

TEST_F(RegPaneTest, TwoPanesOnOneDataSetBothLetGoOfARemovedUserRegister)
{
    add("R0", 0);
    add("R1", 1);
    show();
    RegData *data = RegDataSets::instance().get(id);
    for (const char *name : {"Core.R0", "Core.R1"}) {
        clickItem(view(), view()->item(QLatin1String(name)));
        regPane()->menuCommand(RegView::CommandCopyToUser);
    }
    ASSERT_EQ(data->userView()->instances().size(), 2u);

    // Both panes show the data set with its user view.
    const TeskHandle other = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    ASSERT_EQ(CuiRegPaneAttach(other, host.context()), 1);
    ASSERT_EQ(CuiRegPaneDataSet(id, other, nullptr, nullptr, "Board"), 1);
    RegPane *second = RegPane::fromHandle(other);
    for (RegPane *each : {regPane(), second}) {
        if (!each->currentPage()->userViewEnabled)
            each->menuCommand(RegPane::CommandToggleUserView);
        each->resize(500, 300);
        each->show();
    }
    QApplication::processEvents();
    RegView *user = regPane()->currentPage()->userView;
    RegView *otherUser = second->currentPage()->userView;
    ASSERT_EQ(otherUser->items().size(), 2);

    // The first pane takes R0 out: the second one's user view lets it go as well.
    clickItem(user, user->item(QStringLiteral("Core.R0")));
    QTest::keyClick(user, Qt::Key_Delete);
    ASSERT_EQ(data->userView()->instances().size(), 1u);
    EXPECT_EQ(otherUser->item(QStringLiteral("Core.R0")), nullptr);
    RegLineRange ranges[4] = {};
    uint32_t capacity = 4;
    ASSERT_EQ(CuiRegPaneGetRangeLines(0, other, ranges, &capacity, 1), 1);
    EXPECT_EQ(ranges[0].firstLine, 1);
    EXPECT_EQ(ranges[0].lineCount, 1);

    // What is left works in the second pane: R1 is in the user view, and Delete takes it out.
    clickItem(otherUser, otherUser->item(QStringLiteral("Core.R1")));
    EXPECT_FALSE(otherUser->canAddToUser());
    QTest::keyClick(otherUser, Qt::Key_Delete);
    EXPECT_TRUE(data->userView()->instances().empty());
    EXPECT_TRUE(user->items().isEmpty());
    EXPECT_EQ(CuiRegPaneDelete(other), 1);
    settle();
}

int record(void *context, int, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const char *argument = va_arg(args, const char *);
    va_end(args);
    auto *out = static_cast<std::string *>(context);
    std::string line = format;
    const auto at = line.find("%s");
    if (at != std::string::npos)
        line.replace(at, 2, argument ? argument : "");
    *out += line;
    return 0;
}

TEST_F(RegPaneTest, TextCommandsReportWhatIsMissing)
{
    struct Case
    {
        QStringList words;
        std::string message;
    };
    const Case cases[] = {
        {{}, "Error: Empty function name passed to Registers\n"},
        {{"showview"}, "Error: Parameter required for function 'raisetab'\n"},
        {{"dumpreg"}, "Error: Parameter required for function 'dumpreg'\n"},
        {{"dumptab"}, "Error: Parameter required for function 'dumptab'\n"},
        {{"dumptab", "file", "append"}, ""},
        {{"showview", "Core"}, ""},
        {{"frobnicate"}, "Unknown option 'frobnicate'"},
    };
    for (const Case &c : cases) {
        std::string out;
        QString result = QStringLiteral("old");
        regPane()->processCommand(&record, &out, c.words, result);
        EXPECT_EQ(out, c.message) << c.words.join(' ').toStdString();
        EXPECT_EQ(result.isEmpty(), !c.words.isEmpty());
    }
    QString result;
    regPane()->processCommand(nullptr, nullptr, {}, result); // silent, no crash
}

TEST_F(RegPaneTest, DeletingThePaneReleasesItsDataSets)
{
    add("R0", 0);
    show();
    CuiRegPaneDataCreate(id + 500);
    RegDataRecord v = tesk::host::viewRecord("Other");
    CuiRegPaneDataAdd(id + 500, &v);
    ASSERT_EQ(CuiRegPaneDataSet(id + 500, pane, nullptr, nullptr, "Other"), 1);
    ASSERT_EQ(CuiRegPaneDataSet(id, pane, nullptr, nullptr, "Board"), 1);

    // Dropping a page releases its data set; the page of the other one stays.
    EXPECT_EQ(CuiRegPaneDataDelete(id + 500, pane), 0);
    EXPECT_FALSE(CuiRegPaneDataTestOfExistence(id + 500));
    EXPECT_EQ(regPane()->page(id + 500), nullptr);
    EXPECT_EQ(regPane()->currentData(), nullptr);

    EXPECT_EQ(CuiRegPaneDelete(pane), 1);
    EXPECT_FALSE(CuiRegPaneDataTestOfExistence(id));
    pane = 0;
}

TEST_F(RegPaneTest, TheHandlerMayDeleteAPageOrThePaneFromInside)
{
    add("R0", 0);
    show();
    QPointer<QTabWidget> page = tabs();
    host.inside = [&](uint32_t op) {
        if (op == REG_OP_UPDATE_VIEW) {
            EXPECT_EQ(CuiRegPaneDataDelete(id, pane), 0);
        }
    };
    regPane()->menuCommand(RegPane::CommandUpdate);
    EXPECT_EQ(regPane()->page(id), nullptr);
    // Still there until the handler's caller has returned.
    EXPECT_FALSE(page.isNull());
    EXPECT_TRUE(CuiRegPaneDataTestOfExistence(id));
    settle();
    EXPECT_TRUE(page.isNull());
    EXPECT_FALSE(CuiRegPaneDataTestOfExistence(id));

    ASSERT_EQ(CuiRegPaneDataSet(0, pane, nullptr, nullptr, "none"), 1);
    QPointer<RegPane> alive = regPane();
    host.inside = [&](uint32_t op) {
        if (op == REG_OP_UPDATE_VIEW) {
            EXPECT_EQ(CuiRegPaneDelete(pane), 1);
        }
    };
    alive->menuCommand(RegPane::CommandUpdate);
    EXPECT_EQ(RegPane::fromHandle(pane), nullptr);
    EXPECT_FALSE(alive.isNull());
    settle();
    EXPECT_TRUE(alive.isNull());
    pane = 0;
}

namespace {

// Triggers the entry of the context menu, or of its "Format" submenu when a format is named.
void chooseFromContextMenu(const testhost::ModalAnswers::Request &request, const QString &entry,
                           const QString &format = QString())
{
    auto *menu = qobject_cast<QMenu *>(request.widget.data());
    if (!menu)
        return;
    for (QAction *action : menu->actions()) {
        if (action->text() != entry)
            continue;
        QMenu *submenu = action->menu();
        if (format.isNull()) {
            action->trigger();
        } else if (submenu) {
            for (QAction *option : submenu->actions()) {
                if (option->text() == format)
                    option->trigger();
            }
        }
    }
    menu->close();
}

} // namespace

TEST_F(RegPaneTest, TheItemsContextMenuFormatsItsValueAndReachesTheHandler)
{
    add("R0", 0);
    host.lines[0] = "ffffffff";
    show();
    host.send();
    RegItem *r0 = view()->item(QStringLiteral("Core.R0"));
    ASSERT_NE(r0, nullptr);
    clickItem(view(), r0);
    ASSERT_EQ(r0->valueText(), QStringLiteral("0xffffffff"));
    const QPoint at = view()->contentsToViewport(r0->geometry().center());
    auto runMenu = [&](const QString &entry, const QString &format) {
        testhost::ModalAnswers answers;
        answers.setHandler(
            [&](const auto &request) { chooseFromContextMenu(request, entry, format); });
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view()->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view()->viewport(), &event);
    };

    runMenu(QStringLiteral("Format"), QStringLiteral("Decimal"));
    EXPECT_EQ(r0->valueText(), QStringLiteral("-1"));
    // The value itself is unchanged: nothing went to the host.
    EXPECT_EQ(host.count(REG_OP_SET_VALUE), 0);

    runMenu(QStringLiteral("View Memory At Value"), QString());
    ASSERT_EQ(host.count(REG_OP_VIEW_MEMORY), 1);
    EXPECT_EQ(host.calls.back().text, "-1");
    EXPECT_EQ(host.calls.back().context, host.context());
}

TEST_F(RegPaneTest, ARightButtonReleaseMarksThePanePopupInTheMainWindow)
{
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    QtFrameCreate("Debugger", 0x7201, &record);
    std::unique_ptr<MainWindow> window(Store::currentMainWindow());
    ASSERT_NE(window, nullptr);
    show();
    QSignalSpy paneMenu(regPane(), &AbstractPane::sigShowPaneMenu);
    QTest::mouseRelease(regPane(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(window->panePopupShown());
    QTest::mouseRelease(regPane(), Qt::RightButton, {}, QPoint(5, 5));
    EXPECT_TRUE(window->panePopupShown());
    EXPECT_EQ(paneMenu.count(), 1);
    // The dock area's request that follows the pane's popup is skipped (a menu shown after all
    // is closed by the answers).
    testhost::ModalAnswers answers;
    EXPECT_FALSE(window->showDockMenu(QPoint(5, 5)));
    window.reset();
    QtCreateNewCode(0);
}

class RegPaneStoreTest : public RegPaneTest
{
protected:
    void SetUp() override
    {
        RegPaneTest::SetUp();
        add("R0", 0);
        add("R1", 1);
    }

    QStringList userEntries(uint32_t of) const
    {
        QStringList entries;
        for (const RegDataItemInstance *entry :
             RegDataSets::instance().get(of)->userView()->instances())
            entries << entry->item->fullName() + "/" + QString::number(entry->flags);
        return entries;
    }

    tesk::host::MemoryStore store;
};

TEST_F(RegPaneStoreTest, TheUserViewIsLoadedFromTheStoredRecord)
{
    // Unknown names and entries without flags are read as far as they go; "10" enables.
    store.records["Connection/Board"] = {
        {"RegUserViewEnabled", "10"},
        {"RegUserViewConfig", "Core.R1^^3\\\\Nope^^1\\\\\\\\Core.R0\\\\Core.R1^^0\nCore.R2"}};
    show("Board");
    EXPECT_TRUE(regPane()->currentPage()->userViewEnabled);
    EXPECT_EQ(tabs()->widget(0), regPane()->currentPage()->userView);
    EXPECT_EQ(userEntries(id), QStringList({"Core.R1/6", "Core.R0/0"}));

    // Saved back in the same order, with no stray separators; the register this run lacks
    // goes back as it came, where it stood.
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    const auto &saved = store.records["Connection/Board"];
    EXPECT_EQ(saved.at("RegUserViewEnabled"), "0");
    EXPECT_EQ(saved.at("RegUserViewConfig"), "Core.R1^^3\\\\Nope^^1\\\\Core.R0^^0");
}

// The user view of a board whose other registers this run does not describe loses none of them
// when the user changes it: each is stored again where it stood, after the entry it followed.
TEST_F(RegPaneStoreTest, EntriesOfRegistersThisRunLacksAreKept)
{
    store.records["Connection/Board"] = {
        {"RegUserViewEnabled", "0"}, {"RegUserViewConfig", "FPU.S0^^2\\\\Core.R0^^0\\\\FPU.S1^^0"}};
    show("Board");
    EXPECT_EQ(userEntries(id), QStringList({"Core.R0/0"}));
    RegItem *r1 = view()->item(QStringLiteral("Core.R1"));
    clickItem(view(), r1);
    regPane()->menuCommand(RegView::CommandCopyToUser);
    EXPECT_EQ(store.records["Connection/Board"].at("RegUserViewConfig"),
              "FPU.S0^^2\\\\Core.R0^^0\\\\FPU.S1^^0\\\\Core.R1^^0");
}

TEST_F(RegPaneStoreTest, ChangesToTheUserViewAreSaved)
{
    show("Board");
    RegItem *r1 = view()->item(QStringLiteral("Core.R1"));
    clickItem(view(), r1);
    regPane()->menuCommand(RegView::CommandCopyToUser);
    EXPECT_EQ(store.records["Connection/Board"].at("RegUserViewConfig"), "Core.R1^^0");
    EXPECT_EQ(store.records["Connection/Board"].at("RegUserViewEnabled"), "0");
    QTest::keyClick(view(), Qt::Key_S, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_EQ(store.records["Connection/Board"].at("RegUserViewEnabled"), "1");
}

TEST_F(RegPaneStoreTest, AnUnnamedDataSetLoadsItsUserViewFromWhereItSavesIt)
{
    store.records["Connection/"] = {{"RegUserViewEnabled", "1"},
                                    {"RegUserViewConfig", "Core.R0^^0"}};
    show("");
    EXPECT_TRUE(regPane()->currentPage()->userViewEnabled);
    EXPECT_EQ(userEntries(id), QStringList({"Core.R0/0"}));
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    EXPECT_EQ(store.records["Connection/"].at("RegUserViewEnabled"), "0");
    EXPECT_EQ(store.records["Connection/"].at("RegUserViewConfig"), "Core.R0^^0");
}

TEST_F(RegPaneStoreTest, AStoreErrorSkipsTheStepAndStaysInside)
{
    store.records["Connection/Board"] = {{"RegUserViewEnabled", "1"}};
    store.failNext = true;
    show("Board");
    EXPECT_FALSE(regPane()->currentPage()->userViewEnabled);
    store.failNext = true;
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    EXPECT_TRUE(regPane()->currentPage()->userViewEnabled);
    EXPECT_EQ(store.writes, 0);
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    EXPECT_EQ(store.writes, 1);
}

TEST_F(RegPaneTest, TheArchitectureFileBringsItsFormatTypes)
{
    struct Case
    {
        const char *architecture;
        bool psr;
    };
    // Only a plain name in the definitions folder is read.
    const Case cases[] = {{"arm", true},
                          {nullptr, false},
                          {"../arch/arm", false},
                          {"..", false},
                          {"/etc/sdm/arch/arm", false},
                          {"nosuch", false}};
    for (const Case &c : cases) {
        const uint32_t set = id + 1000 + uint32_t(&c - cases);
        ASSERT_EQ(CuiRegPaneDataCreate(set), 1);
        RegDataRecord v = tesk::host::viewRecord("Core");
        CuiRegPaneDataAdd(set, &v);
        RegDataRecord r = tesk::host::registerRecord("CPSR", 0, 0, REG_TYPE_RADIX_16, 8);
        CuiRegPaneDataAdd(set, &r);
        ASSERT_EQ(CuiRegPaneDataSet(set, pane, c.architecture, nullptr, "Board"), 1);
        regPane()->show();
        QApplication::processEvents();
        const RegLineBlock block{0, 1, "600000d3\n"};
        RegDataRecord values = tesk::host::updateRecord(&block, 1);
        CuiRegPaneDataUpdate(set, &values);
        RegItem *cpsr = view()->item(QStringLiteral("Core.CPSR"));
        ASSERT_NE(cpsr, nullptr);
        // The program status type shows its flags, the plain value its hexadecimal digits.
        EXPECT_EQ(cpsr->valueText() != QLatin1String("0x600000d3"), c.psr)
            << (c.architecture ? c.architecture : "null") << " " << cpsr->valueText().toStdString();
        EXPECT_EQ(CuiUpdateFormatDefinition(set, pane), 1);
    }
    // The built-in data sets have no format engine: nothing is read, and that is no failure.
    EXPECT_EQ(CuiUpdateFormatDefinition(0, pane), 1);
    EXPECT_EQ(CuiUpdateFormatDefinition(1, pane), 1);
}

// A definitions file that is no regular file is skipped: a pipe is not waited on.
TEST_F(RegPaneTest, DefinitionsComeFromRegularFilesOnly)
{
    QTemporaryDir install;
    ASSERT_TRUE(QDir(install.path()).mkpath(QStringLiteral("etc/sdm/arch")));
    const testfiles::UnfedPipe pipe(install.filePath(QStringLiteral("etc/sdm/arch/piped")));
    {
        ScopedEnv at("KSODEBUG_INSTALL", install.path().toLocal8Bit().constData());
        TeskFile::resetCache();
        const uint32_t set = id + 2000;
        ASSERT_EQ(CuiRegPaneDataCreate(set), 1);
        ASSERT_EQ(CuiRegPaneDataSet(set, pane, "piped", nullptr, "Board"), 1);
    }
    TeskFile::resetCache();
    EXPECT_FALSE(pipe.readerWaited());
}

int helpCalls = 0;
int countHelp(int32_t, int32_t)
{
    ++helpCalls;
    return 1;
}

TEST_F(RegPaneTest, HelpOpensOnceHoweverManyPagesThePaneHas)
{
    add("R0", 0);
    show();
    ASSERT_EQ(CuiRegPaneDataSet(0, pane, nullptr, nullptr, "none"), 1);
    ASSERT_EQ(CuiRegPaneDataSet(id, pane, nullptr, nullptr, "Board"), 1);
    testhost::setHelpFunction(&countHelp);
    helpCalls = 0;
    emit KMediator_Display::get_Instance()->help(GLYPHON_HELP_FORMATTING);
    testhost::setHelpFunction(nullptr);
    EXPECT_EQ(helpCalls, 1);
}

TEST_F(RegPaneTest, HelpOpensOnceHoweverManyPanesAreLive)
{
    add("R0", 0);
    show();
    const TeskHandle other = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    ASSERT_EQ(CuiRegPaneDataSet(id, other, nullptr, nullptr, "Board"), 1);
    testhost::setHelpFunction(&countHelp);
    helpCalls = 0;
    emit KMediator_Display::get_Instance()->help(GLYPHON_HELP_FORMATTING);
    EXPECT_EQ(helpCalls, 1);
    // The first pane gone, the other one still answers.
    ASSERT_EQ(CuiRegPaneDelete(pane), 1);
    settle();
    helpCalls = 0;
    emit KMediator_Display::get_Instance()->help(GLYPHON_HELP_FORMATTING);
    testhost::setHelpFunction(nullptr);
    EXPECT_EQ(helpCalls, 1);
    pane = other;
}

TEST_F(RegPaneTest, TheFirstPaneOfTheLiveSetIsTheEarliestCreated)
{
    add("R0", 0);
    show();
    // Several panes, wherever the allocator puts them: only the earliest answers unforced.
    std::vector<TeskHandle> panes{pane};
    for (int i = 0; i < 6; ++i) {
        panes.push_back(CuiRegPaneCreate(&testhost::RegPaneHost::handler));
        ASSERT_EQ(CuiRegPaneDataSet(id, panes.back(), nullptr, nullptr, "Board"), 1);
        RegPane::fromHandle(panes.back())->show();
    }
    QApplication::processEvents();
    RegLineRange ranges[2] = {};
    uint32_t capacity = 2;
    for (size_t i = 0; i < panes.size(); ++i)
        EXPECT_EQ(CuiRegPaneGetRangeLines(0, panes[i], ranges, &capacity, 0), i == 0 ? 1 : -1) << i;
    // The first one gone, the next in creation order takes over.
    ASSERT_EQ(CuiRegPaneDelete(pane), 1);
    settle();
    for (size_t i = 1; i < panes.size(); ++i)
        EXPECT_EQ(CuiRegPaneGetRangeLines(0, panes[i], ranges, &capacity, 0), i == 1 ? 1 : -1) << i;
    for (size_t i = 2; i < panes.size(); ++i)
        EXPECT_EQ(CuiRegPaneDelete(panes[i]), 1);
    pane = panes[1];
}

TEST_F(RegPaneTest, ACapacityOfExactlyTheRangesNeededTakesThemAll)
{
    add("R3", 3);
    add("R9", 9);
    show();
    RegLineRange ranges[3] = {{-7, -7, 7}, {-7, -7, 7}, {-7, -7, 7}};
    uint32_t capacity = 2;
    ASSERT_EQ(CuiRegPaneGetRangeLines(0, pane, ranges, &capacity, 1), 2);
    EXPECT_EQ(capacity, 2u);
    EXPECT_EQ(ranges[1].firstLine, 9);
    EXPECT_EQ(ranges[1].lineCount, 1);
    EXPECT_EQ(ranges[2].firstLine, -7) << "nothing past the ranges";
}

TEST_F(RegPaneTest, PropertiesUpdatesAndQuestionsHandTheHostAnEmptyText)
{
    add("R0", 0);
    show();
    clickItem(view(), view()->item(QStringLiteral("Core.R0")));
    host.calls.clear();
    regPane()->menuCommand(RegView::CommandProperties);
    // However the text came, these operations carry an empty one, never none.
    regPane()->slotCallFuncHandler(RegOpDataUpdate, QString(), nullptr);
    quint32 answer = 1;
    regPane()->slotCallFuncHandler(RegOpMayChange, QString(), &answer);
    regPane()->slotCallFuncHandler(RegOpUpdateView, QString(), nullptr);
    ASSERT_EQ(host.calls.size(), 4u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_FALSE(host.calls[i].nullText) << host.calls[i].op;
        EXPECT_EQ(host.calls[i].text, "");
    }
    EXPECT_EQ(host.calls[0].op, uint32_t(REG_OP_PROPERTIES));
    EXPECT_TRUE(host.calls[3].nullText) << "operation 8 has no text";
}

namespace {

// Opens the register view's context menu over the item and chooses the entry as the user
// chooses it, so that the menu answers with the entry; the menu's texts ("-" a separator).
QStringList chooseFromViewMenu(RegView *view, const RegItem *item, const QString &entry)
{
    const QPoint at = view->contentsToViewport(item->geometry().center());
    QStringList texts;
    testhost::ModalAnswers answers;
    answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        auto *menu = qobject_cast<QMenu *>(request.widget.data());
        if (!menu)
            return;
        for (QAction *action : menu->actions())
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
        for (QAction *action : menu->actions()) {
            if (action->text() == entry) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
    QApplication::sendEvent(view->viewport(), &event);
    return texts;
}

} // namespace

TEST_F(RegPaneTest, TheContextMenuEndsWithTheDockEntriesOfThePanesWindow)
{
    add("R0", 0);
    show();
    auto *dock = new DockWidget(nullptr, "Registers");
    QPointer<DockWidget> guard(dock);
    dock->show();
    const quint32 box = 0x5a17;
    CuiPaneRegistry::instance()->add(box, dock);
    regPane()->setWindBox(TeskHandle(box));
    RegItem *r0 = view()->item(QStringLiteral("Core.R0"));
    const QStringList texts = chooseFromViewMenu(view(), r0, QStringLiteral("Hide"));
    ASSERT_GE(texts.size(), 4);
    EXPECT_EQ(texts.mid(texts.size() - 4), QStringList({"-", "Dock/Float", "Hide", "Close"}));
    EXPECT_TRUE(dock->isHidden());

    // A register command still reaches the host, and leaves the dock window alone.
    dock->show();
    host.calls.clear();
    chooseFromViewMenu(view(), r0, QStringLiteral("Update View"));
    EXPECT_EQ(host.count(REG_OP_UPDATE_VIEW), 1);
    EXPECT_FALSE(dock->isHidden());

    chooseFromViewMenu(view(), r0, QStringLiteral("Close"));
    settle();
    EXPECT_TRUE(guard.isNull());
    CuiPaneRegistry::instance()->remove(box);
    delete guard.data();
}

TEST_F(RegPaneTest, TheDockEntriesActOnTheWindowTheHostDockedThePaneIn)
{
    QtCreateNewCode(1);
    CuiFrameRecord record{1, 0, 3, 77};
    QtFrameCreate("Debugger", 0x7203, &record);
    std::unique_ptr<MainWindow> window(Store::currentMainWindow());
    ASSERT_NE(window, nullptr);
    add("R0", 0);
    ASSERT_EQ(CuiRegPaneDataSet(id, pane, nullptr, nullptr, "Board"), 1);
    // Docked as most hosts dock it: the pane is never told the window box.
    void *dockHandle =
        CuiWindowCreateQtPane("Registers", reinterpret_cast<void *>(pane), nullptr, 0x7204);
    QPointer<DockWidget> dock = qobject_cast<DockWidget *>(tesk::handles::object(dockHandle));
    ASSERT_NE(dock, nullptr);
    QtFrameShow();
    dock->show();
    settle();
    ASSERT_TRUE(view()->isVisible());
    RegItem *r0 = view()->item(QStringLiteral("Core.R0"));
    ASSERT_NE(r0, nullptr);

    chooseFromViewMenu(view(), r0, QStringLiteral("Hide"));
    EXPECT_TRUE(dock->isHidden());
    dock->show();
    settle();
    chooseFromViewMenu(view(), r0, QStringLiteral("Close"));
    settle();
    EXPECT_TRUE(dock.isNull());
    EXPECT_EQ(RegPane::fromHandle(pane), nullptr) << "the pane went with its window";
    window.reset();
    QtCreateNewCode(0);
}

// The register pane docked in a shown main window, as a host does it, and widened.
class DockedRegPaneTest : public RegPaneTest
{
protected:
    static constexpr TeskHandle kFrame = 0x7205;
    static constexpr TeskHandle kBox = 0x7206;

    void SetUp() override
    {
        RegPaneTest::SetUp();
        QtCreateNewCode(1);
        CuiFrameRecord record{1, 0, 3, 77};
        QtFrameCreate("Debugger", kFrame, &record);
        window.reset(Store::currentMainWindow());
        ASSERT_NE(window, nullptr);
        QtResizePosWindow(kFrame, 0, 0, 800, 600);
        for (int n = 0; n < 40; ++n)
            add(QStringLiteral("R%1").arg(n).toLatin1().constData(), int16_t(n));
        ASSERT_EQ(CuiRegPaneDataSet(id, pane, nullptr, nullptr, "Board"), 1);
    }

    void TearDown() override
    {
        window.reset();
        settle();
        QtCreateNewCode(0);
    }

    // On the right unless a layout record waits for it.
    DockWidget *dockPane()
    {
        QtCreateDocked(0, 0);
        void *handle =
            CuiWindowCreateQtPane("Registers", reinterpret_cast<void *>(pane), nullptr, kBox);
        return qobject_cast<DockWidget *>(tesk::handles::object(handle));
    }

    // What the window shows there, not a fresh rendering of the widget.
    static QImage onScreen(QWidget *widget)
    {
        QWidget *top = widget->window();
        const QPoint at = widget->mapTo(top, QPoint(0, 0));
        const QImage whole = top->windowHandle()->screen()->grabWindow(top->winId()).toImage();
        return whole.copy(QRect(at, widget->size()));
    }

    // As many cells in a line as the viewport now holds, none past it, and the selection bar
    // of the rightmost shown on screen where that cell now is.
    void expectLaidOutAcross(const char *road)
    {
        SCOPED_TRACE(road);
        settle();
        RegView *regs = view();
        ASSERT_TRUE(regs && regs->isVisible());
        const int width = regs->viewport()->width();
        EXPECT_EQ(regs->columns(), std::max(1, width / regs->cellWidth()));
        RegItem *rightmost = nullptr;
        for (int n = 0; n < 40; ++n) {
            RegItem *item = regs->item(QStringLiteral("Core.R%1").arg(n));
            ASSERT_NE(item, nullptr);
            if (!rightmost || item->geometry().right() > rightmost->geometry().right())
                rightmost = item;
        }
        // Cells are laid out by their pitch; an item's bar may reach a little past it.
        const int right = rightmost->geometry().x() + regs->cellWidth();
        if (regs->columns() > 1) {
            EXPECT_LE(right, width);
        }
        EXPECT_GT(right + regs->cellWidth(), width);
        const QPoint at =
            regs->contentsToViewport(rightmost->geometry().topLeft() + QPoint(RegItem::nameX(), 1));
        RegItem *other = regs->item(QStringLiteral("Core.R39"));
        clickItem(regs, other == rightmost ? regs->item(QStringLiteral("Core.R0")) : other);
        settle();
        const QImage before = onScreen(regs->viewport());
        ASSERT_TRUE(before.rect().contains(at)) << at.x() << " of " << width;
        clickItem(regs, rightmost);
        settle();
        ASSERT_TRUE(rightmost->selected());
        const QImage after = onScreen(regs->viewport());
        EXPECT_NE(after.pixelColor(at), before.pixelColor(at)) << "at x " << at.x();
        // The bar reaches the cell's right end, not the width it had before.
        QPoint end = regs->contentsToViewport(rightmost->nameRect().topRight());
        end.setX(std::min(end.x(), width - 1));
        EXPECT_EQ(after.pixelColor(end), after.pixelColor(at));
    }

    std::unique_ptr<MainWindow> window;
};

TEST_F(DockedRegPaneTest, AWidenedDockLaysTheRegistersOutAcrossItsNewWidth)
{
    DockWidget *dock = dockPane();
    ASSERT_NE(dock, nullptr);
    QtFrameShow();
    settle();
    expectLaidOutAcross("shown");
    const int before = view()->viewport()->width();

    // The user drags the separator left of the dock.
    const QPoint from(dock->geometry().left() - 2, dock->geometry().center().y());
    QTest::mousePress(window.get(), Qt::LeftButton, {}, from);
    for (int step = 1; step <= 10; ++step) {
        QTest::mouseMove(window.get(), from - QPoint(30 * step, 0));
        settle();
    }
    QTest::mouseRelease(window.get(), Qt::LeftButton, {}, from - QPoint(300, 0));
    ASSERT_GT(view()->viewport()->width(), before + 200);
    expectLaidOutAcross("dragged");

    dock->setFloating(true);
    dock->resize(900, 500);
    expectLaidOutAcross("floating");
    dock->setFloating(false);
    expectLaidOutAcross("docked again");
}

TEST_F(DockedRegPaneTest, ARecordWaitingBeforeTheShowWidensTheRegisters)
{
    // Kept on the left by an earlier session, wider than a fresh dock.
    CuiSetDockWindowPersistanceData(kFrame, "Registers:1:0:0:0:0:700:500:1:0");
    DockWidget *dock = dockPane();
    ASSERT_NE(dock, nullptr);
    QtFrameShow();
    settle();
    EXPECT_EQ(window->dockWidgetArea(dock), Qt::LeftDockWidgetArea);
    EXPECT_EQ(dock->width(), 700);
    expectLaidOutAcross("restored");
}

TEST_F(DockedRegPaneTest, ARecordWaitingForADockMadeAfterTheShowWidensTheRegisters)
{
    QtFrameShow();
    settle();
    CuiSetDockWindowPersistanceData(kFrame, "Registers:2:0:0:0:0:700:500:1:0");
    DockWidget *dock = dockPane();
    ASSERT_NE(dock, nullptr);
    EXPECT_EQ(dock->width(), 700);
    expectLaidOutAcross("made after the show");
    // Narrowed and widened again the way the host sizes a dock window: by its box.
    QtResizePosWindow(kBox, 0, 0, 300, 500);
    expectLaidOutAcross("narrowed by its box");
    QtResizePosWindow(kBox, 0, 0, 760, 500);
    expectLaidOutAcross("widened by its box");
}

TEST_F(RegPaneTest, TwoPanesOnOneDataSetTellItOnceOfARemovedUserRegister)
{
    add("R0", 0);
    show();
    RegData *data = RegDataSets::instance().get(id);
    clickItem(view(), view()->item(QStringLiteral("Core.R0")));
    regPane()->menuCommand(RegView::CommandCopyToUser);
    const TeskHandle other = CuiRegPaneCreate(&testhost::RegPaneHost::handler);
    ASSERT_EQ(CuiRegPaneDataSet(id, other, nullptr, nullptr, "Board"), 1);
    // Removed and shown again, the page is built anew over the same user view.
    CuiRegPaneDataDelete(id, other);
    ASSERT_EQ(CuiRegPaneDataSet(id, other, nullptr, nullptr, "Board"), 1);
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    QApplication::processEvents();
    RegView *user = regPane()->currentPage()->userView;
    ASSERT_EQ(view(), user);
    QSignalSpy told(data, &RegData::sigUpdateUserView);
    clickItem(user, user->item(QStringLiteral("Core.R0")));
    QTest::keyClick(user, Qt::Key_Delete);
    EXPECT_TRUE(data->userView()->instances().empty());
    EXPECT_EQ(told.count(), 1);
    EXPECT_EQ(CuiRegPaneDelete(other), 1);
}

TEST_F(RegPaneTest, AnAmpersandInAViewNameShowsAsItself)
{
    addView("R&D");
    add("S0", 0);
    show();
    ASSERT_EQ(tabs()->count(), 2);
    // Doubled, the toolkit shows it as one "&" instead of underlining the next letter.
    EXPECT_EQ(tabs()->tabText(1), QStringLiteral("R&&D"));
}

TEST_F(RegPaneTest, OverlongHostNamesAreCutAtTheHostTextLimit)
{
    add("R0", 0);
    const std::string name(200 * 1024, 'n');
    ASSERT_EQ(CuiRegPaneDataSet(id, pane, name.c_str(), name.c_str(), name.c_str()), 1);
    EXPECT_EQ(RegDataSets::instance().get(id)->displayName().size(), 64 * 1024);
}

TEST_F(RegPaneStoreTest, ControlTSavesWhatItAddsToTheUserView)
{
    show("Board");
    clickItem(view(), view()->item(QStringLiteral("Core.R1")));
    const int before = store.writes;
    QTest::keyClick(view(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(userEntries(id), QStringList({"Core.R1/0"}));
    EXPECT_EQ(store.writes, before + 1);
    EXPECT_EQ(store.records["Connection/Board"].at("RegUserViewConfig"), "Core.R1^^0");
}

TEST_F(RegPaneStoreTest, TheGroupBitsOfUserEntriesSurviveTheStore)
{
    // ^^1 marks a child, ^^2 a group: read as the flags 0x2 and 0x4, written back as read.
    store.records["Connection/Board"] = {{"RegUserViewEnabled", "0"},
                                         {"RegUserViewConfig", "Core.R0^^2\\\\Core.R1^^1"}};
    show("Board");
    EXPECT_EQ(userEntries(id), QStringList({"Core.R0/4", "Core.R1/2"}));
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    EXPECT_EQ(store.records["Connection/Board"].at("RegUserViewConfig"),
              "Core.R0^^2\\\\Core.R1^^1");
}

TEST_F(RegPaneStoreTest, NamesAreStoredAsTheHostSentThem)
{
    // Latin-1 from the host goes into the store byte for byte, and is found there again.
    const char name[] = "Pr\xfc"
                        "fstand";
    store.records[std::string("Connection/") + name] = {{"RegUserViewEnabled", "1"},
                                                        {"RegUserViewConfig", "Core.R1^^0"}};
    show(name);
    EXPECT_TRUE(regPane()->currentPage()->userViewEnabled);
    EXPECT_EQ(userEntries(id), QStringList({"Core.R1/0"}));
    regPane()->menuCommand(RegPane::CommandToggleUserView);
    EXPECT_EQ(store.records[std::string("Connection/") + name].at("RegUserViewEnabled"), "0");
    for (const auto &record : store.records)
        EXPECT_EQ(record.first.find("\xc3"), std::string::npos) << record.first;
}

} // namespace
