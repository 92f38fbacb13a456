#include "frame/app/metalstyle.h"

#include "frame/app/stylecommon.h"
#include "frame/core/toolkittext.h"

#include <QApplication>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>
#include <iterator>

namespace tesk::app::metal {

namespace {

const QColor kGold(QStringLiteral("#B9B9A5A54040"));
const QColor kDeepGold(QStringLiteral("#89896C6C1A1A"));

QColor hsvBetween(const QColor &from, const QColor &to, int step, int steps)
{
    auto at = [&](int a, int b) { return a + (b - a) * step / steps; };
    return QColor::fromHsv(at(from.hsvHue(), to.hsvHue()),
                           at(from.hsvSaturation(), to.hsvSaturation()),
                           at(from.value(), to.value()));
}

} // namespace

QRect comboButtonRect(const QRect &rect)
{
    return QRect(rect.x() + rect.width() - 18, rect.y() + 2, 16, rect.height() - 4);
}

QRect comboArrowRect(const QRect &rect)
{
    return QRect(rect.x() + rect.width() - 16, rect.y() + 4, 12, rect.height() - 8);
}

Gradient gradient(int extent, bool sunken)
{
    Gradient result;
    result.firstLine = sunken ? 2 : 6;
    const QColor &from = sunken ? kDeepGold : kGold;
    const QColor &to = sunken ? kGold : kDeepGold;
    const int n = extent - 8;
    if (n == 1)
        result.lines << hsvBetween(from, to, 1, 2);
    for (int i = 0; n > 1 && i < n; ++i)
        result.lines << hsvBetween(from, to, i, n - 1);
    return result;
}

} // namespace tesk::app::metal

using namespace tesk::app;

namespace {

const char *const kMenuClasses[] = {"QMenuBar", "QMenu"};

// Menus that exist already take a changed class font only from this event, which the toolkit
// does not send before its event loop has run.
void refreshMenuFonts()
{
    for (QWidget *widget : QApplication::allWidgets()) {
        if (std::any_of(std::begin(kMenuClasses), std::end(kMenuClasses),
                        [widget](const char *menuClass) { return widget->inherits(menuClass); })) {
            QEvent change(QEvent::ApplicationFontChange);
            QCoreApplication::sendEvent(widget, &change);
        }
    }
}

struct MetalButton
{
    bool sunken = false;
    bool horizontal = true; // lines along the width: the colour changes from top to bottom
    bool flat = false;
};

void drawMetalFrame(QPainter *p, const QRect &r)
{
    const QPen pen = p->pen();
    p->setPen(QColor(QStringLiteral("#878769691515")));
    p->drawLine(r.left(), r.top(), r.right(), r.top());
    p->drawLine(r.left(), r.top(), r.left(), r.bottom());
    p->setPen(QColor(QStringLiteral("#C6C6B4B44949")));
    p->drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
    p->drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
    p->setPen(QColor(QStringLiteral("#56564A4A0E0E")));
    p->drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    p->drawLine(r.right(), r.top(), r.right(), r.bottom());
    p->setPen(QColor(QStringLiteral("#70705B5B1414")));
    p->drawLine(r.left() + 1, r.bottom() - 1, r.right() - 1, r.bottom() - 1);
    p->drawLine(r.right() - 1, r.top() + 1, r.right() - 1, r.bottom() - 1);
    p->setPen(pen);
}

// One line across the button, `offset` pixels in from its leading edge, inside the frame.
void drawLineAcross(QPainter *p, const QRect &r, bool horizontal, int offset, const QColor &colour)
{
    p->setPen(colour);
    if (horizontal)
        p->drawLine(r.left() + 2, r.top() + offset, r.right() - 2, r.top() + offset);
    else
        p->drawLine(r.left() + offset, r.top() + 2, r.left() + offset, r.bottom() - 2);
}

void drawMetalGradient(QPainter *p, const QRect &r, const MetalButton &button)
{
    if (button.flat && !button.sunken) {
        p->fillRect(r.adjusted(2, 2, -2, -2), QColor(QStringLiteral("#B9B9A5A54040")));
        return;
    }
    const QPen pen = p->pen();
    if (!button.sunken) {
        const QColor highlights[] = {
            QColor(QStringLiteral("#E8E8DDDD6565")), QColor(QStringLiteral("#E8E8DDDD6565")),
            QColor(QStringLiteral("#CECEBDBD5151")), QColor(QStringLiteral("#BFBFACAC4545"))};
        for (int i = 0; i < 4; ++i)
            drawLineAcross(p, r, button.horizontal, 2 + i, highlights[i]);
    }
    const metal::Gradient gradient =
        metal::gradient(button.horizontal ? r.height() : r.width(), button.sunken);
    for (int i = 0; i < gradient.lines.size(); ++i)
        drawLineAcross(p, r, button.horizontal, gradient.firstLine + i, gradient.lines.at(i));
    p->setPen(pen);
}

void drawMetalButton(QPainter *p, const QRect &r, const MetalButton &button)
{
    if (r.isEmpty())
        return;
    drawMetalFrame(p, r);
    drawMetalGradient(p, r, button);
}

} // namespace

