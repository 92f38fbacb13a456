// The script list as the script toolbar reads it back from a tagged section of a host file,
// then written out again, as the next store does.
#include "frame/windows/toolbars/scriptdata.h"

#include <QDir>
#include <QFile>

#include <cstddef>
#include <cstdint>
#include <unistd.h>

namespace {

QString tempFile(const char *what)
{
    return QDir::temp().filePath(
        QStringLiteral("fuzz-scriptsection-%1-%2.ini").arg(QLatin1String(what)).arg(getpid()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString input = tempFile("in");
    QFile file(input);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    ScriptData *scripts = ScriptData::instance();
    scripts->load(input, QStringLiteral("Scripts"));
    const QString output = tempFile("out");
    scripts->store(output, QStringLiteral("Scripts"));
    QFile::remove(input);
    QFile::remove(output);
    return 0;
}
