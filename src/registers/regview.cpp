#include "registers/regview.h"

#include "frame/core/services.h"
#include "frame/core/tablemenu.h"
#include "frame/core/visualsettings.h"
#include "registers/regdataitem.h"
#include "registers/regdataview.h"
#include "registers/regicon.h"
#include "registers/regitemmimesource.h"
#include "registers/regviewowner.h"
#include "system/modalseam.h"

#include <glyphon/glyphon.h>

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QScopeGuard>
#include <QToolTip>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <limits>

using namespace tesk::registers;

struct RegView::Private
{
    std::vector<std::unique_ptr<RegEntry>> entries;
    QHash<QString, RegEntry *> byName;
    RegItem *currentGroup = nullptr;
    QString name;
    // The value widths as last formatted; a stale item's no longer counts.
    QHash<const RegItem *, int> widths;
    // The shown items as last laid out: in reading order, so from top to bottom.
    std::vector<RegItem *> laidOut;

    // The laid-out items that may meet the rows from top to bottom.
    std::pair<std::vector<RegItem *>::const_iterator, std::vector<RegItem *>::const_iterator>
    rows(int top, int bottom) const
    {
        const auto first =
            std::lower_bound(laidOut.begin(), laidOut.end(), top, [](const RegItem *item, int y) {
                return item->geometry().bottom() < y;
            });
        const auto last =
            std::upper_bound(first, laidOut.end(), bottom,
                             [](int y, const RegItem *item) { return y < item->geometry().top(); });
        return {first, last};
    }
};

namespace {

constexpr int kLabelFont = 0;
constexpr int kValueFont = 1;
constexpr quint32 kStartsLine = kOwnLine;

const QString &fullNameOf(const RegEntry *entry)
{
    return entry->instance->item->fullName();
}

bool startsLine(quint32 flags)
{
    return (flags & kStartsLine) || !(flags & kSameLine);
}

// Where the view starts along one axis so that [start, end) shows, moving as little as it
// can; a span longer than the view shows its start.
int scrolledToSpan(int start, int end, int current, int visible)
{
    if (end - start > visible || start < current)
        return start;
    if (end > current + visible)
        return end - visible;
    return current;
}

} // namespace

RegView::RegView(RegViewOwner *owner, QWidget *parent, RegDataView *dataView,
                 const VisualSettings *settings, KMediator_Format *engine, QMenu *formatPopup,
                 int /*lastWord*/)
    : UScrollView(parent)
    , d(std::make_unique<Private>())
    , m_dataView(dataView)
    , m_settings(settings)
    , m_engine(engine)
    , m_formatPopup(formatPopup)
    , m_owner(owner)
{
    d->name = dataView->name();
    setObjectName(d->name);
    QPalette look = viewport()->palette();
    look.setColor(QPalette::Window, Qt::white);
    viewport()->setPalette(look);
    viewport()->setAutoFillBackground(true);
    connect(this, &RegView::sigAddItemToUser, dataView, &RegDataView::sigAddItemToUser);
    connect(this, &RegView::sigRemoveItemFromUser, dataView, &RegDataView::sigRemoveItemFromUser);
    connect(this, &RegView::sigQueryItemInUser, dataView, &RegDataView::sigQueryItemInUser);
    connect(dataView, &RegDataView::sigUpdateUserView, this, &RegView::slotUpdateUserView);
    connect(dataView, &RegDataView::sigInstanceRemoved, this, &RegView::slotInstanceRemoved);
}

RegView::~RegView()
{
    // The items go with the view; the entries only point at them.
    m_selection.clear();
    for (const auto &entry : d->entries)
        delete entry->item;
}

QString RegView::name() const
{
    return d->name;
}

QList<RegItem *> RegView::items() const
{
    QList<RegItem *> result;
    for (const auto &entry : d->entries) {
        if (entry->item)
            result.append(entry->item);
    }
    return result;
}

RegItem *RegView::item(const QString &fullName) const
{
    RegEntry *entry = d->byName.value(fullName);
    return entry ? entry->item : nullptr;
}

RegEntry *RegView::entryOf(const RegItem *item) const
{
    return item ? item->entry() : nullptr;
}

// ---- building ----------------------------------------------------------------------------

void RegView::showEvent(QShowEvent *e)
{
    UScrollView::showEvent(e);
    if (m_built && !m_userViewChanged) {
        emit sigDataUpdateReq();
        return;
    }
    build();
}

