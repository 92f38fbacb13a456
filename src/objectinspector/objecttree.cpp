#include "objectinspector/objecttree.h"

#include "objectinspector/signalhooks.h"

#include <QApplication>
#include <QDataStream>
#include <QHash>
#include <QMetaMethod>
#include <QMetaProperty>
#include <QMutex>
#include <QPoint>
#include <QRect>

#include <QSize>
#include <QTextStream>
#include <QVariant>
#include <QWidget>
#include <algorithm>
#include <set>

#include <algorithm>
#include <utility>
#include <vector>

using namespace tesk::inspector;

namespace tesk::inspector {

namespace {

// Addresses are 64 bits wide here and the wire has 32: a truncated address could collide, so
// every object gets a number of its own.
struct IdRegistry
{
    QMutex mutex;
    QHash<const void *, ObjectId> ids;
    ObjectId next = 1;
};

// Not destroyed with the statics: activations may still be reported while the process winds
// down. An unload forgets the ids once the client is gone.
IdRegistry *g_idRegistry = nullptr;

IdRegistry &idRegistry()
{
    if (!g_idRegistry)
        g_idRegistry = new IdRegistry;
    return *g_idRegistry;
}

QString hex(ObjectId id)
{
    return QString::number(id, 16);
}

QString quoted(const QString &text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

} // namespace

ObjectId objectId(const QObject *object)
{
    if (!object)
        return 0;
    IdRegistry &registry = idRegistry();
    QMutexLocker lock(&registry.mutex);
    const auto found = registry.ids.constFind(object);
    if (found != registry.ids.constEnd())
        return found.value();
    const ObjectId id = registry.next;
    registry.next = registry.next + 1 == kNoObject ? 1 : registry.next + 1;
    registry.ids.insert(object, id);
    return id;
}

void forgetObjectIds()
{
    delete std::exchange(g_idRegistry, nullptr);
}

ObjectId idFromString(const QString &text)
{
    const QString trimmed = text.trimmed();
    const bool prefixed = trimmed.startsWith(QLatin1String("0x"));
    TESK_CHECK(prefixed);
    bool ok = false;
    const ObjectId id = (prefixed ? trimmed.mid(2) : trimmed).toUInt(&ok, 16);
    TESK_CHECK(ok);
    return ok ? id : kNoObject;
}

void dumpStringList(QTextStream &stream, const QStringList &list)
{
    stream << "List(" << list.join(QLatin1Char(' ')) << ")";
}

} // namespace tesk::inspector

// --- Property, Connection --------------------------------------------------------------------

QDataStream &Property::read(QDataStream &stream)
{
    return stream >> m_name >> m_type >> m_value;
}

QDataStream &Property::write(QDataStream &stream) const
{
    return stream << m_name << m_type << m_value;
}

void Property::dump(QTextStream &stream) const
{
    stream << "Property(name=" << quoted(m_name) << " type=" << quoted(m_type)
           << " value=" << quoted(m_value) << ")";
}

QDataStream &Connection::read(QDataStream &stream)
{
    m_senderId = readId(stream);
    stream >> m_signal;
    m_receiverId = readId(stream);
    return stream >> m_receiverMember;
}

QDataStream &Connection::write(QDataStream &stream) const
{
    writeId(stream, m_senderId);
    stream << m_signal;
    writeId(stream, m_receiverId);
    return stream << m_receiverMember;
}

void Connection::dump(QTextStream &stream) const
{
    stream << "Connection(" << hex(m_senderId) << "::" << m_signal << " --> " << hex(m_receiverId)
           << "::" << m_receiverMember << ")";
}

// --- ObjectNode ------------------------------------------------------------------------------

namespace {

// What a node needs from its class, worked out once per class and build.
struct ClassLayout
{
    struct Signal
    {
        int index;
        QString signature;
    };
    struct PropertySlot
    {
        QMetaProperty meta_prop; // the one reading by name finds: a redeclaration wins
        QString name;
        QString type;
        bool isEnum;
    };

    explicit ClassLayout(const QMetaObject *meta);

