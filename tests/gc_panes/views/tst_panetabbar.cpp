// Views' tabs dragged by the mouse between places, panes and out into new panes, and the tab
// menu's duplicate and delete.
#include "viewstest.h"

#include "gui_components/gc_panes/views/kpanetabbar.h"

#include "frame/core/inplaceedit.h"
#include "frame/windows/docking/dockwidget.h"
#include "modalanswers.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>
#include <QTest>

using namespace viewstest;

namespace {

class PaneTabBarTest : public ViewsTest
{
protected:
    // A pane of the target with n views, its window placed at y.
    KPane *paneWith(uint64_t targetId, int views, int y)
    {
        const uint64_t id = newPane(targetId);
        for (int i = 0; i < views; ++i)
            viewIn(id);
        KPane *pane = paneWidget(id);
        EXPECT_NE(pane, nullptr);
        QWidget *top = pane->window();
        top->move(0, y);
        top->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(top));
        return pane;
    }
    static KPaneTabBar *bar(KPane *pane) { return pane->tabWidget()->paneTabBar(); }
    static QPoint tabCentre(KPane *pane, int index) { return bar(pane)->tabRect(index).center(); }
    // Positions in the source bar's coordinates for a point of another widget.
    static QPoint in(KPaneTabBar *source, QWidget *other, const QPoint &pos)
    {
        return source->mapFromGlobal(other->mapToGlobal(pos));
    }
    static void drag(KPaneTabBar *source, const QPoint &from, const QPoint &to)
    {
        QTest::mousePress(source, Qt::LeftButton, {}, from);
        QTest::mouseMove(source, from + QPoint(QApplication::startDragDistance() + 1, 0));
        QTest::mouseMove(source, to);
        QTest::mouseRelease(source, Qt::LeftButton, {}, to);
    }
    static uint64_t viewIdAt(KPane *pane, int index)
    {
        auto *view = qobject_cast<AView *>(pane->tabWidget()->widget(index));
        return view ? view->id() : 0;
    }
};

TEST_F(PaneTabBarTest, ADragStartsOnePixelPastTheStartDistance)
{
    KPane *pane = paneWith(0, 2, 0);
    KPaneTabBar *tabs = bar(pane);
    const QPoint start = tabCentre(pane, 0);
    const int distance = QApplication::startDragDistance();
    QTest::mousePress(tabs, Qt::LeftButton, {}, start);
    QTest::mouseMove(tabs, start + QPoint(distance - 1, 1));
    EXPECT_FALSE(tabs->isDragging());
    QTest::mouseMove(tabs, start + QPoint(distance, 1));
    EXPECT_TRUE(tabs->isDragging());
    QTest::mouseRelease(tabs, Qt::LeftButton, {}, tabCentre(pane, 0));
    EXPECT_FALSE(tabs->isDragging());
    EXPECT_EQ(pane->tabWidget()->count(), 2);
}

TEST_F(PaneTabBarTest, TheMarkerSpansFromTabCentreToTabCentre)
{
    KPane *pane = paneWith(0, 3, 0);
    KPaneTabBar *tabs = bar(pane);
    const QRect middle = tabs->tabRect(1);
    const QRect right = tabs->markerRectAt(middle.center() + QPoint(2, 0));
    EXPECT_EQ(right.left(), middle.center().x());
    EXPECT_EQ(right.right(), tabs->tabRect(2).center().x());
    const QRect left = tabs->markerRectAt(middle.center() - QPoint(2, 0));
    EXPECT_EQ(left.left(), tabs->tabRect(0).center().x());
    EXPECT_EQ(left.right(), middle.center().x());
    EXPECT_EQ(tabs->markerRectAt(tabs->tabRect(0).center() - QPoint(2, 0)).left(), -1);

    // While a tab is dragged over a bar, that bar shows where it would land.
    const QPoint start = tabCentre(pane, 0);
    QTest::mousePress(tabs, Qt::LeftButton, {}, start);
    QTest::mouseMove(tabs, start + QPoint(QApplication::startDragDistance() + 1, 0));
    QTest::mouseMove(tabs, middle.center() + QPoint(2, 0));
    EXPECT_EQ(tabs->markerRect(), right);
    QTest::mouseRelease(tabs, Qt::LeftButton, {}, middle.center() + QPoint(2, 0));
    EXPECT_TRUE(tabs->markerRect().isNull());
}

