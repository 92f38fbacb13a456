#pragma once

// The desktop the tests of this folder stand on: 1024 by 600 with a window manager and a 28 px
// panel at the top (testhost/xdesktop.h).

#include <QRect>
#include <QString>

namespace desktop {

constexpr int kPanel = 28;
const QRect kScreen(0, 0, 1024, 600);
const QRect kFree(0, kPanel, 1024, 600 - kPanel);

// Empty when the desktop is up; otherwise what is missing or failed.
QString fault();

// Until the window manager has framed every shown window that takes a frame, and no shown
// window has moved or changed its frame for a while.
void settleFrames();

} // namespace desktop
