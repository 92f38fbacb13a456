#include "hostgeometry.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace tesk::frame {

QRect hostRect(int x, int y, int width, int height)
{
    const auto position = [](int value) {
        return qBound(-QWIDGETSIZE_MAX, value, QWIDGETSIZE_MAX);
    };
    const auto extent = [](int value) { return qBound(0, value, QWIDGETSIZE_MAX); };
    return QRect(position(x), position(y), extent(width), extent(height));
}

QSize hostWindowSize(int width, int height)
{
    QSize size = hostRect(0, 0, width, height).size();
    if (QScreen *screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->virtualGeometry().size());
    return size;
}

QRect onAvailableScreen(const QRect &wanted)
{
    QScreen *best = QGuiApplication::primaryScreen();
    qint64 bestArea = 0;
    for (QScreen *screen : QGuiApplication::screens()) {
        const QRect shared = screen->availableGeometry().intersected(wanted);
        const qint64 area = qint64(shared.width()) * shared.height();
        if (area > bestArea) {
            best = screen;
            bestArea = area;
        }
    }
    if (!best)
        return wanted;
    const QRect free = best->availableGeometry();
    QRect placed(wanted.topLeft(), wanted.size().boundedTo(free.size()));
    placed.moveLeft(qBound(free.left(), placed.left(), free.right() - placed.width() + 1));
    placed.moveTop(qBound(free.top(), placed.top(), free.bottom() - placed.height() + 1));
    return placed;
}

} // namespace tesk::frame
