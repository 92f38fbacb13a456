#include "layoutsequence.h"

#include "eventsubjecthost.h"
#include "frames.h"
#include "simulatedcores.h"
#include "testhost.h"
#include "xview.h"

#include "frame/menus/ksotoolbar.h"
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"
#include "gui_components/gc_panes/views/kpane.h"

#include <tesk/tesk_app.h>
#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_frame.h>
#include <tesk/tesk_menu.h>
#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_views.h>
#include <tesk/tesk_window.h>

#include <mosk/mosk.hpp>

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QStyle>
#include <QTabBar>
#include <QTest>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <set>

namespace testhost::layout {

namespace {

constexpr TeskHandle kWindow = 1;
// A fresh main window made while the last one is still closing has a handle of its own.
constexpr TeskHandle kFreshWindow = 4;
constexpr int kPanel = 28;
// As long as the library waits for a window manager to frame a window it shows.
constexpr int kWindowManagerTimeMs = 3000;
// As long as the library looks again at a floating dock for a window manager's late answer.
constexpr int kLateAnswersMs = 1100;
// How far from the layout's edge the toolkit takes a drop as one on an area with no dock.
constexpr int kToolkitEmptyAreaBand = 80;
const QRect kLarge(0, 0, 1280, 800);
const QRect kSmall(0, 0, 1024, 600);
// The fresh main windows of a round trip and the boxes of their docks.
constexpr TeskHandle kSecondWindow = 2;
constexpr TeskHandle kThirdWindow = 3;
constexpr TeskHandle kFirstRestoredBox = 5000;
// How far a floated dock may step aside from others floating where it would stand: eight steps
// of 24 px down and right, or up and left.
constexpr int kFarthestStepAside = 2 * 8 * 24;

std::set<TeskHandle> *g_closesTold = nullptr;

void paneCallback(TeskHandle box, int *, int code)
{
    if (code == 0 && g_closesTold)
        g_closesTold->insert(box);
}
void onFind(TeskHandle, const void *, int, int) {}
void onScript(TeskHandle, const char *) {}

QRect freeOf(const QRect &screen)
{
    return screen.adjusted(0, kPanel, 0, 0);
}

const char *kindName(StepKind kind)
{
    static const char *const names[] = {"start",
                                        "show",
                                        "dock right",
                                        "dock bottom",
                                        "floating",
                                        "restore",
                                        "size box",
                                        "hide",
                                        "show again",
                                        "close",
                                        "undock",
                                        "dock",
                                        "find toolbar",
                                        "script toolbar",
                                        "toolbar record",
                                        "shrink screen",
                                        "round trip",
                                        "drag",
                                        "float button",
                                        "move toolbar",
                                        "tear off toolbar",
                                        "hide toolbar",
                                        "drag title bar",
                                        "double-click title bar",
                                        "store records",
                                        "fresh window",
                                        "restart",
                                        "restore tab",
                                        "resize window",
                                        "hide tabs",
                                        "resize by the window system",
                                        "memory view",
                                        "close memory",
                                        "close in group",
                                        "drop on tabs",
                                        "undock a group",
                                        "float out of tabs",
                                        "restore beside a group",
                                        "click tab"};
    return names[int(kind)];
}

// The record a restore step gives the host's next pane (after its caption), as a host keeps
// it: stored on this screen or a larger one, in any area, shown or hidden.
int recordArea(const Step &step)
{
    return int(step.a % 9) < 8 ? 1 + int(step.a % 9) % 4 : 0;
}

// Hidden, shown, or shown as the tab in front of its group.
int recordVisible(const Step &step)
{
    return step.d % 6 == 0 ? 0 : step.d % 6 == 1 ? 2 : 1;
}

QByteArray recordOf(const Step &step)
{
    const int area = recordArea(step);
    return QStringLiteral(":%1:%2:%3:%4:%5:%6:%7:%8:1")
        .arg(area)
        .arg(step.b % 2)
        .arg(area == 4 ? -1 : int(step.b / 2 % 6))
        .arg(int(step.c % 1300) - 20)
        .arg(int(step.c / 1300 % 820) - 20)
        .arg(60 + int(step.d % 1220))
        .arg(60 + int(step.d / 1220 % 740))
        .arg(recordVisible(step))
        .toLatin1();
}

// The record of a group's tab, as the host keeps it: the place and size of the record restored
// before it, in its line.
QByteArray tabRecordOf(const Step &step, const QByteArray &before)
{
    QList<QByteArray> fields = before.split(':');
    if (fields.size() < 10)
        return recordOf(step);
    fields[2] = "0";
    if (fields[3] != "-1")
        fields[3] = QByteArray::number(fields[3].toInt() + 1);
    fields[8] = QByteArray::number(recordVisible(step));
    return fields.join(':');
}

// How the release of a separator drag is lost.
enum class Lost { No, Popup, ModalBox, Hide, Deactivation, Count };
const char *const kLostNames[] = {"released", "release to a popup", "release lost to a modal box",
                                  "release lost to a hide", "release lost to a deactivation"};

const char *const kLooks[] = {"plain", "wood", "metal", "windows"};

// One play of a sequence: the main window, what the host and the user asked of it.
class Play
{
public:
    Play(const Screen &screen, const PromiseSwitches &switches, bool lookAgain)
        : m_screen(screen)
        , m_switches(switches)
        , m_lookAgain(lookAgain)
    {
        g_closesTold = &m_asked.closesTold;
        m_asked.windowManager = bool(screen.settleFrames);
    }
    ~Play()
    {
        g_closesTold = nullptr;
        delete m_other;
        endMainWindows();
        // The next sequence starts as every sequence does, so that a seed plays alike alone.
        if (m_restarted)
            startAgain(false, "en", kLooks[0]);
    }

    std::optional<Failure> run(const std::vector<Step> &steps)
    {
        for (size_t i = 0; i < steps.size(); ++i) {
            m_exempt.clear();
            if (auto broken = take(steps[i])) {
                if (m_window && qEnvironmentVariableIsSet("TESK_LAYOUT_TRACE"))
                    trace(steps[i]);
                return Failure{int(i), *broken};
            }
            settle();
            if (m_screen.settleFrames && m_asked.shown)
                m_screen.settleFrames();
            remeasure();
            if (!m_window)
                continue;
            if (qEnvironmentVariableIsSet("TESK_LAYOUT_TRACE"))
                trace(steps[i]);
            if (auto broken = check(m_window, m_asked, m_switches)) {
                const QString now = bothViews();
                broken->text += now;
                if (m_lookAgain && !now.isEmpty()) {
                    testhost::pumpFor(kWindowManagerTimeMs);
                    const QString later = bothViews();
                    broken->text += later == now ? QStringLiteral("\n    the same %1 s later "
                                                                  "(placed wrong, not late)")
                                                       .arg(kWindowManagerTimeMs / 1000)
                                                 : QStringLiteral("\n    %1 s later (late):")
                                                           .arg(kWindowManagerTimeMs / 1000) +
                                                       later;
                }
                return Failure{int(i), *broken};
            }
            keepWhatTheFitLeft(m_window, m_asked);
        }
        return std::nullopt;
    }

private:
    // What the picture and the toolkit hold after a step, to follow a sequence by hand.
    void trace(const Step &step) const
    {
        const tesk::frame::DockLayout &layout = m_window->dockLayout();
        std::fprintf(stderr, "after %s:\n", kindName(step.kind));
        for (const DockWidget *dock : m_window->dockList()) {
            const QRect g = dock->geometry();
            std::fprintf(stderr, "  %-12s area %d index %d standing %-12s %s%s%s %d,%d %dx%d tabs:",
                         qPrintable(dock->windowTitle()), int(layout.areaOf(dock)),
                         layout.indexOf(dock),
                         qPrintable(layout.standingOf(dock) ? layout.standingOf(dock)->windowTitle()
                                                            : QString()),
                         dock->isFloating() ? "floating " : "", dock->isHidden() ? "hidden " : "",
                         layout.tabbed(dock) ? "tab " : "", g.x(), g.y(), g.width(), g.height());
            if (layout.frontOfGroup(dock) == dock)
                std::fprintf(stderr, " front");
            for (const QDockWidget *mate :
                 m_window->tabifiedDockWidgets(const_cast<DockWidget *>(dock)))
                std::fprintf(stderr, " %s", qPrintable(mate->windowTitle()));
            std::fputc('\n', stderr);
        }
    }

    // ---- the steps ----
    std::optional<Broken> take(const Step &step)
    {
        if (step.kind == StepKind::Start) {
            start(step);
            return std::nullopt;
        }
        if (!m_window)
            return std::nullopt;
        switch (step.kind) {
        case StepKind::Show:
            if (!m_asked.shown)
                return showReadingRecords(step.b % 2 == 0);
            break;
        case StepKind::DockRight:
        case StepKind::DockBottom:
            QtCreateDocked(step.kind == StepKind::DockRight ? 0 : 1, int(step.a % 2));
            if (step.a % 2)
                m_exempt.insert(step.kind == StepKind::DockRight ? 2 : 3);
            // The side areas share the window's width: the fit may take it from the other.
            if (step.kind == StepKind::DockRight)
                m_exempt.insert(1);
            return opensInSight(makeDock());
        case StepKind::Floating:
            m_asked.docks[makeDock()].everFloated = true;
            break;
        case StepKind::Restore:
        case StepKind::RestoreTab:
            return restore(step);
        case StepKind::ResizeBox:
            resizeBox(step);
            break;
        case StepKind::Hide:
        case StepKind::Close:
        case StepKind::Undock:
            return onDock(step);
        case StepKind::ShowAgain:
            showAgain(step);
            break;
        case StepKind::Dock:
            if (const TeskHandle box =
                    pick(step.a, [](DockWidget *d) { return d->isFloating(); })) {
                CuiPaneDock(box);
                m_asRecorded.erase(m_asked.docks[box].name);
                exemptAll();
                settle();
                dockedBack(box);
                // One in four is left a while, as a pane floated and docked back at once is:
                // what the library does once the float's window is framed comes now.
                if (step.b % 4 == 0)
                    testhost::pumpFor(kLateAnswersMs);
            }
            break;
        case StepKind::FindToolbar:
            m_find = true;
            QtCreateEditorToolBar(m_handle, &onFind);
            m_exempt.insert(3);
            break;
        case StepKind::ScriptToolbar:
            m_script = true;
            CuiScriptToolBarCreate(m_handle, &onScript);
            m_exempt.insert(3);
            break;
        case StepKind::ToolbarRecord:
            toolbarRecord(step);
            break;
        case StepKind::ShrinkScreen:
            if (m_screen.set && m_screenRect != kSmall) {
                m_screenRect = kSmall;
                m_screen.set(kSmall, freeOf(kSmall));
                for (auto it = m_asked.docks.begin(); it != m_asked.docks.end(); ++it) {
                    const DockWidget *dock = m_window->findDockWidgetByBox(it.key());
                    it->floatedOnLargerScreen = dock && dock->isFloating();
                }
                exemptAll();
            }
            break;
        case StepKind::RoundTrip:
            return roundTrip();
        case StepKind::Drag:
            return drag(step);
        case StepKind::FloatButton:
            return floatButton(step);
        case StepKind::ToolbarMove:
        case StepKind::ToolbarTearOff:
        case StepKind::ToolbarHide:
            userToolbar(step);
            break;
        case StepKind::TitleBarDrag:
        case StepKind::TitleBarDoubleClick:
            return titleBar(step);
        case StepKind::StoreRecords:
            m_stored = stored();
            break;
        case StepKind::FreshWindow:
        case StepKind::Restart:
            return lifeGoesOn(step);
        case StepKind::ResizeWindow:
            return resizeWindow(step);
        case StepKind::ResizeByWindowSystem:
            return resizeByWindowSystem(step);
        case StepKind::HideTabs:
            hideTabs(step);
            break;
        case StepKind::MemoryView:
            return opensInSight(memoryView(step));
        case StepKind::CloseMemory:
        case StepKind::CloseInGroup:
            closeOne(step);
            break;
        case StepKind::TitleBarDropOnTabs:
            return titleBar(step);
        case StepKind::UndockTabs:
            return undockTabs(step);
        case StepKind::FloatOutOfTabs:
            return floatOutOfTabs(step);
        case StepKind::RestoreBesideGroup:
            return restoreBesideGroup(step);
        case StepKind::ClickTab:
            return clickTab(step);
        case StepKind::Start:
            break;
        }
        return std::nullopt;
    }

