#include "frame/windows/store.h"

#include "frame/windows/toplevelwindow.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/services/cuicontextmenumap.h"
#include "frame/services/cuii18n.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/mainframe.h"

#include <QMainWindow>

#include <utility>

namespace {

Store *gpStore = nullptr;
// Not a member: it must be readable before the store exists, and it names a window only
// while that window is listed.
CUIAbstractMainWindow *g_currentMainWindow = nullptr;

// A listed window is a main window only once it is fully built and until its destruction
// starts; before and after, the cast answers null.
MainWindow *built(CUIAbstractMainWindow *window)
{
    return qobject_cast<MainWindow *>(window);
}

} // namespace

Store *Store::instance()
{
    if (!gpStore)
        gpStore = new Store;
    return gpStore;
}

Store *Store::existing()
{
    return gpStore;
}

void Store::end()
{
    delete std::exchange(gpStore, nullptr);
}

Store::MenuCallbackStage Store::menuCallbackStage()
{
    return gpStore ? gpStore->m_menuCallbackStage : MenuCallbacksOpen;
}

void Store::setMenuCallbackStage(MenuCallbackStage stage)
{
    instance()->m_menuCallbackStage = stage;
}

MainWindow *Store::currentMainWindow()
{
    return built(g_currentMainWindow);
}

void Store::setCurrentMainWindow(MainWindow *window)
{
    g_currentMainWindow = window;
}

QMainWindow *Store::currentTopLevelWindow()
{
    return instance()->m_currentTopLevel;
}

void Store::appendMainWindow(CUIAbstractMainWindow *window)
{
    if (CuiDebugInfo::isSet(QStringLiteral("S0")))
        qDebug("Store::appendMainWindow = 0x%08lx",
               static_cast<unsigned long>(reinterpret_cast<quintptr>(window)));
    instance()->m_mainWindows.append(window);
}

void Store::removeMainWindow(CUIAbstractMainWindow *window)
{
    if (CuiDebugInfo::isSet(QStringLiteral("S0")))
        qDebug("Store::removeMainWindow = 0x%08lx",
               static_cast<unsigned long>(reinterpret_cast<quintptr>(window)));
    QList<CUIAbstractMainWindow *> &list = instance()->m_mainWindows;
    list.removeAll(window);
    if (g_currentMainWindow == window)
        g_currentMainWindow = list.isEmpty() ? nullptr : list.first();
}

MainWindow *Store::routeByHandle(TeskHandle handle)
{
    instance()->selectMainWindowByHandle(handle);
    return currentMainWindow();
}

MainWindow *Store::routeCalling()
{
    instance()->selectCallingMainWindow();
    return currentMainWindow();
}

QMainWindow *Store::routeMainOrTopLevel(TeskHandle handle)
{
    Store *store = instance();
    if (store->selectMainWindowByHandle(handle))
        return currentMainWindow();
    if (store->selectTopLevelWindowByHandle(handle))
        return store->m_currentTopLevel;
    return nullptr;
}

bool Store::selectCallingMainWindow()
{
    for (MainWindow *window : mainWindows()) {
        if (window->isCalling()) {
            setCurrentMainWindow(window);
            return true;
        }
    }
    return false;
}

bool Store::selectMainWindowByHandle(TeskHandle handle)
{
    MainWindow *window = findMainWindowByHandle(handle);
    if (window)
        setCurrentMainWindow(window);
    return window;
}

MainWindow *Store::findMainWindowByHandle(TeskHandle handle) const
{
    for (MainWindow *window : mainWindows()) {
        if (window->windowBoxHandle() == handle)
            return window;
    }
    return nullptr;
}

DockWidget *Store::findDockWidget(TeskHandle box) const
{
    for (MainWindow *window : mainWindows())
        if (DockWidget *dock = window->findDockWidgetByBox(box))
            return dock;
    return nullptr;
}

