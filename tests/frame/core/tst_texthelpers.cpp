// Code-value arrays, path shortening and the completing combo box.
#include "testhost.h"

#include "frame/core/combobox.h"
#include "frame/core/cuitexthelpers.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

QByteArray abbreviate(const char *path, int maxLength, bool keepName = true)
{
    std::vector<char> buffer(path, path + std::strlen(path) + 1);
    cuiAbbreviatePath(buffer.data(), maxLength, keepName);
    return QByteArray(buffer.data());
}

TEST(CodeArrays, RoundTripNonAsciiAndSurrogates)
{
    const QString text = QStringLiteral("Grüße \u20ac") + QString::fromUcs4(U"\U0001F600", 1);
    std::vector<uint32_t> codes(size_t(text.size()), 0xdeadbeef);
    ASSERT_EQ(cuiStringToCodes(text, codes.data()), text.size());
    EXPECT_EQ(codes[2], 0xfcu);
    // Surrogates stay two units, each widened on its own.
    EXPECT_EQ(codes[codes.size() - 2], 0xd83du);
    EXPECT_EQ(cuiCodesToString(codes.data(), int(codes.size())), text);
    EXPECT_EQ(cuiStringToCodes(text, nullptr), text.size());
    EXPECT_TRUE(cuiCodesToString(codes.data(), 0).isEmpty());
    const uint32_t wide[] = {0x10041u};
    EXPECT_EQ(cuiCodesToString(wide, 1), QStringLiteral("A"));
}

TEST(AbbreviatePath, KeepsTheHeadAndTheLongestTailThatFits)
{
    EXPECT_EQ(abbreviate("C:\\work\\projects\\alpha\\scripts\\setup\\init.inc", 35),
              QByteArray("C:\\work\\...\\scripts\\setup\\init.inc"));
    EXPECT_EQ(abbreviate("/home/user/projects/alpha/scripts/init.inc", 30),
              QByteArray("/home/.../scripts/init.inc"));
    EXPECT_EQ(abbreviate("\\\\server\\share\\deep\\deeper\\deepest\\file.txt", 32),
              QByteArray("\\\\server\\share\\...\\file.txt"));
}

TEST(AbbreviatePath, ShortPathsAndLongNames)
{
    const char *fits = "C:\\a\\b\\c\\d\\e\\f\\g\\h\\i\\j\\k\\l\\file.inc";
    ASSERT_EQ(std::strlen(fits), 35u);
    EXPECT_EQ(abbreviate(fits, 35), QByteArray(fits));
    EXPECT_EQ(abbreviate("C:\\dir\\a_really_long_file_name.inc", 20, true),
              QByteArray("a_really_long_file_name.inc"));
    EXPECT_EQ(abbreviate("C:\\dir\\a_really_long_file_name.inc", 20, false), QByteArray());
    // Head, "\...\" and name would not fit: the name alone.
    EXPECT_EQ(abbreviate("C:\\averylongfolder\\x\\name.inc", 24), QByteArray("name.inc"));
    // Mixed separators: the first and the last agree on the style.
    EXPECT_EQ(abbreviate("C:\\one/two\\three\\four\\five.txt", 26),
              QByteArray("C:\\one\\...\\four\\five.txt"));
}

TEST(AbbreviatePath, OneOverTheMaximumAndTheSeparatorTie)
{
    const char *fits = "C:\\a\\b\\c\\d\\e\\f\\g\\h\\i\\j\\k\\l\\file.inc";
    const QByteArray shortened = abbreviate(fits, 34);
    EXPECT_LE(shortened.size(), 34);
    EXPECT_TRUE(shortened.startsWith("C:\\a\\...\\")) << shortened.constData();
    EXPECT_TRUE(shortened.endsWith("\\l\\file.inc")) << shortened.constData();
    // First and last separators differ and both kinds are as many: backslashes win.
    EXPECT_EQ(abbreviate("C:/one\\two/three\\four.txt", 24), QByteArray("C:/one\\...\\four.txt"));
    // More forward slashes: the head and the dots take theirs.
    EXPECT_TRUE(abbreviate("/one/two/three\\four/five.txt", 24).startsWith("/one/..."));
}

class ComboBoxTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    void SetUp() override
    {
        combo = new ComboBox(nullptr, "find");
        combo->addItems({QStringLiteral("Main"), QStringLiteral("main"), QStringLiteral("mode"),
                         QStringLiteral("other")});
        combo->setCurrentIndex(0);
        combo->lineEdit()->clear();
        combo->show();
        combo->activateWindow();
        combo->setFocus();
        QApplication::processEvents();
    }
    void TearDown() override { delete combo; }
    void type(const char *keys)
    {
        QTest::keyClicks(combo->lineEdit(), QString::fromLatin1(keys));
        QApplication::processEvents();
    }

    ComboBox *combo = nullptr;
};

TEST_F(ComboBoxTest, CompletionIndexWrapsAndIsCaseSensitive)
{
    EXPECT_EQ(combo->completionIndex(QStringLiteral("ma"), 0), 1);
    EXPECT_EQ(combo->completionIndex(QStringLiteral("M"), 2), 0);
    EXPECT_EQ(combo->completionIndex(QStringLiteral("m"), 2), 2);
    EXPECT_EQ(combo->completionIndex(QString(), 7), 0);
    EXPECT_EQ(combo->completionIndex(QStringLiteral("x"), 0), -1);
    ComboBox empty(nullptr, "empty");
    EXPECT_EQ(empty.completionIndex(QString(), 0), -1);
}

TEST_F(ComboBoxTest, TypingCompletesInlineWithTheRestSelected)
{
    type("ma");
    QLineEdit *edit = combo->lineEdit();
    EXPECT_EQ(edit->text(), QStringLiteral("main"));
    EXPECT_EQ(edit->selectedText(), QStringLiteral("in"));
    EXPECT_EQ(combo->currentIndex(), 1);
    // Typing on replaces the completed rest.
    type("x");
    EXPECT_EQ(edit->text(), QStringLiteral("max"));
}

TEST_F(ComboBoxTest, BackspaceAndEndCompleteNothing)
{
    type("ot");
    QLineEdit *edit = combo->lineEdit();
    ASSERT_EQ(edit->text(), QStringLiteral("other"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QApplication::processEvents();
    EXPECT_EQ(edit->text(), QStringLiteral("ot"));
    QTest::keyClick(edit, Qt::Key_End);
    QApplication::processEvents();
    EXPECT_EQ(edit->text(), QStringLiteral("ot"));
}

TEST_F(ComboBoxTest, TypeAheadWhenNotEditable)
{
    combo->setEditable(false);
    combo->setCurrentIndex(3);
    QSignalSpy activated(combo, &QComboBox::activated);
    QTest::keyClick(combo, Qt::Key_M);
    EXPECT_EQ(combo->currentIndex(), 1);
    EXPECT_TRUE(combo->isTypeAheadRunning());
    // Within the window the typed characters add up: "mo", not "o".
    QTest::keyClick(combo, Qt::Key_O);
    EXPECT_EQ(combo->currentIndex(), 2);
    ASSERT_EQ(activated.count(), 2);
    EXPECT_EQ(activated.at(1).at(0).toInt(), 2);
    // After the window a key searches anew from the item after the current one.
    QTest::qWait(450);
    QTest::keyClick(combo, Qt::Key_O);
    EXPECT_EQ(combo->currentIndex(), 3);
}

} // namespace
