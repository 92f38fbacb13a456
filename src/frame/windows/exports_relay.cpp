// The host's tool tip and the text drag-and-drop relay.
#include <tesk/tesk_relay.h>

#include "frame/windows/cuitooltip.h"
#include "frame/core/exportguard.h"
#include "frame/windows/ksodraganddrop.h"

#include <QDropEvent>
#include <QWidget>

void CuiToolTipShowAt(const char *text, int x, int y)
{
    tesk::guarded("CuiToolTipShowAt", [&] {
        CuiToolTip::showAt(nullptr, QString::fromLatin1(text ? text : ""), x, y);
    });
}

void CuiToolTipHide(void)
{
    CuiToolTip::hideTip();
}

int CuiKsoDragAndDrop_setDragContext(int context)
{
    return tesk::frame::dragdrop::setDragContext(context);
}

int *CuiKsoDragAndDrop_getDragContext(int *out)
{
    if (out)
        *out = tesk::frame::dragdrop::dragContext();
    return out;
}

void CuiKsoDragAndDrop_dragStart(int mode, const char *utf8Text)
{
    if (!utf8Text)
        return;
    tesk::guarded("CuiKsoDragAndDrop_dragStart",
                  [&] { tesk::frame::dragdrop::startDrag(mode, QString::fromUtf8(utf8Text)); });
}

void CuiKsoDragAndDrop_dragMoveEvent(void *widget, TeskHandle windowBox, void *dragMoveEvent)
{
    tesk::guarded("CuiKsoDragAndDrop_dragMoveEvent", [&] {
        tesk::frame::dragdrop::dragMove(static_cast<QWidget *>(widget), windowBox,
                                        static_cast<QDragMoveEvent *>(dragMoveEvent));
    });
}

void CuiKsoDragAndDrop_dropEvent(void *widget, TeskHandle windowBox, void *dropEvent)
{
    tesk::guarded("CuiKsoDragAndDrop_dropEvent", [&] {
        tesk::frame::dragdrop::drop(static_cast<QWidget *>(widget), windowBox,
                                    static_cast<QDropEvent *>(dropEvent));
    });
}
