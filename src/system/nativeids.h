#pragma once

// Native ids the host asks for. The toolkit's own way (QWidget::winId) makes the widget's
// siblings native too, and every widget around it: asked of a popup or of a pane, it makes
// every dock window of the main window a native window, which a window manager frames as it
// floats and may keep as a window of its own when the toolkit docks it again.

#include <QWidget>

namespace tesk::system {

// The native id of a window (a popup, say), made without making the other windows of its
// parent native.
WId windowNativeId(QWidget *window);
// The native id of a widget inside a window, made without making the widgets around it
// native: only the widget the host draws into has a window of its own.
WId innerNativeId(QWidget *widget);

} // namespace tesk::system
