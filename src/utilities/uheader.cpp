#include "utilities/uheader.h"

#include "utilities/linemoves.h"

#include "utilities/globalstrut.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QStyleOptionHeader>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <deque>
#include <functional>
#include <vector>

namespace {

bool g_nullLabels = false;

// The distance a pressed section must be dragged before the gesture becomes a move.
constexpr int kMoveThreshold = 5;
// No section is stretched below this many pixels.
constexpr int kMinimumStretchedSize = 20;
constexpr int kDefaultSectionSize = 88;
constexpr int kNoStretch = -2;
constexpr int kStretchAll = -1;

// What a press on the header is doing.
enum class State { Idle, Sliding, Pressed, Moving, Blocked };

} // namespace

// Sizes, labels, icons and the two flags are indexed by section, positions by index. Sizes,
// labels and icons move when a table inserts or removes lines, so they are kept in deques,
// which grow and shrink at the front as cheaply as at the end.
class UHeaderPrivate
{
public:
    std::deque<int> sizes;
    int height = 0;
    bool heightDirty = true;
    std::vector<int> positions;
    std::deque<QString> labels;
    std::deque<QIcon> icons;
    std::vector<int> i2s;
    std::vector<int> s2i;
    std::vector<bool> clickable;
    std::vector<bool> resizable;
    bool moving = true;
    bool clickableDefault = true;
    bool resizableDefault = true;
    bool partlyComputed = false;
    bool isTableHeader = false;
    bool sortAscending = true;
    bool positionsDirty = true;
    int sortSection = -1;
    int count = 0;
    int lastPos = 0;
    // Positions below this index are valid while partlyComputed is set.
    int validCount = 0;
    int stretchSection = kNoStretch;
    int focusIndex = 0;
    int pressDelta = 0;
    QFont font;
    // Scroll offset along the header.
    int offset = 0;
    // The section index under the current gesture (press, resize or move).
    int handleIndex = 0;
    int oldHandleSize = 0;
    int oldHandleIndex = 0;
    int moveToIndex = -1;
    State state = State::Idle;
    int clickPos = 0;
    bool tracking = false;
    Qt::Orientation orientation = Qt::Horizontal;

    // Until a section gets a label or an icon of its own, moving sections need not move them.
    bool anyLabels = false;
    bool anyIcons = false;

    bool inRange(int section) const { return section >= 0 && section < count; }
    void setLabel(int section, const QString &text)
    {
        labels[size_t(section)] = text;
        anyLabels = anyLabels || !text.isNull();
    }
    void setIcon(int section, const QIcon &icon)
    {
        icons[size_t(section)] = icon;
        anyIcons = anyIcons || !icon.isNull();
    }

    void append(int size, bool clickableBit, bool resizableBit)
    {
        const int section = count++;
        sizes.push_back(size);
        labels.emplace_back();
        icons.emplace_back();
        positions.push_back(0);
        i2s.push_back(section);
        s2i.push_back(section);
        clickable.push_back(clickableBit);
        resizable.push_back(resizableBit);
        // The sections before it keep their positions.
        partlyComputed = true;
    }
};

UHeader::UHeader(QWidget *parent, const char *name)
    : QWidget(parent)
    , d(std::make_unique<UHeaderPrivate>())
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    init(0);
}

UHeader::UHeader(int count, QWidget *parent, const char *name)
    : QWidget(parent)
    , d(std::make_unique<UHeaderPrivate>())
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    init(count);
}

UHeader::~UHeader() = default;

Qt::Orientation UHeader::orientation() const
{
    return d->orientation;
}

bool UHeader::tracking() const
{
    return d->tracking;
}

int UHeader::offset() const
{
    return d->offset;
}

bool UHeader::isDragging() const
{
    return d->state == State::Sliding || d->state == State::Moving;
}

void UHeader::init(int count)
{
    setAttribute(Qt::WA_StaticContents);
    setMouseTracking(true);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    d->font = font();
    for (int i = 0; i < count; ++i)
        d->append(kDefaultSectionSize, d->clickableDefault, d->resizableDefault);
}

void UHeader::setNullLabelsFlag(bool set)
{
    g_nullLabels = set;
}

bool UHeader::nullLabelsFlag()
{
    return g_nullLabels;
}

// --- labels and sections ---------------------------------------------------------------

void UHeader::setLabel(int section, const QIcon &iconSet, const QString &text, int size)
{
    if (d->inRange(section))
        d->setIcon(section, iconSet);
    setLabel(section, text, size);
}

void UHeader::setLabel(int section, const QString &text, int size)
{
    if (!d->inRange(section))
        return;
    // Whether this label may have been the thickest one, so that the header might get
    // thinner: only then are all labels measured again.
    const int before = d->heightDirty ? 0 : thicknessOf(sectionSizeHint(section, fontMetrics()));
    d->setLabel(section, text);
    const bool resized = setSectionSizeAndHeight(section, size, before);
    layoutChanged(resized);
}

