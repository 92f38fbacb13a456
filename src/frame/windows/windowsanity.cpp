#include "frame/windows/windowsanity.h"

namespace tesk::frame {

namespace {

// Room for a title bar above the position.
constexpr int kTitleRoom = 32;
constexpr int kFallbackX = 50;
constexpr int kFallbackY = 82;
constexpr int kRescuePosition = 32;

int fallbackSize(int from)
{
    return from * 2 / 3;
}

} // namespace

void checkWindowSizesAreSane(const QList<QRect> &screens, const QRect &primary, int &x, int &y,
                             int &width, int &height)
{
    bool xOnScreen = false;
    bool yOnScreen = false;
    int left = 0, right = 0, top = 0, bottom = 0;
    for (const QRect &screen : screens) {
        xOnScreen |= x >= screen.left() && x <= screen.left() + screen.width();
        yOnScreen |= y + kTitleRoom >= screen.top() && y <= screen.top() + screen.height();
        left = qMin(left, screen.left());
        right = qMax(right, screen.left() + screen.width());
        top = qMin(top, screen.top());
        bottom = qMax(bottom, screen.top() + screen.height());
    }
    if (!xOnScreen)
        x = primary.left() + kFallbackX;
    if (!yOnScreen)
        y = primary.top() + kFallbackY;
    const int totalWidth = right - left;
    const int totalHeight = bottom - top;
    if (x < left && !(width <= totalWidth && x + width >= left)) {
        x = kRescuePosition;
        width = fallbackSize(totalWidth);
    }
    if (y < top && !(height <= totalHeight && y + height >= top)) {
        y = kRescuePosition;
        height = fallbackSize(totalHeight);
    }
    if (width > totalWidth)
        width = fallbackSize(primary.width());
    if (height > totalHeight)
        height = fallbackSize(primary.height());
}

} // namespace tesk::frame
