#include "system/freearea.h"
#include "system/lifetime.h"

#include "system/keptontop.h"
#include "system/placelooks.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QPointer>
#include <QResizeEvent>
#include <QScopedValueRollback>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <qpa/qplatformwindow.h>

#include <optional>
#include <utility>

namespace tesk::system {

QRect withinFreeArea(const QRect &client, const QMargins &frame, const QRect &free)
{
    QRect placed = client.marginsAdded(frame);
    placed.setSize(placed.size().boundedTo(free.size()));
    placed.moveLeft(qBound(free.left(), placed.left(), free.right() - placed.width() + 1));
    placed.moveTop(qBound(free.top(), placed.top(), free.bottom() - placed.height() + 1));
    return placed.marginsRemoved(frame);
}

QMargins frameMargins(const QWidget *window)
{
    if (!window || window->windowFlags().testFlag(Qt::FramelessWindowHint))
        return {};
    const QWindow *handle = window->windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    // A window manager taking the window into a frame it has not sized yet: the toolkit reckons
    // margins from that frame (less than nothing on the right and below) and keeps them until
    // the frame is sized. That is no frame the window stands in yet.
    if (margins.left() < 0 || margins.top() < 0 || margins.right() < 0 || margins.bottom() < 0)
        return {};
    return margins;
}

QScreen *screenShowing(const QRect &rect, QScreen *fallback)
{
    QScreen *best = fallback ? fallback : QGuiApplication::primaryScreen();
    qint64 bestArea = 0;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect shared = screen->geometry().intersected(rect);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    return best;
}

namespace {

// The client area of the window with its frame at the position, kept within the free area, of
// the size the window takes when it fits.
QRect freePlace(const QWidget *window, const QMargins &frame, QPoint framePosition,
                QSize clientSize)
{
    const QRect asked(framePosition + QPoint(frame.left(), frame.top()), clientSize);
    const QScreen *screen = screenShowing(asked.marginsAdded(frame), window->screen());
    if (!screen)
        return QRect(asked.topLeft(), QLayout::closestAcceptableSize(window, clientSize));
    const QRect free = screen->availableGeometry();
    const QSize room = free.marginsRemoved(frame).size();
    // A size below the window's least is placed as the size the window then takes; one it
    // cannot take within the free area keeps its frame's top left corner within.
    const QSize size = QLayout::closestAcceptableSize(window, clientSize.boundedTo(room));
    return withinFreeArea(QRect(asked.topLeft(), size), frame, free);
}

// A place asked of a framed window that its window manager may not take: one busy framing a
// window it has just mapped leaves such a request undone and tells the geometry the window had,
// and the frame first reported may be one the window does not stand in yet (all of it below and
// right of the window). Until the window manager answers with the geometry asked, an answer with
// another is met by asking again; until the wait ends, a frame other than the one reckoned with
// by placing the frame where it was asked, by the same rule. A few times at most, so a window
// manager that keeps its own answer is not fought; a place asked by anyone else ends the watch.
class AnswerWatch : public QObject
{
public:
    // A window its window manager has only just framed may be told a geometry the server no
    // longer holds: the toolkit's word is then watched against the answers to come, as if asked.
    static void ask(QWidget *window, const QRect &client, const QMargins &frame,
                    bool justFramed = false)
    {
        auto *watch = window->findChild<AnswerWatch *>(QStringLiteral("tesk_answer_watch"),
                                                       Qt::FindDirectChildrenOnly);
        // Nothing asked of the window system: an answer it gave stands.
        if (window->geometry() == client && (watch || !justFramed)) {
            if (watch) {
                watch->m_asked = client;
                watch->m_frame = frame;
            }
            return;
        }
        if (!watch)
            watch = new AnswerWatch(window);
        watch->m_asked = client;
        watch->m_frame = frame;
        watch->m_tries = 0;
        watch->m_answered = false;
        watch->waitForAnswers();
        const QScopedValueRollback<bool> asking(watch->m_asking, true);
        if (window->geometry() != client)
            window->setGeometry(client);
        watch->confirmLater();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (window != parent() || m_asking ||
            (event->type() != QEvent::Resize && event->type() != QEvent::Move))
            return false;
        // A place someone else asked: theirs stands.
        if (!event->spontaneous()) {
            end();
            return false;
        }
        if (lookAtFrame() || m_answered)
            return false;
        const QRect answered = window->geometry();
        if (answered == m_asked)
            m_answered = true;
        else if (++m_tries <= kAskAgainAtMost &&
                 (event->type() == QEvent::Resize ? answered.size() != m_asked.size()
                                                  : answered.topLeft() != m_asked.topLeft()))
            // Asked from the event loop: the window system is still handing its answer in.
            lookAtPlace(this, PlaceLook::AskedAgain, [this] { askAgain(); });
        return false;
    }

private:
    static constexpr int kAskAgainAtMost = 3;

