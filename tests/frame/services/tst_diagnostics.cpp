// The developer's aids: the click logger and the object-tree dump.
#include "nonregularfiles.h"
#include "testhost.h"

#include "frame/services/diagnostics.h"

#include <QComboBox>
#include <QFile>
#include <QMouseEvent>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readAll(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QMouseEvent press(Qt::KeyboardModifiers modifiers)
{
    return QMouseEvent(QEvent::MouseButtonPress, QPointF(1, 1), QPointF(1, 1), Qt::LeftButton,
                       Qt::LeftButton, modifiers);
}

TEST(BlackHole, LogsShiftControlClicksOnlyAndConsumesNothing)
{
    testhost::startLibrary();
    QTemporaryDir dir;
    const QByteArray saved = qgetenv("TMP");
    qputenv("TMP", dir.path().toUtf8());
    {
        BlackHole hole;
        QComboBox combo;
        combo.setObjectName(QStringLiteral("chooser"));
        QMouseEvent plain = press(Qt::ShiftModifier);
        QMouseEvent both = press(Qt::ShiftModifier | Qt::ControlModifier);
        EXPECT_FALSE(hole.eventFilter(&combo, &plain));
        EXPECT_FALSE(hole.eventFilter(&combo, &both));
        EXPECT_EQ(readAll(dir.filePath(QStringLiteral("events.txt"))),
                  QByteArray("Event stream\n============\nWidget name : chooser\n"
                             "Widget class: QComboBox\nSuper class : QWidget\n\n"));
    }
    qunsetenv("TMP");
    {
        BlackHole quiet;
        QObject object;
        QMouseEvent both = press(Qt::ShiftModifier | Qt::ControlModifier);
        EXPECT_FALSE(quiet.isLogging());
        EXPECT_FALSE(quiet.eventFilter(&object, &both));
    }
    qputenv("TMP", saved);
}

TEST(ObjectTreeDump, IndentsByDepthAndAppendsOnRequest)
{
    QObject root;
    auto *first = new QObject(&root);
    first->setObjectName(QStringLiteral("first"));
    auto *inner = new QObject(first);
    inner->setObjectName(QStringLiteral("inner"));
    auto *second = new QObject(&root);
    second->setObjectName(QStringLiteral("second"));
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tree.txt"));
    ASSERT_TRUE(tesk::frame::dumpObjectTree(&root, file, 0));
    EXPECT_EQ(readAll(file), QByteArray("first - QObject\n inner - QObject\nsecond - QObject\n"));
    // Appending keeps what the file held.
    ASSERT_TRUE(tesk::frame::dumpObjectTree(first, file, 1));
    EXPECT_TRUE(readAll(file).endsWith("second - QObject\ninner - QObject\n"));
    EXPECT_THROW(tesk::frame::dumpObjectTree(&root, dir.filePath(QStringLiteral("no/dir/x")), 0),
                 FileOpenError);
}

TEST(ObjectTreeDump, GoesToRegularFilesOnlyAndThroughLinks)
{
    const testfiles::NonRegularFiles names;
    QObject root;
    (new QObject(&root))->setObjectName(QStringLiteral("child"));
    for (const QString &name : names.refused()) {
        EXPECT_THROW(tesk::frame::dumpObjectTree(&root, name, 0), FileOpenError)
            << qPrintable(name);
    }
    ASSERT_TRUE(tesk::frame::dumpObjectTree(&root, names.link(), 1));
    EXPECT_EQ(names.targetBytes(), QByteArray("before\nchild - QObject\n"));
    EXPECT_TRUE(names.linkKept());
}

// The click log has a fixed name in the folder TMP names: what stands there under that name
// must be a regular file, or a link to one.
TEST(BlackHole, LogsToARegularFileOnly)
{
    testhost::startLibrary();
    const QByteArray saved = qgetenv("TMP");
    const testfiles::NonRegularFiles names;
    for (const QString &name : names.refused()) {
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("events.txt"));
        ASSERT_TRUE(QFile::link(name, log));
        qputenv("TMP", dir.path().toUtf8());
        EXPECT_THROW(BlackHole hole, std::runtime_error) << qPrintable(name);
    }
    QTemporaryDir dir;
    ASSERT_TRUE(QFile::link(names.linkTarget(), dir.filePath(QStringLiteral("events.txt"))));
    qputenv("TMP", dir.path().toUtf8());
    {
        BlackHole hole;
        EXPECT_TRUE(hole.isLogging());
    }
    EXPECT_TRUE(names.targetBytes().startsWith("before\nEvent stream\n"));
    qputenv("TMP", saved);
}

} // namespace
