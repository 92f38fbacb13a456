#pragma once
// Storage of a symbol source: texts in an arena of large blocks and symbols in chunks, so that a
// million symbols cost a few large allocations and their addresses never move until cleared.

#include <QByteArrayView>

#include <cstdint>
#include <memory>
#include <vector>

namespace tesk::symbols {

class TextArena
{
public:
    // A reference to the stored copy; throws std::length_error when the arena is full.
    uint32_t add(QByteArrayView text);
    QByteArrayView text(uint32_t ref, uint32_t length) const;
    void clear();

private:
    static constexpr int kOffsetBits = 20;
    static constexpr size_t kBlockSize = size_t(1) << kOffsetBits;
    static constexpr size_t kMaxBlocks = size_t(1) << (32 - kOffsetBits);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    size_t m_used = kBlockSize; // in the last shared block
    size_t m_sharedBlock = 0;
};

template<typename T>
class ChunkedStore
{
public:
    static constexpr size_t kChunk = 4096;

    T &append()
    {
        if (m_count % kChunk == 0)
            m_chunks.push_back(std::make_unique<T[]>(kChunk));
        return m_chunks.back()[m_count++ % kChunk];
    }
    const T &operator[](size_t i) const { return m_chunks[i / kChunk][i % kChunk]; }
    size_t size() const { return m_count; }
    void clear()
    {
        m_chunks.clear();
        m_count = 0;
    }

private:
    std::vector<std::unique_ptr<T[]>> m_chunks;
    size_t m_count = 0;
};

} // namespace tesk::symbols
