#include "frame/windows/docking/cuipaneregistry.h"

#include "frame/windows/docking/dockwidget.h"

#include <utility>

namespace {

CuiPaneRegistry *g_registry = nullptr;

} // namespace

CuiPaneRegistry *CuiPaneRegistry::instance()
{
    if (!g_registry)
        g_registry = new CuiPaneRegistry;
    return g_registry;
}

void CuiPaneRegistry::end()
{
    delete std::exchange(g_registry, nullptr);
}

void CuiPaneRegistry::add(TeskHandle windowBox, DockWidget *dock)
{
    // 0 is no window box: the facade makes its docks with it, and an entry for it would hand
    // the first such dock to every export the host calls without a pane.
    if (!dock || windowBox == 0)
        return;
    // The host may name a new pane on the box while it hears that the old one closes: the new
    // one is the box's from then on, and the old one's end takes only its own entry.
    const DockWidget *kept = m_docks.value(windowBox, nullptr);
    if (kept && !kept->isClosing())
        return;
    m_docks.insert(windowBox, dock);
    QObject::connect(dock, &QObject::destroyed, [this, dock] { remove(dock); });
}

DockWidget *CuiPaneRegistry::find(TeskHandle windowBox) const
{
    return windowBox == 0 ? nullptr : m_docks.value(windowBox, nullptr);
}

bool CuiPaneRegistry::contains(const DockWidget *dock) const
{
    for (const DockWidget *listed : m_docks)
        if (listed == dock)
            return true;
    return false;
}

void CuiPaneRegistry::remove(TeskHandle windowBox)
{
    m_docks.remove(windowBox);
}

void CuiPaneRegistry::remove(const DockWidget *dock)
{
    for (auto it = m_docks.begin(); it != m_docks.end();) {
        if (it.value() == dock)
            it = m_docks.erase(it);
        else
            ++it;
    }
}
