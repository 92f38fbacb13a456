#pragma once

// Room for a file dialog's list: its columns as wide as their texts and the window tall enough
// for about fifteen files, within its screen. The toolkit's dialog opens at a fixed size that
// cuts its columns and shows half as many files.

class QFileDialog;

namespace tesk::system {

// The files a file dialog shows at once when its screen has room.
inline constexpr int kFileDialogRows = 15;

// Readies the dialog (or the dialog embedding it) to take that room when its window shows.
void giveFileDialogRoom(QFileDialog *dialog);

} // namespace tesk::system
