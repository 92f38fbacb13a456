#pragma once
// The synchronisation interfaces the library implements and calls: those the host sees too
// live in the host-facing header.

#include <tesk/tesk_sync.h>
