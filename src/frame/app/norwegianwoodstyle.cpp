#include "frame/app/norwegianwoodstyle.h"

#include "frame/app/stylecommon.h"
#include "frame/core/toolkittext.h"

#include <QApplication>
#include <QBitmap>
#include <QComboBox>
#include <QEvent>
#include <QPainter>
#include <QPushButton>
#include <QStyleFactory>
#include <QStyleOption>
#include <QToolButton>
#include <qdrawutil.h>

#include <algorithm>

namespace tesk::app::wood {

int bevelWidth(int size)
{
    if (size > 20)
        return 5;
    return size >= 10 ? 3 : 2;
}

int buttonSize(const QRect &rect)
{
    return std::min(rect.width(), rect.height()) / 2;
}

int comboArrowSize(int height)
{
    if (height < 8)
        return 6;
    return height <= 13 ? height - 2 : height / 2;
}

int comboDropDownWidth(int height)
{
    return 3 * comboArrowSize(height) / 2;
}

QRect pushButtonContents(const QRect &rect)
{
    const int d = buttonSize(rect);
    const int b = bevelWidth(d);
    if (rect.width() >= rect.height())
        return rect.adjusted(d - b, b + 1, -(d - b), -(b + 1));
    return rect.adjusted(b + 1, d - b, -(b + 1), -(d - b));
}

QSize pushButtonSize(const QSize &label, const QSize &atLeast)
{
    const QSize needed = label.grownBy(QMargins(2, 2, 2, 2));
    QSize size = atLeast.expandedTo(needed);
    // The rounded ends grow with the height, so a taller button needs more width: a few
    // rounds settle it.
    for (int round = 0; round < 8; ++round) {
        const QRect contents = pushButtonContents(QRect(QPoint(), size));
        if (contents.width() >= needed.width() && contents.height() >= needed.height())
            break;
        size.rwidth() += qMax(0, needed.width() - contents.width());
        size.rheight() += qMax(0, needed.height() - contents.height());
    }
    return size;
}

QRect comboFocusRect(const QRect &rect)
{
    const QRect contents = pushButtonContents(rect);
    return contents.adjusted(1, 1, -(1 + comboDropDownWidth(contents.height())), -1);
}

ComboArrow comboArrow(const QRect &rect)
{
    const QRect contents = pushButtonContents(rect);
    const int a = comboArrowSize(contents.height());
    const int e = 3 * a / 2;
    const int s = std::max(3, (a + 3) / 4);
    const int g = s / 2 + 1;
    int ay = contents.y() + (contents.height() - a - s - g) / 2;
    int sy = ay + a + g;
    // A combo box too low for arrow and bar puts the bar below its contents.
    if (ay < 0) {
        ay = 0;
        sy = contents.height();
    }
    const int ax = contents.x() + contents.width() - e + (e - a) / 2;
    return {QRect(ax, ay, a, a), QRect(ax, sy, a, s)};
}

QRegion roundedRegion(const QRect &rect, int corner)
{
    if (corner <= 0)
        return QRegion(rect);
    const int x = rect.x();
    const int y = rect.y();
    const int right = rect.right();
    const int bottom = rect.bottom();
    const int r = corner;
    const QPolygon octagon({QPoint(x + r, y), QPoint(right - r, y), QPoint(right, y + r),
                            QPoint(right, bottom - r), QPoint(right - r, bottom),
                            QPoint(x + r, bottom), QPoint(x, bottom - r), QPoint(x, y + r)});
    const int d = 2 * r;
    QRegion region(octagon);
    for (const QPoint corner : {QPoint(x, y), QPoint(right - d + 1, y), QPoint(x, bottom - d + 1),
                                QPoint(right - d + 1, bottom - d + 1)})
        region += QRegion(QRect(corner, QSize(d, d)), QRegion::Ellipse);
    return region;
}

namespace {

QPolygon bevelHalf(const QRect &rect, QPoint first)
{
    const int m = std::min(rect.width(), rect.height()) / 2;
    return QPolygon({first, QPoint(rect.right(), rect.y()), QPoint(rect.right() - m, rect.y() + m),
                     QPoint(rect.x() + m, rect.bottom() - m), QPoint(rect.x(), rect.bottom())});
}

int barThickness(const QRect &bar, Qt::Orientation orientation)
{
    return orientation == Qt::Horizontal ? bar.height() : bar.width();
}

} // namespace

QPolygon upperLeftHalf(const QRect &rect)
{
    return bevelHalf(rect, rect.topLeft());
}

QPolygon lowerRightHalf(const QRect &rect)
{
    return bevelHalf(rect, rect.bottomRight());
}

QRect scrollBarSubLine(const QRect &bar, Qt::Orientation orientation)
{
    const int t = barThickness(bar, orientation);
    return QRect(bar.x() + 2, bar.y() + 2, t - 4, t - 4);
}

QRect scrollBarAddLine(const QRect &bar, Qt::Orientation orientation)
{
    const int t = barThickness(bar, orientation);
    const QRect sub = scrollBarSubLine(bar, orientation);
    return orientation == Qt::Horizontal ? sub.translated(bar.width() - t, 0)
                                         : sub.translated(0, bar.height() - t);
}

} // namespace tesk::app::wood

