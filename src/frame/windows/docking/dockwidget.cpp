#include "frame/windows/docking/dockwidget.h"

#include "frame/core/cuidebuginfo.h"
#include "frame/core/inplaceedit.h"
#include "frame/menus/teskpopupmenu.h"
#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/docklayout.h"
#include "frame/windows/docking/docklocationbox.h"
#include "frame/windows/ksodraganddrop.h"
#include "frame/windows/mainframe.h"
#include "system/debugoutput.h"
#include "system/freearea.h"
#include "system/lifetime.h"
#include "system/modalseam.h"
#include "system/nativeids.h"
#include "system/placelooks.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QPropertyAnimation>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabBar>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr QSize kFirstUndockSize(500, 400);
constexpr QSize kFirstDragFloatSize(400, 300);
constexpr int kStatusBarHeight = 22;
constexpr int kSwatchSize = 16;
constexpr QSize kLeastSize(100, 100);

// The scroll area around a pane that needs more room than its dock. Tabbing shows the field that
// takes the focus: whole where it fits, else from its left edge, where its rows begin. The
// toolkit's own margins centre a field nearly as wide as the view (a memory view's table),
// which left the dock scrolled sideways with the start of every row out of view.
class DockScroller final : public QScrollArea
{
public:
    using QScrollArea::QScrollArea;

protected:
    bool focusNextPrevChild(bool next) override
    {
        const bool moved = QScrollArea::focusNextPrevChild(next);
        QWidget *focus = QApplication::focusWidget();
        if (!moved || !focus || !widget() || !widget()->isAncestorOf(focus))
            return moved;
        QScrollBar *sideways = horizontalScrollBar();
        const int left = focus->mapTo(widget(), QPoint()).x();
        const int shown = viewport()->width();
        if (focus->width() > shown || left < sideways->value())
            sideways->setValue(left);
        else if (left + focus->width() > sideways->value() + shown)
            sideways->setValue(left + focus->width() - shown);
        return moved;
    }
};

// The toolkit sizes a docked window by the least size of its content plus its title bar, not by
// the window's own hint. The content asks for what is left of the window's least size once the
// title bar is taken, so that the whole window, title bar included, can go down to its least
// size: a main window with many docks then still fits its screen. A pane that needs more than
// its dock gets scrolls within it instead of being squeezed.
class DockContent : public QWidget
{
public:
    using QWidget::QWidget;
    // The pane's holder and the scroll area around it.
    QWidget *pane = nullptr;
    QWidget *paneArea = nullptr;

    // What the pane asks for now: the scroll area keeps the hint the pane had when it came.
    QSize sizeHint() const override
    {
        QSize hint = QWidget::sizeHint();
        if (pane)
            hint = hint.expandedTo(pane->sizeHint() +
                                   QSize(0, hint.height() - paneArea->sizeHint().height()));
        return hint;
    }
    QSize minimumSizeHint() const override
    {
        return (kLeastSize - QSize(0, titleBarHeight())).expandedTo(QSize(0, 0));
    }

private:
    // As the toolkit measures a dock window's own title bar: its text with the style's margins,
    // or its buttons when they are taller.
    int titleBarHeight() const
    {
        const auto *dock = qobject_cast<const QDockWidget *>(parentWidget());
        if (!dock || dock->isFloating())
            return 0;
        if (const QWidget *bar = dock->titleBarWidget())
            return bar->sizeHint().height();
        const int margin =
            dock->style()->pixelMetric(QStyle::PM_DockWidgetTitleMargin, nullptr, dock);
        int height = dock->fontMetrics().height() + 2 * margin;
        for (const QAbstractButton *button :
             dock->findChildren<QAbstractButton *>(Qt::FindDirectChildrenOnly))
            height = qMax(height, button->sizeHint().height());
        return height;
    }
};

// How far a floated window steps from another standing where it would, and how often at most.
constexpr int kStep = 24;
constexpr int kStepsClear = 8;

// How far into the code from its edge a drop counts as one on the area beside it.
constexpr int kEdgeDrop = 40;

// The main window's index of the area (as moveDockWindow takes it), else the fallback.
int areaIndex(Qt::DockWidgetArea area, int fallback)
{
    return area == Qt::LeftDockWidgetArea     ? 0
           : area == Qt::RightDockWidgetArea  ? 1
           : area == Qt::BottomDockWidgetArea ? 2
                                              : fallback;
}

// The area of the main window a drop at the point lands on: that of a docked window under it,
// else that beside the code's edge it is near; none over the code's middle or outside.
Qt::DockWidgetArea dropArea(QMainWindow *main, QPoint global)
{
    for (QDockWidget *docked : main->findChildren<QDockWidget *>()) {
        if (docked->isFloating() || !docked->isVisible() ||
            !QRect(docked->mapToGlobal(QPoint()), docked->size()).contains(global))
            continue;
        const Qt::DockWidgetArea area = main->dockWidgetArea(docked);
        if (area != Qt::NoDockWidgetArea && area != Qt::TopDockWidgetArea)
            return area;
    }
    const QWidget *code = main->centralWidget();
    if (!code || !code->isVisible())
        return Qt::NoDockWidgetArea;
    const QPoint at = code->mapFromGlobal(global);
    if (!code->rect().contains(at))
        return Qt::NoDockWidgetArea;
    const int edge = qMin(kEdgeDrop, qMin(code->width(), code->height()) / 3);
    if (at.y() >= code->height() - edge)
        return Qt::BottomDockWidgetArea;
    if (at.x() < edge)
        return Qt::LeftDockWidgetArea;
    if (at.x() >= code->width() - edge)
        return Qt::RightDockWidgetArea;
    return Qt::NoDockWidgetArea;
}