    // What the X server shows of the windows next to what the toolkit says, to tell a frame
    // come late from one placed wrong.
    QString bothViews() const
    {
        if (!m_window || !xview::available())
            return {};
        QString views = QStringLiteral("\n    work area %1,%2 %3x%4")
                            .arg(xview::workArea().x())
                            .arg(xview::workArea().y())
                            .arg(xview::workArea().width())
                            .arg(xview::workArea().height());
        views += QStringLiteral("\n    ") + xview::describe(m_window);
        for (const QWidget *dock : m_window->findChildren<DockWidget *>())
            if (dock->isWindow())
                views += QStringLiteral("\n    ") + xview::describe(dock);
        return views;
    }

    // Back in the area it left, it holds the size it had there again.
    void dockedBack(TeskHandle box)
    {
        DockAsked &asked = m_asked.docks[box];
        if (asked.floatedFromArea >= 0 && areaOf(m_window, box) == asked.floatedFromArea) {
            m_newlyKept.insert(box);
            asked.setAcross = asked.setBeforeFloating;
        }
    }

    // The user takes a floating dock by its title bar with the real pointer and drops it on a
    // dock area (over a dock there, else at the code's edge), or double-clicks the title bar:
    // either way it docks, where it was dropped.
    std::optional<Broken> titleBar(const Step &step)
    {
        const TeskHandle box = pick(step.a, [](DockWidget *d) {
            return d->isFloating() && d->isVisible() && d->isEnabled();
        });
        if (!box || !m_window->isVisible() || !xview::available())
            return std::nullopt;
        DockWidget *dock = m_window->findDockWidgetByBox(box);
        if (dock->allowedAreas() == Qt::NoDockWidgetArea)
            return std::nullopt;
        // As a user brings it to the front first.
        dock->raise();
        dock->activateWindow();
        settle();
        QPoint grip = dock->mapToGlobal(QPoint(std::min(40, dock->width() / 3), 6));
        const bool ontoTabs = step.kind == StepKind::TitleBarDropOnTabs;
        int area = step.kind == StepKind::TitleBarDrag ? 1 + int(step.b % 3) : -1;
        QList<QDockWidget *> group;
        const std::optional<QPoint> drop = ontoTabs   ? tabRowPoint(step, area, group)
                                           : area > 0 ? dropPoint(area, box)
                                                      : grip;
        if (!drop)
            return std::nullopt;
        // A floating window may stand over the place it is dropped on: taken by its title bar
        // right above that place, it moves too little to be dragged at all. The user takes it
        // at the title bar's other end then.
        const auto tooNear = [&drop](QPoint from) {
            return (*drop - from).manhattanLength() < 3 * QApplication::startDragDistance();
        };
        if (step.kind != StepKind::TitleBarDoubleClick && tooNear(grip)) {
            grip = dock->mapToGlobal(QPoint(dock->width() - std::min(40, dock->width() / 3), 6));
            if (tooNear(grip))
                return std::nullopt;
        }
        exemptAll();
        m_asked.docks[box].keptArea = -1;
        m_asked.docks[box].setAcross = 0;
        std::map<TeskHandle, int> before;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            before[it.key()] = acrossExtent(m_window, it.key());
        if (step.kind == StepKind::TitleBarDoubleClick)
            xview::doubleClick(grip);
        else
            xview::drag(grip, *drop);
        QPointer<DockWidget> held(dock);
        testhost::pumpUntil([held] { return !held || !held->isWindow(); }, 2000);
        settle();
        if (m_screen.settleFrames)
            m_screen.settleFrames();
        // Unlike a separator drag, a drop sizes nothing: the lines it cut to make room for the
        // dock keep what they showed, and may take back what was set for them once the room
        // is free again.
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            if (acrossExtent(m_window, it.key()) != before[it.key()])
                m_newlyKept.insert(it.key());
        if (m_switches.on(Promise::DroppedSeenDocked))
            if (const QString apart = xview::dockedApart(m_window); !apart.isEmpty())
                return Broken{Promise::DroppedSeenDocked, apart};
        dock = m_window->findDockWidgetByBox(box);
        // A double-click docks one that was docked before back to its place, as the host does.
        if (dock && step.kind == StepKind::TitleBarDoubleClick && !dock->isFloating())
            dockedBack(box);
        if (!dock || !m_switches.on(Promise::DocksWhereDropped))
            return std::nullopt;
        // Dropped on a group's row of tabs, it is one more tab of that group.
        const QList<QDockWidget *> mates = m_window->tabifiedDockWidgets(dock);
        const bool joined =
            !ontoTabs || std::any_of(group.begin(), group.end(),
                                     [&](QDockWidget *member) { return mates.contains(member); });
        if (dock->isFloating() || (area > 0 && areaOf(m_window, box) != area) || !joined)
            return Broken{
                Promise::DocksWhereDropped,
                QStringLiteral("%1 %2 at %3, area %4%5")
                        .arg(m_asked.docks[box].name,
                             dock->isFloating() ? QStringLiteral("still floating")
                             : joined           ? QStringLiteral("docked")
                                                : QStringLiteral("docked beside the group"),
                             QStringLiteral("%1,%2").arg(dock->x()).arg(dock->y()))
                        .arg(areaOf(m_window, box))
                        .arg(ontoTabs ? QStringLiteral(" (dropped on the tabs of %1 in area %2)")
                                            .arg(group.first()->windowTitle())
                                            .arg(area)
                             : area > 0 ? QStringLiteral(" (dropped on area %1)").arg(area)
                                        : QString()) +
                    bothViews()};
        return std::nullopt;
    }

    // On a tab of a group's row shown in the window, and the group's docks and area.
    std::optional<QPoint> tabRowPoint(const Step &step, int &area,
                                      QList<QDockWidget *> &group) const
    {
        QList<QTabBar *> rows;
        for (QTabBar *bar : m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
            if (bar->isVisible() && bar->count() > 1 && m_window->rect().contains(bar->geometry()))
                rows.append(bar);
        if (rows.isEmpty())
            return std::nullopt;
        const QTabBar *bar = rows[int(step.b % uint32_t(rows.size()))];
        group.clear();
        for (int tab = 0; tab < bar->count(); ++tab)
            for (QDockWidget *dock : m_window->findChildren<QDockWidget *>())
                if (bar->tabData(tab).value<quintptr>() == reinterpret_cast<quintptr>(dock))
                    group.append(dock);
        if (group.isEmpty())
            return std::nullopt;
        area = areaOf(m_window, qobject_cast<DockWidget *>(group.first())
                                    ? static_cast<DockWidget *>(group.first())->windowBox()
                                    : 0);
        const QRect tab = bar->tabRect(int(step.c % uint32_t(bar->count()))) & bar->rect();
        if (tab.isEmpty())
            return std::nullopt;
        return bar->mapToGlobal(tab.center());
    }

    // On the last dock shown in the area, low in it, else at the code's edge next to the area.
    std::optional<QPoint> dropPoint(int area, TeskHandle dragged) const
    {
        const QList<TeskHandle> boxes = m_asked.docks.keys();
        for (auto it = boxes.crbegin(); it != boxes.crend(); ++it) {
            const DockWidget *there = m_window->findDockWidgetByBox(*it);
            if (*it == dragged || !there || areaOf(m_window, *it) != area ||
                !m_window->rect().contains(there->geometry()))
                continue;
            return there->mapToGlobal(QPoint(there->width() / 2, there->height() * 3 / 4));
        }
        // The code's edge is no place to drop on once the docks have taken all its room (the
        // toolkit keeps it out of sight then).
        const QWidget *code = m_window->centralWidget();
        if (!code || !code->isVisible() || code->width() < 40 || code->height() < 40 ||
            !m_window->rect().contains(QRect(code->mapTo(m_window, QPoint()), code->size())))
            return std::nullopt;
        // The toolkit takes a drop near the layout's edge beside an area with no dock shown
        // as one on that area, trying the left, the right, the top and then the bottom: the
        // gap it opens there is what the user sees and drops into. A point meant for one area
        // stays out of the bands of those tried before it; a code too narrow for that has no
        // such point.
        const QRect codeRect(code->mapTo(m_window, QPoint()), code->size());
        const bool leftEmpty = !areaShowsADock(Qt::LeftDockWidgetArea, dragged);
        const bool rightEmpty = !areaShowsADock(Qt::RightDockWidgetArea, dragged);
        const int fromLeft = leftEmpty ? kToolkitEmptyAreaBand : 0;
        const int fromRight = m_window->width() - (rightEmpty ? kToolkitEmptyAreaBand : 0);
        QPoint at;
        if (area == 1) {
            at = QPoint(codeRect.left() + 10, codeRect.center().y());
        } else if (area == 2) {
            at = QPoint(codeRect.right() - 10, codeRect.center().y());
            if (at.x() < fromLeft)
                return std::nullopt;
        } else {
            const int left = std::max(codeRect.left() + 10, fromLeft);
            const int right = std::min(codeRect.right() - 10, fromRight - 1);
            at = QPoint((left + right) / 2, codeRect.bottom() - 10);
            if (left > right || at.y() < codeRect.top() + kToolkitEmptyAreaBand)
                return std::nullopt;
        }
        return m_window->mapToGlobal(at);
    }

    // The area shows a dock standing in it, other than the one dragged.
    bool areaShowsADock(Qt::DockWidgetArea area, TeskHandle dragged) const
    {
        const QList<DockWidget *> docks = m_window->findChildren<DockWidget *>();
        return std::any_of(docks.begin(), docks.end(), [&](const DockWidget *dock) {
            return dock->windowBox() != dragged && !dock->isFloating() && dock->isVisible() &&
                   m_window->dockWidgetArea(const_cast<DockWidget *>(dock)) == area;
        });
    }

    void start(const Step &step)
    {
        endMainWindows();
        m_asRecorded.clear();
        m_screenRect = step.a % 2 ? kSmall : kLarge;
        if (m_screen.set)
            m_screen.set(m_screenRect, freeOf(m_screenRect));
        m_window = createMainWindow(m_handle);
        // Some hosts fill popups of their own, and are given their native ids: every window
        // inside the main window is native then, the dock windows too. Offscreen, native
        // windows are what the platform cannot close while one floats.
        if (xview::available() && step.d % 2)
            QtAddPopupMenu("Recent Files", 40604, nullptr);
        // Some hosts keep a size from a larger screen.
        QtResizePosWindow(m_handle, 0, 0, 800 + int(step.b % 600), 500 + int(step.c % 400));
        QtSetCurrentCodeFromBox(m_handle);
    }

    MainWindow *createMainWindow(TeskHandle handle)
    {
        QtCreateNewCode(1);
        CuiFrameRecord record{1, 0, 3, 77};
        QtFrameCreate("Debugger", handle, &record);
        return Store::currentMainWindow();
    }

    TeskHandle makeDock(const QByteArray &record = {})
    {
        const TeskHandle box = m_nextBox++;
        const QString name = QStringLiteral("Pane %1").arg(box);
        if (!record.isEmpty())
            CuiSetDockWindowPersistanceData(m_handle, (name.toLatin1() + record).constData());
        QtWindowCreate(name.toLatin1().constData(), &paneCallback, box);
        // The host may look for it to show its data, and so show it again once hidden.
        QtSetGoto(1, m_handle);
        m_asked.docks[box].name = name;
        return box;
    }

    std::optional<Broken> restore(const Step &step)
    {
        const QByteArray record =
            step.kind == StepKind::RestoreTab ? tabRecordOf(step, m_lastRecord) : recordOf(step);
        m_lastRecord = record;
        // The record's extent across is the size the user left in an earlier run.
        const QList<QByteArray> fields = record.split(':');
        const int area = fields.value(1).toInt();
        const int visible = fields.value(8).toInt();
        const TeskHandle box = makeDock(record);
        m_asRecorded.insert(m_asked.docks[box].name);
        m_asked.docks[box].hiddenByHost = visible == 0;
        m_asked.docks[box].everHidden = visible == 0;
        m_asked.docks[box].everFloated = area == 0 || area == 4;
        // The record sizes the line it joins, as the host sizing a box does, or its group's.
        if (area >= 1 && area <= 3) {
            const std::set<TeskHandle> joined = groupOf(box);
            for (auto it = m_asked.docks.begin(); it != m_asked.docks.end(); ++it)
                if (std::any_of(joined.begin(), joined.end(), [&](TeskHandle member) {
                        return member == it.key() ||
                               (standsIn(member) == area && sameLine(member, it.key()));
                    }))
                    it->setAcross = fields.value(area == 3 ? 7 : 6).toInt();
        }
        if (area >= 1 && area <= 3)
            m_exempt.insert(area);
        if (area == 1 || area == 2)
            m_exempt.insert(3 - area);
        if (!m_asked.shown || visible != 2 || !m_window->isVisible() ||
            !m_switches.on(Promise::TabsInFront))
            return std::nullopt;
        // Restored into the shown window as the tab in front, its group shows it.
        settle();
        Picture restored;
        restored.docks.append(m_asked.docks[box].name.toLatin1() + record);
        const QString difference = frontDiffersFrom(m_window, restored, true);
        if (difference.isEmpty())
            return std::nullopt;
        return Broken{m_asked.releaseLost ? Promise::AllAfterALostRelease : Promise::TabsInFront,
                      QStringLiteral("restored after the show: %1").arg(difference)};
    }

    // The user clicks a tab in sight on a row of tabs: its pane comes to the front, and the
    // records say so.
    std::optional<Broken> clickTab(const Step &step)
    {
        if (!m_asked.shown || !m_window->isVisible())
            return std::nullopt;
        QList<std::pair<QTabBar *, int>> tabs;
        for (QTabBar *bar : m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
            for (int tab = 0; bar->isVisible() && tab < bar->count(); ++tab)
                if (bar->rect().contains(bar->tabRect(tab)))
                    tabs.append({bar, tab});
        if (tabs.isEmpty())
            return std::nullopt;
        const auto [bar, tab] = tabs.at(int(step.a % uint32_t(tabs.size())));
        const auto *dock =
            reinterpret_cast<const QDockWidget *>(bar->tabData(tab).value<quintptr>());
        const QString title = bar->tabText(tab);
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(tab).center());
        settle();
        if (!m_switches.on(Promise::TabsInFront))
            return std::nullopt;
        const Promise promise =
            m_asked.releaseLost ? Promise::AllAfterALostRelease : Promise::TabsInFront;
        const QRect shown = m_window->findChildren<QDockWidget *>().contains(dock)
                                ? dock->geometry()
                                : QRect(-1, -1, 0, 0);
        if (shown.right() < 0 || shown.bottom() < 0)
            return Broken{promise, QStringLiteral("%1 clicked, not in front").arg(title)};
        const QString difference = frontDiffersFrom(m_window, takePicture(m_handle));
        if (difference.isEmpty())
            return std::nullopt;
        return Broken{promise, QStringLiteral("after a click on %1: %2").arg(title, difference)};
    }

    // A dock of the sequence's own that the predicate takes, picked by the number.
    TeskHandle pick(uint32_t number, const std::function<bool(DockWidget *)> &takes) const
    {
        QList<TeskHandle> boxes;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it) {
            DockWidget *dock = m_window->findDockWidgetByBox(it.key());
            if (!it->closedByHost && dock && takes(dock))
                boxes.append(it.key());
        }
        return boxes.isEmpty() ? 0 : boxes[int(number % uint32_t(boxes.size()))];
    }

