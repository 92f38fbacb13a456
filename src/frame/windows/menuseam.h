#pragma once

#include <tesk/tesk_global.h>

#include <QString>

class MainWindow;
class QObject;

// The main window's road to its menu manager. The manager turns the static menu tables into a
// window's menu bar and toolbars and is the only road by which a menu command reaches the
// host; the operations of the manager MT (frame/mt.h) are in place from the start, and tests
// may put others in their place. Without a builder, windows are built without menus and close
// without asking the host.
//
// A manager is a QObject with the signals sigClearStatus(), sigSetCalling(bool) and
// sigActivated(int); the window owns it.

// The stage of the host's menu-callback registration; a new window request starts it again.
extern int g_menuCallbackState;

namespace tesk::frame {

struct MenuManagerOps
{
    // Builds the menus of a table kind into the window. Returns the manager, and an error text
    // when the tables could not be built completely.
    QObject *(*build)(MainWindow *window, int tableKind, QString *errorText) = nullptr;
    // Runs a host command through the manager's activation road (calling mark, host callback).
    void (*activate)(QObject *manager, int hostId) = nullptr;
    // The window's frame context, which the host's cycle-button callback receives first.
    void (*setFrameContext)(QObject *manager, TeskHandle context) = nullptr;
    // The text of the item with a host id in the tables of a kind; empty when there is none.
    QString (*itemText)(int tableKind, int hostId) = nullptr;
};

// The menu manager's operations are in place from the start; tests put others in their
// place. Returns the operations installed before.
MenuManagerOps setMenuManagerOps(const MenuManagerOps &ops);
const MenuManagerOps &menuManagerOps();

} // namespace tesk::frame
