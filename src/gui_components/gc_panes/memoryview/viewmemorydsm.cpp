#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"

#include "gui_components/gc_panes/memoryview/memorytableview.h"

#include <tesk/tesk_memoryaccess.h>

#include <QFontMetrics>

#include <algorithm>
#include <cstring>

KViewMemoryDsmItem::KViewMemoryDsmItem(AViewMemoryTable *table, const QString &text,
                                       const QPixmap &pixmap)
    : AViewMemoryTableItem(table, text, pixmap)
{
    setWordWrap(false);
}

KViewMemoryDsm::KViewMemoryDsm(tesk::gc_panes::MemoryTableView *view, QWidget *parent,
                               const char *name)
    : AViewMemoryTable(view, parent, name)
{
    setNumCols(1);
}

KViewMemoryDsm::KViewMemoryDsm(int rows, int cols, tesk::gc_panes::MemoryTableView *view,
                               QWidget *parent, const char *name)
    : AViewMemoryTable(rows, cols, view, parent, name)
{
    setNumCols(1);
}

KViewMemoryDsm::~KViewMemoryDsm() = default;

AViewMemoryTableItem *KViewMemoryDsm::createItem(const QString &text)
{
    return new KViewMemoryDsmItem(this, text, QPixmap());
}

void KViewMemoryDsm::setLines(const void *lines, uint32_t count, const uint8_t *lengths)
{
    if (!lines || !lengths)
        count = 0;
    m_lengths.resize(count);
    const auto *records = static_cast<const TeskDisassemblyLine *>(lines);
    const uint32_t rows = uint32_t(std::max(0, numRows()));
    for (uint32_t r = 0; r < rows; ++r) {
        if (r < count)
            setLine(int(r), records[r].text, lengths[r]);
        else
            setLine(int(r), nullptr, 0);
    }
    // setLine only ever sets entries below count.
    for (uint32_t r = rows; r < count; ++r)
        m_lengths[r] = std::max<uint32_t>(1, lengths[r]);
    verticalHeader()->update();
}

void KViewMemoryDsm::setLine(int row, const char *text, uint32_t length)
{
    QString address = emptyMemoryLabel();
    QString instruction;
    if (text) {
        const QString line = QString::fromLatin1(text);
        int begin = 0;
        while (begin < line.size() && line.at(begin) == u' ')
            ++begin;
        const int space = line.indexOf(u' ', begin);
        // A line without a space after its address is shown whole, as the instruction.
        if (space < 0) {
            instruction = line.mid(begin);
        } else {
            address = line.mid(begin, space - begin);
            instruction = line.mid(space + 1);
        }
    }
    static_cast<UTableHeader *>(verticalHeader())->setLabelNoRepaint(row, address);
    setText(row, 0, instruction);
    if (row >= 0 && size_t(row) < m_lengths.size())
        m_lengths[size_t(row)] = std::max<uint32_t>(1, length); // an empty instruction still moves
}

void KViewMemoryDsm::setData(const uint8_t *, uint32_t) {}

void KViewMemoryDsm::updateRowLabels(bool valid)
{
    if (valid)
        return;
    auto *header = static_cast<UTableHeader *>(verticalHeader());
    for (int r = 0; r < numRows(); ++r)
        header->setLabelNoRepaint(r, tr("No Address"));
    header->update();
}

void KViewMemoryDsm::updateColumnLabels()
{
    horizontalHeader()->setLabel(0, QStringLiteral("      DISASSEMBLY"));
}

void KViewMemoryDsm::adjustCellSizes()
{
    const QFontMetrics topMetrics(horizontalHeader()->font());
    const QFontMetrics cellMetrics(viewport()->font());
    int width = 20;
    int height = 16;
    for (int c = 0; c < numCols(); ++c) {
        width = std::max(width, topMetrics.horizontalAdvance(horizontalHeader()->label(c)));
        for (int r = 0; r < numRows(); ++r) {
            if (const UTableItem *cellItem = item(r, c)) {
                width = std::max(width, cellMetrics.horizontalAdvance(cellItem->text()));
                height = std::max(height, cellMetrics.height());
            }
        }
    }
    fitRowLabels();
    applyCellSize(width + 10, height + 4);
    refreshFont();
}

void KViewMemoryDsm::cellTextColor(int, int, QColor &) {}

void KViewMemoryDsm::cellBaseColor(int, int, QColor &) {}

bool KViewMemoryDsm::fillFormatMenu(QMenu *)
{
    return false;
}

void KViewMemoryDsm::setCellText(int row, int col, const QString &text)
{
    setText(row, col, text);
}

void KViewMemoryDsm::writeCell(int row, int col, uint64_t value)
{
    if (view())
        view()->writeValueAt(row, col, 0, value);
}

int KViewMemoryDsm::startEdit(int, int, bool)
{
    return 0;
}

void KViewMemoryDsm::endEdit(int, int, bool, bool) {}

int KViewMemoryDsm::bytesPerCell() const
{
    return 4;
}

void KViewMemoryDsm::offsetToCell(int64_t offset, int &col, int &row) const
{
    col = 0;
    if (m_lengths.empty()) {
        row = 0;
        return;
    }
    if (offset < 0) {
        row = int(offset / int64_t(m_lengths.front()));
        return;
    }
    int64_t start = 0;
    size_t r = 0;
    while (r < m_lengths.size() && start + m_lengths[r] <= offset)
        start += m_lengths[r++];
    if (r == m_lengths.size())
        r += size_t((offset - start) / int64_t(m_lengths.back()));
    row = int(r);
}

void KViewMemoryDsm::cellToOffset(int64_t &offset, int, int row) const
{
    if (m_lengths.empty()) {
        offset = 0;
        return;
    }
    if (row < 0) {
        offset = int64_t(m_lengths.front()) * row;
        return;
    }
    // The known lines are summed; past them the last length repeats, counted at once: a row
    // far below (after a slider drag) must not be walked to.
    const size_t known = std::min(size_t(row), m_lengths.size());
    offset = 0;
    for (size_t r = 0; r < known; ++r)
        offset += m_lengths[r];
    offset += int64_t(row - int64_t(known)) * m_lengths.back();
}
