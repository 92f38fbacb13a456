#include "xview.h"

#include "testhost.h"

#include <QApplication>
#include <QDockWidget>
#include <QGuiApplication>
#include <QToolBar>
#include <QWidget>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <cstdlib>
#include <vector>

namespace testhost::xview {

namespace {

// A connection of the test's own: the toolkit's answers come from its own connection, which
// may have read them before the server changed its mind.
Display *display()
{
    static Display *const opened = [] {
        if (QGuiApplication::platformName() != QLatin1String("xcb") || !std::getenv("DISPLAY"))
            return static_cast<Display *>(nullptr);
        return XOpenDisplay(nullptr);
    }();
    return opened;
}

// Whatever the toolkit asked of the server has reached it before the server is asked.
void caughtUp()
{
    QCoreApplication::processEvents();
    XSync(display(), False);
}

std::vector<unsigned long> cardinals(Window window, const char *name, Atom type)
{
    Display *x = display();
    Atom actual = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char *data = nullptr;
    std::vector<unsigned long> values;
    if (XGetWindowProperty(x, window, XInternAtom(x, name, False), 0, 4096, False, type, &actual,
                           &format, &count, &after, &data) == Success &&
        data && format == 32)
        values.assign(reinterpret_cast<unsigned long *>(data),
                      reinterpret_cast<unsigned long *>(data) + count);
    if (data)
        XFree(data);
    return values;
}

QString text(const QRect &r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

bool floatingDock(const QWidget *window)
{
    return qobject_cast<const QDockWidget *>(window) != nullptr;
}

} // namespace

bool available()
{
    return display() != nullptr;
}

Shown shown(const QWidget *window)
{
    Shown seen;
    Display *x = display();
    const Window id = window ? Window(window->internalWinId()) : None;
    if (!x || id == None)
        return seen;
    caughtUp();
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(x, id, &attributes))
        return seen;
    seen.exists = true;
    seen.mapped = attributes.map_state != IsUnmapped;
    seen.viewable = attributes.map_state == IsViewable;
    int rootX = 0, rootY = 0;
    Window child = None;
    XTranslateCoordinates(x, id, DefaultRootWindow(x), 0, 0, &rootX, &rootY, &child);
    seen.client = QRect(rootX, rootY, attributes.width, attributes.height);
    const std::vector<unsigned long> extents = cardinals(id, "_NET_FRAME_EXTENTS", XA_CARDINAL);
    if (extents.size() == 4) {
        seen.frameKnown = true;
        seen.frame = QMargins(int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3]));
    }
    return seen;
}

bool agrees(const QWidget *window)
{
    if (!available() || !window->internalWinId())
        return true;
    const Shown seen = shown(window);
    return seen.viewable && seen.client == window->geometry();
}

QRect workArea()
{
    Display *x = display();
    if (!x)
        return {};
    caughtUp();
    const std::vector<unsigned long> area =
        cardinals(DefaultRootWindow(x), "_NET_WORKAREA", XA_CARDINAL);
    return area.size() < 4 ? QRect()
                           : QRect(int(area[0]), int(area[1]), int(area[2]), int(area[3]));
}

int stackingIndex(const QWidget *window)
{
    Display *x = display();
    if (!x || !window || !window->internalWinId())
        return -1;
    caughtUp();
    const std::vector<unsigned long> order =
        cardinals(DefaultRootWindow(x), "_NET_CLIENT_LIST_STACKING", XA_WINDOW);
    for (size_t i = 0; i < order.size(); ++i)
        if (order[i] == window->internalWinId())
            return int(i);
    return -1;
}