    void resizeBox(const Step &step)
    {
        const TeskHandle box = pick(step.a, [](DockWidget *) { return true; });
        if (!box)
            return;
        const int area = areaOf(m_window, box);
        m_asRecorded.erase(m_asked.docks[box].name);
        const QSize given(80 + int(step.b % 500), 80 + int(step.c % 400));
        QtResizePosWindow(box, 0, 0, given.width(), given.height());
        settle();
        m_exempt.insert(area);
        m_exempt.insert(areaOf(m_window, box));
        // What it shows is what the host gave it, or as much as the fit left it; its line
        // stands as far across as the host asked, once the room is there.
        m_newlyKept.insert(box);
        const int now = standsIn(box);
        // A tab is sized with its group, which stands where its tab shown does.
        const std::set<TeskHandle> group = groupOf(box);
        for (auto it = m_asked.docks.begin(); it != m_asked.docks.end(); ++it)
            if (group.count(it.key()) ||
                (now >= 0 && std::any_of(group.begin(), group.end(), [&](TeskHandle member) {
                     return sameLine(member, it.key());
                 })))
                it->setAcross = now == 3 ? given.height() : given.width();
    }

    // The area the dock stands in: before the show none shows, but the toolkit holds each
    // docked one in its area and lays its lines out already.
    int standsIn(TeskHandle box) const
    {
        const int shown = areaOf(m_window, box);
        const DockWidget *dock = m_window->findDockWidgetByBox(box);
        if (shown >= 0 || m_asked.shown || !dock || dock->isFloating() ||
            m_asked.docks.value(box).hiddenByHost)
            return shown;
        return areaNumber(m_window->dockWidgetArea(const_cast<DockWidget *>(dock)));
    }

    // The box and those of the tabs it stands with.
    std::set<TeskHandle> groupOf(TeskHandle box) const
    {
        std::set<TeskHandle> group{box};
        DockWidget *dock = m_window->findDockWidgetByBox(box);
        const QList<QDockWidget *> tabs =
            dock ? m_window->tabifiedDockWidgets(dock) : QList<QDockWidget *>();
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            if (tabs.contains(m_window->findDockWidgetByBox(it.key())))
                group.insert(it.key());
        return group;
    }

    bool sameLine(TeskHandle one, TeskHandle other) const
    {
        const DockWidget *a = m_window->findDockWidgetByBox(one);
        const DockWidget *b = m_window->findDockWidgetByBox(other);
        const int area = standsIn(one);
        return a && b && area >= 0 && area == standsIn(other) &&
               (area == 3 ? a->y() == b->y() : a->x() == b->x());
    }

    std::optional<Broken> onDock(const Step &step)
    {
        const bool hide = step.kind == StepKind::Hide;
        const TeskHandle box = pick(step.a, [&](DockWidget *d) {
            return step.kind == StepKind::Undock ? !d->isFloating() : true;
        });
        if (!box)
            return std::nullopt;
        DockAsked &asked = m_asked.docks[box];
        m_exempt.insert(areaOf(m_window, box));
        if (step.kind == StepKind::Undock)
            m_asRecorded.erase(asked.name);
        const int option = hide                           ? DockWidget::OptionHide
                           : step.kind == StepKind::Close ? DockWidget::OptionClose
                                                          : DockWidget::OptionDockFloat;
        if (step.kind == StepKind::Undock)
            floatedOut(asked);
        if (hide)
            asked.hiddenByHost = asked.everHidden = true;
        else if (step.kind == StepKind::Close)
            asked.closedByHost = true;
        const std::optional<QPoint> stood =
            step.kind == StepKind::Undock ? whereItStands(box, true) : std::nullopt;
        if (step.b % 2)
            CuiPopupProcessGenericOption(box, option);
        else if (hide)
            CuiPaneHide(box);
        else if (step.kind == StepKind::Close)
            CuiPaneClose(box);
        else
            CuiPaneUndock(box);
        return landedWhereItStood(box, stood);
    }

    // Each lands where the group stood, or one that floated before where it was left (moved
    // within the free area), or as near as it steps aside from the others: none is left where a
    // late answer put it, in a corner.
    std::optional<Broken> undockTabs(const Step &step)
    {
        const auto shownTab = [this](DockWidget *d) {
            return !d->isFloating() && d->isVisible() &&
                   !m_window->tabifiedDockWidgets(d).isEmpty();
        };
        const TeskHandle first = pick(step.a, shownTab);
        if (!first)
            return std::nullopt;
        settle();
        DockWidget *firstDock = m_window->findDockWidgetByBox(first);
        QList<DockWidget *> group{firstDock};
        for (QDockWidget *tab : m_window->tabifiedDockWidgets(firstDock))
            if (auto *dock = qobject_cast<DockWidget *>(tab);
                dock && m_asked.docks.contains(dock->windowBox()) && shownTab(dock))
                group.append(dock);
        std::optional<QPoint> stood;
        for (const DockWidget *dock : std::as_const(group))
            if (m_window->rect().contains(dock->geometry()))
                stood = dock->mapToGlobal(QPoint());
        std::map<const DockWidget *, QPoint> from;
        for (const DockWidget *dock : std::as_const(group))
            if (dock->floatingGeometrySet())
                from[dock] = dock->floatingGeometry().topLeft();
            else if (stood)
                from[dock] = *stood;
        for (const DockWidget *dock : std::as_const(group)) {
            DockAsked &asked = m_asked.docks[dock->windowBox()];
            m_exempt.insert(areaOf(m_window, dock->windowBox()));
            m_asRecorded.erase(asked.name);
            floatedOut(asked);
            asked.everFloated = true;
        }
        for (const DockWidget *dock : std::as_const(group))
            CuiPaneUndock(dock->windowBox());
        settle();
        if (m_screen.settleFrames)
            m_screen.settleFrames();
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        if (!m_switches.on(Promise::FloatedWithinFreeArea))
            return std::nullopt;
        for (const DockWidget *dock : std::as_const(group)) {
            if (!dock->isFloating() || !from.count(dock))
                continue;
            const QRect landed = dock->frameGeometry();
            for (const DockWidget *other : std::as_const(group))
                if (other != dock && other->isFloating() &&
                    other->frameGeometry().topLeft() == landed.topLeft())
                    return Broken{
                        Promise::FloatedWithinFreeArea,
                        QStringLiteral("%1 floated onto %2 at %3,%4")
                            .arg(m_asked.docks[dock->windowBox()].name, other->windowTitle())
                            .arg(landed.x())
                            .arg(landed.y())};
            const QPoint at = from.at(dock);
            const QPoint within(
                std::clamp(at.x(), free.left(), free.right() + 1 - landed.width()),
                std::clamp(at.y(), free.top(), free.bottom() + 1 - landed.height()));
            if ((landed.topLeft() - within).manhattanLength() > kFarthestStepAside)
                return Broken{Promise::FloatedWithinFreeArea,
                              QStringLiteral("%1 of a group floated in one go landed at %2,%3, "
                                             "meant for %4,%5")
                                  .arg(m_asked.docks[dock->windowBox()].name)
                                  .arg(landed.x())
                                  .arg(landed.y())
                                  .arg(at.x())
                                  .arg(at.y())};
        }
        return std::nullopt;
    }

    static void floatedOut(DockAsked &asked)
    {
        asked.floatedFromArea = asked.keptArea;
        asked.setBeforeFloating = asked.setAcross;
        asked.keptArea = -1;
        asked.setAcross = 0;
        asked.floatedOut = true;
    }

