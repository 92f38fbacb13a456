#pragma once

// The n bytes of source in reverse order into destination; source and destination may
// overlap or be one. Nothing happens for a null pointer or a count below one.
void byteReversingCopy(void *destination, const void *source, int n);
