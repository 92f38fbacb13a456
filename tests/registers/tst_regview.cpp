// The register view: columns, groups, moving by keys, the user view commands, the context
// menu's states and copying as text, driven by simulated mouse and keys.
#include "regviewfixture.h"

#include "modalanswers.h"
#include "registers/regicon.h"

#include <QClipboard>
#include <QMenu>

namespace {

// Resizes the view so that its viewport is the given width. In a large font the rows of the
// layout before may call for a vertical scroll bar which the new one does without: a second
// round then takes the bar's width back.
void setViewportWidth(RegView *view, int width)
{
    for (int round = 0; round < 3 && view->viewport()->width() != width; ++round) {
        view->resize(view->width() + width - view->viewport()->width(), view->height());
        QApplication::processEvents();
    }
}

} // namespace

TEST_F(RegViewTest, ColumnsAreHowManyCellsFitTheWidth)
{
    addPlain(12);
    makeView();
    // Names of registers below the first page are measured once the view is idle, and may
    // widen the cells.
    QApplication::processEvents();
    const int cell = view->cellWidth();
    ASSERT_GT(cell, 0);
    const struct
    {
        int width;
        int columns;
    } cases[] = {{cell * 2 / 3, 1}, {cell, 1}, {cell * 2 + cell / 2, 2}, {cell * 3, 3}};
    for (const auto &c : cases) {
        setViewportWidth(view, c.width);
        EXPECT_EQ(view->columns(), c.columns) << c.width;
    }
    // Reading order: R3 opens the second row of three columns.
    EXPECT_EQ(item("Core.R3")->geometry().y(),
              item("Core.R0")->geometry().y() + item("Core.R0")->height());
    EXPECT_EQ(item("Core.R4")->geometry().x(), cell);
}

TEST_F(RegViewTest, AnOpenGroupShowsItsTreeAndAClosedOneOpensLazily)
{
    add("G", REG_FLAG_GROUP_HEAD | 0x10);
    add("A", REG_FLAG_IN_GROUP);
    add("B", REG_FLAG_IN_GROUP);
    add("H", REG_FLAG_GROUP_HEAD);
    add("C", REG_FLAG_IN_GROUP);
    add("D", REG_FLAG_IN_GROUP);
    // One column: each child on a line of its own.
    makeView(nullptr, 120);
    ASSERT_EQ(view->columns(), 1);
    EXPECT_EQ(item("Core.G")->icon()->state(), int(RegIcon::Open));
    EXPECT_EQ(item("Core.G.A")->icon()->state(), int(RegIcon::Child));
    EXPECT_EQ(item("Core.G.B")->icon()->state(), int(RegIcon::LastChild));
    EXPECT_EQ(item("Core.G.H")->icon()->state(), int(RegIcon::Closed));
    EXPECT_GT(item("Core.G.A")->geometry().y(), item("Core.G")->geometry().y());
    EXPECT_EQ(view->item(QStringLiteral("Core.H.C")), nullptr);

    // A refused question leaves the group closed and childless.
    refuse = true;
    clickIcon(item("Core.G.H"));
    EXPECT_EQ(view->item(QStringLiteral("Core.H.C")), nullptr);
    EXPECT_EQ(item("Core.G.H")->icon()->state(), int(RegIcon::Closed));

    refuse = false;
    calls.clear();
    clickIcon(item("Core.G.H"));
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].op, RegOpMayChange);
    EXPECT_EQ(calls[1].op, RegOpDataUpdate);
    ASSERT_NE(view->item(QStringLiteral("Core.H.D")), nullptr);
    EXPECT_TRUE(item("Core.H.C")->shown());
    EXPECT_EQ(item("Core.G.H")->icon()->state(), int(RegIcon::Open));
    EXPECT_EQ(item("Core.H.D")->icon()->state(), int(RegIcon::LastChild));
    EXPECT_GT(item("Core.H.D")->geometry().y(), item("Core.H.C")->geometry().y());

    // Closing hides the children without asking the host.
    calls.clear();
    clickIcon(item("Core.G.H"));
    EXPECT_FALSE(item("Core.H.C")->shown());
    EXPECT_EQ(count(RegOpMayChange), 0);
}

