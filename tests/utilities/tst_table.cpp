// The table widget driven as a user drives it: mouse and keys on the cells and the headers,
// read back through the table's state.
#include "testhost.h"

#include "utilities/globalstrut.h"
#include "utilities/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace {

class TableTest : public ::testing::Test
{
protected:
    void SetUp() override { testhost::startLibrary(); }

    // A shown table of rows x cols cells of 100 x 20 pixels.
    void make(int rows, int cols, QSize size = QSize(640, 480))
    {
        table = std::make_unique<UTable>();
        table->setFrameStyle(QFrame::NoFrame);
        table->init(rows, cols);
        table->resize(size);
        table->show();
        QCoreApplication::processEvents();
    }

    QWidget *viewport() const { return table->viewport(); }

    QPoint cellCenter(int row, int col) const
    {
        const QRect r = table->cellGeometry(row, col);
        return table->contentsToViewport2(r.center());
    }

    void click(int row, int col, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(viewport(), Qt::LeftButton, mods, cellCenter(row, col));
    }

    void key(int k, Qt::KeyboardModifiers mods = {})
    {
        QTest::keyClick(table.get(), Qt::Key(k), mods);
    }

    QPoint current() const { return QPoint(table->currentColumn(), table->currentRow()); }

    UTableSelection onlySelection() const
    {
        EXPECT_EQ(table->numSelections(), 1);
        return table->selection(0);
    }

    UTableHeader *top() const { return static_cast<UTableHeader *>(table->horizontalHeader()); }
    UTableHeader *left() const { return static_cast<UTableHeader *>(table->verticalHeader()); }

    QStringList column(int col) const
    {
        QStringList texts;
        for (int r = 0; r < table->numRows(); ++r)
            texts << table->text(r, col);
        return texts;
    }

    std::unique_ptr<UTable> table;
};

// A mouse event with modifiers, which QTest's mouse moves cannot carry.
void sendMouse(QWidget *w, QEvent::Type type, QPoint pos, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers mods)
{
    QMouseEvent e(type, pos, w->mapToGlobal(pos), button, buttons, mods);
    QApplication::sendEvent(w, &e);
}

} // namespace

TEST_F(TableTest, InitBuildsHeadersSizedByTheStrut)
{
    make(0, 0);
    EXPECT_EQ(table->numRows(), 0);
    EXPECT_EQ(table->numCols(), 0);
    EXPECT_EQ(current(), QPoint(0, 0));
    EXPECT_EQ(table->item(0, 0), nullptr);
    EXPECT_EQ(table->horizontalHeader()->objectName(), QStringLiteral("right table header"));
    EXPECT_EQ(table->verticalHeader()->objectName(), QStringLiteral("left table header"));

    // Column widths follow the strut's height and row heights its width.
    cuiSetGlobalStrut(QSize(10, 30));
    make(2, 2);
    EXPECT_EQ(table->columnWidth(1), 100);
    EXPECT_EQ(table->rowHeight(1), 20);
    cuiSetGlobalStrut(QSize(30, 120));
    make(2, 2);
    EXPECT_EQ(table->columnWidth(1), 120);
    EXPECT_EQ(table->rowHeight(1), 30);
    cuiSetGlobalStrut(QSize(0, 0));

    make(2, 2);
    EXPECT_EQ(top()->sectionState(0), UTableHeader::Bold);
    EXPECT_EQ(left()->sectionState(0), UTableHeader::Bold);
    EXPECT_EQ(table->leftMargin(), 30);
    EXPECT_EQ(table->topMargin(), table->fontMetrics().height() + 4);
}

namespace {

class CountingTable : public UTable
{
public:
    CountingTable() { init(2, 3); }
    QSize tableSizeHint() const override
    {
        ++asked;
        return UTable::tableSizeHint();
    }
    mutable int asked = 0;
};

} // namespace

TEST_F(TableTest, SizeHintIsTheTableWithItsMarginsAndIsCached)
{
    CountingTable t;
    const QSize hint = t.sizeHint();
    EXPECT_EQ(hint, QSize(300 + 30 + 2, 40 + t.fontMetrics().height() + 4 + 2));
    EXPECT_EQ(t.sizeHint(), hint);
    EXPECT_EQ(t.asked, 1);
    t.refreshFont();
    t.sizeHint();
    EXPECT_EQ(t.asked, 2);
    EXPECT_EQ(t.contentsSizeHint(), hint);
}

