// Context menus defined by the host item by item, rendered and popped up end to end.
#include "frames.h"

#include "modalanswers.h"

#include "frame/core/hosttext.h"
#include "frame/core/hosttexts.h"

#include <QMenu>
#include <QTest>

#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

using testhost::ModalAnswers;

namespace {

std::vector<int> g_chosen;

void recordChoice(int id)
{
    g_chosen.push_back(id);
}

std::vector<int> g_asked;

int answerState(const char *menu, int id, void *data)
{
    g_asked.push_back(id);
    CuiContextMenu_setItemEnabled(menu, id, id != *static_cast<int *>(data));
    return id;
}

int throwFromHost(const char *, int, void *)
{
    throw std::runtime_error("host state failed");
}

class ContextMenus : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        CuiContextMenu_clearMenu("test");
        g_chosen.clear();
        g_asked.clear();
    }
};

std::string definition(const char *menu)
{
    return CuiContextMenu_getMenuDefinion(menu);
}

} // namespace

TEST_F(ContextMenus, ItemsRenderWithMarksLabelsAndDockLines)
{
    CuiContextMenu_addSeparator("test");
    CuiContextMenu_addItem("test", 1);
    CuiContextMenu_addSeparator("test");
    CuiContextMenu_addItem("test", 2);
    EXPECT_EQ(definition("test"), "#1:1\n\n#2:2");

    CuiContextMenu_addItem("test", 12);
    EXPECT_EQ(CuiContextMenu_setItemVisibleAlias("test", 12, 100103), 1);
    EXPECT_EQ(CuiContextMenu_setItemEnabled("test", 12, 0), 1);
    EXPECT_EQ(CuiContextMenu_setItemChecked("test", 2, 1), 1);
    CuiContextMenu_addItem("test", 3);
    CuiContextMenu_setItemGuiText("test", 3, "Show Here");
    CuiContextMenu_setItemChecked("test", 3, 1);
    CuiContextMenu_setItemEnabled("test", 3, 0);
    CuiContextMenu_addItem("test", 667);
    EXPECT_EQ(definition("test"), "#1:1\n\n=#2:2\n!#100103:12\n-Show Here:3\n^");
}

TEST_F(ContextMenus, AccessorsActOnTheLastItemOfAnId)
{
    CuiContextMenu_addItem("test", 5);
    CuiContextMenu_addItem("test", 5);
    CuiContextMenu_setItemCommand("test", 5, "break main", 3);
    CuiContextMenu_setItemCommandData("test", 5, 42);
    EXPECT_STREQ(CuiContextMenu_getItemCommand("test", 5), "break main");
    EXPECT_EQ(CuiContextMenu_getItemCommandClass("test", 5), 3);
    EXPECT_EQ(CuiContextMenu_getItemCommandData("test", 5), 42);
    CuiContextMenu_setItemGuiText("test", 5, "Later");
    EXPECT_EQ(definition("test"), "#5:5\nLater:5");
    CuiContextMenu_setItemGuiText("test", 5, nullptr);
    EXPECT_STREQ(CuiContextMenu_getItemGuiText("test", 5), "");
    CuiContextMenu_setItemCommand("test", 5, nullptr, 1);
    EXPECT_STREQ(CuiContextMenu_getItemCommand("test", 5), "");

    // Unknown items answer the defaults; a null menu name is refused.
    EXPECT_EQ(CuiContextMenu_getItemVisibleAlias("test", 99), -1);
    EXPECT_EQ(CuiContextMenu_getItemEnabled("test", 99), 0);
    EXPECT_EQ(CuiContextMenu_getItemChecked("test", 99), 0);
    EXPECT_EQ(CuiContextMenu_setItemEnabled("test", 99, 1), 0);
    EXPECT_STREQ(CuiContextMenu_getItemGuiText("test", 99), "");
    CuiContextMenu_addItem(nullptr, 1);
    EXPECT_EQ(CuiContextMenu_getItemEnabled(nullptr, 1), 0);
    EXPECT_STREQ(CuiContextMenu_getMenuDefinion(nullptr), "");
    EXPECT_EQ(CuiContextMenu_debugMenu(), 1);
}

