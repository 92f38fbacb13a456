#include "gui_components/gc_panes/memoryview/viewmemory.h"

#include "frame/core/combobox.h"
#include "frame/core/usettings.h"
#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memory/viewactionmemory.h"
#include "gui_components/gc_panes/memory/viewhistorymemory.h"
#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"
#include "gui_components/gc_panes/memoryview/viewmemoryscrollbar.h"
#include "gui_components/gc_panes/views/hostevents.h"
#include "gui_components/gc_panes/views/kgc_style.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <set>
#include <utility>

namespace {

constexpr int kMaxAddresses = 99;
constexpr const char *kMemorySpace = "memory";

// The format texts are the formatting library's names and stay untranslated; what they stand
// for is told by their place, whatever the list shows.
const QStringList &formatItems()
{
    static const QStringList items = {"Hexadecimal", "Decimal",        "Octal",
                                      "Binary",      "Floating point", "Disassembly"};
    return items;
}
constexpr int kDisassemblyItem = 5;
// The formatting library's codes of the items before it.
constexpr const char *kFormatCodes[kDisassemblyItem] = {"hex", "dec", "oct", "bin", "fp"};

std::string keyOf(const char *stem, int index)
{
    return stem + std::to_string(index);
}

void setTextColour(QLineEdit *edit, const QColor &colour)
{
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Text, colour);
    edit->setPalette(palette);
}

} // namespace

KViewMemory::KViewMemory(const char *name, Qt::WindowFlags flags)
    : AView(name, flags)
    , m_bridge(KGcp_Bridge_KSO::instance())
    , m_info(std::make_unique<KViewMemoryInfo>(m_bridge))
{
}

KViewMemory::~KViewMemory()
{
    // Focus leaving the dying field must not reach the view.
    if (m_addressCombo) {
        m_addressCombo->removeEventFilter(this);
        m_addressCombo->lineEdit()->removeEventFilter(this);
        m_addressCombo->disconnect(this);
    }
    delete m_autoColumnTimer;
    if (m_timedUpdateTimer)
        m_timedUpdateTimer->stop();
    // The tables and the scroll bar ask the view for its cache until they are gone.
    if (m_dataTable)
        m_dataTable->removeEventFilter(this);
    delete m_dataTable;
    delete m_dsmTable;
    delete m_asciiTable;
    delete m_scrollBar;
}

QSize KViewMemory::sizeHint() const
{
    QSize hint = AView::sizeHint();
    if (!m_dataTable || !m_scrollArea || !layout())
        return hint;
    // Three rows tell little about the memory around an address: a view asks for eight.
    constexpr int kLeastRows = 8;
    const int rowHeight = m_dataTable->fontMetrics().height() + 4;
    const int besideTables = layout()->sizeHint().height() - m_scrollArea->sizeHint().height();
    const int tables = 2 * m_scrollArea->frameWidth() +
                       m_scrollArea->horizontalScrollBar()->sizeHint().height() +
                       m_dataTable->topMargin() + 2 + kLeastRows * rowHeight;
    hint.setHeight(std::max(hint.height(), besideTables + tables));
    return hint;
}

// Building

bool KViewMemory::buildLayout(const std::string *settings)
{
    if (m_dataTable)
        return false;
    setAcceptDrops(true);
    m_history = std::make_unique<KViewHistoryMemory>(this);
    auto *top = new QVBoxLayout(this);
    top->setObjectName(QStringLiteral("PaneViewMemoryLayout"));
    buildToolbar(top);
    buildTables(top);
    connectTables();
    m_dataTable->updateRowLabels(false);
    m_asciiTable->updateRowLabels(false);
    setDisassemblyMode(false);
    resize(sizeHint().expandedTo(QSize(800, 180)));
    languageChange();
    repaintTables();

    m_scrollArea->viewport()->installEventFilter(this);
    m_addressCombo->installEventFilter(this);
    m_addressCombo->lineEdit()->installEventFilter(this);
    m_dataTable->installEventFilter(this);
    setTabOrder(m_addressCombo, m_columnsCombo);
    setTabOrder(m_columnsCombo, m_sizesCombo);
    setTabOrder(m_sizesCombo, m_formatsCombo);
    setTabOrder(m_formatsCombo, m_dataTable);
    connect(m_columnsCombo, &QComboBox::activated, this, &KViewMemory::slotColumnsComboBoxChanged);
    connect(m_formatsCombo, &QComboBox::activated, this, &KViewMemory::slotFormatComboBoxChanged);
    connect(m_sizesCombo, &QComboBox::activated, this, &KViewMemory::slotSizeComboBoxChanged);
    if (settings)
        restoreSettings(*settings);

    m_autoColumnTimer = new QTimer(this);
    m_autoColumnTimer->setSingleShot(true);
    connect(m_autoColumnTimer, &QTimer::timeout, this, &KViewMemory::slotAutocolumnTimerFired);
    m_autoColumnTimer->start(10);
    return true;
}

