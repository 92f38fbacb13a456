#pragma once

#include <tesk/tesk_global.h>

#include <QObject>
#include <QString>

class MainWindow;

namespace tesk::frame {

// What a main window needs of its menu manager: the signals it connects to. The manager turns
// the static menu tables into a window's menu bar and toolbars and is the only road by which
// a menu command reaches the host; the window owns it.
class MenuManagerBase : public QObject
{
    Q_OBJECT

signals:
    void sigClearStatus();
    void sigSetCalling(bool calling);
    void sigActivated(int id);

protected:
    // Only a concrete manager is ever made.
    explicit MenuManagerBase(QObject *parent = nullptr)
        : QObject(parent)
    {
    }
};

// The main window's road to its menu manager. The builder of the manager MT (frame/menus)
// installs itself when the library is loaded; tests may put another in its place. Without a
// builder, windows are built without menus and close without asking the host.
class MenuBuilder
{
public:
    virtual ~MenuBuilder() = default;

    // Builds the menus of a table kind into the window. Returns the manager, and an error text
    // when the tables could not be built completely.
    virtual MenuManagerBase *build(MainWindow *window, int tableKind, QString *errorText) = 0;
    // Runs a host command through the manager's activation road (calling mark, host callback).
    virtual void activate(MenuManagerBase *manager, int hostId) = 0;
    // The window's frame context, which the host's cycle-button callback receives first.
    virtual void setFrameContext(MenuManagerBase *manager, TeskHandle context) = 0;
    // The text of the item with a host id in the tables of a kind; empty when there is none.
    virtual QString itemText(int tableKind, int hostId) = 0;
};

// Installs a builder (not owned; null for none) and returns the one installed before.
MenuBuilder *setMenuBuilder(MenuBuilder *builder);
MenuBuilder *menuBuilder();

} // namespace tesk::frame
