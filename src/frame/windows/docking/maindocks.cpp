// The main window's dock windows: creation, placement, the unique captions, the even sharing
// of dock areas and the operations the exports reach them through.
#include "frame/windows/docking/maindocks.h"
#include "frame/core/hostgeometry.h"
#include "frame/core/hosttext.h"

#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/docking/floatingplace.h"
#include "frame/windows/docking/layoutrecords.h"
#include "frame/windows/mainframe.h"
#include "frame/windows/toolbars/editortoolbars.h"
#include "system/freearea.h"

#include <QLayout>
#include <QRegularExpression>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <utility>

using tesk::frame::DockArea;
using tesk::frame::MainDocks;

namespace {

const QString kOutputName = QStringLiteral("Output");
const QString kMemoryName = QStringLiteral("Memory");
const QString kConnectionControl = QStringLiteral("Connection Control");
// The height a dock window standing in a side area starts with.
constexpr int kSideDockHeight = 250;

DockArea areaOfPlacement(int placement)
{
    switch (placement) {
    case MainDocks::PlaceLeft:
        return DockArea::Left;
    case MainDocks::PlaceBottom:
        return DockArea::Bottom;
    default:
        return DockArea::Right;
    }
}

// The window of the dock's group whose record said it was the tab in front, of those that
// show; of two, the later.
DockWidget *recordedFront(const QList<DockWidget *> &docks, const tesk::frame::DockLayout &layout,
                          const QDockWidget *dock)
{
    DockWidget *front = nullptr;
    const QDockWidget *standing = layout.standingOf(dock);
    for (DockWidget *member : docks)
        if (member->restored().extentSet && member->restored().inFront &&
            layout.standingOf(member) == standing && !member->isFloating() &&
            !tesk::frame::hiddenByRequest(member))
            front = member;
    return front;
}

} // namespace

tesk::frame::MainDocks &MainWindow::docks() const
{
    return *m_docks;
}

tesk::frame::DockLayout &MainWindow::dockLayout() const
{
    return m_docks->layout;
}

const QList<DockWidget *> &MainWindow::dockList() const
{
    return m_docks->docks;
}

DockWidget *MainWindow::currentDockWidget() const
{
    return m_docks->docks.isEmpty() ? nullptr : m_docks->docks.last();
}

DockWidget *MainWindow::findDockWidgetByName(const QString &name) const
{
    for (DockWidget *dock : m_docks->docks)
        if (dock->name() == name)
            return dock;
    return nullptr;
}

DockWidget *MainWindow::findDockWidgetByBox(TeskHandle box) const
{
    for (DockWidget *dock : m_docks->docks)
        if (dock->windowBox() == box)
            return dock;
    return nullptr;
}

DockWidget *MainWindow::showGotoDockWidget(const QString &name)
{
    for (DockWidget *dock : m_docks->docks) {
        if (dock->isGoto() && dock->name() == name) {
            showDockWidget(dock);
            return dock;
        }
    }
    return nullptr;
}

void MainWindow::showDockWidget(DockWidget *dock)
{
    // Asked for before the show, it is not hidden again by its record there.
    dock->restored().visible = true;
    m_docks->layout.showKeepingLines(dock, [dock] { dock->show(); });
    // The room it takes may make tabs of others, but not hide it behind one: it is the window
    // asked for. Floating, it lands within the free area as it shows (DockWidget::showEvent).
    if (!dock->isFloating()) {
        // The toolkit brings it back at the size it had, whatever its neighbours took
        // meanwhile: the line takes that size from them.
        tesk::frame::DockLayout &layout = m_docks->layout;
        if (!layout.tabbed(dock))
            layout.setExtent(dock, layout.extent(dock));
        layout.fit(dock);
    }
    dock->raise();
}

bool MainWindow::resizeDockWidget(TeskHandle box, QSize size)
{
    DockWidget *dock = findDockWidgetByBox(box);
    if (!dock)
        return false;
    if (dock->isFloating()) {
        // Its frame stays where it stands, within the free area.
        dock->restored().placeAsStored = false;
        tesk::system::resizeInFreeArea(dock, size);
    } else {
        m_docks->layout.hold(dock);
        m_docks->layout.setExtent(dock, size);
    }
    return true;
}

