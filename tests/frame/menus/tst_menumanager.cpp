// The menu and toolbar manager: definition errors, the road of a command to the host, radio
// groups, cycle buttons, accelerators and the dump.
#include "frames.h"

#include "frame/core/hosttext.h"
#include "frame/core/inplaceedit.h"
#include "frame/menus/menutables.h"
#include "frame/menus/mt.h"
#include "frame/menus/teskaction.h"

#include <QActionGroup>
#include <QMenuBar>
#include <QSignalSpy>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <QTranslator>

#include <cstring>
#include <memory>
#include <vector>

namespace {

struct Call
{
    TeskHandle context;
    int hostId;
    void *data;
    bool calling;
};

std::vector<Call> g_calls;
std::function<void(int)> g_onCall;
std::vector<std::pair<TeskHandle, int>> g_cycleCalls;
const char *g_cycleText = nullptr;

void recordActivation(TeskHandle context, int hostId, void *data)
{
    MainWindow *window = Store::currentMainWindow();
    g_calls.push_back({context, hostId, data, window && window->isCalling()});
    if (g_onCall)
        g_onCall(hostId);
}

struct Shown
{
    TeskHandle windowId;
    void *data;
    bool calling;
};
std::vector<Shown> g_shown;

void recordAboutToShow(TeskHandle, TeskHandle windowId, void *data)
{
    MainWindow *window = Store::currentMainWindow();
    g_shown.push_back({windowId, data, window && window->isCalling()});
}

int recordCycle(TeskHandle frameContext, int hostId, int entry, const char **text)
{
    g_cycleCalls.push_back({frameContext, entry});
    if (text)
        *text = g_cycleText;
    return hostId;
}

class MenuManagerTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        g_calls.clear();
        g_cycleCalls.clear();
        g_shown.clear();
        g_onCall = nullptr;
    }

    // A code window whose menus report to the recording callbacks.
    MainWindow *codeWindow(TeskHandle handle = 5)
    {
        MainWindow *window = createFrame("Debugger", handle);
        EXPECT_EQ(QtRegisterMenuCB(&recordAboutToShow, &recordActivation, &recordCycle, 0x77), 1);
        return window;
    }

    static MT *manager(MainWindow *window) { return qobject_cast<MT *>(window->menuManager()); }

    static TeskAction *action(MainWindow *window, int itemId)
    {
        return window->findChild<TeskAction *>(QStringLiteral("MenuItem%1").arg(itemId));
    }

    static TeskAction *actionWithText(MainWindow *window, const char *text)
    {
        for (TeskAction *a : window->findChildren<TeskAction *>()) {
            if (a->text() == QLatin1String(text))
                return a;
        }
        return nullptr;
    }
};

// A small table: a menu bar with one popup, a toolbar, a separator and a command.
const MenuItemRow kItems[] = {
    {800, MenuKindMenuBar, "", "", 0, "", nullptr},
    {601, MenuKindPopup, "&File", "File", 100, "", nullptr},
    {1, MenuKindCommand, "One", "One", 101, "Ctrl+Alt+Shift+Meta+PgDown", nullptr},
    {900, MenuKindSeparator, "", "", 0, "", nullptr},
    {901, MenuKindSeparator, "", "", 0, "", nullptr},
    {850, MenuKindToolBar, "Bar", "", 0, "", nullptr},
    {172, MenuKindCycle, "Cycle", "", 49867, "", nullptr},
    {7, 42, "Odd", "", 0, "", nullptr},
    {0, MenuKindEnd, "", "", 0, "", nullptr},
};

QString buildError(MainWindow *window, std::initializer_list<MenuStructurePair> pairs)
{
    std::vector<MenuStructurePair> structure(pairs);
    structure.push_back({-1, -1});
    MT manager(window);
    EXPECT_FALSE(manager.buildFromTable(structure.data(), kItems, window));
    return manager.errorText();
}

} // namespace

