// A help table as the host hands it to QtRegisterHelp: pairs of a context id and a topic, up to
// the -1 terminator. A table without one is laid out just as long as the bound, so reading past
// the bound shows as an overflow; it must be refused. A table that is taken answers, for each
// id, the topic of its last entry (none when that entry has no topic).
#include "frame/services/cuihelpsystem.h"

#include <QByteArray>
#include <QHash>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CuiHelpSystem *help = CuiHelpSystem::instance();
    if (!help)
        return 0;
    // Each entry: one byte of id (0xff is the terminator), one byte of topic length (0xff: no
    // topic), then the topic.
    std::vector<QByteArray> topics;
    std::vector<TeskHelpEntry> table;
    QHash<int, QByteArray> expected;
    bool terminated = false;
    size_t at = 0;
    topics.reserve(size);
    while (at + 2 <= size) {
        const int id = data[at] == 0xff ? -1 : data[at];
        const size_t length = data[at + 1];
        at += 2;
        if (id == -1) {
            terminated = true;
            break;
        }
        const char *topic = nullptr;
        if (length != 0xff) {
            const size_t n = std::min(length, size - at);
            topics.emplace_back(reinterpret_cast<const char *>(data + at), qsizetype(n));
            at += n;
            topic = topics.back().constData();
            expected.insert(id, QByteArray(topic));
        } else {
            expected.remove(id);
        }
        table.push_back({id, topic});
    }
    if (terminated)
        table.push_back({-1, nullptr});
    else if (table.size() < size_t(CuiHelpSystem::kMaxHelpEntries))
        table.resize(size_t(CuiHelpSystem::kMaxHelpEntries), TeskHelpEntry{0, nullptr});
    table.shrink_to_fit();

    constexpr int kMap = 4242;
    help->removeMap(kMap);
    const bool taken = help->registerMap(table.data(), kMap);
    if (taken != (terminated && table.size() <= size_t(CuiHelpSystem::kMaxHelpEntries)))
        std::abort();
    if (taken) {
        for (int id = 0; id < 0xff; ++id) {
            if (help->topic(id, kMap) != expected.value(id))
                std::abort();
        }
    }
    help->removeMap(kMap);
    return 0;
}
