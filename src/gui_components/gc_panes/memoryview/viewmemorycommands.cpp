// The memory view's context menu and the commands behind it: byte order, colouring,
// automatic and timed update, toolbar, copying and breakpoints. Everything that reaches
// target memory goes to the host through the bridge, for the "memory" space.
#include "frame/core/services.h"
#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydataformatter.h"
#include "gui_components/gc_panes/memoryview/viewmemorydialogs.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QTimer>

#include <cstring>
#include <limits>
#include <vector>

namespace {

constexpr const char *kMemorySpace = "memory";
constexpr int kMaxDisassemblyFormats = 10;

QAction *addCommand(QMenu *menu, const QString &label, int id, bool enabled = true)
{
    QAction *action = menu->addAction(label);
    action->setData(id);
    action->setEnabled(enabled);
    return action;
}

QAction *addCheck(QMenu *menu, const QString &label, int id, bool checked, bool enabled = true)
{
    QAction *action = addCommand(menu, label, id, enabled);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

void separateIfNeeded(QMenu *menu)
{
    if (!menu->isEmpty())
        menu->addSeparator();
}

} // namespace

bool KViewMemory::runCommand(int id)
{
    switch (id) {
    case ShowAsciiCommand:
        toggleAsciiView();
        return true;
    case ToolbarCommand:
        toggleToolbar();
        return true;
    case ToolbarLabelsCommand:
        toggleToolbarLabels();
        return true;
    case AutoOrderCommand:
    case BigEndianCommand:
    case LittleEndianCommand:
        setByteOrder(id - AutoOrderCommand);
        return true;
    case SetStartAddressCommand:
        editStartAddress();
        return true;
    case UpdateViewCommand:
        updateView();
        return true;
    case AutomaticUpdateCommand:
        toggleAutomaticUpdate();
        return true;
    case TimedUpdateCommand:
        toggleTimedUpdate();
        return true;
    case TimedUpdatePeriodCommand:
        editTimedUpdatePeriod();
        return true;
    case MemoryMapColouringCommand:
        colourByMemoryMap();
        return true;
    case CacheColouringCommand:
        colourByCache();
        return true;
    case FillMemoryCommand:
        fillMemory();
        return true;
    case CopyCommand:
        copy();
        return true;
    case NoCommand:
        return true;
    case BreakpointCommand:
        createBreakpointAt();
        return true;
    default:
        return false;
    }
}

// The menu

void KViewMemory::slotContextMenuRequestedData(int, int, const QPoint &)
{
    showContextMenu(DataKind);
}

void KViewMemory::slotContextMenuRequestedAscii(int, int, const QPoint &)
{
    showContextMenu(AsciiKind);
}

void KViewMemory::slotContextMenuRequestedDsm(int, int, const QPoint &)
{
    showContextMenu(DsmKind);
}

void KViewMemory::addFormatEntries(QMenu &menu, bool valid)
{
    QMenu *format = menu.addMenu(tr("Format"));
    format->setObjectName(QStringLiteral("FormatMenu"));
    if (valid && m_dataTable) {
        m_dataTable->fillFormatMenu(format);
        return;
    }
    format->menuAction()->setData(int(FormatCommand));
    format->menuAction()->setEnabled(false);
}

void KViewMemory::addByteOrderEntries(QMenu &menu)
{
    QMenu *order = menu.addMenu(tr("Byte Order"));
    addCheck(order, tr("Auto"), AutoOrderCommand, m_byteOrder == AutoOrder);
    addCheck(order, tr("Little Endian"), LittleEndianCommand, m_byteOrder == LittleEndianOrder);
    addCheck(order, tr("Big Endian"), BigEndianCommand, m_byteOrder == BigEndianOrder);
}

void KViewMemory::addDataEntries(QMenu &menu, bool valid)
{
    separateIfNeeded(&menu);
    addCommand(&menu, tr("Fill Memory..."), FillMemoryCommand, valid);
    addCommand(&menu, tr("Create Breakpoint At..."), BreakpointCommand, valid);
    menu.addSeparator();
    addCommand(&menu, tr("Copy"), CopyCommand, valid);
    separateIfNeeded(&menu);
    addCheck(&menu, tr("Show ASCII"), ShowAsciiCommand, m_asciiShown);
    QMenu *colouring = menu.addMenu(tr("Coloring"));
    addCheck(colouring, tr("Memory Map"), MemoryMapColouringCommand, m_colouring == 0);
    addCheck(colouring, tr("Cache"), CacheColouringCommand, m_colouring == 1);
}

QStringList KViewMemory::disassemblyFormatIds(QStringList *names) const
{
    std::string ids;
    std::string labels;
    m_bridge->disassemblyFormatLists(kMemorySpace, currentTargetId(), ids, labels);
    const QStringList idList = QString::fromStdString(ids).split('\t', Qt::SkipEmptyParts);
    const QStringList nameList = QString::fromStdString(labels).split('\t', Qt::SkipEmptyParts);
    if (nameList.isEmpty() || nameList.size() != idList.size())
        return {};
    if (names)
        *names = nameList;
    return idList;
}

void KViewMemory::addDisassemblyEntries(QMenu &menu)
{
    QStringList names;
    const QStringList ids = disassemblyFormatIds(&names);
    if (ids.isEmpty())
        return;
    QMenu *formats = menu.addMenu(tr("Disassembly Format"));
    for (int i = 0; i < std::min(int(names.size()), kMaxDisassemblyFormats); ++i)
        addCheck(formats, QString(names[i]).replace(u'&', QStringLiteral("&&")),
                 FirstDisassemblyFormat + i, ids[i] == QString::number(m_dsmFormatId));
    separateIfNeeded(&menu);
}

void KViewMemory::addUpdateEntries(QMenu &menu, bool valid, bool running)
{
    separateIfNeeded(&menu);
    addCheck(&menu, tr("Timed Update When Running"), TimedUpdateCommand, m_timedUpdateWhenRunning,
             running && valid);
    addCommand(&menu, tr("Timed Update Period..."), TimedUpdatePeriodCommand);
    separateIfNeeded(&menu);
    addCommand(&menu, tr("Update View"), UpdateViewCommand);
    addCheck(&menu, tr("Automatic Update"), AutomaticUpdateCommand, m_automaticUpdate);
}

void KViewMemory::buildContextMenu(QMenu &menu, int kind)
{
    const bool running = m_bridge->supportsRunningAccess(currentTargetId());
    const bool valid = isStartAddressValid();
    const bool data = kind != DsmKind;
    if (data) {
        addFormatEntries(menu, valid);
        addByteOrderEntries(menu);
    }
    separateIfNeeded(&menu);
    addCommand(&menu, tr("Set Start Address"), SetStartAddressCommand);
    if (data)
        addDataEntries(menu, valid);
    else
        addDisassemblyEntries(menu);
    addCheck(&menu, tr("Toolbar"), ToolbarCommand, m_toolbarShown);
    addCheck(&menu, tr("Toolbar Labels"), ToolbarLabelsCommand, m_toolbarLabelsShown,
             m_toolbarShown);
    if (data)
        addUpdateEntries(menu, valid, running);
    m_bridge->addDockMenuItems(&menu);
}

void KViewMemory::showContextMenu(int kind)
{
    QPointer<KViewMemory> self(this);
    tesk::system::Modal<QMenu> menu(this);
    menu->setObjectName(QStringLiteral("MemoryViewMenu"));
    buildContextMenu(*menu, kind);
    // Building asks the host; the view may be gone before the menu shows.
    if (!self || tesk::lifetime::doomed(this))
        return;
    const tesk::system::ModalSeam::Result result = menu.runMenu(QCursor::pos(), this);
    if (!result.alive || !menu)
        return;
    QAction *chosen = result.chosen;
    // The formatting library's entries answer for themselves.
    QMenu *format = menu->findChild<QMenu *>(QStringLiteral("FormatMenu"));
    const bool ownEntry = chosen && !(format && format->actions().contains(chosen));
    if (ownEntry && chosen->data().isValid()) {
        // A command may close the view (its dock window's Close) or ask the host.
        tesk::lifetime::Scope scope(this);
        runMenuChoice(chosen->data().toInt());
        if (!scope.alive())
            return;
    }
    if (m_dataTable)
        m_dataTable->endFormatMenu();
}

void KViewMemory::runMenuChoice(int id)
{
    if (id >= FirstDisassemblyFormat && id <= LastDisassemblyFormat) {
        const QStringList ids = disassemblyFormatIds(nullptr);
        bool ok = false;
        const int format = ids.value(id - FirstDisassemblyFormat).toInt(&ok);
        if (ok) {
            m_dsmFormatId = format;
            refresh();
        }
        return;
    }
    if (!runCommand(id))
        m_bridge->activateDockMenuItem(this, id);
}

// The commands

void KViewMemory::toggleAsciiView()
{
    m_asciiShown = !m_asciiShown;
    if (m_dataTable && !m_dataTable->isHidden())
        m_asciiTable->setHidden(!m_asciiShown);
    relayoutTwice();
}

void KViewMemory::toggleToolbar()
{
    m_toolbarShown = !m_toolbarShown;
    showToolbar(m_toolbarShown);
}

void KViewMemory::toggleToolbarLabels()
{
    if (!m_toolbarShown)
        return;
    m_toolbarLabelsShown = !m_toolbarLabelsShown;
    showToolbar(true);
}

void KViewMemory::setByteOrder(int order)
{
    if (!m_dataTable || order < AutoOrder || order > LittleEndianOrder)
        return;
    m_byteOrder = order;
    updateCaption();
    refresh();
}

void KViewMemory::editStartAddress()
{
    showToolbar(true);
    m_toolbarShownForEdit = true;
    m_addressCombo->setFocus(Qt::ShortcutFocusReason);
    m_addressCombo->lineEdit()->selectAll();
}

void KViewMemory::toggleAutomaticUpdate()
{
    m_automaticUpdate = !m_automaticUpdate;
    m_info->setAutomaticUpdate(m_automaticUpdate);
}

void KViewMemory::toggleTimedUpdate()
{
    m_timedUpdateWhenRunning = !m_timedUpdateWhenRunning && isStartAddressValid();
    m_info->setTimedUpdateWhenRunning(m_timedUpdateWhenRunning);
    startTimedUpdate();
}

void KViewMemory::editTimedUpdatePeriod()
{
    char answer[32] = {};
    const QByteArray initial = QByteArray::number(m_timedUpdatePeriod / 1000);
    const QByteArray caption = tr("Timed Update Period").toLatin1();
    const QByteArray prompt =
        tr("Enter Interval in seconds (from completion of previous update):").toLatin1();
    const QByteArray confirm = tr("Set").toLatin1();
    // The view may be ended while the entry is up: its answer is then dropped.
    tesk::lifetime::Scope scope(this);
    if (!tesk::core::dialogServices().simpleEntry(
            caption.constData(), prompt.constData(), initial.constData(), answer,
            int32_t(sizeof answer - 1), confirm.constData(), 0) ||
        !scope.alive())
        return;
    bool ok = false;
    const qlonglong seconds = QString::fromUtf8(answer).trimmed().toLongLong(&ok, 10);
    // Whole seconds from 1 up: a period of 0 would make the timer poll the host unceasingly.
    if (!ok || seconds < 1 || seconds > std::numeric_limits<int>::max() / 1000)
        return;
    m_timedUpdatePeriod = int(seconds * 1000);
    if (m_timedUpdateTimer && m_timedUpdateTimer->isActive())
        m_timedUpdateTimer->setInterval(m_timedUpdatePeriod);
}

void KViewMemory::setColouring(int mode)
{
    m_colouring = mode;
    if (!isStartAddressValid())
        return;
    updateView();
}

void KViewMemory::colourByMemoryMap()
{
    setColouring(0);
}

void KViewMemory::colourByCache()
{
    setColouring(1);
}

bool KViewMemory::createBreakpointAt()
{
    if (!isStartAddressValid() || !m_dataTable)
        return false;
    UMemoryAddress first = selectionStartAddress();
    UMemoryAddress last = selectionEndAddress();
    if (first > last)
        std::swap(first, last);
    return m_bridge->createBreakpointAt(window(), currentTargetId(), first, last);
}

// Filling

QString KViewMemory::hostAddressText(const UMemoryAddress &address)
{
    return address.isValid() ? addressText(address) : m_noAddressLabel;
}

void KViewMemory::fillMemory()
{
    tesk::system::Modal<KViewMemoryDialog_Fill> dialog(this, nullptr, true);
    dialog->targetId = currentTargetId();
    UMemoryAddress first;
    UMemoryAddress last;
    if (isStartAddressValid() && m_dataTable) {
        first = selectionStartAddress();
        last = selectionEndAddress();
        if (first > last)
            std::swap(first, last);
    }
    dialog->setStartAddress(hostAddressText(first));
    dialog->setEndAddress(hostAddressText(last));
    // The view may be deleted while the dialog is up (its pane removed, its window closed).
    if (!dialog.run(this).accepted() || !dialog)
        return;
    // The answers are taken before the host is asked anything: it may end the view meanwhile.
    const std::string startText = dialog->startAddress().trimmed().toStdString();
    const std::string endText = dialog->endAddress().trimmed().toStdString();
    const bool endSelected = dialog->isEndAddressSelected();
    const QString lengthText = dialog->length().trimmed();
    const QByteArray expression = dialog->expression().toLatin1();
    const int fillSize = dialog->fillSize();
    const int target = currentTargetId();
    KGcp_Bridge_KSO *bridge = m_bridge;
    tesk::lifetime::Scope scope(this);
    const UMemoryAddress start = bridge->textToAddress(target, startText);
    UMemoryAddress end;
    uint32_t length = 0;
    if (endSelected) {
        end = bridge->textToAddress(target, endText);
    } else {
        bool ok = false;
        const qulonglong value = lengthText.toULongLong(&ok, 0);
        length = ok && value <= 0xFFFFFFFFull ? uint32_t(value) : 0;
    }
    if (!scope.alive())
        return;
    bridge->fillMemory(kMemorySpace, window(), target, start, end, length, fillSize,
                       expression.constData());
}

// Copying

void KViewMemory::copy()
{
    QString text;
    if (m_dataTable && isStartAddressValid()) {
        const int columns = columnCount();
        int r1 = m_dataTable->memoryCurrentRow();
        int c1 = m_dataTable->currentColumn();
        int r2 = r1;
        int c2 = c1;
        if (m_dataTable->hasRange()) {
            m_dataTable->rangeStart(c1, r1);
            m_dataTable->rangeEnd(c2, r2);
            if (int64_t(r1) * columns + c1 > int64_t(r2) * columns + c2) {
                std::swap(r1, r2);
                std::swap(c1, c2);
            }
        }
        const int rows = m_dataTable->numRows();
        if (r1 >= 0 && r1 < rows && r2 >= 0 && r2 < rows)
            text = copyText(r1, c1, r2, c2);
    }
    QApplication::clipboard()->setText(text);
}

namespace {

// The text of one field by the attribute class of its first byte.
QString fieldText(KViewMemoryDataFormatter &formatter, const uint8_t *bytes, uint32_t attribute,
                  int size, bool swap)
{
    switch (AViewMemoryTable::classOfAttribute(attribute)) {
    case 1:
        return formatter.unavailableText();
    case 2:
        return formatter.notReadText();
    default:
        break;
    }
    uint8_t field[8] = {};
    for (int i = 0; i < size; ++i)
        field[i] = bytes[swap ? size - 1 - i : i];
    return formatter.formatBytes(field);
}

} // namespace

QString KViewMemory::copyText(int r1, int c1, int r2, int c2)
{
    if (!m_dataTable || !isStartAddressValid())
        return QString();
    const int columns = columnCount();
    const int size = fieldSize();
    const int64_t bytesPerRowCount = bytesPerRow();
    const int64_t first = int64_t(columns) * r1 + c1;
    const int64_t last = int64_t(columns) * r2 + c2;
    if (last < first)
        return QString();
    const int64_t fields = last - first + 1;
    const UMemoryAddress start = cellAddress(r1, c1);
    uint32_t count = 0;
    const uint8_t *bytes = nullptr;
    std::vector<uint32_t> attributes;
    m_bridge->readMemory(kMemorySpace, currentTargetId(), start, uint32_t(fields * size), &count,
                         &bytes, &attributes, intptr_t(m_colouring));
    return copyLines(start, fields, bytes, count, attributes, bytesPerRowCount);
}

QString KViewMemory::copyLines(const UMemoryAddress &start, int64_t fields, const uint8_t *bytes,
                               uint32_t count, const std::vector<uint32_t> &attributes,
                               int64_t lineStep)
{
    KViewMemoryDataFormatter &formatter = *m_dataTable->formatter();
    const int columns = columnCount();
    const int size = fieldSize();
    const bool withChars = !m_asciiTable->isHidden();
    const bool swap = isBigEndian() && size >= 2;
    QString text;
    for (int64_t line = 0; line * columns < fields; ++line) {
        text += addressText(start + line * lineStep);
        QString chars;
        int lastWidth = 0;
        for (int c = 0; c < columns; ++c) {
            const int64_t field = line * columns + c;
            text += QLatin1Char('\t');
            if (field >= fields) {
                text += QString(lastWidth, QLatin1Char(' '));
                chars += QString(size, QLatin1Char(' '));
                continue;
            }
            const uint64_t at = uint64_t(field) * size;
            // A short read leaves the rest of the fields unread.
            const bool read = bytes && at + size <= count && at < attributes.size();
            const uint32_t attribute = read ? attributes[at] : TESK_MEMORY_NOT_READ;
            const QString value =
                fieldText(formatter, read ? bytes + at : nullptr, attribute, size, swap);
            lastWidth = int(value.size());
            text += value;
            for (int b = 0; b < size; ++b)
                chars += AViewMemoryTable::classOfAttribute(attribute) == 0
                             ? QString(KViewMemoryDataFormatter::displayChar(bytes[at + b]))
                             : KViewMemoryDataFormatter::unavailableChar();
        }
        if (withChars)
            text += QLatin1Char('\t') + chars;
        text += QLatin1Char('\n');
    }
    return text;
}
