// The library's own message box: its button specifiers, its answers to clicks, keys and the
// close box, and its size.
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/cuimessagebox.h"
#include "dialogs/messagepromptdlg.h"
#include "system/modalseam.h"

#include <QPushButton>
#include <QStyle>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using tesk::system::ModalSeam;
using testhost::ModalAnswers;

constexpr int D = CuiMessageBox::Default;
constexpr int E = CuiMessageBox::Escape;

QStringList buttonTexts(const CuiMessageBox &box)
{
    QStringList texts;
    for (int i = 1; i <= 3; ++i) {
        if (auto *button = box.findChild<QPushButton *>(QStringLiteral("button%1").arg(i)))
            texts << button->text();
    }
    return texts;
}

int run(CuiMessageBox &box)
{
    return ModalSeam::run(&box, nullptr, ModalSeam::Kind::MessageBox).code;
}

struct SpecifierCase
{
    int buttonWords[3];
    QStringList texts;
    const char *warning; // nullptr: none
    const char *defaultButton;
};

// Names the case in the test list (instead of the record's bytes).
void PrintTo(const SpecifierCase &c, std::ostream *os)
{
    *os << std::hex << c.buttonWords[0] << "," << c.buttonWords[1] << "," << c.buttonWords[2];
}

class MessageBoxSpecifiers : public ::testing::TestWithParam<SpecifierCase>
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
};

TEST_P(MessageBoxSpecifiers, CorrectsAndReports)
{
    const SpecifierCase &c = GetParam();
    testhost::DebugCapture capture;
    CuiMessageBox box(QString(), QStringLiteral("text"), 0, c.buttonWords[0], c.buttonWords[1],
                      c.buttonWords[2]);
    EXPECT_EQ(buttonTexts(box), c.texts);
    if (c.warning)
        EXPECT_TRUE(capture.contains(c.warning)) << capture.text();
    else
        EXPECT_EQ(capture.text().find("CuiMessageBox:"), std::string::npos) << capture.text();
    if (c.defaultButton) {
        auto *button = box.findChild<QPushButton *>(QString::fromLatin1(c.defaultButton));
        ASSERT_TRUE(button);
        EXPECT_TRUE(button->isDefault());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, MessageBoxSpecifiers,
    ::testing::Values(
        SpecifierCase{{0, 0, 0}, {"OK"}, nullptr, nullptr},
        SpecifierCase{{0, 2, 0}, {"OK"}, "CuiMessageBox: Inconsistent button parameters", nullptr},
        SpecifierCase{{3 | D, 4 | D, 0},
                      {"&Yes", "&No"},
                      "CuiMessageBox: There can be at most one default button",
                      "button1"},
        SpecifierCase{{1, 12, 0}, {"OK", "OK"}, "CuiMessageBox: Invalid button specifier", nullptr},
        SpecifierCase{{1, E, 3},
                      {"OK"},
                      "CuiMessageBox: Inconsistent button parameters; button 3 defined but not "
                      "button 2",
                      nullptr},
        SpecifierCase{{1 | E, 2 | E, 0},
                      {"OK", "Cancel"},
                      "CuiMessageBox: There can be at most one escape button",
                      nullptr},
        SpecifierCase{
            {8, 9 | D, 7}, {"Yes to &All", "N&o to All", "&Ignore"}, nullptr, "button2"}));

class MessageBoxTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    ModalAnswers m_answers;
};

TEST_F(MessageBoxTest, ClickAnswersTheStoredCode)
{
    CuiMessageBox box(QString(), QStringLiteral("Retry?"), 0, 5, 6 | D, 7);
    m_answers.click(QStringLiteral("Retry"));
    EXPECT_EQ(run(box), 6);
    CuiMessageBox plain(QString(), QString(), 0, 0, 0, 0);
    m_answers.click(QStringLiteral("button1"));
    EXPECT_EQ(run(plain), 1);
}

