#include "utilities/uscrollview.h"

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QDragLeaveEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

namespace {

// How far one step of a scroll-bar arrow moves the contents.
constexpr int kLineStep = 20;

// The contents position along one axis that shows pos at least margin inside the visible part,
// moving as little as possible from current.
int scrolledTo(int pos, int margin, int current, int visible, int contents)
{
    if (contents <= visible)
        return 0;
    margin = std::min(margin, visible / 2);
    int target = current;
    if (pos < current + margin)
        target = pos - margin;
    else if (pos >= current + visible - margin)
        target = pos - visible + margin;
    return std::clamp(target, 0, contents - visible);
}

} // namespace

UScrollView::UScrollView(QWidget *parent, const char *name)
    : QAbstractScrollArea(parent)
{
    if (name)
        setObjectName(QString::fromLatin1(name));
    m_font = font();
    updateScrollBars();
}

UScrollView::~UScrollView()
{
    // Children still placed are destroyed after this part of the view: they must not find
    // their way back into it.
    for (const Child &child : std::as_const(m_children))
        disconnect(child.widget, &QObject::destroyed, this, nullptr);
    m_children.clear();
}

// --- contents geometry -------------------------------------------------------------------

void UScrollView::resizeContents(int width, int height)
{
    m_contentsSize = QSize(std::max(0, width), std::max(0, height));
    updateScrollBars();
    viewport()->update();
}

int UScrollView::contentsX() const
{
    return horizontalScrollBar()->value();
}

int UScrollView::contentsY() const
{
    return verticalScrollBar()->value();
}

int UScrollView::visibleWidth() const
{
    return viewport()->width();
}

int UScrollView::visibleHeight() const
{
    return viewport()->height();
}

void UScrollView::setContentsPos(int x, int y)
{
    horizontalScrollBar()->setValue(x);
    verticalScrollBar()->setValue(y);
}

void UScrollView::scrollBy(int dx, int dy)
{
    setContentsPos(contentsX() + dx, contentsY() + dy);
}

void UScrollView::setMargins(int left, int top, int right, int bottom)
{
    m_margins = QMargins(left, top, right, bottom);
    setViewportMargins(m_margins);
}

void UScrollView::updateScrollBars()
{
    const QSize visible = viewport()->size();
    QScrollBar *h = horizontalScrollBar();
    h->setRange(0, std::max(0, m_contentsSize.width() - visible.width()));
    h->setPageStep(visible.width());
    h->setSingleStep(kLineStep);
    QScrollBar *v = verticalScrollBar();
    v->setRange(0, std::max(0, m_contentsSize.height() - visible.height()));
    v->setPageStep(visible.height());
    v->setSingleStep(kLineStep);
}

void UScrollView::ensureVisible(int x, int y, int xMargin, int yMargin)
{
    setContentsPos(scrolledTo(x, xMargin, contentsX(), visibleWidth(), contentsWidth()),
                   scrolledTo(y, yMargin, contentsY(), visibleHeight(), contentsHeight()));
}

void UScrollView::scrollContentsBy(int dx, int dy)
{
    // Scrolling the viewport moves its children with it, so each keeps its contents position.
    viewport()->scroll(dx, dy);
}

// --- coordinates -------------------------------------------------------------------------

QPoint UScrollView::contentsToViewport(const QPoint &p) const
{
    return p - QPoint(contentsX(), contentsY());
}

QPoint UScrollView::viewportToContents(const QPoint &p) const
{
    return p + QPoint(contentsX(), contentsY());
}

void UScrollView::contentsToViewport(int x, int y, int &vx, int &vy) const
{
    const QPoint p = contentsToViewport(QPoint(x, y));
    vx = p.x();
    vy = p.y();
}

void UScrollView::viewportToContents(int vx, int vy, int &x, int &y) const
{
    const QPoint p = viewportToContents(QPoint(vx, vy));
    x = p.x();
    y = p.y();
}

// --- repainting --------------------------------------------------------------------------

