#include "utilities/tableheader.h"

#include "utilities/table.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QStyle>
#include <QStyleOptionHeader>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int kAutoScrollInterval = 100;
constexpr int kWidgetStretchDelay = 100;
constexpr int kMinimumStretch = 20;

QWidget *makeGuideLine(UTable *table, const char *name)
{
    auto *line = new QWidget(table->viewport());
    line->setObjectName(QString::fromLatin1(name));
    line->hide();
    line->setBackgroundRole(QPalette::Text);
    line->setAutoFillBackground(true);
    table->addChild(line);
    return line;
}

} // namespace

UTableHeader::UTableHeader(int count, UTable *table, QWidget *parent, const char *name)
    : UHeader(count, parent, name)
    , m_states(size_t(std::max(0, count)), Normal)
    , m_stretchable(size_t(std::max(0, count)), false)
    , m_table(table)
    , m_autoScrollTimer(new QTimer(this))
    , m_line1(makeGuideLine(table, "qt_line1"))
    , m_line2(makeGuideLine(table, "qt_line2"))
    , m_stretchTimer(new QTimer(this))
    , m_widgetStretchTimer(new QTimer(this))
{
    setIsATableHeader(true);
    // Erased by the toolkit before painting, which makes the header opaque: a scroll step then
    // moves what is painted and repaints only the strip that comes into view.
    setAutoFillBackground(true);
    m_autoScrollTimer->setSingleShot(true);
    m_stretchTimer->setSingleShot(true);
    m_widgetStretchTimer->setSingleShot(true);
    connect(m_autoScrollTimer, &QTimer::timeout, this, &UTableHeader::doAutoScroll);
    connect(m_stretchTimer, &QTimer::timeout, this, &UTableHeader::updateStretches);
    connect(m_widgetStretchTimer, &QTimer::timeout, this, &UTableHeader::updateWidgetStretches);
    connect(this, &UHeader::sizeChange, this, &UTableHeader::sectionWidthChanged);
    connect(this, &UHeader::indexChange, this, &UTableHeader::indexChanged);
}

UTableHeader::~UTableHeader() = default;

bool UTableHeader::isRowModeHorizontal() const
{
    const UTable::SelectionMode mode = m_table->selectionMode();
    return orientation() == Qt::Horizontal &&
           (mode == UTable::SingleRow || mode == UTable::MultiRow);
}

int UTableHeader::along(const QPoint &point) const
{
    return orientation() == Qt::Horizontal ? point.x() : point.y();
}

// --- states ------------------------------------------------------------------------------

void UTableHeader::setSectionState(int section, SectionState state)
{
    if (section < 0 || section >= int(m_states.size()) || m_states[size_t(section)] == state)
        return;
    if (isRowModeHorizontal())
        return;
    m_states[size_t(section)] = state;
    if (!updatesEnabled())
        return;
    const int pos = sectionPos(section) - offset();
    const int size = sectionSize(section);
    if (orientation() == Qt::Horizontal)
        repaint(pos, 0, size, height());
    else
        repaint(0, pos, width(), size);
}

void UTableHeader::setSectionStateToAll(SectionState state)
{
    if (isRowModeHorizontal())
        return;
    std::fill(m_states.begin(), m_states.end(), int(state));
}

UTableHeader::SectionState UTableHeader::sectionState(int section) const
{
    if (section < 0 || section >= int(m_states.size()))
        return Normal;
    return SectionState(m_states[size_t(section)]);
}

void UTableHeader::saveStates()
{
    m_oldStates = m_states;
}

// --- labels ------------------------------------------------------------------------------

void UTableHeader::setLabel(int section, const QIcon &iconSet, const QString &text, int size)
{
    // The base stores the icon and hands the text on to the other, virtual form.
    UHeader::setLabel(section, iconSet, text, size);
}

void UTableHeader::setLabel(int section, const QString &text, int size)
{
    UHeader::setLabel(section, text, size);
    labelChanged(section);
}

void UTableHeader::setLabelNoRepaint(int section, const QString &text, int size)
{
    const bool blocked = testAttribute(Qt::WA_UpdatesDisabled);
    setAttribute(Qt::WA_UpdatesDisabled, true);
    UHeader::setLabel(section, text, size);
    if (!blocked)
        setAttribute(Qt::WA_UpdatesDisabled, false);
}

