#pragma once

#include "utilities/uheader.h"

#include <QPoint>

#include <vector>

class QTimer;
class UTable;

// The header a UTable places along its top (columns) and its left side (rows). Besides being
// a UHeader it keeps a display state per section, selects whole rows or columns when the user
// presses and drags over sections, shows guide lines across the table while a section is
// resized, keeps stretchable sections filling the table and moves the table's rows or columns
// when a section is dragged elsewhere, so that the sections themselves stay in natural order.
class UTableHeader : public UHeader
{
    Q_OBJECT

public:
    enum SectionState { Normal = 0, Bold = 1, Selected = 2 };

    UTableHeader(int count, UTable *table, QWidget *parent = nullptr, const char *name = nullptr);
    ~UTableHeader() override;

    virtual void setSectionState(int section, SectionState state);
    virtual void setSectionStateToAll(SectionState state);
    virtual bool selectBySection(QMouseEvent *e);
    // Whether the table's margin should follow a label's size hint; a subclass may refuse.
    virtual bool marginNeedsUpdate(int currentMargin, int wantedMargin);

    void setLabel(int section, const QIcon &iconSet, const QString &text, int size = -1) override;
    void setLabel(int section, const QString &text, int size = -1) override;
    // Stores a label without repainting and without the margin follow-up; for label painting.
    void setLabelNoRepaint(int section, const QString &text, int size = -1);
    void setLabels(const QStringList &labels);
    void addLabel(const QString &text, int size = -1);
    void removeLabel(int section);

    SectionState sectionState(int section) const;

    // While caching is on (during a press), geometry is answered from a snapshot.
    int sectionSize(int section) const;
    int sectionPos(int section) const;
    int sectionAt(int pos) const;
    void updateCache();
    void setCaching(bool caching);

    void setSectionStretchable(int section, bool stretchable);
    bool isSectionStretchable(int section) const;
    int stretchCount() const { return m_stretchCount; }
    void setStretchCount(int count) { m_stretchCount = count; }
    // Counts the stretchable flags afresh.
    void recountStretches();

    void swapSections(int fromIndex, int toIndex, bool swapTable = true);
    void saveStates();
    void updateSelections();
    // The index a section really landed at in its last move, before it was put back.
    int lastMoveTarget() const { return m_lastMoveTarget; }

Q_SIGNALS:
    void sectionSizeChanged(int section);

public Q_SLOTS:
    void updateStretches();
    void updateWidgetStretches();

protected Q_SLOTS:
    void doAutoScroll();
    void sectionWidthChanged(int section, int oldSize, int newSize);
    void indexChanged(int section, int fromIndex, int toIndex);

protected:
    void paintEvent(QPaintEvent *e) override;
    void paintSection(QPainter *p, int index, const QRect &rect) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;

private:
    void labelChanged(int section);
    int along(const QPoint &point) const;
    bool isRowModeHorizontal() const;
    bool startSelection(QMouseEvent *e, int pos);
    void placeGuideLine(QWidget *line, int pos);
    int hiddenSize(int section) const;

    std::vector<int> m_states;
    std::vector<int> m_oldStates;
    std::vector<bool> m_stretchable;
    std::vector<int> m_cachedSizes;
    std::vector<int> m_cachedPositions;
    bool m_mousePressed = false;
    int m_pressPos = 0;
    int m_startPos = -1;
    int m_endPos = 0;
    UTable *m_table;
    QTimer *m_autoScrollTimer;
    QWidget *m_line1;
    QWidget *m_line2;
    bool m_caching = false;
    int m_resizedSection = -1;
    bool m_isResizing = false;
    int m_stretchCount = 0;
    // How many sections are flagged stretchable, hidden or not.
    int m_stretchableCount = 0;
    QTimer *m_stretchTimer;
    QTimer *m_widgetStretchTimer;
    // Where the pointer was last seen, for the auto-scroll steps between moves.
    QPoint m_lastGlobalPos;
    int m_lastMoveTarget = -1;
};