TEST_F(TableTest, TextCreatesOneItemAndCellsOutsideAreIgnored)
{
    make(3, 3);
    table->setText(1, 1, QStringLiteral("one"));
    UTableItem *item = table->item(1, 1);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->editType(), UTableItem::OnTyping);
    table->setText(1, 1, QStringLiteral("two"));
    EXPECT_EQ(table->item(1, 1), item);
    EXPECT_EQ(table->text(1, 1), QStringLiteral("two"));

    table->setText(7, 0, QStringLiteral("out"));
    table->setText(-1, 0, QStringLiteral("out"));
    EXPECT_EQ(table->item(7, 0), nullptr);
    EXPECT_TRUE(table->text(7, 0).isNull());
    EXPECT_TRUE(table->pixmap(-1, 2).isNull());
    table->clearCell(9, 9);
    table->clearCell(1, 1);
    EXPECT_EQ(table->item(1, 1), nullptr);
}

TEST_F(TableTest, ClickShiftClickAndControlClickSelect)
{
    make(6, 4);
    QSignalSpy changed(table.get(), &UTable::selectionChanged);
    QSignalSpy currentChanged(table.get(), &UTable::currentChanged);

    // With no selection the current cell does not count as selected.
    EXPECT_FALSE(table->isSelected(0, 0));

    click(1, 1);
    EXPECT_EQ(current(), QPoint(1, 1));
    EXPECT_EQ(onlySelection(), UTableSelection(1, 1, 1, 1));
    EXPECT_EQ(currentChanged.count(), 1);

    click(3, 2, Qt::ShiftModifier);
    EXPECT_EQ(current(), QPoint(2, 3));
    const UTableSelection s = onlySelection();
    EXPECT_EQ(s, UTableSelection(1, 1, 3, 2));
    EXPECT_EQ(s.anchorRow(), 1);
    EXPECT_TRUE(table->isSelected(2, 2));
    EXPECT_FALSE(table->isSelected(4, 2));
    EXPECT_EQ(top()->sectionState(2), UTableHeader::Bold);
    EXPECT_EQ(left()->sectionState(3), UTableHeader::Bold);

    click(5, 0, Qt::ControlModifier);
    EXPECT_EQ(table->numSelections(), 2);
    EXPECT_EQ(table->currentSelection(), 1);
    EXPECT_TRUE(table->isSelected(2, 1));
    EXPECT_TRUE(table->isSelected(5, 0));

    // Once there is a selection, the current cell counts wherever it is.
    EXPECT_TRUE(table->isRowSelected(5));
    EXPECT_TRUE(table->isSelected(5, 0, true));

    changed.clear();
    click(0, 3);
    EXPECT_EQ(onlySelection(), UTableSelection(0, 3, 0, 3));
    EXPECT_EQ(changed.count(), 1);

    table->clearSelection(false);
    changed.clear();
    table->clearSelection(false);
    EXPECT_EQ(changed.count(), 0);
}

TEST_F(TableTest, DragSelectsARectangleAndClickInsideASelectionKeepsItUntilRelease)
{
    make(6, 4);
    QTest::mousePress(viewport(), Qt::LeftButton, {}, cellCenter(1, 0));
    QTest::mouseMove(viewport(), cellCenter(2, 1));
    QTest::mouseMove(viewport(), cellCenter(4, 2));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, cellCenter(4, 2));
    EXPECT_EQ(onlySelection(), UTableSelection(1, 0, 4, 2));
    EXPECT_EQ(current(), QPoint(2, 4));

    // A press inside the selection keeps it; the release starts a new one there.
    QTest::mousePress(viewport(), Qt::LeftButton, {}, cellCenter(2, 1));
    EXPECT_EQ(onlySelection(), UTableSelection(1, 0, 4, 2));
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, cellCenter(2, 1));
    ASSERT_EQ(table->numSelections(), 1);
    EXPECT_FALSE(table->selection(0).isActive());
    EXPECT_EQ(table->selection(0).anchorRow(), 2);
}

