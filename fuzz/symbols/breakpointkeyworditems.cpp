// Condition and action rows as the dialogs and the host write them ("name=value"), turned into
// command options: the first byte steers which checks the host refuses.
#include "symbols/breakpoints/breakpointcommand.h"
#include "symbols/breakpoints/breakpointhostface.h"
#include "symbols/breakpoints/hardwarecapabilities.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

using namespace tesk::breakpoints;

namespace {

class RefusingHost : public BreakpointHostFace
{
public:
    explicit RefusingHost(uint8_t steer)
        : m_steer(steer)
    {
    }
    QString contextName() override { return QString(); }
    bool checkExpression(const QString &text) override { return !(m_steer & 1) || text.size() % 2; }
    bool checkCondition(const QString &text, const QString &) override
    {
        return !(m_steer & 2) || text.size() % 3;
    }
    bool hasEeaccess() override { return true; }
    bool hasGui() override { return true; }
    int eeaccessCommand(const QString &) override { return 0; }
    int guiCommand(const QString &) override { return 0; }
    void recordHistory(int, const QString &, const QString &) override {}
    HardwareCapabilities capabilities(intptr_t vdata, uint32_t type) override
    {
        return HardwareCapabilities(vdata, type, nullptr);
    }
    Answer askReplace(const QString &) override { return Answer::Cancel; }

private:
    uint8_t m_steer;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    RefusingHost host(data[0]);
    const QStringList rows =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1))
            .split(u'\n');
    const KeywordTable &table = data[0] & 4 ? actionKeywords() : qualifierKeywords();
    QString command = QStringLiteral("binstr");
    QString error;
    const bool ok = appendKeywordItems(command, error, rows, table, host);
    // A refusal says why and leaves the command as it was.
    if (!ok && (error.isEmpty() || command != QLatin1String("binstr")))
        std::abort();
    return 0;
}
