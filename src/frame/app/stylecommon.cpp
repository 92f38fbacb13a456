#include "frame/app/stylecommon.h"

#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace tesk::app::styles {

namespace {

constexpr double kTwoPi = 6.283185307179586;

struct TextureRecipe
{
    int side;
    int colours;
    QColor light;
    QColor dark;
    std::uint32_t seed;
};

TextureRecipe recipe(Texture which)
{
    switch (which) {
    case Texture::WoodButton:
        return {96, 254, QColor(228, 188, 136), QColor(146, 94, 50), 11u};
    case Texture::WoodBackground:
        return {96, 254, QColor(204, 150, 98), QColor(118, 72, 38), 23u};
    case Texture::BrushedMetal:
        return {240, 223, QColor(240, 240, 238), QColor(150, 150, 148), 37u};
    case Texture::GreenGrey:
        break;
    }
    return {96, 250, QColor(194, 204, 188), QColor(116, 130, 114), 53u};
}

// A fixed integer hash: the textures are the same on every run and every machine.
double hash01(int x, int y, std::uint32_t seed)
{
    std::uint32_t h =
        std::uint32_t(x) * 374761393u + std::uint32_t(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return double(h & 0xffffffu) / double(0xffffff);
}

double smooth(double t)
{
    return t * t * (3 - 2 * t);
}

// Value noise that repeats every `side` pixels, interpolated over cells cellX by cellY wide, so
// that the textures tile without seams.
double tiledNoise(int x, int y, int side, int cellX, int cellY, std::uint32_t seed)
{
    const int cellsX = side / cellX;
    const int cellsY = side / cellY;
    const int cx = x / cellX;
    const int cy = y / cellY;
    const double fx = smooth(double(x % cellX) / cellX);
    const double fy = smooth(double(y % cellY) / cellY);
    auto at = [&](int i, int j) { return hash01(i % cellsX, j % cellsY, seed); };
    const double top = at(cx, cy) * (1 - fx) + at(cx + 1, cy) * fx;
    const double bottom = at(cx, cy + 1) * (1 - fx) + at(cx + 1, cy + 1) * fx;
    return top * (1 - fy) + bottom * fy;
}

// Wood: grain bands across the height that wander along the width, with fibres along them.
double woodValue(int x, int y, const TextureRecipe &r)
{
    const double u = kTwoPi * x / r.side;
    const double v = kTwoPi * y / r.side;
    const double wander =
        1.4 * std::sin(u + 0.8 * std::sin(2 * v)) + 2.0 * tiledNoise(x, y, r.side, 24, 24, r.seed);
    const double band = 0.5 + 0.5 * std::sin(5 * v + wander);
    const double fibre = tiledNoise(x, y, r.side, 12, 1, r.seed + 1);
    return 0.7 * band + 0.3 * fibre;
}

// Brushed metal: every row a shade of its own, with long streaks along the rows.
double metalValue(int x, int y, const TextureRecipe &r)
{
    return 0.5 * hash01(0, y, r.seed) + 0.5 * tiledNoise(x, y, r.side, 24, 1, r.seed + 1);
}

double greenGreyValue(int x, int y, const TextureRecipe &r)
{
    return 0.6 * tiledNoise(x, y, r.side, 8, 8, r.seed) + 0.4 * hash01(x, y, r.seed + 1);
}

} // namespace

QImage texture(Texture which)
{
    const TextureRecipe r = recipe(which);
    QImage image(r.side, r.side, QImage::Format_Indexed8);
    QList<QRgb> table;
    for (int i = 0; i < r.colours; ++i) {
        const double t = double(i) / (r.colours - 1);
        auto mix = [t](int dark, int light) { return int(std::lround(dark + (light - dark) * t)); };
        table << qRgb(mix(r.dark.red(), r.light.red()), mix(r.dark.green(), r.light.green()),
                      mix(r.dark.blue(), r.light.blue()));
    }
    image.setColorTable(table);
    for (int y = 0; y < r.side; ++y) {
        uchar *line = image.scanLine(y);
        for (int x = 0; x < r.side; ++x) {
            double value = 0;
            switch (which) {
            case Texture::WoodButton:
            case Texture::WoodBackground:
                value = woodValue(x, y, r);
                break;
            case Texture::BrushedMetal:
                value = metalValue(x, y, r);
                break;
            case Texture::GreenGrey:
                value = greenGreyValue(x, y, r);
                break;
            }
            line[x] =
                uchar(std::clamp(int(std::lround(value * (r.colours - 1))), 0, r.colours - 1));
        }
    }
    return image;
}

QPixmap recoloured(const QImage &indexed, const std::function<QColor(const QColor &)> &change)
{
    QImage image = indexed;
    QList<QRgb> table = image.colorTable();
    for (QRgb &entry : table)
        entry = change(QColor(entry)).rgb();
    image.setColorTable(table);
    return QPixmap::fromImage(image);
}

QPixmap filledPixmap(const QColor &colour)
{
    QPixmap pixmap(1, 1);
    pixmap.fill(colour);
    return pixmap;
}

void copyActiveToInactive(QPalette &palette)
{
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = QPalette::ColorRole(role);
        palette.setBrush(QPalette::Inactive, colourRole,
                         palette.brush(QPalette::Active, colourRole));
    }
}

