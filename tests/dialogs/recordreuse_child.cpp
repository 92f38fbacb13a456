// Frees the find record and the toggle record of dialogs left up and makes new records, which an
// allocator that keeps nothing back puts at the freed addresses: the old dialogs must take the
// new records for none of their own. Prints a word per record: "kept" when the new record was
// left alone, "written" when an old dialog wrote into it, "moved" when it landed elsewhere.
#include "sanitizerdefaults.h"
#include "testhost.h"

#include <tesk/tesk_dialogs.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>

#include <cstdio>
#include <cstdlib>

// Freed memory is handed out again at once, as the C library's own allocator does.
extern "C" __attribute__((visibility("default"), used)) const char *__asan_default_options()
{
    return "quarantine_size_mb=0:thread_local_quarantine_size_kb=0";
}

namespace {

void noCallback(void *) {}

// Shows a dialog left up; the description goes at once, as the dialog no longer reads it.
QDialog *showLeftUp(QSDIDescription *description)
{
    QtQSDIExecDialog(description);
    QtQSDIDeleteDialog(description);
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        auto *dialog = qobject_cast<QDialog *>(widget);
        if (dialog && dialog->objectName() == QLatin1String("SimpleDialog") && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

const char *findCase()
{
    QSDIFind *first = nullptr;
    QtQSDIInitFindCallback(&first, 0, 0);
    QSDIDescription *description = nullptr;
    QtQSDIInitDialog(&description, QSDI_KIND_FIND_REPLACE, 0, QSDI_MODE_MODELESS, 0, 0);
    QtQSDIAddCallback(description, &noCallback, first);
    QtQSDIAddEvent(description, 19);
    QDialog *panel = showLeftUp(description);
    QtQSDIDeleteFindCallback(first);
    QSDIFind *second = nullptr;
    QtQSDIInitFindCallback(&second, 0, 0);
    if (second != first || !panel) {
        QtQSDIDeleteFindCallback(second);
        return "moved";
    }
    second->open = 1; // as a second panel would have it
    for (QAbstractButton *button : panel->findChildren<QAbstractButton *>())
        button->click();
    panel->close();
    const bool kept = second->open == 1 && second->lastEvent == 0 && second->options == 0;
    QtQSDIDeleteFindCallback(second);
    return kept ? "kept" : "written";
}

const char *toggleCase()
{
    QSDIDescription *description = nullptr;
    QtQSDIInitDialog(&description, QSDI_KIND_QUESTION, 0, QSDI_MODE_MODELESS, 0, 0);
    QtQSDIAddToggle(description, "first", 0, 0);
    auto *first = static_cast<QSDIToggle *>(description->control);
    QDialog *question = showLeftUp(description);
    // The next description first, so that the new toggle is the next record made.
    QtQSDIInitDialog(&description, QSDI_KIND_QUESTION, 0, QSDI_MODE_MODELESS, 0, 0);
    free(first->text);
    free(first);
    QtQSDIAddToggle(description, "second", 0, 0);
    auto *second = static_cast<QSDIToggle *>(description->control);
    QtQSDIDeleteDialog(description);
    if (second != first || !question) {
        free(second->text);
        free(second);
        return "moved";
    }
    question->findChild<QCheckBox *>()->click();
    const bool kept = second->state == 0;
    question->close();
    free(second->text);
    free(second);
    return kept ? "kept" : "written";
}

} // namespace

int main()
{
    testhost::startLibrary();
    const char *find = findCase();
    const char *toggle = toggleCase();
    std::printf("find %s toggle %s\n", find, toggle);
    return 0;
}
