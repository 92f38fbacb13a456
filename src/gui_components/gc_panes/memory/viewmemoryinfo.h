#pragma once

#include "gui_components/gc_panes/memory/datacachememory.h"

#include <cstdint>
#include <map>
#include <memory>

class KGcp_Bridge_KSO;

// A memory view's caches, one per target it has shown, kept for the life of the view. Every
// operation below cacheFor/targetIdAt acts on the current target's cache and answers a
// neutral default when there is none.
class KViewMemoryInfo
{
public:
    explicit KViewMemoryInfo(KGcp_Bridge_KSO *bridge = nullptr /* the process-wide one */);
    virtual ~KViewMemoryInfo();
    KViewMemoryInfo(const KViewMemoryInfo &) = delete;
    KViewMemoryInfo &operator=(const KViewMemoryInfo &) = delete;

    // Creates the target's cache on first use; 0 means no target.
    void setCurrentTargetId(uint32_t id);
    uint32_t currentTargetId() const { return m_currentTargetId; }
    KDataCacheMemory *cacheFor(uint32_t id) const;
    // The n-th known target id in ascending order; 0 past the end.
    uint32_t targetIdAt(int n) const;
    UMemoryAddress startAddressOf(uint32_t id) const;
    // Every cache reads again at its next request; the older generations stay.
    void invalidateAll();

    UMemoryAddress startAddress() const;
    void setStartAddress(const UMemoryAddress &address);
    bool isStartAddressValid() const;
    UMemoryAddress selectionStart() const;
    UMemoryAddress selectionEnd() const;
    UMemoryAddress cursorAddress() const;
    void setSelection(const UMemoryAddress &start, const UMemoryAddress &end,
                      const UMemoryAddress &cursor);
    bool isSelectionActive() const;
    void setSelectionActive(bool active);
    // Without a current cache the out-values are left as they are and null is returned.
    const uint8_t *getData(const UMemoryAddress &address, uint32_t &length, const uint8_t *&data,
                           intptr_t flags);
    uint32_t attributeAt(const UMemoryAddress &address) const;
    int changeGeneration(const UMemoryAddress &address, uint32_t length) const;
    void nextGeneration();
    uint64_t generationCount() const;
    void clearCurrentBlock();
    int blockSize() const;
    void setBlockSize(int size);
    int defaultAccessSize() const;
    void setDefaultAccessSize(int size);
    int byteOrder() const;
    void setByteOrder(int code);
    bool isAutomaticUpdate() const;
    void setAutomaticUpdate(bool on);
    bool isTimedUpdateWhenRunning() const;
    void setTimedUpdateWhenRunning(bool on);

private:
    KDataCacheMemory *current() const { return cacheFor(m_currentTargetId); }

    // Asks the current cache, or answers `fallback` without one.
    template<typename Result, typename Ask>
    Result ask(Result fallback, Ask &&ask) const
    {
        KDataCacheMemory *cache = current();
        return cache ? ask(*cache) : fallback;
    }
    template<typename Change>
    void change(Change &&change)
    {
        if (KDataCacheMemory *cache = current())
            change(*cache);
    }

    KGcp_Bridge_KSO *m_bridge;
    uint32_t m_currentTargetId = 0;
    std::map<uint32_t, std::unique_ptr<KDataCacheMemory>> m_caches;
};
