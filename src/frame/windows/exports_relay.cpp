// The host's tool tip and the text drag-and-drop relay.
#include <tesk/tesk_relay.h>

#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/windows/cuitooltip.h"
#include "frame/windows/ksodraganddrop.h"

void CuiToolTipShowAt(const char *text, int x, int y)
{
    TESK_GUARDED_VOID([&] {
        if (tesk::applicationExists())
            CuiToolTip::showAt(nullptr, tesk::core::hostText(text ? text : ""), x, y);
    });
}

void CuiToolTipHide(void)
{
    TESK_GUARDED_VOID([] { CuiToolTip::hideTip(); });
}

int CuiKsoDragAndDrop_setDragContext(int context)
{
    return TESK_GUARDED(0, [context] { return tesk::frame::dragdrop::setDragContext(context); });
}

int *CuiKsoDragAndDrop_getDragContext(int *out)
{
    TESK_GUARDED_VOID([out] {
        if (out)
            *out = tesk::frame::dragdrop::dragContext();
    });
    return out;
}

void CuiKsoDragAndDrop_dragStart(int mode, const char *utf8Text)
{
    if (!utf8Text)
        return;
    TESK_GUARDED_VOID([&] {
        if (tesk::applicationExists())
            tesk::frame::dragdrop::startDrag(mode, QString::fromUtf8(utf8Text));
    });
}

void CuiKsoDragAndDrop_dragMoveEvent(void *widget, TeskHandle windowBox, void *dragMoveEvent)
{
    TESK_GUARDED_VOID(
        [&] { tesk::frame::dragdrop::hostDragMove(widget, windowBox, dragMoveEvent); });
}

void CuiKsoDragAndDrop_dropEvent(void *widget, TeskHandle windowBox, void *dropEvent)
{
    TESK_GUARDED_VOID([&] { tesk::frame::dragdrop::hostDrop(widget, windowBox, dropEvent); });
}
