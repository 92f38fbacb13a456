// The contents-coordinate scroll view that the table stands on.
#include "testhost.h"

#include "utilities/uscrollview.h"

#include <QPainter>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Records what the view hands to its contents hooks.
class RecordingView : public UScrollView
{
public:
    RecordingView()
    {
        setFrameStyle(QFrame::NoFrame);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    }

    using UScrollView::cachedSizeHint;
    using UScrollView::setCachedSizeHint;

    QRect drawn;
    QPoint pressedAt;
    QPoint contextAt;
    int viewportResizes = 0;
    int fontChanges = 0;

protected:
    void drawContents(QPainter *p, int cx, int cy, int cw, int ch) override
    {
        drawn = QRect(cx, cy, cw, ch);
        p->fillRect(drawn, Qt::white);
    }
    void contentsMousePressEvent(QMouseEvent *e) override { pressedAt = e->position().toPoint(); }
    void contentsMouseReleaseEvent(QMouseEvent *) override {}
    void contentsContextMenuEvent(QContextMenuEvent *e) override { contextAt = e->pos(); }
    void viewportResizeEvent(QResizeEvent *) override { ++viewportResizes; }
    void fontChange(const QFont &old) override
    {
        ++fontChanges;
        UScrollView::fontChange(old);
    }
};

class ScrollViewTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        view = std::make_unique<RecordingView>();
        view->setMargins(30, 20, 0, 0);
        view->resize(300, 200);
        view->resizeContents(1000, 800);
        view->show();
    }

    std::unique_ptr<RecordingView> view;
};

} // namespace

TEST_F(ScrollViewTest, MarginsLeaveRoomAroundTheViewport)
{
    EXPECT_EQ(view->leftMargin(), 30);
    EXPECT_EQ(view->topMargin(), 20);
    EXPECT_EQ(view->viewport()->geometry(), QRect(30, 20, 270, 180));
    EXPECT_EQ(view->visibleWidth(), 270);
    EXPECT_EQ(view->visibleHeight(), 180);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 1000 - 270);
    EXPECT_EQ(view->verticalScrollBar()->maximum(), 800 - 180);

    const int before = view->viewportResizes;
    view->setMargins(50, 20, 10, 0);
    EXPECT_EQ(view->visibleWidth(), 240);
    EXPECT_GT(view->viewportResizes, before);
    EXPECT_EQ(view->horizontalScrollBar()->maximum(), 1000 - 240);
}

TEST_F(ScrollViewTest, CoordinatesMapBothWays)
{
    view->setContentsPos(100, 50);
    EXPECT_EQ(view->contentsX(), 100);
    EXPECT_EQ(view->contentsY(), 50);
    EXPECT_EQ(view->contentsToViewport(QPoint(150, 60)), QPoint(50, 10));
    EXPECT_EQ(view->viewportToContents(QPoint(50, 10)), QPoint(150, 60));
    int x = 0;
    int y = 0;
    view->viewportToContents(0, 0, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(100, 50));

    // Past the end the position stops where the contents end.
    view->setContentsPos(5000, 5000);
    EXPECT_EQ(view->contentsX(), 730);
    EXPECT_EQ(view->contentsY(), 620);
    view->scrollBy(-30, -20);
    EXPECT_EQ(view->contentsX(), 700);
}

TEST_F(ScrollViewTest, EnsureVisibleScrollsAsLittleAsPossible)
{
    view->ensureVisible(900, 700);
    EXPECT_EQ(view->contentsX(), 900 - 270 + 50);
    EXPECT_EQ(view->contentsY(), 700 - 180 + 50);

    view->ensureVisible(800, 650); // already inside the margins: nothing moves
    EXPECT_EQ(view->contentsX(), 680);
    EXPECT_EQ(view->contentsY(), 570);

    view->ensureVisible(10, 10);
    EXPECT_EQ(view->contentsX(), 0);
    EXPECT_EQ(view->contentsY(), 0);

    view->ensureVisible(995, 790, 0, 0);
    EXPECT_EQ(view->contentsX(), 995 - 270);
    EXPECT_EQ(view->contentsY(), 790 - 180);

    // Contents that fit never scroll.
    view->resizeContents(200, 100);
    view->ensureVisible(190, 90);
    EXPECT_EQ(view->contentsX(), 0);
    EXPECT_EQ(view->contentsY(), 0);
}

TEST_F(ScrollViewTest, ChildrenKeepTheirContentsPositionWhenScrolling)
{
    auto *editor = new QWidget;
    view->addChild(editor, 400, 300);
    EXPECT_EQ(editor->parentWidget(), view->viewport());
    EXPECT_EQ(editor->pos(), QPoint(400, 300));

    view->setContentsPos(350, 250);
    EXPECT_EQ(editor->pos(), QPoint(50, 50));
    view->horizontalScrollBar()->setValue(360);
    EXPECT_EQ(editor->pos(), QPoint(40, 50));

    view->moveChild(editor, 500, 260);
    EXPECT_EQ(editor->pos(), QPoint(140, 10));
    EXPECT_EQ(view->childX(editor), 500);
    EXPECT_EQ(view->childY(editor), 260);

    delete editor; // a child that goes away is forgotten
    view->setContentsPos(0, 0);
}

TEST_F(ScrollViewTest, EventsArriveInContentsCoordinates)
{
    view->setContentsPos(100, 50);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(10, 20));
    EXPECT_EQ(view->pressedAt, QPoint(110, 70));

    QContextMenuEvent menu(QContextMenuEvent::Mouse, QPoint(5, 6),
                           view->viewport()->mapToGlobal(QPoint(5, 6)));
    QCoreApplication::sendEvent(view->viewport(), &menu);
    EXPECT_EQ(view->contextAt, QPoint(105, 56));

    view->drawn = QRect();
    view->viewport()->grab();
    EXPECT_EQ(view->drawn, QRect(100, 50, 270, 180));
    view->drawn = QRect();
    view->viewport()->grab(QRect(10, 10, 20, 30));
    EXPECT_EQ(view->drawn, QRect(110, 60, 20, 30));
}

TEST_F(ScrollViewTest, FontChangeDropsTheCachedSizeHint)
{
    view->setCachedSizeHint(QSize(123, 45));
    QFont font = view->font();
    font.setPointSize(font.pointSize() + 3);
    view->setFont(font);
    EXPECT_EQ(view->fontChanges, 1);
    EXPECT_FALSE(view->cachedSizeHint().isValid());
}
