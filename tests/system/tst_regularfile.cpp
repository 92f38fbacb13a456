// The regular-file helper itself: appending never reaches a device or a pipe, even one with a
// reader (opening it would not wait), and a bounded read takes no more than its bound.
#include "system/regularfile.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using tesk::system::openRegular;
using tesk::system::openRegularDescriptor;
using tesk::system::readRegular;

TEST(RegularFile, AppendingToADeviceOrAPipeWithAReaderIsRefused)
{
    QFile file;
    EXPECT_FALSE(
        openRegular(file, QStringLiteral("/dev/null"), QIODevice::WriteOnly | QIODevice::Append));
    EXPECT_FALSE(file.isOpen());
    EXPECT_LT(openRegularDescriptor(QStringLiteral("/dev/null"), O_WRONLY | O_APPEND | O_CREAT), 0);

    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const int reader = ::open(QFile::encodeName(pipe).constData(), O_RDONLY | O_NONBLOCK);
    ASSERT_GE(reader, 0);
    EXPECT_FALSE(openRegular(file, pipe, QIODevice::WriteOnly | QIODevice::Append));
    EXPECT_LT(openRegularDescriptor(pipe, O_WRONLY | O_APPEND | O_CREAT), 0);
    char byte = 0;
    EXPECT_LE(::read(reader, &byte, 1), 0) << "nothing reached the reader";
    ::close(reader);
}

TEST(RegularFile, ABoundedReadTakesRegularFilesUpToItsBound)
{
    QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("file"));
    QFile file(name);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("0123456789abcdefg");
    file.close();
    QByteArray bytes;
    EXPECT_TRUE(readRegular(name, 17, bytes));
    EXPECT_EQ(bytes, QByteArray("0123456789abcdefg"));
    EXPECT_FALSE(readRegular(name, 16, bytes));
    EXPECT_TRUE(bytes.isEmpty());
    EXPECT_FALSE(readRegular(QStringLiteral("/dev/zero"), 16, bytes));
    EXPECT_FALSE(readRegular(dir.path(), 16, bytes));
}
