#include "frame/windows/framecreation.h"

#include "frame/app/cuiapp.h"
#include "frame/core/hostgeometry.h"
#include "frame/core/softcheck.h"
#include "frame/services/cuii18n.h"
#include "frame/windows/frameimages.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"
#include "system/freearea.h"

#include <QGuiApplication>
#include <QIcon>
#include <QScreen>

namespace tesk::frame {

namespace {

// A top-level window shown without a remembered geometry.
constexpr QSize kTopLevelSize(500, 250);

using Bar = FrameKind::StatusBar;
const FrameKind kMainKind{"KSO MainWindow", true, 0, Bar::Full, true, false, MainWindow::MainKind};
const FrameKind kSprKind{
    "KSO SPR Window", true, 1, Bar::Full, false, false, MainWindow::ProblemReportKind};
const FrameKind kAnalysisKind{"KSO Analysis Window",   true, 10, Bar::Message, true, true,
                              MainWindow::AnalysisKind};
const FrameKind kSettingsKind{"KSO Settings Window",   false, 11, Bar::Bare, false, false,
                              MainWindow::SettingsKind};

void (*g_translationInstaller)() = &cuiInstallTranslations;
bool g_translationsPending = true;

void furnish(MainWindow *window, const FrameKind &kind)
{
    if (kind.colourIcon)
        window->createColourIcon();
    window->setWindowIcon(kind.smallIcon ? QIcon(images::windowIcon(images::IconSize::Small))
                                         : images::windowIconSet());
    switch (kind.statusBar) {
    case Bar::Full:
        window->createFullStatusBar();
        break;
    case Bar::Message:
        window->createMessageStatusBar();
        break;
    case Bar::Bare:
        window->createBareStatusBar();
        break;
    }
}

MainWindow *buildFrame(const QString &name, TeskHandle frameContext, CuiFrameRecord *record)
{
    const FrameKind &kind = frameKindFor(name, Store::instance()->isSprWindow());
    if (record)
        record->result = 0;
    auto *window = new MainWindow(nullptr, kind.objectName);
    window->setAttribute(Qt::WA_DeleteOnClose, kind.destructiveClose);
    if (record)
        window->setEncodingChoice(record->encodingChoice == 1, record->initialEncoding);
    window->createMenus(kind.menuTableKind);
    furnish(window, kind);
    window->setWindowKind(kind.windowKind);
    Store::setCurrentMainWindow(window);
    window->setWindowTitle(name);
    window->setWindowBoxHandle(frameContext);
    return window;
}

// Two thirds of the screen's free area each way, no less than the window asks for.
QSize usableSize(const QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return window->sizeHint();
    const QSize free = screen->availableGeometry().size();
    return (free * 2 / 3).expandedTo(window->sizeHint()).boundedTo(free);
}

} // namespace

const FrameKind &frameKindFor(const QString &name, bool sprWindow)
{
    if (sprWindow)
        return kSprKind;
    if (name == QLatin1String("Analysis"))
        return kAnalysisKind;
    if (name == QLatin1String("Settings Window"))
        return kSettingsKind;
    return kMainKind;
}

void translationsForNewStart()
{
    g_translationsPending = true;
}

void installTranslationsForStart()
{
    if (!g_translationsPending)
        return;
    g_translationsPending = false;
    if (g_translationInstaller)
        g_translationInstaller();
}

void setTranslationInstallerForTest(void (*installer)())
{
    g_translationInstaller = installer;
    g_translationsPending = true;
}

TeskHandle createFrame(const char *name, TeskHandle frameContext, CuiFrameRecord *record)
{
    installTranslationsForStart();
    Store *store = Store::instance();
    if (store->isNewCodeWindow())
        buildFrame(QString::fromLatin1(name ? name : ""), frameContext, record);
    MainWindow *current = Store::currentMainWindow();
    if (store->isEditorWindow() && current)
        current->removeColourIcon();
    // Without a window asked for, there may be none to answer with.
    if (!current)
        return 0;
    current->hide();
    tesk::app::setFrameCreated(true);
    return static_cast<TeskHandle>(current->winId());
}

QRect mainWindowAtShow(const QMainWindow *window)
{
    if (!window || window->testAttribute(Qt::WA_Resized))
        return window ? window->geometry() : QRect();
    return tesk::system::freePlaceFor(window, window->pos(), usableSize(window));
}

void showFrame()
{
    Store *store = Store::existing();
    if (!TESK_CHECK(store))
        return;
    MainWindow *current = Store::currentMainWindow();
    if (current && store->isDockingWindow()) {
        // A window the host gave no size would open at the least its menus and status bar
        // need, with no room for a pane: it opens at a size a user works in, on its screen.
        if (!current->testAttribute(Qt::WA_Resized))
            tesk::system::placeInFreeArea(current, current->pos(), usableSize(current));
        const bool showing = current->isHidden();
        current->show();
        // The frame, title bar included, keeps within the screen's free area, whatever size the
        // window had; a window manager's frame counts once it has framed the window.
        if (showing)
            tesk::system::keepInFreeArea(current);
        current->layOutDocks();
        return;
    }
    if (!store->isDockingWindow()) {
        TESK_CHECK(store->isDockingWindow());
        if (QMainWindow *topLevel = Store::currentTopLevelWindow()) {
            if (store->isTopGeometryPending()) {
                // Its frame where it stood when the host read it (QtGetSizePos), kept within the
                // free area of a screen that may be gone. A size no window has (a record edited
                // by hand) is the size a window without a record gets: taken as it is, the
                // window would show as nothing and be read back so ever after.
                const QRect stored = store->topGeometry();
                tesk::system::placeInFreeArea(topLevel, stored.topLeft(),
                                              stored.isEmpty() ? kTopLevelSize : stored.size());
                store->clearTopGeometryPending();
            } else {
                topLevel->resize(kTopLevelSize);
            }
        }
    }
    store->setDockingWindow(true);
}

} // namespace tesk::frame