void RegView::build()
{
    RegEntry *lineStart = nullptr;
    bool groupOpen = false;
    for (RegDataItemInstance *instance : m_dataView->instances()) {
        const QString &fullName = instance->item->fullName();
        if (m_userViewChanged && d->byName.contains(fullName))
            continue;
        auto owned = std::make_unique<RegEntry>(RegEntry{instance->flags, nullptr, instance, {}});
        RegEntry *entry = owned.get();
        d->entries.push_back(std::move(owned));
        d->byName.insert(fullName, entry);
        if (entry->flags & kGroup)
            groupOpen = entry->flags & kGroupOpen;
        if ((entry->flags & kChild) && !groupOpen && lineStart) {
            // Made when its group first opens.
            lineStart->children.push_back(entry);
            if (lineStart->item && lineStart->children.size() == 1)
                connect(lineStart->item, &RegItem::sigCreateChildren, this,
                        &RegView::slotCreateChildren);
            continue;
        }
        RegItem *item = makeItem(entry);
        if (startsLine(entry->flags))
            lineStart = entry;
        if (item->shown() && !item->isTitle())
            m_widestName = qMax(m_widestName, item->naturalNameWidth());
    }
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setNameWidth(m_widestName);
    }
    m_built = true;
    slotDataUpdated();
    emit sigDataUpdateReq();
    if (m_needsUpdate)
        applyValueWidths();
    else if (m_cellWidth == 0) {
        // Unformatted values stand at the least width: a guess the first page corrects.
        for (int width : std::as_const(d->widths))
            m_widestValue = qMax(m_widestValue, width);
        m_cellWidth = m_widestValue + m_widestName + 11 + 2 * RegItem::spacing();
    }
    m_userViewChanged = false;
    setColumnsFor(viewport()->width(), true);
    // The items were made unformatted: the first page sets the cells before it is painted,
    // and the cells it sets may bring other items onto the page.
    for (int pass = 0; pass < 3; ++pass) {
        const int cellWidth = m_cellWidth;
        slotDataUpdated();
        if (m_cellWidth == cellWidth)
            break;
    }
    // The first page left no stale item to paint: the pages a scroll shows next would wait
    // until scrolled in, and their wider names or values would then move the page under the
    // user.
    itemWentStale();
}

RegItem *RegView::makeItem(RegEntry *entry)
{
    auto *item = new RegItem(this, this, entry, m_settings, m_engine, m_formatPopup, entry->flags);
    entry->item = item;
    connectItem(item);
    if (item->hasValueLabel())
        d->widths.insert(item, item->valueWidth());
    if (entry->flags & kGroup) {
        d->currentGroup = item;
    } else if ((entry->flags & kChild) && d->currentGroup) {
        d->currentGroup->addChild(item);
        item->setShown(d->currentGroup->open());
    }
    return item;
}

void RegView::connectItem(RegItem *item)
{
    connect(item, qOverload<RegItem *, ItemSelectionType>(&RegItem::sigSelect), this,
            qOverload<RegItem *, ItemSelectionType>(&RegView::slotSetActive));
    connect(item, qOverload<RegItem *, Direction>(&RegItem::sigSelect), this,
            qOverload<RegItem *, Direction>(&RegView::slotSetActive));
    connect(item, &RegItem::sigShowRegisters, this, &RegView::slotShowRegisters);
    connect(item, &RegItem::sigCallFuncHandler, this, &RegView::sigCallFuncHandler);
    connect(item, &RegItem::sigSetMenuSensitivity, this, &RegView::slotSetMenuSensitivity);
    connect(item, &RegItem::sigItemChanged, this, &RegView::slotHandleDataChanged);
}

void RegView::slotCreateChildren(RegItem *group)
{
    RegEntry *entry = entryOf(group);
    if (!isVisible() || !entry)
        return;
    d->currentGroup = group;
    for (RegEntry *child : entry->children) {
        if (child->item)
            continue;
        RegItem *item = makeItem(child);
        item->setShown(true);
    }
}

// ---- widths and columns ------------------------------------------------------------------

void RegView::slotHandleDataChanged(const QString &fullName, int width)
{
    const RegEntry *entry = d->byName.value(fullName);
    if (!entry || !entry->item)
        return;
    if (width == 0)
        d->widths.remove(entry->item);
    else
        d->widths.insert(entry->item, width);
}

void RegView::itemWentStale()
{
    if (m_settleQueued)
        return;
    m_settleQueued = true;
    QMetaObject::invokeMethod(this, &RegView::settleNearby, Qt::QueuedConnection);
}

int RegView::formattedWidest() const
{
    int widest = 0;
    for (auto it = d->widths.cbegin(); it != d->widths.cend(); ++it) {
        if (!it.key()->stale())
            widest = qMax(widest, it.value());
    }
    return widest;
}

QRect RegView::visibleContents() const
{
    return QRect(QPoint(contentsX(), contentsY()), viewport()->size());
}

void RegView::settleOnScreen()
{
    const QRect area = visibleContents();
    const auto [first, last] = d->rows(area.top(), area.bottom());
    for (auto it = first; it != last; ++it) {
        RegItem *item = *it;
        if (item->stale() && item->shown() && item->geometry().intersects(area))
            item->settle();
    }
}

