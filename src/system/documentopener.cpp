#include "system/documentopener.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

#include <cerrno>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace tesk::system {

namespace {

DocumentOpener &opener()
{
    static DocumentOpener o;
    return o;
}

int openWithDesktop(const QString &fileName)
{
    const QByteArray path = QFile::encodeName(fileName);
    if (::access(path.constData(), R_OK) != 0)
        return errno;
    // The desktop does not say why it declined; the nearest of the C library's reasons.
    return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()))
               ? 0
               : EOPNOTSUPP;
}

} // namespace

int openDocument(const QString &fileName)
{
    if (opener())
        return opener()(fileName);
    return openWithDesktop(fileName);
}

QString systemErrorText(int error)
{
    char buffer[256] = {};
    // The GNU form answers a pointer that may or may not be the buffer.
    const char *text = strerror_r(error, buffer, sizeof buffer);
    return QString::fromLocal8Bit(text ? text : buffer);
}

DocumentOpener setDocumentOpener(DocumentOpener o)
{
    return std::exchange(opener(), std::move(o));
}

} // namespace tesk::system
