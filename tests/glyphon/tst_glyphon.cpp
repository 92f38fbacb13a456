// The formatting library: every family and size formats and reads back, bad text leaves the
// value alone, definitions add types, and menus switch types.
#include "testhost.h"

#include "frame/services/teskfile.h"

#include <glyphon/glyphon.h>

#include <QMenu>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace {

struct Bytes
{
    unsigned char b[16] = {};
    bool operator==(const Bytes &o) const { return std::memcmp(b, o.b, 16) == 0; }
};

// A value of `bits` bits over caller bytes, as the library's callers set it up.
class Value
{
public:
    Value(const QString &type, int bits, const Bytes &bytes = {})
        : m_bytes(bytes)
    {
        m_data.SetSize(bits);
        m_data.SetContainerSize(bits);
        m_data.SetDataPtr(m_bytes.b);
        m_data.SetInitialFormatTypeName(type);
    }
    KFormattedData *data() { return &m_data; }
    Bytes &bytes() { return m_bytes; }

private:
    Bytes m_bytes;
    KFormattedData m_data;
};

QString textOf(KMediator_Format &engine, Value &value)
{
    QString text;
    engine.get_dataValue(value.data(), text);
    return text;
}

// A bit pattern that fills exactly `bits` bits.
Bytes pattern(int bits, unsigned char seed)
{
    Bytes v;
    for (int i = 0; i < 16; ++i)
        v.b[i] = static_cast<unsigned char>(seed * (i + 7) + 0x5b);
    for (int i = 0; i < 16; ++i) {
        const int low = i * 8;
        if (low >= bits)
            v.b[i] = 0;
        else if (bits - low < 8)
            v.b[i] &= static_cast<unsigned char>((1u << (bits - low)) - 1);
    }
    return v;
}

Bytes ones(int bits)
{
    Bytes v;
    for (int i = 0; i < 16; ++i)
        v.b[i] = i * 8 < bits ? 0xff : 0;
    if (bits % 8)
        v.b[bits / 8] = static_cast<unsigned char>((1u << (bits % 8)) - 1);
    return v;
}

} // namespace

TEST(GlyphonFormats, EveryIntegerFamilyAndSizeReadsBack)
{
    KMediator_Format engine;
    const char *families[] = {"hex", "Hex", "dec", "oct", "bin", "Binary"};
    const int sizes[] = {1, 3, 8, 12, 16, 31, 32, 33, 63, 64, 65, 96, 127, 128};
    for (const char *family : families) {
        for (int bits : sizes) {
            const QString type = QStringLiteral("%1_%2").arg(QLatin1String(family)).arg(bits);
            for (const Bytes &original :
                 {Bytes{}, ones(bits), pattern(bits, 3), pattern(bits, 11)}) {
                Value value(type, bits, original);
                const QString text = textOf(engine, value);
                Value back(type, bits);
                ASSERT_TRUE(engine.set_dataValue(back.data(), text))
                    << qPrintable(type) << " " << qPrintable(text);
                EXPECT_EQ(back.bytes(), original) << qPrintable(type) << " " << qPrintable(text);
            }
        }
    }
}

TEST(GlyphonFormats, TextsOfTheFamilies)
{
    KMediator_Format engine;
    Bytes v;
    v.b[0] = 0xfe;
    v.b[1] = 0x12;
    Value hex(QStringLiteral("hex_32"), 32, v);
    EXPECT_EQ(textOf(engine, hex), QLatin1String("0x000012fe"));
    Value upper(QStringLiteral("Hex_16"), 16, v);
    EXPECT_EQ(textOf(engine, upper), QLatin1String("0x12FE"));
    Value dec(QStringLiteral("dec_8"), 8, v);
    EXPECT_EQ(textOf(engine, dec), QLatin1String("-2"));
    Value oct(QStringLiteral("oct_8"), 8, v);
    EXPECT_EQ(textOf(engine, oct), QLatin1String("376"));
    Value bin(QStringLiteral("Binary_12"), 12, v);
    EXPECT_EQ(textOf(engine, bin), QLatin1String("001011111110"));
    Value wide(QStringLiteral("hex_128"), 128, ones(128));
    EXPECT_EQ(textOf(engine, wide), QStringLiteral("0x") + QString(32, QLatin1Char('f')));
    // A name nothing resolves shows the value in hexadecimal.
    Value unknown(QStringLiteral("nosuchtype"), 16, v);
    EXPECT_EQ(textOf(engine, unknown), QLatin1String("0x12fe"));
}

