#pragma once

// What the wood and metal looks share: their generated textures, the rounded-rectangle rule of
// the toolkit's older painter, and the push-button label both draw the same way.

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QStyleOptionButton>

#include <functional>

class QPainter;
class QStyle;
class QStyleOption;

namespace tesk::app::styles {

enum class Texture {
    WoodButton,     // 96 by 96, 254 colours
    WoodBackground, // 96 by 96, 254 colours
    BrushedMetal,   // 240 by 240, 223 colours
    GreenGrey,      // 96 by 96, 250 colours
};

// The texture as an indexed image: its colour table is what the styles rewrite to make the
// darker and lighter versions.
QImage texture(Texture which);
// The image with every entry of its colour table passed through the change.
QPixmap recoloured(const QImage &indexed, const std::function<QColor(const QColor &)> &change);
QPixmap filledPixmap(const QColor &colour);

// The role of the group takes its colour in `colours` with the texture over it.
void setTexturedRole(QPalette &palette, const QPalette &colours, QPalette::ColorGroup group,
                     QPalette::ColorRole role, const QPixmap &texture);

// The inactive group takes the active group's brushes, so that the look does not change with
// the window's activation.
void copyActiveToInactive(QPalette &palette);

// A rounded rectangle whose corners are r pixels, given to the painter as the percentages of
// the rectangle's size that the older rule used (r * 200 / side, at most 100).
void drawRoundedRect(QPainter *p, const QRect &rect, int corner);

// Button states as the toolkit's button options carry them: down is a pressed button.
bool isDown(const QStyleOption *option);
bool isOn(const QStyleOption *option);

// The push button's option as its bevel is drawn: on while toggled on, sunken while down (and
// while on, for a look that draws it so), raised unless flat or down.
QStyleOptionButton bevelOption(const QStyleOptionButton &button, bool sunkenWhenOn);

// Where the label of a push button is moved: a menu button's label a third of its height to the
// right, and by pressedShift while the button is down or on.
QPoint pushButtonLabelOffset(const QStyleOption *option, QPoint pressedShift);
// The label: text or pixmap centred in the rectangle shrunk by 2, in the bright-text colour
// while the button is down or on.
void drawPushButtonLabel(const QStyle *style, const QStyleOption *option, QPainter *p,
                         QPoint pressedShift);
// The down arrow of a menu button, at the right end of the rectangle.
void drawMenuButtonArrow(const QStyle *style, const QStyleOption *option, QPainter *p,
                         const QRect &rect);

} // namespace tesk::app::styles
