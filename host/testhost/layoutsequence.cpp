#include "layoutsequence.h"

#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/layoutrecords.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_frame.h>
#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_window.h>

#include <QAbstractButton>
#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTest>
#include <QToolBar>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <random>
#include <set>

namespace testhost::layout {

namespace {

constexpr TeskHandle kWindow = 1;
constexpr int kPanel = 28;
const QRect kLarge(0, 0, 1280, 800);
const QRect kSmall(0, 0, 1024, 600);
// The fresh main windows of a round trip and the boxes of their docks.
constexpr TeskHandle kSecondWindow = 2;
constexpr TeskHandle kThirdWindow = 3;
constexpr TeskHandle kFirstRestoredBox = 5000;

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
    static const char *const names[] = {"start",         "show",           "dock right",
                                        "dock bottom",   "floating",       "restore",
                                        "size box",      "hide",           "show again",
                                        "close",         "undock",         "dock",
                                        "find toolbar",  "script toolbar", "toolbar record",
                                        "shrink screen", "round trip",     "drag",
                                        "float button",  "move toolbar",   "tear off toolbar",
                                        "hide toolbar",  "resize window"};
    return names[int(kind)];
}

// The record a restore step gives the host's next pane (after its caption), as a host keeps
// it: stored on this screen or a larger one, in any area, shown or hidden.
int recordArea(const Step &step)
{
    return int(step.a % 9) < 8 ? 1 + int(step.a % 9) % 4 : 0;
}

int recordVisible(const Step &step)
{
    return step.d % 6 == 0 ? 0 : 1;
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

// How the release of a separator drag is lost.
enum class Lost { No, Popup, ModalBox, Hide, Deactivation, Count };
const char *const kLostNames[] = {"released", "release to a popup", "release lost to a modal box",
                                  "release lost to a hide", "release lost to a deactivation"};

// One play of a sequence: the main window, what the host and the user asked of it.
class Play
{
public:
    Play(const Screen &screen, const PromiseSwitches &switches)
        : m_screen(screen)
        , m_switches(switches)
    {
        g_closesTold = &m_asked.closesTold;
        m_asked.windowManager = bool(screen.settleFrames);
    }
    ~Play()
    {
        g_closesTold = nullptr;
        delete m_other;
        endMainWindows();
    }

    std::optional<Failure> run(const std::vector<Step> &steps)
    {
        for (size_t i = 0; i < steps.size(); ++i) {
            m_exempt.clear();
            if (auto broken = take(steps[i]))
                return Failure{int(i), *broken};
            settle();
            if (m_screen.settleFrames && m_asked.shown)
                m_screen.settleFrames();
            remeasure();
            if (!m_window)
                continue;
            if (auto broken = check(m_window, m_asked, m_switches))
                return Failure{int(i), *broken};
            keepWhatTheFitLeft(m_window, m_asked);
        }
        return std::nullopt;
    }

private:
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
            if (!m_asked.shown) {
                QtFrameShow();
                m_asked.shown = true;
                exemptAll();
            }
            break;
        case StepKind::DockRight:
        case StepKind::DockBottom:
            QtCreateDocked(step.kind == StepKind::DockRight ? 0 : 1, int(step.a % 2));
            if (step.a % 2)
                m_exempt.insert(step.kind == StepKind::DockRight ? 2 : 3);
            // The side areas share the window's width: the fit may take it from the other.
            if (step.kind == StepKind::DockRight)
                m_exempt.insert(1);
            makeDock();
            break;
        case StepKind::Floating:
            makeDock();
            break;
        case StepKind::Restore:
            restore(step);
            break;
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
                exemptAll();
            }
            break;
        case StepKind::FindToolbar:
            m_find = true;
            QtCreateEditorToolBar(kWindow, &onFind);
            m_exempt.insert(3);
            break;
        case StepKind::ScriptToolbar:
            m_script = true;
            CuiScriptToolBarCreate(kWindow, &onScript);
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
            drag(step);
            break;
        case StepKind::FloatButton:
            floatButton(step);
            break;
        case StepKind::ToolbarMove:
        case StepKind::ToolbarTearOff:
        case StepKind::ToolbarHide:
            userToolbar(step);
            break;
        case StepKind::ResizeWindow:
            return resizeWindow(step);
        case StepKind::Start:
            break;
        }
        return std::nullopt;
    }

    void start(const Step &step)
    {
        endMainWindows();
        m_screenRect = step.a % 2 ? kSmall : kLarge;
        if (m_screen.set)
            m_screen.set(m_screenRect, freeOf(m_screenRect));
        m_window = createMainWindow(kWindow);
        // Some hosts keep a size from a larger screen.
        QtResizePosWindow(kWindow, 0, 0, 800 + int(step.b % 600), 500 + int(step.c % 400));
        QtSetCurrentCodeFromBox(kWindow);
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
            CuiSetDockWindowPersistanceData(kWindow, (name.toLatin1() + record).constData());
        QtWindowCreate(name.toLatin1().constData(), &paneCallback, box);
        // The host may look for it to show its data, and so show it again once hidden.
        QtSetGoto(1, kWindow);
        m_asked.docks[box].name = name;
        return box;
    }

    void restore(const Step &step)
    {
        const int area = recordArea(step);
        const int visible = recordVisible(step);
        const TeskHandle box = makeDock(recordOf(step));
        m_asked.docks[box].hiddenByHost = visible == 0;
        m_asked.docks[box].everHidden = visible == 0;
        // The record's extent across is the size the user left in an earlier run.
        const QList<QByteArray> fields = recordOf(step).split(':');
        // The record sizes the line it joins, as the host sizing a box does, or its group's.
        if (area >= 1 && area <= 3) {
            const std::set<TeskHandle> joined = groupOf(box);
            for (auto it = m_asked.docks.begin(); it != m_asked.docks.end(); ++it)
                if (std::any_of(joined.begin(), joined.end(), [&](TeskHandle member) {
                        return member == it.key() ||
                               (areaOf(m_window, member) == area && sameLine(member, it.key()));
                    }))
                    it->setAcross = fields.value(area == 3 ? 7 : 6).toInt();
        }
        if (area >= 1 && area <= 3)
            m_exempt.insert(area);
        if (area == 1 || area == 2)
            m_exempt.insert(3 - area);
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
        const QSize given(80 + int(step.b % 500), 80 + int(step.c % 400));
        QtResizePosWindow(box, 0, 0, given.width(), given.height());
        settle();
        m_exempt.insert(area);
        m_exempt.insert(areaOf(m_window, box));
        // What it shows is what the host gave it, or as much as the fit left it; its line
        // stands as far across as the host asked, once the room is there.
        m_newlyKept.insert(box);
        const int now = areaOf(m_window, box);
        for (auto it = m_asked.docks.begin(); it != m_asked.docks.end(); ++it)
            if (it.key() == box || (now >= 0 && sameLine(box, it.key())))
                it->setAcross = now == 3 ? given.height() : given.width();
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
        const int area = areaOf(m_window, one);
        return a && b && area == areaOf(m_window, other) &&
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
        const int option = hide                           ? DockWidget::OptionHide
                           : step.kind == StepKind::Close ? DockWidget::OptionClose
                                                          : DockWidget::OptionDockFloat;
        if (step.kind == StepKind::Undock) {
            asked.keptArea = -1;
            asked.setAcross = 0;
            asked.floatedOut = true;
        }
        if (hide)
            asked.hiddenByHost = asked.everHidden = true;
        else if (step.kind == StepKind::Close)
            asked.closedByHost = true;
        if (step.b % 2)
            CuiPopupProcessGenericOption(box, option);
        else if (hide)
            CuiPaneHide(box);
        else if (step.kind == StepKind::Close)
            CuiPaneClose(box);
        else
            CuiPaneUndock(box);
        return std::nullopt;
    }

    void showAgain(const Step &step)
    {
        QList<TeskHandle> hidden;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            if (it->hiddenByHost && !it->closedByHost)
                hidden.append(it.key());
        if (hidden.isEmpty())
            return;
        const TeskHandle box = hidden[int(step.a % uint32_t(hidden.size()))];
        m_asked.docks[box].hiddenByHost = false;
        QtFindGotoWindowToShowData(kWindow, m_asked.docks[box].name.toLatin1().constData());
        settle();
        m_exempt.insert(areaOf(m_window, box));
    }

    void toolbarRecord(const Step &step)
    {
        const int count = QtToolbarCount(kWindow);
        if (count == 0)
            return;
        const int index = int(step.a % uint32_t(count));
        const QByteArray title = QtReturnToolbarTitle(kWindow, index);
        char buffer[tesk::frame::kLayoutRecordSize];
        QtToolbarData(kWindow, index, buffer);
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
    void drag(const Step &step)
    {
        const TeskHandle box = pick(step.a, [this](DockWidget *d) {
            return d->isVisible() && !d->isFloating() && m_window->tabifiedDockWidgets(d).isEmpty();
        });
        if (!box || !m_window->isVisible())
            return;
        DockWidget *dock = m_window->findDockWidgetByBox(box);
        const int area = areaOf(m_window, box);
        const int by = int(step.b % 160) - 80;
        const QPoint offset = area == 3 ? QPoint(0, by) : QPoint(by, 0);
        const QPoint from = testhost::separatorBefore(m_window, dock);
        const auto lost = Lost(step.c % int(Lost::Count));
        std::map<TeskHandle, int> before;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            before[it.key()] = acrossExtent(m_window, it.key());
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
            CuiWindowHideFromBox(kWindow);
            settle();
            CuiWindowShowFromBox(kWindow);
            break;
        case Lost::Deactivation:
            if (!m_other) {
                m_other = new QWidget;
                m_other->resize(200, 100);
            }
            m_other->show();
            m_other->activateWindow();
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

    void floatButton(const Step &step)
    {
        const TeskHandle box =
            pick(step.a, [](DockWidget *d) { return d->isVisible() && !d->isFloating(); });
        if (!box)
            return;
        DockWidget *dock = m_window->findDockWidgetByBox(box);
        auto *button =
            dock->findChild<QAbstractButton *>(QStringLiteral("qt_dockwidget_floatbutton"));
        if (!button || !button->isVisible())
            return;
        m_exempt.insert(areaOf(m_window, box));
        m_asked.docks[box].keptArea = -1;
        m_asked.docks[box].setAcross = 0;
        m_asked.docks[box].floatedOut = true;
        QTest::mouseClick(button, Qt::LeftButton);
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
            m_asked.toolbarHidden[bar->windowTitle()] = hide;
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
        std::map<TeskHandle, int> before;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it)
            before[it.key()] = acrossExtent(m_window, it.key());
        for (const QSize to : {smaller, size}) {
            m_window->resize(to);
            settle();
            if (m_screen.settleFrames)
                m_screen.settleFrames();
        }
        const Promise promise =
            m_asked.releaseLost ? Promise::AllAfterALostRelease : Promise::SharesComeBack;
        if (m_window->size() != size || !m_switches.on(promise) ||
            !m_switches.on(Promise::SharesComeBack))
            return std::nullopt;
        for (auto it = m_asked.docks.cbegin(); it != m_asked.docks.cend(); ++it) {
            const int now = acrossExtent(m_window, it.key());
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

    // ---- a fresh main window from the records ----
    std::optional<Broken> roundTrip()
    {
        if (!m_asked.shown)
            return std::nullopt;
        const Promise kind =
            holdsHiddenOrTabs() ? Promise::RoundTripOfHiddenAndTabs : Promise::RoundTrip;
        const Promise promise = m_asked.releaseLost ? Promise::AllAfterALostRelease : kind;
        const Picture stored = takePicture(kWindow);
        const Picture second = restoreInto(kSecondWindow, kWindow, stored);
        const Picture third = restoreInto(kThirdWindow, kSecondWindow, second);
        for (TeskHandle handle : {kSecondWindow, kThirdWindow})
            delete Store::instance()->findMainWindowByHandle(handle);
        settle();
        QtSetCurrentCodeFromBox(kWindow);
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
    // show.
    Picture restoreInto(TeskHandle handle, TeskHandle from, const Picture &stored)
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
        for (int i = 0; i < stored.docks.size(); ++i) {
            CuiSetDockWindowPersistanceData(handle, stored.docks[i].constData());
            QtWindowCreate(names[size_t(i)].c_str(), &paneCallback,
                           kFirstRestoredBox + TeskHandle(handle) * 1000 + i);
        }
        QtFrameShow();
        settle();
        if (m_screen.settleFrames)
            m_screen.settleFrames();
        return takePicture(handle);
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
            // What the host asked for across one area says nothing of another.
            if (it->keptArea >= 0 && area != it->keptArea)
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

std::vector<Step> generate(uint32_t seed, int shortest, int longest)
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
            steps.back().kind = StepKind::ResizeWindow;
    }
    steps.push_back(randomStep(random, StepKind::RoundTrip));
    return steps;
}

std::optional<Failure> play(const std::vector<Step> &steps, const Screen &screen,
                            const PromiseSwitches &switches)
{
    Play play(screen, switches);
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

std::string describe(const std::vector<Step> &steps)
{
    std::string text;
    for (const Step &step : steps) {
        text += "  " + std::string(kindName(step.kind)) + " {" + std::to_string(step.a) + ", " +
                std::to_string(step.b) + ", " + std::to_string(step.c) + ", " +
                std::to_string(step.d) + "}";
        if (step.kind == StepKind::Restore)
            text += " record \"Pane N" + recordOf(step).toStdString() + "\"";
        if (step.kind == StepKind::Drag)
            text += std::string(" ") + kLostNames[step.c % int(Lost::Count)];
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
        const std::vector<Step> steps = generate(seed, shortest, longest);
        const std::optional<Failure> failure = play(steps, screen, switches);
        if (!failure)
            continue;
        const std::string headline = "seed " + std::to_string(seed) + " broke " +
                                     promiseName(failure->broken.promise) + " after step " +
                                     std::to_string(failure->step) + ": " +
                                     failure->broken.text.toStdString() + "\n";
        if (survey) {
            broken += headline;
            continue;
        }
        const std::vector<Step> shortestFound = reduce(steps, *failure, screen, switches);
        const std::optional<Failure> again = play(shortestFound, screen, switches);
        return headline + "shortest sequence found:\n" + describe(shortestFound) +
               (again ? "  -> " + again->broken.text.toStdString() : "") +
               "\nreplay with TESK_LAYOUT_SEED=" + std::to_string(seed) +
               "\npromises switched off:\n" + switches.describeOff().toStdString();
    }
    return broken;
}

} // namespace testhost::layout
