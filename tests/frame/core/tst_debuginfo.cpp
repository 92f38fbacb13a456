// Debug flags from TESK_DEBUG, prompt suppression and the logging exports.
#include "testhost.h"

#include "frame/core/cuidebuginfo.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

class DebugInfoTest : public ::testing::Test
{
protected:
    void TearDown() override
    {
        unsetenv("TESK_DEBUG");
        unsetenv("KSODEBUG_SUPPRESS_PROMPTS");
        CuiDebugInfo::reset();
    }

    void read(const char *value)
    {
        setenv("TESK_DEBUG", value, 1);
        CuiDebugInfo::reset();
        CuiDebugInfo::initialise();
    }
};

} // namespace

TEST_F(DebugInfoTest, PlusItemsSetBitsOfTheirLetter)
{
    read("+S0, +w1,+T12");
    EXPECT_EQ(CuiDebugInfoIsSet("S0"), 1);
    EXPECT_EQ(CuiDebugInfoIsSet("s0"), 1);
    EXPECT_EQ(CuiDebugInfoIsSet("W1"), 1);
    EXPECT_EQ(CuiDebugInfoIsSet("S1"), 0);
    EXPECT_TRUE(CuiDebugInfo::isNotSet(QStringLiteral("C0")));

    testhost::DebugCapture capture;
    EXPECT_EQ(CuiDebugInfoIsSet("T12"), 0); // only one digit can be asked for
    EXPECT_TRUE(capture.contains("flags value is wrong length. Must be 2 bytes long."));
}

TEST_F(DebugInfoTest, BitNumbersWrapAndMalformedItemsSetNothing)
{
    read("+S33,+A,+BX,-C0");
    EXPECT_TRUE(CuiDebugInfo::isSet(QStringLiteral("S1")));
    EXPECT_FALSE(CuiDebugInfo::isSet(QStringLiteral("S3")));
    EXPECT_FALSE(CuiDebugInfo::isSet(QStringLiteral("A0")));
    EXPECT_FALSE(CuiDebugInfo::isSet(QStringLiteral("B0")));
    EXPECT_FALSE(CuiDebugInfo::isSet(QStringLiteral("C0")));
}

TEST_F(DebugInfoTest, BadItemsWarn)
{
    testhost::DebugCapture capture;
    read("*S1,+1S");
    EXPECT_TRUE(capture.contains("Unknown first character in value: *\n"));
    EXPECT_TRUE(capture.contains("CuiDebugInfoImpl::addToFlags - Array pos out of range\n"));
}

TEST_F(DebugInfoTest, MalformedQueriesWarnAndAnswerFalse)
{
    read("+S0");
    testhost::DebugCapture capture;
    EXPECT_EQ(CuiDebugInfoIsSet("S"), 0);
    EXPECT_TRUE(capture.contains("wrong length"));
    EXPECT_EQ(CuiDebugInfoIsSet("1S"), 0);
    EXPECT_TRUE(capture.contains("CuiDebugInfo::isSet - Invalid flag character - 1\n"));
    EXPECT_EQ(CuiDebugInfoIsSet("SX"), 0);
    EXPECT_EQ(CuiDebugInfoIsSet(nullptr), 0);
}

TEST_F(DebugInfoTest, EnvironmentIsReadOnce)
{
    read("+S0");
    setenv("TESK_DEBUG", "+S1", 1);
    EXPECT_TRUE(CuiDebugInfo::isSet(QStringLiteral("S0")));
    EXPECT_FALSE(CuiDebugInfo::isSet(QStringLiteral("S1")));
}

TEST_F(DebugInfoTest, PromptsSuppressedEvenByAnEmptyValue)
{
    CuiDebugInfo::reset();
    EXPECT_FALSE(CuiDebugInfo::promptsSuppressed());
    setenv("KSODEBUG_SUPPRESS_PROMPTS", "", 1);
    CuiDebugInfo::reset();
    EXPECT_TRUE(CuiDebugInfo::promptsSuppressed());
}

TEST(Logging, CuiLogAndCuiDebugWriteToTheDebugOutput)
{
    testhost::DebugCapture capture;
    EXPECT_EQ(CuiLog("x"), 1);
    EXPECT_EQ(capture.text(), "CuiLog: x\n");

    testhost::DebugCapture timed;
    CuiDebug("event");
    const QRegularExpression format(
        QStringLiteral("^\\[\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d\\] event\n$"));
    EXPECT_TRUE(format.match(QString::fromStdString(timed.text())).hasMatch()) << timed.text();
}
