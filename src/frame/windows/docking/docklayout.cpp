// The dock layout's picture: the areas' lines of dock windows and their groups of tabs, and
// what the records read of it.
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklayoutprivate.h"
#include "frame/windows/docking/dockstyle.h"

#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>

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

DockLayout::Position DockLayout::find(const QDockWidget *dock) const
{
    for (int a = 0; a < 3; ++a)
        for (int l = 0; l < m_lines[a].size(); ++l) {
            const int slot = m_lines[a][l].indexOf(const_cast<QDockWidget *>(dock));
            if (slot >= 0)
                return {a, l, slot};
        }
    return {};
}

void DockLayout::take(QDockWidget *dock)
{
    const Position p = find(dock);
    const QDockWidget *standing = m_tabOf.take(dock);
    m_fitTabs.remove(dock);
    m_recordedAlong.remove(dock);
    if (p.area < 0)
        return;
    m_formerPlace.insert(dock, {p.area, p.line, m_lines[p.area][p.line].size() == 1 ? -1 : p.slot});
    auto &lines = m_lines[p.area];
    auto &line = lines[p.line];
    m_leftInGroup.remove(dock);
    // A group that loses its standing window stands on its next tab, as the toolkit shows it.
    QDockWidget *next = nullptr;
    if (!standing) {
        for (int slot = p.slot + 1; slot < line.size() && m_tabOf.value(line[slot]) == dock;
             ++slot) {
            if (next)
                m_tabOf.insert(line[slot], next);
            else
                m_tabOf.remove(next = line[slot]);
        }
    }
    line.removeAt(p.slot);
    if (const QDockWidget *mate = standing ? standing : next)
        m_formerGroupmate.insert(dock, mate);
    else
        m_formerGroupmate.remove(dock);
    // Left alone, it still stands in the toolkit's group, which keeps the place of the window
    // gone: a window placed after it joins that group. So does the window a last tab left.
    if (next && !hasTabs(next))
        m_leftInGroup.insert(next);
    if (standing && !hasTabs(standing))
        m_leftInGroup.insert(standing);
    if (line.isEmpty())
        lines.removeAt(p.line);
}

void DockLayout::forget(const QDockWidget *dock)
{
    take(const_cast<QDockWidget *>(dock));
    // The toolkit's group keeps the place of a window gone for good too, with tabs left or not.
    if (const QDockWidget *mate = m_formerGroupmate.value(dock))
        m_leftInGroup.insert(standingOf(mate));
    m_formerPlace.remove(dock);
    m_formerGroupmate.remove(dock);
    m_formerGroupmate.removeIf([dock](auto it) { return it.value() == dock; });
    m_leftInGroup.remove(dock);
    m_extents.remove(dock);
    m_recordedAlong.remove(dock);
    m_held.remove(dock);
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
    int index = p.slot;
    for (int l = 0; l < p.line; ++l)
        index += m_lines[p.area][l].size();
    return index;
}

bool DockLayout::startsLine(const QDockWidget *dock) const
{
    const Position p = find(dock);
    // The first line of an area is where the area starts, not a new line.
    return p.area >= 0 && p.line > 0 && p.slot == 0;
}

int DockLayout::lineCount(DockArea area) const
{
    return isPlacedArea(area) ? int(m_lines[int(area) - 1].size()) : 0;
}

QList<QDockWidget *> DockLayout::line(DockArea area, int line) const
{
    if (!isPlacedArea(area) || line < 0 || line >= m_lines[int(area) - 1].size())
        return {};
    return m_lines[int(area) - 1][line];
}

bool DockLayout::tabbed(const QDockWidget *dock) const
{
    return m_tabOf.contains(dock);
}

QDockWidget *DockLayout::standingOf(const QDockWidget *dock) const
{
    return m_tabOf.value(dock, const_cast<QDockWidget *>(dock));
}

QPoint DockLayout::placeOf(const QDockWidget *dock) const
{
    if (find(dock).area < 0)
        return dock->pos();
    const QDockWidget *shown = shownOfGroup(dock);
    return (shown ? shown : standingOf(dock))->pos();
}

const QDockWidget *DockLayout::shownOfGroup(const QDockWidget *dock) const
{
    const Position p = find(standingOf(dock));
    if (p.area < 0)
        return nullptr;
    for (const QDockWidget *member : groupAt(m_lines[p.area][p.line], p.slot))
        if (shownIn(member, DockArea(p.area + 1)))
            return member;
    return nullptr;
}

QList<QDockWidget *> DockLayout::groupAt(const QList<QDockWidget *> &line, int slot) const
{
    // A group split in the line is a fault of the layout's own; a user's session outlives it.
    Q_ASSERT(slot >= 0 && slot < line.size());
    if (slot < 0 || slot >= line.size())
        return {};
    QList<QDockWidget *> group{line[slot]};
    for (int next = slot + 1; next < line.size() && m_tabOf.value(line[next]) == line[slot]; ++next)
        group.append(line[next]);
    return group;
}

QList<QDockWidget *> DockLayout::standing(const QList<QDockWidget *> &line) const
{
    QList<QDockWidget *> standing;
    for (QDockWidget *dock : line)
        if (!tabbed(dock))
            standing.append(dock);
    return standing;
}

QList<QDockWidget *> DockLayout::shownStanding(const QList<QDockWidget *> &line) const
{
    QList<QDockWidget *> shown;
    for (QDockWidget *dock : line)
        if (!tabbed(dock) && groupShown(dock))
            shown.append(dock);
    return shown;
}

bool DockLayout::groupShown(const QDockWidget *standing) const
{
    if (!hiddenByRequest(standing))
        return true;
    for (auto it = m_tabOf.cbegin(); it != m_tabOf.cend(); ++it)
        if (it.value() == standing && !hiddenByRequest(it.key()))
            return true;
    return false;
}

bool DockLayout::showsTabRow(const QDockWidget *standing) const
{
    // The toolkit shows a group's tab row only while two of its windows show: a group whose
    // other tabs are hidden grew by a row at each restore.
    const Position p = find(standing);
    if (p.area < 0)
        return false;
    int shown = 0;
    for (const QDockWidget *member : groupAt(m_lines[p.area][p.line], p.slot))
        if (!hiddenByRequest(member) && ++shown > 1)
            return true;
    return false;
}

bool DockLayout::hasTabs(const QDockWidget *dock) const
{
    const Position p = find(dock);
    return p.area >= 0 && !tabbed(dock) && p.slot + 1 < m_lines[p.area][p.line].size() &&
           m_tabOf.value(m_lines[p.area][p.line][p.slot + 1]) == dock;
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
    return m_extents.value(dock, dock->size());
}

} // namespace tesk::frame
