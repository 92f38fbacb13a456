#pragma once

#include "dialogs/userinfodlgbase.h"

#include <QStringList>

#include <memory>

class QFile;
class QSaveFile;
class QTextStream;

// The template the contact details are merged into and the file they are written to.
struct UserInfoFiles
{
    QString templateFile;
    QString outputFile;
};

// Asks for contact details and, on OK, writes the template to the output file with the nine
// values appended to the lines from the template's name line on.
class UserInfoDlg : public UserInfoDlgBase
{
    Q_OBJECT

public:
    explicit UserInfoDlg(QWidget *parent = nullptr, const char *name = nullptr, bool modal = false,
                         Qt::WindowFlags flags = {});
    ~UserInfoDlg() override;

    void setTemplateFile(const QString &name);
    void setOutputFile(const QString &name);
    // Both files named, the template readable and the output creatable (it is left as it
    // is); says why not in a message box.
    bool checkFiles();
    // True only when the output was written whole; a failed write keeps the previous output
    // and says so.
    bool writeUserInformation();

public slots:
    // Closes the dialog only once the output is written; otherwise it stays up for another
    // try or Cancel.
    void accept() override;

private:
    bool openFiles(QFile &templateFile, QSaveFile &outputFile);
    void showError(const char *message, const QString &fileName);

    std::unique_ptr<UserInfoFiles> m_files;
};

namespace tesk::dialogs {

// Copies the template line by line: the first line that starts with white space and "Name"
// and the lines after it get the values appended, one each, in order; such a line among them
// starts the values again. Every line written ends with a line end.
void mergeUserInformation(QTextStream &in, QTextStream &out, const QStringList &values);

} // namespace tesk::dialogs
