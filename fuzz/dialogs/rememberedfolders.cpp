// The remembered-folder settings file, which other host programs write too, as a save reads it
// again and writes it back (other programs' entries in bytes that are no UTF-8 put back as they
// were): whatever the file held, a save that answers that it saved leaves this program's folder
// there for the next run.
#include "dialogs/ksodialogs_common.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

QString settingsFileName;

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    static int argc = 1;
    static char name[] = "fuzz_rememberedfolders";
    static char *argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
    // The user's own settings are never touched: the settings folder is a temporary one.
    static QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    settingsFileName =
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "ZEB Limited", "zebqt33x")
            .fileName();
    QDir().mkpath(QFileInfo(settingsFileName).path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    {
        QFile file(settingsFileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char *>(data), qint64(size));
    }
    FileDialogMRU *mru = FileDialogMRU::instance();
    mru->setProgramKey(QStringLiteral("/fuzz/host"));
    mru->reload();
    const QString folder = QStringLiteral("/fuzz/folder");
    if (mru->setLastDir(mru->programKey(), folder)) {
        mru->reload();
        if (mru->lastDir(mru->programKey()) != folder)
            std::abort();
    }
    return 0;
}
