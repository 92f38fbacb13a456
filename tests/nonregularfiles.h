#pragma once

// Names that are no regular file, for the tests of each file the library writes or reads: a pipe
// nobody reads (opening it to write would wait for ever), a device that swallows every byte, a
// folder, and a link to a regular file, which stands for its target.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace testfiles {

class NonRegularFiles
{
public:
    NonRegularFiles()
    {
        ::mkfifo(QFile::encodeName(pipe()).constData(), 0600);
        QDir(m_dir.path()).mkdir(QStringLiteral("folder"));
        QFile target(linkTarget());
        if (target.open(QIODevice::WriteOnly))
            target.write("before\n");
        QFile::link(QStringLiteral("target.txt"), link());
    }

    QString pipe() const { return m_dir.filePath(QStringLiteral("pipe")); }
    QString folder() const { return m_dir.filePath(QStringLiteral("folder")); }
    static QString device() { return QStringLiteral("/dev/null"); }
    QString link() const { return m_dir.filePath(QStringLiteral("link.txt")); }
    QString linkTarget() const { return m_dir.filePath(QStringLiteral("target.txt")); }

    // Every name that must be refused.
    QStringList refused() const { return {pipe(), device(), folder()}; }

    QByteArray targetBytes() const
    {
        QFile file(linkTarget());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }
    bool linkKept() const { return QFileInfo(link()).isSymLink(); }
    // Nothing but the four names in the folder (no temporary file left behind).
    bool nothingElse() const
    {
        return QDir(m_dir.path())
                   .entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)
                   .size() == 4;
    }

private:
    QTemporaryDir m_dir;
};

// A pipe that hands a reader the bytes and then ends: a reader that takes a pipe for a file reads
// them, and so fails its test by what it shows, instead of waiting for ever. The first bytes are
// in the pipe before the reader comes; the pipe ends once the reader has taken all of them.
class FedPipe
{
public:
    FedPipe(const QString &path, const QByteArray &bytes)
        : m_bytes(bytes)
    {
        ::mkfifo(QFile::encodeName(path).constData(), 0600);
        // Both ends at once: opening never waits, and the pipe stays open while it is fed.
        m_fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        feed();
        m_feeder = std::thread([this] {
            for (;;) {
                int pending = 0;
                ::ioctl(m_fd, FIONREAD, &pending);
                if (m_stop || (m_done == m_bytes.size() && pending == 0))
                    break;
                feed();
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            ::close(m_fd);
        });
    }
    ~FedPipe()
    {
        m_stop = true;
        m_feeder.join();
    }
    FedPipe(const FedPipe &) = delete;
    FedPipe &operator=(const FedPipe &) = delete;

private:
    void feed()
    {
        const ssize_t n =
            ::write(m_fd, m_bytes.constData() + m_done, size_t(m_bytes.size() - m_done));
        if (n > 0)
            m_done += n;
    }

    QByteArray m_bytes;
    int m_fd = -1;
    qsizetype m_done = 0;
    std::atomic<bool> m_stop{false};
    std::thread m_feeder;
};

// A pipe nobody writes to: a reader that opens it waits for a writer. After a second the waiting
// reader is let go (it reads an empty pipe) and counted, so that its test fails by name.
class UnfedPipe
{
public:
    explicit UnfedPipe(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        ::mkfifo(m_path.constData(), 0600);
        m_releaser = std::thread([this] {
            const auto start = std::chrono::steady_clock::now();
            while (!m_stop) {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
                if (std::chrono::steady_clock::now() - start < std::chrono::seconds(1))
                    continue;
                const int fd = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    m_readerWaited = true;
                    ::close(fd);
                }
            }
        });
    }
    ~UnfedPipe()
    {
        m_stop = true;
        m_releaser.join();
    }
    UnfedPipe(const UnfedPipe &) = delete;
    UnfedPipe &operator=(const UnfedPipe &) = delete;

    bool readerWaited() const { return m_readerWaited; }

private:
    QByteArray m_path;
    std::atomic<bool> m_stop{false};
    std::atomic<bool> m_readerWaited{false};
    std::thread m_releaser;
};

} // namespace testfiles
