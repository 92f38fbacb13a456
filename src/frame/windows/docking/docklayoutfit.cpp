// The fit of the dock layout: the main window's least size within the free area of its
// screen, by tabs where the docks' own least sizes do not fit.
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklayoutprivate.h"

#include "system/freearea.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QTimer>

#include <algorithm>
#include <array>
#include <utility>

namespace tesk::frame {

using namespace docklayout;

namespace {

const DockArea kAreas[] = {DockArea::Left, DockArea::Right, DockArea::Bottom};

// The areas that may give room, the one a window came to first.
QList<DockArea> areasFrom(DockArea first)
{
    QList<DockArea> areas;
    if (isPlacedArea(first))
        areas.append(first);
    for (const DockArea area : kAreas)
        if (area != first)
            areas.append(area);
    return areas;
}

// Toolbars added, shown or moved to a line of their own, a screen whose free area changed, and
// a window manager's frame (the fit at the show knows of none yet: a least height that fits the
// free area may not fit it with the title bar) change what the main window needs and has: the
// fit runs again once the window has been laid out, and once a drag of the user has ended.
class FitWatch : public QObject
{
public:
    FitWatch(QMainWindow *window, DockLayout *layout)
        : m_window(window)
        , m_layout(layout)
    {
        window->installEventFilter(this);
        for (QScreen *screen : QGuiApplication::screens())
            watch(screen);
        connect(qApp, &QGuiApplication::screenAdded, this, &FitWatch::watch);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::LayoutRequest)
            schedule();
        if (watched == m_window && event->type() == QEvent::Resize)
            m_layout->windowResized(static_cast<QResizeEvent *>(event)->oldSize());
        // The toolkit learns of a new frame as the window manager moves the window into it.
        if (watched == m_window &&
            (event->type() == QEvent::Move || event->type() == QEvent::Resize)) {
            const QMargins frame = tesk::system::frameMargins(m_window);
            if (frame != std::exchange(m_frame, frame))
                schedule();
        }
        return false;
    }

private:
    void watch(QScreen *screen)
    {
        connect(screen, &QScreen::availableGeometryChanged, this, &FitWatch::schedule);
    }

    void schedule()
    {
        if (m_scheduled)
            return;
        m_scheduled = true;
        QTimer::singleShot(0, this, [this] {
            m_scheduled = false;
            m_layout->afterDrag([window = QPointer<QMainWindow>(m_window), layout = m_layout] {
                if (window)
                    layout->fit();
            });
        });
    }

    QMainWindow *m_window;
    DockLayout *m_layout;
    bool m_scheduled = false;
    QMargins m_frame;
};

} // namespace

std::unique_ptr<QObject> docklayout::makeFitWatch(QMainWindow *window, DockLayout *layout)
{
    return std::make_unique<FitWatch>(window, layout);
}

void DockLayout::fit(QDockWidget *came)
{
    fitPlaced(came, m_window->size(), LinesAcross());
}

