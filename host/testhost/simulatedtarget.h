#pragma once

// A simulated target behind the host's memory-access component, as the debugger engine would
// register it with the broker: memory per target (bytes never written follow a fixed
// pattern), ranges that cannot be read, attribute codes per range, bytes that change on every
// host event, and a log of every read, write, fill and breakpoint request. Used by the tests,
// the benchmarks and the demo host; it needs only the broker and the C headers.

#include <tesk/tesk_memoryaccess.h>

#include <mosk/mosk.hpp>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

class SimulatedDisassembler;

class SimulatedTarget : public mosk::Object<mosk::EmptyMutex>
{
public:
    using Face = mosk::Implements<SimulatedTarget, IGb_MemoryAccess, TESK_IID_MEMORY_ACCESS, 0, 0>;

    enum class Kind { Read, Write, Fill, Breakpoint, DisassemblyLines, AddressText };

    struct Access
    {
        Kind kind;
        int target;
        uint32_t offset;
        uint32_t space;
        uint32_t length;
    };

    // Code of bytes that read normally.
    static constexpr uint32_t kDefaultAttribute = 5;

    // The process-wide simulated target, registered with the broker on first use.
    static SimulatedTarget &installed();
    // Registers or withdraws the installed target under "gui_bridge"/"gb_MemoryAccess.component.1".
    static void registerWithBroker();
    static void withdrawFromBroker();

    SimulatedTarget();
    ~SimulatedTarget();

    IGb_MemoryAccess *face() { return &m_face; }

    // What a fresh target answers: the pattern everywhere, nothing unreadable, an empty log.
    void reset();

    uint8_t peek(int target, uint32_t offset) const;
    static uint8_t patternByte(int target, uint32_t offset);
    void poke(int target, uint32_t offset, const std::vector<uint8_t> &bytes);
    void setUnreadable(int target, uint32_t first, uint32_t last);
    void setAttribute(int target, uint32_t first, uint32_t last, uint32_t code);
    // The bytes of [offset, offset + length) count up by one on every advance().
    void setVolatile(int target, uint32_t offset, uint32_t length);
    // A host event: volatile memory changes.
    void advance();
    void setTargetName(int target, const std::string &name);
    void setBigEndian(int target, bool bigEndian);
    void setRunningAccess(int target, bool supported);
    // A target whose address texts do not evaluate (as target 0, which names no target).
    void refuseAddressTexts(int target) { m_textless.push_back(target); }

    // Disassembly: memory decodes as A32 instructions, or as Thumb inside these ranges.
    // Format 0 gives "address instruction", format 1 "address bytes  instruction"; bytes
    // that decode to nothing give one-byte ".byte" lines, unreadable ones "??" lines.
    void setThumb(int target, uint32_t first, uint32_t last);
    // Lines to answer instead of decoding (an empty list decodes again).
    struct ScriptedLine
    {
        std::string text;
        uint8_t length;
    };
    void scriptDisassembly(std::vector<ScriptedLine> lines) { m_scriptedLines = std::move(lines); }
    // Tab-separated format lists to answer instead of the two built-in formats.
    void setDisassemblyFormats(std::string ids, std::string names)
    {
        m_formatIds = std::move(ids);
        m_formatNames = std::move(names);
    }

    // Misbehaving hosts: answer fewer runs than the bytes need, or claim more runs than the
    // array has room for.
    void setShortRuns(bool on) { m_shortRuns = on; }
    void setOverstatedRunCount(bool on) { m_overstatedRunCount = on; }
    // A host that answers every scripted disassembly line, however few rows were asked for.
    void setIgnoresLineCount(bool on) { m_ignoresLineCount = on; }

    const std::vector<Access> &log() const { return m_log; }
    void clearLog() { m_log.clear(); }
    // Called on every access the library asks for, before it is answered.
    std::function<void(Kind)> inside;
    int count(Kind kind) const;
    uint64_t bytes(Kind kind) const;
    // The flags word of the last read.
    intptr_t lastReadFlags() const { return m_lastReadFlags; }

private:
    struct Range
    {
        int target;
        uint32_t first;
        uint32_t last;
        uint32_t code;
        bool contains(int t, uint32_t offset) const
        {
            return t == target && first <= offset && offset <= last;
        }
    };

