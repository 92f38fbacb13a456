#include "gui_components/gc_panes/views/kgc_style.h"

#include "frame/core/framelink.h"

#include <QApplication>

KGc_Style::KGc_Style()
{
    QFont fixed = tesk::frame::fixedFont();
    fixed.setFixedPitch(true);
    m_fonts << QApplication::font() << fixed;
}

KGc_Style *KGc_Style::instance()
{
    static KGc_Style style;
    return &style;
}