void MainWindow::setCurrentDockHeight()
{
    DockWidget *dock = currentDockWidget();
    if (!dock)
        return;
    m_docks->layout.setExtent(dock, QSize(m_docks->layout.extent(dock).width(), height() / 4));
    // A size change of the window makes the toolkit lay the dock areas out again.
    const QSize size = this->size();
    resize(size.width() + 1, size.height() + 1);
    resize(size);
}

TeskHandle MainWindow::lastDockHandle() const
{
    // Native ids are made only when the host asks for one: a native window on every dock
    // window is what the toolkit's offscreen platform cannot close while one floats.
    const DockWidget *dock = m_docks->lastDock;
    if (!dock)
        return 0;
    if (dock->pane())
        return TeskHandle(tesk::core::paneServices().frameAreaId(dock->pane()));
    return TeskHandle(dock->nativeId());
}

QString MainWindow::uniqueDockCaption(const QString &name) const
{
    // The name is the host's text, not a pattern.
    const QRegularExpression startsWith(QLatin1Char('^') + QRegularExpression::escape(name));
    const QRegularExpression numbered(
        QStringLiteral("^%1_(\\d+)").arg(QRegularExpression::escape(name)));
    int counter = 0;
    for (const QDockWidget *dock : findChildren<QDockWidget *>()) {
        const QString caption = dock->windowTitle();
        const QRegularExpressionMatch match = numbered.match(caption);
        bool valid = false;
        const int k = match.hasMatch() ? match.captured(1).toInt(&valid) : 0;
        if (valid) {
            if (k >= counter)
                counter = k + 1;
        } else if (startsWith.match(caption).hasMatch() && counter == 0) {
            counter = 1;
        }
    }
    return counter ? QStringLiteral("%1_%2").arg(name).arg(counter) : name;
}

DockWidget *MainWindow::createDockedWindow(TeskHandle box, const char *name,
                                           tesk::core::PaneCodeCallback callback)
{
    const QString hostName = tesk::core::hostText(name);
    auto *dock = new DockWidget(this, "DockWidget");
    dock->setHostCallback(callback);
    dock->setWindowBox(box);
    finishDockCreation(dock, hostName, FloatAtAThird);
    if (hostName == kOutputName) {
        m_docks->output = dock;
        setOutputWindow(dock);
    }
    m_docks->lastDock = dock;
    if (hostName == kMemoryName)
        dock->setGoto(true);
    return dock;
}

DockWidget *MainWindow::createDockWidget(const char *name, QWidget *widget,
                                         tesk::core::PaneCodeCallback callback, TeskHandle box)
{
    // A window is no pane: a dock window taken in would nest in another, a main window in its
    // own dock.
    if (!widget || qobject_cast<DockWidget *>(widget) || qobject_cast<QMainWindow *>(widget))
        return nullptr;
    auto *dock = new DockWidget(this, "DockWidget");
    dock->setHostCallback(callback);
    dock->setWindowBox(box);
    dock->setGivenWidget(widget);
    finishDockCreation(dock, tesk::core::hostText(name), FloatAsUndocked);
    m_docks->lastDock = dock;
    return dock;
}

