#pragma once
// The data navigator's texts without its widgets: the three patterns of the filter line and the
// state text the host stores and hands back.

#include <QByteArray>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

namespace tesk::symbols {

struct NavPatterns
{
    QString image = QStringLiteral("*");
    QString module = QStringLiteral("*");
    QString symbol = QStringLiteral("*");
};

// Reads "image\module\symbol" (parts further left are ignored, missing or empty ones are "*").
// With symbolOnly (the function picker) the whole text, trimmed, is the symbol pattern.
NavPatterns readPatterns(const QString &filter, bool symbolOnly);
QString writePatterns(const NavPatterns &patterns, bool symbolOnly);
// The part: 0 image, 1 module, 2 symbol; any other leaves the filter as it is.
QString withPattern(const QString &filter, bool symbolOnly, int part, const QString &pattern);

using StateEntry = std::pair<QString, QString>;

// The entries (key, value) of a state text of version 1, in order; none for another version or
// a text that is no state text. Two forms are read: the pane's own (":1:" and the entries) and
// the same framed by the host (a field and ":" before it, one character after it). The filter
// is taken from between its quotes, so ":" and "=" in it survive.
std::optional<std::vector<StateEntry>> readStateText(const QByteArray &text);

} // namespace tesk::symbols
