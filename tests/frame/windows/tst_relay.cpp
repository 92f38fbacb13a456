// The host's tool tip and the text drag relay through their exports.
#include "frames.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "frame/windows/cuitooltip.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/ksodraganddrop.h"

#include <QCoreApplication>
#include <QDropEvent>
#include <QMimeData>
#include <QPointer>
#include <QTextDocument>
#include <QUrl>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <utility>

TEST(ToolTip, ShownAtAPositionAndReplaced)
{
    CuiToolTipHide();
    CuiToolTipShowAt("first", 40, 50);
    QPointer<CuiToolTip> first = CuiToolTip::shown();
    ASSERT_FALSE(first.isNull());
    EXPECT_EQ(first->pos(), QPoint(40, 50));
    EXPECT_EQ(first->text(), QStringLiteral("<qt><b>Qt</b><br>first</qt>"));
    EXPECT_EQ(first->objectName(), QStringLiteral("toolTipTip"));
    EXPECT_TRUE(first->isVisible());

    CuiToolTipShowAt("second", 70, 80);
    EXPECT_TRUE(first.isNull());
    EXPECT_EQ(CuiToolTip::shown()->pos(), QPoint(70, 80));
    CuiToolTipHide();
    EXPECT_EQ(CuiToolTip::shown(), nullptr);
    CuiToolTipHide();
}

TEST(DragContext, KeptForTheHost)
{
    EXPECT_EQ(CuiKsoDragAndDrop_setDragContext(42), 42);
    int out = 0;
    EXPECT_EQ(CuiKsoDragAndDrop_getDragContext(&out), &out);
    EXPECT_EQ(out, 42);
    EXPECT_EQ(CuiKsoDragAndDrop_getDragContext(nullptr), nullptr);
    CuiKsoDragAndDrop_dragStart(0, nullptr);
}

namespace {

struct BoxCall
{
    TeskHandle box;
    int copy;
    std::string text;
};
std::vector<BoxCall> g_dragOver;
std::vector<BoxCall> g_drops;
int g_dragOverAnswer = 0;
int g_dropAnswer = 0;

// What the host does inside its answer, once (a test's own relay of the drag to another box).
std::function<void(TeskHandle box)> g_insideAnswer;

void runInsideAnswer(TeskHandle box)
{
    if (auto inside = std::exchange(g_insideAnswer, nullptr))
        inside(box);
}

int dragOver(TeskHandle box, int copy, int, int, const char *text)
{
    g_dragOver.push_back({box, copy, text});
    runInsideAnswer(box);
    return g_dragOverAnswer;
}

int dropText(TeskHandle box, int copy, int, int, const char *text)
{
    g_drops.push_back({box, copy, text});
    runInsideAnswer(box);
    return g_dropAnswer;
}

// The library's own relay, as its panes hand over the drag events they are delivering.
void relayMove(QWidget *widget, TeskHandle box, QDragMoveEvent *event)
{
    tesk::frame::dragdrop::dragMove(widget, box, event);
}

void relayDrop(QWidget *widget, TeskHandle box, QDropEvent *event)
{
    tesk::frame::dragdrop::drop(widget, box, event);
}

void *g_windBoxFuncs[13] = {};

class DragRelay : public ::testing::Test
{
protected:
    void SetUp() override
    {
        g_windBoxFuncs[7] = reinterpret_cast<void *>(&dragOver);
        g_windBoxFuncs[8] = reinterpret_cast<void *>(&dropText);
        CuiFunctionRegistryAddVoidStar("windBoxFuncs", g_windBoxFuncs);
        g_dragOver.clear();
        g_drops.clear();
        g_insideAnswer = nullptr;
        data.setText(QStringLiteral("a\nb"));
    }
    void TearDown() override { CuiFunctionRegistryRemoveVoidStar("windBoxFuncs"); }

    QDragMoveEvent moveEvent(Qt::DropAction action, const QMimeData *mime)
    {
        return QDragMoveEvent(QPoint(5, 5), action, mime, Qt::LeftButton, {});
    }

    QWidget widget;
    QMimeData data;
};

} // namespace

TEST_F(DragRelay, DragOverAsksTheBoxAndRemembersTheAnswer)
{
    g_dragOverAnswer = 5;
    QDragMoveEvent copy = moveEvent(Qt::CopyAction, &data);
    relayMove(&widget, 9, &copy);
    ASSERT_EQ(g_dragOver.size(), 1u);
    EXPECT_EQ(g_dragOver[0].box, 9);
    EXPECT_EQ(g_dragOver[0].copy, 1);
    EXPECT_EQ(g_dragOver[0].text, "a\nb");
    EXPECT_TRUE(copy.isAccepted());
    EXPECT_EQ(tesk::frame::dragdrop::lastDragOverAnswer(), 5);

    g_dragOverAnswer = 0;
    QDragMoveEvent move = moveEvent(Qt::MoveAction, &data);
    move.ignore();
    relayMove(&widget, 9, &move);
    EXPECT_EQ(g_dragOver[1].copy, 0);
    EXPECT_FALSE(move.isAccepted());
}

