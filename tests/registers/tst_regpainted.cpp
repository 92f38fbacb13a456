// Items the view paints itself: clicks, tooltips, the combo box and the in-place editor must
// find the item on screen wherever the view scrolled, and a closed group's children none.
#include "regviewfixture.h"

#include "modalanswers.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QToolTip>

namespace {

void pressEnd(RegView *view)
{
    QTest::keyClick(view, Qt::Key_End);
    QApplication::processEvents();
}

} // namespace

TEST_F(RegViewTest, ClicksAndTooltipsFindTheItemWhereverTheViewScrolled)
{
    addPlain(60);
    const std::string longName(30, 'L');
    add(longName.c_str());
    makeView(nullptr, 200, 150);
    click(item("Core.R0"));
    pressEnd(view);
    ASSERT_GT(view->contentsY(), 0);
    const char *const targets[] = {"Core.R58", "Core.R57"};
    for (const char *target : targets) {
        click(item(target));
        EXPECT_EQ(selectedNames(), QStringList({target}));
    }
    const struct
    {
        RegItem *target;
    } tips[] = {{item(("Core." + longName).c_str())}, {item("Core.R59")}};
    for (const auto &tip : tips) {
        const QPoint at = onScreen(tip.target);
        QHelpEvent help(QEvent::ToolTip, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &help);
        EXPECT_EQ(QToolTip::text(), tip.target->nameToolTip());
    }
    QToolTip::hideText();
}

TEST_F(RegViewTest, AClosedGroupsChildrenTakeNoClicks)
{
    add("G", REG_FLAG_GROUP_HEAD | 0x10);
    add("A", REG_FLAG_IN_GROUP);
    add("R", 0x8000);
    makeView(nullptr, 120);
    const QRect childPlace = item("Core.G.A")->geometry();
    clickIcon(item("Core.G"));
    ASSERT_FALSE(item("Core.G.A")->shown());
    RegItem *next = view->items().last();
    ASSERT_EQ(next->geometry().topLeft(), childPlace.topLeft());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->contentsToViewport(childPlace.topLeft() + QPoint(RegItem::nameX(), 4)));
    EXPECT_EQ(view->selection(), QList<RegItem *>({next}));
}

TEST_F(RegViewTest, ASelectionIsPaintedWhereTheItemLies)
{
    addPlain(60);
    makeView(nullptr, 200, 150);
    click(item("Core.R0"));
    pressEnd(view);
    click(item("Core.R58"));
    const QImage shot = view->viewport()->grab().toImage();
    const QColor selection = settings.colour(2), background = settings.colour(1);
    ASSERT_NE(selection, background);
    const int middle = item("Core.R58")->height() / 2;
    EXPECT_EQ(shot.pixelColor(onScreen(item("Core.R58"), QPoint(2, middle))), selection);
    EXPECT_EQ(shot.pixelColor(onScreen(item("Core.R57"), QPoint(2, middle))), background);
}

// A register wider than the view keeps its name in sight when it becomes current, whether
// it is reached by a key or by a click on its far end.
TEST_F(RegViewTest, ARegisterWiderThanTheViewShowsItsName)
{
    addPlain(30);
    makeView(nullptr, 400, 150);
    const int half = view->cellWidth() / 2;
    view->resize(view->width() + half - view->viewport()->width(), view->height());
    QApplication::processEvents();
    ASSERT_EQ(view->columns(), 1);
    ASSERT_GT(item("Core.R29")->width(), view->viewport()->width());
    click(item("Core.R0"));
    pressEnd(view);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R29"}));
    EXPECT_EQ(view->contentsX(), item("Core.R29")->geometry().left());
    EXPECT_GT(view->contentsY(), 0);
    view->setContentsPos(item("Core.R28")->width() - half, view->contentsY());
    const QPoint farEnd(item("Core.R28")->width() - 4, 4);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, onScreen(item("Core.R28"), farEnd));
    EXPECT_EQ(selectedNames(), QStringList({"Core.R28"}));
    EXPECT_EQ(view->contentsX(), 0);
}

