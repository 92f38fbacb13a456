// The host side of main windows: what the engine does while it starts and runs. The demo is a
// Qt-aware host only for its screenshots, which it takes of the library's top-level windows.
#include "framedemo.h"
#include "demoexports.h"
#include "panedemo.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QPushButton>
#include <QStyle>
#include <QTimer>
#include <QWidget>

#include <dlfcn.h>

#include <cstdio>
#include <stdexcept>
#include <vector>

namespace demo {

namespace {

constexpr TeskHandle kFrameContext = 0x1001;

struct FrameExports
{
    decltype(&QtCreateNewCode) createNewCode;
    decltype(&QtFrameCreate) frameCreate;
    decltype(&QtFrameShow) frameShow;
    decltype(&QtResizePosWindow) resizePos;
    decltype(&QtShowSplash) showSplash;
    decltype(&CuiSetSplashMessage) splashMessage;
    decltype(&CuiSetStatusText) statusText;
    decltype(&CuiSetPadlockState) padlock;
    decltype(&CuiShowProgress) progress;
    decltype(&CuiShowRunState) runState;
    decltype(&CuiSetActivationCallback) activationCallback;
    decltype(&CuiToolTipShowAt) toolTipShow;
    decltype(&CuiToolTipHide) toolTipHide;
    decltype(&CuiPump) pump;
};

FrameExports g_tesk{};
bool g_haveWindow = false;

void onActivation(int lost)
{
    std::printf("host: main window %s the activation\n", lost ? "lost" : "got");
}

void pumpFor(int rounds)
{
    for (int i = 0; i < rounds; ++i)
        g_tesk.pump();
}

} // namespace

void loadFrameExports(void *library)
{
    FrameExports &t = g_tesk;
    t.createNewCode = DEMO_RESOLVE(library, QtCreateNewCode);
    t.frameCreate = DEMO_RESOLVE(library, QtFrameCreate);
    t.frameShow = DEMO_RESOLVE(library, QtFrameShow);
    t.resizePos = DEMO_RESOLVE(library, QtResizePosWindow);
    t.showSplash = DEMO_RESOLVE(library, QtShowSplash);
    t.splashMessage = DEMO_RESOLVE(library, CuiSetSplashMessage);
    t.statusText = DEMO_RESOLVE(library, CuiSetStatusText);
    t.padlock = DEMO_RESOLVE(library, CuiSetPadlockState);
    t.progress = DEMO_RESOLVE(library, CuiShowProgress);
    t.runState = DEMO_RESOLVE(library, CuiShowRunState);
    t.activationCallback = DEMO_RESOLVE(library, CuiSetActivationCallback);
    t.toolTipShow = DEMO_RESOLVE(library, CuiToolTipShowAt);
    t.toolTipHide = DEMO_RESOLVE(library, CuiToolTipHide);
    t.pump = DEMO_RESOLVE(library, CuiPump);
}

void showSplash(const FrameDemoOptions &options)
{
    g_tesk.showSplash(1, "kso", options.installDir.c_str());
    g_tesk.splashMessage("Starting the engine...");
    std::printf("host: splash shown\n");
    saveScreenshot(topLevelWidget("SplashScreen", nullptr), options.screenshotDir, "splash.png");
}

void createMainWindow(const FrameDemoOptions &options)
{
    g_tesk.createNewCode(1);
    CuiFrameRecord record{1, 0, 0, -1};
    const TeskHandle window = g_tesk.frameCreate("Debugger", kFrameContext, &record);
    g_tesk.createNewCode(0);
    g_haveWindow = window != 0;
    std::printf("host: main window created, native handle %#lx\n",
                static_cast<unsigned long>(window));
    if (!g_haveWindow)
        return;
    g_tesk.activationCallback(kFrameContext, &onActivation);
    buildMainWindowFrame();
    g_tesk.resizePos(kFrameContext, 0, 0, kMainWindowWidth, kMainWindowHeight);
    if (options.beforeShow)
        options.beforeShow();
    g_tesk.frameShow();
    g_tesk.showSplash(0, nullptr, nullptr);

    g_tesk.statusText(kFrameContext, 2, "Connected to the simulated target", nullptr);
    g_tesk.statusText(kFrameContext, 3, "Ln 42, Col 7", "Cursor position in the source");
    g_tesk.statusText(kFrameContext, 4, "LOG", "Logging to file");
    g_tesk.statusText(kFrameContext, 5, "JOU", "Journal on");
    g_tesk.statusText(kFrameContext, 6, "STDIOLog", "Target output logged");
    g_tesk.padlock(1);
    g_tesk.runState(kFrameContext, 0, "Running");
    g_tesk.progress(kFrameContext, 60, 0);
    for (int i = 0; i < 8; ++i)
        g_tesk.runState(kFrameContext, 1, "Running");
    std::printf("host: status bar filled, target running\n");

    if (QWidget *main = topLevelWidget(nullptr, "KSO MainWindow")) {
        pumpFor(20);
        g_tesk.progress(kFrameContext, 60, 0);
        pumpFor(5);
        saveScreenshot(main, options.screenshotDir, "mainwindow.png");
    }
}

void frameTick(int tick)
{
    if (!g_haveWindow)
        return;
    g_tesk.runState(kFrameContext, 1, "Running");
    const int percent = 60 + tick;
    g_tesk.progress(kFrameContext, percent > 100 ? 100 : percent, 0);
    if (tick == 5)
        g_tesk.toolTipShow("The target is running", 200, 200);
    if (tick == 10)
        g_tesk.toolTipHide();
}

QString screenshotPath(const std::string &dir, const char *file)
{
    QString name = QLatin1String(file);
    const QStyle *style = QApplication::style();
    if (style->inherits("NorwegianWoodStyle"))
        name.replace(QLatin1String(".png"), QLatin1String("-wood.png"));
    else if (style->inherits("MetalStyle"))
        name.replace(QLatin1String(".png"), QLatin1String("-metal.png"));
    QDir().mkpath(QString::fromStdString(dir));
    return QDir(QString::fromStdString(dir)).filePath(name);
}

QWidget *topLevelWidget(const char *className, const char *objectName)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (objectName && widget->objectName() == QLatin1String(objectName))
            return widget;
        if (className && widget->inherits(className))
            return widget;
    }
    return nullptr;
}

void saveScreenshot(QWidget *widget, const std::string &dir, const char *file)
{
    if (!widget || dir.empty())
        return;
    const QString path = screenshotPath(dir, file);
    const bool saved = widget->grab().save(path);
    std::printf("host: screenshot %s %s\n", qPrintable(path), saved ? "written" : "FAILED");
}

void answerModalLater(const std::string &dir, const char *screenshot,
                      std::initializer_list<const char *> endButtons,
                      std::function<void(QWidget *)> answer)
{
    const std::vector<QString> names(endButtons.begin(), endButtons.end());
    QTimer::singleShot(200, [=] {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog)
            return;
        answer(dialog);
        saveScreenshot(dialog, dir, screenshot);
        for (const QString &name : names) {
            if (auto *end = dialog->findChild<QPushButton *>(name)) {
                end->click();
                return;
            }
        }
    });
}

void finishFrameDemo()
{
    if (!g_haveWindow)
        return;
    g_tesk.toolTipHide();
    g_tesk.runState(kFrameContext, -1, "Stopped");
    g_tesk.statusText(kFrameContext, 2, "Target stopped", nullptr);
}

} // namespace demo
