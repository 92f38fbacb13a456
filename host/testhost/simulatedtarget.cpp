#include "simulatedtarget.h"

#include "simulateddisassembler.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr uint32_t kPageSize = 4096;
// A disassembly request never answers more lines than this.
constexpr uint32_t kLargestDisassembly = 1024;
// A fill never writes more than this, whatever the request says.
constexpr uint64_t kLargestFill = 16u << 20;

MoskResult failure()
{
    return moskErrorCreateStandardError(1, MOSK_ERR_FAILED);
}

MoskResult badArgument()
{
    return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
}

MoskResult writeText(MoskOStream *stream, const std::string &text)
{
    if (!stream)
        return badArgument();
    return stream->ops->setText(stream, text.c_str());
}

template<typename Map, typename Value>
Value lookup(const Map &map, int key, Value fallback)
{
    const auto it = map.find(key);
    return it == map.end() ? fallback : it->second;
}

} // namespace

const IGb_MemoryAccessOps SimulatedTarget::s_ops = {
    MOSK_FACE_BASE(Face),
    &read,
    &memorySpaceAction,
    &fill,
    &disassemblyFormatLists,
    &memorySpaceInfo,
    &addressToText,
    &textToAddress,
    &byteOrderAt,
    &defaultAccessSize,
    &supportsRunningAccess,
    &targetName,
    &createBreakpoint,
    &reserved16,
    &adjustAddress,
    &adjustAddress2,
};

SimulatedTarget::SimulatedTarget()
    : m_face(this, &s_ops)
    , m_disassembler(std::make_unique<SimulatedDisassembler>())
{
    enterInterface(MOSK_IID_BASE, 1, &m_face);
}

SimulatedTarget::~SimulatedTarget() = default;

void SimulatedTarget::setThumb(int target, uint32_t first, uint32_t last)
{
    m_thumb.push_back({target, first, last, 0});
}

std::string SimulatedTarget::disassemblyLine(int target, uint32_t offset, int formatId,
                                             uint32_t &length)
{
    const bool thumb = std::any_of(m_thumb.begin(), m_thumb.end(),
                                   [&](const Range &r) { return r.contains(target, offset); });
    char text[64];
    std::snprintf(text, sizeof text, "0x%08X ", offset);
    std::string line = text;
    if (!readable(target, offset, 1)) {
        length = thumb ? 2 : 4;
        return line + "??";
    }
    uint8_t bytes[4];
    size_t size = 0;
    while (size < sizeof bytes && uint64_t(offset) + size <= 0xFFFFFFFFu &&
           readable(target, uint32_t(offset + size), 1)) {
        bytes[size] = peek(target, uint32_t(offset + size));
        ++size;
    }
    std::string instruction;
    length = uint32_t(m_disassembler->decode(thumb ? SimulatedDisassembler::Mode::Thumb
                                                   : SimulatedDisassembler::Mode::Arm,
                                             bytes, size, offset, instruction));
    if (length == 0) {
        std::snprintf(text, sizeof text, ".byte 0x%02x", bytes[0]);
        instruction = text;
        length = 1;
    }
    if (formatId == 1) {
        for (uint32_t i = 0; i < length; ++i) {
            std::snprintf(text, sizeof text, "%02x ", bytes[i]);
            line += text;
        }
        line += ' ';
    }
    return line + instruction;
}

SimulatedTarget &SimulatedTarget::installed()
{
    // Lives for the whole process: the broker and the library's bridge keep references.
    static SimulatedTarget *target = [] {
        auto *t = new SimulatedTarget;
        MoskBroker *broker = moskGetObjectBroker();
        mosk::release(broker->ops->registerComponent(broker, TESK_MEMORY_ACCESS_CATEGORY,
                                                     TESK_MEMORY_ACCESS_COMPONENT, t->face()));
        return t;
    }();
    return *target;
}

void SimulatedTarget::registerWithBroker()
{
    SimulatedTarget &target = installed();
    MoskBroker *broker = moskGetObjectBroker();
    if (!broker->ops->hasComponent(broker, TESK_MEMORY_ACCESS_CATEGORY,
                                   TESK_MEMORY_ACCESS_COMPONENT))
        mosk::release(broker->ops->registerComponent(broker, TESK_MEMORY_ACCESS_CATEGORY,
                                                     TESK_MEMORY_ACCESS_COMPONENT, target.face()));
}

void SimulatedTarget::withdrawFromBroker()
{
    installed();
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(broker->ops->unregisterComponent(broker, TESK_MEMORY_ACCESS_CATEGORY,
                                                   TESK_MEMORY_ACCESS_COMPONENT));
}

