#include "frame/core/buttonfit.h"

#include <QFontMetrics>
#include <QPushButton>

#include <algorithm>

void fitButtonToText(QPushButton *button, QChar extra)
{
    if (!button)
        return;
    const QFontMetrics metrics(button->font());
    const int height = button->height();
    const int width = button->text().isEmpty()
                          ? height
                          : std::max(height, metrics.horizontalAdvance(button->text()) +
                                                 metrics.horizontalAdvance(extra));
    button->setFixedSize(width, height);
}
