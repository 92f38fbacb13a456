// Following the toolkit: what the user did with the dock windows - dragged them to other
// areas, lines or groups, or sized them by a separator - taken into the picture.
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklayoutprivate.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDockWidget>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tesk::frame {

using namespace docklayout;

namespace {

// While a separator is held, the release may go elsewhere: to a popup the host opens (which
// takes the mouse), or to another window. Watches the whole application for that.
class LostReleaseWatch : public QObject
{
public:
    LostReleaseWatch(const QMainWindow *window, std::function<void()> lost)
        : m_window(window)
        , m_lost(std::move(lost))
    {
    }

    // The filter sits on the application, which may be a host's and outlive the window.
    ~LostReleaseWatch() override { stop(); }

    void start() { QCoreApplication::instance()->installEventFilter(this); }
    void stop()
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window)
            return false;
        const auto *widget = qobject_cast<const QWidget *>(watched);
        const bool window = widget && widget->isWindow();
        const bool popup =
            event->type() == QEvent::Show && window && widget->windowType() == Qt::Popup;
        // Another window, or another program, took the mouse.
        const bool elsewhere =
            (event->type() == QEvent::WindowActivate && window) ||
            event->type() == QEvent::ApplicationDeactivate ||
            (event->type() == QEvent::ApplicationStateChange &&
             static_cast<QApplicationStateChangeEvent *>(event)->applicationState() !=
                 Qt::ApplicationActive);
        // Seen after the release is handled, or once the other window has the mouse.
        if (popup || elsewhere || event->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, this, m_lost);
        return false;
    }

private:
    const QMainWindow *m_window;
    std::function<void()> m_lost;
};

// The separators between the dock areas and between their windows are no widgets: the main
// window takes the presses on them and sizes the windows while the button is down. A docked
// window whose size changed between press and release was sized by the user. A drag whose
// release goes elsewhere ends where the mouse left it.
class SeparatorDrags : public QObject
{
public:
    SeparatorDrags(QMainWindow *window, DockLayout *layout)
        : m_window(window)
        , m_layout(layout)
        , m_lostRelease(window, [this] { lose(); })
    {
        window->installEventFilter(this);
    }
    ~SeparatorDrags() override
    {
        m_lostRelease.stop();
        if (m_window)
            m_window->removeEventFilter(this);
    }

    bool dragging() const { return m_down; }
    void afterDrag(std::function<void()> step) { m_waiting.append(std::move(step)); }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window)
            return false;
        // A window hidden, or blocked by a modal window, while the button is down gets no
        // release.
        const bool lost = event->type() == QEvent::Hide || event->type() == QEvent::WindowBlocked ||
                          event->type() == QEvent::WindowDeactivate;
        if (lost && m_down) {
            lose();
            return false;
        }
        const bool press = event->type() == QEvent::MouseButtonPress;
        if ((!press && event->type() != QEvent::MouseButtonRelease) ||
            static_cast<QMouseEvent *>(event)->button() != Qt::LeftButton)
            return false;
        if (press) {
            m_down = true;
            m_pressed.clear();
            for (QDockWidget *dock : m_window->findChildren<QDockWidget *>())
                if (dock->isVisible() && !dock->isFloating())
                    m_pressed.append({dock, dock->size()});
            m_lostRelease.start();
            return false;
        }
        // The toolkit ends its drag on this release after the filter: the waiting steps run
        // once it has.
        QTimer::singleShot(0, this, [this] { release(); });
        return false;
    }

private:
    // The release went elsewhere: the toolkit is told the button is up, where the mouse is, so
    // that it lays the window out from what it shows again and ends its own drag too.
    void lose()
    {
        if (!m_down)
            return;
        if (m_window) {
            const QPoint at = m_window->mapFromGlobal(QCursor::pos());
            QMouseEvent up(QEvent::MouseButtonRelease, at, m_window->mapToGlobal(at),
                           Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(m_window, &up);
        }
        release();
    }

    void release()
    {
        if (!m_down)
            return;
        m_down = false;
        m_lostRelease.stop();
        QList<std::pair<QDockWidget *, QSize>> changed;
        for (const auto &[dock, size] : std::as_const(m_pressed))
            if (dock && !dock->isFloating() && dock->size() != size)
                changed.append({dock, size});
        m_pressed.clear();
        m_layout->dragEnded(changed);
        const QList<std::function<void()>> waiting = std::exchange(m_waiting, {});
        for (const auto &step : waiting)
            step();
    }

    QPointer<QMainWindow> m_window;
    DockLayout *m_layout;
    LostReleaseWatch m_lostRelease;
    bool m_down = false;
    QList<std::pair<QPointer<QDockWidget>, QSize>> m_pressed;
    QList<std::function<void()>> m_waiting;
};

} // namespace