TEST_F(MenuManagerTest, DefinitionErrorsNameLineAndPair)
{
    MainWindow *window = createFrame("Debugger", 1);
    EXPECT_EQ(buildError(window, {{800, 800}, {800, 601}, {601, 999}}),
              QStringLiteral("Error!\nVerifying definition\nLine 2\nDefinition ( 601, 999 )\n"
                             "Undefined item"));
    EXPECT_EQ(buildError(window, {{800, 800}, {601, 1}}),
              QStringLiteral("Error!\nVerifying definition\nLine 1\nDefinition ( 601, 1 )\n"
                             "Undefined parent"));
    // The menu bar's root has no popup to hold a separator; build lines count from 1.
    EXPECT_EQ(buildError(window, {{800, 800}, {800, 900}}),
              QStringLiteral("Error!\nCreating menubar\nLine 2\nDefinition ( 800, 900 )\n"
                             "Undefined parent"));
    // Every error names the pair of its own line.
    EXPECT_EQ(buildError(window, {{800, 800}, {800, 901}}),
              QStringLiteral("Error!\nCreating menubar\nLine 2\nDefinition ( 800, 901 )\n"
                             "Undefined parent"));
    EXPECT_EQ(buildError(window, {{850, 850}, {850, 601}}),
              QStringLiteral("Error!\nCreating menubar\nLine 2\nDefinition ( 850, 601 )\n"
                             "Sub menu in toolbar"));
    EXPECT_EQ(buildError(window, {{800, 800}, {800, 601}, {601, 7}}),
              QStringLiteral("Error!\nCreating menubar\nLine 3\nDefinition ( 601, 7 )\n"
                             "Unknown item type"));
}

TEST_F(MenuManagerTest, LongAcceleratorIsCutToTheRecord)
{
    MainWindow *window = createFrame("Debugger", 1);
    const MenuStructurePair structure[] = {{800, 800}, {800, 601}, {601, 1}, {-1, -1}};
    MT manager(window);
    ASSERT_TRUE(manager.buildFromTable(structure, kItems, window));
    ASSERT_EQ(manager.acceleratorCount(), 1);
    TeskAccelerator record;
    std::memset(&record, 'x', sizeof record);
    ASSERT_TRUE(manager.acceleratorList(&record, 1));
    EXPECT_EQ(record.hostId, 101);
    EXPECT_EQ(std::strlen(record.text), sizeof record.text - 1);
    EXPECT_EQ(std::strncmp(record.text, "Meta+Ctrl+Alt+Shift", 19), 0);
}

TEST_F(MenuManagerTest, RegisterPopupStandsAloneWithoutAWindow)
{
    auto manager = std::make_unique<MT>();
    ASSERT_TRUE(manager->buildFromTable(MenuTables::structureTable(13), MenuTables::itemTable(13),
                                        nullptr));
    TeskPopupMenu *popup = manager->findPopupMenu(5000);
    TeskPopupMenu *format = manager->findPopupMenu(5001);
    ASSERT_TRUE(popup && format);
    EXPECT_EQ(manager->findPopupMenu(-1), popup);
    EXPECT_EQ(format->parentPopup(), popup);
    QStringList texts;
    for (QAction *entry : popup->actions())
        texts << (entry->isSeparator() ? QStringLiteral("|") : entry->text());
    EXPECT_EQ(texts, QStringList({"Format", "|", "View Memory At Value", "Copy to User View",
                                  "Remove from User View", "|", "Properties", "|", "Copy", "Paste",
                                  "Copy All as Text", "|", "Update View", "Show User View"}));
    // The pane and its shortcuts know the commands by these ids.
    QStringList commands;
    for (QAction *entry : popup->actions().mid(2)) {
        if (!entry->isSeparator())
            commands << entry->objectName() + QLatin1Char(' ') + entry->statusTip();
    }
    EXPECT_EQ(commands,
              QStringList({"MenuItem5004 Open a Memory Pane at the address definied by this "
                           "register value",
                           "MenuItem5005 Make a copy of the current register to the User View for "
                           "this pane",
                           "MenuItem5007 Remove a copy of the register from the User View",
                           "MenuItem5006 Show register details",
                           "MenuItem5002 Copy register value to the clipboard",
                           "MenuItem5003 Paste register value from the clipboard",
                           "MenuItem508 Copy the current pane view to the clipboard",
                           "MenuItem510 Update all data values",
                           "MenuItem509 Show additional user configurable view"}));
    // Commands without host ids are the pane's own: they come back by item id.
    QSignalSpy own(manager.get(), &MT::sigActivated);
    popup->actions().at(9)->trigger();
    ASSERT_EQ(own.size(), 1);
    EXPECT_EQ(own[0][0].toInt(), 5003);
    EXPECT_TRUE(manager->clearPopupMenu(5001));
    EXPECT_FALSE(manager->clearPopupMenu(4999));
    // The manager takes its popups and actions with it.
    manager.reset();
}

