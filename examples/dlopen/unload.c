/*
 * A host that loads libtesk.so itself with dlopen, and unloads it while it goes on: it links
 * only the broker, registers both event subjects (which keep the observers attached to them),
 * starts the library, runs its loop for a few idle ticks, unloads it, notifies its subjects,
 * then loads and runs it once more.
 *
 *   dlopen-unload [library]   the library to open (default: libtesk.so, found as dlopen does)
 *
 * Build: cc -std=c11 -pedantic unload.c $(pkg-config --cflags --libs tesk-broker)
 * Run:   KSODEBUG_INSTALL=$(pkg-config --variable=installdir tesk-broker) \
 *        ./a.out "$(pkg-config --variable=library tesk-broker)"
 */
#include <tesk/tesk_functions.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.h>

#include <dlfcn.h>
#include <stdio.h>
#include <string.h>

/* ---- the host's event subjects --------------------------------------------------------
 * Static objects: AddRef and Release only count. Both keep the observers attached to them;
 * the library takes its observers off again when it is unloaded. */

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

static MoskResult query(void *self, void **out, uint32_t id, uint32_t version)
{
    (void)id, (void)version;
    if (!out)
        return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
    *out = self;
    return NULL;
}

#define MAX_OBSERVERS 64
struct Registry
{
    MoskEventSubject face;
    int count;
    int32_t kinds[MAX_OBSERVERS];
    MoskObserver *observers[MAX_OBSERVERS];
};

static MoskResult attach(void *self, int32_t kind, MoskObserver *observer)
{
    struct Registry *registry = self;
    if (!observer || registry->count == MAX_OBSERVERS)
        return moskErrorCreateStandardError(1, MOSK_ERR_BAD_ARGUMENT);
    registry->kinds[registry->count] = kind;
    registry->observers[registry->count] = observer;
    ++registry->count;
    return NULL;
}

static MoskResult detach(void *self, int32_t kind, MoskObserver *observer)
{
    struct Registry *registry = self;
    int i;
    for (i = 0; i < registry->count; ++i) {
        if (registry->kinds[i] == kind && registry->observers[i] == observer) {
            --registry->count;
            registry->kinds[i] = registry->kinds[registry->count];
            registry->observers[i] = registry->observers[registry->count];
            break;
        }
    }
    return NULL;
}

static const MoskEventSubjectOps kRegistryOps = {noInfo, addRef, release, query, attach, detach};
/* The views' subject hands out the first as its registry; the second is the global subject. */
static struct Registry g_views = {{&kRegistryOps}, 0, {0}, {NULL}};
static struct Registry g_global = {{&kRegistryOps}, 0, {0}, {NULL}};

static void notifyAll(struct Registry *registry)
{
    int kind;
    int i;
    for (kind = 0; kind < GCP_EVENT_KINDS; ++kind) {
        for (i = 0; i < registry->count; ++i) {
            if (registry->kinds[i] == kind) {
                MoskObserver *observer = registry->observers[i];
                MoskResult result = observer->ops->Notify(observer, kind, 0);
                if (result)
                    result->ops->Release(result);
            }
        }
    }
}

static MoskResult unused(void *self)
{
    (void)self;
    return NULL;
}

