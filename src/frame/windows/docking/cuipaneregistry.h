#pragma once

#include <tesk/tesk_global.h>

#include <QHash>

class DockWidget;

// The process-wide map from a host pane handle (window box) to the dock window that shows it;
// the pane exports and the popup's generic options reach a dock window through it. An entry
// leaves when its dock window is destroyed, so a reused address never finds a stale one.
class CuiPaneRegistry
{
public:
    // Made on first use; ends when the library unloads.
    static CuiPaneRegistry *instance();
    static void end();

    // Keeps the first dock window registered for a handle, unless that one is closing; 0 (no
    // window box) is never kept.
    void add(quint32 handle, DockWidget *dock);
    DockWidget *find(quint32 handle) const;
    bool contains(const DockWidget *dock) const;
    void remove(quint32 handle);
    void remove(const DockWidget *dock);

private:
    CuiPaneRegistry() = default;

    QHash<quint32, DockWidget *> m_docks;
};
