#pragma once

// Export macro, results and flags of the formatting library (documented in glyphon.h).

#define GLYPHON_EXPORT __attribute__((visibility("default")))

// Help id that the display's help(int) signal carries when the user asks for help in the
// in-place editor.
enum { GLYPHON_HELP_FORMATTING = 2000 };

// Results of the engine's operations.
enum {
    GLYPHON_OK = 0,
    GLYPHON_ERROR_NO_DATA = 1,    // no formatted data or no value bytes
    GLYPHON_ERROR_NO_DISPLAY = 2, // no display, or no reply or menu bound to it
    GLYPHON_ERROR_BUSY = 3        // the editor is open already
};

// Result flags of an in-place edit (KMediator_Display::get_inPlaceEditErrorReturn).
enum {
    GLYPHON_EDIT_DISCARDED = 2, // the value was not changed: the edit was cancelled or refused
    GLYPHON_EDIT_REFUSED = 4    // the text typed could not be read (set with DISCARDED)
};
