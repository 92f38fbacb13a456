// The menu exports as the host calls them: registration, toggles, sensitivity, help texts,
// accelerators and the main window's marks.
#include "frames.h"

#include "frame/core/hosttext.h"
#include "frame/menus/mt.h"
#include "frame/menus/teskaction.h"

#include <cstring>
#include <vector>

namespace {

std::vector<std::pair<TeskHandle, int>> g_activations;

void firstActivate(TeskHandle context, int hostId, void *)
{
    g_activations.push_back({context, hostId});
}

using MenuExports = FrameTest;

TeskAction *action(MainWindow *window, int itemId)
{
    return window->findChild<TeskAction *>(QStringLiteral("MenuItem%1").arg(itemId));
}

} // namespace

TEST_F(MenuExports, RegistrationBindsTheNewestWindowOnce)
{
    g_activations.clear();
    MainWindow *first = createFrame("Debugger", 1);
    EXPECT_EQ(QtRegisterMenuCB(nullptr, &firstActivate, nullptr, 10), 1);
    EXPECT_EQ(QtIsTeskMenu(10), 1);
    EXPECT_EQ(QtIsTeskMenu(11), 0);
    // A second registration is refused while the windows dock; the first stays in force.
    EXPECT_EQ(QtRegisterMenuCB(nullptr, &firstActivate, nullptr, 11), 0);
    action(first, 0)->trigger();
    ASSERT_EQ(g_activations.size(), 1u);
    EXPECT_EQ(g_activations[0], std::make_pair(TeskHandle(10), 40000));

    MainWindow *second = createFrame("Debugger", 2);
    EXPECT_EQ(QtRegisterMenuCB(nullptr, &firstActivate, nullptr, 20), 1);
    action(second, 0)->trigger();
    EXPECT_EQ(g_activations.back(), std::make_pair(TeskHandle(20), 40000));
    action(first, 0)->trigger();
    EXPECT_EQ(g_activations.back(), std::make_pair(TeskHandle(10), 40000));
}

TEST_F(MenuExports, TogglesAndSensitivityByHostId)
{
    MainWindow *window = createFrame("Debugger", 4);
    const int saveSettings = 40022; // "Save Settings on E&xit", a toggle
    EXPECT_EQ(QtMenuTogGet(4, saveSettings), 0);
    EXPECT_EQ(QtMenuTogSet(saveSettings, 1), 1);
    EXPECT_EQ(QtMenuTogGet(0, saveSettings), 1);
    EXPECT_EQ(QtMenuToggleTog(saveSettings), 1);
    EXPECT_EQ(CuiActionGetToggleState(4, saveSettings), 0);
    EXPECT_EQ(QtActionSetToggleState(4, saveSettings, 5), 1);
    EXPECT_EQ(CuiActionGetToggleState(4, saveSettings), 1);
    EXPECT_EQ(CuiActionSetToggleState(4, saveSettings, 0), 1);
    EXPECT_FALSE(action(window, 22)->isChecked());

    // Plain commands and unknown ids are no toggles.
    EXPECT_EQ(QtMenuTogSet(40000, 1), 0);
    EXPECT_EQ(QtMenuTogGet(4, 40000), 0);
    EXPECT_EQ(QtMenuToggleTog(40000), 0);
    EXPECT_EQ(QtMenuTogSet(12345, 1), 0);

    EXPECT_EQ(CuiActionDisable(4, 40000, 1), 1);
    EXPECT_FALSE(action(window, 0)->isEnabled());
    EXPECT_EQ(QtInsensitiveMenu(4, 40000, 0), 1);
    EXPECT_TRUE(action(window, 0)->isEnabled());
    // A whole submenu, and a cycle button.
    EXPECT_EQ(QtInsensitiveMenu(4, 40602, 1), 1);
    EXPECT_FALSE(
        qobject_cast<MT *>(window->menuManager())->popupMenu(40602)->menuAction()->isEnabled());
    EXPECT_EQ(QtInsensitiveMenu(4, 49866, 1), 1);
    EXPECT_FALSE(window->findChild<QWidget *>(QStringLiteral("MenuItem171"))->isEnabled());
    EXPECT_EQ(QtInsensitiveMenu(4, 12345, 1), 0);
}