// Once the page is painted: the pages a scroll shows next, above and below. Formatting all
// that an update left would cost more than the update itself; the rest waits until shown.
// The cells only grow here, so that a value scrolled in never narrows those on show.
void RegView::settleNearby()
{
    m_settleQueued = false;
    if (!isVisible())
        return;
    const QRect area = visibleContents();
    const int page = qMax(1, area.height());
    const auto [first, last] = d->rows(area.top() - page, area.bottom() + page);
    for (auto it = first; it != last; ++it)
        (*it)->settle();
    const bool names = growNameWidth();
    const int widest = formattedWidest();
    if (widest > m_widestValue || names) {
        m_widestValue = qMax(m_widestValue, widest);
        applyValueWidths();
    }
}

bool RegView::growNameWidth()
{
    int widest = 0;
    for (const auto &entry : d->entries) {
        const RegItem *item = entry->item;
        if (item && item->shown() && !item->isTitle())
            widest = qMax(widest, item->naturalNameWidth());
    }
    if (widest <= m_widestName)
        return false;
    m_widestName = widest;
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setNameWidth(m_widestName);
    }
    return true;
}

void RegView::slotDataUpdated()
{
    if (!isVisible()) {
        m_needsUpdate = true;
        return;
    }
    settleOnScreen();
    const bool names = growNameWidth();
    // The values of this update formatted so far: the cells may narrow here, and only here.
    const int widest = formattedWidest();
    if ((widest > 0 && widest != m_widestValue) || names) {
        if (widest > 0)
            m_widestValue = widest;
        applyValueWidths();
    }
}

void RegView::applyValueWidths()
{
    m_needsUpdate = false;
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setValueFieldWidth(m_widestValue);
    }
    m_cellWidth = m_widestValue + m_widestName + 2 * RegItem::spacing() + 11;
    setColumnsFor(viewport()->width(), true);
}

void RegView::recomputeNameWidths()
{
    m_widestName = 0;
    for (const auto &entry : d->entries) {
        RegItem *item = entry->item;
        if (item && item->shown() && !item->isTitle())
            m_widestName = qMax(m_widestName, item->naturalNameWidth());
    }
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setNameWidth(m_widestName);
    }
}

void RegView::slotUpdateUserView(bool added)
{
    if (added) {
        m_userViewChanged = true;
        return;
    }
    recomputeNameWidths();
    slotDataUpdated();
    applyValueWidths();
}

void RegView::setColumnsFor(int width, bool force)
{
    const int columns = m_cellWidth > 0 ? qMax(1, width / m_cellWidth) : 1;
    if (columns == m_columns && !force)
        return;
    m_columns = columns;
    slotShowRegisters();
}

void RegView::resizeEvent(QResizeEvent *e)
{
    UScrollView::resizeEvent(e);
    if (m_built)
        setColumnsFor(viewport()->width(), false);
}

// Lays the items out in reading order: plain registers flow through the columns; groups,
// title lines and registers of their own line start rows, and tree lines join a group's
// children.
void RegView::slotShowRegisters()
{
    int row = -1;
    int rowCount = 0;
    int column = m_columns;
    int x = 0;
    int widestX = 0;
    int previousWidth = 0;
    int widestItem = 0;
    int height = 0;
    RegItem *pending = nullptr;
    bool grouped = false;
    bool newRow = false;
    bool previousWasChild = false;
    const auto closePending = [&pending] {
        if (pending)
            pending->setIconState(RegIcon::LastChild);
        pending = nullptr;
    };
    const auto nextRow = [&] {
        ++row;
        ++rowCount;
        column = 1;
    };
    d->laidOut.clear();
    for (const auto &entry : d->entries) {
        RegItem *item = entry->item;
        if (!item)
            continue;
        if (!item->shown()) {
            item->hideWidgets();
            continue;
        }
        const quint32 f = entry->flags;
        const int width = item->width();
        if ((f & kOwnLine) || (previousWasChild && !(f & (kChild | kGroup)))) {
            nextRow();
            grouped = true;
            if (f & kGroup) {
                newRow = true;
                closePending();
            }
            if (f & kChild) {
                item->setIconState(RegIcon::Child);
                pending = item;
            }
            widestX = qMax(widestX, x);
            x = 0;
            previousWidth = width;
        } else if (f & kSameLine) {
            ++column;
            item->setIconState(RegIcon::Blank);
            x += previousWidth;
            previousWidth = width;
        } else {
            if (f & (kGroup | kNewRow | kTitle)) {
                nextRow();
                newRow = true;
                if ((f & kNewRow) && (f & kChild))
                    pending = item;
                else
                    closePending();
            } else if (newRow) {
                nextRow();
                item->setIconState(RegIcon::Child);
                if (!(f & kChild))
                    closePending();
                pending = item;
                newRow = false;
            } else {
                const int before = column;
                column = column % m_columns + 1;
                if (column <= before) {
                    ++row;
                    ++rowCount;
                }
                if (column == 1) {
                    if (f & kChild) {
                        item->setIconState(RegIcon::Child);
                        pending = item;
                    } else {
                        closePending();
                    }
                } else {
                    item->setIconState(RegIcon::Blank);
                }
            }
            x = (column - 1) * m_cellWidth;
        }
        height = item->height();
        widestItem = qMax(widestItem, width);
        item->place(x, height * row + 2);
        d->laidOut.push_back(item);
        previousWasChild = f & kChild;
    }
    closePending();
    viewport()->update();
    if (rowCount == 0) {
        resizeContents(0, 0);
        return;
    }
    const int lineHeight = QFontMetrics(m_settings->font(kValueFont)).lineSpacing();
    const int contentsWidth =
        grouped ? qMax(widestX, x) + previousWidth : qMax(m_cellWidth * m_columns, widestItem);
    resizeContents(contentsWidth, height * rowCount + lineHeight);
}

