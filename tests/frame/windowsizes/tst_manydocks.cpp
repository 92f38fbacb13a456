// However many dock windows a host opens on a 1024 by 600 screen, the main window's frame stays
// within the screen and every dock window can be reached: shown in its area, or a tab there.
#include "frames.h"
#include "testhost.h"

#include "frame/app/metalstyle.h"
#include "frame/app/norwegianwoodstyle.h"
#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_window.h>

#include <QAbstractAnimation>
#include <QApplication>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTabBar>
#include <QTest>
#include <qpa/qwindowsysteminterface.h>

#include <string>

namespace {

void paneCallback(TeskHandle, int *, int) {}

constexpr TeskHandle kWindow = 1;

void setScreen(const QRect &screen)
{
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), screen,
                                                       screen);
    QWindowSystemInterface::flushWindowSystemEvents();
}

class ManyDocks : public FrameTest
{
protected:
    void SetUp() override
    {
        FrameTest::SetUp();
        setScreen(QRect(0, 0, 1024, 600));
    }
    void TearDown() override
    {
        FrameTest::TearDown();
        setScreen(m_screen);
    }

    MainWindow *shown()
    {
        MainWindow *window = createFrame("Debugger", kWindow);
        QtResizePosWindow(kWindow, 0, 0, 1024, 600);
        QtFrameShow();
        testhost::settle();
        return window;
    }

    // Opens the docks, area after area as given (0 right, 1 bottom), and looks at them.
    void openAndLook(MainWindow *window, int count, const std::function<int(int)> &areaOf)
    {
        for (int i = 0; i < count; ++i) {
            QtCreateDocked(areaOf(i), 0);
            const std::string name = "Pane " + std::to_string(i);
            QtWindowCreate(name.c_str(), &paneCallback, TeskHandle(100 + i));
        }
        testhost::settle();
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_TRUE(free.contains(window->frameGeometry()))
            << window->frameGeometry().width() << "x" << window->frameGeometry().height();
        QStringList tabs;
        for (const QTabBar *bar : window->findChildren<QTabBar *>())
            if (bar->isVisible())
                for (int t = 0; t < bar->count(); ++t)
                    tabs.append(bar->tabText(t));
        for (int i = 0; i < count; ++i) {
            const DockWidget *dock = window->findDockWidgetByBox(TeskHandle(100 + i));
            ASSERT_TRUE(dock);
            const bool inWindow = window->rect().contains(dock->geometry()) &&
                                  dock->width() >= 60 && dock->height() >= 60;
            EXPECT_TRUE(dock->isVisible() && !dock->isFloating());
            EXPECT_TRUE(inWindow || tabs.contains(dock->windowTitle()))
                << dock->windowTitle().toStdString() << " at " << dock->x() << "," << dock->y()
                << " " << dock->width() << "x" << dock->height();
        }
    }

    const QRect m_screen = QGuiApplication::primaryScreen()->geometry();
};

} // namespace

TEST_F(ManyDocks, EightInOneSideArea)
{
    MainWindow *window = shown();
    openAndLook(window, 8, [](int) { return 0; });
}

TEST_F(ManyDocks, TwelveAlongTheBottom)
{
    MainWindow *window = shown();
    openAndLook(window, 12, [](int) { return 1; });
}

TEST_F(ManyDocks, AHundredAndTwentyInBothAreas)
{
    MainWindow *window = shown();
    openAndLook(window, 120, [](int i) { return i % 2; });
}