    QStringList slotNames;
    QStringList signalNames;
    QList<Signal> signalList;
    QList<PropertySlot> properties;
};

// Slot and signal signatures: the object's own class first, then each base class.
ClassLayout::ClassLayout(const QMetaObject *meta)
{
    for (const QMetaObject *c = meta; c; c = c->superClass()) {
        for (int i = c->methodOffset(); i < c->methodCount(); ++i) {
            const QMetaMethod method = c->method(i);
            const QString signature = QString::fromLatin1(method.methodSignature());
            if (method.methodType() == QMetaMethod::Slot) {
                slotNames.append(signature);
            } else if (method.methodType() == QMetaMethod::Signal) {
                signalNames.append(signature);
                signalList.append({i, signature});
            }
        }
    }
    for (int i = 0; i < meta->propertyCount(); ++i) {
        const QMetaProperty meta_prop = meta->property(i);
        if (!TESK_CHECK(meta_prop.isValid()))
            continue;
        const QMetaProperty byName = meta->property(meta->indexOfProperty(meta_prop.name()));
        properties.append({byName, QString::fromLatin1(meta_prop.name()),
                           QString::fromLatin1(meta_prop.typeName()), byName.isEnumType()});
    }
}

QString propertyText(bool isEnum, const QVariant &value)
{
    if (isEnum)
        return QString::number(value.toLongLong());
    switch (value.typeId()) {
    case QMetaType::QRect: {
        const QRect r = value.toRect();
        return QStringLiteral("(%1, %2) %3x%4")
            .arg(r.left())
            .arg(r.top())
            .arg(r.width())
            .arg(r.height());
    }
    case QMetaType::QSize: {
        const QSize s = value.toSize();
        return QStringLiteral("%1x%2").arg(s.width()).arg(s.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = value.toPoint();
        return QStringLiteral("(%1, %2)").arg(p.x()).arg(p.y());
    }
    default:
        return value.toString();
    }
}

} // namespace

// What one build shares between the nodes it makes.
struct ObjectNode::BuildContext
{
    const ClassLayout &layout(const QMetaObject *meta)
    {
        auto found = layouts.find(meta);
        if (found == layouts.end())
            found = layouts.emplace(meta, std::make_unique<ClassLayout>(meta)).first;
        return *found->second;
    }

