// Register values: the initial format of each register, raw and formatted text, the clipboard
// texts, menu options and the in-place editor run through the modal seam.
#include "modalanswers.h"
#include "registerrecords.h"
#include "testhost.h"

#include "frame/core/inplaceedit.h"
#include "frame/services/teskfile.h"
#include "registers/regdata.h"
#include "registers/regdataitem.h"
#include "registers/regdatasets.h"
#include "registers/regformat.h"

#include <glyphon/glyphon.h>

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <string>

#include <cstring>
#include <memory>

namespace {

constexpr RegFormat::TextSource Raw = RegFormat::TextSource::Raw;
constexpr RegFormat::TextSource Formatted = RegFormat::TextSource::Formatted;

// Registers made through the C interface in a data set of their own, and an engine that has
// read the installed definitions.
class RegFormatTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        static uint32_t next = 5000;
        id = next++;
        ASSERT_EQ(CuiRegPaneDataCreate(id), 1);
        RegDataRecord view = tesk::host::viewRecord("Core");
        CuiRegPaneDataAdd(id, &view);
        for (const char *file :
             {"$KSODEBUG_INSTALLetc/sdm/arch/arm", "$KSODEBUG_INSTALLetc/sdm/proc/dsp"}) {
            TeskFile definitions{QLatin1String(file)};
            ASSERT_TRUE(definitions.open(QIODevice::ReadOnly));
            engine.import_formatTypesDefinition_fromString(
                QString::fromLatin1(definitions.readAll()), nullptr, 1);
        }
    }

    const RegDataItem &item(const char *name, uint32_t type, uint8_t width,
                            const char *fullName = nullptr)
    {
        RegDataRecord r = tesk::host::registerRecord(name, 0, 0, type, width);
        r.fullName = fullName;
        EXPECT_EQ(CuiRegPaneDataAdd(id, &r), 1);
        return *RegDataSets::instance().get(id)->items().back();
    }

    // An enumerated register whose override table gives its size in bits.
    const RegDataItem &sizedByOverride(const char *name, int bits, uint8_t width)
    {
        const std::string table = "\x04:" + std::to_string(bits);
        const char *const tables[] = {table.c_str()};
        RegDataRecord t = tesk::host::enumTablesRecord(tables, 1);
        CuiRegPaneDataAdd(id, &t);
        return item(name, REG_TYPE_ENUMERATED, width);
    }

    std::unique_ptr<RegFormat> format(const char *name, uint32_t type, uint8_t width,
                                      const char *fullName = nullptr)
    {
        return std::make_unique<RegFormat>(item(name, type, width, fullName), &engine, QFont(),
                                           QFont());
    }

    uint32_t id = 0;
    KMediator_Format engine;
    // An in-place editor the test did not answer fails by name instead of hanging.
    testhost::ModalAnswers unexpectedModals;
};

quint64 low64(const RegFormat &f)
{
    quint64 v;
    std::memcpy(&v, f.value(), 8);
    return v;
}

quint64 high64(const RegFormat &f)
{
    quint64 v;
    std::memcpy(&v, f.value() + 8, 8);
    return v;
}

} // namespace