    // Where a dock shown in an area stands on the screen: a tab out of sight where its group's
    // tab shown does (the user reaches only the tab shown). Nothing for one that floats again
    // where it was left.
    std::optional<QPoint> whereItStands(TeskHandle box, bool outOfSightToo)
    {
        DockWidget *dock = m_window->findDockWidgetByBox(box);
        DockAsked &asked = m_asked.docks[box];
        const bool before = std::exchange(asked.everFloated, true);
        if (before || !dock->isVisible() || dock->isFloating() || m_screen.settleFrames)
            return std::nullopt;
        settle();
        if (m_window->rect().contains(dock->geometry()))
            return dock->mapToGlobal(QPoint());
        if (!outOfSightToo)
            return std::nullopt;
        for (QDockWidget *tab : m_window->tabifiedDockWidgets(dock))
            if (tab->isVisible() && !tab->isFloating() &&
                m_window->rect().contains(tab->geometry()))
                return tab->mapToGlobal(QPoint());
        return std::nullopt;
    }

    std::optional<Broken> landedWhereItStood(TeskHandle box, const std::optional<QPoint> &stood)
    {
        if (!stood || !m_switches.on(Promise::FloatedWithinFreeArea))
            return std::nullopt;
        settle();
        const DockWidget *dock = m_window->findDockWidgetByBox(box);
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        // Where it stood would put it partly beyond the free area, it is moved within.
        if (!dock || !dock->isFloating() ||
            !free.contains(QRect(*stood, dock->frameGeometry().size())))
            return std::nullopt;
        const QPoint landed = dock->frameGeometry().topLeft();
        if ((landed - *stood).manhattanLength() <= 2 * 2)
            return std::nullopt;
        // Where another floating window stands already, it steps aside so as not to hide it.
        for (const DockWidget *other : m_window->findChildren<DockWidget *>())
            if (other != dock && other->isFloating() && other->isVisible() &&
                (other->frameGeometry().topLeft() - *stood).manhattanLength() <= 2 * 2)
                return std::nullopt;
        return Broken{Promise::FloatedWithinFreeArea,
                      QStringLiteral("%1 floated to %2,%3, stood at %4,%5")
                          .arg(m_asked.docks[box].name)
                          .arg(landed.x())
                          .arg(landed.y())
                          .arg(stood->x())
                          .arg(stood->y())};
    }

    void showAgain(const Step &step)
    {
        QList<TeskHandle> hidden;
        // The host shows a dock again by the name it goes to, which a memory view's is not.
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            if (it->hiddenByHost && !it->closedByHost && !m_memory.count(it.key()))
                hidden.append(it.key());
        if (hidden.isEmpty())
            return;
        const TeskHandle box = hidden[int(step.a % uint32_t(hidden.size()))];
        m_asked.docks[box].hiddenByHost = false;
        QtFindGotoWindowToShowData(m_handle, m_asked.docks[box].name.toLatin1().constData());
        settle();
        m_exempt.insert(areaOf(m_window, box));
    }

    void hideTabs(const Step &step)
    {
        const bool right = step.a % 2 == 0;
        const tesk::frame::DockLayout &layout = m_window->dockLayout();
        const tesk::frame::DockArea area =
            right ? tesk::frame::DockArea::Right : tesk::frame::DockArea::Bottom;
        const int lines = layout.lineCount(area);
        QDockWidget *standing =
            lines > 0 ? layout.standingOf(layout.line(area, lines - 1).last()) : nullptr;
        QList<QDockWidget *> group;
        if (standing)
            group = m_window->tabifiedDockWidgets(standing) << standing;
        // Hidden whole, but for its tab shown, or its window standing hidden or closed.
        const int how = int(step.b % 4);
        for (QDockWidget *member : std::as_const(group)) {
            const auto *dock = qobject_cast<DockWidget *>(member);
            const bool front = m_window->rect().contains(member->geometry());
            if (group.size() < 2 || !dock || member->isHidden() || member->isFloating() ||
                (how == 1 && front) || (how >= 2 && member != standing))
                continue;
            DockAsked &asked = m_asked.docks[dock->windowBox()];
            if (how == 3) {
                asked.closedByHost = true;
                CuiPaneClose(dock->windowBox());
            } else {
                asked.hiddenByHost = asked.everHidden = true;
                CuiPaneHide(dock->windowBox());
            }
        }
        m_exempt.insert(right ? 2 : 3);
        if (right)
            m_exempt.insert(1);
        QtCreateDocked(right ? 0 : 1, 0);
        makeDock();
    }

    // A pane the host brings back from its record, as a restore step does: the record sizes it,
    // and the group it joins, as the host sizing a box does.
    void restoreAs(const QString &record)
    {
        const TeskHandle box = makeDock(record.toLatin1());
        m_asRecorded.insert(m_asked.docks[box].name);
        const QStringList fields = record.split(QLatin1Char(':'));
        const int area = fields.value(1).toInt();
        if (area >= 1 && area <= 3)
            m_asked.docks[box].setAcross = fields.value(area == 3 ? 7 : 6).toInt();
    }

    // The toolkit keeps the place of the window floated among the group's windows, which
    // the picture must know of when the group is hidden and one more pane comes after it.
    std::optional<Broken> floatOutOfTabs(const Step &step)
    {
        const bool right = step.a % 2 == 0;
        const tesk::frame::DockLayout &layout = m_window->dockLayout();
        const tesk::frame::DockArea area =
            right ? tesk::frame::DockArea::Right : tesk::frame::DockArea::Bottom;
        const auto lastGroup = [&] {
            const int lines = layout.lineCount(area);
            QDockWidget *standing =
                lines > 0 ? layout.standingOf(layout.line(area, lines - 1).last()) : nullptr;
            QList<QDockWidget *> members;
            if (standing)
                members = m_window->tabifiedDockWidgets(standing) << standing;
            QList<DockWidget *> group;
            for (QDockWidget *member : std::as_const(members))
                if (auto *dock = qobject_cast<DockWidget *>(member);
                    dock && m_asked.docks.contains(dock->windowBox()) && !dock->isFloating() &&
                    !m_asked.docks[dock->windowBox()].closedByHost)
                    group.append(dock);
            return group;
        };
        QList<DockWidget *> group = lastGroup();
        if (group.size() < 2) {
            // No group there: the host restores one of three on a line of its own at the
            // area's end, after a line of one pane where the area had none.
            const int where = right ? 2 : 3;
            if (layout.lineCount(area) == 0)
                restoreAs(QStringLiteral(":%1:1:20:0:300:400:120:1:1").arg(where));
            for (int i = 0; i < 3; ++i)
                restoreAs(QStringLiteral(":%1:%2:%3:0:430:400:120:1:1")
                              .arg(where)
                              .arg(i == 0 ? 1 : 0)
                              .arg(21 + i));
            settle();
            group = lastGroup();
            if (group.size() < 2)
                return std::nullopt;
        }
        const TeskHandle floated = group[int(step.b % uint32_t(group.size()))]->windowBox();
        exemptAll();
        m_asRecorded.erase(m_asked.docks[floated].name);
        floatedOut(m_asked.docks[floated]);
        m_asked.docks[floated].everFloated = true;
        CuiPopupProcessGenericOption(floated, DockWidget::OptionDockFloat);
        settle();
        for (const DockWidget *dock : std::as_const(group)) {
            DockAsked &asked = m_asked.docks[dock->windowBox()];
            if (step.c % 3 == 0 || dock->windowBox() == floated || asked.hiddenByHost)
                continue;
            asked.hiddenByHost = asked.everHidden = true;
            CuiPaneHide(dock->windowBox());
        }
        settle();
        // The host reads its records at any moment: the picture follows the toolkit then.
        if (step.d % 2)
            (void)takePicture(m_handle);
        QtCreateDocked(right ? 0 : 1, 0);
        return opensInSight(makeDock());
    }

    // Restored into a bottom area that holds no line yet, after the show, the three come back
    // as high as their records say: the group's height comes with its row of tabs.
    std::optional<Broken> restoreBesideGroup(const Step &step)
    {
        const tesk::frame::DockLayout &layout = m_window->dockLayout();
        const bool check = m_asked.shown && m_window->isVisible() &&
                           layout.lineCount(tesk::frame::DockArea::Bottom) == 0 &&
                           m_switches.on(Promise::RestoredBesideAGroup);
        // A line stands as high as its highest window: beside a group, the pane is as high as
        // the group and its row of tabs, as a layout the host stored says.
        const int groupHigh = 100 + int(step.c % 60);
        const int dockHigh = groupHigh + tabRowHigh();
        const QByteArray records[] = {
            QStringLiteral(":3:1:0:0:380:500:%1:1:1").arg(dockHigh).toLatin1(),
            QStringLiteral(":3:0:1:506:380:514:%1:1:1").arg(groupHigh).toLatin1(),
            QStringLiteral(":3:0:2:506:380:514:%1:1:1").arg(groupHigh).toLatin1()};
        std::vector<QString> names;
        for (const QByteArray &record : records) {
            const TeskHandle box = makeDock(record);
            names.push_back(m_asked.docks[box].name);
            m_asked.docks[box].setAcross = record.split(':').value(7).toInt();
        }
        m_exempt.insert({1, 2, 3});
        settle();
        if (!check)
            return std::nullopt;
        const Picture now = takePicture(m_handle);
        for (const QByteArray &record : now.docks) {
            const QList<QByteArray> fields = record.split(':');
            const auto at =
                std::find(names.begin(), names.end(), QString::fromLatin1(fields.value(0)));
            if (at == names.end())
                continue;
            const int wanted = at == names.begin() ? dockHigh : groupHigh;
            if (std::abs(fields.value(7).toInt() - wanted) > 2)
                return Broken{Promise::RestoredBesideAGroup,
                              QStringLiteral("restored after the show at %1 px high, its record "
                                             "now \"%2\"")
                                  .arg(wanted)
                                  .arg(QString::fromLatin1(record))};
        }
        return std::nullopt;
    }

