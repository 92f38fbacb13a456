#include "example.h"

#include <tesk/tesk_memoryaccess.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

/* Static broker objects: never freed, so AddRef and Release only count, and QueryInterface
   hands out the object itself. */
static uint32_t addRef(void *self)
{
    (void)self;
    return 1;
}

static uint32_t release(void *self)
{
    (void)self;
    return 1;
}

static MoskResult noInfo(void *self, uint32_t *id, uint32_t *v1, uint32_t *v2, uint32_t *v3)
{
    (void)self, (void)v2, (void)v3;
    if (id)
        *id = MOSK_IID_BASE;
    if (v1)
        *v1 = 1;
    return NULL;
}

MoskResult exampleFail(uint32_t code)
{
    return moskErrorCreateStandardError(1, code);
}

static MoskResult answerFor(void *self, void **out, uint32_t id, uint32_t own)
{
    if (!out)
        return exampleFail(MOSK_ERR_BAD_ARGUMENT);
    if (id != MOSK_IID_BASE && id != own)
        return exampleFail(MOSK_ERR_NO_INTERFACE);
    *out = self;
    return NULL;
}

/* ---- event registries: the library attaches one observer per event kind ---------------- */

#define MAX_OBSERVERS 96
static struct
{
    void *registry;
    int32_t kind;
    MoskObserver *observer;
} g_observers[MAX_OBSERVERS];
static int g_observerCount;

static MoskResult registryQuery(void *self, void **out, uint32_t id, uint32_t version)
{
    (void)version;
    return answerFor(self, out, id, MOSK_IID_EVENT_SUBJECT);
}

static MoskResult attach(void *self, int32_t kind, MoskObserver *observer)
{
    if (!observer)
        return exampleFail(MOSK_ERR_BAD_ARGUMENT);
    if (g_observerCount == MAX_OBSERVERS)
        return exampleFail(MOSK_ERR_NO_MEMORY);
    g_observers[g_observerCount].registry = self;
    g_observers[g_observerCount].kind = kind;
    g_observers[g_observerCount].observer = observer;
    ++g_observerCount;
    return NULL;
}

static MoskResult detach(void *self, int32_t kind, MoskObserver *observer)
{
    int i;
    for (i = 0; i < g_observerCount; ++i) {
        if (g_observers[i].registry == self && g_observers[i].kind == kind &&
            g_observers[i].observer == observer) {
            g_observers[i] = g_observers[--g_observerCount];
            break;
        }
    }
    return NULL;
}

static const MoskEventSubjectOps kRegistryOps = {noInfo,        addRef, release,
                                                 registryQuery, attach, detach};
static MoskEventSubject g_viewsRegistry = {&kRegistryOps};
static MoskEventSubject g_globalSubject = {&kRegistryOps};

void exampleNotify(int32_t kind)
{
    int i;
    for (i = 0; i < g_observerCount; ++i) {
        MoskObserver *observer = g_observers[i].observer;
        if (g_observers[i].registry == &g_viewsRegistry && g_observers[i].kind == kind) {
            MoskResult result = observer->ops->Notify(observer, kind, 0);
            if (result)
                result->ops->Release(result);
        }
    }
}

/* ---- the views' event subject: one target, followed by every pane ---------------------- */

static MoskResult unused(void *self)
{
    (void)self;
    return NULL;
}

static MoskResult subjectQuery(void *self, void **out, uint32_t id, uint32_t version)
{
    (void)version;
    return answerFor(self, out, id, GB_IID_KSO_EVENT_SUBJECT);
}

static MoskResult eventRegistry(void *self, MoskEventSubject **registry)
{
    (void)self;
    if (!registry)
        return exampleFail(MOSK_ERR_BAD_ARGUMENT);
    *registry = &g_viewsRegistry;
    return NULL;
}

static MoskResult currentTarget(void *self, int32_t *target)
{
    (void)self;
    *target = 1;
    return NULL;
}

static MoskResult currentId(void *self, uint64_t *id)
{
    (void)self;
    *id = 0;
    return NULL;
}

static const IGb_KsoEventSubjectOps kSubjectOps = {
    noInfo,        addRef, release,       subjectQuery, unused,   unused,
    eventRegistry, unused, currentTarget, unused,       currentId};
static IGb_KsoEventSubject g_subject = {&kSubjectOps};

/* ---- the host's memory behind the memory-access component ------------------------------ */

#define BASE EXAMPLE_MEMORY_BASE
#define SIZE EXAMPLE_MEMORY_SIZE
#define HOLE_START 0x40u
#define HOLE_END 0x80u

static uint8_t g_memory[SIZE];
static ExampleReadFn g_readWatch;

static MoskResult memoryQuery(void *self, void **out, uint32_t id, uint32_t version)
{
    (void)version;
    if (!out || (id != MOSK_IID_BASE && id != TESK_IID_MEMORY_ACCESS))
        return exampleFail(MOSK_ERR_NO_INTERFACE);
    *out = self;
    return NULL;
}

