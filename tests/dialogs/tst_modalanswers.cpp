// The test host's modal answers, which every dialog test leans on: a chain of steps through a
// dialog and the error box it raises, and the watchdog that ends a modal left waiting.
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuitextutils.h"
#include "system/modalseam.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QVBoxLayout>

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

using tesk::system::ModalSeam;
using testhost::ModalAnswers;

// A dialog that refuses Apply until a file is named, saying so in a box of its own.
class FileDialog : public QDialog
{
public:
    FileDialog()
    {
        auto *layout = new QVBoxLayout(this);
        m_file = new QLineEdit(this);
        m_file->setObjectName(QStringLiteral("file"));
        layout->addWidget(m_file);
        auto *apply = new QPushButton(QStringLiteral("&Apply"), this);
        layout->addWidget(apply);
        connect(apply, &QPushButton::clicked, this, [this] {
            if (cuiMakeMemoryFileCommand(this, false, 0, QStringLiteral("bin"), m_file->text(),
                                         QString(), false, command))
                accept();
        });
    }
    QString command;

private:
    QLineEdit *m_file;
};

class ModalAnswersTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
};

TEST_F(ModalAnswersTest, StepsChainThroughANestedErrorBox)
{
    ModalAnswers answers;
    answers.click(QStringLiteral("Apply"))
        .click(QStringLiteral("OK"))
        .type(QStringLiteral("file"), QStringLiteral("image.bin"))
        .click(QStringLiteral("Apply"));
    FileDialog dialog;
    EXPECT_EQ(ModalSeam::run(&dialog).code, QDialog::Accepted);
    EXPECT_EQ(dialog.command, QStringLiteral("readfile,bin,gui \"image.bin\""));
    EXPECT_TRUE(answers.allStepsTaken());
    ASSERT_EQ(answers.seen().size(), 2u);
    EXPECT_EQ(answers.seen()[1].text,
              QStringLiteral("Please enter a filename before pressing Apply"));
}

ModalAnswers *g_answers = nullptr;
int g_result = -1;

void runDialogThatStepsLeaveUp()
{
    // A handler that forgets to answer leaves the dialog waiting.
    g_answers->setHandler([](const ModalAnswers::Request &) {});
    QDialog dialog;
    g_result = ModalSeam::run(&dialog).code;
}

TEST_F(ModalAnswersTest, WatchdogEndsAModalLeftWaitingAndFails)
{
    ModalAnswers answers;
    g_answers = &answers;
    EXPECT_NONFATAL_FAILURE(runDialogThatStepsLeaveUp(), "was still waiting 5 s");
    EXPECT_EQ(g_result, QDialog::Rejected);
    g_answers = nullptr;
}

void runDialogAnotherResponderLeavesUp()
{
    // A fixture's own answers, laid over the modal answers, that forget this dialog.
    const ModalSeam::Responder previous =
        ModalSeam::setResponder([](const ModalSeam::Request &) {});
    QDialog dialog;
    g_result = ModalSeam::run(&dialog).code;
    ModalSeam::setResponder(previous);
}

// Long after the answers were made and whoever answers, a dialog left waiting fails the test.
TEST_F(ModalAnswersTest, WatchdogEndsAModalThatAnotherResponderLeftWaiting)
{
    ModalAnswers answers;
    testhost::pumpFor(5500);
    EXPECT_NONFATAL_FAILURE(runDialogAnotherResponderLeavesUp(), "was still waiting 5 s");
    EXPECT_EQ(g_result, QDialog::Rejected);
}

} // namespace

namespace {

TEST(DialogsBeforeStartUp, AnswerAsCancelledWithoutAWindow)
{
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/nostart_child"),
                QStringList());
    ASSERT_TRUE(child.waitForFinished(30000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    EXPECT_EQ(child.readAllStandardOutput().trimmed(), QByteArray("1 2 4 0 0 0 0"));
}

} // namespace