    std::map<const QMetaObject *, std::unique_ptr<ClassLayout>> layouts;
    // Receivers met while listing connections, so that the build can take in their trees.
    QList<QObject *> receivers;
};

ObjectNode::ObjectNode(ObjectId id, const QString &name, const QString &className)
    : m_id(id)
    , m_name(name)
    , m_className(className)
{
}

ObjectNode::ObjectNode(QObject *object)
    : ObjectNode(object, nullptr)
{
}

ObjectNode::ObjectNode(QObject *object, BuildContext *context)
    : m_id(objectId(object))
    , m_name(object->objectName())
    , m_className(QString::fromLatin1(object->metaObject()->className()))
    , m_parentId(objectId(object->parent()))
{
    BuildContext own;
    const ClassLayout &layout = (context ? context : &own)->layout(object->metaObject());
    m_slotNames = layout.slotNames;
    m_signalNames = layout.signalNames;
    m_properties.reserve(layout.properties.size());
    for (const ClassLayout::PropertySlot &p : layout.properties)
        m_properties.append(
            Property(p.name, p.type, propertyText(p.isEnum, p.meta_prop.read(object))));
    for (const ClassLayout::Signal &signal : layout.signalList) {
        for (const SignalHooks::Receiver &receiver : SignalHooks::receivers(object, signal.index)) {
            m_outgoingConnections.append(Connection(m_id, signal.signature,
                                                    objectId(receiver.object),
                                                    QString::fromLatin1(receiver.member)));
            if (context)
                context->receivers.append(receiver.object);
        }
    }
}

namespace {

ConnectionList connectionsWith(const ConnectionList &connections, ObjectId id,
                               ObjectId (Connection::*end)() const)
{
    if (id == kNoObject)
        return connections;
    ConnectionList result;
    for (const Connection &connection : connections) {
        if ((connection.*end)() == id)
            result.append(connection);
    }
    return result;
}

bool anyWith(const ConnectionList &connections, ObjectId id, ObjectId (Connection::*end)() const)
{
    return std::any_of(connections.cbegin(), connections.cend(),
                       [&](const Connection &c) { return (c.*end)() == id; });
}

} // namespace

ConnectionList ObjectNode::outgoingConnections(ObjectId receiverId) const
{
    return connectionsWith(m_outgoingConnections, receiverId, &Connection::receiverId);
}

ConnectionList ObjectNode::signalConnections(ObjectId senderId) const
{
    return connectionsWith(m_signalConnections, senderId, &Connection::senderId);
}

ConnectionList ObjectNode::slotConnections(ObjectId senderId) const
{
    return connectionsWith(m_slotConnections, senderId, &Connection::senderId);
}

bool ObjectNode::hasConnectionTo(ObjectId id) const
{
    return anyWith(m_outgoingConnections, id, &Connection::receiverId);
}

bool ObjectNode::hasConnectionFrom(ObjectId id) const
{
    return anyWith(m_slotConnections, id, &Connection::senderId) ||
           anyWith(m_signalConnections, id, &Connection::senderId);
}

QSet<ObjectId> ObjectNode::connectedIds() const
{
    QSet<ObjectId> ids;
    for (const Connection &c : m_outgoingConnections)
        ids.insert(c.receiverId());
    for (const Connection &c : m_slotConnections)
        ids.insert(c.senderId());
    for (const Connection &c : m_signalConnections)
        ids.insert(c.senderId());
    return ids;
}

QDataStream &ObjectNode::read(QDataStream &stream)
{
    m_id = readId(stream);
    stream >> m_name >> m_className;
    m_parentId = readId(stream);
    m_firstChildId = readId(stream);
    m_nextSiblingId = readId(stream);
    m_prevSiblingId = readId(stream);
    readStringList(stream, m_slotNames);
    readStringList(stream, m_signalNames);
    readRecords(stream, m_properties);
    readRecords(stream, m_slotConnections);
    readRecords(stream, m_signalConnections);
    readRecords(stream, m_outgoingConnections);
    return stream >> m_num_leaf_nodes;
}

QDataStream &ObjectNode::write(QDataStream &stream) const
{
    writeId(stream, m_id);
    stream << m_name << m_className;
    writeId(stream, m_parentId);
    writeId(stream, m_firstChildId);
    writeId(stream, m_nextSiblingId);
    writeId(stream, m_prevSiblingId);
    writeStringList(stream, m_slotNames);
    writeStringList(stream, m_signalNames);
    writeRecords(stream, m_properties);
    writeRecords(stream, m_slotConnections);
    writeRecords(stream, m_signalConnections);
    writeRecords(stream, m_outgoingConnections);
    return stream << m_num_leaf_nodes;
}

void ObjectNode::dump(QTextStream &stream) const
{
    stream << "ObjectNode(id=0x" << hex(m_id) << " name=" << quoted(m_name)
           << " class_name=" << quoted(m_className) << " parent_id=0x" << hex(m_parentId) << ")";
}

// --- ObjectTree ------------------------------------------------------------------------------

ObjectTree::ObjectTree(QObject *parent, const char *name)
    : QObject(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
}

ObjectTree::~ObjectTree()
{
    clear();
}

void ObjectTree::clear()
{
    if (m_nodes.empty())
        return;
    emit aboutToClear();
    m_nodes.clear();
    emit contentsChanged(false);
}

void ObjectTree::insert(std::unique_ptr<ObjectNode> node)
{
    if (node) {
        const ObjectId id = node->id();
        m_nodes[id] = std::move(node);
    }
}

namespace {

QObject *topAncestor(QObject *object)
{
    while (object->parent())
        object = object->parent();
    return object;
}

// Every object below the roots, each once.
class ObjectVisitor
{
public:
    void visit(QObject *root)
    {
        std::vector<QObject *> pending{root};
        while (!pending.empty()) {
            QObject *object = pending.back();
            pending.pop_back();
            if (m_visited.contains(object))
                continue;
            m_visited.insert(object);
            m_objects.push_back(object);
            const QObjectList &children = object->children();
            pending.insert(pending.end(), children.rbegin(), children.rend());
        }
    }

