#pragma once
// The colours and fonts that the views share.

#include <QColor>
#include <QFont>
#include <QList>

class KGc_Style
{
public:
    // Made on first use: the application font, then the fixed-pitch value font.
    static KGc_Style *instance();

    const QList<QColor> &colours() const { return m_colours; }
    const QList<QFont> &fonts() const { return m_fonts; }

private:
    KGc_Style();

    QList<QColor> m_colours;
    QList<QFont> m_fonts;
};
