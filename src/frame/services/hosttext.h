#pragma once

// Text the host hands over for display. It is plain text whatever it looks like: markup in it
// must not make the toolkit load files, and a text of a megabyte or of thousands of lines must
// not grow a window without bound.

#include <QString>

namespace tesk::frame {

// Past this many bytes host text is cut.
constexpr qsizetype kMaxHostTextBytes = 64 * 1024;

// Latin-1 host text, cut at kMaxHostTextBytes (never reads past that many bytes); null for null.
QString hostText(const char *latin1);
// The same for UTF-8 host text (a sequence cut at the limit becomes a replacement character).
QString hostTextUtf8(const char *utf8);
// The same on one line: line breaks and other control characters become blanks.
QString hostLine(const char *latin1);
// A rich-text fragment that shows the plain text as it is, line breaks kept.
QString escapedFragment(const QString &plain);
// A tool tip that shows the plain text as it is: the text itself unless the toolkit would read
// it as markup, else the text escaped.
QString plainToolTip(const QString &plain);

} // namespace tesk::frame
