// String lists the host fills, rich-text markup, and the host's test command.
#include <tesk/tesk_helpers.h>

#include "frame/core/cuitextutils.h"
#include "frame/core/exportguard.h"
#include "frame/core/hoststringlists.h"
#include "frame/core/hosttext.h"
#include "frame/services/testcommand.h"

#include <cstring>

int CuiHelpersAppendToList(void *list, const char *text)
{
    return TESK_GUARDED(0, [&] { return CuiHelpersAppendToListEx(list, text, 0); });
}

int CuiHelpersAppendToListEx(void *list, const char *text, char separator)
{
    return TESK_GUARDED(-1, [&] {
        QStringList *target = tesk::core::HostStringList::find(list);
        if (!target || !text)
            return -1;
        const QString value = QString::fromUtf8(text);
        if (separator == 0)
            target->append(value);
        else
            target->append(value.split(QLatin1Char(separator), Qt::SkipEmptyParts));
        return 0;
    });
}

int CuiHelperMarkupText(const char *text, int size, char *buffer)
{
    return TESK_GUARDED(-1, [&] {
        if (!text || !buffer || size < 1)
            return -1;
        tesk::core::writeCut(tesk::core::escapeMarkup(QString::fromLatin1(text)).toUtf8(), buffer,
                             size, tesk::core::Encoding::Utf8);
        return 0;
    });
}

int CuiTestOK(TeskHandle handle, int)
{
    return TESK_GUARDED(0, [&] { return handle ? 1 : 0; });
}

void CuiTestFunction(TeskHandle window, CuiPaneOutputFn print, void *printContext,
                     const char *option, const char *arg1, const char *arg2, const char *arg3,
                     const char *arg4, const char *arg5, const char *arg6)
{
    TESK_GUARDED_VOID([&] {
        const char *const arguments[6] = {arg1, arg2, arg3, arg4, arg5, arg6};
        tesk::frame::TestCommand command(print, printContext);
        command.run(window, QString::fromUtf8(option ? option : ""), arguments);
        if (arg2)
            command.writeResult(QString::fromUtf8(arg2));
    });
}
