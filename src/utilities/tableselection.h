#pragma once

#include <Qt>

#include <memory>
#include <vector>

// One rectangular selection of a table: the anchor cell where the gesture began and the
// rectangle from the anchor to the cell reached so far, both ends inclusive.
class UTableSelection
{
public:
    UTableSelection() = default;
    UTableSelection(int startRow, int startCol, int endRow, int endCol);
    virtual ~UTableSelection() = default;
    UTableSelection(const UTableSelection &) = default;
    UTableSelection &operator=(const UTableSelection &) = default;

    void init(int row, int col);
    virtual void expandTo(int row, int col);

    // The anchor does not take part: two selections covering the same cells are equal.
    bool operator==(const UTableSelection &s) const;
    bool operator!=(const UTableSelection &s) const { return !(*this == s); }

    int topRow() const { return m_topRow; }
    int bottomRow() const { return m_bottomRow; }
    int leftCol() const { return m_leftCol; }
    int rightCol() const { return m_rightCol; }
    int anchorRow() const { return m_anchorRow; }
    int anchorCol() const { return m_anchorCol; }
    int numRows() const;
    int numCols() const;

    bool isActive() const { return m_active; }
    bool isEmpty() const { return !m_active; }

private:
    bool m_active = false;
    bool m_inited = false;
    int m_topRow = -1;
    int m_leftCol = -1;
    int m_bottomRow = -1;
    int m_rightCol = -1;
    int m_anchorRow = -1;
    int m_anchorCol = -1;
};

// The selections of a table, in the order they were made, and the one a gesture is extending.
// Knows nothing of widgets: the table asks it what is covered and repaints what changed.
class UTableSelectionSet
{
public:
    using Entries = std::vector<std::unique_ptr<UTableSelection>>;

    int size() const { return int(m_entries.size()); }
    bool empty() const { return m_entries.empty(); }
    const UTableSelection &at(int index) const { return *m_entries[size_t(index)]; }
    Entries::const_iterator begin() const { return m_entries.begin(); }
    Entries::const_iterator end() const { return m_entries.end(); }

    // The selection being extended, or null.
    UTableSelection *current() const { return m_current; }
    int currentIndex() const;
    void forgetCurrent() { m_current = nullptr; }

    // Starts a selection at the anchor and makes it the current one; it stays inactive until
    // extended.
    UTableSelection *start(int anchorRow, int anchorCol);
    // Appends a copy of the selection, leaving the current one as it is.
    UTableSelection *add(const UTableSelection &selection);
    // Extends the current selection to the cell, starting one at the anchor when there is none
    // (a shift-extension); answers whether it had to be started.
    bool extendCurrent(int anchorRow, int anchorCol, int row, int col);

    void removeAt(int index);
    // Takes out every selection covering the same cells as the given one.
    Entries takeEqual(const UTableSelection &selection);
    // Takes out the current selection.
    std::unique_ptr<UTableSelection> takeCurrent();
    void clear();

    // Whether an active selection covers the cell.
    bool contains(int row, int col) const;
    // Whether an active selection covers the line (a row along Qt::Vertical, a column along
    // Qt::Horizontal); with across set, only one reaching over all `across` lines of the other
    // orientation counts.
    bool coversLine(Qt::Orientation orientation, int line, int across = -1) const;

private:
    Entries m_entries;
    UTableSelection *m_current = nullptr;
};
