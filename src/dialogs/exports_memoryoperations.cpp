// The memory file operations dialog.
#include <tesk/tesk_memorydialogs.h>

#include "dialogs/dialogtext.h"
#include "dialogs/filequestions.h"
#include "dialogs/memoryoperationsdlg.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "system/lifetime.h"

using Dialog = MemoryOperationsDlg;

TeskHandle CuiMemoryOperationsDlgCreate(TeskHandle parent)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        if (!tesk::applicationExists())
            return TeskHandle(0);
        auto *dialog = new MemoryOperationsDlg(tesk::dialogs::dialogParent(parent));
        return reinterpret_cast<TeskHandle>(tesk::handles::add(dialog));
    });
}

int CuiMemoryOperationsDlgDestroy(TeskHandle handle)
{
    // The host may destroy the dialog from inside its own handler or its loop.
    TESK_ON_LIVE_VOID(Dialog, handle, [](Dialog &d) { tesk::lifetime::destroy(&d); });
    return 0;
}

void CuiMemoryOperationsDlgSetFileTypeList(TeskHandle handle, const char *list)
{
    TESK_ON_LIVE_VOID(Dialog, handle,
                      [&](Dialog &d) { d.addFileTypes(tesk::dialogs::dialogListLatin1(list)); });
}

void CuiMemoryOperationsDlgSetFuncHandler(TeskHandle handle, CuiMemoryOperationsHandlerFn handler)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) { d.setFuncHandler(handler); });
}

void CuiMemoryOperationsDlgSetVPID(TeskHandle handle, int32_t vpid)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) { d.setVpid(vpid); });
}

void CuiMemoryOperationsDlgSetHelpId(TeskHandle handle, uint32_t helpId)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) { d.setHelpId(helpId); });
}
