#pragma once
// Holds one reference of a broker interface for a scope, so that every way out of a call into
// the host (a false answer, an error, an exception) releases what was obtained.

#include <mosk/mosk.hpp>

namespace tesk::broker {

template<typename Interface>
class BrokerRef
{
public:
    BrokerRef() = default;
    BrokerRef(const BrokerRef &) = delete;
    BrokerRef &operator=(const BrokerRef &) = delete;
    ~BrokerRef() { mosk::release(m_interface); }

    Interface *get() const { return m_interface; }
    Interface *operator->() const { return m_interface; }
    explicit operator bool() const { return m_interface != nullptr; }
    // Where a broker call stores the pointer it hands out.
    Interface **slot() { return &m_interface; }
    void **out() { return reinterpret_cast<void **>(&m_interface); }
    // Lets go of the interface held, so that the slot can be filled again.
    void reset()
    {
        mosk::release(m_interface);
        m_interface = nullptr;
    }
    // Drops the interface unreleased: at the process's end the host's object may have gone.
    void forget() { m_interface = nullptr; }

private:
    Interface *m_interface = nullptr;
};

// Releases an error result nobody examines.
inline void dropError(MoskResult result)
{
    mosk::release(result);
}

} // namespace tesk::broker