TEST_F(RegViewTest, ArrowKeysMoveByPlaceOnScreen)
{
    addPlain(6);
    makeView();
    setViewportWidth(view, view->cellWidth() * 2 + 10);
    ASSERT_EQ(view->columns(), 2);
    // R0 R1 / R2 R3 / R4 R5
    click(item("Core.R3"));
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R1"}));
    QTest::keyClick(view, Qt::Key_Up);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R1"})) << "nothing above";
    click(item("Core.R4"));
    QTest::keyClick(view, Qt::Key_Left);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R3"})) << "left wraps in reading order";
    QTest::keyClick(view, Qt::Key_Right);
    QTest::keyClick(view, Qt::Key_Right);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R5"}));
    QTest::keyClick(view, Qt::Key_Home);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R0"}));
    QTest::keyClick(view, Qt::Key_End);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R5"}));
}

TEST_F(RegViewTest, ShiftArrowsSelectTheRectangleFromTheAnchor)
{
    addPlain(9);
    makeView();
    setViewportWidth(view, view->cellWidth() * 3 + 10);
    ASSERT_EQ(view->columns(), 3);
    // R0 R1 R2 / R3 R4 R5 / R6 R7 R8
    click(item("Core.R0"));
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QStringList names = selectedNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"Core.R0", "Core.R1", "Core.R3", "Core.R4"}));
    // Back up: the lower row leaves the selection.
    QTest::keyClick(view, Qt::Key_Up, Qt::ShiftModifier);
    names = selectedNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"Core.R0", "Core.R1"}));
    for (RegItem *i : view->items())
        EXPECT_EQ(i->selected(), names.contains(i->dataItem()->fullName()))
            << i->objectName().toStdString();
}

// An enumeration's list is as wide as its longest name, which the cells do not count: the
// item reaches far into the next column, and the rectangle still goes by the cells.
TEST_F(RegViewTest, ShiftArrowsTakeNoColumnAWideItemReachesInto)
{
    const char *const tables[] = {"A\tA MODE OF A RATHER LONG NAME INDEED"};
    RegDataRecord t = tesk::host::enumTablesRecord(tables, 1);
    CuiRegPaneDataAdd(id, &t);
    add("R0");
    add("MODE", 0, REG_TYPE_ENUMERATED);
    for (int i = 2; i < 9; ++i)
        add(("R" + std::to_string(i)).c_str());
    makeView();
    setViewportWidth(view, view->cellWidth() * 3 + 10);
    ASSERT_EQ(view->columns(), 3);
    RegItem *mode = item("Core.MODE");
    const QRect third = item("Core.R2")->geometry();
    ASSERT_EQ(mode->geometry().y(), third.y());
    ASSERT_GT(mode->geometry().right(), third.left() + view->cellWidth() / 3);
    click(item("Core.R0"));
    QTest::keyClick(view, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R0", "Core.MODE"}));
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QStringList names = selectedNames();
    names.sort();
    EXPECT_EQ(names, QStringList({"Core.MODE", "Core.R0", "Core.R3", "Core.R4"}));
}

TEST_F(RegViewTest, ControlClickAddsAndRemoves)
{
    addPlain(3);
    makeView();
    click(item("Core.R0"));
    click(item("Core.R2"), Qt::ControlModifier);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R0", "Core.R2"}));
    click(item("Core.R0"), Qt::ControlModifier);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R2"}));
    EXPECT_FALSE(item("Core.R0")->selected());
    // A plain click on one of several selected makes it the only one, without an edit.
    click(item("Core.R0"), Qt::ControlModifier);
    click(item("Core.R2"));
    EXPECT_EQ(selectedNames(), QStringList({"Core.R2"}));
    EXPECT_EQ(count(RegOpMayChange), 0);
}

TEST_F(RegViewTest, CopyToUserAddsOnlyWhatTheUserViewLacksAndRemoveReselects)
{
    addPlain(4);
    makeView();
    click(item("Core.R1"));
    click(item("Core.R2"), Qt::ControlModifier);
    EXPECT_TRUE(view->canAddToUser());
    QTest::keyClick(view, Qt::Key_T, Qt::ControlModifier);
    ASSERT_EQ(data().userView()->instances().size(), 2u);
    EXPECT_FALSE(view->canAddToUser());
    click(item("Core.R3"), Qt::ControlModifier);
    view->menuCommand(RegView::CommandCopyToUser);
    ASSERT_EQ(data().userView()->instances().size(), 3u);
    EXPECT_EQ(data().userView()->instances()[2]->item->fullName(), QLatin1String("Core.R3"));

    // The user view's own view removes and selects the next survivor.
    delete view;
    owner.userView = true;
    makeView(data().userView());
    ASSERT_EQ(view->items().size(), 3);
    click(item("Core.R1"));
    EXPECT_TRUE(view->canRemoveFromUser());
    view->menuCommand(RegView::CommandRemoveFromUser);
    EXPECT_EQ(data().userView()->instances().size(), 2u);
    EXPECT_EQ(view->items().size(), 2);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R2"}));
    click(item("Core.R3"));
    view->menuCommand(RegView::CommandRemoveFromUser);
    EXPECT_EQ(selectedNames(), QStringList({"Core.R2"})) << "none after it: the last shown";
}

namespace {

// What the context menu offers: each entry's text and whether it can be chosen.
QMap<QString, bool> menuStates(const testhost::ModalAnswers::Request &request)
{
    QMap<QString, bool> states;
    if (auto *menu = qobject_cast<QMenu *>(request.widget.data())) {
        for (QAction *action : menu->actions()) {
            if (!action->isSeparator())
                states.insert(action->text(), action->isEnabled());
        }
        menu->close();
    }
    return states;
}

} // namespace

TEST_F(RegViewTest, TheContextMenuEnablesWhatTheItemAllows)
{
    add("R0");
    add("RO", 0x80);
    const char *const tables[] = {"A\tB"};
    RegDataRecord t = tesk::host::enumTablesRecord(tables, 1);
    CuiRegPaneDataAdd(id, &t);
    add("E", 0x80, REG_TYPE_ENUMERATED);
    makeView();
    QGuiApplication::clipboard()->setText(QStringLiteral("12"));
    const struct
    {
        const char *item;
        bool format, paste, copyToUser, properties;
    } cases[] = {
        {"Core.R0", true, true, true, true},
        {"Core.RO", true, false, true, true},
        {"Core.E", false, false, true, true},
        // Copying to the user view asks about the selection, which still holds E.
        {nullptr, false, false, true, false},
    };
    for (const auto &c : cases) {
        RegItem *target = c.item ? item(c.item) : nullptr;
        if (target)
            click(target);
        testhost::ModalAnswers answers;
        QMap<QString, bool> states;
        answers.setHandler([&states](const auto &request) { states = menuStates(request); });
        const QPoint at = target ? onScreen(target) : QPoint(390, 290);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view->viewport()->mapToGlobal(at));
        QApplication::sendEvent(view->viewport(), &event);
        const char *name = c.item ? c.item : "nothing";
        EXPECT_EQ(states.value("Format"), c.format) << name;
        EXPECT_EQ(states.value("View Memory At Value"), c.format) << name;
        EXPECT_EQ(states.value("Copy"), c.format) << name;
        EXPECT_EQ(states.value("Paste"), c.paste) << name;
        EXPECT_EQ(states.value("Copy to User View"), c.copyToUser) << name;
        EXPECT_FALSE(states.value("Remove from User View")) << name;
        EXPECT_EQ(states.value("Properties"), c.properties) << name;
        EXPECT_TRUE(states.value("Copy All as Text")) << name;
        EXPECT_TRUE(states.value("Show User View")) << name;
    }
}

