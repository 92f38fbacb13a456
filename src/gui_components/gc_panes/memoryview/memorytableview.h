#pragma once

#include "gui_components/gc_panes/memory/memoryaddress.h"

#include <QString>

#include <cstdint>

class KViewMemoryInfo;
class KViewMemoryScrollbar;

namespace tesk::gc_panes {

// What a memory view offers its tables and its address-space scroll bar. The tables never
// talk to the host themselves: sizes, format, addresses, the cache, writes and scrolling all
// go through the view that holds them.
class MemoryTableView
{
public:
    // Kinds of scrollBy.
    enum ScrollKind { PrevLine = 0, NextLine = 1, PrevPage = 2, NextPage = 3, ByLines = 4 };

    virtual ~MemoryTableView();

    // Bytes per field of the data table.
    virtual int fieldSize() const = 0;
    virtual int columnCount() const = 0;
    virtual int bytesPerRow() const = 0;
    virtual bool isBigEndian() const = 0;
    // The formatting library's family of the chosen standard format ("hex", "dec", ...).
    virtual QString formatCode() const = 0;
    virtual bool isStandardFormat() const = 0;
    virtual UMemoryAddress startAddress() const = 0;
    // The per-target caches; the tables read attributes and change generations of the
    // current target through it.
    virtual KViewMemoryInfo &memoryInfo() = 0;
    // The host's text for an address.
    virtual QString addressText(const UMemoryAddress &address) = 0;
    // Writes an edited field or character: `newValue` holds the bytes in target order, lowest
    // address first. Answers whether the write was made.
    virtual bool writeValueAt(int row, int column, uint64_t oldValue, uint64_t newValue) = 0;
    virtual bool writeCharAt(int row, int column, uint8_t oldChar, uint8_t newChar) = 0;
    // Offsets are signed bytes from the start address; false refuses the selection.
    virtual bool setSelectionOffsets(bool active, int64_t first, int64_t last, int64_t cursor) = 0;
    virtual bool selectionSyncSuspended() const = 0;
    virtual void setSelectionSyncSuspended(bool suspended) = 0;
    // The start address's place in the space, in [0, 1].
    virtual double scrollFraction() const = 0;
    virtual void scrollToFraction(double fraction, bool sliderMoving) = 0;
    virtual void scrollBy(int kind, int count) = 0;
    // Chooses an item of the columns list (0: automatic columns).
    virtual void selectColumns(int item) = 0;
    // Whether the view fits the column count to its width itself.
    virtual bool hasAutomaticColumns() const { return false; }
    // The view's address-space scroll bar, null when it has none.
    virtual KViewMemoryScrollbar *memoryScrollbar() const = 0;
};

} // namespace tesk::gc_panes
