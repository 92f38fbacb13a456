#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPalette>

// The process-wide fixed-pitch font of values: the host's choice once it made one, else
// "Courier New" at the size of the application's font.
QFont cuiFixedFont();
void cuiSetFixedFont(const QFont &font);
// Forgets the host's choice (tests).
void cuiResetFixedFont();

// The colours and fonts of one view, fixed when it is built.
class VisualSettings
{
public:
    enum Colour { Black, White, Highlight, Yellow, LightGray, Red, Blue, Sky, ColourCount };
    enum Font { LabelFont, FixedFont, FontCount };

    VisualSettings(const QPalette &palette, const QFont &font);

    QColor colour(int index) const { return m_colours.value(index); }
    QFont font(int index) const { return m_fonts.value(index); }

private:
    QList<QColor> m_colours;
    QList<QFont> m_fonts;
};
