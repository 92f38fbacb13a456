#include "gui_components/gc_panes/memory/datacachememory.h"

#include "gui_components/gc_panes/memory/bridgekso.h"

#include <cstring>

ADataCache::~ADataCache() = default;

KDataCacheMemory::KDataCacheMemory(KViewMemoryInfo *owner, KGcp_Bridge_KSO *bridge)
    : m_owner(owner)
    , m_bridge(bridge ? bridge : KGcp_Bridge_KSO::instance())
{
    for (auto &block : m_blocks)
        block = std::make_unique<KDataCacheBlock>(this, m_bridge);
}

KDataCacheMemory::~KDataCacheMemory() = default;

const uint8_t *KDataCacheMemory::getData(const UMemoryAddress &address, uint32_t &length,
                                         const uint8_t *&data, intptr_t flags)
{
    const uint32_t held = lengthBelowTop(address, length);
    data = current().fetch(m_targetId, address, held, flags);
    length = data ? held : 0;
    return data;
}

uint32_t KDataCacheMemory::attributeAt(const UMemoryAddress &address) const
{
    return m_blocks[m_current]->attributeAt(address);
}

const KDataCacheBlock &KDataCacheMemory::generationBefore(int steps) const
{
    return *m_blocks[(m_current + kGenerations - steps) % kGenerations];
}

int KDataCacheMemory::changeGeneration(const UMemoryAddress &address, uint32_t length) const
{
    length = lengthBelowTop(address, length);
    const KDataCacheBlock &now = generationBefore(0);
    const uint8_t *bytes = now.dataAt(address, length);
    const uint32_t *attributes = now.attributesAt(address, length);
    if (!bytes)
        return 0;
    for (int steps = 1; steps < kGenerations; ++steps) {
        const KDataCacheBlock &before = generationBefore(steps);
        const uint8_t *oldBytes = before.dataAt(address, length);
        if (!oldBytes)
            return 0;
        const uint32_t *oldAttributes = before.attributesAt(address, length);
        if (std::memcmp(bytes, oldBytes, length) != 0 ||
            std::memcmp(attributes, oldAttributes, length * sizeof(uint32_t)) != 0)
            return steps;
    }
    return 0;
}

void KDataCacheMemory::nextGeneration()
{
    m_current = (m_current + 1) % kGenerations;
    ++m_generationCount;
    current().clear();
}

void KDataCacheMemory::clearCurrentBlock()
{
    current().clear();
}

void KDataCacheMemory::setSelection(const UMemoryAddress &start, const UMemoryAddress &end,
                                    const UMemoryAddress &cursor)
{
    m_selectionStart = start;
    m_selectionEnd = end;
    m_cursorAddress = cursor;
}
