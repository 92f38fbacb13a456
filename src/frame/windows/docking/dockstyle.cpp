#include "frame/windows/docking/dockstyle.h"

#include <QApplication>
#include <QWidget>

namespace tesk::frame {

namespace {

// Asked at each call: the application's look may change while the window stands.
QStyle *look()
{
    return QApplication::style();
}

} // namespace

void DockStyle::adopt(QWidget *window)
{
    if (window->style() != this && qApp->styleSheet().isEmpty())
        window->setStyle(this);
}

int DockStyle::styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                         QStyleHintReturn *returnData) const
{
    if (hint == SH_Widget_Animation_Duration && QApplication::mouseButtons() == Qt::NoButton)
        return 0;
    return look()->styleHint(hint, option, widget, returnData);
}

void DockStyle::polish(QWidget *widget)
{
    look()->polish(widget);
}

void DockStyle::unpolish(QWidget *widget)
{
    look()->unpolish(widget);
}

QRect DockStyle::itemTextRect(const QFontMetrics &metrics, const QRect &rect, int flags,
                              bool enabled, const QString &text) const
{
    return look()->itemTextRect(metrics, rect, flags, enabled, text);
}

QRect DockStyle::itemPixmapRect(const QRect &rect, int flags, const QPixmap &pixmap) const
{
    return look()->itemPixmapRect(rect, flags, pixmap);
}

void DockStyle::drawItemText(QPainter *painter, const QRect &rect, int flags,
                             const QPalette &palette, bool enabled, const QString &text,
                             QPalette::ColorRole role) const
{
    look()->drawItemText(painter, rect, flags, palette, enabled, text, role);
}

void DockStyle::drawItemPixmap(QPainter *painter, const QRect &rect, int alignment,
                               const QPixmap &pixmap) const
{
    look()->drawItemPixmap(painter, rect, alignment, pixmap);
}

QPalette DockStyle::standardPalette() const
{
    return look()->standardPalette();
}

void DockStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                              QPainter *painter, const QWidget *widget) const
{
    look()->drawPrimitive(element, option, painter, widget);
}

void DockStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                            const QWidget *widget) const
{
    look()->drawControl(element, option, painter, widget);
}

QRect DockStyle::subElementRect(SubElement element, const QStyleOption *option,
                                const QWidget *widget) const
{
    return look()->subElementRect(element, option, widget);
}

void DockStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                   QPainter *painter, const QWidget *widget) const
{
    look()->drawComplexControl(control, option, painter, widget);
}

QStyle::SubControl DockStyle::hitTestComplexControl(ComplexControl control,
                                                    const QStyleOptionComplex *option,
                                                    const QPoint &point,
                                                    const QWidget *widget) const
{
    return look()->hitTestComplexControl(control, option, point, widget);
}

QRect DockStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                SubControl subControl, const QWidget *widget) const
{
    return look()->subControlRect(control, option, subControl, widget);
}

int DockStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                           const QWidget *widget) const
{
    return look()->pixelMetric(metric, option, widget);
}

QSize DockStyle::sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                                  const QWidget *widget) const
{
    return look()->sizeFromContents(type, option, size, widget);
}

QPixmap DockStyle::standardPixmap(StandardPixmap pixmap, const QStyleOption *option,
                                  const QWidget *widget) const
{
    return look()->standardPixmap(pixmap, option, widget);
}

QIcon DockStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                              const QWidget *widget) const
{
    return look()->standardIcon(icon, option, widget);
}

QPixmap DockStyle::generatedIconPixmap(QIcon::Mode mode, const QPixmap &pixmap,
                                       const QStyleOption *option) const
{
    return look()->generatedIconPixmap(mode, pixmap, option);
}

int DockStyle::layoutSpacing(QSizePolicy::ControlType control1, QSizePolicy::ControlType control2,
                             Qt::Orientation orientation, const QStyleOption *option,
                             const QWidget *widget) const
{
    return look()->layoutSpacing(control1, control2, orientation, option, widget);
}

} // namespace tesk::frame
