// The register settings record the host's persistence store hands back: whatever names and texts
// it holds, reading it answers only the names asked for, a failing store answers nothing, and
// what was read, written back, reads back the same.
#include "persistencehost.h"
#include "registers/regsettingsstore.h"

#include <QStringList>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

std::string piece(const uint8_t *data, size_t size, size_t &at)
{
    std::string text;
    while (at < size && data[at] != '\n')
        text += char(data[at++]);
    ++at;
    // The store's texts are C strings.
    return text.substr(0, text.find('\0'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    tesk::host::MemoryStore store;
    const bool failing = data[0] & 1;
    size_t at = 1;
    const std::string key = piece(data, size, at);
    tesk::host::MemoryStore::Record &record = store.records[key];
    while (at < size) {
        const std::string name = piece(data, size, at);
        record[name] = piece(data, size, at);
    }
    store.failNext = failing;

    const QStringList names = {QStringLiteral("RegUserViewEnabled"),
                               QStringLiteral("RegUserViewConfig")};
    const QString keyText = QString::fromUtf8(key.data(), qsizetype(key.size()));
    const QMap<QString, QString> read = tesk::registers::readSettings(keyText, names);
    if (failing && !read.isEmpty())
        std::abort();
    for (auto it = read.begin(); it != read.end(); ++it) {
        if (!names.contains(it.key()))
            std::abort();
    }
    if (failing || !tesk::registers::writeSettings(keyText, read))
        return 0;
    if (tesk::registers::readSettings(keyText, names) != read)
        std::abort();
    return 0;
}
