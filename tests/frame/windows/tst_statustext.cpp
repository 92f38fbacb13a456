// Host texts in the status bar: plain, one line, of bounded size, whatever the host sends.
#include "frames.h"

#include "frame/windows/cuiprogress.h"

#include <QLabel>
#include <QStatusBar>
#include <QTextDocument>

#include <string>

using StatusText = FrameTest;

TEST_F(StatusText, MarkupIsShownAsTextAndTipsAreEscaped)
{
    MainWindow *window = createFrame("Debugger", 1);
    const char *markup = "<img src=\"/dev/zero\"><b>x</b>";
    CuiSetStatusText(1, 3, markup, markup);
    QLabel *position = window->positionLabel();
    EXPECT_EQ(position->textFormat(), Qt::PlainText);
    EXPECT_EQ(position->text(), QString::fromLatin1(markup));
    QTextDocument tip;
    tip.setHtml(position->toolTip());
    EXPECT_EQ(tip.toPlainText(), QString::fromLatin1(markup));
}

TEST_F(StatusText, ManyLinesOrAMegabyteDoNotGrowTheWindow)
{
    MainWindow *window = createFrame("Debugger", 1);
    std::string lines;
    for (int i = 0; i < 10000; ++i)
        lines += "line\n";
    const std::string megabyte(1 << 20, 'w');
    for (int field = 3; field <= 6; ++field) {
        CuiSetStatusText(1, field, lines.c_str(), lines.c_str());
        CuiSetStatusText(1, field, megabyte.c_str(), nullptr);
    }
    CuiSetStatusText(1, 2, lines.c_str(), nullptr);
    CuiSetStatusText(1, 4, lines.c_str(), nullptr);
    EXPECT_FALSE(window->indicatorLabel(1)->text().contains(QLatin1Char('\n')));
    EXPECT_FALSE(window->statusBar()->currentMessage().contains(QLatin1Char('\n')));
    EXPECT_LE(window->indicatorLabel(2)->text().size(), 64 * 1024);
    EXPECT_LT(window->statusBar()->sizeHint().height(), 200);
    EXPECT_LT(window->minimumSizeHint().width(), 4000);
    EXPECT_LE(window->positionLabel()->toolTip().size(), 2 * 64 * 1024);
}

TEST_F(StatusText, RunStateIsOneLineOfBoundedSize)
{
    MainWindow *window = createFrame("Debugger", 1);
    std::string text(size_t(2 << 20), 'r');
    text[10] = '\n';
    CuiShowRunState(1, 0, text.c_str());
    const QString shown = window->busyIndicator()->text();
    EXPECT_FALSE(shown.contains(QLatin1Char('\n')));
    EXPECT_EQ(shown.size(), 64 * 1024);
    CuiShowRunState(1, -1, nullptr);
    EXPECT_TRUE(window->busyIndicator()->text().isEmpty());
}
