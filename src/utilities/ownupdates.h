#pragma once

#include <QWidget>

namespace tesk::utilities {

// Whether the widget's own updates are on, whatever its parents say. Code that turns updates
// off for a while restores this, not updatesEnabled(): under a parent whose updates are off
// that answers false, and setting it back would leave the widget switched off for good.
inline bool ownUpdatesEnabled(const QWidget *widget)
{
    return !widget->testAttribute(Qt::WA_ForceUpdatesDisabled);
}

} // namespace tesk::utilities
