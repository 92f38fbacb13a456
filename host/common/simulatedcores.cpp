#include "simulatedcores.h"

#include <algorithm>
#include <stdexcept>

namespace {

constexpr uint32_t kStep = 128, kRun = 256, kStop = 512;
constexpr uint32_t kTriggerIn = 1, kHwInPossible = 2, kHwIn = 4, kTriggerOut = 8,
                   kHwOutPossible = 16, kHwOut = 32;

SimulatedCores::Access *accessOf(void *face)
{
    return SimulatedCores::Access::Face::outerOf(face);
}

int readSyncData(void *self, IGcds_DataAdaptor *adaptor)
{
    return accessOf(self)->cores->answer(SimulatedCores::Operation::Read, adaptor);
}

int applyExecutionSync(void *self, IGcds_DataAdaptor *adaptor)
{
    return accessOf(self)->cores->answer(SimulatedCores::Operation::ApplyExecution, adaptor);
}

int applyActionSync(void *self, IGcds_DataAdaptor *adaptor)
{
    return accessOf(self)->cores->answer(SimulatedCores::Operation::ApplyAction, adaptor);
}

int applyTriggerSync(void *self, IGcds_DataAdaptor *adaptor)
{
    return accessOf(self)->cores->answer(SimulatedCores::Operation::ApplyTrigger, adaptor);
}

int applyPendingMode(void *self, IGcds_DataAdaptor *adaptor)
{
    return accessOf(self)->cores->answer(SimulatedCores::Operation::ApplyPendingMode, adaptor);
}

const IGb_SyncAccessOps kAccessOps = {MOSK_FACE_BASE(SimulatedCores::Access::Face),
                                      &readSyncData,
                                      &applyExecutionSync,
                                      &applyActionSync,
                                      &applyTriggerSync,
                                      &applyPendingMode};

MoskResult attachObserver(void *self, int32_t eventId, MoskObserver *observer)
{
    if (!observer)
        return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
    SimulatedCores::Subject::Face::outerOf(self)->cores->attach(eventId, observer);
    return nullptr;
}

MoskResult detachObserver(void *self, int32_t eventId, MoskObserver *observer)
{
    SimulatedCores::Subject::Face::outerOf(self)->cores->detach(eventId, observer);
    return nullptr;
}

const MoskEventSubjectOps kSubjectOps = {MOSK_FACE_BASE(SimulatedCores::Subject::Face),
                                         &attachObserver, &detachObserver};

// The adaptor's event codes of the single events: actions 2 to 8, executions 10 to 12.
int32_t actionCode(int bitIndex)
{
    return GCDS_EVENT_LOAD_IMAGE + bitIndex;
}

int32_t executionCode(int bitIndex)
{
    return GCDS_EVENT_STEP + bitIndex;
}

} // namespace

SimulatedCores::Access::Access(SimulatedCores *cores)
    : cores(cores)
    , face(this, &kAccessOps)
{
}

SimulatedCores::Subject::Subject(SimulatedCores *cores)
    : cores(cores)
    , face(this, &kSubjectOps)
{
}

SimulatedCores &SimulatedCores::installed()
{
    // Never destroyed: the library's statics may still hold its components at exit.
    static SimulatedCores *cores = new SimulatedCores;
    return *cores;
}

void SimulatedCores::registerEventSubject()
{
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(broker->ops->registerComponent(
        broker, GCDS_CATEGORY, GCDS_EVENT_SUBJECT_COMPONENT, &installed().m_subject.face));
}

void SimulatedCores::registerWithBroker()
{
    registerEventSubject();
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(broker->ops->registerComponent(broker, GCDS_CATEGORY, GCDS_SYNC_ACCESS_COMPONENT,
                                                 &installed().m_access.face));
}

void SimulatedCores::withdrawFromBroker()
{
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(
        broker->ops->unregisterComponent(broker, GCDS_CATEGORY, GCDS_SYNC_ACCESS_COMPONENT));
    mosk::release(
        broker->ops->unregisterComponent(broker, GCDS_CATEGORY, GCDS_EVENT_SUBJECT_COMPONENT));
}

SimulatedCores::SimulatedCores()
    : m_access(this)
    , m_subject(this)
{
    reset();
}

