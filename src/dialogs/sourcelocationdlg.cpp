#include "dialogs/sourcelocationdlg.h"

#include "dialogs/cuimessagebox.h"
#include "dialogs/dialogframe.h"
#include "dialogs/ksodialogs_common.h"
#include "frame/core/buttonfit.h"

#include <QDir>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class SourceLocationDlgPrivate
{
public:
    QPixmap warningIcon;
};

SourceLocationDlg::SourceLocationDlg(QWidget *parent, const char *name, bool modal,
                                     Qt::WindowFlags flags)
    : SourceLocationDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , d(std::make_unique<SourceLocationDlgPrivate>())
{
    d->warningIcon = CuiMessageBox::standardIcon(CuiMessageBox::Warning);
    fitButtonToText(browsePB, u'W');
    // The host's message is shown as written.
    msgLBL->setTextFormat(Qt::PlainText);
    msgLBL->setText(tr("Source File not found.\n\nEnter a corrected filename and press Retry\nor "
                       "press Cancel to ignore the file."));
}

SourceLocationDlg::~SourceLocationDlg() = default;

void SourceLocationDlg::setMessage(const QString &text)
{
    msgLBL->setText(text);
}

void SourceLocationDlg::setFileName(const QString &name)
{
    valueEF->setText(name);
}

QString SourceLocationDlg::fileName() const
{
    return valueEF->text();
}

void SourceLocationDlg::browseSlot()
{
    QString chosen;
    QStringList unused;
    if (!runFileDialog(this, tr("Select File"),
                       tr("Source Files (*.c *.ac *.tc *.cpp *.cxx *.c++ *.ac++ *.cp *.acpp *.acp "
                          "*.tc++ *.tcpp *.tcp *.h *.S *.asm);;All Files (*)"),
                       fileDialogLastDir(), tesk::core::OpenOneFile, 0, chosen, unused))
        return;
    valueEF->setText(QDir::toNativeSeparators(chosen));
    accept();
}

bool SourceLocationDlg::event(QEvent *event)
{
    const bool handled = SourceLocationDlgBase::event(event);
    if (event->type() == QEvent::Polish)
        msgICON->setPixmap(d->warningIcon);
    return handled;
}