void DockLayout::fitPlaced(QDockWidget *came, QSize before, const LinesAcross &linesBefore)
{
    if (m_fitting)
        return;
    const QScopedValueRollback<bool> fitting(m_fitting, true);
    const DockArea first = came ? areaOf(came) : DockArea::None;
    bool tabbedSome = false;
    // A window made a tab stands no more.
    const auto standingIn = [this](DockArea area) {
        qsizetype count = 0;
        for (const Line &l : m_lines[int(area) - 1])
            count += l.size();
        return count;
    };
    const std::array<qsizetype, 3> standingBefore{
        standingIn(DockArea::Left), standingIn(DockArea::Right), standingIn(DockArea::Bottom)};
    const LinesAcross atStart = m_window->isVisible() ? linesAcross() : LinesAcross();
    // Each step makes a window a tab: there are no more steps than windows.
    qsizetype docks = 0;
    for (const auto &lines : m_lines)
        for (const Line &l : lines)
            docks += docksOf(l).size();
    for (qsizetype steps = docks + 64; steps > 0; --steps) {
        const QSize over = overflow();
        if (over.height() > 0 && freeRoom(Qt::Vertical, first)) {
            tabbedSome = true;
            continue;
        }
        if (over.width() > 0 && freeRoom(Qt::Horizontal, first)) {
            tabbedSome = true;
            continue;
        }
        break;
    }
    if (m_window->isVisible() && !dragging() &&
        (first == DockArea::Left || first == DockArea::Right))
        tabbedSome = keepLinesBelowCode(linesBefore, first) || tabbedSome;
    if (tabbedSome) {
        keepTabsReadable();
        // The lines of the areas the tabs were made in stand as far across as before: the
        // toolkit took the tabs' room where it could, held lines too. An area whose lines were
        // tabs already before a line of them went onto another is one of them.
        for (const DockArea area : kAreas)
            if (standingIn(area) < standingBefore[int(area) - 1]) {
                settle();
                QList<QDockWidget *> firsts;
                QList<int> sizes;
                for (const auto &l : m_lines[int(area) - 1])
                    if (const auto [standing, size] = lineShownAcross(area, l); standing) {
                        firsts.append(standing);
                        sizes.append(atStart[int(area) - 1].value(standing, size));
                    }
                if (!firsts.isEmpty())
                    resizeDocks(firsts, sizes, across(area));
            }
        settle();
        if (came && tabbed(came))
            came->raise();
    }
    // The window grew to the least size it had for a moment; the room it grew by would go to
    // no window the user sized. It stays as the host had it, unless its least size needs more.
    const bool grew = m_window->size() != before;
    if (grew)
        m_window->resize(before.expandedTo(m_window->minimumSizeHint()));
    // The lines the toolkit cut while it took the window in take back what they showed before,
    // before the held ones take what they lack: else the room would go in proportion to what
    // each holds, whatever it showed. The area of the window that came shares its room anew.
    if (grew && m_window->isVisible() && !dragging()) {
        giveLinesBack(Qt::Horizontal, linesBefore, first);
        giveLinesBack(Qt::Vertical, linesBefore, first);
    }
    for (const DockArea area : kAreas)
        keepHeldLines(area);
    rememberLines(Remember::ShownKeepingCuts);
    // A dock placed without a tab leaves the frame as the host had it.
    if ((came && !tabbedSome) || !m_window->isVisible() ||
        m_window->windowState() != Qt::WindowNoState)
        return;
    const QScreen *screen =
        tesk::system::screenShowing(m_window->frameGeometry(), m_window->screen());
    if (screen && !screen->availableGeometry().contains(m_window->frameGeometry()))
        tesk::system::keepInFreeArea(m_window);
}

bool DockLayout::keepLinesBelowCode(const LinesAcross &before, DockArea first)
{
    const DockArea bottom = DockArea::Bottom;
    bool tabbed = false;
    for (int steps = 64; steps > 0; --steps) {
        settle();
        QList<QDockWidget *> firsts;
        QList<int> sizes;
        int lacking = 0;
        for (const Line &l : m_lines[int(bottom) - 1]) {
            const auto [standing, size] = lineShownAcross(bottom, l);
            if (!standing)
                continue;
            // A line the user left below what its panes ask keeps what the user left.
            const int wanted =
                qMin(before[int(bottom) - 1].value(standing, 0), panesAsk(bottom, l));
            firsts.append(standing);
            sizes.append(qMax(size, wanted));
            lacking += qMax(0, wanted - size);
        }
        // The code's row gives what it has beyond its least and its column's.
        if (lacking < 2 || lacking <= roomAboveBottom())
            break;
        const auto tabbedInSide = [&] {
            for (const DockArea area : areasFrom(first))
                if (area != bottom && tabLastOfLongestLine(area, Qt::Vertical, true))
                    return true;
            return false;
        };
        if (!tabbedInSide())
            break;
        tabbed = true;
        settle();
        resizeDocks(firsts, sizes, Qt::Vertical);
    }
    return tabbed;
}

QSize DockLayout::overflow() const
{
    settle();
    const QScreen *screen = tesk::system::screenShowing(m_window->geometry(), m_window->screen());
    if (!screen)
        return {};
    const QRect free = screen->availableGeometry() - tesk::system::frameMargins(m_window);
    const QSize least = m_window->minimumSizeHint();
    return {least.width() - free.width(), least.height() - free.height()};
}