struct TabRow
{
    QRect shown;
    QPointer<QDockWidget> group;
};

// The rows of tabs of the groups docked in the main window, where they stand on the screen,
// each with a docked window of its group: a pane dropped on one joins that group, as users add
// a pane to a group.
QList<TabRow> tabRows(QMainWindow *main)
{
    QList<TabRow> rows;
    if (!main)
        return rows;
    for (const QTabBar *bar : tesk::frame::toolkitTabRows(main)) {
        if (!bar->isVisible())
            continue;
        for (int tab = 0; tab < bar->count(); ++tab)
            if (QDockWidget *docked = tesk::frame::dockOfTab(main, bar, tab);
                docked && !docked->isFloating() &&
                main->dockWidgetArea(docked) != Qt::NoDockWidgetArea) {
                rows.append({QRect(bar->mapToGlobal(QPoint()), bar->size()), docked});
                break;
            }
    }
    return rows;
}

QDockWidget *groupOfTabRow(QMainWindow *main, QPoint global)
{
    for (const TabRow &row : tabRows(main))
        if (row.shown.contains(global))
            return row.group;
    return nullptr;
}

// While the user drags a window the toolkit slides the windows of the areas aside for it, each
// slide a geometry animation that sets its end, the room opened for the drag, when it runs out:
// after the layout has laid the windows out anew. The slides still running end at once.
void finishSlides(QMainWindow *main)
{
    for (QPropertyAnimation *slide : main->findChildren<QPropertyAnimation *>())
        if (slide->state() == QAbstractAnimation::Running && slide->propertyName() == "geometry" &&
            slide->targetObject() && slide->targetObject()->parent() == main)
            slide->setCurrentTime(slide->totalDuration());
}

// One flag for every dock window: focusing a dock window tells the host, whose answer may
// focus it again.
bool g_inSetFocus = false;

void trace(const char *format, const void *address)
{
    tesk::system::debugOutput(
        QString::asprintf(format, static_cast<unsigned long>(quintptr(address))).toStdString() +
        "\n");
}

} // namespace

class DockWidgetPrivate
{
public:
    DockWidget::HostCallback callback = nullptr;
    TeskHandle windowBox = 0;
    bool hideOnly = false;
    bool closing = false;
    DockWidget::Restored restored;
    bool askLocation = false;
    bool dontClose = false;
    bool gotoWindow = false;
    QString name;
    QPointer<QWidget> givenWidget;
    bool userHidden = false;
    // Hidden by the user or the host: the screen may have become smaller, or the window been
    // placed by a record of a larger one, before it shows again.
    bool placeOnShow = false;
    // Counts the shows and the user's hides: a close the hide event planned is given up when
    // either came between.
    int hideTicket = 0;
    QRect floatingGeometry;
    int floated = DockWidget::Docked;
    bool floatingGeometrySet = false;
    QColor colour;
    QWidget *colourPane = nullptr;
    QStatusBar *statusBar = nullptr;
    QWidget *pane = nullptr;
    QLabel *indicator = nullptr;
    QLabel *textLabel = nullptr;
    QPixmap swatch;
    QPointer<MainWindow> mainWindow;
    // Until the pane first asks for more room than it has, the dock grows to it.
    bool growOnce = true;
    QSize askedBefore;
    int words[2] = {0, 0};
    bool initialised = false;
    // A title-bar drag of the user's while floating: where it was pressed, and whether it
    // moved far enough to be a drag.
    std::optional<QPoint> titlePressed;
    bool titleDragged = false;
    // Shown while floating before its main window first showed.
    bool showWithMainWindow = false;
    // Dropped by the user, the toolkit may be sliding it into a place.
    bool dropPending = false;
    // The group whose row of tabs it was dropped on, which it joins wherever the toolkit
    // slides it, and the rows as they stood when the drag began.
    QPointer<QDockWidget> dropGroup;
    QList<TabRow> rowsAtPress;
};

DockWidget::DockWidget(QWidget *parent, const char *name)
    : QDockWidget(parent)
    , d(std::make_unique<DockWidgetPrivate>())
{
    setObjectName(QLatin1String(name));
    setAttribute(Qt::WA_DeleteOnClose);
    d->mainWindow = qobject_cast<MainWindow *>(parent);
    watchFrameFocus();
}

DockWidget::~DockWidget()
{
    emit RemovemefromWindList(this);
}

