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
    // A reference to the stored copy; throws std::length_error when the arena is full. The
    // references of texts added one after another never decrease (an empty text gets the place
    // the next one would), so that a position found in a block leads back to its text.
    uint32_t add(QByteArrayView text);
    QByteArrayView text(uint32_t ref, uint32_t length) const;
    void clear();

    // The blocks as they are filled, for searches that read every text in one pass. A block
    // may hold bytes of no text (zeros, or a text a caller does not know).
    size_t blockCount() const { return m_blocks.size(); }
    QByteArrayView block(size_t index) const
    {
        return QByteArrayView(m_blocks[index].get(), qsizetype(m_sizes[index]));
    }
    // A reference as one number that orders texts across blocks and within a long text's own
    // block (whose offsets go past the reference's offset bits).
    static uint64_t position(uint32_t ref)
    {
        return uint64_t(ref >> kOffsetBits) << 32 | (ref & (kBlockSize - 1));
    }
    static uint64_t position(size_t block, size_t offset) { return uint64_t(block) << 32 | offset; }

private:
    static constexpr int kOffsetBits = 20;
    static constexpr size_t kBlockSize = size_t(1) << kOffsetBits;
    static constexpr size_t kMaxBlocks = size_t(1) << (32 - kOffsetBits);

    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<uint32_t> m_sizes; // bytes used in each block
    size_t m_used = kBlockSize;    // in the last shared block
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
