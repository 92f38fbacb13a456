// A hardware trigger of a breakpoint and the values it may take.
#pragma once

#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include <cstdint>

// One hardware trigger of a breakpoint: a named input or output line and the values the user
// may choose for it. A plain value: the proxy keeps copies.
class HardwareTrigger
{
public:
    using Value = QPair<QString, QString>; // (label the user sees, value the command carries)

    HardwareTrigger(const QString &name, const QString &text, uint32_t direction);

    const QString &name() const { return m_name; }
    const QString &text() const { return m_text; }
    uint32_t direction() const { return m_direction; }
    bool isInput() const { return m_direction == 0; }

    int32_t selection() const { return m_selection; }
    void setSelection(int32_t index) { m_selection = index; }
    // True when the selection is the index of a value.
    bool hasSelectedValue() const;

    void appendValue(const QString &label, const QString &value);
    int valueCount() const { return int(m_values.size()); }
    QString label(int index) const;
    QString value(int index) const;
    // The pair at the selection; two empty texts when the selection indexes no value.
    Value selectedValue() const;
    QStringList labels() const;

private:
    QString m_name;
    QString m_text;
    uint32_t m_direction;
    int32_t m_selection = -1;
    QVector<Value> m_values;
};