TEST_F(ContextMenus, TextsReadOneAfterTheOtherStayAsTheyWere)
{
    CuiContextMenu_clearMenu("other");
    for (int id : {1, 2}) {
        CuiContextMenu_addItem("test", id);
        CuiContextMenu_addItem("other", id);
    }
    CuiContextMenu_setItemGuiText("test", 1, "First");
    CuiContextMenu_setItemGuiText("test", 2, "Second");
    CuiContextMenu_setItemGuiText("other", 1, "Elsewhere");
    CuiContextMenu_setItemCommand("test", 1, "break main", 0);
    CuiContextMenu_setItemCommand("test", 2, "break exit", 0);
    const char *first = CuiContextMenu_getItemGuiText("test", 1);
    const char *second = CuiContextMenu_getItemGuiText("test", 2);
    const char *elsewhere = CuiContextMenu_getItemGuiText("other", 1);
    const char *command = CuiContextMenu_getItemCommand("test", 1);
    const char *otherCommand = CuiContextMenu_getItemCommand("test", 2);
    const char *definitionText = CuiContextMenu_getMenuDefinion("test");
    const char *otherDefinition = CuiContextMenu_getMenuDefinion("other");
    EXPECT_STREQ(first, "First");
    EXPECT_STREQ(second, "Second");
    EXPECT_STREQ(elsewhere, "Elsewhere");
    EXPECT_STREQ(command, "break main");
    EXPECT_STREQ(otherCommand, "break exit");
    EXPECT_STREQ(definitionText, "First:1\nSecond:2");
    EXPECT_STREQ(otherDefinition, "Elsewhere:1\n#2:2");
    // Unchanged, the same pointer; changed, the new text.
    EXPECT_EQ(CuiContextMenu_getItemGuiText("test", 1), first);
    CuiContextMenu_setItemGuiText("test", 1, "Renamed");
    EXPECT_STREQ(CuiContextMenu_getItemGuiText("test", 1), "Renamed");
    EXPECT_STREQ(second, "Second");
    CuiContextMenu_clearMenu("other");
}

TEST_F(ContextMenus, StateCallbackAsksForEveryItem)
{
    int disabledId = 2;
    // No callback on a menu that does not exist: it is not created either.
    EXPECT_EQ(CuiContextMenu_setCallBackItemState("test", &answerState, &disabledId), 0);
    CuiContextMenu_addItem("test", 1);
    CuiContextMenu_addItem("test", 2);
    EXPECT_EQ(CuiContextMenu_updateMenuState("test"), 0);
    EXPECT_EQ(CuiContextMenu_setCallBackItemState("test", &answerState, &disabledId), 1);
    EXPECT_EQ(CuiContextMenu_updateMenuState("test"), 2);
    EXPECT_EQ(g_asked, std::vector<int>({1, 2}));
    EXPECT_EQ(definition("test"), "#1:1\n!#2:2");
    // A null function detaches the callback: the old one is not called again.
    EXPECT_EQ(CuiContextMenu_setCallBackItemState("test", nullptr, nullptr), 1);
    EXPECT_EQ(CuiContextMenu_updateMenuState("test"), 0);
    EXPECT_EQ(g_asked.size(), 2u);
    // Clearing the menu drops its callback with it.
    CuiContextMenu_clearMenu("test");
    CuiContextMenu_addItem("test", 1);
    EXPECT_EQ(CuiContextMenu_updateMenuState("test"), 0);
}

TEST_F(ContextMenus, AnExceptionFromTheHostIsReportedUnderTheExportsName)
{
    CuiContextMenu_addItem("test", 1);
    ASSERT_EQ(CuiContextMenu_setCallBackItemState("test", &throwFromHost, nullptr), 1);
    testhost::DebugCapture capture;
    EXPECT_EQ(CuiContextMenu_updateMenuState("test"), 0);
    EXPECT_TRUE(capture.contains("CuiContextMenu_updateMenuState: host state failed\n"))
        << capture.text();
}