void UHeader::swapLabels(int first, int second)
{
    if (!d->inRange(first) || !d->inRange(second) || first == second)
        return;
    // The same labels stand elsewhere: neither the sizes nor the thickness change.
    std::swap(d->labels[first], d->labels[second]);
    std::swap(d->icons[first], d->icons[second]);
    if (updatesEnabled())
        update();
}

void UHeader::openSections(int section, int count)
{
    if (section < 0 || count <= 0 || section + count >= d->count)
        return;
    const auto open = [&](auto &v) {
        tesk::utilities::openLines(v, 1, size_t(section), size_t(count));
    };
    moveSections(open, section);
}

void UHeader::closeSections(const QList<int> &sections)
{
    if (sections.isEmpty() || sections.first() < 0 || sections.last() >= d->count)
        return;
    const auto close = [&](auto &v) { tesk::utilities::closeLines(v, 1, sections); };
    moveSections(close, sections.first());
}

// The same labels stand elsewhere, so the thickness stays. Sections of one size (the usual
// rows of a table) move without changing any position.
template<typename Move>
void UHeader::moveSections(Move move, int first)
{
    if (std::adjacent_find(d->sizes.cbegin() + first, d->sizes.cend(), std::not_equal_to<>()) !=
        d->sizes.cend()) {
        move(d->sizes);
        d->positionsDirty = true;
    }
    if (d->anyLabels)
        move(d->labels);
    if (d->anyIcons)
        move(d->icons);
    if (updatesEnabled())
        update();
}

QString UHeader::label(int section) const
{
    if (!d->inRange(section))
        return QString();
    if (!d->labels[section].isNull())
        return d->labels[section];
    return g_nullLabels ? QString() : QString::number(section + 1);
}

QIcon UHeader::iconSet(int section) const
{
    return d->inRange(section) ? d->icons[section] : QIcon();
}

int UHeader::addLabel(const QString &text, int size)
{
    return addLabel(QIcon(), text, size);
}

int UHeader::addLabel(const QIcon &iconSet, const QString &text, int size)
{
    d->append(-1, d->clickableDefault, d->resizableDefault);
    const int section = d->count - 1;
    d->setIcon(section, iconSet);
    d->setLabel(section, text);
    if (size >= 0 && text.isNull() && d->isTableHeader)
        d->sizes[section] = size;
    else
        setSectionSizeAndHeight(section, size, 0);
    // A section at the end moves no other.
    layoutChanged(false);
    return section;
}

void UHeader::removeLabel(int section)
{
    if (!d->inRange(section))
        return;
    const int index = d->s2i[section];
    if (section == d->count - 1 && index == d->count - 1) {
        // The last section standing last, as when a table shrinks: nothing else moves.
        d->sizes.pop_back();
        d->labels.pop_back();
        d->icons.pop_back();
        d->clickable.pop_back();
        d->resizable.pop_back();
        d->s2i.pop_back();
        d->i2s.pop_back();
        d->positions.pop_back();
        --d->count;
        d->validCount = std::min(d->validCount, d->count);
        d->partlyComputed = true;
        d->focusIndex = std::clamp(d->focusIndex, 0, std::max(0, d->count - 1));
        layoutChanged(false);
        return;
    }
    d->sizes.erase(d->sizes.begin() + section);
    d->labels.erase(d->labels.begin() + section);
    d->icons.erase(d->icons.begin() + section);
    d->clickable.erase(d->clickable.begin() + section);
    d->resizable.erase(d->resizable.begin() + section);
    d->s2i.erase(d->s2i.begin() + section);
    d->i2s.erase(d->i2s.begin() + index);
    d->positions.pop_back();
    --d->count;
    // Both maps are compacted whatever the update state, so they stay inverse permutations.
    for (int &i : d->s2i) {
        if (i > index)
            --i;
    }
    for (int &s : d->i2s) {
        if (s > section)
            --s;
    }
    d->focusIndex = std::clamp(d->focusIndex, 0, std::max(0, d->count - 1));
    layoutChanged();
}

void UHeader::layoutChanged(bool resized)
{
    if (resized)
        d->positionsDirty = true;
    if (updatesEnabled()) {
        updateGeometry();
        update();
    }
}

int UHeader::count() const
{
    return d->count;
}

void UHeader::setOrientation(Qt::Orientation orientation)
{
    if (orientation == d->orientation)
        return;
    d->orientation = orientation;
    if (orientation == Qt::Horizontal)
        setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    else
        setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    d->heightDirty = true;
    update();
    updateGeometry();
}

void UHeader::setTracking(bool enable)
{
    d->tracking = enable;
}

void UHeader::setClickEnabled(bool enable, int section)
{
    if (section == -1) {
        d->clickableDefault = enable;
        std::fill(d->clickable.begin(), d->clickable.end(), enable);
    } else if (d->inRange(section)) {
        d->clickable[section] = enable;
    }
}

void UHeader::setResizeEnabled(bool enable, int section)
{
    if (section == -1) {
        d->resizableDefault = enable;
        std::fill(d->resizable.begin(), d->resizable.end(), enable);
    } else if (d->inRange(section)) {
        d->resizable[section] = enable;
    }
}

