#pragma once

// A simulated multi-core target behind the host's two synchronisation components, as the
// debugger engine would register them: the global event subject and the synchronisation
// access. Cores have names, coupled actions and execution commands (tight or loose), cross
// trigger capabilities and flags, and a run state; the pending mode is shared. Reading fills
// the library's data through its adaptor; each apply reads the data back through the
// adaptor's queries and takes it over, unless told to refuse; everything is logged.
//
// Cores run, stop and step: a command reaches every core coupled for it, a core with a trigger
// out that stops stops every core with a trigger in, and each change fires a host event.
// Only the broker and the C headers: the demo host uses it as well as the tests.

#include <tesk/tesk_sync.h>

#include <mosk/mosk.hpp>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

class SimulatedCores
{
public:
    enum class Operation { Read, ApplyExecution, ApplyAction, ApplyTrigger, ApplyPendingMode };
    static constexpr int kOperations = 5;

    // Fired after the cores' run state changed, and after an apply was taken over.
    static constexpr int kRunStateEvent = GCDS_HOST_EVENT_3;
    static constexpr int kCouplingEvent = GCDS_HOST_EVENT_0;

    struct Core
    {
        uint32_t id = 0;
        std::string name;
        uint32_t actions = 0;    // coupled actions (event bits 1 to 64)
        uint32_t executions = 0; // coupled execution commands (128, 256, 512)
        bool loose = false;      // loosely coupled execution
        uint32_t flags = 0;      // cross-trigger flags, capabilities included
        bool running = false;
        int steps = 0;
    };

    struct Call
    {
        Operation operation;
        uint32_t context;     // the adaptor's context word during the call
        uint32_t adaptorRefs; // references the library held on the adaptor during the call
        bool taken;
    };

    // The process-wide target.
    static SimulatedCores &installed();
    // Registers the event subject, then the synchronisation access, under "gui_bridge"; hosts
    // do so before they call the plug-in entry.
    static void registerWithBroker();
    static void withdrawFromBroker();
    // Only the event subject: a host that has no synchronisation access.
    static void registerEventSubject();

    SimulatedCores();
    SimulatedCores(const SimulatedCores &) = delete;
    SimulatedCores &operator=(const SimulatedCores &) = delete;

    // Three cores: two tightly coupled with hardware triggers, one loose with software only.
    void reset();
    std::vector<Core> &cores() { return m_cores; }
    Core *core(uint32_t id);
    uint32_t pendingMode() const { return m_pendingMode; }
    void setPendingMode(uint32_t mode) { m_pendingMode = mode; }

    // What an operation answers: refuse (false) or take over; a C++ host may also throw.
    void setRefusing(Operation operation, bool refuse);
    void setThrowing(Operation operation, bool raise);

    // Execution commands; each reaches the cores coupled for it.
    void run(uint32_t id);
    void stop(uint32_t id);
    void step(uint32_t id);
    // Calls every observer attached for the event.
    void fire(int eventId);
    // Called after every event fired (the demo prints the library's copy).
    void setAfterEvent(std::function<void(int)> afterEvent)
    {
        m_afterEvent = std::move(afterEvent);
    }

    // Called inside every operation the host takes, before it answers (a host that raises an
    // event of its own meanwhile).
    void setInsideOperation(std::function<void(Operation)> inside)
    {
        m_insideOperation = std::move(inside);
    }

    const std::vector<Call> &log() const { return m_log; }
    int count(Operation operation) const;
    void clearLog() { m_log.clear(); }
    // Event ids attached and detached, in order.
    const std::vector<int> &attached() const { return m_attached; }
    const std::vector<int> &detached() const { return m_detached; }
    int observerCount() const { return int(m_observers.size()); }
    // References the library holds on each component (the broker's own not counted).
    uint32_t accessRefs() const;
    uint32_t subjectRefs() const;

    // Broker objects, reached from their faces.
    struct Access : mosk::Object<mosk::EmptyMutex, mosk::Static>
    {
        using Face = mosk::Implements<Access, IGb_SyncAccess, 0x51010, 0, 0>;
        explicit Access(SimulatedCores *cores);
        SimulatedCores *cores;
        Face face;
    };
    struct Subject : mosk::Object<mosk::EmptyMutex, mosk::Static>
    {
        using Face = mosk::Implements<Subject, MoskEventSubject, MOSK_IID_EVENT_SUBJECT, 1, 1>;
        explicit Subject(SimulatedCores *cores);
        SimulatedCores *cores;
        Face face;
    };

    bool answer(Operation operation, IGcds_DataAdaptor *adaptor);
    void attach(int eventId, MoskObserver *observer);
    void detach(int eventId, MoskObserver *observer);

private:
    void fill(IGcds_DataAdaptor *adaptor) const;
    void takeActions(IGcds_DataAdaptor *adaptor);
    void takeExecutions(IGcds_DataAdaptor *adaptor);
    void takeTriggers(IGcds_DataAdaptor *adaptor);
    // The cores a command on `id` reaches.
    std::vector<Core *> coupledFor(uint32_t id, uint32_t command);
    void stopTriggered(std::vector<Core *> stopped);

    Access m_access;
    Subject m_subject;
    std::vector<Core> m_cores;
    uint32_t m_pendingMode = 0;
    bool m_refusing[kOperations] = {};
    bool m_throwing[kOperations] = {};
    std::vector<Call> m_log;
    std::vector<std::pair<int, MoskObserver *>> m_observers;
    std::vector<int> m_attached;
    std::vector<int> m_detached;
    std::function<void(int)> m_afterEvent;
    std::function<void(Operation)> m_insideOperation;
    bool m_registered = false;
};
