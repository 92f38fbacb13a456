#include "nativeids.h"

namespace tesk::system {

WId windowNativeId(QWidget *window)
{
    if (!window)
        return 0;
    if (!window->isWindow())
        return innerNativeId(window);
    // Made as the toolkit makes it for the show, without the mark that makes siblings native.
    if (!window->internalWinId())
        window->createWinId();
    return window->internalWinId();
}

WId innerNativeId(QWidget *widget)
{
    if (!widget)
        return 0;
    if (!widget->isWindow())
        widget->setAttribute(Qt::WA_DontCreateNativeAncestors);
    return widget->winId();
}

} // namespace tesk::system
