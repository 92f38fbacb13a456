#include "frame/windows/mainframe.h"

#include "frame/core/commandids.h"
#include "frame/core/cuidebuginfo.h"
#include "frame/core/hosttext.h"
#include "frame/core/inplaceedit.h"
#include "frame/core/services.h"
#include "frame/core/softcheck.h"
#include "frame/menus/popupdefinition.h"
#include "frame/menus/teskpopupmenu.h"
#include "frame/services/cuicontextmenumap.h"
#include "frame/services/richtextimages.h"
#include "frame/windows/cuimenubar.h"
#include "frame/windows/cuiprogress.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/maindocks.h"
#include "frame/windows/frameimages.h"
#include "frame/windows/menuseam.h"
#include "frame/windows/store.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QCursor>
#include <QDockWidget>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QWidgetAction>

namespace {

constexpr int kBusyIndicatorWidth = 150;
constexpr int kMaxStatusFieldWidth = 400; // a host text wider than this is elided
constexpr int kPadlockSize = 16;
constexpr int kBigIconSize = 32;
// Events the old toolkit numbered below 10: timers, mouse buttons and moves, keys and focus.
constexpr int kInputEventLimit = 10;

// After a host popup the toolkit asks twice more for the dock menu (the mouse release and
// the context request of the same click); neither must open it.
int g_dockMenuSkips = 0;

enum StatusField {
    BusyField = 1,
    MessageField,
    PositionField,
    LogField,
    JournalField,
    StdioLogField
};

} // namespace

struct MainWindow::Private
{
    ContextMenuCallback contextMenuCallback = nullptr;
    CuiActivationFn activationCallback = nullptr;
    // The pane's code callback, for focus the pane frame itself never sees.
    CuiCodeCallbackFn codeCallback = nullptr;
    TeskHandle codeBox = 0;
    QWidget *pane = nullptr;
    tesk::frame::MenuManagerBase *menuManager = nullptr;
    QPointer<QWidget> outputWindow;
    QAction *colourItem = nullptr;
    QRgb colour = 0;
    QPixmap colourPixmap;
    TeskHandle windowBoxHandle = 0;
    bool calling = false;
    bool dontClose = false;
    bool panePopupShown = false;
    bool modalDialogShown = false;
    bool dockMenuEnabled = true;
    // Marks the host sets and reads back.
    bool qtContextMenu = false;
    bool nextActionInGroup = false;
    bool encodingSwitch = false;
    int initialEncoding = 0;
    bool bigIcons = false;
    bool textLabels = false;
    QString connectionName;
    int windowKind = MainKind;

    QPointer<QStatusBar> statusBar;
    QPointer<CuiProgress> busy;
    QPointer<QLabel> position;
    QPointer<QLabel> indicators[3];
    QPointer<QLabel> padlock;
    QPointer<QProgressBar> progress;
};

