// Register data sets of 10,000 registers: adding them, updating all their values and
// formatting each new value, as a register pane does on every stop of the target.
#include "registerrecords.h"
#include "testhost.h"

#include "registers/regdata.h"
#include "registers/regdataitem.h"
#include "registers/regdatasets.h"
#include "registers/regformat.h"

#include <glyphon/glyphon.h>

#include <QFont>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int registerCount = 10000;
constexpr int valueWidth = 8;

// The host's records: one view, groups of 16 registers, one value line each.
class HostRegisters
{
public:
    HostRegisters()
    {
        for (int i = 0; i < registerCount; ++i)
            m_names.push_back("R" + std::to_string(i));
    }

    void addTo(uint32_t id) const
    {
        RegDataRecord view = tesk::host::viewRecord("Core");
        CuiRegPaneDataAdd(id, &view);
        for (int i = 0; i < registerCount; ++i) {
            RegDataRecord r = tesk::host::registerRecord(
                m_names[i].c_str(), i % 16 == 0 ? REG_FLAG_GROUP_HEAD : REG_FLAG_IN_GROUP,
                static_cast<int16_t>(i), 0, valueWidth);
            CuiRegPaneDataAdd(id, &r);
        }
    }

    // Every register's value changes with each round.
    void prepare(unsigned round)
    {
        m_lines.clear();
        for (int i = 0; i < registerCount; ++i)
            m_lines.addHex(nullptr, (round * 2654435761u) ^ unsigned(i));
    }

    void update(uint32_t id)
    {
        const RegLineBlock block = m_lines.block();
        RegDataRecord r = tesk::host::updateRecord(&block, 1);
        CuiRegPaneDataUpdate(id, &r);
    }

private:
    std::vector<std::string> m_names;
    tesk::host::ValueLines m_lines;
};

HostRegisters &host()
{
    static HostRegisters h;
    return h;
}

uint32_t freshDataSet()
{
    static uint32_t next = 0x10000;
    CuiRegPaneDataCreate(next);
    return next++;
}

void dropDataSet(uint32_t id)
{
    RegData *data = RegDataSets::instance().get(id);
    data->acquire();
    RegDataSets::instance().release(data);
}

// One format per register of the set, as the register items keep them.
std::vector<std::unique_ptr<RegFormat>> formatsFor(uint32_t id, KMediator_Format &engine)
{
    std::vector<std::unique_ptr<RegFormat>> formats;
    const QFont font;
    for (const auto &item : RegDataSets::instance().get(id)->items())
        formats.push_back(std::make_unique<RegFormat>(*item, &engine, font, font));
    return formats;
}

void countRegisters(benchmark::State &state)
{
    state.counters["registers/s"] =
        benchmark::Counter(double(registerCount) * state.iterations(), benchmark::Counter::kIsRate);
}

void BM_AddRegisters(benchmark::State &state)
{
    for (auto _ : state) {
        const uint32_t id = freshDataSet();
        host().addTo(id);
        state.PauseTiming();
        dropDataSet(id);
        state.ResumeTiming();
    }
    countRegisters(state);
}

void BM_UpdateRegisters(benchmark::State &state)
{
    const uint32_t id = freshDataSet();
    host().addTo(id);
    unsigned round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host().prepare(++round);
        state.ResumeTiming();
        host().update(id);
    }
    countRegisters(state);
    dropDataSet(id);
}

// Each register's format reads the new value text once, as its register item does.
void BM_UpdateAndFormatRegisters(benchmark::State &state)
{
    const uint32_t id = freshDataSet();
    host().addTo(id);
    KMediator_Format engine;
    auto formats = formatsFor(id, engine);
    long formatted = 0;
    const auto &items = RegDataSets::instance().get(id)->items();
    for (size_t i = 0; i < items.size(); ++i) {
        RegFormat *format = formats[i].get();
        QObject::connect(items[i].get(), qOverload<const QString &>(&RegDataItem::sigDataChanged),
                         format, [format, &formatted](const QString &text) {
                             format->setText(text, format->inputSource());
                             ++formatted;
                         });
    }
    unsigned round = 0;
    for (auto _ : state) {
        state.PauseTiming();
        host().prepare(++round);
        state.ResumeTiming();
        host().update(id);
    }
    if (formatted != long(registerCount) * state.iterations())
        state.SkipWithError("a register was not formatted exactly once per update");
    countRegisters(state);
    formats.clear();
    dropDataSet(id);
}

// Formatting alone: each register's format reads a new value text.
void BM_FormatRegisters(benchmark::State &state)
{
    const uint32_t id = freshDataSet();
    host().addTo(id);
    KMediator_Format engine;
    auto formats = formatsFor(id, engine);
    QStringList texts;
    for (int i = 0; i < registerCount; ++i)
        texts << QString::number(0x9e3779b9u ^ unsigned(i), 16);
    for (auto _ : state) {
        for (int i = 0; i < registerCount; ++i)
            formats[i]->setText(texts[i], RegFormat::TextSource::Raw);
    }
    countRegisters(state);
    formats.clear();
    dropDataSet(id);
}

} // namespace

BENCHMARK(BM_AddRegisters)->Unit(benchmark::kMillisecond)->Iterations(20);
BENCHMARK(BM_UpdateRegisters)->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(BM_FormatRegisters)->Unit(benchmark::kMillisecond)->Iterations(100);
BENCHMARK(BM_UpdateAndFormatRegisters)->Unit(benchmark::kMillisecond)->Iterations(100);
