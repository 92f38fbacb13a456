/* Main windows: choosing the kind of the next frame, creating and showing it; the splash. */
#ifndef TESK_FRAME_H
#define TESK_FRAME_H

#include <tesk/tesk_global.h>

#include <stddef.h>

/* The host's record handed to QtFrameCreate: four 32-bit words. */
typedef struct CuiFrameRecord
{
    int32_t encodingChoice;  /* 1: the window's editor toolbars offer a choice of encoding */
    int32_t reserved;        /* not read */
    int32_t initialEncoding; /* the encoding the find toolbar starts with */
    int32_t result;          /* set to 0 by QtFrameCreate */
} CuiFrameRecord;

#ifdef __cplusplus
static_assert(sizeof(CuiFrameRecord) == 16, "CuiFrameRecord is four 32-bit words");
static_assert(offsetof(CuiFrameRecord, initialEncoding) == 8, "CuiFrameRecord word 2");
static_assert(offsetof(CuiFrameRecord, result) == 12, "CuiFrameRecord word 3");
#else
TESK_STATIC_ASSERT(sizeof(CuiFrameRecord) == 16, "CuiFrameRecord is four 32-bit words");
TESK_STATIC_ASSERT(offsetof(CuiFrameRecord, initialEncoding) == 8, "CuiFrameRecord word 2");
TESK_STATIC_ASSERT(offsetof(CuiFrameRecord, result) == 12, "CuiFrameRecord word 3");
#endif

/* Whether the next QtFrameCreate builds a window, and of which kind. */
TESK_EXPORT void QtCreateNewCode(int flag);
TESK_EXPORT void QtCreateNewSpr(int flag);
TESK_EXPORT void QtCreateNewEditor(int flag);

/* Builds the requested window, hidden, named "Analysis", "Settings Window" or anything else
   (the main window); frameContext identifies it to the host from then on. Returns the native
   window handle of the current main window, 0 when there is none. record may be null. */
TESK_EXPORT TeskHandle QtFrameCreate(const char *name, TeskHandle frameContext,
                                     CuiFrameRecord *record);
/* Shows the current main window, lays out the dock windows made so far by its size (give it
   with QtResizePosWindow first), then applies the layout records that waited for them. A
   second call lays them out again as the first did, undoing what the user changed since:
   docked windows take those sizes again, and a floating one made from a record goes back to
   the record's place. Call it once per window, after its dock windows are made. */
TESK_EXPORT void QtFrameShow(void);

/* show non-zero: shows the splash (installDir/bin/splash.png, else the built-in picture named
   imageName) for up to 6 seconds; zero: removes it. */
TESK_EXPORT void QtShowSplash(int show, const char *imageName, const char *installDir);
/* Lets the splash paint (processes events for up to 500 ms); the text is not shown. */
TESK_EXPORT void CuiSetSplashMessage(const char *text);

#endif
