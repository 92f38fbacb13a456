#include "symbols/breakpoints/registerlistdlg.h"

#include "frame/core/hostinterfaces.h"

#include <QEvent>
#include <QListWidget>

#include <algorithm>

class RegisterListDlgPrivate
{
public:
    TeskHandle vdata = 0;
    QString chosen;
    QStringList names;
    bool polished = false;
};

RegisterListDlg::RegisterListDlg(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : RegisterListDlgBase(parent, name, modal, flags)
    , d(std::make_unique<RegisterListDlgPrivate>())
{
}

RegisterListDlg::~RegisterListDlg() = default;

void RegisterListDlg::setVdata(TeskHandle vdata)
{
    d->vdata = vdata;
}

bool RegisterListDlg::loadRegisters()
{
    d->names.clear();
    if (!eeaccessGetStringList(d->vdata, d->names))
        return false;
    // Character codes, not the locale: "R10" after "R1", capitals before small letters.
    std::sort(d->names.begin(), d->names.end(),
              [](const QString &a, const QString &b) { return a.compare(b) < 0; });
    return true;
}

QString RegisterListDlg::selectedRegister() const
{
    return d->chosen;
}

void RegisterListDlg::accept()
{
    const QListWidgetItem *item = registerLB->currentItem();
    d->chosen = item ? item->text() : QString();
    RegisterListDlgBase::accept();
}

bool RegisterListDlg::event(QEvent *event)
{
    const bool handled = RegisterListDlgBase::event(event);
    if (event->type() == QEvent::Polish && !d->polished) {
        d->polished = true;
        registerLB->addItems(d->names);
    }
    return handled;
}