TEST(GlyphonFormats, FloatingPointReadsBack)
{
    KMediator_Format engine;
    const float floats[] = {0.1f,
                            -1.5f,
                            1e-40f,
                            std::numeric_limits<float>::max(),
                            -std::numeric_limits<float>::infinity(),
                            0.0f};
    for (float f : floats) {
        Bytes original;
        std::memcpy(original.b, &f, sizeof f);
        Value value(QStringLiteral("fp_32"), 32, original);
        Value back(QStringLiteral("fp_32"), 32);
        ASSERT_TRUE(engine.set_dataValue(back.data(), textOf(engine, value)));
        EXPECT_EQ(back.bytes(), original) << qPrintable(textOf(engine, value));
    }
    const double doubles[] = {0.1, -2.5e300, 4.9e-324, 1.0 / 3};
    for (double d : doubles) {
        Bytes original;
        std::memcpy(original.b, &d, sizeof d);
        Value value(QStringLiteral("fp_64"), 64, original);
        Value back(QStringLiteral("fp_64"), 64);
        ASSERT_TRUE(engine.set_dataValue(back.data(), textOf(engine, value)));
        EXPECT_EQ(back.bytes(), original);
    }
    // Every 16- and 8-bit float that is a number reads back to its bits.
    for (int bits : {8, 16}) {
        for (unsigned raw = 0; raw < (1u << bits); raw += bits == 8 ? 1 : 7) {
            Bytes original;
            original.b[0] = raw & 0xff;
            original.b[1] = static_cast<unsigned char>(raw >> 8);
            Value value(QStringLiteral("fp_%1").arg(bits), bits, original);
            const QString text = textOf(engine, value);
            if (text.contains(QLatin1String("nan")))
                continue;
            Value back(QStringLiteral("fp_%1").arg(bits), bits);
            ASSERT_TRUE(engine.set_dataValue(back.data(), text));
            EXPECT_EQ(back.bytes(), original) << bits << " " << qPrintable(text);
        }
    }
    Bytes one;
    const float f = 1.5f;
    std::memcpy(one.b, &f, sizeof f);
    Value shown(QStringLiteral("fp_32"), 32, one);
    EXPECT_EQ(textOf(engine, shown), QLatin1String("1.5"));
}

TEST(GlyphonFormats, TextThatDoesNotReadLeavesTheValueAlone)
{
    KMediator_Format engine;
    const struct
    {
        const char *type;
        int bits;
        const char *text;
    } refused[] = {{"hex_8", 8, "0x100"},
                   {"hex_8", 8, "zz"},
                   {"hex_8", 8, ""},
                   {"hex_8", 8, "0x"},
                   {"dec_8", 8, "-129"},
                   {"dec_8", 8, "256"},
                   {"oct_6", 6, "100"},
                   {"bin_4", 4, "10000"},
                   {"bin_4", 4, "0b2"},
                   {"fp_32", 32, "abc"},
                   {"fp_32", 32, "1e999"},
                   {"fp_64", 64, "1.0.0"},
                   {"hex_128", 128,
                    "0x1"
                    "00000000000000000000000000000000"}};
    for (const auto &r : refused) {
        const Bytes before = pattern(r.bits, 5);
        Value value(QLatin1String(r.type), r.bits, before);
        EXPECT_FALSE(engine.set_dataValue(value.data(), QLatin1String(r.text)))
            << r.type << " " << r.text;
        EXPECT_EQ(value.bytes(), before) << r.type << " " << r.text;
    }
    Value negative(QStringLiteral("dec_8"), 8);
    EXPECT_TRUE(engine.set_dataValue(negative.data(), QStringLiteral("-128")));
    EXPECT_EQ(negative.bytes().b[0], 0x80);
    Value prefixed(QStringLiteral("dec_16"), 16);
    EXPECT_TRUE(engine.set_dataValue(prefixed.data(), QStringLiteral(" 0x7fff ")));
    EXPECT_EQ(prefixed.bytes().b[1], 0x7f);
    KFormattedData empty;
    EXPECT_FALSE(engine.set_dataValue(&empty, QStringLiteral("1")));
    EXPECT_FALSE(engine.set_dataValue(nullptr, QStringLiteral("1")));
}