namespace {

// A contents rectangle cut where the coordinates end, so that its far edge is representable.
QRect boundedRect(int x, int y, int width, int height)
{
    const auto room = [](int from, int extent) {
        return int(std::min<qint64>(extent, qint64(INT_MAX) - from));
    };
    return QRect(x, y, room(x, width), room(y, height));
}

} // namespace

void UScrollView::updateContents(int x, int y, int width, int height)
{
    updateContents(boundedRect(x, y, width, height));
}

void UScrollView::updateContents(const QRect &rect)
{
    const QRect visible =
        QRect(contentsToViewport(rect.topLeft()), rect.size()) & viewport()->rect();
    if (!visible.isEmpty())
        viewport()->update(visible);
}

void UScrollView::updateContents()
{
    viewport()->update();
}

// Qt 6 paints through a back buffer, so there is nothing to erase either way.
void UScrollView::repaintContents(int x, int y, int width, int height, bool)
{
    repaintContents(boundedRect(x, y, width, height));
}

void UScrollView::repaintContents(const QRect &rect, bool)
{
    const QRect visible =
        QRect(contentsToViewport(rect.topLeft()), rect.size()) & viewport()->rect();
    if (!visible.isEmpty())
        viewport()->repaint(visible);
}

void UScrollView::repaintContents(bool)
{
    viewport()->repaint();
}

void UScrollView::drawContents(QPainter *, int, int, int, int) {}

void UScrollView::paintEvent(QPaintEvent *e)
{
    const QRect exposed = e->rect() & viewport()->rect();
    if (exposed.isEmpty())
        return;
    QPainter p(viewport());
    p.translate(-contentsX(), -contentsY());
    drawContents(&p, exposed.x() + contentsX(), exposed.y() + contentsY(), exposed.width(),
                 exposed.height());
}

// --- children ----------------------------------------------------------------------------

void UScrollView::addChild(QWidget *child, int x, int y)
{
    if (!child)
        return;
    if (child->parentWidget() != viewport())
        child->setParent(viewport());
    if (!m_children.contains(child)) {
        connect(child, &QObject::destroyed, this,
                [this](QObject *gone) { m_children.remove(gone); });
    }
    m_children.insert(child, Child{child, QPoint(x, y)});
    placeChild(child, QPoint(x, y));
}

void UScrollView::moveChild(QWidget *child, int x, int y)
{
    addChild(child, x, y);
}

void UScrollView::removeChild(QWidget *child)
{
    if (m_children.remove(child))
        disconnect(child, &QObject::destroyed, this, nullptr);
}

int UScrollView::childX(QWidget *child) const
{
    const auto it = m_children.constFind(child);
    return it != m_children.constEnd() ? it->pos.x() : viewportToContents(child->pos()).x();
}

int UScrollView::childY(QWidget *child) const
{
    const auto it = m_children.constFind(child);
    return it != m_children.constEnd() ? it->pos.y() : viewportToContents(child->pos()).y();
}

void UScrollView::placeChild(QWidget *child, const QPoint &contentsPos)
{
    child->move(contentsToViewport(contentsPos));
}

// --- events ------------------------------------------------------------------------------

bool UScrollView::viewportEvent(QEvent *e)
{
    if (e->type() == QEvent::Resize) {
        updateScrollBars();
        viewportResizeEvent(static_cast<QResizeEvent *>(e));
    }
    return QAbstractScrollArea::viewportEvent(e);
}

void UScrollView::forwardMouse(QMouseEvent *e, void (UScrollView::*handler)(QMouseEvent *))
{
    QMouseEvent translated(e->type(), e->position() + QPointF(contentsX(), contentsY()),
                           e->scenePosition(), e->globalPosition(), e->button(), e->buttons(),
                           e->modifiers(), e->pointingDevice());
    translated.setTimestamp(e->timestamp());
    (this->*handler)(&translated);
    e->setAccepted(translated.isAccepted());
}

void UScrollView::mousePressEvent(QMouseEvent *e)
{
    forwardMouse(e, &UScrollView::contentsMousePressEvent);
}

