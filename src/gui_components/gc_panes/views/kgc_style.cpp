#include "gui_components/gc_panes/views/kgc_style.h"

#include "frame/core/visualsettings.h"

#include <QApplication>

KGc_Style::KGc_Style()
{
    QFont fixed = cuiFixedFont();
    fixed.setFixedPitch(true);
    m_fonts << QApplication::font() << fixed;
}

KGc_Style *KGc_Style::instance()
{
    static KGc_Style style;
    return &style;
}
