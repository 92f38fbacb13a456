#include "utilities/asciiline.h"

#include <QPainter>
#include <QString>
#include <QTextLayout>

#include <cmath>
#include <limits>
#include <utility>

namespace tesk::utilities {

namespace {

constexpr float kUnknown = std::numeric_limits<float>::quiet_NaN();
constexpr float kUnusable = std::numeric_limits<float>::infinity();

struct Line
{
    qreal ascent = 0;
    qreal height = 0;
    qreal width = 0;
    qreal descent = 0;
};

// The glyph runs the toolkit lays the text out in, in one line from the origin. The width is the
// line's advance, by which the painter aligns, not its natural width, which takes in the part of
// a last glyph that overhangs ("f"). Trailing spaces count in it: a space's advance is learnt
// alone.
QList<QGlyphRun> laidOut(const QString &text, const QFont &font, Line *measured)
{
    QTextLayout layout(text, font);
    layout.setCacheEnabled(false);
    QTextOption option = layout.textOption();
    option.setFlags(option.flags() | QTextOption::IncludeTrailingSpaces);
    layout.setTextOption(option);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    if (!line.isValid())
        return {};
    *measured = {line.ascent(), line.height(), line.horizontalAdvance(), line.descent()};
    return layout.glyphRuns();
}

} // namespace

AsciiLine::AsciiLine(const QFont &font)
    : m_font(font)
    , m_steps(size_t(kChars * kChars), kUnknown)
{
    // Decorations are drawn by the text layout, not with the glyphs; a change of case changes
    // the glyphs.
    if (font.underline() || font.overline() || font.strikeOut() ||
        font.capitalization() != QFont::MixedCase)
        m_known.fill(-1);
}

namespace {

// Never destroyed with the statics: the raw fonts would be let go after the application took
// the font engines down. forgetFonts lets them go while it is there.
std::vector<std::shared_ptr<AsciiLine>> *g_kept = nullptr;

} // namespace

void AsciiLine::forgetFonts()
{
    delete std::exchange(g_kept, nullptr);
}

std::shared_ptr<AsciiLine> AsciiLine::forFont(const QFont &font)
{
    // A view paints with a few fonts; a font that comes back after eight others is learnt anew.
    if (!g_kept)
        g_kept = new std::vector<std::shared_ptr<AsciiLine>>;
    auto &kept = *g_kept;
    static constexpr size_t kMaxFonts = 8;
    // Fonts compare equal across devices of different resolution: the pixel size tells them
    // apart.
    const qreal pixels = QRawFont::fromFont(font).pixelSize();
    for (const auto &line : kept) {
        if (line->m_font == font && QRawFont::fromFont(line->m_font).pixelSize() == pixels)
            return line;
    }
    if (kept.size() >= kMaxFonts)
        kept.erase(kept.begin());
    kept.push_back(std::make_shared<AsciiLine>(font));
    return kept.back();
}

bool AsciiLine::learnGlyph(int ch)
{
    Line line;
    const QList<QGlyphRun> runs = laidOut(QString(QChar(char16_t(0x20 + ch))), m_font, &line);
    m_known[size_t(ch)] = -1;
    if (runs.size() != 1 || runs[0].glyphIndexes().size() != 1)
        return false;
    const QGlyphRun &run = runs[0];
    if (run.positions()[0] != QPointF(0, line.ascent) || run.glyphIndexes()[0] == 0)
        return false;
    // Every glyph comes from the one font: a character the font lacks is drawn from another.
    if (!m_haveRawFont) {
        m_run.setRawFont(run.rawFont());
        m_haveRawFont = true;
        m_ascent = line.ascent;
        m_lineHeight = line.height;
        // The rectangle form centres by the line's ascent and descent, not by its height,
        // which is rounded up to whole pixels.
        m_exactHeight = line.ascent + line.descent;
    } else if (run.rawFont() != m_run.rawFont()) {
        return false;
    }
    m_glyphs[size_t(ch)] = run.glyphIndexes()[0];
    m_advances[size_t(ch)] = float(line.width);
    m_known[size_t(ch)] = 1;
    return true;
}

float AsciiLine::learnStep(int first, int second)
{
    float &step = m_steps[size_t(first * kChars + second)];
    step = kUnusable;
    Line line;
    const QChar chars[2] = {QChar(char16_t(0x20 + first)), QChar(char16_t(0x20 + second))};
    const QString pair(chars, 2);
    const QList<QGlyphRun> runs = laidOut(pair, m_font, &line);
    if (runs.size() != 1 || runs[0].rawFont() != m_run.rawFont())
        return step;
    const QList<quint32> glyphs = runs[0].glyphIndexes();
    const QList<QPointF> positions = runs[0].positions();
    // Kerning moves the second glyph along the line; anything else (a ligature, a glyph
    // chosen by its neighbour, a mark raised) is left to the text layout.
    if (glyphs.size() != 2 || glyphs[0] != m_glyphs[size_t(first)] ||
        glyphs[1] != m_glyphs[size_t(second)] || positions[0] != QPointF(0, line.ascent) ||
        positions[1].y() != line.ascent)
        return step;
    step = float(positions[1].x());
    return step;
}

qreal AsciiLine::place(const QString &text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return 0;
    m_glyphScratch.resize(size_t(n));
    m_positionScratch.resize(size_t(n));
    qreal x = 0;
    int previous = -1;
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t u = text[i].unicode();
        if (u < 0x20 || u > 0x7e)
            return -1;
        const int ch = u - 0x20;
        if (m_known[size_t(ch)] == 0)
            learnGlyph(ch);
        if (m_known[size_t(ch)] < 0)
            return -1;
        if (previous >= 0) {
            float step = m_steps[size_t(previous * kChars + ch)];
            if (std::isnan(step))
                step = learnStep(previous, ch);
            if (std::isinf(step))
                return -1;
            x += qreal(step);
        }
        m_glyphScratch[size_t(i)] = m_glyphs[size_t(ch)];
        m_positionScratch[size_t(i)] = QPointF(x, 0);
        previous = ch;
    }
    return x + qreal(m_advances[size_t(previous)]);
}

