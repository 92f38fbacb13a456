// The simulator target's configuration dialog.
#include <tesk/tesk_memorydialogs.h>

#include "dialogs/corvasimconfigdlg.h"
#include "dialogs/dialogtext.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/services.h"
#include "system/lifetime.h"

#include <QCheckBox>
#include <QRadioButton>

#include <cstring>

namespace {

constexpr unsigned kCorvasimHelpId = 782;

using Dialog = CorvasimConfigDlg;

void check(QAbstractButton *button)
{
    button->setChecked(true);
}

} // namespace

TeskHandle CuiCorvasimConfigDlgCreate(void)
{
    return TESK_GUARDED(TeskHandle(0), [&] {
        if (!tesk::applicationExists())
            return TeskHandle(0);
        // Over the current main window, so that it goes with it.
        auto *dialog = new CorvasimConfigDlg(tesk::core::frameServices().currentMainWindow());
        dialog->setHelpId(kCorvasimHelpId);
        return reinterpret_cast<TeskHandle>(tesk::handles::add(dialog));
    });
}

void CuiCorvasimConfigDlgDestroy(TeskHandle handle)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [](Dialog &d) { tesk::lifetime::destroy(&d); });
}

void CuiCorvasimConfigDlgSetHelpId(TeskHandle handle, uint32_t helpId)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) { d.setHelpId(helpId); });
}

void CuiCorvasimConfigDlgAddProcessor(TeskHandle handle, const char *name)
{
    if (!name)
        return;
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) {
        d.addProcessor(tesk::dialogs::dialogLineLatin1(name, false));
    });
}

void CuiCorvasimConfigDlgSetProcessor(TeskHandle handle, const char *name)
{
    if (!name)
        return;
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) {
        d.setProcessor(tesk::dialogs::dialogLineLatin1(name, false));
    });
}

void CuiCorvasimConfigDlgGetProcessor(TeskHandle handle, char *buffer, int32_t size)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) {
        tesk::core::writeFixed(d.processor().toUtf8(), buffer, size);
    });
}

void CuiCorvasimConfigDlgSetQMXState(TeskHandle handle, int32_t state)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) { d.setQmxState(state); });
}

int CuiCorvasimConfigDlgGetQMXState(TeskHandle handle)
{
    return TESK_ON_LIVE(Dialog, handle, 0, [](Dialog &d) { return int(d.qmxState()); });
}

void CuiCorvasimConfigDlgSetMMUState(TeskHandle handle, int32_t state)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) { d.mmuCB->setChecked(state != 0); });
}

int CuiCorvasimConfigDlgGetMMUState(TeskHandle handle)
{
    return TESK_ON_LIVE(Dialog, handle, 0, [](Dialog &d) { return int(d.mmuCB->isChecked()); });
}

void CuiCorvasimConfigDlgSetRealtimeClock(TeskHandle handle)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [](Dialog &d) { check(d.realtimeRB); });
}

void CuiCorvasimConfigDlgSetEmulatedClock(TeskHandle handle)
{
    TESK_ON_LIVE_VOID(Dialog, handle, [](Dialog &d) { check(d.emulatedRB); });
}

int CuiCorvasimConfigDlgIsRealtimeClock(TeskHandle handle)
{
    return TESK_ON_LIVE(Dialog, handle, 0,
                        [](Dialog &d) { return int(d.realtimeRB->isChecked()); });
}

void CuiCorvasimConfigDlgSetClockSpeed(TeskHandle handle, const char *speed)
{
    if (!speed)
        return;
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) { d.setClockSpeed(QByteArray(speed)); });
}

char *CuiCorvasimConfigDlgGetClockSpeed(TeskHandle handle, char *buffer, int32_t size)
{
    // Like every getter of the family, an unknown handle leaves the buffer as it was; the
    // answer is still the buffer, as a host chaining the call expects.
    TESK_ON_LIVE_VOID(Dialog, handle, [&](Dialog &d) {
        tesk::core::writeFixed(QByteArray::number(d.clockSpeed()), buffer, size);
    });
    return buffer;
}

void CuiCorvasimConfigDlgSetEndian(TeskHandle handle, int32_t big)
{
    TESK_ON_LIVE_VOID(Dialog, handle,
                      [&](Dialog &d) { check(big ? d.debugBigEndianRB : d.debugLittleEndianRB); });
}

int CuiCorvasimConfigDlgGetEndian(TeskHandle handle)
{
    return TESK_ON_LIVE(Dialog, handle, 0,
                        [](Dialog &d) { return int(!d.debugLittleEndianRB->isChecked()); });
}

void CuiCorvasimConfigDlgSetStartEndian(TeskHandle handle, int32_t hardware)
{
    TESK_ON_LIVE_VOID(Dialog, handle,
                      [&](Dialog &d) { check(hardware ? d.hardwareEndianRB : d.debugEndianRB); });
}

int CuiCorvasimConfigDlgGetStartEndian(TeskHandle handle)
{
    return TESK_ON_LIVE(Dialog, handle, 0,
                        [](Dialog &d) { return int(!d.debugEndianRB->isChecked()); });
}