void UTableHeader::setLabels(const QStringList &labels)
{
    const bool updates = updatesEnabled();
    const int n = std::min(count(), int(labels.size()));
    setUpdatesEnabled(false);
    for (int i = 0; i < n; ++i) {
        if (i == n - 1) {
            setUpdatesEnabled(updates);
            setLabel(i, labels.at(i));
        } else {
            // The table hears only of sections whose size the label changed.
            const int before = UHeader::sectionSize(i);
            UHeader::setLabel(i, labels.at(i));
            if (UHeader::sectionSize(i) != before)
                emit sectionSizeChanged(i);
        }
    }
    if (n == 0)
        setUpdatesEnabled(updates);
}

void UTableHeader::labelChanged(int section)
{
    emit sectionSizeChanged(section);
    const QSize hint = sizeHint();
    if (orientation() == Qt::Horizontal) {
        if (hint.height() != height() && marginNeedsUpdate(m_table->topMargin(), hint.height()))
            m_table->setTopMargin(hint.height());
        return;
    }
    const int margin =
        QApplication::isRightToLeft() ? m_table->rightMargin() : m_table->leftMargin();
    if (hint.width() != width() && marginNeedsUpdate(margin, hint.width()))
        m_table->setLeftMargin(hint.width());
}

bool UTableHeader::marginNeedsUpdate(int currentMargin, int wantedMargin)
{
    return currentMargin != wantedMargin;
}

void UTableHeader::addLabel(const QString &text, int size)
{
    UHeader::addLabel(text, size);
    m_states.resize(size_t(count()), Normal);
    m_stretchable.resize(size_t(count()), false);
}

void UTableHeader::removeLabel(int section)
{
    if (section < 0 || section >= count())
        return;
    UHeader::removeLabel(section);
    // The states of the sections after it close up with them.
    const auto eraseAt = [section](auto &states) {
        if (size_t(section) < states.size())
            states.erase(states.begin() + section);
    };
    if (isSectionStretchable(section)) {
        --m_stretchCount;
        --m_stretchableCount;
    }
    eraseAt(m_states);
    eraseAt(m_oldStates);
    eraseAt(m_stretchable);
}

// --- geometry cache ----------------------------------------------------------------------

int UTableHeader::sectionSize(int section) const
{
    if (count() <= 0 || section < 0 || section >= count())
        return -1;
    if (m_caching && size_t(section) < m_cachedSizes.size())
        return m_cachedSizes[size_t(section)];
    return UHeader::sectionSize(section);
}

int UTableHeader::sectionPos(int section) const
{
    if (count() <= 0 || section < 0 || section >= count())
        return -1;
    if (m_caching && size_t(section) < m_cachedPositions.size())
        return m_cachedPositions[size_t(section)];
    return UHeader::sectionPos(section);
}

int UTableHeader::sectionAt(int pos) const
{
    const int n = count();
    if (!m_caching || m_cachedSizes.empty() || size_t(n) > m_cachedSizes.size())
        return n <= 0 ? -1 : UHeader::sectionAt(pos);
    const int last = mapToSection(n - 1);
    if (pos > qint64(m_cachedPositions[size_t(last)]) + m_cachedSizes[size_t(last)])
        return -1;
    int low = 0;
    int high = n - 1;
    while (low < high) {
        const int i = (low + high + 1) / 2;
        if (m_cachedPositions[size_t(mapToSection(i))] > pos)
            high = i - 1;
        else
            low = i;
    }
    const int section = mapToSection(low);
    const int start = m_cachedPositions[size_t(section)];
    return (start <= pos && pos <= qint64(start) + m_cachedSizes[size_t(section)]) ? section : -1;
}

void UTableHeader::updateCache()
{
    m_cachedSizes.resize(size_t(count()));
    m_cachedPositions.resize(size_t(count()));
    if (!m_caching)
        return;
    for (int i = 0; i < count(); ++i) {
        m_cachedSizes[size_t(i)] = UHeader::sectionSize(i);
        m_cachedPositions[size_t(i)] = UHeader::sectionPos(i);
    }
}

void UTableHeader::setCaching(bool caching)
{
    if (m_caching == caching)
        return;
    m_caching = caching;
    updateCache();
}

// --- stretching --------------------------------------------------------------------------

void UTableHeader::setSectionStretchable(int section, bool stretchable)
{
    if (section < 0 || section >= int(m_stretchable.size()) ||
        m_stretchable[size_t(section)] == stretchable)
        return;
    m_stretchable[size_t(section)] = stretchable;
    m_stretchCount += stretchable ? 1 : -1;
    m_stretchableCount += stretchable ? 1 : -1;
}

