#include "system/regularfile.h"

#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace tesk::system {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;

int openFlags(QIODevice::OpenMode mode)
{
    if (!mode.testFlag(QIODevice::WriteOnly))
        return O_RDONLY;
    int flags = (mode.testFlag(QIODevice::ReadOnly) ? O_RDWR : O_WRONLY) | O_CREAT;
    if (mode.testFlag(QIODevice::Append))
        flags |= O_APPEND;
    return flags;
}

// QFile's own rule: writing without Append, ReadOnly or an explicit Truncate still truncates
// when only WriteOnly was asked for.
bool truncates(QIODevice::OpenMode mode)
{
    if (!mode.testFlag(QIODevice::WriteOnly) || mode.testFlag(QIODevice::Append))
        return false;
    return mode.testFlag(QIODevice::Truncate) || !mode.testFlag(QIODevice::ReadOnly);
}

} // namespace

int openRegularDescriptor(const QString &path, int flags)
{
    const QByteArray name = QFile::encodeName(path);
    if (name.isEmpty()) {
        errno = ENOENT;
        return -1;
    }
    // Truncating is left until the file is known to be one: O_TRUNC would act on what it finds.
    const int fd =
        ::open(name.constData(), (flags & ~O_TRUNC) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    struct stat status
    {
    };
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) ||
        ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK) != 0 ||
        ((flags & O_TRUNC) && ::ftruncate(fd, 0) != 0)) {
        const int error = S_ISDIR(status.st_mode) ? EISDIR : EINVAL;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool openRegular(QFile &file, const QString &path, QIODevice::OpenMode mode)
{
    const int fd = openRegularDescriptor(path, openFlags(mode) | (truncates(mode) ? O_TRUNC : 0));
    if (fd < 0)
        return false;
    if (file.open(fd, mode & ~QIODevice::Truncate, QFileDevice::AutoCloseHandle))
        return true;
    ::close(fd);
    return false;
}

bool readRegular(const QString &path, qint64 maxBytes, QByteArray &bytes)
{
    bytes.clear();
    QFile file;
    if (!openRegular(file, path, QIODevice::ReadOnly))
        return false;
    // One byte more than allowed tells a file that fits from one that does not. Read in pieces:
    // a single read would take memory for the whole bound, however small the file.
    constexpr qint64 kPiece = 64 * 1024;
    QByteArray read;
    while (read.size() <= maxBytes) {
        const QByteArray piece = file.read(std::min(kPiece, maxBytes + 1 - read.size()));
        if (piece.isEmpty())
            break;
        read += piece;
    }
    if (read.size() > maxBytes || file.error() != QFileDevice::NoError)
        return false;
    bytes = std::move(read);
    return true;
}

QString replacementTarget(const QString &path)
{
    QString target = path;
    for (int i = 0; i < kMaxLinks; ++i) {
        const QFileInfo info(target);
        if (!info.isSymLink() || info.symLinkTarget().isEmpty())
            return target;
        target = info.symLinkTarget();
    }
    return target;
}

bool regularOrAbsent(const QString &path)
{
    struct stat status
    {
    };
    if (::stat(QFile::encodeName(path).constData(), &status) != 0)
        return errno == ENOENT;
    return S_ISREG(status.st_mode);
}

} // namespace tesk::system
