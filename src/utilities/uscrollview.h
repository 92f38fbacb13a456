#pragma once

#include <QAbstractScrollArea>
#include <QHash>
#include <QPoint>
#include <QSize>

class QPainter;

// A scroll view over a contents area addressed in contents coordinates: the top left of the
// whole contents is (0, 0), whatever part of it the viewport shows. Subclasses paint the
// contents in drawContents() and receive the viewport's mouse, drag, wheel and context-menu
// events translated into contents coordinates. Margins around the viewport hold widgets such
// as a table's headers. Child widgets added with addChild() keep their contents position when
// the view scrolls.
class UScrollView : public QAbstractScrollArea
{
    Q_OBJECT

public:
    explicit UScrollView(QWidget *parent = nullptr, const char *name = nullptr);
    ~UScrollView() override;

    void resizeContents(int width, int height);
    int contentsX() const;
    int contentsY() const;
    int contentsWidth() const { return m_contentsSize.width(); }
    int contentsHeight() const { return m_contentsSize.height(); }
    int visibleWidth() const;
    int visibleHeight() const;
    void setContentsPos(int x, int y);
    void scrollBy(int dx, int dy);

    void setMargins(int left, int top, int right, int bottom);
    int leftMargin() const { return m_margins.left(); }
    int topMargin() const { return m_margins.top(); }
    int rightMargin() const { return m_margins.right(); }
    int bottomMargin() const { return m_margins.bottom(); }

    // Scrolls as little as possible so that (x, y) lies at least the margins inside the
    // visible part.
    void ensureVisible(int x, int y, int xMargin = 50, int yMargin = 50);

    void updateContents(int x, int y, int width, int height);
    void updateContents(const QRect &rect);
    void updateContents();
    void repaintContents(int x, int y, int width, int height, bool erase = true);
    void repaintContents(const QRect &rect, bool erase = true);
    void repaintContents(bool erase = true);

    QPoint contentsToViewport(const QPoint &p) const;
    QPoint viewportToContents(const QPoint &p) const;
    void contentsToViewport(int x, int y, int &vx, int &vy) const;
    void viewportToContents(int vx, int vy, int &x, int &y) const;

    void addChild(QWidget *child, int x = 0, int y = 0);
    void moveChild(QWidget *child, int x, int y);
    void removeChild(QWidget *child);
    int childX(QWidget *child) const;
    int childY(QWidget *child) const;

protected:
    virtual void drawContents(QPainter *p, int cx, int cy, int cw, int ch);

    virtual void contentsMousePressEvent(QMouseEvent *e);
    virtual void contentsMouseReleaseEvent(QMouseEvent *e);
    virtual void contentsMouseDoubleClickEvent(QMouseEvent *e);
    virtual void contentsMouseMoveEvent(QMouseEvent *e);
    virtual void contentsDragEnterEvent(QDragEnterEvent *e);
    virtual void contentsDragMoveEvent(QDragMoveEvent *e);
    virtual void contentsDragLeaveEvent(QDragLeaveEvent *e);
    virtual void contentsDropEvent(QDropEvent *e);
    virtual void contentsWheelEvent(QWheelEvent *e);
    virtual void contentsContextMenuEvent(QContextMenuEvent *e);

    virtual void viewportResizeEvent(QResizeEvent *e);
    virtual void windowActivationChange(bool oldActive);
    virtual void fontChange(const QFont &oldFont);

    QSize cachedSizeHint() const { return m_cachedSizeHint; }
    void setCachedSizeHint(const QSize &hint) { m_cachedSizeHint = hint; }

    // The viewport's events, routed to the contents hooks above.
    bool viewportEvent(QEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void dragEnterEvent(QDragEnterEvent *e) override;
    void dragMoveEvent(QDragMoveEvent *e) override;
    void dragLeaveEvent(QDragLeaveEvent *e) override;
    void dropEvent(QDropEvent *e) override;
    void wheelEvent(QWheelEvent *e) override;
    void contextMenuEvent(QContextMenuEvent *e) override;
    void changeEvent(QEvent *e) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void updateScrollBars();
    void placeChild(QWidget *child, const QPoint &contentsPos);
    void forwardMouse(QMouseEvent *e, void (UScrollView::*handler)(QMouseEvent *));
    template<typename DragEvent>
    void forwardDrag(DragEvent *e, void (UScrollView::*handler)(DragEvent *));

    QSize m_contentsSize;
    QMargins m_margins;
    struct Child
    {
        QWidget *widget;
        QPoint pos;
    };
    // Keyed by the object, so that a child being destroyed can still be found.
    QHash<QObject *, Child> m_children;
    QSize m_cachedSizeHint;
    QFont m_font;
};
