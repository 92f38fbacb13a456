#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklayoutprivate.h"
#include "frame/windows/docking/dockstyle.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDockWidget>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPointer>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTimer>

#include <algorithm>
#include <utility>

namespace tesk::frame {

namespace {

using namespace tesk::frame::docklayout;

Qt::DockWidgetArea toolkitArea(DockArea area)
{
    switch (area) {
    case DockArea::Left:
        return Qt::LeftDockWidgetArea;
    case DockArea::Right:
        return Qt::RightDockWidgetArea;
    case DockArea::Bottom:
        return Qt::BottomDockWidgetArea;
    default:
        return Qt::NoDockWidgetArea;
    }
}

DockArea fromToolkit(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::LeftDockWidgetArea:
        return DockArea::Left;
    case Qt::RightDockWidgetArea:
        return DockArea::Right;
    case Qt::BottomDockWidgetArea:
        return DockArea::Bottom;
    case Qt::TopDockWidgetArea:
        return DockArea::Top;
    default:
        return DockArea::None;
    }
}

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
        QList<QDockWidget *> changed;
        for (const auto &[dock, size] : std::as_const(m_pressed))
            if (dock && !dock->isFloating() && dock->size() != size)
                changed.append(dock);
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

// Toolbars added, shown or moved to a line of their own, and a screen whose free area changed,
// change what the main window needs and has: the fit runs again once the window has been
// laid out, and once a drag of the user has ended.
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
};

} // namespace

bool hiddenByRequest(const QDockWidget *dock)
{
    return dock->isHidden() && dock->testAttribute(Qt::WA_WState_ExplicitShowHide);
}

DockLayout::DockLayout(QMainWindow *window)
    : m_window(window)
    , m_separatorDrags(std::make_unique<SeparatorDrags>(window, this))
    , m_fitWatch(std::make_unique<FitWatch>(window, this))
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

DockLayout::LineSizes DockLayout::linesShown(DockArea area, const QDockWidget *leaving) const
{
    LineSizes lines;
    for (const auto &l : m_lines[int(area) - 1])
        for (QDockWidget *member : l)
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
    if (!m_window->isVisible() || !isPlacedArea(area) || dock->isFloating() || dragging()) {
        show();
        return;
    }
    settle();
    LineSizes lines = linesShown(area, dock);
    const QList<QDockWidget *> &line = m_lines[int(area) - 1][find(dock).line];
    const bool lineShown = std::any_of(line.begin(), line.end(), [&](QDockWidget *member) {
        return lines.docks.contains(member);
    });
    // The room the code can give without a line shown having to: the lines shown keep theirs.
    const int room = across(area) == Qt::Vertical ? roomAboveBottom() : roomBesideCode();
    show();
    settle();
    // A line shown again stands as far across as its extent, as far as that room reaches (and
    // at least at its least, which the fit then makes room for). Given all at once, the
    // toolkit also takes the area's room anew: it would otherwise keep the room the area had
    // without the line, and push the line beyond the window.
    if (!lineShown && dock->isVisible() && !dock->isFloating()) {
        const int extent = lengthIn(across(area), m_extents.value(standingOf(dock), dock->size()));
        lines.docks.append(dock);
        lines.sizes.append(
            qMin(extent, qMax(room - separator(), lengthIn(across(area), leastSize(dock)))));
    }
    keepLines(area, lines);
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

void DockLayout::dragEnded(const QList<QDockWidget *> &changed)
{
    // The extents kept are the ones dragged: a window joining or leaving the area later shares
    // out the rest, and the records carry them.
    for (const DockArea area : {DockArea::Left, DockArea::Right, DockArea::Bottom})
        keepShownSizes(area);
    for (const QDockWidget *dock : changed) {
        hold(dock);
        m_recordedAlong.remove(dock);
    }
    rememberLines(Remember::All);
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
    const QSize since = m_sizeAnswered.isValid() ? m_sizeAnswered : from;
    m_smallestUnanswered = since.isValid() ? since.boundedTo(size) : size;
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
            m_sizeAnswered = size;
            rememberLines(Remember::KeepingCuts);
        });
    });
}