TEST_F(TableTest, AddedSelectionsKeepTheirRectangleAndAreClamped)
{
    make(5, 5);
    table->selectCells(4, 4, 1, 2);
    EXPECT_EQ(onlySelection(), UTableSelection(1, 2, 4, 4));
    table->clearSelection();

    // Past the end it is clamped to the last row and column.
    EXPECT_EQ(table->addSelection(UTableSelection(3, 3, 9, 9)), 0);
    EXPECT_EQ(onlySelection(), UTableSelection(3, 3, 4, 4));
    EXPECT_EQ(table->addSelection(UTableSelection()), -1);

    table->selectRow(1);
    table->selectColumn(0);
    EXPECT_EQ(table->numSelections(), 3);
    EXPECT_TRUE(table->isRowSelected(1, true));
    EXPECT_TRUE(table->isColumnSelected(0, true));
    EXPECT_FALSE(table->isRowSelected(3, true));

    table->updateHeaderStates();
    EXPECT_EQ(left()->sectionState(1), UTableHeader::Selected);
    EXPECT_EQ(top()->sectionState(0), UTableHeader::Selected);

    table->removeSelection(UTableSelection(1, 0, 1, 4));
    EXPECT_EQ(table->numSelections(), 2);
    table->removeSelection(7);
    EXPECT_EQ(table->numSelections(), 2);
    EXPECT_EQ(table->selection(7), UTableSelection());
    EXPECT_EQ(table->selection(7).topRow(), -1);
}

TEST_F(TableTest, KeysMoveTheCurrentCellAndShiftExtends)
{
    make(30, 3, QSize(400, 200));
    table->setFocus();
    key(Qt::Key_Down);
    key(Qt::Key_Right);
    EXPECT_EQ(current(), QPoint(1, 1));
    key(Qt::Key_Down, Qt::ShiftModifier);
    key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(onlySelection(), UTableSelection(1, 1, 2, 2));
    key(Qt::Key_Left);
    EXPECT_EQ(table->numSelections(), 0);
    EXPECT_EQ(current(), QPoint(1, 2));

    key(Qt::Key_End);
    EXPECT_EQ(current(), QPoint(1, 29));
    key(Qt::Key_Home);
    EXPECT_EQ(current(), QPoint(1, 0));
    key(Qt::Key_PageDown);
    EXPECT_GT(table->currentRow(), 3);
    EXPECT_LT(table->currentRow(), 29);
    EXPECT_GE(table->contentsY() + table->visibleHeight(), table->rowPos(table->currentRow()) + 20);
    // On the last page Page Down goes to the last row.
    table->setCurrentCell(27, 1);
    key(Qt::Key_PageDown);
    EXPECT_EQ(table->currentRow(), 29);
    key(Qt::Key_PageUp);
    EXPECT_LT(table->currentRow(), 29);

    // Tab moves right and stops in the last column; Backtab and Shift+Tab move left.
    table->setCurrentCell(0, 0);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), QPoint(1, 0));
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    EXPECT_EQ(current(), QPoint(2, 0));
    key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(current(), QPoint(1, 0));
    key(Qt::Key_Backtab);
    EXPECT_EQ(current(), QPoint(0, 0));
    key(Qt::Key_Backtab);
    EXPECT_EQ(current(), QPoint(0, 0));
}

TEST_F(TableTest, BacktabWithNoColumnToGoToStays)
{
    make(2, 3);
    table->setColumnReadOnly(0, true);
    table->setCurrentCell(0, 1);
    key(Qt::Key_Backtab);
    EXPECT_EQ(current(), QPoint(1, 0));
}

