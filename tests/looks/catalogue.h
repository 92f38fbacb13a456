#pragma once

// The translations a compiled catalogue (.qm) holds, read as the toolkit stores them, so that
// the check can tell a text shown in English that the catalogue has in German.

#include <QHash>
#include <QSet>
#include <QString>

namespace looks {

class Catalogue
{
public:
    // Adds the file's source texts with their translations; false when it cannot be read.
    bool read(const QString &fileName);
    // The translation of the source text, or a null string when the catalogue has none or it
    // reads the same.
    QString other(const QString &source) const;
    // Whether the text is a translation the catalogue holds.
    bool isTranslation(const QString &text) const { return m_targets.contains(text); }
    // Whether the catalogue holds a translation of the source text in that context.
    bool has(const QString &context, const QString &source) const
    {
        return m_entries.contains(context + QLatin1Char('\x04') + source);
    }
    // Whether the catalogue gives the text in German as it reads in English.
    bool readsTheSame(const QString &text) const { return m_same.contains(text); }
    int size() const { return int(m_translations.size()); }

private:
    void readMessages(const QByteArray &block);
    QHash<QString, QString> m_translations;
    QSet<QString> m_targets;
    QSet<QString> m_entries;
    QSet<QString> m_same;
};

} // namespace looks