void DockWidget::setUp()
{
    d->floatingGeometry = QRect(QPoint(), kFirstUndockSize);
    d->floated = Docked;
    d->floatingGeometrySet = false;
    setAcceptDrops(true);
    CuiPaneRegistry::instance()->add(d->windowBox, this);
    connect(this, &QDockWidget::topLevelChanged, this, [this](bool floating) {
        // Docked again while it waited to float up with its main window: docked, it shows as
        // the main window does, instead of staying hidden and being taken for closed.
        if (!floating && takeShowWithMainWindow())
            QDockWidget::setVisible(true);
        MyPlaceChange(floating ? Floating : Docked);
    });
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setFocusPolicy(Qt::StrongFocus);
    buildContent();
    d->initialised = true;
}

void DockWidget::buildContent()
{
    auto *content = new DockContent(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    // Scroll bars show only while the pane has less room than it needs.
    auto *scroller = new DockScroller(content);
    scroller->setObjectName(QStringLiteral("DockWidget::Scroller"));
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setFocusPolicy(Qt::NoFocus);
    scroller->setWidgetResizable(true);
    d->colourPane = new QWidget;
    d->colourPane->setObjectName(QStringLiteral("DockWidget::ColorPane"));
    auto *paneLayout = new QVBoxLayout(d->colourPane);
    paneLayout->setContentsMargins(0, 0, 0, 0);
    scroller->setWidget(d->colourPane);
    content->pane = d->colourPane;
    content->paneArea = scroller;
    layout->addWidget(scroller, 1);

    d->statusBar = new QStatusBar(content);
    d->statusBar->setObjectName(QStringLiteral("DockWidget::StatusBar"));
    d->statusBar->setFixedHeight(kStatusBarHeight);
    d->statusBar->setSizeGripEnabled(false);
    d->swatch = QPixmap(kSwatchSize, kSwatchSize);
    d->swatch.fill(QColor("yellow"));
    d->indicator = new QLabel(d->statusBar);
    d->indicator->setFixedSize(kSwatchSize, kSwatchSize);
    d->indicator->setPixmap(d->swatch);
    d->textLabel = new QLabel(d->statusBar);
    // The connection name is the host's text: markup in it is shown, never followed.
    d->textLabel->setTextFormat(Qt::PlainText);
    d->statusBar->addWidget(d->indicator);
    d->statusBar->addWidget(d->textLabel, 1);
    layout->addWidget(d->statusBar);
    d->statusBar->setVisible(isFloating());

    if (d->givenWidget) {
        d->givenWidget->setParent(d->colourPane);
        d->givenWidget->move(0, 0);
        paneLayout->addWidget(d->givenWidget);
        d->givenWidget->show();
    } else {
        d->pane = tesk::core::paneServices().createFrame(d->colourPane);
        tesk::core::paneServices().bindFrame(d->pane, d->callback, d->windowBox);
        paneLayout->addWidget(d->pane);
    }
    setWidget(content);
    d->colourPane->installEventFilter(this);
}

bool DockWidget::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == d->colourPane && event->type() == QEvent::LayoutRequest && d->growOnce) {
        // Read once the pane's layout has taken in the change.
        QTimer::singleShot(0, this, [this] {
            if (!d->growOnce || isFloating() || !d->mainWindow || !d->colourPane)
                return;
            // Only an ask that grew counts: a window made smaller leaves the pane less room,
            // and a pane laying its rows out anew in it asks as before. Grown for that, its
            // line would keep the room once the window was as large again.
            const QSize wanted = d->colourPane->sizeHint();
            const QSize before = std::exchange(d->askedBefore, wanted);
            if (before.isValid() && wanted.width() <= before.width() &&
                wanted.height() <= before.height())
                return;
            const QSize shown = d->colourPane->size();
            if (wanted.width() <= shown.width() && wanted.height() <= shown.height())
                return;
            d->growOnce = false;
            d->mainWindow->growDockArea(this);
        });
    }
    return QDockWidget::eventFilter(watched, event);
}

WId DockWidget::drawingAreaId() const
{
    // Only the area drawn in gets a window of its own: a native dock window is framed by the
    // window manager as it floats, and may be kept as a window of its own once it docks again.
    QWidget *area = d->givenWidget ? d->givenWidget.data() : d->colourPane;
    return tesk::system::innerNativeId(area);
}

bool DockWidget::isInitialised() const
{
    return d->initialised;
}

void DockWidget::setHostCallback(HostCallback callback)
{
    d->callback = callback;
}

void DockWidget::setWindowBox(TeskHandle box)
{
    d->windowBox = box;
}

TeskHandle DockWidget::windowBox() const
{
    return d->windowBox;
}

void DockWidget::setGivenWidget(QWidget *widget)
{
    d->givenWidget = widget;
}

bool DockWidget::isWidgetPane() const
{
    return d->givenWidget != nullptr;
}

QWidget *DockWidget::pane() const
{
    return d->pane;
}

MainWindow *DockWidget::mainWindow() const
{
    return d->mainWindow;
}

void DockWidget::setName(const QString &name)
{
    d->name = name;
}

QString DockWidget::name() const
{
    return d->name;
}

void DockWidget::setHideOnly(bool on)
{
    d->hideOnly = on;
}

void DockWidget::setDontClose(bool on)
{
    d->dontClose = on;
}

bool DockWidget::dontClose() const
{
    return d->dontClose;
}

void DockWidget::setAskLocation(bool on)
{
    d->askLocation = on;
}

bool DockWidget::askLocation() const
{
    return d->askLocation;
}

