#pragma once

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QStaticText>
#include <QString>

#include <optional>

namespace tesk::utilities {

// The single-line texts one table has drawn, laid out once and shared by all its items. A
// text is laid out only when it is drawn a second time: a text drawn once (a value that
// changes on every update) is cheaper drawn directly than laid out for a reuse that never
// comes. The number of texts is bounded, so a table scrolled from end to end keeps no more
// than a few pages of layouts, whatever its size.
class TableTextCache
{
public:
    // The layout of the text in the font, or null while it is better drawn directly.
    const QStaticText *layout(const QString &text, const QFont &font)
    {
        useFont(font);
        Entry &entry = find(text);
        if (entry.layout)
            return &*entry.layout;
        if (++entry.sightings < 2)
            return nullptr;
        entry.layout.emplace(text);
        entry.layout->setTextFormat(Qt::PlainText);
        entry.layout->prepare(QTransform(), m_font);
        return &*entry.layout;
    }

    // The text's alignment, worked out by `measure` the first time it is asked for.
    template<typename Measure>
    int alignment(const QString &text, Measure measure)
    {
        Entry &entry = find(text);
        if (entry.alignment == 0)
            entry.alignment = measure(text);
        return entry.alignment;
    }

    // Metrics of the font of the last layout asked for.
    const QFontMetrics &metrics() const { return m_metrics; }

private:
    struct Entry
    {
        std::optional<QStaticText> layout;
        int alignment = 0;
        int sightings = 0;
    };

    // Some pages of a large view; past that the layouts start over.
    static constexpr int kMaxTexts = 4096;

    void useFont(const QFont &font)
    {
        if (m_font.isCopyOf(font))
            return;
        if (m_font != font)
            m_entries.clear();
        m_font = font;
        m_metrics = QFontMetrics(font);
    }

    Entry &find(const QString &text)
    {
        auto it = m_entries.find(text);
        if (it != m_entries.end())
            return *it;
        if (m_entries.size() >= kMaxTexts)
            m_entries.clear();
        return *m_entries.insert(text, Entry());
    }

    QHash<QString, Entry> m_entries;
    QFont m_font;
    QFontMetrics m_metrics{QFont()};
};

} // namespace tesk::utilities