TEST_F(PaneTabBarTest, DroppedRightOfTheLastTabOfAnotherPaneItIsAppended)
{
    KPane *source = paneWith(3, 2, 0);
    KPane *destination = paneWith(3, 2, 400);
    const uint64_t moved = viewIdAt(source, 0);
    KPaneTabBar *to = bar(destination);
    const QPoint target = in(bar(source), to, to->tabRect(1).center() + QPoint(3, 0));
    drag(bar(source), tabCentre(source, 0), target);

    ASSERT_EQ(destination->tabWidget()->count(), 3);
    EXPECT_EQ(viewIdAt(destination, 2), moved);
    EXPECT_EQ(destination->tabWidget()->currentIndex(), 2);
    EXPECT_EQ(source->tabWidget()->count(), 1);
    KGc_Pane *from = manager()->pane(source->paneId());
    KGc_Pane *into = manager()->pane(destination->paneId());
    EXPECT_EQ(from->view(moved), nullptr);
    ASSERT_NE(into->view(moved), nullptr);
    EXPECT_EQ(manager()->view(moved)->refCount(), 1u);
    EXPECT_EQ(memoryView(moved)->paneId(), destination->paneId());
}

TEST_F(PaneTabBarTest, AsDropOnItsOwnBarMovesTheTab)
{
    KPane *pane = paneWith(0, 3, 0);
    const uint64_t first = viewIdAt(pane, 0);
    drag(bar(pane), tabCentre(pane, 0), tabCentre(pane, 1) + QPoint(3, 0));
    EXPECT_EQ(viewIdAt(pane, 1), first);
    drag(bar(pane), tabCentre(pane, 1), tabCentre(pane, 1) + QPoint(1, 0));
    EXPECT_EQ(viewIdAt(pane, 1), first);
    EXPECT_EQ(pane->tabWidget()->count(), 3);
}

TEST_F(PaneTabBarTest, APaneOfAnotherTargetTakesNothing)
{
    KPane *source = paneWith(3, 1, 0);
    KPane *other = paneWith(4, 1, 400);
    KPaneTabBar *to = bar(other);
    drag(bar(source), tabCentre(source, 0), in(bar(source), to, to->tabRect(0).center()));
    testhost::pumpFor(20);
    EXPECT_EQ(source->tabWidget()->count(), 1);
    EXPECT_EQ(other->tabWidget()->count(), 1);
    EXPECT_NE(manager()->pane(source->paneId()), nullptr);
}

TEST_F(PaneTabBarTest, MovingTheLastViewAwayRemovesThePane)
{
    KPane *source = paneWith(3, 1, 0);
    KPane *destination = paneWith(3, 1, 400);
    const uint64_t sourceId = source->paneId();
    QPointer<KPane> gone(source);
    KPaneTabBar *to = bar(destination);
    drag(bar(source), tabCentre(source, 0), in(bar(source), to, to->tabRect(0).center()));
    EXPECT_EQ(destination->tabWidget()->count(), 2);
    ASSERT_TRUE(testhost::pumpUntil([&] { return gone.isNull(); }));
    EXPECT_EQ(manager()->pane(sourceId), nullptr);
    EXPECT_FALSE(window->dockList().contains(nullptr));
}

