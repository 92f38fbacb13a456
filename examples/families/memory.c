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

#define BASE EXAMPLE_MEMORY_BASE
#define READ_AGAIN GCP_EVENT_TARGET_UPDATED_0 /* 13: the views read memory again */

static int g_reads;
static int g_stopAfter;
static unsigned g_seen = 0xFFFFu; /* the first byte as the view last read it */

static void onRead(uint32_t offset, uint32_t length)
{
    (void)length;
    ++g_reads;
    if (offset == 0)
        g_seen = exampleMemory()[0];
}

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
        exampleMemory()[0] = (uint8_t)n;
        exampleNotify(READ_AGAIN);
    }
}

int main(int argc, char **argv)
{
    uint8_t *memory = exampleMemory();
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (!exampleStart("memory"))
        return 2;
    /* Asked for the first time a view needs memory: registering after start-up is fine. */
    if (!exampleRegisterMemory())
        return 2;
    memory[0] = 0;
    exampleWatchReads(&onRead);
    QtFrameShow();
    printf("memory: view %s\n", openView() ? "opened" : "NOT opened");
    g_stopAfter = exampleTicks(argc, argv, 0);
    exampleIdle(g_stopAfter, &tick);
    exampleRun();
    printf("memory: %d reads; the view last read %#x, memory holds %#x: %s\n", g_reads, g_seen,
           memory[0], g_seen == memory[0] ? "the change is shown" : "the change is NOT shown");
    return g_seen == memory[0] ? 0 : 1;
}
