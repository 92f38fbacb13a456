// A check list, a text entry and the about box, each answered by the user or by the demo.
#include "entrydemo.h"
#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QLineEdit>
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
    decltype(&CuiSimpleAbout) simpleAbout;
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
    g_tesk.simpleAbout = DEMO_RESOLVE(library, CuiSimpleAbout);
    askCores(screenshotDir, interactive);
    askPeriod(screenshotDir, interactive);
    showAbout(screenshotDir, interactive);
}

} // namespace demo
