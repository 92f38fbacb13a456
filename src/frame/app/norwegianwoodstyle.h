#pragma once

// The wood look: textured wood over the toolkit's Windows style, with rounded bevelled buttons,
// half-round scroll-bar buttons and a combo box drawn as one raised wood button. While it is
// the application style it replaces the application palette and puts the old one back when it
// goes.

#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QPolygon>
#include <QProxyStyle>
#include <QRect>
#include <QRegion>

#include <memory>

namespace tesk::app::wood {

// Bevel thickness for a size: 5 above 20, 3 from 10 to 20, 2 below 10.
int bevelWidth(int size);
// Half the smaller side: the size that a button's bevel and corners follow.
int buttonSize(const QRect &rect);
// The drop-down arrow of a combo box of a height, and the width of its drop-down part.
int comboArrowSize(int height);
int comboDropDownWidth(int height);

// The push button's contents: clear of the bevel and of the rounded ends.
QRect pushButtonContents(const QRect &rect);
// The smallest push button, at least the size given, whose contents hold a label of that size
// with the 2-pixel margin the label is drawn with.
QSize pushButtonSize(const QSize &label, const QSize &atLeast);
// The contents less a 1-pixel margin and the drop-down part: the combo box's text.
QRect comboFocusRect(const QRect &rect);

struct ComboArrow
{
    QRect arrow; // the down arrow
    QRect bar;   // the raised bar under it
};
ComboArrow comboArrow(const QRect &rect);

// Octagon with a circle in every corner: the shape the bevels are cut from.
QRegion roundedRegion(const QRect &rect, int corner);
// The halves of a button's bevel: upper left and lower right of the diagonal.
QPolygon upperLeftHalf(const QRect &rect);
QPolygon lowerRightHalf(const QRect &rect);

// The scroll bar's line buttons, at both ends of a bar of that rectangle.
QRect scrollBarSubLine(const QRect &bar, Qt::Orientation orientation);
QRect scrollBarAddLine(const QRect &bar, Qt::Orientation orientation);

} // namespace tesk::app::wood

class NorwegianWoodStyle : public QProxyStyle
{
    Q_OBJECT

public:
    NorwegianWoodStyle();
    ~NorwegianWoodStyle() override;

    using QProxyStyle::polish;
    void polish(QApplication *application) override;
    void polish(QWidget *widget) override;
    void unpolish(QApplication *application) override;
    void unpolish(QWidget *widget) override;

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *p,
                       const QWidget *widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption *option, QPainter *p,
                     const QWidget *widget = nullptr) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget = nullptr) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex *option, QPainter *p,
                            const QWidget *widget = nullptr) const override;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex *option,
                         SubControl subControl, const QWidget *widget = nullptr) const override;

    // The palette a push button's bevel is painted with: its Mid brush shows whether the
    // button is held down (darkened wood) or toggled on (a half-tone of the mid colour).
    static QPalette buttonBevelPalette(const QStyleOption *option);
    // The rounded shape that push buttons and combo boxes are cut to.
    static QRegion buttonMask(const QRect &rect);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void drawButtonCommand(const QStyleOption *option, QPainter *p) const;
    void drawHalfRoundButton(const QStyleOption *option, QPainter *p, Qt::ArrowType points) const;
    void drawPushButtonBevel(const QStyleOption *option, QPainter *p, const QWidget *widget) const;
    void drawComboBox(const QStyleOptionComplex *option, QPainter *p, const QWidget *widget) const;

    QPalette m_keptPalette;
    QPixmap m_sunkenBackground;
    QPixmap m_raisedBackground;
    // The toolkit no longer has a Motif style; while none can be made the arrow is our own.
    std::unique_ptr<QStyle> m_arrowStyle;
};