std::unique_ptr<QObject> docklayout::makeSeparatorDrags(QMainWindow *window, DockLayout *layout)
{
    return std::make_unique<SeparatorDrags>(window, layout);
}

void DockLayout::afterDrag(std::function<void()> step)
{
    if (dragging())
        static_cast<SeparatorDrags *>(m_separatorDrags.get())->afterDrag(std::move(step));
    else
        step();
}

bool DockLayout::dragging() const
{
    return static_cast<const SeparatorDrags *>(m_separatorDrags.get())->dragging();
}

void DockLayout::dragEnded(const QList<std::pair<QDockWidget *, QSize>> &changed)
{
    // A line the drag moved across is the user's now, cut by a smaller window or not; a line
    // it did not move keeps what it showed before such a cut, and a press and release that
    // moved no separator (a click on the code, say) set no size at all.
    for (const auto &[dock, before] : changed) {
        const DockArea area = areaOf(dock);
        if (isPlacedArea(area) &&
            lengthIn(across(area), dock->size()) != lengthIn(across(area), before))
            for (const Line &l : m_lines[int(area) - 1])
                if (docksOf(l).contains(dock))
                    m_cut.remove(lineShownAcross(area, l).first);
    }
    // The extents kept are the ones dragged: a window joining or leaving the area later shares
    // out the rest, and the records carry them.
    for (const DockArea area : {DockArea::Left, DockArea::Right, DockArea::Bottom})
        keepShownSizes(area);
    for (const auto &[dock, before] : changed) {
        if (Group *group = groupOf(dock))
            group->recordedAlong = -1;
        const DockArea area = areaOf(dock);
        // A separator between two windows of a line sizes them along it: their line is as wide
        // (or as high) as before, and holds no size the user gave it.
        if (!isPlacedArea(area) ||
            lengthIn(across(area), dock->size()) != lengthIn(across(area), before))
            hold(dock);
        else
            sizeSetOf(dock).heldAlong = true;
    }
    rememberLines(Remember::ShownKeepingCuts);
}

bool DockLayout::follow(QDockWidget *dock)
{
    // The toolkit tells of the tabs the fit makes, and of each step of a placing, as moves:
    // they share no area out anew. What is placed shares its area out once in place (the
    // placer does), not once more at each step.
    if (m_placing || m_fitting)
        return false;
    const DockArea shown =
        dock->isFloating() ? DockArea::None : fromToolkit(m_window->dockWidgetArea(dock));
    if (shown == areaOf(dock))
        return true;
    // Floated by the user, it leaves its line's room to the code, not to its neighbours: the
    // toolkit has not laid the area out anew yet, so the lines still show what they had.
    const DockArea left = areaOf(dock);
    const bool keep = isPlacedArea(left) && m_window->isVisible() && !dragging();
    const LineSizes leftLines = keep ? linesShown(left, dock) : LineSizes();
    take(dock);
    if (keep)
        keepLines(left, leftLines);
    if (!isPlacedArea(shown))
        return true;
    auto &lines = m_lines[int(shown) - 1];
    const Former former = m_formerPlace.value(dock);
    if (dock == m_returning && former.area == int(shown) - 1) {
        // Back where it stood: the toolkit keeps the place of a floating window in its line,
        // or its line, for when it docks again; never inside a group, whose tabs follow the
        // window they stand on.
        const int line = qMin(former.line, int(lines.size()));
        if (former.group < 0 || line == lines.size())
            lines.insert(line, {alone(dock)});
        else
            lines[line].insert(qMin(former.group, int(lines[line].size())), alone(dock));
        rejoinGroup(dock);
        // The others of its group gone, the toolkit still puts it back in that group, alone;
        // hidden, it shows in no tab row that would tell.
        Group *group = groupOf(dock);
        if (!group->hasTabs() && (former.keepsPlace || toolkitKeepsPlace(dock)))
            group->keepsPlace = true;
    } else if (!dropBesideShown(dock, shown)) {
        if (lines.isEmpty())
            lines.append({alone(dock)});
        else
            lines.last().append(alone(dock));
    }
    return true;
}

