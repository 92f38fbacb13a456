#pragma once

// The frame services a host reaches through the C interface: languages, help and the fixed
// font.
void demoServices(void *library, const char *home, bool interactive);
