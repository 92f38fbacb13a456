#include "sync/syncdlg.h"

#include "sync/cgcds_dialog.h"
#include "sync/kwsyncctrl.h"
#include "sync/syncimages.h"

#include "frame/core/services.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QSpacerItem>
#include <QVBoxLayout>

namespace {

constexpr int32_t kHelpTopic = 783;
constexpr int32_t kHelpMap = 10;

} // namespace

SyncDlg::SyncDlg(QWidget *parent, const char *name, bool modal, Qt::WindowFlags flags)
    : QDialog(parent, flags | Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    setModal(modal);
}

bool SyncDlg::setup(SyncDataMediator *mediator, CGcds_Dialog *component)
{
    m_mediator = mediator;
    m_component = component;

    auto *mainLayout = new QVBoxLayout(this);
    mainLayout->setObjectName(QStringLiteral("mainLayout"));
    mainLayout->setContentsMargins(1, 1, 1, 1);
    mainLayout->setSpacing(1);

    m_control = new KWSyncCtrl(this, "KWSyncCtrl");
    m_control->setup(mediator);
    mainLayout->addWidget(m_control);
    // The dialog keeps the size its contents ask for.
    mainLayout->setSizeConstraint(QLayout::SetFixedSize);

    auto *buttonLayout = new QHBoxLayout;
    buttonLayout->setObjectName(QStringLiteral("buttonLayout"));
    buttonLayout->setSpacing(3);
    buttonLayout->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum));
    auto *closeButton = new QPushButton(tr("&Close"), this);
    closeButton->setObjectName(QStringLiteral("buttonClose"));
    auto *helpButton = new QPushButton(tr("&Help"), this);
    helpButton->setObjectName(QStringLiteral("buttonHelp"));
    buttonLayout->addWidget(closeButton);
    buttonLayout->addWidget(helpButton);
    mainLayout->addLayout(buttonLayout);

    connect(closeButton, &QPushButton::clicked, this, &QDialog::close);
    connect(helpButton, &QPushButton::clicked, this, &SyncDlg::slotHelp);

    setWindowIcon(QPixmap(tesk::sync::kSyncWindowXpm));
    setWindowTitle(tr("Synchronization Control"));
    setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Minimum);
    adjustSize();
    return true;
}

void SyncDlg::slotHelp()
{
    tesk::core::helpServices().showHelp(kHelpTopic, kHelpMap);
}

bool SyncDlg::showDialog(bool on)
{
    if (!on) {
        hide();
        return true;
    }
    show();
    raise();
    return true;
}

void SyncDlg::done(int result)
{
    QDialog::done(result);
    if (m_component)
        m_component->close();
}
