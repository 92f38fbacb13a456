#include "symbols/breakpoints/listwidth.h"

#include <QListWidget>
#include <QStyle>

namespace tesk::breakpoints {

void widenToRows(QListWidget *list)
{
    constexpr int kSlack = 4;
    list->setMinimumWidth(list->sizeHintForColumn(0) + 2 * list->frameWidth() +
                          list->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + kSlack);
}

} // namespace tesk::breakpoints
