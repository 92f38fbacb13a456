#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <climits>
#include <memory>

class QPainter;
class UHeaderPrivate;

// A row of labelled, resizable, movable sections, laid out horizontally (a column header) or
// vertically (a row header). Section texts and icons are read through the virtual label() and
// iconSet(), so a subclass can supply them without storing them. Positions always run from the
// left or the top: the header is never mirrored for a right-to-left layout.
class UHeader : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(Qt::Orientation orientation READ orientation WRITE setOrientation)
    Q_PROPERTY(int count READ count)
    Q_PROPERTY(bool tracking READ tracking WRITE setTracking)
    Q_PROPERTY(int offset READ offset WRITE setOffset)
    Q_PROPERTY(bool moving READ isMovingEnabled WRITE setMovingEnabled)
    Q_PROPERTY(bool stretching READ isStretchEnabled WRITE setStretchEnabled)

public:
    explicit UHeader(QWidget *parent = nullptr, const char *name = nullptr);
    UHeader(int count, QWidget *parent = nullptr, const char *name = nullptr);
    ~UHeader() override;

    virtual void setLabel(int section, const QIcon &iconSet, const QString &text, int size = -1);
    virtual void setLabel(int section, const QString &text, int size = -1);
    virtual QString label(int section) const;
    virtual QIcon iconSet(int section) const;
    virtual void setOrientation(Qt::Orientation orientation);
    virtual void setTracking(bool enable);
    virtual void setClickEnabled(bool enable, int section = -1);
    virtual void setResizeEnabled(bool enable, int section = -1);
    virtual void setMovingEnabled(bool enable);
    virtual void setStretchEnabled(bool enable, int section);
    virtual void setCellSize(int section, int size);
    virtual void moveCell(int fromIndex, int toIndex);
    virtual void paintSection(QPainter *p, int index, const QRect &rect);
    virtual void paintSectionLabel(QPainter *p, int index, const QRect &rect);

    int addLabel(const QString &text, int size = -1);
    int addLabel(const QIcon &iconSet, const QString &text, int size = -1);
    void removeLabel(int section);
    // Exchanges the labels and icons of two sections, leaving their sizes; measures nothing.
    void swapLabels(int first, int second);
    // The labels, icons and sizes of the last `count` sections move to `section`, those from
    // there on making room: what inserting lines into a table does to its header.
    void openSections(int section, int count);
    // The labels, icons and sizes of the listed sections (ascending, distinct) move to the end,
    // the others closing up in order: what removing lines from a table does to its header
    // before the end goes.
    void closeSections(const QList<int> &sections);

    int count() const;
    Qt::Orientation orientation() const;
    bool tracking() const;
    bool isClickEnabled(int section = -1) const;
    bool isResizeEnabled(int section = -1) const;
    bool isMovingEnabled() const;
    bool isStretchEnabled() const;
    bool isStretchEnabled(int section) const;
    void setStretchEnabled(bool enable) { setStretchEnabled(enable, -1); }

    void resizeSection(int section, int size);
    int sectionSize(int section) const;
    int sectionPos(int section) const;
    int sectionAt(int pos) const;
    QRect sectionRect(int section) const;
    int cellPos(int index) const;
    int headerWidth() const;
    int offset() const;
    int mapToSection(int index) const;
    int mapToIndex(int section) const;
    void moveSection(int section, int toIndex);

    void setSortIndicator(int section, bool ascending = true);
    int sortIndicatorSection() const;
    Qt::SortOrder sortIndicatorOrder() const;

    void adjustHeaderSize() { adjustHeaderSize(-1); }
    // The size a section's label and icon ask for, measured with the given metrics.
    QSize sectionSizeHint(int section, const QFontMetrics &fm) const;
    QSize sizeHint() const override;
    void setIsATableHeader(bool isTableHeader);

    // While set, label() of a section without a label answers a null string instead of its
    // number. One flag for the whole program; table headers raise it while swapping sections.
    static void setNullLabelsFlag(bool set);
    static bool nullLabelsFlag();

public Q_SLOTS:
    void setUpdatesEnabled(bool enable);
    virtual void setOffset(int offset);

Q_SIGNALS:
    void clicked(int section);
    void pressed(int section);
    void released(int section);
    void sizeChange(int section, int oldSize, int newSize);
    void indexChange(int section, int fromIndex, int toIndex);
    void sectionClicked(int index);
    void moved(int fromIndex, int toIndex);
    void sectionHandleDoubleClicked(int section);

protected:
    void paintEvent(QPaintEvent *e) override;
    void showEvent(QShowEvent *e) override;
    void resizeEvent(QResizeEvent *e) override;
    void changeEvent(QEvent *e) override;
    virtual void fontChange(const QFont &oldFont);
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void mouseDoubleClickEvent(QMouseEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;
    void keyReleaseEvent(QKeyEvent *e) override;

    // The rectangle of the section shown at an index, in widget coordinates; past the last
    // section the rest of the widget, for an index without a section the whole widget.
    QRect sRect(int index) const;
    // The section whose resize handle lies at a header coordinate, or -1.
    int handleAt(int pos) const;
    // Whether a press is resizing or moving a section.
    bool isDragging() const;
    // Recomputes positions from an index on; onlyVisible stops past the visible part.
    void calculatePositions(bool onlyVisible = false, int start = 0) const;
    void adjustHeaderSize(int diff);

private:
    void init(int count);
    void ensurePositions() const;
    int length() const;
    int thicknessOf(const QSize &size) const;
    int lengthOf(const QSize &size) const;
    int coordinate(const QPoint &pos) const;
    int gripMargin(int section) const;
    int sectionEnd(int index) const;
    // Answers whether the section's size changed. oldThickness is what the section's label
    // measured across before it changed, INT_MAX when unknown.
    bool setSectionSizeAndHeight(int section, int size, int oldThickness = INT_MAX);
    void handleColumnResize(int index, int coord, bool final, bool recalcAll = true);
    void stretchLastAfterResize();
    void setSectionSizeNotified(int section, int size);
    int findLine(int pos) const;
    QRect markRect(int index) const;
    QRect outlineRect(int index) const;
    void updateMark(int index);
    void paintMoveMarks(QPainter *p);
    void paintFlatEdges(QPainter *p, int index, const QRect &r) const;
    void paintSortArrow(QPainter *p, const QRect &rect, int section, bool rightToLeft);
    void pressOnHandle(int index, int pos);
    void pressOnSection(int index, int pos);
    void releaseClick(const QPoint &pos);
    void releaseMove();
    void moveDuringMove(int pos);
    void keyboardResize(int index, int step);
    void keyboardMove(int index, int direction);
    void keyboardFocus(int direction);
    bool isNavigationKey(int key) const;
    void layoutChanged(bool resized = true);
    template<typename Move>
    void moveSections(Move move, int first);

    std::unique_ptr<UHeaderPrivate> d;
};