TEST_F(TableTest, RowSelectionModesSelectWholeRows)
{
    make(5, 3);
    table->setSelectionMode(UTable::SingleRow);
    EXPECT_EQ(onlySelection(), UTableSelection(0, 0, 0, 2));
    key(Qt::Key_Down);
    EXPECT_EQ(onlySelection(), UTableSelection(1, 0, 1, 2));
    click(3, 1);
    EXPECT_EQ(onlySelection(), UTableSelection(3, 0, 3, 2));

    table->setSelectionMode(UTable::MultiRow);
    click(1, 0);
    click(2, 0, Qt::ShiftModifier);
    EXPECT_EQ(onlySelection(), UTableSelection(1, 0, 2, 2));

    // No selection at all.
    table->setSelectionMode(UTable::NoSelection);
    click(1, 1);
    click(3, 2, Qt::ShiftModifier);
    EXPECT_EQ(table->numSelections(), 0);
    EXPECT_EQ(current(), QPoint(2, 3));
}

TEST_F(TableTest, TypingEditsAndReturnCommitsAndMovesOn)
{
    make(3, 2);
    table->setText(0, 0, QStringLiteral("old"));
    QSignalSpy values(table.get(), &UTable::valueChanged);
    table->setFocus();

    // Typing over an item that may be replaced opens an empty editor.
    QTest::keyClick(table.get(), Qt::Key_N);
    ASSERT_TRUE(table->isEditing());
    EXPECT_EQ(table->editMode(), UTable::Replacing);
    auto *editor = qobject_cast<QLineEdit *>(table->cellWidget(0, 0));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("n"));
    QTest::keyClicks(editor, QStringLiteral("ew"));
    QPointer<QWidget> closed(editor);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_FALSE(table->isEditing());
    EXPECT_EQ(table->text(0, 0), QStringLiteral("new"));
    ASSERT_EQ(values.count(), 1);
    EXPECT_EQ(values.at(0).at(0).toInt(), 0);
    EXPECT_EQ(current(), QPoint(0, 1));
    // The editor is deleted later, not inside its own key event.
    EXPECT_FALSE(closed.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(closed.isNull());

    // F2 edits without replacing; the same text again emits nothing.
    table->setCurrentCell(0, 0);
    QTest::keyClick(table.get(), Qt::Key_F2);
    ASSERT_EQ(table->editMode(), UTable::Editing);
    editor = qobject_cast<QLineEdit *>(table->cellWidget(0, 0));
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), QStringLiteral("new"));
    QTest::keyClick(editor, Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(values.count(), 1);

    // Return in the last row wraps to the first row of the next column.
    table->setCurrentCell(2, 0);
    QTest::keyClick(table.get(), Qt::Key_Return);
    EXPECT_EQ(current(), QPoint(1, 0));
}

TEST_F(TableTest, EscapeAndFocusLossEndTheEdit)
{
    make(3, 3);
    table->setText(1, 1, QStringLiteral("keep"));
    QSignalSpy values(table.get(), &UTable::valueChanged);
    table->setCurrentCell(1, 1);
    QTest::keyClick(table.get(), Qt::Key_X);
    auto *editor = qobject_cast<QLineEdit *>(table->cellWidget(1, 1));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Escape);
    EXPECT_FALSE(table->isEditing());
    EXPECT_EQ(table->text(1, 1), QStringLiteral("keep"));
    EXPECT_EQ(table->cellWidget(1, 1), nullptr);
    EXPECT_EQ(values.count(), 0);

    // Losing the focus keeps what was typed.
    table->editCell(2, 2);
    editor = qobject_cast<QLineEdit *>(table->cellWidget(2, 2));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("typed"));
    QFocusEvent out(QEvent::FocusOut, Qt::MouseFocusReason);
    QApplication::sendEvent(editor, &out);
    EXPECT_FALSE(table->isEditing());
    EXPECT_EQ(table->text(2, 2), QStringLiteral("typed"));
    EXPECT_EQ(values.count(), 1);

    // Tab in the last column keeps the edit's result but does not move.
    table->setCurrentCell(0, 2);
    table->editCell(0, 2);
    editor = qobject_cast<QLineEdit *>(table->cellWidget(0, 2));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("tabbed"));
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(table->text(0, 2), QStringLiteral("tabbed"));
    EXPECT_EQ(current(), QPoint(2, 0));
    EXPECT_FALSE(table->isEditing());
    EXPECT_EQ(table->cellWidget(0, 2), nullptr);

    // Tab elsewhere moves right and opens the next cell's editor.
    table->setCurrentCell(0, 0);
    table->editCell(0, 0);
    editor = qobject_cast<QLineEdit *>(table->cellWidget(0, 0));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Tab);
    EXPECT_EQ(current(), QPoint(1, 0));
    EXPECT_TRUE(table->isEditing());
    EXPECT_NE(table->cellWidget(0, 1), nullptr);
}