TEST_F(RegFormatTest, TheInitialFormatComesFromNameThenType)
{
    const struct
    {
        const char *name;
        uint32_t type;
        uint8_t width;
        const char *fullName;
        const char *format;
        int bits;
        bool byName;
    } cases[] = {
        {"CTRL", REG_TYPE_RADIX_16, 8, "@CP15_CONTROL", "cp15_control", 32, true},
        {"BIST", REG_TYPE_RADIX_16, 8, "@CP15_BIST_CONTROL", "cp15_bist_control", 32, true},
        {"CPSR", REG_TYPE_RADIX_16, 8, nullptr, "psr", 32, true},
        {"xPSR", REG_TYPE_RADIX_16, 8, nullptr, "xpsr", 32, true},
        {"SR", REG_TYPE_FLOAT_32, 8, nullptr, "sr", 32, true},
        {"EMR", REG_TYPE_RADIX_16, 8, nullptr, "emr", 32, true},
        {"psr", REG_TYPE_RADIX_16, 8, nullptr, "hex_32", 32,
         false}, // names compare case-sensitively
        {"S0", REG_TYPE_FLOAT_32, 10, nullptr, "fp_32", 32, false},
        {"D0", REG_TYPE_FLOAT_64, 20, nullptr, "fp_64", 64, false},
        {"FLAGS", REG_TYPE_BINARY, 12, nullptr, "Binary_12", 12, false},
        {"B", REG_TYPE_HEX_8, 2, nullptr, "Hex_8", 8, false},
        {"R0", REG_TYPE_RADIX_16, 8, nullptr, "hex_32", 32, false},
        {"R1", REG_TYPE_RADIX_16, 12, nullptr, "hex_64", 64, false},
        {"Q0", REG_TYPE_RADIX_16, 17, nullptr, "hex_128", 128, false},
        {"H", REG_TYPE_RADIX_10, 2, nullptr, "hex_8", 8, false},
    };
    for (const auto &c : cases) {
        const auto f = format(c.name, c.type, c.width, c.fullName);
        EXPECT_EQ(f->formatTypeName(), QLatin1String(c.format)) << c.name;
        EXPECT_EQ(f->size(), c.bits) << c.name;
        EXPECT_EQ(f->isNameFormat(), c.byName) << c.name;
        // Only the floating-point rows read typed text as decimal.
        EXPECT_EQ(f->inputSource() == Raw, !QLatin1String(c.format).startsWith(QLatin1String("fp")))
            << c.name;
    }
    EXPECT_EQ(format("A", REG_TYPE_RADIX_16, 8)->radix(), 16);
    EXPECT_EQ(format("B", REG_TYPE_RADIX_10, 8)->radix(), 10);
    EXPECT_EQ(format("C", REG_TYPE_RADIX_2, 8)->radix(), 2);
    EXPECT_EQ(format("D", 9, 8)->radix(), 0);
    EXPECT_EQ(format("E", REG_TYPE_RADIX_16, 8)->objectName(), QLatin1String("RegFormat <Core.E>"));
}

TEST_F(RegFormatTest, AnOverrideTableGivesTheBitSize)
{
    RegFormat f(sizedByOverride("NARROW", 12, 8), &engine, QFont(), QFont());
    EXPECT_EQ(f.formatTypeName(), QLatin1String("hex_12"));
    EXPECT_EQ(f.setText(QStringLiteral("abc"), Raw), QLatin1String("0xabc"));
}

TEST_F(RegFormatTest, RawTextIsHexadecimalWithOrWithoutPrefix)
{
    const auto f = format("R0", REG_TYPE_RADIX_16, 8);
    EXPECT_EQ(f->text(), QLatin1String("0x00000000"));
    for (const char *text : {"ff", "0xff", "0XFF", " FF "}) {
        f->setText(QStringLiteral("0"), Raw);
        EXPECT_EQ(f->setText(QLatin1String(text), Raw), QLatin1String("0x000000ff")) << text;
        EXPECT_EQ(low64(*f), 255u);
    }
    // Text that does not read leaves the value and shows a row of "!" as wide as the value.
    EXPECT_EQ(f->setText(QStringLiteral("0xfg"), Raw), QLatin1String("!!!!!!!!"));
    EXPECT_EQ(f->setText(QStringLiteral(""), Raw), QLatin1String("!!!!!!!!"));
    EXPECT_EQ(low64(*f), 255u);
}

