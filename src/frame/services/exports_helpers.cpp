// String lists the host fills, rich-text markup, and the host's test command.
#include <tesk/tesk_helpers.h>

#include "frame/core/cuitextutils.h"
#include "frame/core/exportguard.h"
#include "frame/core/hoststringlists.h"
#include "frame/services/testcommand.h"

#include <cstring>

namespace {

// The longest prefix of the UTF-8 text that fits size - 1 bytes without cutting a character.
qsizetype fittingLength(const QByteArray &utf8, int size)
{
    qsizetype length = qMin<qsizetype>(utf8.size(), size - 1);
    if (length < utf8.size()) {
        // Continuation bytes are 10xxxxxx: step back to the start of the cut character.
        while (length > 0 && (uchar(utf8.at(length)) & 0xc0) == 0x80)
            --length;
    }
    return length;
}

} // namespace

int CuiHelpersAppendToList(void *list, const char *text)
{
    return CuiHelpersAppendToListEx(list, text, 0);
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
        // A leading blank keeps the escaping from taking the text for rich text already.
        const QString escaped =
            cuiEscapeRichText(QLatin1Char(' ') + QString::fromLatin1(text)).mid(1);
        const QByteArray utf8 = escaped.toUtf8();
        const qsizetype length = fittingLength(utf8, size);
        std::memcpy(buffer, utf8.constData(), size_t(length));
        buffer[length] = '\0';
        return 0;
    });
}

int CuiTestOK(TeskHandle handle, int)
{
    return handle ? 1 : 0;
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
