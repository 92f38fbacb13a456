#include "objectinspector/inspectorstartup.h"

#include "objectinspector/qtobjectinspector.h"

#include <QCoreApplication>
#include <QPointer>
#include <QTcpSocket>

#include <dlfcn.h>

namespace tesk::inspector {

namespace {

QPointer<QtObjectInspector> g_client;

// Runs as the application object begins to go, while the socket can still be closed.
void endClientWithTheApplication()
{
    delete g_client.data();
}

// The toolkit's network module, loaded with the library in a host without it, keeps its name
// look-ups' thread pool tied to the application object: it has to stay loaded for as long as
// the application lives, after the library is gone.
void keepNetworkModule()
{
    Dl_info module{};
    if (dladdr(reinterpret_cast<const void *>(&QTcpSocket::staticMetaObject), &module) &&
        module.dli_fname)
        dlopen(module.dli_fname, RTLD_LAZY | RTLD_NOLOAD | RTLD_NODELETE);
}

} // namespace

void endClient()
{
    if (!g_client)
        return;
    qRemovePostRoutine(&endClientWithTheApplication);
    delete g_client.data();
}

bool clientAtStartUp()
{
#ifdef TESK_INSPECTOR_AT_STARTUP
    return true;
#else
    return false;
#endif
}

void startClientFromEnvironment()
{
    // Without the variable nobody asked for the link: no client, and no warning about it.
    if (!clientAtStartUp() || g_client || !QCoreApplication::instance() ||
        !qEnvironmentVariableIsSet("QT_INSPECTOR_PORT"))
        return;
    keepNetworkModule();
    g_client = new QtObjectInspector;
    qAddPostRoutine(&endClientWithTheApplication);
}

QtObjectInspector *startUpClient()
{
    return g_client.data();
}

} // namespace tesk::inspector