TEST_F(RegFormatTest, WideRawTextFillsAllSixteenBytes)
{
    const auto q = format("Q0", REG_TYPE_RADIX_16, 34);
    const QString text = QStringLiteral("0x0123456789abcdeffedcba9876543210");
    EXPECT_EQ(q->setText(text, Raw), text);
    EXPECT_EQ(low64(*q), 0xfedcba9876543210u);
    EXPECT_EQ(high64(*q), 0x0123456789abcdefu);

    // A half that does not read stores neither half.
    q->setText(QStringLiteral("0x1111111111111111222222222222222z"), Raw);
    EXPECT_EQ(low64(*q), 0xfedcba9876543210u);
    EXPECT_EQ(high64(*q), 0x0123456789abcdefu);

    // A 64-bit number clears the high half; texts of widths between 65 and 127 bits read too.
    q->setText(QStringLiteral("0x1"), Raw);
    EXPECT_EQ(high64(*q), 0u);
    q->setText(QStringLiteral("0xabcdef0123456789abcdef01"), Raw);
    EXPECT_EQ(high64(*q), 0xabcdef01u);
    EXPECT_EQ(low64(*q), 0x23456789abcdef01u);
}

TEST_F(RegFormatTest, TheHexTextKeepsEveryBitAndReadsBack)
{
    const struct
    {
        const char *name;
        uint8_t width;
        const char *value;
        const char *hex;
    } cases[] = {
        {"W32", 8, "0x89abcdef", "0x89abcdef"},
        {"W64", 16, "0x0123456789abcdef", "0x0123456789abcdef"},
        {"W128", 32, "0xffeeddccbbaa99887766554433221100", "0xffeeddccbbaa99887766554433221100"},
    };
    for (const auto &c : cases) {
        const auto f = format(c.name, 0, c.width);
        f->setText(QLatin1String(c.value), Raw);
        EXPECT_EQ(f->hexText(), QLatin1String(c.hex)) << c.name;
        EXPECT_EQ(f->rawText(), QLatin1String(c.hex)) << c.name;
        const auto copy = format("COPY", REG_TYPE_RADIX_16, c.width);
        EXPECT_TRUE(copy->setTextFormatted(f->hexText(), Raw));
        EXPECT_EQ(std::memcmp(copy->value(), f->value(), RegFormat::kValueBytes), 0) << c.name;
    }
    // A 96-bit register: "0x" and 24 digits, which the raw path reads back.
    RegFormat w96(sizedByOverride("W96", 96, 24), &engine, QFont(), QFont());
    w96.setText(QStringLiteral("0xabcdef0123456789abcdef01"), Raw);
    EXPECT_EQ(w96.hexText(), QLatin1String("0xabcdef0123456789abcdef01"));
    EXPECT_EQ(w96.formatWith(QStringLiteral("hex_128")),
              QLatin1String("0x00000000abcdef0123456789abcdef01"));
    EXPECT_EQ(w96.formatWith(QStringLiteral("hex_16")), QLatin1String("0xef01"));
}

TEST_F(RegFormatTest, FormattedTextIsReadByTheRegistersFormat)
{
    const auto psr = format("CPSR", REG_TYPE_RADIX_16, 8);
    EXPECT_TRUE(psr->text().startsWith(QLatin1String("0x00000000 n z c v")));
    EXPECT_TRUE(psr->setTextFormatted(QStringLiteral("0x600000d3"), Formatted));
    EXPECT_EQ(low64(*psr), 0x600000d3u);
    EXPECT_TRUE(psr->text().endsWith(QLatin1String(" svc"))) << qPrintable(psr->text());
    EXPECT_EQ(psr->rawText(), QLatin1String("0x600000d3"));

    // Refused text changes neither the value nor the text.
    const QString before = psr->text();
    EXPECT_FALSE(psr->setTextFormatted(QStringLiteral("nonsense"), Formatted));
    EXPECT_FALSE(psr->setTextFormatted(QStringLiteral("0x1g"), Raw));
    EXPECT_EQ(psr->text(), before);
    EXPECT_EQ(low64(*psr), 0x600000d3u);

    // Values wider than 64 bits parse whole.
    const auto q = format("Q1", REG_TYPE_RADIX_16, 32);
    const QString wide = QStringLiteral("0x00112233445566778899aabbccddeeff");
    EXPECT_TRUE(q->setTextFormatted(wide, Formatted));
    EXPECT_EQ(q->text(), wide);
    EXPECT_EQ(high64(*q), 0x0011223344556677u);
}

