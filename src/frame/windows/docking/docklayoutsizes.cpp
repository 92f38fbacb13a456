// The sizes of the dock layout: the extents given, shared and grown, held against the
// toolkit's own sharing, and given back as the main window grows again.
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklayoutprivate.h"

#include <QCoreApplication>
#include <QDockWidget>
#include <QLayout>
#include <QMainWindow>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

#include <algorithm>

namespace tesk::frame {

using namespace docklayout;

int DockLayout::acrossAtShow(const QDockWidget *dock, const QDockWidget *setter, int given) const
{
    const Position p = find(dock);
    if (p.area < 0)
        return given;
    const DockArea area = DockArea(p.area + 1);
    const Line &line = m_lines[p.area][p.line];
    if (std::none_of(line.begin(), line.end(), [](const Group &g) { return showsTabRow(g); }))
        return given;
    if (across(area) == Qt::Horizontal) {
        // A row that scrolls asks for its widest title beside its scroll buttons; a line with
        // a row asks for the widest of the window's rows.
        int rowLeast = 0;
        for (const QTabBar *bar : toolkitTabRows(m_window))
            if (bar->count() > 0 && bar->usesScrollButtons())
                rowLeast = qMax(rowLeast, bar->minimumSizeHint().width());
        return qMax(given, rowLeast);
    }
    const int row = tabRow();
    const Group *setterGroup = setter ? groupOf(setter) : nullptr;
    int height = given + (setterGroup && showsTabRow(*setterGroup) ? row : 0);
    for (const Group &group : line) {
        const int rowBeneath = showsTabRow(group) ? row : 0;
        for (const QDockWidget *member : group.docks)
            if (!hiddenByRequest(member))
                height = qMax(height, leastSize(member).height() + rowBeneath);
    }
    return showsTabRow(line[p.group]) ? height - row : height;
}

DockLayout::LineSizes DockLayout::linesShown(DockArea area, const QDockWidget *leaving) const
{
    LineSizes lines;
    for (const Line &l : m_lines[int(area) - 1])
        for (QDockWidget *member : docksOf(l))
            if (member != leaving && shownIn(member, area)) {
                lines.docks.append(member);
                lines.sizes.append(lengthIn(across(area), member->size()));
                break;
            }
    return lines;
}

void DockLayout::keepLines(DockArea area, LineSizes lines)
{
    // A line whose only window shown went is no longer shown.
    for (qsizetype i = lines.docks.size() - 1; i >= 0; --i)
        if (!lines.docks[i] || !lines.docks[i]->isVisible() || lines.docks[i]->isFloating() ||
            areaOf(lines.docks[i]) != area) {
            lines.docks.removeAt(i);
            lines.sizes.removeAt(i);
        }
    if (!lines.docks.isEmpty())
        resizeDocks(lines.docks, lines.sizes, across(area));
    settle();
    rememberLines(Remember::Shown);
}

void DockLayout::hideKeepingLines(QDockWidget *dock, const std::function<void()> &hide)
{
    const DockArea area = areaOf(dock);
    if (!m_window->isVisible() || !isPlacedArea(area) || dock->isFloating() || dragging()) {
        hide();
        return;
    }
    settle();
    const LineSizes lines = linesShown(area, dock);
    hide();
    keepLines(area, lines);
}

void DockLayout::showKeepingLines(QDockWidget *dock, const std::function<void()> &show)
{
    const DockArea area = areaOf(dock);
    const Group *group = groupOf(dock);
    const bool groupWasHidden = group && group->hasTabs() && !groupShown(*group);
    const auto showInFront = [&] {
        show();
        if (groupWasHidden)
            bringTabOfHiddenGroupInSight(dock);
    };
    if (!m_window->isVisible() || !isPlacedArea(area) || dock->isFloating() || dragging()) {
        showInFront();
        return;
    }
    settle();
    LineSizes lines = linesShown(area, dock);
    const QList<QDockWidget *> line = docksOf(m_lines[int(area) - 1][find(dock).line]);
    const bool lineShown = std::any_of(line.begin(), line.end(), [&](QDockWidget *member) {
        return lines.docks.contains(member);
    });
    // The room the code can give without a line shown having to: the lines shown keep theirs.
    const int room = across(area) == Qt::Vertical ? roomAboveBottom() : roomBesideCode();
    showInFront();
    settle();
    // A line shown again stands as far across as its extent, as far as that room reaches (and
    // at least at its least, which the fit then makes room for). Given all at once, the
    // toolkit also takes the area's room anew: it would otherwise keep the room the area had
    // without the line, and push the line beyond the window.
    if (!lineShown && dock->isVisible() && !dock->isFloating()) {
        const int extent = lengthIn(across(area), extentOf(*groupOf(dock), dock));
        const int size =
            qMin(extent, qMax(room - separator(), lengthIn(across(area), leastSize(dock))));
        takeFromLines(area, lines, size + separator() - room);
        lines.docks.append(dock);
        lines.sizes.append(size);
    }
    keepLines(area, lines);
}

void DockLayout::takeFromLines(DockArea area, LineSizes &lines, int lacking) const
{
    // The lines that hold no size give first, down to their least; then those that do.
    for (const bool giveHeld : {false, true})
        for (int i = 0; lacking > 0 && i < lines.docks.size(); ++i) {
            if (held(lines.docks[i]) != giveHeld)
                continue;
            const int spare = lines.sizes[i] - lengthIn(across(area), leastSize(lines.docks[i]));
            const int give = qBound(0, spare, lacking);
            lines.sizes[i] -= give;
            lacking -= give;
        }
}

void DockLayout::bringTabOfHiddenGroupInSight(QDockWidget *dock)
{
    if (!dock->isVisible())
        return;
    // The toolkit keeps in front the tab it showed last, hidden as it is.
    settle();
    dock->raise();
    settle();
    const Group *group = groupOf(dock);
    if (!group || !group->hasTabs() || !m_window->isVisible() ||
        m_window->rect().contains(dock->geometry()))
        return;
    // A group that lost a window while hidden whole may keep no room for the tab that shows
    // again, and lays it out nowhere: the tab made anew gets the group's place.
    QDockWidget *onto = group->docks.at(group->docks.first() == dock ? 1 : 0);
    m_window->tabifyDockWidget(onto, dock);
    dock->raise();
    settle();
}

void DockLayout::windowResized(QSize from)
{
    // The fit's and the placing's own resizes cut nothing the user left.
    if (m_fitting || m_placing || !m_window->isVisible())
        return;
    // A window manager may make the window smaller and as large again before the toolkit's
    // next turn, which answers both: the lines it cut meanwhile take their room back then.
    if (m_givingBack) {
        m_smallestUnanswered = m_smallestUnanswered.boundedTo(m_window->size());
        return;
    }
    // Nor does the toolkit's, which grows the window to its least size as a toolbar row or a
    // dock comes, for the fit to give it its size back: a line the row took room from was cut
    // by the row, not by a resize, and took room back from the code once the window grew later.
    const QSize size = m_window->size();
    const QSize least = m_window->minimumSizeHint().expandedTo(m_window->minimumSize());
    bool grownToLeast = false;
    bool resized = false;
    for (const Qt::Orientation direction : {Qt::Horizontal, Qt::Vertical}) {
        const int now = lengthIn(direction, size);
        const int was = lengthIn(direction, from);
        if (now > was && now <= lengthIn(direction, least))
            grownToLeast = true;
        else if (now != was)
            resized = true;
    }
    if (from.isValid() && grownToLeast && !resized)
        return;
    m_smallestUnanswered = from.isValid() ? from.boundedTo(size) : size;
    m_givingBack = true;
    // The toolkit has laid the areas out for the new size once the event is handled.
    QTimer::singleShot(0, m_fitWatch.get(), [this] {
        m_givingBack = false;
        afterDrag([this] {
            if (!m_window->isVisible())
                return;
            // A window grown to no more than its least size was made larger by no one: its
            // toolbars or docks asked for that room.
            const QSize size = m_window->size();
            const QSize least = m_window->minimumSizeHint().expandedTo(m_window->minimumSize());
            for (const Qt::Orientation direction : {Qt::Horizontal, Qt::Vertical})
                if (lengthIn(direction, size) > lengthIn(direction, m_smallestUnanswered) &&
                    lengthIn(direction, size) > lengthIn(direction, least))
                    giveLinesBack(direction, m_linesLeft);
            rememberLines(Remember::KeepingCuts);
        });
    });
}

std::pair<QDockWidget *, int> DockLayout::lineShownAcross(DockArea area, const Line &line) const
{
    const QDockWidget *setter = lineSetter(area, line);
    if (!setter)
        return {nullptr, 0};
    const Group &group = *groupOf(setter);
    if (const QDockWidget *member = shownOf(group, area)) {
        const int row =
            across(area) == Qt::Vertical && showsTabRow(group) ? tabRowBeneath(member) : 0;
        return {const_cast<QDockWidget *>(setter), lengthIn(across(area), member->size()) + row};
    }
    return {nullptr, 0};
}

void DockLayout::rememberLines(Remember how, DockArea setting)
{
    if (!m_window->isVisible() || dragging())
        return;
    settle();
    for (const DockArea area : {DockArea::Left, DockArea::Right, DockArea::Bottom}) {
        auto &left = m_linesLeft[int(area) - 1];
        QHash<const QDockWidget *, int> now;
        for (const auto &l : m_lines[int(area) - 1]) {
            const auto [first, size] = lineShownAcross(area, l);
            if (!first)
                continue;
            const int was = left.value(first, 0);
            // A resize not yet answered may have cut it.
            if ((how == Remember::KeepingCuts || m_givingBack) && was > size)
                m_cut.insert(first);
            // The fit makes tabs, and sets no sizes; the other steps of the layout's do.
            const bool set = area == setting || (how == Remember::Shown && !m_givingBack);
            // Nor is a line grown meanwhile: the toolkit shared the room out as it liked.
            const bool grown = m_givingBack && was > 0 && size > was;
            if ((m_cut.contains(first) || grown) && !set) {
                now.insert(first, was);
                continue;
            }
            m_cut.remove(first);
            now.insert(first, size);
        }
        left = now;
    }
}

DockLayout::LinesAcross DockLayout::linesAcross() const
{
    settle();
    LinesAcross lines;
    for (const DockArea area : {DockArea::Left, DockArea::Right, DockArea::Bottom})
        for (const auto &l : m_lines[int(area) - 1])
            if (const auto [first, size] = lineShownAcross(area, l); first)
                lines[int(area) - 1].insert(first, size);
    return lines;
}

void DockLayout::giveLinesBack(Qt::Orientation direction, const LinesAcross &wanted,
                               DockArea sharing)
{
    settle();
    QList<QDockWidget *> firsts;
    QList<int> sizes;
    QList<int> lacks;
    QList<int> over;
    int deficit = 0;
    int surplus = 0;
    for (const DockArea area : {DockArea::Left, DockArea::Right, DockArea::Bottom}) {
        if (across(area) != direction)
            continue;
        for (const auto &l : m_lines[int(area) - 1]) {
            const auto [first, size] = lineShownAcross(area, l);
            if (!first)
                continue;
            const int was = wanted[int(area) - 1].value(first, 0);
            firsts.append(first);
            sizes.append(size);
            lacks.append(area == sharing ? 0 : qMax(0, was - size));
            deficit += lacks.last();
            // The toolkit shares the room a window grows by out as it likes: a line it cut
            // may take more than it showed before, and another less, one at its least too.
            over.append(area != sharing && was > 0 ? qMax(0, size - was) : 0);
            surplus += over.last();
        }
    }
    // The code's room and what a cut line took over what it showed: what other lines show,
    // the user left them too.
    const int fromLines = qMin(deficit, surplus);
    const int moving =
        fromLines +
        qMin(deficit - fromLines, direction == Qt::Vertical ? roomAboveBottom() : roomBesideCode());
    if (moving < 2)
        return;
    for (int i = 0; i < sizes.size(); ++i)
        sizes[i] += int(qint64(lacks[i]) * moving / deficit) -
                    (fromLines ? int(qint64(over[i]) * fromLines / surplus) : 0);
    resizeDocks(firsts, sizes, direction);
    settle();
}

void DockLayout::hold(const QDockWidget *dock)
{
    // A tab's size is its group's.
    sizeSetOf(dock).heldBy = dock;
}

bool DockLayout::held(const QDockWidget *dock) const
{
    if (const Group *group = groupOf(dock))
        return group->size.heldBy == dock || (group->standing() == dock && group->size.held());
    return m_formerPlace.value(dock).size.held();
}

void DockLayout::keepShownSizes(DockArea area, bool heldAcrossToo)
{
    settle();
    for (Line &l : m_lines[int(area) - 1])
        for (Group &group : l)
            for (QDockWidget *dock : group.docks) {
                if (!shownIn(dock, area))
                    continue;
                // The tab shown has the size of its whole group.
                QSize size = dock->size();
                const QSize kept = group.size.extent;
                if (!heldAcrossToo && group.size.held() && kept.isValid()) {
                    if (across(area) == Qt::Horizontal)
                        size.setWidth(kept.width());
                    else
                        size.setHeight(kept.height());
                }
                group.size.extent = size;
            }
}

void DockLayout::assignExtent(const QDockWidget *dock, QSize extent)
{
    const Position p = find(dock);
    if (p.area < 0) {
        m_formerPlace[dock].size.extent = extent;
        return;
    }
    // A group is laid out along by its window standing, and across by the window it is laid
    // out by: a tab's own size is its group's.
    Group &group = m_lines[p.area][p.line][p.group];
    const QDockWidget *laying = laysOut(group, DockArea(p.area + 1));
    const bool setsAlong = p.index == 0;
    const bool setsAcross = dock == laying || (!laying && p.index == 0);
    if (!setsAlong && !setsAcross)
        return;
    QSize size = extentOf(group);
    const DockArea area = DockArea(p.area + 1);
    const auto given = [&](Qt::Orientation direction) {
        if (direction == Qt::Horizontal)
            size.setWidth(extent.width());
        else
            size.setHeight(extent.height());
    };
    if (setsAlong)
        given(along(area));
    if (setsAcross)
        given(across(area));
    group.size.extent = size;
}

void DockLayout::restoreExtent(QDockWidget *dock, QSize extent)
{
    setExtent(dock, extent);
    if (isPlacedArea(areaOf(dock)) && !hiddenByRequest(dock) && !tabbed(dock))
        groupOf(dock)->recordedAlong = lengthIn(along(areaOf(dock)), extent);
}

void DockLayout::setExtent(QDockWidget *dock, QSize extent)
{
    const Position p = find(dock);
    // Sized anew, it no longer keeps what its record gave.
    if (p.area >= 0 && p.index == 0)
        m_lines[p.area][p.line][p.group].recordedAlong = -1;
    // A hidden window takes the extent for when it shows: its line stands as far across as
    // the windows shown there, whatever sizes they were given.
    if (p.area < 0 || hiddenByRequest(dock)) {
        assignExtent(dock, extent);
        return;
    }
    const DockArea area = DockArea(p.area + 1);
    // A tab is sized with its group: the window standing for the group takes the size.
    dock = standingOf(dock);
    // The others keep the sizes the user gave them, not those they were once given.
    keepShownSizes(area);
    const auto alongOf = [area](QSize size) {
        return along(area) == Qt::Vertical ? size.height() : size.width();
    };
    Line &line = m_lines[p.area][p.line];
    // The groups of the line a record brought back take the lengths it gave: shared out in
    // proportion to what they show, each record restored after them squeezed those before.
    const auto recorded = [&](const Group &group) {
        return group.standing() != dock && group.recordedAlong >= 0 &&
               shownIn(group.standing(), area);
    };
    int length = 0;
    int others = 0;
    int kept = 0;
    for (const Group &group : line) {
        const int size = alongOf(extentOf(group));
        length += size;
        if (recorded(group))
            kept += group.recordedAlong;
        else if (group.standing() != dock)
            others += size;
    }
    Group &target = line[p.group];
    target.size.extent = extent;
    // A group's extent is its window's, without the tab row beneath it along the bottom: the
    // line stands as high as the group and its row, and each other group as high as the line
    // leaves it beside its own row.
    const auto rowOf = [&](const Group &group) {
        return across(area) == Qt::Vertical && showsTabRow(group) ? tabRow() : 0;
    };
    const int lineAcross = lengthIn(across(area), extent) + rowOf(target);
    // The line is as long as it was: the window takes its length, the others share the rest
    // as they shared the line. Were they all given the lengths they had, the toolkit would
    // take the excess evenly from every window, this one too.
    const int rest = length - alongOf(extent) - kept;
    for (Group &group : line) {
        QSize size = extentOf(group);
        if (recorded(group)) {
            if (along(area) == Qt::Vertical)
                size.setHeight(group.recordedAlong);
            else
                size.setWidth(group.recordedAlong);
        } else if (&group != &target && others > 0 && rest > 0) {
            const int shared = int(qint64(alongOf(size)) * rest / others);
            if (along(area) == Qt::Vertical)
                size.setHeight(shared);
            else
                size.setWidth(shared);
        }
        // The windows of a line stand equally far across the area: the line takes the size.
        if (across(area) == Qt::Horizontal)
            size.setWidth(extent.width());
        else
            size.setHeight(lineAcross - rowOf(group));
        group.size.extent = size;
    }
    applyExtents(area, dock);
}

void DockLayout::shareEvenly(DockArea area, const QDockWidget *joining)
{
    if (!isPlacedArea(area))
        return;
    const auto &lines = m_lines[int(area) - 1];
    if (lines.isEmpty())
        return;
    settle();
    QRect shown;
    QSize least;
    int windowsShown = 0;
    for (const Line &l : lines)
        for (QDockWidget *dock : docksOf(l)) {
            if (shownIn(dock, area)) {
                shown |= dock->geometry();
                ++windowsShown;
            }
            least = least.expandedTo(leastSize(dock));
        }
    // The toolkit gives an area that has just been opened the least size of its dock window:
    // such an area, like one not shown yet, takes a fifth of the main window. One that showed
    // a window at its least before this one came keeps that room.
    QSize size = shown.size();
    if (windowsShown <= 1 && size.width() <= least.width())
        size.setWidth(m_window->width() / 5);
    if (windowsShown <= 1 && size.height() <= least.height())
        size.setHeight(m_window->height() / 5);
    // The room shown is the lines' shown: a line hidden whole, given a share of it, would leave
    // the others less than their least, and the toolkit would take that from a line held.
    const int lineCount =
        qMax<int>(1, int(std::count_if(lines.begin(), lines.end(), [this](const Line &l) {
                      return !shownGroups(l).isEmpty();
                  })));
    // A line the user's layout sized keeps its room: the others share what it leaves, else
    // each window joining the area would grow them by a share of the held line's room too.
    int heldRoom = 0;
    int heldLines = 0;
    for (const Line &l : lines) {
        const QList<const Group *> shownHere = shownGroups(l);
        const auto heldOne = std::find_if(shownHere.begin(), shownHere.end(),
                                          [](const Group *g) { return g->size.held(); });
        if (heldOne == shownHere.end())
            continue;
        // A group shows the size of its tab shown: the window standing, out of sight, keeps
        // the size it last showed, which may be more than the whole area now has.
        const QDockWidget *shownOne = shownOf(**heldOne, area);
        heldRoom += lengthIn(across(area), (shownOne ? shownOne : (*heldOne)->standing())->size());
        ++heldLines;
    }
    // The separators between the lines are no line's: shared out, they would grow the area.
    const int sharing = lineCount > heldLines ? lineCount - heldLines : lineCount;
    // Where the held lines leave less than a line's least, the toolkit gives the least: an
    // extent below it (none, or less than none) would be written into the records as it is.
    const int acrossShared = qMax(lengthIn(across(area), least),
                                  (lengthIn(across(area), size) - separator() * (lineCount - 1) -
                                   (lineCount > heldLines ? heldRoom : 0)) /
                                      sharing);
    // A window joining a line the area shows takes its room along that line: the lines stand
    // as far across as they show, as the user may have left them by a drop.
    const Position joined =
        joining && m_window->isVisible() && !dragging() ? find(joining) : Position();
    const bool joinsLine =
        joined.area == int(area) - 1 &&
        std::any_of(lines[joined.line].begin(), lines[joined.line].end(),
                    [&](const Group &g) { return !g.docks.contains(joining) && groupShown(g); });
    for (Line &l : m_lines[int(area) - 1]) {
        const int inLine = int(l.size());
        const QList<const Group *> shownHere = shownGroups(l);
        const QDockWidget *showing =
            shownHere.isEmpty() ? nullptr : shownOf(*shownHere.first(), area);
        const int lineAcross =
            joinsLine && showing ? lengthIn(across(area), showing->size()) : acrossShared;
        const QSize shared = along(area) == Qt::Vertical ? QSize(lineAcross, size.height() / inLine)
                                                         : QSize(size.width() / inLine, lineAcross);
        for (Group &group : l) {
            // A window the user's layout sized keeps that size when another joins the area.
            if (group.size.held())
                continue;
            QSize size = shared;
            if (group.size.heldAlong) {
                const QSize own = extentOf(group);
                if (along(area) == Qt::Vertical)
                    size.setHeight(own.height());
                else
                    size.setWidth(own.width());
            }
            group.size.extent = size;
        }
    }
    growToPanes(area);
}

int DockLayout::panesAsk(DockArea area, const Line &line) const
{
    // The area's share of the window: a third of its width beside the code, two fifths of its
    // height below it, split among the area's lines.
    const int share =
        (across(area) == Qt::Horizontal ? m_window->width() / 3 : m_window->height() * 2 / 5) /
        int(qMax<qsizetype>(1, m_lines[int(area) - 1].size()));
    // A pane that asks for more room than the line has (a register pane for its widest value, a
    // memory view for its rows) gets it, as far as the share reaches.
    int wanted = 0;
    for (QDockWidget *dock : docksOf(line)) {
        const QWidget *content = dock->widget();
        if (!content)
            continue;
        // The title bar stands across a bottom area, beside nothing in a side area.
        const int title =
            across(area) == Qt::Vertical ? qMax(0, dock->height() - content->height()) : 0;
        // Room for the dock's scroll bar too: a pane with less room along the area than it
        // needs scrolls within its dock, and that bar stands across it.
        const int bar = dock->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, dock);
        wanted = qMax(wanted, lengthIn(across(area), content->sizeHint()) + title + bar);
    }
    return qMin(wanted, share);
}