qreal AsciiLine::width(const QString &text)
{
    return place(text);
}

bool AsciiLine::draw(QPainter *p, const QPointF &origin, const QString &text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return true;
    if (place(text) < 0)
        return false;
    m_run.setRawData(m_glyphScratch.data(), m_positionScratch.data(), int(n));
    p->drawGlyphRun(origin, m_run);
    return true;
}

bool AsciiLine::drawAligned(QPainter *p, const QRectF &room, Qt::Alignment align,
                            const QString &text)
{
    const qsizetype n = text.size();
    if (n == 0)
        return true;
    if ((align & (Qt::AlignRight | Qt::AlignHCenter)) && text.back() == QLatin1Char(' '))
        return false;
    const qreal width = place(text);
    if (width < 0 || width > room.width() || m_exactHeight > room.height())
        return false;
    m_run.setRawData(m_glyphScratch.data(), m_positionScratch.data(), int(n));
    p->drawGlyphRun(alignedBaseline(room, align, width, m_exactHeight, m_ascent), m_run);
    return true;
}

QPointF alignedBaseline(const QRectF &room, Qt::Alignment align, qreal width, qreal height,
                        qreal ascent)
{
    qreal x = room.left();
    if (align & Qt::AlignRight)
        x = room.right() - width;
    else if (align & Qt::AlignHCenter)
        x = room.left() + (room.width() - width) / 2;
    qreal top = room.top();
    if (align & Qt::AlignBottom)
        top = room.bottom() - height;
    else if (align & Qt::AlignVCenter)
        top = room.top() + (room.height() - height) / 2;
    return QPointF(x, top + ascent);
}

} // namespace tesk::utilities
