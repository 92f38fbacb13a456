#pragma once

// How every part of the demo host reaches the library: by name, from the loaded libtesk.so,
// as the debugger engine does.

#include <dlfcn.h>

#include <stdexcept>
#include <string>

namespace demo {

template<typename Fn>
void resolve(void *library, const char *name, Fn &slot)
{
    slot = reinterpret_cast<Fn>(dlsym(library, name));
    if (!slot)
        throw std::runtime_error(std::string("libtesk.so does not export ") + name);
}

template<typename Fn>
Fn symbol(void *library, const char *name)
{
    Fn fn = nullptr;
    resolve(library, name, fn);
    return fn;
}

} // namespace demo
