#pragma once

#include <tesk/tesk_global.h>

#include <QHash>

class DockWidget;

// The process-wide map from a window box (pointer-sized, as the host chose it) to the dock
// window that shows its pane;
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
    void add(TeskHandle windowBox, DockWidget *dock);
    DockWidget *find(TeskHandle windowBox) const;
    bool contains(const DockWidget *dock) const;
    void remove(TeskHandle windowBox);
    void remove(const DockWidget *dock);

private:
    CuiPaneRegistry() = default;

    QHash<TeskHandle, DockWidget *> m_docks;
};