bool UTableHeader::isSectionStretchable(int section) const
{
    return section >= 0 && section < int(m_stretchable.size()) && m_stretchable[size_t(section)];
}

void UTableHeader::recountStretches()
{
    m_stretchCount = m_stretchableCount;
}

// The size a hidden section had, or -1 when the table shows it.
int UTableHeader::hiddenSize(int section) const
{
    const bool hidden = orientation() == Qt::Horizontal ? m_table->isColumnHidden(section)
                                                        : m_table->isRowHidden(section);
    return hidden ? 0 : -1;
}

void UTableHeader::updateStretches()
{
    const int n = count();
    if (m_stretchCount <= 0 || n == 0)
        return;
    const int length = orientation() == Qt::Horizontal ? width() : height();
    const int end = sectionPos(n - 1) + sectionSize(n - 1);
    if (end == length)
        return;
    int stretchedSize = length - end;
    for (int i = 0; i < n; ++i) {
        if (isSectionStretchable(i) && hiddenSize(i) < 0)
            stretchedSize += sectionSize(i);
    }
    stretchedSize /= m_stretchCount;
    const bool blocked = blockSignals(true);
    for (int i = 0; i < n; ++i) {
        if (!isSectionStretchable(i) || hiddenSize(i) >= 0)
            continue;
        if (i == n - 1 && sectionPos(i) + stretchedSize < length)
            stretchedSize = length - sectionPos(i);
        resizeSection(i, std::max(kMinimumStretch, stretchedSize));
    }
    blockSignals(blocked);
    m_table->repaintContents(false);
    m_widgetStretchTimer->start(kWidgetStretchDelay);
}

void UTableHeader::updateWidgetStretches()
{
    const QSize s = m_table->tableSize();
    m_table->resizeContents(s.width(), s.height());
    for (int c = 0; c < m_table->numCols(); ++c)
        m_table->updateColWidgets(c);
}

void UTableHeader::resizeEvent(QResizeEvent *e)
{
    m_stretchTimer->stop();
    m_widgetStretchTimer->stop();
    UHeader::resizeEvent(e);
    if (m_stretchCount != 0)
        m_stretchTimer->start(0);
}

// --- moving ------------------------------------------------------------------------------

void UTableHeader::indexChanged(int section, int fromIndex, int)
{
    // A drop just past a section's own edge reports a move although nothing moved, so the
    // section's real place is asked for instead of trusting the reported one.
    int to = mapToIndex(section);
    m_lastMoveTarget = to;
    moveSection(section, fromIndex > to ? fromIndex + 1 : fromIndex);
    for (int i = fromIndex; i < to; ++i)
        swapSections(i, i + 1);
    for (int i = fromIndex; i > to; --i)
        swapSections(i - 1, i);
    m_table->repaintContents(m_table->contentsX(), m_table->contentsY(), m_table->visibleWidth(),
                             m_table->visibleHeight(), false);
}

void UTableHeader::swapSections(int fromIndex, int toIndex, bool swapTable)
{
    // The two labels change places; the header's set of labels, and so its size hint and the
    // table's margin, stay as they are, so nothing is measured.
    swapLabels(fromIndex, toIndex);
    const int fromSize = sectionSize(fromIndex);
    const int toSize = sectionSize(toIndex);
    if (fromSize != toSize) {
        resizeSection(fromIndex, toSize);
        resizeSection(toIndex, fromSize);
    }
    if (!swapTable)
        return;
    if (orientation() == Qt::Horizontal)
        m_table->swapColumns(fromIndex, toIndex, false);
    else
        m_table->swapRows(fromIndex, toIndex, false);
}

void UTableHeader::sectionWidthChanged(int section, int, int)
{
    m_resizedSection = section;
    const int start = UHeader::sectionPos(section) - 1;
    const int end = start + UHeader::sectionSize(section);
    placeGuideLine(m_line1, start);
    placeGuideLine(m_line2, end);
}

void UTableHeader::placeGuideLine(QWidget *line, int pos)
{
    if (orientation() == Qt::Horizontal) {
        m_table->moveChild(line, pos, m_table->contentsY());
        line->resize(1, m_table->visibleHeight());
    } else {
        m_table->moveChild(line, m_table->contentsX(), pos);
        line->resize(m_table->visibleWidth(), 1);
    }
    line->show();
    line->raise();
}

// --- painting ----------------------------------------------------------------------------

