#include "frame/windows/ctesk_facade.h"

#include "frame/core/brokerguard.h"
#include "frame/core/cuihandles.h"
#include "frame/core/exportguard.h"
#include "frame/core/plugincomponents.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/maindocks.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/store.h"

#include <QApplication>
#include <QMenu>
#include <QRegularExpression>
#include <utility>

namespace {

MoskResult registerFacade(MoskRegistrar *registrar)
{
    return tesk::broker::registerComponent(registrar, TESK_FACADE_CATEGORY, TESK_FACADE_COMPONENT,
                                           CTesk_Facade::instance()->face());
}

const tesk::broker::PluginComponents facadeComponents(tesk::broker::kFacadeOrder, &registerFacade,
                                                      &CTesk_Facade::end);

CTesk_Facade *&processPointer()
{
    static CTesk_Facade *pointer = nullptr;
    return pointer;
}
} // namespace

// Every operation on the library's thread only (see OnLibraryThread).
template<auto Operation>
constexpr auto kOnThread = &tesk::broker::OnLibraryThread<Operation>::call;

const ITesk_FacadeOps CTesk_Facade::s_ops = {
    MOSK_FACE_BASE(Face),         kOnThread<&dockForMultipleView>,  kOnThread<&undockView>,
    kOnThread<&windowHandle>,     kOnThread<&mainWindowOf>,         kOnThread<&currentMainWindow>,
    kOnThread<&addDockMenuItems>, kOnThread<&activateDockMenuItem>,
};

CTesk_Facade::CTesk_Facade()
    : m_face(this, &s_ops)
{
    enterInterface(MOSK_IID_BASE, 1, face());
}

namespace {
CTesk_Facade *g_facade = nullptr;
} // namespace

CTesk_Facade *CTesk_Facade::instance()
{
    if (!g_facade)
        g_facade = new CTesk_Facade;
    if (!processPointer())
        processPointer() = g_facade;
    return g_facade;
}

void CTesk_Facade::end()
{
    processPointer() = nullptr;
    delete std::exchange(g_facade, nullptr);
}

CTesk_Facade *CTesk_Facade::current()
{
    return processPointer();
}

void CTesk_Facade::lastReleased()
{
    processPointer() = nullptr;
}

uint64_t CTesk_Facade::viewIdOfDock(QObject *dock) const
{
    return m_viewIds.value(dock, ~uint64_t(0));
}

namespace {

CTesk_Facade *self(void *face)
{
    return CTesk_Facade::Face::outerOf(face);
}

// A widget of the application, found by comparing the caller's pointer, never following it: a
// host holds the facade too and may hand it a pointer long gone, or no widget at all.
QWidget *asWidget(void *widget)
{
    if (!widget || !tesk::applicationExists())
        return nullptr;
    const QWidgetList widgets = QApplication::allWidgets();
    for (QWidget *known : widgets) {
        if (static_cast<void *>(known) == widget)
            return known;
    }
    return nullptr;
}

// None between starts: a host may keep the facade from one start, and nothing is docked into a
// window of a start that has ended.
MainWindow *callingOrCurrent()
{
    if (!tesk::started())
        return nullptr;
    if (Store *store = Store::existing())
        store->selectCallingMainWindow();
    return Store::currentMainWindow();
}

// Only a main window the store holds is used, and none between starts: the caller's pointer may
// name one long gone or something else altogether, and is compared, never followed.
MainWindow *knownMainWindow(void *pointer)
{
    Store *store = Store::existing();
    if (!store || !tesk::started())
        return nullptr;
    for (MainWindow *window : store->mainWindows()) {
        if (static_cast<void *>(window) == pointer)
            return window;
    }
    return nullptr;
}

// "name", or "name_N" past the numbers that dock windows of the window already carry.
QString multipleViewCaption(const MainWindow *window, const QString &name)
{
    const QRegularExpression numbered(
        QStringLiteral("^%1_(\\d+)$").arg(QRegularExpression::escape(name)));
    bool begins = false;
    int largest = 0;
    for (const DockWidget *dock : window->dockList()) {
        const QString caption = dock->windowTitle();
        if (!caption.startsWith(name))
            continue;
        begins = true;
        const QRegularExpressionMatch match = numbered.match(caption);
        if (match.hasMatch())
            largest = qMax(largest, match.captured(1).toInt());
    }
    return begins ? QStringLiteral("%1_%2").arg(name).arg(largest + 1) : name;
}

} // namespace

void CTesk_Facade::record(QObject *dock, uint64_t viewId)
{
    // A dock window closed by other means must not leave its id to a later one at its address.
    if (!m_viewIds.contains(dock))
        QObject::connect(dock, &QObject::destroyed, [this, dock] { m_viewIds.remove(dock); });
    m_viewIds.insert(dock, viewId);
}

