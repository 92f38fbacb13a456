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

int UTableSelectionSet::currentIndex() const
{
    for (size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].get() == m_current)
            return int(i);
    }
    return -1;
}

UTableSelection *UTableSelectionSet::start(int anchorRow, int anchorCol)
{
    m_entries.push_back(std::make_unique<UTableSelection>());
    m_current = m_entries.back().get();
    m_current->init(anchorRow, anchorCol);
    return m_current;
}

UTableSelection *UTableSelectionSet::add(const UTableSelection &selection)
{
    m_entries.push_back(std::make_unique<UTableSelection>(selection));
    return m_entries.back().get();
}

bool UTableSelectionSet::extendCurrent(int anchorRow, int anchorCol, int row, int col)
{
    const bool started = !m_current;
    if (started)
        start(anchorRow, anchorCol);
    m_current->expandTo(row, col);
    return started;
}

void UTableSelectionSet::removeAt(int index)
{
    if (index < 0 || index >= size())
        return;
    if (m_entries[size_t(index)].get() == m_current)
        m_current = nullptr;
    m_entries.erase(m_entries.begin() + index);
}

UTableSelectionSet::Entries UTableSelectionSet::takeEqual(const UTableSelection &selection)
{
    Entries taken;
    for (auto it = m_entries.begin(); it != m_entries.end();) {
        if (**it != selection) {
            ++it;
            continue;
        }
        if (it->get() == m_current)
            m_current = nullptr;
        taken.push_back(std::move(*it));
        it = m_entries.erase(it);
    }
    return taken;
}

std::unique_ptr<UTableSelection> UTableSelectionSet::takeCurrent()
{
    const auto it = std::find_if(m_entries.begin(), m_entries.end(),
                                 [this](const auto &s) { return s.get() == m_current; });
    m_current = nullptr;
    if (it == m_entries.end())
        return nullptr;
    std::unique_ptr<UTableSelection> taken = std::move(*it);
    m_entries.erase(it);
    return taken;
}

void UTableSelectionSet::clear()
{
    m_current = nullptr;
    m_entries.clear();
}

bool UTableSelectionSet::contains(int row, int col) const
{
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const auto &s) {
        return s->isActive() && row >= s->topRow() && row <= s->bottomRow() &&
               col >= s->leftCol() && col <= s->rightCol();
    });
}

bool UTableSelectionSet::coversLine(Qt::Orientation orientation, int line, int across) const
{
    const bool rows = orientation == Qt::Vertical;
    return std::any_of(m_entries.begin(), m_entries.end(), [&](const auto &s) {
        const int first = rows ? s->topRow() : s->leftCol();
        const int last = rows ? s->bottomRow() : s->rightCol();
        if (!s->isActive() || line < first || line > last)
            return false;
        if (across < 0)
            return true;
        return rows ? (s->leftCol() == 0 && s->rightCol() == across - 1)
                    : (s->topRow() == 0 && s->bottomRow() == across - 1);
    });
}
