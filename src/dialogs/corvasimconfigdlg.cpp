#include "dialogs/corvasimconfigdlg.h"

#include "dialogs/dialogframe.h"

#include <QIntValidator>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QRadioButton>

#include <cerrno>
#include <cstdlib>

namespace {

// A small chip over a blue clock face: the simulator's own picture.
QPixmap simulatorIcon()
{
    QPixmap picture(20, 20);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setPen(QColor(0x10, 0x30, 0x80));
    painter.setBrush(QColor(0x50, 0x80, 0xd0));
    painter.drawEllipse(1, 1, 17, 17);
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(6, 6, 7, 7);
    painter.setPen(Qt::gray);
    painter.drawLine(9, 2, 9, 5);
    painter.drawLine(14, 9, 17, 9);
    return picture;
}

} // namespace

CorvasimConfigDlg::CorvasimConfigDlg(QWidget *parent, const char *name, bool modal,
                                     Qt::WindowFlags flags)
    : CorvasimConfigDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
{
    speedEF->setValidator(new QIntValidator(0, kMaxClockSpeed, speedEF));
    setWindowIcon(simulatorIcon());
}

void CorvasimConfigDlg::setHelpId(unsigned helpId)
{
    m_helpId = helpId;
    m_helpFunction = &tesk::dialogs::showDialogHelp;
}

void CorvasimConfigDlg::addProcessor(const QString &name)
{
    processorLB->addItem(name);
}

void CorvasimConfigDlg::setProcessor(const QString &name)
{
    const int count = processorLB->count();
    const int start = qMax(processorLB->currentRow(), 0);
    for (int i = 0; i < count; ++i) {
        const int row = (start + i) % count;
        if (processorLB->item(row)->text().compare(name, Qt::CaseInsensitive) == 0) {
            processorLB->setCurrentRow(row);
            return;
        }
    }
}

QString CorvasimConfigDlg::processor() const
{
    const QListWidgetItem *item = processorLB->currentItem();
    return item ? item->text() : QString();
}

void CorvasimConfigDlg::setQmxState(int state)
{
    QRadioButton *const choices[] = {noFpuRB, qmxRB, qmxFastRB, zduRB};
    if (state >= 0 && state < 4)
        choices[state]->setChecked(true);
}

int CorvasimConfigDlg::qmxState() const
{
    if (noFpuRB->isChecked())
        return 0;
    if (qmxRB->isChecked())
        return 1;
    return qmxFastRB->isChecked() ? 2 : 3;
}

void CorvasimConfigDlg::setClockSpeed(const QByteArray &text)
{
    speedEF->setText(QString::number(parseClockSpeed(text)));
}

int CorvasimConfigDlg::parseClockSpeed(const QByteArray &text)
{
    // strtoull reads the base prefix and stops at the first stray character; a minus sign
    // wraps the value far past the largest speed.
    errno = 0;
    const unsigned long long value = std::strtoull(text.constData(), nullptr, 0);
    return errno == ERANGE || value > unsigned(kMaxClockSpeed) ? kMaxClockSpeed : int(value);
}

int CorvasimConfigDlg::clockSpeed() const
{
    bool ok = false;
    const int speed = speedEF->text().toInt(&ok, 10);
    return ok ? speed : 0;
}

void CorvasimConfigDlg::helpSlot()
{
    if (m_helpFunction)
        m_helpFunction(int(m_helpId));
}

void CorvasimConfigDlg::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        helpSlot();
        return;
    }
    CorvasimConfigDlgBase::keyPressEvent(event);
}
