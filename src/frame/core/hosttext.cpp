#include "frame/core/hosttext.h"

#include <QCoreApplication>
#include <QTextDocument>

#include <cstring>

namespace tesk::core {

QString hostText(const char *latin1)
{
    if (!latin1)
        return QString();
    return QString::fromLatin1(latin1, qsizetype(strnlen(latin1, size_t(kMaxHostTextBytes))));
}

namespace {

// Continuation bytes are 10xxxxxx. The length without the last character when a cut at
// length splits it; found from the bytes before the cut alone, which is all a host promised.
qsizetype completeUtf8Length(const char *text, qsizetype length)
{
    int continuation = 0;
    while (continuation < 3 && continuation < length &&
           (uchar(text[length - 1 - continuation]) & 0xc0) == 0x80)
        ++continuation;
    const qsizetype leadAt = length - 1 - continuation;
    if (leadAt < 0)
        return length;
    const uchar lead = uchar(text[leadAt]);
    const int bytes = lead >= 0xf0 ? 4 : lead >= 0xe0 ? 3 : lead >= 0xc0 ? 2 : 1;
    return bytes > continuation + 1 ? leadAt : length;
}

} // namespace

QString hostTextUtf8(const char *utf8)
{
    if (!utf8)
        return QString();
    qsizetype length = qsizetype(strnlen(utf8, size_t(kMaxHostTextBytes)));
    if (length == kMaxHostTextBytes)
        length = completeUtf8Length(utf8, length);
    return QString::fromUtf8(utf8, length);
}

QByteArray hostBytes(const char *text)
{
    if (!text)
        return QByteArray();
    return QByteArray(text, qsizetype(strnlen(text, size_t(kMaxHostTextBytes))));
}

QString translatedLatin1(const char *text, const char *context)
{
    if (!text)
        return QString();
    const QString translated = QCoreApplication::translate(context, text);
    // translate() hands an untranslated text back decoded as UTF-8.
    if (translated == QString::fromUtf8(text))
        return QString::fromLatin1(text);
    return translated;
}

bool hostTextIsCut(const char *text)
{
    return text && strnlen(text, size_t(kMaxHostTextBytes) + 1) > size_t(kMaxHostTextBytes);
}

QString hostLine(const char *latin1)
{
    QString line = hostText(latin1);
    for (QChar &c : line) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = QLatin1Char(' ');
    }
    return line;
}

QString escapeMnemonics(const QString &text)
{
    return QString(text).replace(QLatin1Char('&'), QLatin1String("&&"));
}

QString escapeMarkup(const QString &text)
{
    QString escaped;
    escaped.reserve(text.size() + text.size() / 8);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case u'<':
            escaped += QLatin1String("&lt;");
            break;
        case u'>':
            escaped += QLatin1String("&gt;");
            break;
        case u'&':
            escaped += QLatin1String("&amp;");
            break;
        case u'\'':
            escaped += QLatin1String("&apos;");
            break;
        case u'"':
            escaped += QLatin1String("&quot;");
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

QString escapeRichText(const QString &text)
{
    if (text.startsWith(u'<'))
        return text;
    return escapeMarkup(text);
}

QString escapedFragment(const QString &plain)
{
    QString escaped = plain.toHtmlEscaped();
    escaped.replace(QLatin1Char('\n'), QLatin1String("<br>"));
    return escaped;
}

QString plainToolTip(const QString &plain)
{
    if (!Qt::mightBeRichText(plain))
        return plain;
    return QLatin1String("<qt>") + escapedFragment(plain) + QLatin1String("</qt>");
}

namespace {

// The longest prefix of the text that fits room bytes without cutting a character.
qsizetype fittingLength(const QByteArray &text, qsizetype room, Encoding encoding)
{
    const qsizetype length = qBound<qsizetype>(0, room, text.size());
    if (encoding == Encoding::Utf8 && length < text.size())
        return completeUtf8Length(text.constData(), length);
    return length;
}

} // namespace

qsizetype writeCut(const QByteArray &text, char *buffer, qsizetype size, Encoding encoding,
                   Padding padding)
{
    if (!buffer || size < 1)
        return 0;
    const qsizetype length = fittingLength(text, size - 1, encoding);
    std::memcpy(buffer, text.constData(), size_t(length));
    if (padding == Padding::Zeros)
        std::memset(buffer + length, 0, size_t(size - length));
    else
        buffer[length] = '\0';
    return length;
}

bool writeWhole(const QByteArray &text, char *buffer, qsizetype size)
{
    if (!buffer || text.size() >= size)
        return false;
    std::memcpy(buffer, text.constData(), size_t(text.size()));
    buffer[text.size()] = '\0';
    return true;
}

void writeFixed(const QByteArray &text, char *buffer, qsizetype size)
{
    if (!buffer || size < 1)
        return;
    const qsizetype length = qMin(size, text.size());
    std::memcpy(buffer, text.constData(), size_t(length));
    std::memset(buffer + length, 0, size_t(size - length));
}

} // namespace tesk::core
