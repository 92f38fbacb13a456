// The host's road to the library's own panes (a handle that is not a live pane is refused),
// and the font the host draws its own headers in.
#include <tesk/tesk_panes.h>

#include "frame/core/exportguard.h"
#include "gui_components/gc_panes/panes/abstractpane.h"
#include "utilities/uheader.h"

#include <QFontInfo>

namespace {

constexpr int kDone = 0;
constexpr int kRefused = -1;

} // namespace

int CuiAbstractPaneEvent(TeskHandle pane, int code, int, int argument)
{
    return TESK_ON_LIVE(AbstractPane, pane, kRefused,
                        [&](AbstractPane &target) { return target.dispatchEvent(code, argument); });
}

int CuiAbstractPaneDestroy(TeskHandle pane)
{
    if (!pane)
        return kDone;
    return TESK_ON_LIVE(AbstractPane, pane, kRefused, [](AbstractPane &target) {
        target.destroy();
        return kDone;
    });
}

int CuiAbstractPaneSetWindBox(TeskHandle pane, TeskHandle windowBox)
{
    return TESK_ON_LIVE(AbstractPane, pane, kRefused, [&](AbstractPane &target) {
        AbstractPane::CallScope scope(&target);
        target.setWindBox(windowBox);
        return kDone;
    });
}

int CuiAbstractPaneGetWindBox(TeskHandle pane, TeskHandle *windowBox)
{
    if (!windowBox)
        return kRefused;
    return TESK_ON_LIVE(AbstractPane, pane, kRefused, [&](AbstractPane &target) {
        AbstractPane::CallScope scope(&target);
        *windowBox = target.windBox();
        return kDone;
    });
}

int TeskPaneSetPersistData(TeskHandle pane, const char *text)
{
    return TESK_ON_LIVE(AbstractPane, pane, kRefused, [&](AbstractPane &target) {
        AbstractPane::CallScope scope(&target);
        target.setPersistData(text ? text : "");
        return kDone;
    });
}

int TeskPaneGetPersistData(TeskHandle pane, unsigned length, char *buffer)
{
    if (length > 0 && !buffer)
        return kRefused;
    return TESK_ON_LIVE(AbstractPane, pane, kRefused, [&](AbstractPane &target) {
        // The host reads a string whatever the pane writes.
        if (length > 0)
            buffer[0] = '\0';
        AbstractPane::CallScope scope(&target);
        target.getPersistData(length, buffer);
        if (length > 0)
            buffer[length - 1] = '\0';
        return kDone;
    });
}

int CuiHeaderGetFontInfo(unsigned length, char *buffer, int *pixelSize)
{
    return TESK_GUARDED(1, [&] {
        if (length == 0 || !buffer || !pixelSize || !tesk::applicationExists())
            return 1;
        // The font a header widget is drawn in, whatever the style gave the headers' class.
        const UHeader header;
        const QFontInfo info = header.fontInfo();
        const QByteArray family = info.family().toLatin1();
        const int copied = AbstractPane::copyToBuffer(family, length, buffer);
        *pixelSize = info.pixelSize();
        return copied < family.size() ? 1 : 0;
    });
}
