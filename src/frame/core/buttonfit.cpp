#include "frame/core/buttonfit.h"

#include <QFontMetrics>
#include <QLineEdit>
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

void fitLineToTexts(QLineEdit *line, const QStringList &texts)
{
    if (!line)
        return;
    const QFontMetrics metrics(line->font());
    // The line's own size hint is seventeen x wide plus its frame and margins.
    const int room = line->sizeHint().width() - metrics.horizontalAdvance(QLatin1Char('x')) * 17;
    int widest = 0;
    for (const QString &text : texts)
        widest = std::max(widest, metrics.horizontalAdvance(text));
    line->setMinimumWidth(widest + room);
}
