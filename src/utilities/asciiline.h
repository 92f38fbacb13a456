#pragma once

#include <QFont>
#include <QGlyphRun>
#include <QPointF>
#include <QRawFont>
#include <QRectF>

#include <array>
#include <memory>
#include <vector>

class QPainter;
class QString;

namespace tesk::utilities {

// Draws single lines of printable ASCII in one font where the painter's drawText(QPointF,
// QString) would put them, without laying each text out anew: the glyph of each character and
// the step from one character to the next are learnt once per pair from the toolkit's own text
// layout, and a text is then drawn as a run of those glyphs. A text that changes on every
// update (a memory view's bytes) costs about half as much drawn so.
class AsciiLine
{
public:
    explicit AsciiLine(const QFont &font);

    // The one of the font, shared by every table: learning the pairs costs a few layouts each,
    // which a view's tables would otherwise all pay. Painting happens on the GUI thread only.
    static std::shared_ptr<AsciiLine> forFont(const QFont &font);
    // Forgets every font learnt; the raw fonts need the application that made them.
    static void forgetFonts();

    // Draws the text from the baseline point; false, drawing nothing, where it could not put the
    // text exactly where the painter's own layout would (a character outside printable ASCII or
    // the font, a pair the font joins into one glyph).
    bool draw(QPainter *p, const QPointF &origin, const QString &text);

    // Draws the text where drawText(room, align | Qt::TextSingleLine, text) would put it, when it
    // fits the room; false, drawing nothing, where it does not fit or draw() would refuse it. A
    // right-aligned or centred text must not end in a blank: the painter's layout leaves trailing
    // blanks out of the width it aligns by.
    bool drawAligned(QPainter *p, const QRectF &room, Qt::Alignment align, const QString &text);

    // How far the text drawn so reaches from its origin, the width the painter's layout gives
    // it; negative where draw() would refuse it.
    qreal width(const QString &text);

    // The line the painter's layout puts a text of this font in: its height and the baseline's
    // place in it. Known once a character has been drawn or measured; zero before.
    qreal lineAscent() const { return m_ascent; }
    qreal lineHeight() const { return m_lineHeight; }

    const QFont &font() const { return m_font; }

private:
    static constexpr int kChars = 95; // printable ASCII, 0x20 to 0x7e

    bool learnGlyph(int ch);
    float learnStep(int first, int second);
    // Places the text's glyphs in the scratch arrays; the width, or negative where it can't.
    qreal place(const QString &text);

    QFont m_font;
    QGlyphRun m_run;
    bool m_haveRawFont = false;
    // Per character: 0 not tried yet, 1 known, -1 not drawable so.
    std::array<qint8, kChars> m_known{};
    std::array<quint32, kChars> m_glyphs{};
    std::array<float, kChars> m_advances{};
    qreal m_ascent = 0;
    qreal m_lineHeight = 0;
    qreal m_exactHeight = 0;
    // From a character's glyph to the next one's, per pair; kUnknown until learnt.
    std::vector<float> m_steps;
    std::vector<quint32> m_glyphScratch;
    std::vector<QPointF> m_positionScratch;
};

// Where QPainter::drawText(room, align | Qt::TextSingleLine, ...) puts the baseline origin of a
// line of this width and height that fits the room (Justify, Absolute and Baseline aside): the
// place to draw a measured line from without the layout that placing it would take.
QPointF alignedBaseline(const QRectF &room, Qt::Alignment align, qreal width, qreal height,
                        qreal ascent);

} // namespace tesk::utilities
