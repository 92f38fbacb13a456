// The shared text helpers: memory-file commands with their checks and messages, rich-text
// escaping and the host's Latin-1 texts.
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuitextutils.h"
#include "frame/core/hosttext.h"

#include <gtest/gtest.h>

namespace {

using testhost::ModalAnswers;

struct CommandCase
{
    int action;
    const char *type;
    const char *file;
    const char *location;
    bool startRequired;
    const char *command; // nullptr: refused
    const char *caption;
    const char *message;
};

// Names the case in the test list (instead of the record's bytes).
void PrintTo(const CommandCase &c, std::ostream *os)
{
    *os << c.action << " '" << c.file << "' '" << c.location << "'";
}

class MemoryFileCommand : public ::testing::TestWithParam<CommandCase>
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
};

TEST_P(MemoryFileCommand, BuildsOrSaysWhy)
{
    const CommandCase &c = GetParam();
    for (bool quiet : {false, true}) {
        ModalAnswers answers;
        QString command;
        const bool built = cuiMakeMemoryFileCommand(
            nullptr, quiet, c.action, QString::fromLatin1(c.type), QString::fromLatin1(c.file),
            QString::fromLatin1(c.location), c.startRequired, command);
        EXPECT_EQ(built, c.command != nullptr);
        if (c.command) {
            EXPECT_EQ(command, QString::fromLatin1(c.command));
            EXPECT_TRUE(answers.seen().empty());
        } else if (quiet) {
            EXPECT_TRUE(answers.seen().empty()) << c.message;
        } else {
            ASSERT_EQ(answers.seen().size(), 1u);
            EXPECT_EQ(answers.seen()[0].caption, QString::fromLatin1(c.caption));
            EXPECT_EQ(answers.seen()[0].text, QString::fromLatin1(c.message));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MemoryFileCommand,
    ::testing::Values(
        CommandCase{0, "elf", "a.elf", "", false, "readfile,elf,gui \"a.elf\"", nullptr, nullptr},
        CommandCase{3, "bin", "b b.bin", "0x100", true, "verifyfile,bin,gui \"b b.bin\"=0x100",
                    nullptr, nullptr},
        CommandCase{1, "ihex", "c.hex", "0x100..0x1ff", false,
                    "writefile,ihex,gui \"c.hex\"=0x100..0x1ff", nullptr, nullptr},
        // The type word is taken as it is, even when it looks like a placeholder.
        CommandCase{0, "%3", "d.bin", "", false, "readfile,%3,gui \"d.bin\"", nullptr, nullptr},
        CommandCase{0, "bin", "", "0x0", false, nullptr, "Warning",
                    "Please enter a filename before pressing Apply"},
        CommandCase{2, "bin", "e.bin", "", false, nullptr, "Error", "Invalid Action selected"},
        CommandCase{1, "bin", "f.bin", "0x100", true, nullptr, "Error",
                    "Please supply an address range when saving to file"},
        CommandCase{0, "bin", "g.bin", "", true, nullptr, "Error",
                    "Please supply a start address when reading/verifying this type of file"},
        CommandCase{3, "bin", "g.bin", "", true, nullptr, "Error",
                    "Please supply a start address when reading/verifying this type of file"}));

TEST(RichText, EscapesPlainTextOnly)
{
    EXPECT_EQ(tesk::core::escapeRichText(QStringLiteral("a<b && 'c' \"d\" > e")),
              QStringLiteral("a&lt;b &amp;&amp; &apos;c&apos; &quot;d&quot; &gt; e"));
    EXPECT_EQ(tesk::core::escapeRichText(QStringLiteral("<b>bold</b> & more")),
              QStringLiteral("<b>bold</b> & more"));
    EXPECT_EQ(tesk::core::escapeRichText(QString()), QString());
    EXPECT_EQ(tesk::core::escapeMarkup(QStringLiteral("<b>bold</b>")),
              QStringLiteral("&lt;b&gt;bold&lt;/b&gt;"));
}

TEST(HostText, UntranslatedLatin1StaysLatin1)
{
    EXPECT_EQ(tesk::core::translatedLatin1("Caf\xe9 \xb5s"), QStringLiteral("Café µs"));
    EXPECT_EQ(tesk::core::translatedLatin1("plain"), QStringLiteral("plain"));
    EXPECT_TRUE(tesk::core::translatedLatin1(nullptr).isNull());
}

} // namespace
