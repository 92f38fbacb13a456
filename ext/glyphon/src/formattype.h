#pragma once

// Format types: how a value of a given size becomes text and text becomes the value.

#include "valuebits.h"

#include <QString>
#include <QStringView>
#include <QVector>

#include <utility>

namespace glyphon {

class FormatType
{
public:
    virtual ~FormatType() = default;
    // `bits` is the value's size; `data` holds ceil(bits / 8) bytes.
    virtual QString format(const void *data, int bits) const = 0;
    // Writes the value only when the whole text reads.
    virtual bool parse(QStringView text, void *data, int bits) const = 0;
};

// The integer families: hex, Hex, dec, oct and bin over the whole value.
class IntegerFormat final : public FormatType
{
public:
    enum class Kind { Hex, HexUpper, Dec, Oct, Bin };
    explicit IntegerFormat(Kind kind)
        : m_kind(kind)
    {
    }

    QString format(const void *data, int bits) const override;
    bool parse(QStringView text, void *data, int bits) const override;

private:
    int radix() const;
    Kind m_kind;
};

// IEEE floating point of 16, 32 or 64 bits, and the 8-bit float made of a 16-bit one's
// upper byte.
class FloatFormat final : public FormatType
{
public:
    explicit FloatFormat(int bits)
        : m_bits(bits)
    {
    }

    QString format(const void *data, int bits) const override;
    bool parse(QStringView text, void *data, int bits) const override;

private:
    int m_bits;
};

// A type of the definitions: the hex text followed by the fields.
class BitFieldType final : public FormatType
{
public:
    struct Field
    {
        QString name;
        int high = 0;
        int low = 0;
        bool flag = false;
        QVector<std::pair<u128, QString>> labels;
    };

    BitFieldType(QString name, QString title, int bits)
        : m_name(std::move(name))
        , m_title(std::move(title))
        , m_bits(bits)
    {
    }

    const QString &name() const { return m_name; }
    // The menu label: the title, or the name without one.
    QString label() const { return m_title.isEmpty() ? m_name : m_title; }
    int bits() const { return m_bits; }
    void addField(Field field) { m_fields.append(std::move(field)); }

    QString format(const void *data, int bits) const override;
    bool parse(QStringView text, void *data, int bits) const override;

private:
    QString fieldText(const Field &field, u128 value) const;

    QString m_name;
    QString m_title;
    int m_bits;
    QVector<Field> m_fields;
};

// The built-in family named "family_N" whose N fits a value of `bits` bits; null for any other
// name. `fallback` is hex_N, the type of names that nothing resolves.
const FormatType *builtinType(const QString &name, int bits);
const FormatType &fallbackType();

// Whether the name has the shape of a built-in name (a family, "_" and digits).
bool looksBuiltin(const QString &name);

} // namespace glyphon
