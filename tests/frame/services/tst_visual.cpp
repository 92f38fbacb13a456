// The fixed font from the host's font record, and the scheme of a view.
#include "frame/core/visualsettings.h"

#include <tesk/tesk_visual.h>

#include <QApplication>

#include <gtest/gtest.h>

#include <cstring>

namespace {

class FixedFontTest : public ::testing::Test
{
protected:
    void SetUp() override { m_appFont = QApplication::font(); }
    void TearDown() override
    {
        cuiResetFixedFont();
        QApplication::setFont(m_appFont);
    }

    static TeskFontRecord record(const char *face, int size, int bold, int italic)
    {
        TeskFontRecord r;
        std::memset(&r, 0, sizeof r);
        std::strncpy(r.face, face, sizeof r.face - 1);
        r.size = size;
        r.bold = bold;
        r.italic = italic;
        return r;
    }

    static void setAppPointSize(int size)
    {
        QFont font = QApplication::font();
        font.setPointSize(size);
        QApplication::setFont(font);
    }

    QFont m_appFont;
};

} // namespace

TEST_F(FixedFontTest, DefaultFollowsTheApplicationFontUntilTheHostChooses)
{
    setAppPointSize(13);
    EXPECT_EQ(cuiFixedFont().family(), QStringLiteral("Courier New"));
    EXPECT_EQ(cuiFixedFont().pointSize(), 13);
    setAppPointSize(9);
    EXPECT_EQ(cuiFixedFont().pointSize(), 9);

    const TeskFontRecord chosen = record("DejaVu Sans Mono", 11, 1, 0);
    CuiVisualSettingsFixedFont(&chosen);
    setAppPointSize(17);
    const QFont font = cuiFixedFont();
    EXPECT_EQ(font.family(), QStringLiteral("DejaVu Sans Mono"));
    EXPECT_EQ(font.pointSize(), 11);
    EXPECT_EQ(font.weight(), QFont::Bold);
    EXPECT_FALSE(font.italic());

    CuiVisualSettingsFixedFont(nullptr); // ignored
    EXPECT_EQ(cuiFixedFont().family(), QStringLiteral("DejaVu Sans Mono"));
}

TEST_F(FixedFontTest, RecordFieldsMapOntoTheFont)
{
    const TeskFontRecord plain = record("Mono", 10, 0, 7);
    CuiVisualSettingsFixedFont(&plain);
    EXPECT_EQ(cuiFixedFont().weight(), QFont::Normal);
    EXPECT_TRUE(cuiFixedFont().italic());

    // A face that fills all 100 bytes has no terminator; the size field right after it must
    // not become part of the name.
    TeskFontRecord full = record("", 12, 0, 0);
    std::memset(full.face, 'M', sizeof full.face);
    CuiVisualSettingsFixedFont(&full);
    EXPECT_EQ(cuiFixedFont().family(), QString(100, QLatin1Char('M')));
    EXPECT_EQ(cuiFixedFont().pointSize(), 12);
}

TEST_F(FixedFontTest, ViewSchemeHasEightColoursAndTwoFonts)
{
    QPalette palette;
    palette.setColor(QPalette::Highlight, QColor(10, 20, 30));
    QFont label(QStringLiteral("Sans"), 14);
    const VisualSettings scheme(palette, label);
    EXPECT_EQ(scheme.colour(VisualSettings::Highlight), QColor(10, 20, 30));
    EXPECT_EQ(scheme.colour(VisualSettings::LightGray), QColor(Qt::lightGray));
    EXPECT_EQ(scheme.colour(VisualSettings::Sky), QColor(0, 150, 255));
    EXPECT_EQ(scheme.font(VisualSettings::LabelFont), label);
    const QFont fixed = scheme.font(VisualSettings::FixedFont);
    EXPECT_EQ(fixed.family(), QStringLiteral("Courier New"));
    EXPECT_EQ(fixed.pointSize(), 14);
    EXPECT_TRUE(fixed.fixedPitch());

    const TeskFontRecord chosen = record("Mono", 8, 0, 0);
    CuiVisualSettingsFixedFont(&chosen);
    const VisualSettings later(palette, label);
    EXPECT_EQ(later.font(VisualSettings::FixedFont).family(), QStringLiteral("Mono"));
    EXPECT_EQ(later.font(VisualSettings::FixedFont).pointSize(), 8);
    EXPECT_EQ(fixed.family(), QStringLiteral("Courier New")); // earlier views keep their copy
}
