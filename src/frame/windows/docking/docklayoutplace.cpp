// Where a dock window goes: placed at the end of an area, as a tab of a group, or back where
// it stood before it floated.
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklayoutprivate.h"
#include "frame/windows/docking/dockstyle.h"

#include <QDockWidget>
#include <QMainWindow>
#include <QScopedValueRollback>
#include <QStyle>
#include <QTabBar>
#include <QToolButton>

namespace tesk::frame {

using namespace docklayout;

namespace {

// The toolkit counts only windows shown: a window placed is shown at once, not after, unless
// the host or the user hid it.
void showUnlessHidden(QDockWidget *dock)
{
    if (!dock->testAttribute(Qt::WA_WState_ExplicitShowHide))
        dock->show();
}

// The toolkit lets a row of tabs that scrolls shrink to its scroll buttons' two hints and this
// much between them: less than most titles take, and the tab shown lost letters at its start.
constexpr int kToolkitRowBetweenButtons = 75;
const char kOwnIconSize[] = "teskOwnIconSize";

// Makes the row's least as wide as its widest tab with the scroll buttons beside it, so that
// every tab, once shown, shows its whole title: the fit makes tabs rather than cut a row below
// its least. The buttons' hints grow by their icon size, which an arrow button does not draw
// by.
void leastShowsWidestTab(QTabBar *bar)
{
    const QTabBar::Shape shape = bar->shape();
    if (shape != QTabBar::RoundedNorth && shape != QTabBar::RoundedSouth &&
        shape != QTabBar::TriangularNorth && shape != QTabBar::TriangularSouth)
        return;
    int widest = 0;
    for (int tab = 0; tab < bar->count(); ++tab)
        widest = qMax(widest, bar->tabRect(tab).width());
    const int button = bar->style()->pixelMetric(QStyle::PM_TabBarScrollButtonWidth, nullptr, bar);
    const int hint = (widest + 2 * button - kToolkitRowBetweenButtons + 1) / 2;
    for (QToolButton *scroll : bar->findChildren<QToolButton *>(Qt::FindDirectChildrenOnly)) {
        if (!scroll->property(kOwnIconSize).isValid())
            scroll->setProperty(kOwnIconSize, scroll->iconSize());
        const QSize own = scroll->property(kOwnIconSize).toSize();
        const int frame = scroll->sizeHint().width() - scroll->iconSize().width();
        const QSize wanted(qMax(own.width(), hint - frame), own.height());
        if (wanted != scroll->iconSize())
            scroll->setIconSize(wanted);
    }
}

} // namespace

void DockLayout::place(QDockWidget *dock, DockArea area, bool newLine)
{
    const QScopedValueRollback<bool> placing(m_placing, true);
    m_style->adopt(dock);
    take(dock);
    if (!isPlacedArea(area)) {
        if (!dock->isFloating()) {
            // The toolkit floats only a window it holds in an area. The right area, which the
            // window passes through for a moment, keeps the sizes it showed: its lines stand
            // as far across as before, though the toolkit cut them all for the passing window
            // and the extents give a held line its room from the lines that hold none. So does
            // the left one, which shares the window's width: with the code out of sight, what
            // the right area gave back for the passing window stays with the left's lines.
            const bool shown = m_window->isVisible() && !dragging();
            settle();
            const LineSizes left = shown ? linesShown(DockArea::Left, nullptr) : LineSizes();
            const LineSizes right = shown ? linesShown(DockArea::Right, nullptr) : LineSizes();
            keepShownSizes(DockArea::Right);
            m_window->addDockWidget(Qt::RightDockWidgetArea, dock);
            dock->setFloating(true);
            applyExtents(DockArea::Right);
            if (shown) {
                keepLines(DockArea::Left, left);
                keepLines(DockArea::Right, right);
            }
        }
        return;
    }
    auto &lines = m_lines[int(area) - 1];
    const QSize before = m_window->size();
    LinesAcross linesBefore;
    if (m_window->isVisible() && !dragging())
        linesBefore = linesAcross();
    dock->setFloating(false);
    Group *lastGroup = lines.isEmpty() ? nullptr : &lines.last().last();
    QDockWidget *last = lastGroup ? lastGroup->docks.last() : nullptr;
    // A line the fit filled stays full: the window joins the tabs at its end at once. A new
    // line may still find room across the area; tabs the user made say nothing of room.
    if (lastGroup && !newLine && lastGroup->made == Made::Fit && groupShown(*lastGroup)) {
        tabGroupOnto(*lastGroup, alone(dock), Made::Fit);
        // A pane the host opens is the tab shown of its group: a new one is shown here, in one
        // pass with its tab made.
        showAsTabShown(dock);
        return;
    }
    bool split = false;
    if (!last || newLine) {
        m_window->addDockWidget(toolkitArea(area), dock, across(area));
        lines.append({alone(dock)});
    } else if (!lastGroup->hasTabs() && !lastGroup->keepsPlace) {
        m_window->splitDockWidget(last, dock, along(area));
        lines.last().append(alone(dock));
        split = true;
    } else if (lines.size() == 1) {
        // The toolkit splits a tab's place within its group, as one more tab: a window after
        // a group goes to the end of the area's only line instead.
        m_window->addDockWidget(toolkitArea(area), dock, along(area));
        lines.last().append(alone(dock));
    } else if (!lastGroup->keepsPlace && !toolkitKeepsFloatedPlace(lastGroup->standing())) {
        // The toolkit splits a window of a group as one more tab of it: the group's tabs step
        // out for the split and come back onto their window, so that a restore can set a
        // window beside a group as it stood.
        if (splitBesideGroup(lastGroup->standing(), dock)) {
            lines.last().append(alone(dock));
            split = true;
        } else {
            joinGroupAtLineEnd(dock, area);
        }
    } else {
        // After a group at the end of a later line the toolkit has no place but the group, nor
        // beside a group that keeps the place of a window gone from it.
        joinGroupAtLineEnd(dock, area);
    }
    showUnlessHidden(dock);
    // The toolkit tells of the tab it made of a window only once it laid the window out.
    if (split) {
        settle();
        takeToolkitTab(dock);
    }
    fitPlaced(dock, before, linesBefore);
}

void DockLayout::showAsTabShown(QDockWidget *dock)
{
    keepTabsReadable();
    // The toolkit gives a hidden window no tab to raise.
    if (hiddenByRequest(dock))
        return;
    showUnlessHidden(dock);
    settle();
    dock->raise();
}

void DockLayout::joinGroupAtLineEnd(QDockWidget *dock, DockArea area)
{
    tabGroupOnto(m_lines[int(area) - 1].last().last(), alone(dock), Made::Toolkit);
    showAsTabShown(dock);
}

void DockLayout::takeToolkitTab(QDockWidget *dock)
{
    // A window split beside one the toolkit still holds in a group of its own is one more tab
    // of that group: the layout knows it as that group's tab, the tab shown, or a window split
    // beside it later would be a tab without a tab row.
    const Position p = find(dock);
    QDockWidget *onto = nullptr;
    for (QDockWidget *mate : m_window->tabifiedDockWidgets(dock))
        if (mate != dock && find(mate).area == p.area && !onto)
            onto = standingOf(mate);
    if (!onto || onto == dock)
        return;
    Group joining = m_lines[p.area][p.line][p.group];
    joining.docks = {dock};
    takeOut(p);
    addTabs(*groupOf(onto), joining, Made::Toolkit);
    showAsTabShown(dock);
}

bool DockLayout::placeAsTab(QDockWidget *dock, QDockWidget *onto)
{
    if (find(onto).area < 0 || dock == onto)
        return false;
    const QScopedValueRollback<bool> placing(m_placing, true);
    m_style->adopt(dock);
    take(dock);
    dock->setFloating(false);
    tabGroupOnto(*groupOf(onto), alone(dock), Made::Host);
    keepTabsReadable();
    settle();
    // A group that shows a tab row for the first time asks for its room, before the show too:
    // records read then say the tabs the show would make.
    fit(dock);
    return true;
}

bool DockLayout::splitBesideGroup(QDockWidget *standing, QDockWidget *dock)
{
    const Position p = find(standing);
    const DockArea area = DockArea(p.area + 1);
    const QList<QDockWidget *> tabs = m_lines[p.area][p.line][p.group].docks.mid(1);
    const QDockWidget *front = shownOfGroup(standing);
    for (QDockWidget *tab : tabs)
        m_window->addDockWidget(toolkitArea(area), tab, across(area));
    // A group can keep a place the layout knows of no more (a tab floated out of it, docked
    // back and stepped out again): its window still stands in the toolkit's group, whose split
    // is one more tab there, without a tab row, and the group and the window went out of sight.
    // It is a group to join then.
    const bool split = !toolkitKeepsPlace(standing);
    if (split)
        m_window->splitDockWidget(standing, dock, along(area));
    else if (Group *group = groupOf(standing))
        group->keepsPlace = true;
    for (QDockWidget *tab : tabs)
        m_window->tabifyDockWidget(standing, tab);
    if (front)
        const_cast<QDockWidget *>(front)->raise();
    return split;
}

void DockLayout::addTabs(Group &group, const Group &joining, Made made)
{
    group.docks += joining.docks;
    group.made = made;
    for (const QDockWidget *dock : joining.docks)
        group.left.removeAll(dock);
    // A window shown holding the size the host or the user gave it brings that size across to
    // a group that holds none: the group shows one size, and the fit that made the window a tab
    // for want of room took none of it for good. A hidden one's size waits for it to show.
    const Position p = find(group.standing());
    if (p.area >= 0 && !group.size.held() && holds(joining) && groupShown(joining) &&
        joining.size.extent.isValid()) {
        QSize size = extentOf(group);
        if (across(DockArea(p.area + 1)) == Qt::Horizontal)
            size.setWidth(joining.size.extent.width());
        else
            size.setHeight(joining.size.extent.height());
        group.size.extent = size;
        group.size.heldBy = group.standing();
    }
}

void DockLayout::tabGroupOnto(Group &group, const Group &joining, Made made)
{
    // Recorded first: the toolkit tells of each tab as it is made, while the group's others
    // still stand on the window they stood on.
    QDockWidget *standing = group.standing();
    addTabs(group, joining, made);
    for (QDockWidget *dock : joining.docks)
        m_window->tabifyDockWidget(standing, dock);
}

void DockLayout::keepTabsReadable() const
{
    // The toolkit cuts tab titles to a few letters where the row is short; a user must tell
    // the windows apart, so the row scrolls instead. Its tab rows are the window's own
    // children; they move at once, as the docks do.
    // Set again, the mode lays every tab of the row out anew, and the row asks the window for
    // one more layout pass: a row is set once, as the user's choice, which a change of look
    // leaves alone.
    static const char *const kSet = "teskTabsReadable";
    for (QTabBar *bar : toolkitTabRows(m_window)) {
        if (!bar->property(kSet).toBool() || bar->elideMode() != Qt::ElideNone ||
            !bar->usesScrollButtons()) {
            bar->setElideMode(Qt::ElideNone);
            bar->setUsesScrollButtons(true);
            bar->setProperty(kSet, true);
        }
        m_style->adopt(bar);
        leastShowsWidestTab(bar);
    }
}

bool DockLayout::toolkitKeepsFloatedPlace(QDockWidget *standing) const
{
    // The toolkit keeps the place of a window floated out of a group among its tabs, for when
    // it docks again: with its tabs stepped out, the group's window is still no window alone,
    // and a split of it would be one more tab of a group that shows none. It names the group's
    // windows only while the group shows one: of a group hidden whole, the window floated is
    // known by the group it left.
    const QList<QDockWidget *> tabs = m_window->tabifiedDockWidgets(standing);
    const Group *group = groupOf(standing);
    for (const QDockWidget *dock : m_window->findChildren<QDockWidget *>())
        if (dock->isFloating() && (tabs.contains(dock) || (group && group->left.contains(dock))))
            return true;
    return false;
}

QList<QTabBar *> toolkitTabRows(const QMainWindow *window)
{
    return window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly);
}

