#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"

#include "gui_components/gc_panes/memoryview/memorytableview.h"
#include "gui_components/gc_panes/memoryview/viewmemorydataformatter.h"

#include <QKeyEvent>
#include <QScrollBar>

#include <algorithm>

namespace {

constexpr uint64_t kTopOfSpace = 0xFFFFFFFFull;

} // namespace

KViewMemoryAscii::KViewMemoryAscii(tesk::gc_panes::MemoryTableView *view, QWidget *parent,
                                   const char *name)
    : AViewMemoryTable(view, parent, name)
    , m_formatter(new KViewMemoryDataFormatter(this))
{
    // The data table beside it labels the rows; row numbers here would only part the two.
    verticalHeader()->hide();
    setLeftMargin(0);
}

KViewMemoryAscii::~KViewMemoryAscii() = default;

AViewMemoryTableItem *KViewMemoryAscii::createItem(const QString &text)
{
    return new KViewMemoryAsciiItem(this, text, QPixmap());
}

int KViewMemoryAscii::bytesPerRow() const
{
    return view() ? int16_t(view()->bytesPerRow()) : 0;
}

void KViewMemoryAscii::setData(const uint8_t *data, uint32_t length)
{
    if (!data)
        return;
    m_formatter->setFieldSize(1, QString());
    const uint64_t start = view() ? view()->startAddress().offset() : 0;
    const uint64_t perRow = uint64_t(std::max(0, bytesPerRow()));
    uint32_t used = 0;
    for (int r = 0; r < numRows(); ++r) {
        for (int c = 0; c < numCols(); ++c) {
            // Past the top of the space the block has ended: no byte, and none of another place.
            if (start + perRow * uint64_t(r) + uint64_t(c) > kTopOfSpace) {
                setText(r, c, KViewMemoryDataFormatter::unavailableChar());
                continue;
            }
            if (used >= length)
                return;
            setCellBytes(r, c, data + used, 1);
            ++used;
        }
    }
}

void KViewMemoryAscii::setCellBytes(int row, int col, const uint8_t *bytes, int count)
{
    if (!bytes || count < 1)
        return;
    switch (attributeClass(row, col)) {
    case 1:
        setText(row, col, KViewMemoryDataFormatter::unavailableChar());
        break;
    case 2:
        setText(row, col, m_formatter->notReadText());
        break;
    default:
        setText(row, col, QString(KViewMemoryDataFormatter::displayChar(bytes[0])));
        break;
    }
}

void KViewMemoryAscii::updateRowLabels(bool) {}

void KViewMemoryAscii::updateColumnLabels()
{
    for (int c = 0; c < numCols(); ++c)
        horizontalHeader()->setLabel(c, emptyMemoryLabel());
}

void KViewMemoryAscii::adjustCellSizes()
{
    const QSize letter = QFontMetrics(viewport()->font()).size(0, QStringLiteral("W"));
    const int width = std::max(0, letter.width());
    const int height = std::max(16, letter.height());
    if (applyCellSize(width + 4, height + 4) || horizontalScrollBar()->isVisible())
        refreshFont();
}

void KViewMemoryAscii::cellTextColor(int row, int col, QColor &color)
{
    attributeTextColor(row, col, color);
}

void KViewMemoryAscii::cellBaseColor(int row, int col, QColor &color)
{
    static const QColor white(Qt::white);
    attributeBaseColor(row, col, color, &white);
}

bool KViewMemoryAscii::fillFormatMenu(QMenu *)
{
    return false;
}

void KViewMemoryAscii::setCellText(int row, int col, const QString &text)
{
    setText(row, col, text);
}

// `value` holds the new character.
void KViewMemoryAscii::writeCell(int row, int col, uint64_t value)
{
    if (!view())
        return;
    const UTableItem *cellItem = item(row, col);
    const QString shown = cellItem ? cellItem->text() : QString();
    const uint8_t old = shown.size() == 1 ? uint8_t(shown.at(0).toLatin1()) : 0;
    view()->writeCharAt(row, col, old, uint8_t(value));
}

int KViewMemoryAscii::startEdit(int, int, bool)
{
    return 0;
}

void KViewMemoryAscii::endEdit(int, int, bool, bool) {}

int KViewMemoryAscii::bytesPerCell() const
{
    return 1;
}

void KViewMemoryAscii::offsetToCell(int64_t offset, int &col, int &row) const
{
    const int64_t perRow = bytesPerRow();
    if (perRow <= 0) {
        col = row = 0;
        return;
    }
    int64_t r = offset / perRow;
    if (offset % perRow < 0)
        --r;
    row = int(r);
    col = int(offset - r * perRow);
}

void KViewMemoryAscii::cellToOffset(int64_t &offset, int col, int row) const
{
    offset = int64_t(bytesPerRow()) * row + col;
}

void KViewMemoryAscii::keyPressEvent(QKeyEvent *e)
{
    const QString text = e->text();
    const int row = memoryCurrentRow();
    const int col = currentColumn();
    const bool printable =
        text.size() == 1 && text.at(0).unicode() >= 32 && text.at(0).unicode() <= 126;
    if (printable && row >= 0 && row < numRows() && col >= 0 && col < numCols()) {
        if (isCellEditable(row, col)) {
            const uint8_t typed = uint8_t(text.at(0).toLatin1());
            writeCell(row, col, typed); // before the cell shows it: the old character is read
            setCellText(row, col, text);
            setCurrentCell(row, col, false, false);
            advanceCursor();
        }
        return;
    }
    AViewMemoryTable::keyPressEvent(e);
}
