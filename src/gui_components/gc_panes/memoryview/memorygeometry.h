#pragma once
// The memory view's arithmetic, apart from any widget: how many fields fit a row, how many
// rows may start inside an address range, and where a scroll lands. Offsets and lengths are
// the host's 32-bit ones; everything that adds or multiplies them is done in 64 bits so that
// a range reaching the top of the space neither wraps nor loses its last row.

#include <cstdint>

namespace tesk::gc_panes::geometry {

// Fields of `fieldWidth` pixels in `available` pixels; with characters (`charWidth` > 0)
// each field also needs `fieldSize` characters. At least 1.
int autoColumnCount(int fieldWidth, int available, int fieldSize, int charWidth);

// Rows of `bytesPerRow` that may start at `offset` within a range of `length` bytes: `rows`
// when they all fit, else the rows that start before its end (at least 1).
int rowsInRange(int rows, uint32_t bytesPerRow, uint32_t offset, uint32_t length);

// Moves `offset` by `rows` rows inside [0, length): false when the move would leave it.
bool scrollOffset(uint32_t offset, uint32_t length, int64_t rows, uint32_t bytesPerRow,
                  uint32_t &moved);

// The offset of the whole row at `fraction` of a range of `length` bytes.
uint32_t offsetAtFraction(double fraction, uint32_t length, uint32_t bytesPerRow);

} // namespace tesk::gc_panes::geometry
