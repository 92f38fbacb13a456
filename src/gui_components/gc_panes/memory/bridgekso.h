#pragma once

#include "gui_components/gc_panes/memory/memoryaddress.h"

#include <tesk/tesk_facade.h>
#include <tesk/tesk_memoryaccess.h>

#include <cstdint>
#include <string>
#include <vector>

class QMenu;
class QWidget;

// The one road from the views to two broker components: the library's facade (dock-window
// menu items, native window handles) and the host's memory-access component. Both are taken
// once; what is missing then stays missing. No wrapper lets a failure reach its caller: a
// missing component or a failed call gives the wrapper's failure value.
class KGcp_Bridge_KSO
{
public:
    // The process-wide bridge, created on first use.
    static KGcp_Bridge_KSO *instance();
    // At the unload, after the broker let its components go (see CGcp_ViewsManager).
    static void end();

    // Takes the components from the broker now. The views use instance(); a bridge of one's
    // own sees the broker as it is at construction.
    KGcp_Bridge_KSO();
    ~KGcp_Bridge_KSO();
    KGcp_Bridge_KSO(const KGcp_Bridge_KSO &) = delete;
    KGcp_Bridge_KSO &operator=(const KGcp_Bridge_KSO &) = delete;

    bool hasFacade() const { return m_facade != nullptr; }
    bool hasMemoryAccess() const { return m_memoryAccess != nullptr; }

    void addDockMenuItems(QMenu *popup);
    void activateDockMenuItem(QWidget *widget, int itemId);

    bool byteOrderAt(int target, const UMemoryAddress &address);
    int defaultAccessSize(int target, const UMemoryAddress &address);
    bool supportsRunningAccess(int target);
    std::string targetName(int target);
    std::string addressToText(int target, const UMemoryAddress &address);
    UMemoryAddress textToAddress(int target, const std::string &text);
    bool createBreakpointAt(QWidget *widget, int target, const UMemoryAddress &first,
                            const UMemoryAddress &last);
    bool adjustAddress(int target, const UMemoryAddress &address, UMemoryAddress &rangeStart,
                       uint32_t &rangeLength);
    bool adjustAddress2(int target, const UMemoryAddress &address, uint32_t offset,
                        UMemoryAddress &result);
    bool disassemblyFormatLists(const std::string &space, int target, std::string &ids,
                                std::string &names);
    // Disassembly lines for `formatId` from the address; *lineCount holds the rows wanted.
    // Every out is 0 unless the host answered.
    void memorySpaceInfo(const std::string &space, int target, const UMemoryAddress &address,
                         int formatId, const void **lines, const uint8_t **lengths,
                         uint32_t *lineCount);
    void memorySpaceAction(const std::string &space, QWidget *widget, int target,
                           const UMemoryAddress &address, intptr_t x, intptr_t y);
    void fillMemory(const std::string &space, QWidget *widget, int target,
                    const UMemoryAddress &first, const UMemoryAddress &last, uint32_t length,
                    int fillSize, const char *expression);

    // Reads `length` bytes in pieces that never cross a TESK_MEMORY_READ_CHUNK boundary and
    // never pass the top of the 32-bit space. A piece the host fails to read is zeroes with
    // attribute TESK_MEMORY_NOT_READ. On return *bytesRead counts the bytes in *data (the
    // bridge's buffer, valid until the next read) and `attributes`, when given, has one code
    // more per byte. For another space than "memory", or without the memory-access component,
    // nothing is read: *data is null, *bytesRead 0, and the previous buffer stays.
    void readMemory(const std::string &space, int target, const UMemoryAddress &address,
                    uint32_t length, uint32_t *bytesRead, const uint8_t **data,
                    std::vector<uint32_t> *attributes, intptr_t flags);

private:
    void connect();
    TeskHandle windowHandleOf(QWidget *widget);
    void readChunk(int target, const UMemoryAddress &address, uint32_t length, uint8_t *into,
                   std::vector<uint32_t> *attributes, intptr_t flags);

    ITesk_Facade *m_facade = nullptr;
    IGb_MemoryAccess *m_memoryAccess = nullptr;
    std::vector<uint8_t> m_readBuffer;
    std::vector<TeskMemoryRun> m_runs;
};