TEST_F(DragRelay, NoTextNoBoxNoWidgetNoQuestion)
{
    g_dragOverAnswer = 4;
    QDragMoveEvent first = moveEvent(Qt::CopyAction, &data);
    relayMove(&widget, 9, &first);

    QMimeData image;
    image.setData(QStringLiteral("image/png"), QByteArray("x"));
    g_dragOverAnswer = 0;
    QDragMoveEvent other = moveEvent(Qt::CopyAction, &image);
    other.ignore();
    relayMove(&widget, 9, &other);
    // A list of files is no text, though the toolkit offers it as such.
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.elf"))});
    QDragMoveEvent urls = moveEvent(Qt::CopyAction, &files);
    urls.ignore();
    relayMove(&widget, 9, &urls);
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &files, Qt::LeftButton, {});
    dropped.ignore();
    relayDrop(&widget, 9, &dropped);
    EXPECT_TRUE(g_drops.empty());
    EXPECT_FALSE(urls.isAccepted());
    relayMove(&widget, 0, &first);
    // A box the library made for a dock of its own is no host's to be asked about.
    relayMove(&widget, reinterpret_cast<TeskHandle>(tesk::handles::add(&widget)), &first);
    relayMove(nullptr, 9, &first);
    relayMove(&widget, 9, nullptr);
    EXPECT_EQ(g_dragOver.size(), 1u);
    EXPECT_FALSE(other.isAccepted());
    // The answer of the last real question stays.
    EXPECT_EQ(tesk::frame::dragdrop::lastDragOverAnswer(), 4);
}

