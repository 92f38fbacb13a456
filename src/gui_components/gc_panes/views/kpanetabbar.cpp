#include "gui_components/gc_panes/views/kpanetabbar.h"

#include "gui_components/gc_panes/views/aview.h"
#include "gui_components/gc_panes/views/kpane.h"
#include "gui_components/gc_panes/views/panehost.h"

#include "frame/core/inplaceedit.h"
#include "system/lifetime.h"
#include "system/modalseam.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>

namespace {

enum MenuItem { kDuplicateView = 0, kDeleteView = 1 };

const QPoint kNoPress(-1, -1);

QList<KPaneTabBar *> &liveBars()
{
    static QList<KPaneTabBar *> bars;
    return bars;
}

int centreX(const QTabBar *bar, int index)
{
    return bar->tabRect(index).center().x();
}

bool rightOfCentre(const QTabBar *bar, int index, const QPoint &pos)
{
    return pos.x() > centreX(bar, index);
}

tesk::views::PaneHost *manager()
{
    return &tesk::views::paneHost();
}

} // namespace

KPaneTabBar::KPaneTabBar(KPaneTabWidget *tabWidget, const char *name)
    : QTabBar(tabWidget)
    , m_tabWidget(tabWidget)
{
    setObjectName(QString::fromLatin1(name ? name : ""));
    liveBars().append(this);
    // A view's tab becoming current brings the view up to date with its target.
    connect(this, &QTabBar::currentChanged, this, [this](int index) {
        if (auto *view = qobject_cast<AView *>(m_tabWidget->widget(index)))
            view->targetUpdated(0, 0);
    });
}

KPaneTabBar::~KPaneTabBar()
{
    liveBars().removeAll(this);
    delete m_painter;
}

QRect KPaneTabBar::markerRectAt(const QPoint &pos) const
{
    const int index = tabAt(pos);
    if (index < 0)
        return {};
    const QRect tab = tabRect(index);
    int left = 0;
    int right = 0;
    if (rightOfCentre(this, index, pos)) {
        left = centreX(this, index);
        right = index + 1 < count() ? centreX(this, index + 1) : width();
    } else {
        left = index > 0 ? centreX(this, index - 1) : -1;
        right = centreX(this, index);
    }
    return QRect(QPoint(left, tab.top()), QPoint(right, tab.bottom()));
}

void KPaneTabBar::mousePressEvent(QMouseEvent *event)
{
    // Only the left button drags; the right one asks for the tab's menu.
    if (event->button() == Qt::LeftButton) {
        m_pressPos = event->position().toPoint();
        m_pressedPage = m_tabWidget->widget(tabAt(m_pressPos));
    }
    QTabBar::mousePressEvent(event);
}

void KPaneTabBar::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragging) {
        const QPoint pos = event->position().toPoint();
        if (m_pressPos != kNoPress && m_pressedPage &&
            (m_pressPos - pos).manhattanLength() > QApplication::startDragDistance())
            m_dragging = true;
        else
            QTabBar::mouseMoveEvent(event);
        return;
    }
    dragTo(event->globalPosition().toPoint());
}

void KPaneTabBar::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressPos = kNoPress;
    if (!m_dragging) {
        QTabBar::mouseReleaseEvent(event);
        return;
    }
    drop(event->globalPosition().toPoint());
}

KPaneTabBar *KPaneTabBar::destinationAt(const QPoint &globalPos, const QWidget *painter)
{
    // The drag frame sits under the cursor: the bars are found by where they are, not by
    // what lies on top.
    for (QWidget *widget = QApplication::widgetAt(globalPos); widget;
         widget = widget->parentWidget()) {
        if (widget->window() == painter)
            break;
        if (auto *bar = qobject_cast<KPaneTabBar *>(widget))
            return bar;
    }
    for (KPaneTabBar *bar : liveBars()) {
        if (bar->isVisible() && bar->rect().contains(bar->mapFromGlobal(globalPos)))
            return bar;
    }
    return nullptr;
}

void KPaneTabBar::dragTo(const QPoint &globalPos)
{
    KPaneTabBar *destination = destinationAt(globalPos, m_painter);
    if (destination) {
        if (m_painter && m_painter->isVisible())
            m_painter->hide();
        if (m_destination && m_destination != destination)
            m_destination->setMarker({});
        destination->setMarker(destination->markerRectAt(destination->mapFromGlobal(globalPos)));
        m_destination = destination;
        return;
    }
    if (m_destination)
        m_destination->setMarker({});
    m_destination = nullptr;
    if (!m_painter) {
        m_painter = new UPaneTabBarPainter(this);
        if (QWidget *page = m_tabWidget->currentWidget())
            m_painter->resize(page->size());
    }
    m_painter->move(globalPos);
    m_painter->show();
}

void KPaneTabBar::setMarker(const QRect &rect)
{
    if (rect == m_marker)
        return;
    m_marker = rect;
    update();
}