    explicit AnswerWatch(QWidget *window)
        : QObject(window)
    {
        setObjectName(QStringLiteral("tesk_answer_watch"));
        window->installEventFilter(this);
    }

    // The watch ends once the window manager has had its time since the last place asked.
    void waitForAnswers()
    {
        const int asked = ++m_asks;
        lookAtPlace(this, PlaceLook::FrameWaitOver, [this, asked] {
            if (asked == m_asks && !m_done)
                end();
        });
        if (!std::exchange(m_looking, true))
            lookAgainAtFrame();
    }

    // The window system tells of no frame that changes without the window moving.
    void lookAgainAtFrame()
    {
        lookAtPlaceWhile(this, PlaceLook::FrameLook, [this] {
            if (m_done)
                return false;
            lookAtFrame();
            return true;
        });
    }

    // Another frame than the one reckoned with: the frame placed where it was asked, by the
    // same rule.
    bool lookAtFrame()
    {
        auto *window = qobject_cast<QWidget *>(parent());
        const QMargins frame = frameMargins(window);
        if (m_done || frame.isNull() || frame == m_frame)
            return false;
        const QPoint frameAt = m_asked.topLeft() - QPoint(m_frame.left(), m_frame.top());
        m_asked = freePlace(window, frame, frameAt, m_asked.size());
        m_frame = frame;
        m_answered = false;
        if (++m_tries <= kAskAgainAtMost)
            lookAtPlace(this, PlaceLook::AskedAgain, [this] { askAgain(); });
        return true;
    }

    void askAgain()
    {
        auto *window = qobject_cast<QWidget *>(parent());
        if (m_done || !window || !window->isVisible() || window->geometry() == m_asked ||
            window->windowState() != Qt::WindowNoState)
            return;
        const QScopedValueRollback<bool> asking(m_asking, true);
        window->setGeometry(m_asked);
        confirmLater();
    }

    // A window manager still taking in the window it has just framed may drop a request
    // without an answer, and the toolkit goes on believing it was done (a main window shown
    // at the whole free area before its frame was known kept that size on the server, and
    // came back at it, beyond the free area, once shown again). Asked once more when it has
    // had its time; the toolkit asks nothing of a geometry it believes it has, so the place
    // is asked a pixel smaller first.
    void confirmLater()
    {
        lookAtPlace(this, PlaceLook::Confirm, [this] {
            auto *shown = qobject_cast<QWidget *>(parent());
            if (m_done || !shown || !shown->isVisible() || shown->geometry() != m_asked ||
                shown->windowState() != Qt::WindowNoState)
                return;
            const QScopedValueRollback<bool> confirming(m_asking, true);
            shown->setGeometry(m_asked.adjusted(0, 0, 0, -1));
            shown->setGeometry(m_asked);
            // Still standing there once the window manager has had its time after that, the
            // window stands as asked: a size or place the window manager gives it later (a
            // user's tool) is theirs, not a late answer to ask over.
            lookAtPlace(this, PlaceLook::FramedAgain, [this] {
                const auto *window = qobject_cast<QWidget *>(parent());
                if (!m_done && window && window->geometry() == m_asked)
                    m_answered = true;
            });
        });
    }

    void end()
    {
        // Found no more, though deleted only later: a place asked meanwhile starts a new watch.
        setObjectName(QString());
        m_done = true;
        parent()->removeEventFilter(this);
        deleteLater();
    }

    QRect m_asked;
    QMargins m_frame;
    int m_asks = 0;
    int m_tries = 0;
    bool m_looking = false;
    bool m_asking = false;
    bool m_answered = false;
    bool m_done = false;
};

// A window placed before its window manager framed it, with what the host asked: placed again
// by the same rule once the frame is known after the show (a dialog clear of the windows kept
// on top again too, now that its own frame counts).
class PendingFrame : public QObject
{
public:
    explicit PendingFrame(QWidget *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("tesk_pending_frame"));
        window->installEventFilter(this);
        if (window->isVisible())
            startWaiting();
    }