// ---- selection ---------------------------------------------------------------------------

void RegView::slotSetActive(RegItem *item, ItemSelectionType type)
{
    if (!isVisible() || !item)
        return;
    switch (type) {
    case SelectRemove:
        item->setSelected(false);
        m_selection.removeAll(item);
        return;
    case SelectOnly:
        for (RegItem *other : std::as_const(m_selection)) {
            if (other != item)
                other->setSelected(false);
        }
        m_selection.clear();
        break;
    case SelectAdd:
        m_selection.removeAll(item);
        break;
    }
    item->setSelected(true);
    m_selection.append(item);
    scrollToItem(item);
}

void RegView::slotSetActive(RegItem *item, Direction direction)
{
    if (isVisible() && item && direction != DirectionNone)
        item->toggleSelected();
}

// The whole item where it fits; an item wider than the view shows its start, where its name
// is, not its middle.
void RegView::scrollToItem(RegItem *item)
{
    const QRect area = item->geometry();
    setContentsPos(scrolledToSpan(area.left(), area.right() + 1, contentsX(), visibleWidth()),
                   scrolledToSpan(area.top(), area.bottom() + 1, contentsY(), visibleHeight()));
}

RegItem *RegView::currentItem() const
{
    return m_selection.isEmpty() ? nullptr : m_selection.last();
}

RegItem *RegView::firstShown() const
{
    for (const auto &entry : d->entries) {
        if (entry->item && entry->item->shown())
            return entry->item;
    }
    return nullptr;
}

RegItem *RegView::lastShown() const
{
    for (auto it = d->entries.rbegin(); it != d->entries.rend(); ++it) {
        if ((*it)->item && (*it)->item->shown())
            return (*it)->item;
    }
    return nullptr;
}

void RegView::selectAll()
{
    if (engineBusy())
        return;
    for (RegItem *item : items()) {
        if (item->shown() && !item->selected())
            slotSetActive(item, SelectAdd);
    }
}

bool RegView::engineBusy() const
{
    return m_engine && m_engine->get_isBusy();
}

// ---- commands ----------------------------------------------------------------------------

void RegView::slotMenuActivated(int id)
{
    if (m_owner)
        m_owner->handleCommand(id);
}

// A shortcut runs its command as the menu entry does: through the owner, which also keeps the
// "User" view settings in step.
void RegView::command(int id)
{
    if (m_owner)
        m_owner->handleCommand(id);
    else
        menuCommand(id);
}

void RegView::slotSetMenuSensitivity(int id, bool enabled)
{
    if (isVisible())
        emit sigSetMenuSensitivity(id, enabled);
}

void RegView::menuCommand(int id)
{
    // Items may go while the host handles an operation: only the survivors go on.
    QList<QPointer<RegItem>> targets;
    for (RegItem *item : std::as_const(m_selection))
        targets.append(item);
    QPointer<RegView> alive(this);
    switch (id) {
    case CommandCopy:
        RegItemMimeSource::copy(m_selection);
        break;
    case CommandPaste:
        RegItemMimeSource::paste(m_selection);
        break;
    case CommandViewMemory:
    case CommandProperties:
        for (const QPointer<RegItem> &item : targets) {
            if (!alive)
                return;
            if (!item)
                continue;
            if (id == CommandViewMemory)
                item->viewMemory();
            else
                item->properties();
        }
        break;
    case CommandCopyToUser:
        addSelectedToUser();
        break;
    case CommandRemoveFromUser:
        // Only the user view gives its registers up: another view handed the command (the
        // pane's current view, the pane's own menu) would drop its own entries, and the
        // registers would be gone from it until the pane is built again.
        if (m_owner && m_owner->isUserView(this))
            removeSelectedFromUser();
        break;
    default:
        break;
    }
}

