// The developer's aids: the click logger and the object-tree dump.
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

} // namespace
