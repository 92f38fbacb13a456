// The dock layout's picture: the areas' lines of dock windows and their groups of tabs, and
// what the records read of it.
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklayoutprivate.h"
#include "frame/windows/docking/dockstyle.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>

#include <algorithm>

namespace tesk::frame {

using namespace docklayout;

bool hiddenByRequest(const QDockWidget *dock)
{
    return dock->isHidden() && dock->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

DockLayout::DockLayout(QMainWindow *window)
    : m_window(window)
    , m_separatorDrags(makeSeparatorDrags(window, this))
    , m_fitWatch(makeFitWatch(window, this))
    , m_style(std::make_unique<DockStyle>())
{
}

DockLayout::~DockLayout() = default;

DockLayout::Group DockLayout::alone(QDockWidget *dock) const
{
    Group group;
    group.docks = {dock};
    group.size = m_formerPlace.value(dock).size;
    return group;
}

DockLayout::SizeSet &DockLayout::sizeSetOf(const QDockWidget *dock)
{
    if (Group *group = groupOf(dock))
        return group->size;
    return m_formerPlace[dock].size;
}

DockLayout::SizeSet DockLayout::sizeSetOf(const QDockWidget *dock) const
{
    if (const Group *group = groupOf(dock))
        return group->size;
    return m_formerPlace.value(dock).size;
}

DockLayout::SizeSet DockLayout::carried(const Group &from, const QList<QDockWidget *> &docks)
{
    SizeSet size = from.size;
    const bool standingToo = docks.contains(from.standing());
    if (!docks.contains(size.heldBy))
        size.heldBy = from.size.held() && standingToo ? from.standing() : nullptr;
    size.heldAlong = from.size.heldAlong && standingToo;
    return size;
}

bool DockLayout::holds(const Group &group)
{
    return group.size.held() &&
           !(hiddenByRequest(group.size.heldBy) && hiddenByRequest(group.standing()));
}

QSize DockLayout::extentOf(const Group &group, const QDockWidget *shown)
{
    if (group.size.extent.isValid())
        return group.size.extent;
    return (shown ? shown : group.standing())->size();
}

QList<QDockWidget *> DockLayout::docksOf(const Line &line)
{
    QList<QDockWidget *> docks;
    for (const Group &group : line)
        docks += group.docks;
    return docks;
}

DockLayout::Position DockLayout::find(const QDockWidget *dock) const
{
    for (int a = 0; a < 3; ++a)
        for (int l = 0; l < m_lines[a].size(); ++l)
            for (int g = 0; g < m_lines[a][l].size(); ++g) {
                const int index =
                    int(m_lines[a][l][g].docks.indexOf(const_cast<QDockWidget *>(dock)));
                if (index >= 0)
                    return {a, l, g, index};
            }
    return {};
}

DockLayout::Group *DockLayout::groupOf(const QDockWidget *dock)
{
    const Position p = find(dock);
    return p.area < 0 ? nullptr : &m_lines[p.area][p.line][p.group];
}

const DockLayout::Group *DockLayout::groupOf(const QDockWidget *dock) const
{
    const Position p = find(dock);
    return p.area < 0 ? nullptr : &m_lines[p.area][p.line][p.group];
}

DockLayout::Group DockLayout::takeGroup(int area, int line, int group)
{
    auto &lines = m_lines[area];
    Group taken = lines[line].takeAt(group);
    if (lines[line].isEmpty())
        lines.removeAt(line);
    return taken;
}

void DockLayout::takeOut(const Position &p)
{
    Group &group = m_lines[p.area][p.line][p.group];
    group.docks.removeAt(p.index);
    if (group.docks.isEmpty())
        takeGroup(p.area, p.line, p.group);
}

void DockLayout::take(QDockWidget *dock)
{
    const Position p = find(dock);
    if (p.area < 0)
        return;
    // It leaves from here: no group keeps a place it left earlier.
    for (auto &lines : m_lines)
        for (Line &l : lines)
            for (Group &group : l)
                group.left.removeAll(dock);
    const Line &line = m_lines[p.area][p.line];
    const bool lineOfItsOwn = line.size() == 1 && line.first().docks.size() == 1;
    Group &group = m_lines[p.area][p.line][p.group];
    // It goes back into its group's place: a group still there takes it in again as its tab,
    // and where the group went, the toolkit kept that place for it, before the groups after.
    m_formerPlace.insert(dock, {p.area, p.line, lineOfItsOwn ? -1 : p.group, carried(group, {dock}),
                                group.docks.size() == 1 && group.keepsPlace});
    const bool groupStays = group.hasTabs();
    // A group that loses its standing window stands on its next tab, as the toolkit shows it,
    // at no length a record gave.
    if (groupStays)
        group.size = carried(group, group.docks.mid(0, p.index) + group.docks.mid(p.index + 1));
    takeOut(p);
    if (!groupStays)
        return;
    if (p.index == 0)
        group.recordedAlong = -1;
    group.left.append(dock);
    // Left alone, the window that stays still stands in the toolkit's group, which keeps the
    // place of the window gone: a window placed after it joins that group.
    group.keepsPlace = (p.index > 0 && group.keepsPlace) || !group.hasTabs();
}

void DockLayout::forget(const QDockWidget *dock)
{
    take(const_cast<QDockWidget *>(dock));
    // The toolkit's group keeps the place of a window gone for good too, with tabs left or not.
    for (auto &lines : m_lines)
        for (Line &l : lines)
            for (Group &group : l)
                if (group.left.removeAll(dock) > 0)
                    group.keepsPlace = true;
    m_formerPlace.remove(dock);
    for (auto &left : m_linesLeft)
        left.remove(dock);
    m_cut.remove(dock);
}

DockArea DockLayout::areaOf(const QDockWidget *dock) const
{
    const Position p = find(dock);
    return p.area < 0 ? DockArea::None : DockArea(p.area + 1);
}

int DockLayout::indexOf(const QDockWidget *dock) const
{
    const Position p = find(dock);
    if (p.area < 0)
        return -1;
    const auto &lines = m_lines[p.area];
    int index = p.index;
    for (int l = 0; l < p.line; ++l)
        index += int(docksOf(lines[l]).size());
    for (int g = 0; g < p.group; ++g)
        index += int(lines[p.line][g].docks.size());
    return index;
}

bool DockLayout::startsLine(const QDockWidget *dock) const
{
    const Position p = find(dock);
    // The first line of an area is where the area starts, not a new line.
    return p.area >= 0 && p.line > 0 && p.group == 0 && p.index == 0;
}

int DockLayout::lineCount(DockArea area) const
{
    return isPlacedArea(area) ? int(m_lines[int(area) - 1].size()) : 0;
}

QList<QDockWidget *> DockLayout::line(DockArea area, int line) const
{
    if (!isPlacedArea(area) || line < 0 || line >= m_lines[int(area) - 1].size())
        return {};
    return docksOf(m_lines[int(area) - 1][line]);
}

bool DockLayout::tabbed(const QDockWidget *dock) const
{
    return find(dock).index > 0;
}

QDockWidget *DockLayout::standingOf(const QDockWidget *dock) const
{
    const Group *group = groupOf(dock);
    return group ? group->standing() : const_cast<QDockWidget *>(dock);
}

const QDockWidget *DockLayout::laysOut(const Group &group, DockArea area) const
{
    if (!hiddenByRequest(group.standing()))
        return group.standing();
    if (const QDockWidget *shown = shownOf(group, area))
        return shown;
    const auto first =
        std::find_if(group.docks.begin(), group.docks.end(),
                     [](const QDockWidget *member) { return !hiddenByRequest(member); });
    return first != group.docks.end() ? *first : nullptr;
}

const QDockWidget *DockLayout::lineSetter(DockArea area, const Line &line) const
{
    const QDockWidget *first = nullptr;
    for (const Group *group : shownGroups(line)) {
        const QDockWidget *sizer = laysOut(*group, area);
        if (sizer && holds(*group))
            return sizer;
        if (!first)
            first = sizer;
    }
    return first;
}

const QDockWidget *DockLayout::lineSetterOf(const QDockWidget *dock) const
{
    const Position p = find(dock);
    return p.area < 0 ? nullptr : lineSetter(DockArea(p.area + 1), m_lines[p.area][p.line]);
}

QPoint DockLayout::placeOf(const QDockWidget *dock) const
{
    if (find(dock).area < 0)
        return dock->pos();
    const QDockWidget *shown = shownOfGroup(dock);
    return (shown ? shown : standingOf(dock))->pos();
}

const QDockWidget *DockLayout::shownOf(const Group &group, DockArea area) const
{
    for (const QDockWidget *member : group.docks)
        if (shownIn(member, area))
            return member;
    return nullptr;
}

const QDockWidget *DockLayout::shownOfGroup(const QDockWidget *dock) const
{
    const Position p = find(dock);
    return p.area < 0 ? nullptr : shownOf(m_lines[p.area][p.line][p.group], DockArea(p.area + 1));
}

QList<const DockLayout::Group *> DockLayout::shownGroups(const Line &line) const
{
    QList<const Group *> shown;
    for (const Group &group : line)
        if (groupShown(group))
            shown.append(&group);
    return shown;
}

bool DockLayout::groupShown(const Group &group)
{
    return std::any_of(group.docks.begin(), group.docks.end(),
                       [](const QDockWidget *member) { return !hiddenByRequest(member); });
}

bool DockLayout::showsTabRow(const Group &group)
{
    // The toolkit shows a group's tab row only while two of its windows show: a group whose
    // other tabs are hidden grew by a row at each restore.
    return std::count_if(group.docks.begin(), group.docks.end(),
                         [](const QDockWidget *member) { return !hiddenByRequest(member); }) > 1;
}

bool DockLayout::shownIn(const QDockWidget *dock, DockArea area) const
{
    // The toolkit moves a tab that is not the current one out of sight instead of hiding it.
    const QRect shown = dock->geometry();
    return dock->isVisible() && !dock->isFloating() && shown.right() >= 0 && shown.bottom() >= 0 &&
           fromToolkit(m_window->dockWidgetArea(const_cast<QDockWidget *>(dock))) == area;
}

void DockLayout::settle() const
{
    // Sizes given to the toolkit reach the dock windows when it lays the window out, which it
    // does on its next turn of the event loop; what is read or given next must see them now.
    if (QLayout *layout = m_window->layout())
        layout->activate();
}

QSize DockLayout::extent(const QDockWidget *dock) const
{
    settle();
    const DockArea area = areaOf(dock);
    if (isPlacedArea(area) && shownIn(dock, area))
        return dock->size();
    // A group's windows record one size, as they record one place: a tab behind others kept
    // the size it had alone, and came back at it beside its group instead of as its tab.
    if (const QDockWidget *shown = isPlacedArea(area) ? shownOfGroup(dock) : nullptr)
        return shown->size();
    const SizeSet given = sizeSetOf(dock);
    return given.extent.isValid() ? given.extent : dock->size();
}

} // namespace tesk::frame
