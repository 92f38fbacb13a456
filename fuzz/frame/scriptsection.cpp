// The script list as the script toolbar reads it back from a tagged section of a host file,
// then written out again, as the next store does. The same bytes then stand as the host's own
// text before and after that stored section (cut where the first byte says): whatever they are,
// the section loads again, and, when they hold no other copy of it, as the list it was.
#include "frame/windows/toolbars/scriptdata.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <unistd.h>

namespace {

QString tempFile(const char *what)
{
    return QDir::temp().filePath(
        QStringLiteral("fuzz-scriptsection-%1-%2.ini").arg(QLatin1String(what)).arg(getpid()));
}

bool writeFile(const QString &name, const QByteArray &bytes, QIODevice::OpenMode mode)
{
    QFile file(name);
    return file.open(mode) && file.write(bytes) == bytes.size();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString name = tempFile("in");
    if (!writeFile(name, input, QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    const QString tag = QStringLiteral("Scripts");
    ScriptData *scripts = ScriptData::instance();
    scripts->load(name, tag);
    const QString output = tempFile("out");
    scripts->store(output, tag);
    QFile::remove(output);

    if (!input.isEmpty()) {
        const qsizetype cut = 1 + qsizetype(uint8_t(input[0])) * (input.size() - 1) / 256;
        const QByteArray before = input.mid(1, cut - 1);
        const QByteArray after = input.mid(cut);
        const QMap<QString, QString> stored = scripts->scripts().map();
        if (writeFile(name, before, QIODevice::WriteOnly | QIODevice::Truncate) &&
            scripts->store(name, tag) == 1 && writeFile(name, after, QIODevice::Append)) {
            scripts->scripts().map().clear();
            if (scripts->load(name, tag) != 1)
                std::abort();
            if (!before.contains('[') && scripts->scripts().map() != stored)
                std::abort();
        }
    }
    QFile::remove(name);
    return 0;
}
