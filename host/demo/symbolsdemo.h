#pragma once

// The symbol tables of the demo host: it reads the symbols of its own program, of the library
// and of the files named with --symbols from their ELF symbol tables, publishes them as the
// "symtabdatasource" function, lets a data source ask for them and has it dump its tree: the
// counts and the first lines of the dump, the whole of it when verbose.

#include <string>
#include <vector>

namespace demo {

void runSymbolsDemo(void *library, const std::string &libraryPath,
                    const std::vector<std::string> &symbolFiles, bool verbose);

} // namespace demo
