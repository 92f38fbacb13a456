/* The host-facing C interface of libtesk: every export family. The broker components' faces
   (tesk_facade.h, tesk_events.h) and the function-pointer types (tesk_functions.h) stand apart. */
#ifndef TESK_H
#define TESK_H

/* The version of this interface; a host compares it at build time. The library's own version
   is the same. */
#define TESK_VERSION_MAJOR 0
#define TESK_VERSION_MINOR 1
#define TESK_VERSION_STRING "0.1"
#define TESK_VERSION ((TESK_VERSION_MAJOR << 16) | TESK_VERSION_MINOR)
/* The library's soname (and file name): hosts built against these headers load this one. A
   host that loads the library at run time opens "libtesk.so", the link installed beside it;
   one that links it reaches the copy already loaded through this name. */
#define TESK_SONAME "libtesk.so." TESK_VERSION_STRING

#include <tesk/tesk_app.h>
#include <tesk/tesk_breakpoints.h>
#include <tesk/tesk_datanav.h>
#include <tesk/tesk_debug.h>
#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_filedialogs.h>
#include <tesk/tesk_filters.h>
#include <tesk/tesk_frame.h>
#include <tesk/tesk_help.h>
#include <tesk/tesk_helpers.h>
#include <tesk/tesk_i18n.h>
#include <tesk/tesk_memoryaccess.h>
#include <tesk/tesk_memorydialogs.h>
#include <tesk/tesk_menu.h>
#include <tesk/tesk_panes.h>
#include <tesk/tesk_persistence.h>
#include <tesk/tesk_registers.h>
#include <tesk/tesk_registry.h>
#include <tesk/tesk_relay.h>
#include <tesk/tesk_searchpaths.h>
#include <tesk/tesk_symbols.h>
#include <tesk/tesk_sync.h>
#include <tesk/tesk_toolbars.h>
#include <tesk/tesk_views.h>
#include <tesk/tesk_visual.h>
#include <tesk/tesk_window.h>

#endif
