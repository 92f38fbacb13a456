/*
 * The dock layout saved and restored across two runs. The first run docks "Watch" on the
 * right, "Log" at the bottom and two memory views on the right, resizes Watch and Log and
 * stores one line per dock window: the host's name for it and the library's record. Both
 * memory views answer the name "Memory": the lines are a list in the sorted order, not a
 * table by name, and their records' captions ("Memory", "Memory_1") tell them apart. The
 * second run hands each record over just before it makes that dock window (for a memory view,
 * just before it asks the views manager for the view), and does so before QtFrameShow; it
 * then reads the records back and compares them with the stored ones.
 *
 *   layout save FILE [ticks]
 *   layout restore FILE [ticks]
 */
#include "example.h"

#include <tesk/tesk_views.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#define RECORD 256 /* what the library writes into a record buffer, the zero included */
#define MAX_DOCKS 8

static const char *g_file;
static int g_restoring;
static int g_mismatches = -1;
static char g_saved[MAX_DOCKS][RECORD];
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

/* A memory view in a dock window of its own, made by the library. */
static void openMemoryView(void)
{
    MoskBroker *broker = moskGetObjectBroker();
    IGcp_ViewsManager *views = NULL;
    uint64_t view = 0;
    MoskResult result = broker->ops->getComponent(broker, GCP_CATEGORY, GCP_VIEWS_MANAGER_COMPONENT,
                                                  (void **)&views);
    if (!result && views)
        result = views->ops->createViewInNewPane(views, GCP_VIEW_TYPE_MEMORY, 0, &view);
    if (result) {
        fprintf(stderr, "layout: no memory view (code %#x)\n", (unsigned)moskErrorCode(result));
        result->ops->Release(result);
    }
    if (views)
        views->ops->Release(views);
}

static void save(void)
{
    char record[RECORD];
    FILE *out = fopen(g_file, "w");
    int i, count;
    if (!out)
        return;
    QtSortWindowList(EXAMPLE_FRAME); /* records are indexed in that order */
    count = QtDockWindowCount(EXAMPLE_FRAME);
    for (i = 0; i < count; ++i) {
        CuiGetDockWindowPersistanceData(EXAMPLE_FRAME, i, record);
        fprintf(out, "%s\t%s\n", QtReturnKSOTitle(EXAMPLE_FRAME, i), record);
        printf("layout: saved %s\n", record);
    }
    fclose(out);
}

static void compare(void)
{
    char record[RECORD];
    int i;
    QtSortWindowList(EXAMPLE_FRAME);
    g_mismatches = QtDockWindowCount(EXAMPLE_FRAME) == g_savedCount ? 0 : 1;
    for (i = 0; i < g_savedCount; ++i) {
        CuiGetDockWindowPersistanceData(EXAMPLE_FRAME, i, record);
        printf("layout: restored %s\n", record);
        /* A docked window's x and y are the toolkit's; area, line, index and extent count. */
        if (!samePlace(placeOf(record), placeOf(g_saved[i])))
            ++g_mismatches;
        /* Each memory view has its own record again: "Memory" and "Memory_1". */
        if (captionLength(record) != captionLength(g_saved[i]) ||
            strncmp(record, g_saved[i], captionLength(record)) != 0)
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

static int restore(void)
{
    char line[RECORD + 64];
    FILE *in = fopen(g_file, "r");
    if (!in)
        return 0;
    while (g_savedCount < MAX_DOCKS && fgets(line, sizeof line, in)) {
        char *tab = strchr(line, '\t');
        line[strcspn(line, "\n")] = 0;
        if (!tab)
            continue;
        *tab = 0;
        snprintf(g_saved[g_savedCount], RECORD, "%s", tab + 1);
        /* The record waits for the next dock window this main window makes. */
        CuiSetDockWindowPersistanceData(EXAMPLE_FRAME, g_saved[g_savedCount]);
        if (strcmp(line, GCP_VIEW_TYPE_MEMORY) == 0)
            openMemoryView();
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
    if (!exampleStart("layout"))
        return 2;
    if (g_restoring) {
        if (!restore()) {
            fprintf(stderr, "layout: nothing to restore in %s\n", g_file);
            return 2;
        }
    } else {
        QtCreateDocked(0, 0); /* right */
        QtWindowCreate("Watch", &paneArea, 0x2001);
        QtCreateDocked(1, 0); /* bottom */
        QtWindowCreate("Log", &paneArea, 0x2002);
        QtCreateDocked(0, 0);
        openMemoryView();
        QtCreateDocked(0, 0);
        openMemoryView();
    }
    QtFrameShow(); /* applies the records of the dock windows made so far */
    exampleIdle(argc > 3 ? atoi(argv[3]) : 0, &tick);
    ticks = exampleRun();
    if (!g_restoring)
        return ticks >= 6 ? 0 : 1;
    printf("layout: %s\n", g_mismatches == 0 ? "restored as saved" : "NOT restored as saved");
    return g_mismatches == 0 ? 0 : 1;
}
