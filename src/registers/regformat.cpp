#include "registers/regformat.h"

#include "frame/core/inplaceedit.h"
#include "registers/regdataitem.h"

#include <tesk/tesk_registers.h>

#include <glyphon/glyphon.h>

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <cstring>

namespace {

// Formats for registers of the built-in data sets, which have no engine of their own.
KMediator_Format &defaultEngine()
{
    static KMediator_Format engine;
    return engine;
}

struct InitialFormat
{
    QString typeName;
    int bits;
    bool byName;
};

// Registers known by name get the bit-field type of the definitions; the rest are sized
// from their type, bit size and width.
InitialFormat initialFormat(const RegDataItem &item)
{
    static const struct
    {
        const char *fullName;
        const char *type;
    } byFullName[] = {{"@CP15_CONTROL", "cp15_control"},
                      {"@CP15_TCM_DATA_REGION", "cp15_tcm_data_region"},
                      {"@CP15_TCM_INSTRUCTION_REGION", "cp15_tcm_instruction_region"},
                      {"@CP15_BIST_CONTROL", "cp15_bist_control"},
                      {"@CP15_CONFIG_CONTROL", "cp15_config_control"}};
    static const struct
    {
        const char *name;
        const char *type;
    } byName[] = {{"CPSR", "psr"},  {"SPSR", "psr"}, {"XPSR", "xpsr"},
                  {"xPSR", "xpsr"}, {"EMR", "emr"},  {"SR", "sr"}};
    for (const auto &entry : byFullName) {
        if (item.fullName() == QLatin1String(entry.fullName))
            return {QLatin1String(entry.type), 32, true};
    }
    for (const auto &entry : byName) {
        if (item.name() == QLatin1String(entry.name))
            return {QLatin1String(entry.type), 32, true};
    }
    const int width = item.width();
    switch (item.type()) {
    case REG_TYPE_FLOAT_32:
        return {QStringLiteral("fp_32"), 32, false};
    case REG_TYPE_FLOAT_64:
        return {QStringLiteral("fp_64"), 64, false};
    case REG_TYPE_BINARY:
        return {QStringLiteral("Binary_%1").arg(width), width, false};
    case REG_TYPE_HEX_8:
        return {QStringLiteral("Hex_8"), 8, false};
    default:
        break;
    }
    int bits = static_cast<int>(item.bitSize());
    if (bits < 1)
        bits = width <= 8 ? 4 * width : (width <= 16 ? 64 : 128);
    return {QStringLiteral("hex_%1").arg(bits), bits, false};
}

// The size a format type name carries ("hex_128": 128); the fallback for names without one.
int bitsOfName(const QString &typeName, int fallback)
{
    const qsizetype underscore = typeName.lastIndexOf(QLatin1Char('_'));
    bool ok = false;
    const int bits = underscore < 0 ? 0 : QStringView(typeName).mid(underscore + 1).toInt(&ok);
    return ok && bits >= 1 && bits <= RegFormat::kValueBytes * 8 ? bits : fallback;
}

// A value over the given bytes, sized and typed.
void describe(KFormattedData &data, unsigned char *bytes, int bits, const QString &typeName)
{
    data.SetSize(bits);
    data.SetContainerSize(bits);
    data.SetDataPtr(bytes);
    data.SetInitialFormatTypeName(typeName);
}

} // namespace

int RegFormat::radixOf(quint32 type)
{
    switch (type) {
    case REG_TYPE_RADIX_16:
        return 16;
    case REG_TYPE_RADIX_10:
        return 10;
    case REG_TYPE_RADIX_2:
        return 2;
    default:
        return 0;
    }
}

RegFormat::RegFormat(const RegDataItem &item, KMediator_Format *engine, const QFont &labelFont,
                     const QFont &valueFont, QObject *parent)
    : QObject(parent)
    , m_radix(radixOf(item.type()))
    , m_engine(engine)
    , m_width(item.width())
{
    setObjectName(QStringLiteral("RegFormat <") + item.fullName() + QLatin1Char('>'));
    m_text.reserve(50);
    chooseInitialFormat(item);
    describe(m_raw, m_value, kValueBytes * 8, QStringLiteral("hex_128"));
    KMediator_Display *display = KMediator_Display::get_Instance();
    display->set_fontLabel(labelFont);
    display->set_fontValue(valueFont);
    setText(item.valueText(), inputSource());
}

RegFormat::~RegFormat() = default;

