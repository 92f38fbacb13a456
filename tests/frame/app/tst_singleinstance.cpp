// Another start-up under the same home area is found and asked about; run as a second process
// because one process holds one application.
#include "asplainuser.h"
#include "testhost.h"

#include "frame/app/cuiapp.h"
#include "system/singleinstance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sys/stat.h>
#include <vector>

namespace {

struct ChildRun
{
    int exitCode = -1;
    QString output;
    bool has(const QString &line) const { return output.contains(line); }
};

using Variables = std::map<QString, QString>;

// The child's output and debug output (stderr) together.
ChildRun runSecondInstance(const QString &home, const char *answer, bool allowMultiple = false,
                           const QString &commandLine = QString(),
                           const Variables &variables = Variables())
{
    QProcess child;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KSODEBUG_HOME"), home);
    env.remove(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"));
    if (allowMultiple)
        env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QString());
    for (const auto &[name, value] : variables)
        env.insert(name, value);
    child.setProcessEnvironment(env);
    child.setProcessChannelMode(QProcess::MergedChannels);
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/instance_child"),
                {QString::fromLatin1(answer), commandLine});
    ChildRun run;
    // The first instance answers its greeting from the event loop, so keep pumping.
    testhost::pumpUntil([&] { return child.state() == QProcess::NotRunning; }, 30000);
    run.exitCode = child.exitCode();
    run.output = QString::fromLocal8Bit(child.readAllStandardOutput());
    return run;
}

} // namespace

TEST(SecondInstance, DeclinedStartReturnsZeroAndLeavesNoApplication)
{
    const ChildRun run = runSecondInstance(testhost::homeDir(), "no");
    ASSERT_EQ(run.exitCode, 0) << run.output.toStdString();
    EXPECT_TRUE(run.has("result=0"));
    EXPECT_TRUE(run.has("questions=1"));
    EXPECT_TRUE(run.has("caption=Kestrova Debugger"));
    EXPECT_TRUE(run.has("Another copy of Kestrova Debugger is already running"));
    EXPECT_TRUE(run.has(QStringLiteral("<nobr><b>%1</b></nobr>").arg(testhost::homeDir())));
    EXPECT_TRUE(run.has("application=no"));
}

TEST(SecondInstance, HomesDifferingInCaseCollide)
{
    const ChildRun run = runSecondInstance(testhost::homeDir().toUpper(), "no");
    EXPECT_TRUE(run.has("result=0")) << run.output.toStdString();
}

TEST(SecondInstance, AcceptedStartRuns)
{
    const ChildRun run = runSecondInstance(testhost::homeDir(), "yes");
    EXPECT_TRUE(run.has("result=1")) << run.output.toStdString();
    EXPECT_TRUE(run.has("questions=1"));
    EXPECT_TRUE(run.has("application=yes"));
    // This instance is still the one others find.
    EXPECT_TRUE(runSecondInstance(testhost::homeDir(), "no").has("result=0"));
}

TEST(SecondInstance, NoQuestionForAnotherHomeOrWhenMultipleAreAllowed)
{
    const ChildRun other = runSecondInstance(testhost::homeDir() + QStringLiteral("-other"), "no");
    EXPECT_TRUE(other.has("result=1")) << other.output.toStdString();
    EXPECT_TRUE(other.has("questions=0"));

    const ChildRun allowed = runSecondInstance(testhost::homeDir(), "no", true);
    EXPECT_TRUE(allowed.has("result=1")) << allowed.output.toStdString();
    EXPECT_TRUE(allowed.has("questions=0"));
}

TEST(SecondInstance, AnUnknownPlatformIsRefusedNotFatal)
{
    const ChildRun run = runSecondInstance(testhost::homeDir(), "yes", true,
                                           QStringLiteral("-platform nosuchplatform"));
    EXPECT_EQ(run.exitCode, 0) << qPrintable(run.output);
    EXPECT_TRUE(run.has(QStringLiteral("result=0"))) << qPrintable(run.output);
    EXPECT_TRUE(run.has(QStringLiteral("application=no")));
}

TEST(SecondInstance, TheQuestionWearsThePlainLookWhenAskedFor)
{
    const ChildRun run = runSecondInstance(testhost::homeDir(), "no", false, QString(),
                                           {{QStringLiteral("KSODEBUG_ENABLE_ZEBSTYLE"), "1"}});
    EXPECT_TRUE(run.has("questions=1")) << qPrintable(run.output);
    EXPECT_TRUE(run.has("questionstyle=windows")) << qPrintable(run.output);
}

