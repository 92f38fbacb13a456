// The simulator configuration as the host drives it: defaults, each value set and read back,
// the clock speed's number reading, the processor search and copies into small buffers, and
// what the user changes in the dialog reaching the host.
#include "dialoghelprecorder.h"
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_memorydialogs.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using testhost::ModalAnswers;

class CorvasimConfig : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    void SetUp() override
    {
        m_handle = CuiCorvasimConfigDlgCreate();
        ASSERT_NE(m_handle, 0);
        m_dialog = qobject_cast<QWidget *>(
            tesk::handles::object(reinterpret_cast<const void *>(m_handle)));
        ASSERT_NE(m_dialog, nullptr);
    }
    void TearDown() override { CuiCorvasimConfigDlgDestroy(m_handle); }

    std::string clockSpeed()
    {
        char buffer[16];
        std::memset(buffer, 'x', sizeof buffer);
        EXPECT_EQ(CuiCorvasimConfigDlgGetClockSpeed(m_handle, buffer, sizeof buffer), buffer);
        return buffer;
    }
    std::string processor()
    {
        char buffer[32] = "stale";
        CuiCorvasimConfigDlgGetProcessor(m_handle, buffer, sizeof buffer);
        return buffer;
    }
    template<typename W>
    W *child(const char *name)
    {
        auto *w = m_dialog->findChild<W *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    TeskHandle m_handle = 0;
    QPointer<QWidget> m_dialog;
};

TEST_F(CorvasimConfig, ANewDialogReportsTheDefaults)
{
    EXPECT_EQ(CuiCorvasimConfigDlgGetQMXState(m_handle), 0);
    EXPECT_EQ(CuiCorvasimConfigDlgGetMMUState(m_handle), 0);
    EXPECT_EQ(CuiCorvasimConfigDlgIsRealtimeClock(m_handle), 1);
    EXPECT_EQ(CuiCorvasimConfigDlgGetEndian(m_handle), 0);
    EXPECT_EQ(CuiCorvasimConfigDlgGetStartEndian(m_handle), 0);
    EXPECT_EQ(clockSpeed(), "0");
    EXPECT_EQ(processor(), "");
    EXPECT_FALSE(child<QLineEdit>("speedEF")->isEnabled());
}

TEST_F(CorvasimConfig, ValuesSetAreReadBack)
{
    for (int state : {3, 1, 2, 0}) {
        CuiCorvasimConfigDlgSetQMXState(m_handle, state);
        EXPECT_EQ(CuiCorvasimConfigDlgGetQMXState(m_handle), state);
    }
    CuiCorvasimConfigDlgSetQMXState(m_handle, 2);
    for (int bad : {4, 7, -1}) {
        CuiCorvasimConfigDlgSetQMXState(m_handle, bad);
        EXPECT_EQ(CuiCorvasimConfigDlgGetQMXState(m_handle), 2) << bad;
    }
    CuiCorvasimConfigDlgSetMMUState(m_handle, 5);
    EXPECT_EQ(CuiCorvasimConfigDlgGetMMUState(m_handle), 1);
    CuiCorvasimConfigDlgSetMMUState(m_handle, 0);
    EXPECT_EQ(CuiCorvasimConfigDlgGetMMUState(m_handle), 0);
    CuiCorvasimConfigDlgSetEndian(m_handle, 9);
    CuiCorvasimConfigDlgSetStartEndian(m_handle, 9);
    EXPECT_EQ(CuiCorvasimConfigDlgGetEndian(m_handle), 1);
    EXPECT_EQ(CuiCorvasimConfigDlgGetStartEndian(m_handle), 1);
    CuiCorvasimConfigDlgSetEndian(m_handle, 0);
    CuiCorvasimConfigDlgSetStartEndian(m_handle, 0);
    EXPECT_EQ(CuiCorvasimConfigDlgGetEndian(m_handle), 0);
    EXPECT_EQ(CuiCorvasimConfigDlgGetStartEndian(m_handle), 0);
}

TEST_F(CorvasimConfig, ClockChoiceEnablesTheSpeedAndKeepsIt)
{
    auto *speed = child<QLineEdit>("speedEF");
    CuiCorvasimConfigDlgSetClockSpeed(m_handle, "1000");
    CuiCorvasimConfigDlgSetEmulatedClock(m_handle);
    EXPECT_EQ(CuiCorvasimConfigDlgIsRealtimeClock(m_handle), 0);
    EXPECT_TRUE(speed->isEnabled());
    CuiCorvasimConfigDlgSetRealtimeClock(m_handle);
    EXPECT_EQ(CuiCorvasimConfigDlgIsRealtimeClock(m_handle), 1);
    EXPECT_FALSE(speed->isEnabled());
    EXPECT_EQ(clockSpeed(), "1000");
}

TEST_F(CorvasimConfig, ClockSpeedTextIsReadInItsBaseAndBounded)
{
    const std::pair<const char *, const char *> cases[] = {
        {"0x10", "16"},
        {"010", "8"},
        {"42", "42"},
        {"12abc", "12"},
        {"abc", "0"},
        {"", "0"},
        {"2147483647", "2147483647"},
        {"2147483648", "2147483647"},
        {"99999999999999999999999", "2147483647"},
        {"-1", "2147483647"},
        {"0xffffffff", "2147483647"},
    };
    for (const auto &[text, shown] : cases) {
        CuiCorvasimConfigDlgSetClockSpeed(m_handle, text);
        EXPECT_EQ(child<QLineEdit>("speedEF")->text().toStdString(), shown) << text;
        EXPECT_EQ(clockSpeed(), shown) << text;
    }
}