    static PendingFrame *of(const QWidget *window)
    {
        auto *pending = window->findChild<PendingFrame *>(QStringLiteral("tesk_pending_frame"),
                                                          Qt::FindDirectChildrenOnly);
        return pending && !pending->m_done ? pending : nullptr;
    }

    void ask(QPoint framePosition, QSize clientSize)
    {
        m_position = framePosition;
        m_size = clientSize;
    }

    QPoint position() const { return m_position; }
    QSize size() const { return m_size; }
    void keepClearOfKeptWindows() { m_keepClear = true; }
    // A dialog centred before its frame was known stays centred with its frame.
    void centreOn(QPoint centre) { m_centre = centre; }

    void end()
    {
        // Found no more, though deleted only later: a placement meanwhile starts a new wait.
        setObjectName(QString());
        m_done = true;
        if (m_window)
            m_window->removeEventFilter(this);
        deleteLater();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_window || m_done)
            return false;
        switch (event->type()) {
        case QEvent::Show:
            startWaiting();
            break;
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ActivationChange:
            look();
            break;
        default:
            break;
        }
        return false;
    }

private:
    void startWaiting()
    {
        m_deadline = QDeadlineTimer(placeLookDelay(PlaceLook::FrameWaitOver));
        if (!std::exchange(m_waiting, true))
            lookAgain();
    }

    // Until the frame is known or the wait is over; hidden meanwhile, from its next show.
    void lookAgain()
    {
        lookAtPlaceWhile(this, PlaceLook::FrameLook, [this] {
            if (m_done)
                return false;
            if (!m_window || !m_window->isVisible()) {
                m_waiting = false;
                return false;
            }
            look();
            return true;
        });
    }

    void look()
    {
        if (m_done || !m_window || !m_window->isVisible() || !m_waiting)
            return;
        const QMargins frame = frameMargins(m_window);
        if (frame.isNull()) {
            if (m_deadline.hasExpired())
                end();
            return;
        }
        end();
        // A window the user or the host made large or small keeps that state.
        if (m_window->windowState() &
            (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized))
            return;
        if (m_centre) {
            QRect framed(QPoint(), m_size.grownBy(frame));
            framed.moveCenter(*m_centre);
            m_position = framed.topLeft();
        }
        QRect client = freePlace(m_window, frame, m_position, m_size);
        const QScreen *screen = screenShowing(client.marginsAdded(frame), m_window->screen());
        if (m_keepClear && screen)
            client = clearOfKeptWindows(m_window, client.marginsAdded(frame),
                                        screen->availableGeometry())
                         .marginsRemoved(frame);
        // A place asked of the window while the window manager took it in may reach the
        // server after the manager's own answer, which the toolkit then believes.
        AnswerWatch::ask(m_window, client, frame, true);
    }

    QPointer<QWidget> m_window;
    QDeadlineTimer m_deadline;
    QPoint m_position;
    QSize m_size;
    std::optional<QPoint> m_centre;
    bool m_done = false;
    bool m_waiting = false;
    bool m_keepClear = false;
};

// A window placed by the rule that later grows to a larger least size (its menus, toolbars or
// docks laid out once shown) is moved back within the free area; a size the user gives it is
// the user's.
class GrowthWatch : public QObject
{
public:
    explicit GrowthWatch(QWidget *window)
        : QObject(window)
    {
        setObjectName(QStringLiteral("tesk_growth_watch"));
        window->installEventFilter(this);
    }

