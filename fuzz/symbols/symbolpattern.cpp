// The navigator's search pattern against the regular expression it stands for: the direct
// wildcard matcher must answer as the expression does. Input: the pattern, a line feed, the
// 8-bit name.
//
// The expression is only a fair judge while its backtracking stays inside the engine's match
// limit: many wildcards over a long name make it give up and answer "no match" where there is
// one (crashes/symbolpattern holds such an input). Those inputs are still run, not compared.
#include "symbols/symbolpattern.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype split = input.indexOf('\n');
    if (split < 0)
        return 0;
    const QString patternText = QString::fromLatin1(input.first(split));
    const QByteArrayView name = input.sliced(split + 1);
    const tesk::symbols::SymbolPattern pattern(patternText);
    const bool answer = pattern.matches(name);
    if (pattern.kind() == tesk::symbols::SymbolPattern::Kind::Invalid) {
        if (answer)
            std::abort();
        return 0;
    }
    const qsizetype wildcards = patternText.count(QLatin1Char('*'));
    if (wildcards > 4 || (wildcards > 1 && name.size() > 64))
        return 0;
    bool expected = true;
    if (!pattern.matchesEverything()) {
        const QRegularExpression regex(tesk::symbols::SymbolPattern::expression(patternText),
                                       QRegularExpression::CaseInsensitiveOption);
        expected = regex.match(QString::fromLatin1(name)).hasMatch();
    }
    if (answer != expected)
        std::abort();
    return 0;
}
