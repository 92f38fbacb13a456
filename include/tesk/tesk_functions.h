/* The type of a pointer to each export, for hosts that resolve the library at run time
   (dlopen and dlsym) instead of linking to it: PFN_<export> points to <export>, as in

       PFN_QtCreateNewCode createNewCode;
       void *symbol = dlsym(library, "QtCreateNewCode");
       memcpy(&createNewCode, &symbol, sizeof createNewCode);

   (ISO C has no cast from an object pointer to a function pointer; the copy is POSIX's way.)
   The decorated fill-memory export has no type here: resolve its C twin CuiFillMemoryDialogC.
   Written by scripts/genfunctions.py from the other headers: run it after changing an export. */
#ifndef TESK_FUNCTIONS_H
#define TESK_FUNCTIONS_H

#include <tesk/tesk_app.h>
#include <tesk/tesk_breakpoints.h>
#include <tesk/tesk_datanav.h>
#include <tesk/tesk_debug.h>
#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_facade.h>
#include <tesk/tesk_filedialogs.h>
#include <tesk/tesk_filters.h>
#include <tesk/tesk_frame.h>
#include <tesk/tesk_help.h>
#include <tesk/tesk_helpers.h>
#include <tesk/tesk_i18n.h>
#include <tesk/tesk_memorydialogs.h>
#include <tesk/tesk_menu.h>
#include <tesk/tesk_panes.h>
#include <tesk/tesk_registers.h>
#include <tesk/tesk_registry.h>
#include <tesk/tesk_relay.h>
#include <tesk/tesk_searchpaths.h>
#include <tesk/tesk_symbols.h>
#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_visual.h>
#include <tesk/tesk_window.h>

