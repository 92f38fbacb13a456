#include "dialogs/cuifiledlg.h"

#include "dialogs/ksodialogs_common.h"
#include "system/filedialogroom.h"
#include "system/modalseam.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLineEdit>
#include <QPushButton>

namespace {
// What the platforms refuse in a file name.
const QString kForbiddenCharacters = QStringLiteral("\\/:*?\"<>|");
} // namespace

CuiFileDlg::CuiFileDlg(QWidget *parent, const char *name, bool modal)
    : tesk::system::FileDialog(parent)
{
    setObjectName(QString::fromLatin1(name));
    setModal(modal);
    setOption(QFileDialog::DontUseNativeDialog);
    setSizeGripEnabled(true);
    // The dialog embedding it has its parent by now: that window takes the room.
    tesk::system::giveFileDialogRoom(this);
}

void CuiFileDlg::addHelpButton()
{
    if (m_helpButton)
        return;
    m_helpButton = new QPushButton(tr("Help"), this);
    m_helpButton->setObjectName(QStringLiteral("Help Button"));
    m_helpButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_helpButton, &QPushButton::clicked, this, &CuiFileDlg::helpPressed);
    if (auto *buttons = findChild<QDialogButtonBox *>(QStringLiteral("buttonBox")))
        buttons->addButton(m_helpButton, QDialogButtonBox::HelpRole);
}

int CuiFileDlg::setHelpId(int helpId)
{
    return std::exchange(m_helpId, helpId);
}

void CuiFileDlg::setMode(QFileDialog::FileMode mode)
{
    setFileMode(mode);
    if (mode == QFileDialog::AnyFile)
        m_acceptCheck = [this] { return fileNameCheck(); };
}

void CuiFileDlg::setDir(const QString &directory)
{
    m_dirSet = true;
    setDirectory(directory);
}

void CuiFileDlg::setSelection(const QString &name, bool selectFilter)
{
    selectFile(name);
    if (!selectFilter)
        return;
    const QString extension = name.section(QLatin1Char('.'), 1);
    for (const QString &filter : nameFilters()) {
        if (filter.contains(extension)) {
            selectNameFilter(filter);
            break;
        }
    }
}

bool CuiFileDlg::event(QEvent *e)
{
    const bool handled = QFileDialog::event(e);
    if (e->type() == QEvent::Polish)
        polish();
    return handled;
}

void CuiFileDlg::polish()
{
    if (m_dirSet)
        return;
    const QString lastDir = fileDialogLastDir();
    if (!lastDir.isNull())
        setDirectory(lastDir);
}

void CuiFileDlg::helpPressed()
{
    if (m_helpFunction)
        m_helpFunction(m_helpId);
}

void CuiFileDlg::accept()
{
    if (m_acceptCheck && !m_acceptCheck())
        return;
    QFileDialog::accept();
}

void CuiFileDlg::done(int result)
{
    QFileDialog::done(result);
    if (!result) {
        emit CancelPressed();
        return;
    }
    emit OkPressed();
    if (fileMode() != QFileDialog::ExistingFile && fileMode() != QFileDialog::ExistingFiles)
        return;
    const QString chosen = selectedFiles().value(0);
    const qsizetype slash = chosen.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        setFileDialogLastDir(chosen.left(slash));
}

bool CuiFileDlg::fileNameCheck()
{
    auto *edit = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (!edit || edit->text().isEmpty())
        return true;
    const QString name = edit->text().mid(edit->text().lastIndexOf(QLatin1Char('\\')) + 1);
    for (const QChar c : name) {
        if (kForbiddenCharacters.contains(c)) {
            tesk::system::ModalSeam::messageBox(
                this, QMessageBox::Warning, tr("Error"),
                tr("A file name cannot contain any of the following characters:<p>\\ / : * ? "
                   "\" < > |"),
                QMessageBox::Ok, QMessageBox::Ok);
            return false;
        }
    }
    return true;
}