QDockWidget *dockOfTab(const QMainWindow *window, const QTabBar *row, int tab)
{
    // Compared with the window's own, not taken as it stands: a row may still name a window
    // gone.
    const quintptr named = row->tabData(tab).value<quintptr>();
    for (QDockWidget *dock : window->findChildren<QDockWidget *>())
        if (reinterpret_cast<quintptr>(dock) == named)
            return dock;
    return nullptr;
}

std::pair<const QTabBar *, int> DockLayout::toolkitTabOf(const QDockWidget *dock) const
{
    // The toolkit hides a row it no longer uses.
    settle();
    for (const QTabBar *bar : toolkitTabRows(m_window))
        for (int tab = 0; bar->isVisibleTo(m_window) && tab < bar->count(); ++tab)
            if (dockOfTab(m_window, bar, tab) == dock)
                return {bar, tab};
    return {nullptr, -1};
}

bool DockLayout::toolkitKeepsPlace(const QDockWidget *dock) const
{
    return toolkitTabOf(dock).first != nullptr;
}

const QDockWidget *DockLayout::frontOfGroup(const QDockWidget *dock) const
{
    const Group *group = groupOf(dock);
    const QTabBar *bar = toolkitTabOf(dock).first;
    if (!group || !showsTabRow(*group) || !bar)
        return nullptr;
    const QDockWidget *current = dockOfTab(m_window, bar, bar->currentIndex());
    return group->docks.contains(current) ? current : nullptr;
}

