// A register view of 10,000 registers: the host's update of every value timed to the repaint
// of the visible page, beside a bare painter drawing the same names and values; the first
// show and a Page Down.
#include "registerrecords.h"
#include "testhost.h"

#include "frame/core/visualsettings.h"
#include "registers/regdata.h"
#include "registers/regdatasets.h"
#include "registers/regdataview.h"
#include "registers/regitem.h"
#include "registers/regview.h"
#include "registers/regviewowner.h"

#include <glyphon/glyphon.h>

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPainter>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int registerCount = 10000;

class NoOwner : public RegViewOwner
{
public:
    void handleCommand(int) override {}
    bool isUserView(const RegView *) const override { return false; }
    bool hasUserView() const override { return false; }
    bool userViewEnabled() const override { return false; }
    void appendDockMenuItems(QMenu *) override {}
    void processGenericOption(int) override {}
};

// One data set of plain registers, a value line each, and a view over it.
class Page
{
public:
    Page()
    {
        static uint32_t next = 0x20000;
        m_id = next++;
        CuiRegPaneDataCreate(m_id);
        RegDataRecord view = tesk::host::viewRecord("Core");
        CuiRegPaneDataAdd(m_id, &view);
        for (int i = 0; i < registerCount; ++i) {
            const std::string name = "R" + std::to_string(i);
            RegDataRecord r = tesk::host::registerRecord(name.c_str(), 0, int16_t(i), 0, 8);
            CuiRegPaneDataAdd(m_id, &r);
        }
    }

    RegDataView *dataView() const { return RegDataSets::instance().get(m_id)->views().front(); }

    std::unique_ptr<RegView> show()
    {
        auto view = std::make_unique<RegView>(&m_owner, nullptr, dataView(), &m_settings, &m_engine,
                                              nullptr);
        QObject::connect(dataView(), &RegDataView::sigDataUpdated, view.get(),
                         &RegView::slotDataUpdated);
        view->resize(1000, 700);
        view->show();
        QApplication::processEvents();
        return view;
    }

    void prepare(unsigned round)
    {
        m_lines.clear();
        for (int i = 0; i < registerCount; ++i)
            m_lines.addHex(nullptr, (round * 2654435761u) ^ unsigned(i));
    }

    void update()
    {
        const RegLineBlock block = m_lines.block();
        RegDataRecord r = tesk::host::updateRecord(&block, 1);
        CuiRegPaneDataUpdate(m_id, &r);
    }

private:
    uint32_t m_id;
    NoOwner m_owner;
    KMediator_Format m_engine;
    VisualSettings m_settings{QApplication::palette(), QApplication::font()};
    tesk::host::ValueLines m_lines;
};

Page &page()
{
    static Page p;
    return p;
}

// The items the viewport shows.
std::vector<RegItem *> visibleItems(RegView &view)
{
    std::vector<RegItem *> shown;
    const QRect area(QPoint(view.contentsX(), view.contentsY()), view.viewport()->size());
    for (RegItem *item : view.items()) {
        if (item->shown() && item->geometry().intersects(area))
            shown.push_back(item);
    }
    return shown;
}

// Each round: the host's new values for every register, then the repaint of the visible page
// (and, when asked, the idle time after it, when the values off screen are formatted).
std::unique_ptr<RegView> timeUpdates(benchmark::State &state, bool withIdle)
{
    auto view = page().show();
    unsigned round = 0;
    page().prepare(++round);
    page().update();
    for (auto _ : state) {
        state.PauseTiming();
        page().prepare(++round);
        state.ResumeTiming();
        page().update();
        view->viewport()->repaint();
        if (withIdle)
            QApplication::processEvents();
    }
    return view;
}

void BM_UpdateAndRepaintVisiblePage(benchmark::State &state)
{
    const auto view = timeUpdates(state, false);
    const std::vector<RegItem *> shown = visibleItems(*view);
    const bool coloured = !shown.empty() && shown.front()->valueTextColour() == QColor(Qt::blue);
    state.counters["visible"] = double(shown.size());
    state.counters["changed_in_colour_6"] = coloured ? 1 : 0;
}

// The same, with the idle time that follows.
void BM_UpdateRepaintAndIdle(benchmark::State &state)
{
    timeUpdates(state, true);
}

// The same names and values drawn by one painter: the floor of any repaint.
void BM_BarePainterPeer(benchmark::State &state)
{
    auto view = page().show();
    const std::vector<RegItem *> shown = visibleItems(*view);
    QImage image(view->viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    const QFont font = view->font();
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setFont(font);
        for (RegItem *item : shown) {
            const QRect r = item->geometry();
            painter.setPen(Qt::darkGray);
            painter.drawText(r.x() + RegItem::nameX(), r.y(), item->nameWidth(), r.height(),
                             Qt::AlignVCenter, item->nameText());
            painter.setPen(Qt::blue);
            painter.drawText(r.x() + RegItem::nameX() + item->nameWidth() + RegItem::spacing(),
                             r.y(), item->valueWidth(), r.height(), Qt::AlignVCenter,
                             item->valueText());
        }
    }
    state.counters["visible"] = double(shown.size());
}

void BM_FirstShow(benchmark::State &state)
{
    for (auto _ : state) {
        auto view = page().show();
        view->viewport()->repaint();
        state.PauseTiming();
        view.reset();
        QApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_PageDown(benchmark::State &state)
{
    auto view = page().show();
    view->setFocus();
    QKeyEvent home(QEvent::KeyPress, Qt::Key_Home, Qt::NoModifier);
    QApplication::sendEvent(view.get(), &home);
    int steps = 0;
    for (auto _ : state) {
        QKeyEvent down(QEvent::KeyPress, Qt::Key_PageDown, Qt::NoModifier);
        QApplication::sendEvent(view.get(), &down);
        view->viewport()->repaint();
        if (++steps == 50) {
            state.PauseTiming();
            QApplication::sendEvent(view.get(), &home);
            steps = 0;
            state.ResumeTiming();
        }
    }
}

BENCHMARK(BM_UpdateAndRepaintVisiblePage)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UpdateRepaintAndIdle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BarePainterPeer)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FirstShow)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PageDown)->Unit(benchmark::kMillisecond);

} // namespace
