// The object tree: links, leaf counts and child order, connections, property texts, the
// record and the dump.
#include "printers.h"
#include "testhost.h"

#include "objectinspector/objecttree.h"

#include <QApplication>
#include <QDataStream>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTextStream>

#include <gtest/gtest.h>

#include <memory>

namespace {

using tesk::inspector::kNoObject;
using tesk::inspector::ObjectId;

void add(ObjectTree &tree, ObjectId id, ObjectId parent, const QString &name = QString(),
         const QStringList &slotNames = {}, const QStringList &signalNames = {})
{
    auto node = std::make_unique<ObjectNode>(id, name, QStringLiteral("QObject"));
    node->setParentId(parent);
    for (const QString &slot : slotNames)
        node->addSlot(slot);
    for (const QString &signal : signalNames)
        node->addSignal(signal);
    tree.insert(std::move(node));
}

QList<ObjectId> childIds(const ObjectTree &tree, ObjectId id)
{
    QList<ObjectId> ids;
    for (ObjectNode *c = tree.firstChild(tree.node(id)); c; c = tree.nextSibling(c))
        ids.append(c->id());
    return ids;
}

QByteArray record(const Streamable &streamable)
{
    QByteArray buffer;
    QDataStream stream(&buffer, QIODevice::WriteOnly);
    tesk::inspector::prepareStream(stream);
    streamable.write(stream);
    return buffer;
}

void readRecord(ObjectTree &tree, const QByteArray &buffer)
{
    QDataStream stream(buffer);
    tesk::inspector::prepareStream(stream);
    tree.read(stream);
}

QString dumped(const Dumpable &dumpable)
{
    QString text;
    QTextStream stream(&text);
    dumpable.dump(stream);
    stream.flush();
    return text;
}

const ObjectNode *findNode(const ObjectTree &tree, const QString &name)
{
    for (ObjectNode *n = tree.node(0); n;) {
        // Depth-first through the links, as a reader of the record would walk it.
        if (n->name() == name)
            return n;
        if (ObjectNode *c = tree.firstChild(n)) {
            n = c;
            continue;
        }
        while (n && !tree.nextSibling(n))
            n = tree.parent(n);
        n = n ? tree.nextSibling(n) : nullptr;
    }
    return nullptr;
}

QString propertyValue(const ObjectNode *node, const char *name)
{
    for (const Property &property : node->properties()) {
        if (property.name() == QLatin1String(name))
            return property.value();
    }
    return QStringLiteral("<missing>");
}

} // namespace

TEST(ObjectTreeLinks, ChildrenGoByDescendingLeafCountThenAscendingId)
{
    ObjectTree tree;
    add(tree, 0, kNoObject, QStringLiteral("app"));
    for (ObjectId leaf : {1u, 3u, 4u})
        add(tree, leaf, 0);
    add(tree, 2, 0);
    for (ObjectId grandchild : {7u, 5u, 6u})
        add(tree, grandchild, 2);
    add(tree, 8, 1); // a single child: 1 keeps a leaf count of 1
    QSignalSpy changed(&tree, &ObjectTree::contentsChanged);
    tree.link();

    EXPECT_EQ(childIds(tree, 0), (QList<ObjectId>{2, 1, 3, 4}));
    EXPECT_EQ(childIds(tree, 2), (QList<ObjectId>{5, 6, 7}));
    EXPECT_EQ(tree.node(0)->numLeafNodes(), 6);
    EXPECT_EQ(tree.node(2)->numLeafNodes(), 3);
    EXPECT_EQ(tree.node(1)->numLeafNodes(), 1);
    EXPECT_EQ(tree.node(8)->numLeafNodes(), 1);

    const ObjectNode *four = tree.node(4);
    EXPECT_EQ(tree.prevSibling(four)->id(), 3u);
    EXPECT_TRUE(four->isLastSibling());
    EXPECT_TRUE(tree.node(2)->isFirstSibling());
    EXPECT_EQ(tree.siblingIndex(four), 3);
    EXPECT_EQ(tree.childCount(tree.node(0)), 4);
    EXPECT_EQ(tree.lastChild(tree.node(0)), four);
    EXPECT_EQ(tree.child(tree.node(0), 1)->id(), 1u);
    EXPECT_EQ(tree.child(tree.node(0), 4), nullptr);
    EXPECT_TRUE(tree.node(0)->isRoot());
    ASSERT_EQ(changed.size(), 1);
    EXPECT_TRUE(changed[0][0].toBool());
}

