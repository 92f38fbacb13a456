// fitButtonToText: the browse buttons' size from their text, their height kept.
#include "testhost.h"

#include "frame/core/buttonfit.h"

#include <QFontMetrics>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

TEST(ButtonFit, WidthFromTextAndExtraCharacterNeverBelowTheHeight)
{
    testhost::startLibrary();
    QPushButton wide(QStringLiteral("Browse..."));
    wide.resize(10, 23);
    fitButtonToText(&wide, u'W');
    const QFontMetrics metrics(wide.font());
    EXPECT_EQ(wide.size(), QSize(metrics.horizontalAdvance(QStringLiteral("Browse...W")), 23));
    EXPECT_EQ(wide.minimumSize(), wide.maximumSize()) << "the size is fixed";

    QPushButton narrow(QStringLiteral("."));
    narrow.resize(200, 40);
    fitButtonToText(&narrow, u'W');
    EXPECT_EQ(narrow.size(), QSize(40, 40));

    QPushButton pictureOnly;
    pictureOnly.resize(90, 27);
    fitButtonToText(&pictureOnly, u'W');
    EXPECT_EQ(pictureOnly.size(), QSize(27, 27));
}

} // namespace
