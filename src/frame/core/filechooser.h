#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tesk::core {

enum FileChooserMode { OpenOneFile = 0, OpenFiles = 1, SaveFile = 2 };

// The modal file chooser, through the modal seam. A null start directory means the directory
// of the last choice. True when the user chose: the file in fileName (open one, save) or the
// files in fileList (open several); on cancel both stay as they were.
bool runFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                   const QString &startDirectory, int mode, const char *defaultExtension,
                   QString &fileName, QStringList &fileList);

} // namespace tesk::core
