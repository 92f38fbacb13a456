/*
 * A minimal debugger host in plain C: it starts the library, opens a main window with its
 * menus, docks a register pane and a memory view over its own memory, asks one question and
 * ends through QtShutdown.
 *
 *   c-host [ticks]    ends after that many idle ticks (100 ms each); 0 runs until closed.
 *
 * Build: cc -std=c11 -pedantic host.c $(pkg-config --cflags --libs tesk) -ldl
 * Run:   KSODEBUG_INSTALL=<prefix>/share/tesk ./a.out
 */
#include <tesk/tesk.h>
#include <tesk/tesk_functions.h>
#include <tesk/tesk_menuids.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_views.h>

#include <mosk/mosk.h>

#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define TARGET 1
#define MEMORY_BASE 0x20000000u
#define MEMORY_SIZE 4096u
#define FRAME_CONTEXT ((TeskHandle)0x1001)
#define PANE_BOX ((TeskHandle)0x2001)
#define REGISTER_SET 7u

static uint8_t g_memory[MEMORY_SIZE];
static uint32_t g_registers[4] = {0x11111111u, 0x22222222u, MEMORY_BASE, 0x600000d3u};
static int g_ticks;
/* The tick of the last read of the target's memory: after the first tick, the view read the
 * memory the "target" changed. */
static int g_lastReadTick = -1;
static int g_stopAfter = 30;
static int g_shutdownAsked;

/* ---- the broker objects this host implements --------------------------------------------
 * Each is a static C object: a pointer to its table of operations first. Static objects are
 * never freed, so AddRef and Release only count; QueryInterface hands out the object itself
 * with one more reference for the caller. */

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
    (void)self;
    if (id)
        *id = MOSK_IID_BASE;
    if (v1)
        *v1 = 1;
    if (v2)
        *v2 = 0;
    if (v3)
        *v3 = 0;
    return NULL;
}

static MoskResult fail(uint32_t code)
{
    return moskErrorCreateStandardError(1, code);
}

/* Two event registries: the views' (reached through the event subject below) and the global one
 * the synchronisation window attaches to. The library attaches one observer per event kind. */
#define MAX_OBSERVERS 64
static struct
{
    void *registry;
    int32_t kind;
    MoskObserver *observer;
} g_observers[MAX_OBSERVERS];
static int g_observerCount;

static MoskResult registryQuery(void *self, void **out, uint32_t id, uint32_t version);

static MoskResult attachObserver(void *self, int32_t kind, MoskObserver *observer)
{
    (void)self;
    if (!observer)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    if (g_observerCount == MAX_OBSERVERS)
        return fail(MOSK_ERR_NO_MEMORY);
    g_observers[g_observerCount].registry = self;
    g_observers[g_observerCount].kind = kind;
    g_observers[g_observerCount].observer = observer;
    ++g_observerCount;
    return NULL;
}

static MoskResult detachObserver(void *self, int32_t kind, MoskObserver *observer)
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

static const MoskEventSubjectOps kRegistryOps = {noInfo,        addRef,         release,
                                                 registryQuery, attachObserver, detachObserver};
static MoskEventSubject g_registry = {&kRegistryOps};
static MoskEventSubject g_globalRegistry = {&kRegistryOps};

static MoskResult registryQuery(void *self, void **out, uint32_t id, uint32_t version)
{
    (void)version;
    if (!out)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    if (id != MOSK_IID_BASE && id != MOSK_IID_EVENT_SUBJECT)
        return fail(MOSK_ERR_NO_INTERFACE);
    *out = self;
    return NULL;
}

/* Tells every observer of that kind. The memory views read the target's memory again on the
 * GCP_EVENT_TARGET_UPDATED_* kinds; on GCP_EVENT_REPAINT_* they repaint what they read last. */
static void fireEvent(int32_t kind)
{
    int i;
    for (i = 0; i < g_observerCount; ++i) {
        MoskObserver *observer = g_observers[i].observer;
        if (g_observers[i].registry == &g_registry && g_observers[i].kind == kind) {
            MoskResult result = observer->ops->Notify(observer, kind, 0);
            if (result)
                result->ops->Release(result);
        }
    }
}

