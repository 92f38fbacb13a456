#include "frame/core/hosttext.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace tesk::core;

namespace {

// A buffer with guard bytes after it, all set to a mark, so that a write past size shows.
struct Buffer
{
    explicit Buffer(qsizetype size)
        : size(size)
        , bytes(size_t(size) + 4, '#')
    {
    }
    char *data() { return bytes.data(); }
    std::string written(qsizetype count) const { return std::string(bytes.data(), size_t(count)); }
    bool guardsIntact() const
    {
        for (size_t i = size_t(size); i < bytes.size(); ++i) {
            if (bytes[i] != '#')
                return false;
        }
        return true;
    }
    qsizetype size;
    std::vector<char> bytes;
};

// "aé€" as UTF-8: one, two and three bytes.
const QByteArray kMixed = QByteArray("a\xc3\xa9\xe2\x82\xac");

} // namespace

TEST(HostTextRead, CapNullAndOneLine)
{
    EXPECT_TRUE(hostText(nullptr).isNull());
    EXPECT_TRUE(hostTextUtf8(nullptr).isNull());
    EXPECT_EQ(hostText("caf\xe9"), QString::fromUtf8("café"));
    EXPECT_EQ(hostTextUtf8("caf\xc3\xa9"), QString::fromUtf8("café"));

    // A text with no terminator within the cap is read up to the cap and no further.
    std::vector<char> unterminated(size_t(kMaxHostTextBytes), 'x');
    EXPECT_EQ(hostText(unterminated.data()).size(), kMaxHostTextBytes);
    std::string longer(size_t(kMaxHostTextBytes) + 10, 'y');
    EXPECT_TRUE(hostTextIsCut(longer.c_str()));
    EXPECT_FALSE(hostTextIsCut(std::string(size_t(kMaxHostTextBytes), 'y').c_str()));
    EXPECT_FALSE(hostTextIsCut(nullptr));

    EXPECT_EQ(hostLine("one\ntwo\tthree\x7f"), QStringLiteral("one two three "));
}

TEST(HostTextRead, Utf8CutAtTheLimitSplitsNoCharacter)
{
    // The limit falls after the first byte of a two-byte character, then inside a three-byte
    // one: the cut goes before it.
    for (const QByteArray &character : {QByteArray("\xc3\xa9"), QByteArray("\xe2\x82\xac")}) {
        std::string text(size_t(kMaxHostTextBytes) - 1, 'a');
        while (text.size() < size_t(kMaxHostTextBytes) + 8)
            text += character.toStdString();
        const QString read = hostTextUtf8(text.c_str());
        EXPECT_FALSE(read.contains(QChar::ReplacementCharacter)) << character.size();
        EXPECT_EQ(read, QString(kMaxHostTextBytes - 1, u'a')) << character.size();
    }
    // A character that ends just at the limit stays.
    std::string text(size_t(kMaxHostTextBytes) - 2, 'a');
    text += "\xc3\xa9zz";
    EXPECT_TRUE(hostTextUtf8(text.c_str()).endsWith(QString::fromUtf8("a\xc3\xa9")));
}

TEST(HostTextShow, MarkupStaysPlain)
{
    EXPECT_EQ(escapedFragment(QStringLiteral("<b>a & b</b>\nnext")),
              QStringLiteral("&lt;b&gt;a &amp; b&lt;/b&gt;<br>next"));
    EXPECT_EQ(plainToolTip(QStringLiteral("plain tip")), QStringLiteral("plain tip"));
    EXPECT_EQ(plainToolTip(QStringLiteral("<img src=x>")),
              QStringLiteral("<qt>&lt;img src=x&gt;</qt>"));
}

TEST(HostTextWrite, CutAtACharacterAlwaysTerminates)
{
    // Room for "a" and two bytes of the euro sign's three: the euro sign goes whole.
    for (qsizetype size = 1; size <= kMixed.size() + 2; ++size) {
        Buffer buffer(size);
        const qsizetype written = writeCut(kMixed, buffer.data(), size, Encoding::Utf8);
        ASSERT_LT(written, size);
        EXPECT_EQ(buffer.bytes[size_t(written)], '\0') << size;
        EXPECT_TRUE(buffer.guardsIntact()) << size;
        // Whatever was written decodes without a broken character.
        EXPECT_FALSE(
            QString::fromUtf8(buffer.data(), written).contains(QChar::ReplacementCharacter));
    }
    Buffer five(5);
    EXPECT_EQ(writeCut(kMixed, five.data(), 5, Encoding::Utf8), 3);
    EXPECT_EQ(five.written(4), std::string("a\xc3\xa9\0", 4));

    // Latin-1 bytes above 0x7f are characters of their own, cut anywhere.
    Buffer latin(3);
    EXPECT_EQ(writeCut(QByteArray("\xe9\xa9\xa9"), latin.data(), 3, Encoding::Latin1), 2);
    EXPECT_EQ(latin.written(3), std::string("\xe9\xa9\0", 3));

    // Exact fit, and zeros to the end when asked.
    Buffer exact(4);
    EXPECT_EQ(writeCut("abc", exact.data(), 4, Encoding::Utf8, Padding::Zeros), 3);
    EXPECT_EQ(exact.written(4), std::string("abc\0", 4));
    Buffer padded(6);
    writeCut("ab", padded.data(), 6, Encoding::Utf8, Padding::Zeros);
    EXPECT_EQ(padded.written(6), std::string("ab\0\0\0\0", 6));
    EXPECT_TRUE(padded.guardsIntact());

    EXPECT_EQ(writeCut("abc", nullptr, 4, Encoding::Utf8), 0);
    Buffer none(1);
    EXPECT_EQ(writeCut("abc", none.data(), 0, Encoding::Utf8), 0);
    EXPECT_EQ(none.bytes[0], '#');
}

TEST(HostTextWrite, WholeOrNothing)
{
    Buffer fits(4);
    EXPECT_TRUE(writeWhole("abc", fits.data(), 4));
    EXPECT_EQ(fits.written(4), std::string("abc\0", 4));
    EXPECT_TRUE(fits.guardsIntact());

    Buffer tooSmall(3);
    EXPECT_FALSE(writeWhole("abc", tooSmall.data(), 3));
    EXPECT_EQ(tooSmall.written(3), "###");
    EXPECT_FALSE(writeWhole("abc", nullptr, 10));
    Buffer empty(1);
    EXPECT_TRUE(writeWhole("", empty.data(), 1));
    EXPECT_EQ(empty.bytes[0], '\0');
}

TEST(HostTextWrite, FixedSizeRule)
{
    Buffer shorter(5);
    writeFixed("ab", shorter.data(), 5);
    EXPECT_EQ(shorter.written(5), std::string("ab\0\0\0", 5));

    // A text of the field's size or more fills it with no terminator, and stops there.
    Buffer full(3);
    writeFixed("abcdef", full.data(), 3);
    EXPECT_EQ(full.written(3), "abc");
    EXPECT_TRUE(full.guardsIntact());

    Buffer untouched(2);
    writeFixed("ab", untouched.data(), 0);
    writeFixed("ab", nullptr, 2);
    EXPECT_EQ(untouched.written(2), "##");
}
