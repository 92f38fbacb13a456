#include "gui_components/gc_panes/views/aview.h"

#include "gui_components/gc_panes/views/panehost.h"

AView::AView(const char *name, Qt::WindowFlags flags)
    : QWidget(nullptr, flags)
{
    setObjectName(QString::fromLatin1(name ? name : ""));
    setAttribute(Qt::WA_DeleteOnClose);
}

uint64_t AView::id() const
{
    return m_id;
}

void AView::setId(uint64_t id)
{
    m_id = id;
}

uint64_t AView::paneId() const
{
    return m_paneId;
}

void AView::setPaneId(uint64_t id)
{
    m_paneId = id;
}

void AView::setName(const std::string &name)
{
    const QString text = QString::fromStdString(name);
    setObjectName(text);
    tesk::views::paneHost().setViewTabLabel(this, text);
}

void AView::saveSettings(std::string &) {}

void AView::restoreSettings(const std::string &) {}
