#include "dialogs/userinfodlg.h"

#include "dialogs/dialogframe.h"
#include "system/modalseam.h"
#include "system/regularfile.h"

#include <QBuffer>
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
    if (!tesk::system::openRegular(file, file.fileName(), QIODevice::ReadOnly | QIODevice::Text))
        return false;
    if (file.size() <= kMaxTemplateSize)
        return true;
    file.close();
    return false;
}

// A writable output in a folder where no file may be created takes no temporary file beside
// it; it is written in place instead. Only a plain file (a pipe would wait for a reader), and
// checked without changing it.
bool isWritableInPlace(const QString &name)
{
    QFile file;
    return QFileInfo::exists(name) &&
           tesk::system::openRegular(file, name, QIODevice::WriteOnly | QIODevice::Append);
}

// The merge in the system's 8-bit encoding; whether all of it was written.
bool merge(QIODevice &from, QIODevice &to, const QStringList &values)
{
    QTextStream in(&from);
    QTextStream out(&to);
    in.setEncoding(QStringConverter::System);
    out.setEncoding(QStringConverter::System);
    tesk::dialogs::mergeUserInformation(in, out, values);
    out.flush();
    return out.status() == QTextStream::Ok;
}

bool writeThrough(QFile &templateFile, QSaveFile &output, const QStringList &values)
{
    const bool merged = merge(templateFile, output, values);
    templateFile.close();
    return merged && output.commit();
}

// The output is emptied before it is written, so the template, which may be the output
// itself, is read first. A write that fails half way leaves what was written.
bool writeInPlace(QFile &templateFile, const QString &outputName, const QStringList &values)
{
    QByteArray text = templateFile.readAll();
    templateFile.close();
    QBuffer templateCopy(&text);
    QFile output;
    return templateCopy.open(QIODevice::ReadOnly) &&
           tesk::system::openRegular(
               output, outputName, QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text) &&
           merge(templateCopy, output, values) && output.flush();
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
    // read whole before it is replaced. Left closed, it is written in place.
    if (!outputFile.open(QIODevice::WriteOnly | QIODevice::Text) &&
        !isWritableInPlace(m_files->outputFile)) {
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
    const bool written = outputFile.isOpen()
                             ? writeThrough(templateFile, outputFile, values)
                             : writeInPlace(templateFile, m_files->outputFile, values);
    if (!written) {
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