    static void watch(QWidget *window)
    {
        if (!window->findChild<GrowthWatch *>(QStringLiteral("tesk_growth_watch"),
                                              Qt::FindDirectChildrenOnly))
            new GrowthWatch(window);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = qobject_cast<QWidget *>(watched);
        if (event->type() != QEvent::Resize || window != parent() || m_moving)
            return false;
        const auto *resize = static_cast<QResizeEvent *>(event);
        const QSize least = window->minimumSize();
        const bool grown = (resize->size().width() > resize->oldSize().width() &&
                            resize->size().width() == least.width()) ||
                           (resize->size().height() > resize->oldSize().height() &&
                            resize->size().height() == least.height());
        if (!grown || window->windowState() != Qt::WindowNoState)
            return false;
        const QMargins frame = frameMargins(window);
        const QRect client = window->geometry();
        const QScreen *screen = screenShowing(client.marginsAdded(frame), window->screen());
        if (!screen)
            return false;
        const QRect within = withinFreeArea(client, frame, screen->availableGeometry());
        if (within.topLeft() != client.topLeft()) {
            const QScopedValueRollback<bool> moving(m_moving, true);
            window->setGeometry(QRect(within.topLeft(), client.size()));
        }
        return false;
    }

private:
    bool m_moving = false;
};

// Whether the window manager may still frame the window: it has none reported, and it is one
// a window manager decorates.
bool frameToCome(const QWidget *window)
{
    return frameMargins(window).isNull() && window->isWindow() &&
           !window->windowFlags().testFlag(Qt::FramelessWindowHint) &&
           window->windowType() != Qt::Popup && window->windowType() != Qt::ToolTip;
}

// Places a dialog as it shows, centred over the window it belongs to unless its code placed
// it, at the size it shows with: a box that lays itself out in its own show handling (a message
// box its text and buttons) is placed again as it grows there, before the window system shows
// it anywhere. While it shows, a dialog that its own code grows or moves (a section opened out)
// is kept within the free area and clear of the windows kept on top as at its show; where the
// user drags it is the user's.
class DialogPlacement : public QObject
{
public:
    explicit DialogPlacement(QWidget *dialog)
        : QObject(dialog)
    {
        dialog->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *dialog = qobject_cast<QWidget *>(watched);
        if (!dialog || dialog != parent())
            return false;
        switch (event->type()) {
        case QEvent::Show:
            // This runs before the toolkit's own placement, which it takes the place of. The
            // window system's word that the window shows comes as a second show.
            if (!std::exchange(m_showing, true)) {
                m_centred = !dialog->testAttribute(Qt::WA_Moved);
                m_position = framePosition(dialog);
                place(dialog);
            }
            break;
        case QEvent::Resize:
        case QEvent::Move:
            if (m_placing)
                break;
            if (m_shown) {
                if (!event->spontaneous())
                    keepClear(dialog);
            } else if (m_showing && event->type() == QEvent::Resize) {
                place(dialog);
            }
            break;
        case QEvent::ShowToParent:
            m_shown = m_showing;
            break;
        case QEvent::Hide:
            // The next show is placed anew.
            dialog->removeEventFilter(this);
            deleteLater();
            break;
        default:
            break;
        }
        return false;
    }

private:
    // Where the dialog centres: over the window it belongs to (its parent's, else the active
    // one), else on its screen.
    static QRect centredOver(const QWidget *dialog)
    {
        const QWidget *over = dialog->parentWidget() ? dialog->parentWidget()->window()
                                                     : QApplication::activeWindow();
        if (over && over != dialog && over->isVisible())
            return over->frameGeometry();
        if (const QScreen *own = dialog->screen())
            return own->availableGeometry();
        return {};
    }

    void place(QWidget *dialog)
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        if (QLayout *layout = dialog->layout())
            layout->activate();
        const QSize size = QLayout::closestAcceptableSize(dialog, dialog->size());
        const QMargins frame = frameMargins(dialog);
        QRect asked(m_position, size.grownBy(frame));
        const QRect around = m_centred ? centredOver(dialog) : QRect();
        if (!around.isNull())
            asked.moveCenter(around.center());
        const QScreen *screen = screenShowing(asked, dialog->screen());
        const QRect free = screen ? screen->availableGeometry() : asked;
        const QRect within =
            withinFreeArea(asked.marginsRemoved(frame), frame, free).marginsAdded(frame);
        const QRect placed = clearOfKeptWindows(dialog, within, free);
        placeInFreeArea(dialog, placed.topLeft(), size);
        if (PendingFrame *pending = PendingFrame::of(dialog)) {
            pending->keepClearOfKeptWindows();
            if (!around.isNull())
                pending->centreOn(around.center());
        }
    }

    void keepClear(QWidget *dialog)
    {
        const QScopedValueRollback<bool> placing(m_placing, true);
        const QMargins frame = frameMargins(dialog);
        const QRect client = dialog->geometry();
        const QScreen *screen = screenShowing(client.marginsAdded(frame), dialog->screen());
        if (!screen || dialog->windowState() != Qt::WindowNoState)
            return;
        const QRect free = screen->availableGeometry();
        const QRect within = withinFreeArea(client, frame, free).marginsAdded(frame);
        const QRect placed = clearOfKeptWindows(dialog, within, free);
        if (placed.marginsRemoved(frame).topLeft() != client.topLeft())
            placeInFreeArea(dialog, placed.topLeft(), client.size());
    }

    QPoint m_position;
    bool m_centred = false;
    bool m_showing = false;
    bool m_shown = false;
    bool m_placing = false;
};

} // namespace