static MoskResult unused(void *self)
{
    (void)self;
    return NULL;
}

static MoskResult subjectQuery(void *self, void **out, uint32_t id, uint32_t version);

static MoskResult eventRegistry(void *self, MoskEventSubject **registry)
{
    (void)self;
    if (!registry)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    *registry = &g_registry; /* one reference for the caller: nothing to count here */
    return NULL;
}

static MoskResult currentTarget(void *self, int32_t *target)
{
    (void)self;
    *target = TARGET;
    return NULL;
}

static MoskResult currentId(void *self, uint64_t *id)
{
    (void)self;
    *id = 0; /* 0: every pane follows the current target */
    return NULL;
}

static const IGb_KsoEventSubjectOps kSubjectOps = {
    noInfo,        addRef, release,       subjectQuery, unused,   unused,
    eventRegistry, unused, currentTarget, unused,       currentId};
static IGb_KsoEventSubject g_subject = {&kSubjectOps};

static MoskResult subjectQuery(void *self, void **out, uint32_t id, uint32_t version)
{
    (void)version;
    if (!out)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    if (id != MOSK_IID_BASE && id != GB_IID_KSO_EVENT_SUBJECT)
        return fail(MOSK_ERR_NO_INTERFACE);
    *out = self;
    return NULL;
}

/* The memory-access component over g_memory. */

static int inRange(const TeskMemoryAddress *address, uint32_t length)
{
    return address && address->offset >= MEMORY_BASE &&
           address->offset - MEMORY_BASE <= MEMORY_SIZE &&
           length <= MEMORY_SIZE - (address->offset - MEMORY_BASE);
}

static MoskResult memoryQuery(void *self, void **out, uint32_t id, uint32_t version);

static MoskResult readMemory(void *self, int32_t target, const TeskMemoryAddress *address,
                             uint32_t length, int32_t mode, uint32_t *info, const uint8_t **data,
                             TeskMemoryRun *runs, uint32_t *runCount, intptr_t flags)
{
    static uint8_t outside[TESK_MEMORY_READ_CHUNK];
    (void)self, (void)target, (void)mode, (void)info, (void)flags;
    if (!data || !runs || !runCount || *runCount < 1 || length > TESK_MEMORY_READ_CHUNK)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    memset(&runs[0], 0, sizeof runs[0]);
    runs[0].count = length;
    if (inRange(address, length)) {
        *data = g_memory + (address->offset - MEMORY_BASE);
        runs[0].attribute = TESK_MEMORY_CHANGE_TRACKED;
        g_lastReadTick = g_ticks;
    } else {
        /* Memory the target does not have: shown as stars, never edited. */
        *data = outside;
        runs[0].attribute = TESK_MEMORY_UNAVAILABLE;
    }
    *runCount = 1;
    return NULL;
}

static MoskResult writeMemory(void *self, TeskHandle window, int32_t target,
                              const TeskMemoryAddress *address, int32_t zero, intptr_t count,
                              intptr_t bytes, uint32_t *result)
{
    (void)self, (void)window, (void)target, (void)zero;
    if (count < 0 || !bytes || !inRange(address, (uint32_t)count))
        return fail(MOSK_ERR_FAILED);
    memcpy(g_memory + (address->offset - MEMORY_BASE), (const void *)bytes, (size_t)count);
    if (result)
        *result = 0;
    printf("c-host: %ld bytes written at %#x\n", (long)count, (unsigned)address->offset);
    return NULL;
}

static MoskResult fillMemory(void *self, TeskHandle window, int32_t target,
                             const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                             uint32_t length, int32_t fillSize, const char *expression)
{
    (void)self, (void)window, (void)target, (void)first, (void)last, (void)length, (void)fillSize,
        (void)expression;
    return fail(MOSK_ERR_FAILED);
}