using namespace tesk::app;

namespace {

// Fills the rectangle within the region, leaving the painter's clip as it was.
void fillWithin(QPainter *p, const QRegion &region, const QRect &rect, const QBrush &brush)
{
    p->save();
    p->setClipRegion(region, Qt::IntersectClip);
    p->fillRect(rect, brush);
    p->restore();
}

// A colour with a texture over it, or the plain colour while the style has no textures (it
// only makes them when it becomes the application style).
QBrush textured(const QColor &colour, const QPixmap &texture)
{
    return texture.isNull() ? QBrush(colour) : QBrush(colour, texture);
}

Qt::Orientation orientationOf(const QStyleOption *option)
{
    if (const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option))
        return slider->orientation;
    return (option->state & QStyle::State_Horizontal) ? Qt::Horizontal : Qt::Vertical;
}

bool isRoundedWidget(const QWidget *widget)
{
    return qobject_cast<const QPushButton *>(widget) || qobject_cast<const QComboBox *>(widget);
}

bool takesMask(const QWidget *widget)
{
    return isRoundedWidget(widget) || qobject_cast<const QToolButton *>(widget);
}

void applyMask(QWidget *widget)
{
    if (isRoundedWidget(widget))
        widget->setMask(NorwegianWoodStyle::buttonMask(widget->rect()));
    else
        widget->clearMask();
}

} // namespace

NorwegianWoodStyle::NorwegianWoodStyle()
    : QProxyStyle(QStyleFactory::create(tesk::core::keptByToolkit("Windows")))
    , m_arrowStyle(QStyleFactory::create(tesk::core::keptByToolkit("Motif")))
{
}

NorwegianWoodStyle::~NorwegianWoodStyle() = default;

void NorwegianWoodStyle::polish(QApplication *application)
{
    QProxyStyle::polish(application);
    m_keptPalette = QApplication::palette();

    const QImage buttonWood = styles::texture(styles::Texture::WoodButton);
    const auto same = [](const QColor &c) { return c; };
    const QPixmap button = styles::recoloured(buttonWood, same);
    const QPixmap mid =
        styles::recoloured(buttonWood, [](const QColor &c) { return c.darker(120); });
    const QPixmap light =
        styles::recoloured(buttonWood, [](const QColor &c) { return c.lighter(150); });
    const QPixmap dark =
        styles::recoloured(buttonWood, [](const QColor &c) { return c.darker(180); });

    const QImage backgroundWood = styles::texture(styles::Texture::WoodBackground);
    const QPixmap background = styles::recoloured(backgroundWood, same);
    m_sunkenBackground =
        styles::recoloured(backgroundWood, [](const QColor &c) { return c.darker(180); });
    m_raisedBackground =
        styles::recoloured(backgroundWood, [](const QColor &c) { return c.lighter(130); });

    const QPalette generated(QColor(212, 140, 95));
    QPalette palette = generated;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled}) {
        auto texturedRole = [&](QPalette::ColorRole role, const QPixmap &texture) {
            styles::setTexturedRole(palette, generated, group, role, texture);
        };
        texturedRole(QPalette::Button, button);
        texturedRole(QPalette::Light, light);
        texturedRole(QPalette::Dark, dark);
        texturedRole(QPalette::Mid, mid);
        texturedRole(QPalette::Window, background);
        palette.setColor(group, QPalette::BrightText, Qt::white);
        palette.setColor(group, QPalette::Base, QColor(236, 182, 120));
    }
    styles::copyActiveToInactive(palette);
    QApplication::setPalette(palette);
}

