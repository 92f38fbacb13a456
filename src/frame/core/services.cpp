#include "frame/core/services.h"

#include "frame/core/tablemenu.h"

#include <QWidget>

namespace tesk::core {

namespace {

constexpr int kOptionHide = 667;
constexpr int kOptionClose = 668;

// One slot per interface: the installed implementation, or the absent one.
template<typename Services>
struct Slot
{
    static Services *&installed()
    {
        static Services *services = nullptr;
        return services;
    }
    static Services &current()
    {
        static Services absent;
        Services *services = installed();
        return services ? *services : absent;
    }
    static Services *install(Services *services)
    {
        Services *previous = installed();
        installed() = services;
        return previous;
    }
};

} // namespace

QWidget *FrameServices::currentMainWindow()
{
    return nullptr;
}

void FrameServices::setModalDialogShown(bool) {}

void FrameServices::installTranslations() {}

QMap<int, QString> FrameServices::standardLabels()
{
    return {};
}

QWidget *FrameServices::createSplash(const char *, const QString &)
{
    return nullptr;
}

QString FrameServices::expandFileName(const QString &name)
{
    return name;
}

QString FrameServices::contextMenuLabel(const QString &)
{
    return {};
}

void FrameServices::relayDragMove(QWidget *, TeskHandle, QDragMoveEvent *) {}

void FrameServices::relayDrop(QWidget *, TeskHandle, QDropEvent *) {}

void FrameServices::markPanePopupShown() {}

void FrameServices::appendDockMenuItems(QMenu *, bool) {}

bool FrameServices::paneGenericOption(TeskHandle, int)
{
    return false;
}

bool FrameServices::enclosingDockOption(QWidget *, int)
{
    return false;
}

std::unique_ptr<TableMenu> FrameServices::makeTableMenu(int)
{
    return nullptr;
}

bool FrameServices::hidePane(TeskHandle paneHandle)
{
    return paneGenericOption(paneHandle, kOptionHide);
}

bool FrameServices::closePane(TeskHandle paneHandle)
{
    return paneGenericOption(paneHandle, kOptionClose);
}

bool HelpServices::showHelp(int32_t, int32_t)
{
    return false;
}

QWidget *PaneServices::createFrame(QWidget *parent)
{
    auto *plain = new QWidget(parent);
    plain->setObjectName(QStringLiteral("CuiKSOPane"));
    return plain;
}

bool PaneServices::bindFrame(QWidget *, PaneCodeCallback, TeskHandle)
{
    return false;
}

void PaneServices::notifyFrameFocus(QWidget *) {}

quintptr PaneServices::frameAreaId(QWidget *)
{
    return 0;
}

bool PaneServices::runCommand(QObject *, CuiPaneOutputFn, void *, const QStringList &, QString &)
{
    return false;
}

int DialogServices::simpleEntry(const char *, const char *, const char *, char *, int32_t,
                                const char *, int32_t)
{
    return 0;
}

bool DialogServices::chooseFile(QWidget *, const QString &, const QString &, const QString &, int,
                                QString &, QStringList &)
{
    return false;
}

FrameServices &frameServices()
{
    return Slot<FrameServices>::current();
}

HelpServices &helpServices()
{
    return Slot<HelpServices>::current();
}

PaneServices &paneServices()
{
    return Slot<PaneServices>::current();
}

DialogServices &dialogServices()
{
    return Slot<DialogServices>::current();
}

FrameServices *install(FrameServices *services)
{
    return Slot<FrameServices>::install(services);
}

HelpServices *install(HelpServices *services)
{
    return Slot<HelpServices>::install(services);
}

PaneServices *install(PaneServices *services)
{
    return Slot<PaneServices>::install(services);
}

DialogServices *install(DialogServices *services)
{
    return Slot<DialogServices>::install(services);
}

TabbedFrame *tabbedFrame(QWidget *widget)
{
    return dynamic_cast<TabbedFrame *>(widget);
}

} // namespace tesk::core
