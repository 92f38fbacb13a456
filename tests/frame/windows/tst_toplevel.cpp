// Top-level windows: the size callback, the menu bar rule, actions from menu-item records,
// and the window leaving the store when it closes.
#include "frames.h"

#include <tesk/tesk_menu.h>

#include "frame/menus/teskaction.h"
#include "frame/menus/teskpopupmenu.h"
#include "frame/windows/toplevelwindow.h"

#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QMenuBar>
#include <QPointer>

#include <vector>

namespace {

struct SizeCall
{
    TeskHandle context;
    int width;
    int height;
    int code;
};
std::vector<SizeCall> g_sizeCalls;
std::vector<std::pair<int, void *>> g_menuCalls;

void recordSize(TeskHandle context, int *rect, int code)
{
    g_sizeCalls.push_back({context, rect[2], rect[3], code});
}

void recordMenu(TeskHandle, int id, void *data)
{
    g_menuCalls.emplace_back(id, data);
}

class TopLevelTest : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        g_sizeCalls.clear();
        g_menuCalls.clear();
    }
};

} // namespace

TEST_F(TopLevelTest, CreatedListedTitledAndGoneWhenClosed)
{
    const TeskHandle native = QtTopLevelCreate(700, &recordSize, 33);
    ASSERT_NE(native, 0);
    auto *window = qobject_cast<TopLevelWindow *>(Store::currentTopLevelWindow());
    ASSERT_TRUE(window);
    EXPECT_EQ(window->size(), QSize(499, 249));

    QtSetTopTitle(700, "Trace Viewer");
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Trace Viewer"));
    EXPECT_EQ(QtRaiseWindowByName("Trace Viewer"), 1);
    EXPECT_EQ(QtRaiseWindowByName("Nothing"), 0);
    EXPECT_EQ(QtRaiseWindowByName(nullptr), 0);
    // Raising by name shows no window never shown: the host shows it by its handle. A
    // minimised one comes back normal.
    EXPECT_FALSE(window->isVisible());
    QtRaiseWindowByBox(700);
    window->showMinimized();
    ASSERT_TRUE(window->isMinimized());
    EXPECT_EQ(QtRaiseWindowByName("Trace Viewer"), 1);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_TRUE(window->isVisible());

    window->show();
    g_sizeCalls.clear();
    window->resize(300, 200);
    ASSERT_FALSE(g_sizeCalls.empty());
    EXPECT_EQ(g_sizeCalls.back().code, 1);
    EXPECT_EQ(g_sizeCalls.back().context, 33);
    EXPECT_EQ(g_sizeCalls.back().height, window->extent(false));

    QPointer<TopLevelWindow> guard(window);
    window->close();
    EXPECT_EQ(g_sizeCalls.back().code, 0);
    EXPECT_EQ(Store::currentTopLevelWindow(), nullptr);
    EXPECT_TRUE(Store::instance()->topLevelWindows().isEmpty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(guard);
}

TEST_F(TopLevelTest, TheHostEndsItsWindowByItsHandle)
{
    QtTopLevelCreate(702, &recordSize, 0);
    QPointer<QMainWindow> window = Store::currentTopLevelWindow();
    ASSERT_TRUE(window);
    window->show();
    g_sizeCalls.clear();
    QtCloseCode(702);
    EXPECT_EQ(Store::instance()->findTopLevelWindowByHandle(702), nullptr);
    EXPECT_TRUE(g_sizeCalls.empty());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_FALSE(window);
}

TEST_F(TopLevelTest, FirstMenuAfterTheMarkGoesOnTheBarLaterOnesBelowIt)
{
    TopLevelWindow window(1, 0, QStringLiteral("Other"), &recordSize, 0);
    window.markNextMenuForBar();
    window.addMenu(QStringLiteral("File"), nullptr);
    TeskPopupMenu *file = window.currentTopPopup();
    window.addMenu(QStringLiteral("Recent"), nullptr);
    EXPECT_EQ(window.currentTopPopup(), file);
    EXPECT_EQ(window.currentPopup()->parentPopup(), file);
    EXPECT_EQ(window.menuBar()->actions().size(), 1);

    window.markNextMenuForBar();
    window.addMenu(QStringLiteral("Edit"), nullptr);
    EXPECT_EQ(window.menuBar()->actions().size(), 2);
    // Without records every item is a plain item.
    window.addMenuItem(49853, QStringLiteral("Help"), nullptr);
    EXPECT_EQ(window.currentPopup()->findItem(49853)->text(), QStringLiteral("Help"));
}

TEST_F(TopLevelTest, RecordedItemsBecomeActionsThatReachTheHost)
{
    TopLevelWindow window(1, 0, QStringLiteral("Synchronization Control"), &recordSize, 0);
    EXPECT_EQ(window.menuItemRecords().size(), 3);
    window.setMenuCallback(1, &recordMenu, 5);
    window.markNextMenuForBar();
    window.addMenu(QStringLiteral("Help"), nullptr);
    int data = 0;
    window.addMenuItem(49853, QStringLiteral("ignored"), &data);
    auto *action = qobject_cast<TeskAction *>(window.currentPopup()->actions().value(0));
    ASSERT_TRUE(action);
    EXPECT_EQ(action->shortcut(), QKeySequence(Qt::Key_F1));
    action->trigger();
    ASSERT_EQ(g_menuCalls.size(), 1u);
    EXPECT_EQ(g_menuCalls[0].first, 49853);
    EXPECT_EQ(g_menuCalls[0].second, &data);
}

namespace {

std::vector<std::pair<TeskHandle, void *>> g_shownPopups;
std::vector<std::pair<int, void *>> g_activated;

void recordShown(TeskHandle, TeskHandle window, void *data)
{
    g_shownPopups.emplace_back(window, data);
}

void recordActivated(TeskHandle context, int id, void *data)
{
    EXPECT_EQ(context, 77);
    g_activated.emplace_back(id, data);
}

} // namespace

TEST_F(TopLevelTest, MenuExportsFillTheCurrentTopLevelWindowWhenNotDocking)
{
    g_shownPopups.clear();
    g_activated.clear();
    Store::instance()->setDockingWindow(false);
    // The first registration after a new code window is the main window's.
    Store::setMenuCallbackStage(Store::MenuCallbacksRegistered);
    ASSERT_NE(QtTopLevelCreate(701, &recordSize, 0), 0);
    auto *window = qobject_cast<TopLevelWindow *>(Store::currentTopLevelWindow());
    ASSERT_TRUE(window);
    // No menu yet: a separator has nothing to go into.
    EXPECT_EQ(QtAddSeparator(), 0);
    EXPECT_NE(QtRegisterMenuCB(&recordShown, &recordActivated, nullptr, 77), 0);
    EXPECT_EQ(QtAddMainMenuEntry(), 1);
    int fileData = 0, recentData = 0;
    const TeskHandle file = QtAddPopupMenu("File", 100, &fileData);
    EXPECT_NE(file, 0);
    const TeskHandle recent = QtAddPopupMenu("Recent", 101, &recentData);
    EXPECT_NE(recent, 0);
    EXPECT_EQ(QtAddSeparator(), 1);
    ASSERT_EQ(window->menuBar()->actions().size(), 1);
    TeskPopupMenu *top = window->currentTopPopup();
    TeskPopupMenu *sub = window->currentPopup();
    ASSERT_NE(top, sub);
    // The submenu knows the number of its entry in the menu above, not a position.
    QAction *entry = top->actions().value(0);
    ASSERT_TRUE(entry);
    EXPECT_EQ(TeskPopupMenu::numberOf(entry), sub->entryNumber());
    EXPECT_NE(sub->entryNumber(), 0);
    EXPECT_EQ(sub->actions().size(), 1);

    // Showing a popup asks the host with its window id and data word; a plain item answers
    // with its number.
    emit sub->aboutToShow();
    ASSERT_EQ(g_shownPopups.size(), 1u);
    EXPECT_EQ(g_shownPopups[0].first, recent);
    EXPECT_EQ(g_shownPopups[0].second, &recentData);
    window->addMenuItem(4711, QStringLiteral("Reconnect"), nullptr);
    sub->findItem(4711)->trigger();
    ASSERT_EQ(g_activated.size(), 1u);
    EXPECT_EQ(g_activated[0].first, 4711);
    EXPECT_EQ(g_activated[0].second, &recentData);

    // Docking again: the exports leave the top-level window alone.
    Store::instance()->setDockingWindow(true);
    EXPECT_EQ(QtAddPopupMenu("Edit", 102, nullptr), 0);
    EXPECT_EQ(QtRegisterMenuCB(&recordShown, &recordActivated, nullptr, 78), 0);
    Store::setMenuCallbackStage(Store::MenuCallbacksOpen);
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(TeskPopupMenuDynamic, InsertedAfterTheBaseAndRemovedTogether)
{
    TeskPopupMenu menu;
    menu.insertItem(QStringLiteral("First"), 1);
    menu.insertItem(QStringLiteral("Second"), 2);
    menu.setBaseIndex(0);
    QObject receiver;
    int hits = 0;
    QObject::connect(&menu, &TeskPopupMenu::activated, [&](int) { ++hits; });
    menu.insertDynamic(QStringLiteral("A"), &receiver, SLOT(deleteLater()));
    QAction *b = menu.insertDynamic(QStringLiteral("B"), nullptr, nullptr);
    ASSERT_EQ(menu.actions().size(), 4);
    EXPECT_EQ(menu.actions().at(1)->text(), QStringLiteral("B"));
    EXPECT_EQ(menu.actions().at(2)->text(), QStringLiteral("A"));
    EXPECT_EQ(menu.dynamicIds().size(), 2);
    // A dynamic item answers its receiver, not the host's numbers.
    b->trigger();
    EXPECT_EQ(hits, 0);
    menu.removeAllDynamic();
    EXPECT_TRUE(menu.dynamicIds().isEmpty());
    ASSERT_EQ(menu.actions().size(), 2);
    EXPECT_EQ(menu.actions().at(1)->text(), QStringLiteral("Second"));
}

TEST(TopLevelIcon, TheConnectionWindowShowsItsPicture)
{
    TopLevelWindow window(1, 0, QStringLiteral("Synchronization Control"), nullptr, 0);
    const QSize size = window.windowIcon().availableSizes().value(0);
    EXPECT_EQ(size, QSize(12, 13));
}

namespace {

// A top-level window run by the host through the menu exports, as a host without docking
// does; closed and gone at the end.
class HostRunTopLevelTest : public TopLevelTest
{
protected:
    void SetUp() override
    {
        TopLevelTest::SetUp();
        g_activated.clear();
        Store::instance()->setDockingWindow(false);
        Store::setMenuCallbackStage(Store::MenuCallbacksRegistered);
    }
    void TearDown() override
    {
        Store::instance()->setDockingWindow(true);
        Store::setMenuCallbackStage(Store::MenuCallbacksOpen);
        if (window)
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        TopLevelTest::TearDown();
    }
    TopLevelWindow *create(TeskHandle handle)
    {
        EXPECT_NE(QtTopLevelCreate(handle, &recordSize, 0), 0);
        window = qobject_cast<TopLevelWindow *>(Store::currentTopLevelWindow());
        EXPECT_NE(QtRegisterMenuCB(&recordShown, &recordActivated, nullptr, 77), 0);
        return window.data();
    }

    QPointer<TopLevelWindow> window;
};

} // namespace

TEST_F(HostRunTopLevelTest, ItemsAppendedByIdBecomeTheNamedWindowsActions)
{
    ASSERT_TRUE(create(710));
    // Named only after it was made, it is still the connection window.
    EXPECT_TRUE(window->menuItemRecords().isEmpty());
    QtSetTopTitle(710, "Synchronization Control");
    EXPECT_EQ(window->menuItemRecords().size(), 3);
    EXPECT_EQ(window->windowIcon().availableSizes().value(0), QSize(12, 13));

    QtAddMainMenuEntry();
    int helpData = 0;
    ASSERT_NE(QtAddPopupMenu("&Help", 0, &helpData), 0);
    int aboutData = 0;
    QtAppendMenu(49864, "About", &aboutData, 0);
    QtAppendMenu(4712, "Reconnect", nullptr, 0);
    const QList<QAction *> items = window->currentPopup()->actions();
    ASSERT_EQ(items.size(), 2);
    auto *about = qobject_cast<TeskAction *>(items[0]);
    ASSERT_TRUE(about);
    EXPECT_EQ(about->text(), QStringLiteral("About"));
    EXPECT_EQ(about->statusTip(), QStringLiteral("Shows information on product and licenses"));
    EXPECT_FALSE(qobject_cast<TeskAction *>(items[1]));
    EXPECT_EQ(items[1]->text(), QStringLiteral("Reconnect"));

    about->trigger();
    ASSERT_EQ(g_activated.size(), 1u);
    EXPECT_EQ(g_activated[0], std::make_pair(49864, static_cast<void *>(&aboutData)));
}

TEST_F(HostRunTopLevelTest, Latin1MenuTitlesAreShownAsGiven)
{
    ASSERT_TRUE(create(711));
    QtAddMainMenuEntry();
    ASSERT_NE(QtAddPopupMenu("\xDC"
                             "bersicht",
                             0, nullptr),
              0);
    EXPECT_EQ(window->currentTopPopup()->title(), QString::fromUtf8("\xC3\x9C"
                                                                    "bersicht"));
}

TEST_F(HostRunTopLevelTest, ActivationTellsTheHostCode2)
{
    ASSERT_TRUE(create(712));
    window->show();
    g_sizeCalls.clear();
    QApplication::setActiveWindow(window);
    QCoreApplication::processEvents();
    ASSERT_FALSE(g_sizeCalls.empty());
    EXPECT_EQ(g_sizeCalls.back().code, 2);
    EXPECT_EQ(g_sizeCalls.back().height, window->extent(false));
}
