#include "gui_components/gc_panes/memory/datacacheblock.h"

#include "gui_components/gc_panes/memory/bridgekso.h"
#include "gui_components/gc_panes/memory/datacachememory.h"

#include <algorithm>

namespace {

// A block that keeps growing while the view scrolls one way is cut back to half of this many
// view blocks, dropping the side the view moves away from.
constexpr uint64_t kGrowthLimitInBlocks = 16;

uint64_t lastOffset(uint32_t offset, uint32_t length)
{
    return std::min<uint64_t>(uint64_t(offset) + length - 1, 0xFFFFFFFFu);
}

bool within(uint64_t value, uint64_t low, uint64_t high)
{
    return low <= value && value <= high;
}

} // namespace

uint32_t lengthBelowTop(const UMemoryAddress &address, uint32_t length)
{
    return static_cast<uint32_t>(
        std::min<uint64_t>(length, (uint64_t(1) << 32) - address.offset()));
}

KDataCacheBlock::KDataCacheBlock(KDataCacheMemory *owner, KGcp_Bridge_KSO *bridge)
    : m_owner(owner)
    , m_bridge(bridge)
{
}

void KDataCacheBlock::clear()
{
    m_bytes.clear();
    m_attributes.clear();
    m_length = 0;
    m_start.setValid(false);
}

bool KDataCacheBlock::isEmpty() const
{
    return m_length == 0 || !m_start.isValid();
}

UMemoryAddress KDataCacheBlock::last() const
{
    return m_start + (m_length - 1);
}

bool KDataCacheBlock::holds(const UMemoryAddress &address, uint32_t length) const
{
    if (isEmpty() || length == 0 || !address.isValid())
        return false;
    const UMemoryAddress end(address.space(), uint32_t(lastOffset(address.offset(), length)));
    const UMemoryAddress blockLast = last();
    return address.isInside(m_start, blockLast) && end.isInside(m_start, blockLast);
}

KDataCacheBlock::RequestKind KDataCacheBlock::classify(const UMemoryAddress &address,
                                                       uint32_t length,
                                                       UMemoryAddress &fetchAddress,
                                                       uint32_t &fetchLength) const
{
    fetchAddress = address;
    fetchLength = length;
    if (isEmpty() || length == 0 || !address.isValid() || !address.isSameSpace(m_start))
        return Replace;
    if (holds(address, length)) {
        fetchLength = 0;
        return Cached;
    }
    const uint64_t bs = m_start.offset();
    const uint64_t be = lastOffset(m_start.offset(), m_length);
    const uint64_t rs = address.offset();
    const uint64_t re = lastOffset(address.offset(), length);
    if (within(bs, rs, re)) {
        if (within(be, rs, re))
            return Replace;
        fetchLength = uint32_t(bs - rs);
        return Prepend;
    }
    if (within(be, rs, re)) {
        fetchAddress.setOffset(uint32_t(be + 1));
        fetchLength = uint32_t(re - be);
        return Append;
    }
    if (re < 0xFFFFFFFFu && re + 1 == bs)
        return Prepend;
    if (be < 0xFFFFFFFFu && be + 1 == rs)
        return Append;
    return Replace;
}

const uint8_t *KDataCacheBlock::fetch(uint32_t target, const UMemoryAddress &address,
                                      uint32_t length, intptr_t flags)
{
    length = lengthBelowTop(address, length);
    if (!address.isValid() || length == 0)
        return nullptr;
    if (holds(address, length))
        return dataAt(address, length);

    UMemoryAddress fetchAddress;
    uint32_t fetchLength = 0;
    const RequestKind kind = classify(address, length, fetchAddress, fetchLength);
    uint32_t count = 0;
    const uint8_t *bytes = nullptr;
    std::vector<uint32_t> attributes;
    if (m_bridge) {
        m_bridge->readMemory("memory", int(target), fetchAddress, fetchLength, &count, &bytes,
                             &attributes, flags);
    }
    if (bytes && count == fetchLength && attributes.size() == fetchLength)
        merge(kind, fetchAddress, bytes, std::move(attributes), fetchLength);
    else
        markNotRead(address, length);
    bound(kind, length);
    return dataAt(address, length);
}

void KDataCacheBlock::merge(RequestKind kind, const UMemoryAddress &at, const uint8_t *bytes,
                            std::vector<uint32_t> &&attributes, uint32_t length)
{
    switch (kind) {
    case Append:
        m_bytes.insert(m_bytes.end(), bytes, bytes + length);
        m_attributes.insert(m_attributes.end(), attributes.begin(), attributes.end());
        m_length += length;
        break;
    case Prepend:
        m_bytes.insert(m_bytes.begin(), bytes, bytes + length);
        m_attributes.insert(m_attributes.begin(), attributes.begin(), attributes.end());
        m_start -= length;
        m_length += length;
        break;
    case Replace:
    case Cached:
        m_bytes.assign(bytes, bytes + length);
        m_attributes = std::move(attributes);
        m_start = at;
        m_length = length;
        break;
    }
}

// A failed read, whatever its kind, leaves the whole request shown as not read.
void KDataCacheBlock::markNotRead(const UMemoryAddress &address, uint32_t length)
{
    m_bytes.assign(length, 0);
    m_attributes.assign(length, TESK_MEMORY_NOT_READ);
    m_start = address;
    m_length = length;
}

void KDataCacheBlock::bound(RequestKind kind, uint32_t requestLength)
{
    if (kind != Append && kind != Prepend)
        return;
    const uint64_t viewBlock = m_owner ? uint64_t(std::max(m_owner->blockSize(), 1)) : 1;
    const uint64_t limit = std::max(kGrowthLimitInBlocks * viewBlock, 2 * uint64_t(requestLength));
    if (m_length <= limit)
        return;
    const auto drop = static_cast<uint32_t>(m_length - limit / 2);
    if (kind == Append) {
        m_bytes.erase(m_bytes.begin(), m_bytes.begin() + drop);
        m_attributes.erase(m_attributes.begin(), m_attributes.begin() + drop);
        m_start += drop;
    } else {
        m_bytes.resize(m_bytes.size() - drop);
        m_attributes.resize(m_attributes.size() - drop);
    }
    m_length -= drop;
}

const uint8_t *KDataCacheBlock::dataAt(const UMemoryAddress &address, uint32_t length) const
{
    if (!holds(address, length))
        return nullptr;
    return m_bytes.data() + (address.offset() - m_start.offset());
}

const uint32_t *KDataCacheBlock::attributesAt(const UMemoryAddress &address, uint32_t length) const
{
    if (!holds(address, length))
        return nullptr;
    return m_attributes.data() + (address.offset() - m_start.offset());
}

uint32_t KDataCacheBlock::attributeAt(const UMemoryAddress &address) const
{
    const uint32_t *attribute = attributesAt(address, 1);
    return attribute ? *attribute : TESK_MEMORY_NOT_READ;
}
