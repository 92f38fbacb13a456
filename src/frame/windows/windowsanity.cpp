#include "frame/windows/windowsanity.h"

#include <algorithm>
#include <limits>

namespace tesk::frame {

namespace {

// Room for a title bar above the position.
constexpr int kTitleRoom = 32;
constexpr int kFallbackX = 50;
constexpr int kFallbackY = 82;
constexpr int kRescuePosition = 32;

qint64 fallbackSize(qint64 from)
{
    return from * 2 / 3;
}

} // namespace

void checkWindowSizesAreSane(const QList<QRect> &screens, const QRect &primary, int &x, int &y,
                             int &width, int &height)
{
    // The host's geometry may hold anything an int holds: every sum is taken in 64 bits.
    qint64 px = x, py = y, w = width, h = height;
    bool xOnScreen = false;
    bool yOnScreen = false;
    qint64 left = 0, right = 0, top = 0, bottom = 0;
    for (const QRect &screen : screens) {
        const qint64 screenLeft = screen.left(), screenTop = screen.top();
        const qint64 screenRight = screenLeft + screen.width();
        const qint64 screenBottom = screenTop + screen.height();
        xOnScreen |= px >= screenLeft && px <= screenRight;
        yOnScreen |= py + kTitleRoom >= screenTop && py <= screenBottom;
        left = qMin(left, screenLeft);
        right = qMax(right, screenRight);
        top = qMin(top, screenTop);
        bottom = qMax(bottom, screenBottom);
    }
    if (!xOnScreen)
        px = qint64(primary.left()) + kFallbackX;
    if (!yOnScreen)
        py = qint64(primary.top()) + kFallbackY;
    const qint64 totalWidth = right - left;
    const qint64 totalHeight = bottom - top;
    if (px < left && !(w <= totalWidth && px + w >= left)) {
        px = kRescuePosition;
        w = fallbackSize(totalWidth);
    }
    if (py < top && !(h <= totalHeight && py + h >= top)) {
        py = kRescuePosition;
        h = fallbackSize(totalHeight);
    }
    if (w > totalWidth)
        w = fallbackSize(primary.width());
    if (h > totalHeight)
        h = fallbackSize(primary.height());
    const auto clamp = [](qint64 value) {
        return int(std::clamp<qint64>(value, std::numeric_limits<int>::min(),
                                      std::numeric_limits<int>::max()));
    };
    x = clamp(px);
    y = clamp(py);
    width = clamp(w);
    height = clamp(h);
}

} // namespace tesk::frame
