#include "utilities/tableselection.h"

#include <algorithm>

UTableSelection::UTableSelection(int startRow, int startCol, int endRow, int endCol)
{
    init(startRow, startCol);
    expandTo(endRow, endCol);
}

void UTableSelection::init(int row, int col)
{
    m_anchorRow = m_topRow = m_bottomRow = row;
    m_anchorCol = m_leftCol = m_rightCol = col;
    m_active = false;
    m_inited = true;
}

void UTableSelection::expandTo(int row, int col)
{
    if (!m_inited)
        return;
    m_active = true;
    m_topRow = std::min(row, m_anchorRow);
    m_bottomRow = std::max(row, m_anchorRow);
    m_leftCol = std::min(col, m_anchorCol);
    m_rightCol = std::max(col, m_anchorCol);
}

bool UTableSelection::operator==(const UTableSelection &s) const
{
    return s.m_active == m_active && s.m_topRow == m_topRow && s.m_bottomRow == m_bottomRow &&
           s.m_leftCol == m_leftCol && s.m_rightCol == m_rightCol;
}

int UTableSelection::numRows() const
{
    return m_topRow < 0 ? 0 : m_bottomRow - m_topRow + 1;
}

int UTableSelection::numCols() const
{
    return m_leftCol < 0 ? 0 : m_rightCol - m_leftCol + 1;
}
