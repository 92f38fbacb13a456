#include "registers/regdataitem.h"

#include "registers/regenumtable.h"

#include <tesk/tesk_registers.h>

#include <QMetaMethod>

#include <algorithm>

namespace {

bool &highlightFlag()
{
    static bool highlight = false;
    return highlight;
}

const QMetaMethod &textSignal()
{
    static const QMetaMethod signal =
        QMetaMethod::fromSignal(qOverload<const QString &>(&RegDataItem::sigDataChanged));
    return signal;
}

const QMetaMethod &indexSignal()
{
    static const QMetaMethod signal =
        QMetaMethod::fromSignal(qOverload<int>(&RegDataItem::sigDataChanged));
    return signal;
}

} // namespace

RegDataItem::RegDataItem(const RegDataRecord &record, RegDataView *owner, const QString &fullName,
                         const QString &name, const RegEnumTable *table)
    : m_kind(table ? Enumerated : Plain)
    , m_owner(owner)
    , m_flags(record.flags)
    , m_fullName(fullName)
    , m_name(name)
    , m_valueText(table ? QStringLiteral("!!!!!!!!") : QStringLiteral("0"))
    , m_type(record.type)
    , m_line(record.line)
    , m_column(record.column)
    , m_width(record.width)
    , m_tableIndex(record.tableIndex)
    , m_hostWord(record.hostWord)
{
    if (table) {
        m_enumNames = &table->names;
        m_enumValues = &table->values;
    }
}

bool RegDataItem::setValue(QLatin1String text)
{
    bool changed = false;
    if (m_kind == Enumerated) {
        changed = setEnumeratedValue(text);
        if (m_indexReceivers)
            emit sigDataChanged(m_enumIndex);
    } else if (m_valueText != text) {
        // Reuses the text's own buffer when nobody shares it.
        m_valueText = text;
        changed = true;
    }
    // Most registers of a large set have no receiver: a listener hears of them instead.
    if (m_textReceivers)
        emit sigDataChanged(m_valueText);
    for (size_t i = 0; i < m_listeners.size(); ++i)
        m_listeners[i]->valueChanged(m_valueText);
    return changed;
}

// Counted here rather than asked of the object on each value: that question takes a lock. A
// count that stays up after its receiver went costs an emission to nobody, never a lost one.
void RegDataItem::connectNotify(const QMetaMethod &signal)
{
    if (signal == textSignal())
        ++m_textReceivers;
    else if (signal == indexSignal())
        ++m_indexReceivers;
}

void RegDataItem::disconnectNotify(const QMetaMethod &signal)
{
    if (signal == textSignal() && m_textReceivers > 0)
        --m_textReceivers;
    else if (signal == indexSignal() && m_indexReceivers > 0)
        --m_indexReceivers;
}

void RegDataItem::addListener(RegValueListener *listener)
{
    if (listener &&
        std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void RegDataItem::removeListener(RegValueListener *listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener),
                      m_listeners.end());
}

bool RegDataItem::setEnumeratedValue(QLatin1String text)
{
    bool ok = false;
    const qulonglong number = QString(text).toULongLong(&ok, 16);
    if (!ok || number > 0xffffffffu)
        return false;
    const qsizetype position = m_enumValues->indexOf(static_cast<quint32>(number));
    if (position < 0 || position == m_enumIndex)
        return false;
    m_enumIndex = static_cast<int>(position);
    m_valueText = m_enumNames->value(position);
    return true;
}

QString RegDataItem::enumValueText(int index)
{
    if (m_kind == Enumerated && index >= 0 && index < m_enumValues->size())
        m_valueText = QString::number(m_enumValues->at(index), 16);
    return m_valueText;
}

bool RegDataItem::highlightChanges()
{
    return highlightFlag();
}

void RegDataItem::setHighlightChanges(bool highlight)
{
    highlightFlag() = highlight;
}
