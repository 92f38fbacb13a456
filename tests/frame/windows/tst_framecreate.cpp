// Choosing, creating and showing frames through the C interface, as the host does.
#include "frames.h"

#include "frame/windows/framecreation.h"

#include "frame/app/cuiapp.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>

namespace {

int g_installs = 0;
void countInstall()
{
    ++g_installs;
}

} // namespace

using FrameCreate = FrameTest;

TEST_F(FrameCreate, KindsByNameWithTheirFurniture)
{
    struct Case
    {
        const char *name;
        const char *objectName;
        int kind;
        bool deleteOnClose;
        bool colourIcon;
        bool fullStatusBar;
        bool busyIndicator;
    };
    const Case cases[] = {
        {"Debugger", "KSO MainWindow", MainWindow::MainKind, true, true, true, true},
        {"Analysis", "KSO Analysis Window", MainWindow::AnalysisKind, true, true, false, true},
        {"Settings Window", "KSO Settings Window", MainWindow::SettingsKind, false, false, false,
         false},
        // The names compare exactly.
        {"analysis", "KSO MainWindow", MainWindow::MainKind, true, true, true, true},
    };
    TeskHandle handle = 100;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        MainWindow *window = createFrame(c.name, ++handle);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(window->objectName(), QLatin1String(c.objectName));
        EXPECT_EQ(window->windowKind(), c.kind);
        EXPECT_EQ(window->testAttribute(Qt::WA_DeleteOnClose), c.deleteOnClose);
        EXPECT_EQ(window->hasColourIcon(), c.colourIcon);
        EXPECT_EQ(window->padlockLabel() != nullptr, c.fullStatusBar);
        EXPECT_EQ(window->busyIndicator() != nullptr, c.busyIndicator);
        EXPECT_NE(window->statusBar(), nullptr);
        EXPECT_EQ(window->windowTitle(), QLatin1String(c.name));
        EXPECT_EQ(window->windowBoxHandle(), handle);
        EXPECT_EQ(window->menuBar()->objectName(), QStringLiteral("CuiMenuBar::"));
        EXPECT_EQ(window->centralWidget(), window->pane());
        EXPECT_FALSE(window->isVisible());
        EXPECT_FALSE(window->windowIcon().isNull());
    }
}

TEST_F(FrameCreate, SprSwitchOverridesTheName)
{
    QtCreateNewSpr(1);
    CuiFrameRecord record{};
    QtFrameCreate("Analysis", 5, &record);
    MainWindow *window = Store::currentMainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), QStringLiteral("KSO SPR Window"));
    EXPECT_EQ(window->windowKind(), MainWindow::ProblemReportKind);
    EXPECT_FALSE(window->hasColourIcon());
    EXPECT_NE(window->padlockLabel(), nullptr);
}

TEST_F(FrameCreate, EditorFrameLosesItsColourIcon)
{
    QtCreateNewEditor(1);
    QtFrameCreate("Editor", 6, nullptr);
    ASSERT_NE(Store::currentMainWindow(), nullptr);
    EXPECT_FALSE(Store::currentMainWindow()->hasColourIcon());
}

TEST_F(FrameCreate, RecordWordsReachTheWindow)
{
    MainWindow *window = createFrame("Debugger", 7);
    EXPECT_TRUE(window->encodingSwitch());
    EXPECT_EQ(window->initialEncoding(), 3);

    QtCreateNewCode(1);
    CuiFrameRecord record{2, 0, 5, 9};
    QtFrameCreate("Debugger", 8, &record);
    EXPECT_FALSE(Store::currentMainWindow()->encodingSwitch());
    EXPECT_EQ(record.result, 0);
}