void NorwegianWoodStyle::unpolish(QApplication *application)
{
    QApplication::setPalette(m_keptPalette);
    QProxyStyle::unpolish(application);
}

void NorwegianWoodStyle::polish(QWidget *widget)
{
    QProxyStyle::polish(widget);
    if (widget->isWindow() || !takesMask(widget))
        return;
    // The toolkit keeps no automatic masks: the shape follows every resize from here.
    widget->installEventFilter(this);
    applyMask(widget);
}

void NorwegianWoodStyle::unpolish(QWidget *widget)
{
    if (!widget->isWindow() && takesMask(widget)) {
        widget->removeEventFilter(this);
        widget->clearMask();
    }
    QProxyStyle::unpolish(widget);
}

bool NorwegianWoodStyle::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        if (auto *widget = qobject_cast<QWidget *>(watched))
            applyMask(widget);
    }
    return QProxyStyle::eventFilter(watched, event);
}

QRegion NorwegianWoodStyle::buttonMask(const QRect &rect)
{
    if (rect.isEmpty())
        return QRegion();
    QBitmap bitmap(rect.size());
    bitmap.fill(Qt::color0);
    QPainter p(&bitmap);
    p.setPen(Qt::color1);
    p.setBrush(Qt::color1);
    styles::drawRoundedRect(&p, QRect(QPoint(0, 0), rect.size()), wood::buttonSize(rect));
    p.end();
    return QRegion(bitmap).translated(rect.topLeft());
}

QPalette NorwegianWoodStyle::buttonBevelPalette(const QStyleOption *option)
{
    QPalette palette = option->palette;
    if (styles::isDown(option))
        palette.setBrush(QPalette::Mid, option->palette.brush(QPalette::Mid));
    else if (styles::isOn(option))
        palette.setBrush(QPalette::Mid,
                         QBrush(option->palette.color(QPalette::Mid), Qt::Dense4Pattern));
    else
        palette.setBrush(QPalette::Mid, option->palette.brush(QPalette::Button));
    return palette;
}

void NorwegianWoodStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                       QPainter *p, const QWidget *widget) const
{
    if (element == PE_PanelButtonCommand) {
        drawButtonCommand(option, p);
        return;
    }
    QProxyStyle::drawPrimitive(element, option, p, widget);
}

void NorwegianWoodStyle::drawButtonCommand(const QStyleOption *option, QPainter *p) const
{
    const QRect rect = option->rect;
    if (rect.isEmpty())
        return;
    const QPalette &palette = option->palette;
    const bool sunken = option->state & State_Sunken;
    const bool raised = option->state & State_Raised;
    const int d = wood::buttonSize(rect);
    const int b = wood::bevelWidth(d);

    const QRegion interior = wood::roundedRegion(rect.adjusted(b, b, -b, -b), d - b);
    fillWithin(p, interior, rect, palette.brush(sunken ? QPalette::Mid : QPalette::Button));
    fillWithin(p, QRegion(wood::upperLeftHalf(rect)) - interior, rect,
               sunken ? textured(palette.color(QPalette::Dark), m_sunkenBackground)
                      : palette.brush(QPalette::Light));
    if (raised || sunken) {
        fillWithin(p, QRegion(wood::lowerRightHalf(rect)) - interior, rect,
                   sunken ? textured(palette.color(QPalette::Light), m_raisedBackground)
                          : palette.brush(QPalette::Dark));
    }
    const QPen pen = p->pen();
    p->setPen(palette.color(QPalette::WindowText));
    styles::drawRoundedRect(p, rect, d);
    p->setPen(pen);
}