TEST(ObjectTreeLinks, IncomingConnectionsAreFiledBySlotOrSignal)
{
    ObjectTree tree;
    add(tree, 0, kNoObject);
    add(tree, 1, 0, QStringLiteral("sender"), {}, {QStringLiteral("sig()")});
    add(tree, 2, 0, QStringLiteral("receiver"), {QStringLiteral("take()")},
        {QStringLiteral("relay()")});
    ObjectNode *sender = tree.node(1);
    sender->addOutgoingConnection(
        Connection(1, QStringLiteral("sig()"), 2, QStringLiteral("take()")));
    sender->addOutgoingConnection(
        Connection(1, QStringLiteral("sig()"), 2, QStringLiteral("relay()")));
    sender->addOutgoingConnection(
        Connection(1, QStringLiteral("sig()"), 9, QStringLiteral("gone()")));

    testhost::DebugCapture capture;
    tree.link();
    EXPECT_TRUE(
        capture.contains("ASSERT: \"receiver != 0\" in file objectinspector/objecttree.cpp"));

    const ObjectNode *receiver = tree.node(2);
    ASSERT_EQ(receiver->slotConnections().size(), 1);
    EXPECT_EQ(receiver->slotConnections()[0].receiverMember(), QStringLiteral("take()"));
    ASSERT_EQ(receiver->signalConnections().size(), 1);
    EXPECT_EQ(receiver->signalConnections()[0].receiverMember(), QStringLiteral("relay()"));
    EXPECT_EQ(sender->outgoingConnections().size(), 3);
    EXPECT_EQ(sender->outgoingConnections(2).size(), 2);
    EXPECT_EQ(receiver->slotConnections(7).size(), 0);
    EXPECT_TRUE(sender->hasConnectionTo(2));
    EXPECT_TRUE(receiver->hasConnectionFrom(1));
    EXPECT_FALSE(sender->hasConnectionFrom(2));
    EXPECT_EQ(receiver->connectedIds(), (QSet<ObjectId>{1}));
    EXPECT_EQ(sender->connectedIds(), (QSet<ObjectId>{2, 9}));
}

TEST(ObjectTreeRecord, RoundTripKeepsLinksAsReceived)
{
    ObjectTree tree;
    add(tree, 0, kNoObject, QStringLiteral("app"));
    add(tree, 1, 0, QStringLiteral("a"), {QStringLiteral("s()")});
    add(tree, 2, 0, QStringLiteral("b"));
    add(tree, 3, 2, QStringLiteral("c"));
    add(tree, 4, 2, QStringLiteral("d"));
    tree.node(3)->addOutgoingConnection(
        Connection(3, QStringLiteral("x()"), 1, QStringLiteral("s()")));
    tree.link();

    ObjectTree back;
    readRecord(back, record(tree));
    ASSERT_EQ(back.nodeCount(), 5);
    for (ObjectId id = 0; id < 5; ++id) {
        const ObjectNode *sent = tree.node(id);
        const ObjectNode *got = back.node(id);
        ASSERT_NE(got, nullptr);
        EXPECT_EQ(record(*got), record(*sent));
    }
    EXPECT_EQ(childIds(back, 0), (QList<ObjectId>{2, 1}));
    EXPECT_EQ(back.node(1)->slotConnections().size(), 1);
    EXPECT_EQ(dumped(back), dumped(tree));
}

