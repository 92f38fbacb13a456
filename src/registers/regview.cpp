#include "registers/regviewprivate.h"

#include "frame/core/services.h"
#include "frame/core/tablemenu.h"
#include "frame/core/visualsettings.h"
#include "registers/regcolumns.h"
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
#include <QScrollBar>
#include <QToolTip>
#include <QtGlobal>

#include <algorithm>
#include <cstdlib>
#include <limits>

using namespace tesk::registers;

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
    , d(std::make_unique<RegViewPrivate>(owner, dataView, settings, engine, formatPopup))
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
    d->selection.clear();
    for (const auto &entry : d->entries)
        delete entry->item;
}

QString RegView::name() const
{
    return d->name;
}

RegDataView *RegView::dataView() const
{
    return d->dataView;
}

KMediator_Format *RegView::formatEngine() const
{
    return d->engine;
}

const QList<RegItem *> &RegView::selection() const
{
    return d->selection;
}

int RegView::selectionCount() const
{
    return int(d->selection.size());
}

int RegView::columns() const
{
    return d->columns;
}

QSize RegView::sizeHint() const
{
    QSize hint = UScrollView::sizeHint();
    // In one column an item may reach past the cell (a long name under a group).
    const int contents = d->columns <= 1 ? qMax(d->cellWidth, contentsWidth()) : d->cellWidth;
    const int width = 2 * frameWidth() + leftMargin() + rightMargin() + contents +
                      verticalScrollBar()->sizeHint().width();
    hint.setWidth(qMax(hint.width(), width));
    return hint;
}

QSize RegView::minimumSizeHint() const
{
    QSize least = UScrollView::minimumSizeHint();
    const int line = fontMetrics().height() + topMargin() + bottomMargin();
    least.setHeight(
        qMin(least.height(), 2 * frameWidth() + line + horizontalScrollBar()->sizeHint().height()));
    return least;
}

int RegView::cellWidth() const
{
    return d->cellWidth;
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
    if (d->built && !d->userViewChanged) {
        emit sigDataUpdateReq();
        return;
    }
    build();
}

void RegView::build()
{
    RegEntry *lineStart = nullptr;
    bool groupOpen = false;
    for (RegDataItemInstance *instance : d->dataView->instances()) {
        const QString &fullName = instance->item->fullName();
        if (d->userViewChanged && d->byName.contains(fullName))
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
            d->widestName = qMax(d->widestName, item->naturalNameWidth());
    }
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setNameWidth(d->widestName);
    }
    d->built = true;
    slotDataUpdated();
    emit sigDataUpdateReq();
    if (d->needsUpdate)
        applyValueWidths();
    else if (d->cellWidth == 0) {
        // Unformatted values stand at the least width: a guess the first page corrects.
        for (int width : std::as_const(d->widths))
            d->widestValue = qMax(d->widestValue, width);
        d->cellWidth = d->widestValue + d->widestName + 11 + 2 * RegItem::spacing();
    }
    d->userViewChanged = false;
    setColumnsFor(viewport()->width(), true);
    // The items were made unformatted: the first page sets the cells before it is painted,
    // and the cells it sets may bring other items onto the page.
    for (int pass = 0; pass < 3; ++pass) {
        const int cellWidth = d->cellWidth;
        slotDataUpdated();
        if (d->cellWidth == cellWidth)
            break;
    }
    // The first page left no stale item to paint: the pages a scroll shows next would wait
    // until scrolled in, and their wider names or values would then move the page under the
    // user.
    itemWentStale();
}

RegItem *RegView::makeItem(RegEntry *entry)
{
    auto *item =
        new RegItem(this, this, entry, d->settings, d->engine, d->formatPopup, entry->flags);
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
    if (d->settleQueued)
        return;
    d->settleQueued = true;
    QMetaObject::invokeMethod(this, &RegView::settleNearby, Qt::QueuedConnection);
}

// A stale item's last width counts until its new value is formatted: were it dropped, every
// update would narrow the cells and the next scroll to the wide value widen them again.
int RegView::knownWidest() const
{
    int widest = 0;
    for (int width : std::as_const(d->widths))
        widest = qMax(widest, width);
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
    d->settleQueued = false;
    if (!isVisible())
        return;
    const QRect area = visibleContents();
    const int page = qMax(1, area.height());
    const auto [first, last] = d->rows(area.top() - page, area.bottom() + page);
    for (auto it = first; it != last; ++it)
        (*it)->settle();
    const bool names = growNameWidth();
    const int widest = knownWidest();
    if (widest > d->widestValue || names) {
        d->widestValue = qMax(d->widestValue, widest);
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
    if (widest <= d->widestName)
        return false;
    d->widestName = widest;
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setNameWidth(d->widestName);
    }
    return true;
}

void RegView::slotDataUpdated()
{
    if (!isVisible()) {
        d->needsUpdate = true;
        return;
    }
    settleOnScreen();
    const bool names = growNameWidth();
    // The values as last known: the cells may narrow here, and only here.
    const int widest = knownWidest();
    if ((widest > 0 && widest != d->widestValue) || names) {
        if (widest > 0)
            d->widestValue = widest;
        applyValueWidths();
    }
}

