#include "gui_components/gc_panes/memoryview/viewmemorydata.h"

#include "frame/core/inplaceedit.h"
#include "gui_components/gc_panes/memory/bytereverse.h"
#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/memorytableview.h"
#include "gui_components/gc_panes/memoryview/viewmemorydataformatter.h"
#include "system/modalseam.h"

#include <glyphon/kformatteddata.h>
#include <glyphon/kmediatordisplay.h>
#include <glyphon/kmediatorformat.h>

#include <QMessageBox>
#include <QPointer>

#include <cstring>

namespace {

constexpr uint64_t kTopOfSpace = 0xFFFFFFFFull;
// Address texts the row header keeps at most; past it they are dropped and asked again.
constexpr int kMaximumAddressTexts = 4096;
const QString kRowKeyPrefix = QStringLiteral("&&");

// The item an in-place edit works on; its destructor clears it, so an edit can tell that a
// refill deleted the item under it.
KViewMemoryDataItem *s_editedItem = nullptr;

} // namespace

// ---------------------------------------------------------------------------------------------
// KViewMemoryDataItem

KViewMemoryDataItem::KViewMemoryDataItem(AViewMemoryTable *table, const QString &text,
                                         const QPixmap &pixmap)
    : AViewMemoryTableItem(table, text, pixmap)
{
}

KViewMemoryDataItem::~KViewMemoryDataItem()
{
    if (s_editedItem == this)
        s_editedItem = nullptr;
}

bool KViewMemoryDataItem::editInPlace(int row, int col)
{
    auto *dataTable = qobject_cast<KViewMemoryData *>(table());
    if (!dataTable)
        return false;
    QPointer<KViewMemoryData> guard(dataTable);
    KViewMemoryDataFormatter &formatter = *dataTable->m_formatter;
    KMediator_Display *display = KMediator_Display::get_Instance();
    display->set_fontLabel(dataTable->font());
    display->set_fontMenu(dataTable->font());
    display->set_fontValue(dataTable->font());
    display->set_parentWnd(dataTable->viewport());
    const QRect cell = dataTable->cellGeometry(row, col);
    const QPoint topLeft = dataTable->contentsToViewport(cell.topLeft());
    const QRect area(topLeft, cell.size());
    display->set_inPlaceEditGeometry(area.left(), area.top() - 2, area.right() + 3,
                                     area.bottom() - 2);

    // The editor works on a value of its own: a refresh while it is open formats the new
    // bytes through the formatter's shared value and would leave the editor writing nowhere.
    KFormattedData &shared = formatter.value();
    KFormattedData value;
    value.SetSize(shared.GetSize());
    value.SetContainerSize(shared.GetContainerSize());
    value.SetInitialFormatTypeName(shared.GetInitialFormatTypeName());
    const uint64_t original = m_value;
    uint64_t edited = original;
    value.SetDataPtr(&edited);
    const KViewMemoryData::CellPlace before = dataTable->cellPlace(row, col);
    s_editedItem = this;
    display->set_isValueSelected(true);
    tesk::runInPlaceEditor(formatter.engine(), *display, value);
    if (!guard || s_editedItem != this) {
        // The table refilled its cells (or went) while the editor ran: this item is gone,
        // touch nothing of it.
        display->set_parentWnd(nullptr);
        return false;
    }
    s_editedItem = nullptr;

    int flags = 0;
    display->get_inPlaceEditErrorReturn(flags);
    const int size = formatter.fieldSize();
    const bool accepted =
        !(flags & GLYPHON_EDIT_DISCARDED) && std::memcmp(&edited, &original, size_t(size)) != 0;
    display->set_parentWnd(nullptr);
    if (accepted && dataTable->cellPlace(row, col) != before) {
        // The cell shows another target or address now: writing there would change memory
        // the user never saw.
        dataTable->reportDroppedEdit();
        return false;
    }
    if (accepted) {
        QString text;
        formatter.engine().get_dataValue(&value, text);
        dataTable->setCellText(row, col, text);
        uint64_t targetOrder = edited;
        if (dataTable->isBigEndian() && size >= 2)
            byteReversingCopy(&targetOrder, &edited, size);
        // What memory holds now, which a refresh during the edit may have changed.
        const uint64_t old = m_value;
        m_value = edited;
        if (dataTable->view())
            dataTable->view()->writeValueAt(row, col, old, targetOrder);
    }
    dataTable->setFocus();
    return true;
}

