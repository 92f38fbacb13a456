#include "symbols/datanavselector.h"

#include "symbols/datanav.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace tesk::symbols {

class NavSelectorDialogPrivate
{
public:
    DataNav *navigator = nullptr;
    QPushButton *select = nullptr;
    QPushButton *cancel = nullptr;
    uint32_t initialPage = 0;
    bool polished = false;
};

NavSelectorDialog::NavSelectorDialog(QWidget *parent, const char *name, bool modal,
                                     Qt::WindowFlags flags, int navigatorMode, bool checkable)
    : QDialog(parent,
              flags | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint)
    , d(std::make_unique<NavSelectorDialogPrivate>())
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
    auto *box = new QVBoxLayout(this);
    box->setContentsMargins(11, 11, 11, 11);
    box->setSpacing(6);
    d->navigator = new DataNav(this);
    d->navigator->setMode(navigatorMode);
    d->navigator->setCheckableItems(checkable ? 1 : 0);
    d->navigator->buildWidgets();
    box->addWidget(d->navigator);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    buttons->addItem(new QSpacerItem(130, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    d->select = new QPushButton(QObject::tr("&Select"), this);
    d->select->setObjectName(QStringLiteral("selectButton"));
    d->cancel = new QPushButton(QObject::tr("Cancel"), this);
    d->cancel->setObjectName(QStringLiteral("cancelButton"));
    buttons->addWidget(d->select);
    buttons->addWidget(d->cancel);
    box->addLayout(buttons);

    connect(d->select, &QPushButton::clicked, this, &NavSelectorDialog::slotSelect);
    connect(d->cancel, &QPushButton::clicked, this, &NavSelectorDialog::slotCancel);
    connect(d->navigator, &DataNav::imagesSelected, this, &NavSelectorDialog::slotImagesSelected);
    connect(d->navigator, &DataNav::modulesSelected, this, &NavSelectorDialog::slotModulesSelected);
    connect(d->navigator, &DataNav::functionsSelected, this,
            &NavSelectorDialog::slotFunctionsSelected);
    connect(d->navigator, &DataNav::variablesSelected, this,
            &NavSelectorDialog::slotVariablesSelected);
}

NavSelectorDialog::~NavSelectorDialog() = default;

void NavSelectorDialog::setVdata(TeskHandle vdata)
{
    d->navigator->setVdata(vdata);
}

void NavSelectorDialog::setDataSource(SymtabDataSource *source)
{
    d->navigator->setDataSource(source);
}

SymtabDataSource *NavSelectorDialog::dataSource() const
{
    return d->navigator->dataSource();
}

void NavSelectorDialog::setInitialPage(uint32_t page)
{
    d->initialPage = page;
}

uint32_t NavSelectorDialog::initialPage() const
{
    return d->initialPage;
}

bool NavSelectorDialog::selectedSymbol(QString &symbol) const
{
    return d->navigator->selectedSymbolPath(symbol);
}

DataNav *NavSelectorDialog::navigator() const
{
    return d->navigator;
}

void NavSelectorDialog::slotSelect()
{
    accept();
}

void NavSelectorDialog::slotCancel()
{
    reject();
}

void NavSelectorDialog::slotImagesSelected()
{
    d->select->setEnabled(false);
}

void NavSelectorDialog::slotModulesSelected()
{
    d->select->setEnabled(true);
}

void NavSelectorDialog::slotFunctionsSelected()
{
    d->select->setEnabled(true);
}

void NavSelectorDialog::slotVariablesSelected()
{
    d->select->setEnabled(true);
}

bool NavSelectorDialog::event(QEvent *event)
{
    // The dialog is polished before its navigator, which then fills the page raised here.
    const bool handled = QDialog::event(event);
    if (event->type() == QEvent::Polish && !d->polished) {
        d->polished = true;
        if (d->initialPage == kFunctionPage)
            d->navigator->raiseFunctions();
        else if (d->initialPage == kVariablePage)
            d->navigator->raiseVariables();
    }
    return handled;
}

} // namespace tesk::symbols

DataNavSelector::DataNavSelector(QWidget *parent, const char *name, bool modal,
                                 Qt::WindowFlags flags)
    : NavSelectorDialog(parent, name, modal, flags, DataNav::SelectorMode, false)
{
}

BreakpointSelector::BreakpointSelector(QWidget *parent, const char *name, bool modal,
                                       Qt::WindowFlags flags)
    : NavSelectorDialog(parent, name, modal, flags, DataNav::FunctionPickerMode, true)
{
}

QStringList BreakpointSelector::checkedFunctions() const
{
    return navigator()->checkedFunctionPaths();
}