TEST_F(MenuManagerTest, CodeWindowGetsItsMenusToolbarsAndIcons)
{
    MainWindow *window = codeWindow();
    QStringList titles;
    for (QAction *entry : window->menuBar()->actions()) {
        if (entry->menu())
            titles << entry->text();
    }
    EXPECT_EQ(titles,
              QStringList({"&File", "&Edit", "&View", "Tar&get", "&Debug", "&Tools", "&Help"}));
    MT *mt = manager(window);
    for (const char *label : {"File", "Edit", "Debug", "Image", "Connect"})
        EXPECT_NE(mt->toolBar(QLatin1String(label)), nullptr) << label;
    EXPECT_EQ(mt->toolBar(QStringLiteral("Build")), nullptr);
    EXPECT_EQ(mt->toolBar(QStringLiteral("Debug"))->actions().size(), 10);
    EXPECT_FALSE(action(window, 68)->icon().isNull());
    EXPECT_TRUE(action(window, 2)->icon().isNull());
    EXPECT_EQ(action(window, 68)->statusTip(), QStringLiteral("Run"));
    EXPECT_EQ(action(window, 68)->shortcut(), QKeySequence(QStringLiteral("F5")));
    EXPECT_TRUE(mt->dockToolBars());
}

TEST_F(MenuManagerTest, CommandsReachTheHostWithTheCallingMark)
{
    MainWindow *window = codeWindow();
    window->show();
    QToolBar *debug = manager(window)->toolBar(QStringLiteral("Debug"));
    QWidget *run = debug->widgetForAction(action(window, 68));
    ASSERT_NE(run, nullptr);
    QTest::mouseClick(run, Qt::LeftButton);
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].context, 0x77);
    EXPECT_EQ(g_calls[0].hostId, 40068);
    EXPECT_TRUE(g_calls[0].calling);
    EXPECT_FALSE(window->isCalling());

    // Opening windows runs without the mark.
    action(window, 38)->trigger();
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[1].hostId, 32950);
    EXPECT_FALSE(g_calls[1].calling);
}

TEST_F(MenuManagerTest, DisabledModalAndExitDuringEditStopTheCommand)
{
    MainWindow *window = codeWindow();
    MT *mt = manager(window);
    QSignalSpy marks(mt, &MT::sigSetCalling);

    // A disabled command does not reach the host, yet the window was marked and unmarked.
    EXPECT_EQ(QtInsensitiveMenu(5, 40068, 1), 1);
    EXPECT_FALSE(action(window, 68)->isEnabled());
    mt->slotRemoteActivated(40068, nullptr);
    EXPECT_TRUE(g_calls.empty());
    EXPECT_EQ(marks.size(), 2);

    // The close item is passed on even when disabled, as is the close request.
    QtInsensitiveMenu(5, 32911, 1);
    mt->slotRemoteActivated(32911, nullptr);
    mt->slotRemoteActivated(66666, nullptr);
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[0].hostId, 32911);
    EXPECT_EQ(g_calls[1].hostId, 66666);

    // Nothing at all while a modal dialog of the window is up.
    marks.clear();
    window->setModalDialogShown(true);
    mt->slotRemoteActivated(40000, nullptr);
    window->setModalDialogShown(false);
    EXPECT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(marks.size(), 0);

    // Exit waits while a value is edited in place.
    setInPlaceEditActive(true);
    action(window, 9)->trigger();
    EXPECT_EQ(g_calls.size(), 2u);
    setInPlaceEditActive(false);
    action(window, 9)->trigger();
    ASSERT_EQ(g_calls.size(), 3u);
    EXPECT_EQ(g_calls[2].hostId, 92912);
}