QComboBox *KViewMemory::addCombo(QBoxLayout *row, const char *name, const QString &label,
                                 const QStringList &items, int current)
{
    auto *pair = new QVBoxLayout;
    pair->setObjectName(QString::fromLatin1(name).replace(QStringLiteral("list"), QString()) +
                        QStringLiteral("Layout"));
    auto *text = new QLabel(label, this);
    text->setObjectName(QStringLiteral("StartAddressLabel"));
    auto *combo = new QComboBox(this);
    combo->setObjectName(QString::fromLatin1(name));
    combo->addItems(items);
    if (current >= 0)
        combo->setCurrentIndex(current);
    pair->addWidget(text);
    pair->addWidget(combo);
    row->addLayout(pair);
    m_labelList << text;
    m_toolbarList << combo;
    return combo;
}

void KViewMemory::buildToolbar(QBoxLayout *top)
{
    auto *row = new QHBoxLayout;
    row->setObjectName(QStringLiteral("DataCombos"));
    top->addLayout(row);
    m_addressCombo = addCombo(row, "listAddress", tr("Start address"), {}, -1);
    m_addressCombo->setEditable(true);
    tesk::core::takeTypedTextAsItStands(m_addressCombo);
    m_addressCombo->setAcceptDrops(true);
    m_addressCombo->setMaxVisibleItems(9);
    m_addressCombo->setMaxCount(kMaxAddresses);
    m_addressCombo->setDuplicatesEnabled(false);
    // The view files each accepted text itself, so that the newest stays on top even when
    // the list is full.
    m_addressCombo->setInsertPolicy(QComboBox::NoInsert);
    m_addressCombo->setMinimumContentsLength(14);
    connect(m_addressCombo, &QComboBox::textActivated, this,
            &KViewMemory::slotStartAddressLineEditAccept);

    QStringList columns{tr("Auto column")};
    for (int i = 1; i <= 16; ++i)
        columns << QString::number(i);
    m_columnsCombo = addCombo(row, "listColumns", tr("Columns"), columns, 0);
    m_sizesCombo =
        addCombo(row, "listSizes", tr("Data sizes"),
                 {tr("Default"), tr("1 byte"), tr("2 bytes"), tr("4 bytes"), tr("8 bytes")}, 3);
    m_formatsCombo = addCombo(row, "listFormats", tr("Format"), formatItems(), 0);
    row->addStretch(1);
}

void KViewMemory::buildTables(QBoxLayout *top)
{
    auto *bottom = new QHBoxLayout;
    bottom->setObjectName(QStringLiteral("bottomBoxLayout"));
    top->addLayout(bottom, 1);
    m_scrollArea = new QScrollArea(this);
    m_scrollArea->setObjectName(QStringLiteral("MemoryViewScrollArea"));
    m_scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scrollArea->setWidgetResizable(true);
    m_scrollBox = new QWidget;
    m_scrollBox->setObjectName(QStringLiteral("BoxInMemoryViewScrollArea"));
    auto *box = new QHBoxLayout(m_scrollBox);
    box->setContentsMargins(0, 0, 0, 0);
    box->setSpacing(0);
    m_dataTable = new KViewMemoryData(this, m_scrollBox, "DataMemoryView");
    m_dsmTable = new KViewMemoryDsm(this, m_scrollBox, "DsmMemoryView");
    m_asciiTable = new KViewMemoryAscii(this, m_scrollBox, "AsciiMemoryView");
    const QFont fixed = KGc_Style::instance()->fonts().value(1);
    for (AViewMemoryTable *table :
         {static_cast<AViewMemoryTable *>(m_dataTable), static_cast<AViewMemoryTable *>(m_dsmTable),
          static_cast<AViewMemoryTable *>(m_asciiTable)}) {
        table->setFont(fixed);
        box->addWidget(table, table == m_asciiTable ? 0 : 1);
    }
    m_scrollArea->setWidget(m_scrollBox);
    bottom->addWidget(m_scrollArea, 1);

    auto *right = new QVBoxLayout;
    right->setObjectName(QStringLiteral("rightbottomBoxLayout"));
    m_scrollBar = new KViewMemoryScrollbar(this, this, "MemoryScrollBar");
    m_scrollBarFiller = new QWidget(this);
    m_scrollBarFiller->setFixedHeight(0);
    right->addWidget(m_scrollBar, 1);
    right->addWidget(m_scrollBarFiller);
    bottom->addLayout(right);
}

