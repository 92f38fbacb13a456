#include "valuebits.h"

#include <cstring>

namespace glyphon {

u128 sizeMask(int bits)
{
    if (bits >= maxBits)
        return ~u128(0);
    if (bits <= 0)
        return 0;
    return (u128(1) << bits) - 1;
}

int byteCount(int bits)
{
    return (bits + 7) / 8;
}

u128 readValue(const void *data, int bits)
{
    unsigned char bytes[16] = {};
    std::memcpy(bytes, data, byteCount(bits));
    u128 value = 0;
    for (int i = 15; i >= 0; --i)
        value = (value << 8) | bytes[i];
    return value & sizeMask(bits);
}

void writeValue(void *data, int bits, u128 value)
{
    unsigned char bytes[16];
    for (unsigned char &byte : bytes) {
        byte = static_cast<unsigned char>(value & 0xff);
        value >>= 8;
    }
    std::memcpy(data, bytes, byteCount(bits));
}

QString toDigits(u128 value, int radix, int minDigits, bool upperCase)
{
    const char *digits = upperCase ? "0123456789ABCDEF" : "0123456789abcdef";
    char buffer[130];
    int pos = sizeof(buffer);
    do {
        buffer[--pos] = digits[static_cast<int>(value % radix)];
        value /= radix;
    } while (value != 0);
    while (static_cast<int>(sizeof(buffer)) - pos < minDigits && pos > 0)
        buffer[--pos] = '0';
    return QString::fromLatin1(buffer + pos, static_cast<int>(sizeof(buffer)) - pos);
}

namespace {

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return 99;
}

bool startsWithPrefix(QStringView text, char letter)
{
    return text.size() > 2 && text[0] == QLatin1Char('0') &&
           text[1].toLower() == QLatin1Char(letter);
}

} // namespace

bool fromDigits(QStringView digits, int radix, u128 &value)
{
    if (digits.isEmpty())
        return false;
    const u128 limit = ~u128(0) / radix;
    u128 result = 0;
    for (QChar c : digits) {
        const int d = digitValue(c);
        if (d >= radix)
            return false;
        if (result > limit || (result == limit && u128(d) > ~u128(0) - limit * radix))
            return false;
        result = result * radix + d;
    }
    value = result;
    return true;
}

bool parseNumber(QStringView text, int radix, bool allowNegative, int bits, u128 &value)
{
    text = text.trimmed();
    const bool negative = allowNegative && text.startsWith(QLatin1Char('-'));
    if (negative)
        text = text.mid(1);
    if (startsWithPrefix(text, 'x')) {
        radix = 16;
        text = text.mid(2);
    } else if (radix == 2 && startsWithPrefix(text, 'b')) {
        text = text.mid(2);
    }
    u128 magnitude = 0;
    if (!fromDigits(text, radix, magnitude))
        return false;
    if (negative) {
        if (magnitude > (u128(1) << (bits - 1)))
            return false;
        value = (~magnitude + 1) & sizeMask(bits);
        return true;
    }
    if (magnitude > sizeMask(bits))
        return false;
    value = magnitude;
    return true;
}

} // namespace glyphon
