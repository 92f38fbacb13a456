#include "sync/kwsyncctrl.h"

#include "sync/synccntrlcorestable.h"
#include "sync/syncdatamediator.h"
#include "sync/syncdatamodels.h"
#include "sync/synctables.h"
#include "system/lifetime.h"

#include <QButtonGroup>
#include <QEvent>
#include <QGroupBox>
#include <QRadioButton>
#include <QSpacerItem>
#include <QVBoxLayout>

#include <vector>

namespace {

enum PendingModeId { kCurrentCore = 0, kAnyCore = 1 };

QBoxLayout *box(QBoxLayout::Direction direction, const char *name, int spacing)
{
    auto *layout = new QBoxLayout(direction);
    layout->setObjectName(QString::fromLatin1(name));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    return layout;
}

void placeTable(UTable *table, QWidget *page)
{
    table->setParent(page);
    table->move(0, 0);
    table->setLineWidth(1);
    // The grey of the window around the cells, not the base colour.
    table->viewport()->setBackgroundRole(QPalette::Window);
}

} // namespace

// --- KWSyncCtrlPrivate -------------------------------------------------------------------------

class KWSyncCtrlPrivate
{
public:
    KWSyncCtrlPrivate() = default;
    KWSyncCtrlPrivate(const KWSyncCtrlPrivate &) = delete;
    KWSyncCtrlPrivate &operator=(const KWSyncCtrlPrivate &) = delete;
    // The controllers in creation order, then the add-ons page.
    ~KWSyncCtrlPrivate();

    SyncActionsTableSmall *actionsTable = nullptr;
    SyncExecTableSmall *executionTable = nullptr;
    SyncTrigTable *triggerTable = nullptr;
    QGroupBox *pendingModeBox = nullptr;
    QButtonGroup *pendingModeGroup = nullptr;
    QRadioButton *currentCoreButton = nullptr;
    QRadioButton *anyCoreButton = nullptr;
    KViewExecPageAddOns *addOnsPage = nullptr;
    std::vector<SyncCntrlCoresTable *> controllers;
};

KWSyncCtrlPrivate::~KWSyncCtrlPrivate()
{
    for (SyncCntrlCoresTable *controller : controllers)
        delete controller;
    delete addOnsPage;
}

// --- KWSyncCtrl --------------------------------------------------------------------------------

KWSyncCtrl::KWSyncCtrl(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QTabWidget(parent)
{
    if (flags)
        setWindowFlags(windowFlags() | flags);
    if (name)
        setObjectName(QString::fromLatin1(name));
}

KWSyncCtrl::~KWSyncCtrl()
{
    // The controllers and the add-ons page go before the tables and their models.
    d.reset();
}

KWSyncCtrlPrivate *KWSyncCtrl::privateData() const
{
    return d.get();
}

template<typename Model>
void KWSyncCtrl::bind(SyncTableGeneric *table)
{
    auto *model = new Model(m_mediator);
    auto *controller = new SyncCntrlCoresTable;
    d->controllers.push_back(controller);
    controller->setModel(model);
    table->setModel(model);
    table->setController(controller);
    table->setupTable();
}

bool KWSyncCtrl::setup(SyncDataMediator *mediator)
{
    m_mediator = mediator;
    d = std::make_unique<KWSyncCtrlPrivate>();
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

    auto *actionCores = new SyncTableCores(nullptr, "tableActionsCores");
    bind<SyncDataModelActionsCores>(actionCores);
    d->actionsTable = new SyncActionsTableSmall;
    bind<SyncDataModelActionsSet>(d->actionsTable);
    addTablePage(tr("&Actions"), actionCores, d->actionsTable);

    auto *executionCores = new SyncTableCores(nullptr, "tableExecutionCores");
    bind<SyncDataModelExecutionCores>(executionCores);
    d->executionTable = new SyncExecTableSmall;
    bind<SyncDataModelExecutionSet>(d->executionTable);
    addPendingModeGroup(addTablePage(tr("&Execution"), executionCores, d->executionTable));

    d->triggerTable = new SyncTrigTable;
    bind<SyncDataModelXTrig>(d->triggerTable);
    addTablePage(tr("&Cross Triggering"), nullptr, d->triggerTable);

    languageChange();
    m_mediator->refresh();
    setDescriptionStretch(true);
    return true;
}

QWidget *KWSyncCtrl::addTablePage(const QString &title, UTable *left, UTable *right)
{
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("pageWidget"));
    QSizePolicy pagePolicy(QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding);
    pagePolicy.setHeightForWidth(true);
    page->setSizePolicy(pagePolicy);

    QBoxLayout *mainLayout = box(QBoxLayout::TopToBottom, "mainLayout", 1);
    page->setLayout(mainLayout);
    QBoxLayout *hboxLayout = box(QBoxLayout::LeftToRight, "hboxLayout", 3);
    mainLayout->addLayout(hboxLayout);

    if (left) {
        QBoxLayout *layoutLeft = box(QBoxLayout::TopToBottom, "layoutLeft", 3);
        layoutLeft->setSizeConstraint(QLayout::SetFixedSize);
        placeTable(left, page);
        left->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        layoutLeft->addWidget(left);
        layoutLeft->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Minimum));
        hboxLayout->addLayout(layoutLeft);
        hboxLayout->setAlignment(layoutLeft, Qt::AlignTop);
    }
    QBoxLayout *layoutRight = box(QBoxLayout::TopToBottom, "layoutRight", 3);
    placeTable(right, page);
    layoutRight->addWidget(right);
    layoutRight->addItem(
        new QSpacerItem(0, 0, QSizePolicy::MinimumExpanding, QSizePolicy::MinimumExpanding));
    hboxLayout->addLayout(layoutRight);
    right->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);

    addTab(page, title);
    return page;
}

