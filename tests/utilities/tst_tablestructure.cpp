// The table under structural change: spans through every operation that moves cells, a table
// emptied and filled again, and the marks that lines carry. Run under the address sanitizer:
// a cell left pointing at an item that is gone shows as a use after free at the next paint.
#include "testhost.h"

#include "utilities/table.h"

#include <QApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <memory>
#include <random>
#include <set>

namespace {

class TableStructureTest : public ::testing::Test
{
protected:
    void SetUp() override { testhost::startLibrary(); }

    void make(int rows, int cols)
    {
        table = std::make_unique<UTable>();
        table->setFrameStyle(QFrame::NoFrame);
        table->init(rows, cols);
        table->resize(640, 480);
        table->show();
        QCoreApplication::processEvents();
    }

    // Every cell names an item that stands in it: its block covers the cell and its top-left
    // cell holds it, and every cell of its block inside the table holds it.
    void expectConsistent() const
    {
        for (int r = 0; r < table->numRows(); ++r) {
            for (int c = 0; c < table->numCols(); ++c) {
                const UTableItem *it = table->item(r, c);
                if (!it)
                    continue;
                ASSERT_GE(it->rowSpan(), 1);
                ASSERT_GE(it->colSpan(), 1);
                EXPECT_TRUE(it->row() <= r && r < it->row() + it->rowSpan()) << r << "," << c;
                EXPECT_TRUE(it->col() <= c && c < it->col() + it->colSpan()) << r << "," << c;
                for (int br = it->row(); br < std::min(table->numRows(), it->row() + it->rowSpan());
                     ++br) {
                    for (int bc = it->col();
                         bc < std::min(table->numCols(), it->col() + it->colSpan()); ++bc)
                        EXPECT_EQ(table->item(br, bc), it) << br << "," << bc;
                }
            }
        }
    }

    // Deletes every item the table holds, each once, and paints: a cell still pointing at one
    // of them is read after it was freed.
    void deleteAllAndPaint()
    {
        std::set<UTableItem *> items;
        for (int r = 0; r < table->numRows(); ++r) {
            for (int c = 0; c < table->numCols(); ++c) {
                if (UTableItem *it = table->item(r, c))
                    items.insert(it);
            }
        }
        for (UTableItem *it : items)
            delete it;
        table->viewport()->repaint();
        for (int r = 0; r < table->numRows(); ++r) {
            for (int c = 0; c < table->numCols(); ++c)
                EXPECT_EQ(table->item(r, c), nullptr) << r << "," << c;
        }
    }

    // A 6 x 4 table lettered by cell, with a 2 x 2 block at (1, 1) and a 1 x 2 one at (4, 0).
    void fillWithSpans()
    {
        make(6, 4);
        for (int r = 0; r < 6; ++r) {
            for (int c = 0; c < 4; ++c)
                table->setText(r, c, QString(QChar('a' + (r * 4 + c) % 26)));
        }
        table->item(1, 1)->setSpan(2, 2);
        table->item(4, 0)->setSpan(1, 2);
        table->viewport()->repaint();
    }

    QPoint cellCenter(int row, int col) const
    {
        return table->contentsToViewport2(table->cellGeometry(row, col).center());
    }

    void click(int row, int col, Qt::KeyboardModifiers mods = {})
    {
        QTest::mouseClick(table->viewport(), Qt::LeftButton, mods, cellCenter(row, col));
    }

    QPoint current() const { return QPoint(table->currentColumn(), table->currentRow()); }

