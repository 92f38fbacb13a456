#pragma once
// Host text shown in a modal dialog. A text of a megabyte would keep the dialog laying out for
// many seconds before the user sees it, so it is cut, and the cut is shown.

#include "frame/core/hosttext.h"

#include <QString>

namespace tesk::dialogs {

// Past this many bytes a host text is cut, as all host text is.
constexpr qsizetype kMaxDialogTextBytes = core::kMaxHostTextBytes;
// What follows a cut text, on a line of its own.
extern const char *const kCutMark;
// What follows a cut one-line text (a caption, a label, a name), on its line.
extern const char *const kLineCutMark;

// Latin-1 host text, through the translation when asked; a text longer than
// kMaxDialogTextBytes is cut there (never read further), is not translated and ends with
// kCutMark. Null for null.
QString dialogTextLatin1(const char *latin1, bool translate = true);
// The same for UTF-8 host text, cut before the character that the limit would split.
QString dialogTextUtf8(const char *utf8);
// The same for texts shown on one line (captions, button texts, labels, names, values):
// a cut one ends with kLineCutMark.
QString dialogLineLatin1(const char *latin1, bool translate = true);
QString dialogLineUtf8(const char *utf8);
// The host's list entries, one a line: a text past the limit loses the entry the cut would
// split and the ones after it.
QString dialogListLatin1(const char *latin1);

} // namespace tesk::dialogs