TEST_F(TableTest, ReadOnlyDisabledAndWhenCurrentItems)
{
    make(3, 3);
    table->setReadOnly(true);
    QTest::keyClick(table.get(), Qt::Key_A);
    EXPECT_FALSE(table->isEditing());
    table->setReadOnly(false);

    // A disabled item is neither edited nor reported on a double click.
    auto *disabled = new UTableItem(table.get(), UTableItem::OnTyping, QStringLiteral("off"));
    disabled->setEnabled(false);
    table->setItem(1, 1, disabled);
    QSignalSpy doubles(table.get(), &UTable::doubleClicked);
    QTest::mouseDClick(viewport(), Qt::LeftButton, {}, cellCenter(1, 1));
    EXPECT_EQ(doubles.count(), 0);
    EXPECT_FALSE(table->isEditing());
    QTest::mouseDClick(viewport(), Qt::LeftButton, {}, cellCenter(2, 2));
    EXPECT_EQ(doubles.count(), 1);
    EXPECT_TRUE(table->isEditing());
    table->setEnabled(false);
    EXPECT_FALSE(table->isEditing());
    table->setEnabled(true);

    // Put into the current cell, an item that edits when current opens its editor at once.
    table->setCurrentCell(0, 2);
    table->setItem(0, 2, new UTableItem(table.get(), UTableItem::WhenCurrent, QStringLiteral("w")));
    EXPECT_TRUE(table->isEditing());
    EXPECT_NE(table->cellWidget(0, 2), nullptr);
}

TEST_F(TableTest, SortingSwapsRowsAndEmptyCellsSinkToTheBottom)
{
    make(5, 2);
    table->setText(0, 0, QStringLiteral("b"));
    table->setText(2, 0, QStringLiteral("a"));
    table->setText(4, 0, QStringLiteral("c"));
    table->setText(2, 1, QStringLiteral("with a"));
    table->sortColumn(0, true, false);
    EXPECT_EQ(column(0), QStringList({"a", "b", "c", QString(), QString()}));
    table->sortColumn(0, false, true);
    EXPECT_EQ(column(0), QStringList({"c", "b", "a", QString(), QString()}));
    // Whole rows took the neighbouring cell along: the first sort moved only the column.
    EXPECT_EQ(table->text(0, 1), QStringLiteral("with a"));
    for (int r = 0; r < 3; ++r)
        EXPECT_EQ(table->item(r, 0)->row(), r);

    // A header click sorts only with sorting on: ascending first, then descending.
    const QPoint header(top()->sectionPos(0) + 50, top()->height() / 2);
    QTest::mouseClick(top(), Qt::LeftButton, {}, header);
    EXPECT_EQ(column(0).first(), QStringLiteral("c"));
    table->setSorting(true);
    QTest::mouseClick(top(), Qt::LeftButton, {}, header);
    EXPECT_EQ(column(0).mid(0, 3), QStringList({"a", "b", "c"}));
    QTest::mouseClick(top(), Qt::LeftButton, {}, header);
    EXPECT_EQ(column(0).mid(0, 3), QStringList({"c", "b", "a"}));
    EXPECT_EQ(top()->sortIndicatorSection(), 0);
}

