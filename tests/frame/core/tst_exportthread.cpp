// Calls from a thread other than the library's: refused with the failure value and one debug
// line naming the export, while the same calls on the library's thread keep working; which
// thread is the library's.
#include "testhost.h"

#include "system/debugoutput.h"

#include <tesk/tesk_debug.h>
#include <tesk/tesk_registry.h>

#include <QCoreApplication>
#include <QProcess>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace {

std::mutex linesMutex;
std::vector<std::string> lines;
std::vector<std::string> qtMessages;

void keepQtMessage(QtMsgType, const QMessageLogContext &, const QString &text)
{
    const std::lock_guard<std::mutex> lock(linesMutex);
    qtMessages.push_back(text.toStdString());
}

class ExportThreadTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    void SetUp() override
    {
        lines.clear();
        qtMessages.clear();
        m_previousSink = tesk::system::setDebugSink([](const std::string &text) {
            const std::lock_guard<std::mutex> lock(linesMutex);
            lines.push_back(text);
        });
        m_previousHandler = qInstallMessageHandler(&keepQtMessage);
    }

    void TearDown() override
    {
        qInstallMessageHandler(m_previousHandler);
        tesk::system::setDebugSink(m_previousSink);
        CuiFunctionRegistryRemoveVoidStar("threadTest");
    }

    template<typename Fn>
    static void onOtherThread(Fn fn)
    {
        std::thread thread(fn);
        thread.join();
    }

    tesk::system::DebugSink m_previousSink;
    QtMessageHandler m_previousHandler = nullptr;
};

TEST_F(ExportThreadTest, OtherThreadIsRefusedWithOneLineNamingTheExport)
{
    int data = 0;
    int added = -1;
    void *found = &data;
    onOtherThread([&] {
        added = CuiFunctionRegistryAddVoidStar("threadTest", &data);
        found = CuiFunctionRegistryGetVoidStar("threadTest");
        CuiDebug("from another thread");
    });
    EXPECT_EQ(added, 0);
    EXPECT_EQ(found, nullptr);
    ASSERT_EQ(lines.size(), 3u);
    const char *const names[] = {"CuiFunctionRegistryAddVoidStar", "CuiFunctionRegistryGetVoidStar",
                                 "CuiDebug"};
    for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(lines[i].rfind(std::string(names[i]) + ": called from a thread other", 0), 0u)
            << lines[i];
        EXPECT_EQ(lines[i].back(), '\n');
    }
    // Nothing was added, and the toolkit was not reached: the text went nowhere.
    EXPECT_EQ(CuiFunctionRegistryGetVoidStar("threadTest"), nullptr);
    EXPECT_TRUE(qtMessages.empty()) << qtMessages.front();
}

TEST_F(ExportThreadTest, LibraryThreadKeepsWorkingAroundRefusedCalls)
{
    int data = 0;
    EXPECT_EQ(CuiFunctionRegistryAddVoidStar("threadTest", &data), 1);
    void *found = &data;
    onOtherThread([&] { found = CuiFunctionRegistryGetVoidStar("threadTest"); });
    EXPECT_EQ(found, nullptr);
    EXPECT_EQ(CuiFunctionRegistryGetVoidStar("threadTest"), &data);
    CuiDebug("on the library's thread");
    EXPECT_EQ(lines.size(), 1u);
    ASSERT_EQ(qtMessages.size(), 1u);
    EXPECT_NE(qtMessages.front().find("on the library's thread"), std::string::npos);
}

} // namespace

namespace {

// What guardthread_child answered its calls in that mode (a process of its own, since the
// library's thread is chosen once per process).
std::string guardChild(const char *mode)
{
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/guardthread_child"),
                {QString::fromLatin1(mode)});
    EXPECT_TRUE(child.waitForFinished(30000)) << mode;
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << mode;
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    return child.readAllStandardOutput().trimmed().toStdString();
}

// A host that made its own application owns the library on that application's thread, even
// when a worker of it calls first.
TEST(ExportThreadOwner, AHostsOwnApplicationThreadOwnsTheLibraryWhoeverCallsFirst)
{
    EXPECT_EQ(guardChild("application"), "refused accepted refused");
}

// The broker loading the plug-in on a thread of its own claims nothing: the host's first call
// does.
TEST(ExportThreadOwner, TheHostsFirstCallClaimsTheLibraryNotThePluginLoad)
{
    EXPECT_EQ(guardChild("broker"), "accepted accepted refused");
}

} // namespace
