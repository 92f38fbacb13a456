#pragma once

// The metal look: brushed metal with gold buttons over the toolkit's Windows style, and menus
// in a bold italic serif. While it is the application style it replaces the application
// palette and puts the old one (and the menus' font) back when it goes.

#include <QColor>
#include <QFont>
#include <QList>
#include <QPalette>
#include <QProxyStyle>
#include <QRect>

namespace tesk::app::metal {

// The combo box's drop-down button and the arrow in it.
QRect comboButtonRect(const QRect &rect);
QRect comboArrowRect(const QRect &rect);

struct Gradient
{
    int firstLine = 0; // pixels in from the leading edge
    QList<QColor> lines;
};
// The colour lines inside a metal button of that extent (its height for lines along the width).
Gradient gradient(int extent, bool sunken);

} // namespace tesk::app::metal

class MetalStyle : public QProxyStyle
{
    Q_OBJECT

public:
    MetalStyle();
    ~MetalStyle() override;

    using QProxyStyle::polish;
    using QProxyStyle::unpolish;
    void polish(QApplication *application) override;
    void unpolish(QApplication *application) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *p,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *p,
                     const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *p,
                            const QWidget *widget = nullptr) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption *option = nullptr,
                    const QWidget *widget = nullptr) const override;

private:
    void drawPushButtonBevel(const QStyleOption *option, QPainter *p, const QWidget *widget) const;
    void drawScrollBarLine(const QStyleOption *option, QPainter *p, const QWidget *widget,
                           bool addLine) const;
    void drawComboBox(const QStyleOptionComplex *option, QPainter *p, const QWidget *widget) const;
    void drawSlider(const QStyleOptionComplex *option, QPainter *p, const QWidget *widget) const;

    QPalette m_keptPalette;
    QList<QFont> m_keptMenuFonts;
};