TEST(SecondInstance, OfSeveralStartedAtOnceOneGoesUnaskedAndTheOthersAreAsked)
{
    // A home area nobody uses yet, and a file whose appearance starts them all.
    const QString home = testhost::homeDir() + QStringLiteral("-together");
    const QString go = testhost::homeDir() + QStringLiteral("/instances-go");
    QFile::remove(go);
    constexpr int kInstances = 4;
    std::vector<std::unique_ptr<QProcess>> children;
    for (int i = 0; i < kInstances; ++i) {
        auto child = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KSODEBUG_HOME"), home);
        env.remove(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"));
        child->setProcessEnvironment(env);
        child->start(QCoreApplication::applicationDirPath() + QStringLiteral("/instance_child"),
                     {QStringLiteral("yes"), QString(), go});
        children.push_back(std::move(child));
    }
    std::vector<QByteArray> outputs(kInstances);
    const auto allSaid = [&](const char *word) {
        bool all = true;
        for (int i = 0; i < kInstances; ++i) {
            outputs[i] += children[i]->readAllStandardOutput();
            all = all && outputs[i].contains(word);
        }
        return all;
    };
    ASSERT_TRUE(testhost::pumpUntil([&] { return allSaid("waiting"); }, 60000));
    QFile(go).open(QIODevice::WriteOnly);
    const bool started = testhost::pumpUntil([&] { return allSaid("questionstyle="); }, 60000);
    for (auto &child : children) {
        child->closeWriteChannel();
        child->waitForFinished(30000);
    }
    QFile::remove(go);
    ASSERT_TRUE(started);

    int unasked = 0;
    for (const QByteArray &output : outputs) {
        EXPECT_TRUE(output.contains("result=1")) << output.toStdString();
        unasked += output.contains("questions=0") ? 1 : 0;
    }
    EXPECT_EQ(unasked, 1);
}

// A start that ends within its load keeps its claim: a copy started meanwhile is asked, and the
// load's next start is not, though that copy runs (or still waits on its question).
TEST(SecondInstance, ARestartWithinTheLoadKeepsItsClaim)
{
    const QString home = testhost::homeDir() + QStringLiteral("-restart");
    const QString go = testhost::homeDir() + QStringLiteral("/restart-go");
    const QString again = testhost::homeDir() + QStringLiteral("/restart-again");
    QFile(go).open(QIODevice::WriteOnly);
    QFile::remove(again);
    QProcess first;
    QProcess second;
    QByteArray firstOutput;
    QByteArray secondOutput;
    const auto start = [&](QProcess &child, const QStringList &arguments) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KSODEBUG_HOME"), home);
        env.remove(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"));
        child.setProcessEnvironment(env);
        child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/instance_child"),
                    arguments);
    };
    const auto said = [](QProcess &child, QByteArray &output, const char *word) {
        output += child.readAllStandardOutput();
        return output.contains(word);
    };
    start(first, {QStringLiteral("no"), QString(), go, again});
    const bool between =
        testhost::pumpUntil([&] { return said(first, firstOutput, "between"); }, 60000);
    start(second, {QStringLiteral("yes"), QString(), go});
    const bool secondStarted =
        between &&
        testhost::pumpUntil([&] { return said(second, secondOutput, "questionstyle="); }, 60000);
    QFile(again).open(QIODevice::WriteOnly);
    const bool restarted =
        secondStarted &&
        testhost::pumpUntil([&] { return said(first, firstOutput, "restartquestions="); }, 60000);
    for (QProcess *child : {&first, &second}) {
        child->closeWriteChannel();
        child->waitForFinished(30000);
    }
    QFile::remove(go);
    QFile::remove(again);
    ASSERT_TRUE(restarted) << firstOutput.toStdString() << secondOutput.toStdString();
    EXPECT_TRUE(firstOutput.contains("questions=0")) << firstOutput.toStdString();
    EXPECT_TRUE(secondOutput.contains("questions=1")) << secondOutput.toStdString();
    EXPECT_TRUE(firstOutput.contains("restart=1")) << firstOutput.toStdString();
    EXPECT_TRUE(firstOutput.contains("restartquestions=0")) << firstOutput.toStdString();
}

// A claim lock nobody can take is no other copy: where no other copy runs, the program starts
// unasked and the debug output says why the lock was of no use. Each start is a process of its
// own, with a runtime folder of its own that holds the odd lock file.
class OddClaimLock : public ::testing::Test
{
protected:
    void SetUp() override { ASSERT_TRUE(m_runtime.isValid()); }
    void TearDown() override { ::chmod(QFile::encodeName(m_runtime.path()).constData(), 0700); }

    QString claimFile() const
    {
        const QByteArray before = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(m_runtime.path()));
        const QByteArray homeBytes = QFile::encodeName(home());
        const QString name = tesk::system::SingleInstance::serverName(
            tesk::app::applicationId(homeBytes.constData()));
        qputenv("XDG_RUNTIME_DIR", before);
        return name + QStringLiteral(".claim");
    }
    QString home() const { return testhost::homeDir() + QStringLiteral("-odd-claim"); }
    ChildRun start()
    {
        return runSecondInstance(home(), "no", false, QString(),
                                 {{QStringLiteral("XDG_RUNTIME_DIR"), m_runtime.path()},
                                  {QString::fromLatin1(testfiles::kAsPlainUser), "1"}});
    }
    static void expectUnasked(const ChildRun &run)
    {
        EXPECT_TRUE(run.has("result=1")) << qPrintable(run.output);
        EXPECT_TRUE(run.has("questions=0")) << qPrintable(run.output);
    }

    QTemporaryDir m_runtime;
};

TEST_F(OddClaimLock, AFolderOrAPipeStartsUnaskedAndSaysWhy)
{
    ASSERT_TRUE(QDir().mkdir(claimFile()));
    ChildRun run = start();
    expectUnasked(run);
    EXPECT_TRUE(run.has("is a folder")) << qPrintable(run.output);

    ASSERT_TRUE(QDir().rmdir(claimFile()));
    ASSERT_EQ(::mkfifo(QFile::encodeName(claimFile()).constData(), 0600), 0);
    run = start();
    expectUnasked(run);
    EXPECT_TRUE(run.has("is no regular file")) << qPrintable(run.output);
}

TEST_F(OddClaimLock, AReadOnlyLockFileStillServesAndAReadOnlyFolderStartsUnasked)
{
    QFile file(claimFile());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    ChildRun run = start();
    expectUnasked(run);
    EXPECT_FALSE(run.has("claim lock")) << qPrintable(run.output);

    ASSERT_TRUE(file.remove());
    ASSERT_EQ(::chmod(QFile::encodeName(m_runtime.path()).constData(), 0500), 0);
    run = start();
    expectUnasked(run);
    EXPECT_TRUE(run.has("claim lock")) << qPrintable(run.output);
}
