#pragma once

// The 128-bit value arithmetic behind every format type.

#include <QString>
#include <QStringView>

namespace glyphon {

using u128 = unsigned __int128;

constexpr int maxBits = 128;

u128 sizeMask(int bits);
int byteCount(int bits);

// Little-endian value bytes; only the low `bits` are read, ceil(bits / 8) bytes are written.
u128 readValue(const void *data, int bits);
void writeValue(void *data, int bits, u128 value);

// Digits of a value in a radix of 2 to 16, at least minDigits of them.
QString toDigits(u128 value, int radix, int minDigits, bool upperCase = false);
// Reads digits of the radix; false on no digits, another character or more than 128 bits.
bool fromDigits(QStringView digits, int radix, u128 &value);

// A number as every integer format reads it: "0x" hexadecimal, "0b" binary when the radix
// is 2, otherwise digits of the radix, and a leading "-" when negatives are allowed. False
// when the text is no such number or it does not fit in `bits`.
bool parseNumber(QStringView text, int radix, bool allowNegative, int bits, u128 &value);

} // namespace glyphon
