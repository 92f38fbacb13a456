#pragma once

#include <tesk/tesk_facade.h>

#include <mosk/mosk.hpp>

#include <QHash>

#include <cstdint>

class QObject;

// The library's facade component, through which views reach main windows and dock windows.
// One instance; Release never deletes it, a count of 0 only clears the process-wide pointer,
// and instance() sets it again. On the heap, freed at the unload (see CGcp_ViewsManager).
class CTesk_Facade : public mosk::Object<mosk::EmptyMutex, mosk::Static>
{
public:
    using Face = mosk::Implements<CTesk_Facade, ITesk_Facade, TESK_IID_FACADE, 0, 0>;

    static CTesk_Facade *instance();
    // The process-wide pointer: null after the count dropped to 0 until instance() runs.
    static CTesk_Facade *current();
    static void end();

    ITesk_Facade *face() { return &m_face; }

    // The view id recorded for a dock window; all ones when there is none.
    uint64_t viewIdOfDock(QObject *dock) const;

protected:
    void lastReleased() override;

    void record(QObject *dock, uint64_t viewId);

private:
    CTesk_Facade();

    static MoskResult dockForMultipleView(void *face, uint64_t viewId, void *widget,
                                          void *mainWindow);
    static MoskResult undockView(void *face, void *widget);
    static MoskResult windowHandle(void *face, void *widget, TeskHandle *out);
    static MoskResult mainWindowOf(void *face, void *widget, void **out);
    static MoskResult currentMainWindow(void *face, void **out);
    static MoskResult addDockMenuItems(void *face, void *popupMenu);
    static MoskResult activateDockMenuItem(void *face, void *widget, int itemId);

    static const ITesk_FacadeOps s_ops;

    Face m_face;
    QHash<QObject *, uint64_t> m_viewIds;
};