/* Runs of equal attributes: readable, the hole, readable again; outside the 4 KiB nothing. */
static uint32_t addRun(TeskMemoryRun *runs, uint32_t n, uint32_t attribute, uint32_t count)
{
    if (count == 0)
        return n;
    memset(&runs[n], 0, sizeof runs[n]);
    runs[n].attribute = attribute;
    runs[n].count = count;
    return n + 1;
}

static MoskResult readMemory(void *self, int32_t target, const TeskMemoryAddress *address,
                             uint32_t length, int32_t mode, uint32_t *unused, const uint8_t **data,
                             TeskMemoryRun *runs, uint32_t *runCount, intptr_t flags)
{
    static uint8_t none[TESK_MEMORY_READ_CHUNK];
    uint32_t at, end, n = 0, holeFrom, holeTo;
    (void)self, (void)target, (void)mode, (void)unused, (void)flags;
    if (!address || !data || !runs || !runCount || *runCount < 3 || length > TESK_MEMORY_READ_CHUNK)
        return exampleFail(MOSK_ERR_BAD_ARGUMENT);
    at = address->offset - BASE;
    if (address->offset < BASE || at >= SIZE || length > SIZE - at) {
        *data = none;
        *runCount = addRun(runs, 0, TESK_MEMORY_UNAVAILABLE, length);
        return NULL;
    }
    end = at + length;
    holeFrom = at > HOLE_START ? at : HOLE_START;
    holeTo = end < HOLE_END ? end : HOLE_END;
    if (holeFrom >= holeTo) {
        n = addRun(runs, n, TESK_MEMORY_CHANGE_TRACKED, length);
    } else {
        n = addRun(runs, n, TESK_MEMORY_CHANGE_TRACKED, holeFrom - at);
        n = addRun(runs, n, TESK_MEMORY_UNAVAILABLE, holeTo - holeFrom);
        n = addRun(runs, n, TESK_MEMORY_CHANGE_TRACKED, end - holeTo);
    }
    *data = g_memory + at;
    *runCount = n;
    if (g_readWatch)
        g_readWatch(at, length);
    return NULL;
}

static MoskResult refuse(void)
{
    return exampleFail(MOSK_ERR_FAILED);
}

static MoskResult writeMemory(void *self, TeskHandle window, int32_t target,
                              const TeskMemoryAddress *address, int32_t zero, intptr_t count,
                              intptr_t bytes, uint32_t *result)
{
    uint32_t at = address ? address->offset - BASE : SIZE;
    (void)self, (void)window, (void)target, (void)zero;
    if (!address || address->offset < BASE || at >= SIZE || count < 0 ||
        (uint32_t)count > SIZE - at || !bytes)
        return refuse();
    memcpy(g_memory + at, (const void *)bytes, (size_t)count);
    if (result)
        *result = 0;
    exampleNotify(GCP_EVENT_TARGET_UPDATED_0); /* the views read it again */
    return NULL;
}

static MoskResult fill(void *self, TeskHandle window, int32_t target,
                       const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                       uint32_t length, int32_t fillSize, const char *expression)
{
    (void)self, (void)window, (void)target, (void)first, (void)last, (void)length, (void)fillSize,
        (void)expression;
    return refuse();
}

static MoskResult formats(void *self, int32_t target, MoskOStream *ids, MoskOStream *names)
{
    (void)self, (void)target;
    if (ids)
        ids->ops->setText(ids, "");
    return names ? names->ops->setText(names, "") : NULL;
}

static MoskResult disassemble(void *self, int32_t target, const TeskMemoryAddress *address,
                              uint32_t *lineCount, const void **lines, const uint8_t **lengths,
                              int32_t formatId)
{
    (void)self, (void)target, (void)address, (void)lines, (void)lengths, (void)formatId;
    if (lineCount)
        *lineCount = 0;
    return NULL;
}

static MoskResult toText(void *self, int32_t target, const TeskMemoryAddress *address,
                         MoskOStream *text)
{
    char buffer[16];
    (void)self, (void)target;
    if (!address || !text)
        return exampleFail(MOSK_ERR_BAD_ARGUMENT);
    snprintf(buffer, sizeof buffer, "0x%08X", (unsigned)address->offset);
    return text->ops->setText(text, buffer);
}

static MoskResult fromText(void *self, int32_t target, const char *text, TeskMemoryAddress *address)
{
    unsigned long value;
    char *end = NULL;
    (void)self, (void)target;
    if (!text || !address)
        return exampleFail(MOSK_ERR_BAD_ARGUMENT);
    value = strtoul(text, &end, 0);
    if (end == text || value > 0xFFFFFFFFul)
        return refuse();
    address->offset = (uint32_t)value;
    address->space = 0;
    return NULL;
}