    static SimulatedTarget *self(void *face) { return Face::outerOf(face); }

    bool readable(int target, uint32_t offset, uint32_t length) const;
    uint32_t attributeAt(int target, uint32_t offset) const;
    void store(int target, uint32_t offset, uint8_t value);
    uint32_t describeRuns(int target, uint32_t offset, uint32_t length, TeskMemoryRun *runs,
                          uint32_t capacity) const;
    // One line of the disassembly at the offset, and the bytes it covers.
    std::string disassemblyLine(int target, uint32_t offset, int formatId, uint32_t &length);
    void record(Kind kind, int target, const TeskMemoryAddress *address, uint32_t length);

    static MoskResult read(void *self, int32_t target, const TeskMemoryAddress *address,
                           uint32_t length, int32_t mode, uint32_t *info, const uint8_t **data,
                           TeskMemoryRun *runs, uint32_t *runCount, intptr_t flags);
    static MoskResult memorySpaceAction(void *self, TeskHandle window, int32_t target,
                                        const TeskMemoryAddress *address, int32_t zero, intptr_t x,
                                        intptr_t y, uint32_t *result);
    static MoskResult fill(void *self, TeskHandle window, int32_t target,
                           const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                           uint32_t length, int32_t fillSize, const char *expression);
    static MoskResult disassemblyFormatLists(void *self, int32_t target, MoskOStream *ids,
                                             MoskOStream *names);
    static MoskResult memorySpaceInfo(void *self, int32_t target, const TeskMemoryAddress *address,
                                      uint32_t *lineCount, const void **lines,
                                      const uint8_t **lengths, int32_t formatId);
    static MoskResult addressToText(void *self, int32_t target, const TeskMemoryAddress *address,
                                    MoskOStream *text);
    static MoskResult textToAddress(void *self, int32_t target, const char *text,
                                    TeskMemoryAddress *address);
    static MoskResult byteOrderAt(void *self, int32_t target, const TeskMemoryAddress *address,
                                  uint8_t *bigEndian);
    static MoskResult defaultAccessSize(void *self, int32_t target,
                                        const TeskMemoryAddress *address, int32_t *size);
    static MoskResult supportsRunningAccess(void *self, int32_t target, uint8_t *supported);
    static MoskResult targetName(void *self, int32_t target, MoskOStream *name);
    static MoskResult createBreakpoint(void *self, TeskHandle window, int32_t target,
                                       const TeskMemoryAddress *first,
                                       const TeskMemoryAddress *last, int32_t zero);
    static MoskResult reserved16(void *self);
    static MoskResult adjustAddress(void *self, int32_t target, const TeskMemoryAddress *address,
                                    TeskMemoryAddress *rangeStart, uint32_t *rangeLength);
    static MoskResult adjustAddress2(void *self, int32_t target, const TeskMemoryAddress *address,
                                     uint32_t offset, TeskMemoryAddress *result);

    static const IGb_MemoryAccessOps s_ops;

    Face m_face;
    // Pages of 4 KiB per (target, page number); bytes outside them follow the pattern.
    std::map<std::pair<int, uint32_t>, std::vector<uint8_t>> m_pages;
    std::vector<Range> m_unreadable;
    std::vector<Range> m_attributes;
    std::vector<Range> m_volatile;
    std::map<int, std::string> m_names;
    std::map<int, bool> m_bigEndian;
    std::map<int, bool> m_runningAccess;
    std::vector<uint8_t> m_answer; // what the last read handed out
    std::vector<Range> m_thumb;
    std::string m_formatIds = "0\t1";
    std::string m_formatNames = "Instructions\tInstructions and bytes";
    std::vector<ScriptedLine> m_scriptedLines;
    std::unique_ptr<SimulatedDisassembler> m_disassembler;
    // What the last disassembly request handed out.
    std::vector<std::string> m_lineTexts;
    std::vector<TeskDisassemblyLine> m_lineRecords;
    std::vector<uint8_t> m_lineLengths;
    std::vector<Access> m_log;
    std::vector<int> m_textless;
    bool m_ignoresLineCount = false;
    bool m_shortRuns = false;
    bool m_overstatedRunCount = false;
    intptr_t m_lastReadFlags = 0;
};
