// Plug-in entry, start-up, the event loop and the idle object.
#include <tesk/tesk_app.h>

#include "frame/ctesk_facade.h"
#include "frame/cuiapp.h"
#include "frame/cuihandles.h"
#include "frame/cuii18n.h"
#include "frame/exportguard.h"
#include "frame/uiidle.h"
#include "sync/syncregistration.h"

#include <QCoreApplication>

#include <mosk/mosk.hpp>

namespace {

MoskResult registerFacade(MoskRegistrar *registrar)
{
    return registrar->ops->registerComponent(registrar, "tesk", "tesk_Facade.component.1",
                                             CTesk_Facade::instance()->face());
}

MoskResult initialisePlugin(MoskRegistrar *registrar)
{
    if (!registrar || !registrar->ops || !registrar->ops->registerComponent)
        return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
    if (MoskResult result = registerFacade(registrar))
        return result;
    return registerSyncComponents(registrar);
}

} // namespace

MoskResult moskInitialisePlugin(MoskRegistrar *registrar)
{
    try {
        return initialisePlugin(registrar);
    } catch (mosk::ThrowError::Exception &e) {
        return e.takeError();
    } catch (...) {
        return moskErrorCreateStandardError(1, MOSK_ERR_GENERAL);
    }
}

int CuiQtInit_Win(char *commandLine)
{
    return CuiQtInit_WinEx("dummy", commandLine);
}

int CuiQtInit_WinEx(const char *programName, char *commandLine)
{
    return tesk::guarded("CuiQtInit_WinEx", 0,
                         [&] { return tesk::app::initialise(programName, commandLine); });
}

int CuiRun(void)
{
    return tesk::guarded("CuiRun", 1, [] { return tesk::app::run(); });
}

void CuiPump(void)
{
    tesk::guarded("CuiPump", [] { tesk::app::pump(); });
}

void *CuiGetQtApp(void)
{
    return QCoreApplication::instance();
}

int QtShutdown(void)
{
    return tesk::app::shutdown();
}

int CuiCreateIdleObject(void)
{
    return tesk::app::createIdleObject() ? 1 : 0;
}

int CuiRegisterIdleFunc(CuiIdleFn fn)
{
    if (UIIdle *idle = tesk::app::idleObject())
        idle->setIdleFunction(fn);
    return 0;
}

int CuiDeleteIdleObject(void)
{
    return tesk::app::deleteIdleObject() ? 1 : 0;
}

int CuiDeleteObject(void *object)
{
    // Only objects this library handed out are deleted; anything else would be a pointer of
    // unknown kind.
    if (QObject *live = tesk::handles::object(object))
        delete live;
    else if (object)
        qWarning("CuiDeleteObject: %p is not an object handed out by this library", object);
    return 1;
}

int CuiLoadPlugins(void)
{
    return 1;
}

int CuiUpdateSettings(void)
{
    // A changed language setting takes effect for the widgets created from now on.
    tesk::guarded("CuiUpdateSettings", [] { cuiInstallTranslations(); });
    return 0;
}

int CuiSetActivationCallback(TeskHandle, CuiActivationFn)
{
    // No main window can carry the handle until frames are created.
    return 0;
}