QWidget *Store::paneForBox(TeskHandle box) const
{
    for (MainWindow *window : mainWindows()) {
        if (window->windowBoxHandle() == box)
            return window->pane();
        if (DockWidget *dock = window->findDockWidgetByBox(box))
            return dock->pane();
    }
    return nullptr;
}

TeskHandle Store::findCodeWindowFromPane(TeskHandle box) const
{
    for (MainWindow *window : mainWindows())
        if (window->findDockWidgetByBox(box))
            return window->windowBoxHandle();
    return box;
}

bool Store::resizeDockWindowByHandle(TeskHandle box, QSize size)
{
    for (MainWindow *window : mainWindows()) {
        setCurrentMainWindow(window);
        if (window->resizeDockWidget(box, size))
            return true;
    }
    return false;
}

QList<MainWindow *> Store::mainWindows() const
{
    QList<MainWindow *> windows;
    for (CUIAbstractMainWindow *listed : m_mainWindows) {
        if (MainWindow *window = built(listed))
            windows.append(window);
    }
    return windows;
}

TopLevelWindow *Store::addTopLevelWindow(TeskHandle hostData, void *sizeCallback,
                                         TeskHandle sizeContext)
{
    auto *window = new TopLevelWindow(hostData, 0, QString(),
                                      reinterpret_cast<TopLevelWindow::SizeCallback>(sizeCallback),
                                      sizeContext);
    appendTopLevelWindow(window);
    setCurrentTopLevelWindow(window);
    connect(window, &TopLevelWindow::removeMe, this,
            [this](TopLevelWindow *closing) { RemoveTopWindow(closing); });
    return window;
}

TopLevelWindow *Store::findTopLevelWindowByHandle(TeskHandle handle) const
{
    if (handle == 0)
        return nullptr;
    for (QMainWindow *listed : m_topLevelWindows) {
        auto *window = qobject_cast<TopLevelWindow *>(listed);
        if (window &&
            (window->hostData() == handle || TeskHandle(window->nativeHandle()) == handle))
            return window;
    }
    return nullptr;
}

bool Store::selectTopLevelWindowByHandle(TeskHandle handle)
{
    TopLevelWindow *window = findTopLevelWindowByHandle(handle);
    if (window)
        m_currentTopLevel = window;
    return window != nullptr;
}

bool Store::raiseTopLevelWindowsByName(const QString &name)
{
    bool any = false;
    for (QMainWindow *listed : m_topLevelWindows) {
        auto *window = qobject_cast<TopLevelWindow *>(listed);
        if (!window || window->name() != name)
            continue;
        if (window->isMinimized())
            window->showNormal();
        window->raise();
        any = true;
    }
    return any;
}

void Store::appendTopLevelWindow(QMainWindow *window)
{
    if (!window || m_topLevelWindows.contains(window))
        return;
    m_topLevelWindows.append(window);
    // However the window ends, it leaves the list.
    connect(window, &QObject::destroyed, this, [this, window] { RemoveTopWindow(window); });
}

void Store::setCurrentTopLevelWindow(QMainWindow *window)
{
    // Only a listed window is let go of when it ends.
    m_currentTopLevel = m_topLevelWindows.contains(window) ? window : nullptr;
}

void Store::RemoveTopWindow(QMainWindow *window)
{
    m_topLevelWindows.removeAll(window);
    if (m_currentTopLevel == window)
        m_currentTopLevel = nullptr;
}

void Store::setModalDialogShown(bool shown)
{
    for (MainWindow *window : mainWindows())
        window->setModalDialogShown(shown);
}

void Store::setWindowColorIndex(TeskHandle handle, QRgb rgb)
{
    if (handle == 0)
        return;
    for (MainWindow *window : mainWindows()) {
        if (window->setColourForHandle(handle, rgb))
            return;
    }
}

void Store::setTopGeometry(const QRect &geometry)
{
    m_topGeometry = geometry;
    m_topGeometryPending = true;
}
