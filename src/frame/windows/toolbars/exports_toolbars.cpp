// The find and script toolbars of the main windows.
#include <tesk/tesk_toolbars.h>

#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/hosttext.h"
#include "frame/core/softcheck.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "frame/windows/toolbars/editortoolbars.h"
#include "frame/windows/toolbars/findtoolbar.h"
#include "frame/windows/toolbars/scriptdata.h"
#include "frame/windows/toplevelwindow.h"

using tesk::frame::routeFindToolBar;

TeskHandle QtCreateEditorToolBar(TeskHandle window, CuiFindToolBarFn callback)
{
    return TESK_GUARDED(TeskHandle(0), [&]() -> TeskHandle {
        MainWindow *frame = Store::instance()->findMainWindowByHandle(window);
        if (!frame) {
            TopLevelWindow *topLevel = Store::instance()->findTopLevelWindowByHandle(window);
            if (!topLevel)
                return 0;
            return reinterpret_cast<TeskHandle>(
                tesk::handles::add(tesk::frame::createFindToolBar(topLevel, callback)));
        }
        Store::setCurrentMainWindow(frame);
        // A handle like every object handed out, so that CuiDeleteObject reaches it.
        return reinterpret_cast<TeskHandle>(
            tesk::handles::add(tesk::frame::createFindToolBar(frame, callback)));
    });
}

void CuiFindToolbarSetFilename(TeskHandle window, const char *name)
{
    TESK_GUARDED_VOID([&] {
        const bool boxFound = Store::instance()->findMainWindowByHandle(window) ||
                              Store::instance()->findTopLevelWindowByHandle(window);
        TESK_CHECK(boxFound);
        if (FindToolBar *toolBar = routeFindToolBar(window))
            toolBar->setFileName(tesk::core::hostTextUtf8(name ? name : ""));
    });
}

void QtSetEditorBarText(TeskHandle window, int, const char *name)
{
    TESK_GUARDED_VOID([&] { CuiFindToolbarSetFilename(window, name); });
}

void QtSetEditorBarIcon(TeskHandle window, int kind, const char *text)
{
    TESK_GUARDED_VOID([&] {
        if (FindToolBar *toolBar = routeFindToolBar(window))
            toolBar->setFileState(kind, tesk::core::hostTextUtf8(text ? text : ""));
    });
}

void QtSetFindToolBarEncoding(TeskHandle window, int index)
{
    TESK_GUARDED_VOID([&] {
        if (FindToolBar *toolBar = routeFindToolBar(window))
            toolBar->setEncoding(index);
    });
}

void QtSetEditorBarFocusText(TeskHandle window)
{
    TESK_GUARDED_VOID([&] {
        if (FindToolBar *toolBar = routeFindToolBar(window))
            toolBar->focusFindField();
    });
}

void QtSetEditorBarFocusLine(TeskHandle window)
{
    TESK_GUARDED_VOID([&] {
        if (FindToolBar *toolBar = routeFindToolBar(window))
            toolBar->focusLineField();
    });
}

int CuiScriptToolBarCreate(TeskHandle window, CuiScriptToolBarFn callback)
{
    return TESK_GUARDED(0, [&] {
        MainWindow *frame = Store::instance()->findMainWindowByHandle(window);
        if (!frame || !callback)
            return 0;
        Store::setCurrentMainWindow(frame);
        return tesk::frame::createScriptToolBar(frame, callback) ? 1 : 0;
    });
}

int CuiScriptFiles_Store(const char *file, const char *tag)
{
    return TESK_GUARDED(0, [&] {
        if (!file || !tag)
            return 0;
        return ScriptData::instance()->store(QString::fromUtf8(file), QString::fromUtf8(tag));
    });
}

int CuiScriptFiles_Load(const char *file, const char *tag)
{
    return TESK_GUARDED(0, [&] {
        if (!file || !tag)
            return 0;
        return ScriptData::instance()->load(QString::fromUtf8(file), QString::fromUtf8(tag));
    });
}
