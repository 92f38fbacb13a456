#include "dialogs/folderpicture.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

namespace tesk::dialogs {

QPixmap openFolderPicture()
{
    QImage image(16, 16, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline(0x7a, 0x5a, 0x10);

    // The back of the folder with its tab.
    QPainterPath back;
    back.moveTo(1.5, 13.5);
    back.lineTo(1.5, 3.5);
    back.lineTo(5.5, 3.5);
    back.lineTo(7, 5);
    back.lineTo(12.5, 5);
    back.lineTo(12.5, 13.5);
    back.closeSubpath();
    painter.setPen(QPen(outline, 1));
    painter.setBrush(QColor(0xd9, 0xa8, 0x2e));
    painter.drawPath(back);

    // The open front flap, tilted forward.
    const QPolygonF front(
        {QPointF(1.5, 13.5), QPointF(4, 7.5), QPointF(15, 7.5), QPointF(12.5, 13.5)});
    painter.setBrush(QColor(0xf7, 0xd3, 0x63));
    painter.drawPolygon(front);
    painter.end();
    return QPixmap::fromImage(image);
}

} // namespace tesk::dialogs
