#include "frame/core/filechooser.h"

#include "system/modalseam.h"

#include <QFileDialog>
#include <QFileInfo>

namespace tesk::core {

namespace {

QString &lastDirectory()
{
    static QString directory;
    return directory;
}

QFileDialog::FileMode fileModeOf(int mode)
{
    switch (mode) {
    case OpenFiles:
        return QFileDialog::ExistingFiles;
    case SaveFile:
        return QFileDialog::AnyFile;
    default:
        return QFileDialog::ExistingFile;
    }
}

} // namespace

bool runFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                   const QString &startDirectory, int mode, const char *defaultExtension,
                   QString &fileName, QStringList &fileList)
{
    QFileDialog dialog(parent, caption, startDirectory.isNull() ? lastDirectory() : startDirectory,
                       filter);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(fileModeOf(mode));
    dialog.setAcceptMode(mode == SaveFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (defaultExtension)
        dialog.setDefaultSuffix(QString::fromUtf8(defaultExtension));
    if (system::ModalSeam::execDialog(&dialog, system::ModalSeam::Kind::FileDialog) !=
        QDialog::Accepted)
        return false;
    const QStringList chosen = dialog.selectedFiles();
    if (chosen.isEmpty())
        return false;
    lastDirectory() = QFileInfo(chosen.first()).absolutePath();
    if (mode == OpenFiles)
        fileList = chosen;
    else
        fileName = chosen.first();
    return true;
}

} // namespace tesk::core