void drawRoundedRect(QPainter *p, const QRect &rect, int corner)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    const int xPercent = std::min(100, corner * 200 / rect.width());
    const int yPercent = std::min(100, corner * 200 / rect.height());
    p->drawRoundedRect(rect, xPercent, yPercent, Qt::RelativeSize);
}

bool isDown(const QStyleOption *option)
{
    return option->state & QStyle::State_Sunken;
}

bool isOn(const QStyleOption *option)
{
    return option->state & QStyle::State_On;
}

QPoint pushButtonLabelOffset(const QStyleOption *option, QPoint pressedShift)
{
    QPoint offset;
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (button && (button->features & QStyleOptionButton::HasMenu))
        offset.rx() += (option->rect.bottom() - option->rect.top()) / 3;
    if (isDown(option) || isOn(option))
        offset += pressedShift;
    return offset;
}

void drawPushButtonLabel(const QStyle *style, const QStyleOption *option, QPainter *p,
                         QPoint pressedShift)
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    if (!button)
        return;
    const QPoint offset = pushButtonLabelOffset(option, pressedShift);
    if (!offset.isNull())
        p->translate(offset);
    const QRect rect = option->rect.adjusted(2, 2, -2, -2);
    const bool enabled = option->state & QStyle::State_Enabled;
    const int alignment = Qt::AlignCenter | Qt::TextShowMnemonic;
    if (button->text.isEmpty() && !button->icon.isNull()) {
        const QPixmap pixmap =
            button->icon.pixmap(button->iconSize, p->device()->devicePixelRatio(),
                                enabled ? QIcon::Normal : QIcon::Disabled);
        style->drawItemPixmap(p, rect, alignment, pixmap);
    } else {
        const QPalette::ColorRole role =
            isDown(option) || isOn(option) ? QPalette::BrightText : QPalette::ButtonText;
        style->drawItemText(p, rect, alignment, option->palette, enabled, button->text, role);
    }
    if (!offset.isNull())
        p->translate(-offset);
}

void drawMenuButtonArrow(const QStyle *style, const QStyleOption *option, QPainter *p,
                         const QRect &rect)
{
    const int side = std::max(5, rect.height() / 3);
    QStyleOption arrow = *option;
    arrow.rect =
        QRect(rect.right() - side - rect.height() / 4, rect.center().y() - side / 2, side, side);
    arrow.state =
        (option->state & QStyle::State_Enabled) ? QStyle::State_Enabled : QStyle::State_None;
    style->drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, p);
}

void setTexturedRole(QPalette &palette, const QPalette &colours, QPalette::ColorGroup group,
                     QPalette::ColorRole role, const QPixmap &texture)
{
    palette.setBrush(group, role, QBrush(colours.color(group, role), texture));
}

QStyleOptionButton bevelOption(const QStyleOptionButton &button, bool sunkenWhenOn)
{
    const bool down = isDown(&button);
    const bool on = isOn(&button);
    QStyleOptionButton bevel = button;
    bevel.state &= ~(QStyle::State_Sunken | QStyle::State_Raised | QStyle::State_On);
    if (on)
        bevel.state |= QStyle::State_On;
    if (down || (on && sunkenWhenOn))
        bevel.state |= QStyle::State_Sunken;
    if (!(button.features & QStyleOptionButton::Flat) && !down)
        bevel.state |= QStyle::State_Raised;
    return bevel;
}

} // namespace tesk::app::styles
