#include "dialogs/memoryoperationsdlg.h"

#include "dialogs/dialogframe.h"
#include "dialogs/ksodialogs_common.h"
#include "frame/core/buttonfit.h"
#include "frame/core/combobox.h"
#include "frame/core/cuihandles.h"
#include "frame/core/cuitextutils.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using tesk::system::ModalSeam;

namespace {

enum Action { Load = 0, Save = 1, Verify = 2 };

int commandKind(int action)
{
    switch (action) {
    case Save:
        return CuiMemoryFileWrite;
    case Verify:
        return CuiMemoryFileVerify;
    default:
        return CuiMemoryFileRead;
    }
}

} // namespace

std::vector<tesk::dialogs::MemoryFileType> tesk::dialogs::parseMemoryFileTypes(const QString &text)
{
    std::vector<MemoryFileType> types;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QChar first = line.at(0);
        types.push_back({first.isDigit() ? first.digitValue() : 0, line.mid(2)});
    }
    return types;
}

MemoryOperationsDlg::MemoryOperationsDlg(QWidget *parent, const char *name, bool modal,
                                         Qt::WindowFlags flags)
    : MemoryOperationsDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
{
    tesk::core::takeTypedTextAsItStands(locationCB);
    languageChange();
}

void MemoryOperationsDlg::languageChange()
{
    MemoryOperationsDlgBase::languageChange();
    fitButtonToText(browsePB, u'W');
    // The help line changes with the action and the type: the dialog is as wide as its longest.
    fitLineToTexts(locationHelpEdit,
                   {locationHelp(LocationHelp::Range), locationHelp(LocationHelp::Offset),
                    locationHelp(LocationHelp::Start)});
    updateLocationHelp();
}

void MemoryOperationsDlg::addFileTypes(const QString &text)
{
    for (const tesk::dialogs::MemoryFileType &type : tesk::dialogs::parseMemoryFileTypes(text)) {
        m_typeHasAddresses.push_back(type.flag);
        filetypeLB->addItem(type.text);
    }
    filetypeLB->setCurrentRow(0);
    updateLocationHelp();
    adjustSize();
}

void MemoryOperationsDlg::setHelpId(unsigned helpId)
{
    m_helpId = helpId;
    m_helpFunction = &tesk::dialogs::showDialogHelp;
}

const int *MemoryOperationsDlg::currentTypeFlag() const
{
    const int row = filetypeLB->currentRow();
    if (row < 0 || size_t(row) >= m_typeHasAddresses.size())
        return nullptr;
    return &m_typeHasAddresses[size_t(row)];
}

QString MemoryOperationsDlg::locationHelp(LocationHelp which)
{
    switch (which) {
    case LocationHelp::Range:
        return tr("Location is range to read: addr..addr or addr..+len");
    case LocationHelp::Offset:
        return tr("Location is optional signed offset for adding to address in file");
    case LocationHelp::Start:
        return tr("Location is start address for write/verify");
    }
    return QString();
}

void MemoryOperationsDlg::updateLocationHelp()
{
    switch (actionGroup->checkedId()) {
    case Save:
        locationHelpEdit->setText(locationHelp(LocationHelp::Range));
        break;
    case Load:
    case Verify: {
        const int *flag = currentTypeFlag();
        locationHelpEdit->setText(
            locationHelp(flag && *flag ? LocationHelp::Offset : LocationHelp::Start));
        break;
    }
    default:
        locationHelpEdit->clear();
    }
}

void MemoryOperationsDlg::actionChangedSlot()
{
    updateLocationHelp();
}

void MemoryOperationsDlg::fileTypeClickedSlot()
{
    updateLocationHelp();
}

void MemoryOperationsDlg::getFilename()
{
    QString chosen;
    QStringList unused;
    const int mode = saveFileRB->isChecked() ? tesk::core::SaveFile : tesk::core::OpenOneFile;
    if (runFileDialog(this, tr("Select File"), QString(), QString(), mode, 0, chosen, unused))
        filenameEdit->setText(QDir::toNativeSeparators(chosen));
}

void MemoryOperationsDlg::applySlot()
{
    // The type decides whether a start address is needed: without one nothing can be checked.
    const int *flag = currentTypeFlag();
    if (!flag) {
        ModalSeam::messageBox(this, QMessageBox::Warning, tr("Warning"),
                              tr("Please select a type of file before pressing Apply"),
                              QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    const QString location = locationCB->currentText().trimmed();
    const QString typeWord = filetypeLB->currentItem()->text().section(QLatin1Char(' '), 0, 0,
                                                                       QString::SectionSkipEmpty);
    QString command;
    if (!cuiMakeMemoryFileCommand(this, false, commandKind(actionGroup->checkedId()), typeWord,
                                  filenameEdit->text(), location, *flag == 0, command))
        return;
    rememberLocation(location);
    if (!m_funcHandler)
        return;
    const QByteArray text = command.toLatin1();
    // The handler may close or destroy this dialog; nothing of it is touched afterwards.
    const CuiMemoryOperationsHandlerFn handler = m_funcHandler;
    const auto handle = reinterpret_cast<TeskHandle>(tesk::handles::add(this));
    const int vpid = m_vpid;
    tesk::lifetime::callHost(this, [&] { handler(0, handle, text.constData(), vpid, 0); });
}

void MemoryOperationsDlg::rememberLocation(const QString &location)
{
    for (int i = 0; i < locationCB->count(); ++i) {
        if (locationCB->itemText(i) == location)
            return;
    }
    locationCB->insertItem(0, location);
    locationCB->setCurrentIndex(0);
}

void MemoryOperationsDlg::helpSlot()
{
    if (m_helpFunction)
        m_helpFunction(int(m_helpId));
}

void MemoryOperationsDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        helpSlot();
        return;
    }
    MemoryOperationsDlgBase::keyPressEvent(event);
}

void MemoryOperationsDlg::done(int result)
{
    MemoryOperationsDlgBase::done(result);
    // Not on close: a host running the dialog with CuiDoModal destroys it right after, and
    // the deletion still pending is dropped with the dialog.
    deleteLater();
}
