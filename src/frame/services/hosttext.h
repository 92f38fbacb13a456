#pragma once

// Text the host hands over for display. It is plain text whatever it looks like: markup in it
// must not make the toolkit load files, and a text of a megabyte or of thousands of lines must
// not grow a window without bound.

#include "frame/core/hosttextlimit.h"

#include <QString>

namespace tesk::frame {

using core::hostText;
using core::hostTextUtf8;
using core::kMaxHostTextBytes;

// The same on one line: line breaks and other control characters become blanks.
QString hostLine(const char *latin1);
// A rich-text fragment that shows the plain text as it is, line breaks kept.
QString escapedFragment(const QString &plain);
// A tool tip that shows the plain text as it is: the text itself unless the toolkit would read
// it as markup, else the text escaped.
QString plainToolTip(const QString &plain);

} // namespace tesk::frame
