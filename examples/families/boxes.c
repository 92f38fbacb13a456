/*
 * A box and a chooser. Each runs a loop of its own until answered; the idle object keeps
 * ticking meanwhile. Given a number of ticks, the example ends the question after that many:
 * QtShutdown ends the loop of an open box, which then answers as if cancelled. The loop
 * runs only from exampleRun on: until then the shutdown waits for CuiRun, and a question asked
 * meanwhile would show and wait for its user, so an unattended run asks one.
 *
 *   boxes                  asks both; the user answers
 *   boxes box|list ticks   asks one and ends it after that many ticks
 */
#include "example.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static int g_tick;

static void tick(int n)
{
    g_tick = n;
}

int main(int argc, char **argv)
{
    int positions[3] = {-1, -1, -1};
    int count = 0, answer, before, i;
    const char *only = argc > 2 ? argv[1] : "";
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (!exampleStart("boxes"))
        return 2;
    QtFrameShow();
    exampleIdle(argc > 2 ? atoi(argv[2]) : 0, &tick);

    /* Buttons: a code in the low byte; CUI_MB_DEFAULT marks Enter's, CUI_MB_ESCAPE the one
       Escape and closing the box answer. */
    if (strcmp(only, "list") != 0) {
        before = g_tick;
        answer = CuiMessagePrompt(0, "Example", "Erase the flash before loading?", 2,
                                  CUI_MB_YES | CUI_MB_DEFAULT, CUI_MB_NO | CUI_MB_ESCAPE, 0);
        printf("boxes: the box was up for %d ticks and answered %d\n", g_tick - before, answer);
    }

    /* A check list: '=' ticks an entry; OK writes the ticked positions, at most three here. */
    if (strcmp(only, "box") != 0) {
        before = g_tick;
        answer = CuiSimpleList(0, "Synchronise", "Cores to start and stop together:",
                               "=core 0\ncore 1\n=core 2\ncore 3\n", positions, 3, &count, 1, 0);
        printf("boxes: the chooser was up for %d ticks and answered %d with %d positions:",
               g_tick - before, answer, count);
        for (i = 0; i < count && i < 3; ++i)
            printf(" %d", positions[i]);
        printf("\n");
    }

    printf("boxes: %d ticks\n", exampleRun());
    return 0;
}
