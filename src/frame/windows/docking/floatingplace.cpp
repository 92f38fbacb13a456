#include "frame/windows/docking/floatingplace.h"

#include "frame/windows/docking/dockwidget.h"
#include "system/freearea.h"
#include "system/placelooks.h"

#include <QDockWidget>
#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QPointer>
#include <QScreen>
#include <QWindow>

#include <utility>
#include <vector>

namespace tesk::frame {

namespace {

// How far into the central area a floating dock opens, and how much further each next one.
constexpr int kIndent = 24;

class FloatingPlaces : public QObject
{
public:
    explicit FloatingPlaces(QMainWindow *window)
        : QObject(window)
        , m_window(window)
    {
        setObjectName(QStringLiteral("tesk_floating_places"));
        window->installEventFilter(this);
    }

    static FloatingPlaces *of(QMainWindow *window)
    {
        auto *places = window->findChild<FloatingPlaces *>(QStringLiteral("tesk_floating_places"),
                                                           Qt::FindDirectChildrenOnly);
        return places ? places : new FloatingPlaces(window);
    }

    void place(QWidget *dock)
    {
        for (const Placed &placed : m_placed)
            if (placed.dock == dock)
                return;
        m_placed.push_back({dock, QPoint()});
        placeAll();
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window &&
            (event->type() == QEvent::Move || event->type() == QEvent::Show ||
             event->type() == QEvent::Resize))
            placeAll();
        return false;
    }

private:
    struct Placed
    {
        QPointer<QWidget> dock;
        QPoint at;
    };

    void placeAll()
    {
        const QWidget *central = m_window->centralWidget();
        const QPoint inside = central ? central->mapTo(m_window, QPoint()) : QPoint();
        int step = 0;
        for (auto it = m_placed.begin(); it != m_placed.end();) {
            auto *dock = qobject_cast<QDockWidget *>(it->dock.data());
            // Moved by the user, or docked since: the dock is its own.
            if (!dock || !dock->isFloating() ||
                (!it->at.isNull() && tesk::system::framePosition(dock) != it->at)) {
                it = m_placed.erase(it);
                continue;
            }
            const QPoint at =
                m_window->geometry().topLeft() + inside + QPoint(kIndent, kIndent) * (1 + step++);
            tesk::system::placeInFreeArea(dock, at, dock->size());
            it->at = tesk::system::framePosition(dock);
            ++it;
        }
    }

    QMainWindow *m_window;
    std::vector<Placed> m_placed;
};

class FloatingOnScreens : public QObject
{
public:
    explicit FloatingOnScreens(QMainWindow *window)
        : QObject(window)
        , m_window(window)
    {
        for (QScreen *screen : QGuiApplication::screens())
            watch(screen);
        connect(qApp, &QGuiApplication::screenAdded, this, &FloatingOnScreens::watch);
        window->installEventFilter(this);
    }

private:
    void watch(QScreen *screen)
    {
        connect(screen, &QScreen::availableGeometryChanged, this, &FloatingOnScreens::keep);
    }

    // One hidden meanwhile follows when it shows again.
    void keep()
    {
        for (QDockWidget *dock : m_window->findChildren<QDockWidget *>()) {
            if (!dock->isFloating())
                continue;
            if (dock->isVisible())
                tesk::system::keepInFreeArea(dock);
            else
                dock->installEventFilter(this);
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window) {
            // Shown again (after the host hid it), the main window is mapped after its floating
            // docks, and activated it is raised: a window manager stacks it above them, and the
            // user sees none of them.
            // Mapped again with it, a window manager may place them anew: they keep within the
            // free area.
            const bool shown = event->type() == QEvent::Show;
            if (event->type() == QEvent::Hide && !event->spontaneous()) {
                m_hiddenByHost = true;
                // Its floating docks go with it: left on the desktop, they would stand over
                // the program the user turned to.
                for (DockWidget *dock : m_window->findChildren<DockWidget *>())
                    dock->hideWithMainWindow();
            }
            const bool again =
                shown && !event->spontaneous() && std::exchange(m_hiddenByHost, false);
            if (shown || event->type() == QEvent::WindowActivate)
                tesk::system::lookAtPlace(
                    this, tesk::system::PlaceLook::FloatingShown, [this, shown, again] {
                        // Mapped after the main window, they stand above it.
                        for (DockWidget *dock : m_window->findChildren<DockWidget *>())
                            if (shown && m_window->isVisible() && dock->isFloating() &&
                                dock->isHidden() && dock->takeShowWithMainWindow())
                                dock->show();
                        for (QDockWidget *dock : m_window->findChildren<QDockWidget *>())
                            if (dock->isFloating() && dock->isVisible()) {
                                if (again)
                                    mapAgain(dock);
                                if (shown)
                                    tesk::system::keepInFreeAreaAsFramed(dock);
                                dock->raise();
                            }
                    });
            return false;
        }
        if (event->type() != QEvent::Show)
            return false;
        watched->removeEventFilter(this);
        auto *dock = qobject_cast<QDockWidget *>(watched);
        if (dock && dock->isFloating())
            tesk::system::keepInFreeArea(dock);
        return false;
    }

    // A window manager lets go of what ties a floating dock to its main window when the main
    // window is hidden, and does not take it up again when it is mapped again: the dock then
    // stays beneath the main window once that is raised with a box of its own (a modal box).
    // Mapped again after it, at the place it stood, the dock is taken in as its own again.
    static void mapAgain(QDockWidget *dock)
    {
        if (!tesk::system::windowManaged())
            return;
        const QPoint at = dock->geometry().topLeft();
        dock->hide();
        dock->setAttribute(Qt::WA_Moved);
        if (QWindow *handle = dock->windowHandle())
            handle->setPosition(at);
        dock->show();
    }

    QMainWindow *m_window;
    bool m_hiddenByHost = false;
};

} // namespace

void keepFloatingDocksOnScreens(QMainWindow *window)
{
    if (window)
        new FloatingOnScreens(window);
}

void placeFloatingClearOfMenus(QMainWindow *window, QWidget *dock)
{
    if (window && dock)
        FloatingPlaces::of(window)->place(dock);
}

} // namespace tesk::frame
