#!/usr/bin/env python3
# closewindow.py TITLE: asks the top-level windows of that title on $DISPLAY to close, as a window
# manager's close button does (WM_DELETE_WINDOW), through libX11 itself: no module to install.
# closewindow.py --absent TITLE: fails when a window of that title shows on $DISPLAY.
import ctypes, sys, time

L, P, V = ctypes.c_ulong, ctypes.POINTER, ctypes.c_void_p


class Message(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", L), ("send_event", ctypes.c_int),
                ("display", V), ("window", L), ("message_type", L), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 12)]


x = ctypes.CDLL("libX11.so.6")
x.XOpenDisplay.restype, x.XDefaultRootWindow.restype, x.XInternAtom.restype = V, L, L
x.XOpenDisplay.argtypes, x.XDefaultRootWindow.argtypes, x.XFlush.argtypes = [V], [V], [V]
x.XInternAtom.argtypes = [V, ctypes.c_char_p, ctypes.c_int]
x.XQueryTree.argtypes = [V, L, P(L), P(L), P(P(L)), P(ctypes.c_uint)]
x.XGetWindowProperty.argtypes = [V, L, L, ctypes.c_long, ctypes.c_long, ctypes.c_int, L, P(L),
                                 P(ctypes.c_int), P(L), P(L), P(ctypes.c_char_p)]
x.XSendEvent.argtypes = [V, L, ctypes.c_int, ctypes.c_long, P(Message)]
display = x.XOpenDisplay(None)
atom = lambda name: x.XInternAtom(display, name, 0)


def tree(parent):
    children, count = P(L)(), ctypes.c_uint()
    if not x.XQueryTree(display, parent, ctypes.byref(L()), ctypes.byref(L()),
                        ctypes.byref(children), ctypes.byref(count)):
        return []
    found = [children[i] for i in range(count.value)]
    return found + [w for child in found for w in tree(child)]


def title(window):  # the toolkit names its windows in UTF-8: _NET_WM_NAME, else WM_NAME (39)
    for name in (atom(b"_NET_WM_NAME"), 39):
        value, out = ctypes.c_char_p(), [ctypes.byref(t()) for t in (L, ctypes.c_int, L, L)]
        if x.XGetWindowProperty(display, window, name, 0, 256, 0, 0, *out,
                                ctypes.byref(value)) == 0 and value.value:
            return value.value.decode("utf-8", "replace")
    return None


class Attributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int), ("depth", ctypes.c_int),
                ("visual", V), ("root", L), ("c_class", ctypes.c_int),
                ("bit_gravity", ctypes.c_int), ("win_gravity", ctypes.c_int),
                ("backing_store", ctypes.c_int), ("backing_planes", L), ("backing_pixel", L),
                ("save_under", ctypes.c_int), ("colormap", L), ("map_installed", ctypes.c_int),
                ("map_state", ctypes.c_int), ("all_event_masks", ctypes.c_long),
                ("your_event_mask", ctypes.c_long), ("do_not_propagate_mask", ctypes.c_long),
                ("override_redirect", ctypes.c_int), ("screen", V)]


if len(sys.argv) == 3 and sys.argv[1] == "--absent":
    x.XGetWindowAttributes.argtypes = [V, L, P(Attributes)]
    shown = Attributes()
    for window in tree(x.XDefaultRootWindow(display)) if display else []:
        if title(window) == sys.argv[2] and x.XGetWindowAttributes(
                display, window, ctypes.byref(shown)) and shown.map_state == 2:
            print("closewindow: a window titled %s shows" % sys.argv[2])
            sys.exit(1)
    sys.exit(0 if display else 1)

deadline = time.time() + 30
while display and time.time() < deadline:
    matches = [w for w in tree(x.XDefaultRootWindow(display)) if title(w) == sys.argv[1]]
    for window in matches:
        message = Message(type=33, window=window, message_type=atom(b"WM_PROTOCOLS"), format=32)
        message.data[0] = atom(b"WM_DELETE_WINDOW")
        x.XSendEvent(display, window, 0, 0, ctypes.byref(message))
    if matches:
        x.XFlush(display)
        sys.exit(0)
    time.sleep(0.2)
print("closewindow: no window titled %s showed" % sys.argv[1])
sys.exit(1)