void DockLayout::growToPanes(DockArea area)
{
    if (!isPlacedArea(area))
        return;
    auto &lines = m_lines[int(area) - 1];
    if (lines.isEmpty())
        return;
    // A pane that has just shown knows its size once its layouts have taken in what it asks
    // for, which the toolkit does on its next turn: what the panes ask for is read now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    const auto acrossOf = [&](QSize size) { return lengthIn(across(area), size); };
    for (Line &line : lines) {
        // The user's layout, as a record brought it back or as dragged, is not undone.
        if (std::any_of(line.begin(), line.end(), [](const Group &g) { return g.size.held(); }))
            continue;
        const int wanted = panesAsk(area, line);
        for (Group &group : line) {
            QSize size = extentOf(group);
            if (acrossOf(size) >= wanted)
                continue;
            if (across(area) == Qt::Horizontal)
                size.setWidth(wanted);
            else
                size.setHeight(wanted);
            group.size.extent = size;
        }
    }
    applyExtents(area, nullptr, true);
}

void DockLayout::applyExtents(DockArea area, const QDockWidget *setting, bool laidOut)
{
    if (!isPlacedArea(area))
        return;
    const auto &lines = m_lines[int(area) - 1];
    // The extents are the windows' own sizes; the toolkit sizes a group of tabs with its tab
    // row, which stands beneath the tab shown.
    const int row = tabRow();
    const auto withRow = [&](const Group &group, QSize size) {
        if (showsTabRow(group))
            size.rheight() += row;
        return size;
    };
    QList<QDockWidget *> firsts;
    QList<int> acrossSizes;
    Asked request;
    const QHash<const QDockWidget *, int> shownBefore = m_window->isVisible() && !dragging()
                                                            ? linesAcross()[int(area) - 1]
                                                            : QHash<const QDockWidget *, int>();
    for (const Line &all : lines) {
        // A group of tabs has one size: its first window's.
        for (const Group &group : all) {
            request.docks.append(group.standing());
            request.sizes.append(lengthIn(along(area), withRow(group, extentOf(group))));
        }
        request.docks.append(nullptr);
        request.sizes.append(0);
        // The line stands as far across as its windows shown: a hidden one may keep another
        // extent for when it shows. A window that holds its size sets the line's: the others'
        // extents across may be an even share of the area or what a passing cut of the line
        // left them.
        const QDockWidget *setter = lineSetter(area, all);
        const Group &setterGroup = setter ? *groupOf(setter) : all.first();
        QDockWidget *sizer = const_cast<QDockWidget *>(setter ? setter : setterGroup.standing());
        QDockWidget *first = sizer;
        firsts.append(first);
        const bool heldLine = setter && holds(setterGroup);
        int asked = lengthIn(across(area), withRow(setterGroup, extentOf(setterGroup, sizer)));
        const bool sets = setting && std::any_of(all.begin(), all.end(), [&](const Group &g) {
                              return g.docks.contains(setting);
                          });
        if (heldLine && !sets && shownBefore.contains(first))
            asked = qMin(asked, shownBefore.value(first));
        acrossSizes.append(asked);
    }
    request.docks += firsts;
    request.sizes += acrossSizes;
    request.window = m_window->size();
    Asked &last = m_asked[int(area) - 1];
    // A hidden window's size is the toolkit's own until it shows: not known from what shows.
    const bool allShown = std::all_of(request.docks.begin(), request.docks.end(),
                                      [](const QDockWidget *d) { return !d || d->isVisible(); });
    // Asked the same from the same, the toolkit would come out the same, after a layout pass
    // over every dock window of the main window: a window joining a group of tabs in a full
    // area, say, leaves the lines as they were. Only what it has laid out is the same.
    bool same = laidOut && allShown && request.docks == last.docks && request.sizes == last.sizes &&
                request.window == last.window;
    if (same) {
        settle();
        same = dockGeometries() == last.shown;
    }
    if (!same) {
        qsizetype from = 0;
        for (qsizetype i = 0; i < request.docks.size() - firsts.size(); ++i)
            if (!request.docks[i]) {
                m_window->resizeDocks(request.docks.mid(from, i - from),
                                      request.sizes.mid(from, i - from), along(area));
                from = i + 1;
            }
        m_window->resizeDocks(firsts, acrossSizes, across(area));
        settle();
        for (Asked &other : m_asked)
            other = Asked();
        if (allShown) {
            request.shown = dockGeometries();
            last = request;
        }
    }
    keepHeldLines(area);
    rememberLines(Remember::Shown, area);
}

