// The breakpoint dialog's exports: create, destroy and the setters the host calls before
// running it.
#include <tesk/tesk_breakpoints.h>

#include "dialogs/filequestions.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "symbols/breakpoints/breakpointdlg.h"
#include "symbols/breakpoints/breakpointhandles.h"
#include "system/lifetime.h"

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
    // The host may destroy the dialog from inside one of its own calls to the host: the dialog
    // then goes at once from the host's view and is deleted once those calls have returned.
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [](BreakpointDlg &d) { tesk::lifetime::destroy(&d); });
    return 0;
}

void CuiBreakpointDlgSetFuncHandler(TeskHandle dialog, CuiBreakpointDlgHandler handler)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [&](BreakpointDlg &d) { d.setFuncHandler(handler); });
}

void CuiBreakpointDlgSetVdata(TeskHandle dialog, intptr_t vdata)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [&](BreakpointDlg &d) { d.setVdata(vdata); });
}

void CuiBreakpointDlgSetBreakpoint(TeskHandle dialog, TeskHandle proxy)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [&](BreakpointDlg &d) {
        // Refused after the first show before it is taken, so the host still owns it.
        if (!d.acceptsBreakpoint())
            return;
        if (BreakpointProxy *adopted = tesk::breakpoints::adoptProxy(proxy))
            d.setBreakpoint(adopted);
    });
}

void CuiBreakpointDlgSetMode(TeskHandle dialog, uint32_t mode)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [&](BreakpointDlg &d) { d.setMode(mode); });
}

void CuiBreakpointDlgSetTextBox(TeskHandle dialog, intptr_t value)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [&](BreakpointDlg &d) { d.setTextBox(value); });
}

void CuiBreakpointDlgSetWindBox(TeskHandle dialog, intptr_t windBox)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [&](BreakpointDlg &d) { d.setWindBox(windBox); });
}

void CuiBreakpointDlgSetHelpId(TeskHandle dialog, uint32_t helpId)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog, [&](BreakpointDlg &d) { d.setHelpId(helpId); });
}

void CuiBreakpointDlgSetHelpCallback(TeskHandle dialog, CuiBreakpointDlgHelpCallback callback)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog,
                      [&](BreakpointDlg &d) { d.setHelpCallback(callback); });
}

void CuiBreakpointDlgSetInitialLocation(TeskHandle dialog, const char *location)
{
    if (!location)
        return;
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog,
                      [&](BreakpointDlg &d) { d.setInitialLocation(QString::fromUtf8(location)); });
}

void CuiBreakpointDlgSetInitialBreakpointType(TeskHandle dialog, uint32_t type)
{
    TESK_ON_LIVE_VOID(BreakpointDlg, dialog,
                      [&](BreakpointDlg &d) { d.setInitialBreakpointType(type); });
}
