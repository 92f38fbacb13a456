#pragma once

// Text the host hands over is read only up to a limit: a text without a terminator, or of many
// megabytes, must neither make the library read past the host's buffer nor grow a window
// without bound. Every area that reads host text for display reads it through here.

#include <QString>

namespace tesk::core {

// Past this many bytes host text is cut.
constexpr qsizetype kMaxHostTextBytes = 64 * 1024;

// Latin-1 host text, cut at kMaxHostTextBytes (never reads past that many bytes); null for null.
QString hostText(const char *latin1);
// The same for UTF-8 host text (a sequence cut at the limit becomes a replacement character).
QString hostTextUtf8(const char *utf8);
// Whether the text runs past the limit (reads at most one byte past it).
bool hostTextIsCut(const char *text);

} // namespace tesk::core
