#pragma once

#include <tesk/tesk_facade.h>

#include <QHash>

#include <cstdint>

class QObject;

// The library's facade component, through which views reach main windows and dock windows.
// One static instance; Release never deletes it, a count of 0 only clears the process-wide
// pointer, and instance() sets it again.
class CTesk_Facade : public ITesk_Facade
{
public:
    static CTesk_Facade *instance();
    // The process-wide pointer: null after the count dropped to 0 until instance() runs.
    static CTesk_Facade *current();

    ITesk_Facade *face() { return this; }
    uint32_t refCount() const { return m_refCount; }

    // The view id recorded for a dock window; all ones when there is none.
    uint64_t viewIdOfDock(QObject *dock) const;

private:
    CTesk_Facade();

    static CTesk_Facade *self(void *face) { return static_cast<CTesk_Facade *>(static_cast<ITesk_Facade *>(face)); }

    static MoskResult getInterfaceInfo(void *, uint32_t *id, uint32_t *v1, uint32_t *v2, uint32_t *v3);
    static uint32_t addRef(void *face);
    static uint32_t release(void *face);
    static MoskResult queryInterface(void *face, void **out, uint32_t id, uint32_t version);
    static MoskResult dockForMultipleView(void *face, uint64_t viewId, void *widget, void *mainWindow);
    static MoskResult undockView(void *face, void *widget);
    static MoskResult windowHandle(void *face, void *widget, TeskHandle *out);
    static MoskResult mainWindowOf(void *face, void *widget, void **out);
    static MoskResult currentMainWindow(void *face, void **out);
    static MoskResult addDockMenuItems(void *face, void *popupMenu);
    static MoskResult activateDockMenuItem(void *face, void *widget, int itemId);

    static const ITesk_FacadeOps s_ops;

    uint32_t m_refCount = 0;
    QHash<QObject *, uint64_t> m_viewIds;
};
