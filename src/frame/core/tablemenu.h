#pragma once

#include <QObject>

#include <memory>

class QMenu;

// Context menus built from the static menu tables, for the subsystems that may not include the
// menu manager: the manager's side installs the factory when the library is loaded. Every
// command of the tables comes back by its item id.
namespace tesk::core {

class TableMenu : public QObject
{
    Q_OBJECT

public:
    // The popup that runs at the pointer.
    virtual QMenu *menu() const = 0;
    // The submenu built for an item id, or null.
    virtual QMenu *submenu(int itemId) const = 0;
    // Both false when the tables have no such item (or no toggle of that id).
    virtual bool setSensitivity(int itemId, bool enabled) = 0;
    virtual bool setToggle(int itemId, bool on) = 0;

signals:
    void activated(int itemId);
};

using TableMenuFactory = std::unique_ptr<TableMenu> (*)(int tableKind);

void setTableMenuFactory(TableMenuFactory factory);
// The menu of a table kind; null while no factory is installed or the tables do not build.
std::unique_ptr<TableMenu> makeTableMenu(int tableKind);

} // namespace tesk::core