std::pair<QDockWidget *, int> DockLayout::lineShownAcross(DockArea area,
                                                          const QList<QDockWidget *> &line) const
{
    const QList<QDockWidget *> standingShown = shownStanding(line);
    if (standingShown.isEmpty())
        return {nullptr, 0};
    QDockWidget *first = standingShown.first();
    for (const QDockWidget *member : groupAt(line, int(line.indexOf(first))))
        if (shownIn(member, area)) {
            const int row =
                across(area) == Qt::Vertical && showsTabRow(first) ? tabRowBeneath(member) : 0;
            return {first, lengthIn(across(area), member->size()) + row};
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
            const bool set = how == Remember::All || area == setting ||
                             (how == Remember::Shown && !m_givingBack);
            if (m_cut.contains(first) && !set) {
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
            // may take more than it showed before, and another less.
            over.append(area != sharing && m_cut.contains(first) && was > 0 ? qMax(0, size - was)
                                                                            : 0);
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
    m_held.insert(dock);
    m_held.insert(standingOf(dock));
}

bool DockLayout::held(const QDockWidget *dock) const
{
    return m_held.contains(dock);
}

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
    QDockWidget *last = lines.isEmpty() ? nullptr : lines.last().last();
    // A line the fit filled stays full: the window joins the tabs at its end at once. A new
    // line may still find room across the area; tabs the user made say nothing of room.
    if (last && !newLine && m_fitTabs.contains(last) && groupShown(standingOf(last))) {
        QDockWidget *standing = standingOf(last);
        lines.last().append(dock);
        tabGroupOnto(standing, {dock});
        m_fitTabs.insert(dock);
        keepTabsReadable();
        // A pane the host opens is the tab shown of its group: a new one is shown here, in one
        // pass with its tab made, as the toolkit gives a hidden window no tab to raise.
        if (!hiddenByRequest(dock)) {
            if (!dock->testAttribute(Qt::WA_WState_ExplicitShowHide))
                dock->show();
            settle();
            dock->raise();
        }
        return;
    }
    if (!last || newLine) {
        m_window->addDockWidget(toolkitArea(area), dock, across(area));
        lines.append({dock});
    } else if (!tabbed(last) && !hasTabs(last) && !m_leftInGroup.contains(last)) {
        m_window->splitDockWidget(last, dock, along(area));
        lines.last().append(dock);
    } else if (lines.size() == 1) {
        // The toolkit splits a tab's place within its group, as one more tab: a window after
        // a group goes to the end of the area's only line instead.
        m_window->addDockWidget(toolkitArea(area), dock, along(area));
        lines.last().append(dock);
    } else if (!m_leftInGroup.contains(standingOf(last)) && !holdsFloatedPlace(standingOf(last))) {
        // The toolkit splits a window of a group as one more tab of it: the group's tabs step
        // out for the split and come back onto their window, so that a restore can set a
        // window beside a group as it stood.
        if (splitBesideGroup(standingOf(last), dock))
            lines.last().append(dock);
        else
            joinGroupAtLineEnd(dock, last);
    } else {
        // After a group at the end of a later line the toolkit has no place but the group, nor
        // beside a group that keeps the place of a window gone from it.
        joinGroupAtLineEnd(dock, last);
    }
    // The toolkit counts only windows shown: a new one is shown here, not after.
    if (!dock->testAttribute(Qt::WA_WState_ExplicitShowHide))
        dock->show();
    m_sizeBeforePlacing = before;
    m_linesBeforePlacing = linesBefore;
    fit(dock);
}

void DockLayout::joinGroupAtLineEnd(QDockWidget *dock, const QDockWidget *last)
{
    const Position p = find(last);
    m_lines[p.area][p.line].append(dock);
    tabGroupOnto(standingOf(last), {dock});
    keepTabsReadable();
    // The tab shown: the toolkit gives a hidden window no tab to raise.
    if (hiddenByRequest(dock))
        return;
    if (!dock->testAttribute(Qt::WA_WState_ExplicitShowHide))
        dock->show();
    settle();
    dock->raise();
}

bool DockLayout::placeAsTab(QDockWidget *dock, QDockWidget *onto)
{
    const Position p = find(onto);
    if (p.area < 0 || dock == onto)
        return false;
    const QScopedValueRollback<bool> placing(m_placing, true);
    m_style->adopt(dock);
    take(dock);
    QDockWidget *standing = standingOf(onto);
    auto &line = m_lines[p.area][find(standing).line];
    dock->setFloating(false);
    insertBehindGroup(line, standing, {dock});
    tabGroupOnto(standing, {dock});
    keepTabsReadable();
    settle();
    return true;
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

void DockLayout::insertBehindGroup(QList<QDockWidget *> &line, const QDockWidget *onto,
                                   const QList<QDockWidget *> &docks) const
{
    // Behind the group's last tab, so that the group stays together; at the line's end where
    // the window is not in the line, rather than before its start.
    const int slot = int(line.indexOf(const_cast<QDockWidget *>(onto)));
    const int at = slot < 0 ? int(line.size()) : slot + int(groupAt(line, slot).size());
    for (int i = 0; i < docks.size(); ++i)
        line.insert(at + i, docks[i]);
}

bool DockLayout::splitBesideGroup(QDockWidget *standing, QDockWidget *dock)
{
    const Position p = find(standing);
    QList<QDockWidget *> tabs = groupAt(m_lines[p.area][p.line], p.slot);
    tabs.removeFirst();
    const QDockWidget *front = shownOfGroup(standing);
    for (QDockWidget *tab : tabs)
        m_window->addDockWidget(toolkitArea(DockArea(p.area + 1)), tab,
                                across(DockArea(p.area + 1)));
    // A group can keep a place the layout knows of no more (a tab floated out of it, docked
    // back and stepped out again): its window still stands in the toolkit's group, whose split
    // is one more tab there, without a tab row, and the group and the window went out of sight.
    // It is a group to join then.
    const bool split = !inToolkitGroup(standing);
    if (split)
        m_window->splitDockWidget(standing, dock, along(DockArea(p.area + 1)));
    else
        m_leftInGroup.insert(standing);
    for (QDockWidget *tab : tabs)
        m_window->tabifyDockWidget(standing, tab);
    if (front)
        const_cast<QDockWidget *>(front)->raise();
    return split;
}

void DockLayout::tabGroupOnto(QDockWidget *standing, const QList<QDockWidget *> &group)
{
    // Recorded first: the toolkit tells of each tab as it is made, while the group's others
    // still stand on the window they stood on.
    for (QDockWidget *dock : group)
        m_tabOf.insert(dock, standing);
    for (QDockWidget *dock : group)
        m_window->tabifyDockWidget(standing, dock);
    // The group is as large as its standing window.
    if (m_extents.contains(standing))
        for (QDockWidget *dock : group)
            m_extents.insert(dock, m_extents.value(standing));
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
    for (QTabBar *bar : m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
        if (!bar->property(kSet).toBool() || bar->elideMode() != Qt::ElideNone ||
            !bar->usesScrollButtons()) {
            bar->setElideMode(Qt::ElideNone);
            bar->setUsesScrollButtons(true);
            bar->setProperty(kSet, true);
        }
        m_style->adopt(bar);
    }
}

QList<QDockWidget *> DockLayout::shownStanding(const QList<QDockWidget *> &line) const
{
    QList<QDockWidget *> shown;
    for (QDockWidget *dock : line)
        if (!tabbed(dock) && groupShown(dock))
            shown.append(dock);
    return shown;
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

bool DockLayout::holdsFloatedPlace(QDockWidget *standing) const
{
    // The toolkit keeps the place of a window floated out of a group among its tabs, for when
    // it docks again: with its tabs stepped out, the group's window is still no window alone,
    // and a split of it would be one more tab of a group that shows none. It names the group's
    // windows only while the group shows one: of a group hidden whole, the window floated is
    // known by the group it left.
    const QList<QDockWidget *> tabs = m_window->tabifiedDockWidgets(standing);
    for (const QDockWidget *dock : m_window->findChildren<QDockWidget *>()) {
        const QDockWidget *left = m_formerGroupmate.value(dock);
        if (dock->isFloating() && (tabs.contains(dock) || (left && standingOf(left) == standing)))
            return true;
    }
    return false;
}

bool DockLayout::inToolkitGroup(const QDockWidget *dock) const
{
    // The toolkit's tab rows name their windows in their tabs' data, and it hides a row it no
    // longer uses.
    settle();
    for (const QTabBar *bar : m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
        for (int tab = 0; bar->isVisibleTo(m_window) && tab < bar->count(); ++tab)
            if (bar->tabData(tab).value<quintptr>() == reinterpret_cast<quintptr>(dock))
                return true;
    return false;
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

QList<QDockWidget *> DockLayout::standing(const QList<QDockWidget *> &line) const
{
    QList<QDockWidget *> standing;
    for (QDockWidget *dock : line)
        if (!tabbed(dock))
            standing.append(dock);
    return standing;
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
    const Position former = m_formerPlace.value(dock);
    if (dock == m_returning && former.area == int(shown) - 1) {
        // Back where it stood: the toolkit keeps the place of a floating window in its line,
        // or its line, for when it docks again.
        const int line = qMin(former.line, int(lines.size()));
        if (former.slot < 0 || line == lines.size()) {
            lines.insert(line, {dock});
        } else {
            // Never inside a group: its tabs follow the window they stand on.
            int slot = qMin(former.slot, int(lines[line].size()));
            while (slot < lines[line].size() && tabbed(lines[line][slot]))
                ++slot;
            lines[line].insert(slot, dock);
        }
        rejoinGroup(dock);
        // The others of its group gone, the toolkit still puts it back in that group, alone.
        if (!tabbed(dock) && !hasTabs(dock) && inToolkitGroup(dock))
            m_leftInGroup.insert(dock);
    } else if (lines.isEmpty()) {
        lines.append({dock});
    } else {
        lines.last().append(dock);
    }
    return true;
}

void DockLayout::rejoinGroup(QDockWidget *dock)
{
    // The toolkit kept the window's place in its group of tabs, and puts it back there: the
    // layout must know it as a tab, or a window split beside it joins the group unseen.
    const QDockWidget *mate = m_formerGroupmate.value(dock);
    const Position p = find(dock);
    const Position at = mate ? find(mate) : Position();
    if (at.area != p.area || at.line != p.line)
        return;
    QDockWidget *standing = standingOf(mate);
    if (!hasTabs(standing) && !m_leftInGroup.contains(standing))
        return;
    auto &line = m_lines[p.area][p.line];
    line.removeAt(p.slot);
    insertBehindGroup(line, standing, {dock});
    m_tabOf.insert(dock, standing);
    if (m_extents.contains(standing))
        m_extents.insert(dock, m_extents.value(standing));
}

void DockLayout::dockBack(QDockWidget *dock)
{
    {
        const QScopedValueRollback<QDockWidget *> returning(m_returning, dock);
        dock->setFloating(false);
    }
    // As a window placed there: the lines no one sized share the area anew, so that the next
    // window placed does not do it for this one.
    if (!dock->isFloating())
        shareEvenly(areaOf(dock));
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

void DockLayout::keepShownSizes(DockArea area, bool heldAcrossToo)
{
    settle();
    for (const auto &l : m_lines[int(area) - 1])
        for (QDockWidget *dock : l)
            if (shownIn(dock, area)) {
                // The tab shown has the size of its whole group.
                QSize size = dock->size();
                QDockWidget *standing = standingOf(dock);
                if (!heldAcrossToo && held(standing) && m_extents.contains(standing)) {
                    const QSize kept = m_extents.value(standing);
                    if (across(area) == Qt::Horizontal)
                        size.setWidth(kept.width());
                    else
                        size.setHeight(kept.height());
                }
                m_extents.insert(dock, size);
                for (QDockWidget *tab : groupAt(l, int(l.indexOf(standing))))
                    m_extents.insert(tab, size);
            }
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
        QHash<const QDockWidget *, int> order;
        for (const auto &l : lines)
            for (QDockWidget *dock : l)
                order.insert(dock, int(order.size()));
        QList<QDockWidget *> shown;
        for (const auto &l : lines)
            for (QDockWidget *dock : l)
                if (shownIn(dock, area))
                    shown.append(dock);
        std::stable_sort(shown.begin(), shown.end(), [&](QDockWidget *a, QDockWidget *b) {
            return acrossOf(a) != acrossOf(b) ? acrossOf(a) < acrossOf(b) : alongOf(a) < alongOf(b);
        });
        // Each window shown stands for its group as the toolkit holds it (the user may have
        // dropped windows onto others as tabs, or dragged tabs out), in the order they had.
        QHash<const QDockWidget *, QDockWidget *> tabOf;
        QList<QList<QDockWidget *>> rebuilt;
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
            for (QDockWidget *tab : group.mid(1))
                tabOf.insert(tab, group.first());
            for (QDockWidget *member : group)
                placed.insert(member);
            if (rebuilt.isEmpty() || lineAcross != acrossOf(dock)) {
                rebuilt.append(QList<QDockWidget *>());
                lineAcross = acrossOf(dock);
            }
            rebuilt.last() += group;
        }
        // Hidden windows go back to the line and place they had, as near as the new lines
        // allow, so that showing them again puts them where the user last saw them; a hidden
        // tab goes back to its group. A line hidden whole stays a line of its own where it
        // was: joined to its neighbour, it would take that line's break away.
        QHash<int, int> rebuiltOf;
        for (int l = 0; l < lines.size(); ++l)
            for (QDockWidget *dock : lines[l])
                for (int r = 0; r < rebuilt.size() && !rebuiltOf.contains(l); ++r)
                    if (rebuilt[r].contains(dock))
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
            rebuilt.insert(at, QList<QDockWidget *>());
            for (auto it = rebuiltOf.begin(); it != rebuiltOf.end(); ++it)
                if (it.value() >= at)
                    ++it.value();
            rebuiltOf.insert(l, at);
            return at;
        };
        for (int l = 0; l < lines.size(); ++l)
            for (int slot = 0; slot < lines[l].size(); ++slot) {
                QDockWidget *dock = lines[l][slot];
                if (placed.contains(dock))
                    continue;
                placed.insert(dock);
                QDockWidget *standing = m_tabOf.value(dock);
                if (standing && tabOf.value(standing, standing) == standing &&
                    placed.contains(standing)) {
                    for (auto &target : rebuilt) {
                        const int at = int(target.indexOf(standing));
                        if (at < 0)
                            continue;
                        int end = at + 1;
                        while (end < target.size() && tabOf.value(target[end]) == standing)
                            ++end;
                        target.insert(end, dock);
                        tabOf.insert(dock, standing);
                        break;
                    }
                    continue;
                }
                auto &target = rebuilt[lineFor(l)];
                // Never inside a group.
                int at = qMin(slot, int(target.size()));
                while (at < target.size() && tabOf.contains(target[at]))
                    ++at;
                target.insert(at, dock);
            }
        for (const auto &l : lines)
            for (const QDockWidget *dock : l) {
                m_tabOf.remove(dock);
                // The user took it out of its tabs: it no longer says the line is full.
                if (!tabOf.contains(dock))
                    m_fitTabs.remove(dock);
            }
        m_tabOf.insert(tabOf);
        lines = rebuilt;
    }
}

void DockLayout::assignExtent(const QDockWidget *dock, QSize extent)
{
    m_extents.insert(dock, extent);
}

void DockLayout::restoreExtent(QDockWidget *dock, QSize extent)
{
    setExtent(dock, extent);
    if (isPlacedArea(areaOf(dock)) && !hiddenByRequest(dock) && !tabbed(dock))
        m_recordedAlong.insert(dock, lengthIn(along(areaOf(dock)), extent));
}

void DockLayout::setExtent(QDockWidget *dock, QSize extent)
{
    // Sized anew, it no longer keeps what its record gave.
    m_recordedAlong.remove(dock);
    const Position p = find(dock);
    // A hidden window takes the extent for when it shows: its line stands as far across as
    // the windows shown there, whatever sizes they were given.
    if (p.area < 0 || hiddenByRequest(dock)) {
        m_extents.insert(dock, extent);
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
    const QList<QDockWidget *> line = standing(m_lines[p.area][p.line]);
    // The windows of the line a record brought back take the lengths it gave: shared out in
    // proportion to what they show, each record restored after them squeezed those before.
    const auto recorded = [&](const QDockWidget *other) {
        return other != dock && m_recordedAlong.contains(other) && shownIn(other, area);
    };
    int length = 0;
    int others = 0;
    int kept = 0;
    for (QDockWidget *other : line) {
        const int size = alongOf(m_extents.value(other, other->size()));
        length += size;
        if (recorded(other))
            kept += m_recordedAlong.value(other);
        else if (other != dock)
            others += size;
    }
    m_extents.insert(dock, extent);
    // The line is as long as it was: the window takes its length, the others share the rest
    // as they shared the line. Were they all given the lengths they had, the toolkit would
    // take the excess evenly from every window, this one too.
    const int rest = length - alongOf(extent) - kept;
    for (QDockWidget *other : m_lines[p.area][p.line]) {
        QSize size = m_extents.value(other, other->size());
        if (recorded(other)) {
            if (along(area) == Qt::Vertical)
                size.setHeight(m_recordedAlong.value(other));
            else
                size.setWidth(m_recordedAlong.value(other));
        } else if (other != dock && others > 0 && rest > 0 && !tabbed(other)) {
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
            size.setHeight(extent.height());
        m_extents.insert(other, tabbed(other) ? m_extents.value(standingOf(other), size) : size);
    }
    applyExtents(area, dock);
}

void DockLayout::shareEvenly(DockArea area)
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
    for (const auto &l : lines)
        for (QDockWidget *dock : l) {
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
    const int lineCount = qMax<int>(
        1, int(std::count_if(lines.begin(), lines.end(), [this](const QList<QDockWidget *> &l) {
            return !shownStanding(l).isEmpty();
        })));
    // A line the user's layout sized keeps its room: the others share what it leaves, else
    // each window joining the area would grow them by a share of the held line's room too.
    int heldRoom = 0;
    int heldLines = 0;
    for (const auto &l : lines) {
        const QList<QDockWidget *> shownHere = shownStanding(l);
        const auto heldOne = std::find_if(shownHere.begin(), shownHere.end(),
                                          [this](const QDockWidget *d) { return held(d); });
        if (heldOne == shownHere.end())
            continue;
        // A group shows the size of its tab shown: the window standing, out of sight, keeps
        // the size it last showed, which may be more than the whole area now has.
        const QDockWidget *shownOne = shownOfGroup(*heldOne);
        heldRoom += lengthIn(across(area), (shownOne ? shownOne : *heldOne)->size());
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
    for (const auto &l : lines) {
        const int inLine = int(standing(l).size());
        const QSize shared = along(area) == Qt::Vertical
                                 ? QSize(acrossShared, size.height() / inLine)
                                 : QSize(size.width() / inLine, acrossShared);
        for (QDockWidget *dock : l) {
            // A window the user's layout sized keeps that size when another joins the area.
            if (!held(standingOf(dock)))
                m_extents.insert(dock, shared);
        }
    }
    growToPanes(area);
}

void DockLayout::growToPanes(DockArea area)
{
    if (!isPlacedArea(area))
        return;
    const auto &lines = m_lines[int(area) - 1];
    if (lines.isEmpty())
        return;
    // A pane that has just shown knows its size once its layouts have taken in what it asks
    // for, which the toolkit does on its next turn: what the panes ask for is read now.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
    // The area's share of the window: a third of its width beside the code, two fifths of its
    // height below it, split among the area's lines.
    const int share =
        (across(area) == Qt::Horizontal ? m_window->width() / 3 : m_window->height() * 2 / 5) /
        int(lines.size());
    const auto acrossOf = [&](QSize size) {
        return across(area) == Qt::Horizontal ? size.width() : size.height();
    };
    for (const auto &l : lines) {
        // The user's layout, as a record brought it back or as dragged, is not undone.
        if (std::any_of(l.begin(), l.end(), [this](const QDockWidget *d) { return held(d); }))
            continue;
        // A pane that asks for more room than the line has (a register pane for its widest
        // value, a memory view for its rows) gets it, as far as the share reaches.
        int wanted = 0;
        for (QDockWidget *dock : l) {
            const QWidget *content = dock->widget();
            if (!content)
                continue;
            // The title bar stands across a bottom area, beside nothing in a side area.
            const int title =
                across(area) == Qt::Vertical ? qMax(0, dock->height() - content->height()) : 0;
            // Room for the dock's scroll bar too: a pane with less room along the area than it
            // needs scrolls within its dock, and that bar stands across it.
            const int bar = dock->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, dock);
            wanted = qMax(wanted, acrossOf(content->sizeHint()) + title + bar);
        }
        wanted = qMin(wanted, share);
        for (QDockWidget *dock : l) {
            QSize size = m_extents.value(dock, dock->size());
            if (acrossOf(size) >= wanted)
                continue;
            if (across(area) == Qt::Horizontal)
                size.setWidth(wanted);
            else
                size.setHeight(wanted);
            m_extents.insert(dock, size);
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
    const auto withRow = [&](QDockWidget *dock, QSize size) {
        if (showsTabRow(dock))
            size.rheight() += row;
        return size;
    };
    QList<QDockWidget *> firsts;
    QList<int> acrossSizes;
    Asked request;
    const QHash<const QDockWidget *, int> shownBefore = m_window->isVisible() && !dragging()
                                                            ? linesAcross()[int(area) - 1]
                                                            : QHash<const QDockWidget *, int>();
    for (const auto &all : lines) {
        // A group of tabs has one size: its first window's.
        const QList<QDockWidget *> l = standing(all);
        for (QDockWidget *dock : l) {
            request.docks.append(dock);
            request.sizes.append(
                lengthIn(along(area), withRow(dock, m_extents.value(dock, dock->size()))));
        }
        request.docks.append(nullptr);
        request.sizes.append(0);
        // The line stands as far across as its windows shown: a hidden one may keep another
        // extent for when it shows.
        const QList<QDockWidget *> shown = shownStanding(all);
        QDockWidget *first = shown.isEmpty() ? l.first() : shown.first();
        firsts.append(first);
        // A window that holds its size sets the line's: the others' extents across may be
        // an even share of the area or what a passing cut of the line left them.
        const auto heldOne = std::find_if(shown.begin(), shown.end(),
                                          [this](const QDockWidget *d) { return held(d); });
        QDockWidget *setter = heldOne != shown.end() ? *heldOne : first;
        const QDockWidget *shownOne = hiddenByRequest(setter) ? shownOfGroup(setter) : nullptr;
        const QDockWidget *sizer = shownOne ? shownOne : setter;
        int asked = lengthIn(across(area), withRow(setter, m_extents.value(sizer, sizer->size())));
        const bool sets = setting && all.contains(standingOf(setting));
        if (heldOne != shown.end() && !sets && shownBefore.contains(first))
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
        for (const auto &l : lines)
            for (const QDockWidget *dock : l)
                if (!tabbed(dock))
                    geometries.append(dock->isVisible() ? dock->geometry() : QRect());
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
    QList<const QDockWidget *> showings;
    QList<int> showingBefore;
    int deficit = 0;
    int spare = 0;
    // The side areas share the window's width, with the code between them: a line of one may
    // take room from a line of the other.
    const QList<DockArea> sharing = area == DockArea::Bottom
                                        ? QList<DockArea>{DockArea::Bottom}
                                        : QList<DockArea>{DockArea::Left, DockArea::Right};
    const int heldFrom = int(sharing.first()) - 1;
    QList<std::pair<DockArea, const QList<QDockWidget *> *>> sharedLines;
    for (const DockArea a : sharing)
        for (const auto &l : m_lines[int(a) - 1])
            sharedLines.append({a, &l});
    for (const auto &shared : sharedLines) {
        const DockArea a = shared.first;
        const QList<QDockWidget *> &l = *shared.second;
        const QList<QDockWidget *> standingShown = shownStanding(l);
        if (standingShown.isEmpty())
            continue;
        // A group's size is that of its tab shown, with its tab row beneath it where that
        // stands across the area; a line hidden whole takes no room.
        const auto shownOf = [&](QDockWidget *standing) -> const QDockWidget * {
            for (const QDockWidget *member : groupAt(l, int(l.indexOf(standing))))
                if (shownIn(member, a))
                    return member;
            return nullptr;
        };
        const auto rowOf = [&](QDockWidget *standing, const QDockWidget *showing) {
            return across(area) == Qt::Vertical && showsTabRow(standing) ? tabRowBeneath(showing)
                                                                         : 0;
        };
        QDockWidget *first = standingShown.first();
        const QDockWidget *showing = shownOf(first);
        if (!showing)
            continue;
        const int row = rowOf(first, showing);
        const int size = lengthIn(across(area), showing->size()) + row;
        const QDockWidget *kept = nullptr;
        int least = 0;
        for (QDockWidget *dock : standingShown) {
            const QDockWidget *member = shownOf(dock);
            least = qMax(least, lengthIn(across(area), leastSize(dock)) +
                                    (member ? rowOf(dock, member) : 0));
            // Across a side area a group is at least as wide as its tab row's least.
            if (member && across(area) == Qt::Horizontal && showsTabRow(dock))
                least = qMax(least, tabRowLeastWidth(member));
            // A group whose window standing is hidden holds the size of its tab shown: the
            // extent the host gave the hidden one waits for it to show.
            const QDockWidget *sizer = member && hiddenByRequest(dock) ? member : dock;
            if (!kept && held(sizer))
                kept = sizer;
        }
        firsts.append(first);
        shown.append(size);
        showings.append(showing);
        showingBefore.append(lengthIn(across(area), showing->size()));
        // Positive: the room the line lacks of its held size; negative: what it can spare.
        const int lacks =
            kept ? qMax(0, lengthIn(across(area), m_extents.value(kept, kept->size())) + row - size)
                 : -qMax(0, size - least);
        give.append(lacks);
        (lacks > 0 ? deficit : spare) += qAbs(lacks);
    }
    // Below the code, the room the code's row has beyond its least comes back to the lines too.
    const int room = area == DockArea::Bottom ? roomAboveBottom() : roomBesideCode();
    const int moving = qMin(deficit, spare + room);
    const int fromLines = qMin(moving, spare);
    if (moving < 2) {
        m_heldLinesFrom[heldFrom].clear();
        return;
    }
    // Taken from each spare line and given to each lacking one in proportion.
    QList<int> sizes = shown;
    for (int i = 0; i < sizes.size(); ++i) {
        if (give[i] > 0)
            sizes[i] += int(qint64(give[i]) * moving / deficit);
        else if (give[i] < 0)
            sizes[i] += int(qint64(give[i]) * fromLines / spare);
    }
    // The toolkit refused these sizes from these once; other sizes, asked when a tab row
    // showed its least, may be taken.
    const QList<int> asked = shown + sizes;
    if (asked == m_heldLinesFrom[heldFrom])
        return;
    m_heldLinesFrom[heldFrom] = asked;
    resizeDocks(firsts, sizes, across(area));
    settle();
    // Taken in, the same sizes may be asked for again once something else took them away.
    for (int i = 0; i < showings.size(); ++i)
        if (give[i] > 0 && lengthIn(across(area), showings[i]->size()) > showingBefore[i])
            m_heldLinesFrom[heldFrom].clear();
}

const QTabBar *DockLayout::tabBarBeneath(const QDockWidget *shown) const
{
    // The toolkit may leave a row it no longer uses shown, empty, a few pixels off the row in
    // use: read from it, a group's line grew by those pixels each time it was shared out.
    const QRect dock = shown->geometry();
    for (const QTabBar *bar : m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
        const QRect row = bar->geometry();
        if (bar->isVisible() && bar->count() > 1 && row.top() > dock.bottom() &&
            row.top() <= dock.bottom() + 8 && row.left() < dock.right() &&
            row.right() > dock.left())
            return bar;
    }
    return nullptr;
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
        for (const auto &l : m_lines[int(side) - 1])
            for (QDockWidget *dock : shownStanding(l))
                if (const QDockWidget *shown = shownOfGroup(dock)) {
                    top = qMin(top, shown->y());
                    bottom = qMax(bottom, shown->y() + shown->height() +
                                              (showsTabRow(dock) ? tabRowBeneath(shown) : 0));
                }
    return qMax(0, bottom - top);
}

bool DockLayout::hasTabs(const QDockWidget *dock) const
{
    const Position p = find(dock);
    return p.area >= 0 && !tabbed(dock) && p.slot + 1 < m_lines[p.area][p.line].size() &&
           m_tabOf.value(m_lines[p.area][p.line][p.slot + 1]) == dock;
}

int DockLayout::tabRow() const
{
    // The toolkit's tab rows are the window's own children, all of one height: a row it shows
    // in the window has it. A row it keeps out of sight (a group whose other windows are
    // hidden) keeps the height it once had, and before the show none stands, but the rows
    // built for groups ask for the height a row takes.
    const QList<QTabBar *> bars = m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly);
    for (const QTabBar *bar : bars)
        if (bar->isVisible() && bar->count() > 1 && m_window->rect().contains(bar->geometry()))
            return bar->height();
    for (const QTabBar *bar : bars)
        if (bar->isVisibleTo(m_window) && bar->count() > 0)
            return bar->sizeHint().height();
    return m_window->fontMetrics().height() + 8;
}

} // namespace tesk::frame
