#pragma once

#include <QScrollBar>

namespace tesk::gc_panes {
class MemoryTableView;
}

// The memory view's vertical scroll bar: it scrolls the target's address space, not a table.
// The whole 32-bit space maps onto 0 .. 0x7FFFFFFF; steps and drags become the view's own
// scroll operations, after which the bar takes its position from the view again.
class KViewMemoryScrollbar : public QScrollBar
{
    Q_OBJECT

public:
    static constexpr int kMaximum = 0x7FFFFFFF;

    KViewMemoryScrollbar(tesk::gc_panes::MemoryTableView *view, QWidget *parent = nullptr,
                         const char *name = nullptr);

    void scrollLines(int count);
    // Places the slider where the view's start address stands.
    void syncToView();

public Q_SLOTS:
    void slotValueChanged(int value);
    void slotSliderPressed();
    void slotSliderMoved(int value);
    void slotSliderReleased();
    void slotNextLine();
    void slotPrevLine();
    void slotNextPage();
    void slotPrevPage();

Q_SIGNALS:
    void nextLine();
    void prevLine();
    void nextPage();
    void prevPage();

protected:
    // One line per wheel event, whatever the delta.
    void wheelEvent(QWheelEvent *e) override;

private:
    void slotActionTriggered(int action);
    void step(int kind);

    tesk::gc_panes::MemoryTableView *m_view;
};
