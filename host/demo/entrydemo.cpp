// A check list, a text entry, a number, a directory, a line to go to, a source file that was not
// found, the user's contact details and the about box, each answered by the user or by the
// demo.
#include "entrydemo.h"
#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QTreeWidget>

#include <cstdio>
#include <functional>
#include <string>

namespace demo {

namespace {

struct EntryExports
{
    decltype(&CuiSimpleList) simpleList;
    decltype(&CuiSimpleEntry) simpleEntry;
    decltype(&CuiSimpleEntryInteger) entryInteger;
    decltype(&CuiSimpleDir) simpleDir;
    decltype(&CuiSimpleAbout) simpleAbout;
    decltype(&CuiGotoLineDialog) gotoLine;
    decltype(&CuiGetSourceLocation) sourceLocation;
    decltype(&CuiGetUserInformation) userInformation;
};

EntryExports g_tesk{};

// Nobody is there to answer: once the dialog is up, the demo does what a user would and
// takes its picture.
void answerLater(bool interactive, const std::string &screenshotDir, const char *screenshot,
                 std::function<void(QWidget *)> answer)
{
    if (!interactive)
        answerModalLater(screenshotDir, screenshot, {"okPB", "okButton"}, std::move(answer));
}

// The same for a dialog of the toolkit's own, which the demo accepts itself.
void acceptLater(bool interactive, std::function<void(QDialog *)> answer)
{
    if (interactive)
        return;
    QTimer::singleShot(200, [answer] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        answer(dialog);
        dialog->accept();
    });
}

void askCoreCount(bool interactive)
{
    acceptLater(interactive, [](QDialog *dialog) {
        if (auto *spin = dialog->findChild<QSpinBox *>())
            spin->setValue(3);
    });
    int32_t cores = 2;
    const int answer = g_tesk.entryInteger(0, "Start Cores", "How many cores start with core A?", 2,
                                           1, 1, 4, &cores);
    std::printf("host: the number entry answered %d with %d cores\n", answer, cores);
}

void askDirectory(bool interactive)
{
    const QString chosen = QDir::tempPath();
    acceptLater(interactive, [chosen](QDialog *dialog) {
        if (auto *files = qobject_cast<QFileDialog *>(dialog))
            files->setDirectory(chosen);
    });
    char buffer[1024] = {};
    const int answer = g_tesk.simpleDir(0, "Trace Output Folder", nullptr, sizeof buffer, buffer);
    std::printf("host: the directory question answered %d with \"%s\"\n", answer,
                answer == 0 ? buffer : "");
}

void askCores(const std::string &screenshotDir, bool interactive)
{
    answerLater(interactive, screenshotDir, "listselection.png", [](QWidget *dialog) {
        if (auto *list = dialog->findChild<QTreeWidget *>(QStringLiteral("itemsLV")))
            list->topLevelItem(2)->setCheckState(0, Qt::Checked);
    });
    int positions[4] = {};
    int count = 0;
    const int answer = g_tesk.simpleList(
        0, "Synchronise Cores", "Tick the cores that run & stop together:",
        "=Core A (ARM)\n=Core B (ARM)\nCore C (DSP)\nCore D (DSP)\n", positions, 4, &count, 1, 0);
    std::printf("host: the check list answered %d with %d cores ticked:", answer, count);
    for (int i = 0; i < count; ++i)
        std::printf(" %d", positions[i]);
    std::printf("\n");
}

void askPeriod(const std::string &screenshotDir, bool interactive)
{
    answerLater(interactive, screenshotDir, "entry.png", [](QWidget *dialog) {
        if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("valueEF")))
            edit->setText(QStringLiteral("250 ms"));
    });
    char buffer[32] = {};
    const int answer =
        g_tesk.simpleEntry(0, "Timed Update", "Update the memory view every:", "500 ms", buffer,
                           sizeof buffer, nullptr, 0);
    std::printf("host: the entry answered %d with \"%s\"\n", answer, buffer);
}