TEST_F(RegFormatTest, FloatingPointRegistersReadDecimalText)
{
    const auto s = format("S0", REG_TYPE_FLOAT_32, 10);
    EXPECT_EQ(s->setText(QStringLiteral(" -1.5 "), Formatted), QLatin1String("-1.5"));
    float f;
    std::memcpy(&f, s->value(), sizeof f);
    EXPECT_EQ(f, -1.5f);
    EXPECT_EQ(s->rawText(), QLatin1String("-1.5"));
    EXPECT_EQ(s->hexText(), QLatin1String("0xbfc00000"));
    EXPECT_EQ(s->setText(QStringLiteral("nonsense"), Formatted), QLatin1String("-1.5"));

    const auto d = format("D0", REG_TYPE_FLOAT_64, 20);
    EXPECT_EQ(d->setText(QStringLiteral("0.1"), Formatted), QLatin1String("0.1"));
    EXPECT_EQ(d->hexText(), QLatin1String("0x3fb999999999999a"));
}

TEST_F(RegFormatTest, AMenuOptionChangesTheFormat)
{
    const auto f = format("R0", REG_TYPE_RADIX_16, 8);
    f->setText(QStringLiteral("ffffffff"), Raw);
    QMenu menu;
    KMediator_Display *display = KMediator_Display::get_Instance();
    display->set_menu(&menu);
    ASSERT_EQ(engine.process_formattingMenu(display, f->formattedData()), int(GLYPHON_OK));
    QSignalSpy picked(display, &KMediator_Display::formatChanged);
    for (QAction *action : menu.actions()) {
        if (action->text() == QLatin1String("Decimal"))
            action->trigger();
    }
    engine.clear_formattingMenu();
    display->set_menu(nullptr);
    ASSERT_EQ(picked.count(), 1);
    f->setMenuOption(picked.first().at(0).toInt());
    EXPECT_EQ(f->formatTypeName(), QLatin1String("dec_32"));
    EXPECT_EQ(f->text(), QLatin1String("-1"));
    EXPECT_EQ(f->rawText(), QLatin1String("0xffffffff"));
    // Raw input still reads hexadecimal; formatted input reads the new format.
    EXPECT_EQ(f->setText(QStringLiteral("10"), Raw), QLatin1String("16"));
    EXPECT_EQ(f->setText(QStringLiteral("10"), Formatted), QLatin1String("10"));
}

// The format menu serves every selected register: an entry picked in a menu built for a
// 32-bit register is a family, which a 64-bit register takes at 64 bits.
TEST_F(RegFormatTest, AMenuOptionIsAFamilyTakenAtEachRegistersSize)
{
    const auto narrow = format("R1", REG_TYPE_RADIX_16, 8);
    const auto wide = format("D1", REG_TYPE_RADIX_16, 16);
    ASSERT_EQ(wide->size(), 64);
    wide->setText(QStringLiteral("400921fb54442d18"), Raw); // pi
    QMenu menu;
    KMediator_Display *display = KMediator_Display::get_Instance();
    display->set_menu(&menu);
    ASSERT_EQ(engine.process_formattingMenu(display, narrow->formattedData()), int(GLYPHON_OK));
    QSignalSpy picked(display, &KMediator_Display::formatChanged);
    for (QAction *action : menu.actions()) {
        if (action->text() == QLatin1String("Floating point"))
            action->trigger();
    }
    engine.clear_formattingMenu();
    display->set_menu(nullptr);
    ASSERT_EQ(picked.count(), 1);
    const int option = picked.first().at(0).toInt();
    wide->setMenuOption(option);
    EXPECT_EQ(wide->formatTypeName(), QLatin1String("fp_64"));
    EXPECT_TRUE(wide->text().startsWith(QLatin1String("3.14159"))) << qPrintable(wide->text());
    narrow->setMenuOption(option);
    EXPECT_EQ(narrow->formatTypeName(), QLatin1String("fp_32"));
}

namespace {

// Answers the in-place editor: types the text and presses the key, noting the flag.
struct EditorAnswer
{
    QString text;
    Qt::Key key = Qt::Key_Return;
    bool flagRaised = false;
    bool seen = false;

