#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// Text helpers of the frame's toolbars and the dialogs: strings as arrays of code values for
// hosts that speak UTF-16 units widened to 32 bits, and long file paths shortened for display.

// Stores each UTF-16 unit of the text, widened, into codes (which must hold text.size()
// elements) and answers the length; with no array or an empty text only the length.
int cuiStringToCodes(const QString &text, uint32_t *codes);
// The string of count characters, each the low 16 bits of its code.
QString cuiCodesToString(const uint32_t *codes, int count);

// Shortens the zero-terminated path in place to at most maxLength characters: the head (a
// drive, a server, the first folder), "...", and the longest run of whole trailing components
// that fits. A name longer than maxLength stays alone when keepName is set, else the path is
// emptied. The result is never longer than the path, so the caller's buffer suffices.
void cuiAbbreviatePath(char *path, int maxLength, bool keepName);

namespace tesk::core {

QByteArray abbreviatedPath(const QByteArray &path, int maxLength, bool keepName);

} // namespace tesk::core
