#pragma once

// How the register cells share the view's width: plain arithmetic over measured widths, kept
// apart from the widgets so that it holds without fonts or a screen.

namespace tesk::registers {

// The pixels of an item's open/close icon, left of its name.
constexpr int kIconWidth = 11;

struct CellWidths
{
    // The widest register name and value on show, in pixels.
    int widestName = 0;
    int widestValue = 0;
    // The item's spacing at the current font (RegItem::spacing()).
    int spacing = 0;
};

// One cell: the icon left of the name, the name, the spacing after it, the value and the
// spacing that keeps the next cell clear.
int cellWidth(const CellWidths &widths);

// How many cells stand side by side in a viewport of the given width: as many as fit whole,
// never fewer than one, and one while the cells have no width yet.
int columnsFor(int cellWidth, int viewportWidth);

} // namespace tesk::registers
