#include "gui_components/gc_panes/memory/viewmemoryinfo.h"

#include <iterator>

KViewMemoryInfo::KViewMemoryInfo(KGcp_Bridge_KSO *bridge)
    : m_bridge(bridge)
{
}

KViewMemoryInfo::~KViewMemoryInfo() = default;

void KViewMemoryInfo::setCurrentTargetId(uint32_t id)
{
    if (id != 0 && !m_caches.count(id)) {
        auto cache = std::make_unique<KDataCacheMemory>(this, m_bridge);
        cache->setTargetId(id);
        m_caches.emplace(id, std::move(cache));
    }
    m_currentTargetId = id;
}

KDataCacheMemory *KViewMemoryInfo::cacheFor(uint32_t id) const
{
    const auto it = m_caches.find(id);
    return it == m_caches.end() ? nullptr : it->second.get();
}

uint32_t KViewMemoryInfo::targetIdAt(int n) const
{
    if (n < 0 || n >= int(m_caches.size()))
        return 0;
    return std::next(m_caches.begin(), n)->first;
}

UMemoryAddress KViewMemoryInfo::startAddressOf(uint32_t id) const
{
    const KDataCacheMemory *cache = cacheFor(id);
    return cache ? cache->startAddress() : UMemoryAddress();
}

void KViewMemoryInfo::invalidateAll()
{
    for (auto &entry : m_caches)
        entry.second->clearCurrentBlock();
}

UMemoryAddress KViewMemoryInfo::startAddress() const
{
    return ask(UMemoryAddress(), [](const KDataCacheMemory &c) { return c.startAddress(); });
}

void KViewMemoryInfo::setStartAddress(const UMemoryAddress &address)
{
    change([&](KDataCacheMemory &c) { c.setStartAddress(address); });
}

bool KViewMemoryInfo::isStartAddressValid() const
{
    return ask(false, [](const KDataCacheMemory &c) { return c.startAddress().isValid(); });
}

UMemoryAddress KViewMemoryInfo::selectionStart() const
{
    return ask(UMemoryAddress(), [](const KDataCacheMemory &c) { return c.selectionStart(); });
}

UMemoryAddress KViewMemoryInfo::selectionEnd() const
{
    return ask(UMemoryAddress(), [](const KDataCacheMemory &c) { return c.selectionEnd(); });
}

UMemoryAddress KViewMemoryInfo::cursorAddress() const
{
    return ask(UMemoryAddress(), [](const KDataCacheMemory &c) { return c.cursorAddress(); });
}

void KViewMemoryInfo::setSelection(const UMemoryAddress &start, const UMemoryAddress &end,
                                   const UMemoryAddress &cursor)
{
    change([&](KDataCacheMemory &c) { c.setSelection(start, end, cursor); });
}

bool KViewMemoryInfo::isSelectionActive() const
{
    return ask(false, [](const KDataCacheMemory &c) { return c.isSelectionActive(); });
}

void KViewMemoryInfo::setSelectionActive(bool active)
{
    change([&](KDataCacheMemory &c) { c.setSelectionActive(active); });
}

const uint8_t *KViewMemoryInfo::getData(const UMemoryAddress &address, uint32_t &length,
                                        const uint8_t *&data, intptr_t flags)
{
    KDataCacheMemory *cache = current();
    return cache ? cache->getData(address, length, data, flags) : nullptr;
}

uint32_t KViewMemoryInfo::attributeAt(const UMemoryAddress &address) const
{
    return ask(uint32_t(TESK_MEMORY_NOT_READ),
               [&](const KDataCacheMemory &c) { return c.attributeAt(address); });
}

int KViewMemoryInfo::changeGeneration(const UMemoryAddress &address, uint32_t length) const
{
    return ask(0, [&](const KDataCacheMemory &c) { return c.changeGeneration(address, length); });
}

void KViewMemoryInfo::nextGeneration()
{
    change([](KDataCacheMemory &c) { c.nextGeneration(); });
}

uint64_t KViewMemoryInfo::generationCount() const
{
    return ask<uint64_t>(0, [](KDataCacheMemory &c) { return c.generationCount(); });
}

void KViewMemoryInfo::clearCurrentBlock()
{
    change([](KDataCacheMemory &c) { c.clearCurrentBlock(); });
}

int KViewMemoryInfo::blockSize() const
{
    return ask(128, [](const KDataCacheMemory &c) { return c.blockSize(); });
}

void KViewMemoryInfo::setBlockSize(int size)
{
    change([&](KDataCacheMemory &c) { c.setBlockSize(size); });
}

int KViewMemoryInfo::defaultAccessSize() const
{
    return ask(1, [](const KDataCacheMemory &c) { return c.defaultAccessSize(); });
}

void KViewMemoryInfo::setDefaultAccessSize(int size)
{
    change([&](KDataCacheMemory &c) { c.setDefaultAccessSize(size); });
}

int KViewMemoryInfo::byteOrder() const
{
    return ask(1, [](const KDataCacheMemory &c) { return c.byteOrder(); });
}

void KViewMemoryInfo::setByteOrder(int code)
{
    change([&](KDataCacheMemory &c) { c.setByteOrder(code); });
}

bool KViewMemoryInfo::isAutomaticUpdate() const
{
    return ask(false, [](const KDataCacheMemory &c) { return c.isAutomaticUpdate(); });
}

void KViewMemoryInfo::setAutomaticUpdate(bool on)
{
    change([&](KDataCacheMemory &c) { c.setAutomaticUpdate(on); });
}

bool KViewMemoryInfo::isTimedUpdateWhenRunning() const
{
    return ask(false, [](const KDataCacheMemory &c) { return c.isTimedUpdateWhenRunning(); });
}

void KViewMemoryInfo::setTimedUpdateWhenRunning(bool on)
{
    change([&](KDataCacheMemory &c) { c.setTimedUpdateWhenRunning(on); });
}
