#include "hostgeometry.h"

#include "system/freearea.h"

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
    const QScreen *screen = tesk::system::screenShowing(wanted);
    return screen ? tesk::system::withinFreeArea(wanted, {}, screen->availableGeometry()) : wanted;
}

void placeHostWindow(QWidget *window, int x, int y, int width, int height)
{
    const QRect asked = hostRect(x, y, width, height);
    tesk::system::placeInFreeArea(window, asked.topLeft(), asked.size());
}

} // namespace tesk::frame