    // How high the toolkit's row of tabs beneath a group stands in this window's look.
    int tabRowHigh() const
    {
        for (const QTabBar *bar : m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
            if (bar->isVisible() && bar->count() > 1 && m_window->rect().contains(bar->geometry()))
                return bar->height();
        QTabBar bar;
        bar.setStyle(m_window->style());
        bar.setFont(m_window->font());
        bar.setShape(QTabBar::RoundedSouth);
        bar.addTab(QStringLiteral("Pane 1"));
        bar.addTab(QStringLiteral("Pane 2"));
        return bar.sizeHint().height();
    }

    // ---- memory views' docks, made and closed through the views manager as a host does ----
    static IGcp_ViewsManager *viewsManager()
    {
        MoskBroker *broker = moskGetObjectBroker();
        void *object = nullptr;
        if (broker)
            mosk::release(broker->ops->getComponent(broker, GCP_CATEGORY,
                                                    GCP_VIEWS_MANAGER_COMPONENT, &object));
        return static_cast<IGcp_ViewsManager *>(object);
    }

    static uint64_t paneOf(const DockWidget *dock)
    {
        const KPane *pane = dock ? dock->findChild<KPane *>() : nullptr;
        return pane ? pane->paneId() : GC_NO_ID;
    }

    // The box of the memory dock made, or 0.
    TeskHandle memoryView(const Step &step)
    {
        IGcp_ViewsManager *views = viewsManager();
        if (!views)
            return 0;
        QList<TeskHandle> memory;
        for (const TeskHandle box : m_memory)
            if (m_window->findDockWidgetByBox(box))
                memory.append(box);
        const int how = int(step.c % 4);
        if (how == 3 && !memory.isEmpty()) {
            // One more view in a memory dock there is: its pane shows it as a tab of its own.
            const TeskHandle box = memory[int(step.d % uint32_t(memory.size()))];
            uint64_t id = 0;
            mosk::release(views->ops->createView(views, paneOf(m_window->findDockWidgetByBox(box)),
                                                 GCP_VIEW_TYPE_MEMORY, nullptr, 0, &id));
            views->ops->Release(views);
            m_exempt.insert(areaOf(m_window, box));
            return 0;
        }
        // Right, at the bottom, or at the bottom on a line of its own.
        static const int kPlaces[] = {0, 1, 4};
        const int place = kPlaces[step.a % 3];
        QtCreateDocked(place, int(step.b % 2));
        // A memory view asks for its rows once: its area may grow for them.
        m_exempt.insert(place == 0 ? 2 : 3);
        if (place == 0)
            m_exempt.insert(1);
        const QList<DockWidget *> before = m_window->dockList();
        uint64_t id = 0;
        if (how == 1) {
            mosk::release(views->ops->createViewInNewPane(views, GCP_VIEW_TYPE_MEMORY, 0, &id));
        } else if (how == 2) {
            const TeskMemoryAddress address{step.d % 0x10000u, 0};
            mosk::release(views->ops->openView(views, GCP_VIEW_TYPE_MEMORY, 0, &address, 0));
        } else {
            mosk::release(
                views->ops->createView(views, GC_NO_ID, GCP_VIEW_TYPE_MEMORY, nullptr, 0, &id));
        }
        views->ops->Release(views);
        TeskHandle made = 0;
        for (DockWidget *dock : m_window->dockList())
            if (!before.contains(dock) && dock->windowBox()) {
                made = dock->windowBox();
                m_memory.insert(made);
                m_asked.docks[made].name = dock->windowTitle();
            }
        return made;
    }

    // A pane the host opens where the user sees it: not behind the tab shown of a group.
    std::optional<Broken> opensInSight(TeskHandle box)
    {
        if (!box || !m_asked.shown || !m_window->isVisible() ||
            !m_switches.on(Promise::OpensInSight))
            return std::nullopt;
        settle();
        const DockWidget *dock = m_window->findDockWidgetByBox(box);
        if (!dock || dock->isFloating() ||
            (dock->isVisible() && m_window->rect().contains(dock->geometry())))
            return std::nullopt;
        return Broken{Promise::OpensInSight,
                      QStringLiteral("%1 opened at %2,%3%4")
                          .arg(m_asked.docks[box].name)
                          .arg(dock->x())
                          .arg(dock->y())
                          .arg(dock->isVisible() ? QStringLiteral(", behind a tab")
                                                 : QStringLiteral(", not shown"))};
    }

    // A memory dock closed, by any of the host's roads, or a dock standing in a group of tabs.
    void closeOne(const Step &step)
    {
        const bool memory = step.kind == StepKind::CloseMemory;
        const TeskHandle box = pick(step.a, [&](DockWidget *d) {
            return memory ? m_memory.count(d->windowBox()) > 0
                          : !d->isFloating() && !m_window->tabifiedDockWidgets(d).isEmpty();
        });
        if (!box)
            return;
        const int area = areaOf(m_window, box);
        m_exempt.insert(area);
        if (area == 1 || area == 2)
            m_exempt.insert(3 - area);
        m_asked.docks[box].closedByHost = true;
        const int how = int(step.b % 3);
        if (how == 2 && m_memory.count(box))
            removeViews(m_window->findDockWidgetByBox(box));
        else if (how == 1)
            CuiPopupProcessGenericOption(box, DockWidget::OptionClose);
        else
            CuiPaneClose(box);
        m_memory.erase(box);
    }

    // The host takes the pane's views away one by one: the last one closes the dock.
    static void removeViews(const DockWidget *dock)
    {
        IGcp_ViewsManager *views = viewsManager();
        IGc_Pane *pane = nullptr;
        if (views)
            mosk::release(views->ops->getWindow(views, paneOf(dock), &pane));
        if (pane) {
            std::vector<uint64_t> ids;
            for (uint64_t id = GC_NO_ID;;) {
                uint64_t next = GC_NO_ID;
                mosk::release(pane->ops->nextView(pane, id, &next));
                if (next == GC_NO_ID || ids.size() > 64)
                    break;
                ids.push_back(id = next);
            }
            for (const uint64_t id : ids)
                mosk::release(pane->ops->removeView(pane, id));
            pane->ops->Release(pane);
        }
        if (views)
            views->ops->Release(views);
    }

    void toolbarRecord(const Step &step)
    {
        const int count = QtToolbarCount(m_handle);
        if (count == 0)
            return;
        const int index = int(step.a % uint32_t(count));
        const QByteArray title = QtReturnToolbarTitle(m_handle, index);
        char buffer[tesk::frame::kLayoutRecordSize];
        QtToolbarData(m_handle, index, buffer);
        QList<QByteArray> fields = QByteArray(buffer).split(':');
        if (fields.size() < 8 || title.isEmpty())
            return;
        const bool hidden = step.b % 2;
        fields[5] = hidden ? "1" : "0";
        if (QtSetToolbarData(("tb_x_" + title).constData(), fields.join(':').constData()) != 0)
            m_asked.toolbarRefused = QString::fromLatin1(title);
        m_asked.toolbarHidden[QString::fromLatin1(title)] = hidden;
        m_exempt.insert(3);
    }

    // ---- what the user does ----
    std::optional<Broken> drag(const Step &step)
    {
        const TeskHandle box = pick(step.a, [this](DockWidget *d) {
            return d->isVisible() && !d->isFloating() && m_window->tabifiedDockWidgets(d).isEmpty();
        });
        if (!box || !m_window->isVisible())
            return std::nullopt;
        DockWidget *dock = m_window->findDockWidgetByBox(box);
        const int area = areaOf(m_window, box);
        const int by = int(step.b % 160) - 80;
        const QPoint offset = area == 3 ? QPoint(0, by) : QPoint(by, 0);
        const QPoint from = testhost::separatorBefore(m_window, dock);
        const auto lost = Lost(step.c % int(Lost::Count));
        std::map<TeskHandle, int> before;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            before[it.key()] = acrossExtent(m_window, it.key());
        const std::optional<int> room = roomToGrow(dock, area, by);
        if (lost == Lost::No)
            testhost::dragOnWindow(m_window, from, offset);
        else
            dragLosingRelease(from, offset, lost);
        settle();
        m_asked.releaseLost = m_asked.releaseLost || lost != Lost::No;
        exemptAll();
        // The sizes the user leaves are the ones set, whatever the host asked before; a dock
        // the drag did not size keeps what it had.
        m_userSized = true;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            if (acrossExtent(m_window, it.key()) != before[it.key()])
                m_newlyKept.insert(it.key());
        // The user sees the separator stay where it was: a drag refused without a word.
        if (lost == Lost::No && room && m_switches.on(Promise::DragsAnswered) &&
            acrossExtent(m_window, box) <= before[box])
            return Broken{Promise::DragsAnswered,
                          QStringLiteral("%1 stays %2 px across after a drag of %3 px towards the "
                                         "code, which had %4 px to spare")
                              .arg(m_asked.docks[box].name)
                              .arg(acrossExtent(m_window, box))
                              .arg(-by)
                              .arg(*room)};
        return std::nullopt;
    }

    // A drag of the separator between the code and the dock's line towards the code, which
    // has the room beyond its least: what the code can spare, or nothing where the drag needs
    // no room of it or the line does not stand beside the code.
    std::optional<int> roomToGrow(const DockWidget *dock, int area, int by) const
    {
        const QWidget *code = m_window->centralWidget();
        if (by > -10 || (area != 2 && area != 3) || !code || !code->isVisible())
            return std::nullopt;
        const QRect codeRect = code->geometry();
        const int gap = area == 3 ? dock->y() - codeRect.bottom() : dock->x() - codeRect.right();
        const QSize least = code->minimumSizeHint().expandedTo(code->minimumSize());
        // The code shares its row with the side areas, whose lines hold the row up as well.
        const int spare = area == 3 ? codeRect.height() - std::max(least.height(), sideLinesLeast())
                                    : codeRect.width() - least.width();
        if (gap < 1 || gap > 12 || spare < -by + 4)
            return std::nullopt;
        return spare;
    }

    // The least height of the side areas' longest line: the least of each window shown in
    // it, with the row of tabs beneath a group and the separators between them.
    int sideLinesLeast() const
    {
        const int separator =
            m_window->style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, m_window);
        std::map<std::pair<int, int>, std::pair<int, int>> lines;
        for (const DockWidget *dock : m_window->findChildren<DockWidget *>()) {
            const int area = areaOf(m_window, dock->windowBox());
            if ((area != 1 && area != 2) || !m_window->rect().contains(dock->geometry()))
                continue;
            const QSize least = dock->minimumSizeHint().expandedTo(
                dock->layout() ? dock->layout()->minimumSize() : QSize());
            auto &[length, windows] = lines[{area, dock->x()}];
            length += least.height() + tabRowBelow(dock);
            ++windows;
        }
        int longest = 0;
        for (const auto &[line, least] : lines)
            longest = std::max(longest, least.first + separator * (least.second - 1));
        return longest;
    }

    // The height of the row of tabs the toolkit shows beneath a dock, or 0.
    int tabRowBelow(const QWidget *dock) const
    {
        const QRect shown = dock->geometry();
        for (const QTabBar *bar : m_window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
            const QRect row = bar->geometry();
            if (bar->isVisible() && row.top() > shown.bottom() && row.top() <= shown.bottom() + 8 &&
                row.left() < shown.right() && row.right() > shown.left())
                return row.height();
        }
        return 0;
    }