TEST_F(TableTest, InsertAndRemoveRowsKeepTheirContents)
{
    make(4, 2);
    for (int r = 0; r < 4; ++r)
        table->setText(r, 0, QString::number(r));
    table->setCurrentCell(1, 1);
    table->insertRows(1, 2);
    EXPECT_EQ(table->numRows(), 6);
    EXPECT_EQ(column(0), QStringList({"0", QString(), QString(), "1", "2", "3"}));
    EXPECT_EQ(current(), QPoint(1, 3));

    // At -1 only an empty current row inserts at the top.
    table->insertRows(-1, 1);
    EXPECT_EQ(table->numRows(), 6);

    table->removeRows({1, 2});
    EXPECT_EQ(column(0), QStringList({"0", "1", "2", "3"}));
    table->setNumRows(5);
    table->setText(4, 0, QStringLiteral("4"));
    table->removeRows({1, 3});
    EXPECT_EQ(column(0), QStringList({"0", "2", "4"}));
    // Rows outside the table or given twice remove nothing else.
    table->removeRows({1, 1, 7, -2});
    EXPECT_EQ(column(0), QStringList({"0", "4"}));
    table->removeRows({});
    table->removeRow(0);
    EXPECT_EQ(column(0), QStringList({"4"}));

    table->insertColumns(0, 1);
    EXPECT_EQ(table->numCols(), 3);
    EXPECT_EQ(table->text(0, 1), QStringLiteral("4"));
    table->removeColumn(0);
    EXPECT_EQ(table->text(0, 0), QStringLiteral("4"));

    table->setNumRows(0);
    EXPECT_EQ(current(), QPoint(-1, -1));
}

TEST_F(TableTest, HidingShowingAndSwapping)
{
    make(4, 3);
    table->setCurrentCell(1, 0);
    table->hideRow(1);
    EXPECT_TRUE(table->isRowHidden(1));
    EXPECT_EQ(table->rowHeight(1), 0);
    EXPECT_EQ(table->currentRow(), 2);
    table->setCurrentCell(3, 0);
    table->hideRow(3);
    EXPECT_EQ(table->currentRow(), 2);
    // Keys skip hidden rows.
    key(Qt::Key_Up);
    EXPECT_EQ(table->currentRow(), 0);
    // A hidden row remembers a new height and gets it back when shown.
    table->setRowHeight(1, 33);
    table->showRow(1);
    EXPECT_EQ(table->rowHeight(1), 33);
    table->showRow(3);
    EXPECT_EQ(table->rowHeight(3), 20);

    table->setColumnWidth(2, 0);
    table->showColumn(2);
    EXPECT_EQ(table->columnWidth(2), 20);

    table->setText(0, 0, QStringLiteral("a"));
    table->setText(0, 2, QStringLiteral("c"));
    top()->setLabel(0, QStringLiteral("A"));
    table->setCurrentCell(0, 0);
    table->swapColumns(0, 2, true);
    EXPECT_EQ(table->text(0, 0), QStringLiteral("c"));
    EXPECT_EQ(table->text(0, 2), QStringLiteral("a"));
    EXPECT_EQ(top()->label(2), QStringLiteral("A"));
    EXPECT_EQ(table->currentColumn(), 2);
    // As a slot it leaves the header alone.
    table->swapColumns(0, 2);
    EXPECT_EQ(table->text(0, 0), QStringLiteral("a"));
    EXPECT_EQ(top()->label(2), QStringLiteral("A"));
    table->swapCells(0, 0, 3, 1);
    EXPECT_EQ(table->text(3, 1), QStringLiteral("a"));
    EXPECT_EQ(table->item(3, 1)->col(), 1);
}

TEST_F(TableTest, WheelScrollsAndAdjustFitsTheContents)
{
    make(100, 2, QSize(300, 200));
    table->setContentsPos(0, 500);
    QWheelEvent wheel(QPointF(20, 20), viewport()->mapToGlobal(QPointF(20, 20)), QPoint(),
                      QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport(), &wheel);
    EXPECT_EQ(table->contentsY(), 380);

    table->adjustColumn(1);
    const int header = top()->sectionSizeHint(1, table->fontMetrics()).width();
    EXPECT_EQ(table->columnWidth(1), std::max(20, header));
    table->setText(0, 0, QStringLiteral("a rather long text for one column"));
    table->adjustColumn(0);
    EXPECT_EQ(table->columnWidth(0),
              table->fontMetrics().horizontalAdvance(table->text(0, 0)) + 10);
    table->adjustRow(0);
    EXPECT_GE(table->rowHeight(0), std::max(20, table->fontMetrics().height()));
}