bool DockLayout::dropBesideShown(QDockWidget *dock, DockArea area)
{
    // The toolkit opened its gap where the user dropped the window: beside the window under
    // the pointer, in that window's line, or a line of its own between two or after the
    // last. The gap stands where the window does now, and so do the others; a window out of
    // sight says nothing.
    if (!m_window->isVisible() || !dock->isVisible())
        return false;
    const auto acrossOf = [area](const QWidget *w) {
        return across(area) == Qt::Horizontal ? w->x() : w->y();
    };
    const auto alongOf = [area](const QWidget *w) {
        return along(area) == Qt::Vertical ? w->y() : w->x();
    };
    auto &lines = m_lines[int(area) - 1];
    for (int l = 0; l < lines.size(); ++l) {
        const QList<const Group *> groups = shownGroups(lines[l]);
        const QDockWidget *lineShown = groups.isEmpty() ? nullptr : shownOf(*groups.first(), area);
        if (!lineShown || !shownIn(lineShown, area))
            continue;
        if (acrossOf(lineShown) > acrossOf(dock)) {
            lines.insert(l, {alone(dock)});
            return true;
        }
        if (acrossOf(lineShown) < acrossOf(dock))
            continue;
        // Before the first group standing after it along; a group hidden whole keeps its
        // place among the others.
        int at = int(lines[l].size());
        for (int g = 0; g < lines[l].size(); ++g) {
            const QDockWidget *member = shownOf(lines[l][g], area);
            if (member && alongOf(member) > alongOf(dock)) {
                at = g;
                break;
            }
        }
        lines[l].insert(at, alone(dock));
        return true;
    }
    lines.append({alone(dock)});
    return true;
}

void DockLayout::rejoinGroup(QDockWidget *dock)
{
    // The toolkit kept the window's place in its group of tabs, and puts it back there: the
    // layout must know it as a tab, or a window split beside it joins the group unseen.
    const Position p = find(dock);
    Line &line = m_lines[p.area][p.line];
    const auto kept = std::find_if(
        line.begin(), line.end(), [dock](const Group &group) { return group.left.contains(dock); });
    if (kept == line.end() || (!kept->hasTabs() && !kept->keepsPlace)) {
        // A group all of whose windows floated is gone from the picture, but the toolkit keeps
        // it, and puts each window docked back into it: one docked back before is its group.
        takeToolkitTab(dock);
        return;
    }
    QDockWidget *standing = kept->standing();
    const Group joining = takeGroup(p.area, p.line, p.group);
    addTabs(*groupOf(standing), joining, Made::Toolkit);
}

