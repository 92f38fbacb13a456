#include "frame/core/hosttexts.h"

#include <QHash>
#include <QObject>

#include <utility>

namespace tesk::texts {

namespace {

using Slots = QHash<QByteArray, QByteArray>;

// Not destroyed with the statics: owners that are statics of their own (the context-menu
// store) end after this file's statics and still drop their texts then. end lets it go.
QHash<const QObject *, Slots> *g_held = nullptr;

QHash<const QObject *, Slots> &held()
{
    if (!g_held)
        g_held = new QHash<const QObject *, Slots>;
    return *g_held;
}

} // namespace

const char *hold(const QObject *owner, int slot, const QByteArray &text)
{
    return hold(owner, QByteArray::number(slot), text);
}

const char *hold(const QObject *owner, const QByteArray &slot, const QByteArray &text)
{
    auto &texts = held();
    if (owner && !texts.contains(owner))
        QObject::connect(owner, &QObject::destroyed, [owner] {
            if (g_held)
                g_held->remove(owner);
        });
    QByteArray &kept = texts[owner][slot];
    // Compared first, so that an unchanged text keeps its address; detached, so that no other
    // copy of the bytes can change or free them.
    if (kept.isNull() || kept != text) {
        kept = text;
        kept.detach();
    }
    return kept.constData();
}

void end()
{
    delete std::exchange(g_held, nullptr);
}

int heldCount()
{
    int count = 0;
    for (const Slots &texts : std::as_const(held()))
        count += int(texts.size());
    return count;
}

} // namespace tesk::texts