MetalStyle::MetalStyle()
    : QProxyStyle(QStyleFactory::create(tesk::core::keptByToolkit("Windows")))
{
}

MetalStyle::~MetalStyle() = default;

void MetalStyle::polish(QApplication *application)
{
    QProxyStyle::polish(application);
    m_keptPalette = QApplication::palette();

    QFont menuFont = QApplication::font();
    menuFont.setFamilies({tesk::core::keptByToolkit("times")});
    menuFont.setBold(true);
    menuFont.setItalic(true);
    for (const char *menuClass : kMenuClasses) {
        m_keptMenuFonts << QApplication::font(menuClass);
        QApplication::setFont(menuFont, menuClass);
    }
    refreshMenuFonts();

    const QPixmap button = styles::filledPixmap(QColor(QStringLiteral("#B9B9A5A54040")));
    const QPixmap background = QPixmap::fromImage(styles::texture(styles::Texture::BrushedMetal));
    const QPixmap lightAndMid = QPixmap::fromImage(styles::texture(styles::Texture::GreenGrey));
    const QPixmap dark = styles::filledPixmap(QColor(Qt::red).darker(200));

    const QPalette current = m_keptPalette;
    QPalette palette = current;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Disabled}) {
        auto texturedRole = [&](QPalette::ColorRole role, const QPixmap &texture) {
            styles::setTexturedRole(palette, current, group, role, texture);
        };
        texturedRole(QPalette::Button, button);
        texturedRole(QPalette::Light, lightAndMid);
        texturedRole(QPalette::Mid, lightAndMid);
        if (group == QPalette::Active)
            texturedRole(QPalette::Dark, dark);
        else
            palette.setBrush(group, QPalette::Dark, current.color(group, QPalette::Dark));
        palette.setBrush(group, QPalette::Window, QBrush(QColor(227, 227, 227), background));
        palette.setColor(group, QPalette::BrightText, Qt::white);
    }
    palette.setColor(QPalette::Active, QPalette::ButtonText, Qt::white);
    palette.setColor(QPalette::Active, QPalette::Shadow, Qt::black);
    styles::copyActiveToInactive(palette);
    QApplication::setPalette(palette);
}

void MetalStyle::unpolish(QApplication *application)
{
    QApplication::setPalette(m_keptPalette);
    // Setting the application font again leaves the menus' class fonts in place (the toolkit
    // ignores a font equal to the one it has), so the menus get back what they had.
    for (qsizetype i = 0; i < m_keptMenuFonts.size(); ++i)
        QApplication::setFont(m_keptMenuFonts.at(i), kMenuClasses[i]);
    m_keptMenuFonts.clear();
    refreshMenuFonts();
    QProxyStyle::unpolish(application);
}

int MetalStyle::pixelMetric(PixelMetric metric, const QStyleOption *option,
                            const QWidget *widget) const
{
    if (metric == PM_MenuBarPanelWidth)
        return 2;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void MetalStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *p,
                               const QWidget *widget) const
{
    switch (element) {
    case PE_PanelButtonBevel:
    case PE_PanelButtonCommand:
        drawMetalButton(p, option->rect,
                        {bool(option->state & (State_Sunken | State_On)), true,
                         !(option->state & State_Raised)});
        return;
    case PE_PanelMenuBar:
        drawMetalFrame(p, option->rect);
        return;
    default:
        QProxyStyle::drawPrimitive(element, option, p, widget);
    }
}

