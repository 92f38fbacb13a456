#pragma once
// The tab bar of a views pane: a view's tab is dragged to another place in the bar, into
// another pane of the same target or out into a pane of its own; its menu duplicates or
// deletes the view.

#include <QPointer>
#include <QTabBar>
#include <QWidget>

class KPaneTabWidget;
class UPaneTabBarPainter;

class KPaneTabBar : public QTabBar
{
    Q_OBJECT

public:
    KPaneTabBar(KPaneTabWidget *tabWidget, const char *name = nullptr);
    ~KPaneTabBar() override;

    KPaneTabWidget *tabWidget() const { return m_tabWidget; }
    bool isDragging() const { return m_dragging; }
    // The marker shown while a tab is dragged over this bar (null when none).
    QRect markerRect() const { return m_marker; }
    // The frame that follows a tab dragged where no pane is, or null.
    UPaneTabBarPainter *dragPainter() const { return m_painter; }
    // Where a tab dropped at the point (bar coordinates) would land, between two tab centres.
    QRect markerRectAt(const QPoint &pos) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void dragTo(const QPoint &globalPos);
    void drop(const QPoint &globalPos);
    void dropOutside(QWidget *page, int index, const QString &label);
    void dropOn(KPaneTabBar *destination, QWidget *page, int index, const QString &label,
                const QPoint &globalPos);
    void setMarker(const QRect &rect);
    void endDrag();
    // The pane's removal waits for the loop: it deletes this bar.
    void removePaneIfEmpty();
    static KPaneTabBar *destinationAt(const QPoint &globalPos, const QWidget *painter);

    KPaneTabWidget *m_tabWidget;
    QPointer<KPaneTabBar> m_destination;
    QPointer<UPaneTabBarPainter> m_painter;
    QPointer<QWidget> m_pressedPage;
    QPoint m_pressPos{-1, -1};
    bool m_dragging = false;
    QRect m_marker;
};

// The frame shown where a dragged tab would become a pane of its own: a black border two
// pixels wide, letting everything else through.
class UPaneTabBarPainter : public QWidget
{
    Q_OBJECT

public:
    explicit UPaneTabBarPainter(QWidget *parent);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
};