// ---------------------------------------------------------------------------------------------
// KViewMemoryData

KViewMemoryData::KViewMemoryData(tesk::gc_panes::MemoryTableView *view, QWidget *parent,
                                 const char *name)
    : AViewMemoryTable(view, parent, name)
    , m_formatter(new KViewMemoryDataFormatter(this))
{
    connect(m_formatter, &KViewMemoryDataFormatter::sigFormatChangedOnContextMenu, this,
            &KViewMemoryData::slotContextMenuFormatChanged);
    setAcceptDrops(true);
}

KViewMemoryData::~KViewMemoryData() = default;

AViewMemoryTableItem *KViewMemoryData::createItem(const QString &text)
{
    return new KViewMemoryDataItem(this, text, QPixmap());
}

KViewMemoryDataItem *KViewMemoryData::dataItem(int row, int col) const
{
    return dynamic_cast<KViewMemoryDataItem *>(item(row, col));
}

QString KViewMemoryData::fieldText(int row, int col, const uint8_t *field, int size, bool swap,
                                   uint64_t &value)
{
    switch (attributeClass(row, col)) {
    case 1:
        return m_formatter->unavailableText();
    case 2:
        return m_formatter->notReadText();
    default:
        break;
    }
    uint8_t bytes[8] = {};
    if (swap)
        byteReversingCopy(bytes, field, size);
    else
        std::memcpy(bytes, field, size_t(size));
    std::memcpy(&value, bytes, sizeof bytes);
    return m_formatter->formatBytes(bytes);
}

void KViewMemoryData::setData(const uint8_t *data, uint32_t length)
{
    updateContents();
    tesk::gc_panes::MemoryTableView *memoryView = view();
    const int size = bytesPerCell();
    if (!memoryView || size < 1 || size > 8)
        return;
    if (memoryView->isStandardFormat())
        m_formatter->setFieldSize(size, memoryView->formatCode());
    m_formatter->setParentWidget(viewport());
    m_formatter->setFont(font());
    const bool swap = memoryView->isBigEndian() && size >= 2;
    const uint64_t start = memoryView->startAddress().offset();
    const int64_t bytesPerRow = memoryView->bytesPerRow();
    const int cols = numCols();
    uint32_t used = 0;
    for (int r = 0; r < numRows(); ++r) {
        for (int c = 0; c < cols; ++c) {
            uint64_t value = 0;
            QString text;
            const uint64_t lastByte = start + bytesPerRow * r + uint64_t(size) * c + size - 1;
            // The block ends at the top of the space, but the cells past it must not keep
            // what they showed of another place.
            if (lastByte > kTopOfSpace)
                text = m_formatter->unavailableText();
            else if (used >= length || !data)
                return;
            else if (used + uint32_t(size) > length)
                text = m_formatter->notReadText(); // the block ends inside this field
            else
                text = fieldText(r, c, data + (int64_t(r) * cols + c) * size, size, swap, value);
            setText(r, c, text);
            if (KViewMemoryDataItem *cellItem = dataItem(r, c))
                cellItem->setValue(value);
            used += uint32_t(size);
        }
    }
}

void KViewMemoryData::forgetStaleAddressTexts()
{
    AViewMemoryHeader *header = memoryHeader(Qt::Vertical);
    KViewMemoryInfo &info = view()->memoryInfo();
    if (info.currentTargetId() != m_textsTarget || info.generationCount() != m_textsGeneration ||
        header->textCount() > kMaximumAddressTexts) {
        header->clearTexts();
        m_textsTarget = info.currentTargetId();
        m_textsGeneration = info.generationCount();
    }
}

