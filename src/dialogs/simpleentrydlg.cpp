#include "dialogs/simpleentrydlg.h"

#include "dialogs/dialogframe.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>

SimpleEntryDlg::SimpleEntryDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : SimpleEntryDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , m_help(std::make_unique<EntryHelp>())
{
    // The host's message is shown as written.
    msgLBL->setTextFormat(Qt::PlainText);
    m_help->picture = style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32);
}

SimpleEntryDlg::~SimpleEntryDlg() = default;

void SimpleEntryDlg::setMessage(const QString &text)
{
    msgLBL->setText(text);
}

void SimpleEntryDlg::setValue(const QString &text)
{
    valueEF->setText(text);
}

QString SimpleEntryDlg::getValue() const
{
    return valueEF->text();
}

void SimpleEntryDlg::setOkText(const QString &text)
{
    okPB->setText(text);
}

void SimpleEntryDlg::setHelpId(int id)
{
    m_help->id = id;
}

void SimpleEntryDlg::setHelpFunction(CuiHelpFunction function)
{
    m_help->function = function;
}

void SimpleEntryDlg::helpSlot()
{
    m_help->call();
}

bool SimpleEntryDlg::event(QEvent *event)
{
    const bool handled = SimpleEntryDlgBase::event(event);
    if (event->type() == QEvent::Polish) {
        m_help->polishButton(helpPB);
        msgICON->setPixmap(m_help->picture);
    }
    return handled;
}

void SimpleEntryDlg::keyPressEvent(QKeyEvent *event)
{
    if (!m_help->takeKey(event))
        SimpleEntryDlgBase::keyPressEvent(event);
}
