#pragma once

// Sanitizer settings of the host programs, read by the sanitizer runtimes at start-up.
// Include in exactly one source file of a program; without sanitizers nothing calls them.

extern "C" {

// Allocations the toolkit's platform libraries keep for the life of the process.
__attribute__((visibility("default"), used)) inline const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n"
           "leak:libdbus-1.so\n"
           "leak:libglib-2.0.so\n";
}

__attribute__((visibility("default"), used)) inline const char *__ubsan_default_options()
{
    return "print_stacktrace=1:halt_on_error=1";
}
}