void SimulatedCores::reset()
{
    m_cores = {
        {1, "core A", 1 | 16, kStep | kRun | kStop, false,
         kTriggerIn | kHwInPossible | kTriggerOut | kHwOutPossible | kHwOut, false, 0},
        {2, "core B", 1 | 16, kRun | kStop, false, kTriggerIn | kHwInPossible | kHwIn, false, 0},
        {5, "core C", 0, kRun, true, kTriggerIn, false, 0},
    };
    m_pendingMode = 0;
    std::fill(std::begin(m_refusing), std::end(m_refusing), false);
    std::fill(std::begin(m_throwing), std::end(m_throwing), false);
    m_insideOperation = nullptr;
    m_log.clear();
}

SimulatedCores::Core *SimulatedCores::core(uint32_t id)
{
    const auto it =
        std::find_if(m_cores.begin(), m_cores.end(), [id](const Core &c) { return c.id == id; });
    return it == m_cores.end() ? nullptr : &*it;
}

void SimulatedCores::setRefusing(Operation operation, bool refuse)
{
    m_refusing[int(operation)] = refuse;
}

void SimulatedCores::setThrowing(Operation operation, bool raise)
{
    m_throwing[int(operation)] = raise;
}

bool SimulatedCores::answer(Operation operation, IGcds_DataAdaptor *adaptor)
{
    const uint32_t refs = adaptor->ops->AddRef(adaptor) - 1;
    adaptor->ops->Release(adaptor);
    const uint32_t context = adaptor->ops->getContext(adaptor);
    if (m_throwing[int(operation)])
        throw std::runtime_error("the simulated host failed");
    const bool taken = !m_refusing[int(operation)];
    m_log.push_back({operation, context, refs, taken});
    if (!taken)
        return false;
    if (m_insideOperation)
        m_insideOperation(operation);
    switch (operation) {
    case Operation::Read:
        fill(adaptor);
        return true;
    case Operation::ApplyExecution:
        takeExecutions(adaptor);
        break;
    case Operation::ApplyAction:
        takeActions(adaptor);
        break;
    case Operation::ApplyTrigger:
        takeTriggers(adaptor);
        break;
    case Operation::ApplyPendingMode:
        m_pendingMode = adaptor->ops->isModeSet(adaptor) ? 1 : 0;
        break;
    }
    fire(kCouplingEvent);
    return true;
}

void SimulatedCores::fill(IGcds_DataAdaptor *adaptor) const
{
    const IGcds_DataAdaptorOps *ops = adaptor->ops;
    ops->clear(adaptor);
    ops->setMode(adaptor, int32_t(m_pendingMode));
    for (const Core &c : m_cores) {
        ops->setName(adaptor, c.id, c.name.c_str());
        ops->setComment(adaptor, c.id, c.running ? "running" : "stopped");
        for (int i = 0; i < 7; ++i)
            ops->setEvent(adaptor, c.id, actionCode(i), (c.actions >> i) & 1);
        for (int i = 0; i < 3; ++i)
            ops->setEvent(adaptor, c.id, executionCode(i), (c.executions >> (7 + i)) & 1);
        ops->setEvent(adaptor, c.id, GCDS_EVENT_LOOSELY_COUPLED, c.loose);
        ops->clearFlags(adaptor, c.id);
        for (int code = GCDS_FLAG_TRIGGER_IN; code <= GCDS_FLAG_HW_TRIGGER_OUT; ++code)
            ops->setFlag(adaptor, c.id, code, (c.flags >> (code - 1)) & 1);
    }
}

// The group rule of isEventInUse gives a core the events coupled anywhere when it takes part
// in the group, and none when it does not.
void SimulatedCores::takeActions(IGcds_DataAdaptor *adaptor)
{
    const IGcds_DataAdaptorOps *ops = adaptor->ops;
    for (int32_t i = 0, n = ops->count(adaptor); i < n; ++i) {
        Core *c = core(ops->idByIndex(adaptor, i));
        if (!c)
            continue;
        c->actions = 0;
        for (int bit = 0; bit < 7; ++bit)
            c->actions |= ops->isEventInUse(adaptor, c->id, actionCode(bit)) ? 1u << bit : 0;
    }
}

void SimulatedCores::takeExecutions(IGcds_DataAdaptor *adaptor)
{
    const IGcds_DataAdaptorOps *ops = adaptor->ops;
    for (int32_t i = 0, n = ops->count(adaptor); i < n; ++i) {
        Core *c = core(ops->idByIndex(adaptor, i));
        if (!c)
            continue;
        c->executions = 0;
        for (int bit = 0; bit < 3; ++bit)
            c->executions |=
                ops->isEventInUse(adaptor, c->id, executionCode(bit)) ? kStep << bit : 0;
    }
}