    void install(testhost::ModalAnswers &answers)
    {
        answers.setHandler([this](const testhost::ModalAnswers::Request &request) {
            seen = true;
            flagRaised = isInPlaceEditActive();
            auto *edit = request.widget ? request.widget->findChild<QLineEdit *>() : nullptr;
            if (!edit)
                return;
            if (!text.isNull())
                edit->setText(text);
            QTest::keyClick(edit, key);
        });
    }
};

} // namespace

TEST_F(RegFormatTest, AnInPlaceEditIsAcceptedThroughTheModalSeam)
{
    const auto f = format("R0", REG_TYPE_RADIX_16, 8);
    QLabel label(QStringLiteral("0x00000000"));
    label.resize(80, 20);
    label.show();
    testhost::ModalAnswers answers;
    EditorAnswer answer{QStringLiteral("0x2a")};
    answer.install(answers);
    EXPECT_TRUE(f->editInPlace(&label));
    EXPECT_TRUE(answer.seen);
    EXPECT_TRUE(answer.flagRaised);
    EXPECT_FALSE(isInPlaceEditActive());
    EXPECT_EQ(low64(*f), 42u);
    EXPECT_EQ(f->text(), QLatin1String("0x0000002a"));
    EXPECT_EQ(KMediator_Display::get_Instance()->get_parentWnd(), nullptr);
}

TEST_F(RegFormatTest, ACancelledOrRefusedEditChangesNothing)
{
    const auto f = format("R0", REG_TYPE_RADIX_16, 8);
    f->setText(QStringLiteral("7"), Raw);
    QLabel label;
    label.resize(80, 20);
    label.show();
    testhost::ModalAnswers answers;
    EditorAnswer cancel{QStringLiteral("0x99"), Qt::Key_Escape};
    cancel.install(answers);
    EXPECT_FALSE(f->editInPlace(&label));
    EXPECT_TRUE(cancel.seen);
    EXPECT_FALSE(isInPlaceEditActive());

    EditorAnswer refused{QStringLiteral("not a number")};
    refused.install(answers);
    EXPECT_FALSE(f->editInPlace(&label));
    int flags = 0;
    KMediator_Display::get_Instance()->get_inPlaceEditErrorReturn(flags);
    EXPECT_EQ(flags, GLYPHON_EDIT_DISCARDED | GLYPHON_EDIT_REFUSED);
    EXPECT_EQ(low64(*f), 7u);
    EXPECT_EQ(f->text(), QLatin1String("0x00000007"));
}

TEST_F(RegFormatTest, HelpInTheEditorAsksForTheFormattingTopic)
{
    const auto f = format("R0", REG_TYPE_RADIX_16, 8);
    QLabel label;
    label.show();
    QSignalSpy help(KMediator_Display::get_Instance(), &KMediator_Display::help);
    testhost::ModalAnswers answers;
    answers.setHandler([](const testhost::ModalAnswers::Request &request) {
        auto *edit = request.widget->findChild<QLineEdit *>();
        QTest::keyClick(edit, Qt::Key_F1);
        QTest::keyClick(edit, Qt::Key_Escape);
    });
    EXPECT_FALSE(f->editInPlace(&label));
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.first().at(0).toInt(), int(GLYPHON_HELP_FORMATTING));
}

TEST_F(RegFormatTest, AFormatDeletedDuringItsEditIsLeftAlone)
{
    auto f = format("R0", REG_TYPE_RADIX_16, 8);
    QLabel label;
    label.show();
    testhost::ModalAnswers answers;
    answers.setHandler([&f](const testhost::ModalAnswers::Request &request) {
        auto *edit = request.widget->findChild<QLineEdit *>();
        f.reset(); // the host deleted the register's page from a callback
        edit->setText(QStringLiteral("5"));
        QTest::keyClick(edit, Qt::Key_Return);
    });
    RegFormat *raw = f.get();
    EXPECT_FALSE(raw->editInPlace(&label));
    EXPECT_FALSE(isInPlaceEditActive());
}
