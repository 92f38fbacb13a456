#pragma once

// The frame services a host reaches through the C interface: languages, help and the fixed
// font.
void demoServices(void *library, const char *home);
// Asks for a help topic the map lacks: the library answers with a modal box.
void demoMissingHelpTopic(void *library);
