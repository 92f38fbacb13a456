#include "example.h"

#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <stdio.h>
#include <stdlib.h>

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