void UHeader::setMovingEnabled(bool enable)
{
    d->moving = enable;
}

void UHeader::setStretchEnabled(bool enable, int section)
{
    d->stretchSection = enable ? section : kNoStretch;
    adjustHeaderSize(-1);
}

bool UHeader::isClickEnabled(int section) const
{
    if (section == -1)
        return std::all_of(d->clickable.begin(), d->clickable.end(), [](bool b) { return b; });
    return d->inRange(section) && d->clickable[section];
}

bool UHeader::isResizeEnabled(int section) const
{
    if (section == -1)
        return std::all_of(d->resizable.begin(), d->resizable.end(), [](bool b) { return b; });
    return d->inRange(section) && d->resizable[section];
}

bool UHeader::isMovingEnabled() const
{
    return d->moving;
}

bool UHeader::isStretchEnabled() const
{
    return d->stretchSection == kStretchAll;
}

bool UHeader::isStretchEnabled(int section) const
{
    return d->stretchSection == section;
}

void UHeader::setIsATableHeader(bool isTableHeader)
{
    d->isTableHeader = isTableHeader;
}

void UHeader::setCellSize(int section, int size)
{
    if (!d->inRange(section))
        return;
    d->sizes[section] = size;
    // The sections before it and its own start stay where they are.
    d->validCount = std::min(d->validCount, d->s2i[section] + 1);
    d->partlyComputed = true;
}

void UHeader::resizeSection(int section, int size)
{
    setCellSize(section, size);
    update();
}

void UHeader::moveCell(int fromIndex, int toIndex)
{
    moveSection(mapToSection(fromIndex), toIndex);
}

void UHeader::moveSection(int section, int toIndex)
{
    const int from = mapToIndex(section);
    if (from < 0 || from == toIndex || toIndex < 0 || toIndex > d->count)
        return;
    auto first = d->i2s.begin();
    int low = from;
    int high = from;
    if (from < toIndex) {
        // Moving forward, the sections in between close the gap and it lands before toIndex.
        high = toIndex - 1;
        std::rotate(first + from, first + from + 1, first + high + 1);
    } else {
        low = toIndex;
        std::rotate(first + toIndex, first + from, first + from + 1);
    }
    for (int i = low; i <= high; ++i)
        d->s2i[d->i2s[i]] = i;
    d->positionsDirty = true;
    update();
}

int UHeader::mapToSection(int index) const
{
    return (index >= 0 && index < d->count) ? d->i2s[index] : -1;
}

int UHeader::mapToIndex(int section) const
{
    return d->inRange(section) ? d->s2i[section] : -1;
}

void UHeader::setSortIndicator(int section, bool ascending)
{
    d->sortSection = section;
    d->sortAscending = ascending;
    if (section != -1)
        d->oldHandleIndex = section;
    update();
    updateGeometry();
}

int UHeader::sortIndicatorSection() const
{
    return d->sortSection;
}

Qt::SortOrder UHeader::sortIndicatorOrder() const
{
    return d->sortAscending ? Qt::AscendingOrder : Qt::DescendingOrder;
}

// --- geometry ----------------------------------------------------------------------------

int UHeader::length() const
{
    return lengthOf(size());
}

int UHeader::lengthOf(const QSize &size) const
{
    return d->orientation == Qt::Horizontal ? size.width() : size.height();
}

int UHeader::thicknessOf(const QSize &size) const
{
    return d->orientation == Qt::Horizontal ? size.height() : size.width();
}

int UHeader::coordinate(const QPoint &pos) const
{
    return (d->orientation == Qt::Horizontal ? pos.x() : pos.y()) + d->offset;
}

int UHeader::gripMargin(int section) const
{
    return d->resizable[section] ? style()->pixelMetric(QStyle::PM_HeaderGripMargin, nullptr, this)
                                 : 0;
}

void UHeader::calculatePositions(bool onlyVisible, int start) const
{
    if (d->positionsDirty) {
        d->validCount = 0;
        d->partlyComputed = true;
    }
    d->positionsDirty = false;
    const int n = d->count;
    if (n == 0) {
        d->lastPos = 0;
        d->partlyComputed = false;
        d->validCount = 0;
        return;
    }
    start = std::clamp(start, 0, n - 1);
    if (d->partlyComputed)
        start = std::min(start, std::max(0, d->validCount - 1));
    const int limit = d->offset + length();
    int last = start == 0 ? 0 : d->positions[start];
    int index = start;
    while (index < n) {
        d->positions[index] = last;
        // Sections past the largest coordinate all start there instead of wrapping around.
        last = int(std::min<qint64>(INT_MAX, qint64(last) + d->sizes[d->i2s[index]]));
        ++index;
        if (onlyVisible && last > limit)
            break;
    }
    d->lastPos = last;
    d->validCount = index;
    d->partlyComputed = index < n;
}

// Only the positions from the first one no longer valid on are worked out again.
void UHeader::ensurePositions() const
{
    if (d->positionsDirty || d->partlyComputed)
        calculatePositions(false, d->count);
}