void RegView::applyValueWidths()
{
    d->needsUpdate = false;
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setValueFieldWidth(d->widestValue);
    }
    d->cellWidth = tesk::registers::cellWidth({d->widestName, d->widestValue, RegItem::spacing()});
    setColumnsFor(viewport()->width(), true);
}

void RegView::recomputeNameWidths()
{
    d->widestName = 0;
    for (const auto &entry : d->entries) {
        RegItem *item = entry->item;
        if (item && item->shown() && !item->isTitle())
            d->widestName = qMax(d->widestName, item->naturalNameWidth());
    }
    for (const auto &entry : d->entries) {
        if (entry->item && !entry->item->isTitle())
            entry->item->setNameWidth(d->widestName);
    }
}

void RegView::slotUpdateUserView(bool added)
{
    if (added) {
        d->userViewChanged = true;
        return;
    }
    recomputeNameWidths();
    slotDataUpdated();
    applyValueWidths();
}

void RegView::setColumnsFor(int width, bool force)
{
    // Forced after the cells changed: the width the view asks for changed with them.
    if (force)
        updateGeometry();
    const int columns = columnsFor(d->cellWidth, width);
    if (columns == d->columns && !force)
        return;
    d->columns = columns;
    slotShowRegisters();
}

void RegView::resizeEvent(QResizeEvent *e)
{
    UScrollView::resizeEvent(e);
    if (d->built)
        setColumnsFor(viewport()->width(), false);
}

// Lays the items out in reading order: plain registers flow through the columns; groups,
// title lines and registers of their own line start rows, and tree lines join a group's
// children.
void RegView::slotShowRegisters()
{
    int row = -1;
    int rowCount = 0;
    int column = d->columns;
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
                column = column % d->columns + 1;
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
            x = (column - 1) * d->cellWidth;
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
    const int lineHeight = QFontMetrics(d->settings->font(kValueFont)).lineSpacing();
    const int contentsWidth =
        grouped ? qMax(widestX, x) + previousWidth : qMax(d->cellWidth * d->columns, widestItem);
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
        d->selection.removeAll(item);
        return;
    case SelectOnly:
        for (RegItem *other : std::as_const(d->selection)) {
            if (other != item)
                other->setSelected(false);
        }
        d->selection.clear();
        break;
    case SelectAdd:
        d->selection.removeAll(item);
        break;
    }
    item->setSelected(true);
    d->selection.append(item);
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
    return d->selection.isEmpty() ? nullptr : d->selection.last();
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
    return d->engine && d->engine->get_isBusy();
}

// ---- commands ----------------------------------------------------------------------------

void RegView::slotMenuActivated(int id)
{
    if (d->owner)
        d->owner->handleCommand(id);
}

// A shortcut runs its command as the menu entry does: through the owner, which also keeps the
// "User" view settings in step.
void RegView::command(int id)
{
    if (d->owner)
        d->owner->handleCommand(id);
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
    for (RegItem *item : std::as_const(d->selection))
        targets.append(item);
    QPointer<RegView> alive(this);
    switch (id) {
    case CommandCopy:
        RegItemMimeSource::copy(d->selection);
        break;
    case CommandPaste:
        RegItemMimeSource::paste(d->selection);
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
        if (d->owner && d->owner->isUserView(this))
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
        d->selection.removeAll(item);
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
    for (RegItem *item : std::as_const(d->selection))
        item->applyFormatOption(option);
    slotDataUpdated();
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
    p->setFont(d->settings->font(kLabelFont));
    for (RegItem *item : shown)
        item->paintName(*p);
    p->setFont(d->settings->font(kValueFont));
    for (RegItem *item : shown)
        item->paintValue(*p);
}

void RegView::contentsMousePressEvent(QMouseEvent *e)
{
    if (RegItem *item = itemAt(e->position().toPoint()))
        item->mousePress(e);
}

void RegView::pressAfterEdit(const QPoint &viewportPos, const QPoint &globalPos,
                             Qt::KeyboardModifiers modifiers, const RegItem *edited)
{
    const QPoint at = viewportToContents(viewportPos);
    RegItem *item = itemAt(at);
    if (!item || item == edited)
        return;
    QMouseEvent press(QEvent::MouseButtonPress, at, globalPos, Qt::LeftButton, Qt::LeftButton,
                      modifiers);
    item->mousePress(&press);
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
    const bool userView = d->owner && d->owner->isUserView(this);
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
    menu->setSensitivity(CommandShowUserView, d->owner && d->owner->hasUserView());
    menu->setToggle(CommandShowUserView, d->owner && d->owner->userViewEnabled());

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
    if (d->owner)
        d->owner->appendDockMenuItems(menu->menu());
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
    if (chosenId != -1 && d->owner)
        d->owner->processGenericOption(chosenId);
}
