// The grid a table rules between its cells: one line along each right and bottom cell edge,
// none through a block of cells, and none over a cell that a subclass paints by itself.
#include "testhost.h"

#include "utilities/table.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Paints the cells of one column itself, red to its edges, and leaves the others to the table.
class OwnColumnTable : public UTable
{
public:
    int ownColumn = -1;
    void paintCell(QPainter *p, int row, int col, const QRect &cellRect, bool selected,
                   const QPalette &cellPalette) override
    {
        if (col == ownColumn) {
            p->fillRect(QRect(0, 0, cellRect.width(), cellRect.height()), Qt::red);
            return;
        }
        UTable::paintCell(p, row, col, cellRect, selected, cellPalette);
    }
};

class TableGridTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        table = std::make_unique<OwnColumnTable>();
        table->setFrameStyle(QFrame::NoFrame);
        table->init(8, 4);
        QPalette palette = table->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Mid, QColor(0, 0, 160));
        table->setPalette(palette);
        table->resize(600, 400);
        table->show();
    }

    // The visible cells as the viewport shows them; the contents start at its corner.
    QImage shown() const { return table->viewport()->grab().toImage(); }

    QColor at(const QImage &image, int x, int y) const { return image.pixelColor(x, y); }

    // The colour on the right edge halfway down the cell, and on the bottom edge halfway across.
    QColor rightEdge(const QImage &image, int row, int col) const
    {
        const QRect cell = table->cellGeometry(row, col);
        return at(image, cell.right(), cell.center().y());
    }
    QColor bottomEdge(const QImage &image, int row, int col) const
    {
        const QRect cell = table->cellGeometry(row, col);
        return at(image, cell.center().x(), cell.bottom());
    }

    std::unique_ptr<OwnColumnTable> table;
};

// Every cell's two edges carry the grid, the corner where they meet too, and the cell's inside
// does not; a hidden row leaves no line of its own.
TEST_F(TableGridTest, EveryCellHasItsRightAndBottomEdgeRuled)
{
    table->hideRow(3);
    table->setColumnWidth(2, 37);
    const QImage image = shown();
    const QColor grid = rightEdge(image, 0, 0);
    ASSERT_NE(grid, QColor(Qt::white));
    for (int r = 0; r < table->numRows(); ++r) {
        if (table->isRowHidden(r))
            continue;
        for (int c = 0; c < table->numCols(); ++c) {
            const QRect cell = table->cellGeometry(r, c);
            EXPECT_EQ(rightEdge(image, r, c), grid) << r << "," << c;
            EXPECT_EQ(bottomEdge(image, r, c), grid) << r << "," << c;
            EXPECT_EQ(at(image, cell.right(), cell.bottom()), grid) << r << "," << c;
            EXPECT_EQ(at(image, cell.right() - 1, cell.bottom() - 1), QColor(Qt::white))
                << r << "," << c;
            EXPECT_EQ(at(image, cell.left(), cell.top()), QColor(Qt::white)) << r << "," << c;
        }
    }
}

// A block of cells is one cell: no line runs through it, while the cells beside it keep theirs.
TEST_F(TableGridTest, NoLineCrossesABlockOfCells)
{
    table->setItem(1, 1, new UTableItem(table.get(), UTableItem::OnTyping, QString()));
    table->item(1, 1)->setSpan(2, 2);
    const QImage image = shown();
    const QColor grid = rightEdge(image, 0, 0);
    // Where the lines between the block's own cells would run.
    const int innerX = table->columnPos(1) + table->columnWidth(1) - 1;
    const int innerY = table->rowPos(1) + table->rowHeight(1) - 1;
    EXPECT_EQ(at(image, innerX, table->rowPos(1) + 5), QColor(Qt::white));
    EXPECT_EQ(at(image, table->columnPos(1) + 5, innerY), QColor(Qt::white));
    EXPECT_EQ(rightEdge(image, 1, 1), grid);
    EXPECT_EQ(bottomEdge(image, 1, 1), grid);
    EXPECT_EQ(rightEdge(image, 1, 0), grid);
    EXPECT_EQ(rightEdge(image, 1, 2), grid);
    EXPECT_EQ(bottomEdge(image, 2, 1), grid);
    EXPECT_EQ(bottomEdge(image, 0, 1), grid);
}

// A subclass that paints a cell without the table's own painting gets no grid over it.
TEST_F(TableGridTest, ACellPaintedByASubclassAloneGetsNoGrid)
{
    table->ownColumn = 2;
    const QImage image = shown();
    const QColor grid = rightEdge(image, 0, 0);
    ASSERT_NE(grid, QColor(Qt::red));
    for (int r = 0; r < table->numRows(); ++r) {
        EXPECT_EQ(rightEdge(image, r, 2), QColor(Qt::red)) << r;
        EXPECT_EQ(bottomEdge(image, r, 2), QColor(Qt::red)) << r;
        EXPECT_EQ(rightEdge(image, r, 1), grid) << r;
        EXPECT_EQ(bottomEdge(image, r, 3), grid) << r;
    }
}

} // namespace
