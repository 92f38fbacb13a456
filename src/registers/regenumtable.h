#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// One enumeration table of a data set, read from one string of the host's table record. A
// string that is empty or begins with a control character below 9 is an override table: it
// names no values but turns the registers that use it into plain ones of its override type.
struct RegEnumTable
{
    static RegEnumTable fromString(const QString &text);

    quint8 valid = 1;
    quint32 bitSize = 0;
    quint32 overrideType = 9;
    QStringList names;
    QVector<quint32> values;
};