TEST_F(TableTest, AScrolledHeaderShowsWhatARepaintShows)
{
    make(60, 2, QSize(300, 200));
    QWidget *left = table->verticalHeader();
    const auto shown = [&] {
        const QRect r(left->mapTo(table.get(), QPoint(0, 0)), left->size());
        return table->screen()->grabWindow(table->winId()).copy(r).toImage();
    };
    for (int y : {20, 45, 100, 80, 0, 333}) {
        table->setContentsPos(0, y);
        QCoreApplication::processEvents();
        const QImage scrolled = shown();
        left->repaint();
        EXPECT_EQ(scrolled, shown()) << y;
    }
}

TEST_F(TableTest, DraggingPastTheEdgeAutoScrollsOneRowPerStep)
{
    make(40, 2, QSize(300, 200));
    QTest::mousePress(viewport(), Qt::LeftButton, {}, cellCenter(1, 0));
    const QPoint below(50, table->visibleHeight() + 15);
    QTest::mouseMove(viewport(), below);
    EXPECT_EQ(table->currentRow(), 2);
    ASSERT_TRUE(testhost::pumpUntil([&] { return table->currentRow() == 39; }));
    EXPECT_EQ(table->contentsY() + table->visibleHeight(), table->contentsHeight());
    QTest::mouseRelease(viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(onlySelection(), UTableSelection(1, 0, 39, 0));
    const int row = table->currentRow();
    testhost::pumpFor(250);
    EXPECT_EQ(table->currentRow(), row);
}

TEST_F(TableTest, HeaderPressAndDragSelectWholeColumns)
{
    make(4, 5);
    QSignalSpy changed(table.get(), &UTable::selectionChanged);
    const auto at = [this](int col) { return QPoint(top()->sectionPos(col) + 50, 5); };
    QTest::mousePress(top(), Qt::LeftButton, {}, at(1));
    EXPECT_EQ(onlySelection(), UTableSelection(0, 1, 3, 1));
    EXPECT_EQ(top()->sectionState(1), UTableHeader::Selected);
    EXPECT_EQ(current(), QPoint(1, 0));
    QTest::mouseMove(top(), at(3));
    QTest::mouseRelease(top(), Qt::LeftButton, {}, at(3));
    EXPECT_EQ(onlySelection(), UTableSelection(0, 1, 3, 3));
    EXPECT_TRUE(table->isColumnSelected(2, true));
    EXPECT_GE(changed.count(), 2);
    // The drag itself leaves the section states as the press set them.
    EXPECT_EQ(top()->sectionState(2), UTableHeader::Normal);

    // A Shift press extends from the drag's start instead of starting over.
    QTest::mouseClick(top(), Qt::LeftButton, Qt::ShiftModifier, at(4));
    EXPECT_EQ(table->numSelections(), 1);

    // Rows from the left header.
    const QPoint row2(5, left()->sectionPos(2) + 10);
    QTest::mouseClick(left(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(onlySelection(), UTableSelection(2, 0, 2, 4));
    EXPECT_EQ(left()->sectionState(2), UTableHeader::Selected);
}

TEST_F(TableTest, HeaderInRowModesAndWithoutSelection)
{
    make(4, 3);
    table->setSelectionMode(UTable::SingleRow);
    const QPoint column(150, 5);
    QTest::mouseClick(top(), Qt::LeftButton, {}, column);
    EXPECT_EQ(onlySelection(), UTableSelection(0, 0, 0, 2));
    const QPoint row3(5, left()->sectionPos(3) + 10);
    QTest::mouseClick(left(), Qt::LeftButton, {}, row3);
    EXPECT_EQ(table->currentRow(), 3);
    EXPECT_EQ(onlySelection(), UTableSelection(3, 0, 3, 2));

    table->setSelectionMode(UTable::NoSelection);
    QTest::mousePress(top(), Qt::LeftButton, {}, QPoint(50, 5));
    QTest::mouseMove(top(), QPoint(250, 5));
    QTest::mouseRelease(top(), Qt::LeftButton, {}, QPoint(250, 5));
    EXPECT_EQ(table->numSelections(), 0);
    // The moves were taken by the selection gesture, so nothing moved.
    EXPECT_EQ(top()->mapToSection(0), 0);
}

TEST_F(TableTest, MovingAColumnHeaderSwapsTheColumnsNotTheSections)
{
    make(1, 3);
    table->setColumnMovingEnabled(true);
    table->setColumnLabels({"A", "B", "C"});
    for (int c = 0; c < 3; ++c)
        table->setText(0, c, QString(QChar('a' + c)));
    QWidget *header = top();
    const auto drag = [header](int from, int to) {
        sendMouse(header, QEvent::MouseButtonPress, QPoint(from, 5), Qt::LeftButton, Qt::LeftButton,
                  Qt::ControlModifier);
        sendMouse(header, QEvent::MouseMove, QPoint(from + 20, 5), Qt::NoButton, Qt::LeftButton,
                  Qt::ControlModifier);
        sendMouse(header, QEvent::MouseMove, QPoint(to, 5), Qt::NoButton, Qt::LeftButton,
                  Qt::ControlModifier);
        sendMouse(header, QEvent::MouseButtonRelease, QPoint(to, 5), Qt::LeftButton, Qt::NoButton,
                  Qt::ControlModifier);
    };
    // Dropped just inside its right neighbour the section has not moved at all.
    drag(50, 101);
    EXPECT_EQ(table->text(0, 0), QStringLiteral("a"));
    EXPECT_EQ(table->text(0, 1), QStringLiteral("b"));

    drag(50, 295);
    EXPECT_EQ(table->text(0, 0), QStringLiteral("b"));
    EXPECT_EQ(table->text(0, 1), QStringLiteral("c"));
    EXPECT_EQ(table->text(0, 2), QStringLiteral("a"));
    EXPECT_EQ(top()->label(2), QStringLiteral("A"));
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(top()->mapToSection(i), i);
}

TEST_F(TableTest, StretchableColumnsFillTheHeaderUnlessHidden)
{
    make(2, 3, QSize(600, 200));
    table->setColumnStretchable(2, true);
    table->updateGeometries();
    EXPECT_EQ(table->columnPos(2) + table->columnWidth(2), top()->width());
    table->setColumnStretchable(1, true);
    table->hideColumn(1);
    top()->updateStretches();
    EXPECT_EQ(table->columnWidth(1), 0);
    EXPECT_EQ(table->columnPos(2) + table->columnWidth(2), top()->width());
}

TEST_F(TableTest, LongLabelsWidenTheLeftMargin)
{
    make(3, 2);
    table->setRowLabels({"a label that is long"});
    EXPECT_EQ(table->leftMargin(), left()->sizeHint().width());
    EXPECT_GT(table->leftMargin(), 30);
}

TEST_F(TableTest, ResizingByTheHandleShowsGuideLinesAndDoubleClickFits)
{
    make(3, 3);
    table->setText(0, 0, QStringLiteral("a text wider than a hundred pixels, surely"));
    // Each header has its own pair of guide lines.
    const auto lines = viewport()->findChildren<QWidget *>(QStringLiteral("qt_line1"));
    ASSERT_EQ(lines.size(), 2);
    const auto lineShown = [&lines] {
        return std::any_of(lines.begin(), lines.end(), [](QWidget *w) { return w->isVisible(); });
    };
    QTest::mousePress(top(), Qt::LeftButton, {}, QPoint(99, 5));
    QTest::mouseMove(top(), QPoint(130, 5));
    EXPECT_TRUE(lineShown());
    // While the press lasts the table keeps the geometry it had.
    EXPECT_EQ(table->columnWidth(0), 100);
    QTest::mouseMove(top(), QPoint(150, 5));
    QTest::mouseRelease(top(), Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_FALSE(lineShown());
    EXPECT_NEAR(table->columnWidth(0), 150, 2);
    EXPECT_EQ(table->contentsWidth(), table->tableSize().width());
    EXPECT_EQ(table->numSelections(), 0);

    // A double click just past the handle fits the column before it to its contents.
    const int edge = table->columnWidth(0);
    QTest::mouseDClick(top(), Qt::LeftButton, {}, QPoint(edge + 1, 5));
    EXPECT_EQ(table->columnWidth(0),
              table->fontMetrics().horizontalAdvance(table->text(0, 0)) + 10);
}
