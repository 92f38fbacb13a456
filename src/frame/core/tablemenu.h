#pragma once

#include <QObject>

class QMenu;

// A context menu built from the static menu tables, for the subsystems that may not include the
// menu manager: they have one made with tesk::core::frameServices().makeTableMenu(). Every
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

} // namespace tesk::core