void NorwegianWoodStyle::drawHalfRoundButton(const QStyleOption *option, QPainter *p,
                                             Qt::ArrowType points) const
{
    const QRect rect = option->rect;
    if (rect.isEmpty())
        return;
    const int b = pixelMetric(PM_ScrollBarExtent, option) > 20 ? 3 : 2;
    const int x = rect.x();
    const int y = rect.y();
    const int w2 = rect.width() / 2;
    const int h2 = rect.height() / 2;
    const int w = rect.width();
    const int h = rect.height();
    QRect outerHalf;
    QRect innerHalf;
    switch (points) {
    case Qt::RightArrow:
        outerHalf = QRect(x, y, w2, h);
        innerHalf = QRect(x + b, y + b, w2 - 2 * b, h - 2 * b);
        break;
    case Qt::LeftArrow:
        outerHalf = QRect(x + w2, y, w2, h);
        innerHalf = QRect(x + w2 + b, y + b, w2 - 2 * b, h - 2 * b);
        break;
    case Qt::DownArrow:
        outerHalf = QRect(x, y, w, h2);
        innerHalf = QRect(x + b, y + b, w - 2 * b - 1, h2 - 2 * b - 1);
        break;
    default:
        outerHalf = QRect(x, y + h2, w, h2);
        innerHalf = QRect(x + b, y + h2 + b, w - 2 * b - 1, h2 - 2 * b - 1);
        break;
    }
    const QRegion outer = QRegion(rect, QRegion::Ellipse) + QRegion(outerHalf);
    const QRegion inner =
        QRegion(rect.adjusted(b, b, -b, -b), QRegion::Ellipse) + QRegion(innerHalf);
    const QRegion ring = outer - inner;
    const bool down = styles::isDown(option);
    const QColor light = option->palette.color(QPalette::Light);
    const QColor dark = option->palette.color(QPalette::Dark);

    fillWithin(p, inner, rect, option->palette.brush(QPalette::Button));
    const QPolygon upperLeft({QPoint(x, y), QPoint(x, rect.bottom()), QPoint(rect.right(), y)});
    const QPolygon lowerRight(
        {QPoint(rect.right(), rect.bottom()), QPoint(x, rect.bottom()), QPoint(rect.right(), y)});
    fillWithin(p, ring & QRegion(upperLeft), rect, down ? dark : light);
    fillWithin(p, ring & QRegion(lowerRight), rect, down ? light : dark);
}

void NorwegianWoodStyle::drawPushButtonBevel(const QStyleOption *option, QPainter *p,
                                             const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button) {
        QProxyStyle::drawControl(CE_PushButtonBevel, option, p, widget);
        return;
    }
    const bool isDefault = button->features & QStyleOptionButton::DefaultButton;

    QStyleOptionButton bevel = styles::bevelOption(*button, true);
    bevel.palette = buttonBevelPalette(option);
    if (isDefault)
        bevel.rect = option->rect.adjusted(2, 2, -2, -2);

    p->save();
    p->setPen(option->palette.color(QPalette::WindowText));
    p->setBrush(Qt::NoBrush);
    proxy()->drawPrimitive(PE_PanelButtonCommand, &bevel, p, widget);
    if (isDefault) {
        p->setPen(QPen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        styles::drawRoundedRect(p, bevel.rect.adjusted(-1, -1, 1, 1), 8);
    }
    if (button->features & QStyleOptionButton::HasMenu)
        styles::drawMenuButtonArrow(proxy(), &bevel, p, wood::pushButtonContents(bevel.rect));
    p->restore();
}

