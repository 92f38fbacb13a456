#pragma once
// The library's copy of the host's multi-core coupling data: per core which debugger actions
// and execution commands are coupled to the other cores and how its cross triggers are set,
// plus the one command-pending mode. Plain data; nothing here talks to the host.

#include <cstdint>
#include <string>
#include <vector>

// A mask of synchronisation events.
class SyncDataEventSet
{
public:
    enum : uint32_t {
        LoadImage = 1,
        UnloadImage = 2,
        ReloadImage = 4,
        Restart = 8,
        Reset = 16,
        SetPC = 32,
        LoadBinary = 64,
        Step = 128,
        Run = 256,
        Stop = 512,
        // Marks a core's execution coupling as loose rather than tight.
        LooselyCoupled = 1024,
    };

    SyncDataEventSet() = default;
    explicit SyncDataEventSet(uint32_t mask)
        : m_mask(mask)
    {
    }
    SyncDataEventSet(const SyncDataEventSet &) = default;
    SyncDataEventSet &operator=(const SyncDataEventSet &) = default;
    virtual ~SyncDataEventSet() = default;

    uint32_t mask() const { return m_mask; }

    void set(uint32_t bits) { m_mask |= bits; }
    void set(const SyncDataEventSet &other) { set(other.m_mask); }
    void clear(uint32_t bits) { m_mask &= ~bits; }
    void clear(const SyncDataEventSet &other) { clear(other.m_mask); }
    void intersect(const SyncDataEventSet &other) { m_mask &= other.m_mask; }
    bool test(uint32_t bits) const { return (m_mask & bits) != 0; }
    bool test(const SyncDataEventSet &other) const { return test(other.m_mask); }
    // Every bit, named or not, so that any later test answers true.
    uint32_t setAll(bool on)
    {
        m_mask = on ? ~0u : 0u;
        return m_mask;
    }

private:
    uint32_t m_mask = 0;
};

// The seven actions the user may couple (Load Image to Load Binary).
class SyncDataEventSet_UserAccesibleActions : public SyncDataEventSet
{
public:
    SyncDataEventSet_UserAccesibleActions();
    static const SyncDataEventSet_UserAccesibleActions &instance();
};

// The three execution commands the user may couple (Step, Run, Stop).
class SyncDataEventSet_UserAccesibleExecutions : public SyncDataEventSet
{
public:
    SyncDataEventSet_UserAccesibleExecutions();
    static const SyncDataEventSet_UserAccesibleExecutions &instance();
};

// One core's connection.
class SyncDataConnection
{
public:
    // Cross-trigger flags.
    enum : uint32_t {
        TriggerIn = 1,
        HwTriggerInPossible = 2,
        HwTriggerIn = 4,
        TriggerOut = 8,
        HwTriggerOutPossible = 16,
        HwTriggerOut = 32,
    };

    explicit SyncDataConnection(uint32_t id);
    SyncDataConnection(uint32_t id, const SyncDataEventSet &events);
    SyncDataConnection(const SyncDataConnection &) = default;
    SyncDataConnection &operator=(const SyncDataConnection &) = default;
    virtual ~SyncDataConnection() = default;

    std::string getName() const { return m_name; }
    void setName(std::string name) { m_name = std::move(name); }
    std::string getComment() const { return m_comment; }
    void setComment(std::string comment) { m_comment = std::move(comment); }
    uint32_t getId() const { return m_id; }
    void setId(uint32_t id) { m_id = id; }
    SyncDataEventSet getEventSet() const { return m_events; }
    void setEventSet(const SyncDataEventSet &events) { m_events = SyncDataEventSet(events.mask()); }
    uint32_t getFlags() const { return m_flags; }
    void setFlags(uint32_t flags) { m_flags = flags; }

private:
    std::string m_name;
    std::string m_comment;
    uint32_t m_id;
    SyncDataEventSet m_events;
    uint32_t m_flags = 0;
};

// The connections, in the order they were added, and the command-pending mode.
class SyncData
{
public:
    enum Mode : uint32_t {
        CurrentCoreRunning = 0,
        AnySynchronizedCoreRunning = 1,
    };

    using Connections = std::vector<SyncDataConnection *>;

    SyncData() = default;
    SyncData(const SyncData &) = delete;
    SyncData &operator=(const SyncData &) = delete;
    virtual ~SyncData();

    // The copy the registered adaptor and the mediator work on.
    static SyncData *instance();

    // Takes ownership.
    void add(SyncDataConnection *connection);
    SyncDataConnection *find(uint32_t id) const;
    void remove(uint32_t id);
    // Deletes every connection; the mode stays.
    virtual void clear();
    int count() const { return static_cast<int>(m_connections.size()); }
    Connections::const_iterator begin() const { return m_connections.begin(); }
    Connections::const_iterator end() const { return m_connections.end(); }
    uint32_t getMode() const { return m_mode; }
    void setMode(uint32_t mode) { m_mode = mode; }

    // The OR of every connection's events.
    SyncDataEventSet allEvents() const;

private:
    Connections::const_iterator position(uint32_t id) const;

    Connections m_connections;
    uint32_t m_mode = CurrentCoreRunning;
};