DockWidget *MainWindow::finishDockCreation(DockWidget *dock, const QString &name,
                                           FloatingSize floatingSize)
{
    MainDocks &docks = *m_docks;
    const QString caption = docks.record.pending && !docks.record.name.isEmpty()
                                ? docks.record.name
                                : uniqueDockCaption(name);
    dock->setObjectName(caption);
    dock->setWindowTitle(caption);
    dock->setUp();
    dock->setConnectionName(connectionName());
    docks.docks.append(dock);
    dock->setName(name);
    // The top area belongs to the toolbars.
    dock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea |
                          Qt::BottomDockWidgetArea);

    const bool requested = docks.dockRequested;
    const DockArea area = areaOfPlacement(docks.placement);
    const bool newLine = docks.newLine;
    const MainDocks::PendingRecord record = std::exchange(docks.record, MainDocks::PendingRecord());
    docks.dockRequested = false;
    docks.newLine = false;
    connect(dock, &DockWidget::RemovemefromWindList, this, &MainWindow::RemoveFromWindList);
    connect(dock, &QDockWidget::dockLocationChanged, this,
            [this, dock] { DockWindowPosChanged(dock); });
    if (record.pending) {
        DockWidget::Restored &restored = dock->restored();
        restored.extentSet = true;
        restored.extent = record.size;
        restored.sortKey = record.index;
        restored.x = record.x;
        restored.y = record.y;
        restored.floating = record.floating;
        restored.visible = record.visible != 0;
        restored.inFront = record.visible == tesk::frame::kShownInFront;
        dock->setGoto(record.gotoFlag != 0);
    }
    if (requested) {
        // The extent a record brings back is the one the user left: the pane's wishes, however
        // they change once the host fills it, do not grow it.
        const bool held = record.pending && !record.size.isEmpty();
        QPointer<DockWidget> made(dock);
        docks.layout.afterDrag([this, made, area, newLine, held] {
            // Floated by the host while it waited, it stays floating.
            if (made && m_docks->docks.contains(made) && !made->isFloating())
                placeNewDock(made, area, newLine, held);
        });
        return dock;
    }
    if (caption == kConnectionControl)
        dock->setAllowedAreas(Qt::NoDockWidgetArea);
    else
        dock->setAskLocation(true);
    docks.layout.place(dock, DockArea::None, false);
    dock->undock();
    if (floatingSize == FloatAtAThird && caption != kConnectionControl)
        dock->resize(width() / 3, height() / 3);
    dock->show();
    // A record of the top area, which belongs to the toolbars, at 0,0 names no place: the dock
    // floats as one without a place does, at its size, not over the menu bar.
    const bool unplaced = !record.pending || (!record.floating && record.x == 0 && record.y == 0);
    dock->restored().floatsUnplaced = record.pending && unplaced;
    if (unplaced && dock->isFloating())
        tesk::frame::placeFloatingClearOfMenus(this, dock);
    if (docks.laidOut)
        restoreDock(dock, false);
    return dock;
}

void MainWindow::placeNewDock(DockWidget *dock, DockArea area, bool newLine, bool held)
{
    tesk::frame::DockLayout &layout = m_docks->layout;
    // One whose record says hidden is never shown on the way: shown for a moment, the fit
    // would take room from the other docks for it.
    const DockWidget::Restored &restored = dock->restored();
    if (restored.extentSet && !restored.floating && !restored.visible)
        dock->hideOnly();
    DockWidget *group = restoredGroup(dock, area, newLine);
    if (group)
        layout.placeAsTab(dock, group);
    else
        layout.place(dock, area, newLine);
    if (held)
        layout.hold(dock);
    // Placed once a drag ended, it may have been hidden meanwhile.
    if (!tesk::frame::hiddenByRequest(dock))
        dock->show();
    if (!dock->isFloating())
        layout.shareEvenly(layout.areaOf(dock), dock);
    if (m_docks->laidOut)
        restoreDock(dock, false);
    // Each record that brings a group back makes its window the tab shown as it joins: the one
    // the records said was in front comes forward again. One that joins a group its records do
    // not name (tabs the fit made for want of room) is shown, as a pane the host opens there is:
    // a tab records of another time put in front is not the user's choice now.
    if ((group || restored.inFront) && !dock->isFloating())
        if (DockWidget *front = recordedFront(m_docks->docks, layout, dock))
            front->raise();
}