int UHeader::sectionEnd(int index) const
{
    ensurePositions();
    return int(std::min<qint64>(INT_MAX, qint64(d->positions[index]) + d->sizes[d->i2s[index]]));
}

int UHeader::sectionSize(int section) const
{
    return d->inRange(section) ? d->sizes[section] : 0;
}

int UHeader::sectionPos(int section) const
{
    if (!d->inRange(section))
        return 0;
    const int index = d->s2i[section];
    ensurePositions();
    return d->positions[index];
}

int UHeader::sectionAt(int pos) const
{
    if (d->count == 0)
        return -1;
    ensurePositions();
    int low = 0;
    int high = d->count - 1;
    while (low < high) {
        const int i = (low + high + 1) / 2;
        if (d->positions[i] > pos)
            high = i - 1;
        else
            low = i;
    }
    const int section = d->i2s[low];
    const int start = d->positions[low];
    return (start <= pos && pos <= qint64(start) + d->sizes[section]) ? section : -1;
}

QRect UHeader::sectionRect(int section) const
{
    return sRect(mapToIndex(section));
}

QRect UHeader::sRect(int index) const
{
    const int n = d->count;
    if (n > 0 && index >= n) {
        const int end = sectionEnd(n - 1) - d->offset;
        if (d->orientation == Qt::Horizontal)
            return QRect(end, 0, width() - end + 10, height());
        return QRect(0, end, width(), height() - end + 10);
    }
    const int section = mapToSection(index);
    if (section < 0)
        return rect();
    const int start = sectionEnd(index) - d->sizes[section] - d->offset;
    if (d->orientation == Qt::Horizontal)
        return QRect(start, 0, d->sizes[section], height());
    return QRect(0, start, width(), d->sizes[section]);
}

int UHeader::cellPos(int index) const
{
    if (index == d->count && index > 0)
        return sectionEnd(index - 1);
    return sectionPos(mapToSection(index));
}

int UHeader::headerWidth() const
{
    ensurePositions();
    return d->lastPos;
}

int UHeader::handleAt(int pos) const
{
    const int section = sectionAt(pos);
    if (section < 0)
        return -1;
    const int grip = gripMargin(section);
    const int index = d->s2i[section];
    const int start = sectionPos(section);
    int handle = -1;
    if (index > 0 && pos < start + grip)
        handle = d->i2s[index - 1];
    else if (pos > start + d->sizes[section] - grip)
        handle = section;
    if (handle < 0 || !d->resizable[handle])
        return -1;
    if (d->stretchSection != kNoStretch && d->s2i[handle] == d->count - 1)
        return -1;
    return handle;
}

void UHeader::setOffset(int offset)
{
    const int old = d->offset;
    d->offset = offset;
    if (headerWidth() < length())
        d->offset = 0;
    if (d->offset == old)
        return;
    if (d->orientation == Qt::Horizontal)
        scroll(old - d->offset, 0);
    else
        scroll(0, old - d->offset);
}

void UHeader::setUpdatesEnabled(bool enable)
{
    if (enable)
        ensurePositions();
    QWidget::setUpdatesEnabled(enable);
}

QSize UHeader::sectionSizeHint(int section, const QFontMetrics &fm) const
{
    QSize icon;
    const QIcon set = iconSet(section);
    if (!set.isNull()) {
        const int extent = style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, this);
        icon = set.actualSize(QSize(extent, extent), QIcon::Normal);
        icon.rwidth() += 2;
    }
    const QStringList lines = label(section).split(QLatin1Char('\n'));
    int textWidth = 0;
    for (const QString &line : lines)
        textWidth = std::max(textWidth, fm.horizontalAdvance(line));
    const int textHeight = fm.height() + fm.lineSpacing() * (int(lines.size()) - 1);
    const int arrow = section == d->sortSection ? thicknessOf(size()) / 2 + 8 : 0;
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    return QSize(textWidth + 4 * margin + std::max(0, icon.width()) + arrow,
                 std::max(textHeight + 2, std::max(0, icon.height())) + 4);
}

bool UHeader::setSectionSizeAndHeight(int section, int size, int oldThickness)
{
    const QSize hint = sectionSizeHint(section, fontMetrics());
    const int oldSize = d->sizes[section];
    if (size >= 0)
        d->sizes[section] = size;
    else if (d->sizes[section] < 0)
        d->sizes[section] = lengthOf(hint);
    const int thickness = thicknessOf(hint);
    if (thickness > d->height)
        d->height = thickness;
    else if (thickness < d->height && oldThickness >= d->height)
        d->heightDirty = true;
    return d->sizes[section] != oldSize;
}

QSize UHeader::sizeHint() const
{
    ensurePolished();
    const QFontMetrics fm = fontMetrics();
    if (d->heightDirty) {
        d->height = fm.lineSpacing() + 6;
        for (int i = 0; i < d->count; ++i)
            d->height = std::max(d->height, thicknessOf(sectionSizeHint(i, fm)));
        d->heightDirty = false;
    }
    // The style's header contents size measures one section's own text in Qt 6, so the sum
    // of the sections is reported as it stands.
    QSize hint;
    if (d->orientation == Qt::Horizontal)
        hint = QSize(headerWidth(), std::max(fm.lineSpacing() + 6, d->height));
    else
        hint = QSize(std::max(fm.horizontalAdvance(QLatin1Char(' ')), d->height), headerWidth());
    return hint.expandedTo(cuiGlobalStrut());
}

