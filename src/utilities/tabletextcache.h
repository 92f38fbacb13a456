#pragma once

#include "utilities/asciiline.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QStaticText>
#include <QString>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace tesk::utilities {

// The single-line texts one table has drawn, laid out once and shared by all its items. A
// text is laid out only when it is drawn a second time: a text drawn once (a value that
// changes on every update) is cheaper drawn directly than laid out for a reuse that never
// comes. The number of texts is bounded, so a table scrolled from end to end keeps no more
// than a few pages of layouts for each of the few fonts it paints with, whatever its size.
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
        return &laidOut(entry, text);
    }

    // The layout of a text seen before (counted by its holder), laid out now if need be.
    const QStaticText *layoutNow(const QString &text, const QFont &font)
    {
        useFont(font);
        Entry &entry = find(text);
        return entry.layout ? &*entry.layout : &laidOut(entry, text);
    }

    // Makes the font the one lineMetrics() answers for.
    void useFont(const QFont &font)
    {
        if (!m_fonts.empty() && m_fonts[m_current].font.isCopyOf(font))
            return;
        chooseFont(font);
    }

    // What a single line in the font last used needs of its room.
    struct LineMetrics
    {
        qreal ascent = 0;
        qreal height = 0;
        // The advance of each printable ASCII character.
        std::array<qreal, 95> advances{};

        // At least the width of the text when it is all printable ASCII, else -1.
        qreal widthBound(const QString &text) const
        {
            qreal width = 0;
            for (const QChar ch : text) {
                const char16_t u = ch.unicode();
                if (u < 0x20 || u > 0x7e)
                    return -1;
                width += advances[u - 0x20];
            }
            // Kerning and rounding move a line by less than this.
            return width + height / 4;
        }
    };
    const LineMetrics &lineMetrics() const { return m_fonts[m_current].metrics; }

    // Draws single lines of the font last used as glyph runs.
    AsciiLine &asciiLine()
    {
        FontTexts &texts = m_fonts[m_current];
        if (!texts.ascii)
            texts.ascii = AsciiLine::forFont(texts.font);
        return *texts.ascii;
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

private:
    struct Entry
    {
        std::optional<QStaticText> layout;
        int alignment = 0;
        int sightings = 0;
    };
    struct FontTexts
    {
        FontTexts(const QFont &f)
            : font(f)
        {
            const QFontMetricsF fm(f);
            metrics.ascent = fm.ascent();
            metrics.height = fm.ascent() + fm.descent();
            for (size_t i = 0; i < metrics.advances.size(); ++i)
                metrics.advances[i] = fm.horizontalAdvance(QChar(char16_t(0x20 + i)));
        }
        QFont font;
        LineMetrics metrics;
        QHash<QString, Entry> entries;
        std::shared_ptr<AsciiLine> ascii;
    };

    // Some pages of a large view; past that the layouts of the font start over.
    static constexpr int kMaxTexts = 4096;
    // A table paints with a few fonts at most (plain and bold, say); each keeps its layouts.
    static constexpr size_t kMaxFonts = 4;

    QStaticText &laidOut(Entry &entry, const QString &text)
    {
        entry.layout.emplace(text);
        entry.layout->setTextFormat(Qt::PlainText);
        entry.layout->prepare(QTransform(), m_fonts[m_current].font);
        return *entry.layout;
    }

    void chooseFont(const QFont &font)
    {
        for (size_t i = 0; i < m_fonts.size(); ++i) {
            if (m_fonts[i].font.isCopyOf(font) || m_fonts[i].font == font) {
                // Kept as a copy of the painter's font, which compares at once next time.
                m_fonts[i].font = font;
                m_current = i;
                return;
            }
        }
        if (m_fonts.size() < kMaxFonts) {
            m_fonts.emplace_back(font);
            m_current = m_fonts.size() - 1;
            return;
        }
        m_current = (m_current + 1) % kMaxFonts;
        m_fonts[m_current] = FontTexts(font);
    }

    Entry &find(const QString &text)
    {
        if (m_fonts.empty())
            m_fonts.emplace_back(QFont());
        QHash<QString, Entry> &entries = m_fonts[m_current].entries;
        auto it = entries.find(text);
        if (it != entries.end())
            return *it;
        if (entries.size() >= kMaxTexts)
            entries.clear();
        return *entries.insert(text, Entry());
    }

    std::vector<FontTexts> m_fonts;
    size_t m_current = 0;
};

} // namespace tesk::utilities