DockWidget *MainWindow::restoredGroup(const DockWidget *dock, DockArea area, bool newLine) const
{
    // Windows of one group of tabs recorded one place and size; a window recorded where a
    // window shown before it in the same line was recorded, at its size, stood there as its
    // tab; one recorded hidden there too, as a tab behind the group shown. Records that name
    // no place (the origin, where the menu bar stands) say nothing of tabs: the fit makes what
    // tabs the window needs.
    const DockWidget::Restored &restored = dock->restored();
    if (!restored.extentSet || restored.floating || newLine || (restored.x == 0 && restored.y == 0))
        return nullptr;
    const tesk::frame::DockLayout &layout = m_docks->layout;
    const int lines = layout.lineCount(area);
    if (lines == 0)
        return nullptr;
    for (QDockWidget *other : layout.line(area, lines - 1)) {
        auto *earlier = qobject_cast<DockWidget *>(other);
        const DockWidget::Restored &was = earlier ? earlier->restored() : restored;
        if (earlier && was.extentSet && !was.floating && was.visible && was.x == restored.x &&
            was.y == restored.y && was.extent == restored.extent)
            return earlier;
    }
    return nullptr;
}

void MainWindow::DockWindowPosChanged(QDockWidget *dock)
{
    tesk::frame::DockLayout &layout = m_docks->layout;
    if (!layout.follow(dock))
        return;
    const DockArea area = layout.areaOf(dock);
    if (dock->isFloating() || area == DockArea::None || area == DockArea::Top)
        return;
    layout.shareEvenly(area);
}

void MainWindow::RemoveFromWindList(DockWidget *dock)
{
    if (!m_docks->docks.contains(dock))
        return;
    CuiPaneRegistry::instance()->remove(dock);
    removeFromDockList(dock);
    m_docks->sorted.removeAll(dock);
    // The dock window may be half destroyed here: only the toolkit's part is touched. Its
    // line's room goes to the code, as a hidden one's does, not to the lines beside it.
    QDockWidget *toolkitDock = dock;
    m_docks->layout.hideKeepingLines(toolkitDock, [this, toolkitDock] {
        m_docks->layout.forget(toolkitDock);
        // The toolkit keeps the place of a window it takes out under the window's name, and a
        // window docked later under that name takes away the first place kept by it: a dock
        // made later with this caption would take this place away, not its own, and stand in
        // a group of tabs the layout knows it left. No caption can take this name.
        toolkitDock->setObjectName(QStringLiteral(u"\u2205"));
        if (toolkitDock->parent() == this)
            removeDockWidget(toolkitDock);
    });
}

void MainWindow::removeFromDockList(DockWidget *dock)
{
    m_docks->docks.removeAll(dock);
}

void MainWindow::moveDockWindow(DockWidget *dock, int area)
{
    static const DockArea areas[] = {DockArea::Left, DockArea::Right, DockArea::Bottom};
    if (!dock || area < 0 || area > 2)
        return;
    m_docks->layout.place(dock, areas[area], false);
    m_docks->layout.shareEvenly(areas[area]);
}

bool MainWindow::doNotAskAgain() const
{
    return m_docks->doNotAskAgain;
}

void MainWindow::setDoNotAskAgain(bool on)
{
    m_docks->doNotAskAgain = on;
}

int MainWindow::rememberedArea() const
{
    return m_docks->rememberedArea;
}

void MainWindow::setRememberedArea(int area)
{
    m_docks->rememberedArea = area;
}

void MainWindow::setDontClosePane()
{
    for (DockWidget *dock : m_docks->docks)
        if (dock->isClosing()) {
            dock->setHideOnly(true);
            return;
        }
}

void MainWindow::resizeLastDockWidget()
{
    if (DockWidget *dock = currentDockWidget())
        dock->resize(width() + 1, height() - 1);
}

void MainWindow::closeAllDockWindows()
{
    if (pane())
        pane()->hide();
    while (!m_docks->docks.isEmpty()) {
        DockWidget *dock = m_docks->docks.takeFirst();
        CuiPaneRegistry::instance()->remove(dock);
        m_docks->layout.forget(dock);
        dock->disconnect(this);
        dock->hide();
        dock->deleteLater();
    }
    m_docks->sorted.clear();
}

void MainWindow::showOutputWindow()
{
    if (m_docks->output && m_docks->output->isHidden())
        m_docks->output->show();
}

void MainWindow::requestDockPlacement(int area, bool newLine)
{
    MainDocks &docks = *m_docks;
    if (docks.record.pending)
        return;
    docks.dockRequested = true;
    docks.newLine = newLine || area == int(DockArea::None);
    docks.placement = area == 0 ? MainDocks::PlaceRight : MainDocks::PlaceBottom;
}

