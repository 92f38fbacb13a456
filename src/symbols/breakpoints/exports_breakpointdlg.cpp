// The breakpoint dialog's exports: create, destroy and the setters the host calls before
// running it.
#include <tesk/tesk_breakpoints.h>

#include "dialogs/filequestions.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "symbols/breakpoints/breakpointdlg.h"
#include "symbols/breakpoints/breakpointhandles.h"

namespace {

BreakpointDlg *liveDialog(TeskHandle handle)
{
    return qobject_cast<BreakpointDlg *>(
        tesk::handles::object(reinterpret_cast<const void *>(handle)));
}

// Runs the body on a live dialog; a dead or foreign handle does nothing.
template<typename Body>
void withDialog(const char *exportName, TeskHandle handle, Body &&body)
{
    tesk::guarded(exportName, [&] {
        if (BreakpointDlg *dialog = liveDialog(handle))
            body(*dialog);
    });
}

} // namespace

TeskHandle CuiBreakpointDlgCreate(TeskHandle parent)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        if (!tesk::applicationExists())
            return TeskHandle(0);
        const Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                      Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
        auto *dialog =
            new BreakpointDlg(tesk::dialogs::dialogParent(parent), nullptr, false, flags);
        dialog->setAttribute(Qt::WA_DeleteOnClose);
        return reinterpret_cast<TeskHandle>(tesk::handles::add(dialog));
    });
}

int CuiBreakpointDlgDestroy(TeskHandle dialog)
{
    TESK_GUARDED_VOID([&] { delete liveDialog(dialog); });
    return 0;
}

void CuiBreakpointDlgSetFuncHandler(TeskHandle dialog, CuiBreakpointDlgHandler handler)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setFuncHandler(handler); });
}

void CuiBreakpointDlgSetVdata(TeskHandle dialog, intptr_t vdata)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setVdata(vdata); });
}

void CuiBreakpointDlgSetBreakpoint(TeskHandle dialog, TeskHandle proxy)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) {
        // Refused after the first show before it is taken, so the host still owns it.
        if (!d.acceptsBreakpoint())
            return;
        if (BreakpointProxy *adopted = tesk::breakpoints::adoptProxy(proxy))
            d.setBreakpoint(adopted);
    });
}

void CuiBreakpointDlgSetMode(TeskHandle dialog, uint32_t mode)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setMode(mode); });
}

void CuiBreakpointDlgSetTextBox(TeskHandle dialog, intptr_t value)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setTextBox(value); });
}

void CuiBreakpointDlgSetWindBox(TeskHandle dialog, intptr_t windBox)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setWindBox(windBox); });
}

void CuiBreakpointDlgSetHelpId(TeskHandle dialog, uint32_t helpId)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setHelpId(helpId); });
}

void CuiBreakpointDlgSetHelpCallback(TeskHandle dialog, CuiBreakpointDlgHelpCallback callback)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setHelpCallback(callback); });
}

void CuiBreakpointDlgSetInitialLocation(TeskHandle dialog, const char *location)
{
    if (!location)
        return;
    withDialog(__func__, dialog,
               [&](BreakpointDlg &d) { d.setInitialLocation(QString::fromUtf8(location)); });
}

void CuiBreakpointDlgSetInitialBreakpointType(TeskHandle dialog, uint32_t type)
{
    withDialog(__func__, dialog, [&](BreakpointDlg &d) { d.setInitialBreakpointType(type); });
}
