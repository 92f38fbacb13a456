#pragma once
// The navigator's search pattern: "*" stands for any run of characters and "?" for one; the
// pattern is anchored at the start unless it begins with "*", and matches when found there or
// later (a search, not a whole-name match); case is ignored. Every other character keeps its
// regular-expression meaning, so "a+b" is an expression.
//
// Typing a pattern searches a million names per keystroke, so patterns made only of plain
// characters and wildcards are matched directly on the 8-bit names; the rest go through the
// regular expression. Both give the same answers (the fuzz target holds them to it).

#include <QByteArray>
#include <QByteArrayView>
#include <QRegularExpression>
#include <QString>

#include <atomic>
#include <vector>

namespace tesk::symbols {

class SymbolPattern
{
public:
    enum class Kind { Everything, Plain, Expression, Invalid };

    explicit SymbolPattern(const QString &pattern = QString());

    // The regular expression a pattern stands for: "ma*" gives "^ma.*", "*ma" gives ".*ma".
    static QString expression(const QString &pattern);
    // A pattern that the name itself matches: its wildcard and expression characters are put
    // in brackets ("libstdc++" gives "libstdc[+][+]"); a name without them stays as it is.
    static QString literal(const QString &name);

    Kind kind() const { return m_kind; }
    bool matchesEverything() const { return m_kind == Kind::Everything; }
    // An invalid expression ("operator(") matches nothing; this says why.
    QString errorString() const { return m_error; }

    // The name as 8-bit (Latin-1) text.
    bool matches(QByteArrayView name) const;
    // The same, for a name the caller knows to hold no line-break or control byte.
    bool matchesPlainName(QByteArrayView name) const;

    // A run of characters every matching name holds (the longest of a plain pattern's parts),
    // so that a search can look for it through many names packed together and test only the
    // names it turns up in. False when the pattern has none worth looking for.
    bool hasKeySegment() const { return m_keySegment >= 0; }
    // The first position at or after `from` where the key segment is found, or -1.
    qsizetype findKeySegment(QByteArrayView buffer, qsizetype from) const;
    // Whether the key segment found inside a name (of no line-break byte) is the whole match.
    bool keySegmentDecides() const { return m_keyDecides; }
    qsizetype keySegmentSize() const { return m_segments[size_t(m_keySegment)].size(); }

    // Whether the expression engine gave up on a name (too much backtracking) since the pattern
    // was made: that name counted as not matching, so a list may lack names it should show.
    bool engineGaveUp() const { return m_gaveUp.load(std::memory_order_relaxed); }

    // Whether a name holds a byte that a regular expression's "." does not match.
    static bool hasLineBreakBytes(QByteArrayView name);

private:
    bool matchWildcards(QByteArrayView name) const;
    bool matchExpression(QByteArrayView name) const;

    Kind m_kind = Kind::Everything;
    bool m_anchored = false;
    std::vector<QByteArray> m_segments; // lower case, '?' for any one character
    int m_keySegment = -1;
    bool m_keyDecides = false;
    QRegularExpression m_regex;
    QString m_error;
    // Names are matched from several threads at once.
    mutable std::atomic<bool> m_gaveUp{false};
};

} // namespace tesk::symbols