// The selected items in entry order, with the registers of a selected group's line.
std::vector<RegEntry *> RegView::commandEntries() const
{
    std::vector<RegEntry *> result;
    const size_t count = d->entries.size();
    for (size_t i = 0; i < count; ++i) {
        RegEntry *entry = d->entries[i].get();
        if (!entry->item || !entry->item->shown() || !entry->item->selected())
            continue;
        if (result.empty() || result.back() != entry)
            result.push_back(entry);
        if (!(entry->flags & kGroup))
            continue;
        while (i + 1 < count && (d->entries[i + 1]->flags & (kChild | kSameLine)))
            result.push_back(d->entries[++i].get());
    }
    return result;
}

bool RegView::canAddToUser()
{
    for (RegEntry *entry : commandEntries()) {
        bool inUser = false;
        emit sigQueryItemInUser(entry->instance->item, &inUser);
        if (!inUser)
            return true;
    }
    return false;
}

void RegView::addSelectedToUser()
{
    for (RegEntry *entry : commandEntries()) {
        RegDataItem *dataItem = entry->instance->item;
        bool inUser = false;
        emit sigQueryItemInUser(dataItem, &inUser);
        if (inUser)
            continue;
        quint32 flags = entry->flags;
        if (entry->item && entry->item->selected())
            flags &= ~quint32(kChild);
        // The data set keeps a copy of its own.
        RegDataItemInstance instance{flags, dataItem};
        emit sigAddItemToUser(&instance);
    }
}

bool RegView::canRemoveFromUser() const
{
    return !commandEntries().empty();
}

void RegView::removeEntry(RegEntry *entry)
{
    emit sigRemoveItemFromUser(dropEntry(entry));
}

void RegView::slotInstanceRemoved(RegDataItemInstance *instance)
{
    const auto it =
        std::find_if(d->entries.begin(), d->entries.end(),
                     [instance](const auto &owned) { return owned->instance == instance; });
    if (it != d->entries.end())
        dropEntry(it->get());
}

RegDataItemInstance *RegView::dropEntry(RegEntry *entry)
{
    RegItem *item = entry->item;
    if (item) {
        m_selection.removeAll(item);
        d->laidOut.erase(std::remove(d->laidOut.begin(), d->laidOut.end(), item), d->laidOut.end());
        updateContents(item->geometry());
        item->setShown(false);
        item->hideWidgets();
        item->deleteLater();
    }
    for (const auto &other : d->entries) {
        auto &children = other->children;
        children.erase(std::remove(children.begin(), children.end(), entry), children.end());
        if (other->item && item)
            other->item->removeChild(item);
    }
    if (d->currentGroup == item)
        d->currentGroup = nullptr;
    d->byName.remove(fullNameOf(entry));
    d->widths.remove(item);
    RegDataItemInstance *instance = entry->instance;
    const auto it = std::find_if(d->entries.begin(), d->entries.end(),
                                 [entry](const auto &owned) { return owned.get() == entry; });
    d->entries.erase(it);
    return instance;
}

void RegView::removeSelectedFromUser()
{
    const std::vector<RegEntry *> doomed = commandEntries();
    if (doomed.empty())
        return;
    // The first shown item after the last removed one takes the selection.
    const auto last =
        std::find_if(d->entries.begin(), d->entries.end(),
                     [&doomed](const auto &owned) { return owned.get() == doomed.back(); });
    RegItem *next = nullptr;
    for (auto it = last + 1; it != d->entries.end() && !next; ++it) {
        if ((*it)->item && (*it)->item->shown())
            next = (*it)->item;
    }
    QPointer<RegView> alive(this);
    for (RegEntry *entry : doomed) {
        removeEntry(entry);
        if (!alive)
            return;
    }
    slotUpdateUserView(false);
    if (!next)
        next = lastShown();
    if (next) {
        setFocus();
        slotSetActive(next, SelectOnly);
    }
    if (d->entries.size() != size_t(d->byName.size()))
        qWarning("ASSERT: \"%s\" in %s (%d)", "pD->pList->size() == pD->pMap->size()", "regitem",
                 3790);
}

void RegView::copyAllAsText()
{
    QString text;
    for (RegItem *item : items()) {
        if (!item->shown())
            continue;
        text += item->nameText();
        const QString shown = item->copyText();
        if (!shown.isEmpty())
            text += QLatin1Char('\t') + shown;
        text += QLatin1Char('\n');
    }
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void RegView::setItemsEnabled(bool enabled)
{
    const QList<RegItem *> all = items();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        if ((*it)->shown())
            (*it)->setValueEnabled(enabled);
    }
}

