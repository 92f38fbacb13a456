#pragma once

#include <QHash>
#include <QObject>

// Turns the entry number a cycle button's drop-down reports into a signal that also carries
// the button's host id.
class TeskSignalMapper : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;

    void setMapping(QObject *sender, int id);

public slots:
    void map(int value);
    void removeMapping();

signals:
    void mapped(int id, int value);

private:
    QHash<QObject *, int> m_ids;
};