static MoskResult formatLists(void *self, int32_t target, MoskOStream *ids, MoskOStream *names)
{
    (void)self, (void)target;
    if (ids)
        ids->ops->setText(ids, "");
    if (names)
        names->ops->setText(names, "");
    return NULL;
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

static MoskResult addressToText(void *self, int32_t target, const TeskMemoryAddress *address,
                                MoskOStream *text)
{
    char buffer[16];
    (void)self, (void)target;
    if (!address || !text)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    snprintf(buffer, sizeof buffer, "0x%08X", (unsigned)address->offset);
    return text->ops->setText(text, buffer);
}

static MoskResult textToAddress(void *self, int32_t target, const char *text,
                                TeskMemoryAddress *address)
{
    char *end = NULL;
    unsigned long value;
    (void)self, (void)target;
    if (!text || !address)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    value = strtoul(text, &end, 0);
    if (end == text || value > 0xFFFFFFFFul)
        return fail(MOSK_ERR_FAILED);
    address->offset = (uint32_t)value;
    address->space = 0;
    return NULL;
}

static MoskResult byteOrderAt(void *self, int32_t target, const TeskMemoryAddress *address,
                              uint8_t *bigEndian)
{
    (void)self, (void)target, (void)address;
    *bigEndian = 0;
    return NULL;
}

static MoskResult accessSize(void *self, int32_t target, const TeskMemoryAddress *address,
                             int32_t *size)
{
    (void)self, (void)target, (void)address;
    *size = 4;
    return NULL;
}

static MoskResult runningAccess(void *self, int32_t target, uint8_t *supported)
{
    (void)self, (void)target;
    *supported = 1;
    return NULL;
}

static MoskResult targetName(void *self, int32_t target, MoskOStream *name)
{
    (void)self, (void)target;
    return name ? name->ops->setText(name, "C host") : NULL;
}

static MoskResult breakpoint(void *self, TeskHandle window, int32_t target,
                             const TeskMemoryAddress *first, const TeskMemoryAddress *last,
                             int32_t zero)
{
    (void)self, (void)window, (void)target, (void)first, (void)last, (void)zero;
    return fail(MOSK_ERR_FAILED);
}

static MoskResult rangeOf(void *self, int32_t target, const TeskMemoryAddress *address,
                          TeskMemoryAddress *start, uint32_t *length)
{
    (void)self, (void)target, (void)address;
    start->offset = MEMORY_BASE;
    start->space = 0;
    *length = MEMORY_SIZE;
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
    noInfo,      addRef,      release,       memoryQuery,   readMemory,  writeMemory, fillMemory,
    formatLists, disassemble, addressToText, textToAddress, byteOrderAt, accessSize,  runningAccess,
    targetName,  breakpoint,  unused,        rangeOf,       offsetInto};
static IGb_MemoryAccess g_memoryAccess = {&kMemoryOps};

static MoskResult memoryQuery(void *self, void **out, uint32_t id, uint32_t version)
{
    (void)version;
    if (!out)
        return fail(MOSK_ERR_BAD_ARGUMENT);
    if (id != MOSK_IID_BASE && id != TESK_IID_MEMORY_ACCESS)
        return fail(MOSK_ERR_NO_INTERFACE);
    *out = self;
    return NULL;
}

/* ---- the register pane ----------------------------------------------------------------- */

static char g_valueText[4 * 24];

static void sendRegisters(void)
{
    RegLineBlock block;
    RegDataRecord update;
    snprintf(g_valueText, sizeof g_valueText,
             "R0      %08X\nR1      %08X\nSP      %08X\nCPSR    %08X", (unsigned)g_registers[0],
             (unsigned)g_registers[1], (unsigned)g_registers[2], (unsigned)g_registers[3]);
    block.firstLine = 0;
    block.lineCount = 4;
    block.text = g_valueText;
    memset(&update, 0, sizeof update);
    update.lineBlocks = &block;
    update.blockCount = 1;
    update.highlight = 1;
    CuiRegPaneDataUpdate(REGISTER_SET, &update);
}

static void describeRegisters(void)
{
    static const char *const names[] = {"R0", "R1", "SP", "CPSR"};
    RegDataRecord record;
    int16_t i;
    CuiRegPaneDataCreate(REGISTER_SET);
    memset(&record, 0, sizeof record);
    record.kind = REG_RECORD_ITEM;
    record.name = "Core";
    record.flags = REG_FLAG_VIEW;
    CuiRegPaneDataAdd(REGISTER_SET, &record);
    for (i = 0; i < 4; ++i) {
        memset(&record, 0, sizeof record);
        record.kind = REG_RECORD_ITEM;
        record.name = names[i];
        record.type = REG_TYPE_RADIX_16;
        record.line = i;
        record.column = 8;
        record.width = 8;
        record.hostWord = (uintptr_t)i + 1; /* 0 would be indistinguishable from "none" */
        CuiRegPaneDataAdd(REGISTER_SET, &record);
    }
    CuiRegPaneSetNumLines(REGISTER_SET, 4);
}

/* Called from the library's loop; calling back into the library from here is allowed. */
static int registerPaneHandler(uint32_t operation, uintptr_t hostWord, const char *text,
                               uintptr_t context, uint32_t reserved)
{
    (void)context, (void)reserved;
    switch (operation) {
    case REG_OP_DATA_UPDATE:
        sendRegisters();
        break;
    case REG_OP_SET_VALUE:
        if (hostWord >= 1 && hostWord <= 4 && text) {
            g_registers[hostWord - 1] = (uint32_t)strtoul(text, NULL, 16);
            sendRegisters();
        }
        break;
    case REG_OP_MAY_CHANGE:
        break; /* leave the word at 1: every register may change */
    default:
        printf("c-host: register operation %u\n", (unsigned)operation);
        break;
    }
    return 0;
}

static void paneArea(TeskHandle box, int *rect, int reason)
{
    (void)box, (void)rect, (void)reason;
}

static void openRegisterPane(void)
{
    TeskHandle pane;
    void *dock;
    describeRegisters();
    sendRegisters();
    pane = CuiRegPaneCreate(&registerPaneHandler);
    CuiRegPaneDataSet(REGISTER_SET, pane, NULL, NULL, "C host");
    QtCreateDocked(0, 0); /* the next dock window goes right; without it, it floats */
    dock = CuiWindowCreateQtPane("Registers", (void *)pane, &paneArea, PANE_BOX);
    printf("c-host: register pane %s\n", dock ? "docked" : "NOT docked");
}

/* ---- the memory view ------------------------------------------------------------------- */

static void openMemoryView(void)
{
    MoskBroker *broker = moskGetObjectBroker();
    MoskBase *component = NULL;
    IGcp_ViewsManager *views = NULL;
    TeskMemoryAddress start = {MEMORY_BASE, 0};
    MoskResult result = broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT,
                                                  (void **)&component);
    if (result || !component) {
        printf("c-host: no views manager\n");
        if (result)
            result->ops->Release(result);
        return;
    }
    result = component->ops->QueryInterface(component, (void **)&views, GCP_IID_VIEWS_MANAGER, 0);
    component->ops->Release(component);
    if (result || !views) {
        if (result)
            result->ops->Release(result);
        return;
    }
    result = views->ops->openView(views, GCP_VIEW_TYPE_MEMORY, 0, &start, 0);
    printf("c-host: memory view %s at %#x\n", result ? "FAILED" : "opened", MEMORY_BASE);
    if (result)
        result->ops->Release(result);
    views->ops->Release(views);
}