    std::unique_ptr<UTable> table;
};

TEST_F(TableStructureTest, ASpanOfNoCellsIsRefusedAndTheItemCanStillBeDeleted)
{
    make(4, 4);
    for (const auto &[rows, cols] : {std::pair(0, 0), std::pair(-1, 2), std::pair(2, -3)}) {
        table->setText(1, 1, QStringLiteral("x"));
        UTableItem *it = table->item(1, 1);
        it->setSpan(rows, cols);
        EXPECT_GE(it->rowSpan(), 1);
        EXPECT_GE(it->colSpan(), 1);
        expectConsistent();
        delete it;
        EXPECT_EQ(table->item(1, 1), nullptr);
        table->viewport()->repaint();
    }
}

// Each operation that moves or drops cells, on a table holding blocks: afterwards each item
// stands in whole in its cells, and deleting them all leaves no cell pointing at one.
TEST_F(TableStructureTest, SpansSurviveEveryStructuralOperationAndSort)
{
    const std::vector<std::pair<const char *, std::function<void(UTable &)>>> operations = {
        {"swapCells into a block", [](UTable &t) { t.swapCells(1, 1, 5, 3); }},
        {"swapCells of a covered cell", [](UTable &t) { t.swapCells(2, 2, 0, 0); }},
        {"swapRows", [](UTable &t) { t.swapRows(1, 5); }},
        {"swapRows with header", [](UTable &t) { t.swapRows(2, 3, true); }},
        {"swapColumns", [](UTable &t) { t.swapColumns(0, 1); }},
        {"insertRows inside a block", [](UTable &t) { t.insertRows(2, 2); }},
        {"insertRows at the top", [](UTable &t) { t.insertRows(0, 1); }},
        {"insertColumns", [](UTable &t) { t.insertColumns(1, 1); }},
        {"removeRow", [](UTable &t) { t.removeRow(0); }},
        {"removeRow of a block", [](UTable &t) { t.removeRow(1); }},
        {"removeRows",
         [](UTable &t) {
             t.removeRows({0, 2, 4});
         }},
        {"removeColumn", [](UTable &t) { t.removeColumn(1); }},
        {"setNumRows through a block", [](UTable &t) { t.setNumRows(2); }},
        {"setNumCols through a block", [](UTable &t) { t.setNumCols(2); }},
        {"sort cells across a block", [](UTable &t) { t.sortColumn(1, false, false); }},
        {"sort cells across a row block", [](UTable &t) { t.sortColumn(1, true, false); }},
        {"sort whole rows", [](UTable &t) { t.sortColumn(0, false, true); }},
    };
    for (const auto &[name, operation] : operations) {
        SCOPED_TRACE(name);
        fillWithSpans();
        operation(*table);
        expectConsistent();
        table->viewport()->repaint();
        deleteAllAndPaint();
    }
}

// A header click sorts by the clicked column; a 1 x 2 block crossing it is sorted once, and
// taking the sorted items clears exactly their own cells.
TEST_F(TableStructureTest, HeaderSortOverAColumnCrossedByABlockListsEachItemOnce)
{
    make(5, 3);
    const QStringList keys = {"d", "b", "e", "a", "c"};
    for (int r = 0; r < 5; ++r)
        table->setText(r, 1, keys[r]);
    table->setText(2, 0, QStringLiteral("wide"));
    table->item(2, 0)->setSpan(1, 2);
    table->setSorting(true);
    UHeader *header = table->horizontalHeader();
    QTest::mouseClick(
        header, Qt::LeftButton, {},
        QPoint(table->columnPos(1) + table->columnWidth(1) / 2, header->height() / 2));
    expectConsistent();
    std::set<const UTableItem *> seen;
    for (int r = 0; r < 5; ++r) {
        if (const UTableItem *it = table->item(r, 1)) {
            EXPECT_TRUE(seen.insert(it).second);
        }
    }
    EXPECT_EQ(table->text(0, 1), QStringLiteral("a"));
    for (int r = 0; r < 5; ++r) {
        if (UTableItem *it = table->item(r, 1)) {
            table->takeItem(it);
            EXPECT_EQ(table->item(r, 1), nullptr);
            delete it;
        }
    }
    table->viewport()->repaint();
    deleteAllAndPaint();
}

TEST_F(TableStructureTest, TypingAfterARefillEditsAValidCurrentCell)
{
    for (const bool rows : {true, false}) {
        SCOPED_TRACE(rows ? "rows" : "columns");
        make(3, 3);
        table->setFocus();
        if (rows) {
            table->setNumRows(0);
            table->setNumRows(4);
        } else {
            table->setNumCols(0);
            table->setNumCols(2);
        }
        ASSERT_GE(table->currentRow(), 0);
        ASSERT_GE(table->currentColumn(), 0);
        const int row = table->currentRow();
        const int col = table->currentColumn();
        QTest::keyClick(table.get(), Qt::Key_Q);
        ASSERT_TRUE(table->isEditing());
        auto *editor = qobject_cast<QLineEdit *>(table->cellWidget(row, col));
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), QStringLiteral("q"));
        QTest::keyClick(editor, Qt::Key_Return);
        EXPECT_EQ(table->text(row, col), QStringLiteral("q"));
        EXPECT_FALSE(table->isEditing());
    }
    // With nothing to edit, nothing starts and no editor is made.
    make(0, 0);
    table->setFocus();
    QTest::keyClick(table.get(), Qt::Key_Q);
    EXPECT_FALSE(table->isEditing());
    EXPECT_TRUE(table->viewport()->findChildren<QLineEdit *>().isEmpty());
}