TEST_F(CorvasimConfig, CopiesNeverPassTheGivenSize)
{
    CuiCorvasimConfigDlgAddProcessor(m_handle, "QX-1000-ab");
    CuiCorvasimConfigDlgSetProcessor(m_handle, "QX-1000-ab");
    CuiCorvasimConfigDlgSetClockSpeed(m_handle, "123456");
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    CuiCorvasimConfigDlgGetProcessor(m_handle, buffer, 4);
    EXPECT_EQ(std::string(buffer, 8), "QX-1xxxx") << "unterminated, nothing past 4 bytes";
    std::memset(buffer, 'x', sizeof buffer);
    CuiCorvasimConfigDlgGetClockSpeed(m_handle, buffer, 4);
    EXPECT_EQ(std::string(buffer, 8), "1234xxxx");
    std::memset(buffer, 'x', sizeof buffer);
    CuiCorvasimConfigDlgGetClockSpeed(m_handle, buffer, 7);
    EXPECT_EQ(std::string(buffer, 8), std::string("123456\0x", 8));
    // Size 0 and a null buffer get nothing.
    std::memset(buffer, 'x', sizeof buffer);
    CuiCorvasimConfigDlgGetProcessor(m_handle, buffer, 0);
    CuiCorvasimConfigDlgGetClockSpeed(m_handle, buffer, 0);
    CuiCorvasimConfigDlgGetProcessor(m_handle, nullptr, 8);
    EXPECT_EQ(CuiCorvasimConfigDlgGetClockSpeed(m_handle, nullptr, 8), nullptr);
    EXPECT_EQ(std::string(buffer, 8), "xxxxxxxx");
}

TEST_F(CorvasimConfig, ProcessorIsFoundIgnoringCaseFromTheCurrentOn)
{
    for (const char *name : {"alpha", "Beta", "gamma", "beta"})
        CuiCorvasimConfigDlgAddProcessor(m_handle, name);
    CuiCorvasimConfigDlgSetProcessor(m_handle, "BETA");
    EXPECT_EQ(processor(), "Beta");
    EXPECT_EQ(child<QListWidget>("processorLB")->currentRow(), 1);
    CuiCorvasimConfigDlgSetProcessor(m_handle, "GAMMA");
    CuiCorvasimConfigDlgSetProcessor(m_handle, "beta"); // the search starts at the current one
    EXPECT_EQ(child<QListWidget>("processorLB")->currentRow(), 3);
    CuiCorvasimConfigDlgSetProcessor(m_handle, "delta");
    EXPECT_EQ(child<QListWidget>("processorLB")->currentRow(), 3);
}

TEST_F(CorvasimConfig, WhatTheUserChoosesReachesTheHost)
{
    CuiCorvasimConfigDlgAddProcessor(m_handle, "core one");
    CuiCorvasimConfigDlgAddProcessor(m_handle, "core two");
    ModalAnswers answers;
    answers.setHandler([&](const ModalAnswers::Request &) {
        auto *list = child<QListWidget>("processorLB");
        const QRect row = list->visualItemRect(list->item(1));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, row.center());
        for (const char *name : {"qmxFastRB", "emulatedRB", "debugBigEndianRB"})
            child<QRadioButton>(name)->click();
        auto *speed = child<QLineEdit>("speedEF");
        speed->clear();
        QTest::keyClicks(speed, "250x-");
        QTest::keyClick(m_dialog, Qt::Key_Return);
    });
    EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(m_handle)), 1);
    EXPECT_EQ(processor(), "core two");
    EXPECT_EQ(CuiCorvasimConfigDlgGetQMXState(m_handle), 2);
    EXPECT_EQ(CuiCorvasimConfigDlgIsRealtimeClock(m_handle), 0);
    EXPECT_EQ(CuiCorvasimConfigDlgGetEndian(m_handle), 1);
    EXPECT_EQ(clockSpeed(), "250") << "the speed field takes digits only";

    answers.setHandler({});
    answers.click(QStringLiteral("cancelPB"));
    EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(m_handle)), 0);
}

TEST_F(CorvasimConfig, HelpAsksForTheSimulatorTopic)
{
    DialogHelpRecorder help;
    child<QPushButton>("helpPB")->click();
    CuiCorvasimConfigDlgSetHelpId(m_handle, 900);
    QTest::keyClick(m_dialog, Qt::Key_F1);
    EXPECT_EQ(help.calls(), (std::vector<std::pair<int, int>>{{782, 10}, {900, 10}}));
}

TEST_F(CorvasimConfig, DeadAndForeignHandlesAreIgnored)
{
    const TeskHandle dead = CuiCorvasimConfigDlgCreate();
    CuiCorvasimConfigDlgDestroy(dead);
    char buffer[4] = "abc";
    for (TeskHandle h : {TeskHandle(0), dead, TeskHandle(0x4321)}) {
        CuiCorvasimConfigDlgSetQMXState(h, 1);
        CuiCorvasimConfigDlgAddProcessor(h, "x");
        EXPECT_EQ(CuiCorvasimConfigDlgIsRealtimeClock(h), 0);
        EXPECT_EQ(CuiCorvasimConfigDlgGetQMXState(h), 0);
        CuiCorvasimConfigDlgGetProcessor(h, buffer, 4);
        EXPECT_EQ(CuiCorvasimConfigDlgGetClockSpeed(h, buffer, 4), buffer);
        CuiCorvasimConfigDlgDestroy(h);
    }
    EXPECT_STREQ(buffer, "abc");
}

} // namespace
