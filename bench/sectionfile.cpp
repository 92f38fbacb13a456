// A tagged section file holding many broken copies of the section in front of the one whole
// copy, as a host's file gets after many interrupted writes: a copy cut inside an element, and
// copies whose root element, CDATA section or processing instruction is never closed. Each copy
// is read no further than the next tag line, so the load grows with the file, not with its
// square, whatever kind of copy it holds.
#include "frame/core/xmlserial.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

class Number : public NXmlSerial::IXmlSerialize
{
public:
    int value = 0;
    void Serialize(NXmlSerial::XmlContext &c) override
    {
        if (c.Mode() == NXmlSerial::XmlContext::StoreMode)
            c.WriteInt(QStringLiteral("number"), value);
        else if (c.EventType() == NXmlSerial::XmlContext::ElementStartEvent &&
                 c.ElementName() == QLatin1String("number"))
            c.AdoptReader(new NXmlSerial::XmlDataItem(&value), true);
    }
};

void BM_SectionBehindBrokenCopies(benchmark::State &state, const char *brokenCopy)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("host.ini"));
    {
        QFile file(fileName);
        file.open(QIODevice::WriteOnly);
        for (int64_t i = 0; i < state.range(0); ++i) {
            file.write("[t]\n");
            file.write(brokenCopy);
        }
    }
    Number stored;
    stored.value = 7;
    NXmlSerial::storeXmlSection(fileName, QStringLiteral("t"), stored);
    for (auto _ : state) {
        Number loaded;
        benchmark::DoNotOptimize(NXmlSerial::loadXmlSection(fileName, QStringLiteral("t"), loaded));
    }
    state.SetComplexityN(state.range(0));
}

#define SECTION_BENCHMARK(kind, copy)                                                              \
    BENCHMARK_CAPTURE(BM_SectionBehindBrokenCopies, kind, copy)                                    \
        ->RangeMultiplier(10)                                                                      \
        ->Range(1000, 100000)                                                                      \
        ->Complexity(benchmark::oN)                                                                \
        ->Unit(benchmark::kMillisecond)

SECTION_BENCHMARK(cut_element, "<doc><number>5</numb\n");
SECTION_BENCHMARK(open_root, "<doc><number>5</number>\n");
SECTION_BENCHMARK(open_cdata, "<doc><number><![CDATA[5\n");
SECTION_BENCHMARK(open_instruction, "<doc><?note 5\n");

} // namespace
