#include "formattype.h"

#include <QFloat16>
#include <QtGlobal>

#include <charconv>
#include <cstring>
#include <string>

namespace glyphon {

// --- integer families ---

int IntegerFormat::radix() const
{
    switch (m_kind) {
    case Kind::Dec:
        return 10;
    case Kind::Oct:
        return 8;
    case Kind::Bin:
        return 2;
    default:
        return 16;
    }
}

QString IntegerFormat::format(const void *data, int bits) const
{
    const u128 value = readValue(data, bits);
    switch (m_kind) {
    case Kind::Hex:
    case Kind::HexUpper:
        return QStringLiteral("0x") + toDigits(value, 16, (bits + 3) / 4, m_kind == Kind::HexUpper);
    case Kind::Dec: {
        const bool negative = (value >> (bits - 1)) & 1;
        if (!negative)
            return toDigits(value, 10, 1);
        return QLatin1Char('-') + toDigits((~value + 1) & sizeMask(bits), 10, 1);
    }
    case Kind::Oct:
        return toDigits(value, 8, (bits + 2) / 3);
    case Kind::Bin:
        return toDigits(value, 2, bits);
    }
    return QString();
}

bool IntegerFormat::parse(QStringView text, void *data, int bits) const
{
    u128 value = 0;
    if (!parseNumber(text, radix(), m_kind == Kind::Dec, bits, value))
        return false;
    writeValue(data, bits, value);
    return true;
}

// --- floating point ---

namespace {

// The 8-bit float is the upper byte of a 16-bit one.
float halfToFloat(quint16 bits)
{
    qfloat16 half;
    std::memcpy(static_cast<void *>(&half), &bits, sizeof bits);
    return float(half);
}

quint16 floatToHalf(float value)
{
    const qfloat16 half(value);
    quint16 bits;
    std::memcpy(&bits, static_cast<const void *>(&half), sizeof bits);
    return bits;
}

quint8 halfToQuarter(quint16 half)
{
    const bool nan = (half & 0x7c00) == 0x7c00 && (half & 0x03ff);
    if (nan)
        return static_cast<quint8>((half >> 8) | 0x02);
    // Round to nearest, ties to even; a carry runs on into the exponent as it should.
    const quint32 rounded = half + 0x7f + ((half >> 8) & 1);
    return static_cast<quint8>(rounded >> 8);
}

template<typename T>
QString shortest(T value)
{
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return QString::fromLatin1(buffer, static_cast<int>(result.ptr - buffer));
}

template<typename T>
bool readFloat(QStringView text, T &value)
{
    const std::string latin = text.trimmed().toLatin1().toStdString();
    if (latin.empty())
        return false;
    const char *end = latin.data() + latin.size();
    const auto result = std::from_chars(latin.data(), end, value);
    return result.ec == std::errc() && result.ptr == end;
}

} // namespace

QString FloatFormat::format(const void *data, int) const
{
    const u128 raw = readValue(data, m_bits);
    switch (m_bits) {
    case 8:
        return shortest(halfToFloat(static_cast<quint16>(raw << 8)));
    case 16:
        return shortest(halfToFloat(static_cast<quint16>(raw)));
    case 32: {
        float f;
        const quint32 bits = static_cast<quint32>(raw);
        std::memcpy(&f, &bits, sizeof f);
        return shortest(f);
    }
    default: {
        double d;
        const quint64 bits = static_cast<quint64>(raw);
        std::memcpy(&d, &bits, sizeof d);
        return shortest(d);
    }
    }
}

bool FloatFormat::parse(QStringView text, void *data, int) const
{
    if (m_bits == 64) {
        double d;
        if (!readFloat(text, d))
            return false;
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        writeValue(data, 64, bits);
        return true;
    }
    float f;
    if (!readFloat(text, f))
        return false;
    u128 raw;
    if (m_bits == 32) {
        quint32 bits;
        std::memcpy(&bits, &f, sizeof bits);
        raw = bits;
    } else if (m_bits == 16) {
        raw = floatToHalf(f);
    } else {
        raw = halfToQuarter(floatToHalf(f));
    }
    writeValue(data, m_bits, raw);
    return true;
}

// --- bit-field types ---

QString BitFieldType::fieldText(const Field &field, u128 value) const
{
    const u128 fieldValue = (value >> field.low) & sizeMask(field.high - field.low + 1);
    if (field.flag)
        return fieldValue ? field.name.toUpper() : field.name.toLower();
    for (const auto &label : field.labels) {
        if (label.first == fieldValue)
            return label.second;
    }
    return field.name + QStringLiteral("=0x") + toDigits(fieldValue, 16, 1);
}

QString BitFieldType::format(const void *data, int bits) const
{
    const int used = qMin(bits, m_bits);
    const u128 value = readValue(data, used);
    QString text = QStringLiteral("0x") + toDigits(value, 16, (m_bits + 3) / 4);
    for (const Field &field : m_fields) {
        text += QLatin1Char(' ');
        text += fieldText(field, value);
    }
    return text;
}

bool BitFieldType::parse(QStringView text, void *data, int bits) const
{
    text = text.trimmed();
    qsizetype end = 0;
    while (end < text.size() && !text[end].isSpace())
        ++end;
    const int used = qMin(bits, m_bits);
    u128 value = 0;
    if (!parseNumber(text.left(end), 10, false, used, value))
        return false;
    writeValue(data, used, value);
    return true;
}

// --- resolution of built-in names ---

namespace {

struct Family
{
    const char *name;
    IntegerFormat::Kind kind;
};

const Family families[] = {
    {"hex", IntegerFormat::Kind::Hex}, {"Hex", IntegerFormat::Kind::HexUpper},
    {"dec", IntegerFormat::Kind::Dec}, {"oct", IntegerFormat::Kind::Oct},
    {"bin", IntegerFormat::Kind::Bin}, {"Binary", IntegerFormat::Kind::Bin},
};

const IntegerFormat &integerFormat(IntegerFormat::Kind kind)
{
    static const IntegerFormat formats[] = {
        IntegerFormat(IntegerFormat::Kind::Hex), IntegerFormat(IntegerFormat::Kind::HexUpper),
        IntegerFormat(IntegerFormat::Kind::Dec), IntegerFormat(IntegerFormat::Kind::Oct),
        IntegerFormat(IntegerFormat::Kind::Bin)};
    return formats[static_cast<int>(kind)];
}

const FloatFormat *floatFormat(int bits)
{
    static const FloatFormat f8(8), f16(16), f32(32), f64(64);
    switch (bits) {
    case 8:
        return &f8;
    case 16:
        return &f16;
    case 32:
        return &f32;
    case 64:
        return &f64;
    default:
        return nullptr;
    }
}

// Splits "family_N"; false unless N is a size of 1 to 128 bits.
bool splitName(const QString &name, QStringView &family, int &size)
{
    const qsizetype underscore = name.lastIndexOf(QLatin1Char('_'));
    if (underscore <= 0)
        return false;
    bool ok = false;
    size = QStringView(name).mid(underscore + 1).toInt(&ok);
    if (!ok || size < 1 || size > maxBits || !name.at(underscore + 1).isDigit())
        return false;
    family = QStringView(name).left(underscore);
    return true;
}

} // namespace

const FormatType *builtinType(const QString &name, int bits)
{
    QStringView family;
    int size = 0;
    if (!splitName(name, family, size))
        return nullptr;
    if (family == QLatin1String("fp"))
        return size <= bits ? floatFormat(size) : nullptr;
    for (const Family &f : families) {
        if (family == QLatin1String(f.name))
            return &integerFormat(f.kind);
    }
    return nullptr;
}

const FormatType &fallbackType()
{
    return integerFormat(IntegerFormat::Kind::Hex);
}

bool looksBuiltin(const QString &name)
{
    QStringView family;
    int size = 0;
    if (!splitName(name, family, size))
        return false;
    if (family == QLatin1String("fp"))
        return true;
    for (const Family &f : families) {
        if (family == QLatin1String(f.name))
            return true;
    }
    return false;
}

} // namespace glyphon