MainWindow::MainWindow(QWidget *parent, const char *name, Qt::WindowFlags flags)
    : CUIAbstractMainWindow(parent, name, flags)
    , d(std::make_unique<Private>())
    , m_docks(std::make_unique<tesk::frame::MainDocks>(this))
{
    d->pane = tesk::core::paneServices().createFrame(this);
    setCentralWidget(d->pane);
    DockWidget::watchFrameFocus();
    // A layout record has no field for dock windows stacked as tabs, so the user cannot make
    // any: what they arrange must come back as they left it.
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

// ---- status bar --------------------------------------------------------------------------

void MainWindow::createFullStatusBar()
{
    auto *bar = new QStatusBar(this);
    setStatusBar(bar);
    d->statusBar = bar;
    d->busy = new CuiProgress(bar);
    d->position = new QLabel(bar);
    for (QPointer<QLabel> &indicator : d->indicators)
        indicator = new QLabel(bar);
    d->padlock = new QLabel(bar);

    tesk::frame::addRichTextImage(QStringLiteral("padlock"), tesk::frame::images::padlock(true));
    tesk::frame::addRichTextImage(QStringLiteral("padunlock"), tesk::frame::images::padlock(false));

    const QFontMetrics metrics(bar->font());
    d->busy->setMinimumWidth(kBusyIndicatorWidth);
    d->position->setMinimumWidth(metrics.horizontalAdvance(QStringLiteral("Ln 00000, Col 0000")));
    const char *const indicatorWidths[] = {" LOG ", " JOU ", " STDIOLog "};
    for (int i = 0; i < 3; ++i)
        d->indicators[i]->setMinimumWidth(
            metrics.horizontalAdvance(QLatin1String(indicatorWidths[i])));
    d->padlock->setFixedSize(kPadlockSize, kPadlockSize);

    bar->addPermanentWidget(d->busy, 0);
    bar->addPermanentWidget(d->position, 0);
    for (QLabel *indicator : d->indicators)
        bar->addPermanentWidget(indicator, 0);
    bar->addPermanentWidget(d->padlock, 0);
    bar->show();
}

void MainWindow::createMessageStatusBar()
{
    // Replacing the status bar deletes the old one with everything in it.
    auto *bar = new QStatusBar(this);
    setStatusBar(bar);
    d->statusBar = bar;
    d->busy = new CuiProgress(bar);
    d->busy->setMinimumWidth(kBusyIndicatorWidth);
    bar->addPermanentWidget(d->busy, 0);
    bar->show();
}

void MainWindow::createBareStatusBar()
{
    auto *bar = new QStatusBar(this);
    setStatusBar(bar);
    d->statusBar = bar;
    bar->show();
}

QWidget *MainWindow::statusField(int field) const
{
    switch (field) {
    case BusyField:
        return d->busy;
    case MessageField:
        return d->statusBar;
    case PositionField:
        return d->position;
    case LogField:
    case JournalField:
    case StdioLogField:
        return d->indicators[field - LogField];
    default:
        return nullptr;
    }
}

void MainWindow::setStatusText(int field, const char *text, const char *tip)
{
    if (!d->statusBar)
        return;
    QWidget *widget = statusField(field);
    if (!widget)
        return;
    // Host text is plain and one line: markup would let the toolkit load files, line breaks
    // and long texts would grow the window without bound.
    const QString value = tesk::core::hostLine(text);
    if (field == BusyField) {
        d->busy->setText(value);
    } else if (field == MessageField) {
        d->statusBar->showMessage(value);
    } else {
        auto *label = static_cast<QLabel *>(widget);
        label->setTextFormat(Qt::PlainText);
        label->setText(
            label->fontMetrics().elidedText(value, Qt::ElideRight, kMaxStatusFieldWidth));
    }
    widget->setToolTip(tip ? tesk::core::plainToolTip(tesk::core::hostText(tip)) : QString());
}

void MainWindow::setStatusPosition(int line, int column)
{
    if (d->position)
        d->position->setText(tr("Ln %1, Col %2").arg(line).arg(column));
}

void MainWindow::setLogIndicator(bool on)
{
    if (d->indicators[0])
        d->indicators[0]->setText(on ? QStringLiteral("LOG") : QString());
}

void MainWindow::setJournalIndicator(bool on)
{
    if (d->indicators[1])
        d->indicators[1]->setText(on ? QStringLiteral("JOU") : QString());
}

void MainWindow::setStdioLogIndicator(bool on)
{
    if (d->indicators[2])
        d->indicators[2]->setText(on ? QStringLiteral("STDIOLog") : QString());
}

void MainWindow::setPadlockState(int state)
{
    if (!d->padlock)
        return;
    if (state == 1) {
        d->padlock->setText(QStringLiteral("<img source=\"padlock\">"));
        d->padlock->setToolTip(tr("Secure World"));
    } else if (state == 2) {
        d->padlock->setText(QStringLiteral("<img source=\"padunlock\">"));
        d->padlock->setToolTip(tr("Normal World"));
    } else {
        d->padlock->setText(QString());
        d->padlock->setToolTip(QString());
    }
}

void MainWindow::showProgress(int percent, int)
{
    if (percent == 100) {
        delete d->progress.data();
        return;
    }
    if (percent >= 0 && !d->progress && d->statusBar) {
        d->progress = new QProgressBar(d->statusBar);
        d->progress->show();
    }
    if (!d->progress)
        return;
    placeProgressBar();
    // A negative value empties the bar, as it did in the old toolkit.
    if (percent < 0)
        d->progress->reset();
    else
        d->progress->setValue(percent);
}

void MainWindow::placeProgressBar()
{
    // Laid over the message area, up to the busy indicator; the status bar may have been laid
    // out anew since the last step.
    const int busyX = d->busy ? d->busy->x() : 0;
    d->progress->setMinimumWidth(qMax(0, busyX - d->statusBar->x()));
    d->progress->setMaximumHeight(d->statusBar->height());
    d->progress->setGeometry(0, 0, d->progress->minimumWidth(), d->statusBar->height());
}

void MainWindow::showRunState(int state, const char *text)
{
    if (!d->statusBar || !d->busy)
        return;
    d->busy->setText(QString::fromLatin1(text ? text : ""));
    if (state > 0)
        d->busy->tick();
    else if (state == 0)
        d->busy->start();
    else
        d->busy->stop();
}

void MainWindow::slotClearStatus()
{
    if (d->statusBar)
        d->statusBar->showMessage(tr("For more information, select Help from Menu"));
}

CuiProgress *MainWindow::busyIndicator() const
{
    return d->busy;
}

QLabel *MainWindow::positionLabel() const
{
    return d->position;
}

QLabel *MainWindow::indicatorLabel(int number) const
{
    return number >= 1 && number <= 3 ? d->indicators[number - 1].data() : nullptr;
}

QLabel *MainWindow::padlockLabel() const
{
    return d->padlock;
}

QProgressBar *MainWindow::progressBar() const
{
    return d->progress;
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
        QString::fromLatin1(definition), &CuiContextMenuMap::lookup,
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