void KViewMemoryData::updateRowLabels(bool valid)
{
    AViewMemoryHeader *header = memoryHeader(Qt::Vertical);
    if (!valid || !view()) {
        for (int r = 0; r < numRows(); ++r)
            header->setLabelNoRepaint(r, tr("No Address"));
        header->update();
        return;
    }
    forgetStaleAddressTexts();
    const uint64_t start = view()->startAddress().offset();
    const uint64_t bytesPerRow = uint64_t(std::max(0, view()->bytesPerRow()));
    for (int r = 0; r < numRows(); ++r) {
        // Rows past the top of the space have no address: an empty label, never a stale one.
        const bool inSpace = start + bytesPerRow * uint64_t(r) <= kTopOfSpace;
        header->setLabelNoRepaint(r, inSpace ? kRowKeyPrefix + QString::number(r)
                                             : emptyMemoryLabel());
    }
    QString text;
    if (numRows() > 0 && headerLabel(header->label(0), text))
        header->setLabelNoRepaint(0, text);
    header->update();
}

bool KViewMemoryData::headerLabel(const QString &label, QString &text)
{
    if (!view() || !label.startsWith(kRowKeyPrefix))
        return false;
    bool isNumber = false;
    const int row = QStringView(label).mid(kRowKeyPrefix.size()).toInt(&isNumber);
    if (!isNumber)
        return false;
    const UMemoryAddress address =
        view()->startAddress() + int64_t(view()->bytesPerRow()) * int64_t(row);
    AViewMemoryHeader *header = memoryHeader(Qt::Vertical);
    const QString key = QString::number(address.space()) + u':' + QString::number(address.offset());
    text = header->lookupText(key);
    if (text.isNull()) {
        text = view()->addressText(address);
        header->insertText(key, text);
    }
    return true;
}

void KViewMemoryData::updateColumnLabels()
{
    if (!view())
        return;
    AViewMemoryHeader *header = memoryHeader(Qt::Horizontal);
    const int size = std::max(1, view()->fieldSize());
    const int accessSize = std::max(1, view()->memoryInfo().defaultAccessSize());
    int previousGroup = -1;
    for (int c = 0; c < numCols(); ++c) {
        const int group = c * size / accessSize;
        QString label = emptyMemoryLabel();
        if (c == 0 || group != previousGroup)
            label = (u'+' + QString::number(group, 16).toUpper()).leftJustified(3, u' ');
        header->setLabel(c, label);
        previousGroup = group;
    }
}

void KViewMemoryData::adjustCellSizes()
{
    adjustColumns();
}

void KViewMemoryData::cellTextColor(int row, int col, QColor &color)
{
    attributeTextColor(row, col, color);
}

void KViewMemoryData::cellBaseColor(int row, int col, QColor &color)
{
    attributeBaseColor(row, col, color, nullptr);
}

bool KViewMemoryData::fillFormatMenu(QMenu *popup)
{
    m_formatter->fillFormatMenu(popup);
    return true;
}

void KViewMemoryData::endFormatMenu()
{
    m_formatter->endFormatMenu();
}

KViewMemoryData::CellPlace KViewMemoryData::cellPlace(int row, int col) const
{
    CellPlace place;
    if (!view())
        return place;
    int64_t offset = 0;
    cellToOffset(offset, col, row);
    const UMemoryAddress address = view()->startAddress() + offset;
    place.target = view()->memoryInfo().currentTargetId();
    place.space = address.space();
    place.offset = address.offset();
    place.valid = address.isValid();
    return place;
}

void KViewMemoryData::reportDroppedEdit()
{
    auto *viewObject = dynamic_cast<QObject *>(view());
    const QObject *owner = viewObject ? viewObject : this;
    tesk::system::Modal<QMessageBox> box(
        QMessageBox::Warning, tr("Warning"),
        tr("The memory shown changed while the value was edited.\nThe value was not written."),
        QMessageBox::Ok, this);
    box->setDefaultButton(QMessageBox::Ok);
    box.run(owner, tesk::system::ModalSeam::Kind::MessageBox);
}

