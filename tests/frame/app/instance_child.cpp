// A second instance of the library, started by the single-instance tests: it answers the
// another-copy question as told by its first argument ("yes" or "no"), starts with the command
// line of its second argument, if any, and prints what it saw. Given a third argument, a file,
// it says "waiting", starts once the file is there (so that several start at the same moment)
// and, started, stays findable until its input closes. Given a fourth argument, a file, the start
// ends (as a host's run does), it says "between", and once the file is there it starts again
// within the same load and prints what that start saw. With TESK_TEST_AS_PLAIN_USER set it meets
// read-only files as a user does, also as root.
#include "asplainuser.h"
#include "modalanswers.h"
#include "objectinspector/childloopend.h"
#include "sanitizerdefaults.h"
#include "testhost.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QStyle>
#include <QThread>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstring>
#include <string>

int main(int argc, char **argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (!testfiles::dropPermissionOverrideWhenAsked()) {
        std::printf("plainuser=no\n");
        return 0;
    }
    const bool yes = argc > 1 && !std::strcmp(argv[1], "yes");
    testhost::ModalAnswers answers;
    answers.answerMessageBoxes(yes ? QMessageBox::Yes : QMessageBox::No);
    // The look the question is shown in, before the answers take it.
    QString questionStyle;
    using tesk::system::ModalSeam;
    ModalSeam::Responder answer = ModalSeam::setResponder(nullptr);
    ModalSeam::setResponder([&](const ModalSeam::Request &request) {
        if (request.widget)
            questionStyle = request.widget->style()->name();
        answer(request);
    });
    std::string commandLine = argc > 2 ? argv[2] : "";
    const bool together = argc > 3;
    if (together) {
        std::printf("waiting\n");
        std::fflush(stdout);
        const QString go = QString::fromLocal8Bit(argv[3]);
        QDeadlineTimer deadline(60000);
        while (!QFile::exists(go) && !deadline.hasExpired())
            QThread::usleep(100);
    }
    const int result = CuiQtInit_WinEx("instance_child", commandLine.data());
    std::printf("result=%d\n", result);
    std::printf("questions=%zu\n", answers.seen().size());
    for (const auto &seen : answers.seen())
        std::printf("caption=%s\ntext=%s\n", qPrintable(seen.caption), qPrintable(seen.text));
    std::printf("application=%s\n", CuiGetQtApp() ? "yes" : "no");
    std::printf("questionstyle=%s\n", qPrintable(questionStyle));
    std::fflush(stdout);
    if (argc > 4 && result == 1) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        CuiRun();
        std::printf("between\n");
        std::fflush(stdout);
        const QString again = QString::fromLocal8Bit(argv[4]);
        QDeadlineTimer deadline(60000);
        while (!QFile::exists(again) && !deadline.hasExpired())
            QThread::usleep(100);
        const size_t asked = answers.seen().size();
        const int restarted = CuiQtInit_WinEx("instance_child", commandLine.data());
        std::printf("restart=%d\nrestartquestions=%zu\n", restarted, answers.seen().size() - asked);
        std::fflush(stdout);
        if (restarted != 1)
            return 0;
    }
    if (together && result == 1) {
        // The others started at the same moment may still be checking: greet them.
        endLoopWhenInputCloses();
        QCoreApplication::exec();
    }
    return 0;
}
