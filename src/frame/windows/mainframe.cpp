#include "frame/windows/mainframeprivate.h"

#include "frame/core/commandids.h"
#include "frame/core/cuidebuginfo.h"
#include "frame/core/hosttext.h"
#include "frame/core/inplaceedit.h"
#include "frame/core/services.h"
#include "frame/core/softcheck.h"
#include "frame/menus/popupdefinition.h"
#include "frame/menus/teskpopupmenu.h"
#include "frame/services/cuicontextmenumap.h"
#include "frame/windows/cuimenubar.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/floatingplace.h"
#include "frame/windows/docking/maindocks.h"
#include "frame/windows/frameimages.h"
#include "frame/windows/menuseam.h"
#include "frame/windows/toolbars/editortoolbars.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QLayout>
#include <QPainter>
#include <QPointer>

namespace {

// Events the old toolkit numbered below 10: timers, mouse buttons and moves, keys and focus.
constexpr int kInputEventLimit = 10;

} // namespace

MainWindow::MainWindow(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : CUIAbstractMainWindow(parent, name, flags)
    , d(std::make_unique<MainWindowPrivate>())
    , m_docks(std::make_unique<tesk::frame::MainDocks>(this))
{
    d->pane = tesk::core::paneServices().createFrame(this);
    setCentralWidget(d->pane);
    DockWidget::watchFrameFocus();
    tesk::frame::keepFloatingDocksOnScreens(this);
    // Dock windows stand side by side in their lines; the layout stacks some as tabs only where
    // the free area has no room for them all. A window the user drops onto another goes beside
    // it, so every window the user arranged stays in sight.
    setDockOptions(dockOptions() & ~QMainWindow::AllowTabbedDocks);
    auto *bar = new CuiMenuBar(this);
    setMenuBar(bar);
    // Input on the menu bar waits while a modal dialog of this window is up.
    bar->installEventFilter(this);
    if (qEnvironmentVariableIsSet("KSODEBUG_SHOW_BIG_PIXMAPS"))
        setUsesBigIcons(true);
    if (qEnvironmentVariableIsSet("KSODEBUG_SHOW_TEXT_LABEL"))
        setUsesTextLabels(true);
}

MainWindow::~MainWindow()
{
    // The dock windows die with the toolkit's part of this window, after this part is gone.
    for (DockWidget *dock : findChildren<DockWidget *>())
        dock->disconnect(this);
    m_docks->docks.clear();
    // Nothing the manager or the status bar emits may reach a window half torn down.
    if (d->menuManager) {
        d->menuManager->disconnect(this);
        delete d->menuManager;
        d->menuManager = nullptr;
    }
    d->activationCallback = nullptr;
    d->contextMenuCallback = nullptr;
    if (menuBar())
        menuBar()->removeEventFilter(this);
}

// ---- captions and kinds ------------------------------------------------------------------

void MainWindow::setConnectionName(const QString &name)
{
    d->connectionName = name;
    QString title = tr("Kestrova Debugger");
    if (d->windowKind == AnalysisKind)
        title = tr("Analysis");
    else if (d->windowKind == SettingsKind)
        title = tr("Settings");
    else if (d->windowKind == ProblemReportKind)
        title = tr("Send Problem Report");
    setWindowTitle(name.isEmpty() ? title : QStringLiteral("%1 - %2").arg(name, title));
    for (DockWidget *dock : dockList())
        dock->setConnectionName(name);
}

QString MainWindow::connectionName() const
{
    return d->connectionName;
}

void MainWindow::setWindowKind(int kind)
{
    d->windowKind = kind;
}

int MainWindow::windowKind() const
{
    return d->windowKind;
}

void MainWindow::setEncodingChoice(bool encodingSwitch, int initialEncoding)
{
    d->encodingSwitch = encodingSwitch;
    d->initialEncoding = initialEncoding;
}

bool MainWindow::encodingSwitch() const
{
    return d->encodingSwitch;
}

int MainWindow::initialEncoding() const
{
    return d->initialEncoding;
}

void MainWindow::languageChange() {}

// ---- menus and the host ------------------------------------------------------------------

void MainWindow::createMenus(int tableKind)
{
    tesk::frame::MenuBuilder *builder = tesk::frame::menuBuilder();
    if (!builder)
        return;
    QString error;
    d->menuManager = builder->build(this, tableKind, &error);
    if (!error.isEmpty()) {
        tesk::system::ModalSeam::messageBox(this, QMessageBox::Critical, tr("KSO Menu Error"),
                                            error, QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (!d->menuManager)
        return;
    using tesk::frame::MenuManagerBase;
    connect(d->menuManager, &MenuManagerBase::sigClearStatus, this, &MainWindow::slotClearStatus);
    connect(d->menuManager, &MenuManagerBase::sigSetCalling, this, &MainWindow::slotSettingCalling);
    connect(d->menuManager, &MenuManagerBase::sigActivated, this, &MainWindow::slotMenuActivated);
}

tesk::frame::MenuManagerBase *MainWindow::menuManager() const
{
    return d->menuManager;
}

void MainWindow::runMenuCommand(int hostId)
{
    tesk::frame::MenuBuilder *builder = tesk::frame::menuBuilder();
    if (d->menuManager && builder)
        builder->activate(d->menuManager, hostId);
}

void MainWindow::setWindowBoxHandle(TeskHandle handle)
{
    d->windowBoxHandle = handle;
    tesk::frame::MenuBuilder *builder = tesk::frame::menuBuilder();
    if (d->menuManager && builder)
        builder->setFrameContext(d->menuManager, handle);
}

TeskHandle MainWindow::windowBoxHandle() const
{
    return d->windowBoxHandle;
}

void MainWindow::slotSettingCalling(bool calling)
{
    d->calling = calling;
}

bool MainWindow::isCalling() const
{
    return d->calling;
}

void MainWindow::slotMenuActivated(int id)
{
    if (id == tesk::commands::kOutputWindowItem && d->outputWindow && d->outputWindow->isHidden())
        d->outputWindow->show();
}

void MainWindow::setOutputWindow(QWidget *window)
{
    d->outputWindow = window;
}

QWidget *MainWindow::pane() const
{
    return d->pane;
}

bool MainWindow::registerCodeCallback(CuiCodeCallbackFn callback, TeskHandle windowBox)
{
    d->codeCallback = callback;
    d->codeBox = windowBox;
    return tesk::core::paneServices().bindFrame(d->pane, callback, windowBox);
}

void MainWindow::notifyPaneFocus()
{
    const CuiCodeCallbackFn callback = d->codeCallback;
    if (!callback || !d->pane)
        return;
    int rect[4] = {0, 0, d->pane->width(), d->pane->height()};
    const TeskHandle box = d->codeBox;
    tesk::lifetime::callHost(this, [&] { callback(box, rect, 3); });
}

void MainWindow::key(QKeyEvent *event)
{
    keyPressEvent(event);
}

// ---- host context popups -----------------------------------------------------------------

void MainWindow::setContextMenuCallback(ContextMenuCallback callback)
{
    d->contextMenuCallback = callback;
}

void MainWindow::PopupMenuExecution(int id)
{
    if (const ContextMenuCallback callback = d->contextMenuCallback)
        tesk::lifetime::callHost(this, [&] { callback(id); });
}

void MainWindow::PopupAboutToHide() {}

void MainWindow::setQtContextMenuMark()
{
    d->qtContextMenu = true;
}

bool MainWindow::isQtContextMenu() const
{
    return d->qtContextMenu;
}

void MainWindow::setNextActionInGroup(bool on)
{
    d->nextActionInGroup = on;
}

bool MainWindow::nextActionInGroup() const
{
    return d->nextActionInGroup;
}

void MainWindow::popContextMenu(const char *definition)
{
    if (!definition || !*definition)
        return;
    tesk::frame::MenuBuilder *builder = tesk::frame::menuBuilder();
    const QList<PopupDefinition::Item> items = PopupDefinition::parse(
        tesk::core::hostText(definition), &CuiContextMenuMap::lookup,
        [builder](int hostId) { return builder ? builder->itemText(0, hostId) : QString(); });

    tesk::system::Modal<TeskPopupMenu> popup(this, "DisplayPopup");
    for (const PopupDefinition::Item &item : items) {
        if (item.separator) {
            popup->addSeparator();
            continue;
        }
        QAction *action = popup->insertItem(item.text, item.id);
        action->setData(item.id);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setEnabled(!item.disabled);
    }
    d->panePopupShown = true;
    const QPointer<MainWindow> self(this);
    const auto result = popup.runMenu(QCursor::pos(), this);
    // The host may have closed this window meanwhile; the popup went with it.
    if (!result.alive)
        return;
    const int id = result.chosen ? result.chosen->data().toInt() : -1;
    QCoreApplication::processEvents();
    if (!self || tesk::lifetime::doomed(this))
        return;
    if (id != -1)
        PopupMenuExecution(id);
}

// ---- colour icon -------------------------------------------------------------------------

void MainWindow::createColourIcon()
{
    if (d->colourItem)
        return;
    d->colourPixmap = tesk::frame::images::colourIcon();
    d->colourItem = menuBar()->addAction(QIcon(d->colourPixmap), QString());
    d->colourItem->setObjectName(QStringLiteral("ColourIcon"));
}

void MainWindow::removeColourIcon()
{
    if (!d->colourItem)
        return;
    menuBar()->removeAction(d->colourItem);
    delete d->colourItem;
    d->colourItem = nullptr;
}

bool MainWindow::hasColourIcon() const
{
    return d->colourItem;
}

void MainWindow::setColour(QRgb rgb)
{
    if (!d->colourItem)
        return;
    d->colour = rgb;
    paintColourIcon();
    d->colourItem->setIcon(QIcon(d->colourPixmap));
    for (DockWidget *dock : dockList())
        dock->setColour(rgb);
}

void MainWindow::paintColourIcon()
{
    QPainter painter(&d->colourPixmap);
    const QRect frame = d->colourPixmap.rect().adjusted(0, 0, -1, -1);
    if (d->colour == 0 && CuiDebugInfo::isSet(QStringLiteral("C0"))) {
        painter.fillRect(d->colourPixmap.rect(), QColor(QStringLiteral("grey")));
        painter.setPen(QPen(QBrush(QColor(QStringLiteral("white")), Qt::DiagCrossPattern), 1));
    } else {
        painter.fillRect(d->colourPixmap.rect(), QColor::fromRgb(d->colour));
        painter.setPen(Qt::black);
    }
    painter.drawRect(frame);
}

QRgb MainWindow::colour() const
{
    return d->colour;
}

bool MainWindow::setColourForHandle(TeskHandle handle, QRgb rgb)
{
    if (handle == 0)
        return false;
    if (handle == d->windowBoxHandle) {
        setColour(rgb);
        return true;
    }
    for (DockWidget *dock : dockList()) {
        if (dock->windowBox() == handle) {
            dock->setColour(rgb);
            return true;
        }
    }
    return false;
}

// ---- guards, activation, close -----------------------------------------------------------

void MainWindow::setModalDialogShown(bool shown)
{
    d->modalDialogShown = shown;
    // The layout sees a resize before the window does: holding the contents means holding
    // the layout, which fits them to the window again once the dialog is gone.
    if (QLayout *contents = layout(); contents && contents->isEnabled() == shown) {
        contents->setEnabled(!shown);
        if (!shown) {
            contents->invalidate();
            contents->activate();
        }
    }
}

bool MainWindow::modalDialogShown() const
{
    return d->modalDialogShown;
}

void MainWindow::setActivationCallback(CuiActivationFn callback)
{
    d->activationCallback = callback;
}

void MainWindow::setDontClose(bool dontClose)
{
    d->dontClose = dontClose;
}

bool MainWindow::dontClose() const
{
    return d->dontClose;
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (d->modalDialogShown && event->type() < kInputEventLimit)
        return true;
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    if (d->modalDialogShown)
        return;
    if (event->size().width() != event->oldSize().width())
        tesk::frame::chooseEditorLines(this);
    QMainWindow::resizeEvent(event);
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && d->activationCallback) {
        const CuiActivationFn callback = d->activationCallback;
        const int inactive = isActiveWindow() ? 0 : 1;
        tesk::lifetime::callHost(this, [&] { callback(inactive); });
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (d->modalDialogShown || isInPlaceEditActive()) {
        event->ignore();
        return;
    }
    // The host vetoes with QtSetDontClose from inside either command.
    d->dontClose = false;
    // The host may close this window from inside either command (QtCloseCode): it is then only
    // marked, and nothing more of it is done here.
    const QPointer<MainWindow> self(this);
    const auto alive = [&] { return self && !tesk::lifetime::doomed(this); };
    {
        tesk::lifetime::Scope scope(this);
        runMenuCommand(tesk::commands::kAskHostToCloseCommand);
        if (alive() && !d->dontClose)
            runMenuCommand(tesk::commands::kCloseWindowCommand);
    }
    if (!alive())
        return;
    if (!d->dontClose) {
        event->accept();
        return;
    }
    event->ignore();
    d->dontClose = false;
}