void RegView::visibleRegisterIds(QList<QPair<quint16, quint32>> &list) const
{
    for (const auto &entry : d->entries) {
        if (entry->item && entry->item->shown())
            list.append({quint16(entry->instance->item->line()), 1});
    }
}

void RegView::slotFormatChanged(int option)
{
    if (!isVisible())
        return;
    for (RegItem *item : std::as_const(m_selection))
        item->applyFormatOption(option);
    slotDataUpdated();
}

// ---- keys --------------------------------------------------------------------------------

// The nearest shown item in a direction, by the items' places: in reading order, or strictly
// to one side. Scores are 64-bit: a row's distance is weighted by the whole width.
RegItem *RegView::nearestItem(RegItem *from, Direction direction, bool strict) const
{
    if (!from)
        from = firstShown();
    if (!from)
        return nullptr;
    const qint64 w = qMax(1, contentsWidth());
    const QRect ra = from->geometry();
    const QPoint a = ra.center();
    RegItem *best = nullptr;
    qint64 bestScore = std::numeric_limits<qint64>::max();
    for (RegItem *candidate : d->laidOut) {
        if (candidate == from || !candidate->shown())
            continue;
        const QRect rb = candidate->geometry();
        QPoint b = rb.center();
        const qint64 p = qint64(ra.right()) - rb.left();
        const qint64 q = qint64(rb.right()) - ra.left();
        const bool sameColumn = p * q > 0 && qMin(p, q) > (p + q) / 10;
        if (sameColumn)
            b.setX(a.x());
        const qint64 dx = qint64(b.x()) - a.x();
        const qint64 dy = qint64(b.y()) - a.y();
        qint64 score = 0;
        switch (direction) {
        case DirectionUp:
            if (dy >= 0 || !sameColumn)
                continue;
            score = std::llabs(dx) * w - dy;
            break;
        case DirectionDown:
            if (dy <= 0 || !sameColumn)
                continue;
            score = std::llabs(dx) * w + dy;
            break;
        case DirectionLeft:
            if (strict && dx >= 0)
                continue;
            score = strict ? std::llabs(dy) * w - dx : -dy * w - dx;
            break;
        case DirectionRight:
            if (strict && dx <= 0)
                continue;
            score = strict ? std::llabs(dy) * w + dx : dy * w + dx;
            break;
        default:
            return nullptr;
        }
        if (score > 0 && score < bestScore) {
            bestScore = score;
            best = candidate;
        }
    }
    return best;
}

void RegView::moveTo(RegItem *target)
{
    if (!target)
        return;
    setFocus();
    slotSetActive(target, SelectOnly);
}

bool RegView::openOrClose(RegItem *group, int how)
{
    // how: 1 open, -1 close, 0 toggle.
    if (!group || !(group->flags() & kGroup))
        return false;
    if ((how > 0 && group->open()) || (how < 0 && !group->open()))
        return false;
    group->toggleOpenChildren();
    return true;
}

void RegView::openOrCloseAll(bool open)
{
    QList<QPointer<RegItem>> groups;
    for (RegItem *item : items()) {
        if ((item->flags() & kGroup) && item->shown() && item->open() != open)
            groups.append(item);
    }
    for (const QPointer<RegItem> &group : groups) {
        if (group)
            group->toggleOpenChildren();
    }
}

bool RegView::arrowOnGroup(int key)
{
    RegItem *current = currentItem();
    if (!current || !(current->flags() & kGroup))
        return false;
    if (key == Qt::Key_Right || key == Qt::Key_Plus)
        return openOrClose(current, 1);
    if (key == Qt::Key_Left || key == Qt::Key_Minus)
        return openOrClose(current, -1);
    return false;
}

QRect RegView::cellRect(const RegItem *item) const
{
    QRect cell = item->geometry();
    if (m_cellWidth > 0 && cell.width() > m_cellWidth)
        cell.setWidth(m_cellWidth);
    return cell;
}

void RegView::extendSelection(Direction direction)
{
    RegItem *anchor = m_selection.first();
    RegItem *target = nearestItem(m_selection.last(), direction, true);
    if (!target)
        return;
    const auto position = [this](RegItem *item) {
        for (size_t i = 0; i < d->entries.size(); ++i) {
            if (d->entries[i]->item == item)
                return i;
        }
        return d->entries.size();
    };
    if (position(target) < position(anchor))
        return;
    // By cells, not by the items' own extents: a value wider than its cell would otherwise
    // reach into the next column and take it in.
    const QRect ra = cellRect(anchor);
    const QRect rt = cellRect(target);
    if (rt.right() < ra.left() && rt.top() != ra.top())
        return;
    const QRect span = ra.united(rt);
    for (RegItem *item : items()) {
        if (!item->shown() || item == anchor)
            continue;
        const QRect cell = cellRect(item);
        const QRect inside = cell.intersected(span);
        const qint64 area = qint64(cell.width()) * cell.height();
        const qint64 covered = qint64(inside.width()) * inside.height();
        if (!inside.isEmpty() && covered > area / 10)
            slotSetActive(item, SelectAdd);
        else if (item->selected())
            slotSetActive(item, SelectRemove);
    }
    // The target stays the current item.
    slotSetActive(target, SelectAdd);
}