void DockWidget::setGoto(bool on)
{
    d->gotoWindow = on;
}

bool DockWidget::isGoto() const
{
    return d->gotoWindow;
}

bool DockWidget::isClosing() const
{
    return d->closing;
}

void DockWidget::setTwoWords(int first, int second)
{
    d->words[0] = first;
    d->words[1] = second;
}

bool DockWidget::isUserHidden() const
{
    return d->userHidden;
}

DockWidget::Restored &DockWidget::restored()
{
    return d->restored;
}

const DockWidget::Restored &DockWidget::restored() const
{
    return d->restored;
}

QRect DockWidget::floatingGeometry() const
{
    return d->floatingGeometry;
}

bool DockWidget::floatingGeometrySet() const
{
    return d->floatingGeometrySet;
}

int DockWidget::floated() const
{
    return d->floated;
}

QStatusBar *DockWidget::dockStatusBar() const
{
    return d->statusBar;
}

QString DockWidget::connectionText() const
{
    return d->textLabel ? d->textLabel->text() : QString();
}

// ---- docking and floating ----------------------------------------------------------------

void DockWidget::floatdock()
{
    if (isFloating())
        dock();
    else
        undock();
}

void DockWidget::enterFloating(QSize size)
{
    if (d->statusBar)
        d->statusBar->show();
    // Floated at its docked place near the screen's edge, or where it was left on a screen
    // since made smaller, the whole window, title bar included, stays within the free area.
    tesk::system::placeInFreeArea(this, tesk::system::framePosition(this), size);
    d->floatingGeometry = geometry();
    d->floatingGeometrySet = true;
}

QPoint DockWidget::placeShown() const
{
    // A tab behind another is kept out of sight by the toolkit: it stands where the tab shown
    // of its group does. The toolkit still counts a tab floated out as one of the group; where
    // it floats is no place of the group's.
    const auto onScreen = [](const QDockWidget *dock) {
        return dock->isVisible() && !dock->isFloating() && dock->x() >= 0 && dock->y() >= 0;
    };
    if (!onScreen(this) && d->mainWindow)
        for (const QDockWidget *tab :
             d->mainWindow->tabifiedDockWidgets(const_cast<DockWidget *>(this)))
            if (onScreen(tab))
                return tab->mapToGlobal(QPoint());
    return mapToGlobal(QPoint());
}

void DockWidget::undock()
{
    const QRect remembered = d->floatingGeometry;
    const bool wasSet = d->floatingGeometrySet;
    const QPoint shown = isFloating() ? pos() : placeShown();
    // Marked first so that the place change the toolkit reports is no change of ours.
    d->floated = Floating;
    setFloating(true);
    move(wasSet ? remembered.topLeft() : shown);
    enterFloating(remembered.size());
    stepClearOfOthers();
    // Floated before its area took it in (while the user held a separator), it shows now;
    // one the host or the user hid stays hidden.
    if (isHidden() && !testAttribute(Qt::WA_WState_ExplicitShowHide) && d->mainWindow &&
        d->mainWindow->isVisible())
        show();
}

void DockWidget::stepClearOfOthers()
{
    if (!d->mainWindow)
        return;
    // Tabs of one group stand in one place: floated one after another, each would cover the
    // one before exactly, and the user would see one window.
    // Docks pulled into a corner of the free area share that corner, whatever their sizes.
    const auto taken = [this](QPoint at) {
        const QPoint corner = at + QPoint(frameGeometry().width(), frameGeometry().height());
        for (const DockWidget *other : d->mainWindow->findChildren<DockWidget *>())
            if (other != this && other->isFloating() && !tesk::frame::hiddenByRequest(other) &&
                (tesk::system::framePosition(other) == at ||
                 tesk::system::framePosition(other) +
                         QPoint(other->frameGeometry().width(), other->frameGeometry().height()) ==
                     corner))
                return true;
        return false;
    };
    const QPoint first = tesk::system::framePosition(this);
    if (!taken(first))
        return;
    const auto clearAt = [this, &taken, first](QPoint aside) {
        tesk::system::placeInFreeArea(this, first + aside, size());
        const QPoint at = tesk::system::framePosition(this);
        if (taken(at) || at == first)
            return false;
        d->floatingGeometry = geometry();
        return true;
    };
    // Down and right as far as the free area lets it, else up and left.
    for (const int direction : {1, -1})
        for (int step = 1; step <= kStepsClear; ++step)
            if (clearAt(QPoint(kStep, kStep) * step * direction))
                return;
    // Pulled into a corner where others stand already, the steps along the diagonal are all
    // taken (or lie beyond the free area): as far again along one edge is no farther away.
    for (int step = 1; step <= 2 * kStepsClear; ++step)
        for (const QPoint direction : {QPoint(-1, 0), QPoint(0, -1), QPoint(1, 0), QPoint(0, 1)})
            if (clearAt(direction * kStep * step))
                return;
    tesk::system::placeInFreeArea(this, first, size());
}