void SimulatedTarget::reset()
{
    m_pages.clear();
    m_unreadable.clear();
    m_attributes.clear();
    m_volatile.clear();
    m_names.clear();
    setDisassemblyFormats("0\t1", "Instructions\tInstructions and bytes");
    m_bigEndian.clear();
    m_runningAccess.clear();
    m_thumb.clear();
    m_scriptedLines.clear();
    m_log.clear();
    m_textless.clear();
    m_ignoresLineCount = false;
    m_shortRuns = false;
    m_overstatedRunCount = false;
    m_lastReadFlags = 0;
}

uint8_t SimulatedTarget::patternByte(int target, uint32_t offset)
{
    return uint8_t(offset ^ (offset >> 8) ^ (offset >> 16) ^ (offset >> 24) ^
                   uint32_t(target * 31));
}

uint8_t SimulatedTarget::peek(int target, uint32_t offset) const
{
    const auto it = m_pages.find({target, offset / kPageSize});
    return it == m_pages.end() ? patternByte(target, offset) : it->second[offset % kPageSize];
}

void SimulatedTarget::store(int target, uint32_t offset, uint8_t value)
{
    auto &page = m_pages[{target, offset / kPageSize}];
    if (page.empty()) {
        const uint32_t base = offset - offset % kPageSize;
        page.resize(kPageSize);
        for (uint32_t i = 0; i < kPageSize; ++i)
            page[i] = patternByte(target, base + i);
    }
    page[offset % kPageSize] = value;
}

void SimulatedTarget::poke(int target, uint32_t offset, const std::vector<uint8_t> &bytes)
{
    for (size_t i = 0; i < bytes.size(); ++i)
        store(target, offset + uint32_t(i), bytes[i]);
}

void SimulatedTarget::setUnreadable(int target, uint32_t first, uint32_t last)
{
    m_unreadable.push_back({target, first, last, 0});
}

void SimulatedTarget::setAttribute(int target, uint32_t first, uint32_t last, uint32_t code)
{
    m_attributes.push_back({target, first, last, code});
}

void SimulatedTarget::setVolatile(int target, uint32_t offset, uint32_t length)
{
    if (length)
        m_volatile.push_back({target, offset, offset + length - 1, 0});
}

void SimulatedTarget::advance()
{
    for (const Range &range : m_volatile) {
        for (uint64_t o = range.first; o <= range.last; ++o)
            store(range.target, uint32_t(o), uint8_t(peek(range.target, uint32_t(o)) + 1));
    }
}

void SimulatedTarget::setTargetName(int target, const std::string &name)
{
    m_names[target] = name;
}

void SimulatedTarget::setBigEndian(int target, bool bigEndian)
{
    m_bigEndian[target] = bigEndian;
}

void SimulatedTarget::setRunningAccess(int target, bool supported)
{
    m_runningAccess[target] = supported;
}

int SimulatedTarget::count(Kind kind) const
{
    return int(std::count_if(m_log.begin(), m_log.end(),
                             [kind](const Access &a) { return a.kind == kind; }));
}

uint64_t SimulatedTarget::bytes(Kind kind) const
{
    uint64_t total = 0;
    for (const Access &a : m_log)
        total += a.kind == kind ? a.length : 0;
    return total;
}

bool SimulatedTarget::readable(int target, uint32_t offset, uint32_t length) const
{
    const uint64_t last = uint64_t(offset) + length - 1;
    return std::none_of(m_unreadable.begin(), m_unreadable.end(), [&](const Range &r) {
        return r.target == target && r.first <= last && offset <= r.last;
    });
}

uint32_t SimulatedTarget::attributeAt(int target, uint32_t offset) const
{
    // The range set last wins.
    for (auto it = m_attributes.rbegin(); it != m_attributes.rend(); ++it) {
        if (it->contains(target, offset))
            return it->code;
    }
    return kDefaultAttribute;
}

uint32_t SimulatedTarget::describeRuns(int target, uint32_t offset, uint32_t length,
                                       TeskMemoryRun *runs, uint32_t capacity) const
{
    uint32_t n = 0;
    for (uint32_t i = 0; i < length; ++i) {
        const uint32_t code = attributeAt(target, offset + i);
        if (n > 0 && runs[n - 1].attribute == code) {
            ++runs[n - 1].count;
        } else {
            if (n == capacity)
                break;
            runs[n++] = TeskMemoryRun{code, 0, 1, 0};
        }
    }
    return n;
}

