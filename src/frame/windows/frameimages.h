#pragma once

#include <QIcon>
#include <QImage>
#include <QPixmap>

// The frame's built-in pictures: window icons, the padlock of the status bar and the colour
// icon of the menu bar.
namespace tesk::frame::images {

enum class IconSize { Large, Small };

QPixmap windowIcon(IconSize size);
// The large icon with its shaded small variant.
QIcon windowIconSet();
QImage padlock(bool locked);
// 14 by 14.
QPixmap colourIcon();

} // namespace tesk::frame::images
