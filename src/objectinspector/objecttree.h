#pragma once

// A snapshot of the application's objects with their members, properties and connections, as
// the inspector tool receives it, and the reading side that rebuilds it from a record.

#include "objectinspector/protocol.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

namespace tesk::inspector {

// The id an object travels under: a process-wide 32-bit number given on first sight, never 0
// (the root) or all ones (none). Null gives 0. An address that is reused gets the id again.
ObjectId objectId(const QObject *object);
// Forgets every id: the library unloads.
void forgetObjectIds();

// "0x" and hexadecimal digits, white space around them ignored.
ObjectId idFromString(const QString &text);

void dumpStringList(QTextStream &stream, const QStringList &list);

} // namespace tesk::inspector

class Property final : public Streamable, public Dumpable
{
public:
    Property() = default;
    Property(const QString &name, const QString &type, const QString &value)
        : m_name(name)
        , m_type(type)
        , m_value(value)
    {
    }

    const QString &name() const { return m_name; }
    const QString &type() const { return m_type; }
    const QString &value() const { return m_value; }

    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;
    void dump(QTextStream &stream) const override;

private:
    QString m_name;
    QString m_type;
    QString m_value;
};

class Connection final : public Streamable, public Dumpable
{
public:
    using ObjectId = tesk::inspector::ObjectId;

    Connection() = default;
    Connection(ObjectId senderId, const QString &signal, ObjectId receiverId,
               const QString &receiverMember)
        : m_senderId(senderId)
        , m_signal(signal)
        , m_receiverId(receiverId)
        , m_receiverMember(receiverMember)
    {
    }

    ObjectId senderId() const { return m_senderId; }
    const QString &signal() const { return m_signal; }
    ObjectId receiverId() const { return m_receiverId; }
    const QString &receiverMember() const { return m_receiverMember; }

    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;
    void dump(QTextStream &stream) const override;

private:
    ObjectId m_senderId = tesk::inspector::kNoObject;
    QString m_signal;
    ObjectId m_receiverId = tesk::inspector::kNoObject;
    QString m_receiverMember;
};

using ConnectionList = QList<Connection>;

class ObjectNode final : public Streamable, public Dumpable
{
public:
    using ObjectId = tesk::inspector::ObjectId;
    static constexpr ObjectId kNone = tesk::inspector::kNoObject;

    ObjectNode() = default;
    ObjectNode(ObjectId id, const QString &name, const QString &className);
    explicit ObjectNode(QObject *object);

    ObjectId id() const { return m_id; }
    const QString &name() const { return m_name; }
    const QString &className() const { return m_className; }
    ObjectId parentId() const { return m_parentId; }
    ObjectId firstChildId() const { return m_firstChildId; }
    ObjectId nextSiblingId() const { return m_nextSiblingId; }
    ObjectId prevSiblingId() const { return m_prevSiblingId; }
    const QStringList &slotNames() const { return m_slotNames; }
    const QStringList &signalNames() const { return m_signalNames; }
    const QList<Property> &properties() const { return m_properties; }
    int numLeafNodes() const { return m_num_leaf_nodes; }

    bool isRoot() const { return m_parentId == kNone; }
    bool isFirstSibling() const { return m_prevSiblingId == kNone; }
    bool isLastSibling() const { return m_nextSiblingId == kNone; }
    bool haveSlot(const QString &name) const { return m_slotNames.contains(name); }
    bool haveSignal(const QString &name) const { return m_signalNames.contains(name); }

    // kNone as the id: all of them.
    ConnectionList outgoingConnections(ObjectId receiverId = kNone) const;
    ConnectionList signalConnections(ObjectId senderId = kNone) const;
    ConnectionList slotConnections(ObjectId senderId = kNone) const;
    bool hasConnectionTo(ObjectId id) const;
    bool hasConnectionFrom(ObjectId id) const;
    QSet<ObjectId> connectedIds() const;

    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;
    void dump(QTextStream &stream) const override;

    // A hand-made node for trees that do not come from live objects.
    void setParentId(ObjectId id) { m_parentId = id; }
    void addSlot(const QString &signature) { m_slotNames.append(signature); }
    void addSignal(const QString &signature) { m_signalNames.append(signature); }
    void addOutgoingConnection(const Connection &connection)
    {
        m_outgoingConnections.append(connection);
    }

private:
    friend class ObjectTree;
    struct BuildContext;
    ObjectNode(QObject *object, BuildContext *context);

    ObjectId m_id = kNone;
    QString m_name;
    QString m_className;
    ObjectId m_parentId = kNone;
    ObjectId m_firstChildId = kNone;
    ObjectId m_nextSiblingId = kNone;
    ObjectId m_prevSiblingId = kNone;
    QStringList m_slotNames;
    QStringList m_signalNames;
    QList<Property> m_properties;
    ConnectionList m_slotConnections;
    ConnectionList m_signalConnections;
    ConnectionList m_outgoingConnections;
    qint32 m_num_leaf_nodes = -1;
};

class ObjectTree : public QObject, public Streamable, public Dumpable
{
    Q_OBJECT

public:
    using ObjectId = tesk::inspector::ObjectId;

    explicit ObjectTree(QObject *parent = nullptr, const char *name = nullptr);
    ~ObjectTree() override;

    // Snapshot of the live application: the application object and every parentless widget
    // with all their descendants, and the object trees of every receiver they connect to.
    void build();
    // Parent, child and sibling links, incoming connections, leaf counts, child order.
    void link();
    void clear();

    // Takes a node made by hand (tests, tools); an earlier node of the same id is freed.
    void insert(std::unique_ptr<ObjectNode> node);

    QDataStream &read(QDataStream &stream) override;
    QDataStream &write(QDataStream &stream) const override;
    void dump(QTextStream &stream) const override;

    ObjectNode *node(ObjectId id) const;
    ObjectNode *parent(const ObjectNode *n) const;
    ObjectNode *firstChild(const ObjectNode *n) const;
    ObjectNode *nextSibling(const ObjectNode *n) const;
    ObjectNode *prevSibling(const ObjectNode *n) const;
    ObjectNode *lastChild(const ObjectNode *n) const;
    ObjectNode *child(const ObjectNode *n, int index) const;
    int childCount(const ObjectNode *n) const;
    int siblingIndex(const ObjectNode *n) const;
    bool isEmpty() const { return m_nodes.empty(); }
    int nodeCount() const { return int(m_nodes.size()); }

    const QString &applicationPath() const { return m_applicationPath; }
    qint32 processId() const { return m_processId; }

Q_SIGNALS:
    void contentsChanged(bool haveContents);
    void aboutToClear();

private:
    void linkParent(ObjectNode *n, std::map<ObjectId, ObjectNode *> &lastChildren);
    QList<ObjectNode *> reachableFrom(ObjectNode *root) const;
    void fileIncomingConnections(const ObjectNode *n);
    void countLeaves(ObjectNode *n);
    void orderChildren(ObjectNode *n);
    QList<ObjectNode *> children(const ObjectNode *n) const;
    void dumpFrom(QTextStream &stream, const ObjectNode *root) const;

    std::map<ObjectId, std::unique_ptr<ObjectNode>> m_nodes;
    QString m_applicationPath;
    qint32 m_processId = 0;
};