QString describe(const QWidget *window)
{
    const Shown seen = shown(window);
    const QString toolkit =
        QStringLiteral("toolkit %1 %2 frame %3")
            .arg(window->isVisible() ? QStringLiteral("shown") : QStringLiteral("hidden"),
                 text(window->geometry()), text(window->frameGeometry()));
    if (!seen.exists)
        return QStringLiteral("%1: %2; X server: no window").arg(window->windowTitle(), toolkit);
    // The window manager's state of it (maximized, say), which the toolkit may not know yet.
    QString states;
    Display *x = display();
    for (unsigned long atom :
         cardinals(Window(window->internalWinId()), "_NET_WM_STATE", XA_ATOM)) {
        char *name = XGetAtomName(x, Atom(atom));
        states +=
            QLatin1Char(' ') + QString::fromLatin1(name).remove(QStringLiteral("_NET_WM_STATE_"));
        XFree(name);
    }
    // A window manager keeps a window above the one it is transient for, if it took that in.
    Window over = None;
    if (XGetTransientForHint(x, Window(window->internalWinId()), &over)) {
        const QWidget *owner = window->parentWidget() ? window->parentWidget()->window() : nullptr;
        states += owner && over == owner->internalWinId()
                      ? QStringLiteral(", transient for its main window")
                      : QStringLiteral(", transient for 0x%1").arg(qulonglong(over), 0, 16);
    }
    return QStringLiteral("%1: %2 state %8; X server %3 %4 frame %5 stacked %6 state%7")
        .arg(window->windowTitle(), toolkit,
             seen.viewable
                 ? QStringLiteral("viewable")
                 : (seen.mapped ? QStringLiteral("unviewable") : QStringLiteral("unmapped")),
             text(seen.client), seen.frameKnown ? text(seen.framed()) : QStringLiteral("unknown"))
        .arg(stackingIndex(window))
        .arg(states.isEmpty() ? QStringLiteral(" none") : states)
        .arg(int(window->windowState()));
}

QString mismatch(const QWidget *mainWindow)
{
    if (!available() || !mainWindow || !mainWindow->isVisible())
        return {};
    const QRect free = workArea();
    const int mainAt = stackingIndex(mainWindow);
    QList<const QWidget *> windows{mainWindow};
    for (const QWidget *child : mainWindow->findChildren<QWidget *>())
        if (child->isWindow() && child->isVisible() &&
            (floatingDock(child) || qobject_cast<const QToolBar *>(child)))
            windows.append(child);
    for (const QWidget *window : windows) {
        const Shown seen = shown(window);
        if (!seen.viewable)
            return QStringLiteral("shown by the toolkit, not viewable: ") + describe(window);
        if (free.isValid() && seen.frameKnown && !free.contains(seen.framed()))
            return QStringLiteral("frame beyond the work area %1: ").arg(text(free)) +
                   describe(window);
        if (floatingDock(window) && mainAt >= 0 && stackingIndex(window) < mainAt)
            return QStringLiteral("floating dock below its main window (at %1): ").arg(mainAt) +
                   describe(window);
    }
    return {};
}

QString dockedApart(const QWidget *mainWindow)
{
    if (!available() || !mainWindow)
        return {};
    for (const QDockWidget *dock : mainWindow->findChildren<QDockWidget *>())
        if (!dock->isWindow() && dock->isVisible() && dock->internalWinId() &&
            stackingIndex(dock) >= 0 && shown(dock).viewable)
            return QStringLiteral("docked by the toolkit, a window of its own on the server: ") +
                   describe(dock);
    return {};
}

void resizeOnServer(const QWidget *window, QSize size)
{
    Display *x = display();
    if (!x || !window || !window->internalWinId())
        return;
    XResizeWindow(x, Window(window->internalWinId()), unsigned(size.width()),
                  unsigned(size.height()));
    XFlush(x);
}

void pointerTo(QPoint global)
{
    if (Display *x = display()) {
        XTestFakeMotionEvent(x, -1, global.x(), global.y(), CurrentTime);
        XFlush(x);
    }
}

void press()
{
    if (Display *x = display()) {
        XTestFakeButtonEvent(x, 1, True, CurrentTime);
        XFlush(x);
    }
}

void release()
{
    if (Display *x = display()) {
        XTestFakeButtonEvent(x, 1, False, CurrentTime);
        XFlush(x);
    }
}

void drag(QPoint from, QPoint to)
{
    pointerTo(from);
    pumpFor(60);
    press();
    pumpFor(60);
    constexpr int kSteps = 16;
    for (int i = 1; i <= kSteps; ++i) {
        pointerTo(from + (to - from) * i / kSteps);
        pumpFor(25);
    }
    // Held, as a hand lets the drop place show before it lets go.
    pumpFor(250);
    release();
    pumpFor(100);
}

void doubleClick(QPoint at)
{
    pointerTo(at);
    pumpFor(60);
    for (int i = 0; i < 2; ++i) {
        press();
        pumpFor(20);
        release();
        pumpFor(40);
    }
    pumpFor(100);
}

} // namespace testhost::xview
