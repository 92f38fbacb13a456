#pragma once

// What the dock layout's files share: the areas as the toolkit numbers them and the directions
// of their lines. Included only by docklayout*.cpp.

#include "frame/windows/docking/docklayout.h"

#include <QDockWidget>
#include <QLayout>

namespace tesk::frame::docklayout {

inline bool isPlacedArea(DockArea area)
{
    return area == DockArea::Left || area == DockArea::Right || area == DockArea::Bottom;
}

// Windows of one line stand along the area; lines stand side by side across it.
inline Qt::Orientation along(DockArea area)
{
    return area == DockArea::Bottom ? Qt::Horizontal : Qt::Vertical;
}

inline Qt::Orientation across(DockArea area)
{
    return area == DockArea::Bottom ? Qt::Vertical : Qt::Horizontal;
}

inline int lengthIn(Qt::Orientation direction, QSize size)
{
    return direction == Qt::Vertical ? size.height() : size.width();
}

// The least size the toolkit lets the dock window have, or the one it asks for when larger.
inline QSize leastSize(const QDockWidget *dock)
{
    const QSize toolkit = dock->layout() ? dock->layout()->minimumSize() : QSize();
    return dock->minimumSizeHint().expandedTo(toolkit);
}

} // namespace tesk::frame::docklayout
