// The six message and prompt exports as the host calls them: their answers to buttons, Escape
// and the close box, their captions and texts, and prompt suppression.
#include "../frame/services/scopedenv.h"
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/cuimessagebox.h"
#include "frame/core/cuidebuginfo.h"

#include <tesk/tesk_dialogs.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

using testhost::ModalAnswers;

class MessageExports : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    ModalAnswers m_answers;
};

struct Export
{
    const char *name;
    std::function<int()> call;
};

const Export sixExports[] = {
    {"CuiSimpleError", [] { return CuiSimpleError(0, "c", "t"); }},
    {"CuiSimpleInfo", [] { return CuiSimpleInfo(0, "c", "t"); }},
    {"CuiSimpleWarning", [] { return CuiSimpleWarning(0, "c", "t"); }},
    {"CuiSimpleWarningCancel", [] { return CuiSimpleWarningCancel(0, "c", "t"); }},
    {"CuiSimplePrompt", [] { return CuiSimplePrompt(0, "c", "t"); }},
    {"CuiMessagePrompt",
     [] { return CuiMessagePrompt(0, "c", "t", 0, CUI_MB_YES, CUI_MB_NO | CUI_MB_ESCAPE, 0); }},
};

TEST_F(MessageExports, EscapeAndCloseAnswerTheEscapeChoice)
{
    const int expected[] = {1, 1, 1, 2, 4, 4};
    for (int step = 0; step < 2; ++step) {
        for (size_t i = 0; i < std::size(sixExports); ++i) {
            if (step == 0)
                m_answers.escape();
            else
                m_answers.close();
            EXPECT_EQ(sixExports[i].call(), expected[i])
                << sixExports[i].name << (step == 0 ? " Escape" : " close");
            EXPECT_TRUE(m_answers.allStepsTaken()) << sixExports[i].name;
        }
    }
}

TEST_F(MessageExports, ChosenButtonsGiveTheirCodes)
{
    m_answers.click(QStringLiteral("OK"));
    EXPECT_EQ(CuiSimpleWarningCancel(0, "c", "t"), 1);
    m_answers.click(QStringLiteral("Yes"));
    EXPECT_EQ(CuiSimplePrompt(0, "c", "t"), 3);
    m_answers.click(QStringLiteral("Retry"));
    EXPECT_EQ(CuiMessagePrompt(0, "c", "t", 3, CUI_MB_ABORT, CUI_MB_RETRY, CUI_MB_IGNORE), 6);
    // Enter presses the default button.
    m_answers.setHandler([](const ModalAnswers::Request &request) {
        QTest::keyClick(request.widget.data(), Qt::Key_Return);
    });
    EXPECT_EQ(CuiMessagePrompt(0, "c", "t", 0, CUI_MB_YES, CUI_MB_NO | CUI_MB_DEFAULT, 0), 4);
}

TEST_F(MessageExports, CaptionsAndTexts)
{
    CuiSimpleError(0, nullptr, "Target lost");
    ASSERT_EQ(m_answers.seen().size(), 1u);
    EXPECT_EQ(m_answers.seen().back().caption, QStringLiteral("Kestrova Debugger"));
    EXPECT_EQ(m_answers.seen().back().text, QStringLiteral("Target lost"));

    // The toolkit boxes read UTF-8; the library's own box reads the host's Latin-1.
    CuiSimpleInfo(0, "caf\xc3\xa9", "<b>not bold</b>");
    EXPECT_EQ(m_answers.seen().back().caption, QStringLiteral("café"));
    QString caption;
    QString text;
    int icon = -1;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *box = qobject_cast<CuiMessageBox *>(request.widget.data());
        ASSERT_TRUE(box);
        caption = box->windowTitle();
        text = box->findChild<QLabel *>(QStringLiteral("messageBoxText"))->text();
        icon = box->icon();
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        box->reject();
    });
    EXPECT_EQ(CuiMessagePrompt(0, "caf\xe9", "a < b", 4, CUI_MB_OK, 0, 0), 0);
    EXPECT_EQ(caption, QStringLiteral("café"));
    EXPECT_EQ(text, QStringLiteral("a < b"));
    EXPECT_EQ(icon, CuiMessageBox::NoIcon) << "the question icon is not offered";
}

TEST_F(MessageExports, AMegabyteOfTextIsCutWhereTheCutShows)
{
    QByteArray huge;
    while (huge.size() < 1024 * 1024)
        huge += "line of a long host report\n";
    const auto cut = [](const QString &text) {
        return text.size() <= 64 * 1024 + 8 && text.endsWith(QStringLiteral("[...]"));
    };
    CuiSimpleError(0, "c", huge.constData());
    ASSERT_EQ(m_answers.seen().size(), 1u);
    EXPECT_TRUE(cut(m_answers.seen().back().text)) << m_answers.seen().back().text.size();

    QString text;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        text = request.widget->findChild<QLabel *>(QStringLiteral("messageBoxText"))->text();
        qobject_cast<QDialog *>(request.widget.data())->reject();
    });
    CuiMessagePrompt(0, "c", huge.constData(), 1, CUI_MB_OK, 0, 0);
    EXPECT_TRUE(cut(text)) << text.size();

    // UTF-8 is cut before the character the limit would split.
    QByteArray accents("a");
    while (accents.size() < 1024 * 1024)
        accents += "\xc3\xa9";
    m_answers.setHandler(nullptr);
    CuiSimpleWarning(0, "c", accents.constData());
    const QString accented = m_answers.seen().back().text;
    EXPECT_TRUE(cut(accented)) << accented.size();
    EXPECT_FALSE(accented.contains(QChar::ReplacementCharacter));

    // A text just at the limit is whole.
    const QByteArray whole(64 * 1024, 'w');
    m_answers.setHandler(nullptr);
    CuiSimpleInfo(0, "c", whole.constData());
    EXPECT_EQ(m_answers.seen().back().text.size(), 64 * 1024);
}

TEST_F(MessageExports, SuppressedPromptsAskOnlyThroughTheToolkitBoxes)
{
    ScopedEnv suppress("KSODEBUG_SUPPRESS_PROMPTS", "1");
    CuiDebugInfo::reset();
    EXPECT_EQ(CuiMessagePrompt(0, "c", "t", 1, CUI_MB_YES, CUI_MB_NO, 0), 0);
    EXPECT_TRUE(m_answers.seen().empty());
    EXPECT_EQ(CuiSimplePrompt(0, "c", "t"), 4);
    EXPECT_EQ(m_answers.seen().size(), 1u);
    CuiDebugInfo::reset();
}

} // namespace