/* ---- menus, idle, start and end -------------------------------------------------------- */

static void menuAboutToShow(TeskHandle context, TeskHandle windowId, void *data)
{
    (void)context, (void)windowId, (void)data;
}

static void menuActivated(TeskHandle context, int hostId, void *data)
{
    (void)data;
    printf("c-host: menu item %d%s in window %#lx\n", hostId,
           hostId == TESK_MENU_MAIN_RUN ? " (Run)" : "", (unsigned long)context);
}

static int menuCycle(TeskHandle context, int hostId, int entry, const char **text)
{
    (void)context, (void)hostId, (void)entry;
    if (text)
        *text = "";
    return 0;
}

/* A host that loads the library at run time (dlopen("libtesk.so")) finds every export this
 * way; this one links it, so dlopen of the soname answers the copy already loaded. */
static void setStatusThroughDlsym(const char *text)
{
    void *library = dlopen(TESK_SONAME, RTLD_NOW);
    void *symbol = library ? dlsym(library, "CuiSetStatusText") : NULL;
    PFN_CuiSetStatusText setStatusText;
    if (!symbol) {
        printf("c-host: CuiSetStatusText not resolved through dlsym: FAILED\n");
        if (library)
            dlclose(library);
        return;
    }
    /* ISO C has no cast from an object pointer to a function pointer: POSIX's copy instead. */
    memcpy(&setStatusText, &symbol, sizeof setStatusText);
    setStatusText(FRAME_CONTEXT, 2, text, NULL);
    printf("c-host: status text set through dlsym\n");
    dlclose(library);
}

