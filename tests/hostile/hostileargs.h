#pragma once

// The arguments a hostile host passes: every call of an export in the sweep draws its arguments
// from these pools, and each variant of the call shifts every pool, so that over the variants
// each argument takes each hostile value and the values meet in changing combinations.

#include <tesk/tesk.h>

#include <climits>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace hostile {

// What the state set up before the sweep leaves for the calls to use.
struct World
{
    TeskHandle liveWindow = 0;   // the main window's handle, 0 when there is none
    void *liveWidget = nullptr;  // a widget of this library, nullptr when there is none
    TeskHandle staleHandle = 0;  // an object handed out once and deleted since
    void *staleObject = nullptr; // the address of a deleted object
};

class Args
{
public:
    static constexpr int kVariants = 8;

    Args(int variant, const World &world)
        : m_variant(variant)
        , m_world(world)
    {
    }

    // Host text: null, empty, markup and line breaks, control characters, non-Latin-1 UTF-8,
    // invalid UTF-8, a 1 MiB text.
    const char *s()
    {
        static const std::string big = bigText();
        static const char *const pool[] = {
            nullptr,
            "",
            "<img src=\"/dev/zero\"><b>bold</b>\nsecond line\r\nthird",
            "-$\x01\x1f\x7f|;@>%s%n%x&amp;\\",
            "\xc3\x9c"
            "nic\xc3\xb6"
            "de \xe6\xbc\xa2\xe5\xad\x97 \xf0\x9f\x98\x80",
            "\xff\xfe\xc0\x80\xed\xa0\x80\xf4\x90\x80\x80",
            big.c_str(),
            "plain",
        };
        return pool[pick(8)];
    }

    // A writable copy of s() (for exports that take a char *), valid until the next call.
    char *w()
    {
        const char *text = s();
        if (!text)
            return nullptr;
        m_writable.emplace_back(text, text + std::strlen(text) + 1);
        return m_writable.back().data();
    }

    int i()
    {
        static const int pool[] = {0, 1, -1, INT_MIN, INT_MAX, 100, 0x7fff, INT_MIN + 1};
        return pool[pick(8)];
    }

    uint32_t u() { return static_cast<uint32_t>(i()); }

    // An index into a small range the export serves (a status field, a mode): half of the
    // variants pick one inside [first, last], the others a hostile int.
    int in(int first, int last)
    {
        if (m_variant % 2)
            return i();
        return first + (m_variant / 2 + m_draw++) % (last - first + 1);
    }

    TeskHandle h()
    {
        const TeskHandle pool[] = {
            0,          -1, TeskHandle(0x12345678), m_world.staleHandle, m_world.liveWindow,
            INTPTR_MIN, 1,  m_world.liveWindow};
        return pool[pick(8)];
    }

    // A pointer to an object of the library's kind, which the library must check: null,
    // unmapped, deleted, or live.
    void *obj()
    {
        void *const pool[] = {nullptr, reinterpret_cast<void *>(uintptr_t(0x1000)),
                              m_world.staleObject, m_world.liveWidget};
        return pool[pick(4)];
    }

    // Caller memory of the stated kind: null or zeroed (64 KiB, enough for any record).
    template<typename T>
    T *block()
    {
        static_assert(sizeof(T) <= kBlockSize, "record larger than the zeroed block");
        static std::vector<unsigned char> zeroed(kBlockSize);
        std::memset(zeroed.data(), 0, zeroed.size());
        return pick(2) ? reinterpret_cast<T *>(zeroed.data()) : nullptr;
    }

    // A caller buffer holding host text, and the size the host claims for it (0, 1 or its
    // true size); data() may be null.
    struct Buffer
    {
        char *data;
        uint32_t size;
    };
    Buffer buffer()
    {
        const char *text = s();
        std::string copy = text ? text : "";
        copy.resize(copy.size() + 4096, '\0');
        m_writable.emplace_back(copy.begin(), copy.end());
        std::vector<char> &storage = m_writable.back();
        const uint32_t sizes[] = {uint32_t(storage.size()), 0, 1, uint32_t(storage.size())};
        return {text ? storage.data() : nullptr, sizes[pick(4)]};
    }

    // Functions the host registers: harmless ones or none.
    template<typename Fn>
    Fn fn(Fn harmless)
    {
        return pick(2) ? harmless : nullptr;
    }

    int variant() const { return m_variant; }
    const World &world() const { return m_world; }

private:
    static constexpr size_t kBlockSize = 64 * 1024;

    // Each call within one variant moves on by a different step, so two arguments of one call
    // do not always take the same position in their pools.
    int pick(int poolSize) { return (m_variant + 3 * m_draw++) % poolSize; }

    static std::string bigText()
    {
        std::string text;
        while (text.size() < (1u << 20))
            text += "line <i>of</i> a long text\n";
        return text;
    }

    int m_variant;
    int m_draw = 0;
    const World &m_world;
    std::vector<std::vector<char>> m_writable;
};

} // namespace hostile
