#include "gui_components/gc_panes/views/kpane.h"

#include "gui_components/gc_panes/views/aview.h"
#include "gui_components/gc_panes/views/kpanetabbar.h"
#include "gui_components/gc_panes/views/panehost.h"

#include <QGridLayout>

KPane::KPane(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_tabWidget(new KPaneTabWidget(this, "PaneTab"))
{
    setObjectName(QString::fromLatin1(name ? name : ""));
    setAttribute(Qt::WA_DeleteOnClose);
    setAcceptDrops(true);
    connect(m_tabWidget, &QTabWidget::currentChanged, this,
            [this](int index) { slotCurrentChanged(m_tabWidget->widget(index)); });
    auto *layout = new QGridLayout(this);
    layout->setObjectName(QStringLiteral("Pane"));
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_tabWidget, 0, 0);
    resize(sizeHint().expandedTo(QSize(800, 200)));
}

KPane::~KPane()
{
    tesk::views::existingPaneHost().removeWindow(m_paneId);
}

int KPane::addTab(QWidget *page, const QIcon &icon, const QString &label)
{
    return m_tabWidget->addTab(page, icon, label);
}

int KPane::addTab(QWidget *page, const QString &label)
{
    return m_tabWidget->addTab(page, label);
}

void KPane::showView(QWidget *view)
{
    m_tabWidget->setCurrentWidget(view);
}

void KPane::slotCurrentChanged(QWidget *page)
{
    if (auto *view = qobject_cast<AView *>(page))
        view->refresh(0);
}

KPaneTabWidget::KPaneTabWidget(KPane *pane, const char *name)
    : QTabWidget(pane)
    , m_pane(pane)
    , m_tabBar(new KPaneTabBar(this, "PaneTabBar"))
{
    setObjectName(QString::fromLatin1(name ? name : ""));
    setTabBar(m_tabBar);
    setTabPosition(QTabWidget::South);
    setTabShape(QTabWidget::Rounded);
    setAcceptDrops(true);
}

AView *KPaneTabWidget::viewById(uint64_t id) const
{
    for (int i = 0; i < count(); ++i) {
        auto *view = qobject_cast<AView *>(widget(i));
        if (view && view->id() == id)
            return view;
    }
    return nullptr;
}
