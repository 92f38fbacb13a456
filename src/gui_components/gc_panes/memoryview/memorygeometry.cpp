#include "gui_components/gc_panes/memoryview/memorygeometry.h"

#include <algorithm>
#include <cmath>

namespace tesk::gc_panes::geometry {

int autoColumnCount(int fieldWidth, int available, int fieldSize, int charWidth)
{
    const int64_t w = std::max(fieldWidth, 10);
    const int64_t a = std::max(available, 10);
    int64_t count = a / w;
    if (charWidth > 0) {
        const int64_t perField = int64_t(std::max(fieldSize, 1)) * std::max(charWidth, 10) + w;
        count = int64_t(std::trunc(double(w * a) / double(perField))) / w;
    }
    return int(std::clamp<int64_t>(count, 1, 1 << 20));
}

int rowsInRange(int rows, uint32_t bytesPerRow, uint32_t offset, uint32_t length)
{
    rows = std::max(rows, 1);
    if (bytesPerRow == 0)
        return rows;
    if (uint64_t(offset) + uint64_t(rows) * bytesPerRow <= length)
        return rows;
    if (offset > length)
        return 1;
    const uint64_t fit = (uint64_t(length - offset) + bytesPerRow - 1) / bytesPerRow;
    return int(std::clamp<uint64_t>(fit, 1, uint64_t(rows)));
}

bool scrollOffset(uint32_t offset, uint32_t length, int64_t rows, uint32_t bytesPerRow,
                  uint32_t &moved)
{
    const int64_t bytes = rows * int64_t(bytesPerRow);
    if (bytes == 0)
        return false;
    const int64_t target = int64_t(offset) + bytes;
    if (target < 0 || (bytes > 0 && target >= int64_t(length)))
        return false;
    moved = uint32_t(target);
    return true;
}

uint32_t offsetAtFraction(double fraction, uint32_t length, uint32_t bytesPerRow)
{
    if (!(fraction > 0.0) || bytesPerRow == 0)
        return 0;
    const double bytes = std::min(fraction, 1.0) * double(length);
    const uint64_t row = uint64_t(bytes) / bytesPerRow;
    return uint32_t(std::min<uint64_t>(row * bytesPerRow, length));
}

} // namespace tesk::gc_panes::geometry
