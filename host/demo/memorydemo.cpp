#include "memorydemo.h"

#include "armprogram.h"
#include "eventsubjecthost.h"
#include "simulatedtarget.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr int kCoreA = 1;
constexpr int kCoreB = 2;
constexpr uint32_t kGreeting = 0x20000000;
constexpr uint32_t kCounter = 0x20000100;

// The first lines of core A's program as the memory view's disassembly table will get them.
void printDisassembly()
{
    IGb_MemoryAccess *access = SimulatedTarget::installed().face();
    const TeskMemoryAddress start{kArmProgramBase, 0};
    uint32_t count = 4;
    const void *lines = nullptr;
    const uint8_t *lengths = nullptr;
    if (access->ops->memorySpaceInfo(access, kCoreA, &start, &count, &lines, &lengths, 0))
        return;
    const auto *records = static_cast<const TeskDisassemblyLine *>(lines);
    for (uint32_t i = 0; i < count; ++i)
        std::printf("host: core A disassembly: %s (%u bytes)\n", records[i].text,
                    unsigned(lengths[i]));
}

// A write or fill asked of the target changes what the views hold: the host tells them with a
// target update once the access is done (the target answers it first), one update for all the
// accesses of one pass of the loop.
bool g_updatePending = false;

void updateAfterHostAccess(SimulatedTarget::Kind kind)
{
    using Kind = SimulatedTarget::Kind;
    if ((kind != Kind::Write && kind != Kind::Fill) || g_updatePending ||
        !QCoreApplication::instance())
        return;
    g_updatePending = true;
    QTimer::singleShot(0, QCoreApplication::instance(), [] {
        g_updatePending = false;
        simulatedTargetStopped();
    });
}

} // namespace

void registerViewsEventSubject()
{
    testhost::EventSubjectHost &subject = testhost::EventSubjectHost::instance();
    subject.setCurrent(kCoreA, 0);
    subject.registerWithBroker();
    std::printf("host: broker component %s/%s registered (current target \"core A\")\n",
                GB_EVENT_SUBJECT_CATEGORY, GB_KSO_EVENT_SUBJECT_COMPONENT);
}

void installSimulatedTarget()
{
    SimulatedTarget::registerWithBroker();
    SimulatedTarget &sim = SimulatedTarget::installed();
    sim.setTargetName(kCoreA, "core A");
    sim.setTargetName(kCoreB, "core B");
    sim.setBigEndian(kCoreB, true);
    sim.setRunningAccess(kCoreA, true);
    const std::string greeting = "Hello from the simulated target";
    sim.poke(kCoreA, kGreeting, std::vector<uint8_t>(greeting.begin(), greeting.end()));
    sim.setVolatile(kCoreA, kCounter, 4);
    // Memory a step may change: the views show what a step or a stop changed in their change
    // colours, which they keep for memory of this code only.
    for (const int core : {kCoreA, kCoreB})
        sim.setAttribute(core, 0x00000000, 0xFFFFFFFF, TESK_MEMORY_CHANGE_TRACKED);
    // Peripheral space nobody may read, and a read-only flash image.
    sim.setUnreadable(kCoreA, 0x40000000, 0x4FFFFFFF);
    sim.setAttribute(kCoreA, 0x00000000, 0x000FFFFF, 1);
    sim.poke(kCoreA, kArmProgramBase, armProgramBytes());
    sim.inside = &updateAfterHostAccess;
    std::printf("host: broker component %s/%s registered (simulated target: \"core A\" %d, "
                "\"core B\" %d)\n",
                TESK_MEMORY_ACCESS_CATEGORY, TESK_MEMORY_ACCESS_COMPONENT, kCoreA, kCoreB);
    printDisassembly();
}

void advanceSimulatedTarget()
{
    SimulatedTarget::installed().advance();
    // Only a repaint: every read a target update asks for starts a generation of the views'
    // change colours, so updates on every tick would age a step's colours to plain within a
    // second. The running counter shows its new value at the next step or stop.
    testhost::EventSubjectHost::instance().fire(GCP_EVENT_REPAINT_0);
}

void simulatedTargetStopped()
{
    testhost::EventSubjectHost::instance().fire(GCP_EVENT_TARGET_UPDATED_0);
}

void stepSimulatedMemory()
{
    SimulatedTarget &sim = SimulatedTarget::installed();
    static uint32_t steps = 0;
    ++steps;
    // A push onto the stack at the greeting's end, and the step count beside the counter.
    const uint32_t stackTop = kGreeting + 0x40;
    std::vector<uint8_t> pushed(4);
    for (int i = 0; i < 4; ++i)
        pushed[size_t(i)] = uint8_t((steps * 0x9e3779b9u) >> (8 * i));
    sim.poke(kCoreA, stackTop - 4 * (steps % 8) - 4, pushed);
    sim.poke(kCoreA, kCounter + 4, {uint8_t(steps), uint8_t(steps >> 8), 0, 0});
    simulatedTargetStopped();
}

bool fillSimulatedMemory(int target, uint32_t start, uint32_t end, uint32_t length, bool endGiven,
                         int fillSize, const char *expression)
{
    IGb_MemoryAccess *access = SimulatedTarget::installed().face();
    const TeskMemoryAddress first{start, 0};
    const TeskMemoryAddress last{end, 0};
    // The end address counts only when the user chose it, the length only when not.
    MoskResult result = access->ops->fill(access, 0, target, &first, endGiven ? &last : nullptr,
                                          endGiven ? 0 : length, fillSize, expression);
    if (!result)
        return true;
    result->ops->Release(result);
    return false;
}

void reportSimulatedTarget()
{
    using Kind = SimulatedTarget::Kind;
    const SimulatedTarget &sim = SimulatedTarget::installed();
    std::printf("host: memory access: %d reads (%llu bytes), %d writes, %d fills; counter at "
                "%#x now %u\n",
                sim.count(Kind::Read), static_cast<unsigned long long>(sim.bytes(Kind::Read)),
                sim.count(Kind::Write), sim.count(Kind::Fill), kCounter,
                unsigned(sim.peek(kCoreA, kCounter)));
}
