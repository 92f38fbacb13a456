#include "frame/windows/mainframeprivate.h"

#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/frameimages.h"
#include "system/modalseam.h"

#include <QContextMenuEvent>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QToolBar>
#include <QWidgetAction>

namespace {

constexpr int kBigIconSize = 32;

// After a host popup the toolkit asks twice more for the dock menu (the mouse release and
// the context request of the same click); neither must open it.
int g_dockMenuSkips = 0;

} // namespace

// ---- dock menu ---------------------------------------------------------------------------

void MainWindow::setPanePopupShown(bool shown)
{
    d->panePopupShown = shown;
}

bool MainWindow::panePopupShown() const
{
    return d->panePopupShown;
}

void MainWindow::enableDockMenu(bool enabled)
{
    d->dockMenuEnabled = enabled;
}

bool MainWindow::showDockMenu(const QPoint &globalPos)
{
    if (d->panePopupShown) {
        if (g_dockMenuSkips == 0) {
            g_dockMenuSkips = 1;
        } else {
            d->panePopupShown = false;
            g_dockMenuSkips = 0;
        }
        return false;
    }
    if (!d->dockMenuEnabled)
        return false;
    // The toolkit makes the menu as a child of this window; it goes when the run is over, unless
    // it went with the window inside the run.
    const QPointer<QMenu> menu = createPopupMenu();
    tesk::system::ModalSeam::runMenu(menu, globalPos, this);
    delete menu.data();
    return true;
}

namespace {

// A dock window or toolbar belongs to the main window that is reached first going up.
bool belongsTo(const QWidget *widget, const QMainWindow *window)
{
    for (const QWidget *w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (auto *main = qobject_cast<const QMainWindow *>(w))
            return main == window;
    }
    return false;
}

QWidgetAction *centredLabel(QMenu *menu, const QString &text)
{
    auto *action = new QWidgetAction(menu);
    auto *label = new QLabel(text);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    action->setDefaultWidget(label);
    return action;
}

// The dock windows and toolbars of this library toggle through their own slot; plain
// toolkit ones through their view action.
void addToggle(QMenu *menu, QWidget *widget, const char *ownSlot, QAction *viewAction)
{
    QAction *action = menu->addAction(widget->windowTitle());
    action->setCheckable(true);
    action->setChecked(widget->isVisible());
    const QByteArray slot = QByteArray(ownSlot) + "()";
    if (widget->metaObject()->indexOfSlot(slot.constData()) >= 0)
        QObject::connect(action, SIGNAL(triggered()), widget, (QByteArray("1") + slot).constData());
    else
        QObject::connect(action, &QAction::triggered, viewAction, &QAction::trigger);
}

} // namespace

void MainWindow::addViewsSection(QMenu *menu)
{
    bool any = false;
    for (QDockWidget *dock : findChildren<QDockWidget *>()) {
        if (!belongsTo(dock, this) || dock->windowTitle().isEmpty())
            continue;
        if (!any)
            menu->addAction(centredLabel(menu, tr("Views")));
        any = true;
        addToggle(menu, dock, "togglePaneVisibility", dock->toggleViewAction());
    }
    if (any)
        menu->addSeparator();
}

void MainWindow::addToolbarsSection(QMenu *menu)
{
    bool any = false;
    for (QToolBar *toolbar : findChildren<QToolBar *>()) {
        if (!belongsTo(toolbar, this) || toolbar->windowTitle().isEmpty())
            continue;
        if (!any)
            menu->addAction(centredLabel(menu, tr("Toolbars")));
        any = true;
        addToggle(menu, toolbar, "toggleToolbarVisibility", toolbar->toggleViewAction());
    }
    if (any)
        menu->addSeparator();
}

QMenu *MainWindow::createPopupMenu()
{
    auto *menu = new QMenu(this);
    addViewsSection(menu);
    addToolbarsSection(menu);
    QAction *big = menu->addAction(tr("Show Big Icons"), this, &MainWindow::bigPixmapsSlot);
    big->setCheckable(true);
    big->setChecked(d->bigIcons);
    QAction *text =
        menu->addAction(tr("Show Toolbar Text"), this, &MainWindow::toolbarTextLabelsSlot);
    text->setCheckable(true);
    text->setChecked(d->textLabels);
    return menu;
}

bool MainWindow::isDockMenuTarget(const QPoint &pos) const
{
    // The menu bar, a toolbar or a dock window's title of this window; not the central area.
    for (QWidget *w = childAt(pos); w && w != this; w = w->parentWidget()) {
        if (qobject_cast<QMenuBar *>(w) || qobject_cast<QToolBar *>(w))
            return belongsTo(w, this);
        if (auto *dock = qobject_cast<QDockWidget *>(w)) {
            const bool onContent =
                dock->widget() && dock->widget()->geometry().contains(dock->mapFrom(this, pos));
            return belongsTo(dock, this) && !onContent;
        }
    }
    return false;
}

void MainWindow::contextMenuEvent(QContextMenuEvent *event)
{
    if (!isDockMenuTarget(event->pos())) {
        event->ignore();
        return;
    }
    showDockMenu(event->globalPos());
    event->accept();
}

void MainWindow::setUsesBigIcons(bool on)
{
    d->bigIcons = on;
    const int size =
        on ? kBigIconSize : style()->pixelMetric(QStyle::PM_ToolBarIconSize, nullptr, this);
    setIconSize(QSize(size, size));
}

void MainWindow::setUsesTextLabels(bool on)
{
    d->textLabels = on;
    setToolButtonStyle(on ? Qt::ToolButtonTextUnderIcon : Qt::ToolButtonIconOnly);
}

void MainWindow::bigPixmapsSlot()
{
    setUsesBigIcons(!d->bigIcons);
}

void MainWindow::toolbarTextLabelsSlot()
{
    setUsesTextLabels(!d->textLabels);
}

bool MainWindow::usesBigIcons() const
{
    return d->bigIcons;
}

bool MainWindow::usesTextLabels() const
{
    return d->textLabels;
}
