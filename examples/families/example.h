/*
 * What the family examples share: the two event subjects a host registers before the plug-in
 * entry, start-up up to a hidden main window, telling the views of an event, and the loop with
 * an idle tick that ends it.
 */
#ifndef EXAMPLE_H
#define EXAMPLE_H

#include <tesk/tesk.h>

#include <mosk/mosk.h>

#define EXAMPLE_FRAME ((TeskHandle)0x1001)

/* Registers the host's components, starts the library and creates the main window (hidden:
   layout records and menus come before QtFrameShow). 0 when any step failed, said on stderr. */
int exampleStart(const char *name);

/* Called every idle tick (100 ms) with the tick's number, from 1 on. */
typedef void (*ExampleTickFn)(int tick);

/* Creates the idle object with the tick function; from stopAfter ticks on (when > 0) every
   tick asks the loop to end. Before a box or dialog, so that ticks come while it waits. */
void exampleIdle(int stopAfter, ExampleTickFn tick);

/* Runs the loop until QtShutdown (or the window is closed) and releases the broker's
   components. Answers the number of ticks. */
int exampleRun(void);

/* Notifies every observer the library attached to that event kind of the views' subject. */
void exampleNotify(int32_t kind);

/* A failure of a broker call as the library expects it: an error object it releases. */
MoskResult exampleFail(uint32_t code);

/* The first number argument, or the fallback. */
int exampleTicks(int argc, char **argv, int fallback);

#endif