static MoskResult eventRegistry(void *self, MoskEventSubject **registry)
{
    (void)self;
    *registry = &g_views.face;
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

static const IGb_KsoEventSubjectOps kSubjectOps = {noInfo,        addRef, release,       query,
                                                   unused,        unused, eventRegistry, unused,
                                                   currentTarget, unused, currentId};
static IGb_KsoEventSubject g_subject = {&kSubjectOps};

/* ---- one load of the library ----------------------------------------------------------- */

static void *g_library;
static PFN_QtShutdown g_shutdown;
static int g_ticks;

static void *find(const char *name)
{
    void *symbol = dlsym(g_library, name);
    if (!symbol)
        fprintf(stderr, "dlopen-unload: no %s\n", name);
    return symbol;
}

/* ISO C has no cast from an object pointer to a function pointer: copy the bits. */
#define RESOLVE(type, name, variable)                                                              \
    type variable = NULL;                                                                          \
    do {                                                                                           \
        void *symbol_ = find(name);                                                                \
        memcpy(&variable, &symbol_, sizeof variable);                                              \
    } while (0)

static void idle(void)
{
    if (++g_ticks == 3)
        g_shutdown();
}

/* Registers the subjects, loads and starts the library, shows a main window, runs the loop
   for three idle ticks; lets the broker go and unloads the library. 1 when every step went. */
static int loadRunUnload(const char *path)
{
    MoskBroker *broker = moskGetObjectBroker();
    CuiFrameRecord record = {1, 0, 0, 0};
    char commandLine[] = "";
    MoskResult result;
    int ran;

    g_library = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (!g_library) {
        fprintf(stderr, "dlopen-unload: %s\n", dlerror());
        return 0;
    }
    {
        RESOLVE(PFN_moskInitialisePlugin, "moskInitialisePlugin", plugIn);
        RESOLVE(PFN_CuiQtInit_WinEx, "CuiQtInit_WinEx", start);
        RESOLVE(PFN_QtCreateNewCode, "QtCreateNewCode", newCode);
        RESOLVE(PFN_QtFrameCreate, "QtFrameCreate", frameCreate);
        RESOLVE(PFN_QtFrameShow, "QtFrameShow", frameShow);
        RESOLVE(PFN_CuiCreateIdleObject, "CuiCreateIdleObject", idleObject);
        RESOLVE(PFN_CuiRegisterIdleFunc, "CuiRegisterIdleFunc", idleFunction);
        RESOLVE(PFN_CuiRun, "CuiRun", run);
        RESOLVE(PFN_QtShutdown, "QtShutdown", shutdown);
        if (!plugIn || !start || !newCode || !frameCreate || !frameShow || !idleObject ||
            !idleFunction || !run || !shutdown)
            return 0;
        g_shutdown = shutdown;

        /* Both subjects before the plug-in entry, again after every moskBrokerClear. */
        result = broker->ops->registerComponent(broker, GB_EVENT_SUBJECT_CATEGORY,
                                                GB_KSO_EVENT_SUBJECT_COMPONENT, &g_subject);
        if (!result)
            result = broker->ops->registerComponent(broker, GCDS_CATEGORY,
                                                    GCDS_EVENT_SUBJECT_COMPONENT, &g_global.face);
        if (!result)
            result = plugIn((MoskRegistrar *)broker);
        if (result) {
            fprintf(stderr, "dlopen-unload: registration failed (code %#x)\n",
                    (unsigned)moskErrorCode(result));
            result->ops->Release(result);
            return 0;
        }
        printf("dlopen-unload: %d observers on the views' subject, %d on the global one\n",
               g_views.count, g_global.count);
        if (!start("dlopen-unload", commandLine))
            return 0;
        newCode(1);
        if (!frameCreate("dlopen-unload", (TeskHandle)0x1001, &record))
            return 0;
        newCode(0);
        frameShow();
        g_ticks = 0;
        idleObject();
        idleFunction(&idle);
        ran = run();
    }
    /* The library's components go while their code is there; then the library. */
    moskBrokerClear();
    if (dlclose(g_library) != 0) {
        fprintf(stderr, "dlopen-unload: %s\n", dlerror());
        return 0;
    }
    g_library = NULL;
    return ran == 1 && g_ticks >= 3;
}

int main(int argc, char **argv)
{
    const char *path = argc > 1 ? argv[1] : "libtesk.so";
    int round;
    for (round = 1; round <= 2; ++round) {
        if (!loadRunUnload(path)) {
            printf("dlopen-unload: round %d FAILED\n", round);
            return 1;
        }
        /* The library is gone: its observers are off the subjects, which go on. */
        printf("dlopen-unload: unloaded, %d observers left\n", g_views.count + g_global.count);
        if (g_views.count + g_global.count != 0) {
            printf("dlopen-unload: observers left after the unload: FAILED\n");
            return 1;
        }
        notifyAll(&g_views);
        notifyAll(&g_global);
    }
    printf("dlopen-unload: loaded, run and unloaded twice\n");
    return 0;
}
