/*
 * The dock layout saved and restored across two runs. The first run docks "Watch" on the
 * right, "Log" at the bottom and two memory views on the right, each opened at an address of
 * its own, resizes Watch and Log and stores one line per dock window: the host's name for it,
 * the library's record and, for a memory view, the view's settings (its address). Both memory
 * views answer the name "Memory": the lines are a list in the sorted order, not a table by
 * name. A memory view is found by its dock window's index: CuiGetDockForMultipleViewId answers
 * its pane, whose view the views manager finds by id. The second run hands each record over
 * just before it makes that dock window (for a memory view, just before it asks the views
 * manager for the view, with the view's settings), and does so before QtFrameShow; it then
 * reads records and settings back and compares them with the stored ones.
 *
 *   layout save FILE [ticks]
 *   layout restore FILE [ticks]
 */
#include "example.h"

#include <tesk/tesk_facade.h>
#include <tesk/tesk_views.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define RECORD 256 /* what the library writes into a record buffer, the zero included */
#define SETTINGS 512
#define MAX_DOCKS 8

static const char *g_file;
static int g_restoring;
static int g_mismatches = -1;
static char g_saved[MAX_DOCKS][RECORD];
static char g_savedSettings[MAX_DOCKS][SETTINGS];
static int g_savedCount;

static void paneArea(TeskHandle box, int *rect, int reason)
{
    (void)box, (void)rect, (void)reason;
}

/* A record is "caption:area:newLine:index:x:y:width:height:visible:goto"; the caption may hold
   ':', so the nine numbers are read from the right. */
typedef struct Place
{
    int area, newLine, index, x, y, width, height, visible, gotoFlag;
} Place;

static Place placeOf(const char *record)
{
    Place p = {4, 0, -1, 0, 0, 0, 0, 1, 0};
    int colons = 0;
    const char *at = record + strlen(record);
    while (at > record && colons < 9)
        colons += *--at == ':';
    sscanf(at, ":%d:%d:%d:%d:%d:%d:%d:%d:%d", &p.area, &p.newLine, &p.index, &p.x, &p.y, &p.width,
           &p.height, &p.visible, &p.gotoFlag);
    return p;
}

/* The caption's length: what stands before the nine numbers. */
static size_t captionLength(const char *record)
{
    int colons = 0;
    const char *at = record + strlen(record);
    while (at > record && colons < 9)
        colons += *--at == ':';
    return (size_t)(at - record);
}

/* Within a few pixels: the toolkit rounds extents to its splitters. */
static int samePlace(Place a, Place b)
{
    int extent = a.area == 3 ? a.height - b.height : a.width - b.width;
    return a.area == b.area && a.newLine == b.newLine && a.index == b.index &&
           a.visible == b.visible && extent >= -4 && extent <= 4;
}

static IGcp_ViewsManager *viewsManager(void)
{
    MoskBroker *broker = moskGetObjectBroker();
    MoskBase *component = NULL;
    IGcp_ViewsManager *views = NULL;
    MoskResult result = broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT,
                                                  (void **)&component);
    if (!result)
        result =
            component->ops->QueryInterface(component, (void **)&views, GCP_IID_VIEWS_MANAGER, 0);
    if (component)
        component->ops->Release(component);
    if (result) {
        fprintf(stderr, "layout: no views manager (code %#x)\n", (unsigned)moskErrorCode(result));
        result->ops->Release(result);
    }
    return views;
}

static void check(MoskResult result, const char *what)
{
    if (!result)
        return;
    fprintf(stderr, "layout: %s failed (code %#x)\n", what, (unsigned)moskErrorCode(result));
    result->ops->Release(result);
}

/* The first run: a memory view at the address, in a dock window of its own that the library
   makes. openView answers no view: the host finds it again through its dock window. */
static void openMemoryViewAt(uint32_t offset)
{
    IGcp_ViewsManager *views = viewsManager();
    TeskMemoryAddress address = {EXAMPLE_MEMORY_BASE + offset, 0};
    if (!views)
        return;
    check(views->ops->openView(views, GCP_VIEW_TYPE_MEMORY, 0, &address, 0), "openView");
    views->ops->Release(views);
}

/* The second run: the view made again from its stored settings, at its stored address. */
static void restoreMemoryView(const char *settings)
{
    IGcp_ViewsManager *views = viewsManager();
    uint64_t view = 0;
    if (!views)
        return;
    check(views->ops->createView(views, GC_NO_ID, GCP_VIEW_TYPE_MEMORY, settings, 0, &view),
          "createView");
    views->ops->Release(views);
}

/* The settings of the memory view in the dock window at index i of the sorted list; empty for
   a dock window of the host's own. The dock window holds a pane, the pane the view. */
static void settingsOfDock(int i, char *settings)
{
    uint64_t pane = CuiGetDockForMultipleViewId(EXAMPLE_FRAME, i), view = GC_NO_ID;
    IGcp_ViewsManager *views = pane == GC_NO_ID ? NULL : viewsManager();
    IGc_Pane *holder = NULL;
    IGc_Window *window = NULL;
    IGc_View *memoryView = NULL;
    settings[0] = 0;
    if (!views)
        return;
    check(views->ops->getWindow(views, pane, &holder), "getWindow");
    if (holder) {
        check(holder->ops->firstView(holder, &view), "firstView");
        holder->ops->Release(holder);
    }
    if (view != GC_NO_ID)
        check(views->ops->findWindow(views, view, &window), "findWindow");
    if (window) {
        check(window->ops->QueryInterface(window, (void **)&memoryView, GC_IID_VIEW, 0),
              "QueryInterface");
        window->ops->Release(window);
    }
    if (memoryView) {
        MoskValue *text = moskValueCreate(NULL);
        const char *value = "";
        check(memoryView->ops->saveSettings(memoryView, text), "saveSettings");
        check(text->ops->getText(text, &value), "getText");
        snprintf(settings, SETTINGS, "%s", value);
        text->ops->Release(text);
        memoryView->ops->Release(memoryView);
    }
    views->ops->Release(views);
}