TEST(ObjectTreeRecord, EmptyRecordsAndRepeatedKeys)
{
    ObjectTree tree;
    add(tree, 0, kNoObject);
    QSignalSpy cleared(&tree, &ObjectTree::aboutToClear);
    QSignalSpy changed(&tree, &ObjectTree::contentsChanged);

    // Path null, process id 7, no nodes.
    readRecord(tree, QByteArray::fromHex("ffffffff 00000007 00000000"));
    EXPECT_TRUE(tree.isEmpty());
    EXPECT_EQ(tree.processId(), 7);
    EXPECT_EQ(cleared.size(), 1);
    ASSERT_EQ(changed.size(), 2); // false from clearing, false from reading
    EXPECT_FALSE(changed[1][0].toBool());
    EXPECT_EQ(dumped(tree), QStringLiteral("ObjectTree(\n<empty>)"));

    // Two nodes under key 5: the later one stays (and the earlier one is freed).
    const ObjectNode first(5, QStringLiteral("first"), QStringLiteral("QObject"));
    const ObjectNode second(5, QStringLiteral("second"), QStringLiteral("QObject"));
    const QByteArray key = QByteArray::fromHex("00000005");
    readRecord(tree, QByteArray::fromHex("ffffffff 00000000 00000002") + key + record(first) + key +
                         record(second));
    ASSERT_EQ(tree.nodeCount(), 1);
    EXPECT_EQ(tree.node(5)->name(), QStringLiteral("second"));
}

TEST(ObjectTreeRecord, HostileCountsStopTheRead)
{
    ObjectTree tree;
    // Two billion nodes announced; the first one's slot list announces as many strings.
    readRecord(tree, QByteArray::fromHex("ffffffff 00000001 7fffffff 00000001 00000001 ffffffff "
                                         "ffffffff 00000000 ffffffff ffffffff ffffffff 7fffffff"));
    EXPECT_TRUE(tree.isEmpty());
}

TEST(ObjectTreeRecord, LoopingLinksCannotHangTheReader)
{
    ObjectTree sent;
    add(sent, 0, kNoObject);
    add(sent, 1, 0);
    add(sent, 2, 0);
    sent.link();
    QByteArray wire = record(sent);
    // Node 2's next sibling pointed back at node 1: 1 -> 2 -> 1 -> ...
    const QByteArray two = record(*sent.node(2));
    const qsizetype at = wire.lastIndexOf(two);
    ASSERT_GE(at, 0);
    // id, null name, "QObject", parent id, first child id, then the next sibling id.
    const qsizetype nextSibling = 4 + 4 + (4 + 2 * 7) + 4 + 4;
    wire.replace(at + nextSibling, 4, QByteArray::fromHex("00000001"));

    ObjectTree tree;
    readRecord(tree, wire);
    ASSERT_EQ(tree.node(2)->nextSiblingId(), 1u);
    EXPECT_LE(tree.childCount(tree.node(0)), tree.nodeCount());
    EXPECT_TRUE(dumped(tree).endsWith(QLatin1Char(')')));
}

TEST(ObjectTreeDump, AReceivedTreeAsDeepAsItIsLongIsDumped)
{
    // A chain of 100,000 nodes, each the first child of the one before, as a peer could send
    // it: the links come with the record.
    constexpr ObjectId kDepth = 100000;
    QByteArray wire = QByteArray::fromHex("ffffffff 00000000");
    QDataStream header(&wire, QIODevice::WriteOnly | QIODevice::Append);
    header << quint32(kDepth);
    // id, null name, "QObject", parent id, then the first child id.
    const qsizetype firstChild = 4 + 4 + (4 + 2 * 7) + 4;
    for (ObjectId id = 0; id < kDepth; ++id) {
        ObjectNode n(id, QString(), QStringLiteral("QObject"));
        n.setParentId(id == 0 ? kNoObject : id - 1);
        QByteArray bytes = record(n);
        if (id + 1 < kDepth)
            bytes.replace(firstChild, 4, record(ObjectNode(id + 1, QString(), QString())).left(4));
        wire += record(ObjectNode(id, QString(), QString())).left(4) + bytes;
    }
    ObjectTree tree;
    readRecord(tree, wire);
    ASSERT_EQ(tree.nodeCount(), int(kDepth));
    const QString text = dumped(tree);
    EXPECT_TRUE(text.contains(QStringLiteral("id=0x%1 ").arg(kDepth - 1, 0, 16)));
    EXPECT_TRUE(text.endsWith(QLatin1Char(')')));
    // The indent stops growing: the text stays proportional to the tree.
    EXPECT_LT(text.size(), qsizetype(kDepth) * 200);
}

