#pragma once

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