TEST_F(ContextMenus, RenderedMenuPopsUpAndReportsTheChoice)
{
    createFrame("Debugger", 1);
    CuiContextMenu_addItem("test", 12);
    CuiContextMenu_setItemVisibleAlias("test", 12, 100103);
    CuiContextMenu_addItem("test", 32911);
    CuiContextMenu_setItemEnabled("test", 32911, 0);
    CuiContextMenu_addSeparator("test");
    CuiContextMenu_addItem("test", 14);
    CuiContextMenu_setItemGuiText("test", 14, "Stop at 12:30");
    CuiContextMenu_addItem("test", 666);

    ModalAnswers answers;
    QStringList shown;
    QString chooseText = QStringLiteral("Stop at 12:30");
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *menu = qobject_cast<QMenu *>(request.widget.data());
        ASSERT_NE(menu, nullptr);
        shown.clear();
        for (QAction *action : menu->actions()) {
            shown << (action->isSeparator() ? QStringLiteral("|") : action->text());
            if (action->text() == chooseText)
                menu->setActiveAction(action);
        }
        QTest::keyClick(menu, Qt::Key_Return);
    });
    QtPopContextMenu(&recordChoice, CuiContextMenu_getMenuDefinion("test"));
    EXPECT_EQ(shown, QStringList({"Create Breakpoint At...", "C&lose Window", "|", "Stop at 12:30",
                                  "Dock/Float", "Hide", "Close"}));
    EXPECT_EQ(g_chosen, std::vector<int>({14}));

    chooseText = QStringLiteral("Create Breakpoint At...");
    QtPopContextMenuEx(12345, &recordChoice, CuiContextMenu_getMenuDefinion("test"));
    EXPECT_EQ(g_chosen, std::vector<int>({14, 12}));
}

TEST_F(ContextMenus, TextsHandedOutGoWithTheirMenu)
{
    const int before = tesk::texts::heldCount();
    // A host that names its menus per use: each menu's texts go when it is cleared.
    for (int use = 0; use < 50; ++use) {
        const std::string name = "per-use-" + std::to_string(use);
        CuiContextMenu_addItem(name.c_str(), 1);
        CuiContextMenu_setItemGuiText(name.c_str(), 1, "Run to here");
        CuiContextMenu_setItemCommand(name.c_str(), 1, "go here", 0);
        EXPECT_STREQ(CuiContextMenu_getItemGuiText(name.c_str(), 1), "Run to here");
        EXPECT_STREQ(CuiContextMenu_getItemCommand(name.c_str(), 1), "go here");
        EXPECT_STREQ(CuiContextMenu_getMenuDefinion(name.c_str()), "Run to here:1");
        CuiContextMenu_clearMenu(name.c_str());
    }
    EXPECT_EQ(tesk::texts::heldCount(), before);
}

TEST_F(ContextMenus, HostTextsAreReadUpToTheLimit)
{
    // No terminator within the limit: reading on would run past what the host owns.
    std::vector<char> text(size_t(tesk::core::kMaxHostTextBytes), 'x');
    CuiContextMenu_addItem("long", 1);
    CuiContextMenu_setItemGuiText("long", 1, text.data());
    CuiContextMenu_setItemCommand("long", 1, text.data(), 0);
    EXPECT_EQ(qsizetype(strlen(CuiContextMenu_getItemGuiText("long", 1))),
              tesk::core::kMaxHostTextBytes);
    EXPECT_EQ(qsizetype(strlen(CuiContextMenu_getItemCommand("long", 1))),
              tesk::core::kMaxHostTextBytes);
    CuiContextMenu_clearMenu("long");

    // A definition the host hands over to show.
    createFrame("Debugger", 1);
    ModalAnswers answers;
    QtPopContextMenu(&recordChoice, text.data());
    EXPECT_EQ(answers.seen().size(), 1u);
}
