// CuiFillMemoryDialog as the host calls it: the caller's range shown in the fields, every
// answer written back only on OK, the length's number bases, and an expression copy that never
// passes the agreed buffer.
#include "frames.h"
#include "gc_panes/memory/simfixture.h"
#include "modalanswers.h"
#include "testhost.h"

#include "gui_components/gc_panes/memoryview/viewmemorydialogs.h"

#include <tesk/tesk_memorydialogs.h>
#include <tesk/tesk_window.h>

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

namespace {

using testhost::ModalAnswers;

// The eight arguments, filled with values a fill never gives back.
struct FillArguments
{
    uint32_t start = 0x1000;
    uint32_t end = 0x1100;
    int length = -7;
    char buffer[300];
    char *expression = buffer;
    int endGiven = -7;
    int fillSize = -7;
    uint32_t target = 1;

    bool throughC = false; // CuiFillMemoryDialogC, as a host written in C calls it

    FillArguments() { std::memset(buffer, 'x', sizeof buffer); }
    int call()
    {
        if (throughC)
            return CuiFillMemoryDialogC(nullptr, &start, &end, &length, &expression, &endGiven,
                                        &fillSize, &target);
        return CuiFillMemoryDialog(nullptr, start, end, length, expression, endGiven, fillSize,
                                   target);
    }
};

class FillMemory : public SimulatedTargetTest
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    // Runs the dialog; the user does what `act` does to it, then presses OK.
    int run(FillArguments &args, const std::function<void(KViewMemoryDialog_Fill &)> &act)
    {
        m_answers.setHandler([&](const ModalAnswers::Request &request) {
            auto *dialog = qobject_cast<KViewMemoryDialog_Fill *>(request.widget.data());
            ASSERT_NE(dialog, nullptr);
            m_shownStart = dialog->startAddress();
            m_shownEnd = dialog->endAddress();
            act(*dialog);
            dialog->findChild<QPushButton *>(QStringLiteral("buttonOk_"))->click();
            if (dialog->isVisible())
                dialog->reject();
        });
        return args.call();
    }
    static void setText(KViewMemoryDialog_Fill &dialog, const char *edit, const QString &text)
    {
        dialog.findChild<QLineEdit *>(QLatin1String(edit))->setText(text);
    }

    ModalAnswers m_answers;
    QString m_shownStart;
    QString m_shownEnd;
};

TEST_F(FillMemory, OkHandsBackEveryAnswerAndTheFieldsShowTheCallersRange)
{
    FillArguments args;
    args.start = 0x2000;
    args.end = 0x2040;
    args.target = 1;
    EXPECT_EQ(
        run(args,
            [](KViewMemoryDialog_Fill &d) {
                setText(d, "lineeditExpression_", QStringLiteral("0xa5"));
                d.findChild<QComboBox *>(QStringLiteral("comboBoxFillSize_"))->setCurrentIndex(2);
            }),
        1);
    EXPECT_EQ(m_shownStart, QLatin1String("0x00002000"));
    EXPECT_EQ(m_shownEnd, QLatin1String("0x00002040"));
    EXPECT_EQ(args.start, 0x2000u);
    EXPECT_EQ(args.end, 0x2040u);
    EXPECT_EQ(args.length, 0x40);
    EXPECT_EQ(args.endGiven, 1);
    EXPECT_EQ(args.fillSize, 2);
    EXPECT_EQ(args.target, 1u);
    EXPECT_EQ(std::string(args.buffer, 6), std::string("0xa5\0x", 6)) << "n + 1 bytes";
    EXPECT_EQ(args.expression, args.buffer);
}