void UTableHeader::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    p.setPen(palette().buttonText().color());
    const QRect exposed = e->rect();
    const bool horizontal = orientation() == Qt::Horizontal;
    const int lead = horizontal ? exposed.left() : exposed.top();
    int first = mapToIndex(sectionAt(lead + offset()));
    if (first < 0) {
        if (lead > 0)
            return;
        first = 0;
    }
    QRegion rest = e->region();
    QFont bold = font();
    bold.setBold(true);
    const bool plain = isRowModeHorizontal();
    for (int i = first; i < count(); ++i) {
        const QRect r = sRect(i);
        rest -= r;
        p.save();
        const SectionState state = sectionState(mapToSection(i));
        if (!plain && (state == Bold || state == Selected))
            p.setFont(bold);
        paintSection(&p, i, r);
        p.restore();
        if ((horizontal ? r.right() : r.bottom()) >=
            (horizontal ? exposed.right() : exposed.bottom()))
            return;
    }
    for (const QRect &r : rest)
        p.fillRect(r, palette().window());
}

void UTableHeader::paintSection(QPainter *p, int index, const QRect &rect)
{
    const int section = mapToSection(index);
    if (section < 0 || UHeader::sectionSize(section) <= 0)
        return;
    if (sectionState(section) != Selected || isRowModeHorizontal()) {
        UHeader::paintSection(p, index, rect);
        return;
    }
    QStyleOptionHeader opt;
    opt.initFrom(this);
    opt.rect = rect;
    opt.section = section;
    opt.orientation = orientation();
    opt.state = QStyle::State_Off;
    if (orientation() == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    if (isEnabled())
        opt.state |= QStyle::State_Enabled;
    bool down = false;
    if (isClickEnabled()) {
        down = true;
        opt.state |= QStyle::State_Sunken;
        if (!m_mousePressed)
            opt.state |= QStyle::State_On;
    }
    if (!down)
        opt.state |= QStyle::State_Raised;
    style()->drawControl(QStyle::CE_HeaderSection, &opt, p, this);
    paintSectionLabel(p, index, rect);
}

// --- mouse -------------------------------------------------------------------------------

void UTableHeader::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const int pos = along(e->position().toPoint());
    // Whether the press lands on a resize handle, known before the base acts on it.
    const bool onHandle = handleAt(pos + offset()) >= 0;
    UHeader::mousePressEvent(e);
    m_mousePressed = true;
    m_pressPos = pos;
    m_lastGlobalPos = e->globalPosition().toPoint();
    if (m_table->currentSelection() < 0 || !(e->modifiers() & Qt::ShiftModifier))
        m_startPos = -1;
    setCaching(true);
    m_resizedSection = -1;
    m_isResizing = onHandle;
    if (!m_isResizing && sectionAt(m_pressPos + offset()) != -1)
        selectBySection(e);
}

void UTableHeader::mouseMoveEvent(QMouseEvent *e)
{
    m_lastGlobalPos = e->globalPosition().toPoint();
    const bool moving = orientation() == Qt::Horizontal ? m_table->columnMovingEnabled()
                                                        : m_table->rowMovingEnabled();
    if (e->buttons() != Qt::LeftButton || m_isResizing || isDragging() ||
        ((e->modifiers() & Qt::ControlModifier) && moving)) {
        UHeader::mouseMoveEvent(e);
        return;
    }
    if (!selectBySection(e))
        UHeader::mouseMoveEvent(e);
}

bool UTableHeader::selectBySection(QMouseEvent *e)
{
    const int pos = along(e->position().toPoint()) + offset();
    const UTable::SelectionMode mode = m_table->selectionMode();
    if (mode == UTable::SingleRow || mode == UTable::MultiRow) {
        if (orientation() == Qt::Horizontal)
            return true;
        if (mode == UTable::SingleRow) {
            const int section = sectionAt(pos);
            if (section != -1)
                m_table->setCurrentCell(section, m_table->currentColumn());
            return true;
        }
    }
    if (m_startPos == -1 && startSelection(e, pos))
        return true;
    if (sectionAt(pos) != -1)
        m_endPos = pos;
    if (m_startPos != -1) {
        updateSelections();
        const int inside = pos - offset();
        const int length = orientation() == Qt::Horizontal ? width() : height();
        if (inside < 0 || inside > length) {
            doAutoScroll();
            m_autoScrollTimer->start(kAutoScrollInterval);
        }
        return true;
    }
    return mode == UTable::NoSelection;
}