// ---- layout records ----------------------------------------------------------------------

void MainWindow::sortDockList()
{
    MainDocks &docks = *m_docks;
    docks.layout.followToolkit();
    docks.sorted.clear();
    int largest = 0;
    for (DockWidget *dock : docks.docks) {
        const int key = qMax(0, docks.layout.indexOf(dock));
        dock->restored().sortKey = key;
        largest = qMax(largest, key);
    }
    for (int key = 0; key <= largest; ++key)
        for (DockWidget *dock : docks.docks)
            if (dock->restored().sortKey == key)
                docks.sorted.append(dock);
}

const QList<DockWidget *> &MainWindow::sortedDockList() const
{
    return m_docks->sorted;
}

QByteArray MainWindow::dockRecord(int sortedIndex) const
{
    const QList<DockWidget *> &sorted = m_docks->sorted;
    if (sortedIndex < 0 || sortedIndex >= sorted.size())
        return {};
    DockWidget *dock = sorted.at(sortedIndex);
    tesk::frame::DockLayout &layout = m_docks->layout;
    layout.followToolkit();
    tesk::frame::DockRecord record;
    record.caption = dock->windowTitle();
    const DockArea area = dock->isFloating() ? DockArea::None : layout.areaOf(dock);
    record.area = int(area);
    record.newLine = layout.startsLine(dock) ? 1 : 0;
    record.index = area == DockArea::None ? -1 : layout.indexOf(dock);
    const DockWidget::Restored &restored = dock->restored();
    // Before the show nothing is laid out yet: a record read then (a host storing its layout on
    // an early exit) says what the show will give, or the arrangement its record brought back
    // would be lost for good.
    const bool beforeShow = !m_docks->laidOut;
    // Hidden by its record, the show keeps what the record brought; shown, it is placed.
    // A record of the top area or of none floats too.
    const bool restoredFloating = beforeShow && restored.extentSet && area == DockArea::None;
    const bool asStored =
        area == DockArea::None && ((restored.placeAsStored && dock->isHidden()) ||
                                   (restoredFloating && restored.floating && !restored.visible &&
                                    !restored.extent.isEmpty()));
    const QRect placed = restoredFloating && !asStored ? floatingPlaceAtShow(dock) : QRect();
    const QPoint place = asStored                 ? QPoint(restored.x, restored.y)
                         : placed.isValid()       ? placed.topLeft()
                         : area == DockArea::None ? dock->pos()
                                                  : layout.placeOf(dock);
    record.x = place.x();
    record.y = place.y();
    QSize size = asStored                 ? restored.extent
                 : placed.isValid()       ? placed.size()
                 : area == DockArea::None ? dock->size()
                 : beforeShow             ? lineExtentAtShow(dock, area)
                                          : layout.extent(dock);
    // A dock hidden while the toolkit gave it no length along its line has only its extent
    // across to store: a length of 0 would make the record hold no size, and the dock come
    // back at a share of the window. The length along is its line's to share.
    if (area == DockArea::Bottom && size.height() > 0 && size.width() <= 0)
        size.setWidth(width() / 3);
    else if (area != DockArea::None && size.width() > 0 && size.height() <= 0)
        size.setHeight(kSideDockHeight);
    record.width = size.width();
    record.height = size.height();
    // Hidden as the host or the user left it: before the window shows, none is shown, and a
    // record read then (a host storing its layout on an early exit) would hide every dock. A
    // record that came back hidden hides its dock at the show. A floating dock shown before the
    // window waits, hidden, to show with it.
    const bool hiddenByRecord = !m_docks->laidOut && restored.extentSet && !restored.visible;
    const bool shown = dock->isVisibleTo(this) || dock->waitsForMainWindow();
    // The tab a group shows is the user's choice too: its record says so. Before the show, the
    // one the records said was in front is the one the show brings forward.
    const QDockWidget *front = area == DockArea::None ? nullptr : layout.frontOfGroup(dock);
    if (front && beforeShow)
        if (const DockWidget *recorded = recordedFront(m_docks->docks, layout, dock))
            front = recorded;
    const bool inFront = front == dock;
    record.visible = !shown || hiddenByRecord ? 0 : inFront ? tesk::frame::kShownInFront : 1;
    record.gotoFlag = dock->isGoto() ? 1 : 0;
    return tesk::frame::writeDockRecord(record);
}

