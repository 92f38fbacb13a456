// Calls the dialog exports of a library the host has not started: no window can be made, so
// each must answer as if cancelled instead of ending the process.
#include "sanitizerdefaults.h"

#include <tesk/tesk_dialogs.h>

#include <cstdio>

int main()
{
    QSDIDescription *description = nullptr;
    QtQSDIInitDialog(&description, QSDI_KIND_PLAIN, 0, QSDI_MODE_MODAL, 0, 0);
    std::printf("%d %d %d %d %d %d %d\n", CuiSimpleError(0, "c", "t"),
                CuiSimpleWarningCancel(0, "c", "t"), CuiSimplePrompt(0, "c", "t"),
                CuiMessagePrompt(0, "c", "t", 1, CUI_MB_YES, CUI_MB_NO, 0),
                QtQSDIExecDialog(description), CuiDoModal(description), CuiDialogExec(nullptr));
    QtSetModalDialogShown(1);
    QtQSDIDeleteDialog(description);
    return 0;
}