void KViewMemory::connectChecked(bool connected, int line)
{
    if (!connected)
        qWarning("ASSERT: \"%s\" in %s (%d)", "bOk", "gui_components\\gc_panes\\viewmemory", line);
}

void KViewMemory::connectTables()
{
    connectChecked(connect(m_dataTable, &AViewMemoryTable::updateSelectionReq, this,
                           &KViewMemory::slotUpdateSelectionReq),
                   __LINE__);
    connectChecked(connect(m_dataTable, &AViewMemoryTable::sigViewportResizeEvent, this,
                           &KViewMemory::slotViewportResizeEvent),
                   __LINE__);
    connectChecked(connect(m_dataTable, &KViewMemoryData::sigEnableCustomFormat, this,
                           &KViewMemory::slotEnableCustomFormat),
                   __LINE__);
    connectChecked(connect(m_asciiTable, &AViewMemoryTable::updateSelectionReq, this,
                           &KViewMemory::slotUpdateSelectionReq),
                   __LINE__);
    connectChecked(connect(m_dsmTable, &AViewMemoryTable::sigViewportResizeEvent, this,
                           &KViewMemory::slotViewportResizeEvent),
                   __LINE__);
    connectChecked(connect(m_dsmTable, &AViewMemoryTable::updateSelectionReq, this,
                           &KViewMemory::slotUpdateSelectionReq),
                   __LINE__);
    connectChecked(connect(m_dataTable, &UTable::contextMenuRequested, this,
                           &KViewMemory::slotContextMenuRequestedData),
                   __LINE__);
    connectChecked(connect(m_asciiTable, &UTable::contextMenuRequested, this,
                           &KViewMemory::slotContextMenuRequestedAscii),
                   __LINE__);
    connectChecked(connect(m_dsmTable, &UTable::contextMenuRequested, this,
                           &KViewMemory::slotContextMenuRequestedDsm),
                   __LINE__);
    // A range dragged with the mouse becomes the one selection of all tables.
    connectChecked(connect(m_asciiTable, &UTable::selectionChanged, this,
                           &KViewMemory::slotAsciiSelectionChanged),
                   __LINE__);
    connectChecked(connect(m_dataTable, &UTable::selectionChanged, this,
                           [this] { takeTableSelection(m_dataTable); }),
                   __LINE__);
}

void KViewMemory::languageChange()
{
    setWindowTitle(tr("Memory"));
    m_noAddressLabel = tr("No Address");
    m_userFormatLabel = tr("User format...");
    if (!m_addressCombo)
        return;
    if (!isStartAddressValid())
        showAddressText(m_noAddressLabel);
    m_addressCombo->setToolTip(tr("Start address"));
    m_columnsCombo->setToolTip(tr("Number of columns"));
    m_sizesCombo->setToolTip(tr("Size of fields"));
    m_formatsCombo->setToolTip(tr("Format of fields"));
}

// The address field

void KViewMemory::showAddressText(const QString &text)
{
    {
        QScopedValueRollback<bool> hold(m_addressEditEnabled, false);
        setAddressFieldText(text);
    }
    updateCaption();
}

void KViewMemory::setAddressFieldText(const QString &text)
{
    QLineEdit *edit = m_addressCombo ? m_addressCombo->lineEdit() : nullptr;
    if (!edit)
        return;
    edit->setText(text);
    setTextColour(edit, text == m_noAddressLabel ? Qt::gray : Qt::black);
}

