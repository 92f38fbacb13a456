// Message prompt, a plain message and a question described by the host in records, and a
// host-described find and replace panel.
#include "dialogdemo.h"
#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk.h>

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

namespace demo {

namespace {

struct DialogExports
{
    decltype(&CuiMessagePrompt) messagePrompt;
    decltype(&QtQSDIInitDialog) initDialog;
    decltype(&QtQSDIAddButton) addButton;
    decltype(&QtQSDIAddEvent) addEvent;
    decltype(&QtQSDIAddCallback) addCallback;
    decltype(&QtQSDIAddToggle) addToggle;
    decltype(&QtQSDIInitFindCallback) initFind;
    decltype(&QtQSDIDeleteFindCallback) deleteFind;
    decltype(&QtQSDIExecDialog) execDialog;
    decltype(&QtQSDIDeleteDialog) deleteDialog;
    decltype(&CuiPump) pump;
};

DialogExports g_tesk{};
QSDIFind *g_find = nullptr;

void load(void *library)
{
    DialogExports &t = g_tesk;
    t.messagePrompt = DEMO_RESOLVE(library, CuiMessagePrompt);
    t.initDialog = DEMO_RESOLVE(library, QtQSDIInitDialog);
    t.addButton = DEMO_RESOLVE(library, QtQSDIAddButton);
    t.addEvent = DEMO_RESOLVE(library, QtQSDIAddEvent);
    t.addCallback = DEMO_RESOLVE(library, QtQSDIAddCallback);
    t.addToggle = DEMO_RESOLVE(library, QtQSDIAddToggle);
    t.initFind = DEMO_RESOLVE(library, QtQSDIInitFindCallback);
    t.deleteFind = DEMO_RESOLVE(library, QtQSDIDeleteFindCallback);
    t.execDialog = DEMO_RESOLVE(library, QtQSDIExecDialog);
    t.deleteDialog = DEMO_RESOLVE(library, QtQSDIDeleteDialog);
    t.pump = DEMO_RESOLVE(library, CuiPump);
}

// The button Enter would press: found whatever language the box speaks.
QPushButton *defaultButton(QWidget *window)
{
    for (QPushButton *button : window->findChildren<QPushButton *>()) {
        if (button->isDefault())
            return button;
    }
    return nullptr;
}

// A host-described dialog's button by the code the host gave it: its text is in the user's
// language, the code is the same in all of them.
QAbstractButton *buttonWithCode(QWidget *window, int code)
{
    const auto *group = window->findChild<QButtonGroup *>();
    return group ? group->button(code) : nullptr;
}

std::string textOf(const uint32_t *units, int length)
{
    std::string text;
    for (int i = 0; i < length; ++i)
        text += units[i] < 0x80 ? char(units[i]) : '?';
    return text;
}

// What each of the panel's search buttons asks the host (an editor) to do.
std::string askedFor(const QSDIFind &find)
{
    const std::string what = '"' + textOf(find.findBuffer, find.findLength) + '"';
    const std::string with = '"' + textOf(find.replaceBuffer, find.replaceLength) + '"';
    switch (find.lastEvent) {
    case 19:
        return "find " + what;
    case 20:
        return "replace " + what + " where found with " + with;
    case 23:
        return "find " + what + ", then replace it with " + with;
    case 24:
        return "replace " + what + " where found with " + with + ", then find the next";
    case 25:
        return "replace every " + what + " with " + with;
    default:
        return "event " + std::to_string(find.lastEvent) + " for " + what;
    }
}

void onFind(void *data)
{
    const auto *find = static_cast<const QSDIFind *>(data);
    std::printf("host: find panel event %d: %s, options %#x\n", find->lastEvent,
                askedFor(*find).c_str(), find->options);
}

void askPrompt(const std::string &screenshotDir, bool interactive)
{
    if (!interactive) {
        // Nobody is there to answer: the demo looks at the box and answers it.
        QTimer::singleShot(200, [screenshotDir] {
            QWidget *box = QApplication::activeModalWidget();
            if (!box)
                return;
            saveScreenshot(box, screenshotDir, "messagebox.png");
            // Retry is the prompt's default answer.
            if (QPushButton *retry = defaultButton(box))
                retry->click();
        });
    }
    const int answer = g_tesk.messagePrompt(
        0, "Download", "The target did not answer while loading the image.\nTry again?", 2,
        CUI_MB_ABORT | CUI_MB_ESCAPE, CUI_MB_RETRY | CUI_MB_DEFAULT, CUI_MB_IGNORE);
    std::printf("host: the prompt answered %d\n", answer);
}

// Nobody is there to answer: once the dialog is up, the demo does what a user would, takes its
// picture and presses the button.
void pressLater(const std::string &screenshotDir, const char *picture, int button,
                std::function<void(QWidget *)> answer = nullptr)
{
    QTimer::singleShot(200, [=] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        if (answer)
            answer(dialog);
        saveScreenshot(dialog, screenshotDir, picture);
        if (QAbstractButton *end = buttonWithCode(dialog, button))
            end->click();
    });
}

void showHostMessage(const std::string &screenshotDir, bool interactive)
{
    QSDIDescription *description = nullptr;
    if (g_tesk.initDialog(&description, QSDI_KIND_PLAIN, 1, QSDI_MODE_MODAL, 0, 0)) {
        std::printf("host: no message (out of memory)\n");
        return;
    }
    description->texts->caption = "Target Reset";
    description->texts->message = "Core A was reset by its watchdog.\n"
                                  "Its program counter is back at the reset vector.";
    g_tesk.addButton(description, nullptr, 11, QSDI_ROLE_ACCEPT);
    if (!interactive)
        pressLater(screenshotDir, "hostmessage.png", 11);
    const int answer = g_tesk.execDialog(description);
    g_tesk.deleteDialog(description);
    std::printf("host: the host-described message answered %d\n", answer);
}

void askHostQuestion(const std::string &screenshotDir, bool interactive)
{
    QSDIDescription *description = nullptr;
    if (g_tesk.initDialog(&description, QSDI_KIND_QUESTION, 2, QSDI_MODE_MODAL, 0, 0) ||
        g_tesk.addToggle(description, "Always use software breakpoints here", 0, 0)) {
        std::printf("host: no question (out of memory)\n");
        return;
    }
    description->texts->caption = "Hardware Breakpoints";
    description->texts->message = "All four hardware breakpoints of core A are in use.\n"
                                  "Set a software breakpoint instead?";
    // Yes and No end the dialog with their own codes.
    g_tesk.addButton(description, nullptr, 13, QSDI_ROLE_END);
    g_tesk.addButton(description, nullptr, 14, QSDI_ROLE_END);
    auto *toggle = static_cast<QSDIToggle *>(description->control);
    if (!interactive)
        pressLater(screenshotDir, "hostquestion.png", 13, [](QWidget *dialog) {
            if (auto *always = dialog->findChild<QCheckBox *>())
                always->click();
        });
    const int answer = g_tesk.execDialog(description);
    g_tesk.deleteDialog(description);
    std::printf("host: the host-described question answered %d (%s), always: %d\n", answer,
                answer == 13   ? "Yes"
                : answer == 14 ? "No"
                               : "closed",
                toggle->state);
    // The toggle record is the host's once no dialog uses it.
    std::free(toggle->text);
    std::free(toggle);
}

void leaveFindPanelUp(const std::string &screenshotDir, bool interactive)
{
    QSDIDescription *description = nullptr;
    // One find record for the run: a panel opened again from the menu shares it.
    if ((!g_find && g_tesk.initFind(&g_find, 0, QSDI_FIND_STOP_AT_END)) ||
        g_tesk.initDialog(&description, QSDI_KIND_FIND_REPLACE, 0, QSDI_MODE_MODELESS, 2020, 0)) {
        std::printf("host: no find panel (out of memory)\n");
        return;
    }
    // Every search button of the panel calls the host back: Find, Replace, Find-Rep, Rep-Find
    // and Replace All.
    for (const int event : {19, 20, 23, 24, 25})
        g_tesk.addEvent(description, event);
    g_tesk.addButton(description, nullptr, 21, QSDI_ROLE_REJECT);
    g_tesk.addCallback(description, &onFind, g_find);
    g_tesk.execDialog(description);
    // The panel no longer needs the description; the find record stays while it is up.
    g_tesk.deleteDialog(description);
    std::printf("host: find panel up: %s\n", g_find->open ? "yes" : "no");
    for (int i = 0; i < 20; ++i)
        g_tesk.pump();
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != QLatin1String("SimpleDialog") || !widget->isVisible())
            continue;
        if (!interactive) {
            if (auto *edit = widget->findChild<QLineEdit *>(QStringLiteral("FindEditBox")))
                edit->setText(QStringLiteral("uart_init"));
            if (QAbstractButton *find = buttonWithCode(widget, 19))
                find->click();
        }
        saveScreenshot(widget, screenshotDir, "findreplace.png");
    }
}

} // namespace

void runDialogDemo(void *library, const std::string &screenshotDir, bool interactive)
{
    load(library);
    askPrompt(screenshotDir, interactive);
    showHostMessage(screenshotDir, interactive);
    askHostQuestion(screenshotDir, interactive);
    leaveFindPanelUp(screenshotDir, interactive);
}

void finishDialogDemo()
{
    if (g_find)
        std::printf("host: the find panel was %s at the end\n", g_find->open ? "up" : "closed");
    if (g_find)
        g_tesk.deleteFind(g_find);
    g_find = nullptr;
}

} // namespace demo