void NorwegianWoodStyle::drawControl(ControlElement element, const QStyleOption *option,
                                     QPainter *p, const QWidget *widget) const
{
    switch (element) {
    case CE_PushButtonBevel:
        drawPushButtonBevel(option, p, widget);
        return;
    case CE_PushButtonLabel:
        styles::drawPushButtonLabel(proxy(), option, p, QPoint());
        return;
    case CE_ScrollBarAddLine:
        drawHalfRoundButton(
            option, p, orientationOf(option) == Qt::Horizontal ? Qt::RightArrow : Qt::DownArrow);
        return;
    case CE_ScrollBarSubLine:
        drawHalfRoundButton(option, p,
                            orientationOf(option) == Qt::Horizontal ? Qt::LeftArrow : Qt::UpArrow);
        return;
    default:
        QProxyStyle::drawControl(element, option, p, widget);
    }
}

QRect NorwegianWoodStyle::subElementRect(SubElement element, const QStyleOption *option,
                                         const QWidget *widget) const
{
    switch (element) {
    case SE_PushButtonContents:
        return wood::pushButtonContents(option->rect);
    case SE_ComboBoxFocusRect:
        return wood::comboFocusRect(option->rect);
    default:
        return QProxyStyle::subElementRect(element, option, widget);
    }
}

void NorwegianWoodStyle::drawComboBox(const QStyleOptionComplex *option, QPainter *p,
                                      const QWidget *widget) const
{
    const wood::ComboArrow geometry = wood::comboArrow(option->rect);

    QStyleOption button = *option;
    button.state = State_Raised;
    proxy()->drawPrimitive(PE_PanelButtonCommand, &button, p, widget);

    QStyleOption arrow = *option;
    arrow.rect = geometry.arrow;
    const QStyle *arrowStyle = m_arrowStyle ? m_arrowStyle.get() : proxy();
    arrowStyle->drawPrimitive(PE_IndicatorArrowDown, &arrow, p, widget);

    const QRect bar = geometry.bar;
    const QPen pen = p->pen();
    p->setPen(option->palette.color(QPalette::Light));
    p->drawLine(bar.left(), bar.top(), bar.right(), bar.top());
    p->drawLine(bar.left(), bar.top(), bar.left(), bar.bottom());
    p->setPen(option->palette.color(QPalette::Dark));
    p->drawLine(bar.left() + 1, bar.bottom(), bar.right(), bar.bottom());
    p->drawLine(bar.right(), bar.top() + 1, bar.right(), bar.bottom());
    p->setPen(pen);

    const auto *combo = qstyleoption_cast<const QStyleOptionComboBox *>(option);
    if (combo && combo->editable) {
        const QBrush fill = option->palette.brush(QPalette::Button);
        qDrawShadePanel(p, subControlRect(CC_ComboBox, option, SC_ComboBoxEditField, widget),
                        option->palette, true, 1, &fill);
    }
}

QSize NorwegianWoodStyle::sizeFromContents(ContentsType type, const QStyleOption *option,
                                           const QSize &size, const QWidget *widget) const
{
    const QSize base = QProxyStyle::sizeFromContents(type, option, size, widget);
    if (type != CT_PushButton)
        return base;
    return wood::pushButtonSize(size, base);
}

void NorwegianWoodStyle::drawComplexControl(ComplexControl control,
                                            const QStyleOptionComplex *option, QPainter *p,
                                            const QWidget *widget) const
{
    if (control == CC_ComboBox) {
        drawComboBox(option, p, widget);
        return;
    }
    if (control == CC_ScrollBar) {
        // The half-round line buttons and the margin round them leave parts of the bar that no
        // sub-control covers; the bar is opaque, so they are the window's wood first.
        p->fillRect(option->rect, option->palette.brush(QPalette::Window));
    }
    QProxyStyle::drawComplexControl(control, option, p, widget);
}

QRect NorwegianWoodStyle::subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                                         SubControl subControl, const QWidget *widget) const
{
    if (control == CC_ComboBox && subControl == SC_ComboBoxEditField)
        return wood::comboFocusRect(option->rect);
    if (control == CC_ScrollBar && subControl == SC_ScrollBarSubLine)
        return wood::scrollBarSubLine(option->rect, orientationOf(option));
    if (control == CC_ScrollBar && subControl == SC_ScrollBarAddLine)
        return wood::scrollBarAddLine(option->rect, orientationOf(option));
    return QProxyStyle::subControlRect(control, option, subControl, widget);
}