TEST(ObjectTreeDump, TextsOfNodesPropertiesConnectionsAndTrees)
{
    ObjectTree tree;
    add(tree, 0, kNoObject, QStringLiteral("app"));
    add(tree, 0x1f, 0, QStringLiteral("w"));
    add(tree, 0x20, 0x1f, QString());
    tree.link();
    EXPECT_EQ(dumped(tree),
              QStringLiteral("ObjectTree(\n"
                             "  * ObjectNode(id=0x0 name=\"app\" class_name=\"QObject\" "
                             "parent_id=0xffffffff)\n"
                             "    * ObjectNode(id=0x1f name=\"w\" class_name=\"QObject\" "
                             "parent_id=0x0)\n"
                             "      * ObjectNode(id=0x20 name=\"\" class_name=\"QObject\" "
                             "parent_id=0x1f)\n"
                             ")"));
    EXPECT_EQ(dumped(Property(QStringLiteral("x"), QStringLiteral("int"), QStringLiteral("3"))),
              QStringLiteral("Property(name=\"x\" type=\"int\" value=\"3\")"));
    EXPECT_EQ(dumped(Connection(0xab, QStringLiteral("a()"), 0x1, QStringLiteral("b()"))),
              QStringLiteral("Connection(ab::a() --> 1::b())"));

    QString list;
    QTextStream stream(&list);
    tesk::inspector::dumpStringList(stream, {QStringLiteral("a"), QStringLiteral("b")});
    stream.flush();
    EXPECT_EQ(list, QStringLiteral("List(a b)"));
}

TEST(ObjectTreeIds, TextFormAndObjectIds)
{
    EXPECT_EQ(tesk::inspector::idFromString(QStringLiteral("  0x1A2b ")), 0x1a2bu);
    testhost::DebugCapture capture;
    EXPECT_EQ(tesk::inspector::idFromString(QStringLiteral("0xzz")), kNoObject);
    EXPECT_TRUE(capture.contains("\"ok\""));
    tesk::inspector::idFromString(QStringLiteral("12"));
    EXPECT_TRUE(capture.contains("\"prefixed\""));

    QObject a;
    QObject b;
    const ObjectId idA = tesk::inspector::objectId(&a);
    EXPECT_NE(idA, 0u);
    EXPECT_NE(idA, kNoObject);
    EXPECT_NE(idA, tesk::inspector::objectId(&b));
    EXPECT_EQ(idA, tesk::inspector::objectId(&a));
    EXPECT_EQ(tesk::inspector::objectId(nullptr), 0u);
}

