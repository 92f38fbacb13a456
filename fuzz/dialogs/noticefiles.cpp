// An installation's notice file (etc/*.lic) as the about box shows it: whatever the file and its
// name hold, the only markup in the notices is the box's own.
#include "dialogs/aboutdialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir *installation;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_noticefiles";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    installation = new QTemporaryDir;
    QDir(installation->path()).mkpath(QStringLiteral("etc"));
    qputenv("KSODEBUG_INSTALL", installation->path().toLocal8Bit());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    // A name that would be markup if shown as such.
    QFile file(installation->path() + QStringLiteral("/etc/<i>&amp;.lic"));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    file.write(reinterpret_cast<const char *>(data), qint64(size));
    file.close();
    QString notices = tesk::dialogs::collectNotices();
    if (notices.isEmpty())
        std::abort();
    // Removed as plain text: a file in UTF-16 may hold lone surrogates, on which a regular
    // expression matches nothing.
    for (const char *own : {"<h2>", "</h2>", "<p>", "<b>", "</b>", "<br>"})
        notices.remove(QLatin1String(own));
    if (notices.contains(u'<') || notices.contains(u'>'))
        std::abort();
    return 0;
}
