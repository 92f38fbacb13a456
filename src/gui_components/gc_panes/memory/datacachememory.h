#pragma once

#include "gui_components/gc_panes/memory/datacacheblock.h"
#include "gui_components/gc_panes/memory/memoryaddress.h"

#include <array>
#include <cstdint>
#include <memory>

class KGcp_Bridge_KSO;
class KViewMemoryInfo;

class ADataCache
{
public:
    virtual ~ADataCache();
};

// What a memory view keeps for one target: where it shows memory, its selection and update
// flags, and three rotating generations of the memory it showed, so that a cell can tell
// whether its bytes changed in the last update or the one before.
class KDataCacheMemory : public ADataCache
{
public:
    static constexpr int kGenerations = 3;

    explicit KDataCacheMemory(KViewMemoryInfo *owner,
                              KGcp_Bridge_KSO *bridge = nullptr /* the process-wide one */);
    ~KDataCacheMemory() override;

    KViewMemoryInfo *owner() const { return m_owner; }
    uint32_t targetId() const { return m_targetId; }
    void setTargetId(uint32_t id) { m_targetId = id; }

    // Brings `length` bytes at `address` into the current generation. On success `data`
    // points at them (valid until the next fetch, rotation or clear of this cache) and
    // `length` is the count held, which is less than asked only at the top of the space;
    // otherwise both are 0. `flags` goes to the host with the read.
    const uint8_t *getData(const UMemoryAddress &address, uint32_t &length, const uint8_t *&data,
                           intptr_t flags);
    uint32_t attributeAt(const UMemoryAddress &address) const;
    // 1 when the bytes or attributes differ from the previous generation, 2 when they differ
    // only from the one before, 0 when they are the same or a generation does not hold them.
    int changeGeneration(const UMemoryAddress &address, uint32_t length) const;
    void nextGeneration();
    // How many generations this cache has started; texts kept per address go stale with it.
    uint64_t generationCount() const { return m_generationCount; }
    void clearCurrentBlock();
    int currentBlockIndex() const { return m_current; }
    const KDataCacheBlock &block(int index) const { return *m_blocks[index]; }

    const UMemoryAddress &startAddress() const { return m_startAddress; }
    void setStartAddress(const UMemoryAddress &address) { m_startAddress = address; }
    const UMemoryAddress &selectionStart() const { return m_selectionStart; }
    const UMemoryAddress &selectionEnd() const { return m_selectionEnd; }
    const UMemoryAddress &cursorAddress() const { return m_cursorAddress; }
    void setSelection(const UMemoryAddress &start, const UMemoryAddress &end,
                      const UMemoryAddress &cursor);
    bool isSelectionActive() const { return m_selectionActive; }
    void setSelectionActive(bool active) { m_selectionActive = active; }
    int blockSize() const { return m_blockSize; }
    void setBlockSize(int size) { m_blockSize = size; }
    int defaultAccessSize() const { return m_defaultAccessSize; }
    void setDefaultAccessSize(int size) { m_defaultAccessSize = size; }
    int byteOrder() const { return m_byteOrder; }
    void setByteOrder(int code) { m_byteOrder = code; }
    bool isTimedUpdateWhenRunning() const { return m_timedUpdateWhenRunning; }
    void setTimedUpdateWhenRunning(bool on) { m_timedUpdateWhenRunning = on; }
    bool isAutomaticUpdate() const { return m_automaticUpdate; }
    void setAutomaticUpdate(bool on) { m_automaticUpdate = on; }

private:
    KDataCacheBlock &current() { return *m_blocks[m_current]; }
    const KDataCacheBlock &generationBefore(int steps) const;

    KViewMemoryInfo *m_owner;
    KGcp_Bridge_KSO *m_bridge;
    uint32_t m_targetId = 0;
    UMemoryAddress m_startAddress;
    UMemoryAddress m_selectionStart;
    UMemoryAddress m_selectionEnd;
    UMemoryAddress m_cursorAddress;
    bool m_selectionActive = false;
    int m_current = 0;
    uint64_t m_generationCount = 0;
    int m_blockSize = 128;
    int m_defaultAccessSize = 1;
    int m_byteOrder = 0;
    bool m_timedUpdateWhenRunning = false;
    bool m_automaticUpdate = true;
    std::array<std::unique_ptr<KDataCacheBlock>, kGenerations> m_blocks;
};
