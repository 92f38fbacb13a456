#pragma once

// What the dock layout's files share: the areas as the toolkit numbers them, the directions of
// their lines, and the watches the layout keeps on its main window. Included only by
// docklayout*.cpp.

#include "frame/windows/docking/docklayout.h"

#include <QDockWidget>
#include <QLayout>

#include <memory>

namespace tesk::frame::docklayout {

inline Qt::DockWidgetArea toolkitArea(DockArea area)
{
    switch (area) {
    case DockArea::Left:
        return Qt::LeftDockWidgetArea;
    case DockArea::Right:
        return Qt::RightDockWidgetArea;
    case DockArea::Bottom:
        return Qt::BottomDockWidgetArea;
    default:
        return Qt::NoDockWidgetArea;
    }
}

inline DockArea fromToolkit(Qt::DockWidgetArea area)
{
    switch (area) {
    case Qt::LeftDockWidgetArea:
        return DockArea::Left;
    case Qt::RightDockWidgetArea:
        return DockArea::Right;
    case Qt::BottomDockWidgetArea:
        return DockArea::Bottom;
    case Qt::TopDockWidgetArea:
        return DockArea::Top;
    default:
        return DockArea::None;
    }
}

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

// Holds the windows the user sizes by dragging a separator of the dock areas
// (docklayoutfollow.cpp).
std::unique_ptr<QObject> makeSeparatorDrags(QMainWindow *window, DockLayout *layout);
// Runs the fit when the window was laid out anew or its screen changed, and tells the layout
// of the window's resizes (docklayoutfit.cpp).
std::unique_ptr<QObject> makeFitWatch(QMainWindow *window, DockLayout *layout);

} // namespace tesk::frame::docklayout
