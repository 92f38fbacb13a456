#pragma once
// Text the library hands to the toolkit's process-wide caches (font families, style names):
// a host's application keeps those caches after the library is unloaded, and goes on comparing
// their keys. A QStringLiteral is no copy but a view of the library's read-only data, which
// dlclose unmaps, so such text is always made on the heap.

#include <QString>

namespace tesk::core {

inline QString keptByToolkit(const char *latin1)
{
    return QString::fromLatin1(latin1);
}

} // namespace tesk::core
