// The main window's dock windows: creation, placement, the unique captions, the even sharing
// of dock areas and the operations the exports reach them through.
#include "frame/windows/docking/maindocks.h"

#include "frame/windows/docking/cuipaneregistry.h"
#include "frame/windows/docking/dockwidget.h"
#include "frame/windows/mainframe.h"

#include <QRegularExpression>

using tesk::frame::DockArea;
using tesk::frame::MainDocks;

namespace {

const QString kOutputName = QStringLiteral("Output");
const QString kMemoryName = QStringLiteral("Memory");
const QString kConnectionControl = QStringLiteral("Connection Control");

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

TeskHandle MainWindow::lastDockHandle() const
{
    return m_docks->lastDockHandle;
}

QString MainWindow::uniqueDockCaption(const QString &name) const
{
    // The name is the host's text, not a pattern.
    const QRegularExpression startsWith(QLatin1Char('^') + QRegularExpression::escape(name));
    const QRegularExpression numbered(QStringLiteral("^%1_(\\d+)")
                                          .arg(QRegularExpression::escape(name)));
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
    const QString hostName = QString::fromLatin1(name ? name : "");
    auto *dock = new DockWidget(this, "DockWidget");
    dock->setHostCallback(callback);
    dock->setWindowBox(box);
    finishDockCreation(dock, hostName);
    if (hostName == kOutputName) {
        m_docks->output = dock;
        setOutputWindow(dock);
    }
    if (!m_docks->dockRequested && dock->windowTitle() != kConnectionControl && dock->isFloating())
        dock->resize(width() / 3, height() / 3);
    m_docks->lastDockHandle = TeskHandle(tesk::core::paneFrameAreaId(dock->pane()));
    if (hostName == kMemoryName)
        dock->setGoto(true);
    return dock;
}

DockWidget *MainWindow::createDockWidget(const char *name, QWidget *widget,
                                         tesk::core::PaneCodeCallback callback, TeskHandle box)
{
    auto *dock = new DockWidget(this, "DockWidget");
    dock->setHostCallback(callback);
    dock->setWindowBox(box);
    dock->setGivenWidget(widget);
    finishDockCreation(dock, QString::fromLatin1(name ? name : ""));
    m_docks->lastDockHandle = TeskHandle(dock->winId());
    return dock;
}

DockWidget *MainWindow::finishDockCreation(DockWidget *dock, const QString &name)
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

    if (docks.dockRequested) {
        docks.layout.place(dock, areaOfPlacement(docks.placement), docks.newLine);
    } else {
        if (caption == kConnectionControl)
            dock->setAllowedAreas(Qt::NoDockWidgetArea);
        else
            dock->setAskLocation(true);
        docks.layout.place(dock, DockArea::None, false);
        dock->undock();
    }
    connect(dock, &DockWidget::RemovemefromWindList, this, &MainWindow::RemoveFromWindList);
    connect(dock, &QDockWidget::dockLocationChanged, this,
            [this, dock] { DockWindowPosChanged(dock); });
    docks.dockRequested = false;
    docks.newLine = false;
    dock->show();

    if (docks.record.pending) {
        DockWidget::Restored &restored = dock->restored();
        restored.extentSet = true;
        restored.extent = docks.record.size;
        restored.sortKey = docks.record.index;
        restored.x = docks.record.x;
        restored.y = docks.record.y;
        restored.floating = docks.record.floating;
        restored.visible = docks.record.visible != 0;
        dock->setGoto(docks.record.gotoFlag != 0);
    }
    docks.record = MainDocks::PendingRecord();
    return dock;
}

void MainWindow::DockWindowPosChanged(QDockWidget *dock)
{
    tesk::frame::DockLayout &layout = m_docks->layout;
    layout.follow(dock);
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
    m_docks->layout.forget(dock);
    // The dock window may be half destroyed here: only the toolkit's part is touched.
    if (QDockWidget *toolkitDock = dock; toolkitDock->parent() == this)
        removeDockWidget(toolkitDock);
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
