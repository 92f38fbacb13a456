#include "symbols/symbolpattern.h"

#include <array>
#include <cstring>

namespace tesk::symbols {

namespace {

// Characters that make a pattern a regular expression beyond its wildcards.
bool isPlainPatternChar(QChar c)
{
    if (c.unicode() < 0x20 || c.unicode() > 0x7e)
        return false;
    return !QByteArrayView("\\^$.|+()[]{}").contains(char(c.unicode()));
}

struct FoldTable
{
    std::array<unsigned char, 256> lower{};
    FoldTable()
    {
        for (int c = 0; c < 256; ++c)
            lower[c] = (c >= 'A' && c <= 'Z') ? c + 32 : c;
    }
};

const FoldTable kFold;

bool segmentMatchesAt(QByteArrayView name, qsizetype at, const QByteArray &segment)
{
    for (qsizetype i = 0; i < segment.size(); ++i) {
        const char p = segment[i];
        if (p != '?' && kFold.lower[uchar(name[at + i])] != uchar(p))
            return false;
    }
    return true;
}

// The next position in [from, last] holding the character in either case, or -1; memchr keeps
// the scan over long (mangled) names fast.
qsizetype findEitherCase(QByteArrayView name, qsizetype from, qsizetype last, uchar lower)
{
    const char *base = name.data();
    const size_t length = size_t(last - from + 1);
    const auto *l = static_cast<const char *>(std::memchr(base + from, lower, length));
    const uchar upper = (lower >= 'a' && lower <= 'z') ? uchar(lower - 32) : lower;
    const size_t upperLength = l ? size_t(l - (base + from)) : length;
    const auto *u = upper != lower && upperLength
                        ? static_cast<const char *>(std::memchr(base + from, upper, upperLength))
                        : nullptr;
    const char *found = u ? u : l;
    return found ? found - base : -1;
}

// The first position at or after `from` where the segment matches, or -1.
qsizetype findSegment(QByteArrayView name, qsizetype from, const QByteArray &segment)
{
    const qsizetype last = name.size() - segment.size();
    if (segment.isEmpty())
        return from <= name.size() ? from : -1;
    const uchar first = uchar(segment[0]);
    for (qsizetype at = from; at <= last; ++at) {
        if (first != '?') {
            at = findEitherCase(name, at, last, first);
            if (at < 0)
                return -1;
        }
        if (segmentMatchesAt(name, at, segment))
            return at;
    }
    return -1;
}

} // namespace

QString SymbolPattern::expression(const QString &pattern)
{
    QString text = pattern.startsWith(QLatin1Char('*')) ? pattern : QLatin1Char('^') + pattern;
    text.replace(QLatin1Char('*'), QLatin1String(".*"));
    text.replace(QLatin1Char('?'), QLatin1Char('.'));
    return text;
}

SymbolPattern::SymbolPattern(const QString &pattern)
{
    if (pattern.isEmpty() || pattern == QLatin1String("*"))
        return;
    // Plain patterns keep the expression too, for names that hold line breaks.
    m_regex.setPattern(expression(pattern));
    m_regex.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
    if (!m_regex.isValid()) {
        m_kind = Kind::Invalid;
        m_error = m_regex.errorString();
        return;
    }
    bool plain = true;
    for (QChar c : pattern)
        plain = plain && isPlainPatternChar(c);
    m_kind = plain ? Kind::Plain : Kind::Expression;
    if (!plain)
        return;
    m_anchored = !pattern.startsWith(QLatin1Char('*'));
    for (const QString &part : pattern.split(QLatin1Char('*')))
        m_segments.push_back(part.toLower().toLatin1());
}

bool SymbolPattern::hasLineBreakBytes(QByteArrayView name)
{
    for (char c : name) {
        if (uchar(c) < 0x20 || uchar(c) == 0x85)
            return true;
    }
    return false;
}

bool SymbolPattern::matches(QByteArrayView name) const
{
    if (m_kind == Kind::Plain && hasLineBreakBytes(name))
        return matchExpression(name);
    return matchesPlainName(name);
}

bool SymbolPattern::matchesPlainName(QByteArrayView name) const
{
    switch (m_kind) {
    case Kind::Everything:
        return true;
    case Kind::Plain:
        return matchWildcards(name);
    case Kind::Expression:
        return matchExpression(name);
    case Kind::Invalid:
        break;
    }
    return false;
}

// Each segment at its leftmost place after the one before: if any placement matches, this one
// does, since a segment placed earlier leaves the most room for the rest.
bool SymbolPattern::matchWildcards(QByteArrayView name) const
{
    qsizetype at = 0;
    for (size_t i = 0; i < m_segments.size(); ++i) {
        const QByteArray &segment = m_segments[i];
        if (i == 0 && m_anchored) {
            if (segment.size() > name.size() || !segmentMatchesAt(name, 0, segment))
                return false;
            at = segment.size();
            continue;
        }
        const qsizetype found = findSegment(name, at, segment);
        if (found < 0)
            return false;
        at = found + segment.size();
    }
    return true;
}

bool SymbolPattern::matchExpression(QByteArrayView name) const
{
    if (m_kind == Kind::Everything || m_kind == Kind::Invalid)
        return m_kind == Kind::Everything;
    return m_regex.match(QString::fromLatin1(name)).hasMatch();
}

} // namespace tesk::symbols