KMediator_Format &RegFormat::engine() const
{
    return m_engine ? *m_engine : defaultEngine();
}

void RegFormat::chooseInitialFormat(const RegDataItem &item)
{
    const InitialFormat initial = initialFormat(item);
    m_nameFormat = initial.byName;
    if (!initial.byName && (item.type() == REG_TYPE_FLOAT_32 || item.type() == REG_TYPE_FLOAT_64))
        m_rawHexInput = 0;
    describe(m_data, m_value, initial.bits, initial.typeName);
    engine().updateFormat(&m_data);
}

bool RegFormat::isFloatingPoint() const
{
    const QString name = m_data.GetInitialFormatTypeName().toLower();
    return name.contains(QLatin1String("single")) || name.contains(QLatin1String("double")) ||
           name.contains(QLatin1String("fp"));
}

// Raw text is a hexadecimal number of up to 128 bits ("0x" optional, either case): a 128-bit
// value is "0x" and 32 digits, low half last. The bytes are written only when it all reads.
bool RegFormat::readRaw(const QString &text, unsigned char *bytes)
{
    QString hex = text.trimmed();
    if (!hex.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        hex.prepend(QLatin1String("0x"));
    m_raw.SetDataPtr(bytes);
    return engine().set_dataValue(&m_raw, hex);
}

void RegFormat::reformat()
{
    engine().get_dataValue(&m_data, m_text);
}

QString RegFormat::setText(const QString &text, TextSource source)
{
    if (source == TextSource::Raw) {
        if (readRaw(text, m_value))
            reformat();
        else
            m_text = QString(qMax(0, m_width), QLatin1Char('!'));
        return m_text;
    }
    const QString stripped = text.trimmed();
    if (isFloatingPoint()) {
        KFormattedData fp;
        describe(fp, m_value, size(), QStringLiteral("fp_%1").arg(size()));
        engine().set_dataValue(&fp, stripped);
    } else {
        engine().set_dataValue(&m_data, stripped);
    }
    reformat();
    return m_text;
}

bool RegFormat::setTextFormatted(const QString &text, TextSource source)
{
    unsigned char scratch[kValueBytes];
    std::memcpy(scratch, m_value, kValueBytes);
    if (source == TextSource::Raw) {
        if (!readRaw(text, scratch))
            return false;
    } else {
        KFormattedData parsed;
        describe(parsed, scratch, size(), formatTypeName());
        if (!engine().set_dataValue(&parsed, text))
            return false;
    }
    std::memcpy(m_value, scratch, kValueBytes);
    reformat();
    return true;
}

bool RegFormat::editInPlace(QWidget *widget)
{
    if (!widget)
        return false;
    KMediator_Display *display = KMediator_Display::get_Instance();
    display->set_inPlaceEditGeometry(0, 0, widget->width(), widget->height());
    display->set_parentWnd(widget);
    QPointer<RegFormat> alive(this);
    tesk::runInPlaceEditor(engine(), *display, m_data);
    display->set_parentWnd(nullptr);
    if (!alive)
        return false;
    int flags = 0;
    display->get_inPlaceEditErrorReturn(flags);
    if (flags & GLYPHON_EDIT_DISCARDED)
        return false;
    reformat();
    return true;
}

void RegFormat::setMenuOption(int option)
{
    m_data.set_menuOption(option);
    engine().updateFormat(&m_data);
    reformat();
}

QString RegFormat::formatAs(const QString &typeName, int bits)
{
    KFormattedData temporary;
    describe(temporary, m_value, bits, typeName);
    QString text;
    engine().get_dataValue(&temporary, text);
    return text;
}

QString RegFormat::formatWith(const QString &typeName)
{
    // Sized by the type, so that wide types keep all of the value's bits.
    return formatAs(typeName, bitsOfName(typeName, 32));
}

QString RegFormat::rawText()
{
    if (isFloatingPoint())
        return formatAs(QStringLiteral("fp_%1").arg(size()), size());
    if (size() <= 32)
        return formatWith(QStringLiteral("hex_32"));
    if (size() <= 64)
        return formatAs(QStringLiteral("hex_64"), 64);
    return formatAs(QStringLiteral("hex_128"), 128);
}

QString RegFormat::hexText()
{
    if (size() <= 32)
        return formatWith(QStringLiteral("hex_32"));
    if (size() <= 64)
        return formatAs(QStringLiteral("hex_64"), 64);
    return formatWith(QStringLiteral("hex_%1").arg(size()));
}