TEST_F(MessageBoxTest, EscapeAndCloseAnswerTheEscapeButtonOrZero)
{
    struct Case
    {
        int buttonWords[3];
        bool close;
        int expected;
    } cases[] = {
        {{3, 4 | E, 0}, true, 4},
        {{3, 4 | E, 0}, false, 4},
        {{3 | D, 4, 0}, true, 0},
        {{3 | D, 4, 0}, false, 0},
        // The escape mark names a slot that holds no button.
        {{1, E, 3}, false, 0},
        {{1, E, 3}, true, 0},
    };
    for (const Case &c : cases) {
        CuiMessageBox box(QString(), QStringLiteral("text"), 0, c.buttonWords[0], c.buttonWords[1],
                          c.buttonWords[2]);
        if (c.close)
            m_answers.close();
        else
            m_answers.escape();
        EXPECT_EQ(run(box), c.expected)
            << c.buttonWords[0] << "," << c.buttonWords[1] << " close " << c.close;
    }
}

TEST_F(MessageBoxTest, MnemonicKeyWithoutAltClicksItsButton)
{
    CuiMessageBox box(QString(), QStringLiteral("Continue?"), 0, 3 | D, 4, 9);
    m_answers.setHandler([](const ModalAnswers::Request &request) {
        QTest::keyClick(request.widget.data(), Qt::Key_O); // "N&o to All"
    });
    EXPECT_EQ(run(box), 9);
}

TEST_F(MessageBoxTest, ButtonTextsByCode)
{
    CuiMessageBox box(QString(), QStringLiteral("text"), 0, 1, 2, 0);
    EXPECT_EQ(box.buttonText(2), QStringLiteral("Cancel"));
    EXPECT_TRUE(box.buttonText(3).isNull());
    box.setButtonText(2, QStringLiteral("Give up now"));
    EXPECT_EQ(box.buttonText(2), QStringLiteral("Give up now"));
    // The buttons share one size, which follows the longest text.
    auto *first = box.findChild<QPushButton *>(QStringLiteral("button1"));
    auto *second = box.findChild<QPushButton *>(QStringLiteral("button2"));
    EXPECT_EQ(first->size(), second->size());
    EXPECT_GE(first->width(), second->sizeHint().width());
}

TEST_F(MessageBoxTest, EmptyMessageGivesButtonsAndBordersOnly)
{
    CuiMessageBox box(QString(), QString(), 0, 1, 0, 0);
    box.show();
    auto *button = box.findChild<QPushButton *>(QStringLiteral("button1"));
    const int bh = button->height();
    int border = bh / 2 - box.style()->pixelMetric(QStyle::PM_ButtonDefaultIndicator);
    if (border <= 0)
        border = 10;
    EXPECT_EQ(box.height(), bh + 2 * border);
    EXPECT_EQ(button->y(), box.height() - border - bh);
    box.hide();
}

TEST_F(MessageBoxTest, PromptDialogTakesItsCodesWhenPolished)
{
    MessagePromptDlg dialog;
    dialog.setIconKind(0);
    dialog.setButton1(3);
    dialog.setButton2(4 | CuiMessageBox::Default);
    dialog.setButton3(0);
    dialog.ensurePolished();
    EXPECT_EQ(dialog.firstPB->text(), QStringLiteral("&Yes"));
    EXPECT_EQ(dialog.secondPB->text(), QStringLiteral("&No"));
    EXPECT_TRUE(dialog.thirdPB->isHidden());
    EXPECT_TRUE(dialog.msgIcon->isHidden());
    m_answers.click(QStringLiteral("secondPB"));
    EXPECT_EQ(ModalSeam::run(&dialog).code, QDialog::Accepted);
}

TEST_F(MessageBoxTest, PromptFormAloneSaysItsSlotsAreMissing)
{
    testhost::DebugCapture capture;
    MessagePromptDlgBase form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Dialog Title"));
    form.thirdPB->click();
    EXPECT_TRUE(capture.contains("MessagePromptDlgBase::button3Slot(): Not implemented yet"));
}

} // namespace