MoskResult CTesk_Facade::dockForMultipleView(void *face, uint64_t viewId, void *widget,
                                             void *mainWindow)
{
    return tesk::guarded(__func__, MoskResult(nullptr), [&]() -> MoskResult {
        QWidget *view = asWidget(widget);
        MainWindow *window = mainWindow ? knownMainWindow(mainWindow) : callingOrCurrent();
        if (mainWindow && !window)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        if (!view || !window)
            return nullptr;
        // A window cannot be docked into itself or into a window it holds.
        if (view == window || view->isAncestorOf(window))
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        QString &caption = window->docks().multipleViewCaption;
        if (caption.isEmpty())
            caption = multipleViewCaption(window, view->objectName());
        DockWidget *dock =
            window->createDockWidget(caption.toLatin1().constData(), view, nullptr, 0);
        if (!dock)
            return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
        dock->setObjectName(QStringLiteral("DockForMultipleView"));
        // The host made no window box for it, yet hides, closes, floats and sizes it by one as
        // it does every other dock: the dock's own handle serves, never one the host made.
        const auto box = reinterpret_cast<TeskHandle>(tesk::handles::add(dock));
        dock->setWindowBox(box);
        CuiPaneRegistry::instance()->add(box, dock);
        if (DockWidget *holder = tesk::frame::dockHolding(view)) {
            self(face)->record(holder, viewId);
            holder->setColour(window->colour());
        }
        return nullptr;
    });
}

MoskResult CTesk_Facade::undockView(void *face, void *widget)
{
    return tesk::guarded(__func__, MoskResult(nullptr), [&]() -> MoskResult {
        DockWidget *dock = tesk::frame::dockHolding(asWidget(widget));
        if (!dock)
            return nullptr;
        if (MainWindow *window = dock->mainWindow())
            window->RemoveFromWindList(dock);
        self(face)->m_viewIds.remove(dock);
        return nullptr;
    });
}

MoskResult CTesk_Facade::windowHandle(void *, void *widget, TeskHandle *out)
{
    if (out)
        *out = 0;
    return tesk::guarded(__func__, MoskResult(nullptr), [&]() -> MoskResult {
        auto *window = qobject_cast<MainWindow *>(asWidget(widget));
        if (window && out)
            *out = window->windowBoxHandle();
        return nullptr;
    });
}

MoskResult CTesk_Facade::mainWindowOf(void *, void *widget, void **out)
{
    return tesk::guarded(__func__, MoskResult(nullptr), [&]() -> MoskResult {
        MainWindow *window = nullptr;
        if (QWidget *view = asWidget(widget))
            window = qobject_cast<MainWindow *>(view->window());
        if (!window)
            window = callingOrCurrent();
        if (out)
            *out = window;
        return nullptr;
    });
}

MoskResult CTesk_Facade::currentMainWindow(void *, void **out)
{
    return tesk::guarded(__func__, MoskResult(nullptr), [&]() -> MoskResult {
        MainWindow *window = callingOrCurrent();
        if (out)
            *out = window;
        return nullptr;
    });
}

MoskResult CTesk_Facade::addDockMenuItems(void *, void *popupMenu)
{
    return tesk::guarded(__func__, MoskResult(nullptr), [&]() -> MoskResult {
        if (auto *menu = qobject_cast<QMenu *>(asWidget(popupMenu)))
            appendDockMenuItems(menu, true);
        return nullptr;
    });
}

MoskResult CTesk_Facade::activateDockMenuItem(void *, void *widget, int itemId)
{
    return tesk::guarded(__func__, MoskResult(nullptr), [&]() -> MoskResult {
        if (DockWidget *dock = tesk::frame::dockHolding(asWidget(widget)))
            dock->processGenericOption(itemId);
        return nullptr;
    });
}

uint64_t CuiGetDockForMultipleViewId(TeskHandle handle, int dockIndex)
{
    return TESK_GUARDED(~uint64_t(0), [&] {
        MainWindow *window = Store::routeByHandle(handle);
        CTesk_Facade *facade = CTesk_Facade::current();
        // The index counts in the sorted order, as every other export that reads a dock
        // window by index: a host pairs each record with its view by the same index.
        const QList<DockWidget *> &sorted =
            window ? window->sortedDockList() : QList<DockWidget *>();
        if (!facade || dockIndex < 0 || dockIndex >= sorted.size())
            return ~uint64_t(0);
        return facade->viewIdOfDock(sorted.at(dockIndex));
    });
}