void DockWidget::dock()
{
    if (isFloating()) {
        d->floatingGeometry = geometry();
        d->floatingGeometrySet = true;
    }
    MainWindow *main = d->mainWindow;
    if (d->askLocation && main && !main->doNotAskAgain()) {
        if (!runLocationDialog())
            return;
        d->askLocation = false;
        MyPlaceChange(isFloating() ? Floating : Docked);
        return;
    }
    if (!d->askLocation || !main) {
        if (main)
            main->dockLayout().dockBack(this);
        else
            setFloating(false);
        return;
    }
    main->moveDockWindow(this, main->rememberedArea());
    MyPlaceChange(isFloating() ? Floating : Docked);
}

bool DockWidget::runLocationDialog()
{
    // Asked inside the host's call (CuiPaneDock, option 666): an unattended host has it
    // answered as its other boxes, cancelled at once when prompts are suppressed.
    if (CuiDebugInfo::promptsSuppressed())
        return false;
    tesk::system::Modal<DockLocationBox> box(this, "locationbox", true);
    if (!box.run(this).accepted())
        return false;
    // The main window may have been closed while the question was up.
    MainWindow *main = d->mainWindow;
    if (!main || tesk::lifetime::doomed(main))
        return false;
    if (box->doNotAskAgain()->isChecked())
        main->setDoNotAskAgain(true);
    main->setRememberedArea(box->chosenArea());
    main->moveDockWindow(this, box->chosenArea());
    return true;
}

void DockWidget::MyPlaceChange(int place)
{
    if (CuiDebugInfo::isSet(QStringLiteral("D0")))
        trace("DockWidget::MyPlaceChange - 0x%08lx", this);
    if (place != d->floated) {
        if (place == Floating) {
            if (!d->floatingGeometrySet)
                d->floatingGeometry.setSize(kFirstDragFloatSize);
            enterFloating(d->floatingGeometry.size());
            // Made a window anew by the toolkit, it is mapped and framed later: kept within
            // the free area by where the window manager then says it stands.
            if (isVisible())
                tesk::system::keepInFreeAreaAsFramed(this);
        } else {
            // The toolkit docked it where the user dropped it, beside the window under the
            // pointer or on a line of its own, and the layout took that place into its lines
            // (follow); dropped on a group's row of tabs, it joins the group. The fit makes
            // room, its area giving first.
            d->askLocation = false;
            if (d->dropPending && d->mainWindow) {
                QPointer<DockWidget> self(this);
                QPointer<QDockWidget> group = std::exchange(d->dropGroup, nullptr);
                tesk::system::lookAtPlace(this, tesk::system::PlaceLook::DropDocked, [self, group] {
                    if (!self || self->isFloating() || !self->d->mainWindow)
                        return;
                    MainWindow *main = self->d->mainWindow;
                    if (group && !group->isFloating() &&
                        main->dockLayout().placeAsTab(self, group)) {
                        self->raise();
                        return;
                    }
                    // The toolkit's slides of the drag may still run, and would undo the
                    // sizes the fit asks.
                    finishSlides(main);
                    main->dockLayout().fit(self);
                });
            }
            // The drop is answered: floated again before the layout's turn (by the host, say),
            // it stays floating.
            d->dropPending = false;
            if (d->statusBar)
                d->statusBar->hide();
        }
    }
    d->floated = place;
}

bool DockWidget::showsWithMainWindow() const
{
    // Only a window manager stacks and maps in its own time; where windows only draw (no
    // window system), a floating window shown before its main window, or without one ever
    // shown, shows at once.
    return tesk::system::windowManaged() && isWindow() && d->mainWindow &&
           !d->mainWindow->docksLaidOut();
}

bool DockWidget::waitsForMainWindow() const
{
    return d->showWithMainWindow;
}

bool DockWidget::takeShowWithMainWindow()
{
    return std::exchange(d->showWithMainWindow, false);
}

void DockWidget::hideWithMainWindow()
{
    if (!isFloating() || !isVisible())
        return;
    d->showWithMainWindow = true;
    QDockWidget::setVisible(false);
}

bool DockWidget::onTitleBar(QPoint position) const
{
    return widget() && position.y() >= 0 && position.y() < widget()->y();
}

