#include "dialogs/simpleentrypddlg.h"

#include "dialogs/dialogframe.h"
#include "frame/core/combobox.h"

#include <QComboBox>
#include <QEvent>
#include <QLabel>
#include <QPushButton>

SimpleEntryPDDlg::SimpleEntryPDDlg(QWidget *parent, const char *name, bool modal,
                                   Qt::WindowFlags flags)
    : SimpleEntryPDDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , m_help(std::make_unique<EntryHelp>())
{
    // The host's message is shown as written.
    msgLBL->setTextFormat(Qt::PlainText);
    valueCB->setInsertPolicy(QComboBox::NoInsert);
    tesk::core::takeTypedTextAsItStands(valueCB);
    // A visible Help button that did nothing would only puzzle the user.
    connect(helpPB, &QPushButton::clicked, this, &SimpleEntryPDDlg::helpSlot);
}

SimpleEntryPDDlg::~SimpleEntryPDDlg() = default;

void SimpleEntryPDDlg::setMessage(const QString &text)
{
    msgLBL->setText(text);
}

void SimpleEntryPDDlg::setValue(const QString &text)
{
    valueCB->setEditText(text);
}

QString SimpleEntryPDDlg::getValue() const
{
    return valueCB->currentText();
}

void SimpleEntryPDDlg::setOkText(const QString &text)
{
    okPB->setText(text);
}

void SimpleEntryPDDlg::setHelpId(int id)
{
    m_help->id = id;
}

void SimpleEntryPDDlg::setHelpFunction(CuiHelpFunction function)
{
    m_help->function = function;
}

void SimpleEntryPDDlg::setItems(const QStringList &items)
{
    valueCB->addItems(items);
}

void SimpleEntryPDDlg::helpSlot()
{
    m_help->call();
}

bool SimpleEntryPDDlg::event(QEvent *event)
{
    const bool handled = SimpleEntryPDDlgBase::event(event);
    if (event->type() == QEvent::Polish)
        m_help->polishButton(helpPB);
    return handled;
}

void SimpleEntryPDDlg::keyPressEvent(QKeyEvent *event)
{
    if (!m_help->takeKey(event))
        SimpleEntryPDDlgBase::keyPressEvent(event);
}