void RegView::pageStep(Direction direction)
{
    RegItem *current = currentItem() ? currentItem() : firstShown();
    if (!current)
        return;
    const int start = current->geometry().center().y();
    RegItem *reached = current;
    for (RegItem *next = nearestItem(current, direction, false); next;
         next = nearestItem(next, direction, false)) {
        reached = next;
        if (std::abs(next->geometry().center().y() - start) + next->height() > visibleHeight())
            break;
    }
    if (reached != current)
        moveTo(reached);
}

bool RegView::event(QEvent *e)
{
    if (e->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(e);
        if (key->modifiers() == Qt::ControlModifier ||
            key->modifiers() == (Qt::ControlModifier | Qt::KeypadModifier)) {
            switch (key->key()) {
            case Qt::Key_A:
            case Qt::Key_C:
            case Qt::Key_M:
            case Qt::Key_T:
            case Qt::Key_V:
            case Qt::Key_Plus:
            case Qt::Key_Minus:
                e->accept();
                return true;
            default:
                break;
            }
        }
    }
    return UScrollView::event(e);
}

void RegView::keyPressEvent(QKeyEvent *e)
{
    const Qt::KeyboardModifiers modifiers = e->modifiers() & ~Qt::KeypadModifier;
    const int key = e->key();
    if (modifiers == Qt::ControlModifier) {
        switch (key) {
        case Qt::Key_A:
            selectAll();
            return;
        case Qt::Key_C:
            command(CommandCopy);
            return;
        case Qt::Key_M:
            command(CommandViewMemory);
            return;
        case Qt::Key_T:
            command(CommandCopyToUser);
            return;
        case Qt::Key_V:
            command(CommandPaste);
            return;
        case Qt::Key_Plus:
            openOrCloseAll(true);
            return;
        case Qt::Key_Minus:
            openOrCloseAll(false);
            return;
        default:
            break;
        }
    }
    Direction direction = DirectionNone;
    switch (key) {
    case Qt::Key_Left:
        direction = DirectionLeft;
        break;
    case Qt::Key_Up:
        direction = DirectionUp;
        break;
    case Qt::Key_Right:
        direction = DirectionRight;
        break;
    case Qt::Key_Down:
        direction = DirectionDown;
        break;
    default:
        break;
    }
    if (direction != DirectionNone && modifiers == Qt::NoModifier) {
        if (!arrowOnGroup(key))
            moveTo(nearestItem(currentItem(), direction, false));
        return;
    }
    if (direction != DirectionNone && modifiers == Qt::ShiftModifier) {
        if (!m_selection.isEmpty())
            extendSelection(direction);
        return;
    }
    switch (key) {
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        if (!engineBusy())
            pageStep(key == Qt::Key_PageUp ? DirectionUp : DirectionDown);
        return;
    case Qt::Key_Home:
        moveTo(firstShown());
        return;
    case Qt::Key_End:
        moveTo(lastShown());
        return;
    case Qt::Key_Space:
        if (currentItem() && !currentItem()->openCombo())
            openOrClose(currentItem(), 0);
        return;
    case Qt::Key_Plus:
    case Qt::Key_Minus:
        arrowOnGroup(key);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F2:
        // Edits start when the key is released.
        return;
    default:
        break;
    }
    UScrollView::keyPressEvent(e);
}

void RegView::keyReleaseEvent(QKeyEvent *e)
{
    const int key = e->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_F2) &&
        m_selection.size() == 1) {
        setFocus();
        m_selection.first()->editInPlace();
        return;
    }
    UScrollView::keyReleaseEvent(e);
}

// ---- painting and the mouse --------------------------------------------------------------

RegItem *RegView::itemAt(const QPoint &contentsPos) const
{
    const auto [first, last] = d->rows(contentsPos.y(), contentsPos.y());
    for (auto it = first; it != last; ++it) {
        if ((*it)->shown() && (*it)->geometry().contains(contentsPos))
            return *it;
    }
    return nullptr;
}