TEST_F(TableStructureTest, ClearingTheEditorsCellEndsTheEdit)
{
    make(4, 4);
    table->editCell(1, 1);
    ASSERT_TRUE(table->isEditing());
    table->clearCellWidget(1, 1);
    EXPECT_FALSE(table->isEditing());
    EXPECT_EQ(table->editMode(), UTable::NotEditing);
    click(2, 2);
    EXPECT_EQ(current(), QPoint(2, 2));
    table->setFocus();
    QTest::keyClick(table.get(), Qt::Key_Z);
    EXPECT_TRUE(table->isEditing());
    EXPECT_NE(table->cellWidget(2, 2), nullptr);
}

TEST_F(TableStructureTest, LineMarksFollowTheirLines)
{
    make(6, 5);
    auto *top = static_cast<UTableHeader *>(table->horizontalHeader());

    // A middle column taken out of the header takes its state and stretch flag with it.
    top->setSectionState(3, UTableHeader::Selected);
    table->setColumnStretchable(4, true);
    top->removeLabel(1);
    EXPECT_EQ(top->sectionState(2), UTableHeader::Selected);
    EXPECT_EQ(top->sectionState(3), UTableHeader::Normal);
    EXPECT_TRUE(top->isSectionStretchable(3));
    EXPECT_EQ(top->stretchCount(), 1);

    // Hidden and read-only rows keep their marks as rows before them come and go.
    table->hideRow(4);
    table->setRowReadOnly(3, true);
    table->removeRow(1);
    EXPECT_TRUE(table->isRowHidden(3));
    EXPECT_FALSE(table->isRowHidden(4));
    EXPECT_TRUE(table->isRowReadOnly(2));
    EXPECT_FALSE(table->isRowReadOnly(3));
    table->insertRows(0, 2);
    EXPECT_TRUE(table->isRowHidden(5));
    EXPECT_TRUE(table->isRowReadOnly(4));
    EXPECT_EQ(table->rowHeight(5), 0);
    table->showRow(5);
    EXPECT_GT(table->rowHeight(5), 0);
    table->removeRows({5});
    EXPECT_FALSE(table->isRowHidden(5));
}

TEST_F(TableStructureTest, HugeRowHeightsEndAtTheLargestCoordinate)
{
    // Not shown: the style would paint a header section as tall as the row.
    UTable t;
    t.init(3, 2);
    for (int r = 0; r < 3; ++r)
        t.setRowHeight(r, INT_MAX / 2);
    EXPECT_GE(t.rowPos(2), t.rowPos(1));
    EXPECT_GT(t.tableSize().height(), 0);
    EXPECT_EQ(t.rowAt(10), 0);
    EXPECT_EQ(t.rowAt(INT_MAX / 2 + 10), 1);
}

