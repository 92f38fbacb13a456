#pragma once

#include "gui_components/gc_panes/memory/memoryaddress.h"
#include "gui_components/gc_panes/memory/viewhistory.h"

#include <cstdint>
#include <string>

// One write of a memory view into target memory.
class KViewActionMemory final : public AViewAction
{
public:
    explicit KViewActionMemory(QObject *owner = nullptr)
        : AViewAction(owner)
    {
    }

    uint32_t targetId() const { return m_targetId; }
    void setTargetId(uint32_t id) { m_targetId = id; }
    const UMemoryAddress &address() const { return m_address; }
    void setAddress(const UMemoryAddress &address) { m_address = address; }
    // The value handed to the write.
    uint64_t writeValue() const { return m_writeValue; }
    void setWriteValue(uint64_t value) { m_writeValue = value; }
    // The value the view took from the table cell.
    uint64_t tableValue() const { return m_tableValue; }
    void setTableValue(uint64_t value) { m_tableValue = value; }
    int size() const { return m_size; }
    void setSize(int size) { m_size = size; }
    // The kind of action; writes are "set".
    const std::string &type() const { return m_type; }
    void setType(const std::string &type) { m_type = type; }

private:
    uint32_t m_targetId = 0;
    UMemoryAddress m_address;
    uint64_t m_writeValue = 0;
    uint64_t m_tableValue = 0;
    int m_size = 0;
    std::string m_type;
};