bool DockLayout::freeRoom(Qt::Orientation direction, DockArea first)
{
    const QList<DockArea> areas = areasFrom(first);
    // The area the window came to gives room first, where that frees the direction.
    if (isPlacedArea(first)) {
        if (along(first) == direction && tabLastOfLongestLine(first, direction, true))
            return true;
        if (across(first) == direction && tabLastLine(first))
            return true;
    }
    // Then a line that sets the window's least size in that direction, then a last line of
    // lines stacked in it, and last any line along it.
    for (const DockArea area : areas)
        if (along(area) == direction && tabLastOfLongestLine(area, direction, true))
            return true;
    for (const DockArea area : areas)
        if (across(area) == direction && tabLastLine(area))
            return true;
    for (const DockArea area : areas)
        if (along(area) == direction && tabLastOfLongestLine(area, direction, false))
            return true;
    return false;
}

bool DockLayout::tabLastOfLongestLine(DockArea area, Qt::Orientation direction,
                                      bool onlyWhereItCounts)
{
    auto &lines = m_lines[int(area) - 1];
    int longest = -1;
    int longestLength = 0;
    for (int l = 0; l < lines.size(); ++l) {
        if (shownGroups(lines[l]).size() < 2)
            continue;
        const int length = leastAlong(area, lines[l]);
        if (longest < 0 || length > longestLength) {
            longest = l;
            longestLength = length;
        }
    }
    if (longest < 0)
        return false;
    if (onlyWhereItCounts) {
        // What else sets the window's least size in this direction: the code beside the side
        // areas, or the side areas and the code above the bottom one.
        const QWidget *code = m_window->centralWidget();
        const QSize codeLeast =
            code ? code->minimumSizeHint().expandedTo(code->minimumSize()) : QSize(0, 0);
        const int rival =
            direction == Qt::Vertical
                ? codeLeast.height()
                : codeLeast.width() + leastAcross(DockArea::Left) + leastAcross(DockArea::Right);
        if (longestLength <= rival)
            return false;
    }
    Line &line = lines[longest];
    const QList<const Group *> shown = shownGroups(line);
    const QDockWidget *onto = shown[shown.size() - 2]->standing();
    const Group moving = takeGroup(int(area) - 1, longest, int(shown.last() - line.constData()));
    Group &target = *groupOf(onto);
    tabGroupOnto(target, moving, Made::Fit);
    target.left += moving.left;
    return true;
}

bool DockLayout::tabLastLine(DockArea area)
{
    auto &lines = m_lines[int(area) - 1];
    // Onto the nearest line before it that shows a window: a line hidden whole between them
    // has no tab row to lead to the window.
    int target = int(lines.size()) - 2;
    while (target >= 0 && shownGroups(lines[target]).isEmpty())
        --target;
    if (target < 0)
        return false;
    const Line moving = lines.takeLast();
    const Line &ontoLine = lines[target];
    Group &onto = lines[target][int(shownGroups(ontoLine).last() - ontoLine.constData())];
    for (const Group &group : moving) {
        tabGroupOnto(onto, group, Made::Fit);
        onto.left += group.left;
    }
    return true;
}

int DockLayout::leastAlong(DockArea area, const Line &line) const
{
    // A group of tabs adds its tab row beneath it, where it shows one: a group whose other
    // tabs are hidden shows none, and counted, it kept the bottom area off a row's least.
    const int row = tabRow();
    int length = 0;
    int groups = 0;
    for (const Group *group : shownGroups(line)) {
        length += lengthIn(along(area), leastSize(group->standing()));
        if (along(area) == Qt::Vertical && showsTabRow(*group))
            length += row;
        ++groups;
    }
    return length + separator() * qMax(0, groups - 1);
}

int DockLayout::leastAcross(DockArea area) const
{
    const auto &lines = m_lines[int(area) - 1];
    if (lines.isEmpty())
        return 0;
    int length = 0;
    for (const Line &l : lines) {
        int widest = 0;
        for (const Group *group : shownGroups(l))
            widest = qMax(widest, lengthIn(across(area), leastSize(group->standing())));
        length += widest;
    }
    // Between the lines, and between the area and the code.
    return length + separator() * int(lines.size());
}

int DockLayout::separator() const
{
    return m_window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_window);
}

} // namespace tesk::frame
