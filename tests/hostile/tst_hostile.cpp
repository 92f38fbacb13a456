// The hostile sweep (sweep_child.cpp) in each of the five library states, each in a process of
// its own, and the table's coverage of the export list.
#include "testhost.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString childPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/sweep_child");
}

// Runs the child to its end; its standard output.
QString runChild(const QString &argument, int *exitCode, int timeoutMs)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    // The child shares this process's home area, whose instance is running.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(childPath(), {argument});
    EXPECT_TRUE(child.waitForStarted(10000)) << qPrintable(childPath());
    EXPECT_TRUE(child.waitForFinished(timeoutMs)) << "sweep " << qPrintable(argument) << " hung";
    *exitCode = child.exitStatus() == QProcess::NormalExit ? child.exitCode() : -1;
    return QString::fromUtf8(child.readAllStandardOutput());
}

QSet<QString> namesIn(const QString &text)
{
    QSet<QString> names;
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        names.insert(line.trimmed().section(QLatin1Char(' '), 0, 0));
    return names;
}

TEST(HostileTable, EveryListedExportHasAnEntryAndNothingElse)
{
    const QString list = QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
                         QStringLiteral("/../../include/tesk/exports.list");
    QFile file(list);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(list);
    const QSet<QString> listed = namesIn(QString::fromUtf8(file.readAll()));
    int exitCode = 0;
    const QSet<QString> table = namesIn(runChild(QStringLiteral("--list"), &exitCode, 60000));
    ASSERT_EQ(exitCode, 0);
    for (const QString &name : listed)
        EXPECT_TRUE(table.contains(name))
            << qPrintable(name) << " has no line in tests/hostile/exporttable.h";
    for (const QString &name : table)
        EXPECT_TRUE(listed.contains(name)) << qPrintable(name) << " is not an export";
}

class HostileSweep : public ::testing::TestWithParam<const char *>
{
};

TEST_P(HostileSweep, EveryExportHolds)
{
    int exitCode = 0;
    // Within the test's own time limit: three states sweeping side by side on a loaded machine
    // take minutes each.
    const QString output = runChild(QString::fromLatin1(GetParam()), &exitCode, 840000);
    // The child's output holds the megabyte texts the library logged: only its end is shown.
    const QString tail = output.right(6000);
    EXPECT_EQ(exitCode, 0) << qPrintable(tail);
    EXPECT_TRUE(output.contains(QStringLiteral("sweep: done"))) << qPrintable(tail);
}

INSTANTIATE_TEST_SUITE_P(States, HostileSweep,
                         ::testing::Values("before", "started", "window", "afterrun", "restarted"));

} // namespace