QList<QRect> DockLayout::dockGeometries() const
{
    // A group of tabs stands where its standing window does.
    QList<QRect> geometries;
    for (const auto &lines : m_lines)
        for (const Line &l : lines)
            for (const Group &group : l)
                geometries.append(group.standing()->isVisible() ? group.standing()->geometry()
                                                                : QRect());
    return geometries;
}

void DockLayout::resizeDocks(const QList<QDockWidget *> &docks, const QList<int> &sizes,
                             Qt::Orientation direction)
{
    // Sizes asked elsewhere are the toolkit's to keep: the same asked of it again is no
    // longer the same.
    for (Asked &asked : m_asked)
        asked = Asked();
    m_window->resizeDocks(docks, sizes, direction);
}

void DockLayout::keepHeldLines(DockArea area)
{
    // While the user holds a separator, the sizes are the user's.
    if (!isPlacedArea(area) || dragging())
        return;
    settle();
    QList<QDockWidget *> firsts;
    QList<int> shown;
    QList<int> give;
    int deficit = 0;
    int spare = 0;
    // The side areas share the window's width, with the code between them: a line of one may
    // take room from a line of the other.
    const QList<DockArea> sharing = area == DockArea::Bottom
                                        ? QList<DockArea>{DockArea::Bottom}
                                        : QList<DockArea>{DockArea::Left, DockArea::Right};
    QList<std::pair<DockArea, const Line *>> sharedLines;
    for (const DockArea a : sharing)
        for (const Line &l : m_lines[int(a) - 1])
            sharedLines.append({a, &l});
    for (const auto &[a, l] : sharedLines) {
        const QList<const Group *> groupsShown = shownGroups(*l);
        if (groupsShown.isEmpty())
            continue;
        // A group's size is that of its tab shown, with its tab row beneath it where that
        // stands across the area; a line hidden whole takes no room.
        const auto rowOf = [&](const Group &group, const QDockWidget *showing) {
            return across(area) == Qt::Vertical && showsTabRow(group) ? tabRowBeneath(showing) : 0;
        };
        const auto [first, size] = lineShownAcross(a, *l);
        if (!first)
            continue;
        const Group &setterGroup = *groupOf(first);
        const QDockWidget *showing = shownOf(setterGroup, a);
        const bool kept = holds(setterGroup);
        int least = 0;
        for (const Group *group : groupsShown) {
            QDockWidget *dock = group->standing();
            const QDockWidget *member = shownOf(*group, a);
            least = qMax(least, lengthIn(across(area), leastSize(dock)) +
                                    (member ? rowOf(*group, member) : 0));
            // Across a side area a group is at least as wide as its tab row's least.
            if (member && across(area) == Qt::Horizontal && showsTabRow(*group))
                least = qMax(least, tabRowLeastWidth(member));
        }
        firsts.append(first);
        shown.append(size);
        // Positive: the room the line lacks of its held size; negative: what it can spare. A
        // held line showing more than it holds (its group's tab row went, and its window took
        // the row's room) spares what is beyond.
        // The group holding the size stands with its own tab row.
        const int holding = kept ? lengthIn(across(area), extentOf(setterGroup, showing)) +
                                       rowOf(setterGroup, showing)
                                 : 0;
        const int lacks =
            kept && holding >= size ? holding - size : -qMax(0, size - qMax(least, holding));
        give.append(lacks);
        (lacks > 0 ? deficit : spare) += qAbs(lacks);
    }
    // Below the code, the room the code's row has beyond its least comes back to the lines too.
    const int room = area == DockArea::Bottom ? roomAboveBottom() : roomBesideCode();
    const int moving = qMin(deficit, spare + room);
    const int fromLines = qMin(moving, spare);
    if (moving < 2)
        return;
    // Taken from each spare line and given to each lacking one in proportion.
    QList<int> sizes = shown;
    for (int i = 0; i < sizes.size(); ++i) {
        if (give[i] > 0)
            sizes[i] += int(qint64(give[i]) * moving / deficit);
        else if (give[i] < 0)
            sizes[i] += int(qint64(give[i]) * fromLines / spare);
    }
    resizeDocks(firsts, sizes, across(area));
    settle();
}