void DockLayout::followToolkit()
{
    settle();
    keepTabsReadable();
    for (const DockArea area : {DockArea::Left, DockArea::Right, DockArea::Bottom}) {
        auto &lines = m_lines[int(area) - 1];
        // What the user sized is known from the drag itself; a held extent the fit or the
        // toolkit cut for a moment is not the user's.
        keepShownSizes(area, false);
        // Lines stand side by side across the area; a group's line is where the tab shown
        // starts across, its place in the line where it starts along.
        const auto acrossOf = [&](const QDockWidget *dock) {
            return across(area) == Qt::Horizontal ? dock->x() : dock->y();
        };
        const auto alongOf = [&](const QDockWidget *dock) {
            return along(area) == Qt::Vertical ? dock->y() : dock->x();
        };
        // Each window's place in the order they had, and the group it stood in.
        QHash<const QDockWidget *, int> order;
        QHash<const QDockWidget *, const Group *> groupBefore;
        for (const Line &l : lines)
            for (const Group &group : l)
                for (QDockWidget *dock : group.docks) {
                    order.insert(dock, int(order.size()));
                    groupBefore.insert(dock, &group);
                }
        QList<QDockWidget *> shown;
        for (const Line &l : lines)
            for (QDockWidget *dock : docksOf(l))
                if (shownIn(dock, area))
                    shown.append(dock);
        std::stable_sort(shown.begin(), shown.end(), [&](QDockWidget *a, QDockWidget *b) {
            return acrossOf(a) != acrossOf(b) ? acrossOf(a) < acrossOf(b) : alongOf(a) < alongOf(b);
        });
        // A group as the toolkit holds it keeps what the group standing on the same window knew
        // while it holds no window that group did not: the user may have dropped windows onto
        // others as tabs, or dragged tabs out, and tabs the user made say nothing of room.
        const auto regroup = [&](const QList<QDockWidget *> &docks) {
            Group group;
            group.docks = docks;
            const Group *was = groupBefore.value(docks.first());
            // The size its window had is the group's, whichever group it stood in.
            if (was)
                group.size = carried(*was, docks);
            if (!was || was->standing() != docks.first())
                return group;
            group.keepsPlace = was->keepsPlace;
            group.left = was->left;
            group.recordedAlong = was->recordedAlong;
            if (group.hasTabs() &&
                std::all_of(docks.begin(), docks.end(),
                            [&](const QDockWidget *dock) { return was->docks.contains(dock); }))
                group.made = was->made;
            return group;
        };
        // Each window shown stands for its group as the toolkit holds it, in the order they had.
        QList<Line> rebuilt;
        QSet<const QDockWidget *> placed;
        // Where the last line stands across: where its windows shown start.
        int lineAcross = 0;
        for (QDockWidget *dock : shown) {
            if (placed.contains(dock))
                continue;
            QList<QDockWidget *> group{dock};
            for (QDockWidget *tab : m_window->tabifiedDockWidgets(dock))
                if (order.contains(tab) && !placed.contains(tab))
                    group.append(tab);
            std::sort(group.begin(), group.end(), [&](QDockWidget *a, QDockWidget *b) {
                return order.value(a) < order.value(b);
            });
            for (QDockWidget *member : group)
                placed.insert(member);
            if (rebuilt.isEmpty() || lineAcross != acrossOf(dock)) {
                rebuilt.append(Line());
                lineAcross = acrossOf(dock);
            }
            rebuilt.last().append(regroup(group));
        }
        // Hidden windows go back to the line and place they had, as near as the new lines
        // allow, so that showing them again puts them where the user last saw them; a hidden
        // tab goes back to its group. A line hidden whole stays a line of its own where it
        // was: joined to its neighbour, it would take that line's break away.
        QHash<int, int> rebuiltOf;
        for (int l = 0; l < lines.size(); ++l)
            for (const QDockWidget *dock : docksOf(lines[l]))
                for (int r = 0; r < rebuilt.size() && !rebuiltOf.contains(l); ++r)
                    if (docksOf(rebuilt[r]).contains(dock))
                        rebuiltOf.insert(l, r);
        const auto lineFor = [&](int l) {
            if (rebuiltOf.contains(l))
                return rebuiltOf.value(l);
            int at = 0;
            for (int earlier = l - 1; earlier >= 0; --earlier)
                if (rebuiltOf.contains(earlier)) {
                    at = rebuiltOf.value(earlier) + 1;
                    break;
                }
            rebuilt.insert(at, Line());
            for (auto it = rebuiltOf.begin(); it != rebuiltOf.end(); ++it)
                if (it.value() >= at)
                    ++it.value();
            rebuiltOf.insert(l, at);
            return at;
        };
        const auto rebuiltGroupOf = [&](const QDockWidget *standing) -> Group * {
            for (Line &target : rebuilt)
                for (Group &group : target)
                    if (group.standing() == standing)
                        return &group;
            return nullptr;
        };
        for (int l = 0; l < lines.size(); ++l) {
            int slot = 0;
            for (const Group &was : lines[l])
                for (int index = 0; index < was.docks.size(); ++index, ++slot) {
                    QDockWidget *dock = was.docks[index];
                    if (placed.contains(dock))
                        continue;
                    placed.insert(dock);
                    if (index > 0) {
                        if (Group *group = rebuiltGroupOf(was.standing())) {
                            group->docks.append(dock);
                            continue;
                        }
                    }
                    // Before the first group that starts at its place or after: never inside
                    // a group.
                    Line &target = rebuilt[lineFor(l)];
                    int at = 0;
                    for (int start = 0; at < target.size() && start < slot; ++at)
                        start += int(target[at].docks.size());
                    target.insert(at, regroup({dock}));
                }
        }
        lines = rebuilt;
    }
}

} // namespace tesk::frame