// The first step of a selection drag: a whole row or column from the pressed section.
bool UTableHeader::startSelection(QMouseEvent *e, int pos)
{
    const int section = sectionAt(pos);
    const UTable::SelectionMode mode = m_table->selectionMode();
    const bool extend = e->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier);
    if (!extend || mode == UTable::Single || mode == UTable::SingleRow) {
        m_startPos = pos;
        m_table->clearSelectionQuietly();
    }
    saveStates();
    if (mode == UTable::NoSelection || section < 0)
        return false;
    m_startPos = pos;
    const bool vertical = orientation() == Qt::Vertical;
    const UTableSelection *old = m_table->activeSelection();
    const UTableSelection before = old ? *old : UTableSelection();
    if (vertical) {
        if (!m_table->isRowSelected(section, true)) {
            m_table->appendSelection(section, 0, section, m_table->numCols() - 1);
            emit m_table->selectionChanged();
        }
        m_table->setCurrentCell(section, 0);
    } else {
        if (!m_table->isColumnSelected(section, true)) {
            m_table->appendSelection(0, section, m_table->numRows() - 1, section);
            emit m_table->selectionChanged();
        }
        m_table->setCurrentCell(0, section);
    }
    if (vertical ? m_table->isRowSelected(section) : m_table->isColumnSelected(section))
        setSectionState(section, Selected);
    m_table->repaintSelections(old ? &before : nullptr, m_table->activeSelection(), !vertical,
                               vertical);
    m_endPos = pos;
    return true;
}

void UTableHeader::updateSelections()
{
    const UTable::SelectionMode mode = m_table->selectionMode();
    if (mode == UTable::NoSelection || isRowModeHorizontal())
        return;
    const int endSection = sectionAt(m_endPos);
    repaint();
    UTableSelection *current = m_table->activeSelection();
    if (current && endSection >= 0) {
        const UTableSelection before = *current;
        if (orientation() == Qt::Vertical)
            current->expandTo(endSection, m_table->horizontalHeader()->count() - 1);
        else
            current->expandTo(m_table->verticalHeader()->count() - 1, endSection);
        m_table->repaintSelections(&before, current, orientation() == Qt::Horizontal,
                                   orientation() == Qt::Vertical);
    }
    emit m_table->selectionChanged();
}

void UTableHeader::doAutoScroll()
{
    const int pos = along(mapFromGlobal(m_lastGlobalPos)) + offset();
    if (sectionAt(pos) != -1)
        m_endPos = pos;
    if (orientation() == Qt::Horizontal)
        m_table->ensureVisible(m_endPos, m_table->contentsY());
    else
        m_table->ensureVisible(m_table->contentsX(), m_endPos);
    updateSelections();
    m_autoScrollTimer->start(kAutoScrollInterval);
}

void UTableHeader::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    m_autoScrollTimer->stop();
    m_mousePressed = false;
    setCaching(false);
    UHeader::mouseReleaseEvent(e);
    m_line1->hide();
    m_line2->hide();
    if (m_resizedSection != -1) {
        emit sectionSizeChanged(m_resizedSection);
        updateStretches();
    }
    // Newly selected sections are painted once more, now without the press.
    QRect selected;
    for (int i = 0; i < count(); ++i) {
        if (sectionState(i) == Selected)
            selected |= sectionRect(i);
    }
    if (!selected.isNull())
        repaint(selected);
}

void UTableHeader::mouseDoubleClickEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || !m_isResizing)
        return;
    const int pos = along(e->position().toPoint()) + offset();
    int section = sectionAt(pos);
    if (section == -1)
        return;
    --section;
    const int last = count() - 1;
    if (pos >= sectionPos(last) + sectionSize(last))
        ++section;
    while (section >= 0 && sectionSize(section) == 0)
        --section;
    if (section < 0)
        return;
    const bool horizontal = orientation() == Qt::Horizontal;
    const int oldSize = sectionSize(section);
    horizontal ? m_table->adjustColumn(section) : m_table->adjustRow(section);
    const int newSize = sectionSize(section);
    if (oldSize != newSize)
        emit sizeChange(section, oldSize, newSize);
    const int lines = horizontal ? m_table->numCols() : m_table->numRows();
    for (int i = 0; i < lines; ++i) {
        const bool selected = horizontal ? m_table->isColumnSelected(i) : m_table->isRowSelected(i);
        if (i != section && selected && sectionSize(i) != 0)
            horizontal ? m_table->adjustColumn(i) : m_table->adjustRow(i);
    }
}