TEST_F(MenuExports, HelpTextStartsAtTheApostrophe)
{
    MainWindow *window = createFrame("Debugger", 4);
    QtModifyMenuHelpText(40000, "Create 'a new file'");
    EXPECT_EQ(action(window, 0)->statusTip(), QStringLiteral("'a new file'"));
    QtModifyMenuHelpText(40000, "'Quoted from the start");
    EXPECT_EQ(action(window, 0)->statusTip(), QStringLiteral("'Quoted from the start"));
    QtModifyMenuHelpText(40000, nullptr);
    EXPECT_EQ(action(window, 0)->statusTip(), QStringLiteral("'Quoted from the start"));
    // A toolbar-only item has no container and keeps its tip.
    QtModifyMenuHelpText(45007, "'never");
    EXPECT_EQ(action(window, 177)->statusTip(), QStringLiteral("Step"));
}

TEST_F(MenuExports, AcceleratorRecordsOfTheMenus)
{
    createFrame("Debugger", 4);
    const int count = QtGetAcceleratorCount();
    ASSERT_EQ(count, 40);
    std::vector<TeskAccelerator> records(count);
    ASSERT_EQ(QtGetAcceleratorList(records.data()), 1);
    EXPECT_EQ(records[0].hostId, 40000);
    EXPECT_STREQ(records[0].text, "Ctrl+N");
    bool sawShiftBracket = false;
    for (const TeskAccelerator &record : records) {
        EXPECT_LT(std::strlen(record.text), sizeof record.text);
        sawShiftBracket |= std::strcmp(record.text, "Ctrl+Shift+]") == 0;
    }
    EXPECT_TRUE(sawShiftBracket);
    EXPECT_EQ(QtGetAcceleratorList(nullptr), 0);
}

TEST_F(MenuExports, WithoutAWindowEverythingAnswersZero)
{
    ASSERT_EQ(Store::currentMainWindow(), nullptr);
    TeskAccelerator record{};
    EXPECT_EQ(QtRegisterMenuCB(nullptr, nullptr, nullptr, 1), 0);
    EXPECT_EQ(QtGetAcceleratorCount(), 0);
    EXPECT_EQ(QtGetAcceleratorList(&record), 0);
    EXPECT_EQ(QtMenuTogGet(0, 40022), 0);
    EXPECT_EQ(QtInsensitiveMenu(0, 40000, 1), 0);
    EXPECT_EQ(QtAddPopupMenu("x", 40604, nullptr), 0);
    EXPECT_EQ(QtIsQtContextMenu(), 0);
    QtAppendMenu(32881, "a", nullptr, 0);
    QtPopContextMenu(nullptr, "One\nTwo");
    QtBuildROMenu("ro");
    QtBackupMenu();
    QtCreateScriptToolBar();
}

TEST_F(MenuExports, AppendWithoutDockingOnlyWarns)
{
    MainWindow *window = createFrame("Debugger", 4);
    Store::instance()->setDockingWindow(false);
    testhost::DebugCapture capture;
    QtAppendMenu(32881, "blinky.c", nullptr, 0);
    EXPECT_TRUE(capture.contains("ASSERT: \"window\" in file frame/menus/exports_menu.cpp"));
    EXPECT_TRUE(qobject_cast<MT *>(window->menuManager())->popupMenu(40604)->actions().isEmpty());
    EXPECT_EQ(QtAddSeparator(), 0);
    Store::instance()->setDockingWindow(true);
    EXPECT_EQ(QtAddSeparator(), 1);
    EXPECT_EQ(QtAddMainMenuEntry(), 1);
}

TEST_F(MenuExports, HostTextsAreReadUpToTheLimit)
{
    MainWindow *window = createFrame("Debugger", 4);
    // A megabyte without a terminator within the limit: read no further than the limit.
    std::vector<char> text(size_t(tesk::core::kMaxHostTextBytes), 'r');
    QtAppendMenu(32881, text.data(), nullptr, 0);
    QtModifyMenuHelpText(32881, text.data());
    const QList<QAction *> recent =
        qobject_cast<MT *>(window->menuManager())->popupMenu(40604)->actions();
    ASSERT_FALSE(recent.isEmpty());
    EXPECT_LE(recent.last()->text().size(), tesk::core::kMaxHostTextBytes);
    EXPECT_GT(recent.last()->text().size(), 1000);
}

TEST_F(MenuExports, WindowMarksSetAndReadBack)
{
    MainWindow *window = createFrame("Debugger", 4);
    EXPECT_EQ(QtIsQtContextMenu(), 0);
    QtSetIsQtContextMenu();
    EXPECT_EQ(QtIsQtContextMenu(), 1);
    QtSetNextActionInGroup(3);
    EXPECT_TRUE(window->nextActionInGroup());
    QtSetNextActionInGroup(0);
    EXPECT_FALSE(window->nextActionInGroup());
    QtEnableQtContextMenu(0);
    EXPECT_FALSE(window->showDockMenu(QPoint(1, 1)));
}
