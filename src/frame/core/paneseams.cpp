#include "frame/core/paneseams.h"

#include <QWidget>

namespace tesk::core {

namespace {

PaneFrameHooks &paneFrameHooks()
{
    static PaneFrameHooks hooks;
    return hooks;
}

FrameServiceHooks &frameServiceHooks()
{
    static FrameServiceHooks hooks;
    return hooks;
}

DockHooks &dockHooks()
{
    static DockHooks hooks;
    return hooks;
}

constexpr int kOptionHide = 667;
constexpr int kOptionClose = 668;

} // namespace

TabbedFrame *tabbedFrame(QWidget *widget)
{
    return dynamic_cast<TabbedFrame *>(widget);
}

void setDockHooks(const DockHooks &hooks)
{
    dockHooks() = hooks;
}

void appendDockMenuItems(QMenu *menu, bool separatorFirst)
{
    if (menu && dockHooks().appendItems)
        dockHooks().appendItems(menu, separatorFirst);
}

bool processPaneGenericOption(TeskHandle paneHandle, int option)
{
    return dockHooks().genericOption && dockHooks().genericOption(paneHandle, option);
}

bool hidePane(TeskHandle paneHandle)
{
    return processPaneGenericOption(paneHandle, kOptionHide);
}

bool closePane(TeskHandle paneHandle)
{
    return processPaneGenericOption(paneHandle, kOptionClose);
}

void setPaneFrameHooks(const PaneFrameHooks &hooks)
{
    paneFrameHooks() = hooks;
}

void addFrameServiceHooks(const FrameServiceHooks &hooks)
{
    FrameServiceHooks &installed = frameServiceHooks();
    if (hooks.lookupLabel)
        installed.lookupLabel = hooks.lookupLabel;
    if (hooks.dragMove)
        installed.dragMove = hooks.dragMove;
    if (hooks.drop)
        installed.drop = hooks.drop;
    if (hooks.markPanePopupShown)
        installed.markPanePopupShown = hooks.markPanePopupShown;
}

QWidget *createPaneFrame(QWidget *parent)
{
    if (paneFrameHooks().create)
        return paneFrameHooks().create(parent);
    auto *plain = new QWidget(parent);
    plain->setObjectName(QStringLiteral("CuiKSOPane"));
    return plain;
}

bool bindPaneFrame(QWidget *frame, PaneCodeCallback callback, TeskHandle windowBox)
{
    return frame && paneFrameHooks().bind && paneFrameHooks().bind(frame, callback, windowBox);
}

quintptr paneFrameAreaId(QWidget *frame)
{
    return frame && paneFrameHooks().mainAreaId ? paneFrameHooks().mainAreaId(frame) : 0;
}

QString lookupContextMenuLabel(const QString &key)
{
    return frameServiceHooks().lookupLabel ? frameServiceHooks().lookupLabel(key) : QString();
}

void relayDragMove(QWidget *widget, TeskHandle windowBox, QDragMoveEvent *event)
{
    if (frameServiceHooks().dragMove)
        frameServiceHooks().dragMove(widget, windowBox, event);
}

void relayDrop(QWidget *widget, TeskHandle windowBox, QDropEvent *event)
{
    if (frameServiceHooks().drop)
        frameServiceHooks().drop(widget, windowBox, event);
}

void markPanePopupShown()
{
    if (frameServiceHooks().markPanePopupShown)
        frameServiceHooks().markPanePopupShown();
}

} // namespace tesk::core