bool DockWidget::event(QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove &&
        type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
        return QDockWidget::event(event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    const QPoint at = mouse->position().toPoint();
    const QPoint global = mouse->globalPosition().toPoint();
    if (!isFloating() || !d->mainWindow) {
        d->titlePressed.reset();
        return QDockWidget::event(event);
    }
    if (type == QEvent::MouseButtonDblClick && mouse->button() == Qt::LeftButton &&
        onTitleBar(at)) {
        // The toolkit would put it back where it holds a place for it, which a window made
        // floating never had in the layout's lines.
        d->titlePressed.reset();
        dockWhereDropped(std::nullopt);
        return true;
    }
    if (type == QEvent::MouseButtonPress) {
        d->titleDragged = false;
        if (mouse->button() == Qt::LeftButton && onTitleBar(at))
            d->titlePressed = global;
        else
            d->titlePressed.reset();
    } else if (type == QEvent::MouseMove && d->titlePressed &&
               (global - *d->titlePressed).manhattanLength() > QApplication::startDragDistance()) {
        d->titleDragged = true;
    }
    // Nearing a group, the toolkit opens a gap beside it for the window, and its row of tabs
    // slides from where the user saw it when the drag began: a drop on either joins the group.
    if (type == QEvent::MouseButtonPress)
        d->rowsAtPress = d->titlePressed ? tabRows(d->mainWindow) : QList<TabRow>();
    const bool dropped = type == QEvent::MouseButtonRelease && d->titlePressed && d->titleDragged;
    d->dropGroup = nullptr;
    if (dropped) {
        d->dropGroup = groupOfTabRow(d->mainWindow, global);
        for (const TabRow &row : std::as_const(d->rowsAtPress))
            if (!d->dropGroup && row.group && row.shown.contains(global))
                d->dropGroup = row.group;
    }
    if (type == QEvent::MouseButtonRelease)
        d->titlePressed.reset();
    // The toolkit may dock it while it takes the release.
    if (dropped)
        d->dropPending = true;
    const bool taken = QDockWidget::event(event);
    if (!dropped)
        return taken;
    // The toolkit docks a window dropped where it finds a gap, sliding it into place; it finds
    // none in an area without room. Once it has had its time, the window still floating docks
    // by the layout, whose fit makes the room.
    QPointer<DockWidget> self(this);
    tesk::system::lookAtPlace(this, tesk::system::PlaceLook::DropMissed, [self, global] {
        if (!self || !std::exchange(self->d->dropPending, false))
            return;
        if (self->isFloating() && self->isVisible())
            self->dockWhereDropped(global);
    });
    return taken;
}

void DockWidget::dockWhereDropped(std::optional<QPoint> globalPoint)
{
    MainWindow *main = d->mainWindow;
    if (!main || allowedAreas() == Qt::NoDockWidgetArea)
        return;
    Qt::DockWidgetArea area = Qt::NoDockWidgetArea;
    if (globalPoint) {
        if (QDockWidget *group = std::exchange(d->dropGroup, nullptr)) {
            d->floatingGeometry = geometry();
            d->floatingGeometrySet = true;
            if (main->dockLayout().placeAsTab(this, group)) {
                raise();
                MyPlaceChange(Docked);
                return;
            }
        }
        area = dropArea(main, *globalPoint);
        if (area == Qt::NoDockWidgetArea)
            return;
    } else if (!d->askLocation) {
        // Docked before: back to its place, as the host's dock does.
        d->floatingGeometry = geometry();
        d->floatingGeometrySet = true;
        main->dockLayout().dockBack(this);
        return;
    } else {
        area = main->dockWidgetArea(this);
    }
    d->floatingGeometry = geometry();
    d->floatingGeometrySet = true;
    main->moveDockWindow(this, areaIndex(area, main->rememberedArea()));
    MyPlaceChange(isFloating() ? Floating : Docked);
}

// ---- hiding and closing ------------------------------------------------------------------

bool DockWidget::modalDialogShown() const
{
    return d->mainWindow && d->mainWindow->modalDialogShown();
}

bool DockWidget::notifyHost(int width, int height, int code)
{
    // Ended by the host inside an earlier call (focus given to the pane first, say), the dock
    // tells it nothing more.
    if (tesk::lifetime::doomed(this))
        return false;
    if (!d->callback)
        return true;
    int rect[4] = {0, 0, width, height};
    const auto callback = d->callback;
    const TeskHandle box = d->windowBox;
    return tesk::lifetime::callHost(this, [&] { callback(box, rect, code); });
}

void DockWidget::hide()
{
    setVisible(false);
}

void DockWidget::setVisible(bool visible)
{
    // A value being edited in place must not lose its window.
    if (!visible && isInPlaceEditActive())
        return;
    // Floating before its main window first shows, it shows with it (MainWindow::layOutDocks):
    // mapped ahead of the main window, a window manager stacks it beneath it, and loses it for
    // good to the hide and show the toolkit does while it floats the window on the way.
    d->showWithMainWindow = visible && showsWithMainWindow();
    if (d->showWithMainWindow) {
        // Placed meanwhile without its frame: it is kept within the free area as it shows.
        d->placeOnShow = true;
        return;
    }
    QDockWidget::setVisible(visible);
}

void DockWidget::togglePaneVisibility()
{
    if (isVisible()) {
        hideOnly();
    } else if (d->mainWindow) {
        d->mainWindow->showDockWidget(this);
    } else {
        show();
    }
}

void DockWidget::hideOnly()
{
    // Also before its main window shows: the toolkit then sends a hide event all the same, or
    // none, so the mark is taken off here either way.
    ++d->hideTicket;
    d->userHidden = true;
    d->placeOnShow = true;
    if (d->mainWindow)
        d->mainWindow->dockLayout().hideKeepingLines(this, [this] { hide(); });
    else
        hide();
    d->userHidden = false;
}

void DockWidget::showEvent(QShowEvent *event)
{

    ++d->hideTicket;
    d->restored.placeAsStored = false;
    // Floating, it lands within the free area as it shows, title bar included.
    if (std::exchange(d->placeOnShow, false) && isFloating())
        tesk::system::keepInFreeArea(this);
    if (isFloating())
        tesk::system::keepMappedOnceShown(this);
    QDockWidget::showEvent(event);
}

void DockWidget::hideEvent(QHideEvent *event)
{
    QDockWidget::hideEvent(event);
    const bool closes = !d->userHidden && !d->dontClose && !event->spontaneous() && !d->closing &&
                        !d->showWithMainWindow && !isInPlaceEditActive();
    d->userHidden = false;
    if (!closes)
        return;
    // The toolkit hides a dock window for a moment while it floats or docks it; only a window
    // still hidden once control is back in the loop, neither shown nor hidden by the user or
    // the host meanwhile, was hidden for good.
    QPointer<DockWidget> self(this);
    const int ticket = d->hideTicket;
    QTimer::singleShot(0, this, [self, ticket] {
        if (self && self->d->hideTicket == ticket && self->isHidden() && !isInPlaceEditActive() &&
            !self->showsWithMainWindow() && !self->d->showWithMainWindow) {
            self->close();
            self->deleteLater();
        }
    });
}

bool DockWidget::hideMe()
{
    if (modalDialogShown())
        return false;
    d->closing = true;
    // A window the host destroyed while told of its closing is gone already.
    if (!d->dontClose && !notifyHost(0, 0, 0))
        return true;
    if (!d->dontClose && !d->hideOnly) {
        emit RemovemefromWindList(this);
        d->closing = false;
        deleteLater();
        return true;
    }
    if (d->dontClose)
        hide();
    d->closing = false;
    d->hideOnly = false;
    return false;
}

void DockWidget::closeMe()
{
    if (modalDialogShown())
        return;
    d->closing = true;
    if (!notifyHost(0, 0, 0))
        return;
    deleteLater();
    emit RemovemefromWindList(this);
    d->closing = false;
}

void DockWidget::closeEvent(QCloseEvent *event)
{
    if (!isInPlaceEditActive() && hideMe())
        event->accept();
    else
        event->ignore();
}

bool DockWidget::processGenericOption(int option)
{
    switch (option) {
    case OptionDockFloat:
        floatdock();
        return true;
    case OptionHide:
        hideOnly();
        return true;
    case OptionClose:
        end();
        return true;
    default:
        return false;
    }
}

void DockWidget::end()
{
    emit RemovemefromWindList(this);
    // A dock window of no main window is in no list that would let go of it.
    CuiPaneRegistry::instance()->remove(this);
    // The hide on the way is no close for the host to hear of: the window is ended already.
    d->closing = true;
    tesk::lifetime::destroyLater(this);
}

// ---- focus, colour, sizes, small slots ---------------------------------------------------

void DockWidget::setFocus()
{
    if (g_inSetFocus)
        return;
    g_inSetFocus = true;
    QDockWidget::setFocus();
    notifyHost(width(), height(), 3);
    g_inSetFocus = false;
}

namespace {

// The dock window, else the main window's pane, that holds the widget; null for neither.
QWidget *frameHolding(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<DockWidget *>(w))
            return w;
        if (auto *window = qobject_cast<MainWindow *>(w))
            return window->pane() && window->pane()->isAncestorOf(widget) ? window->pane()
                                                                          : nullptr;
        if (w->isWindow())
            return nullptr;
    }
    return nullptr;
}