TEST(GlyphonFormats, ReplyReceivesTheText)
{
    KMediator_Format engine;
    KMediator_Display display;
    Value value(QStringLiteral("hex_8"), 8, ones(8));
    EXPECT_EQ(engine.process_formatting(&display, value.data()), int(GLYPHON_ERROR_NO_DISPLAY));
    QByteArray reply("old");
    display.set_reply(&reply);
    EXPECT_EQ(engine.process_formatting(&display, value.data()), int(GLYPHON_OK));
    EXPECT_EQ(reply, QByteArray("0xff"));
    KFormattedData nothing;
    EXPECT_EQ(engine.process_formatting(&display, &nothing), int(GLYPHON_ERROR_NO_DATA));
    EXPECT_TRUE(reply.isEmpty());
}

TEST(GlyphonDefinitions, AnImportedTypeFormatsItsFields)
{
    KMediator_Format engine;
    Bytes v;
    v.b[0] = 0x13 | 0x20;
    v.b[3] = 0x60;
    Value psr(QStringLiteral("psr"), 32, v);
    EXPECT_EQ(textOf(engine, psr), QLatin1String("0x60000033")); // not defined yet: hex

    const QString text = QStringLiteral("# status\n"
                                        "type psr 32 Program status\n"
                                        "  flag N 31   # negative\n"
                                        "  flag Z 30\n"
                                        "  field mode 4:0 0x10=usr 0x13=svc\n"
                                        "  field cond 29:28\n"
                                        "end\n");
    EXPECT_EQ(engine.import_formatTypesDefinition_fromString(text, nullptr, 1), 1);
    EXPECT_EQ(textOf(engine, psr), QLatin1String("0x60000033 n Z svc cond=0x2"));
    // The type reads its text back from its number.
    Value back(QStringLiteral("psr"), 32);
    EXPECT_TRUE(engine.set_dataValue(back.data(), textOf(engine, psr)));
    EXPECT_EQ(back.bytes(), v);
    // Another engine has its own definitions.
    KMediator_Format other;
    EXPECT_EQ(textOf(other, psr), QLatin1String("0x60000033"));
}

TEST(GlyphonDefinitions, BadTypesAreDroppedWholeAndReported)
{
    KMediator_Format engine;
    testhost::DebugCapture capture;
    const QString text = QStringLiteral("type good 8\nflag A 0\nend\n"
                                        "type wide 8\nfield f 9:0\nend\n"
                                        "type hex_8 8\nend\n"
                                        "type odd 8\nbogus line\nend\n"
                                        "flag stray 1\n"
                                        "type unfinished 8\nflag B 1\n");
    EXPECT_EQ(engine.import_formatTypesDefinition_fromString(text, nullptr, 1), 1);
    EXPECT_TRUE(capture.contains("line 5")) << capture.text();
    EXPECT_TRUE(capture.contains("line 7"));
    EXPECT_TRUE(capture.contains("line 10"));
    EXPECT_TRUE(capture.contains("line 12"));
    EXPECT_TRUE(capture.contains("\"unfinished\" has no \"end\""));
    Bytes v;
    v.b[0] = 0x3ff & 0xff;
    Value wide(QStringLiteral("wide"), 8, v);
    EXPECT_EQ(textOf(engine, wide), QLatin1String("0xff"));
    Value good(QStringLiteral("good"), 8, v);
    EXPECT_EQ(textOf(engine, good), QLatin1String("0xff A"));

    // Mode 1 replaces a type of the same name; any other mode keeps the first.
    EXPECT_EQ(engine.import_formatTypesDefinition_fromString(
                  QStringLiteral("type good 8\nflag X 1\nend"), nullptr, 0),
              0);
    EXPECT_EQ(textOf(engine, good), QLatin1String("0xff A"));
    EXPECT_EQ(engine.import_formatTypesDefinition_fromString(
                  QStringLiteral("type good 8\nflag X 1\nend"), nullptr, 1),
              1);
    EXPECT_EQ(textOf(engine, good), QLatin1String("0xff X"));
}

