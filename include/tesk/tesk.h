/* The whole host-facing C interface of libtesk. */
#ifndef TESK_H
#define TESK_H

#include <tesk/tesk_app.h>
#include <tesk/tesk_debug.h>
#include <tesk/tesk_help.h>
#include <tesk/tesk_i18n.h>
#include <tesk/tesk_registry.h>
#include <tesk/tesk_visual.h>

#endif