// Only the core the context names; capabilities stay the target's own, and a hardware trigger
// needs its capability.
void SimulatedCores::takeTriggers(IGcds_DataAdaptor *adaptor)
{
    const IGcds_DataAdaptorOps *ops = adaptor->ops;
    Core *c = core(ops->getContext(adaptor));
    if (!c)
        return;
    const uint32_t capabilities = c->flags & (kHwInPossible | kHwOutPossible);
    uint32_t flags = capabilities;
    const std::pair<int32_t, uint32_t> settable[] = {{GCDS_FLAG_TRIGGER_IN, kTriggerIn},
                                                     {GCDS_FLAG_TRIGGER_OUT, kTriggerOut},
                                                     {GCDS_FLAG_HW_TRIGGER_IN, kHwIn},
                                                     {GCDS_FLAG_HW_TRIGGER_OUT, kHwOut}};
    for (const auto &[code, bit] : settable)
        flags |= ops->testFlag(adaptor, c->id, code) ? bit : 0;
    if (!(capabilities & kHwInPossible))
        flags &= ~kHwIn;
    if (!(capabilities & kHwOutPossible))
        flags &= ~kHwOut;
    c->flags = flags;
}

std::vector<SimulatedCores::Core *> SimulatedCores::coupledFor(uint32_t id, uint32_t command)
{
    std::vector<Core *> reached;
    Core *origin = core(id);
    if (!origin)
        return reached;
    if (!(origin->executions & command))
        return {origin};
    for (Core &c : m_cores) {
        if (c.executions & command)
            reached.push_back(&c);
    }
    return reached;
}

void SimulatedCores::run(uint32_t id)
{
    for (Core *c : coupledFor(id, kRun))
        c->running = true;
    fire(kRunStateEvent);
}

void SimulatedCores::stop(uint32_t id)
{
    std::vector<Core *> stopped = coupledFor(id, kStop);
    for (Core *c : stopped)
        c->running = false;
    stopTriggered(std::move(stopped));
    fire(kRunStateEvent);
}

void SimulatedCores::stopTriggered(std::vector<Core *> stopped)
{
    // A stop spreads along the triggers until no core is left to reach.
    while (!stopped.empty()) {
        const Core *from = stopped.back();
        stopped.pop_back();
        if (!(from->flags & (kTriggerOut | kHwOut)))
            continue;
        for (Core &c : m_cores) {
            if (c.running && (c.flags & (kTriggerIn | kHwIn))) {
                c.running = false;
                stopped.push_back(&c);
            }
        }
    }
}

void SimulatedCores::step(uint32_t id)
{
    for (Core *c : coupledFor(id, kStep)) {
        if (!c->running)
            ++c->steps;
    }
    fire(kRunStateEvent);
}

void SimulatedCores::fire(int eventId)
{
    // A copy: an observer may detach while it is being told.
    const auto observers = m_observers;
    for (const auto &[id, observer] : observers) {
        if (id == eventId)
            mosk::release(observer->ops->Notify(observer, eventId, 0));
    }
    if (m_afterEvent)
        m_afterEvent(eventId);
}

void SimulatedCores::attach(int eventId, MoskObserver *observer)
{
    observer->ops->AddRef(observer);
    m_observers.emplace_back(eventId, observer);
    m_attached.push_back(eventId);
}

void SimulatedCores::detach(int eventId, MoskObserver *observer)
{
    const auto it =
        std::find(m_observers.begin(), m_observers.end(), std::make_pair(eventId, observer));
    if (it == m_observers.end())
        return;
    m_observers.erase(it);
    m_detached.push_back(eventId);
    observer->ops->Release(observer);
}

int SimulatedCores::count(Operation operation) const
{
    return int(std::count_if(m_log.begin(), m_log.end(),
                             [operation](const Call &c) { return c.operation == operation; }));
}

uint32_t SimulatedCores::accessRefs() const
{
    MoskBroker *broker = moskGetObjectBroker();
    const bool registered =
        broker->ops->hasComponent(broker, GCDS_CATEGORY, GCDS_SYNC_ACCESS_COMPONENT);
    return m_access.refCount() - (registered ? 1 : 0);
}

uint32_t SimulatedCores::subjectRefs() const
{
    MoskBroker *broker = moskGetObjectBroker();
    const bool registered =
        broker->ops->hasComponent(broker, GCDS_CATEGORY, GCDS_EVENT_SUBJECT_COMPONENT);
    return m_subject.refCount() - (registered ? 1 : 0);
}
