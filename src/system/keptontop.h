#pragma once

// Dialogs and the windows shown above all others (a find and replace panel): a dialog stands
// clear of them, and where the free area has no such place for it, they stand aside for it.

#include <QRect>

class QWidget;

namespace tesk::system {

// The dialog's frame moved as little as it can be, within the free area, to cover none of the
// windows kept on top. Where no such place exists, each kept window that would cover it moves
// instead: beside the dialog, else to the free area's edge with the dialog moved as little as
// it needs to stand clear; where the free area has no room for both, it hides. Either way it
// comes back where it stood once the dialog hides, unless the user or the host moved, showed or
// ended it meanwhile.
QRect clearOfKeptWindows(QWidget *dialog, const QRect &frame, const QRect &free);

} // namespace tesk::system