void RegView::drawContents(QPainter *p, int cx, int cy, int cw, int ch)
{
    const QRect exposed(cx, cy, cw, ch);
    const auto [first, last] = d->rows(exposed.top(), exposed.bottom());
    std::vector<RegItem *> shown;
    for (auto it = first; it != last; ++it) {
        RegItem *item = *it;
        if (!item->shown() || !item->geometry().intersects(exposed))
            continue;
        // Scrolled in since the update: the cells grow to it once the page is painted.
        if (item->stale()) {
            item->settle();
            itemWentStale();
        }
        shown.push_back(item);
    }
    // Names, then values: one font at a time.
    p->setFont(m_settings->font(kLabelFont));
    for (RegItem *item : shown)
        item->paintName(*p);
    p->setFont(m_settings->font(kValueFont));
    for (RegItem *item : shown)
        item->paintValue(*p);
}

void RegView::contentsMousePressEvent(QMouseEvent *e)
{
    if (RegItem *item = itemAt(e->position().toPoint()))
        item->mousePress(e);
}

// The name's tooltip, asked of the viewport where the items are painted.
bool RegView::viewportEvent(QEvent *e)
{
    if (e->type() != QEvent::ToolTip)
        return UScrollView::viewportEvent(e);
    auto *help = static_cast<QHelpEvent *>(e);
    const QPoint at = viewportToContents(help->pos());
    const RegItem *item = itemAt(at);
    if (item && item->nameRect().contains(at)) {
        const QRect name = item->nameRect();
        QToolTip::showText(help->globalPos(), item->nameToolTip(), viewport(),
                           QRect(contentsToViewport(name.topLeft()), name.size()));
    } else {
        QToolTip::hideText();
    }
    return true;
}

// ---- context menu ------------------------------------------------------------------------

void RegView::contentsContextMenuEvent(QContextMenuEvent *e)
{
    runContextMenu(itemAt(e->pos()), e->globalPos());
    e->accept();
}

void RegView::runContextMenu(RegItem *item, const QPoint &globalPos)
{
    // The menu belongs to the view while it runs: a view deleted inside the loop takes it along
    // and the guard then finds nothing to delete.
    QPointer<tesk::core::TableMenu> menu(
        tesk::core::frameServices().makeTableMenu(kMenuTableKind).release());
    if (!menu)
        return;
    menu->setParent(this);
    const auto deleteMenu = qScopeGuard([&menu] { delete menu.data(); });
    emit sigShowContextMenu(this);
    const bool formatted = item && item->format();
    const bool userView = m_owner && m_owner->isUserView(this);
    const QMimeData *clipboard = QGuiApplication::clipboard()->mimeData();
    const bool clipboardText = clipboard && !clipboard->text().isEmpty();
    menu->setSensitivity(CommandFormat, formatted);
    menu->setSensitivity(CommandViewMemory, formatted);
    menu->setSensitivity(CommandCopyToUser, !userView && canAddToUser());
    menu->setSensitivity(CommandRemoveFromUser, userView && canRemoveFromUser());
    menu->setSensitivity(CommandProperties, item != nullptr);
    menu->setSensitivity(CommandCopy, formatted);
    menu->setSensitivity(CommandPaste, formatted && item->isWritable() && clipboardText);
    menu->setSensitivity(CommandCopyAllAsText, true);
    menu->setSensitivity(CommandUpdateView, true);
    menu->setSensitivity(CommandShowUserView, m_owner && m_owner->hasUserView());
    menu->setToggle(CommandShowUserView, m_owner && m_owner->userViewEnabled());

    KMediator_Format *engine = formatted ? item->formatEngine() : nullptr;
    KMediator_Display *display = engine ? engine->get_display() : nullptr;
    QMetaObject::Connection formatConnection;
    if (engine && display) {
        display->set_menu(menu->submenu(CommandFormat));
        engine->process_formattingMenu(display, item->format()->formattedData());
        formatConnection =
            connect(display, &KMediator_Display::formatChanged, this, &RegView::slotFormatChanged);
    }
    connect(menu.data(), &tesk::core::TableMenu::activated, this, &RegView::slotMenuActivated);
    // The menu numbers its entries itself, the dock entries among them: the number chosen is
    // what the dock window goes by.
    int chosenId = -1;
    connect(menu.data(), &tesk::core::TableMenu::activated, this,
            [&chosenId](int id) { chosenId = id; });
    if (m_owner)
        m_owner->appendDockMenuItems(menu->menu());
    const tesk::system::ModalSeam::Result result =
        tesk::system::ModalSeam::runMenu(menu->menu(), globalPos, this);
    // A view that went away takes no engine with it: the pane owns the engine.
    if (!result.alive)
        return;
    if (engine) {
        engine->clear_formattingMenu();
        QObject::disconnect(formatConnection);
        if (display)
            display->set_menu(nullptr);
    }
    QAction *chosen = result.chosen;
    if (chosen && chosen->data().isValid())
        chosenId = chosen->data().toInt();
    if (chosenId != -1 && m_owner)
        m_owner->processGenericOption(chosenId);
}
