#include "filedialoganswers.h"

#include <QFileDialog>

namespace testhost {

void chooseFiles(QFileDialog *dialog, const QString &directory, const QStringList &names)
{
    dialog->setDirectory(directory);
    QStringList quoted;
    for (const QString &name : names)
        quoted << (names.size() > 1 ? QLatin1Char('"') + name + QLatin1Char('"') : name);
    dialog->selectFile(quoted.join(QLatin1Char(' ')));
    QMetaObject::invokeMethod(dialog, "accept");
}

} // namespace testhost