TEST_F(MenuManagerTest, HostMayCloseTheWindowFromItsCommand)
{
    MainWindow *window = codeWindow();
    QPointer<MainWindow> watch(window);
    g_onCall = [window](int) { delete window; };
    manager(window)->slotRemoteActivated(40003, nullptr);
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(MenuManagerTest, WindowCommandsWithoutHostIdStayInTheWindow)
{
    MainWindow *window = codeWindow();
    QWidget output;
    window->setOutputWindow(&output);
    action(window, 137)->trigger();
    EXPECT_TRUE(output.isVisible());
    EXPECT_TRUE(g_calls.empty());
}

TEST_F(MenuManagerTest, RadioEntriesAreExclusiveWithinTheirMenu)
{
    MainWindow *window = createFrame("Analysis", 3);
    TeskAction *stopProcessor = actionWithText(window, "Stop &Processor on Buffer Full");
    TeskAction *stopCollecting = actionWithText(window, "&Stop Collecting on Buffer Full");
    ASSERT_TRUE(stopProcessor && stopCollecting);
    stopProcessor->trigger();
    EXPECT_TRUE(stopProcessor->isChecked());
    stopCollecting->trigger();
    EXPECT_TRUE(stopCollecting->isChecked());
    EXPECT_FALSE(stopProcessor->isChecked());
    EXPECT_NE(stopProcessor->actionGroup(), nullptr);

    // Entries of another menu, and the two filter entries after a separator, are groups of
    // their own; the toggle after them is in none.
    TeskAction *orFilters = actionWithText(window, "&OR All Filters");
    TeskAction *andFilters = actionWithText(window, "&AND All Filters");
    EXPECT_EQ(orFilters->actionGroup(), andFilters->actionGroup());
    EXPECT_NE(orFilters->actionGroup(), stopProcessor->actionGroup());
    EXPECT_EQ(actionWithText(window, "&Invert Filtering (NOT)")->actionGroup(), nullptr);
    orFilters->trigger();
    EXPECT_TRUE(stopCollecting->isChecked());
}

TEST_F(MenuManagerTest, ThreadCycleTextBecomesEntries)
{
    TeskPopupMenu popup;
    MT::fillFromText(QStringLiteral("main\n!idle\n\n=worker"), &popup, 49867);
    const QList<QAction *> entries = popup.actions();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(popup.findItem(0)->text(), QStringLiteral("main"));
    EXPECT_FALSE(popup.findItem(1)->isEnabled());
    EXPECT_EQ(popup.findItem(1)->text(), QStringLiteral("idle"));
    EXPECT_TRUE(entries[2]->isSeparator());
    EXPECT_TRUE(popup.findItem(3)->isChecked());
    EXPECT_EQ(popup.findItem(3)->text(), QStringLiteral("worker"));

    // Thread lines drop a prefix up to "!=" or "=".
    TeskPopupMenu threads;
    MT::fillFromText(QStringLiteral("core0!=t1\ncore0=t2\n"), &threads, 49867);
    EXPECT_EQ(threads.findItem(0)->text(), QStringLiteral("t1"));
    EXPECT_TRUE(threads.findItem(0)->isChecked());
    EXPECT_FALSE(threads.findItem(0)->isEnabled());
    EXPECT_TRUE(threads.findItem(1)->isChecked());
}

TEST_F(MenuManagerTest, ConnectionCycleTextCarriesEntryNumbers)
{
    TeskPopupMenu popup;
    MT::fillFromText(QStringLiteral("sim,3/*=core zero\nsim,0/ core one\n\nplain"), &popup, 49866);
    ASSERT_NE(popup.findItem(3), nullptr);
    EXPECT_EQ(popup.findItem(3)->text(), QStringLiteral("*core zero"));
    EXPECT_TRUE(popup.findItem(3)->isChecked());
    EXPECT_EQ(popup.findItem(4)->text(), QStringLiteral(" core one"));
    EXPECT_EQ(popup.findItem(6)->text(), QStringLiteral("plain"));
    EXPECT_EQ(popup.findItem(0), nullptr);
}

TEST_F(MenuManagerTest, CycleButtonAsksForItsListAndReportsChoices)
{
    MainWindow *window = codeWindow(9);
    window->show();
    auto *button = window->findChild<QToolButton *>(QStringLiteral("MenuItem172"));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->popupMode(), QToolButton::MenuButtonPopup);
    g_cycleText = "=main\nworker";
    QMenu *popup = button->menu();
    emit popup->aboutToShow();
    ASSERT_EQ(g_cycleCalls.size(), 1u);
    EXPECT_EQ(g_cycleCalls[0], std::make_pair(TeskHandle(9), -1));
    ASSERT_EQ(popup->actions().size(), 2);
    EXPECT_EQ(popup->font().family(), QStringLiteral("Courier New"));

    popup->actions().at(1)->trigger();
    ASSERT_EQ(g_cycleCalls.size(), 2u);
    EXPECT_EQ(g_cycleCalls[1], std::make_pair(TeskHandle(9), 1));

    // The host's text is Latin-1.
    g_cycleText = "Schl\xfcssel";
    emit popup->aboutToShow();
    ASSERT_EQ(popup->actions().size(), 1);
    EXPECT_EQ(popup->actions().at(0)->text(), QStringLiteral("Schl\u00fcssel"));
    // No terminator within the limit: reading on would run past what the host owns.
    std::vector<char> unterminated(size_t(tesk::core::kMaxHostTextBytes), 'w');
    g_cycleText = unterminated.data();
    emit popup->aboutToShow();
    EXPECT_EQ(popup->actions().at(0)->text().size(), tesk::core::kMaxHostTextBytes);
    g_cycleText = nullptr;

    // A click on the button itself means "next".
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(4, button->height() / 2));
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].hostId, 49867);
}

