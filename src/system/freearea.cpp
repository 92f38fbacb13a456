#include "system/freearea.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <QWindow>

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
    if (const QWindow *handle = window->windowHandle()) {
        const QMargins reported = handle->frameMargins();
        if (!reported.isNull())
            return reported;
    }
    // A window manager decorates a window only once it is shown, and reports the frame later.
    constexpr int kBorder = 4;
    const int titleBar = window->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, window);
    return {kBorder, titleBar + kBorder, kBorder, kBorder};
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

// The client area of the window with its frame at the position, kept within the free area.
QRect freePlace(const QWidget *window, const QMargins &frame, QPoint framePosition,
                QSize clientSize)
{
    const QRect client(framePosition + QPoint(frame.left(), frame.top()), clientSize);
    const QScreen *screen = screenShowing(client.marginsAdded(frame), window->screen());
    return screen ? withinFreeArea(client, frame, screen->availableGeometry()) : client;
}

} // namespace

void placeInFreeArea(QWidget *window, QPoint framePosition, QSize clientSize)
{
    const QMargins frame = frameMargins(window);
    const QRect client = freePlace(window, frame, framePosition, clientSize);
    window->resize(client.size());
    window->move(client.topLeft() - QPoint(frame.left(), frame.top()));
}

void keepInFreeArea(QWidget *window)
{
    // A window that stands within is not placed again: where the window system has not told its
    // frame yet, placing it would move it by the frame it reckons with.
    const QMargins frame = frameMargins(window);
    const QRect client = freePlace(window, frame, window->pos(), window->size());
    if (client.size() != window->size() ||
        client.topLeft() - QPoint(frame.left(), frame.top()) != window->pos())
        placeInFreeArea(window, window->pos(), window->size());
}

} // namespace tesk::system
