#pragma once

class QMenu;
class RegView;

// What a register view needs of the pane that holds it.
class RegViewOwner
{
public:
    virtual ~RegViewOwner() = default;

    // Runs a command chosen from a view's context menu (the pane passes the register commands
    // back to its current view).
    virtual void handleCommand(int id) = 0;
    // Whether the view is the user view of its page.
    virtual bool isUserView(const RegView *view) const = 0;
    // The page's two user-view flags: whether it has a user view, and whether it is shown.
    virtual bool hasUserView() const = 0;
    virtual bool userViewEnabled() const = 0;
    // The entries of the dock window that holds the pane, and the handling of a chosen id
    // (ids that are not the dock window's do nothing).
    virtual void appendDockMenuItems(QMenu *menu) = 0;
    virtual void processGenericOption(int id) = 0;
};