void frameFocusChanged(QWidget *old, QWidget *now)
{
    QWidget *frame = frameHolding(now);
    // Moving within a frame is no news.
    if (!frame || g_inSetFocus)
        return;
    if (old && (old == frame || frame->isAncestorOf(old)))
        return;
    if (frame == now) {
        // The dock window's own focus handler speaks for it; the main window's pane tells the
        // host under the guard its own focus requests use, so the host hears of it once.
        if (!qobject_cast<DockWidget *>(frame))
            tesk::core::paneServices().notifyFrameFocus(frame);
        return;
    }
    g_inSetFocus = true;
    if (auto *dock = qobject_cast<DockWidget *>(frame)) {
        dock->notifyFocus();
    } else {
        for (QWidget *w = frame->parentWidget(); w; w = w->parentWidget())
            if (auto *window = qobject_cast<MainWindow *>(w)) {
                window->notifyPaneFocus();
                break;
            }
    }
    g_inSetFocus = false;
}

} // namespace

namespace {

// The watch on the application the library runs in. It goes with the library's own application;
// a host's application outlives the library's windows and the library itself.
QMetaObject::Connection g_frameFocusWatch;

} // namespace

void DockWidget::watchFrameFocus()
{
    auto *application = qobject_cast<QApplication *>(QCoreApplication::instance());
    if (!application || g_frameFocusWatch)
        return;
    g_frameFocusWatch =
        QObject::connect(application, &QApplication::focusChanged, application, &frameFocusChanged);
}

void DockWidget::unwatchFrameFocus()
{
    QObject::disconnect(std::exchange(g_frameFocusWatch, {}));
}

void DockWidget::notifyFocus()
{
    notifyHost(width(), height(), 3);
}

void DockWidget::focusInEvent(QFocusEvent *event)
{
    QDockWidget::focusInEvent(event);
    if (g_inSetFocus)
        return;
    g_inSetFocus = true;
    notifyHost(width(), height(), 3);
    g_inSetFocus = false;
}

void DockWidget::dragEnterEvent(QDragEnterEvent *event)
{
    // Without an accepted enter the toolkit sends no moves; the host decides as for a move.
    tesk::frame::dragdrop::dragMove(this, d->windowBox, event);
    QDockWidget::dragEnterEvent(event);
}

