// The hostile sweep (sweep_child.cpp) in each of the five library states, from a second thread
// in two of them, and its three re-entering modes, each in a process of its own, and the tables'
// coverage of the export list and of the headers.
#include "testhost.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>
#include <string>

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

QString headerDir()
{
    return QFileInfo(QStringLiteral(__FILE__)).absolutePath() +
           QStringLiteral("/../../include/tesk");
}

// Every public header's text, one string.
QString headers()
{
    QString text;
    const QDir dir(headerDir());
    for (const QString &name : dir.entryList({QStringLiteral("*.h")}, QDir::Files)) {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::ReadOnly))
            text += QString::fromUtf8(file.readAll()) + QLatin1Char('\n');
    }
    return text;
}

QSet<QString> matches(const QString &text, const QString &pattern, int group = 1)
{
    QSet<QString> names;
    QRegularExpressionMatchIterator it = QRegularExpression(pattern).globalMatch(text);
    while (it.hasNext())
        names.insert(it.next().captured(group));
    return names;
}

// One mode's lines ("texts", "loops", "callbacks", "components"): each line's first word, and
// (second) its second.
QSet<QString> modeLines(const QString &mode, QMap<QString, QString> *second = nullptr)
{
    int exitCode = 0;
    QSet<QString> names;
    for (const QString &line : runChild(QStringLiteral("--list-modes"), &exitCode, 60000)
                                   .split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.section(QLatin1Char(' '), 0, 0) != mode)
            continue;
        const QString name = line.section(QLatin1Char(' '), 1, 1).trimmed();
        names.insert(name);
        if (second)
            second->insert(name, line.section(QLatin1Char(' '), 2, 2).trimmed());
    }
    EXPECT_EQ(exitCode, 0);
    return names;
}

TEST(HostileTable, EveryListedExportHasAnEntryAndNothingElse)
{
    const QString list = headerDir() + QStringLiteral("/exports.list");
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

// The exports that answer a pointer, or a text through a text pointer they are given: each
// has a texts line.
TEST(HostileTable, EveryPointerAnsweringExportHasATextsLine)
{
    QSet<QString> exports;
    const QRegularExpression textOut(QStringLiteral("\\bchar\\s*\\*\\s*(?:const\\s*)?\\*"));
    QRegularExpressionMatchIterator it =
        QRegularExpression(
            QStringLiteral("TESK_EXPORT(?:_CXX)?\\s+([^;{()]*?)\\b(\\w+)\\s*\\(([^;{)]*)\\)"))
            .globalMatch(headers());
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (match.captured(1).contains(QLatin1Char('*')) ||
            textOut.match(match.captured(3)).hasMatch())
            exports.insert(match.captured(2));
    }
    ASSERT_TRUE(exports.contains(QStringLiteral("CuiSimpleFileExtraMultipleEx")))
        << "text pointer parameters were not read";
    ASSERT_GE(exports.size(), 10) << "the headers were not read";
    const QSet<QString> lines = modeLines(QStringLiteral("texts"));
    for (const QString &name : exports)
        EXPECT_TRUE(lines.contains(name))
            << qPrintable(name) << " answers a pointer and has no texts line in reentertable.h";
}

// The host functions the library calls, as their types are declared (and the types named
// after those): each has a callbacks line, a driver or the reason it is never re-entered.
TEST(HostileTable, EveryCallbackTypeHasACallbacksLine)
{
    const QString text = headers();
    QSet<QString> types =
        matches(text, QStringLiteral("typedef\\s+[^;{}]*?\\(\\s*\\*\\s*(\\w+)\\s*\\)\\s*\\("));
    QRegularExpressionMatchIterator it =
        QRegularExpression(QStringLiteral("typedef\\s+(\\w+)\\s+(\\w+)\\s*;")).globalMatch(text);
    while (it.hasNext()) {
        const QRegularExpressionMatch match = it.next();
        if (types.contains(match.captured(1)))
            types.insert(match.captured(2));
    }
    // tesk_functions.h's PFN_ types point to the library's own exports, not to the host.
    for (auto name = types.begin(); name != types.end();)
        name = name->startsWith(QLatin1String("PFN_")) ? types.erase(name) : std::next(name);
    ASSERT_GE(types.size(), 10) << "the headers were not read";
    const QSet<QString> lines = modeLines(QStringLiteral("callbacks"));
    for (const QString &name : types)
        EXPECT_TRUE(lines.contains(name))
            << qPrintable(name)
            << " is a host callback and has no callbacks line in reentertable.h";
}