TEST_F(FrameCreate, WithoutARequestNothingIsBuilt)
{
    // No current window: the answer is 0, not a crash.
    Store::setCurrentMainWindow(nullptr);
    QtCreateNewCode(0);
    EXPECT_EQ(QtFrameCreate("Debugger", 1, nullptr), 0);
    EXPECT_TRUE(Store::instance()->mainWindows().isEmpty());

    MainWindow *window = createFrame("Debugger", 2);
    window->show();
    QtCreateNewCode(0);
    const TeskHandle answer = QtFrameCreate("Other", 3, nullptr);
    EXPECT_EQ(answer, static_cast<TeskHandle>(window->winId()));
    EXPECT_EQ(Store::instance()->mainWindows().size(), 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(FrameCreate, NewCodeSwitchIsSetAndClearedByTheHost)
{
    QtCreateNewCode(1);
    EXPECT_TRUE(Store::instance()->isNewCodeWindow());
    Store::setMenuCallbackStage(Store::MenuCallbacksTaken);
    QtCreateNewSpr(1);
    EXPECT_TRUE(Store::instance()->isSprWindow());
    EXPECT_EQ(Store::menuCallbackStage(), Store::MenuCallbacksOpen);
    Store::setMenuCallbackStage(Store::MenuCallbacksTaken);
    QtCreateNewEditor(0);
    EXPECT_FALSE(Store::instance()->isNewCodeWindow());
    EXPECT_FALSE(Store::instance()->isEditorWindow());
    EXPECT_EQ(Store::menuCallbackStage(), Store::MenuCallbacksTaken);
}

TEST_F(FrameCreate, TranslationsAreInstalledByTheFirstFrameOnly)
{
    g_installs = 0;
    tesk::frame::setTranslationInstallerForTest(&countInstall);
    createFrame("Debugger", 1);
    createFrame("Analysis", 2);
    QtCreateNewCode(0);
    QtFrameCreate("Debugger", 3, nullptr);
    EXPECT_EQ(g_installs, 1);
}

TEST_F(FrameCreate, ShutdownQuitsOnceAFrameExists)
{
    createFrame("Debugger", 1);
    EXPECT_TRUE(tesk::app::frameCreated());
    EXPECT_EQ(QtShutdown(), 0);
    // No loop runs here: the request waits for CuiRun, and a popup's or dialog's loop of a
    // pumping host still runs.
    QEventLoop popupLoop;
    QTimer::singleShot(0, &popupLoop, [&] { popupLoop.exit(7); });
    EXPECT_EQ(popupLoop.exec(), 7);
}

TEST_F(FrameCreate, ShowShowsTheCurrentWindow)
{
    MainWindow *window = createFrame("Debugger", 1);
    QtFrameShow();
    EXPECT_TRUE(window->isVisible());
}

TEST_F(FrameCreate, ShowWithoutDockingSizesTheTopLevelWindow)
{
    QMainWindow topLevel;
    Store *store = Store::instance();
    store->appendTopLevelWindow(&topLevel);
    store->setCurrentTopLevelWindow(&topLevel);

    testhost::DebugCapture capture;
    store->setDockingWindow(false);
    QtFrameShow();
    EXPECT_EQ(topLevel.size(), QSize(500, 250));
    EXPECT_TRUE(store->isDockingWindow());
    EXPECT_TRUE(capture.contains(
        "ASSERT: \"store->isDockingWindow()\" in file frame/windows/framecreation.cpp"));

    store->setTopGeometry(QRect(40, 50, 300, 200));
    store->setDockingWindow(false);
    QtFrameShow();
    EXPECT_EQ(topLevel.geometry().size(), QSize(300, 200));
    EXPECT_FALSE(store->isTopGeometryPending());
}

TEST_F(FrameCreate, ActivationCallbackNeedsAWindowWithTheHandle)
{
    static int lost = -1;
    lost = -1;
    auto callback = [](int lostActivation) { lost = lostActivation; };
    EXPECT_EQ(CuiSetActivationCallback(4711, callback), 0);

    MainWindow *window = createFrame("Debugger", 4711);
    EXPECT_EQ(CuiSetActivationCallback(4711, callback), 1);
    QEvent change(QEvent::ActivationChange);
    QCoreApplication::sendEvent(window, &change);
    EXPECT_EQ(lost, window->isActiveWindow() ? 0 : 1);

    // A null callback is taken as none.
    EXPECT_EQ(CuiSetActivationCallback(4711, nullptr), 1);
    lost = -1;
    QCoreApplication::sendEvent(window, &change);
    EXPECT_EQ(lost, -1);
}
