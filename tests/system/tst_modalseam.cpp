// Modal interactions run through one seam that tests answer from inside the modal loop.
#include "modalanswers.h"
#include "testhost.h"

#include "system/modalseam.h"

#include <QDialog>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using tesk::system::ModalSeam;

TEST(ModalSeam, MessageBoxAnswerAndWhatTheUserSaw)
{
    testhost::ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Yes);
    EXPECT_EQ(ModalSeam::messageBox(nullptr, QMessageBox::Question, QStringLiteral("Prompt"),
                                    QStringLiteral("Continue?"), QMessageBox::Yes | QMessageBox::No,
                                    QMessageBox::No),
              QMessageBox::Yes);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_EQ(answers.seen()[0].kind, ModalSeam::Kind::MessageBox);
    EXPECT_EQ(answers.seen()[0].caption, QStringLiteral("Prompt"));
    EXPECT_EQ(answers.seen()[0].text, QStringLiteral("Continue?"));
}

TEST(ModalSeam, DialogsAndMenusReachTheResponder)
{
    testhost::ModalAnswers answers;
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Options"));
    answers.setHandler([](const ModalSeam::Request &request) {
        if (auto *d = qobject_cast<QDialog *>(request.widget.data()))
            d->accept();
    });
    EXPECT_EQ(ModalSeam::run(&dialog).code, QDialog::Accepted);

    QMenu menu;
    menu.addAction(QStringLiteral("First"));
    QAction *second = menu.addAction(QStringLiteral("Second"));
    answers.setHandler([second](const ModalSeam::Request &request) {
        auto *m = qobject_cast<QMenu *>(request.widget.data());
        ASSERT_NE(m, nullptr);
        m->setActiveAction(second);
        QTest::keyClick(m, Qt::Key_Return);
    });
    EXPECT_EQ(ModalSeam::runMenu(&menu, QPoint(10, 10)).chosen, second);
    EXPECT_EQ(answers.seen().size(), 2u);
}
