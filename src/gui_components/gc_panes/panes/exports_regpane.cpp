// The register pane: created by the host with its handler, shown data sets as pages.
#include <tesk/tesk_registers.h>

#include "frame/core/exportguard.h"
#include "frame/core/services.h"
#include "gui_components/gc_panes/panes/regpane.h"

#include <QApplication>

#include <new>

TeskHandle CuiRegPaneCreate(CuiRegPaneHandlerFn handler)
{
    if (!handler)
        return 0;
    return TESK_GUARDED(TeskHandle(0), [handler] {
        // Widgets need the application: none before it starts or after it has ended.
        if (!qobject_cast<QApplication *>(QCoreApplication::instance()))
            return TeskHandle(0);
        auto *pane =
            new (std::nothrow) RegPane(handler, tesk::core::frameServices().currentMainWindow());
        return pane ? pane->handle() : TeskHandle(0);
    });
}

int CuiRegPaneDelete(TeskHandle handle)
{
    return TESK_ON_LIVE(RegPane, handle, 0, [](RegPane &pane) {
        pane.destroy();
        return 1;
    });
}

int CuiRegPaneAttach(TeskHandle handle, uintptr_t context)
{
    return TESK_ON_LIVE(RegPane, handle, 0, [context](RegPane &pane) {
        pane.attach(context);
        return 1;
    });
}

int CuiRegPaneDataSet(uint32_t id, TeskHandle handle, const char *architecture,
                      const char *processor, const char *displayName)
{
    return TESK_ON_LIVE(RegPane, handle, 0, [&](RegPane &pane) {
        AbstractPane::CallScope scope(&pane);
        return pane.showDataSet(id, architecture, processor, displayName) ? 1 : 0;
    });
}

int CuiRegPaneDataDelete(uint32_t id, TeskHandle handle)
{
    TESK_ON_LIVE_VOID(RegPane, handle, [id](RegPane &pane) {
        AbstractPane::CallScope scope(&pane);
        pane.removeDataSet(id);
    });
    return 0;
}

int CuiRegPaneTargetStartStop(uint32_t, TeskHandle handle, int running)
{
    TESK_ON_LIVE_VOID(RegPane, handle, [running](RegPane &pane) {
        AbstractPane::CallScope scope(&pane);
        pane.setTargetRunning(running != 0);
    });
    return 0;
}

int CuiRegPaneGetRangeLines(uint32_t, TeskHandle handle, RegLineRange *buffer, uint32_t *capacity,
                            int force)
{
    return TESK_ON_LIVE(RegPane, handle, -1, [&](const RegPane &pane) {
        // Without a buffer and its size nothing can be written, not even the size needed.
        if (!buffer || !capacity)
            return -1;
        return pane.lineRanges(buffer, capacity, force != 0);
    });
}

int CuiUpdateFormatDefinition(uint32_t id, TeskHandle handle)
{
    return TESK_ON_LIVE(RegPane, handle, 0, [id](RegPane &pane) {
        AbstractPane::CallScope scope(&pane);
        pane.loadFormatDefinitions(id);
        return 1;
    });
}
