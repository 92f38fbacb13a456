// Plug-in entry, start-up, the event loop and the idle object.
#include <tesk/tesk_app.h>

#include "frame/app/cuiapp.h"
#include "frame/app/uiidle.h"
#include "frame/core/brokerguard.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/plugincomponents.h"
#include "frame/services/cuii18n.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/lifetime.h"

#include <QCoreApplication>

#include <mosk/mosk.hpp>

namespace {

MoskResult initialisePlugin(MoskRegistrar *registrar)
{
    if (!registrar || !registrar->ops || !registrar->ops->registerComponent)
        return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
    return tesk::broker::registerPluginComponents(registrar);
}

} // namespace

MoskResult moskInitialisePlugin(MoskRegistrar *registrar)
{
    if (tesk::processEnding() || !tesk::onLibraryThread(__func__, false))
        return moskErrorCreateStandardError(1, MOSK_ERR_GENERAL);
    return tesk::broker::guardedCall(__func__, [&] { return initialisePlugin(registrar); });
}

int CuiQtInit_Win(char *commandLine)
{
    return TESK_GUARDED(0, [&] { return CuiQtInit_WinEx("dummy", commandLine); });
}

int CuiQtInit_WinEx(const char *programName, char *commandLine)
{
    return TESK_GUARDED(0, [&] { return tesk::app::initialise(programName, commandLine); });
}

int CuiRun(void)
{
    return TESK_GUARDED(1, [] { return tesk::app::run(); });
}

void CuiPump(void)
{
    TESK_GUARDED_VOID([] { tesk::app::pump(); });
}

void *CuiGetQtApp(void)
{
    return TESK_GUARDED(static_cast<void *>(nullptr),
                        []() -> void * { return QCoreApplication::instance(); });
}

int QtShutdown(void)
{
    return TESK_GUARDED(0, [] { return tesk::app::shutdown(); });
}

int CuiCreateIdleObject(void)
{
    return TESK_GUARDED(0, [] { return tesk::app::createIdleObject() ? 1 : 0; });
}

int CuiRegisterIdleFunc(CuiIdleFn fn)
{
    // 0 stays the answer for a function stored, as hosts that check it expect; without an idle
    // object the function would silently never run, so that is told apart.
    return TESK_GUARDED(-1, [&] {
        UIIdle *idle = tesk::app::idleObject();
        if (!idle)
            return -1;
        idle->setIdleFunction(fn);
        return 0;
    });
}

int CuiDeleteIdleObject(void)
{
    return TESK_GUARDED(0, [] { return tesk::app::deleteIdleObject() ? 1 : 0; });
}

int CuiDeleteObject(void *object)
{
    TESK_GUARDED_VOID([&] {
        // Only objects this library handed out are deleted; anything else would be a pointer of
        // unknown kind.
        // Ended through the lifetime road: the host may delete an object inside its own callback.
        if (QObject *live = tesk::handles::object(object))
            tesk::lifetime::destroy(live);
        else if (object)
            qWarning("CuiDeleteObject: %p is not an object handed out by this library", object);
    });
    return 1;
}

int CuiLoadPlugins(void)
{
    return TESK_GUARDED(0, [] { return 1; });
}

int CuiUpdateSettings(void)
{
    // A changed language setting takes effect for the widgets created from now on.
    TESK_GUARDED_VOID([] { cuiInstallTranslations(); });
    return 0;
}

int CuiSetActivationCallback(TeskHandle mainWindow, CuiActivationFn fn)
{
    return TESK_GUARDED(0, [&] {
        MainWindow *window = Store::instance()->findMainWindowByHandle(mainWindow);
        if (!window)
            return 0;
        window->setActivationCallback(fn);
        return 1;
    });
}
