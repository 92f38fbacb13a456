#pragma once

// An in-memory persistence component for the test and demo hosts: records by key, each a map of
// name to text, which the host reads; it can be told to fail its next operation.

#include <map>
#include <string>

namespace tesk::host {

class MemoryStore
{
public:
    using Record = std::map<std::string, std::string>;

    // Registers the store with the broker for the object's lifetime.
    MemoryStore();
    ~MemoryStore();
    MemoryStore(const MemoryStore &) = delete;
    MemoryStore &operator=(const MemoryStore &) = delete;

    std::map<std::string, Record> records;
    bool failNext = false;
    int writes = 0;

    struct Component;

private:
    Component *m_component;
};

} // namespace tesk::host