void MetalStyle::drawPushButtonBevel(const QStyleOption *option, QPainter *p,
                                     const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button) {
        QProxyStyle::drawControl(CE_PushButtonBevel, option, p, widget);
        return;
    }
    p->save();
    p->setPen(option->palette.color(QPalette::WindowText));
    p->setBrush(Qt::NoBrush);
    // On and down are both drawn sunken by the metal button; no sunken flag of its own.
    QStyleOptionButton bevel = styles::bevelOption(*button, false);
    if (button->features & QStyleOptionButton::DefaultButton) {
        const QRect r = option->rect;
        p->setPen(QPen(Qt::black, 1));
        p->drawPolyline(
            QPolygon({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(),
                      QPoint(r.left(), r.top() + 1), QPoint(r.right() - 1, r.top() + 1),
                      QPoint(r.right() - 1, r.bottom() - 1), QPoint(r.left() + 1, r.bottom() - 1),
                      QPoint(r.left() + 1, r.top() + 1)}));
        bevel.rect = r.adjusted(2, 2, -2, -2);
    }
    proxy()->drawPrimitive(PE_PanelButtonCommand, &bevel, p, widget);
    if (button->features & QStyleOptionButton::HasMenu)
        styles::drawMenuButtonArrow(proxy(), &bevel, p, bevel.rect);
    p->restore();
}

void MetalStyle::drawScrollBarLine(const QStyleOption *option, QPainter *p, const QWidget *widget,
                                   bool addLine) const
{
    const bool horizontalBar = option->state & State_Horizontal;
    drawMetalButton(p, option->rect, {styles::isDown(option), !horizontalBar, false});
    PrimitiveElement arrow;
    if (addLine)
        arrow = horizontalBar ? PE_IndicatorArrowRight : PE_IndicatorArrowDown;
    else
        arrow = horizontalBar ? PE_IndicatorArrowLeft : PE_IndicatorArrowUp;
    proxy()->drawPrimitive(arrow, option, p, widget);
}

void MetalStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *p,
                             const QWidget *widget) const
{
    switch (element) {
    case CE_PushButtonBevel:
        drawPushButtonBevel(option, p, widget);
        return;
    case CE_PushButtonLabel:
        styles::drawPushButtonLabel(proxy(), option, p, QPoint(-1, -1));
        return;
    case CE_HeaderSection: {
        QStyleOption section = *option;
        if (section.state & State_Sunken)
            section.state ^= (State_Sunken | State_Raised);
        proxy()->drawPrimitive(PE_PanelButtonCommand, &section, p, widget);
        return;
    }
    case CE_ScrollBarAddLine:
    case CE_ScrollBarSubLine:
        drawScrollBarLine(option, p, widget, element == CE_ScrollBarAddLine);
        return;
    case CE_ScrollBarSlider:
        drawMetalButton(p, option->rect, {false, bool(option->state & State_Horizontal), false});
        return;
    default:
        QProxyStyle::drawControl(element, option, p, widget);
    }
}

void MetalStyle::drawComboBox(const QStyleOptionComplex *option, QPainter *p, const QWidget *) const
{
    const bool enabled = option->state & State_Enabled;
    const QBrush fill = option->palette.brush(enabled ? QPalette::Base : QPalette::Window);
    qDrawWinPanel(p, option->rect, option->palette, true, &fill);
    drawMetalButton(p, metal::comboButtonRect(option->rect),
                    {bool(option->state & State_Sunken), true, false});
    QStyleOption arrow = *option;
    arrow.rect = metal::comboArrowRect(option->rect);
    arrow.state = enabled ? State_Enabled : State_None;
    proxy()->drawPrimitive(PE_IndicatorArrowDown, &arrow, p);
}

void MetalStyle::drawSlider(const QStyleOptionComplex *option, QPainter *p,
                            const QWidget *widget) const
{
    const auto *slider = qstyleoption_cast<const QStyleOptionSlider *>(option);
    if (!slider) {
        QProxyStyle::drawComplexControl(CC_Slider, option, p, widget);
        return;
    }
    const QRect handle = proxy()->subControlRect(CC_Slider, option, SC_SliderHandle, widget);
    if (slider->subControls & SC_SliderGroove) {
        // Only the groove: the metal slider draws no tick marks.
        QStyleOptionSlider groove = *slider;
        groove.subControls = SC_SliderGroove;
        QProxyStyle::drawComplexControl(CC_Slider, &groove, p, widget);
    }
    if ((slider->subControls & SC_SliderHandle) && handle.isValid())
        drawMetalButton(p, handle, {false, slider->orientation == Qt::Horizontal, false});
}

void MetalStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex *option,
                                    QPainter *p, const QWidget *widget) const
{
    switch (control) {
    case CC_ComboBox:
        drawComboBox(option, p, widget);
        return;
    case CC_Slider:
        drawSlider(option, p, widget);
        return;
    default:
        QProxyStyle::drawComplexControl(control, option, p, widget);
    }
}