TEST_F(PaneTabBarTest, DroppedWhereNoPaneIsTheViewGetsAPaneOfItsOwn)
{
    KPane *source = paneWith(3, 2, 0);
    const uint64_t moved = viewIdAt(source, 1);
    KPaneTabBar *from = bar(source);
    const QPoint away = from->mapFromGlobal(QPoint(2000, 2000));
    QTest::mousePress(from, Qt::LeftButton, {}, tabCentre(source, 1));
    QTest::mouseMove(from, tabCentre(source, 1) + QPoint(0, QApplication::startDragDistance() + 1));
    QTest::mouseMove(from, away);
    ASSERT_NE(from->dragPainter(), nullptr);
    EXPECT_TRUE(from->dragPainter()->isVisible());
    QTest::mouseRelease(from, Qt::LeftButton, {}, away);
    EXPECT_EQ(from->dragPainter(), nullptr);

    EXPECT_EQ(source->tabWidget()->count(), 1);
    KViewMemory *view = memoryView(moved);
    ASSERT_NE(view, nullptr);
    EXPECT_NE(view->paneId(), source->paneId());
    KGc_Pane *own = manager()->pane(view->paneId());
    ASSERT_NE(own, nullptr);
    EXPECT_EQ(own->targetId(), 3u);
    EXPECT_EQ(manager()->view(moved)->refCount(), 1u);
    EXPECT_EQ(manager()->pane(source->paneId())->view(moved), nullptr);
}

// Chooses the menu item with that text, unless it is disabled; records whether it was.
void chooseFromMenu(testhost::ModalAnswers &answers, const QString &text, bool *enabled)
{
    answers.setHandler([text, enabled](const testhost::ModalAnswers::Request &request) {
        auto *menu = qobject_cast<QMenu *>(request.widget.data());
        ASSERT_NE(menu, nullptr);
        for (QAction *action : menu->actions()) {
            if (action->text() != text)
                continue;
            *enabled = action->isEnabled();
            if (action->isEnabled()) {
                menu->setActiveAction(action);
                QTest::keyClick(menu, Qt::Key_Return);
                return;
            }
        }
        menu->close();
    });
}

void openTabMenu(KPaneTabBar *tabs, int index)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, tabs->tabRect(index).center(),
                            tabs->mapToGlobal(tabs->tabRect(index).center()));
    QApplication::sendEvent(tabs, &event);
}

TEST_F(PaneTabBarTest, DuplicateViewAddsACopyToThePane)
{
    KPane *pane = paneWith(0, 1, 0);
    testhost::ModalAnswers answers;
    bool enabled = false;
    chooseFromMenu(answers, "Duplicate View", &enabled);
    openTabMenu(bar(pane), 0);
    EXPECT_TRUE(enabled);
    ASSERT_EQ(pane->tabWidget()->count(), 2);
    auto *copy = qobject_cast<KViewMemory *>(pane->tabWidget()->currentWidget());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->id(), viewIdAt(pane, 0) + 1);
}

TEST_F(PaneTabBarTest, DeletingTheLastViewRemovesThePaneOnce)
{
    KPane *pane = paneWith(0, 1, 0);
    const uint64_t paneId = pane->paneId();
    QPointer<KPane> gone(pane);
    QPointer<QWidget> view(pane->tabWidget()->widget(0));
    testhost::ModalAnswers answers;
    bool enabled = true;

    setInPlaceEditActive(true);
    chooseFromMenu(answers, "Delete View", &enabled);
    openTabMenu(bar(pane), 0);
    setInPlaceEditActive(false);
    EXPECT_FALSE(enabled);
    ASSERT_FALSE(view.isNull());

    chooseFromMenu(answers, "Delete View", &enabled);
    openTabMenu(bar(pane), 0);
    EXPECT_TRUE(enabled);
    EXPECT_TRUE(view.isNull());
    ASSERT_TRUE(testhost::pumpUntil([&] { return gone.isNull(); }));
    EXPECT_EQ(manager()->pane(paneId), nullptr);
}

} // namespace
