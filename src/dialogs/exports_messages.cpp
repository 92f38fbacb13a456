// Message boxes and prompts for the host.
#include "dialogs/cuisimpledlgs.h"
#include "frame/core/exportguard.h"

#include <tesk/tesk_dialogs.h>

using tesk::dialogs::runToolkitBox;

int CuiSimpleError(int32_t, const char *caption, const char *text)
{
    return TESK_GUARDED(1, [&] {
        runToolkitBox(QMessageBox::Critical, caption, text, QMessageBox::Ok, QMessageBox::Ok,
                      QMessageBox::Ok);
        return 1;
    });
}

int CuiSimpleInfo(int32_t, const char *caption, const char *text)
{
    return TESK_GUARDED(1, [&] {
        runToolkitBox(QMessageBox::Information, caption, text, QMessageBox::Ok, QMessageBox::Ok,
                      QMessageBox::Ok);
        return 1;
    });
}

int CuiSimpleWarning(int32_t, const char *caption, const char *text)
{
    return TESK_GUARDED(1, [&] {
        runToolkitBox(QMessageBox::Warning, caption, text, QMessageBox::Ok, QMessageBox::Ok,
                      QMessageBox::Ok);
        return 1;
    });
}

int CuiSimpleWarningCancel(int32_t, const char *caption, const char *text)
{
    return TESK_GUARDED(2, [&] {
        return runToolkitBox(QMessageBox::Warning, caption, text,
                             QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Ok,
                             QMessageBox::Cancel) == QMessageBox::Ok
                   ? 1
                   : 2;
    });
}

int CuiSimplePrompt(int32_t, const char *caption, const char *text)
{
    return TESK_GUARDED(4, [&] {
        return runToolkitBox(QMessageBox::Question, caption, text,
                             QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
                             QMessageBox::No) == QMessageBox::Yes
                   ? 3
                   : 4;
    });
}

int CuiMessagePrompt(int32_t, const char *caption, const char *text, int32_t icon, int32_t button0,
                     int32_t button1, int32_t button2)
{
    return TESK_GUARDED(0, [&] {
        return tesk::dialogs::messagePrompt(caption, text, icon, button0, button1, button2);
    });
}