// --- resizing and stretching -----------------------------------------------------------

void UHeader::handleColumnResize(int index, int coord, bool final, bool recalcAll)
{
    const int section = d->i2s[index];
    const int start = sectionEnd(index) - d->sizes[section];
    const int limit = start + 2 * gripMargin(section);
    if (coord == limit)
        return;
    coord = std::max(coord, limit);
    const int oldSize = d->sizes[section];
    const int newSize = coord - start;
    d->sizes[section] = newSize;
    calculatePositions(!recalcAll, recalcAll ? 0 : index);

    const int pos = start - d->offset;
    if (d->orientation == Qt::Horizontal)
        update(pos, 0, width() - pos, height());
    else
        update(0, pos, width(), height() - pos);

    bool changed = false;
    if (d->tracking && oldSize != newSize) {
        emit sizeChange(section, oldSize, newSize);
        changed = true;
    } else if (!d->tracking && final && d->oldHandleSize != newSize) {
        emit sizeChange(section, d->oldHandleSize, newSize);
        changed = true;
    }
    if (changed && d->stretchSection != kNoStretch)
        stretchLastAfterResize();
}

void UHeader::stretchLastAfterResize()
{
    const int kept = d->stretchSection;
    d->stretchSection = d->count - 1;
    adjustHeaderSize(-1);
    d->stretchSection = kept;
}

void UHeader::setSectionSizeNotified(int section, int size)
{
    const int old = d->sizes[section];
    setCellSize(section, size);
    emit sizeChange(section, old, size);
}

void UHeader::adjustHeaderSize(int diff)
{
    const int n = d->count;
    if (n == 0 || d->stretchSection == kNoStretch || d->stretchSection >= n)
        return;
    const int len = length();
    const int lastSection = d->i2s[n - 1];
    if (d->stretchSection == n - 1 && headerWidth() - d->sizes[lastSection] > len)
        return;
    if (d->stretchSection >= 0) {
        const int section = d->i2s[d->stretchSection];
        const int grown = d->sizes[section] + len - headerWidth();
        setSectionSizeNotified(section, std::max(kMinimumStretchedSize, grown));
    } else if (d->stretchSection == kStretchAll) {
        for (int i = 0; i < n - 1; ++i) {
            const int section = d->i2s[i];
            const int size = diff != -1 ? d->sizes[section] + diff / n : len / n;
            setSectionSizeNotified(section, std::max(kMinimumStretchedSize, size));
        }
        setSectionSizeNotified(lastSection,
                               std::max(kMinimumStretchedSize, len - sectionPos(lastSection)));
    }
    update();
}

// --- events ------------------------------------------------------------------------------

void UHeader::showEvent(QShowEvent *e)
{
    ensurePositions();
    QWidget::showEvent(e);
}

void UHeader::resizeEvent(QResizeEvent *e)
{
    QWidget::resizeEvent(e);
    if (headerWidth() < length())
        d->offset = 0;
    const QSize old = e->oldSize();
    if (!old.isValid()) {
        adjustHeaderSize(-1);
        return;
    }
    adjustHeaderSize(length() - lengthOf(old));
    if (thicknessOf(old) != thicknessOf(size()))
        update();
}

void UHeader::changeEvent(QEvent *e)
{
    QWidget::changeEvent(e);
    if (e->type() == QEvent::FontChange) {
        const QFont old = d->font;
        d->font = font();
        fontChange(old);
    }
}

void UHeader::fontChange(const QFont &)
{
    const QFontMetrics fm = fontMetrics();
    d->height = d->orientation == Qt::Horizontal ? fm.lineSpacing() + 6
                                                 : fm.horizontalAdvance(QLatin1Char(' '));
    update();
}

void UHeader::mousePressEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton || d->state != State::Idle)
        return;
    const int pos = coordinate(e->position().toPoint());
    const int section = sectionAt(pos);
    if (section < 0)
        return;
    const int grip = gripMargin(section);
    const int index = d->s2i[section];
    const int start = sectionPos(section);
    if (index > 0 && pos < start + grip)
        pressOnHandle(index - 1, pos);
    else if (pos > start + d->sizes[section] - grip)
        pressOnHandle(index, pos);
    else
        pressOnSection(index, pos);
}

void UHeader::pressOnHandle(int index, int pos)
{
    d->handleIndex = index;
    const int section = d->i2s[index];
    if (index == d->count - 1 && d->stretchSection != kNoStretch && headerWidth() <= length()) {
        d->handleIndex = -1;
        return;
    }
    d->oldHandleSize = d->sizes[section];
    d->state = d->resizable[section] ? State::Sliding : State::Blocked;
    d->pressDelta = pos - sectionEnd(index);
}

