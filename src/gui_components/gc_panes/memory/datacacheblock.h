#pragma once

#include "gui_components/gc_panes/memory/memoryaddress.h"

#include <cstdint>
#include <vector>

class KDataCacheMemory;
class KGcp_Bridge_KSO;

// One generation of target memory held by a data cache: a contiguous run of bytes with one
// attribute code each. A request next to or overlapping what is held reads only the missing
// part and grows the run, so scrolling reads only the lines that came into view.
class KDataCacheBlock
{
public:
    enum RequestKind { Cached = 0, Replace = 1, Prepend = 2, Append = 3 };

    KDataCacheBlock(KDataCacheMemory *owner, KGcp_Bridge_KSO *bridge);

    void clear();
    bool isEmpty() const;
    const UMemoryAddress &start() const { return m_start; }
    uint32_t length() const { return m_length; }

    // Whether every byte of [address, address + length) is held.
    bool holds(const UMemoryAddress &address, uint32_t length) const;
    // How much of a request has to be read, and where it goes.
    RequestKind classify(const UMemoryAddress &address, uint32_t length,
                         UMemoryAddress &fetchAddress, uint32_t &fetchLength) const;
    // Reads what is missing of the request and answers the bytes for it, or null when the
    // block does not hold it afterwards.
    const uint8_t *fetch(uint32_t target, const UMemoryAddress &address, uint32_t length,
                         intptr_t flags);

    const uint8_t *dataAt(const UMemoryAddress &address, uint32_t length) const;
    const uint32_t *attributesAt(const UMemoryAddress &address, uint32_t length) const;
    // TESK_MEMORY_NOT_READ when the byte is not held.
    uint32_t attributeAt(const UMemoryAddress &address) const;

private:
    void merge(RequestKind kind, const UMemoryAddress &at, const uint8_t *bytes,
               std::vector<uint32_t> &&attributes, uint32_t length);
    void markNotRead(const UMemoryAddress &address, uint32_t length);
    void bound(RequestKind kind, uint32_t requestLength);
    UMemoryAddress last() const;

    KDataCacheMemory *m_owner;
    KGcp_Bridge_KSO *m_bridge;
    UMemoryAddress m_start;
    uint32_t m_length = 0;
    std::vector<uint8_t> m_bytes;
    std::vector<uint32_t> m_attributes;
};

// The bytes of a request that exist: a range is cut at the top of the 32-bit space.
uint32_t lengthBelowTop(const UMemoryAddress &address, uint32_t length);
