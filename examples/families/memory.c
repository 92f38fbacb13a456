/*
 * A memory view over the host's own 4 KiB with an unreadable hole at 0x20000040..0x2000007F.
 * Every tick the first word changes and the host notifies event kind 13: kinds 13, 14, 20 and
 * 26 make a view read memory again, while 5, 15 and 16 only repaint from what it read before
 * (tesk_views.h). The example ends by checking that the view read the last change.
 *
 *   memory [ticks]
 */
#include "example.h"

#include <tesk/tesk_memoryaccess.h>
#include <tesk/tesk_views.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define BASE 0x20000000u
#define SIZE 4096u
#define HOLE_START 0x40u
#define HOLE_END 0x80u
#define READ_AGAIN GCP_EVENT_TARGET_UPDATED_0 /* 13: the views read memory again */

static uint8_t g_memory[SIZE];
static int g_reads;
static int g_stopAfter;
static unsigned g_seen = 0xFFFFu; /* the first byte as the view last read it */

static uint32_t addRef(void *self)
{
    (void)self;
    return 1;
}

static MoskResult info(void *self, uint32_t *id, uint32_t *v1, uint32_t *v2, uint32_t *v3)
{
    (void)self, (void)id, (void)v1, (void)v2, (void)v3;
    return NULL;
}

static MoskResult query(void *self, void **out, uint32_t id, uint32_t version)
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
    ++g_reads;
    if (at == 0)
        g_seen = g_memory[0];
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
    exampleNotify(READ_AGAIN);
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

static MoskResult name(void *self, int32_t target, MoskOStream *text)
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

static MoskResult nothing(void *self)
{
    (void)self;
    return NULL;
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

static const IGb_MemoryAccessOps kOps = {
    info,    addRef,      addRef,  query,    readMemory,   writeMemory, fill,
    formats, disassemble, toText,  fromText, littleEndian, words,       whileRunning,
    name,    breakpoint,  nothing, rangeOf,  offsetInto};
static IGb_MemoryAccess g_access = {&kOps};

static int openView(void)
{
    MoskBroker *broker = moskGetObjectBroker();
    MoskBase *component = NULL;
    IGcp_ViewsManager *views = NULL;
    TeskMemoryAddress start = {BASE, 0};
    MoskResult result = broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT,
                                                  (void **)&component);
    if (!result)
        result =
            component->ops->QueryInterface(component, (void **)&views, GCP_IID_VIEWS_MANAGER, 0);
    if (component)
        component->ops->Release(component);
    if (!result)
        result = views->ops->openView(views, GCP_VIEW_TYPE_MEMORY, 0, &start, 0);
    if (views)
        views->ops->Release(views);
    if (result)
        result->ops->Release(result);
    return result == NULL;
}

static void tick(int n)
{
    /* The target writes memory; the last ticks leave the view time to read it. */
    if (g_stopAfter == 0 || n + 3 <= g_stopAfter) {
        g_memory[0] = (uint8_t)n;
        exampleNotify(READ_AGAIN);
    }
}

int main(int argc, char **argv)
{
    MoskBroker *broker = moskGetObjectBroker();
    MoskResult result;
    unsigned i;
    setvbuf(stdout, NULL, _IOLBF, 0);
    for (i = 0; i < SIZE; ++i)
        g_memory[i] = (uint8_t)(i * 7);
    g_memory[0] = 0;
    if (!exampleStart("memory"))
        return 2;
    /* Asked for the first time a view needs memory: registering after start-up is fine. */
    result = broker->ops->registerComponent(broker, TESK_MEMORY_ACCESS_CATEGORY,
                                            TESK_MEMORY_ACCESS_COMPONENT, &g_access);
    if (result) {
        result->ops->Release(result);
        return 2;
    }
    QtFrameShow();
    printf("memory: view %s\n", openView() ? "opened" : "NOT opened");
    g_stopAfter = exampleTicks(argc, argv, 0);
    exampleIdle(g_stopAfter, &tick);
    exampleRun();
    printf("memory: %d reads; the view last read %#x, memory holds %#x: %s\n", g_reads, g_seen,
           g_memory[0], g_seen == g_memory[0] ? "the change is shown" : "the change is NOT shown");
    return g_seen == g_memory[0] ? 0 : 1;
}
