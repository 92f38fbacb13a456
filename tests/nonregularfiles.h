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

#include <sys/stat.h>

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

} // namespace testfiles
