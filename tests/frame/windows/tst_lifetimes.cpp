// How long what the window exports hand out lives: texts the host keeps while it asks about
// other windows, and windows and toolbars the host ends from inside their own calls to it.
#include "frames.h"

#include "frame/core/commandids.h"
#include "frame/core/cuihandles.h"
#include "frame/windows/toolbars/findtoolbar.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPointer>
#include <QToolBar>

#include <string>
#include <utility>
#include <vector>

namespace {

class HostLifetimes : public FrameTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        FrameTest::SetUp();
        window = createFrame("Debugger", kHandle);
        window->setWindowBoxHandle(kHandle);
        window->show();
    }

    static constexpr TeskHandle kHandle = 1;
    MainWindow *window = nullptr;
};

// The find toolbar's handle, deleted by the host when the state menu is about to show.
TeskHandle g_deleteOnMenuShow = 0;
int g_findCalls = 0;

void deleteOnMenuShow(TeskHandle, const void *, int, int code)
{
    ++g_findCalls;
    if (code == FindToolBar::StateMenuShowCode && g_deleteOnMenuShow)
        CuiDeleteObject(reinterpret_cast<void *>(g_deleteOnMenuShow));
}

} // namespace

TEST_F(HostLifetimes, TitlesReadOneAfterTheOtherStayAsTheyWere)
{
    QtWindowCreate("Memory", nullptr, 10);
    QtWindowCreate("Registers", nullptr, 11);
    const char *first = QtGetWindowTitle(kHandle, 0);
    const char *second = QtGetWindowTitle(kHandle, 1);
    EXPECT_STREQ(first, "Memory");
    EXPECT_STREQ(second, "Registers");
    // Asked again, the same text: the host's pointer is still the one it holds.
    EXPECT_EQ(QtGetWindowTitle(kHandle, 0), first);

    QtSortWindowList(kHandle);
    const char *firstName = QtReturnKSOTitle(kHandle, 0);
    const char *secondName = QtReturnKSOTitle(kHandle, 1);
    EXPECT_STREQ(firstName, "Memory");
    EXPECT_STREQ(secondName, "Registers");
    EXPECT_STREQ(first, "Memory");

    const int before = QtToolbarCount(kHandle);
    for (const char *title : {"Probe", "Other"}) {
        window->addToolBarBreak();
        window->addToolBar(Qt::TopToolBarArea, new QToolBar(QString::fromLatin1(title), window));
    }
    const int count = QtToolbarCount(kHandle);
    ASSERT_EQ(count, before + 2);
    // Every title read in turn; each pointer still reads its own text afterwards.
    std::vector<std::pair<const char *, std::string>> titles;
    for (int i = 0; i < count; ++i) {
        const char *title = QtReturnToolbarTitle(kHandle, i);
        titles.emplace_back(title, title);
    }
    QStringList seen;
    for (const auto &[pointer, text] : titles) {
        EXPECT_EQ(std::string(pointer), text);
        seen << QString::fromStdString(text);
    }
    EXPECT_TRUE(seen.contains(QStringLiteral("Probe")));
    EXPECT_TRUE(seen.contains(QStringLiteral("Other")));
}

TEST_F(HostLifetimes, TheFindToolbarDeletedInsideItsStateMenuCallback)
{
    g_findCalls = 0;
    const TeskHandle handle = QtCreateEditorToolBar(kHandle, &deleteOnMenuShow);
    auto *toolBar =
        qobject_cast<FindToolBar *>(tesk::handles::object(reinterpret_cast<void *>(handle)));
    ASSERT_NE(toolBar, nullptr);
    QPointer<FindToolBar> watch(toolBar);
    QMenu *stateMenu = toolBar->findChild<QMenu *>();
    ASSERT_NE(stateMenu, nullptr);

    g_deleteOnMenuShow = handle;
    stateMenu->popup(QPoint(10, 10));
    g_deleteOnMenuShow = 0;
    EXPECT_EQ(g_findCalls, 1);
    // Dead for the host at once, deleted once the menu's own work is over.
    EXPECT_EQ(tesk::handles::object(reinterpret_cast<void *>(handle)), nullptr);
    testhost::settle();
    EXPECT_TRUE(watch.isNull());
}

TEST_F(HostLifetimes, AWindowClosedFromItsOwnCloseQuestionIsAskedNothingMore)
{
    FakeMenus menus;
    MainWindow *closing = createFrame("Debugger", 2);
    closing->setWindowBoxHandle(2);
    closing->show();
    QPointer<MainWindow> watch(closing);
    FakeMenuManager::commands.clear();
    FakeMenuManager::onCommand = [](int hostId) {
        if (hostId == tesk::commands::kAskHostToCloseCommand)
            QtCloseCode(2);
    };
    closing->close();
    FakeMenuManager::onCommand = nullptr;
    // The second command would reach a window the host has closed already.
    EXPECT_EQ(FakeMenuManager::commands, std::vector<int>{tesk::commands::kAskHostToCloseCommand});
    testhost::settle();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(Store::instance()->mainWindows(), QList<MainWindow *>{window});
}