const QTabBar *DockLayout::tabBarBeneath(const QDockWidget *shown) const
{
    // The row naming the tab shown: the toolkit may leave a row it no longer uses shown, empty,
    // a few pixels off the row in use, and read from it, a group's line grew by those pixels
    // each time it was shared out.
    const QTabBar *bar = toolkitTabOf(shown).first;
    if (!bar || !bar->isVisible() || bar->count() < 2)
        return nullptr;
    // A tab out of sight has no row beneath it.
    const QRect dock = shown->geometry();
    const QRect row = bar->geometry();
    return row.top() > dock.bottom() && row.top() <= dock.bottom() + 8 ? bar : nullptr;
}

int DockLayout::tabRowBeneath(const QDockWidget *shown) const
{
    const QTabBar *bar = tabBarBeneath(shown);
    return bar ? bar->geometry().bottom() - shown->geometry().bottom() : tabRow();
}

int DockLayout::roomBesideCode() const
{
    const QWidget *code = m_window->centralWidget();
    if (!code || !code->isVisible() || !m_window->rect().contains(code->geometry()))
        return 0;
    return qMax(0, code->width() - code->minimumSizeHint().expandedTo(code->minimumSize()).width());
}

int DockLayout::tabRowLeastWidth(const QDockWidget *shown) const
{
    const QTabBar *bar = tabBarBeneath(shown);
    return bar ? bar->minimumSizeHint().width() : 0;
}