TEST_F(FillMemory, TheCEntryHandsBackTheSameAnswersAndRefusesMissingArguments)
{
    FillArguments args;
    args.throughC = true;
    args.start = 0x2000;
    args.end = 0x2040;
    EXPECT_EQ(
        run(args,
            [](KViewMemoryDialog_Fill &d) {
                setText(d, "lineeditExpression_", QStringLiteral("0xa5"));
                d.findChild<QComboBox *>(QStringLiteral("comboBoxFillSize_"))->setCurrentIndex(3);
            }),
        1);
    EXPECT_EQ(m_shownStart, QLatin1String("0x00002000"));
    EXPECT_EQ(args.start, 0x2000u);
    EXPECT_EQ(args.end, 0x2040u);
    EXPECT_EQ(args.length, 0x40);
    EXPECT_EQ(args.endGiven, 1);
    EXPECT_EQ(args.fillSize, 3);
    EXPECT_EQ(args.target, 1u);
    EXPECT_EQ(std::string(args.buffer, 5), std::string("0xa5\0", 5));

    // No place for the expression: the answers come back all the same.
    uint32_t start = 0x2000, end = 0x2040, target = 1;
    int length = -7, endGiven = -7, fillSize = -7;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<KViewMemoryDialog_Fill *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        setText(*dialog, "lineeditExpression_", QStringLiteral("7"));
        dialog->findChild<QPushButton *>(QStringLiteral("buttonOk_"))->click();
    });
    EXPECT_EQ(CuiFillMemoryDialogC(nullptr, &start, &end, &length, nullptr, &endGiven, &fillSize,
                                   &target),
              1);
    EXPECT_EQ(length, 0x40);

    // A missing answer slot refuses the call before any dialog comes up.
    int shown = 0;
    m_answers.setHandler([&](const ModalAnswers::Request &) { ++shown; });
    EXPECT_EQ(CuiFillMemoryDialogC(nullptr, nullptr, &end, &length, nullptr, &endGiven, &fillSize,
                                   &target),
              0);
    EXPECT_EQ(CuiFillMemoryDialogC(nullptr, &start, &end, &length, nullptr, &endGiven, &fillSize,
                                   nullptr),
              0);
    EXPECT_EQ(shown, 0);
}

TEST_F(FillMemory, LengthIsReadInItsBase)
{
    const std::pair<const char *, int> cases[] = {
        {"0x20", 32}, {"040", 32}, {"32", 32}, {"abc", 0}};
    for (const auto &[typed, expected] : cases) {
        FillArguments args;
        // The length field is read in either mode; with an end given, any text reaches the host.
        EXPECT_EQ(run(args,
                      [typed = typed](KViewMemoryDialog_Fill &d) {
                          setText(d, "lineeditExpression_", QStringLiteral("1"));
                          setText(d, "lineEditLength_", QLatin1String(typed));
                      }),
                  1)
            << typed;
        EXPECT_EQ(args.length, expected) << typed;
    }
}

TEST_F(FillMemory, ClickingTheCheckedChoiceKeepsItAndThePresetLengthIsTheTargets)
{
    // Target 0 names no target: a length evaluated for it instead of the caller's stays empty.
    sim().refuseAddressTexts(0);
    FillArguments args;
    args.start = 0x1000;
    args.end = 0x1007;
    QString presetLength;
    EXPECT_EQ(run(args,
                  [&presetLength](KViewMemoryDialog_Fill &d) {
                      presetLength = d.length();
                      auto *end =
                          d.findChild<QRadioButton *>(QStringLiteral("radioButtonEndAddress_"));
                      auto *length =
                          d.findChild<QRadioButton *>(QStringLiteral("radioButtonLength_"));
                      end->click();
                      EXPECT_TRUE(end->isChecked());
                      EXPECT_FALSE(length->isChecked());
                      length->click();
                      length->click();
                      EXPECT_TRUE(length->isChecked());
                      EXPECT_FALSE(end->isChecked());
                      end->click();
                      setText(d, "lineeditExpression_", QStringLiteral("0"));
                  }),
              1);
    EXPECT_EQ(presetLength, QLatin1String("7"));
    EXPECT_EQ(args.endGiven, 1) << "the range shown, not a length one byte short";
    EXPECT_EQ(args.end, 0x1007u);
}