void KViewMemory::rememberAddress(const QString &text)
{
    if (text.isEmpty() || text == m_noAddressLabel)
        return;
    const int old = m_addressCombo->findText(text, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (old == 0)
        return;
    const QString edited = m_addressCombo->lineEdit()->text();
    if (old > 0)
        m_addressCombo->removeItem(old);
    else if (m_addressCombo->count() >= kMaxAddresses)
        m_addressCombo->removeItem(m_addressCombo->count() - 1);
    m_addressCombo->insertItem(0, text);
    m_addressCombo->lineEdit()->setText(edited);
}

void KViewMemory::acceptAddressField()
{
    const QString text = m_addressCombo->lineEdit()->text();
    rememberAddress(text);
    slotStartAddressLineEditAccept(text);
}

bool KViewMemory::addressFieldEvent(QObject *o, QEvent *e)
{
    QLineEdit *edit = m_addressCombo->lineEdit();
    if (o == edit) {
        const bool press =
            e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonRelease;
        if (press && m_swallowMouse > 0) {
            --m_swallowMouse;
            return true;
        }
        return false;
    }
    switch (e->type()) {
    case QEvent::FocusIn: {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(e)->reason();
        m_focusNotByMouse = reason != Qt::MouseFocusReason;
        m_swallowMouse = m_focusNotByMouse ? 0 : 2;
        if (edit->text() == m_noAddressLabel) {
            edit->clear();
            setTextColour(edit, Qt::black);
        }
        m_addressCombo->removeEventFilter(this);
        QApplication::sendEvent(m_addressCombo, e);
        m_addressCombo->installEventFilter(this);
        edit->selectAll();
        return true;
    }
    case QEvent::FocusOut: {
        if (static_cast<QFocusEvent *>(e)->reason() == Qt::PopupFocusReason)
            return false;
        if (edit->text().isEmpty())
            showAddressText(m_noAddressLabel);
        else if (edit->text() != m_noAddressLabel)
            acceptAddressField();
        return false;
    }
    case QEvent::KeyPress: {
        setTextColour(edit, Qt::black);
        const int key = static_cast<QKeyEvent *>(e)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_addressCombo->hasFocus()) {
            acceptAddressField();
            return true;
        }
        return false;
    }
    default:
        return false;
    }
}

void KViewMemory::slotStartAddressLineEditAccept(const QString &text)
{
    if (!isStartAddressValid() || text != startAddressText()) {
        runSetStartAddress(text, false);
        m_info->setSelectionActive(false);
        const UMemoryAddress invalid;
        const UMemoryAddress start = startAddress();
        m_info->setSelection(invalid, invalid, start.isValid() ? start : invalid);
        syncSelections();
    }
    if (m_toolbarShownForEdit) {
        m_toolbarShownForEdit = false;
        showToolbar(m_toolbarShown);
    }
}

void KViewMemory::showToolbar(bool shown)
{
    for (QWidget *combo : std::as_const(m_toolbarList))
        combo->setVisible(shown);
    for (QLabel *label : std::as_const(m_labelList))
        label->setVisible(shown && m_toolbarLabelsShown);
}

void KViewMemory::updateCaption()
{
    QString title = m_noAddressLabel;
    if (isStartAddressValid() && m_addressCombo) {
        title = m_addressCombo->currentText();
        if (isBigEndian())
            title.prepend(tr("[BE] "));
    }
    setName(title.toStdString());
}

bool KViewMemory::inRange(const UMemoryAddress &address, UMemoryAddress &rangeStart,
                          uint32_t &length) const
{
    if (!address.isValid() ||
        !m_bridge->adjustAddress(currentTargetId(), address, rangeStart, length))
        return false;
    return rangeStart.isValid() && rangeStart.isSameSpace(address) &&
           rangeStart.offset() <= address.offset() &&
           uint64_t(address.offset()) <= uint64_t(rangeStart.offset()) + length;
}

bool KViewMemory::rangeOfStart(UMemoryAddress &rangeStart, uint32_t &length) const
{
    return inRange(startAddress(), rangeStart, length);
}

void KViewMemory::runSetStartAddress(const QString &text, bool checkEqual)
{
    if (!m_addressEditEnabled)
        return;
    const int target = currentTargetId();
    if (target == 0) {
        showAddressText(m_noAddressLabel);
        relayout();
        return;
    }
    if (checkEqual && isStartAddressValid() && text == startAddressText())
        return;
    const UMemoryAddress address = m_bridge->textToAddress(target, text.trimmed().toStdString());
    UMemoryAddress rangeStart;
    uint32_t length = 0;
    if (!inRange(address, rangeStart, length))
        return;
    moveStartTo(target, address);
    if (bytesPerRow() != 0)
        relayoutTwice();
}

void KViewMemory::moveStartTo(int target, const UMemoryAddress &address)
{
    m_info->setStartAddress(address);
    // The access size and byte order follow the region the start now lies in.
    m_info->setDefaultAccessSize(m_bridge->defaultAccessSize(target, address));
    m_info->setByteOrder(m_bridge->byteOrderAt(target, address) ? 1 : 0);
    showAddressText(addressText(address));
    if (m_scrollBar)
        m_scrollBar->syncToView();
}

// Targets and host events

