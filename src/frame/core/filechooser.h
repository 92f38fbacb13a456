#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// The frame's way to the library's file chooser (dialogs/ksodialogs_common.h), which it may not
// include: the dialogs area installs the chooser here when the library loads.
namespace tesk::core {

enum FileChooserMode { OpenOneFile = 0, OpenFiles = 1, SaveFile = 2 };

// (parent, caption, filter, start directory, mode, help id, name out, names out) -> chosen.
using FileChooser = bool (*)(QWidget *parent, const QString &caption, const QString &filter,
                             const QString &startDirectory, int mode, int helpId, QString &fileName,
                             QStringList &fileList);

void setFileChooser(FileChooser chooser);

// The installed chooser's answer; false, with nothing shown, while none is installed.
bool runFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                   const QString &startDirectory, int mode, QString &fileName,
                   QStringList &fileList);

} // namespace tesk::core