void KViewMemoryData::setCellText(int row, int col, const QString &text)
{
    setText(row, col, text);
}

void KViewMemoryData::writeCell(int row, int col, uint64_t value)
{
    if (view())
        view()->writeValueAt(row, col, cellValue(row, col), value);
}

void KViewMemoryData::offsetToCell(int64_t offset, int &col, int &row) const
{
    const int64_t bytesPerRow = view() ? int16_t(view()->bytesPerRow()) : 0;
    const int64_t size = view() ? int16_t(view()->fieldSize()) : 0;
    if (bytesPerRow <= 0 || size <= 0) {
        col = row = 0;
        return;
    }
    // Rounded towards minus infinity: offsets before the start give negative rows.
    int64_t r = offset / bytesPerRow;
    if (offset % bytesPerRow < 0)
        --r;
    row = int(r);
    col = int((offset - r * bytesPerRow) / size);
}

void KViewMemoryData::cellToOffset(int64_t &offset, int col, int row) const
{
    const int64_t bytesPerRow = view() ? int16_t(view()->bytesPerRow()) : 0;
    const int64_t size = view() ? int16_t(view()->fieldSize()) : 0;
    offset = bytesPerRow * row + size * col;
}

void KViewMemoryData::addressToCell(const UMemoryAddress &address, int &row, int &col) const
{
    const int bytesPerRow = view() ? view()->bytesPerRow() : 0;
    const int size = view() ? view()->fieldSize() : 0;
    if (bytesPerRow <= 0 || size <= 0) {
        row = col = 0;
        return;
    }
    const int64_t difference = int64_t(address.offset()) - view()->startAddress().offset();
    row = int(difference / bytesPerRow);
    col = int(difference % bytesPerRow / size);
}

QString KViewMemoryData::cellText(int row, int col) const
{
    const UTableItem *cellItem = item(row, col);
    return cellItem ? cellItem->text() : QString();
}

uint64_t KViewMemoryData::cellValue(int row, int col) const
{
    const KViewMemoryDataItem *cellItem = dataItem(row, col);
    return cellItem ? cellItem->value() : 0;
}

void KViewMemoryData::format(QString &name, int &bits) const
{
    m_formatter->format(bits, name);
}

bool KViewMemoryData::setFormat(const QString &name, int bits)
{
    return m_formatter->setFormat(bits, name);
}

bool KViewMemoryData::isBigEndian() const
{
    return view() && view()->isBigEndian();
}

QWidget *KViewMemoryData::beginEdit(int row, int col, bool replace)
{
    return AViewMemoryTable::beginEdit(row, col, replace);
}

void KViewMemoryData::endEdit(int, int, bool, bool) {}

int KViewMemoryData::startEdit(int row, int col, bool initFromCell)
{
    if (isReadOnly() || isRowReadOnly(row) || isColumnReadOnly(col) || !isCellEditable(row, col))
        return 0;
    if (row < 0 || col < 0 || row >= numRows() || col >= numCols())
        return 0;
    if (!item(row, col))
        setText(row, col, QString());
    KViewMemoryDataItem *cellItem = dataItem(row, col);
    if (!cellItem || (!initFromCell && cellItem->isReplaceable()))
        return 0;
    if (cellItem->editType() == UTableItem::Never)
        return 0;
    QPointer<KViewMemoryData> guard(this);
    setEditMode(Editing, row, col);
    const bool completed = cellItem->editInPlace(row, col);
    if (!guard)
        return 0;
    if (completed) {
        viewport()->setFocus();
        clearRange();
        updateContents();
    }
    setEditMode(NotEditing, -1, -1);
    return completed ? 1 : 0;
}

QSize KViewMemoryData::sizeHint() const
{
    return AViewMemoryTable::sizeHint() + QSize(2, 0);
}

void KViewMemoryData::slotContextMenuFormatChanged()
{
    emit sigEnableCustomFormat();
}