void KViewMemory::setTarget(int target)
{
    if (target == 0) {
        m_info->invalidateAll();
        m_targetShown = false;
        clearView();
        if (m_timedUpdateTimer)
            m_timedUpdateTimer->stop();
        return;
    }
    // After a switch to no target the same id must show its memory again.
    if (m_targetShown && target == currentTargetId())
        return;
    m_targetShown = true;
    m_info->setCurrentTargetId(uint32_t(target));
    const std::string name = m_bridge->targetName(target);
    auto pending = m_pendingAddresses.find(name);
    // Earlier versions wrote some names alike ("a:#b" and "a#:b" both as "a###b"), which read
    // back as the other: such a name still finds its target's place.
    if (pending == m_pendingAddresses.end())
        pending = std::find_if(
            m_pendingAddresses.begin(), m_pendingAddresses.end(),
            [&name](const auto &entry) { return usettings::writtenAlike(entry.first, name); });
    if (pending != m_pendingAddresses.end()) {
        const std::string text = pending->second;
        m_pendingAddresses.erase(pending);
        m_info->setStartAddress(m_bridge->textToAddress(target, text));
    }
    if (isStartAddressValid())
        showAddress(startAddress());
    else
        clearView();
    if (updateAutoColumnCount())
        relayout();
    m_timedUpdateWhenRunning = m_info->isTimedUpdateWhenRunning();
    startTimedUpdate();
    m_automaticUpdate = m_info->isAutomaticUpdate();
}

void KViewMemory::startTimedUpdate()
{
    if (!m_timedUpdateWhenRunning) {
        if (m_timedUpdateTimer)
            m_timedUpdateTimer->stop();
        return;
    }
    if (!m_timedUpdateTimer) {
        m_timedUpdateTimer = new QTimer(this);
        m_timedUpdateTimer->setObjectName(QStringLiteral("timedUpdateTimer"));
        connect(m_timedUpdateTimer, &QTimer::timeout, this, &KViewMemory::slotTimedUpdateDone);
    }
    m_timedUpdateTimer->start(m_timedUpdatePeriod);
}

bool KViewMemory::isTimedUpdateRunning() const
{
    return m_timedUpdateTimer && m_timedUpdateTimer->isActive();
}

void KViewMemory::clearView()
{
    if (!m_refreshEnabled)
        return;
    QScopedValueRollback<bool> hold(m_refreshEnabled, false);
    m_info->setStartAddress(UMemoryAddress());
    showAddressText(m_noAddressLabel);
    emptyTables();
    syncSelections();
}

void KViewMemory::targetUpdated(int target, int flag)
{
    if (!m_automaticUpdate)
        return;
    const int current = m_targetShown ? currentTargetId() : 0;
    if (target != 0 && current != 0 && target != current)
        return;
    if (flag) {
        const auto stamp = int64_t(tesk::views::hostEvents().updateCount());
        if (stamp != m_lastHostStamp) {
            m_info->nextGeneration();
            m_lastHostStamp = stamp;
        }
    }
    refresh();
}

void KViewMemory::slotTimedUpdateDone()
{
    updateView();
}

void KViewMemory::updateView()
{
    m_info->clearCurrentBlock();
    if (!isStartAddressValid())
        runSetStartAddress(QStringLiteral("0"), false);
    if (updateAutoColumnCount())
        relayout();
    else
        refresh();
}

// Refreshing

QList<AViewMemoryTable *> KViewMemory::visibleTables() const
{
    QList<AViewMemoryTable *> tables;
    for (AViewMemoryTable *table :
         {static_cast<AViewMemoryTable *>(m_dataTable), static_cast<AViewMemoryTable *>(m_dsmTable),
          static_cast<AViewMemoryTable *>(m_asciiTable)}) {
        if (table && !table->isHidden())
            tables << table;
    }
    return tables;
}

void KViewMemory::emptyTables()
{
    for (AViewMemoryTable *table : visibleTables()) {
        table->clearCells();
        table->updateRowLabels(false);
    }
}

void KViewMemory::refresh(int)
{
    if (!m_refreshEnabled || !m_dataTable)
        return;
    QScopedValueRollback<bool> hold(m_refreshEnabled, false);
    if (!isStartAddressValid()) {
        emptyTables();
    } else {
        if (!m_dataTable->isHidden())
            refreshData();
        if (!m_dsmTable->isHidden())
            refreshDisassembly();
    }
    repaintTables();
}

void KViewMemory::refreshData()
{
    uint32_t length = uint32_t(std::max(m_info->blockSize(), 0));
    const uint8_t *bytes = nullptr;
    m_info->getData(startAddress(), length, bytes, intptr_t(m_colouring));
    m_dataTable->setData(bytes, length);
    m_dataTable->updateRowLabels(true);
    if (!m_asciiTable->isHidden()) {
        m_asciiTable->setData(bytes, length);
        m_asciiTable->updateRowLabels(true);
    }
    syncSelections();
}

