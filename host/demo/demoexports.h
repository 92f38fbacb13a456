#pragma once

// How every part of the demo host reaches the library: by name, from the loaded libtesk.so,
// as the debugger engine does.

#include <dlfcn.h>

#include <stdexcept>
#include <string>

// The export Name of the loaded library, typed from its declaration in the C headers; the name
// is written once so that the type and the looked-up string cannot disagree.
#define DEMO_RESOLVE(library, Name) (::demo::resolveExport<decltype(&Name)>((library), #Name))

namespace demo {

template<typename Fn>
Fn resolveExport(void *library, const char *name)
{
    const auto fn = reinterpret_cast<Fn>(dlsym(library, name));
    if (!fn)
        throw std::runtime_error(std::string("libtesk.so does not export ") + name);
    return fn;
}

} // namespace demo