void UHeader::pressOnSection(int index, int pos)
{
    const int previous = d->handleIndex;
    const int section = d->i2s[index];
    d->oldHandleIndex = d->handleIndex = index;
    d->moveToIndex = -1;
    d->state = d->clickable[section] ? State::Pressed : State::Blocked;
    d->clickPos = pos;
    d->pressDelta = pos - sectionEnd(index);
    update(sRect(index));
    if (previous != index && previous >= 0)
        update(sRect(previous));
    emit pressed(section);
}

void UHeader::mouseMoveEvent(QMouseEvent *e)
{
    const int pos = coordinate(e->position().toPoint());
    switch (d->state) {
    case State::Idle:
        if (handleAt(pos) < 0)
            unsetCursor();
        else
            setCursor(d->orientation == Qt::Horizontal ? Qt::SplitHCursor : Qt::SplitVCursor);
        break;
    case State::Blocked:
        break;
    case State::Pressed:
        if (std::abs(pos - d->clickPos) >= kMoveThreshold && d->moving) {
            d->moveToIndex = -1;
            setCursor(d->orientation == Qt::Horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor);
            d->state = State::Moving;
        }
        break;
    case State::Sliding:
        handleColumnResize(d->handleIndex, pos, false, false);
        break;
    case State::Moving:
        moveDuringMove(pos);
        break;
    default:
        qWarning("UHeader::mouseMoveEvent: (%s) unknown state", qPrintable(objectName()));
        break;
    }
}

void UHeader::moveDuringMove(int pos)
{
    const int line = findLine(pos);
    if (line == d->moveToIndex)
        return;
    updateMark(d->moveToIndex);
    d->moveToIndex = line;
    updateMark(d->moveToIndex);
}

int UHeader::findLine(int pos) const
{
    const int n = d->count;
    if (pos > sectionEnd(n - 1))
        return n;
    const int section = sectionAt(pos);
    const int i = section < 0 ? d->handleIndex : d->s2i[section];
    const int half = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this) / 2;
    const int handle = d->handleIndex;
    const int start = sectionEnd(i) - d->sizes[d->i2s[i]];
    if (i == handle)
        return i;
    if (i == handle - 1 && (sectionEnd(handle) - d->sizes[d->i2s[handle]]) - pos > half)
        return i;
    if (i == handle + 1 && pos - start > half)
        return i + 1;
    return pos - start > d->sizes[d->i2s[i]] / 2 ? i + 1 : i;
}

QRect UHeader::markRect(int index) const
{
    const int half = style()->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, this) / 2;
    const int pos = cellPos(index) - d->offset;
    const int far = thicknessOf(size()) - 3;
    if (d->orientation == Qt::Horizontal)
        return QRect(QPoint(pos - half, 2), QPoint(pos + half, far));
    return QRect(QPoint(2, pos - half), QPoint(far, pos + half));
}

QRect UHeader::outlineRect(int index) const
{
    const QRect r = sRect(index);
    if (d->orientation == Qt::Horizontal)
        return QRect(r.x(), 3, r.width(), height() - 5);
    return QRect(3, r.y(), width() - 5, r.height());
}

void UHeader::updateMark(int index)
{
    if (index < 0)
        return;
    if (index == d->handleIndex || index == d->handleIndex + 1)
        update(sRect(d->handleIndex));
    else
        update(markRect(index).adjusted(-1, -1, 1, 1));
}

void UHeader::paintMoveMarks(QPainter *p)
{
    if (d->state != State::Moving || d->moveToIndex < 0)
        return;
    p->save();
    p->setPen(QPen(Qt::black, 1, Qt::DotLine));
    p->setBrush(Qt::NoBrush);
    if (d->moveToIndex == d->handleIndex || d->moveToIndex == d->handleIndex + 1) {
        p->drawRect(outlineRect(d->handleIndex));
    } else {
        // Two pixels thick on every side.
        const QRect r = markRect(d->moveToIndex);
        p->drawRect(QRect(r.topLeft(), r.size() - QSize(1, 1)));
        p->drawRect(r.adjusted(1, 1, -2, -2));
    }
    p->restore();
}

void UHeader::mouseReleaseEvent(QMouseEvent *e)
{
    if (e->button() != Qt::LeftButton)
        return;
    const State old = d->state;
    d->state = State::Idle;
    switch (old) {
    case State::Sliding:
        handleColumnResize(d->handleIndex, coordinate(e->position().toPoint()) - d->pressDelta,
                           true);
        break;
    case State::Pressed:
        releaseClick(e->position().toPoint());
        break;
    case State::Moving:
        unsetCursor();
        if (d->moveToIndex != -1 && d->moveToIndex != d->handleIndex)
            releaseMove();
        else
            releaseClick(e->position().toPoint());
        break;
    default:
        break;
    }
}

void UHeader::releaseMove()
{
    const int section = mapToSection(d->handleIndex);
    if (section < 0)
        return;
    const int to = d->moveToIndex;
    moveSection(section, to);
    d->handleIndex = d->oldHandleIndex;
    emit moved(d->handleIndex, to);
    emit indexChange(section, d->handleIndex, to);
    emit released(section);
    update();
}

