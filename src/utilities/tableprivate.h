#pragma once

// The table's own state, shared by the files that make up UTable (construction, cells and
// painting in table.cpp; line sizes and line changes in tablelines.cpp; read-only lines,
// sorting and in-place editing in tableediting.cpp; the input events in tableinput.cpp).

#include "utilities/table.h"
#include "utilities/tableselection.h"
#include "utilities/tabletextcache.h"

#include <QBrush>
#include <QColor>
#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSet>
#include <QStyle>
#include <QWidget>

#include <deque>
#include <memory>
#include <vector>

class QTimer;

namespace tesk::utilities::tableinternal {

constexpr int kDefaultColumnWidth = 100;
constexpr int kDefaultRowHeight = 20;

// Restores a flag when the scope ends.
class FlagGuard
{
public:
    explicit FlagGuard(bool &flag)
        : m_flag(flag)
    {
        m_flag = true;
    }
    ~FlagGuard() { m_flag = false; }
    FlagGuard(const FlagGuard &) = delete;
    FlagGuard &operator=(const FlagGuard &) = delete;

private:
    bool &m_flag;
};

inline bool changesHighlightOnFocus(const QWidget *widget)
{
    return widget->style()->styleHint(QStyle::SH_ItemView_ChangeHighlightOnFocus, nullptr,
                                      widget) != 0;
}

// Style answers asked once per contents paint instead of once per cell.
struct StyleHints
{
    bool changeHighlightOnFocus = false;
    int gridColor = -1;
};

} // namespace tesk::utilities::tableinternal

class UTablePrivate
{
public:
    // Set by init(): until then the table has no headers and ignores input and painting.
    bool initialised = false;
    // Cell contents, indexed by UTable::indexOf(); a spanning item stands in each of its cells.
    // A deque, so that rows come and go at the top as cheaply as at the end.
    std::deque<UTableItem *> contents;
    // Few cells hold a widget (an editor, a check box): kept by cell.
    QHash<quint64, QWidget *> widgets;
    // Set while clearCellWidget ends the edit whose editor it removes.
    bool endingEdit = false;
    // Lines inserted or removed since the items last learnt their places, oldest first: the
    // lines of the orientation from `from` on moved by `by`. An item whose stamp is behind
    // placeStamp by k has yet to follow the last k of them.
    struct LineShift
    {
        Qt::Orientation orientation;
        int from;
        int by;
    };
    std::vector<LineShift> shifts;
    quint32 placeStamp = 0;
    tesk::utilities::TableTextCache textCache;
    // How many digits the row count had when the left margin was last fitted to it.
    int marginDigits = 0;
    int curRow = 0;
    int curCol = 0;
    UTableHeader *leftHeader = nullptr;
    UTableHeader *topHeader = nullptr;
    UTable::EditMode editMode = UTable::NotEditing;
    int editCol = -1;
    int editRow = -1;
    UTableSelectionSet selections;
    QTimer *autoScrollTimer = nullptr;
    int lastSortCol = -1;
    bool showGrid = true;
    bool rowMoving = false;
    bool columnMoving = false;
    bool ascending = true;
    bool sorting = true;
    bool readOnly = false;
    bool shouldClearSelection = false;
    bool dragEnabled = false;
    bool drawActiveSelection = true;
    bool wasVisible = false;
    UTable::SelectionMode selectionMode = UTable::Multi;
    int pressedRow = -1;
    int pressedCol = -1;
    QSet<int> readOnlyRows;
    QSet<int> readOnlyCols;
    int dragStartRow = -1;
    int dragStartCol = -1;
    QPoint dragStartPos;
    int savedRow = -1;
    int savedCol = -1;
    UTable::FocusStyle focusStyle = UTable::SpreadSheet;
    // Where the pointer was last seen, for the auto-scroll steps between moves.
    QPoint lastGlobalPos;
    // Valid while painting is set.
    tesk::utilities::tableinternal::StyleHints paintHints;
    bool painting = false;
    // Set while the cells are painted over a background filled beforehand with prefill.
    bool prefilled = false;
    QBrush prefill;
    // While set, the base paintCell leaves a cell's grid edges to drawContents, which rules
    // whole lines across the page once instead of two short ones per cell, and notes the cell
    // with the colour it would have used.
    bool gridDeferred = false;
    struct GridCell
    {
        QRect rect;
        QColor color;
    };
    std::vector<GridCell> gridCells;
    bool hasRowSpan = false;
    bool hasColSpan = false;
    bool inMenuMode = false;
    bool redirectMouseEvent = false;
    // Hidden rows and columns with the size each had before it was hidden.
    QHash<int, int> hiddenRows;
    QHash<int, int> hiddenCols;
    QTimer *geometryTimer = nullptr;
    int lastVisRow = 0;
    int lastVisCol = 0;

    // Rows are counted along the vertical header, columns along the horizontal one.
    QHash<int, int> &hiddenLines(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? hiddenRows : hiddenCols;
    }
    QSet<int> &readOnlyLines(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? readOnlyRows : readOnlyCols;
    }
    int &current(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? curRow : curCol;
    }
    int &editing(Qt::Orientation orientation)
    {
        return orientation == Qt::Vertical ? editRow : editCol;
    }
    bool hasSpan(Qt::Orientation orientation) const
    {
        return orientation == Qt::Vertical ? hasRowSpan : hasColSpan;
    }
    tesk::utilities::tableinternal::StyleHints styleHints(const QWidget *table) const;

    static quint64 cellKey(int row, int col)
    {
        return (quint64(quint32(row)) << 32) | quint32(col);
    }
    static int keyRow(quint64 key) { return int(key >> 32); }
    static int keyCol(quint64 key) { return int(quint32(key)); }
};