void askLine(const std::string &screenshotDir, bool interactive)
{
    answerLater(interactive, screenshotDir, "gotoline.png", [](QWidget *dialog) {
        if (auto *line = dialog->findChild<QSpinBox *>(QStringLiteral("lineEF")))
            line->setValue(120);
    });
    int32_t line = 1;
    const int answer = g_tesk.gotoLine(0, &line, 412);
    std::printf("host: go to line answered %d with line %d of 412\n", answer, line);
}

void askSourceLocation(const std::string &screenshotDir, bool interactive)
{
    if (!interactive)
        answerModalLater(screenshotDir, "sourcelocation.png", {"retryPB"}, [](QWidget *dialog) {
            if (auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("valueEF")))
                edit->setText(QStringLiteral("/src/board/uart.c"));
        });
    char buffer[256] = {};
    const int answer =
        g_tesk.sourceLocation(0, nullptr, nullptr, "uart.c", buffer, sizeof buffer - 1);
    std::printf("host: the source location answered %d with \"%s\"\n", answer, buffer);
}

// The library merges the details into a copy of the host's report template.
void askUserInformation(const std::string &screenshotDir, bool interactive)
{
    QTemporaryDir dir;
    const QString templatePath = dir.filePath(QStringLiteral("report-template.txt"));
    const QString outputPath = dir.filePath(QStringLiteral("report.txt"));
    QFile templateFile(templatePath);
    if (!dir.isValid() || !templateFile.open(QIODevice::WriteOnly)) {
        std::printf("host: no place for the report template\n");
        return;
    }
    templateFile.write("Problem report\n  Name: \n  Company: \n  Phone: \n  Address: \n"
                       "  Address: \n  City: \n  State: \n  ZIP: \n  E-Mail: \n");
    templateFile.close();
    answerLater(interactive, screenshotDir, "userinformation.png", [](QWidget *dialog) {
        const char *const fields[][2] = {
            {"nameEF", "Demo User"}, {"companyEF", "Demo Works"}, {"emailEF", "demo@example.org"}};
        for (const auto &field : fields) {
            if (auto *edit = dialog->findChild<QLineEdit *>(QLatin1String(field[0])))
                edit->setText(QLatin1String(field[1]));
        }
    });
    const int answer = g_tesk.userInformation(0, qPrintable(templatePath), qPrintable(outputPath));
    std::printf("host: the user information answered %d\n", answer);
    QFile output(outputPath);
    if (answer == 1 && output.open(QIODevice::ReadOnly)) {
        for (int i = 0; i < 4 && !output.atEnd(); ++i)
            std::printf("host:   report: %s", output.readLine().constData());
    }
}

void showAbout(const std::string &screenshotDir, bool interactive)
{
    answerLater(interactive, screenshotDir, "about.png", [](QWidget *) {});
    g_tesk.simpleAbout("Demo host 1.0 (build 42)", "Simulated target by the demo host", nullptr,
                       "Connected to the simulated target.\nCores: A, B (ARM), C, D (DSP)");
    std::printf("host: the about box was closed\n");
}

} // namespace

void runEntryDemo(void *library, const std::string &screenshotDir, bool interactive)
{
    g_tesk.simpleList = DEMO_RESOLVE(library, CuiSimpleList);
    g_tesk.simpleEntry = DEMO_RESOLVE(library, CuiSimpleEntry);
    g_tesk.entryInteger = DEMO_RESOLVE(library, CuiSimpleEntryInteger);
    g_tesk.simpleDir = DEMO_RESOLVE(library, CuiSimpleDir);
    g_tesk.simpleAbout = DEMO_RESOLVE(library, CuiSimpleAbout);
    g_tesk.gotoLine = DEMO_RESOLVE(library, CuiGotoLineDialog);
    g_tesk.sourceLocation = DEMO_RESOLVE(library, CuiGetSourceLocation);
    g_tesk.userInformation = DEMO_RESOLVE(library, CuiGetUserInformation);
    askCores(screenshotDir, interactive);
    askPeriod(screenshotDir, interactive);
    askCoreCount(interactive);
    askDirectory(interactive);
    askLine(screenshotDir, interactive);
    askSourceLocation(screenshotDir, interactive);
    askUserInformation(screenshotDir, interactive);
    showAbout(screenshotDir, interactive);
}

} // namespace demo