TEST_F(TableStructureTest, NegativeCurrentCellsAreTakenAsTheFirstCell)
{
    make(4, 4);
    table->setCurrentCell(2, 2);
    table->setCurrentCell(-5, -1);
    EXPECT_EQ(current(), QPoint(0, 0));
    table->setCurrentCell(1, -3);
    EXPECT_EQ(current(), QPoint(0, 1));
}

// --- editing moves, clicks, selection modes, drag and drop ---------------------------------

TEST_F(TableStructureTest, ReturnSkipsHiddenRowsAndTheEditFollowsASwap)
{
    make(5, 2);
    table->hideRow(1);
    table->hideRow(2);
    table->setFocus();
    QTest::keyClick(table.get(), Qt::Key_A);
    auto *editor = qobject_cast<QLineEdit *>(table->cellWidget(0, 0));
    ASSERT_NE(editor, nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(table->text(0, 0), QStringLiteral("a"));
    EXPECT_EQ(current(), QPoint(0, 3));

    // The edited row moves with a swap; committing writes where the row went.
    table->editCell(3, 1);
    ASSERT_TRUE(table->isEditing());
    table->swapRows(3, 4);
    editor = qobject_cast<QLineEdit *>(table->cellWidget(4, 1));
    ASSERT_NE(editor, nullptr);
    QTest::keyClicks(editor, QStringLiteral("moved"));
    QTest::keyClick(editor, Qt::Key_Return);
    EXPECT_EQ(table->text(4, 1), QStringLiteral("moved"));
    EXPECT_EQ(table->text(3, 1), QString());
    EXPECT_FALSE(table->isEditing());
}

TEST_F(TableStructureTest, ClickedNamesTheCellTheButtonAndThePoint)
{
    make(4, 4);
    QSignalSpy clicked(table.get(), &UTable::clicked);
    click(2, 1);
    ASSERT_EQ(clicked.count(), 1);
    EXPECT_EQ(clicked.at(0).at(0).toInt(), 2);
    EXPECT_EQ(clicked.at(0).at(1).toInt(), 1);
    EXPECT_EQ(clicked.at(0).at(2).toInt(), int(Qt::LeftButton));
    EXPECT_TRUE(table->cellGeometry(2, 1).contains(clicked.at(0).at(3).toPoint()));
    // A press on one cell released on another is no click.
    QTest::mousePress(table->viewport(), Qt::LeftButton, {}, cellCenter(0, 0));
    QTest::mouseMove(table->viewport(), cellCenter(3, 3));
    QTest::mouseRelease(table->viewport(), Qt::LeftButton, {}, cellCenter(3, 3));
    EXPECT_EQ(clicked.count(), 1);
}

// What a plain click, a Control-click and a Shift-click leave selected in each mode.
TEST_F(TableStructureTest, SelectionModeMatrix)
{
    struct Expected
    {
        UTable::SelectionMode mode;
        int afterControl;           // selections after click (1,1), Control-click (3,2)
        UTableSelection afterShift; // the only selection after click (1,1), Shift-click (3,2)
    };
    const Expected cases[] = {
        {UTable::Single, 1, UTableSelection(1, 1, 3, 2)},
        {UTable::Multi, 2, UTableSelection(1, 1, 3, 2)},
        {UTable::SingleRow, 1, UTableSelection(3, 0, 3, 3)},
        {UTable::MultiRow, 2, UTableSelection(1, 0, 3, 3)},
        {UTable::NoSelection, 0, UTableSelection()},
    };
    for (const Expected &e : cases) {
        SCOPED_TRACE(int(e.mode));
        make(5, 4);
        table->setSelectionMode(e.mode);
        click(1, 1);
        click(3, 2, Qt::ControlModifier);
        EXPECT_EQ(current(), QPoint(2, 3));
        int active = 0;
        for (int i = 0; i < table->numSelections(); ++i)
            active += table->selection(i).isActive() ? 1 : 0;
        EXPECT_EQ(active, e.afterControl);
        if (e.mode == UTable::Single) {
            // The Control-click replaced the first selection.
            EXPECT_FALSE(table->isSelected(1, 1, false));
            EXPECT_TRUE(table->isSelected(3, 2, false));
        }

        table->clearSelection();
        click(1, 1);
        click(3, 2, Qt::ShiftModifier);
        if (e.mode == UTable::NoSelection) {
            EXPECT_EQ(table->numSelections(), 0);
            continue;
        }
        ASSERT_EQ(table->numSelections(), 1);
        EXPECT_EQ(table->selection(0), e.afterShift);
        // A second Shift-click extends from the same anchor, not from the current cell.
        if (e.mode == UTable::Multi) {
            click(0, 0, Qt::ShiftModifier);
            EXPECT_EQ(table->selection(0), UTableSelection(1, 1, 0, 0));
            EXPECT_EQ(table->selection(0).anchorRow(), 1);
            EXPECT_EQ(table->selection(0).anchorCol(), 1);
        }
    }
}

// Dragging over the table moves the current cell with the pointer; leaving or dropping puts
// it back, and a drop is announced.
TEST_F(TableStructureTest, DragOverMovesTheCurrentCellAndDropRestoresIt)
{
    make(5, 4);
    table->setCurrentCell(1, 1);
    QSignalSpy dropped(table.get(), &UTable::dropped);
    QMimeData data;
    data.setText(QStringLiteral("x"));
    QWidget *vp = table->viewport();
    vp->setAcceptDrops(true);
    QDragEnterEvent enter(cellCenter(3, 2), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(vp, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(current(), QPoint(2, 3));
    QDragMoveEvent move(cellCenter(4, 0), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(vp, &move);
    EXPECT_EQ(current(), QPoint(0, 4));
    QDragLeaveEvent leave;
    QApplication::sendEvent(vp, &leave);
    EXPECT_EQ(current(), QPoint(1, 1));

    QDragEnterEvent again(cellCenter(2, 3), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(vp, &again);
    QDropEvent drop(QPointF(cellCenter(2, 3)), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(vp, &drop);
    EXPECT_EQ(dropped.count(), 1);
    EXPECT_EQ(current(), QPoint(1, 1));
}

} // namespace

// Inserting and removing lines moves cells, widgets, labels and sizes in blocks, and the items
// learn their new places only when asked. A long random run against a plain model, with
// enough moves that the items' record of moves fills and starts over, checks every cell, every
// item's own idea of its place and every widget after each step.
TEST_F(TableStructureTest, ManyInsertionsAndRemovalsKeepCellsWidgetsLabelsAndSizesInStep)
{
    make(0, 0);
    using Grid = std::vector<std::vector<QString>>;
    Grid model(12, std::vector<QString>(5));
    std::vector<QString> labels(12);
    std::vector<int> heights(12);
    int serial = 0;
    table->setNumRows(12);
    table->setNumCols(5);
    for (int r = 0; r < 12; ++r) {
        labels[size_t(r)] = QStringLiteral("L%1").arg(r);
        heights[size_t(r)] = 20 + r;
        table->verticalHeader()->setLabel(r, labels[size_t(r)]);
        table->setRowHeight(r, heights[size_t(r)]);
        for (int c = 0; c < 5; ++c) {
            model[size_t(r)][size_t(c)] = QString::number(++serial);
            table->setText(r, c, model[size_t(r)][size_t(c)]);
        }
    }
    // A widget names its cell's text when placed, so that it can be found again after moves.
    const auto placeWidget = [&](int r, int c) {
        auto *widget = new QLineEdit(model[size_t(r)][size_t(c)]);
        table->setCellWidget(r, c, widget);
    };
    placeWidget(3, 1);
    placeWidget(9, 4);

    const auto check = [&](int step) {
        SCOPED_TRACE(step);
        ASSERT_EQ(table->numRows(), int(model.size()));
        const int cols = model.empty() ? table->numCols() : int(model[0].size());
        ASSERT_EQ(table->numCols(), cols);
        for (int r = 0; r < table->numRows(); ++r) {
            // A row without a label of its own shows its number.
            const QString &label = labels[size_t(r)];
            EXPECT_EQ(table->verticalHeader()->label(r),
                      label.isEmpty() ? QString::number(r + 1) : label)
                << r;
            EXPECT_EQ(table->rowHeight(r), heights[size_t(r)]) << r;
            for (int c = 0; c < cols; ++c) {
                const QString &want = model[size_t(r)][size_t(c)];
                EXPECT_EQ(table->text(r, c), want) << r << "," << c;
                if (const UTableItem *it = table->item(r, c)) {
                    EXPECT_EQ(it->row(), r);
                    EXPECT_EQ(it->col(), c);
                }
                if (auto *widget = qobject_cast<QLineEdit *>(table->cellWidget(r, c))) {
                    EXPECT_EQ(widget->text(), want) << r << "," << c;
                }
            }
        }
    };

    std::mt19937 random(5);
    const auto below = [&](int n) { return int(random() % unsigned(std::max(1, n))); };
    for (int step = 0; step < 400; ++step) {
        const int rows = int(model.size());
        const int cols = int(model[0].size());
        switch (step % 100 == 99 ? 4 : below(4)) {
        case 0: { // rows in, mostly at the top
            const int at = below(3) == 0 ? below(rows + 1) : 0;
            const int count = 1 + below(2);
            table->insertRows(at, count);
            model.insert(model.begin() + at, size_t(count), std::vector<QString>(size_t(cols)));
            labels.insert(labels.begin() + at, size_t(count), QString());
            heights.insert(heights.begin() + at, size_t(count), 20);
            for (int r = at; r < at + count; ++r) {
                model[size_t(r)][0] = QString::number(++serial);
                table->setText(r, 0, model[size_t(r)][0]);
            }
            break;
        }
        case 1: { // rows out, mostly at the top, sometimes several apart
            if (rows < 4)
                break;
            QList<int> gone{below(3) == 0 ? below(rows) : 0};
            if (below(2) == 0)
                gone << std::min(rows - 1, gone[0] + 2);
            gone.erase(std::unique(gone.begin(), gone.end()), gone.end());
            table->removeRows(gone);
            for (auto it = gone.crbegin(); it != gone.crend(); ++it) {
                model.erase(model.begin() + *it);
                labels.erase(labels.begin() + *it);
                heights.erase(heights.begin() + *it);
            }
            break;
        }
        case 2: { // a column in or out
            if (cols > 3 && below(2) == 0) {
                const int col = below(cols);
                table->removeColumn(col);
                for (auto &line : model)
                    line.erase(line.begin() + col);
            } else if (cols < 8) {
                const int col = below(cols + 1);
                table->insertColumns(col, 1);
                for (auto &line : model)
                    line.insert(line.begin() + col, QString());
            }
            break;
        }
        case 3: { // a new widget or a swap, which places items at once
            if (below(2) == 0) {
                placeWidget(below(rows), below(cols));
            } else {
                const int a = below(rows);
                const int b = below(rows);
                table->swapRows(a, b, true);
                std::swap(model[size_t(a)], model[size_t(b)]);
                std::swap(labels[size_t(a)], labels[size_t(b)]);
                std::swap(heights[size_t(a)], heights[size_t(b)]);
            }
            break;
        }
        default: // a column change, which places every item afresh
            table->setNumCols(cols + 1);
            for (auto &line : model)
                line.emplace_back();
            break;
        }
        check(step);
        if (::testing::Test::HasFailure())
            return;
    }
    table->viewport()->repaint();
    deleteAllAndPaint();
}