TEST_F(RegViewTest, TheComboAndTheEditorSitOverTheirItemAfterAScroll)
{
    const char *const tables[] = {"A\tB\tC"};
    RegDataRecord t = tesk::host::enumTablesRecord(tables, 1);
    CuiRegPaneDataAdd(id, &t);
    addPlain(60);
    add("MODE", 0, REG_TYPE_ENUMERATED);
    add("G", REG_FLAG_GROUP_HEAD | 0x10);
    add("CHILD", REG_FLAG_IN_GROUP, REG_TYPE_ENUMERATED);
    makeView(nullptr, 200, 150);
    click(item("Core.R0"));
    pressEnd(view);
    ASSERT_GT(view->contentsY(), 0);
    ASSERT_TRUE(item("Core.G.CHILD")->combo()->isVisible());
    clickIcon(item("Core.G"));
    EXPECT_FALSE(item("Core.G.CHILD")->combo()->isVisible()) << "its group closed";

    QComboBox *combo = item("Core.MODE")->combo();
    ASSERT_NE(combo, nullptr);
    const QRect value = item("Core.MODE")->valueRect();
    EXPECT_TRUE(combo->isVisible());
    EXPECT_EQ(combo->geometry(), QRect(view->contentsToViewport(value.topLeft()), value.size()));
    click(item("Core.MODE"));
    QTest::keyClick(view, Qt::Key_Space);
    EXPECT_TRUE(combo->view()->isVisible());
    combo->hidePopup();

    // The first click scrolls the item wholly into view, the second edits it there.
    RegItem *r58 = item("Core.R58");
    click(r58);
    const QPoint expected =
        view->viewport()->mapToGlobal(view->contentsToViewport(r58->valueRect().topLeft()));
    QPoint editorAt;
    testhost::ModalAnswers answers;
    answers.setHandler([&editorAt](const testhost::ModalAnswers::Request &request) {
        if (!request.widget)
            return;
        editorAt = request.widget->geometry().topLeft();
        request.widget->close();
    });
    click(r58);
    EXPECT_EQ(editorAt, expected);
}

TEST_F(RegViewTest, ValuesOffScreenShowWhenScrolledInAndTheRecordHeldTheCellsForAWiderOne)
{
    addPlain(60);
    // A name no longer than the others: only the value is wide.
    add("W", 0, 4, 16);
    makeView(nullptr, 200, 150);
    std::vector<std::string> values(60, "00000001");
    values.push_back("1");
    update(values);
    values.assign(60, "00000002");
    values.push_back("1234567890abcdef");
    update(values);
    // Far off screen, the wide value is not formatted when idle: only once scrolled in.
    QApplication::processEvents();
    EXPECT_TRUE(item("Core.W")->stale());
    const int cell = view->cellWidth();
    click(item("Core.R0"));
    pressEnd(view);
    QApplication::processEvents();
    EXPECT_FALSE(item("Core.W")->stale());
    // Its record's width counted before it was formatted: the cells do not move on the scroll.
    const int widened = view->cellWidth();
    EXPECT_EQ(widened, cell);
    EXPECT_GE(item("Core.R0")->valueFieldWidth(), item("Core.W")->valueWidth());
    // Until the next update the cells keep the widest value formatted, also scrolled away.
    QTest::keyClick(view, Qt::Key_Home);
    QApplication::processEvents();
    EXPECT_EQ(view->cellWidth(), widened);
    pressEnd(view);
    EXPECT_EQ(item("Core.R59")->valueText(), QStringLiteral("0x00000002"));
    const QImage shot = view->viewport()->grab().toImage();
    EXPECT_FALSE(shot.isNull());
    EXPECT_EQ(item("Core.R59")->valueTextColour(), settings.colour(6));

    // A view that goes before its registers hears no more of them.
    delete view;
    view = nullptr;
    update(values);
}

TEST_F(RegViewTest, AWideValueScrolledAwayKeepsTheCellsAcrossUpdates)
{
    addPlain(60);
    add("WIDE", 0, 4, 16);
    makeView(nullptr, 260, 150);
    std::vector<std::string> values(60, "00000001");
    values.push_back("1234567890abcdef");
    update(values);
    QApplication::processEvents();
    click(item("Core.R0"));
    pressEnd(view);
    QApplication::processEvents();
    ASSERT_FALSE(item("Core.WIDE")->stale());
    const int cell = view->cellWidth();
    const int columns = view->columns();
    QTest::keyClick(view, Qt::Key_Home);
    QApplication::processEvents();
    // Two pages away the wide value waits unformatted; its last width still holds the cells.
    for (const char *step : {"00000002", "00000003"}) {
        values.assign(60, step);
        values.push_back("1234567890abcdef");
        update(values);
        QApplication::processEvents();
        ASSERT_TRUE(item("Core.WIDE")->stale());
        EXPECT_EQ(view->cellWidth(), cell) << step;
        EXPECT_EQ(view->columns(), columns) << step;
    }
}

TEST_F(RegViewTest, AnUpdateFormatsThePageBelowTheScreenWithoutAScroll)
{
    addPlain(80);
    makeView(nullptr, 200, 150);
    update(std::vector<std::string>(80, "00000001"));
    QApplication::processEvents();
    const int page = view->viewport()->height();
    std::vector<RegItem *> below;
    for (RegItem *i : view->items()) {
        const int top = i->geometry().top() - view->contentsY();
        if (top > page && top < 2 * page - i->height())
            below.push_back(i);
    }
    ASSERT_FALSE(below.empty());
    update(std::vector<std::string>(80, "00000002"));
    QApplication::processEvents();
    for (RegItem *i : below) {
        EXPECT_FALSE(i->stale()) << qPrintable(i->dataItem()->fullName());
        EXPECT_EQ(i->valueText(), QStringLiteral("0x00000002"));
    }
}
