// The screen file the size tests hand the offscreen platform: programs that start at the same
// moment (ctest -j) write it while others read it, and every reader finds it whole.
#include "offscreenscreen.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <atomic>
#include <string>
#include <thread>

#include <gtest/gtest.h>

TEST(ScreenFile, ReadersFindItWholeWhileItIsWritten)
{
    const std::string path = QDir::tempPath().toStdString() + "/tesk-screenfile-test-" +
                             std::to_string(QCoreApplication::applicationPid()) + ".json";
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    ASSERT_TRUE(hostcommon::useOffscreenScreen(path, 1024, 600));
    std::atomic<bool> writing{true};
    std::atomic<int> torn{0};
    std::thread reader([&] {
        while (writing) {
            QFile file(QString::fromStdString(path));
            if (!file.open(QIODevice::ReadOnly)) {
                ++torn;
                continue;
            }
            if (!file.readAll().endsWith("}]}\n"))
                ++torn;
        }
    });
    for (int i = 0; i < 400; ++i)
        hostcommon::useOffscreenScreen(path, 1024, 600);
    writing = false;
    reader.join();
    qputenv("QT_QPA_PLATFORM", platform);
    QFile::remove(QString::fromStdString(path));
    EXPECT_EQ(torn, 0) << "reads found the file missing or half written";
}
