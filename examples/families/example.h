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

/* The host's memory: 4 KiB at EXAMPLE_MEMORY_BASE with an unreadable hole at +0x40..+0x7F,
   behind the memory-access component the views read through. The target is named
   "Example target" and its addresses are written as 0x%08X. */
#define EXAMPLE_MEMORY_BASE 0x20000000u
#define EXAMPLE_MEMORY_SIZE 4096u
/* Registers the component (before or after start-up: the views ask for it when they first
   need memory) and fills the memory; 0 when the broker refused it. */
int exampleRegisterMemory(void);
uint8_t *exampleMemory(void);
/* Called for every read a view makes, with its offset from the base and its length. */
typedef void (*ExampleReadFn)(uint32_t offset, uint32_t length);
void exampleWatchReads(ExampleReadFn watch);

/* The first number argument, or the fallback. */
int exampleTicks(int argc, char **argv, int fallback);

#endif