void KPaneTabBar::endDrag()
{
    m_dragging = false;
    if (m_destination)
        m_destination->setMarker({});
    m_destination = nullptr;
    delete m_painter;
}

void KPaneTabBar::drop(const QPoint &globalPos)
{
    endDrag();
    QWidget *page = m_pressedPage;
    m_pressedPage = nullptr;
    const int index = page ? m_tabWidget->indexOf(page) : -1;
    if (index < 0)
        return;
    const QString label = tabText(index);
    KPaneTabBar *destination = destinationAt(globalPos, nullptr);
    if (!destination)
        dropOutside(page, index, label);
    else if (manager()->sameTarget(m_tabWidget->pane()->paneId(),
                                   destination->m_tabWidget->pane()->paneId()))
        dropOn(destination, page, index, label, globalPos);
    removePaneIfEmpty();
}

void KPaneTabBar::dropOutside(QWidget *page, int index, const QString &label)
{
    auto *view = qobject_cast<AView *>(page);
    if (!view)
        return;
    m_tabWidget->removeTab(index);
    if (!manager()->moveViewToNewPane(m_tabWidget->pane()->paneId(), view)) {
        // No pane could be made (no facade): the view stays where it was.
        m_tabWidget->insertTab(index, page, label);
        m_tabWidget->setCurrentIndex(index);
        return;
    }
    manager()->setViewTabLabel(view, view->objectName());
}

void KPaneTabBar::dropOn(KPaneTabBar *destination, QWidget *page, int index, const QString &label,
                         const QPoint &globalPos)
{
    const QPoint pos = destination->mapFromGlobal(globalPos);
    int at = destination->tabAt(pos);
    if (at < 0)
        at = destination->count();
    else if (rightOfCentre(destination, at, pos))
        ++at;
    if (destination == this) {
        if (destination->tabAt(pos) == index)
            return;
        // The tab leaves its own place first.
        moveTab(index, at > index ? at - 1 : at);
        m_tabWidget->setCurrentWidget(page);
        return;
    }
    auto *view = qobject_cast<AView *>(page);
    KPaneTabWidget *target = destination->m_tabWidget;
    m_tabWidget->removeTab(index);
    target->insertTab(at, page, label);
    target->setCurrentWidget(page);
    if (!view)
        return;
    const uint64_t from = m_tabWidget->pane()->paneId();
    const uint64_t viewId = view->id();
    manager()->moveView(viewId, from, target->pane()->paneId());
    manager()->removeView(from, viewId);
}

void KPaneTabBar::removePaneIfEmpty()
{
    if (count() > 0)
        return;
    const uint64_t paneId = m_tabWidget->pane()->paneId();
    QTimer::singleShot(0, tesk::lifetime::queuedCallContext(),
                       [paneId] { tesk::views::paneHost().removePane(paneId); });
}

void KPaneTabBar::contextMenuEvent(QContextMenuEvent *event)
{
    const int index = tabAt(event->pos());
    auto *view = qobject_cast<AView *>(m_tabWidget->widget(index));
    if (!view)
        return;
    tesk::system::Modal<QMenu> menu(this);
    menu->setObjectName(QStringLiteral("PaneTabMenu"));
    menu->addAction(tr("Duplicate View"))->setData(kDuplicateView);
    QAction *deleteView = menu->addAction(tr("Delete View"));
    deleteView->setData(kDeleteView);
    deleteView->setEnabled(!isInPlaceEditActive());
    const uint64_t paneId = m_tabWidget->pane()->paneId();
    const uint64_t viewId = view->id();
    QPointer<AView> chosenView(view);
    // The menu's loop may let the pane or the view go.
    const tesk::system::ModalSeam::Result result = menu.runMenu(event->globalPos(), view);
    if (!result.alive || !result.chosen || !chosenView || tesk::lifetime::doomed(this))
        return;
    if (result.chosen->data().toInt() == kDuplicateView) {
        if (AView *copy = manager()->duplicateView(paneId, viewId)) {
            m_tabWidget->pane()->showView(copy);
            copy->refresh(0);
        }
        return;
    }
    m_tabWidget->removeTab(m_tabWidget->indexOf(view));
    // The pane lets its reference go; the widget is ended once, here.
    manager()->removeView(paneId, viewId);
    removePaneIfEmpty();
    tesk::lifetime::destroy(view);
}

void KPaneTabBar::paintEvent(QPaintEvent *event)
{
    QTabBar::paintEvent(event);
    if (m_marker.isNull())
        return;
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 2));
    painter.drawRect(m_marker);
}

UPaneTabBarPainter::UPaneTabBarPainter(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput)
{
    setObjectName(QStringLiteral("UPaneTabBarPainter"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void UPaneTabBarPainter::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    setMask(QRegion(rect()).subtracted(QRegion(rect().adjusted(2, 2, -2, -2))));
}

void UPaneTabBarPainter::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
}