void KViewMemory::refreshDisassembly()
{
    // A burst of host events asks for the listing at most every three seconds.
    constexpr int kHostEventBurst = 20;
    constexpr qint64 kBurstSpacing = 3000;
    const bool burst = tesk::views::hostEvents().currentEvent() == kHostEventBurst &&
                       m_lastDisassemblyFetch.isValid() &&
                       m_lastDisassemblyFetch.elapsed() <= kBurstSpacing;
    if (!burst) {
        m_lastDisassemblyFetch.start();
        const void *lines = nullptr;
        const uint8_t *lengths = nullptr;
        uint32_t count = uint32_t(visibleRowCount());
        m_bridge->memorySpaceInfo(kMemorySpace, currentTargetId(), startAddress(), m_dsmFormatId,
                                  &lines, &lengths, &count);
        m_dsmTable->setLines(lines, count, lengths);
        m_dsmTable->updateRowLabels(true);
    }
    syncSelections();
}

void KViewMemory::repaintTables()
{
    for (AViewMemoryTable *table : visibleTables())
        table->updateContents();
}

// Toolbar choices

bool KViewMemory::applyColumnsItem(int item)
{
    if (item == 0) {
        m_autoColumns = true;
        return updateAutoColumnCount();
    }
    m_autoColumns = false;
    if (item == m_lastColumnCount)
        return false;
    m_lastColumnCount = columnCount();
    return true;
}

void KViewMemory::slotColumnsComboBoxChanged(int item)
{
    if (applyColumnsItem(item))
        relayoutTwice();
}

void KViewMemory::slotSizeComboBoxChanged(int)
{
    relayoutTwice();
}

void KViewMemory::slotFormatComboBoxChanged(int)
{
    if (isDisassemblyFormat() != isDisassemblyShown())
        setDisassemblyMode(isDisassemblyFormat());
    relayoutTwice();
}

void KViewMemory::setDisassemblyMode(bool on)
{
    m_dataTable->setHidden(on);
    m_asciiTable->setHidden(on || !m_asciiShown);
    m_dsmTable->setHidden(!on);
    m_columnsCombo->setEnabled(!on);
    m_sizesCombo->setEnabled(!on);
}

bool KViewMemory::isDisassemblyShown() const
{
    return m_dsmTable && !m_dsmTable->isHidden();
}

bool KViewMemory::isDisassemblyFormat() const
{
    return m_formatsCombo && !showsUserFormat() &&
           m_formatsCombo->currentIndex() == kDisassemblyItem;
}

bool KViewMemory::showsUserFormat() const
{
    // Choosing an item puts its text back into the field, in any language.
    const QLineEdit *edit = m_formatsCombo ? m_formatsCombo->lineEdit() : nullptr;
    return edit && edit->text() != m_formatsCombo->itemText(m_formatsCombo->currentIndex());
}

void KViewMemory::slotEnableCustomFormat()
{
    enterUserFormatMode();
    refresh();
    if (updateAutoColumnCount())
        relayout();
}

void KViewMemory::enterUserFormatMode()
{
    m_formatsCombo->setEditable(true);
    QLineEdit *edit = m_formatsCombo->lineEdit();
    edit->setText(m_userFormatLabel);
    edit->setReadOnly(true);
    edit->installEventFilter(this);
}

void KViewMemory::leaveUserFormatMode()
{
    if (m_formatsCombo->isEditable())
        m_formatsCombo->setEditable(false);
}

// The state a copy takes over

int KViewMemory::currentTargetId() const
{
    return int(m_info->currentTargetId());
}

void KViewMemory::setCurrentTargetId(int id)
{
    m_info->setCurrentTargetId(uint32_t(id));
}

bool KViewMemory::isStartAddressValid() const
{
    return m_info->isStartAddressValid();
}

UMemoryAddress KViewMemory::startAddress() const
{
    return m_info->startAddress();
}

QString KViewMemory::startAddressText() const
{
    if (!isStartAddressValid())
        return QString();
    return QString::fromStdString(m_bridge->addressToText(currentTargetId(), startAddress()));
}

QString KViewMemory::addressText(const UMemoryAddress &address)
{
    return QString::fromStdString(m_bridge->addressToText(currentTargetId(), address));
}

void KViewMemory::setStartAddress(const QString &text, bool checkEqual)
{
    runSetStartAddress(text, checkEqual);
}

namespace {
bool selectItem(QComboBox *combo, int item)
{
    if (!combo || item < 0 || item >= combo->count())
        return false;
    combo->setCurrentIndex(item);
    return true;
}
} // namespace