TEST_F(RegViewTest, CopyAllAsTextWritesEveryShownRegister)
{
    add("R0");
    add("FLAG", 0x100);
    makeView();
    update({"0000002a", "00000001"});
    view->copyAllAsText();
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              QStringLiteral("R0\t0x0000002a\nFLAG\t--------\n"));
}

TEST_F(RegViewTest, AnItemTheHostDeletesDuringItsQuestionIsLeftAlone)
{
    add("G", REG_FLAG_GROUP_HEAD);
    add("A", REG_FLAG_IN_GROUP);
    makeView();
    onCall = [this](CuiRegOp op) {
        if (op == RegOpMayChange) {
            delete view;
            view = nullptr;
        }
    };
    item("Core.G")->toggleOpenChildren();
    EXPECT_EQ(view, nullptr);
    EXPECT_EQ(count(RegOpDataUpdate), 0);
}

TEST_F(RegViewTest, ACopiedChildGoesToTheUserViewAsARegisterOfItsOwn)
{
    add("G", REG_FLAG_GROUP_HEAD | 0x10);
    add("A", REG_FLAG_IN_GROUP);
    add("B", REG_FLAG_IN_GROUP);
    makeView();
    click(item("Core.G.A"));
    QTest::keyClick(view, Qt::Key_T, Qt::ControlModifier);
    // The shortcut goes through the owner, as the menu entry does.
    EXPECT_EQ(owner.commands, std::vector<int>({RegView::CommandCopyToUser}));
    ASSERT_EQ(data().userView()->instances().size(), 1u);
    const RegDataItemInstance *copied = data().userView()->instances().front();
    EXPECT_EQ(copied->item->fullName(), QLatin1String("Core.G.A"));
    EXPECT_EQ(copied->flags & REG_FLAG_IN_GROUP, 0u);
}
