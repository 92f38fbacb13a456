#pragma once

#include "frame/menus/menutables.h"
#include "frame/menus/teskpopupmenu.h"
#include "frame/windows/menuseam.h"

#include <tesk/tesk_menu.h>

#include <QList>
#include <QMap>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QVector>

#include <functional>
#include <memory>
#include <utility>

class MainWindow;
namespace tesk::core {
class TableMenu;
}
class QActionGroup;
class QToolBar;
class TeskAction;
class TeskSignalMapper;

// One item of a menu definition, built from one row of an item table.
class MTDef
{
public:
    MTDef(const MenuItemRow &row, QObject *owner);

    int itemId;
    int kind;
    // The table's text, and as the run's language has it.
    QString sourceText;
    QString text;
    QString description;
    // Commands, toggles, list, cycle and radio entries; a cycle button's action is never
    // placed and only carries the host's data word.
    TeskAction *action = nullptr;
    QWidget *widget = nullptr; // a cycle button's tool button
    int hostId;
    bool connected = false;
};

// The menu and toolbar manager of a main window: builds the window's menu bar, popups and
// toolbars from a pair of menu tables, lets the host address every item by its command number,
// refills the host's menus and is the only road by which a command reaches the host.
class MT : public tesk::frame::MenuManagerBase
{
    Q_OBJECT

public:
    enum Error {
        InternalError = 0,
        UndefinedParent,
        UndefinedItem,
        UnknownItemType,
        SubMenuInToolbar
    };

    explicit MT(MainWindow *owner = nullptr, TeskHandle frameContext = 0);
    ~MT() override;

    bool buildFromTable(const MenuStructurePair *structure, const MenuItemRow *items,
                        MainWindow *window);
    // Adopts the definitions (the manager then owns them).
    bool define(const MenuStructurePair *structure, const QMap<int, MTDef *> &definitions,
                MainWindow *window);
    bool dockToolBars();
    QToolBar *toolBar(const QString &label) const;
    QString errorText() const { return m_errorText; }

    // By host id.
    bool setHostMenuSensitivity(int hostId, bool enabled);
    bool toggleByHostId(int hostId);
    bool setToggleByHostId(int hostId, bool on);
    bool isOnByHostId(int hostId) const;
    bool appendMenu(int hostId, void *value, const QString &text, bool placeOnly);
    WId popupWinId(int hostId) const;
    bool removeByHostId(int hostId);
    bool setHelpText(int hostId, const QString &text);
    bool removeItemAt(int index);
    bool popupExec(int hostId);

    // By item id.
    bool setMenuSensitivity(int itemId, bool enabled);
    bool setMenuToggle(int itemId, bool on);
    TeskPopupMenu *popupMenu(int hostId) const;
    TeskPopupMenu *findPopupMenu(int itemId) const;
    bool clearPopupMenu(int itemId);
    TeskPopupMenu *currentPopup() const { return m_currentPopup; }

    int acceleratorCount() const { return int(m_accelerators.size()); }
    // Copies at most capacity records; room past this window's records is cleared.
    bool acceleratorList(TeskAccelerator *buffer, int capacity) const;

    bool setHostCallbacks(CuiMenuAboutToShowFn aboutToShow, CuiMenuActivateFn activate,
                          CuiMenuCycleFn cycle, TeskHandle context);
    void setCycleContext(TeskHandle frameContext) { m_frameContext = frameContext; }
    TeskHandle callbackContext() const { return m_callbackContext; }
    bool dump(QString &out, int flag) const;

    const MTDef *definition(int itemId) const { return m_definitions.value(itemId); }
    // Fills a cycle popup from the host's text, one entry a line.
    static void fillFromText(const QString &text, TeskPopupMenu *popup, int hostId);

public slots:
    void slotRemoteActivated(int hostId, void *data);
    void slotRemoteAboutToShowMenu(WId windowId, void *data);
    int slotCycleMenuAct(int hostId, int entry);
    void slotCycleMenuShow(int hostId);
    void slotCycleMenuNext(int hostId);
    void cycleNext(int hostId) { slotCycleMenuNext(hostId); }

signals:
    // sigClearStatus, sigSetCalling and sigActivated come from the base.
    void sigAboutToShowMenu(int id);
    void sigMenuSelection(int id);

private:
    struct BuildState;

    bool verifyDefinition();
    bool build();
    bool fail(Error error, const char *title, int line, int parent, int child);
    bool buildPopup(BuildState &state, int parent, MTDef *def, int line);
    bool buildSeparator(BuildState &state, int parent, int child, int line);
    bool buildAction(BuildState &state, int parent, MTDef *def, int line);
    bool buildToolBar(BuildState &state, MTDef *def);
    bool buildCycleButton(BuildState &state, int parent, MTDef *def, int line);
    void closeRadioGroup(BuildState &state);
    void connectAction(MTDef *def);
    MTDef *definitionByHostId(int hostId) const;
    bool allowsCall(int hostId, bool knownId, int itemId) const;

    QVector<std::pair<int, int>> m_structure;
    QMap<int, MTDef *> m_definitions;
    QMap<QString, QToolBar *> m_toolBars;
    QMap<int, TeskPopupMenu *> m_popups;
    QList<QPointer<TeskPopupMenu>> m_builtPopups;
    QMap<int, int> m_hostIds;
    TeskSignalMapper *m_cycleMapper;
    QList<QActionGroup *> m_radioGroups;
    QPointer<TeskPopupMenu> m_currentPopup;
    QPointer<TeskPopupMenu> m_firstPopup;
    QString m_errorText;
    // Calls the host inside a lifetime scope; false when the manager or its window was
    // destroyed meanwhile, and then nothing of either may be touched.
    bool callHost(const std::function<void()> &call);

    QPointer<MainWindow> m_owner;
    bool m_ownsDefinitions = false;
    TeskHandle m_frameContext = 0;
    TeskHandle m_callbackContext = 0;
    CuiMenuAboutToShowFn m_aboutToShowFn = nullptr;
    CuiMenuActivateFn m_activateFn = nullptr;
    CuiMenuCycleFn m_cycleFn = nullptr;
    QList<TeskAccelerator> m_accelerators;
};

namespace tesk::frame {

// The subsystems' context menu of a table kind, built into a manager of its own; null when the
// tables do not build.
std::unique_ptr<tesk::core::TableMenu> makeTableMenu(int tableKind);

} // namespace tesk::frame