void MainWindow::takeDockRecord(const QByteArray &text)
{
    MainDocks &docks = *m_docks;
    const tesk::frame::DockRecord record = tesk::frame::readDockRecord(text);
    MainDocks::PendingRecord &pending = docks.record;
    pending = MainDocks::PendingRecord();
    pending.pending = true;
    if (record.caption != QLatin1String("0"))
        pending.name = record.caption;
    docks.dockRequested = true;
    docks.newLine = record.newLine != 0;
    switch (DockArea(record.area)) {
    case DockArea::Left:
        docks.placement = MainDocks::PlaceLeft;
        break;
    case DockArea::Right:
        docks.placement = MainDocks::PlaceRight;
        break;
    case DockArea::Bottom:
        docks.placement = MainDocks::PlaceBottom;
        break;
    default:
        // Top belongs to the toolbars; such a window and an unplaced one float.
        docks.dockRequested = false;
        break;
    }
    pending.index = record.index;
    pending.floating = record.index == -1;
    pending.x = record.x;
    pending.y = record.y;
    pending.size = QSize(record.width, record.height);
    pending.visible = record.visible;
    pending.gotoFlag = record.gotoFlag;
}

bool MainWindow::docksLaidOut() const
{
    return m_docks->laidOut;
}

void MainWindow::layOutDocks()
{
    tesk::frame::DockLayout &layout = m_docks->layout;
    // Every window of an area takes its extent before any is laid out: given one after the
    // other, each would share out the area anew from what the ones before left, and a row
    // restored from its records would come back moved.
    for (DockWidget *dock : m_docks->docks) {
        const DockArea area = layout.areaOf(dock);
        if (dock->isFloating() || area == DockArea::None)
            continue;
        const DockWidget::Restored &restored = dock->restored();
        // One that comes back hidden takes no room: laid out shown and hidden after, its
        // extent would stay with the area and go to its neighbours.
        if (restored.extentSet && !restored.floating && !restored.visible)
            dock->hideOnly();
        layout.assignExtent(dock, extentAtShow(dock, area));
    }
    // The bottom area first: the side areas stand above it, and along them the toolkit shares
    // out what a bottom area laid out after them gives or takes, in its own proportions.
    for (const DockArea area : {DockArea::Bottom, DockArea::Left, DockArea::Right})
        layout.growToPanes(area);
    m_docks->laidOut = true;
    for (DockWidget *dock : m_docks->docks)
        restoreDock(dock, true);
    // The show lays the groups of tabs out anew and brings forward the tabs that joined last:
    // a group its records brought back before it shows the tab they say was in front now.
    for (DockWidget *dock : m_docks->docks)
        if (dock->restored().inFront)
            if (DockWidget *front = recordedFront(m_docks->docks, layout, dock))
                front->raise();
    // The floating ones shown meanwhile (DockWidget::setVisible) map now, after the main
    // window; one the host or the user hid since stays hidden.
    for (DockWidget *dock : m_docks->docks)
        if (dock->takeShowWithMainWindow() && dock->isFloating() && !dock->isVisible()) {
            // Placed while hidden: the window manager is told the place rather than left to
            // choose one (the screen's corner, under the panel).
            dock->setAttribute(Qt::WA_Moved);
            if (QWindow *handle = dock->windowHandle())
                handle->setPosition(dock->geometry().topLeft());
            dock->show();
        }
    // The docks as restored, with the toolbars that stand by now, on the screen the window
    // shows on: a layout kept on a larger screen comes back within this one.
    layout.fit();
}