void KWSyncCtrl::addPendingModeGroup(QWidget *page)
{
    auto *pageLayout = qobject_cast<QBoxLayout *>(page->layout());
    if (!pageLayout)
        return;
    pageLayout->addItem(new QSpacerItem(0, 3, QSizePolicy::Fixed, QSizePolicy::Fixed));

    d->pendingModeBox = new QGroupBox(page);
    d->pendingModeBox->setObjectName(QStringLiteral("groupButtonPendingMode"));
    auto *groupLayout = new QVBoxLayout(d->pendingModeBox);
    groupLayout->setSpacing(4);
    groupLayout->setContentsMargins(6, 6, 6, 6);
    auto *buttons = new QVBoxLayout;
    groupLayout->addLayout(buttons);
    groupLayout->setAlignment(buttons, Qt::AlignTop);
    d->pendingModeGroup = new QButtonGroup(d->pendingModeBox);

    d->currentCoreButton = new QRadioButton(d->pendingModeBox);
    d->currentCoreButton->setObjectName(QStringLiteral("radioButtonCurrentCore"));
    d->currentCoreButton->setFocusPolicy(Qt::StrongFocus);
    buttons->addWidget(d->currentCoreButton);
    d->pendingModeGroup->addButton(d->currentCoreButton, kCurrentCore);

    d->anyCoreButton = new QRadioButton(d->pendingModeBox);
    d->anyCoreButton->setObjectName(QStringLiteral("radioButtonAnyCore"));
    d->anyCoreButton->setFocusPolicy(Qt::ClickFocus);
    buttons->addWidget(d->anyCoreButton);
    d->pendingModeGroup->addButton(d->anyCoreButton, kAnyCore);

    pageLayout->addWidget(d->pendingModeBox);
    pageLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Minimum, QSizePolicy::Expanding));

    d->addOnsPage = new KViewExecPageAddOns;
    d->addOnsPage->setWidget(this);
    d->addOnsPage->setModel(new SyncDataModelExecutionAddOns(m_mediator));
    d->addOnsPage->connectButtons();
}

void KWSyncCtrl::setDescriptionStretch(bool on)
{
    if (!d)
        return;
    for (UTable *table :
         {static_cast<UTable *>(d->actionsTable), static_cast<UTable *>(d->executionTable),
          static_cast<UTable *>(d->triggerTable)}) {
        if (table)
            table->setColumnStretchable(table->numCols() - 1, on);
    }
}

void KWSyncCtrl::languageChange()
{
    if (!d)
        return;
    if (d->pendingModeBox)
        d->pendingModeBox->setTitle(tr("Command Pending Mode"));
    if (d->currentCoreButton)
        d->currentCoreButton->setText(tr("Current core running"));
    if (d->anyCoreButton)
        d->anyCoreButton->setText(tr("Any synchronized core running"));
}

void KWSyncCtrl::changeEvent(QEvent *e)
{
    QTabWidget::changeEvent(e);
    if (e->type() == QEvent::LanguageChange)
        languageChange();
}

// --- KViewExecPageAddOns -----------------------------------------------------------------------

KViewExecPageAddOns::KViewExecPageAddOns()
    : QObject(nullptr)
{
}

KWSyncCtrlPrivate *KViewExecPageAddOns::controls() const
{
    auto *window = qobject_cast<KWSyncCtrl *>(widget());
    return window ? window->privateData() : nullptr;
}

void KViewExecPageAddOns::connectButtons()
{
    if (KWSyncCtrlPrivate *controls = this->controls(); controls && controls->pendingModeGroup) {
        connect(controls->pendingModeGroup, &QButtonGroup::idClicked, this,
                &KViewExecPageAddOns::slotClicked);
    }
}

void KViewExecPageAddOns::update(int, int)
{
    KWSyncCtrlPrivate *controls = this->controls();
    auto *mode = dynamic_cast<SyncDataModelExecutionAddOns *>(model());
    if (!controls || !controls->pendingModeGroup || !mode)
        return;
    if (QAbstractButton *button =
            controls->pendingModeGroup->button(mode->getPendingMode() ? kAnyCore : kCurrentCore))
        button->setChecked(true);
}

void KViewExecPageAddOns::slotClicked(int)
{
    KWSyncCtrlPrivate *controls = this->controls();
    ASyncAbstractDataModel *bound = model();
    auto *mode = dynamic_cast<SyncDataModelExecutionAddOns *>(bound);
    if (!controls || !controls->pendingModeGroup || !mode)
        return;
    const int id = controls->pendingModeGroup->checkedId();
    mode->prepareChange();
    mode->setPendingMode(id != kCurrentCore ? 1 : 0);
    // A refused mode is read back, so that the radios show what the host holds. The window
    // may be closed by the host meanwhile: it then goes once this slot has ended.
    const tesk::lifetime::Scope scope;
    if (!mode->apply())
        mode->mediator()->refresh();
}