void UHeader::releaseClick(const QPoint &pos)
{
    const int section = mapToSection(d->handleIndex);
    if (section < 0)
        return;
    emit released(section);
    if (sRect(d->handleIndex).contains(pos)) {
        d->oldHandleIndex = d->handleIndex;
        emit sectionClicked(d->handleIndex);
        emit clicked(section);
    } else {
        d->handleIndex = d->oldHandleIndex;
    }
    update(sRect(d->handleIndex));
    if (d->oldHandleIndex != d->handleIndex)
        update(sRect(d->oldHandleIndex));
}

void UHeader::mouseDoubleClickEvent(QMouseEvent *e)
{
    const int handle = handleAt(coordinate(e->position().toPoint()));
    if (handle >= 0)
        emit sectionHandleDoubleClicked(handle);
}

bool UHeader::isNavigationKey(int key) const
{
    if (d->orientation == Qt::Horizontal)
        return key == Qt::Key_Left || key == Qt::Key_Right;
    return key == Qt::Key_Up || key == Qt::Key_Down;
}

void UHeader::keyPressEvent(QKeyEvent *e)
{
    if (d->count == 0) {
        e->ignore();
        return;
    }
    const int focus = d->focusIndex;
    const int section = d->i2s[focus];
    if (e->key() == Qt::Key_Space) {
        if (d->state == State::Idle && d->clickable[section]) {
            d->handleIndex = focus;
            d->state = State::Pressed;
            update(sRect(focus));
            emit pressed(section);
        }
        return;
    }
    if (!isNavigationKey(e->key())) {
        e->ignore();
        return;
    }
    const int direction = (e->key() == Qt::Key_Right || e->key() == Qt::Key_Down) ? 1 : -1;
    const Qt::KeyboardModifiers mods = e->modifiers();
    if ((mods & Qt::ControlModifier) && d->resizable[section])
        keyboardResize(focus, (mods & Qt::ShiftModifier) ? direction : 10 * direction);
    else if ((mods & (Qt::AltModifier | Qt::MetaModifier)) && d->moving)
        keyboardMove(focus, direction);
    else
        keyboardFocus(direction);
}

void UHeader::keyboardResize(int index, int step)
{
    // A keyboard resize starts from the section's present size, not from the last drag.
    d->oldHandleSize = d->sizes[d->i2s[index]];
    handleColumnResize(index, sectionEnd(index) + step, true, true);
}

void UHeader::keyboardMove(int index, int direction)
{
    const int n = d->count;
    const int to = (index + n + direction) % n;
    if (to == index)
        return;
    const int section = d->i2s[index];
    const QRect dirty = sRect(index) | sRect(to);
    d->focusIndex = to;
    // Wrapping from one end to the other is a move in the opposite sense.
    moveSection(section, to > index ? to + 1 : to);
    update(dirty);
    emit moved(index, to);
    emit indexChange(section, index, to);
}

void UHeader::keyboardFocus(int direction)
{
    const int n = d->count;
    const QRect old = sRect(d->focusIndex);
    d->focusIndex = (d->focusIndex + n + direction) % n;
    update(old | sRect(d->focusIndex));
}

void UHeader::keyReleaseEvent(QKeyEvent *e)
{
    const int focus = d->focusIndex;
    if (e->key() != Qt::Key_Space || d->state != State::Pressed || d->handleIndex != focus ||
        d->count == 0) {
        e->ignore();
        return;
    }
    const int section = d->i2s[focus];
    update(sRect(focus));
    emit released(section);
    emit sectionClicked(focus);
    emit clicked(section);
    d->state = State::Idle;
    d->handleIndex = -1;
}

// --- painting ----------------------------------------------------------------------------

void UHeader::paintEvent(QPaintEvent *e)
{
    QPainter p(this);
    p.setPen(palette().buttonText().color());
    const QRect exposed = e->rect();
    const bool horizontal = d->orientation == Qt::Horizontal;
    const int lead = horizontal ? exposed.left() : exposed.top();
    const int trail = horizontal ? exposed.right() : exposed.bottom();
    const int n = d->count;
    int first = mapToIndex(sectionAt(lead + d->offset));
    if (first < 0)
        first = lead > 0 ? n : 0;
    const bool paintPastEnd = n > 0 && d->clickable[d->i2s[n - 1]];
    for (int i = first; i <= n; ++i) {
        const QRect r = sRect(i);
        if (i < n || paintPastEnd)
            paintSection(&p, i, r);
        if (hasFocus() && d->focusIndex == i) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = r.adjusted(2, 2, -2, -2);
            focus.backgroundColor = palette().button().color();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &p, this);
        }
        if ((horizontal ? r.right() : r.bottom()) >= trail)
            break;
    }
    paintMoveMarks(&p);
}