QSize MainWindow::extentAtShow(const DockWidget *dock, DockArea area) const
{
    const DockWidget::Restored &restored = dock->restored();
    if (restored.extentSet && !restored.floating && !restored.extent.isEmpty())
        return restored.extent;
    // A tab without a record of its own shows at its group's size, which the toolkit lays out
    // as one and the host sizes through the window standing: at a share of the window, the tab
    // shown would size the line its group's record sized.
    if (const auto *standing = qobject_cast<const DockWidget *>(m_docks->layout.standingOf(dock));
        !restored.extentSet && standing && standing != dock)
        return extentAtShow(standing, area);
    // One the host sized before the show keeps that size, as one its record sized does: its
    // line holds it, and the fit takes room from the lines that hold none. So does one that
    // joined such a group as its tab, which the show may lay the group out by.
    const tesk::frame::DockLayout &layout = m_docks->layout;
    if (!restored.extentSet && (layout.held(dock) || layout.held(layout.standingOf(dock))))
        return layout.extent(dock);
    return QSize(width() / 3, area == DockArea::Bottom ? height() / 4 : kSideDockHeight);
}

void MainWindow::growDockArea(DockWidget *dock)
{
    if (!m_docks->docks.contains(dock))
        return;
    // The area grows from what it shows: the sizes the user dragged since it was last laid out
    // stay.
    m_docks->layout.followToolkit();
    m_docks->layout.growToPanes(m_docks->layout.areaOf(dock));
}

QSize MainWindow::lineExtentAtShow(const DockWidget *dock, DockArea area) const
{
    // A line stands as far across as its window holding a size, else as its first one shown,
    // as the show lays it out.
    QSize size = extentAtShow(dock, area);
    const tesk::frame::DockLayout &layout = m_docks->layout;
    if (const auto *setter = qobject_cast<const DockWidget *>(layout.lineSetterOf(dock))) {
        const QSize across = extentAtShow(setter, area);
        if (area == DockArea::Bottom)
            size.setHeight(layout.acrossAtShow(dock, setter, across.height()));
        else
            size.setWidth(layout.acrossAtShow(dock, setter, across.width()));
    }
    // No window goes below the least the toolkit lets it have, a record's neither.
    const QSize least = dock->layout() ? dock->layout()->minimumSize() : QSize();
    return size.expandedTo(dock->minimumSizeHint().expandedTo(least));
}

QRect MainWindow::floatingPlaceAtShow(const DockWidget *dock) const
{
    const DockWidget::Restored &restored = dock->restored();
    const QSize size = restored.extent;
    const bool sized = size.isValid() && !size.isEmpty();
    const QRect client = tesk::system::freePlaceFor(
        dock, tesk::frame::hostRect(restored.x, restored.y, 0, 0).topLeft(),
        sized ? tesk::frame::hostRect(0, 0, size.width(), size.height()).size() : dock->size());
    const QMargins frame = tesk::system::frameMargins(dock);
    return QRect(client.topLeft() - QPoint(frame.left(), frame.top()), client.size());
}

void MainWindow::restoreDock(DockWidget *dock, bool laidOutTogether)
{
    const DockWidget::Restored &restored = dock->restored();
    if (!restored.extentSet)
        return;
    const QSize size = restored.extent;
    const bool sized = size.isValid() && !size.isEmpty();
    if (!restored.floating && !dock->isFloating()) {
        // Docked, the area's layout owns the size: a size given to the window itself would
        // stand only until the next layout, and be read back meanwhile. A window joining a
        // laid-out area takes its extent there now.
        // One that comes back hidden keeps its extent for when it shows, and sizes no line now.
        if (sized && !laidOutTogether && restored.visible)
            m_docks->layout.restoreExtent(dock, size);
        else if (sized && !laidOutTogether)
            m_docks->layout.assignExtent(dock, size);
    } else if (restored.floatsUnplaced) {
        if (sized)
            tesk::system::resizeInFreeArea(
                dock, tesk::frame::hostRect(0, 0, size.width(), size.height()).size());
        if (!tesk::frame::hiddenByRequest(dock))
            dock->show();
    } else {
        // By the rule of every top-level window: the frame, not only the inside, within the
        // free area, at the size the window ends up with (no less than its least size). One the
        // host hid stays hidden until the host shows it.
        if (!tesk::frame::hiddenByRequest(dock))
            dock->show();
        const QPoint stored = tesk::frame::hostRect(restored.x, restored.y, 0, 0).topLeft();
        tesk::system::placeInFreeArea(
            dock, stored,
            sized ? tesk::frame::hostRect(0, 0, size.width(), size.height()).size() : dock->size());
        // Stored beyond a smaller screen, docks pulled within it would stand one over another.
        // Not at the show, whose places the records read before it tell already.
        if (!laidOutTogether && tesk::system::framePosition(dock) != stored)
            dock->stepClearOfOthers();
    }
    if (!restored.visible)
        dock->hideOnly();
    // Hidden, it is placed within this screen for when it shows; until then the next run gets
    // back the place and size it was stored with, a larger screen's too.
    dock->restored().placeAsStored =
        !restored.visible && restored.floating && dock->isFloating() && sized;
}