void UScrollView::mouseReleaseEvent(QMouseEvent *e)
{
    forwardMouse(e, &UScrollView::contentsMouseReleaseEvent);
}

void UScrollView::mouseDoubleClickEvent(QMouseEvent *e)
{
    forwardMouse(e, &UScrollView::contentsMouseDoubleClickEvent);
}

void UScrollView::mouseMoveEvent(QMouseEvent *e)
{
    forwardMouse(e, &UScrollView::contentsMouseMoveEvent);
}

template<typename DragEvent>
void UScrollView::forwardDrag(DragEvent *e, void (UScrollView::*handler)(DragEvent *))
{
    DragEvent translated(viewportToContents(e->position().toPoint()), e->possibleActions(),
                         e->mimeData(), e->buttons(), e->modifiers());
    translated.setDropAction(e->dropAction());
    translated.setAccepted(false);
    (this->*handler)(&translated);
    e->setDropAction(translated.dropAction());
    e->setAccepted(translated.isAccepted());
}

void UScrollView::dragEnterEvent(QDragEnterEvent *e)
{
    forwardDrag(e, &UScrollView::contentsDragEnterEvent);
}

void UScrollView::dragMoveEvent(QDragMoveEvent *e)
{
    forwardDrag(e, &UScrollView::contentsDragMoveEvent);
}

void UScrollView::dragLeaveEvent(QDragLeaveEvent *e)
{
    contentsDragLeaveEvent(e);
}

void UScrollView::dropEvent(QDropEvent *e)
{
    forwardDrag(e, &UScrollView::contentsDropEvent);
}

void UScrollView::wheelEvent(QWheelEvent *e)
{
    QWheelEvent translated(e->position() + QPointF(contentsX(), contentsY()), e->globalPosition(),
                           e->pixelDelta(), e->angleDelta(), e->buttons(), e->modifiers(),
                           e->phase(), e->inverted(), e->source(), e->pointingDevice());
    contentsWheelEvent(&translated);
    e->setAccepted(translated.isAccepted());
}

void UScrollView::contextMenuEvent(QContextMenuEvent *e)
{
    QContextMenuEvent translated(e->reason(), viewportToContents(e->pos()), e->globalPos(),
                                 e->modifiers());
    contentsContextMenuEvent(&translated);
    e->setAccepted(translated.isAccepted());
}

void UScrollView::changeEvent(QEvent *e)
{
    QAbstractScrollArea::changeEvent(e);
    if (e->type() == QEvent::ActivationChange) {
        windowActivationChange(!isActiveWindow());
    } else if (e->type() == QEvent::FontChange) {
        const QFont old = m_font;
        m_font = font();
        fontChange(old);
    }
}

// The default contents handlers leave the event to the widgets behind the view.
void UScrollView::contentsMousePressEvent(QMouseEvent *e)
{
    e->ignore();
}

void UScrollView::contentsMouseReleaseEvent(QMouseEvent *e)
{
    e->ignore();
}

void UScrollView::contentsMouseDoubleClickEvent(QMouseEvent *e)
{
    e->ignore();
}

void UScrollView::contentsMouseMoveEvent(QMouseEvent *e)
{
    e->ignore();
}

void UScrollView::contentsDragEnterEvent(QDragEnterEvent *e)
{
    e->ignore();
}

void UScrollView::contentsDragMoveEvent(QDragMoveEvent *e)
{
    e->ignore();
}

void UScrollView::contentsDragLeaveEvent(QDragLeaveEvent *) {}

void UScrollView::contentsDropEvent(QDropEvent *e)
{
    e->ignore();
}

void UScrollView::contentsWheelEvent(QWheelEvent *e)
{
    QAbstractScrollArea::wheelEvent(e);
}

void UScrollView::contentsContextMenuEvent(QContextMenuEvent *e)
{
    e->ignore();
}

void UScrollView::viewportResizeEvent(QResizeEvent *) {}

void UScrollView::windowActivationChange(bool) {}

void UScrollView::fontChange(const QFont &)
{
    m_cachedSizeHint = QSize();
    updateGeometry();
    viewport()->update();
}