void UHeader::paintSection(QPainter *p, int index, const QRect &rect)
{
    const int section = mapToSection(index);
    QStyleOptionHeader opt;
    opt.initFrom(this);
    opt.rect = rect;
    opt.orientation = d->orientation;
    opt.section = section;
    opt.state = isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    if (d->orientation == Qt::Horizontal)
        opt.state |= QStyle::State_Horizontal;
    if (section < 0) {
        opt.state |= QStyle::State_Raised;
        style()->drawControl(QStyle::CE_HeaderSection, &opt, p, this);
        return;
    }
    if (d->sizes[section] <= 0)
        return;
    if (d->sortSection != section)
        opt.state |= QStyle::State_Off;
    else if (!d->sortAscending)
        opt.state |= QStyle::State_UpArrow;
    bool down = false;
    if (d->clickable[section]) {
        if (d->sortSection == section)
            opt.state |= QStyle::State_On;
        down = index == d->handleIndex && (d->state == State::Pressed || d->state == State::Moving);
    }
    opt.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
    p->setBrushOrigin(rect.topLeft());
    if (d->clickable[section]) {
        style()->drawControl(QStyle::CE_HeaderSection, &opt, p, this);
    } else {
        p->save();
        p->setClipRect(rect);
        opt.rect = rect.adjusted(-2, -2, 2, 2);
        style()->drawControl(QStyle::CE_HeaderSection, &opt, p, this);
        paintFlatEdges(p, index, rect);
        p->restore();
    }
    paintSectionLabel(p, index, rect);
}

// A section that cannot be clicked looks flat: its edges are drawn by hand.
void UHeader::paintFlatEdges(QPainter *p, int index, const QRect &r) const
{
    const bool horizontal = d->orientation == Qt::Horizontal;
    const int start = horizontal ? r.left() : r.top();
    const int end = horizontal ? r.right() : r.bottom();
    const int across0 = horizontal ? r.top() : r.left();
    const int across1 = horizontal ? r.bottom() : r.right();
    // A line across the header at a position along it, and one along it at a position across.
    auto across = [&](int along) {
        return horizontal ? QLine(along, across0, along, across1)
                          : QLine(across0, along, across1, along);
    };
    auto alongAt = [&](int at) {
        return horizontal ? QLine(start, at, end, at) : QLine(at, start, at, end);
    };
    const QColor mid = palette().color(QPalette::Mid);
    const QColor light = palette().color(QPalette::Light);
    p->setPen(mid);
    p->drawLine(alongAt(across1));
    p->drawLine(across(end));
    p->setPen(light);
    if (index > 0)
        p->drawLine(across(start));
    if (index == d->count - 1) {
        p->drawLine(across(end));
        p->setPen(mid);
        p->drawLine(across(end - 1));
    }
}

void UHeader::paintSectionLabel(QPainter *p, int index, const QRect &rect)
{
    const int section = mapToSection(index);
    if (section < 0)
        return;
    QStyleOptionHeader opt;
    opt.initFrom(this);
    opt.state = isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    int dx = 0;
    int dy = 0;
    if (index == d->handleIndex && (d->state == State::Pressed || d->state == State::Moving)) {
        dx = style()->pixelMetric(QStyle::PM_ButtonShiftHorizontal, nullptr, this);
        dy = style()->pixelMetric(QStyle::PM_ButtonShiftVertical, nullptr, this);
        opt.state |= QStyle::State_Sunken;
    }
    const int margin = style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, this);
    opt.rect =
        QRect(rect.x() + margin + dx, rect.y() + 2 + dy, rect.width() - 6, rect.height() - 4);
    opt.orientation = d->orientation;
    opt.section = section;
    opt.text = label(section);
    opt.icon = iconSet(section);
    opt.textAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    opt.iconAlignment = Qt::AlignVCenter;
    style()->drawControl(QStyle::CE_HeaderLabel, &opt, p, this);
    if (d->sortSection == section)
        paintSortArrow(p, rect, section, opt.text.isRightToLeft());
}

void UHeader::paintSortArrow(QPainter *p, const QRect &rect, int section, bool rightToLeft)
{
    const int hint = lengthOf(sectionSizeHint(section, p->fontMetrics()));
    if (hint > lengthOf(rect.size()))
        return;
    const int arrowWidth = thicknessOf(size()) / 2;
    int extra = 0;
    if (style()->styleHint(QStyle::SH_Header_ArrowAlignment, nullptr, this) & Qt::AlignRight)
        extra = rect.width() - hint - 8;
    QRect arrow(rect.x() + hint - arrowWidth - 6 + extra, rect.y() + 4, arrowWidth,
                rect.height() - 6);
    if (rightToLeft)
        arrow.moveLeft(rect.left() + rect.right() - arrow.right());
    QStyleOptionHeader opt;
    opt.initFrom(this);
    opt.rect = arrow;
    opt.state = isEnabled() ? QStyle::State_Enabled : QStyle::State_None;
    opt.state |= d->sortAscending ? QStyle::State_DownArrow : QStyle::State_UpArrow;
    opt.sortIndicator =
        d->sortAscending ? QStyleOptionHeader::SortDown : QStyleOptionHeader::SortUp;
    style()->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &opt, p, this);
}
