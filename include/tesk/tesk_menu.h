/* Menus, toolbars and context menus of the main windows. Items are named by the host's
   command numbers (host ids). Exports that take a window handle use the window's frame
   context; 0 names the main window whose menu is calling the host. */
#ifndef TESK_MENU_H
#define TESK_MENU_H

#include <tesk/tesk_global.h>

#include <stdint.h>

/* A popup the host fills is about to show: (context, native window id of the popup, the
   popup's data word). */
typedef void (*CuiMenuAboutToShowFn)(TeskHandle context, TeskHandle windowId, void *data);
/* A menu item, tool button or cycle button's "next" click: (context, host id, data word). */
typedef void (*CuiMenuActivateFn)(TeskHandle context, int hostId, void *data);
/* Cycle buttons: (frame context, host id, -1, where to store the menu text) asks for the text,
   one entry a line; (frame context, host id, entry, 0) reports the chosen entry. */
typedef int (*CuiMenuCycleFn)(TeskHandle frameContext, int hostId, int entry, const char **text);
/* Chosen item of a context menu. */
typedef void (*CuiContextMenuFn)(int itemId);
/* Asked once per item by CuiContextMenu_updateMenuState: (menu name, item id, data). */
typedef int (*CuiContextMenuStateFn)(const char *menuName, int itemId, void *data);

/* One accelerator of QtGetAcceleratorList: 24 bytes. */
typedef struct _TeskAccelerator
{
    int32_t hostId;
    char text[20]; /* key sequence, zero-terminated */
} TeskAccelerator;

#ifdef __cplusplus
static_assert(sizeof(TeskAccelerator) == 24, "TeskAccelerator is 24 bytes");
#else
TESK_STATIC_ASSERT(sizeof(TeskAccelerator) == 24, "TeskAccelerator is 24 bytes");
#endif

/* Separate top-level windows (QtTopLevelCreate): with the docking flag clear
   (QtSetIsDockingWindow(0)) a registration after the main window's is the current top-level
   window's (the cycle function is not used there); from then on QtAddMainMenuEntry,
   QtAddPopupMenu, QtAddSeparator and QtAppendMenu fill that window's menus. QtAddMainMenuEntry puts
   the next popup on the window's menu bar; later popups hang below it. QtAppendMenu puts an item
   into the last popup: an id the window has a record of (the window "Synchronization Control":
   49853 help, 49863 problem report, 49864 about) becomes an action with the record's text, icon,
   tip and key, the host's text being ignored; any other id is a plain item of that text. The
   activate function gets (context, id, the value given to QtAppendMenu) for a recorded item
   and (context, id, the popup's value) for a plain one. Without a top-level window
   QtAppendMenu only warns. Texts of the menu exports are read up to 64 KiB. */
TESK_EXPORT int QtRegisterMenuCB(CuiMenuAboutToShowFn aboutToShow, CuiMenuActivateFn activate,
                                 CuiMenuCycleFn cycle, TeskHandle context);
/* mode 1 only places and names a list entry; otherwise the value becomes its data word. */
TESK_EXPORT void QtAppendMenu(int hostId, const char *text, void *value, int mode);
/* Names a host-filled popup (Latin-1 name); the native window id of the popup, or 0. */
TESK_EXPORT TeskHandle QtAddPopupMenu(const char *name, int hostId, void *value);
/* 1 while docking; else 1 when the top-level window has a popup to take the separator. */
TESK_EXPORT int QtAddSeparator(void);
/* 1 while docking; else 1 when there is a top-level window. */
TESK_EXPORT int QtAddMainMenuEntry(void);
TESK_EXPORT int QtDeleteMenu(int hostId);
TESK_EXPORT int QtDeleteMenuItemAt(int index);
TESK_EXPORT int QtInsensitiveMenu(TeskHandle window, int hostId, int insensitive);
TESK_EXPORT int QtMenuToggleTog(int hostId);
TESK_EXPORT int QtMenuTogSet(int hostId, int on);
TESK_EXPORT int QtActionSetToggleState(TeskHandle window, int hostId, int on);
TESK_EXPORT int QtMenuTogGet(TeskHandle window, int hostId);
TESK_EXPORT void QtModifyMenuHelpText(int hostId, const char *text);
TESK_EXPORT int QtGetAcceleratorCount(void);
/* The buffer holds as many records as the last QtGetAcceleratorCount answered; never more
   are written, even when the current window has changed since (records it lacks are zeroed).
   Without an earlier count nothing is written. */