void DockLayout::dockBack(QDockWidget *dock)
{
    {
        const QScopedValueRollback<QDockWidget *> returning(m_returning, dock);
        dock->setFloating(false);
    }
    if (dock->isFloating())
        return;
    lineAsShown(dock);
    // As a window placed there: the lines no one sized share the area anew, so that the next
    // window placed does not do it for this one.
    shareEvenly(areaOf(dock));
}

void DockLayout::lineAsShown(QDockWidget *dock)
{
    const Position p = find(dock);
    if (p.area < 0)
        return;
    const Group &group = m_lines[p.area][p.line][p.group];
    const DockArea area = DockArea(p.area + 1);
    settle();
    // Back in a group the toolkit kept, it stands where that group does.
    if (group.hasTabs() || group.keepsPlace) {
        placeAlongAsShown(dock);
        return;
    }
    if (!shownIn(dock, area))
        return;
    const auto startAcross = [area](const QDockWidget *d) {
        return across(area) == Qt::Horizontal ? d->x() : d->y();
    };
    auto &lines = m_lines[p.area];
    const QDockWidget *other = nullptr;
    for (const Group *shown : shownGroups(lines[p.line]))
        if (const QDockWidget *member = shown->standing();
            member != dock && shownIn(member, area)) {
            if (startAcross(member) == startAcross(dock)) {
                placeAlongAsShown(dock);
                return;
            }
            other = member;
        }
    if (!other) {
        lineAlongTheArea(dock);
        return;
    }
    // The toolkit gave it a line of its own, beside the one the layout had put it in.
    const Group moved = takeGroup(p.area, p.line, p.group);
    lines.insert(startAcross(dock) < startAcross(other) ? p.line : p.line + 1, {moved});
}

