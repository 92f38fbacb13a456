#pragma once

// Text across the boundary with the host, both ways. Text the host hands over is read only up
// to a limit: a text without a terminator, or of many megabytes, must neither make the library
// read past the host's buffer nor grow a window without bound; and it is plain text whatever it
// looks like. Text handed back is written into the host's buffer by one of three rules, never
// past its size.

#include <QByteArray>
#include <QString>

namespace tesk::core {

// ---- reading the host's text ----------------------------------------------------------------

// Past this many bytes host text is cut.
constexpr qsizetype kMaxHostTextBytes = 64 * 1024;

// Latin-1 host text, cut at kMaxHostTextBytes (never reads past that many bytes); null for null.
QString hostText(const char *latin1);
// The same for UTF-8 host text, cut before the character that the limit would split.
QString hostTextUtf8(const char *utf8);
// The host's bytes as they stand (no decoding), cut at kMaxHostTextBytes; empty for null.
QByteArray hostBytes(const char *text);
// Whether the text runs past the limit (reads at most one byte past it).
bool hostTextIsCut(const char *text);
// A host's 8-bit text translated in the given context. The host's texts are Latin-1, which the
// toolkit's translation would read as UTF-8: an untranslated text is its bytes as Latin-1.
// Not cut: the texts translated are the host's short labels and captions.
QString translatedLatin1(const char *latin1, const char *context = "QObject");
// Latin-1 host text on one line: line breaks and other control characters become blanks.
QString hostLine(const char *latin1);

// ---- showing it -------------------------------------------------------------------------------

// The text with every markup character written as its entity, whatever it starts with: for
// texts that must be shown, never interpreted.
QString escapeMarkup(const QString &text);
// Plain text made safe for a rich-text label; a text that starts with "<" is rich text already
// and is returned as it is.
QString escapeRichText(const QString &text);
// A rich-text fragment (the toolkit's escape, which leaves the apostrophe) that shows the plain
// text as it is, line breaks kept.
QString escapedFragment(const QString &plain);
// A label for a tab, button or menu entry that shows the text as it is: an "&" would mark a
// shortcut letter and vanish.
QString escapeMnemonics(const QString &text);
// A tool tip that shows the plain text as it is: the text itself unless the toolkit would read
// it as markup, else the text escaped.
QString plainToolTip(const QString &plain);

// ---- writing into the host's buffer -----------------------------------------------------------

// How the bytes of a text make characters: a Latin-1 text may be cut after any byte, a UTF-8
// one only where a character starts.
enum class Encoding { Latin1, Utf8 };
// What follows the text in the buffer: its terminator alone, or zeros up to the buffer's end.
enum class Padding { Terminator, Zeros };

// Cut at a character: as much of the text as fits size bytes with its terminator, which is
// always written. Answers the bytes written before the terminator; nothing is written, and 0
// answered, for a null buffer or a size below 1.
qsizetype writeCut(const QByteArray &text, char *buffer, qsizetype size, Encoding encoding,
                   Padding padding = Padding::Terminator);
// Refuse if too long: the whole text and its terminator, or nothing at all and false when they
// do not fit size bytes (or the buffer is null).
bool writeWhole(const QByteArray &text, char *buffer, qsizetype size);
// The fixed-size rule of a host record's field: at most size bytes of the text, zeros after
// it; no terminator when the text has size bytes or more. Nothing for a null buffer or a size
// below 1.
void writeFixed(const QByteArray &text, char *buffer, qsizetype size);

} // namespace tesk::core
