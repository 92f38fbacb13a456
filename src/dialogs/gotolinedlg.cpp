#include "dialogs/gotolinedlg.h"

#include "dialogs/dialogframe.h"

#include <QEvent>
#include <QLabel>
#include <QSpinBox>

GotoLineDlg::GotoLineDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : GotoLineDlgBase(parent, name, modal, flags | tesk::dialogs::kDialogFrameFlags)
    , m_range(std::make_unique<LineRange>())
{
}

GotoLineDlg::~GotoLineDlg() = default;

void GotoLineDlg::setValue(int value)
{
    m_range->value = value;
    lineEF->setValue(value);
}

void GotoLineDlg::setMaximum(int maximum)
{
    m_range->maximum = maximum;
    updateRange();
}

int GotoLineDlg::getValue()
{
    return lineEF->value();
}

bool GotoLineDlg::event(QEvent *event)
{
    const bool handled = GotoLineDlgBase::event(event);
    // The first show repeats the range, so that setValue and setMaximum may come in any order.
    if (event->type() == QEvent::Polish)
        updateRange();
    // The preset line is selected, as in the other number boxes: typing replaces it.
    if (event->type() == QEvent::Show) {
        lineEF->setFocus();
        lineEF->selectAll();
    }
    return handled;
}

void GotoLineDlg::updateRange()
{
    lineLBL->setText(tr("Line number (1 - %1)").arg(m_range->maximum));
    lineEF->setRange(1, m_range->maximum);
    lineEF->setValue(m_range->value);
}
