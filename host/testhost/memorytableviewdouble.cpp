#include "memorytableviewdouble.h"

#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"
#include "gui_components/gc_panes/memoryview/viewmemoryscrollbar.h"

#include <QHBoxLayout>
#include <QWidget>

#include <algorithm>

namespace testhost {

namespace {
constexpr double kTop = 4294967295.0;
}

MemoryTableViewDouble::MemoryTableViewDouble(int rows, int columns, int fieldSize, uint32_t target)
    : m_rows(rows)
    , m_columns(columns)
    , m_fieldSize(fieldSize)
    , m_window(std::make_unique<QWidget>())
{
    m_info.setCurrentTargetId(target);
    m_info.setBlockSize(rows * columns * fieldSize);
    auto *layout = new QHBoxLayout(m_window.get());
    m_data = new KViewMemoryData(this, m_window.get(), "DataMemoryView");
    m_dsm = new KViewMemoryDsm(this, m_window.get(), "DsmMemoryView");
    m_ascii = new KViewMemoryAscii(this, m_window.get(), "AsciiMemoryView");
    m_scrollbar = new KViewMemoryScrollbar(this, m_window.get(), "MemoryScrollBar");
    for (QWidget *w : {static_cast<QWidget *>(m_data), static_cast<QWidget *>(m_dsm),
                       static_cast<QWidget *>(m_ascii), static_cast<QWidget *>(m_scrollbar)})
        layout->addWidget(w);
    m_data->setNumRows(rows);
    m_data->setNumCols(columns);
    m_ascii->setNumRows(rows);
    m_ascii->setNumCols(columns * fieldSize);
    m_dsm->setNumRows(rows);
    m_data->updateColumnLabels();
    m_ascii->updateColumnLabels();
    m_dsm->updateColumnLabels();
}

MemoryTableViewDouble::~MemoryTableViewDouble() = default;

void MemoryTableViewDouble::showAt(uint32_t offset)
{
    m_info.setStartAddress(UMemoryAddress(0, offset));
    refresh();
}

void MemoryTableViewDouble::refresh()
{
    uint32_t length = uint32_t(m_rows * bytesPerRow());
    const uint8_t *bytes = nullptr;
    m_info.getData(startAddress(), length, bytes, 0);
    m_data->setData(bytes, length);
    m_ascii->setData(bytes, length);
    m_data->updateRowLabels(startAddress().isValid());
}

void MemoryTableViewDouble::refreshDisassembly(int formatId)
{
    const void *lines = nullptr;
    const uint8_t *lengths = nullptr;
    uint32_t count = uint32_t(m_rows);
    KGcp_Bridge_KSO::instance()->memorySpaceInfo("memory", int(m_info.currentTargetId()),
                                                 startAddress(), formatId, &lines, &lengths,
                                                 &count);
    m_dsm->setLines(lines, count, lengths);
}

QString MemoryTableViewDouble::addressText(const UMemoryAddress &address)
{
    return QString::fromStdString(
        KGcp_Bridge_KSO::instance()->addressToText(int(m_info.currentTargetId()), address));
}

void MemoryTableViewDouble::write(int row, int column, int size, uint64_t bytes)
{
    const UMemoryAddress address =
        startAddress() + int64_t(bytesPerRow()) * row + int64_t(size) * column;
    KGcp_Bridge_KSO::instance()->memorySpaceAction(
        "memory", m_window.get(), int(m_info.currentTargetId()), address, intptr_t(size),
        reinterpret_cast<intptr_t>(&bytes));
}

bool MemoryTableViewDouble::writeValueAt(int row, int column, uint64_t oldValue, uint64_t newValue)
{
    m_writes.push_back({row, column, oldValue, newValue});
    write(row, column, m_fieldSize, newValue);
    return true;
}

bool MemoryTableViewDouble::writeCharAt(int row, int column, uint8_t oldChar, uint8_t newChar)
{
    m_writes.push_back({row, column, oldChar, newChar});
    write(row, column, 1, newChar);
    return true;
}

bool MemoryTableViewDouble::setSelectionOffsets(bool active, int64_t first, int64_t last,
                                                int64_t cursor)
{
    m_selections.push_back({active, first, last, cursor});
    return !m_refuseSelections;
}

double MemoryTableViewDouble::scrollFraction() const
{
    return startAddress().isValid() ? startAddress().offset() / kTop : 0.0;
}

void MemoryTableViewDouble::scrollToFraction(double fraction, bool)
{
    showAt(uint32_t(std::clamp(fraction, 0.0, 1.0) * kTop));
}

void MemoryTableViewDouble::scrollBy(int kind, int count)
{
    int lines = count;
    switch (kind) {
    case PrevLine:
        lines = -1;
        break;
    case NextLine:
        lines = 1;
        break;
    case PrevPage:
        lines = -m_rows;
        break;
    case NextPage:
        lines = m_rows;
        break;
    default:
        break;
    }
    m_scrolls.push_back(lines);
    const int64_t offset = int64_t(startAddress().offset()) + int64_t(lines) * bytesPerRow();
    showAt(uint32_t(std::clamp<int64_t>(offset, 0, int64_t(kTop))));
}

} // namespace testhost
