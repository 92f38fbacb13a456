#include "frame/core/visualsettings.h"

#include "frame/core/toolkittext.h"

#include <QApplication>

#include <memory>

namespace {

std::unique_ptr<QFont> &chosenFixedFont()
{
    static std::unique_ptr<QFont> font;
    return font;
}

QFont courierAt(int pointSize)
{
    QFont font(tesk::core::keptByToolkit("Courier New"), pointSize);
    // Machines without that family still get a fixed-pitch one.
    font.setStyleHint(QFont::TypeWriter);
    return font;
}

} // namespace

QFont cuiFixedFont()
{
    if (const std::unique_ptr<QFont> &font = chosenFixedFont())
        return *font;
    return courierAt(QApplication::font().pointSize());
}

void cuiSetFixedFont(const QFont &font)
{
    chosenFixedFont() = std::make_unique<QFont>(font);
}

void cuiResetFixedFont()
{
    chosenFixedFont().reset();
}

VisualSettings::VisualSettings(const QPalette &palette, const QFont &font)
{
    m_colours << QColor(Qt::black) << QColor(Qt::white) << palette.color(QPalette::Highlight)
              << QColor(Qt::yellow) << QColor(Qt::lightGray) << QColor(Qt::red) << QColor(Qt::blue)
              << QColor(0, 150, 255);
    QFont fixed = chosenFixedFont() ? *chosenFixedFont() : courierAt(font.pointSize());
    fixed.setFixedPitch(true);
    m_fonts << font << fixed;
}
