// The tabs and horizontal scroll bar of the frames the host draws into, the status position of
// a main window and dock windows for ready-made toolkit panes.
#include <tesk/tesk_window.h>

#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/services.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

using tesk::core::TabbedFrame;

namespace {

// Answers of the exports that report whether a window has the box.
constexpr int kWindowFound = 0;
constexpr int kNoWindow = 1;

// The frame of the dock window with the box, else of the main window with it; null also for a
// dock window holding a toolkit widget. found says whether either window exists.
TabbedFrame *boxFrame(TeskHandle box, bool *found = nullptr)
{
    Store *store = Store::existing();
    QWidget *pane = nullptr;
    bool exists = false;
    if (DockWidget *dock = store ? store->findDockWidget(box) : nullptr) {
        pane = dock->pane();
        exists = true;
    } else if (MainWindow *window = store ? store->findMainWindowByHandle(box) : nullptr) {
        pane = window->pane();
        exists = true;
    }
    if (found)
        *found = exists;
    return tesk::core::tabbedFrame(pane);
}

// The frame of the first main window that has the box itself or in one of its dock windows.
TabbedFrame *ownedFrame(TeskHandle box)
{
    Store *store = Store::existing();
    return store ? tesk::core::tabbedFrame(store->paneForBox(box)) : nullptr;
}

// Runs a getter on the box's frame when every output is there.
template<typename Get>
int frameGetter(TeskHandle box, bool outputsGiven, Get get)
{
    bool found = false;
    TabbedFrame *frame = boxFrame(box, &found);
    if (frame && outputsGiven)
        get(frame);
    return found ? kWindowFound : kNoWindow;
}

} // namespace

void CuiWindowAddTab(TeskHandle box, int index, const char *text, const char *toolTip)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->addTab(index, tesk::core::hostTextUtf8(text ? text : ""),
                          tesk::core::hostTextUtf8(toolTip));
    });
}

int CuiWindowRemoveTab(TeskHandle box, int index)
{
    return TESK_GUARDED(kNoWindow, [&] {
        bool found = false;
        if (TabbedFrame *frame = boxFrame(box, &found))
            frame->removeTab(index);
        return found ? kWindowFound : kNoWindow;
    });
}

void CuiWindowSetTabText(TeskHandle box, int index, const char *text)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->setTabText(index, tesk::core::hostTextUtf8(text ? text : ""));
    });
}

void CuiWindowSetTabTooltip(TeskHandle box, int index, const char *toolTip)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->setTabTooltip(index, tesk::core::hostTextUtf8(toolTip));
    });
}

void CuiWindowSetTabModifyFlag(TeskHandle box, int index, int mode)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = ownedFrame(box))
            frame->setTabModifyFlag(index, mode);
    });
}

void CuiWindowSetTabExecuteFlag(TeskHandle box, int index, int flag)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = ownedFrame(box))
            frame->setTabExecuteFlag(index, flag);
    });
}

void CuiWindowSetTabCurrent(TeskHandle box, int index)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = ownedFrame(box))
            frame->setTabCurrent(index);
    });
}

void CuiWindowSetHScrollMinMaxValues(TeskHandle box, int min, int max)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->setHScrollMinMaxValues(min, max);
    });
}

int CuiWindowGetHScrollMinMaxValues(TeskHandle box, int *min, int *max)
{
    return TESK_GUARDED(kNoWindow, [&] {
        return frameGetter(box, min && max,
                           [&](TabbedFrame *frame) { frame->getHScrollMinMaxValues(min, max); });
    });
}

void CuiWindowSetHScrollPageSize(TeskHandle box, int size)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->setHScrollPageSize(size);
    });
}

int CuiWindowGetHScrollPageSize(TeskHandle box, int *size)
{
    return TESK_GUARDED(kNoWindow, [&] {
        return frameGetter(box, size != nullptr,
                           [&](TabbedFrame *frame) { frame->getHScrollPageSize(size); });
    });
}

void CuiWindowSetHScrollPosition(TeskHandle box, int position)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->setHScrollPosition(position);
    });
}

int CuiWindowGetHScrollPosition(TeskHandle box, int *position)
{
    return TESK_GUARDED(kNoWindow, [&] {
        return frameGetter(box, position != nullptr,
                           [&](TabbedFrame *frame) { frame->getHScrollPosition(position); });
    });
}

void CuiWindowSetHScrollTrackPosition(TeskHandle box, int position)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->setHScrollTrackPosition(position);
    });
}

void CuiWindowSetHScrollDisabled(TeskHandle box, int disabled)
{
    TESK_GUARDED_VOID([&] {
        if (TabbedFrame *frame = boxFrame(box))
            frame->setHScrollDisabled(disabled != 0);
    });
}

void CuiWindowSetStatusPosition(TeskHandle box, int line, int column)
{
    TESK_GUARDED_VOID([&] {
        Store *store = Store::existing();
        if (store && store->selectMainWindowByHandle(box))
            Store::currentMainWindow()->setStatusPosition(line, column);
    });
}

void *CuiWindowCreateQtPane(const char *name, void *pane, CuiCodeCallbackFn callback,
                            TeskHandle box)
{
    return TESK_GUARDED(static_cast<void *>(nullptr), [&]() -> void * {
        // Only a widget the library handed out may be taken in.
        auto *widget = qobject_cast<QWidget *>(tesk::handles::object(pane));
        MainWindow *window = widget ? Store::routeCalling() : nullptr;
        DockWidget *dock = window ? window->createDockWidget(name, widget, callback, box) : nullptr;
        return tesk::handles::add(dock);
    });
}
