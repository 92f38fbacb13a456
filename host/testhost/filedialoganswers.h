#pragma once
// Answers for the library's file dialogs, which tests meet through the modal seam.

#include <QStringList>

class QFileDialog;

namespace testhost {

// Chooses the names (relative to the directory) in the file dialog and accepts it.
void chooseFiles(QFileDialog *dialog, const QString &directory, const QStringList &names);

} // namespace testhost
