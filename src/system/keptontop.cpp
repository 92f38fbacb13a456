#include "system/keptontop.h"

#include "system/freearea.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QList>
#include <QPointer>
#include <QWidget>

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace tesk::system {

namespace {

// The windows shown above all others, the dialog aside: those a user places, not the passing
// frameless ones (a tip), which would only show again stale once moved back.
QList<QWidget *> keptOnTop(const QWidget *dialog)
{
    QList<QWidget *> windows;
    for (QWidget *window : QApplication::topLevelWidgets())
        if (window != dialog && window->isVisible() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) &&
            !window->windowFlags().testFlag(Qt::FramelessWindowHint) &&
            window->windowType() != Qt::ToolTip && window->windowType() != Qt::Popup)
            windows.append(window);
    return windows;
}

bool clearOfAll(const QRect &frame, const QList<QWidget *> &kept)
{
    return std::none_of(kept.begin(), kept.end(), [&](const QWidget *window) {
        return window->frameGeometry().intersects(frame);
    });
}

int distance(const QRect &from, const QRect &to)
{
    return (to.topLeft() - from.topLeft()).manhattanLength();
}

// The frame moved as little as it can be to cover none of the kept windows and stand within
// the free area: below or beside one first, where a frame that the window manager has yet to
// add grows away from it. Nothing when there is no such place.
std::optional<QRect> clearPlace(const QRect &frame, const QList<QWidget *> &kept, const QRect &free)
{
    if (clearOfAll(frame, kept))
        return frame;
    std::optional<QRect> best;
    for (const QWidget *window : kept) {
        const QRect k = window->frameGeometry();
        if (!k.intersects(frame))
            continue;
        for (const QRect &candidate : {frame.translated(0, k.bottom() + 1 - frame.top()),
                                       frame.translated(k.right() + 1 - frame.left(), 0),
                                       frame.translated(k.left() - 1 - frame.right(), 0),
                                       frame.translated(0, k.top() - 1 - frame.bottom())}) {
            if (free.contains(candidate) && clearOfAll(candidate, kept) &&
                (!best || distance(frame, candidate) < distance(frame, *best)))
                best = candidate;
        }
    }
    return best;
}

enum class Side { Left, Right, Above, Below };
constexpr std::array<Side, 4> kSides = {Side::Left, Side::Right, Side::Above, Side::Below};

struct Arrangement
{
    QRect dialog;
    QRect window;
};

// The window's frame kept within the free area across the side it moves to, where it stood.
QRect acrossWithin(QRect window, const QRect &free, Side side)
{
    if (side == Side::Left || side == Side::Right)
        window.moveTop(qBound(free.top(), window.top(), free.bottom() - window.height() + 1));
    else
        window.moveLeft(qBound(free.left(), window.left(), free.right() - window.width() + 1));
    return window;
}

// The window beside the dialog on the side; where the free area ends first, the window at its
// edge and the dialog moved off it.
Arrangement sideBySide(QRect dialog, QRect window, const QRect &free, Side side)
{
    switch (side) {
    case Side::Left:
        window.moveRight(dialog.left() - 1);
        if (window.left() < free.left()) {
            window.moveLeft(free.left());
            dialog.moveLeft(window.right() + 1);
        }
        break;
    case Side::Right:
        window.moveLeft(dialog.right() + 1);
        if (window.right() > free.right()) {
            window.moveRight(free.right());
            dialog.moveRight(window.left() - 1);
        }
        break;
    case Side::Above:
        window.moveBottom(dialog.top() - 1);
        if (window.top() < free.top()) {
            window.moveTop(free.top());
            dialog.moveTop(window.bottom() + 1);
        }
        break;
    case Side::Below:
        window.moveTop(dialog.bottom() + 1);
        if (window.bottom() > free.bottom()) {
            window.moveBottom(free.bottom());
            dialog.moveBottom(window.top() - 1);
        }
        break;
    }
    return {dialog, acrossWithin(window, free, side)};
}

// Where the window stands aside, clear of the dialog, with the dialog moved least (a dialog
// stands where the user looks for it; the window is moved twice as readily); nothing where the
// free area has no room for both.
std::optional<Arrangement> aside(const QRect &dialog, const QRect &window, const QRect &free)
{
    const auto cost = [&](const Arrangement &a) {
        return 2 * distance(dialog, a.dialog) + distance(window, a.window);
    };
    std::optional<Arrangement> best;
    for (const Side side : kSides) {
        const Arrangement a = sideBySide(dialog, window, free, side);
        if (free.contains(a.dialog) && free.contains(a.window) && !a.dialog.intersects(a.window) &&
            (!best || cost(a) < cost(*best)))
            best = a;
    }
    return best;
}

// The kept windows a dialog moved aside or hid, back where they stood once it hides: those the
// user or the host did not move, show or end meanwhile.
class StandingAside : public QObject
{
public:
    static void moved(QWidget *dialog, QWidget *window, QPoint from)
    {
        Kept &kept = of(dialog)->keep(window, from);
        kept.to = window->pos();
    }

    static void hidden(QWidget *dialog, QWidget *window)
    {
        StandingAside *standing = of(dialog);
        standing->keep(window, window->pos()).hidden = true;
        window->installEventFilter(standing);
        // A window the host ends while hidden stays ended.
        if (auto *kept = qobject_cast<QDialog *>(window))
            connect(kept, &QDialog::finished, standing,
                    [standing, window] { standing->ended(window); });
        window->hide();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != parent()) {
            if (event->type() == QEvent::Close || event->type() == QEvent::Show)
                ended(watched);
            return false;
        }
        if (event->type() == QEvent::Hide)
            putBack();
        return false;
    }

private:
    struct Kept
    {
        QPointer<QWidget> window;
        QPoint from;
        QPoint to;
        bool hidden = false;
    };

    explicit StandingAside(QWidget *dialog)
        : QObject(dialog)
    {
        setObjectName(QStringLiteral("tesk_standing_aside"));
        dialog->installEventFilter(this);
    }

public:
    // A dialog deleted while it shows hides no more; what stood aside for it comes back all
    // the same.
    ~StandingAside() override { restore(); }

private:
    static StandingAside *of(QWidget *dialog)
    {
        auto *standing = dialog->findChild<StandingAside *>(QStringLiteral("tesk_standing_aside"),
                                                            Qt::FindDirectChildrenOnly);
        return standing ? standing : new StandingAside(dialog);
    }

    Kept &keep(QWidget *window, QPoint from)
    {
        auto it = std::find_if(m_kept.begin(), m_kept.end(),
                               [window](const Kept &k) { return k.window == window; });
        if (it != m_kept.end())
            return *it;
        m_kept.append({window, from, from, false});
        return m_kept.last();
    }

    void ended(QObject *window)
    {
        for (Kept &kept : m_kept)
            if (kept.window == window)
                kept.window = nullptr;
    }

    void putBack()
    {
        parent()->removeEventFilter(this);
        deleteLater();
        restore();
    }

    void restore()
    {
        for (const Kept &kept : std::exchange(m_kept, {})) {
            if (!kept.window)
                continue;
            kept.window->removeEventFilter(this);
            if (kept.hidden && !kept.window->isVisible()) {
                // Back where the user had it, not where it stood aside if it was moved aside
                // before the dialog grew over it too; placed before it shows, so that a dialog
                // the user dragged (no code placed it) is not centred over its window anew.
                if (kept.window->pos() == kept.to)
                    placeInFreeArea(kept.window, kept.from, kept.window->size());
                kept.window->show();
            } else if (!kept.hidden && kept.window->isVisible() && kept.window->pos() == kept.to)
                placeInFreeArea(kept.window, kept.from, kept.window->size());
        }
    }

    QList<Kept> m_kept;
};

} // namespace

QRect clearOfKeptWindows(QWidget *dialog, const QRect &frame, const QRect &free)
{
    const QList<QWidget *> kept = keptOnTop(dialog);
    if (const std::optional<QRect> clear = clearPlace(frame, kept, free))
        return *clear;
    QRect placed = frame;
    for (QWidget *window : kept) {
        if (!window->frameGeometry().intersects(placed))
            continue;
        // A modal dialog takes the input from every other window: one hidden until it closes
        // loses the user nothing, one over it would hide what the dialog asks.
        const std::optional<Arrangement> a = aside(placed, window->frameGeometry(), free);
        if (!a) {
            StandingAside::hidden(dialog, window);
            continue;
        }
        const QPoint from = window->pos();
        placed = a->dialog;
        placeInFreeArea(window, a->window.topLeft(), window->size());
        StandingAside::moved(dialog, window, from);
    }
    return placed;
}

} // namespace tesk::system