void SimulatedTarget::record(Kind kind, int target, const TeskMemoryAddress *address,
                             uint32_t length)
{
    m_log.push_back(
        {kind, target, address ? address->offset : 0, address ? address->space : 0, length});
    if (inside)
        inside(kind);
}

MoskResult SimulatedTarget::read(void *face, int32_t target, const TeskMemoryAddress *address,
                                 uint32_t length, int32_t, uint32_t *info, const uint8_t **data,
                                 TeskMemoryRun *runs, uint32_t *runCount, intptr_t flags)
{
    SimulatedTarget *t = self(face);
    if (!address || !data || !runs || !runCount || length == 0)
        return badArgument();
    t->record(Kind::Read, target, address, length);
    t->m_lastReadFlags = flags;
    if (uint64_t(address->offset) + length > (uint64_t(1) << 32) ||
        !t->readable(target, address->offset, length))
        return failure();
    t->m_answer.resize(length);
    for (uint32_t i = 0; i < length; ++i)
        t->m_answer[i] = t->peek(target, address->offset + i);
    uint32_t stored = t->describeRuns(target, address->offset, length, runs, *runCount);
    if (t->m_shortRuns && stored > 0)
        runs[stored - 1].count /= 2;
    *runCount = t->m_overstatedRunCount ? stored + length + 8 : stored;
    if (info)
        *info = 0;
    *data = t->m_answer.data();
    return nullptr;
}

MoskResult SimulatedTarget::memorySpaceAction(void *face, TeskHandle, int32_t target,
                                              const TeskMemoryAddress *address, int32_t, intptr_t x,
                                              intptr_t y, uint32_t *result)
{
    SimulatedTarget *t = self(face);
    if (!address || x <= 0 || !y)
        return badArgument();
    const auto count = uint32_t(x);
    const auto *bytes = reinterpret_cast<const uint8_t *>(y);
    t->record(Kind::Write, target, address, count);
    for (uint32_t i = 0; i < count; ++i)
        t->store(target, address->offset + i, bytes[i]);
    if (result)
        *result = 0;
    return nullptr;
}

MoskResult SimulatedTarget::fill(void *face, TeskHandle, int32_t target,
                                 const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                                 uint32_t length, int32_t fillSize, const char *expression)
{
    SimulatedTarget *t = self(face);
    if (!first || !expression)
        return badArgument();
    char *end = nullptr;
    const unsigned long value = std::strtoul(expression, &end, 0);
    if (end == expression || *end)
        return badArgument();
    uint64_t count = length;
    if (count == 0 && last && last->offset >= first->offset)
        count = uint64_t(last->offset) - first->offset + 1;
    count = std::min({count, kLargestFill, (uint64_t(1) << 32) - first->offset});
    const uint32_t unit = fillSize == 2 ? 2 : (fillSize == 1 ? 1 : 4);
    t->record(Kind::Fill, target, first, uint32_t(count));
    for (uint64_t i = 0; i < count; ++i)
        t->store(target, first->offset + uint32_t(i), uint8_t(value >> (8 * (i % unit))));
    return nullptr;
}

MoskResult SimulatedTarget::disassemblyFormatLists(void *face, int32_t, MoskOStream *ids,
                                                   MoskOStream *names)
{
    if (MoskResult r = writeText(ids, self(face)->m_formatIds.c_str()))
        return r;
    return writeText(names, self(face)->m_formatNames.c_str());
}

MoskResult SimulatedTarget::memorySpaceInfo(void *face, int32_t target,
                                            const TeskMemoryAddress *address, uint32_t *lineCount,
                                            const void **lines, const uint8_t **lengths,
                                            int32_t formatId)
{
    if (!address || !lineCount || !lines || !lengths)
        return badArgument();
    SimulatedTarget *t = self(face);
    t->record(Kind::DisassemblyLines, target, address, *lineCount);
    const uint32_t wanted = std::min(*lineCount, kLargestDisassembly);
    t->m_lineTexts.clear();
    t->m_lineLengths.clear();
    if (!t->m_scriptedLines.empty()) {
        const size_t answered = t->m_ignoresLineCount ? t->m_scriptedLines.size() : wanted;
        for (size_t i = 0; i < answered && i < t->m_scriptedLines.size(); ++i) {
            t->m_lineTexts.push_back(t->m_scriptedLines[i].text);
            t->m_lineLengths.push_back(t->m_scriptedLines[i].length);
        }
    } else {
        uint64_t offset = address->offset;
        for (uint32_t i = 0; i < wanted && offset <= 0xFFFFFFFFu; ++i) {
            uint32_t length = 0;
            t->m_lineTexts.push_back(
                t->disassemblyLine(target, uint32_t(offset), formatId, length));
            t->m_lineLengths.push_back(uint8_t(length));
            offset += length;
        }
    }
    t->m_lineRecords.assign(t->m_lineTexts.size(), TeskDisassemblyLine{});
    for (size_t i = 0; i < t->m_lineTexts.size(); ++i)
        t->m_lineRecords[i].text = t->m_lineTexts[i].c_str();
    *lineCount = uint32_t(t->m_lineRecords.size());
    *lines = t->m_lineRecords.data();
    *lengths = t->m_lineLengths.data();
    return nullptr;
}