#ifdef __cplusplus
extern "C" {
#endif

/* tesk_app.h */
typedef MoskResult (*PFN_moskInitialisePlugin)(MoskRegistrar *registrar);
typedef int (*PFN_CuiQtInit_Win)(char *commandLine);
typedef int (*PFN_CuiQtInit_WinEx)(const char *programName, char *commandLine);
typedef int (*PFN_CuiRun)(void);
typedef void (*PFN_CuiPump)(void);
typedef void *(*PFN_CuiGetQtApp)(void);
typedef int (*PFN_QtShutdown)(void);
typedef int (*PFN_CuiCreateIdleObject)(void);
typedef int (*PFN_CuiRegisterIdleFunc)(CuiIdleFn fn);
typedef int (*PFN_CuiDeleteIdleObject)(void);
typedef int (*PFN_CuiDeleteObject)(void *object);
typedef int (*PFN_CuiLoadPlugins)(void);
typedef int (*PFN_CuiUpdateSettings)(void);
typedef int (*PFN_CuiSetActivationCallback)(TeskHandle mainWindow, CuiActivationFn fn);

/* tesk_breakpoints.h */
typedef TeskHandle (*PFN_CuiBreakpointProxyCreate)(uint32_t creationWord);
typedef void (*PFN_CuiBreakpointProxyDestroy)(TeskHandle proxy);
typedef void (*PFN_CuiBreakpointProxySetHandler)(TeskHandle proxy,
                                                 CuiBreakpointProxyHandler handler);
typedef void (*PFN_CuiBreakpointProxySetVpid)(TeskHandle proxy, uint32_t vpid);
typedef void (*PFN_CuiBreakpointProxySetVdata)(TeskHandle proxy, intptr_t vdata);
typedef void (*PFN_CuiBreakpointProxySetLocation)(TeskHandle proxy, const char *location);
typedef void (*PFN_CuiBreakpointProxySetValue)(TeskHandle proxy, const char *value);
typedef void (*PFN_CuiBreakpointProxyAddClass)(TeskHandle proxy, uint32_t classValue);
typedef void (*PFN_CuiBreakpointProxyClearClasses)(TeskHandle proxy);
typedef void (*PFN_CuiBreakpointProxySetClassPos)(TeskHandle proxy, uint32_t classValue);
typedef void (*PFN_CuiBreakpointProxySetBreakpointSize)(TeskHandle proxy, uint32_t size);
typedef void (*PFN_CuiBreakpointProxySetForcedSize)(TeskHandle proxy, uint32_t flag, uint32_t size);
typedef void (*PFN_CuiBreakpointProxyAddBreakpointType)(TeskHandle proxy, uint32_t type);
typedef void (*PFN_CuiBreakpointProxySetBreakpointTypePos)(TeskHandle proxy, uint32_t position);
typedef int32_t (*PFN_CuiBreakpointProxySetBreakpointType)(TeskHandle proxy, uint32_t type);
typedef uint32_t (*PFN_CuiBreakpointProxyGetBreakpointType)(TeskHandle proxy);
typedef void (*PFN_CuiBreakpointProxyAddQualifier)(TeskHandle proxy, const char *row);
typedef void (*PFN_CuiBreakpointProxyClearQualifiers)(TeskHandle proxy);
typedef void (*PFN_CuiBreakpointProxyAddAction)(TeskHandle proxy, const char *row);
typedef void (*PFN_CuiBreakpointProxyClearActions)(TeskHandle proxy);
typedef void (*PFN_CuiBreakpointProxySetActionState)(TeskHandle proxy, uint32_t flag);
typedef void (*PFN_CuiBreakpointProxyAllowLocation)(TeskHandle proxy, uint32_t flag);
typedef void (*PFN_CuiBreakpointProxyAllowRange)(TeskHandle proxy, uint32_t flag);
typedef void (*PFN_CuiBreakpointProxyAllowClasses)(TeskHandle proxy, uint32_t flag);
typedef void (*PFN_CuiBreakpointProxyAllowData)(TeskHandle proxy, uint32_t flag);
typedef void (*PFN_CuiBreakpointProxyAllowQualifiers)(TeskHandle proxy, uint32_t flag);
typedef void (*PFN_CuiBreakpointProxyAllowActions)(TeskHandle proxy, uint32_t flag);
typedef void (*PFN_CuiBreakpointProxyAddHardwareSupportPassCount)(TeskHandle proxy,
                                                                  const char *passCount);
typedef void (*PFN_CuiBreakpointProxyClearHardwareSupportPassCount)(TeskHandle proxy);
typedef void (*PFN_CuiBreakpointProxyAppendHardwareTrigger)(TeskHandle proxy, TeskHandle trigger);
typedef void (*PFN_CuiBreakpointProxyClearHardwareSupport)(TeskHandle proxy);
typedef void (*PFN_CuiBreakpointProxySetChained)(TeskHandle proxy);
typedef TeskHandle (*PFN_CuiHardwareTriggerCreate)(const char *name, const char *description,
                                                   uint32_t direction);
typedef void (*PFN_CuiHardwareTriggerAppendValue)(TeskHandle trigger, const char *label,
                                                  const char *value);
typedef int32_t (*PFN_CuiHardwareTriggerSetSelection)(TeskHandle trigger, int32_t index);
typedef TeskHandle (*PFN_CuiBreakpointDlgCreate)(TeskHandle parent);
typedef int (*PFN_CuiBreakpointDlgDestroy)(TeskHandle dialog);
typedef void (*PFN_CuiBreakpointDlgSetFuncHandler)(TeskHandle dialog,
                                                   CuiBreakpointDlgHandler handler);
typedef void (*PFN_CuiBreakpointDlgSetVdata)(TeskHandle dialog, intptr_t vdata);
typedef void (*PFN_CuiBreakpointDlgSetBreakpoint)(TeskHandle dialog, TeskHandle proxy);
typedef void (*PFN_CuiBreakpointDlgSetMode)(TeskHandle dialog, uint32_t mode);
typedef void (*PFN_CuiBreakpointDlgSetTextBox)(TeskHandle dialog, intptr_t value);
typedef void (*PFN_CuiBreakpointDlgSetWindBox)(TeskHandle dialog, intptr_t windBox);
typedef void (*PFN_CuiBreakpointDlgSetHelpId)(TeskHandle dialog, uint32_t helpId);
typedef void (*PFN_CuiBreakpointDlgSetHelpCallback)(TeskHandle dialog,
                                                    CuiBreakpointDlgHelpCallback callback);
typedef void (*PFN_CuiBreakpointDlgSetInitialLocation)(TeskHandle dialog, const char *location);
typedef void (*PFN_CuiBreakpointDlgSetInitialBreakpointType)(TeskHandle dialog, uint32_t type);

/* tesk_datanav.h */
typedef TeskHandle (*PFN_CuiDataNavCreate)(void);
typedef int (*PFN_CuiDataNavDestroy)(TeskHandle pane);
typedef int (*PFN_CuiDataNavSetDataSource)(TeskHandle pane, TeskHandle source);
typedef TeskHandle (*PFN_CuiDataNavGetDataSource)(TeskHandle pane);
typedef int (*PFN_CuiDataNavSetVdata)(TeskHandle pane, TeskHandle vdata);
typedef int (*PFN_CuiDataNavSetFuncCB)(TeskHandle pane, CuiDataNavHostFn function);
typedef int (*PFN_CuiDataNavPopulate)(TeskHandle pane);
typedef int (*PFN_CuiDataNavUpdate)(TeskHandle pane);
typedef int (*PFN_CuiDataNavEvent)(TeskHandle pane, int code, int ignored, int argument);
typedef int (*PFN_CuiFunctionListBreakpointDialog)(int ignored, TeskHandle vdata,
                                                   TeskHandle windowBox);

/* tesk_debug.h */
typedef int (*PFN_CuiDebugInfoIsSet)(const char *flag);
typedef int (*PFN_CuiLog)(const char *text);
typedef void (*PFN_CuiDebug)(const char *text);

/* tesk_dialogs.h */
typedef int (*PFN_CuiSimpleError)(int32_t reserved, const char *caption, const char *text);
typedef int (*PFN_CuiSimpleInfo)(int32_t reserved, const char *caption, const char *text);
typedef int (*PFN_CuiSimpleWarning)(int32_t reserved, const char *caption, const char *text);
typedef int (*PFN_CuiSimpleWarningCancel)(int32_t reserved, const char *caption, const char *text);
typedef int (*PFN_CuiSimplePrompt)(int32_t reserved, const char *caption, const char *text);
typedef int (*PFN_CuiMessagePrompt)(int32_t reserved, const char *caption, const char *text,
                                    int32_t icon, int32_t button0, int32_t button1,
                                    int32_t button2);
typedef int (*PFN_CuiSimpleList)(int32_t reserved, const char *caption, const char *description,
                                 const char *items, int32_t *positions, int32_t bound,
                                 int32_t *count, int32_t multiple, int32_t helpId);
typedef int (*PFN_CuiSimpleEntry)(int32_t reserved, const char *caption, const char *message,
                                  const char *value, char *buffer, int32_t size, const char *okText,
                                  int32_t helpId);
typedef int (*PFN_CuiSimpleEntryPD)(int32_t reserved, const char *caption, const char *message,
                                    const char *value, char *buffer, int32_t size,
                                    const char *okText, int32_t helpId);
typedef int (*PFN_CuiSimpleEntryInteger)(int32_t reserved, const char *caption, const char *label,
                                         int32_t value, int32_t step, int32_t minimum,
                                         int32_t maximum, int32_t *result);
typedef int (*PFN_CuiSimpleEntryDouble)(int32_t reserved, const char *caption, const char *label,
                                        double value, int32_t decimals, double minimum,
                                        double maximum, double *result);
typedef int (*PFN_CuiGotoLineDialog)(int32_t reserved, int32_t *line, int32_t maximum);
typedef int (*PFN_CuiGetSourceLocation)(int32_t reserved, const char *caption, const char *message,
                                        const char *fileName, char *buffer, int32_t size);
typedef int (*PFN_CuiGetUserInformation)(int32_t reserved, const char *templateFile,
                                         const char *outputFile);
typedef int (*PFN_CuiSimpleAbout)(const char *buildText, const char *copyrightText,
                                  const char *reservedText, const char *additionalText);
typedef int (*PFN_QtQSDIInitDialog)(QSDIDescription **description, int32_t kind, int32_t icon,
                                    int32_t mode, int32_t captionCode, int32_t messageCode);
typedef int (*PFN_QtQSDIAddButton)(QSDIDescription *description, const char *label, int32_t code,
                                   int32_t role);
typedef int (*PFN_QtQSDIAddEvent)(QSDIDescription *description, int32_t id);
typedef int (*PFN_QtQSDIAddCallback)(QSDIDescription *description, QSDICallbackFn function,
                                     void *data);
typedef int (*PFN_QtQSDIAddEntry)(QSDIDescription *description, char *buffer, int32_t maximum);
typedef int (*PFN_QtQSDIAddToggle)(QSDIDescription *description, const char *text, int32_t code,
                                   int32_t state);
typedef int (*PFN_QtQSDIDeleteDialog)(QSDIDescription *description);
typedef int (*PFN_QtQSDIInitFindCallback)(QSDIFind **find, intptr_t hostWord, int32_t options);
typedef int (*PFN_QtQSDIDeleteFindCallback)(QSDIFind *find);
typedef int (*PFN_QtQSDIExecDialog)(QSDIDescription *description);
typedef int (*PFN_CuiDoModal)(void *dialog);
typedef int (*PFN_CuiDialogExec)(void *dialog);
typedef void (*PFN_QtSetModalDialogShown)(int flag);

/* tesk_facade.h */
typedef uint64_t (*PFN_CuiGetDockForMultipleViewId)(TeskHandle handle, int dockIndex);

/* tesk_filedialogs.h */
typedef int (*PFN_CuiSimpleFileExtraMultipleEx)(TeskHandle parent, const char *caption,
                                                const char **result, const char *filter,
                                                const char *startDirectory, int32_t multiple,
                                                int32_t helpId, int32_t save);
typedef int (*PFN_CuiSimpleDir)(TeskHandle parent, const char *caption, const char *startDirectory,
                                uint32_t bufferSize, char *buffer);
typedef int (*PFN_CuiLoadImage)(TeskHandle reserved, const char *caption, uint32_t fileNameSize,
                                char *fileName, const char *filter, const char *startDirectory,
                                int32_t helpId, int32_t *symbolsOnly, int32_t *replaceExisting,
                                int32_t *pcMode, uint32_t sectionsSize, char *sections,
                                uint32_t argumentsSize, char *arguments, uint32_t offsetSize,
                                char *offset);
typedef int (*PFN_CuiLoadBinary)(TeskHandle parent, intptr_t context, const char *startDirectory,
                                 int32_t helpId, const char *choices);
typedef TeskHandle (*PFN_CuiLoadMemoryDlgCreate)(TeskHandle parent, const char *choices);
typedef const char *(*PFN_CuiLoadMemoryDlgGetCommand)(TeskHandle dialog);
typedef void (*PFN_CuiLoadMemoryDlgDestroy)(TeskHandle dialog);

/* tesk_filters.h */
typedef int (*PFN_CuiFilters_SetDefault)(void);
typedef int (*PFN_CuiFilters_IsActiveModuleFiltering)(void);
typedef int (*PFN_CuiFilters_GetModuleFilter)(int index, void *record, int size);
typedef int (*PFN_CuiFilters_Store)(const char *file, const char *tag);
typedef int (*PFN_CuiFilters_Load)(const char *file, const char *tag);
typedef TeskHandle (*PFN_CuiFilters_ModuleFilterDlgCreate)(TeskHandle parent, const char *text);

/* tesk_frame.h */
typedef void (*PFN_QtCreateNewCode)(int flag);
typedef void (*PFN_QtCreateNewSpr)(int flag);
typedef void (*PFN_QtCreateNewEditor)(int flag);
typedef TeskHandle (*PFN_QtFrameCreate)(const char *name, TeskHandle frameContext,
                                        CuiFrameRecord *record);
typedef void (*PFN_QtFrameShow)(void);
typedef void (*PFN_QtShowSplash)(int show, const char *imageName, const char *installDir);
typedef void (*PFN_CuiSetSplashMessage)(const char *text);

/* tesk_help.h */
typedef int (*PFN_QtRegisterHelp)(const TeskHelpEntry *entries, int32_t mapId);
typedef int (*PFN_QtDeregisterHelp)(int32_t mapId);
typedef int (*PFN_QtHelp)(int32_t contextId, int32_t mapId);
typedef int (*PFN_QtHelpDesc)(int32_t *contextId, char **text, uint32_t bufferSize);

/* tesk_helpers.h */
typedef int (*PFN_CuiHelpersAppendToList)(void *list, const char *text);
typedef int (*PFN_CuiHelpersAppendToListEx)(void *list, const char *text, char separator);
typedef int (*PFN_CuiHelperMarkupText)(const char *text, int size, char *buffer);
typedef int (*PFN_CuiTestOK)(TeskHandle handle, int flag);
typedef void (*PFN_CuiTestFunction)(TeskHandle window, CuiPaneOutputFn print, void *printContext,
                                    const char *option, const char *arg1, const char *arg2,
                                    const char *arg3, const char *arg4, const char *arg5,
                                    const char *arg6);

/* tesk_i18n.h */
typedef const char *const *(*PFN_CuiI18NGetLanguageList)(void);
typedef const char *const *(*PFN_CuiI18NGetLocaleList)(void);
typedef const char *const *(*PFN_CuiI18NGetEncodingList)(void);

/* tesk_memorydialogs.h */
typedef TeskHandle (*PFN_CuiMemoryOperationsDlgCreate)(TeskHandle parent);
typedef int (*PFN_CuiMemoryOperationsDlgDestroy)(TeskHandle dialog);
typedef void (*PFN_CuiMemoryOperationsDlgSetFileTypeList)(TeskHandle dialog, const char *list);
typedef void (*PFN_CuiMemoryOperationsDlgSetFuncHandler)(TeskHandle dialog,
                                                         CuiMemoryOperationsHandlerFn handler);
typedef void (*PFN_CuiMemoryOperationsDlgSetVPID)(TeskHandle dialog, int32_t vpid);
typedef void (*PFN_CuiMemoryOperationsDlgSetHelpId)(TeskHandle dialog, uint32_t helpId);
typedef TeskHandle (*PFN_CuiCorvasimConfigDlgCreate)(void);
typedef void (*PFN_CuiCorvasimConfigDlgDestroy)(TeskHandle dialog);
typedef void (*PFN_CuiCorvasimConfigDlgSetHelpId)(TeskHandle dialog, uint32_t helpId);
typedef void (*PFN_CuiCorvasimConfigDlgAddProcessor)(TeskHandle dialog, const char *name);
typedef void (*PFN_CuiCorvasimConfigDlgSetProcessor)(TeskHandle dialog, const char *name);
typedef void (*PFN_CuiCorvasimConfigDlgGetProcessor)(TeskHandle dialog, char *buffer, int32_t size);
typedef void (*PFN_CuiCorvasimConfigDlgSetQMXState)(TeskHandle dialog, int32_t state);
typedef int (*PFN_CuiCorvasimConfigDlgGetQMXState)(TeskHandle dialog);
typedef void (*PFN_CuiCorvasimConfigDlgSetMMUState)(TeskHandle dialog, int32_t state);
typedef int (*PFN_CuiCorvasimConfigDlgGetMMUState)(TeskHandle dialog);
typedef void (*PFN_CuiCorvasimConfigDlgSetRealtimeClock)(TeskHandle dialog);
typedef void (*PFN_CuiCorvasimConfigDlgSetEmulatedClock)(TeskHandle dialog);
typedef int (*PFN_CuiCorvasimConfigDlgIsRealtimeClock)(TeskHandle dialog);
typedef void (*PFN_CuiCorvasimConfigDlgSetClockSpeed)(TeskHandle dialog, const char *speed);
typedef char *(*PFN_CuiCorvasimConfigDlgGetClockSpeed)(TeskHandle dialog, char *buffer,
                                                       int32_t size);
typedef void (*PFN_CuiCorvasimConfigDlgSetEndian)(TeskHandle dialog, int32_t big);
typedef int (*PFN_CuiCorvasimConfigDlgGetEndian)(TeskHandle dialog);
typedef void (*PFN_CuiCorvasimConfigDlgSetStartEndian)(TeskHandle dialog, int32_t hardware);
typedef int (*PFN_CuiCorvasimConfigDlgGetStartEndian)(TeskHandle dialog);
typedef int (*PFN_CuiFillMemoryDialogC)(void *reserved, uint32_t *start, uint32_t *end, int *length,
                                        char **expression, int *endGiven, int *fillSize,
                                        uint32_t *target);

/* tesk_menu.h */
typedef int (*PFN_QtRegisterMenuCB)(CuiMenuAboutToShowFn aboutToShow, CuiMenuActivateFn activate,
                                    CuiMenuCycleFn cycle, TeskHandle context);
typedef void (*PFN_QtAppendMenu)(int hostId, const char *text, void *value, int mode);
typedef TeskHandle (*PFN_QtAddPopupMenu)(const char *name, int hostId, void *value);
typedef int (*PFN_QtAddSeparator)(void);
typedef int (*PFN_QtAddMainMenuEntry)(void);
typedef int (*PFN_QtDeleteMenu)(int hostId);
typedef int (*PFN_QtDeleteMenuItemAt)(int index);
typedef int (*PFN_QtInsensitiveMenu)(TeskHandle window, int hostId, int insensitive);
typedef int (*PFN_QtMenuToggleTog)(int hostId);
typedef int (*PFN_QtMenuTogSet)(int hostId, int on);
typedef int (*PFN_QtActionSetToggleState)(TeskHandle window, int hostId, int on);
typedef int (*PFN_QtMenuTogGet)(TeskHandle window, int hostId);
typedef void (*PFN_QtModifyMenuHelpText)(int hostId, const char *text);
typedef int (*PFN_QtGetAcceleratorCount)(void);
typedef int (*PFN_QtGetAcceleratorList)(TeskAccelerator *buffer);
typedef int (*PFN_QtIsTeskMenu)(TeskHandle context);
typedef void (*PFN_QtPopContextMenu)(CuiContextMenuFn function, const char *definition);
typedef void (*PFN_QtPopContextMenuEx)(TeskHandle ignored, CuiContextMenuFn function,
                                       const char *definition);
typedef void (*PFN_QtEnableQtContextMenu)(int flag);
typedef void (*PFN_QtSetIsQtContextMenu)(void);
typedef int (*PFN_QtIsQtContextMenu)(void);
typedef void (*PFN_QtSetNextActionInGroup)(int flag);
typedef void (*PFN_QtBuildROMenu)(const char *name);
typedef int (*PFN_CuiActionDisable)(TeskHandle window, int hostId, int insensitive);
typedef int (*PFN_CuiActionGetToggleState)(TeskHandle window, int hostId);
typedef int (*PFN_CuiActionSetToggleState)(TeskHandle window, int hostId, int on);
typedef void (*PFN_QtBackupMenu)(void);
typedef void (*PFN_QtCreateScriptToolBar)(void);
typedef void (*PFN_CuiContextMenu_addItem)(const char *menu, int id);
typedef void (*PFN_CuiContextMenu_addSeparator)(const char *menu);
typedef void (*PFN_CuiContextMenu_clearMenu)(const char *menu);
typedef int (*PFN_CuiContextMenu_setItemEnabled)(const char *menu, int id, int enabled);
typedef int (*PFN_CuiContextMenu_getItemEnabled)(const char *menu, int id);
typedef int (*PFN_CuiContextMenu_setItemChecked)(const char *menu, int id, int checked);
typedef int (*PFN_CuiContextMenu_getItemChecked)(const char *menu, int id);
typedef int (*PFN_CuiContextMenu_setItemVisibleAlias)(const char *menu, int id, int alias);
typedef int (*PFN_CuiContextMenu_getItemVisibleAlias)(const char *menu, int id);
typedef void (*PFN_CuiContextMenu_setItemGuiText)(const char *menu, int id, const char *text);
typedef const char *(*PFN_CuiContextMenu_getItemGuiText)(const char *menu, int id);
typedef void (*PFN_CuiContextMenu_setItemCommand)(const char *menu, int id, const char *command,
                                                  int commandClass);
typedef const char *(*PFN_CuiContextMenu_getItemCommand)(const char *menu, int id);
typedef int (*PFN_CuiContextMenu_getItemCommandClass)(const char *menu, int id);
typedef int (*PFN_CuiContextMenu_setItemCommandData)(const char *menu, int id, int data);
typedef int (*PFN_CuiContextMenu_getItemCommandData)(const char *menu, int id);
typedef int (*PFN_CuiContextMenu_setCallBackItemState)(const char *menu,
                                                       CuiContextMenuStateFn function, void *data);
typedef int (*PFN_CuiContextMenu_updateMenuState)(const char *menu);
typedef const char *(*PFN_CuiContextMenu_getMenuDefinion)(const char *menu);
typedef int (*PFN_CuiContextMenu_debugMenu)(void);

/* tesk_panes.h */
typedef int (*PFN_CuiAbstractPaneEvent)(TeskHandle pane, int code, int ignored, int argument);
typedef int (*PFN_CuiAbstractPaneDestroy)(TeskHandle pane);
typedef int (*PFN_CuiAbstractPaneSetWindBox)(TeskHandle pane, TeskHandle windowBox);
typedef int (*PFN_CuiAbstractPaneGetWindBox)(TeskHandle pane, TeskHandle *windowBox);
typedef int (*PFN_TeskPaneSetPersistData)(TeskHandle pane, const char *text);
typedef int (*PFN_TeskPaneGetPersistData)(TeskHandle pane, unsigned length, char *buffer);
typedef int (*PFN_CuiHeaderGetFontInfo)(unsigned length, char *buffer, int *pixelSize);

/* tesk_registers.h */
typedef int (*PFN_CuiRegPaneDataCreate)(uint32_t id);
typedef int (*PFN_CuiRegPaneDataTestOfExistence)(uint32_t id);
typedef int (*PFN_CuiRegPaneDataAdd)(uint32_t id, RegDataRecord *record);
typedef int (*PFN_CuiRegPaneDataUpdate)(uint32_t id, RegDataRecord *record);
typedef uint32_t (*PFN_CuiRegPaneGetNumLines)(uint32_t id);
typedef int (*PFN_CuiRegPaneSetNumLines)(uint32_t id, uint32_t count);
typedef TeskHandle (*PFN_CuiRegPaneCreate)(CuiRegPaneHandlerFn handler);
typedef int (*PFN_CuiRegPaneDelete)(TeskHandle pane);
typedef int (*PFN_CuiRegPaneAttach)(TeskHandle pane, uintptr_t context);
typedef int (*PFN_CuiRegPaneDataSet)(uint32_t id, TeskHandle pane, const char *architecture,
                                     const char *processor, const char *displayName);
typedef int (*PFN_CuiRegPaneDataDelete)(uint32_t id, TeskHandle pane);
typedef int (*PFN_CuiRegPaneTargetStartStop)(uint32_t unused, TeskHandle pane, int running);
typedef int (*PFN_CuiRegPaneGetRangeLines)(uint32_t unused, TeskHandle pane, RegLineRange *buffer,
                                           uint32_t *capacity, int force);
typedef int (*PFN_CuiUpdateFormatDefinition)(uint32_t id, TeskHandle pane);

/* tesk_registry.h */
typedef int (*PFN_CuiFunctionRegistryAddFunction)(const char *name, CuiRegistryFn fn);
typedef int (*PFN_CuiFunctionRegistryAddVoidStar)(const char *name, void *data);
typedef CuiRegistryFn (*PFN_CuiFunctionRegistryGetFunction)(const char *name);
typedef void *(*PFN_CuiFunctionRegistryGetVoidStar)(const char *name);
typedef int (*PFN_CuiFunctionRegistryRemoveFunction)(const char *name);
typedef int (*PFN_CuiFunctionRegistryRemoveVoidStar)(const char *name);

/* tesk_relay.h */
typedef void (*PFN_CuiToolTipShowAt)(const char *text, int x, int y);
typedef void (*PFN_CuiToolTipHide)(void);
typedef int (*PFN_CuiKsoDragAndDrop_setDragContext)(int context);
typedef int *(*PFN_CuiKsoDragAndDrop_getDragContext)(int *out);
typedef void (*PFN_CuiKsoDragAndDrop_dragStart)(int mode, const char *utf8Text);
typedef void (*PFN_CuiKsoDragAndDrop_dragMoveEvent)(void *widget, TeskHandle windowBox,
                                                    void *dragMoveEvent);
typedef void (*PFN_CuiKsoDragAndDrop_dropEvent)(void *widget, TeskHandle windowBox,
                                                void *dropEvent);

/* tesk_searchpaths.h */
typedef TeskHandle (*PFN_CuiSourceSearchPathDlgCreate)(TeskHandle parent);
typedef void (*PFN_CuiSourceSearchPathDlgSetHelpCallback)(TeskHandle dialog,
                                                          CuiSearchPathHelpFn fn);
typedef void (*PFN_CuiSourceSearchPathDlgSetHelpId)(TeskHandle dialog, int helpId);
typedef void (*PFN_CuiSourceSearchPathDlgAddEntry)(TeskHandle dialog, const char *path);
typedef void (*PFN_CuiSourceSearchPathDlgAddObjectEntry)(TeskHandle dialog, const char *path);
typedef void (*PFN_CuiSourceSearchPathDlgAddSMapping)(TeskHandle dialog, const char *original,
                                                      const char *mapped);
typedef void (*PFN_CuiSourceSearchPathDlgAddOMapping)(TeskHandle dialog, const char *original,
                                                      const char *mapped);
typedef void (*PFN_CuiSourceSearchPathDlgShowFirstActive)(TeskHandle dialog);
typedef int (*PFN_CuiSourceSearchPathDlgGetSSNum)(TeskHandle dialog);
typedef int (*PFN_CuiSourceSearchPathDlgGetOSNum)(TeskHandle dialog);
typedef int (*PFN_CuiSourceSearchPathDlgGetSMapNum)(TeskHandle dialog);
typedef int (*PFN_CuiSourceSearchPathDlgGetOMapNum)(TeskHandle dialog);
typedef int (*PFN_CuiSourceSearchPathDlgGetSSText)(TeskHandle dialog, int index, char *buffer,
                                                   uint32_t size);
typedef int (*PFN_CuiSourceSearchPathDlgGetOSText)(TeskHandle dialog, int index, char *buffer,
                                                   uint32_t size);
typedef int (*PFN_CuiSourceSearchPathDlgGetSMapOrig)(TeskHandle dialog, int index, char *buffer,
                                                     uint32_t size);
typedef int (*PFN_CuiSourceSearchPathDlgGetSMapModd)(TeskHandle dialog, int index, char *buffer,
                                                     uint32_t size);
typedef int (*PFN_CuiSourceSearchPathDlgGetOMapOrig)(TeskHandle dialog, int index, char *buffer,
                                                     uint32_t size);
typedef int (*PFN_CuiSourceSearchPathDlgGetOMapModd)(TeskHandle dialog, int index, char *buffer,
                                                     uint32_t size);

/* tesk_symbols.h */
typedef TeskHandle (*PFN_CuiSymtabDataSourceCreate)(void);
typedef int (*PFN_CuiSymtabDataSourceDestroy)(TeskHandle source);
typedef int (*PFN_CuiSymtabDataSourceSetVdata)(TeskHandle source, TeskHandle vdata);
typedef int (*PFN_CuiSymtabDataSourceSetFuncHandler)(TeskHandle source, CuiSymtabHostFn handler);
typedef int (*PFN_CuiSymtabDataSourceUpdate)(TeskHandle source);
typedef int (*PFN_CuiSymtabDataSourceAddImage)(TeskHandle source, const char *text);
typedef int (*PFN_CuiSymtabDataSourceAddModule)(TeskHandle source, const char *text);
typedef int (*PFN_CuiSymtabDataSourceAddFunction)(TeskHandle source, const char *text);
typedef int (*PFN_CuiSymtabDataSourceAddVariable)(TeskHandle source, const char *text);
typedef int (*PFN_CuiSymtabDataSourceDumpTree)(TeskHandle source);

/* tesk_toolbars.h */
typedef TeskHandle (*PFN_QtCreateEditorToolBar)(TeskHandle window, CuiFindToolBarFn callback);
typedef void (*PFN_CuiFindToolbarSetFilename)(TeskHandle window, const char *name);
typedef void (*PFN_QtSetEditorBarText)(TeskHandle window, int ignored, const char *name);
typedef void (*PFN_QtSetEditorBarIcon)(TeskHandle window, int kind, const char *text);
typedef void (*PFN_QtSetFindToolBarEncoding)(TeskHandle window, int index);
typedef void (*PFN_QtSetEditorBarFocusText)(TeskHandle window);
typedef void (*PFN_QtSetEditorBarFocusLine)(TeskHandle window);
typedef int (*PFN_CuiScriptToolBarCreate)(TeskHandle window, CuiScriptToolBarFn callback);
typedef int (*PFN_CuiScriptFiles_Store)(const char *file, const char *tag);
typedef int (*PFN_CuiScriptFiles_Load)(const char *file, const char *tag);

/* tesk_visual.h */
typedef void (*PFN_CuiVisualSettingsFixedFont)(const TeskFontRecord *font);

/* tesk_window.h */
typedef void (*PFN_CuiSetStatusText)(TeskHandle handle, int field, const char *text,
                                     const char *tip);
typedef void (*PFN_QtSetStatusText)(int field, const char *text, TeskHandle handle);
typedef void (*PFN_CuiSetPadlockState)(int state);
typedef void (*PFN_CuiShowProgress)(TeskHandle handle, int percent, int unused);
typedef void (*PFN_CuiShowRunState)(TeskHandle handle, int state, const char *text);
typedef void (*PFN_QtSetDontClose)(TeskHandle handle, int flag);
typedef void (*PFN_QtRegisterCodeCB)(CuiCodeCallbackFn callback, TeskHandle windowBox);
typedef void (*PFN_QtSetIsDockingWindow)(int flag);
typedef int (*PFN_QtGetIsDockingWindow)(void);
typedef int (*PFN_QtIsQtWindow)(void);
typedef void (*PFN_QtDoNotHandle)(int flag);
typedef void (*PFN_CuiSetIsQtWindow)(int flag);
typedef int (*PFN_QtIsTopLevelWindow)(void);
typedef int (*PFN_QtIsNewCode)(void);
typedef void (*PFN_QtSetAllowDynamicTick)(int flag);
typedef int (*PFN_QtGetAllowDynamicTick)(void);
typedef void (*PFN_QtSetNextQtSense)(int flag);
typedef int (*PFN_QtGetNextQtSense)(void);
typedef void *(*PFN_CuiGetCurrentCode)(void);
typedef void (*PFN_CuiSetCurrentCode)(void *window);
typedef int (*PFN_QtSetCurrentCodeFromBox)(TeskHandle handle);
typedef TeskHandle (*PFN_QtGetCodeHandle)(void);
typedef TeskHandle (*PFN_CuiCodeWindowGetWId)(void);
typedef TeskHandle (*PFN_QtGetWidgetHandle)(void);
typedef void (*PFN_QtSetCodeTitle)(TeskHandle handle, const char *title);
typedef void (*PFN_QtIconifyWindow)(TeskHandle handle);
typedef void (*PFN_QtAddRemoveColorIcon)(TeskHandle handle, int keep);
typedef void (*PFN_CuiChangeColorIconForWindow)(TeskHandle handle, unsigned int rgb);
typedef int (*PFN_QtShowOutputWindow)(TeskHandle handle);
typedef void (*PFN_QtWindowCreate)(const char *name, CuiCodeCallbackFn callback, TeskHandle box);
typedef void (*PFN_QtWindowCreate2)(const char *name, void *widget, TeskHandle box);
typedef void (*PFN_QtCloseCode)(TeskHandle handle);
typedef void (*PFN_QtSetCurrentWindowHeight)(void);
typedef int (*PFN_QtGetWindWidth)(void);
typedef int (*PFN_QtGetWindHeight)(void);
typedef void (*PFN_CuiCheckWindowSizesAreSane)(int *x, int *y, int *width, int *height);
typedef TeskHandle (*PFN_QtGetWindowBox)(TeskHandle handle, int index);
typedef const char *(*PFN_QtGetWindowTitle)(TeskHandle handle, int index);
typedef const char *(*PFN_QtReturnKSOTitle)(TeskHandle handle, int index);
typedef TeskHandle (*PFN_QtFindWindowByKSOName)(TeskHandle handle, const char *name);
typedef void (*PFN_QtSetGoto)(int flag, TeskHandle handle);
typedef TeskHandle (*PFN_QtFindGotoWindowToShowData)(TeskHandle handle, const char *name);
typedef TeskHandle (*PFN_QtFindCodeWinFromPane)(TeskHandle box);
typedef void (*PFN_CuiNotifyQtWidgetAboutSetFocusInBox)(TeskHandle box);
typedef int (*PFN_QtGetSizePos)(TeskHandle handle, int *x, int *y, int *width, int *height,
                                int *minimised);
typedef int (*PFN_QtResizeWindowByBox)(TeskHandle handle, int width, int height);
typedef int (*PFN_QtRaiseWindowByBox)(TeskHandle handle);
typedef void (*PFN_QtResizePosWindow)(TeskHandle handle, int x, int y, int width, int height);
typedef int (*PFN_CuiGetDesktopSize)(int screen, int *width, int *height);
typedef TeskHandle (*PFN_QtTopLevelCreate)(TeskHandle hostData, CuiTopLevelSizeFn sizeCallback,
                                           TeskHandle sizeContext);
typedef void (*PFN_QtSetTopTitle)(TeskHandle handle, const char *title);
typedef int (*PFN_QtRaiseWindowByName)(const char *name);
typedef void (*PFN_QtResizeTopLevelWindow)(void);
typedef int (*PFN_CuiPopupProcessGenericOption)(TeskHandle windowBox, int option);
typedef int (*PFN_CuiPopupIsGenericOption)(int ignored, int option);
typedef void (*PFN_CuiPaneDock)(TeskHandle windowBox);
typedef void (*PFN_CuiPaneUndock)(TeskHandle windowBox);
typedef void (*PFN_CuiPaneHide)(TeskHandle windowBox);
typedef void (*PFN_CuiPaneClose)(TeskHandle windowBox);
typedef void (*PFN_QtSetDontClosePane)(void);
typedef void (*PFN_QtResizePane)(void);
typedef void (*PFN_CuiWindowAddTab)(TeskHandle box, int index, const char *text,
                                    const char *toolTip);
typedef int (*PFN_CuiWindowRemoveTab)(TeskHandle box, int index);
typedef void (*PFN_CuiWindowSetTabText)(TeskHandle box, int index, const char *text);
typedef void (*PFN_CuiWindowSetTabTooltip)(TeskHandle box, int index, const char *toolTip);
typedef void (*PFN_CuiWindowSetTabModifyFlag)(TeskHandle box, int index, int mode);
typedef void (*PFN_CuiWindowSetTabExecuteFlag)(TeskHandle box, int index, int flag);
typedef void (*PFN_CuiWindowSetTabCurrent)(TeskHandle box, int index);
typedef void (*PFN_CuiWindowSetHScrollMinMaxValues)(TeskHandle box, int min, int max);
typedef int (*PFN_CuiWindowGetHScrollMinMaxValues)(TeskHandle box, int *min, int *max);
typedef void (*PFN_CuiWindowSetHScrollPageSize)(TeskHandle box, int size);
typedef int (*PFN_CuiWindowGetHScrollPageSize)(TeskHandle box, int *size);
typedef void (*PFN_CuiWindowSetHScrollPosition)(TeskHandle box, int position);
typedef int (*PFN_CuiWindowGetHScrollPosition)(TeskHandle box, int *position);
typedef void (*PFN_CuiWindowSetHScrollTrackPosition)(TeskHandle box, int position);
typedef void (*PFN_CuiWindowSetHScrollDisabled)(TeskHandle box, int disabled);
typedef void (*PFN_CuiWindowSetStatusPosition)(TeskHandle box, int line, int column);
typedef void *(*PFN_CuiWindowCreateQtPane)(const char *name, void *pane, CuiCodeCallbackFn callback,
                                           TeskHandle box);
typedef int (*PFN_CuiWindowShow)(void *window);
typedef void (*PFN_CuiWindowShowFromBox)(TeskHandle box);
typedef void (*PFN_CuiWindowHideFromBox)(TeskHandle box);
typedef void (*PFN_CuiWindowSetConnectionName)(TeskHandle box, const char *name);
typedef void (*PFN_CuiWindowSetColorIndex)(TeskHandle box, int index);
typedef void (*PFN_QtSortWindowList)(TeskHandle handle);
typedef int (*PFN_QtDockWindowCount)(TeskHandle handle);
typedef void (*PFN_CuiGetDockWindowPersistanceData)(TeskHandle handle, int index, char *buffer);
typedef void (*PFN_CuiSetDockWindowPersistanceData)(TeskHandle handle, const char *record);
typedef TeskHandle (*PFN_QtGetPersistWindowBox)(TeskHandle handle, int index);
typedef int (*PFN_QtToolbarCount)(TeskHandle handle);
typedef const char *(*PFN_QtReturnToolbarTitle)(TeskHandle handle, int index);
typedef void (*PFN_QtToolbarData)(TeskHandle handle, int index, char *buffer);
typedef int (*PFN_QtSetToolbarData)(const char *name, const char *record);
typedef void (*PFN_QtSetTopPersistanceData)(int x, int y, int width, int height);
typedef void (*PFN_QtCreateDocked)(int area, int newLine);

#ifdef __cplusplus
}
#endif

#endif
