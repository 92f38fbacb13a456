#include "layoutpromises.h"

#include "xview.h"

#include "frame/menus/ksotoolbar.h"
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"
#include "frame/windows/mainframe.h"
#include "system/freearea.h"

#include <tesk/tesk_window.h>

#include <QScreen>
#include <QSet>
#include <QTabBar>
#include <QToolBar>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>

namespace testhost::layout {

namespace {

// What a window manager's frame or the toolkit's rounding may move a size or a place by.
constexpr int kSlack = 2;
// Smaller than this, a dock window shows its title bar at most.
constexpr int kLeastShown = 60;

struct PromiseInfo
{
    Promise promise;
    const char *name;
    // Empty when the promise holds on this branch; else the mend it waits for, and the
    // promise is off unless switched on.
    const char *waitsFor;
};

const PromiseInfo kPromises[] = {
    {Promise::FrameWithinFreeArea, "frame-within-free-area", ""},
    {Promise::FrameUnderAWindowManager, "frame-under-a-window-manager", ""},
    {Promise::DockedReachable, "docked-reachable", ""},
    {Promise::FloatingWithinFreeArea, "floating-within-free-area", ""},
    {Promise::FloatedWithinFreeArea, "floated-within-free-area", ""},
    {Promise::FloatingOnSmallerScreen, "floating-on-smaller-screen", ""},
    {Promise::NothingClosedUnasked, "nothing-closed-unasked", ""},
    {Promise::HiddenKept, "hidden-kept", ""},
    {Promise::SizesKept, "sizes-kept", ""},
    {Promise::SizesKeptInEveryLook, "sizes-kept-in-every-look", ""},
    {Promise::ToolbarsAsSet, "toolbars-as-set", ""},
    {Promise::RoundTrip, "round-trip", ""},
    {Promise::RoundTripOfHiddenAndTabs, "round-trip-of-hidden-and-tabs", ""},
    {Promise::SeenOnTheDisplay, "seen-on-the-display", ""},
    {Promise::DocksWhereDropped, "docks-where-dropped", ""},
    {Promise::RestoredAsLeft, "restored-as-left", ""},
    {Promise::SharesComeBack, "shares-come-back", ""},
    {Promise::RecordsBeforeTheShow, "records-before-the-show", ""},
    {Promise::OpensInSight, "opens-in-sight", ""},
    {Promise::GroupsAsShown, "groups-as-shown", ""},
    {Promise::PictureInOrder, "picture-in-order",
     "a window docked back, or moved by a separator drag whose release was lost, stands in the "
     "picture where the toolkit puts it, not where it stood (seeds 36, 59, 115)"},
    {Promise::DroppedSeenDocked, "dropped-seen-docked", ""},
    {Promise::DragsAnswered, "drags-answered", ""},
    {Promise::SharesComeBackAfterAClick, "shares-come-back-after-a-click", ""},
    {Promise::RestoredBesideAGroup, "restored-beside-a-group", ""},
    {Promise::TabsInFront, "tabs-in-front", ""},
    {Promise::AllAfterALostRelease, "all-after-a-lost-release", ""},
};

QString qtext(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

QRect freeArea(const QWidget *window)
{
    const QScreen *screen = tesk::system::screenShowing(window->frameGeometry(), window->screen());
    return screen ? screen->availableGeometry() : QRect();
}

QList<QByteArray> fields(const QByteArray &record)
{
    return record.split(':');
}

std::optional<Broken> frameWithinFreeArea(const MainWindow *window)
{
    const QRect free = freeArea(window);
    if (!free.contains(window->frameGeometry()))
        return Broken{Promise::FrameWithinFreeArea,
                      QStringLiteral("frame %1 on free area %2")
                          .arg(qtext(window->frameGeometry()), qtext(free))};
    const QMargins frame = tesk::system::frameMargins(window);
    const QSize least = window->minimumSizeHint().expandedTo(window->minimumSize()) +
                        QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    if (least.width() > free.width() || least.height() > free.height())
        return Broken{Promise::FrameWithinFreeArea,
                      QStringLiteral("least size %1x%2 with the frame on free area %3")
                          .arg(least.width())
                          .arg(least.height())
                          .arg(qtext(free))};
    return std::nullopt;
}

// A tab of that title on a bar shown within the main window: in sight, or reached by the
// bar's scroll arrows.
bool shownAsTab(const MainWindow *window, const QString &title)
{
    for (const QTabBar *bar : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
        if (!bar->isVisible() || !window->rect().contains(bar->geometry()))
            continue;
        for (int t = 0; t < bar->count(); ++t)
            if (bar->tabText(t) == title &&
                (bar->rect().intersects(bar->tabRect(t)) || bar->usesScrollButtons()))
                return true;
    }
    return false;
}

std::optional<Broken> reachable(const MainWindow *window, const DockWidget *dock,
                                const QString &name, Promise floatingPromise)
{
    const QString where =
        QStringLiteral("%1 (%2) at %3").arg(name, dock->windowTitle(), qtext(dock->geometry()));
    if (dock->isFloating()) {
        const QRect free = freeArea(dock);
        // Where the server can be asked, its frame is the one the user sees: the toolkit may
        // believe for good the place a window manager's first, unsized frame gave it.
        QRect frame = dock->frameGeometry();
        if (const xview::Shown seen = xview::shown(dock); seen.viewable)
            frame = seen.frameKnown ? seen.framed() : seen.client;
        if (!dock->isVisible() || !free.contains(frame))
            return Broken{floatingPromise,
                          QStringLiteral("floating %1%2 on free area %3")
                              .arg(where, dock->isVisible() ? QString() : QStringLiteral(" hidden"),
                                   qtext(free))};
        return std::nullopt;
    }
    if (!dock->isVisible())
        return Broken{Promise::DockedReachable, QStringLiteral("%1 not shown").arg(where)};
    const bool inWindow = window->rect().contains(dock->geometry()) &&
                          dock->width() >= kLeastShown && dock->height() >= kLeastShown;
    if (window->dockWidgetArea(const_cast<DockWidget *>(dock)) == Qt::NoDockWidgetArea ||
        (!inWindow && !shownAsTab(window, dock->windowTitle())))
        return Broken{Promise::DockedReachable,
                      QStringLiteral("%1 neither in the window %2 nor a tab shown")
                          .arg(where, qtext(window->rect()))};
    return std::nullopt;
}

bool acrossIsHeight(int area)
{
    return area == 3;
}

int leastAcross(const DockWidget *dock, int area)
{
    const QSize least = dock->minimumSizeHint().expandedTo(dock->minimumSize());
    return acrossIsHeight(area) ? least.height() : least.width();
}

// The most a kept size may show: what the host or the user set, when the fit showed less.
int mostKept(const DockAsked &asked)
{
    return qMax(asked.keptAcross, asked.setAcross);
}

// The most a kept dock may show where docks share its size across the area: the most any
// dock that `sharesTheSize` takes kept there, or the size set for one kept nowhere that stands
// there.
int mostShared(const MainWindow *window, const Asked &asked, int area,
               const std::function<bool(TeskHandle, const DockWidget *)> &sharesTheSize)
{
    int most = 0;
    for (auto it = asked.docks.cbegin(); it != asked.docks.cend(); ++it) {
        const DockWidget *other = window->findDockWidgetByBox(it.key());
        if (it->closedByHost || !other || !sharesTheSize(it.key(), other))
            continue;
        if (it->keptArea == area)
            most = qMax(most, mostKept(*it));
        else if (it->keptArea < 0 && areaOf(window, it.key()) == area)
            most = qMax(most, it->setAcross);
    }
    return most;
}

// A group of tabs shows one size, its window standing's: the most any of its docks kept in
// that area may show, also where the fit made one a tab of another line's group. A tab kept
// out of sight since it came kept no size, but the one its record or the host set.
int mostKeptInGroup(const MainWindow *window, const Asked &asked, const DockWidget *dock, int area)
{
    const QList<QDockWidget *> tabs = window->tabifiedDockWidgets(const_cast<DockWidget *>(dock));
    return mostShared(window, asked, area, [&](TeskHandle, const DockWidget *member) {
        return member == dock || tabs.contains(const_cast<DockWidget *>(member));
    });
}

// The most a kept dock's line may show: a line shows one size, and any dock standing in it may
// take back the size set for it (a dock dropped into a line the host sized larger grows with it).
const QTabBar *tabRowBeneath(const MainWindow *window, const QRect &shown);
const DockWidget *shownForGroup(const MainWindow *window, TeskHandle box);

// Along the bottom a group's tab row stands beneath the size set for it, within the line.
int lineMost(const MainWindow *window, const Asked &asked, TeskHandle box, int area)
{
    const DockWidget *dock = window->findDockWidgetByBox(box);
    const auto inLine = [&](TeskHandle other, const DockWidget *member) {
        return member == dock ||
               (areaOf(window, other) == area &&
                (acrossIsHeight(area) ? member->y() == dock->y() : member->x() == dock->x()));
    };
    int most = 0;
    for (auto it = asked.docks.cbegin(); it != asked.docks.cend(); ++it) {
        const DockWidget *member = window->findDockWidgetByBox(it.key());
        if (it->closedByHost || !member || !inLine(it.key(), member))
            continue;
        const int set = mostShared(window, asked, area, [&](TeskHandle other, const DockWidget *) {
            return other == it.key();
        });
        const QTabBar *row =
            acrossIsHeight(area)
                ? tabRowBeneath(window, shownForGroup(window, it.key())->geometry())
                : nullptr;
        most = qMax(most, set + (row && set > 0 ? row->height() : 0));
    }
    return most;
}

// The tab row the toolkit shows beneath a group's tab shown, or none.
const QTabBar *tabRowBeneath(const MainWindow *window, const QRect &shown)
{
    for (const QTabBar *bar : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
        const QRect row = bar->geometry();
        if (bar->isVisible() && row.top() > shown.bottom() && row.top() <= shown.bottom() + 8 &&
            row.left() < shown.right() && row.right() > shown.left())
            return bar;
    }
    return nullptr;
}

// The least extent across of the line the dock stands in: its windows' least, and the tab row
// of a group standing there, which across a side area is as wide as its least and across the
// bottom one stands beneath the group.
int lineLeast(const MainWindow *window, const DockWidget *dock, int area)
{
    const bool height = acrossIsHeight(area);
    const auto startAcross = [height](const QWidget *w) { return height ? w->y() : w->x(); };
    int least = 0;
    for (const DockWidget *member : window->findChildren<DockWidget *>()) {
        if (!member->isVisible() || member->isFloating() ||
            window->dockWidgetArea(const_cast<DockWidget *>(member)) !=
                window->dockWidgetArea(const_cast<DockWidget *>(dock)) ||
            startAcross(member) != startAcross(dock))
            continue;
        least = qMax(least, leastAcross(member, area));
        if (const QTabBar *row = tabRowBeneath(window, member->geometry()))
            least = qMax(least, height ? leastAcross(member, area) + row->height()
                                       : row->minimumSizeHint().width());
    }
    return least;
}

// The dock, or the tab shown of its group where the toolkit keeps it out of sight: a group's
// line shows one size, which each of its docks claims.
const DockWidget *shownForGroup(const MainWindow *window, TeskHandle box)
{
    const DockWidget *dock = window->findDockWidgetByBox(box);
    if (!dock || acrossExtent(window, box) > 0 || areaOf(window, box) < 0)
        return dock;
    for (const QDockWidget *tab : window->tabifiedDockWidgets(const_cast<DockWidget *>(dock)))
        if (tab->isVisible() && !tab->isFloating() && window->rect().contains(tab->geometry()))
            return static_cast<const DockWidget *>(tab);
    return dock;
}

// The size a dock's line claims across its area: the one kept there, or the one its record
// or the host set, up to what it shows; 0 when it claims none.
int claimed(const MainWindow *window, TeskHandle box, const DockAsked &asked)
{
    const DockWidget *shown = shownForGroup(window, box);
    const int area = areaOf(window, box);
    const int across = shown == window->findDockWidgetByBox(box) ? acrossExtent(window, box)
                       : acrossIsHeight(area)                    ? shown->height()
                                                                 : shown->width();
    if (across <= 0)
        return 0;
    if (asked.keptArea >= 0 && area == asked.keptArea)
        return qMin(mostKept(asked), across);
    return asked.setAcross > 0 ? qMin(asked.setAcross, across) : 0;
}

// The least a kept dock must show: the size it was given, unless the rest of the main window
// would then have less than its least size. The room in one direction is shared by every line
// there (the bottom area's lines; the side areas' lines and the code between them), so the
// other lines holding a size the user or the host set keep what they show, up to that size,
// and only the lines that hold none give all but their least. The fit takes that room, and no
// more.
int keepable(const MainWindow *window, const Asked &asked, TeskHandle box)
{
    const DockAsked &kept = asked.docks[box];
    const DockWidget *dock = window->findDockWidgetByBox(box);
    const bool height = acrossIsHeight(kept.keptArea);
    const QSize windowLeast = window->minimumSizeHint();
    int room =
        height ? window->height() - windowLeast.height() : window->width() - windowLeast.width();
    room += leastAcross(dock, kept.keptArea);
    // A line is counted once, by the place where its docks start across, with the most any of
    // its docks claims: the line shows one size, which the last one set may have given.
    const std::pair<int, int> own{kept.keptArea, height ? dock->y() : dock->x()};
    std::map<std::pair<int, int>, int> lines;
    for (auto it = asked.docks.cbegin(); it != asked.docks.cend(); ++it) {
        const DockWidget *other = shownForGroup(window, it.key());
        const int area = areaOf(window, it.key());
        const int claim = other && !it->closedByHost ? claimed(window, it.key(), *it) : 0;
        if (claim <= 0 || acrossIsHeight(area) != height)
            continue;
        const std::pair<int, int> line{area, height ? other->y() : other->x()};
        if (line == own)
            continue;
        lines[line] = qMax(lines[line], claim - leastAcross(other, area));
    }
    for (const auto &[line, beyondLeast] : lines)
        room -= beyondLeast;
    return qMin(kept.keptAcross, room);
}

std::optional<Broken> dockPromises(const MainWindow *window, const Asked &asked,
                                   const PromiseSwitches &switches)
{
    for (auto it = asked.docks.cbegin(); it != asked.docks.cend(); ++it) {
        const DockAsked &dock = it.value();
        if (dock.closedByHost)
            continue;
        const DockWidget *shown = window->findDockWidgetByBox(it.key());
        const Promise kept = dock.everHidden ? Promise::HiddenKept : Promise::NothingClosedUnasked;
        if (switches.on(kept)) {
            if (!shown || asked.closesTold.count(it.key()))
                return Broken{kept,
                              QStringLiteral("%1 closed%2")
                                  .arg(dock.name,
                                       shown ? QStringLiteral(" (the host was told)") : QString())};
            if (dock.hiddenByHost && asked.shown && shown->isVisible())
                return Broken{kept,
                              QStringLiteral("%1 shown though the host hid it").arg(dock.name)};
        }
        if (!shown || !asked.shown || dock.hiddenByHost)
            continue;
        const Promise floating = dock.floatedOnLargerScreen ? Promise::FloatingOnSmallerScreen
                                 : dock.floatedOut          ? Promise::FloatedWithinFreeArea
                                                            : Promise::FloatingWithinFreeArea;
        // One the host hid and showed again is its own promise: shown when the host says.
        if (auto broken = reachable(window, shown, dock.name, floating)) {
            if (dock.everHidden)
                broken->promise = Promise::HiddenKept;
            if (switches.on(broken->promise))
                return broken;
        }
        const Promise sizes = asked.otherLook ? Promise::SizesKeptInEveryLook : Promise::SizesKept;
        if (switches.on(sizes) && dock.keptArea >= 0 && areaOf(window, it.key()) == dock.keptArea) {
            const int across = acrossExtent(window, it.key());
            const int keep = across > 0 ? keepable(window, asked, it.key()) : 0;
            const int most = qMax(qMax(mostKeptInGroup(window, asked, shown, dock.keptArea),
                                       lineMost(window, asked, it.key(), dock.keptArea)),
                                  lineLeast(window, shown, dock.keptArea));
            // Along the bottom a group's tab row stands beneath its tab shown, within its line:
            // a window joining the group shows the row and leaves the line as high as it was.
            const QTabBar *row =
                dock.keptArea == 3 ? tabRowBeneath(window, shown->geometry()) : nullptr;
            const int line = row ? row->geometry().bottom() - shown->y() + 1 : across;
            if (across > 0 && (line < keep - kSlack || across > most + kSlack))
                return Broken{sizes, QStringLiteral("%1 is %2 px across, was given %3 (%4 fit)")
                                         .arg(dock.name)
                                         .arg(across)
                                         .arg(dock.keptAcross)
                                         .arg(keep)};
        }
    }
    return std::nullopt;
}

QToolBar *toolbarTitled(const MainWindow *window, const QString &title)
{
    for (QToolBar *bar : window->findChildren<QToolBar *>())
        if (tesk::frame::toolbarRecordName(bar) == title)
            return bar;
    return nullptr;
}

std::optional<Broken> toolbarsAsSet(const MainWindow *window, const Asked &asked)
{
    if (!asked.toolbarRefused.isEmpty())
        return Broken{
            Promise::ToolbarsAsSet,
            QStringLiteral("the record of %1 answered as not applied").arg(asked.toolbarRefused)};
    for (auto it = asked.toolbarHidden.cbegin(); it != asked.toolbarHidden.cend(); ++it) {
        const QToolBar *bar = toolbarTitled(window, it.key());
        if (bar && asked.shown && bar->isHidden() != it.value())
            return Broken{Promise::ToolbarsAsSet,
                          QStringLiteral("toolbar %1 %2")
                              .arg(it.key(), it.value() ? QStringLiteral("shown")
                                                        : QStringLiteral("hidden"))};
    }
    return std::nullopt;
}

bool near(const QByteArray &a, const QByteArray &b)
{
    return std::abs(a.toInt() - b.toInt()) <= kSlack;
}

} // namespace

const char *promiseName(Promise promise)
{
    for (const PromiseInfo &info : kPromises)
        if (info.promise == promise)
            return info.name;
    return "";
}

PromiseSwitches PromiseSwitches::all()
{
    PromiseSwitches switches;
    for (bool &on : switches.m_on)
        on = true;
    return switches;
}

PromiseSwitches PromiseSwitches::holding()
{
    PromiseSwitches switches;
    for (const PromiseInfo &info : kPromises)
        switches.set(info.promise, !*info.waitsFor);
    return switches;
}

PromiseSwitches PromiseSwitches::fromEnvironment()
{
    const QByteArray asked = qgetenv("TESK_LAYOUT_PROMISES");
    if (asked == "all")
        return all();
    const QList<QByteArray> names = asked.split(',');
    PromiseSwitches switches;
    for (const PromiseInfo &info : kPromises)
        switches.set(info.promise, !*info.waitsFor || names.contains(info.name));
    return switches;
}

QString PromiseSwitches::describeOff() const
{
    QString off;
    for (const PromiseInfo &info : kPromises)
        if (!on(info.promise))
            off += QStringLiteral("  %1 (%2)\n")
                       .arg(QLatin1String(info.name), QLatin1String(info.waitsFor));
    return off;
}

int areaOf(const MainWindow *window, TeskHandle box)
{
    DockWidget *dock = window->findDockWidgetByBox(box);
    if (!dock || dock->isFloating() || !dock->isVisible())
        return -1;
    return areaNumber(window->dockWidgetArea(dock));
}

int areaNumber(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::LeftDockWidgetArea:
        return 1;
    case Qt::RightDockWidgetArea:
        return 2;
    case Qt::BottomDockWidgetArea:
        return 3;
    default:
        return -1;
    }
}

int acrossExtent(const MainWindow *window, TeskHandle box)
{
    DockWidget *dock = window->findDockWidgetByBox(box);
    const int area = areaOf(window, box);
    // The tab shown of a group stands for the group's line; the toolkit keeps the others out
    // of sight.
    if (area < 0 || (!window->tabifiedDockWidgets(dock).isEmpty() &&
                     !window->rect().contains(dock->geometry())))
        return 0;
    return area == 3 ? dock->height() : dock->width();
}

int lineAcrossExtent(const MainWindow *window, TeskHandle box)
{
    const DockWidget *shown = shownForGroup(window, box);
    return shown ? acrossExtent(window, shown->windowBox()) : 0;
}

namespace {

// The docks standing in an area and shown (a tab out of sight too) that the toolkit holds in
// the dock's group, and those the layout's picture holds there.
std::optional<Broken> groupsAsShown(const MainWindow *window)
{
    const tesk::frame::DockLayout &layout = window->dockLayout();
    const auto docked = [window](const QDockWidget *dock) {
        return dock->isVisible() && !dock->isFloating() &&
               window->dockWidgetArea(const_cast<QDockWidget *>(dock)) != Qt::NoDockWidgetArea;
    };
    const auto names = [](const QSet<const QDockWidget *> &docks) {
        QStringList titles;
        for (const QDockWidget *dock : docks)
            titles.append(dock->windowTitle());
        titles.sort();
        return titles.join(QLatin1Char(','));
    };
    for (const DockWidget *dock : window->findChildren<DockWidget *>()) {
        const tesk::frame::DockArea area = layout.areaOf(dock);
        if (!docked(dock) || area == tesk::frame::DockArea::None)
            continue;
        QSet<const QDockWidget *> shown{dock};
        for (const QDockWidget *tab : window->tabifiedDockWidgets(const_cast<DockWidget *>(dock)))
            if (docked(tab))
                shown.insert(tab);
        QSet<const QDockWidget *> pictured;
        for (int l = 0; l < layout.lineCount(area); ++l)
            for (const QDockWidget *member : layout.line(area, l))
                if (docked(member) && layout.standingOf(member) == layout.standingOf(dock))
                    pictured.insert(member);
        if (shown != pictured)
            return Broken{Promise::GroupsAsShown,
                          QStringLiteral("%1 shown in a group of %2, its picture holds %3")
                              .arg(dock->windowTitle(), names(shown), names(pictured))};
    }
    return std::nullopt;
}

// The picture's lines and groups stand in the order the toolkit shows them: the next window
// goes after the group the picture holds last, and a window docked back stands where the
// picture says.
std::optional<Broken> pictureInOrder(const MainWindow *window)
{
    const tesk::frame::DockLayout &layout = window->dockLayout();
    const auto docked = [window](const QDockWidget *dock) {
        return dock->isVisible() && !dock->isFloating() &&
               window->dockWidgetArea(const_cast<QDockWidget *>(dock)) != Qt::NoDockWidgetArea;
    };
    for (const auto area : {tesk::frame::DockArea::Left, tesk::frame::DockArea::Right,
                            tesk::frame::DockArea::Bottom}) {
        const bool bottom = area == tesk::frame::DockArea::Bottom;
        const QDockWidget *before = nullptr;
        for (int l = 0; l < layout.lineCount(area); ++l)
            for (const QDockWidget *member : layout.line(area, l)) {
                if (!docked(member) || !window->rect().contains(member->geometry()))
                    continue;
                const auto spot = [bottom](const QDockWidget *d) {
                    return bottom ? std::pair(d->y(), d->x()) : std::pair(d->x(), d->y());
                };
                if (before && spot(member) <= spot(before))
                    return Broken{Promise::PictureInOrder,
                                  QStringLiteral("%1 at %2 stands after %3 at %4 in the picture")
                                      .arg(member->windowTitle(), qtext(member->geometry()),
                                           before->windowTitle(), qtext(before->geometry()))};
                before = member;
            }
    }
    return std::nullopt;
}

std::optional<Broken> checkAll(const MainWindow *window, const Asked &asked,
                               const PromiseSwitches &switches)
{
    const Promise frame =
        asked.windowManager ? Promise::FrameUnderAWindowManager : Promise::FrameWithinFreeArea;
    if (asked.shown && window->isVisible() && switches.on(frame))
        if (auto broken = frameWithinFreeArea(window)) {
            broken->promise = frame;
            return broken;
        }
    if (auto broken = dockPromises(window, asked, switches))
        return broken;
    if (asked.shown && window->isVisible() && switches.on(Promise::GroupsAsShown))
        if (auto broken = groupsAsShown(window))
            return broken;
    if (asked.shown && window->isVisible() && switches.on(Promise::PictureInOrder))
        if (auto broken = pictureInOrder(window))
            return broken;
    if (asked.shown && asked.windowManager && switches.on(Promise::SeenOnTheDisplay)) {
        const QString seen = xview::mismatch(window);
        if (!seen.isEmpty())
            return Broken{Promise::SeenOnTheDisplay, seen};
    }
    if (switches.on(Promise::ToolbarsAsSet))
        return toolbarsAsSet(window, asked);
    return std::nullopt;
}

} // namespace

std::optional<Broken> check(const MainWindow *window, const Asked &asked,
                            const PromiseSwitches &switches)
{
    // Once a drag lost its release, whatever breaks is put down to that; a promise still
    // waiting for its own mend stays off.
    if (!asked.releaseLost)
        return checkAll(window, asked, switches);
    if (!switches.on(Promise::AllAfterALostRelease))
        return std::nullopt;
    auto broken = checkAll(window, asked, switches);
    if (broken)
        broken->promise = Promise::AllAfterALostRelease;
    return broken;
}

void keepWhatTheFitLeft(const MainWindow *window, Asked &asked)
{
    QMap<TeskHandle, int> left;
    for (auto it = asked.docks.cbegin(); it != asked.docks.cend(); ++it) {
        const int across = acrossExtent(window, it.key());
        if (it->keptArea >= 0 && across > 0 && areaOf(window, it.key()) == it->keptArea &&
            keepable(window, asked, it.key()) < it->keptAcross)
            left.insert(it.key(), across);
    }
    for (auto it = left.cbegin(); it != left.cend(); ++it)
        asked.docks[it.key()].keptAcross = it.value();
}

Picture takePicture(TeskHandle window)
{
    Picture picture;
    char buffer[tesk::frame::kLayoutRecordSize];
    QtSortWindowList(window);
    for (int i = 0; i < QtDockWindowCount(window); ++i) {
        CuiGetDockWindowPersistanceData(window, i, buffer);
        picture.docks.append(buffer);
    }
    for (int i = 0; i < QtToolbarCount(window); ++i) {
        picture.toolbarTitles.append(QtReturnToolbarTitle(window, i));
        QtToolbarData(window, i, buffer);
        picture.toolbars.append(buffer);
    }
    return picture;
}

namespace {

// The place and size of a floating record (x at field `at`, then y, and the size at `size`)
// lie within the free area: only then must they come back as they were.
bool placeKept(const QList<QByteArray> &record, int at, int size, const QRect &free)
{
    return free.contains(QRect(record.value(at).toInt(), record.value(at + 1).toInt(),
                               record.value(size).toInt(), record.value(size + 1).toInt()));
}

} // namespace

QString differenceBetween(const Picture &stored, const Picture &restored, const QRect &free)
{
    if (stored.docks.size() != restored.docks.size())
        return QStringLiteral("%1 dock records, %2 restored")
            .arg(stored.docks.size())
            .arg(restored.docks.size());
    // Caption, area, new line and index, then x, y, width and height, visible and goto.
    const bool exact[] = {true, true, true, true, false, false, false, false, true, true};
    for (int i = 0; i < stored.docks.size(); ++i) {
        const QList<QByteArray> a = fields(stored.docks[i]);
        const QList<QByteArray> b = fields(restored.docks[i]);
        // A docked window's place is the toolkit's; only a floating one's is the layout's.
        const bool floating = a.value(1) == "4" && placeKept(a, 4, 6, free);
        for (int f = 0; f < 10; ++f) {
            const bool same = exact[f] ? a.value(f) == b.value(f)
                                       : ((f < 6 && !floating) || near(a.value(f), b.value(f)));
            if (!same)
                return QStringLiteral("dock record %1 stored \"%2\", restored \"%3\"")
                    .arg(i)
                    .arg(QString::fromLatin1(stored.docks[i]),
                         QString::fromLatin1(restored.docks[i]));
        }
    }
    for (int i = 0; i < stored.toolbars.size(); ++i) {
        const int j = restored.toolbarTitles.indexOf(stored.toolbarTitles[i]);
        const QList<QByteArray> a = fields(stored.toolbars[i]);
        const QList<QByteArray> b = fields(restored.toolbars.value(j));
        // New line, index, then x and y (the toolkit's while docked), hidden.
        const bool floating = a.value(1) == "-1" && placeKept(a, 2, 6, free);
        const bool same =
            j >= 0 && a.value(0) == b.value(0) && a.value(1) == b.value(1) &&
            a.value(5) == b.value(5) &&
            (!floating || (near(a.value(2), b.value(2)) && near(a.value(3), b.value(3))));
        if (!same)
            return QStringLiteral("toolbar %1 stored \"%2\", restored \"%3\"")
                .arg(QString::fromLatin1(stored.toolbarTitles[i]),
                     QString::fromLatin1(stored.toolbars[i]),
                     QString::fromLatin1(restored.toolbars.value(j)));
    }
    return {};
}

QString frontDiffersFrom(const MainWindow *window, const Picture &records, bool recordedOnly)
{
    QMap<QString, int> visible;
    for (const QByteArray &record : records.docks) {
        const tesk::frame::DockRecord read = tesk::frame::readDockRecord(record);
        visible.insert(read.caption, read.visible);
    }
    const auto docked = [window](const QDockWidget *dock) {
        return dock->isVisible() && !dock->isFloating() &&
               window->dockWidgetArea(const_cast<QDockWidget *>(dock)) != Qt::NoDockWidgetArea;
    };
    for (const DockWidget *dock : window->findChildren<DockWidget *>()) {
        const QList<QDockWidget *> mates =
            window->tabifiedDockWidgets(const_cast<DockWidget *>(dock));
        if (!docked(dock) || !visible.contains(dock->windowTitle()) ||
            std::none_of(mates.begin(), mates.end(), docked))
            continue;
        // The toolkit moves the tabs behind out of sight.
        const QRect shown = dock->geometry();
        const bool inFront = shown.right() >= 0 && shown.bottom() >= 0;
        const int recorded = visible.value(dock->windowTitle());
        if (recorded == tesk::frame::kShownInFront ? !inFront : inFront && !recordedOnly)
            return QStringLiteral("%1 stands %2 its group of tabs, its record says %3")
                .arg(dock->windowTitle(), inFront ? QStringLiteral("in front of")
                                                  : QStringLiteral("behind the front of"))
                .arg(recorded);
    }
    return {};
}

QString showDiffersFrom(const Picture &beforeShow, const Picture &shown, const QRect &free,
                        bool framed)
{
    for (const QByteArray &record : beforeShow.docks) {
        const QList<QByteArray> a = fields(record);
        QList<QByteArray> b;
        for (const QByteArray &other : shown.docks)
            if (fields(other).value(0) == a.value(0))
                b = fields(other);
        const int area = a.value(1).toInt();
        const int across = area == 3 ? 7 : 6;
        bool same = b.size() == a.size() && a.value(1) == b.value(1) && a.value(8) == b.value(8);
        if (same && area == 4 && placeKept(a, 4, 6, free))
            for (const int f : {4, 5, 6, 7})
                same = same && ((f < 6 && framed) || near(a.value(f), b.value(f)));
        // The fit may show less than was set, where the screen has no room for it.
        if (same && area >= 1 && area <= 3 && a.value(8) != "0")
            same = b.value(across).toInt() <= a.value(across).toInt() + kSlack;
        if (!same)
            return QStringLiteral("read before the show \"%1\", after it \"%2\"")
                .arg(QString::fromLatin1(record), QString::fromLatin1(b.join(':')));
    }
    return {};
}

} // namespace testhost::layout
