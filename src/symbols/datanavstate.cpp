#include "symbols/datanavstate.h"

#include <QRegularExpression>
#include <QStringList>

namespace tesk::symbols {

namespace {

const QString kAny = QStringLiteral("*");
const QLatin1Char kSeparator('\\');
const QLatin1String kFilterKey("global_filter");

QString orAny(const QString &pattern)
{
    return pattern.isEmpty() ? kAny : pattern;
}

// The decimal number of a field, or nothing.
std::optional<int> version(const QString &field)
{
    bool ok = false;
    const int value = field.toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// Where the quoted filter ends: at the last quote followed by the end or by an entry's key.
// Only the filter may hold quotes, so a quote inside it is never taken for its end.
qsizetype closingQuote(const QString &body, qsizetype from)
{
    static const QRegularExpression nextEntry(QStringLiteral("\\A:+(?:[A-Za-z_]+=|\\z)"));
    for (qsizetype at = body.lastIndexOf(QLatin1Char('"')); at >= from;
         at = at > 0 ? body.lastIndexOf(QLatin1Char('"'), at - 1) : -1) {
        if (at + 1 == body.size() || nextEntry.match(QStringView(body).mid(at + 1)).hasMatch())
            return at;
    }
    return -1;
}

std::vector<StateEntry> readEntries(const QString &body)
{
    std::vector<StateEntry> entries;
    qsizetype at = 0;
    while (at < body.size()) {
        if (body[at] == QLatin1Char(':')) {
            ++at;
            continue;
        }
        qsizetype end = body.indexOf(QLatin1Char(':'), at);
        if (end < 0)
            end = body.size();
        const QString key = body.mid(at, end - at).section(QLatin1Char('='), 0, 0);
        const qsizetype valueAt = at + key.size() + 1;
        if (key == kFilterKey && valueAt < body.size() && body[valueAt] == QLatin1Char('"')) {
            // A filter cut short (a short buffer) has no closing quote: take what there is.
            const qsizetype close = closingQuote(body, valueAt + 1);
            const qsizetype stop = close < 0 ? body.size() : close;
            entries.emplace_back(key, body.mid(valueAt + 1, stop - valueAt - 1));
            at = close < 0 ? body.size() : close + 1;
            continue;
        }
        QString value = body.mid(at, end - at).section(QLatin1Char('='), 1, 1);
        if (key == kFilterKey)
            value = value.size() >= 2 ? value.mid(1, value.size() - 2) : QString();
        entries.emplace_back(key, value);
        at = end;
    }
    return entries;
}

} // namespace

NavPatterns readPatterns(const QString &filter, bool symbolOnly)
{
    NavPatterns patterns;
    if (symbolOnly) {
        patterns.symbol = filter.trimmed();
        return patterns;
    }
    const QStringList parts = filter.split(kSeparator);
    const qsizetype n = parts.size();
    patterns.symbol = orAny(parts[n - 1]);
    if (n >= 2)
        patterns.module = orAny(parts[n - 2]);
    if (n >= 3)
        patterns.image = orAny(parts[n - 3]);
    return patterns;
}

QString writePatterns(const NavPatterns &patterns, bool symbolOnly)
{
    if (symbolOnly)
        return patterns.symbol;
    return patterns.image + kSeparator + patterns.module + kSeparator + patterns.symbol;
}

QString withPattern(const QString &filter, bool symbolOnly, int part, const QString &pattern)
{
    NavPatterns patterns = readPatterns(filter, symbolOnly);
    QString *const parts[] = {&patterns.image, &patterns.module, &patterns.symbol};
    if (part < 0 || part > 2)
        return filter;
    *parts[part] = pattern;
    return writePatterns(patterns, symbolOnly);
}

std::optional<std::vector<StateEntry>> readStateText(const QByteArray &text)
{
    const QString all = QString::fromLatin1(text);
    const QStringList fields = all.split(QLatin1Char(':'));
    if (fields.size() < 2)
        return std::nullopt;
    QString body;
    std::optional<int> v;
    if (fields[0].isEmpty() && (v = version(fields[1]))) {
        // The pane's own text: ":1:entries".
        body = all.mid(fields[0].size() + fields[1].size() + 2);
    } else if (fields.size() >= 3 && (v = version(fields[2]))) {
        // Framed by the host: "field:" before the pane's text and one character after it.
        body = all.mid(fields[0].size() + fields[1].size() + fields[2].size() + 3);
        body.chop(1);
    }
    if (!v || *v != 1)
        return std::nullopt;
    return readEntries(body);
}

} // namespace tesk::symbols