// The components the host registers and the library calls (ids "gb_..." in the headers): each
// is listed with an interface the headers declare, and each such interface has a callbacks
// line.
TEST(HostileTable, EveryHostComponentHasACallbacksLine)
{
    const QString text = headers();
    const QSet<QString> ids = matches(text, QStringLiteral("#define\\s+\\w+\\s+\"(gb_[\\w.]+)\""));
    ASSERT_GE(ids.size(), 3) << "the headers were not read";
    QMap<QString, QString> interfaces;
    const QSet<QString> listed = modeLines(QStringLiteral("components"), &interfaces);
    const QSet<QString> lines = modeLines(QStringLiteral("callbacks"));
    for (const QString &id : ids)
        EXPECT_TRUE(listed.contains(id))
            << qPrintable(id) << " is a host component missing in hostComponents()";
    for (const QString &id : listed) {
        const QString face = interfaces.value(id);
        EXPECT_TRUE(ids.contains(id)) << qPrintable(id) << " is no host component of the headers";
        EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("typedef\\s+struct\\s+") +
                                                     face + QStringLiteral("\\b"))))
            << qPrintable(face) << " (of " << qPrintable(id) << ") is not declared";
        EXPECT_TRUE(lines.contains(face))
            << qPrintable(face) << " is called by the library and has no callbacks line";
    }
}

// Every operation of every interface the library serves through the broker (those it registers
// and the panes and views they hand out) has a line in the component table.
TEST(HostileTable, EveryServedOperationHasAComponentLine)
{
    const QString text = headers();
    int exitCode = 0;
    const QSet<QString> table =
        namesIn(runChild(QStringLiteral("--list-components"), &exitCode, 60000));
    ASSERT_EQ(exitCode, 0);
    const QString windowOps =
        QRegularExpression(QStringLiteral("#define GC_WINDOW_OPERATIONS((?:[^\\n]*\\\\\\n)*)"))
            .match(text)
            .captured(1);
    ASSERT_FALSE(windowOps.isEmpty()) << "GC_WINDOW_OPERATIONS was not read";
    for (const char *face : {"IGcp_ViewsManager", "IGc_Pane", "IGc_View", "ITesk_Facade",
                             "IGcds_Dialog", "IGcds_DataAdaptor"}) {
        const QString name = QString::fromLatin1(face);
        QString body = QRegularExpression(QStringLiteral("typedef\\s+struct\\s+") + name +
                                          QStringLiteral("Ops\\s*\\{([^}]*)\\}"))
                           .match(text)
                           .captured(1);
        ASSERT_FALSE(body.isEmpty()) << face << "Ops was not read";
        if (body.contains(QStringLiteral("GC_WINDOW_OPERATIONS")))
            body += windowOps;
        const QSet<QString> operations = matches(body, QStringLiteral("\\(\\*(\\w+)\\)"));
        EXPECT_GE(operations.size(), 1) << face;
        for (const QString &operation : operations)
            EXPECT_TRUE(table.contains(name + QLatin1Char('.') + operation))
                << face << "." << qPrintable(operation) << " has no component line";
        EXPECT_TRUE(table.contains(name + QStringLiteral(".base"))) << face;
    }
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

// Every export called from a second thread, with the library started and with a window up.
INSTANTIATE_TEST_SUITE_P(OtherThread, HostileSweep,
                         ::testing::Values("thread-started", "thread-window"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param + std::strlen("thread-"));
                         });

// Every operation of the interfaces the library serves, on interfaces a host kept, in each state
// of the library: before the first start, during one, between starts and after a clear.
class HostileComponents : public ::testing::TestWithParam<const char *>
{
};

TEST_P(HostileComponents, EveryOperationHolds)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::MergedChannels);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QStringLiteral("1"));
    child.setProcessEnvironment(env);
    child.start(childPath(), {QStringLiteral("components"), QString::fromLatin1(GetParam())});
    ASSERT_TRUE(child.waitForStarted(10000));
    EXPECT_TRUE(child.waitForFinished(300000)) << "components " << GetParam() << " hung";
    const QString output = QString::fromUtf8(child.readAllStandardOutput()).right(6000);
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << qPrintable(output);
    EXPECT_EQ(child.exitCode(), 0) << qPrintable(output);
    EXPECT_TRUE(output.contains(QStringLiteral("sweep: done"))) << qPrintable(output);
}

INSTANTIATE_TEST_SUITE_P(States, HostileComponents,
                         ::testing::Values("before", "started", "window", "afterrun", "restarted",
                                           "cleared"));
// Every operation from a second thread, on interfaces kept in a start with a window.
INSTANTIATE_TEST_SUITE_P(OtherThread, HostileComponents, ::testing::Values("thread-window"));

// The re-entering modes; each takes a minute or two on a loaded machine.
class HostileReenter : public ::testing::TestWithParam<const char *>
{
};

TEST_P(HostileReenter, EveryLineHolds)
{
    int exitCode = 0;
    const QString output = runChild(QString::fromLatin1(GetParam()), &exitCode, 600000);
    const QString tail = output.right(6000);
    EXPECT_EQ(exitCode, 0) << qPrintable(tail);
    EXPECT_TRUE(output.contains(QStringLiteral("sweep: done"))) << qPrintable(tail);
}

INSTANTIATE_TEST_SUITE_P(Modes, HostileReenter,
                         ::testing::Values("reenter-texts", "reenter-loops", "reenter-callbacks"),
                         [](const ::testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param + std::strlen("reenter-"));
                         });

} // namespace