int KViewMemory::dataSizeId() const
{
    return m_sizesCombo ? m_sizesCombo->currentIndex() : 0;
}

void KViewMemory::setDataSizeId(int id)
{
    selectItem(m_sizesCombo, id);
}

int KViewMemory::formatId() const
{
    return m_formatsCombo ? m_formatsCombo->currentIndex() : 0;
}

void KViewMemory::setFormatId(int id)
{
    selectItem(m_formatsCombo, id);
}

void KViewMemory::setAutoColumnCount(int count)
{
    m_autoColumnCount = std::max(count, 1);
}

int KViewMemory::columnsId() const
{
    return m_columnsCombo ? m_columnsCombo->currentIndex() : 0;
}

void KViewMemory::setColumnsId(int id)
{
    if (!selectItem(m_columnsCombo, id))
        return;
    applyColumnsItem(id);
    relayoutTwice();
}

void KViewMemory::selectColumns(int item)
{
    if (m_dataTable)
        setColumnsId(item);
}

void KViewMemory::setAsciiViewShown(bool shown)
{
    m_asciiShown = shown;
    if (m_dataTable && !m_dataTable->isHidden())
        m_asciiTable->setHidden(!shown);
}

void KViewMemory::setDsmFormatId(int id)
{
    m_dsmFormatId = id;
}

void KViewMemory::updateDisassemblyMode()
{
    if (m_dataTable)
        setDisassemblyMode(isDisassemblyFormat());
}

// What the tables ask

int KViewMemory::fieldSize() const
{
    switch (m_sizesCombo ? m_sizesCombo->currentIndex() : -1) {
    case 0: {
        const int size = m_info->defaultAccessSize();
        return size == 2 || size == 4 || size == 8 ? size : 1;
    }
    case 2:
        return 2;
    case 3:
        return 4;
    case 4:
        return 8;
    default:
        return 1;
    }
}

bool KViewMemory::isBigEndian() const
{
    if (m_byteOrder == AutoOrder)
        return m_info->byteOrder() == 1;
    return m_byteOrder == BigEndianOrder;
}

QString KViewMemory::formatCode() const
{
    if (!m_formatsCombo || showsUserFormat())
        return QString();
    const int item = m_formatsCombo->currentIndex();
    return item >= 0 && item < kDisassemblyItem ? QString::fromLatin1(kFormatCodes[item])
                                                : QString();
}

bool KViewMemory::isStandardFormat() const
{
    return !showsUserFormat();
}

bool KViewMemory::recordWrite(const UMemoryAddress &address, uint64_t oldValue, uint64_t newValue)
{
    auto *action = new KViewActionMemory(this);
    action->setTargetId(m_info->currentTargetId());
    action->setAddress(address);
    action->setTableValue(oldValue);
    action->setWriteValue(newValue);
    action->setSize(bytesPerRow() + fieldSize());
    action->setType("set");
    return m_history->addAction(action) >= 0;
}

bool KViewMemory::writeBytes(const UMemoryAddress &address, uint64_t bytesLowFirst, int size)
{
    // The host reads exactly `size` bytes, lowest address first.
    uint8_t bytes[8] = {};
    std::memcpy(bytes, &bytesLowFirst, sizeof bytes);
    m_bridge->memorySpaceAction(kMemorySpace, window(), currentTargetId(), address,
                                intptr_t(std::clamp(size, 1, 8)),
                                reinterpret_cast<intptr_t>(bytes));
    return true;
}

bool KViewMemory::writeValueAt(int row, int column, uint64_t oldValue, uint64_t newValue)
{
    if (!isStartAddressValid())
        return false;
    const UMemoryAddress address = cellAddress(row, column);
    writeBytes(address, newValue, fieldSize());
    return recordWrite(address, oldValue, newValue);
}

bool KViewMemory::writeCharAt(int row, int column, uint8_t oldChar, uint8_t newChar)
{
    if (!isStartAddressValid())
        return false;
    const UMemoryAddress address = startAddress() + int64_t(bytesPerRow()) * row + column;
    writeBytes(address, newChar, 1);
    return recordWrite(address, oldChar, newChar);
}

// Keys

bool KViewMemory::event(QEvent *e)
{
    if (e->type() != QEvent::ShortcutOverride)
        return AView::event(e);
    auto *key = static_cast<QKeyEvent *>(e);
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if ((modifiers == Qt::NoModifier || modifiers == Qt::KeypadModifier) &&
        key->key() == Qt::Key_Delete) {
        e->accept();
        return true;
    }
    if (modifiers == Qt::ControlModifier) {
        if (key->key() == Qt::Key_C) {
            copy();
            e->accept();
        }
        return true; // other shortcuts still see it
    }
    return AView::event(e);
}

