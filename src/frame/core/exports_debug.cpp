// Debug flags and logging through the library's debug output.
#include <tesk/tesk_debug.h>

#include "frame/core/cuidebuginfo.h"
#include "frame/core/exportguard.h"

#include <QTime>

int CuiDebugInfoIsSet(const char *flag)
{
    return TESK_GUARDED(
        0, [&] { return flag && CuiDebugInfo::isSet(QString::fromLatin1(flag)) ? 1 : 0; });
}

int CuiLog(const char *text)
{
    TESK_GUARDED_VOID([&] { qDebug("CuiLog: %s", text ? text : "(null)"); });
    return 1;
}

void CuiDebug(const char *text)
{
    TESK_GUARDED_VOID([&] {
        qDebug("[%s] %s", qPrintable(QTime::currentTime().toString(QStringLiteral("hh:mm:ss.zzz"))),
               text ? text : "(null)");
    });
}
