// The memory file operations dialog.
#include <tesk/tesk_memorydialogs.h>

#include "dialogs/filequestions.h"
#include "dialogs/memoryoperationsdlg.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"

namespace {

MemoryOperationsDlg *memoryOperationsDialog(TeskHandle handle)
{
    return qobject_cast<MemoryOperationsDlg *>(
        tesk::handles::object(reinterpret_cast<const void *>(handle)));
}

template<typename Body>
void withDialog(TeskHandle handle, Body &&body)
{
    if (MemoryOperationsDlg *dialog = memoryOperationsDialog(handle))
        body(*dialog);
}

} // namespace

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
    TESK_GUARDED_VOID([&] { delete memoryOperationsDialog(handle); });
    return 0;
}

void CuiMemoryOperationsDlgSetFileTypeList(TeskHandle handle, const char *list)
{
    TESK_GUARDED_VOID([&] {
        withDialog(handle, [&](MemoryOperationsDlg &d) {
            d.addFileTypes(QString::fromLatin1(list ? list : ""));
        });
    });
}

void CuiMemoryOperationsDlgSetFuncHandler(TeskHandle handle, CuiMemoryOperationsHandlerFn handler)
{
    TESK_GUARDED_VOID(
        [&] { withDialog(handle, [&](MemoryOperationsDlg &d) { d.setFuncHandler(handler); }); });
}

void CuiMemoryOperationsDlgSetVPID(TeskHandle handle, int32_t vpid)
{
    TESK_GUARDED_VOID(
        [&] { withDialog(handle, [&](MemoryOperationsDlg &d) { d.setVpid(vpid); }); });
}

void CuiMemoryOperationsDlgSetHelpId(TeskHandle handle, uint32_t helpId)
{
    TESK_GUARDED_VOID(
        [&] { withDialog(handle, [&](MemoryOperationsDlg &d) { d.setHelpId(helpId); }); });
}