TEST_F(MenuManagerTest, HostFilledListsAndDataWords)
{
    MainWindow *window = codeWindow();
    int marker = 0;
    QtAppendMenu(32881, "blinky.c", &marker, 0);
    QtAppendMenu(32882, "uart.c", nullptr, 1);
    TeskPopupMenu *recent = manager(window)->popupMenu(40604);
    ASSERT_NE(recent, nullptr);
    ASSERT_EQ(recent->actions().size(), 2);
    EXPECT_EQ(recent->actions()[0]->text(), QStringLiteral("blinky.c"));
    recent->actions()[0]->trigger();
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].hostId, 32881);
    EXPECT_EQ(g_calls[0].data, &marker);

    // The host names the popup and hears, with its value, when it is about to show.
    const TeskHandle popupId = QtAddPopupMenu("Recent Files", 40604, &marker);
    EXPECT_EQ(popupId, TeskHandle(recent->winId()));
    EXPECT_EQ(manager(window)->currentPopup(), recent);
    emit recent->aboutToShow();
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_EQ(g_shown[0].windowId, popupId);
    EXPECT_EQ(g_shown[0].data, &marker);
    EXPECT_TRUE(g_shown[0].calling);
    EXPECT_FALSE(window->isCalling());

    // Entries go by position or by id.
    EXPECT_EQ(QtDeleteMenuItemAt(5), 0);
    EXPECT_EQ(QtDeleteMenuItemAt(1), 1);
    EXPECT_EQ(QtDeleteMenu(32881), 1);
    EXPECT_TRUE(recent->actions().isEmpty());
    EXPECT_EQ(QtDeleteMenu(40000 + 999), 0);
}

TEST_F(MenuManagerTest, DumpListsEveryDefinitionUnlessAsked)
{
    MainWindow *window = codeWindow();
    QString text = QStringLiteral("old");
    EXPECT_FALSE(manager(window)->dump(text, 1));
    EXPECT_TRUE(text.isEmpty());
    EXPECT_TRUE(manager(window)->dump(text, 0));
    EXPECT_TRUE(text.startsWith(QStringLiteral(
        "TeskId <0>  KSOId <40000>  Type <5>\nText <&New>\nDesc <New>\nAccel <Ctrl+N>\n\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("TeskId <800>  KSOId <0>  Type <0>\nText <>\n")));
}

TEST_F(MenuManagerTest, ACycleButtonWithoutToolbarNamesItsOwnPair)
{
    // Without a window no toolbar is built, so the cycle button has none to go into.
    const MenuStructurePair structure[] = {{800, 800}, {850, 850}, {850, 172}, {-1, -1}};
    MT manager;
    EXPECT_FALSE(manager.buildFromTable(structure, kItems, nullptr));
    EXPECT_EQ(manager.errorText(),
              QStringLiteral("Error!\nCreating toolbar\nLine 3\nDefinition ( 850, 172 )\n"
                             "Undefined parent"));
}

TEST_F(MenuManagerTest, EveryMenuTextHasItsGermanTranslation)
{
    QTranslator german;
    ASSERT_TRUE(
        german.load(qEnvironmentVariable("KSODEBUG_INSTALL") + QStringLiteral("/etc/tesk_de.qm")));
    QStringList untranslated;
    for (int kind = 0; kind < MenuTables::KindCount; ++kind) {
        for (const MenuItemRow *row = MenuTables::itemTable(kind); row && row->kind != MenuKindEnd;
             ++row) {
            for (const char *text : {row->text, row->description, row->label}) {
                if (text && *text && german.translate("QObject", text).isEmpty())
                    untranslated << QString::fromLatin1(text);
            }
        }
    }
    EXPECT_TRUE(untranslated.isEmpty()) << qPrintable(untranslated.join(QLatin1Char('\n')));
}

TEST_F(MenuManagerTest, AGermanSettingShowsGermanMenus)
{
    setenv("KSODEBUG_LANG", "de", 1);
    CuiUpdateSettings();
    MainWindow *window = codeWindow();
    unsetenv("KSODEBUG_LANG");
    CuiUpdateSettings();
    QStringList titles;
    for (QAction *entry : window->menuBar()->actions().mid(0, 3))
        titles << entry->text();
    EXPECT_EQ(titles, QStringList({"&Datei", "&Bearbeiten", "&Ansicht"}));
    TeskAction *open = action(window, 1);
    ASSERT_NE(open, nullptr);
    EXPECT_EQ(open->text(), QStringLiteral("Ö&ffnen..."));
    EXPECT_EQ(open->statusTip(), QStringLiteral("Öffnen..."));
}
