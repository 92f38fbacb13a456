#include "dialogs/filequestions.h"

#include "frame/core/cuihandles.h"
#include "frame/core/hosttext.h"
#include "frame/core/services.h"
#include "frame/core/softcheck.h"

#include <QDir>
#include <QWidget>

#include <cstring>

char g_Filename[4096];

namespace tesk::dialogs {

namespace {

QByteArray nativeUtf8(const QString &text)
{
    return QDir::toNativeSeparators(text).toUtf8();
}

// Where a chosen name's directory ends; -1 (reported) for a name without one.
qsizetype lastSlash(const QString &file)
{
    const qsizetype slashPos = file.lastIndexOf(QLatin1Char('/'));
    TESK_CHECK(slashPos != -1);
    return slashPos;
}

} // namespace

int joinSelectedFiles(const QStringList &files, char (&buffer)[sizeof g_Filename])
{
    if (files.isEmpty())
        return 1;
    QList<QByteArray> pieces;
    pieces.append(nativeUtf8(files.first().left(lastSlash(files.first()) + 1)));
    for (const QString &file : files)
        pieces.append(nativeUtf8(file.mid(lastSlash(file) + 1)));
    size_t totalLen = 0;
    for (const QByteArray &piece : pieces)
        totalLen += size_t(piece.size()) + 1;
    if (!TESK_CHECK(totalLen < sizeof(g_Filename)))
        return 1;
    char *at = buffer;
    for (const QByteArray &piece : pieces) {
        std::memcpy(at, piece.constData(), size_t(piece.size()) + 1);
        at += piece.size() + 1;
    }
    *at = '\0';
    return 0;
}

int storeSelectedFile(const QString &file, char (&buffer)[sizeof g_Filename])
{
    const QByteArray name = nativeUtf8(file);
    if (size_t(name.size()) + 2 > sizeof buffer)
        return 1;
    std::memcpy(buffer, name.constData(), size_t(name.size()));
    buffer[name.size()] = '\0';
    buffer[name.size() + 1] = '\0';
    return 0;
}

QWidget *dialogParent(TeskHandle parent)
{
    if (auto *widget =
            qobject_cast<QWidget *>(handles::object(reinterpret_cast<const void *>(parent))))
        return widget;
    return tesk::core::frameServices().currentMainWindow();
}

bool copyIfFits(const QByteArray &text, char *buffer, uint32_t size)
{
    return tesk::core::writeWhole(text, buffer, qsizetype(size));
}

} // namespace tesk::dialogs
