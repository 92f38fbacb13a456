// The host's file filter notation ("Description [patterns]" one after the other) made into the
// toolkit's filter text, and a saved name completed from a filter of it. Input: the filter, a
// line feed, the name.
#include "dialogs/ksodialogs_common.h"

#include <QCoreApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_dialogfilter";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\n');
    const QByteArray filterText = split < 0 ? input : input.left(split);
    const QString name = QString::fromLatin1(split < 0 ? QByteArray() : input.mid(split + 1));
    const QString filter = makeDialogFilterFromText(filterText.constData());
    if (filter.isEmpty())
        std::abort();
    for (const QString &entry : dialogFilterList(filter)) {
        const QString completed = appendDefaultExtension(name, entry);
        if (!completed.startsWith(name.endsWith(QLatin1Char('.')) ? name.chopped(1) : name))
            std::abort();
    }
    return 0;
}