MoskResult SimulatedTarget::addressToText(void *face, int32_t target,
                                          const TeskMemoryAddress *address, MoskOStream *text)
{
    if (!address)
        return badArgument();
    self(face)->record(Kind::AddressText, target, address, 0);
    char buffer[32];
    if (address->space)
        std::snprintf(buffer, sizeof buffer, "%u:0x%08X", address->space, address->offset);
    else
        std::snprintf(buffer, sizeof buffer, "0x%08X", address->offset);
    return writeText(text, buffer);
}

// "offset" or "space:offset", each in C notation.
MoskResult SimulatedTarget::textToAddress(void *face, int32_t target, const char *text,
                                          TeskMemoryAddress *address)
{
    if (!text || !address || !*text)
        return badArgument();
    const std::vector<int> &textless = self(face)->m_textless;
    if (std::find(textless.begin(), textless.end(), target) != textless.end())
        return badArgument();
    const char *at = text;
    char *end = nullptr;
    unsigned long long first = std::strtoull(at, &end, 0);
    unsigned long long space = 0;
    if (end != at && *end == ':') {
        space = first;
        at = end + 1;
        first = std::strtoull(at, &end, 0);
    }
    if (end == at || *end || first > 0xFFFFFFFFull || space > 0xFFFFFFFFull)
        return badArgument();
    *address = TeskMemoryAddress{uint32_t(first), uint32_t(space)};
    return nullptr;
}

MoskResult SimulatedTarget::byteOrderAt(void *face, int32_t target, const TeskMemoryAddress *,
                                        uint8_t *bigEndian)
{
    if (!bigEndian)
        return badArgument();
    *bigEndian = lookup(self(face)->m_bigEndian, target, false) ? 1 : 0;
    return nullptr;
}

MoskResult SimulatedTarget::defaultAccessSize(void *, int32_t, const TeskMemoryAddress *,
                                              int32_t *size)
{
    if (!size)
        return badArgument();
    *size = 4;
    return nullptr;
}

MoskResult SimulatedTarget::supportsRunningAccess(void *face, int32_t target, uint8_t *supported)
{
    if (!supported)
        return badArgument();
    *supported = lookup(self(face)->m_runningAccess, target, false) ? 1 : 0;
    return nullptr;
}

MoskResult SimulatedTarget::targetName(void *face, int32_t target, MoskOStream *name)
{
    return writeText(
        name, lookup(self(face)->m_names, target, std::string("target ") + std::to_string(target)));
}

MoskResult SimulatedTarget::createBreakpoint(void *face, TeskHandle, int32_t target,
                                             const TeskMemoryAddress *first,
                                             const TeskMemoryAddress *last, int32_t)
{
    if (!first || !last || last->offset < first->offset)
        return badArgument();
    self(face)->record(Kind::Breakpoint, target, first, last->offset - first->offset + 1);
    return nullptr;
}

MoskResult SimulatedTarget::reserved16(void *)
{
    return moskErrorCreateStandardError(1, MOSK_ERR_NO_INTERFACE);
}

// The whole 32-bit space is one range.
MoskResult SimulatedTarget::adjustAddress(void *, int32_t, const TeskMemoryAddress *address,
                                          TeskMemoryAddress *rangeStart, uint32_t *rangeLength)
{
    if (!address || !rangeStart || !rangeLength)
        return badArgument();
    *rangeStart = TeskMemoryAddress{0, address->space};
    *rangeLength = 0xFFFFFFFFu;
    return nullptr;
}

MoskResult SimulatedTarget::adjustAddress2(void *, int32_t, const TeskMemoryAddress *address,
                                           uint32_t offset, TeskMemoryAddress *result)
{
    if (!address || !result)
        return badArgument();
    *result = TeskMemoryAddress{address->offset + offset, address->space};
    return nullptr;
}