static MoskResult littleEndian(void *self, int32_t target, const TeskMemoryAddress *address,
                               uint8_t *bigEndian)
{
    (void)self, (void)target, (void)address;
    *bigEndian = 0;
    return NULL;
}

static MoskResult words(void *self, int32_t target, const TeskMemoryAddress *address, int32_t *size)
{
    (void)self, (void)target, (void)address;
    *size = 4;
    return NULL;
}

static MoskResult whileRunning(void *self, int32_t target, uint8_t *supported)
{
    (void)self, (void)target;
    *supported = 1;
    return NULL;
}

static MoskResult targetName(void *self, int32_t target, MoskOStream *text)
{
    (void)self, (void)target;
    return text ? text->ops->setText(text, "Example target") : NULL;
}

static MoskResult breakpoint(void *self, TeskHandle window, int32_t target,
                             const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                             int32_t zero)
{
    (void)self, (void)window, (void)target, (void)first, (void)last, (void)zero;
    return refuse();
}

static MoskResult rangeOf(void *self, int32_t target, const TeskMemoryAddress *address,
                          TeskMemoryAddress *start, uint32_t *length)
{
    (void)self, (void)target, (void)address;
    start->offset = BASE;
    start->space = 0;
    *length = SIZE;
    return NULL;
}

static MoskResult offsetInto(void *self, int32_t target, const TeskMemoryAddress *address,
                             uint32_t offset, TeskMemoryAddress *result)
{
    (void)self, (void)target;
    *result = *address;
    result->offset += offset;
    return NULL;
}

static const IGb_MemoryAccessOps kMemoryOps = {
    noInfo,     addRef,      release, memoryQuery, readMemory,   writeMemory, fill,
    formats,    disassemble, toText,  fromText,    littleEndian, words,       whileRunning,
    targetName, breakpoint,  unused,  rangeOf,     offsetInto};
static IGb_MemoryAccess g_access = {&kMemoryOps};

uint8_t *exampleMemory(void)
{
    return g_memory;
}

void exampleWatchReads(ExampleReadFn watch)
{
    g_readWatch = watch;
}

int exampleRegisterMemory(void)
{
    MoskBroker *broker = moskGetObjectBroker();
    MoskResult result = broker->ops->registerComponent(broker, TESK_MEMORY_ACCESS_CATEGORY,
                                                       TESK_MEMORY_ACCESS_COMPONENT, &g_access);
    unsigned i;
    for (i = 0; i < SIZE; ++i)
        g_memory[i] = (uint8_t)(i * 7);
    if (result)
        result->ops->Release(result);
    return result == NULL;
}

/* ---- start-up and the loop ------------------------------------------------------------- */

int exampleStart(const char *name)
{
    MoskBroker *broker = moskGetObjectBroker();
    CuiFrameRecord record = {1, 0, 0, 0};
    char commandLine[] = "";
    /* Both subjects before the plug-in entry: it subscribes to them, and fails without the
       global one. */
    MoskResult result = broker->ops->registerComponent(broker, GB_EVENT_SUBJECT_CATEGORY,
                                                       GB_KSO_EVENT_SUBJECT_COMPONENT, &g_subject);
    if (!result)
        result = broker->ops->registerComponent(broker, GCDS_CATEGORY, GCDS_EVENT_SUBJECT_COMPONENT,
                                                &g_globalSubject);
    if (!result)
        result = moskInitialisePlugin((MoskRegistrar *)broker);
    if (result) {
        fprintf(stderr, "%s: registration failed (code %#x)\n", name,
                (unsigned)moskErrorCode(result));
        result->ops->Release(result);
        return 0;
    }
    if (!CuiQtInit_WinEx(name, commandLine)) {
        fprintf(stderr, "%s: start-up declined\n", name);
        return 0;
    }
    QtCreateNewCode(1);
    if (!QtFrameCreate(name, EXAMPLE_FRAME, &record)) {
        fprintf(stderr, "%s: no main window\n", name);
        return 0;
    }
    QtCreateNewCode(0);
    QtResizePosWindow(EXAMPLE_FRAME, 40, 40, 1024, 700);
    return 1;
}

static ExampleTickFn g_tick;
static int g_ticks;
static int g_stopAfter;

static void idle(void)
{
    ++g_ticks;
    if (g_tick)
        g_tick(g_ticks);
    if (g_stopAfter > 0 && g_ticks >= g_stopAfter)
        QtShutdown();
}

void exampleIdle(int stopAfter, ExampleTickFn tick)
{
    g_tick = tick;
    g_stopAfter = stopAfter;
    CuiCreateIdleObject();
    CuiRegisterIdleFunc(&idle);
}

int exampleRun(void)
{
    CuiRun(); /* deletes the windows, the idle object and the application when the loop ends */
    /* The broker still holds the host's components and the library's own: release them while
       the library is loaded. */
    moskBrokerClear();
    return g_ticks;
}

int exampleTicks(int argc, char **argv, int fallback)
{
    return argc > 1 ? atoi(argv[1]) : fallback;
}
