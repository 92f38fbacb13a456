// CuiGetSourceLocation: Retry and a browse pick hand the name back by the rule of strncpy,
// Cancel leaves the buffer, and the texts the host may leave out keep the dialog's own.
#include "../frame/services/scopedenv.h"
#include "filedialoganswers.h"
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/sourcelocationdlg.h"
#include "frame/core/cuidebuginfo.h"

#include <tesk/tesk_dialogs.h>

#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

using testhost::ModalAnswers;

class SourceLocation : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    void SetUp() override { std::memset(m_buffer, 'x', sizeof m_buffer); }

    ModalAnswers m_answers;
    char m_buffer[16];
};

TEST_F(SourceLocation, RetryCopiesTheNameAsStrncpyDoes)
{
    struct Case
    {
        const char *typed;
        int size;
        QByteArray expected; // the first size bytes
    };
    const Case cases[] = {
        {"", 6, QByteArray(6, '\0')},
        {"a.c", 6, QByteArray("a.c\0\0\0", 6)},
        {"main.c", 6, "main.c"},
        {"module.c", 6, "module"},
    };
    for (const Case &c : cases) {
        std::memset(m_buffer, 'x', sizeof m_buffer);
        m_answers.type(QStringLiteral("valueEF"), QString::fromLatin1(c.typed))
            .click(QStringLiteral("retryPB"));
        EXPECT_EQ(CuiGetSourceLocation(0, nullptr, nullptr, "old.c", m_buffer, c.size), 1);
        EXPECT_EQ(QByteArray(m_buffer, c.size), c.expected) << c.typed;
        EXPECT_EQ(m_buffer[c.size], 'x') << c.typed << ": written past size";
    }
}

TEST_F(SourceLocation, CancelEscapeCloseAndSuppressionLeaveTheBuffer)
{
    m_answers.click(QStringLiteral("cancelPB"));
    EXPECT_EQ(CuiGetSourceLocation(0, "c", "m", "f.c", m_buffer, 8), 0);
    m_answers.escape();
    EXPECT_EQ(CuiGetSourceLocation(0, "c", "m", "f.c", m_buffer, 8), 0);
    m_answers.close();
    EXPECT_EQ(CuiGetSourceLocation(0, "c", "m", "f.c", m_buffer, 8), 0);
    EXPECT_EQ(m_answers.seen().size(), 3u);

    EXPECT_EQ(CuiGetSourceLocation(0, "c", "m", "f.c", nullptr, 8), 0);
    EXPECT_EQ(CuiGetSourceLocation(0, "c", "m", "f.c", m_buffer, 0), 0);
    {
        ScopedEnv suppress("KSODEBUG_SUPPRESS_PROMPTS", "1");
        CuiDebugInfo::reset();
        EXPECT_EQ(CuiGetSourceLocation(0, "c", "m", "f.c", m_buffer, 8), 0);
    }
    CuiDebugInfo::reset();
    EXPECT_EQ(m_answers.seen().size(), 3u) << "a window without a buffer or while suppressed";
    EXPECT_EQ(m_buffer[0], 'x');
}

TEST_F(SourceLocation, BrowsePickAnswersAtOnce)
{
    QTemporaryDir dir;
    QFile(dir.filePath(QStringLiteral("main.c"))).open(QIODevice::WriteOnly);
    bool square = false;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        if (auto *files = qobject_cast<QFileDialog *>(request.widget.data())) {
            testhost::chooseFiles(files, dir.path(), {QStringLiteral("main.c")});
            return;
        }
        auto *dialog = qobject_cast<SourceLocationDlg *>(request.widget.data());
        ASSERT_TRUE(dialog);
        square = dialog->browsePB->width() == dialog->browsePB->height();
        dialog->browsePB->click();
    });
    char name[256];
    EXPECT_EQ(CuiGetSourceLocation(0, nullptr, nullptr, nullptr, name, sizeof name), 1);
    EXPECT_EQ(QString::fromUtf8(name), dir.filePath(QStringLiteral("main.c")));
    EXPECT_TRUE(square) << "the browse button has no text";
}

TEST_F(SourceLocation, TextsGivenOrTheDialogsOwn)
{
    QString caption;
    QString message;
    QString file;
    m_answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<SourceLocationDlg *>(request.widget.data());
        ASSERT_TRUE(dialog);
        caption = dialog->windowTitle();
        message = dialog->msgLBL->text();
        file = dialog->fileName();
        EXPECT_EQ(dialog->msgLBL->textFormat(), Qt::PlainText);
        dialog->reject();
    });
    CuiGetSourceLocation(0, nullptr, nullptr, nullptr, m_buffer, 8);
    EXPECT_EQ(caption, QStringLiteral("Source File Location"));
    EXPECT_TRUE(message.startsWith(QStringLiteral("Source File not found.")))
        << qPrintable(message);
    EXPECT_EQ(file, QString());

    CuiGetSourceLocation(0, "Fichier \xe9", "<b>gone</b>", "caf\xe9.c", m_buffer, 8);
    EXPECT_EQ(caption, QString::fromUtf8("Fichier é"));
    EXPECT_EQ(message, QStringLiteral("<b>gone</b>"));
    EXPECT_EQ(file, QString::fromUtf8("café.c"));
}

} // namespace
