#include "registers/regcolumns.h"

#include <algorithm>

namespace tesk::registers {

int cellWidth(const CellWidths &widths)
{
    return widths.widestValue + widths.widestName + 2 * widths.spacing + kIconWidth;
}

int columnsFor(int cellWidth, int viewportWidth)
{
    return cellWidth > 0 ? std::max(1, viewportWidth / cellWidth) : 1;
}

} // namespace tesk::registers
