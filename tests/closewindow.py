#!/usr/bin/env python3
"""closewindow.py TITLE: closes the top-level window of that title on $DISPLAY as a window
manager's close button does, by sending it WM_DELETE_WINDOW. Waits up to 30 seconds for the
window to show; exits 1 when none does. Plain Xlib through ctypes: no X module to install."""
import ctypes
import ctypes.util
import sys
import time

c_ulong = ctypes.c_ulong


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", c_ulong), ("message_type", c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class Event(ctypes.Union):
    _fields_ = [("client", ClientMessage), ("pad", ctypes.c_long * 24)]


def main():
    title = sys.argv[1].encode()
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XDefaultRootWindow.restype = c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XInternAtom.restype = c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XQueryTree.argtypes = [ctypes.c_void_p, c_ulong, ctypes.POINTER(c_ulong),
                               ctypes.POINTER(c_ulong), ctypes.POINTER(ctypes.POINTER(c_ulong)),
                               ctypes.POINTER(ctypes.c_uint)]
    x11.XGetWindowProperty.argtypes = [
        ctypes.c_void_p, c_ulong, c_ulong, ctypes.c_long, ctypes.c_long, ctypes.c_int, c_ulong,
        ctypes.POINTER(c_ulong), ctypes.POINTER(ctypes.c_int), ctypes.POINTER(c_ulong),
        ctypes.POINTER(c_ulong), ctypes.POINTER(ctypes.c_char_p)]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(Event)]
    x11.XFree.argtypes = [ctypes.c_void_p]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        print("closewindow: no display")
        return 1

    def windows(parent):
        root, up = c_ulong(), c_ulong()
        children = ctypes.POINTER(c_ulong)()
        count = ctypes.c_uint()
        if not x11.XQueryTree(display, parent, ctypes.byref(root), ctypes.byref(up),
                              ctypes.byref(children), ctypes.byref(count)):
            return []
        found = [children[i] for i in range(count.value)]
        if children:
            x11.XFree(children)
        return found + [w for child in found for w in windows(child)]

    # The toolkit names its windows in UTF-8, which XFetchName does not read.
    names = [x11.XInternAtom(display, b"_NET_WM_NAME", 0), 39]  # 39: WM_NAME

    def named(window):
        for atom in names:
            kind, unit, count, after = c_ulong(), ctypes.c_int(), c_ulong(), c_ulong()
            value = ctypes.c_char_p()
            if x11.XGetWindowProperty(display, window, atom, 0, 256, 0, 0, ctypes.byref(kind),
                                      ctypes.byref(unit), ctypes.byref(count),
                                      ctypes.byref(after), ctypes.byref(value)) == 0 and \
                    value.value == title:
                return True
        return False

    deadline = time.time() + 30
    while time.time() < deadline:
        matches = [w for w in windows(x11.XDefaultRootWindow(display)) if named(w)]
        if matches:
            protocols = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
            delete = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
            for window in matches:
                event = Event()
                event.client.type = 33  # ClientMessage
                event.client.window = window
                event.client.message_type = protocols
                event.client.format = 32
                event.client.data[0] = delete
                event.client.data[1] = 0  # CurrentTime
                x11.XSendEvent(display, window, 0, 0, ctypes.byref(event))
            x11.XFlush(display)
            print("closewindow: asked %d window(s) titled %s to close" % (len(matches), sys.argv[1]))
            return 0
        time.sleep(0.2)
    print("closewindow: no window titled %s showed" % sys.argv[1])
    return 1


if __name__ == "__main__":
    sys.exit(main())
