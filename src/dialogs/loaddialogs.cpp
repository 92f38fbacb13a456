#include "dialogs/loaddialogs.h"

#include "dialogs/cuifiledlg.h"
#include "dialogs/dialogframe.h"
#include "dialogs/ksodialogs_common.h"
#include "dialogs/loadimagepanel.h"
#include "dialogs/loadmemorypanel.h"
#include "frame/core/cuitextutils.h"
#include "frame/core/hosttexts.h"
#include "frame/core/services.h"
#include "frame/core/softcheck.h"
#include "system/modalseam.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QSizeGrip>
#include <QVBoxLayout>

namespace tesk::dialogs {

namespace {

constexpr int kDialogHelpMap = 10;

void showDialogHelp(int helpId)
{
    tesk::core::helpServices().showHelp(helpId, kDialogHelpMap);
}

} // namespace

CuiFileDlg *embedFileDialog(QDialog *dialog, QWidget *panel)
{
    auto *fileDialog = new CuiFileDlg(dialog, "File Dialog");
    fileDialog->setWindowFlags(Qt::Widget);
    fileDialog->setSizeGripEnabled(false);
    // Ending, the file dialog hides itself; it must be there when the dialog runs again.
    QObject::connect(fileDialog, &CuiFileDlg::finished, fileDialog,
                     [fileDialog] { fileDialog->setVisible(true); });
    auto *layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fileDialog);
    layout->addWidget(panel);
    auto *grip = new QSizeGrip(dialog);
    grip->setObjectName(QStringLiteral("size_gripper"));
    layout->addWidget(grip, 0, Qt::AlignBottom | Qt::AlignRight);
    return fileDialog;
}

const system::NativeDialogServices &nativeDialogServices()
{
    static const system::NativeDialogServices services{
        &showDialogHelp,
        [](bool shown) { tesk::core::frameServices().setModalDialogShown(shown); }};
    return services;
}

} // namespace tesk::dialogs

using tesk::dialogs::embedFileDialog;

// ---- Load Image -------------------------------------------------------------------------------

