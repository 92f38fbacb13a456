// A tagged section file holding many broken copies of the tag line in front of the one whole
// copy, as a host's file gets after many interrupted writes. Each copy is read only as far as
// it goes, so the load grows with the file, not with its square.
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

void BM_SectionBehindBrokenCopies(benchmark::State &state)
{
    QTemporaryDir folder;
    const QString fileName = folder.filePath(QStringLiteral("host.ini"));
    {
        QFile file(fileName);
        file.open(QIODevice::WriteOnly);
        for (int64_t i = 0; i < state.range(0); ++i)
            file.write("[t]\n<doc><number>5</numb\n");
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
BENCHMARK(BM_SectionBehindBrokenCopies)
    ->RangeMultiplier(10)
    ->Range(1000, 100000)
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

} // namespace