TEST(GlyphonDefinitions, TheInstalledFilesDefineTheNamedTypes)
{
    const struct
    {
        const char *file;
        int types;
        const char *type;
    } files[] = {{"$KSODEBUG_INSTALLetc/sdm/arch/arm", 6, "cp15_tcm_data_region"},
                 {"$KSODEBUG_INSTALLetc/sdm/arch/armv7m", 1, "xpsr"},
                 {"$KSODEBUG_INSTALLetc/sdm/proc/dsp", 2, "emr"}};
    for (const auto &f : files) {
        TeskFile file{QLatin1String(f.file)};
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(file.fileName());
        KMediator_Format engine;
        testhost::DebugCapture capture;
        EXPECT_EQ(engine.import_formatTypesDefinition_fromString(
                      QString::fromLatin1(file.readAll()), nullptr, 1),
                  f.types);
        EXPECT_TRUE(capture.text().empty()) << capture.text();
        Value value(QLatin1String(f.type), 32, ones(32));
        EXPECT_TRUE(textOf(engine, value).startsWith(QLatin1String("0xffffffff ")));
    }
}

TEST(GlyphonMenus, AMenuOptionChangesTheType)
{
    KMediator_Format engine;
    engine.import_formatTypesDefinition_fromString(
        QStringLiteral("type flags32 32 Flags\nflag A 0\nend\ntype flags8 8\nend"), nullptr, 1);
    KMediator_Display display;
    QMenu menu;
    display.set_menu(&menu);
    Value value(QStringLiteral("hex_32"), 32, ones(32));
    EXPECT_EQ(engine.process_formattingMenu(&display, value.data()), int(GLYPHON_OK));
    EXPECT_TRUE(engine.get_isBusy());

    QStringList labels;
    QAction *decimal = nullptr;
    for (QAction *action : menu.actions()) {
        labels << action->text();
        if (action->text() == QLatin1String("Decimal"))
            decimal = action;
    }
    EXPECT_EQ(labels, QStringList({"Hexadecimal", "Decimal", "Octal", "Binary", "Floating point",
                                   "", "Flags"}));
    EXPECT_TRUE(menu.actions().first()->isChecked());
    ASSERT_NE(decimal, nullptr);

    QSignalSpy picked(&display, &KMediator_Display::formatChanged);
    decimal->trigger();
    ASSERT_EQ(picked.count(), 1);
    value.data()->set_menuOption(picked.first().at(0).toInt());
    EXPECT_EQ(value.data()->GetInitialFormatTypeName(), QLatin1String("dec_32"));
    EXPECT_EQ(textOf(engine, value), QLatin1String("-1"));
    value.data()->set_menuOption(12); // an id no menu gave: nothing changes
    EXPECT_EQ(value.data()->GetInitialFormatTypeName(), QLatin1String("dec_32"));

    engine.clear_formattingMenu();
    EXPECT_TRUE(menu.actions().isEmpty());
    EXPECT_FALSE(engine.get_isBusy());
    EXPECT_EQ(engine.process_formattingMenu(&display, nullptr), int(GLYPHON_ERROR_NO_DATA));
    display.set_menu(nullptr);
    EXPECT_EQ(engine.process_formattingMenu(&display, value.data()), int(GLYPHON_ERROR_NO_DISPLAY));
}

TEST(GlyphonFormats, MenuOptionIdsOfAnyValueAreNoneOfTheOptions)
{
    KFormattedData data;
    data.SetInitialFormatTypeName(QStringLiteral("hex"));
    // Ids near the ends of int once overflowed the option lookup.
    for (int id : {std::numeric_limits<int>::min(), std::numeric_limits<int>::min() + 1, -1,
                   std::numeric_limits<int>::max()})
        data.set_menuOption(id);
    EXPECT_EQ(data.GetInitialFormatTypeName(), QStringLiteral("hex"));
}
