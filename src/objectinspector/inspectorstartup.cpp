#include "objectinspector/inspectorstartup.h"

#include "objectinspector/qtobjectinspector.h"

#include <QCoreApplication>
#include <QPointer>

namespace tesk::inspector {

namespace {

QPointer<QtObjectInspector> &client()
{
    static QPointer<QtObjectInspector> made;
    return made;
}

// Runs as the application object begins to go, while the socket can still be closed.
void endClient()
{
    delete client().data();
}

} // namespace

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
    if (!clientAtStartUp() || client() || !QCoreApplication::instance() ||
        !qEnvironmentVariableIsSet("QT_INSPECTOR_PORT"))
        return;
    client() = new QtObjectInspector;
    qAddPostRoutine(&endClient);
}

QtObjectInspector *startUpClient()
{
    return client().data();
}

} // namespace tesk::inspector
