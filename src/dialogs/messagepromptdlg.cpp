#include "dialogs/messagepromptdlg.h"

#include "dialogs/cuimessagebox.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace {

QString codeText(int code)
{
    static const char *const texts[] = {
        nullptr,
        QT_TRANSLATE_NOOP("MessagePromptDlg", "OK"),
        QT_TRANSLATE_NOOP("MessagePromptDlg", "Cancel"),
        QT_TRANSLATE_NOOP("MessagePromptDlg", "&Yes"),
        QT_TRANSLATE_NOOP("MessagePromptDlg", "&No"),
        QT_TRANSLATE_NOOP("MessagePromptDlg", "&Abort"),
        QT_TRANSLATE_NOOP("MessagePromptDlg", "&Retry"),
        QT_TRANSLATE_NOOP("MessagePromptDlg", "&Ignore"),
    };
    return code >= 1 && code <= 7 ? MessagePromptDlg::tr(texts[code]) : QString();
}

} // namespace

MessagePromptDlg::MessagePromptDlg(QWidget *parent, const char *name, bool modal,
                                   Qt::WindowFlags flags)
    : MessagePromptDlgBase(parent, name, modal, flags)
{
}

bool MessagePromptDlg::event(QEvent *event)
{
    const bool handled = MessagePromptDlgBase::event(event);
    if (event->type() == QEvent::Polish)
        applySettings();
    return handled;
}

void MessagePromptDlg::applySettings()
{
    if (m_iconKind >= CuiMessageBox::Information && m_iconKind <= CuiMessageBox::Critical) {
        m_iconPixmap = CuiMessageBox::standardIcon(m_iconKind);
        msgIcon->setPixmap(m_iconPixmap);
        msgIcon->show();
    } else if (m_iconKind == 0) {
        msgIcon->hide();
    }
    QPalette palette = msgLBL->palette();
    palette.setColor(QPalette::Base, this->palette().color(QPalette::Window));
    msgLBL->setPalette(palette);
    if (m_codes[0] & 0xff)
        firstPB->setText(codeText(m_codes[0] & 0xff));
    QPushButton *const others[] = {secondPB, thirdPB};
    for (int i = 0; i < 2; ++i) {
        const int code = m_codes[i + 1] & 0xff;
        if (code)
            others[i]->setText(codeText(code));
        else
            others[i]->hide();
    }
}

void MessagePromptDlg::button1Slot()
{
    accept();
}

void MessagePromptDlg::button2Slot()
{
    accept();
}

void MessagePromptDlg::button3Slot()
{
    accept();
}
