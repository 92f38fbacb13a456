#include "symbols/symtabstorage.h"

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace tesk::symbols {

uint32_t TextArena::add(QByteArrayView text)
{
    const size_t length = size_t(text.size());
    if (!length) {
        // Where the next text would start (past the last block when none has room).
        const size_t next = m_used == kBlockSize ? m_blocks.size() << kOffsetBits
                                                 : m_sharedBlock << kOffsetBits | m_used;
        return uint32_t(std::min<size_t>(next, UINT32_MAX));
    }
    if (length > UINT32_MAX)
        throw std::length_error("a symbol text is too long");
    // A text of its own block when it would waste much of a shared one.
    const bool own = length > kBlockSize / 4;
    if (own || m_used + length > kBlockSize) {
        if (m_blocks.size() >= kMaxBlocks)
            throw std::length_error("the symbol text storage is full");
        m_blocks.push_back(std::make_unique<char[]>(own ? length : kBlockSize));
        m_sizes.push_back(uint32_t(own ? length : 0));
        if (own) {
            std::memcpy(m_blocks.back().get(), text.data(), length);
            // The next shared text starts a new block too.
            m_used = kBlockSize;
            return uint32_t((m_blocks.size() - 1) << kOffsetBits);
        }
        m_sharedBlock = m_blocks.size() - 1;
        m_used = 0;
    }
    std::memcpy(m_blocks[m_sharedBlock].get() + m_used, text.data(), length);
    const uint32_t ref = uint32_t((m_sharedBlock << kOffsetBits) | m_used);
    m_used += length;
    m_sizes[m_sharedBlock] = uint32_t(m_used);
    return ref;
}

QByteArrayView TextArena::text(uint32_t ref, uint32_t length) const
{
    if (!length)
        return {};
    const char *block = m_blocks[ref >> kOffsetBits].get();
    return QByteArrayView(block + (ref & (kBlockSize - 1)), qsizetype(length));
}

void TextArena::clear()
{
    m_blocks.clear();
    m_sizes.clear();
    m_used = kBlockSize;
    m_sharedBlock = 0;
}

} // namespace tesk::symbols
