#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVector>

#include <vector>

class RegDataView;
struct RegDataRecord;
struct RegEnumTable;

// Hears of every new value text of a register straight from it: a view of thousands of
// registers hears of all of them on each update, too often for a signal each.
class RegValueListener
{
public:
    virtual void valueChanged(const QString &text) = 0;

protected:
    ~RegValueListener() = default;
};

// One register of a data set: what the host's record said of it, and its current value
// text. Value changes are announced to the register widgets by sigDataChanged.
class RegDataItem final : public QObject
{
    Q_OBJECT

public:
    enum Kind : quint32 { Plain = 0, Enumerated = 1 };

    // The names and values of an enumerated item are the table's, shared.
    RegDataItem(const RegDataRecord &record, RegDataView *owner, const QString &fullName,
                const QString &name, const RegEnumTable *table);

    Kind kind() const { return m_kind; }
    RegDataView *ownerView() const { return m_owner; }
    quint32 flags() const { return m_flags; }
    const QString &fullName() const { return m_fullName; }
    const QString &name() const { return m_name; }
    const QStringList *enumNames() const { return m_enumNames; }
    const QVector<quint32> *enumValues() const { return m_enumValues; }
    int enumIndex() const { return m_enumIndex; }
    const QString &valueText() const { return m_valueText; }
    quint32 type() const { return m_type; }
    qint16 line() const { return m_line; }
    quint8 column() const { return m_column; }
    quint8 width() const { return m_width; }
    quint32 tableIndex() const { return m_tableIndex; }
    quint32 bitSize() const { return m_bitSize; }
    void setBitSize(quint32 bits) { m_bitSize = bits; }
    quintptr hostWord() const { return m_hostWord; }

    // Takes a value text from the host's lines; true when the value changed. Both change
    // signals are sent either way, to whoever is connected.
    bool setValue(QLatin1String text);
    // The enumerator value at the index in lower-case hexadecimal, which also becomes the
    // value text; the value text unchanged for an index outside the table.
    QString enumValueText(int index);

    // Whether the last update asked for changed values to be highlighted (process-wide).
    static bool highlightChanges();
    static void setHighlightChanges(bool highlight);

    // A listener hears of the value text after the signals; it leaves before it goes.
    void addListener(RegValueListener *listener);
    void removeListener(RegValueListener *listener);

signals:
    void sigDataChanged(const QString &text);
    void sigDataChanged(int index);

protected:
    void connectNotify(const QMetaMethod &signal) override;
    void disconnectNotify(const QMetaMethod &signal) override;

private:
    bool setEnumeratedValue(QLatin1String text);

    Kind m_kind;
    RegDataView *m_owner;
    quint32 m_flags;
    QString m_fullName;
    QString m_name;
    const QStringList *m_enumNames = nullptr;
    const QVector<quint32> *m_enumValues = nullptr;
    int m_enumIndex = -1;
    QString m_valueText;
    quint32 m_type;
    qint16 m_line;
    quint8 m_column;
    quint8 m_width;
    quint32 m_tableIndex;
    quint32 m_bitSize = 0;
    quintptr m_hostWord;
    std::vector<RegValueListener *> m_listeners;
    int m_textReceivers = 0;
    int m_indexReceivers = 0;
};