TEST_F(FillMemory, LengthModeStillReportsTheEndField)
{
    FillArguments args;
    EXPECT_EQ(run(args,
                  [](KViewMemoryDialog_Fill &d) {
                      d.findChild<QRadioButton *>(QStringLiteral("radioButtonLength_"))->click();
                      setText(d, "lineEditLength_", QStringLiteral("0x10"));
                      setText(d, "lineEditEndAddress_", QStringLiteral("0x3000"));
                      setText(d, "lineeditExpression_", QStringLiteral("7"));
                  }),
              1);
    EXPECT_EQ(args.endGiven, 0);
    EXPECT_EQ(args.length, 16);
    EXPECT_EQ(args.end, 0x3000u);
}

TEST_F(FillMemory, ExpressionCopyStaysInTheAgreedBufferAndANullBufferGetsNothing)
{
    FillArguments args;
    EXPECT_EQ(run(args,
                  [](KViewMemoryDialog_Fill &d) {
                      setText(d, "lineeditExpression_", QString(300, QLatin1Char('9')));
                  }),
              1);
    EXPECT_EQ(std::string(args.buffer, 255), std::string(255, '9'));
    EXPECT_EQ(args.buffer[255], '\0');
    EXPECT_EQ(args.buffer[256], 'x') << "written past 256 bytes";

    FillArguments none;
    none.expression = nullptr;
    EXPECT_EQ(
        run(none,
            [](KViewMemoryDialog_Fill &d) {
                setText(d, "lineeditExpression_", QStringLiteral("5"));
                d.findChild<QComboBox *>(QStringLiteral("comboBoxFillSize_"))->setCurrentIndex(3);
            }),
        1);
    EXPECT_EQ(none.expression, nullptr);
    EXPECT_EQ(none.fillSize, 3);
}

TEST_F(FillMemory, CancelAndRefusedEntriesLeaveEveryArgument)
{
    FillArguments args;
    m_answers.click(QStringLiteral("buttonCancel_"));
    EXPECT_EQ(args.call(), 0);
    // No expression: the dialog says so and stays up until cancelled.
    m_answers.answerMessageBoxes(QMessageBox::Ok);
    EXPECT_EQ(run(args, [](KViewMemoryDialog_Fill &) {}), 0);
    FillArguments untouched;
    EXPECT_EQ(args.start, untouched.start);
    EXPECT_EQ(args.end, untouched.end);
    EXPECT_EQ(args.length, untouched.length);
    EXPECT_EQ(args.endGiven, untouched.endGiven);
    EXPECT_EQ(args.fillSize, untouched.fillSize);
    EXPECT_EQ(args.target, untouched.target);
    EXPECT_EQ(args.buffer[0], 'x');
}

} // namespace

namespace {

class FillMemoryWindow : public FrameTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        FrameTest::SetUp();
    }
};

TEST_F(FillMemoryWindow, TheMainWindowClosedUnderTheDialogEndsItAndAnswersNothing)
{
    constexpr TeskHandle kWindow = 0x5310;
    QPointer<MainWindow> window = createFrame("Fill", kWindow);
    ASSERT_FALSE(window.isNull());
    using tesk::system::ModalSeam;
    int requests = 0;
    const ModalSeam::Responder previous =
        ModalSeam::setResponder([&requests](const ModalSeam::Request &request) {
            ++requests;
            QtCloseCode(kWindow);
            // A dialog the closing window does not take along is ended later, so that the
            // test goes on; its answer must still be nothing.
            if (QWidget *dialog = request.widget.data())
                QTimer::singleShot(2000, dialog, [dialog] { dialog->close(); });
        });
    FillArguments args;
    EXPECT_EQ(args.call(), 0);
    ModalSeam::setResponder(previous);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(args.start, 0x1000u);
    EXPECT_EQ(args.length, -7);
    EXPECT_EQ(args.buffer[0], 'x');
    EXPECT_TRUE(testhost::pumpUntil([&] { return window.isNull(); }));
}

} // namespace