static void save(void)
{
    char record[RECORD], settings[SETTINGS];
    FILE *out = fopen(g_file, "w");
    int i, count;
    if (!out)
        return;
    QtSortWindowList(EXAMPLE_FRAME); /* records are indexed in that order */
    count = QtDockWindowCount(EXAMPLE_FRAME);
    for (i = 0; i < count; ++i) {
        CuiGetDockWindowPersistanceData(EXAMPLE_FRAME, i, record);
        settingsOfDock(i, settings);
        fprintf(out, "%s\t%s\t%s\n", QtReturnKSOTitle(EXAMPLE_FRAME, i), record, settings);
        printf("layout: saved %s %s\n", record, settings);
    }
    fclose(out);
}

static void compare(void)
{
    char record[RECORD], settings[SETTINGS];
    int i;
    QtSortWindowList(EXAMPLE_FRAME);
    g_mismatches = QtDockWindowCount(EXAMPLE_FRAME) == g_savedCount ? 0 : 1;
    for (i = 0; i < g_savedCount; ++i) {
        CuiGetDockWindowPersistanceData(EXAMPLE_FRAME, i, record);
        settingsOfDock(i, settings);
        printf("layout: restored %s %s\n", record, settings);
        /* A docked window's x and y are the toolkit's; area, line, index and extent count. */
        if (!samePlace(placeOf(record), placeOf(g_saved[i])))
            ++g_mismatches;
        /* Each memory view has its own record again: "Memory" and "Memory_1". */
        if (captionLength(record) != captionLength(g_saved[i]) ||
            strncmp(record, g_saved[i], captionLength(record)) != 0)
            ++g_mismatches;
        /* ... and its own address, in the dock window its record placed. */
        if (strcmp(settings, g_savedSettings[i]) != 0)
            ++g_mismatches;
    }
}

static void tick(int n)
{
    if (n == 3 && !g_restoring) {
        /* The user widens Watch and heightens Log; the records keep the new extents. */
        QtResizePosWindow(0x2001, 0, 0, 360, 200);
        QtResizePosWindow(0x2002, 0, 0, 600, 150);
    }
    if (n == 6)
        g_restoring ? compare() : save();
}

/* One line: the host's name, a tab, the record, a tab, the view's settings (empty for a dock
   window of the host's own). */
static int restore(void)
{
    char line[RECORD + SETTINGS + 64];
    FILE *in = fopen(g_file, "r");
    if (!in)
        return 0;
    while (g_savedCount < MAX_DOCKS && fgets(line, sizeof line, in)) {
        char *record = strchr(line, '\t'), *settings = record ? strchr(record + 1, '\t') : NULL;
        line[strcspn(line, "\n")] = 0;
        if (!settings)
            continue;
        *record++ = 0;
        *settings++ = 0;
        snprintf(g_saved[g_savedCount], RECORD, "%s", record);
        snprintf(g_savedSettings[g_savedCount], SETTINGS, "%s", settings);
        /* The record waits for the next dock window this main window makes. */
        CuiSetDockWindowPersistanceData(EXAMPLE_FRAME, record);
        if (strcmp(line, GCP_VIEW_TYPE_MEMORY) == 0)
            restoreMemoryView(settings);
        else
            QtWindowCreate(line, &paneArea, strcmp(line, "Watch") == 0 ? 0x2001 : 0x2002);
        ++g_savedCount;
    }
    fclose(in);
    return g_savedCount;
}

int main(int argc, char **argv)
{
    int ticks;
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (argc < 3 || (strcmp(argv[1], "save") != 0 && strcmp(argv[1], "restore") != 0)) {
        fprintf(stderr, "usage: layout save|restore FILE [ticks]\n");
        return 2;
    }
    g_file = argv[2];
    g_restoring = strcmp(argv[1], "restore") == 0;
    if (!exampleStart("layout") || !exampleRegisterMemory())
        return 2;
    if (g_restoring) {
        if (!restore()) {
            fprintf(stderr, "layout: nothing to restore in %s\n", g_file);
            return 2;
        }
    } else {
        /* Made in another order than the sorted one: Log comes second in it. */
        QtCreateDocked(0, 0); /* right */
        QtWindowCreate("Watch", &paneArea, 0x2001);
        QtCreateDocked(0, 0);
        openMemoryViewAt(0x100);
        QtCreateDocked(0, 0);
        openMemoryViewAt(0x800);
        QtCreateDocked(1, 0); /* bottom */
        QtWindowCreate("Log", &paneArea, 0x2002);
    }
    QtFrameShow(); /* applies the records of the dock windows made so far */
    exampleIdle(argc > 3 ? atoi(argv[3]) : 0, &tick);
    ticks = exampleRun();
    if (!g_restoring)
        return ticks >= 6 ? 0 : 1;
    printf("layout: %s\n", g_mismatches == 0 ? "restored as saved" : "NOT restored as saved");
    return g_mismatches == 0 ? 0 : 1;
}