    void send(QWidget *to, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
    {
        QMouseEvent event(type, at, to->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
        QCoreApplication::sendEvent(to, &event);
        settle();
    }

    // The button goes down on the separator and the mouse moves; the release then reaches
    // another window, or none.
    void dragLosingRelease(QPoint from, QPoint by, Lost lost)
    {
        send(m_window, QEvent::MouseButtonPress, from, Qt::LeftButton);
        send(m_window, QEvent::MouseMove, from + by, Qt::LeftButton);
        switch (lost) {
        case Lost::Popup: {
            // A popup the host opens meanwhile takes the mouse, and the release with it.
            auto *popup = new QMenu(m_window);
            popup->addAction(QStringLiteral("Item"));
            popup->popup(m_window->mapToGlobal(from + by));
            settle();
            send(popup, QEvent::MouseButtonRelease, QPoint(2, 2), Qt::NoButton);
            popup->close();
            popup->deleteLater();
            break;
        }
        case Lost::ModalBox:
            CuiSimpleInfo(0, "Note", "The target stopped.");
            break;
        case Lost::Hide:
            CuiWindowHideFromBox(m_handle);
            settle();
            CuiWindowShowFromBox(m_handle);
            break;
        case Lost::Deactivation:
            if (!m_other) {
                m_other = new QWidget;
                m_other->resize(200, 100);
            }
            m_other->show();
            m_other->activateWindow();
            // Under a window manager the other window is active once the manager says so, as
            // when the user turns to it.
            testhost::pumpUntil([this] { return m_other->isActiveWindow(); }, 2000);
            settle();
            m_other->hide();
            m_window->activateWindow();
            break;
        case Lost::No:
        case Lost::Count:
            break;
        }
        settle();
    }

    std::optional<Broken> floatButton(const Step &step)
    {
        const TeskHandle box =
            pick(step.a, [](DockWidget *d) { return d->isVisible() && !d->isFloating(); });
        if (!box)
            return std::nullopt;
        DockWidget *dock = m_window->findDockWidgetByBox(box);
        auto *button =
            dock->findChild<QAbstractButton *>(QStringLiteral("qt_dockwidget_floatbutton"));
        if (!button || !button->isVisible())
            return std::nullopt;
        m_exempt.insert(areaOf(m_window, box));
        floatedOut(m_asked.docks[box]);
        const std::optional<QPoint> stood = whereItStands(box, false);
        QTest::mouseClick(button, Qt::LeftButton);
        return landedWhereItStood(box, stood);
    }

    void userToolbar(const Step &step)
    {
        QList<QToolBar *> bars;
        for (QToolBar *bar : m_window->findChildren<QToolBar *>())
            // The user moves and tears off only toolbars shown.
            if (bar->parentWidget() == m_window && !bar->windowTitle().isEmpty() &&
                (step.kind == StepKind::ToolbarHide || bar->isVisible()))
                bars.append(bar);
        if (bars.isEmpty() || !m_window->isVisible())
            return;
        QToolBar *bar = bars[int(step.a % uint32_t(bars.size()))];
        m_exempt.insert(3);
        if (step.kind == StepKind::ToolbarHide) {
            const bool hide = !bar->isHidden();
            bar->toggleViewAction()->trigger();
            m_asked.toolbarHidden[tesk::frame::toolbarRecordName(bar)] = hide;
        } else if (step.kind == StepKind::ToolbarTearOff) {
            // As the toolkit floats a toolbar dragged out of its area, onto the free area.
            bar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
            bar->adjustSize();
            const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
            const QSize room = (free.size() - bar->size()).expandedTo(QSize(1, 1));
            bar->move(free.topLeft() + QPoint(int(step.b % uint32_t(room.width())),
                                              int(step.c % uint32_t(room.height()))));
            bar->show();
        } else if (step.b % 2) {
            m_window->addToolBarBreak(Qt::TopToolBarArea);
            m_window->addToolBar(Qt::TopToolBarArea, bar);
        } else {
            QToolBar *before = bars[int(step.c % uint32_t(bars.size()))];
            if (before != bar && !before->isFloating())
                m_window->insertToolBar(before, bar);
        }
    }

    // The docks standing within the main window, not out of sight behind a tab.
    int docksInSight() const
    {
        int count = 0;
        for (const DockWidget *dock : m_window->findChildren<DockWidget *>())
            count += dock->isVisible() && !dock->isFloating() &&
                     m_window->rect().intersects(dock->geometry());
        return count;
    }

    // Narrower, lower or both, as far as its least size lets it, then as large as it was: the
    // docks stand as far across their areas as before.
    std::optional<Broken> resizeWindow(const Step &step)
    {
        if (!m_asked.shown || !m_window->isVisible() ||
            m_window->windowState() != Qt::WindowNoState)
            return std::nullopt;
        const QSize size = m_window->size();
        const QSize room = (size - m_window->minimumSizeHint().expandedTo(m_window->minimumSize()))
                               .expandedTo(QSize(0, 0));
        const int how = int(step.a % 3);
        const QSize smaller(
            how == 1 ? size.width() : size.width() - int(step.b % uint32_t(room.width() + 1)),
            how == 0 ? size.height() : size.height() - int(step.c % uint32_t(room.height() + 1)));
        // A dock the fit made a tab meanwhile shows as far across as its group.
        std::map<TeskHandle, int> before;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            before[it.key()] = lineAcrossExtent(m_window, it.key());
        const int inSightBefore = docksInSight();
        bool tabbedToFit = false;
        // While small, the user may click in the window or press and let go on a separator
        // without moving it: neither is a size the user set.
        const bool click = m_switches.on(Promise::SharesComeBackAfterAClick) && step.d % 2;
        for (const QSize to : {smaller, size}) {
            if (click && to == size)
                clickWhileSmall(step);
            m_window->resize(to);
            settle();
            if (m_screen.settleFrames)
                m_screen.settleFrames();
            // Narrower, the toolbars may take one more row each: a window then higher than the
            // screen has room for makes tabs, which it keeps.
            tabbedToFit = tabbedToFit || docksInSight() < inSightBefore;
        }
        const Promise promise = m_asked.releaseLost ? Promise::AllAfterALostRelease
                                : click             ? Promise::SharesComeBackAfterAClick
                                                    : Promise::SharesComeBack;
        if (m_window->size() != size || tabbedToFit || !m_switches.on(promise) ||
            !m_switches.on(Promise::SharesComeBack))
            return std::nullopt;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it) {
            const int now = lineAcrossExtent(m_window, it.key());
            if (std::abs(now - before[it.key()]) > 2)
                return Broken{promise, QStringLiteral("%1 is %2 px across after the window was "
                                                      "%3x%4 for a while, was %5")
                                           .arg(it->name)
                                           .arg(now)
                                           .arg(smaller.width())
                                           .arg(smaller.height())
                                           .arg(before[it.key()])};
        }
        return std::nullopt;
    }

    // A click in the code, or a press and release on the separator before a dock shown.
    void clickWhileSmall(const Step &step)
    {
        const TeskHandle box = pick(step.d / 2, [this](DockWidget *d) {
            return d->isVisible() && !d->isFloating() && m_window->tabifiedDockWidgets(d).isEmpty();
        });
        QWidget *code = m_window->centralWidget();
        if (step.d / 2 % 2 && box) {
            const QPoint at =
                testhost::separatorBefore(m_window, m_window->findDockWidgetByBox(box));
            send(m_window, QEvent::MouseButtonPress, at, Qt::LeftButton);
            send(m_window, QEvent::MouseButtonRelease, at, Qt::NoButton);
        } else if (code && code->isVisible()) {
            QTest::mouseClick(code, Qt::LeftButton, {}, code->rect().center());
            settle();
        }
    }

    // As a window manager resizes a window: the platform window is told its new geometry, no
    // smaller than the least size the window asks for, and the widget follows; then as large
    // as it was.
    std::optional<Broken> resizeByWindowSystem(const Step &step)
    {
        QWindow *handle = m_window->windowHandle();
        if (!m_asked.shown || !m_window->isVisible() || !handle ||
            m_window->windowState() != Qt::WindowNoState)
            return std::nullopt;
        const QRect was = handle->geometry();
        const QSize least = m_window->minimumSizeHint().expandedTo(m_window->minimumSize());
        const QSize room = (was.size() - least).expandedTo(QSize(0, 0));
        const int how = int(step.a % 3);
        const QSize smaller(
            how == 1 ? was.width() : was.width() - int(step.b % uint32_t(room.width() + 1)),
            how == 0 ? was.height() : was.height() - int(step.c % uint32_t(room.height() + 1)));
        std::map<TeskHandle, int> before;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            before[it.key()] = lineAcrossExtent(m_window, it.key());
        for (const QSize to : {smaller, was.size()}) {
            handle->setGeometry(QRect(was.topLeft(), to));
            settle();
            if (m_screen.settleFrames)
                m_screen.settleFrames();
        }
        if (m_window->size() != was.size() || !m_switches.on(Promise::SharesComeBack))
            return std::nullopt;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it) {
            const int now = lineAcrossExtent(m_window, it.key());
            if (std::abs(now - before[it.key()]) > 2)
                return Broken{Promise::SharesComeBack,
                              QStringLiteral("%1 is %2 px across after the window system made "
                                             "the window %3x%4 for a while, was %5")
                                  .arg(it->name)
                                  .arg(now)
                                  .arg(smaller.width())
                                  .arg(smaller.height())
                                  .arg(before[it.key()])};
        }
        return std::nullopt;
    }

    // ---- a fresh main window from the records ----
    std::optional<Broken> roundTrip()
    {
        if (!m_asked.shown)
            return std::nullopt;
        const Promise kind =
            holdsHiddenOrTabs() ? Promise::RoundTripOfHiddenAndTabs : Promise::RoundTrip;
        const Promise promise = m_asked.releaseLost ? Promise::AllAfterALostRelease : kind;
        const Picture stored = takePicture(m_handle);
        // The tab in front of each group, as the records say it and as each run shows it.
        QString fronts[3] = {frontDiffersFrom(m_window, stored)};
        const Picture second = restoreInto(kSecondWindow, m_handle, stored, &fronts[1]);
        const Picture third = restoreInto(kThirdWindow, kSecondWindow, second, &fronts[2]);
        for (TeskHandle handle : {kSecondWindow, kThirdWindow})
            delete Store::instance()->findMainWindowByHandle(handle);
        settle();
        QtSetCurrentCodeFromBox(m_handle);
        const char *const runs[] = {"first", "second", "third"};
        for (int run = 0; run < 3 && m_switches.on(Promise::TabsInFront); ++run)
            if (!fronts[run].isEmpty())
                return Broken{
                    m_asked.releaseLost ? Promise::AllAfterALostRelease : Promise::TabsInFront,
                    QStringLiteral("%1 run: %2").arg(QLatin1String(runs[run]), fronts[run])};
        if (!m_switches.on(promise) || !m_switches.on(kind))
            return std::nullopt;
        for (const Picture *restored : {&second, &third}) {
            const QString difference = differenceBetween(
                stored, *restored, QGuiApplication::primaryScreen()->availableGeometry());
            if (!difference.isEmpty())
                return Broken{promise, QStringLiteral("%1 run: %2")
                                           .arg(restored == &second ? QStringLiteral("second")
                                                                    : QStringLiteral("third"),
                                                difference)};
        }
        return std::nullopt;
    }

    bool holdsHiddenOrTabs() const
    {
        for (DockWidget *dock : m_window->dockList())
            if (dock->isHidden() || !m_window->tabifiedDockWidgets(dock).isEmpty())
                return true;
        return false;
    }

    // As a host starts again: the window at the size it had, its toolbars, the records, the
    // show; frontDiffers tells where the tab in front of a group is not the one they said.
    Picture restoreInto(TeskHandle handle, TeskHandle from, const Picture &stored,
                        QString *frontDiffers)
    {
        int x = 0, y = 0, width = 0, height = 0, minimised = 0;
        QtGetSizePos(from, &x, &y, &width, &height, &minimised);
        std::vector<std::string> names;
        for (int i = 0; i < stored.docks.size(); ++i)
            names.emplace_back(QtReturnKSOTitle(from, i));
        createMainWindow(handle);
        QtResizePosWindow(handle, x, y, width, height);
        if (m_find)
            QtCreateEditorToolBar(handle, &onFind);
        if (m_script)
            CuiScriptToolBarCreate(handle, &onScript);
        for (int i = 0; i < stored.toolbars.size(); ++i)
            QtSetToolbarData(("tb_x_" + stored.toolbarTitles[i]).constData(),
                             stored.toolbars[i].constData());
        const std::set<QString> memory = memoryNames();
        for (int i = 0; i < stored.docks.size(); ++i) {
            CuiSetDockWindowPersistanceData(handle, stored.docks[i].constData());
            if (memory.count(captionOf(stored.docks[i])))
                remakeMemory();
            else
                QtWindowCreate(names[size_t(i)].c_str(), &paneCallback,
                               kFirstRestoredBox + TeskHandle(handle) * 1000 + i);
        }
        QtFrameShow();
        settle();
        if (m_screen.settleFrames)
            m_screen.settleFrames();
        *frontDiffers = frontDiffersFrom(Store::instance()->findMainWindowByHandle(handle), stored);
        return takePicture(handle);
    }

    // The host names every memory view's dock alike; its record tells them apart.
    static QString captionOf(const QByteArray &record)
    {
        return tesk::frame::readDockRecord(record).caption;
    }

    std::set<QString> memoryNames() const
    {
        std::set<QString> names;
        for (const TeskHandle box : m_memory)
            names.insert(m_asked.docks.value(box).name);
        return names;
    }

    // A host makes its memory views anew through the views manager, each after its record:
    // the box of the dock made, or 0.
    static TeskHandle remakeMemory()
    {
        IGcp_ViewsManager *views = viewsManager();
        MainWindow *window = Store::currentMainWindow();
        if (!views || !window)
            return 0;
        const QList<DockWidget *> before = window->dockList();
        uint64_t id = 0;
        mosk::release(
            views->ops->createView(views, GC_NO_ID, GCP_VIEW_TYPE_MEMORY, nullptr, 0, &id));
        views->ops->Release(views);
        for (DockWidget *dock : window->dockList())
            if (!before.contains(dock))
                return dock->windowBox();
        return 0;
    }

    // ---- the host's life: records read at any moment, a fresh window or a new start ----
    struct Stored
    {
        Picture picture;
        std::vector<std::string> names;
        QRect place;
        // What the host had done to each dock when it read the records, and its box, by name.
        QMap<QString, DockAsked> asked;
        QMap<QString, TeskHandle> boxes;
        bool find = false;
        bool script = false;
        // The names of the memory views' docks.
        std::set<QString> memory;
    };