TESK_EXPORT int QtGetAcceleratorList(TeskAccelerator *buffer);
TESK_EXPORT int QtIsTeskMenu(TeskHandle context);
/* Shows a context menu from its definition text (CuiContextMenu_getMenuDefinion) at the
   cursor; the function receives the chosen item id. */
TESK_EXPORT void QtPopContextMenu(CuiContextMenuFn function, const char *definition);
TESK_EXPORT void QtPopContextMenuEx(TeskHandle ignored, CuiContextMenuFn function,
                                    const char *definition);
TESK_EXPORT void QtEnableQtContextMenu(int flag);
TESK_EXPORT void QtSetIsQtContextMenu(void);
TESK_EXPORT int QtIsQtContextMenu(void);
TESK_EXPORT void QtSetNextActionInGroup(int flag);
TESK_EXPORT void QtBuildROMenu(const char *name);
TESK_EXPORT int CuiActionDisable(TeskHandle window, int hostId, int insensitive);
TESK_EXPORT int CuiActionGetToggleState(TeskHandle window, int hostId);
TESK_EXPORT int CuiActionSetToggleState(TeskHandle window, int hostId, int on);
TESK_EXPORT void QtBackupMenu(void);
TESK_EXPORT void QtCreateScriptToolBar(void);

/* Named context menus, built item by item. Naming an unknown menu creates it. A returned
   string stays valid while the text it reports (that item's text or command, that menu's
   definition) is unchanged and its menu is not cleared, whatever else is asked meanwhile:
   CuiContextMenu_clearMenu drops the menu's texts with it. Names and texts are read up to
   64 KiB. */
TESK_EXPORT void CuiContextMenu_addItem(const char *menu, int id);
TESK_EXPORT void CuiContextMenu_addSeparator(const char *menu);
TESK_EXPORT void CuiContextMenu_clearMenu(const char *menu);
TESK_EXPORT int CuiContextMenu_setItemEnabled(const char *menu, int id, int enabled);
TESK_EXPORT int CuiContextMenu_getItemEnabled(const char *menu, int id);
TESK_EXPORT int CuiContextMenu_setItemChecked(const char *menu, int id, int checked);
TESK_EXPORT int CuiContextMenu_getItemChecked(const char *menu, int id);
TESK_EXPORT int CuiContextMenu_setItemVisibleAlias(const char *menu, int id, int alias);
TESK_EXPORT int CuiContextMenu_getItemVisibleAlias(const char *menu, int id);
TESK_EXPORT void CuiContextMenu_setItemGuiText(const char *menu, int id, const char *text);
TESK_EXPORT const char *CuiContextMenu_getItemGuiText(const char *menu, int id);
TESK_EXPORT void CuiContextMenu_setItemCommand(const char *menu, int id, const char *command,
                                               int commandClass);
TESK_EXPORT const char *CuiContextMenu_getItemCommand(const char *menu, int id);
TESK_EXPORT int CuiContextMenu_getItemCommandClass(const char *menu, int id);
TESK_EXPORT int CuiContextMenu_setItemCommandData(const char *menu, int id, int data);
TESK_EXPORT int CuiContextMenu_getItemCommandData(const char *menu, int id);
TESK_EXPORT int CuiContextMenu_setCallBackItemState(const char *menu,
                                                    CuiContextMenuStateFn function, void *data);
TESK_EXPORT int CuiContextMenu_updateMenuState(const char *menu);
TESK_EXPORT const char *CuiContextMenu_getMenuDefinion(const char *menu);
TESK_EXPORT int CuiContextMenu_debugMenu(void);

#endif
