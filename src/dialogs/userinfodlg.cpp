#include "dialogs/userinfodlg.h"

#include "dialogs/dialogframe.h"
#include "system/modalseam.h"
#include "system/regularfile.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringList>
#include <QTextStream>

using tesk::system::ModalSeam;

namespace {

// A problem-report template is a page of text; anything larger, or a device that never ends,
// is no template.
constexpr qint64 kMaxTemplateSize = 1 << 20;

bool isTemplateReadable(QFile &file)
{
    const QFileInfo info(file);
    return info.isFile() && info.size() <= kMaxTemplateSize &&
           file.open(QIODevice::ReadOnly | QIODevice::Text);
}

} // namespace

UserInfoDlg::UserInfoDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : UserInfoDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , m_files(std::make_unique<UserInfoFiles>())
{
}

UserInfoDlg::~UserInfoDlg() = default;

void UserInfoDlg::setTemplateFile(const QString &name)
{
    m_files->templateFile = name;
}

void UserInfoDlg::setOutputFile(const QString &name)
{
    m_files->outputFile = name;
}

void UserInfoDlg::showError(const char *message, const QString &fileName)
{
    // Tags in a file name are shown, not obeyed.
    const QString text = tr(message).arg(fileName.toHtmlEscaped());
    ModalSeam::messageBox(this, QMessageBox::Critical, tr("Error"), text, QMessageBox::Ok,
                          QMessageBox::Ok);
}

bool UserInfoDlg::openFiles(QFile &templateFile, QSaveFile &outputFile)
{
    if (m_files->templateFile.isNull() || m_files->outputFile.isNull())
        return false;
    templateFile.setFileName(m_files->templateFile);
    // A link is followed: its target is what gets replaced.
    outputFile.setFileName(tesk::system::replacementTarget(m_files->outputFile));
    if (!templateFile.exists()) {
        showError(QT_TR_NOOP("Cannot find the input template file <p>'%1'<p>This means the user "
                             "information cannot be saved."),
                  m_files->templateFile);
        return false;
    }
    if (!isTemplateReadable(templateFile)) {
        showError(QT_TR_NOOP("Cannot read the input file<p>'%1'<p>This means the user "
                             "information cannot be saved."),
                  m_files->templateFile);
        return false;
    }
    if (!tesk::system::regularOrAbsent(outputFile.fileName())) {
        templateFile.close();
        showError(QT_TR_NOOP("The user information file<p>'%1'<p>cannot be written."),
                  m_files->outputFile);
        return false;
    }
    // The output is written beside its place and only then put there: a write that fails half
    // way (a full disk) leaves the previous file, and a template that is also the output is
    // read whole before it is replaced.
    if (!outputFile.open(QIODevice::WriteOnly | QIODevice::Text)) {
        templateFile.close();
        showError(QT_TR_NOOP("The user information file<p>'%1'<p>cannot be created."),
                  m_files->outputFile);
        return false;
    }
    return true;
}

bool UserInfoDlg::checkFiles()
{
    QFile templateFile;
    QSaveFile outputFile;
    // Never committed: the check leaves the output as it was.
    return openFiles(templateFile, outputFile);
}

bool UserInfoDlg::writeUserInformation()
{
    QFile templateFile;
    QSaveFile outputFile;
    if (!checkFiles() || !openFiles(templateFile, outputFile))
        return false;
    // In the order they are written, which is not the order they are shown in.
    const QStringList values = {nameEF->text(),     companyEF->text(),  phoneEF->text(),
                                address1EF->text(), address2EF->text(), cityEF->text(),
                                stateEF->text(),    ZIPEF->text(),      emailEF->text()};
    QTextStream in(&templateFile);
    QTextStream out(&outputFile);
    in.setEncoding(QStringConverter::System);
    out.setEncoding(QStringConverter::System);
    tesk::dialogs::mergeUserInformation(in, out, values);
    out.flush();
    templateFile.close();
    if (out.status() != QTextStream::Ok || !outputFile.commit()) {
        showError(QT_TR_NOOP("The user information file<p>'%1'<p>cannot be written."),
                  m_files->outputFile);
        return false;
    }
    return true;
}

void UserInfoDlg::accept()
{
    if (writeUserInformation())
        UserInfoDlgBase::accept();
}

namespace tesk::dialogs {

void mergeUserInformation(QTextStream &in, QTextStream &out, const QStringList &values)
{
    static const QRegularExpression nameLine(QStringLiteral("^\\s+Name"));
    qsizetype field = -1;
    QString line;
    while (in.readLineInto(&line)) {
        if (nameLine.match(line).hasMatch())
            field = 0;
        out << line;
        if (field >= 0) {
            if (field < values.size())
                out << values.at(field);
            if (++field >= values.size())
                field = -1;
        }
        out << '\n';
    }
}

} // namespace tesk::dialogs
