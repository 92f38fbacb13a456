// However many dock windows a host opens on a 1024 by 600 screen, the main window's frame stays
// within the screen and every dock window can be reached: shown in its area, or a tab there.
#include "frames.h"
#include "testhost.h"

#include "frame/windows/docking/dockwidget.h"

#include <tesk/tesk_window.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTabBar>
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