TEST(ObjectTreeBuild, LiveWidgetsWithPropertiesAndConnections)
{
    QWidget window;
    window.setObjectName(QStringLiteral("probe window"));
    auto *button = new QPushButton(&window);
    button->setObjectName(QStringLiteral("probe button"));
    button->setGeometry(3, -4, 10, 20);
    button->setFocusPolicy(Qt::ClickFocus);
    auto *edit = new QLineEdit(&window);
    edit->setObjectName(QStringLiteral("probe edit"));
    QObject outside; // parentless and not a widget: reached only through its connection
    outside.setObjectName(QStringLiteral("probe outside"));
    QObject::connect(button, SIGNAL(clicked()), &window, SLOT(close()));
    QObject::connect(button, SIGNAL(pressed()), edit, SIGNAL(returnPressed()));
    QObject::connect(edit, SIGNAL(editingFinished()), &outside, SLOT(deleteLater()));

    testhost::DebugCapture capture;
    ObjectTree tree;
    tree.build();
    tree.link();
    EXPECT_FALSE(capture.contains("ASSERT")) << capture.text();

    const ObjectNode *root = tree.node(0);
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->className(), QStringLiteral("<application>"));
    EXPECT_EQ(root->name(), QCoreApplication::applicationFilePath().section(QLatin1Char('/'), -1));
    EXPECT_EQ(root->parentId(), kNoObject);
    EXPECT_EQ(tree.applicationPath(), QCoreApplication::applicationFilePath());
    EXPECT_EQ(tree.processId(), qint32(QCoreApplication::applicationPid()));
    const ObjectNode *app = tree.node(tesk::inspector::objectId(qApp));
    ASSERT_NE(app, nullptr);
    EXPECT_EQ(app->parentId(), 0u);

    const ObjectNode *windowNode = findNode(tree, QStringLiteral("probe window"));
    const ObjectNode *buttonNode = findNode(tree, QStringLiteral("probe button"));
    const ObjectNode *editNode = findNode(tree, QStringLiteral("probe edit"));
    const ObjectNode *outsideNode = findNode(tree, QStringLiteral("probe outside"));
    ASSERT_TRUE(windowNode && buttonNode && editNode && outsideNode);
    EXPECT_EQ(windowNode->parentId(), 0u);
    EXPECT_EQ(buttonNode->parentId(), windowNode->id());
    EXPECT_EQ(buttonNode->className(), QStringLiteral("QPushButton"));
    EXPECT_TRUE(buttonNode->haveSignal(QStringLiteral("clicked()")));
    EXPECT_TRUE(buttonNode->haveSignal(QStringLiteral("destroyed(QObject*)")));
    EXPECT_TRUE(windowNode->haveSlot(QStringLiteral("close()")));
    // The class's own members come before its bases'.
    EXPECT_LT(buttonNode->signalNames().indexOf(QStringLiteral("clicked()")),
              buttonNode->signalNames().indexOf(QStringLiteral("destroyed(QObject*)")));

    EXPECT_EQ(propertyValue(buttonNode, "geometry"), QStringLiteral("(3, -4) 10x20"));
    EXPECT_EQ(propertyValue(buttonNode, "pos"), QStringLiteral("(3, -4)"));
    EXPECT_EQ(propertyValue(buttonNode, "size"), QStringLiteral("10x20"));
    EXPECT_EQ(propertyValue(buttonNode, "focusPolicy"), QString::number(int(Qt::ClickFocus)));
    EXPECT_EQ(propertyValue(editNode, "alignment"), QString::number(int(edit->alignment())));
    EXPECT_EQ(propertyValue(buttonNode, "objectName"), QStringLiteral("probe button"));

    ASSERT_EQ(windowNode->slotConnections(buttonNode->id()).size(), 1);
    // A signal with a default argument carries its connections under the full signature.
    EXPECT_EQ(windowNode->slotConnections(buttonNode->id())[0].signal(),
              QStringLiteral("clicked(bool)"));
    ASSERT_EQ(editNode->signalConnections(buttonNode->id()).size(), 1);
    EXPECT_EQ(editNode->signalConnections(buttonNode->id())[0].receiverMember(),
              QStringLiteral("returnPressed()"));
    EXPECT_EQ(buttonNode->outgoingConnections(windowNode->id()).size(), 1);
    EXPECT_EQ(buttonNode->outgoingConnections(editNode->id()).size(), 1);
    EXPECT_EQ(outsideNode->slotConnections(editNode->id()).size(), 1);

    // The window's leaves are its button, its line edit and what lies inside them.
    EXPECT_GE(windowNode->numLeafNodes(), 2);
}

TEST(ObjectTreeLinks, ParentLinksThatLoopOrRunDeepAreLinkedWithoutRecursion)
{
    // The root hangs under its own child: 0 -> 1 -> 0.
    ObjectTree looping;
    add(looping, 0, 1);
    add(looping, 1, 0);
    add(looping, 2, 1);
    looping.link();
    EXPECT_EQ(looping.node(2)->numLeafNodes(), 1);
    EXPECT_GE(looping.node(0)->numLeafNodes(), 1);

    // A chain deeper than any stack.
    ObjectTree deep;
    add(deep, 0, kNoObject);
    constexpr ObjectId kDepth = 200000;
    for (ObjectId id = 1; id <= kDepth; ++id)
        add(deep, id, id - 1);
    deep.link();
    EXPECT_EQ(deep.node(0)->numLeafNodes(), 1);
    EXPECT_EQ(childIds(deep, kDepth - 1), QList<ObjectId>{kDepth});
}
