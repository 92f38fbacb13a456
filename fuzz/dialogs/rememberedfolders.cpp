// The remembered-folder settings file, which other host programs write too, as a save reads it
// again and writes it back (other programs' entries in bytes that are no UTF-8 put back as they
// were): whatever the file held, a save that answers that it saved leaves this program's folder
// there for the next run. An input that begins with byte 1 instead gives the bytes at the ends
// of another program's key and folder (cut where its second byte says): a line of them that is
// no UTF-8 stays byte for byte.
#include "dialogs/ksodialogs_common.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringDecoder>
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

namespace {

// Another program's line with the input's bytes at the ends of its key and folder; bytes the
// settings file gives a meaning of its own (a line's end, quotes, escapes, a list's commas,
// comments) are left out.
QByteArray otherLine(const QByteArray &input)
{
    QByteArray tails;
    for (const char c : input.mid(2))
        if (uchar(c) >= 0x20 && !QByteArray("\\\",;=#").contains(c))
            tails += c;
    const qsizetype cut = input.size() > 1 ? qsizetype(uchar(input[1])) * tails.size() / 256 : 0;
    return "/other/k" + tails.left(cut) + "::/other/f" + tails.mid(cut);
}

bool isUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const bool lineMode = input.startsWith('\x01');
    const QByteArray other = lineMode ? otherLine(input) : QByteArray();
    {
        QFile file(settingsFileName);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(lineMode
                       ? "[cuifiledlg]\nMRU\\Order=ab\nMRU\\a=/bin/a::/fa\nMRU\\b=" + other + "\n"
                       : input);
    }
    FileDialogMRU *mru = FileDialogMRU::instance();
    mru->setProgramKey(QStringLiteral("/fuzz/host"));
    mru->reload();
    const QString folder = QStringLiteral("/fuzz/folder");
    if (mru->setLastDir(mru->programKey(), folder)) {
        mru->reload();
        if (mru->lastDir(mru->programKey()) != folder)
            std::abort();
        if (lineMode && !isUtf8(other)) {
            QFile file(settingsFileName);
            if (!file.open(QIODevice::ReadOnly) || !file.readAll().contains("=" + other + "\n"))
                std::abort();
        }
    }
    return 0;
}