void placeDialogOnShow(QWidget *dialog)
{
    if (dialog)
        new DialogPlacement(dialog);
}

QPoint framePosition(const QWidget *window)
{
    // Where the frame is being put: the place asked, as the free area's rule takes it. A place
    // asked before the show may lie off every screen, where the window never stands.
    if (const PendingFrame *pending = PendingFrame::of(window)) {
        const QMargins frame = frameMargins(window);
        return freePlace(window, frame, pending->position(), pending->size())
            .marginsAdded(frame)
            .topLeft();
    }
    return window->pos();
}

void placeInFreeArea(QWidget *window, QPoint framePosition, QSize clientSize)
{
    if (!window)
        return;
    // The least size the window takes is known once its layout has taken in its contents.
    if (QLayout *layout = window->layout())
        layout->activate();
    const QMargins frame = frameMargins(window);
    PendingFrame *pending = PendingFrame::of(window);
    if (frameToCome(window)) {
        if (!pending)
            pending = new PendingFrame(window);
        pending->ask(framePosition, clientSize);
    } else if (pending) {
        pending->end();
    }
    const QRect client = freePlace(window, frame, framePosition, clientSize);
    if (frame.isNull() || !window->isVisible())
        window->setGeometry(client);
    else
        AnswerWatch::ask(window, client, frame);
    GrowthWatch::watch(window);
}

QRect freePlaceFor(const QWidget *window, QPoint framePosition, QSize clientSize)
{
    if (QLayout *layout = window->layout())
        layout->activate();
    return freePlace(window, frameMargins(window), framePosition, clientSize);
}

void keepInFreeArea(QWidget *window)
{
    if (!window)
        return;
    const PendingFrame *pending = PendingFrame::of(window);
    placeInFreeArea(window, framePosition(window), pending ? pending->size() : window->size());
}

void keepInFreeAreaAsFramed(QWidget *window)
{
    keepInFreeArea(window);
    // A window manager that let go of the window as it was hidden put it back where its frame
    // stood; that answer comes after the show, with no request of ours to watch it against.
    // A dock window docked meanwhile is no window any more: its place is its area's, and a tab
    // out of sight taken for a window came into sight over the main window's corner.
    QPointer<QWidget> shown(window);
    for (const PlaceLook after : {PlaceLook::FramedAgain, PlaceLook::FramedLate})
        lookAtPlace(window, after, [shown] {
            if (shown && shown->isWindow() && shown->isVisible() &&
                shown->windowState() == Qt::WindowNoState)
                keepInFreeArea(shown);
        });
}

void keepMappedOnceShown(QWidget *window)
{
    if (!window || !windowManaged())
        return;
    QPointer<QWidget> shown(window);
    lookAtPlace(window, PlaceLook::FramedLate, [shown] {
        if (!shown || !shown->isWindow() || !shown->isVisible())
            return;
        QWindow *handle = shown->windowHandle();
        // A window whose parent window the manager keeps out of sight (minimised) is left so.
        const QWidget *parent = shown->parentWidget() ? shown->parentWidget()->window() : nullptr;
        const QWindow *parentHandle = parent ? parent->windowHandle() : nullptr;
        if (parentHandle && !parentHandle->isExposed())
            return;
        // Only the platform window is asked: shown to the toolkit already, the widget is
        // neither hidden nor shown again.
        if (handle && !handle->isExposed() && handle->handle())
            handle->handle()->setVisible(true);
    });
}

void resizeInFreeArea(QWidget *window, QSize clientSize)
{
    if (window)
        placeInFreeArea(window, framePosition(window), clientSize);
}

} // namespace tesk::system