CuiLoadImageDlg::CuiLoadImageDlg(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QDialog(parent, flags | tesk::dialogs::kDialogFrameFlags)
{
    setObjectName(QString::fromLatin1(name));
    setSizeGripEnabled(true);
    m_panel = new loadimagepanel(this, "Image Panel");
    m_fileDialog = embedFileDialog(this, m_panel);
    connect(m_fileDialog, &CuiFileDlg::OkPressed, this, &CuiLoadImageDlg::fileOpenAccept);
    connect(m_fileDialog, &CuiFileDlg::CancelPressed, this, &CuiLoadImageDlg::fileOpenReject);
}

CuiLoadImageDlg::~CuiLoadImageDlg() = default;

void CuiLoadImageDlg::fileOpenAccept()
{
    done(1);
}

void CuiLoadImageDlg::fileOpenReject()
{
    done(0);
}

void CuiLoadImageDlg::addHelpButton()
{
    if (TESK_CHECK(m_fileDialog != nullptr))
        m_fileDialog->addHelpButton();
}

int CuiLoadImageDlg::setHelpId(int helpId)
{
    return TESK_CHECK(m_fileDialog != nullptr) ? m_fileDialog->setHelpId(helpId) : 0;
}

void CuiLoadImageDlg::setHelpFunction(void (*function)(int))
{
    if (TESK_CHECK(m_fileDialog != nullptr))
        m_fileDialog->setHelpFunction(function);
}

void CuiLoadImageDlg::setMode(int mode)
{
    if (TESK_CHECK(m_fileDialog != nullptr))
        m_fileDialog->setMode(QFileDialog::FileMode(mode));
}

void CuiLoadImageDlg::setFilter(const QString &filter)
{
    if (TESK_CHECK(m_fileDialog != nullptr))
        m_fileDialog->setNameFilter(filter);
}

void CuiLoadImageDlg::setFilters(const QString &filters)
{
    setFilters(dialogFilterList(filters));
}

void CuiLoadImageDlg::setFilters(const QStringList &filters)
{
    if (TESK_CHECK(m_fileDialog != nullptr))
        m_fileDialog->setNameFilters(filters);
}

void CuiLoadImageDlg::setDir(const QString &directory)
{
    if (TESK_CHECK(m_fileDialog != nullptr))
        m_fileDialog->setDir(directory);
}

QString CuiLoadImageDlg::selectedFile() const
{
    return TESK_CHECK(m_fileDialog != nullptr) ? m_fileDialog->selectedFile() : QString();
}

QStringList CuiLoadImageDlg::selectedFiles() const
{
    return TESK_CHECK(m_fileDialog != nullptr) ? m_fileDialog->selectedFiles() : QStringList();
}

bool CuiLoadImageDlg::symbolsOnly() const
{
    return TESK_CHECK(m_panel != nullptr) && m_panel->symbolsOnlyCB->isChecked();
}

bool CuiLoadImageDlg::replaceExisting() const
{
    return TESK_CHECK(m_panel != nullptr) && m_panel->replaceExistingFilesCB->isChecked();
}

QString CuiLoadImageDlg::arguments() const
{
    return TESK_CHECK(m_panel != nullptr) ? m_panel->argumentsLineEdit->text() : QString();
}

QString CuiLoadImageDlg::sections() const
{
    return TESK_CHECK(m_panel != nullptr) ? m_panel->sectionsLineEdit->text() : QString();
}

QString CuiLoadImageDlg::offset() const
{
    return TESK_CHECK(m_panel != nullptr) ? m_panel->offsetLineEdit->text() : QString();
}

int CuiLoadImageDlg::pcMode() const
{
    if (!TESK_CHECK(m_panel != nullptr))
        return tesk::system::kPcAutoSet;
    if (m_panel->autoSetPCCB->isChecked())
        return tesk::system::kPcAutoSet;
    return m_panel->setPCToEntryCB->isChecked() ? tesk::system::kPcToEntry : tesk::system::kPcLeave;
}

namespace {

QString runPortableLoadImageDialog(tesk::system::NativeLoadImageRequest &request)
{
    tesk::system::Modal<CuiLoadImageDlg> dialog(request.parent, "Load Image Dlg");
    dialog->setWindowTitle(request.caption);
    if (request.helpId) {
        dialog->addHelpButton();
        dialog->setHelpFunction(&tesk::dialogs::showDialogHelp);
        dialog->setHelpId(request.helpId);
    }
    dialog->setMode(QFileDialog::ExistingFile);
    dialog->setFilters(request.filter);
    if (!request.startDir.isEmpty())
        dialog->setDir(request.startDir);
    // A window closed under the dialog takes it along: nothing was chosen.
    if (!dialog.run(request.parent, tesk::system::ModalSeam::Kind::FileDialog).accepted() ||
        !dialog)
        return QString();
    const struct
    {
        int *target;
        int value;
    } flags[] = {{request.symbolsOnly, dialog->symbolsOnly()},
                 {request.replaceExisting, dialog->replaceExisting()},
                 {request.pcMode, dialog->pcMode()}};
    for (const auto &f : flags) {
        if (f.target)
            *f.target = f.value;
    }
    const struct
    {
        QString *target;
        QString value;
    } texts[] = {{request.sections, dialog->sections()},
                 {request.arguments, dialog->arguments()},
                 {request.offset, dialog->offset()}};
    for (const auto &t : texts) {
        if (t.target)
            *t.target = t.value;
    }
    return dialog->selectedFile();
}

} // namespace

QString runLoadImageDialog(tesk::system::NativeLoadImageRequest &request)
{
    if (usePortableDialogs())
        return runPortableLoadImageDialog(request);
    return tesk::system::runNativeLoadImageDialog(request, tesk::dialogs::nativeDialogServices());
}

// ---- Load Binary ------------------------------------------------------------------------------

CuiLoadMemoryDlg::CuiLoadMemoryDlg(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QDialog(parent, flags | tesk::dialogs::kDialogFrameFlags)
{
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(tr("Load Binary"));
    m_panel = new LoadMemoryPanel(this, "Load Memory Panel");
    m_fileDialog = embedFileDialog(this, m_panel);
    // The toolkit of today opens for any name; a file to load must exist.
    m_fileDialog->setFileMode(QFileDialog::ExistingFile);
    // The panel's "L&ocation:" holds the toolkit's letter of Open.
    m_fileDialog->setLabelText(QFileDialog::Accept, tr("O&pen"));
    m_fileDialog->setAcceptCheck([this] { return validateLoad(); });
    connect(m_fileDialog, &CuiFileDlg::OkPressed, this, &CuiLoadMemoryDlg::fileOpenAccept);
    connect(m_fileDialog, &CuiFileDlg::CancelPressed, this, &CuiLoadMemoryDlg::fileOpenReject);
    connect(m_panel->filetypeLB, &QListWidget::currentItemChanged, this,
            [this](QListWidgetItem *item) { slotListBoxChanged(item); });
}

CuiLoadMemoryDlg::~CuiLoadMemoryDlg() = default;

void CuiLoadMemoryDlg::setChoices(const QString &text)
{
    for (const tesk::system::LoadChoice &choice : tesk::system::parseLoadChoices(text)) {
        m_locationFlags.push_back(choice.locationIsOffset);
        m_panel->filetypeLB->addItem(choice.entry);
    }
    m_panel->filetypeLB->setCurrentRow(0);
    updateLocationHelp();
    adjustSize();
}

const char *CuiLoadMemoryDlg::commandText() const
{
    return tesk::texts::hold(this, 0, m_command.toLatin1());
}

void CuiLoadMemoryDlg::slotListBoxChanged(QListWidgetItem *)
{
    updateLocationHelp();
}

void CuiLoadMemoryDlg::updateLocationHelp()
{
    const int row = m_panel->filetypeLB->currentRow();
    if (row < 0 || size_t(row) >= m_locationFlags.size())
        return;
    m_panel->locationHelpEdit->setText(
        m_locationFlags[size_t(row)]
            ? tr("Location is optional signed offset for adding to address in file.")
            : tr("Specify the start address for loading to."));
}

bool CuiLoadMemoryDlg::makeCommand(QString &command)
{
    // Without a type there is no command to make; the user learns why Open does nothing.
    const int row = m_panel->filetypeLB->currentRow();
    if (row < 0 || size_t(row) >= m_locationFlags.size()) {
        tesk::system::ModalSeam::messageBox(
            this, QMessageBox::Warning, tr("Warning"),
            tr("Please select the type of the file from the list before pressing Open."),
            QMessageBox::Ok, QMessageBox::Ok);
        return false;
    }
    const QString file = QDir::toNativeSeparators(m_fileDialog->selectedFile());
    const QString location = m_panel->locationEdit->text().trimmed();
    const QString keyword = tesk::system::loadChoiceKeyword(m_panel->filetypeLB->item(row)->text());
    return cuiMakeMemoryFileCommand(this, false, CuiMemoryFileRead, keyword, file, location,
                                    m_locationFlags[size_t(row)] == 0, command);
}

// A refused command was said in a box, whose loop may have seen this dialog's window closed:
// the dialog is then gone and nothing of it is touched.
bool CuiLoadMemoryDlg::validateLoad()
{
    QString command;
    const QPointer<CuiLoadMemoryDlg> self(this);
    if (makeCommand(command))
        return true;
    if (self)
        m_command = QStringLiteral("");
    return false;
}

void CuiLoadMemoryDlg::fileOpenAccept()
{
    QString command;
    const QPointer<CuiLoadMemoryDlg> self(this);
    if (makeCommand(command)) {
        m_command = command;
        done(1);
    } else if (self) {
        m_command = QStringLiteral("");
    }
}

void CuiLoadMemoryDlg::fileOpenReject()
{
    done(0);
}

namespace {

QString runPortableLoadBinaryDialog(QWidget *parent, const QString &startDir,
                                    const QString &choices)
{
    tesk::system::Modal<CuiLoadMemoryDlg> dialog(parent, "CuiLoadMemoryDlg");
    dialog->setChoices(choices);
    if (!startDir.isNull())
        dialog->fileDialog()->setDir(startDir);
    if (!dialog.run(parent, tesk::system::ModalSeam::Kind::FileDialog).accepted() || !dialog)
        return QString();
    return dialog->command();
}

} // namespace

QString runLoadBinaryDialog(QWidget *parent, const QString &startDir, int helpId,
                            const QString &choices)
{
    if (usePortableDialogs())
        return runPortableLoadBinaryDialog(parent, startDir, choices);
    return tesk::system::runNativeLoadBinaryDialog(parent, startDir, helpId, choices,
                                                   tesk::dialogs::nativeDialogServices());
}
