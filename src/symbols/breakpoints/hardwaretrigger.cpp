#include "symbols/breakpoints/hardwaretrigger.h"

HardwareTrigger::HardwareTrigger(const QString &name, const QString &text, uint32_t direction)
    : m_name(name)
    , m_text(text)
    , m_direction(direction)
{
}

bool HardwareTrigger::hasSelectedValue() const
{
    return m_selection >= 0 && m_selection < m_values.size();
}

void HardwareTrigger::appendValue(const QString &label, const QString &value)
{
    m_values.append({label, value});
}

QString HardwareTrigger::label(int index) const
{
    return index >= 0 && index < m_values.size() ? m_values.at(index).first : QString();
}

QString HardwareTrigger::value(int index) const
{
    return index >= 0 && index < m_values.size() ? m_values.at(index).second : QString();
}

HardwareTrigger::Value HardwareTrigger::selectedValue() const
{
    return hasSelectedValue() ? m_values.at(m_selection) : Value();
}

QStringList HardwareTrigger::labels() const
{
    QStringList result;
    result.reserve(m_values.size());
    for (const Value &v : m_values)
        result.append(v.first);
    return result;
}
