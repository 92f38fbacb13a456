#include "gui_components/gc_panes/memoryview/viewmemoryscrollbar.h"

#include "gui_components/gc_panes/memoryview/memorytableview.h"

#include <QWheelEvent>

using tesk::gc_panes::MemoryTableView;

MemoryTableView::~MemoryTableView() = default;

KViewMemoryScrollbar::KViewMemoryScrollbar(MemoryTableView *view, QWidget *parent, const char *name)
    : QScrollBar(Qt::Vertical, parent)
    , m_view(view)
{
    setObjectName(QString::fromLatin1(name));
    setRange(0, kMaximum);
    setSingleStep(1);
    setPageStep(400);
    setValue(0);
    connect(this, &QScrollBar::valueChanged, this, &KViewMemoryScrollbar::slotValueChanged);
    connect(this, &QScrollBar::sliderPressed, this, &KViewMemoryScrollbar::slotSliderPressed);
    connect(this, &QScrollBar::sliderMoved, this, &KViewMemoryScrollbar::slotSliderMoved);
    connect(this, &QScrollBar::sliderReleased, this, &KViewMemoryScrollbar::slotSliderReleased);
    connect(this, &QScrollBar::actionTriggered, this, &KViewMemoryScrollbar::slotActionTriggered);
    connect(this, &KViewMemoryScrollbar::nextLine, this, &KViewMemoryScrollbar::slotNextLine);
    connect(this, &KViewMemoryScrollbar::prevLine, this, &KViewMemoryScrollbar::slotPrevLine);
    connect(this, &KViewMemoryScrollbar::nextPage, this, &KViewMemoryScrollbar::slotNextPage);
    connect(this, &KViewMemoryScrollbar::prevPage, this, &KViewMemoryScrollbar::slotPrevPage);
}

void KViewMemoryScrollbar::scrollLines(int count)
{
    if (!m_view)
        return;
    m_view->scrollBy(MemoryTableView::ByLines, count);
    syncToView();
}

void KViewMemoryScrollbar::syncToView()
{
    if (!m_view)
        return;
    const int position = int(m_view->scrollFraction() * double(kMaximum));
    // Inside a triggered action the toolkit applies the slider position after the signal,
    // so both are set.
    setSliderPosition(position);
    setValue(position);
}

void KViewMemoryScrollbar::slotValueChanged(int) {}

void KViewMemoryScrollbar::slotSliderPressed() {}

void KViewMemoryScrollbar::slotSliderMoved(int value)
{
    if (m_view)
        m_view->scrollToFraction(value * (1.0 / kMaximum), true);
}

void KViewMemoryScrollbar::slotSliderReleased()
{
    if (!m_view)
        return;
    m_view->scrollToFraction(value() * (1.0 / kMaximum), false);
    syncToView();
}

void KViewMemoryScrollbar::slotNextLine()
{
    step(MemoryTableView::NextLine);
}

void KViewMemoryScrollbar::slotPrevLine()
{
    step(MemoryTableView::PrevLine);
}

void KViewMemoryScrollbar::slotNextPage()
{
    step(MemoryTableView::NextPage);
}

void KViewMemoryScrollbar::slotPrevPage()
{
    step(MemoryTableView::PrevPage);
}

void KViewMemoryScrollbar::step(int kind)
{
    if (!m_view)
        return;
    m_view->scrollBy(kind, 0);
    syncToView();
}

// The toolkit reports arrow and page steps as actions; a drag arrives as sliderMoved.
void KViewMemoryScrollbar::slotActionTriggered(int action)
{
    switch (action) {
    case SliderSingleStepAdd:
        emit nextLine();
        break;
    case SliderSingleStepSub:
        emit prevLine();
        break;
    case SliderPageStepAdd:
        emit nextPage();
        break;
    case SliderPageStepSub:
        emit prevPage();
        break;
    default:
        break;
    }
}

void KViewMemoryScrollbar::wheelEvent(QWheelEvent *e)
{
    const int delta = e->angleDelta().y();
    if (delta > 0)
        emit prevLine();
    else if (delta < 0)
        emit nextLine();
    e->accept();
}
