#include "system/fileappend.h"

#include "system/filelock.h"
#include "system/regularfile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tesk::system {

namespace {

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }
    void reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

bool writeAll(int fd, const char *data, qsizetype size)
{
    while (size > 0) {
        const ssize_t written = ::write(fd, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        size -= written;
    }
    return true;
}

bool endsWithLineFeed(int fd, off_t size)
{
    char last = '\n';
    return size == 0 || ::pread(fd, &last, 1, size - 1) != 1 || last == '\n';
}

} // namespace

bool appendWhole(const QString &fileName, const QByteArray &bytes, AppendStart start)
{
    Descriptor fd(openRegularDescriptor(fileName, O_RDWR | O_APPEND | O_CREAT));
    if (fd.get() < 0 && errno == EACCES)
        fd.reset(openRegularDescriptor(fileName, O_WRONLY | O_APPEND | O_CREAT));
    if (fd.get() < 0)
        return false;
    if (lockWithin(fd.get()) != LockState::Held)
        return false;
    struct stat before
    {
    };
    if (::fstat(fd.get(), &before) != 0)
        return false;
    QByteArray record = bytes;
    if (start == OnItsOwnLine && !endsWithLineFeed(fd.get(), before.st_size))
        record.prepend('\n');
    if (writeAll(fd.get(), record.constData(), record.size()) && ::fsync(fd.get()) == 0)
        return true;
    // A torn record would hide what follows it: take it back.
    (void)::ftruncate(fd.get(), before.st_size);
    return false;
}

} // namespace tesk::system