    Stored stored() const
    {
        Stored s;
        s.picture = takePicture(m_handle);
        for (int i = 0; i < s.picture.docks.size(); ++i)
            s.names.emplace_back(QtReturnKSOTitle(m_handle, i));
        int x = 0, y = 0, width = 0, height = 0, minimised = 0;
        QtGetSizePos(m_handle, &x, &y, &width, &height, &minimised);
        s.place = QRect(x, y, width, height);
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            if (!it->closedByHost) {
                s.asked.insert(it->name, *it);
                // A host makes its memory views anew; the records bring their docks back as
                // panes of boxes of its own.
                if (!m_memory.count(it.key()))
                    s.boxes.insert(it->name, it.key());
            }
        s.find = m_find;
        s.script = m_script;
        s.memory = memoryNames();
        return s;
    }

    // The records read now or at an earlier step, brought back in a fresh main window of this
    // run or of a new start of the library, on a screen of either size.
    std::optional<Broken> lifeGoesOn(const Step &step)
    {
        const Stored records = step.b % 2 && m_stored ? *m_stored : stored();
        m_stored.reset();
        if (step.kind == StepKind::Restart && m_screen.set) {
            // A desktop's window manager knows the windows of one start: there the run goes
            // on in a fresh window.
            delete std::exchange(m_other, nullptr);
            const char *look = kLooks[step.d / 2 % std::size(kLooks)];
            startAgain(step.c % 2, step.d % 2 ? "de" : "en", look);
            m_restarted = true;
            m_otherLook = look != kLooks[0];
        } else {
            // As a host closes its window: the panes it makes again on the same boxes while
            // the old docks are still going are the boxes' from then on.
            QtCloseCode(m_handle);
            m_handle = m_handle == kWindow ? kFreshWindow : kWindow;
        }
        m_window = nullptr;
        if (m_screen.set) {
            m_screenRect =
                step.a % 3 == 0 ? (m_screenRect == kSmall ? kLarge : kSmall) : m_screenRect;
            m_screen.set(m_screenRect, freeOf(m_screenRect));
        }
        return restoreFrom(records);
    }

    // As a host ends its run and starts the library again within the same load.
    void startAgain(bool clearBroker, const char *language, const char *look)
    {
        endMainWindows();
        m_handle = kWindow;
        QtShutdown();
        CuiRun();
        if (clearBroker) {
            moskBrokerClear();
            SimulatedCores::registerWithBroker();
            EventSubjectHost::instance().registerWithBroker();
            if (MoskResult result =
                    moskInitialisePlugin(reinterpret_cast<MoskRegistrar *>(moskGetObjectBroker())))
                result->ops->Release(result);
        }
        setenv("KSODEBUG_LANG", language, 1);
        unsetenv("KSODEBUG_ENABLE_ZEBSTYLE");
        if (!std::strcmp(look, "windows"))
            setenv("KSODEBUG_ENABLE_ZEBSTYLE", "1", 1);
        QByteArray line;
        if (!std::strcmp(look, "wood") || !std::strcmp(look, "metal"))
            line = QByteArray("-style ") + look;
        CuiQtInit_WinEx("tesk-tests", line.data());
        if (m_screen.set)
            m_screen.set(m_screenRect, freeOf(m_screenRect));
    }

    std::optional<Broken> restoreFrom(const Stored &records)
    {
        m_window = createMainWindow(m_handle);
        const QRect &place = records.place;
        QtResizePosWindow(m_handle, place.x(), place.y(), place.width(), place.height());
        QtSetCurrentCodeFromBox(m_handle);
        if ((m_find = records.find))
            QtCreateEditorToolBar(m_handle, &onFind);
        if ((m_script = records.script))
            CuiScriptToolBarCreate(m_handle, &onScript);
        // The docks going with the last window tell their boxes closed, which the new ones
        // take.
        std::set<TeskHandle> closesTold = m_asked.closesTold;
        g_closesTold = nullptr;
        m_asked = Asked();
        m_memory.clear();
        m_asked.windowManager = bool(m_screen.settleFrames);
        m_asked.otherLook = m_otherLook;
        m_asRecorded.clear();
        const Picture &picture = records.picture;
        for (int i = 0; i < picture.toolbars.size(); ++i) {
            QtSetToolbarData(("tb_x_" + picture.toolbarTitles[i]).constData(),
                             picture.toolbars[i].constData());
            // Kept by names no language changes, a record of the other language finds its
            // toolbar; one stored by a translated title finds it in its own language only.
            const QString title = QString::fromLatin1(picture.toolbarTitles[i]);
            for (QToolBar *bar : m_window->findChildren<QToolBar *>())
                if (tesk::frame::toolbarRecordName(bar) == title || bar->windowTitle() == title)
                    m_asked.toolbarHidden[tesk::frame::toolbarRecordName(bar)] =
                        picture.toolbars[i].split(':').value(5) == "1";
        }
        for (int i = 0; i < picture.docks.size(); ++i) {
            const bool memory = records.memory.count(captionOf(picture.docks[i])) > 0;
            const QString name = memory ? captionOf(picture.docks[i])
                                        : QString::fromStdString(records.names[size_t(i)]);
            TeskHandle box = records.boxes.value(name, 0) ? records.boxes.value(name)
                             : memory                     ? 0
                                                          : m_nextBox++;
            closesTold.erase(box);
            CuiSetDockWindowPersistanceData(m_handle, picture.docks[i].constData());
            if (memory) {
                if (!(box = remakeMemory()))
                    continue;
                m_memory.insert(box);
            } else {
                QtWindowCreate(records.names[size_t(i)].c_str(), &paneCallback, box);
                QtSetGoto(1, m_handle);
            }
            DockAsked &asked = m_asked.docks[box];
            asked.name = name;
            // A memory view asks for its rows as the show lays it out, which the records read
            // before the show do not tell yet.
            if (!memory)
                m_asRecorded.insert(name);
            asked.hiddenByHost = records.asked.value(asked.name).hiddenByHost;
            asked.everHidden = asked.hiddenByHost;
            asked.everFloated = records.asked.value(asked.name).everFloated;
            // Its record sizes its line, as the host sizing a box does.
            const QList<QByteArray> fields = picture.docks[i].split(':');
            const int area = fields.value(1).toInt();
            if (area >= 1 && area <= 3)
                asked.setAcross = fields.value(area == 3 ? 7 : 6).toInt();
            m_newlyKept.insert(box);
        }
        const Picture beforeShow = takePicture(m_handle);
        QtFrameShow();
        m_asked.shown = true;
        exemptAll();
        settle();
        m_asked.closesTold = closesTold;
        g_closesTold = &m_asked.closesTold;
        if (m_screen.settleFrames)
            m_screen.settleFrames();
        if (auto broken = showGave(beforeShow))
            return broken;
        if (!m_switches.on(Promise::RestoredAsLeft))
            return std::nullopt;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it) {
            const DockWidget *dock = m_window->findDockWidgetByBox(it.key());
            if (!dock || dock->isVisible() == it->hiddenByHost)
                return Broken{Promise::RestoredAsLeft,
                              QStringLiteral("%1 restored %2, the host %3 it")
                                  .arg(it->name,
                                       !dock              ? QStringLiteral("closed")
                                       : it->hiddenByHost ? QStringLiteral("shown")
                                                          : QStringLiteral("hidden"),
                                       it->hiddenByHost ? QStringLiteral("hid")
                                                        : QStringLiteral("did not hide"))};
        }
        return std::nullopt;
    }

    // The main window shown, the records read before (a host storing its layout on an early
    // exit) compared with those read after.
    std::optional<Broken> showReadingRecords(bool readBefore)
    {
        const std::optional<Picture> before =
            readBefore ? std::optional<Picture>(takePicture(m_handle)) : std::nullopt;
        QtFrameShow();
        m_asked.shown = true;
        exemptAll();
        settle();
        if (m_screen.settleFrames)
            m_screen.settleFrames();
        return before ? showGave(*before) : std::nullopt;
    }

    std::optional<Broken> showGave(Picture before) const
    {
        if (!m_switches.on(Promise::RecordsBeforeTheShow))
            return std::nullopt;
        // The records the host brought back and left as they came: the show lays the others
        // out anew (a dock made without one takes a share the toolkit may cut).
        before.docks.removeIf([this](const QByteArray &record) {
            return !m_asRecorded.count(QString::fromLatin1(record.split(':').value(0)));
        });
        const QString difference = showDiffersFrom(
            before, takePicture(m_handle), QGuiApplication::primaryScreen()->availableGeometry(),
            m_asked.windowManager);
        if (difference.isEmpty())
            return std::nullopt;
        return Broken{Promise::RecordsBeforeTheShow, difference};
    }

    // ---- sizes the host and the user gave ----
    void exemptAll() { m_exempt.insert({1, 2, 3}); }

    // A step that needed room in an area, or gave sizes there, starts the kept sizes of its
    // docks afresh from what they show.
    void remeasure()
    {
        if (!m_window)
            return;
        for (auto it = m_asked.docks.begin(); it != m_asked.docks.end(); ++it) {
            const bool again = m_exempt.count(it->keptArea) > 0;
            // Hidden, a dock keeps the size set for when it shows again.
            if (it->hiddenByHost || (!m_newlyKept.count(it.key()) && !(it->keptArea >= 0 && again)))
                continue;
            const int across = acrossExtent(m_window, it.key());
            const int area = across > 0 ? areaOf(m_window, it.key()) : -1;
            // What the host asked for across one area says nothing of another; a tab the fit
            // put out of sight stands in its area still, and its group holds that size.
            if (it->keptArea >= 0 && areaOf(m_window, it.key()) != it->keptArea)
                it->setAcross = 0;
            it->keptArea = area;
            it->keptAcross = across;
            // Only the docks the drag sized were set by the user.
            if (m_userSized && m_newlyKept.count(it.key()))
                it->setAcross = across;
        }
        m_newlyKept.clear();
        m_userSized = false;
    }

    const Screen &m_screen;
    const PromiseSwitches &m_switches;
    const bool m_lookAgain;
    MainWindow *m_window = nullptr;
    Asked m_asked;
    QRect m_screenRect;
    TeskHandle m_nextBox = 100;
    bool m_find = false;
    bool m_script = false;
    // Areas whose kept sizes the step may change, and the docks that took a size.
    std::set<int> m_exempt;
    std::set<TeskHandle> m_newlyKept;
    // The step was the user's drag: the sizes it leaves are the ones set.
    bool m_userSized = false;
    // The window a deactivation goes to.
    QWidget *m_other = nullptr;
    TeskHandle m_handle = kWindow;
    // The record restored last.
    QByteArray m_lastRecord;
    // The records the host read at an earlier step.
    std::optional<Stored> m_stored;
    // The docks brought back by their records that the host left as they came.
    std::set<QString> m_asRecorded;
    // The library was started again: in another language or look, perhaps.
    bool m_restarted = false;
    // The boxes of the memory views' docks the views manager made in this main window.
    std::set<TeskHandle> m_memory;
    bool m_otherLook = false;
};

struct Weighted
{
    StepKind kind;
    int weight;
};

const Weighted kWeights[] = {
    {StepKind::DockRight, 10},     {StepKind::DockBottom, 10},  {StepKind::Floating, 4},
    {StepKind::Restore, 10},       {StepKind::ResizeBox, 6},    {StepKind::Hide, 5},
    {StepKind::ShowAgain, 4},      {StepKind::Close, 4},        {StepKind::Undock, 4},
    {StepKind::Dock, 2},           {StepKind::FindToolbar, 2},  {StepKind::ScriptToolbar, 2},
    {StepKind::ToolbarRecord, 4},  {StepKind::ShrinkScreen, 2}, {StepKind::RoundTrip, 1},
    {StepKind::Drag, 8},           {StepKind::FloatButton, 3},  {StepKind::ToolbarMove, 3},
    {StepKind::ToolbarTearOff, 2}, {StepKind::ToolbarHide, 3},
};

// The host's life goes on between the layout's steps, and restores groups of tabs, from a draw
// of its own: a seed plays the layout's steps it played before these were part of the
// sequences.
const StepKind kLifeSteps[] = {StepKind::StoreRecords, StepKind::FreshWindow, StepKind::Restart,
                               StepKind::RestoreTab};
constexpr int kMostLifeSteps = 4;

Step randomStep(std::mt19937 &random, StepKind kind)
{
    const auto next = [&random] { return uint32_t(random()); };
    const uint32_t a = next(), b = next(), c = next(), d = next();
    return {kind, a, b, c, d};
}

StepKind randomKind(std::mt19937 &random)
{
    int total = 0;
    for (const Weighted &w : kWeights)
        total += w.weight;
    int at = int(random() % uint32_t(total));
    for (const Weighted &w : kWeights) {
        if (at < w.weight)
            return w.kind;
        at -= w.weight;
    }
    return StepKind::DockRight;
}

bool sameFailure(const std::optional<Failure> &failure, const Failure &wanted)
{
    return failure && failure->broken.promise == wanted.broken.promise;
}

uint32_t environmentNumber(const char *name, uint32_t fallback)
{
    bool ok = false;
    const uint32_t value = qEnvironmentVariable(name).toUInt(&ok, 0);
    return ok ? value : fallback;
}

} // namespace