// A host opening dock after dock in one go gives the event loop no turn between them: what each
// layout pass leaves for the loop to clear up piles up, and every later pass walks it. The
// toolkit moves the docks at once instead, except while the user drags with the mouse held.
TEST_F(ManyDocks, DocksOpenedInOneGoLeaveNothingPilingUpForTheLoop)
{
    MainWindow *window = shown();
    constexpr int count = 40;
    for (int i = 0; i < count; ++i) {
        QtCreateDocked(0, 0);
        const std::string name = "Pane " + std::to_string(i);
        QtWindowCreate(name.c_str(), &paneCallback, TeskHandle(100 + i));
    }
    qsizetype leftOnDocks = 0;
    for (const QDockWidget *dock : window->findChildren<QDockWidget *>())
        leftOnDocks += dock->findChildren<QAbstractAnimation *>(Qt::FindDirectChildrenOnly).size();
    EXPECT_EQ(leftOnDocks, 0);

    testhost::settle();
    DockWidget *dock = window->findDockWidgetByBox(TeskHandle(100));
    ASSERT_TRUE(dock);
    const auto duration = [](const QWidget *widget) {
        return widget->style()->styleHint(QStyle::SH_Widget_Animation_Duration, nullptr, widget);
    };
    // The look is the application's in all else.
    EXPECT_EQ(dock->style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, dock),
              QApplication::style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, dock));
    const QPoint separator = testhost::separatorBefore(window, dock);
    QTest::mousePress(window, Qt::LeftButton, {}, separator);
    const int held = duration(dock);
    QTest::mouseRelease(window, Qt::LeftButton, {}, separator);
    EXPECT_EQ(held, QApplication::style()->styleHint(QStyle::SH_Widget_Animation_Duration));
    EXPECT_EQ(duration(dock), 0);
}

// The docks' look passes every call on to the application's look: a dock draws the same in it,
// in the toolkit's look and in the library's own looks.
TEST_F(ManyDocks, ADockDrawsAsTheApplicationsLookDrawsIt)
{
    const QString before = QApplication::style()->name();
    for (QStyle *look :
         std::initializer_list<QStyle *>{nullptr, new NorwegianWoodStyle, new MetalStyle}) {
        if (look)
            QApplication::setStyle(look);
        MainWindow *window = shown();
        QtCreateDocked(0, 0);
        QtWindowCreate("Registers", &paneCallback, TeskHandle(100));
        testhost::settle();
        DockWidget *dock = window->findDockWidgetByBox(TeskHandle(100));
        ASSERT_TRUE(dock);
        ASSERT_NE(dock->style(), QApplication::style());
        const QImage worn = dock->grab().toImage();
        dock->setStyle(nullptr);
        testhost::settle();
        EXPECT_EQ(worn, dock->grab().toImage()) << QApplication::style()->name().toStdString();
        testhost::endMainWindows();
    }
    QApplication::setStyle(QStyleFactory::create(before));
}

namespace {

// Where the row shows its tabs: left of its scroll buttons, where it shows them.
QRect tabArea(const QTabBar *bar)
{
    QRect area = bar->rect();
    for (const QWidget *button : bar->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        if (button->isVisible())
            area.setRight(qMin(area.right(), button->x() - 1));
    return area;
}

} // namespace

// Panes opened in one go fill both areas until the fit makes rows of tabs at their least: the
// tab a row shows shows its whole title, after each pane and after the user picks another tab.
TEST_F(ManyDocks, ARowOfTabsShowsItsTabsWholeTitle)
{
    MainWindow *window = shown();
    const auto expectWhole = [window](const std::string &when) {
        for (const QTabBar *bar : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly)) {
            if (!bar->isVisible() || bar->count() < 2)
                continue;
            const QRect tab = bar->tabRect(bar->currentIndex());
            EXPECT_TRUE(tabArea(bar).contains(tab))
                << when << ": \"" << qPrintable(bar->tabText(bar->currentIndex())) << "\" at "
                << tab.x() << " of " << tab.width() << " px in a row of " << bar->width()
                << " px showing " << tabArea(bar).width();
        }
    };
    for (int i = 0; i < 40; ++i) {
        QtCreateDocked(i % 2, 0);
        const std::string name = (i % 2 ? "BottomPane" : "RightPane") + std::to_string(i);
        QtWindowCreate(name.c_str(), &paneCallback, TeskHandle(100 + i));
        testhost::settle();
        expectWhole("after " + name);
    }
    for (QTabBar *bar : window->findChildren<QTabBar *>(Qt::FindDirectChildrenOnly))
        if (bar->isVisible() && bar->count() > 1) {
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(0).center());
            testhost::settle();
            expectWhole("after a click on the first tab");
        }
}
