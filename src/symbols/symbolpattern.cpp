#include "symbols/symbolpattern.h"

#include <algorithm>
#include <array>
#include <cstring>

#include <emmintrin.h>

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

// One pattern character as a byte test: (byte | fold) == value. A letter ignores case (only
// its two cases give the value with 0x20 set), '?' takes any byte, anything else itself.
struct ByteTest
{
    uchar fold;
    uchar value;
    explicit ByteTest(uchar p)
        : fold(p == '?'                 ? 0xff
               : (p >= 'a' && p <= 'z') ? 0x20
                                        : 0)
        , value(p == '?' ? 0xff : p)
    {
    }
    bool operator()(uchar b) const { return uchar(b | fold) == value; }
};

// Bits of the 16 positions from `at` whose byte passes the test.
unsigned testBlock(const char *at, const ByteTest &t)
{
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i *>(at));
    const __m128i folded = _mm_or_si128(bytes, _mm_set1_epi8(char(t.fold)));
    return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(folded, _mm_set1_epi8(char(t.value)))));
}

// The first position at or after `from` where the segment matches, or -1. Candidates are found
// sixteen positions at a time by the segment's first two characters, so that long (mangled)
// names full of the first character alone cost little.
qsizetype findSegment(QByteArrayView name, qsizetype from, const QByteArray &segment)
{
    const qsizetype last = name.size() - segment.size();
    if (segment.isEmpty())
        return from <= name.size() ? from : -1;
    const ByteTest first{uchar(segment[0])};
    const bool pair = segment.size() > 1;
    const ByteTest second{pair ? uchar(segment[1]) : uchar('?')};
    const char *base = name.data();
    qsizetype at = from;
    // Blocks whose loads (at and at + 1, sixteen bytes each) stay inside the name.
    for (; at <= last && at + 17 <= name.size(); at += 16) {
        unsigned hits = testBlock(base + at, first);
        if (pair && hits)
            hits &= testBlock(base + at + 1, second);
        while (hits) {
            const qsizetype candidate = at + __builtin_ctz(hits);
            if (candidate > last)
                return -1;
            if (segmentMatchesAt(name, candidate, segment))
                return candidate;
            hits &= hits - 1;
        }
    }
    // The rest of a name of a block or more: one more block, ending where the name ends and
    // overlapping what was searched, rather than a byte at a time.
    if (at <= last && name.size() >= 17 && at - (name.size() - 17) < 16) {
        const qsizetype window = name.size() - 17;
        unsigned hits = testBlock(base + window, first);
        if (pair && hits)
            hits &= testBlock(base + window + 1, second);
        hits &= ~0u << (at - window);
        while (hits) {
            const qsizetype candidate = window + __builtin_ctz(hits);
            if (candidate > last)
                return -1;
            if (segmentMatchesAt(name, candidate, segment))
                return candidate;
            hits &= hits - 1;
        }
        at = window + 16;
    }
    for (; at <= last; ++at) {
        if (first(uchar(base[at])) && segmentMatchesAt(name, at, segment))
            return at;
    }
    return -1;
}

// A backslash separates the filter's parts, so it can be written neither escaped nor in
// brackets: it is matched as the one character outside ']' to '~', ' ' to '[', the control
// characters and everything beyond ASCII. The class is printable ASCII itself, since it lands
// in the filter line and in the pane's state text.
QString backslashClass()
{
    return QStringLiteral("[^]-~ -[[:cntrl:][:^ascii:]]");
}

} // namespace

QString SymbolPattern::expression(const QString &pattern)
{
    QString text;
    text.reserve(pattern.size() * 2 + 1);
    if (!pattern.startsWith(QLatin1Char('*')))
        text += QLatin1Char('^');
    // Wildcards inside a bracket expression are the characters themselves.
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern[i];
        if (c == QLatin1Char('*')) {
            text += QLatin1String(".*");
        } else if (c == QLatin1Char('?')) {
            text += QLatin1Char('.');
        } else if (c == QLatin1Char('\\') && i + 1 < pattern.size()) {
            text += c;
            text += pattern[++i];
        } else if (c == QLatin1Char('[')) {
            qsizetype end = i + 1;
            if (end < pattern.size() && pattern[end] == QLatin1Char('^'))
                ++end;
            if (end < pattern.size() && pattern[end] == QLatin1Char(']'))
                ++end;
            while (end < pattern.size() && pattern[end] != QLatin1Char(']'))
                end += pattern[end] == QLatin1Char('\\') ? 2 : 1;
            // An unclosed bracket is left for the expression engine to refuse.
            end = std::min(end, pattern.size() - 1);
            text += pattern.mid(i, end - i + 1);
            i = end;
        } else {
            text += c;
        }
    }
    return text;
}

QString SymbolPattern::literal(const QString &name)
{
    QString text;
    text.reserve(name.size());
    for (QChar c : name) {
        if (c == QLatin1Char('\\'))
            text += backslashClass();
        else if (c == QLatin1Char(']'))
            text += QLatin1String("[]]");
        else if (c == QLatin1Char('^'))
            // A caret cannot stand alone in brackets without a backslash, which separates the
            // filter's parts: "]" keeps it company.
            text += QLatin1String("[]^]");
        else if (c == QLatin1Char('*') || c == QLatin1Char('?') || !isPlainPatternChar(c))
            text += QLatin1Char('[') + c + QLatin1Char(']');
        else
            text += c;
    }
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
    // An anchored pattern is quickly refused name by name; a key starting with '?' would find
    // every byte.
    qsizetype longest = 0;
    for (size_t i = 0; i < m_segments.size() && !m_anchored; ++i) {
        const QByteArray &segment = m_segments[i];
        if (segment.size() > longest && !segment.startsWith('?')) {
            longest = segment.size();
            m_keySegment = int(i);
        }
    }
    // "*task" and "*task*": the key found is the match.
    m_keyDecides = m_keySegment == 1 &&
                   (m_segments.size() == 2 || (m_segments.size() == 3 && m_segments[2].isEmpty()));
}

qsizetype SymbolPattern::findKeySegment(QByteArrayView buffer, qsizetype from) const
{
    return findSegment(buffer, from, m_segments[size_t(m_keySegment)]);
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
    // The engine answers an invalid match, not "no match", when it runs out of its limits.
    const QRegularExpressionMatch match = m_regex.match(QString::fromLatin1(name));
    if (!match.isValid())
        m_gaveUp.store(true, std::memory_order_relaxed);
    return match.hasMatch();
}

} // namespace tesk::symbols