void DockWidget::dragMoveEvent(QDragMoveEvent *event)
{
    tesk::frame::dragdrop::dragMove(this, d->windowBox, event);
    QDockWidget::dragMoveEvent(event);
}

void DockWidget::dropEvent(QDropEvent *event)
{
    tesk::frame::dragdrop::drop(this, d->windowBox, event);
    QDockWidget::dropEvent(event);
}

void DockWidget::setColour(QRgb rgb)
{
    d->colour = QColor(rgb);
    if (d->swatch.isNull())
        d->swatch = QPixmap(kSwatchSize, kSwatchSize);
    QPainter painter(&d->swatch);
    const QRect all(0, 0, kSwatchSize - 1, kSwatchSize - 1);
    if (rgb == 0 && CuiDebugInfo::isSet(QStringLiteral("C0"))) {
        d->swatch.fill(QColor("grey"));
        painter.setBrush(QBrush(QColor("white"), Qt::DiagCrossPattern));
    } else {
        painter.fillRect(d->swatch.rect(), QColor(rgb));
        painter.setPen(Qt::black);
    }
    painter.drawRect(all);
    painter.end();
    if (d->indicator)
        d->indicator->setPixmap(d->swatch);
}

QColor DockWidget::colour() const
{
    return d->colour;
}

void DockWidget::setConnectionName(const QString &name)
{
    if (d->textLabel)
        d->textLabel->setText(name);
}

QSize DockWidget::sizeHint() const
{
    if (CuiDebugInfo::isSet(QStringLiteral("D1"))) {
        const QSize own = QDockWidget::sizeHint();
        tesk::system::debugOutput(QString::asprintf("sizeHint: 0x%08lx, w=%d, h=%d%c",
                                                    static_cast<unsigned long>(quintptr(this)),
                                                    own.width(), own.height(), '\n')
                                      .toStdString());
    }
    return QSize(150, 100);
}

QSize DockWidget::minimumSizeHint() const
{
    if (CuiDebugInfo::isSet(QStringLiteral("D1"))) {
        const QSize own = QDockWidget::minimumSizeHint();
        tesk::system::debugOutput(QString::asprintf("minimumSizeHint: 0x%08lx,  w=%d, h=%d%c",
                                                    static_cast<unsigned long>(quintptr(this)),
                                                    own.width(), own.height(), '\n')
                                      .toStdString());
    }
    return kLeastSize;
}

void DockWidget::viewButtonClicked() {}

void DockWidget::fileButtonClicked() {}

void DockWidget::RenameWindow() {}

void DockWidget::NewPaneSlot(int pane)
{
    emit NewPaneSignal(pane, this);
}

void DockWidget::AboutToShow()
{
    emit ViewAboutToShow(this);
}

// ---- free helpers ------------------------------------------------------------------------

int appendDockMenuItems(QMenu *popup, bool separatorFirst)
{
    if (!popup)
        return 0;
    if (separatorFirst)
        popup->addSeparator();
    const std::pair<const char *, int> items[] = {
        {QT_TRANSLATE_NOOP("QObject", "Dock/Float"), DockWidget::OptionDockFloat},
        {QT_TRANSLATE_NOOP("QObject", "Hide"), DockWidget::OptionHide},
        {QT_TRANSLATE_NOOP("QObject", "Close"), DockWidget::OptionClose}};
    auto *tesk = qobject_cast<TeskPopupMenu *>(popup);
    for (const auto &[text, id] : items) {
        const QString label = QObject::tr(text);
        if (tesk)
            tesk->insertItem(label, id);
        else
            popup->addAction(label)->setData(id);
    }
    return 1;
}

namespace tesk::frame {

bool processPaneGenericOption(TeskHandle windowBox, int option)
{
    DockWidget *dock = CuiPaneRegistry::instance()->find(windowBox);
    return dock && dock->processGenericOption(option);
}

namespace {

// Runs the step on the pane's dock window: 1, or 0 when no dock window holds the pane.
template<typename Step>
int onPaneDock(TeskHandle windowBox, Step step)
{
    DockWidget *dock = CuiPaneRegistry::instance()->find(windowBox);
    if (!dock)
        return 0;
    step(dock);
    return 1;
}

} // namespace

int paneDock(TeskHandle windowBox)
{
    return onPaneDock(windowBox, [](DockWidget *dock) { dock->dock(); });
}

int paneUndock(TeskHandle windowBox)
{
    return onPaneDock(windowBox, [](DockWidget *dock) { dock->undock(); });
}

int paneHide(TeskHandle windowBox)
{
    return onPaneDock(windowBox, [](DockWidget *dock) { dock->hideOnly(); });
}

int paneClose(TeskHandle windowBox)
{
    // Closed from inside a call the pane made to the host, the pane is ended at once and asks
    // the host nothing more; it goes once that call has returned.
    return onPaneDock(windowBox, [](DockWidget *dock) { dock->end(); });
}

DockWidget *dockHolding(QObject *widget)
{
    for (QObject *o = widget; o; o = o->parent()) {
        if (auto *dock = qobject_cast<DockWidget *>(o))
            return dock;
    }
    return nullptr;
}

} // namespace tesk::frame
