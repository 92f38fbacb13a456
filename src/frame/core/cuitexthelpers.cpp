#include "frame/core/cuitexthelpers.h"

#include <cstring>

int cuiStringToCodes(const QString &text, uint32_t *codes)
{
    if (codes && !text.isEmpty()) {
        for (qsizetype i = 0; i < text.size(); ++i)
            codes[i] = text.at(i).unicode();
    }
    return int(text.size());
}

QString cuiCodesToString(const uint32_t *codes, int count)
{
    QString text;
    if (!codes || count <= 0)
        return text;
    text.resize(count);
    for (int i = 0; i < count; ++i)
        text[i] = QChar(char16_t(codes[i] & 0xffffu));
    return text;
}

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/' || c == ':';
}

char separatorStyle(const QByteArray &path)
{
    const int backslashes = int(path.count('\\'));
    const int slashes = int(path.count('/'));
    if (backslashes + slashes == 0)
        return '\\';
    qsizetype first = 0;
    while (path.at(first) != '\\' && path.at(first) != '/')
        ++first;
    qsizetype last = path.size() - 1;
    while (path.at(last) != '\\' && path.at(last) != '/')
        --last;
    if (path.at(first) == path.at(last))
        return path.at(first);
    return backslashes >= slashes ? '\\' : '/';
}

// The first separator at or after from and before limit; -1 for none.
qsizetype nextSeparator(const QByteArray &path, qsizetype from, qsizetype limit)
{
    for (qsizetype i = from; i < limit; ++i) {
        if (isSeparator(path.at(i)))
            return i;
    }
    return -1;
}

// The part that stays at the front: a drive (and server) plus one folder in backslash style,
// the first folder in forward-slash style.
QByteArray headOf(const QByteArray &path, char style, qsizetype nameStart)
{
    if (style == '/') {
        if (nameStart <= 1)
            return QByteArray();
        const qsizetype end = nextSeparator(path, path.startsWith('/') ? 1 : 0, nameStart);
        return end > 0 ? path.left(end) : QByteArray();
    }
    qsizetype end = qMin<qsizetype>(2, path.size());
    if (path.size() > 2 && isSeparator(path.at(0)) && isSeparator(path.at(1))) {
        const qsizetype server = nextSeparator(path, 2, nameStart);
        end = server < 0 ? end : server;
    }
    if (nameStart > 3) {
        const qsizetype folder = nextSeparator(path, end + 1, nameStart);
        if (folder > 0)
            end = folder;
    }
    return path.left(end);
}

} // namespace

namespace tesk::core {

QByteArray abbreviatedPath(const QByteArray &path, int maxLength, bool keepName)
{
    if (path.size() <= maxLength)
        return path;
    qsizetype nameStart = path.size();
    while (nameStart > 0 && !isSeparator(path.at(nameStart - 1)))
        --nameStart;
    const QByteArray name = path.mid(nameStart);
    if (name.size() > maxLength)
        return keepName ? name : QByteArray();
    const char style = separatorStyle(path);
    const QByteArray head = headOf(path, style, nameStart);
    if (nameStart == 0 || head.size() + name.size() + 5 > maxLength)
        return name;
    const QByteArray front = head + style + "...";
    // The longest tail of whole components that fits; the tail at the name always does.
    qsizetype tailStart = nameStart - 1;
    for (qsizetype i = tailStart - 1; i >= head.size(); --i) {
        if (isSeparator(path.at(i))) {
            if (front.size() + path.size() - i > maxLength)
                break;
            tailStart = i;
        }
    }
    return front + path.mid(tailStart);
}

} // namespace tesk::core

void cuiAbbreviatePath(char *path, int maxLength, bool keepName)
{
    if (!path || maxLength < 0)
        return;
    const QByteArray shortened = tesk::core::abbreviatedPath(QByteArray(path), maxLength, keepName);
    // Never longer than the path itself, which the caller's buffer holds.
    std::memcpy(path, shortened.constData(), size_t(shortened.size()) + 1);
}