void DockLayout::placeAlongAsShown(QDockWidget *dock)
{
    // The toolkit keeps the place of a floating window among the windows of its line, and
    // windows split in since stand before or after that place as the toolkit put them, not as
    // the layout counts them: the window docked back stands among the groups shown as the
    // toolkit shows it. Where the groups shown beside it agree, it stays: the toolkit tells
    // nothing of where it keeps the groups hidden whole.
    const Position p = find(dock);
    const DockArea area = DockArea(p.area + 1);
    const auto startAlong = [area](const QDockWidget *d) {
        return along(area) == Qt::Vertical ? d->y() : d->x();
    };
    Line &line = m_lines[p.area][p.line];
    // A group stands where its tab shown does.
    const QDockWidget *itself = shownOf(line[p.group], area);
    if (!itself)
        return;
    bool agree = true;
    for (int g = 0; g < line.size(); ++g)
        if (const QDockWidget *shown = g == p.group ? nullptr : shownOf(line[g], area))
            agree = agree && (startAlong(shown) < startAlong(itself)) == (g < p.group);
    if (agree)
        return;
    const Group moved = line.takeAt(p.group);
    qsizetype at = line.size();
    for (qsizetype g = 0; g < line.size() && at == line.size(); ++g)
        if (const QDockWidget *shown = shownOf(line[g], area);
            shown && startAlong(shown) > startAlong(itself))
            at = g;
    line.insert(at, moved);
}

void DockLayout::lineAlongTheArea(QDockWidget *dock)
{
    // The toolkit puts a window docked back into the place it kept, which a line split along
    // since may hold: the window then stands beside that line's windows, within their line,
    // where no record can say it stands. It takes a line of its own at the area's end.
    const Position p = find(dock);
    const DockArea area = DockArea(p.area + 1);
    QRect shown;
    for (const Line &l : m_lines[p.area])
        for (const Group *group : shownGroups(l))
            if (const QDockWidget *member = shownOf(*group, area))
                shown |= member->geometry();
    if (lengthIn(along(area), dock->size()) + separator() >= lengthIn(along(area), shown.size()))
        return;
    m_window->addDockWidget(toolkitArea(area), dock, across(area));
    const Group moved = takeGroup(p.area, p.line, p.group);
    m_lines[p.area].append({moved});
    settle();
}

} // namespace tesk::frame
