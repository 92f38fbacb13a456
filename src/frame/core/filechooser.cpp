#include "frame/core/filechooser.h"

namespace tesk::core {

namespace {
FileChooser g_chooser = nullptr;
} // namespace

void setFileChooser(FileChooser chooser)
{
    g_chooser = chooser;
}

bool runFileDialog(QWidget *parent, const QString &caption, const QString &filter,
                   const QString &startDirectory, int mode, QString &fileName,
                   QStringList &fileList)
{
    return g_chooser &&
           g_chooser(parent, caption, filter, startDirectory, mode, 0, fileName, fileList);
}

} // namespace tesk::core