int DockLayout::roomAboveBottom() const
{
    // The code and the side areas share one row above the bottom area: it gives room down to
    // the least of the code and of the side areas' longest line.
    const QWidget *code = m_window->centralWidget();
    if (!code || !code->isVisible())
        return 0;
    int least = code->minimumSizeHint().expandedTo(code->minimumSize()).height();
    for (const DockArea side : {DockArea::Left, DockArea::Right})
        for (const auto &l : m_lines[int(side) - 1])
            least = qMax(least, leastAlong(side, l));
    return qMax(0, rowAboveBottom() - least);
}

int DockLayout::rowAboveBottom() const
{
    // Where the side areas leave the code no width, the toolkit puts the code out of sight
    // with a height of its own: the side areas' lines then tell the row's height.
    const QWidget *code = m_window->centralWidget();
    if (m_window->rect().contains(code->geometry()))
        return code->height();
    int top = m_window->height();
    int bottom = 0;
    for (const DockArea side : {DockArea::Left, DockArea::Right})
        for (const Line &l : m_lines[int(side) - 1])
            for (const Group *group : shownGroups(l))
                if (const QDockWidget *shown = shownOf(*group, side)) {
                    top = qMin(top, shown->y());
                    bottom = qMax(bottom, shown->y() + shown->height() +
                                              (showsTabRow(*group) ? tabRowBeneath(shown) : 0));
                }
    return qMax(0, bottom - top);
}

int DockLayout::tabRow() const
{
    // The toolkit's tab rows are the window's own children, all of one height: a row it shows
    // in the window has it. A row it keeps out of sight (a group whose other windows are
    // hidden) keeps the height it once had, and before the show none stands, but the rows
    // built for groups ask for the height a row takes.
    const QList<QTabBar *> bars = toolkitTabRows(m_window);
    for (const QTabBar *bar : bars)
        if (bar->isVisible() && bar->count() > 1 && m_window->rect().contains(bar->geometry()))
            return bar->height();
    for (const QTabBar *bar : bars)
        if (bar->isVisibleTo(m_window) && bar->count() > 0)
            return bar->sizeHint().height();
    return m_window->fontMetrics().height() + 8;
}

} // namespace tesk::frame