QList<QToolBar *> MainWindow::numberedToolbars() const
{
    QList<QToolBar *> numbered;
    for (const QList<QToolBar *> &line : tesk::frame::topToolbarLines(this))
        numbered += line;
    for (QToolBar *toolbar : findChildren<QToolBar *>())
        if (toolbar->isFloating())
            numbered.append(toolbar);
    return numbered;
}

QByteArray MainWindow::toolbarRecord(int index) const
{
    const QList<QToolBar *> toolbars = numberedToolbars();
    if (index < 0 || index >= toolbars.size())
        return {};
    QToolBar *toolbar = toolbars.at(index);
    tesk::frame::ToolbarRecord record;
    // A new line is where a line starts, the first excepted.
    const QList<QList<QToolBar *>> lines = tesk::frame::topToolbarLines(this);
    for (int l = 1; l < lines.size(); ++l)
        if (lines[l].first() == toolbar)
            record.newLine = 1;
    record.index = toolbar->isFloating() ? -1 : index;
    record.x = toolbar->x();
    record.y = toolbar->y();
    // Hidden as the user or the host left it: before the window shows, none is.
    record.hidden = toolbar->isVisibleTo(this) ? 0 : 1;
    record.width = toolbar->width();
    record.height = toolbar->height();
    return tesk::frame::writeToolbarRecord(record);
}

bool MainWindow::applyToolbarRecord(const QString &title, const QByteArray &text)
{
    QToolBar *toolbar = nullptr;
    for (QToolBar *candidate : findChildren<QToolBar *>())
        if (candidate->windowTitle() == title) {
            toolbar = candidate;
            break;
        }
    const std::optional<tesk::frame::ToolbarRecord> read = tesk::frame::readToolbarRecord(text);
    // A record this library cannot have written leaves the toolbar where it is.
    if (!toolbar || !read)
        return false;
    const tesk::frame::ToolbarRecord &record = *read;
    const bool floating = record.index == -1;
    if (floating) {
        m_docks->toolbars.floated(toolbar);
        toolbar->setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    } else {
        if (toolbar->isWindow()) {
            // Floated by an earlier record: back into the window before it takes its place.
            toolbar->setWindowFlags(Qt::Widget);
            addToolBar(Qt::TopToolBarArea, toolbar);
            toolbar->show();
        }
        m_docks->toolbars.restore(toolbar, record.index, record.newLine == 1);
        tesk::frame::keepRecordedLine(toolbar);
    }
    // A docked toolbar stands where its line puts it; a floating one where it was left, placed
    // before it shows: shown first, a window manager would place it itself, and its late word
    // of that place could undo the one asked.
    if (floating) {
        const bool sized = record.width > 0 && record.height > 0;
        const QRect wanted = tesk::frame::onAvailableScreen(
            tesk::frame::hostRect(record.x, record.y, sized ? record.width : toolbar->width(),
                                  sized ? record.height : toolbar->height()));
        toolbar->move(wanted.topLeft());
        if (sized)
            toolbar->resize(wanted.size());
    }
    toolbar->setVisible(!record.hidden);
    return true;
}
