#pragma once

// Readable failure messages for toolkit strings.

#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"' << (text.isNull() ? " (null)" : "");
}