std::vector<Step> generate(uint32_t seed, int shortest, int longest, bool pointer)
{
    std::mt19937 random(seed);
    const int length = shortest + int(random() % uint32_t(longest - shortest + 1));
    const int showAt = 1 + int(random() % uint32_t(length / 2 + 1));
    std::vector<Step> steps{randomStep(random, StepKind::Start)};
    for (int i = 1; i < length; ++i) {
        steps.push_back(randomStep(random, i == showAt ? StepKind::Show : randomKind(random)));
        // The window resized stands in for one hide-toolbar step in three, drawing no number
        // of its own: the sequences of the seeds played and surveyed before stay as they were.
        if (steps.back().kind == StepKind::ToolbarHide && steps.back().d % 3 == 0)
            steps.back().kind =
                steps.back().d / 3 % 2 ? StepKind::ResizeByWindowSystem : StepKind::ResizeWindow;
    }
    steps.push_back(randomStep(random, StepKind::RoundTrip));
    if (pointer) {
        // A stream of its own, so that a seed plays the same other steps with the pointer or not.
        std::mt19937 hand(seed ^ 0x9e3779b9u);
        for (size_t at = size_t(showAt) + 1; at + 1 < steps.size(); ++at)
            if (hand() % 4 == 0) {
                const StepKind kind =
                    hand() % 3 == 0 ? StepKind::TitleBarDoubleClick : StepKind::TitleBarDrag;
                steps.insert(steps.begin() + long(++at), randomStep(hand, kind));
            }
    }
    std::mt19937 life(seed ^ 0x5bd1e995u);
    for (int n = int(life() % uint32_t(kMostLifeSteps + 1)); n > 0; --n) {
        const size_t at = 1 + life() % uint32_t(steps.size() - 1);
        const StepKind kind = kLifeSteps[life() % std::size(kLifeSteps)];
        steps.insert(steps.begin() + long(at), randomStep(life, kind));
    }
    // And from one more: groups of tabs hidden before one more pane comes.
    std::mt19937 tabs(seed ^ 0x27d4eb2fu);
    for (int n = int(tabs() % 3); n > 0; --n) {
        const size_t at = 1 + tabs() % uint32_t(steps.size() - 1);
        steps.insert(steps.begin() + long(at), randomStep(tabs, StepKind::HideTabs));
    }
    // And from one more: memory views' docks made and closed through the views manager, and
    // docks closed out of groups of tabs; with the pointer, panes dropped on a group's tabs.
    std::mt19937 views(seed ^ 0x85ebca6bu);
    for (int n = int(views() % 8); n > 0; --n) {
        const size_t at = 1 + views() % uint32_t(steps.size() - 1);
        const uint32_t draw = views() % 6;
        const StepKind kind = draw < 3   ? StepKind::MemoryView
                              : draw < 5 ? StepKind::CloseMemory
                                         : StepKind::CloseInGroup;
        steps.insert(steps.begin() + long(at), randomStep(views, kind));
    }
    // And from one more: the host floats a whole group of tabs at once.
    std::mt19937 groups(seed ^ 0x165667b1u);
    if (groups() % 3 == 0) {
        const size_t at = 1 + groups() % uint32_t(steps.size() - 1);
        steps.insert(steps.begin() + long(at), randomStep(groups, StepKind::UndockTabs));
    }
    // And from one more: a window floated out of a group of tabs, the rest of it hidden, before
    // one more pane comes after it.
    std::mt19937 floats(seed ^ 0x3c6ef372u);
    if (floats() % 3 == 0) {
        const size_t at = 1 + floats() % uint32_t(steps.size() - 1);
        steps.insert(steps.begin() + long(at), randomStep(floats, StepKind::FloatOutOfTabs));
    }
    // And from one more: a pane and a group of two beside it restored at the bottom.
    std::mt19937 besides(seed ^ 0x1b873593u);
    if (besides() % 4 == 0) {
        const size_t at = 1 + besides() % uint32_t(steps.size() - 1);
        steps.insert(steps.begin() + long(at), randomStep(besides, StepKind::RestoreBesideGroup));
    }
    if (pointer) {
        std::mt19937 drops(seed ^ 0xc2b2ae35u);
        for (int n = int(drops() % 3); n > 0; --n) {
            const size_t at = 1 + drops() % uint32_t(steps.size() - 1);
            steps.insert(steps.begin() + long(at), randomStep(drops, StepKind::TitleBarDropOnTabs));
        }
    }
    // And from one more: the user brings a tab of a group to the front.
    std::mt19937 fronts(seed ^ 0x27220a95u);
    for (int n = int(fronts() % 4); n > 0; --n) {
        const size_t at = 1 + fronts() % uint32_t(steps.size() - 1);
        steps.insert(steps.begin() + long(at), randomStep(fronts, StepKind::ClickTab));
    }
    return steps;
}

std::optional<Failure> play(const std::vector<Step> &steps, const Screen &screen,
                            const PromiseSwitches &switches, bool lookAgain)
{
    Play play(screen, switches, lookAgain);
    return play.run(steps);
}

std::vector<Step> reduce(std::vector<Step> steps, const Failure &failure, const Screen &screen,
                         const PromiseSwitches &switches)
{
    steps.resize(size_t(failure.step) + 1);
    // Parts ever smaller are left out while the promise still breaks; the start stays. A step
    // left out changes what later steps pick, so the rounds go on while one shortens.
    for (size_t before = 0; before != steps.size();) {
        before = steps.size();
        for (size_t chunk = std::max<size_t>(1, steps.size() / 2);; chunk /= 2) {
            for (size_t at = 1; at < steps.size();) {
                std::vector<Step> shorter = steps;
                const size_t end = std::min(steps.size(), at + chunk);
                shorter.erase(shorter.begin() + long(at), shorter.begin() + long(end));
                if (sameFailure(play(shorter, screen, switches), failure))
                    steps = std::move(shorter);
                else
                    at += chunk;
            }
            if (chunk == 1)
                break;
        }
    }
    return steps;
}

std::string playEach(const NamedSequences &sequences, const Screen &screen)
{
    std::string broken;
    for (const auto &[what, steps] : sequences)
        if (const std::optional<Failure> failure =
                play(steps, screen, PromiseSwitches::fromEnvironment()))
            broken += std::string(what) + ": after step " + std::to_string(failure->step) + ", " +
                      failure->broken.text.toStdString() + "\n";
    return broken;
}

std::string describe(const std::vector<Step> &steps)
{
    std::string text;
    QByteArray lastRecord;
    for (const Step &step : steps) {
        text += "  " + std::string(kindName(step.kind)) + " {" + std::to_string(step.a) + ", " +
                std::to_string(step.b) + ", " + std::to_string(step.c) + ", " +
                std::to_string(step.d) + "}";
        if (step.kind == StepKind::Restore || step.kind == StepKind::RestoreTab) {
            lastRecord =
                step.kind == StepKind::Restore ? recordOf(step) : tabRecordOf(step, lastRecord);
            text += " record \"Pane N" + lastRecord.toStdString() + "\"";
        }
        if (step.kind == StepKind::Drag)
            text += std::string(" ") + kLostNames[step.c % int(Lost::Count)];
        if (step.kind == StepKind::TitleBarDrag)
            text += " onto area " + std::to_string(1 + step.b % 3);
        if (step.kind == StepKind::MemoryView)
            text += std::string(step.c % 4 == 3 ? " one more view in a memory dock, else" : "") +
                    std::string(" QtCreateDocked(") + "014"[step.a % 3] + "," + "01"[step.b % 2] +
                    ") " +
                    (step.c % 4 == 1   ? "createViewInNewPane"
                     : step.c % 4 == 2 ? "openView"
                                       : "createView");
        if (step.kind == StepKind::CloseMemory || step.kind == StepKind::CloseInGroup)
            text += step.b % 3 == 2   ? " removeView of each view (CuiPaneClose for a host's)"
                    : step.b % 3 == 1 ? " option 668"
                                      : " CuiPaneClose";
        if (step.kind == StepKind::FloatOutOfTabs)
            text += std::string(step.a % 2 ? " bottom," : " right,") +
                    (step.c % 3 == 0 ? " none hidden," : " the others hidden,") +
                    (step.d % 2 ? " records read" : "");
        if (step.kind == StepKind::Restart)
            text += std::string(step.c % 2 ? " broker cleared, " : " ") +
                    (step.d % 2 ? "de " : "en ") + kLooks[step.d / 2 % std::size(kLooks)];
        text += "\n";
    }
    return text;
}

std::string playSeeds(uint32_t firstSeed, int count, int shortest, int longest,
                      const Screen &screen)
{
    const PromiseSwitches switches = PromiseSwitches::fromEnvironment();
    const bool replay = qEnvironmentVariableIsSet("TESK_LAYOUT_SEED");
    firstSeed = environmentNumber("TESK_LAYOUT_SEED", firstSeed);
    // A seed with a count plays that many from the seed on: a wide run split among processes.
    count = replay && !qEnvironmentVariableIsSet("TESK_LAYOUT_SEQUENCES")
                ? 1
                : int(environmentNumber("TESK_LAYOUT_SEQUENCES", uint32_t(count)));
    // A wide survey wants every seed that breaks, not the first one shortened.
    const bool survey = qEnvironmentVariableIsSet("TESK_LAYOUT_SURVEY");
    std::string broken;
    for (int n = 0; n < count; ++n) {
        const uint32_t seed = firstSeed + uint32_t(n);
        const std::vector<Step> steps =
            generate(seed, shortest, longest, screen.settleFrames && xview::available());
        const std::optional<Failure> failure = play(steps, screen, switches, true);
        if (survey && (n + 1) % 50 == 0)
            std::fprintf(stderr, "surveyed seeds %u to %u\n", firstSeed, seed);
        if (!failure)
            continue;
        const std::string headline = "seed " + std::to_string(seed) + " broke " +
                                     promiseName(failure->broken.promise) + " after step " +
                                     std::to_string(failure->step) + ": " +
                                     failure->broken.text.toStdString() + "\n";
        if (survey) {
            // Told at once too: a survey stopped before its end still leaves what it found.
            std::fputs(headline.c_str(), stderr);
            std::fflush(stderr);
            broken += headline;
            continue;
        }
        const std::vector<Step> shortestFound = reduce(steps, *failure, screen, switches);
        const std::optional<Failure> again = play(shortestFound, screen, switches, true);
        return headline + "shortest sequence found:\n" + describe(shortestFound) +
               (again ? "  -> " + again->broken.text.toStdString() : "") +
               "\nreplay with TESK_LAYOUT_SEED=" + std::to_string(seed) +
               "\npromises switched off:\n" + switches.describeOff().toStdString();
    }
    return broken;
}

} // namespace testhost::layout
