#pragma once

#include <QPixmap>

namespace tesk::dialogs {

// The 16 x 16 open folder that the small browse buttons beside a path field show, painted with
// an alpha channel so that it sits on any button face.
QPixmap openFolderPicture();

} // namespace tesk::dialogs