TEST_F(DragRelay, DropMovesOnlyWhenTheBoxAllowedIt)
{
    struct Case
    {
        int dragOverAnswer;
        Qt::DropAction action;
        int copy;
    };
    const Case cases[] = {
        {4, Qt::MoveAction, 0},
        {1, Qt::MoveAction, 1},
        {4, Qt::CopyAction, 1},
    };
    for (const Case &c : cases) {
        g_dragOverAnswer = c.dragOverAnswer;
        QDragMoveEvent over = moveEvent(c.action, &data);
        relayMove(&widget, 3, &over);
        QDropEvent dropped(QPointF(5, 5), c.action, &data, Qt::LeftButton, {});
        g_dropAnswer = 1;
        relayDrop(&widget, 3, &dropped);
        ASSERT_FALSE(g_drops.empty());
        EXPECT_EQ(g_drops.back().copy, c.copy) << c.dragOverAnswer << " " << c.action;
        EXPECT_EQ(g_drops.back().text, "a\r\nb");
        EXPECT_TRUE(dropped.isAccepted());
    }
    g_dropAnswer = 0;
    QDropEvent refused(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    relayDrop(&widget, 3, &refused);
    EXPECT_FALSE(refused.isAccepted());
}

TEST_F(DragRelay, MissingHostEntriesAnswerNo)
{
    g_windBoxFuncs[7] = nullptr;
    g_windBoxFuncs[8] = nullptr;
    QDragMoveEvent over = moveEvent(Qt::CopyAction, &data);
    over.ignore();
    relayMove(&widget, 3, &over);
    EXPECT_FALSE(over.isAccepted());
    EXPECT_EQ(tesk::frame::dragdrop::lastDragOverAnswer(), 0);
    CuiFunctionRegistryRemoveVoidStar("windBoxFuncs");
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    relayDrop(&widget, 3, &dropped);
    EXPECT_FALSE(dropped.isAccepted());
}

TEST_F(DragRelay, AWidgetPointerNoLongerAliveIsNotUsed)
{
    g_dragOverAnswer = 1;
    g_dropAnswer = 1;
    auto *gone = new QWidget;
    delete gone;
    QDragMoveEvent move = moveEvent(Qt::CopyAction, &data);
    move.ignore();
    relayMove(gone, 9, &move);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    drop.ignore();
    relayDrop(gone, 9, &drop);
    EXPECT_TRUE(g_dragOver.empty());
    EXPECT_TRUE(g_drops.empty());
    EXPECT_FALSE(move.isAccepted());
}

TEST_F(DragRelay, TheHostPassesTheRelayedDragOnToAnotherBox)
{
    g_dragOverAnswer = 1;
    QDragMoveEvent over = moveEvent(Qt::CopyAction, &data);
    g_insideAnswer = [&](TeskHandle) { CuiKsoDragAndDrop_dragMoveEvent(&widget, 4, &over); };
    relayMove(&widget, 9, &over);
    ASSERT_EQ(g_dragOver.size(), 2u);
    EXPECT_EQ(g_dragOver[0].box, 9);
    EXPECT_EQ(g_dragOver[1].box, 4);
    EXPECT_EQ(g_dragOver[1].text, "a\nb");

    g_dropAnswer = 1;
    QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    g_insideAnswer = [&](TeskHandle) { CuiKsoDragAndDrop_dropEvent(&widget, 4, &dropped); };
    relayDrop(&widget, 9, &dropped);
    ASSERT_EQ(g_drops.size(), 2u);
    EXPECT_EQ(g_drops[1].box, 4);
    EXPECT_TRUE(dropped.isAccepted());
}

TEST_F(DragRelay, EventsTheLibraryIsNotRelayingAreRefusedUnread)
{
    g_dragOverAnswer = 1;
    g_dropAnswer = 1;
    // An event the host kept from an earlier drag, freed since.
    auto *earlier = new QDragMoveEvent(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    relayMove(&widget, 9, earlier);
    delete earlier;
    CuiKsoDragAndDrop_dragMoveEvent(&widget, 9, earlier);
    auto *earlierDrop = new QDropEvent(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    void *const freedDrop = earlierDrop;
    delete earlierDrop;
    CuiKsoDragAndDrop_dropEvent(&widget, 9, freedDrop);
    // An event of its own making, never delivered.
    QDragMoveEvent own = moveEvent(Qt::CopyAction, &data);
    own.ignore();
    CuiKsoDragAndDrop_dragMoveEvent(&widget, 9, &own);
    EXPECT_FALSE(own.isAccepted());
    EXPECT_EQ(g_dragOver.size(), 1u) << "only the library's own relay asked";
    EXPECT_TRUE(g_drops.empty());

    // While a drag is relayed: another garbage event, the same box again (which would ask it
    // forever), the drag under the drop export, and a widget that is no widget.
    QDragMoveEvent over = moveEvent(Qt::CopyAction, &data);
    alignas(QDragMoveEvent) unsigned char garbage[sizeof(QDragMoveEvent)];
    std::fill(std::begin(garbage), std::end(garbage), 0xA5);
    g_insideAnswer = [&](TeskHandle) {
        CuiKsoDragAndDrop_dragMoveEvent(&widget, 4, garbage);
        CuiKsoDragAndDrop_dragMoveEvent(&widget, 9, &over);
        CuiKsoDragAndDrop_dropEvent(&widget, 4, &over);
        CuiKsoDragAndDrop_dragMoveEvent(garbage, 4, &over);
    };
    relayMove(&widget, 9, &over);
    EXPECT_EQ(g_dragOver.size(), 2u);
    EXPECT_TRUE(g_drops.empty());
}

TEST(ToolTip, HostTextIsShownAsItIsAndLoadsNothing)
{
    // Markup that would make the toolkit read a file, shown as the characters it is.
    const char *markup = "<img src=\"/dev/zero\"><b>bold</b>\nnext";
    CuiToolTipShowAt(markup, 10, 10);
    ASSERT_NE(CuiToolTip::shown(), nullptr);
    QTextDocument shown;
    shown.setHtml(CuiToolTip::shown()->text());
    EXPECT_EQ(shown.toPlainText(), QStringLiteral("Qt\n<img src=\"/dev/zero\"><b>bold</b>\nnext"));
    CuiToolTipHide();
}

namespace {

class DockDragRelay : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        g_windBoxFuncs[7] = reinterpret_cast<void *>(&dragOver);
        g_windBoxFuncs[8] = reinterpret_cast<void *>(&dropText);
        CuiFunctionRegistryAddVoidStar("windBoxFuncs", g_windBoxFuncs);
        g_dragOver.clear();
        g_drops.clear();
        data.setText(QStringLiteral("symbol"));
    }
    void TearDown() override
    {
        CuiFunctionRegistryRemoveVoidStar("windBoxFuncs");
        FrameTest::TearDown();
    }
    QMimeData data;
};

} // namespace

TEST_F(DockDragRelay, ADropOnTheDockWindowReachesTheHostForItsBox)
{
    MainWindow *window = createFrame("Debugger", 8);
    window->show();
    QtCreateDocked(1, 0);
    DockWidget *dock = window->createDockedWindow(81, "Watch", nullptr);
    ASSERT_TRUE(dock);
    g_dragOverAnswer = 1;
    QDragEnterEvent enter(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(dock, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDragMoveEvent over(QPoint(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(dock, &over);
    ASSERT_EQ(g_dragOver.size(), 2u);
    EXPECT_EQ(g_dragOver[1].box, 81);
    g_dropAnswer = 1;
    QDropEvent dropped(QPointF(4, 4), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(dock, &dropped);
    ASSERT_EQ(g_drops.size(), 1u);
    EXPECT_EQ(g_drops[0].box, 81);
    EXPECT_EQ(g_drops[0].text, "symbol");
    // A box that refuses where the drag enters keeps the drag (it is asked again as the
    // drag moves on), but the refused spot takes no drop.
    g_dragOverAnswer = 0;
    QDragEnterEvent entered(QPoint(3, 3), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(dock, &entered);
    EXPECT_TRUE(entered.isAccepted());
    QDragMoveEvent refused(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(dock, &refused);
    EXPECT_FALSE(refused.isAccepted());
}