bool KViewMemory::eventFilter(QObject *o, QEvent *e)
{
    if (m_scrollArea && o == m_scrollArea->viewport() &&
        (e->type() == QEvent::Resize || e->type() == QEvent::Show)) {
        fitScrollAreaBox();
        return false;
    }
    if (m_addressCombo && (o == m_addressCombo || o == m_addressCombo->lineEdit()))
        return addressFieldEvent(o, e);
    if (m_formatsCombo && o == m_formatsCombo->lineEdit() &&
        e->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(e)->button() == Qt::LeftButton) {
        m_formatsCombo->showPopup();
        return true;
    }
    return AView::eventFilter(o, e);
}

// Settings text

void KViewMemory::saveSettings(std::string &settings)
{
    usettings::KUniversalSettings group;
    std::set<std::string> written;
    int pair = 0;
    for (int i = 0;; ++i) {
        const uint32_t id = m_info->targetIdAt(i);
        if (id == 0)
            break;
        const UMemoryAddress address = m_info->startAddressOf(id);
        const std::string name = m_bridge->targetName(int(id));
        // A target without a name could never be told apart when read back.
        if (name.empty())
            continue;
        group.setString(keyOf("TargetName_", pair), name);
        group.setString(keyOf("TargetAddress_", pair),
                        address.isValid() ? m_bridge->addressToText(int(id), address) : "");
        written.insert(name);
        ++pair;
    }
    // The addresses of targets this run never showed go back as they came: looking at one core
    // must not lose another core's place for the next session. A target shown meanwhile wrote
    // its own pair above, which a later pair of the same name would override when read back.
    for (const auto &[name, address] : m_pendingAddresses) {
        if (written.count(name) != 0)
            continue;
        group.setString(keyOf("TargetName_", pair), name);
        group.setString(keyOf("TargetAddress_", pair), address);
        ++pair;
    }
    group.setInt("Columns", columnsId());
    group.setInt("DataSizeId", dataSizeId());
    group.setInt("FormatId", formatId());
    if (m_dataTable && !isStandardFormat()) {
        QString name;
        int bits = 0;
        m_dataTable->format(name, bits);
        if (!name.isEmpty() && bits != 0) {
            group.setInt("UserFormatValid", 1);
            group.setString("FormatName", name.toStdString());
            group.setInt("FormatSize", bits);
        }
    }
    group.setInt("AsciiViewShown", m_asciiShown ? 1 : 0);
    group.setInt("DsmFormatId", m_dsmFormatId);
    usettings::settingsToString(group, settings);
}

void KViewMemory::restoreSettings(const std::string &settings)
{
    usettings::KUniversalSettings group;
    if (settings.empty() || !usettings::settingsFromString(group, settings))
        return;
    // A pair with an empty name (written by earlier versions for a target without one) is
    // passed over, not taken for the end: the pairs after it are other targets' places.
    for (int i = 0; i < 100; ++i) {
        const std::string key = keyOf("TargetName_", i);
        if (!group.findChild(key))
            break;
        const std::string name = group.getString(key);
        if (!name.empty())
            m_pendingAddresses[name] = group.getString(keyOf("TargetAddress_", i));
    }
    // A key left out (a text edited by hand, or junk) keeps what the view shows, as an empty
    // text does: read as 0 it would hide the characters and pick the smallest data size.
    const auto given = [&group](const char *key) { return group.findChild(key) != nullptr; };
    const int columns = group.getInt("Columns");
    if (given("Columns") && selectItem(m_columnsCombo, columns))
        applyColumnsItem(columns);
    if (given("DataSizeId"))
        selectItem(m_sizesCombo, group.getInt("DataSizeId"));
    if (given("FormatId"))
        selectItem(m_formatsCombo, group.getInt("FormatId"));
    restoreUserFormat(group);
    if (given("AsciiViewShown"))
        setAsciiViewShown(group.getInt("AsciiViewShown") != 0);
    if (given("DsmFormatId"))
        m_dsmFormatId = group.getInt("DsmFormatId");
    updateDisassemblyMode();
    relayoutTwice();
}

void KViewMemory::restoreUserFormat(usettings::KUniversalSettings &group)
{
    if (!m_dataTable || group.getInt("UserFormatValid") == 0)
        return;
    const QString name = QString::fromStdString(group.getString("FormatName"));
    // The data table refuses sizes other than 8, 16, 32 and 64 bits.
    if (!name.isEmpty() && m_dataTable->setFormat(name, group.getInt("FormatSize")))
        enterUserFormatMode();
}