    bool contains(QObject *object) const { return m_visited.contains(object); }
    std::size_t count() const { return m_objects.size(); }
    QObject *at(std::size_t i) const { return m_objects[i]; }

private:
    QSet<QObject *> m_visited;
    std::vector<QObject *> m_objects;
};

QString applicationFileName(const QString &path)
{
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

} // namespace

void ObjectTree::build()
{
    clear();
    ObjectVisitor visitor;
    if (QCoreApplication::instance())
        visitor.visit(QCoreApplication::instance());
    if (qobject_cast<QApplication *>(QCoreApplication::instance())) {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (!widget->parent())
                visitor.visit(widget);
        }
    }
    ObjectNode::BuildContext context;
    // The visitor grows while nodes are made: receivers outside the trees bring theirs in, so
    // that every connection finds its receiver.
    for (std::size_t i = 0; i < visitor.count(); ++i) {
        insert(std::unique_ptr<ObjectNode>(new ObjectNode(visitor.at(i), &context)));
        for (QObject *receiver : std::as_const(context.receivers)) {
            if (!visitor.contains(receiver))
                visitor.visit(topAncestor(receiver));
        }
        context.receivers.clear();
    }
    m_applicationPath = QCoreApplication::applicationFilePath();
    m_processId = qint32(QCoreApplication::applicationPid());
    insert(std::make_unique<ObjectNode>(0, applicationFileName(m_applicationPath),
                                        QStringLiteral("<application>")));
}

ObjectNode *ObjectTree::node(ObjectId id) const
{
    const auto found = m_nodes.find(id);
    return found == m_nodes.end() ? nullptr : found->second.get();
}

ObjectNode *ObjectTree::parent(const ObjectNode *n) const
{
    return n && n->m_parentId != kNoObject ? node(n->m_parentId) : nullptr;
}

ObjectNode *ObjectTree::firstChild(const ObjectNode *n) const
{
    return n && n->m_firstChildId != kNoObject ? node(n->m_firstChildId) : nullptr;
}

ObjectNode *ObjectTree::nextSibling(const ObjectNode *n) const
{
    return n && n->m_nextSiblingId != kNoObject ? node(n->m_nextSiblingId) : nullptr;
}

ObjectNode *ObjectTree::prevSibling(const ObjectNode *n) const
{
    return n && n->m_prevSiblingId != kNoObject ? node(n->m_prevSiblingId) : nullptr;
}

QList<ObjectNode *> ObjectTree::children(const ObjectNode *n) const
{
    // A tree read from a record carries whatever links it was sent; a loop in them must not
    // hang the reader, so no list is longer than the tree.
    QList<ObjectNode *> result;
    for (ObjectNode *c = firstChild(n); c && result.size() < nodeCount(); c = nextSibling(c))
        result.append(c);
    return result;
}

ObjectNode *ObjectTree::lastChild(const ObjectNode *n) const
{
    const QList<ObjectNode *> list = children(n);
    return list.isEmpty() ? nullptr : list.last();
}

ObjectNode *ObjectTree::child(const ObjectNode *n, int index) const
{
    const QList<ObjectNode *> list = children(n);
    return index >= 0 && index < list.size() ? list.at(index) : nullptr;
}

int ObjectTree::childCount(const ObjectNode *n) const
{
    return int(children(n).size());
}

int ObjectTree::siblingIndex(const ObjectNode *n) const
{
    int index = 0;
    for (const ObjectNode *p = prevSibling(n); p && index < nodeCount(); p = prevSibling(p))
        ++index;
    return index;
}

void ObjectTree::link()
{
    std::map<ObjectId, ObjectNode *> lastChildren;
    for (auto &entry : m_nodes) {
        linkParent(entry.second.get(), lastChildren);
        fileIncomingConnections(entry.second.get());
    }
    ObjectNode *root_node = node(0);
    if (TESK_CHECK(root_node != 0)) {
        countLeaves(root_node);
        orderChildren(root_node);
    }
    emit contentsChanged(!isEmpty());
}

void ObjectTree::linkParent(ObjectNode *n, std::map<ObjectId, ObjectNode *> &lastChildren)
{
    if (n->m_parentId == kNoObject)
        return;
    ObjectNode *parent = node(n->m_parentId);
    if (!TESK_CHECK(parent != 0))
        return;
    ObjectNode *&last = lastChildren[parent->m_id];
    if (parent->m_firstChildId == kNoObject) {
        parent->m_firstChildId = n->m_id;
    } else {
        ObjectNode *old_last_sibling = last;
        if (!TESK_CHECK(old_last_sibling != 0))
            return;
        old_last_sibling->m_nextSiblingId = n->m_id;
        n->m_prevSiblingId = old_last_sibling->m_id;
    }
    last = n;
}

void ObjectTree::fileIncomingConnections(const ObjectNode *n)
{
    for (const Connection &con : n->m_outgoingConnections) {
        ObjectNode *receiver = node(con.receiverId());
        if (!TESK_CHECK(receiver != 0))
            continue;
        if (receiver->haveSlot(con.receiverMember())) {
            receiver->m_slotConnections.append(con);
        } else {
            TESK_CHECK(receiver->haveSignal(con.receiverMember()));
            receiver->m_signalConnections.append(con);
        }
    }
}

QList<ObjectNode *> ObjectTree::reachableFrom(ObjectNode *root) const
{
    // Parents before their children. A received tree may link a node under its own
    // descendant, or be deeper than any stack: the walk keeps its own list and takes each node
    // once, so a loop is cut where it closes.
    QList<ObjectNode *> order{root};
    std::set<const ObjectNode *> seen{root};
    for (qsizetype i = 0; i < order.size(); ++i) {
        for (ObjectNode *kid : children(order.at(i))) {
            if (seen.insert(kid).second)
                order.append(kid);
        }
    }
    return order;
}

void ObjectTree::countLeaves(ObjectNode *root)
{
    const QList<ObjectNode *> order = reachableFrom(root);
    std::set<const ObjectNode *> counted;
    for (auto it = order.crbegin(); it != order.crend(); ++it) {
        ObjectNode *node = *it;
        TESK_CHECK(node->m_num_leaf_nodes == -1);
        qint64 sum = 0;
        bool anyKid = false;
        for (ObjectNode *kid : children(node)) {
            // A link back up the tree is no child to count.
            if (!counted.count(kid))
                continue;
            anyKid = true;
            sum += kid->m_num_leaf_nodes;
        }
        node->m_num_leaf_nodes = anyKid ? qint32(std::min<qint64>(sum, INT32_MAX)) : 1;
        counted.insert(node);
    }
}

// Children by descending leaf count; equal counts keep their order. A stable sort gives what
// repeated exchange passes over the sibling list give, without their quadratic cost.
void ObjectTree::orderChildren(ObjectNode *root)
{
    for (ObjectNode *node : reachableFrom(root)) {
        TESK_CHECK(node->numLeafNodes() != -1);
        QList<ObjectNode *> kids = children(node);
        if (kids.isEmpty() || node->numLeafNodes() == 1)
            continue;
        std::stable_sort(kids.begin(), kids.end(), [](const ObjectNode *a, const ObjectNode *b) {
            return a->m_num_leaf_nodes > b->m_num_leaf_nodes;
        });
        node->m_firstChildId = kids.first()->m_id;
        for (qsizetype i = 0; i < kids.size(); ++i) {
            kids[i]->m_prevSiblingId = i > 0 ? kids[i - 1]->m_id : kNoObject;
            kids[i]->m_nextSiblingId = i + 1 < kids.size() ? kids[i + 1]->m_id : kNoObject;
        }
    }
}

QDataStream &ObjectTree::read(QDataStream &stream)
{
    clear();
    stream >> m_applicationPath >> m_processId;
    readItems(stream, [this](QDataStream &s) {
        const ObjectId key = readId(s);
        auto n = std::make_unique<ObjectNode>();
        n->read(s);
        if (s.status() == QDataStream::Ok)
            m_nodes[key] = std::move(n);
        return true;
    });
    emit contentsChanged(!isEmpty());
    return stream;
}

QDataStream &ObjectTree::write(QDataStream &stream) const
{
    stream << m_applicationPath << m_processId << quint32(m_nodes.size());
    for (const auto &entry : m_nodes) {
        writeId(stream, entry.first);
        entry.second->write(stream);
    }
    return stream;
}

void ObjectTree::dump(QTextStream &stream) const
{
    stream << "ObjectTree(\n";
    if (const ObjectNode *root = node(0))
        dumpFrom(stream, root);
    else
        stream << "<empty>";
    stream << ")";
}

void ObjectTree::dumpFrom(QTextStream &stream, const ObjectNode *root) const
{
    // A received tree may be as deep as it is long: walked with a stack of its own, and the
    // indent stops growing where a deeper one would only repeat blanks (each node names its
    // parent anyway).
    constexpr int kMaxIndent = 64;
    QSet<ObjectId> seen;
    std::vector<std::pair<const ObjectNode *, int>> pending{{root, 2}};
    while (!pending.empty()) {
        const auto [n, indent] = pending.back();
        pending.pop_back();
        if (seen.contains(n->m_id))
            continue;
        seen.insert(n->m_id);
        stream << QString(indent, QLatin1Char(' ')) << "* ";
        n->dump(stream);
        stream << "\n";
        const QList<ObjectNode *> kids = children(n);
        const int kidIndent = qMin(indent + 2, kMaxIndent);
        for (auto kid = kids.crbegin(); kid != kids.crend(); ++kid)
            pending.emplace_back(*kid, kidIndent);
    }
}