static void idle(void)
{
    size_t i;
    ++g_ticks;
    /* The "target" runs: memory and registers change, and the views are told. */
    for (i = 0; i < 16; ++i)
        ++g_memory[i];
    ++g_registers[0];
    sendRegisters();
    fireEvent(GCP_EVENT_TARGET_UPDATED_0);
    if (g_stopAfter > 0 && g_ticks >= g_stopAfter && !g_shutdownAsked) {
        g_shutdownAsked = 1;
        QtShutdown();
    }
}

int main(int argc, char **argv)
{
    MoskBroker *broker = moskGetObjectBroker();
    MoskResult result;
    CuiFrameRecord record = {1, 0, 0, 0};
    char commandLine[] = "";
    size_t i;
    int answer;

    setvbuf(stdout, NULL, _IOLBF, 0);
    if (argc > 1)
        g_stopAfter = atoi(argv[1]);
    for (i = 0; i < MEMORY_SIZE; ++i)
        g_memory[i] = (uint8_t)i;

    /* The host's components first: the library subscribes to both event subjects while it
     * registers its own, and its registration fails without the global one. */
    result = broker->ops->registerComponent(broker, GB_EVENT_SUBJECT_CATEGORY,
                                            GB_KSO_EVENT_SUBJECT_COMPONENT, &g_subject);
    if (!result)
        result = broker->ops->registerComponent(broker, GCDS_CATEGORY, GCDS_EVENT_SUBJECT_COMPONENT,
                                                &g_globalRegistry);
    if (!result)
        result = broker->ops->registerComponent(broker, TESK_MEMORY_ACCESS_CATEGORY,
                                                TESK_MEMORY_ACCESS_COMPONENT, &g_memoryAccess);
    if (!result)
        result = moskInitialisePlugin((MoskRegistrar *)broker);
    if (result) {
        fprintf(stderr, "c-host: registration failed (code %#x)\n",
                (unsigned)moskErrorCode(result));
        result->ops->Release(result);
        return 2;
    }
    if (!CuiQtInit_WinEx("c-host", commandLine)) {
        fprintf(stderr, "c-host: start-up declined\n");
        return 3;
    }
    printf("c-host: library %s started\n", TESK_VERSION_STRING);

    QtCreateNewCode(1); /* without it QtFrameCreate makes no window and answers 0 */
    if (!QtFrameCreate("Debugger", FRAME_CONTEXT, &record)) {
        fprintf(stderr, "c-host: no main window\n");
        return 4;
    }
    printf("c-host: menu callbacks %s\n",
           QtRegisterMenuCB(&menuAboutToShow, &menuActivated, &menuCycle, FRAME_CONTEXT)
               ? "registered"
               : "refused");
    QtCreateNewCode(0);
    QtFrameShow();
    setStatusThroughDlsym("C host ready");

    openRegisterPane();
    openMemoryView();

    /* The box runs a loop of its own until answered (0 at once with KSODEBUG_SUPPRESS_PROMPTS). */
    answer = CuiMessagePrompt(0, "C host", "Start the target?", 2, CUI_MB_YES | CUI_MB_DEFAULT,
                              CUI_MB_NO | CUI_MB_ESCAPE, 0);
    printf("c-host: the question was answered %d\n", answer);

    CuiCreateIdleObject();
    if (CuiRegisterIdleFunc(&idle) != 0)
        printf("c-host: the idle function was not registered: FAILED\n");
    CuiRun();
    CuiDeleteIdleObject();
    if (g_ticks > 1 && g_lastReadTick < 1)
        printf("c-host: the memory view never read the memory the target changed: FAILED\n");
    else if (g_ticks > 1)
        printf("c-host: the memory view read the target's memory at tick %d\n", g_lastReadTick);
    printf("c-host: stopped after %d idle ticks\n", g_ticks);
    return g_ticks > 0 ? 0 : 1;
}
