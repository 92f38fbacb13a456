#include "symbolsdemo.h"

#include "demoexports.h"
#include "symbolrecords.h"

#include <tesk/tesk_registry.h>
#include <tesk/tesk_symbols.h>

#include <cstdio>

namespace demo {

namespace {

tesk::host::SymbolRecords g_records;
tesk::host::SymtabAdders g_adders;

// The engine's side of CuiSymtabDataSourceUpdate: every record, during the call.
int publishSymbolTables(int, TeskHandle source, TeskHandle, const char *, TeskHandle)
{
    const int failures = tesk::host::publishSymbols(g_records, source, g_adders);
    std::printf("host: published %zu images, %zu modules, %zu symbols (%d refused)\n",
                g_records.images.size(), g_records.modules.size(), g_records.symbolCount(),
                failures);
    return 0;
}

} // namespace

void runSymbolsDemo(void *library, const std::string &libraryPath,
                    const std::vector<std::string> &symbolFiles)
{
    g_adders = {DEMO_RESOLVE(library, CuiSymtabDataSourceAddImage),
                DEMO_RESOLVE(library, CuiSymtabDataSourceAddModule),
                DEMO_RESOLVE(library, CuiSymtabDataSourceAddFunction),
                DEMO_RESOLVE(library, CuiSymtabDataSourceAddVariable)};
    std::vector<std::string> files{"/proc/self/exe", libraryPath};
    files.insert(files.end(), symbolFiles.begin(), symbolFiles.end());
    for (const std::string &file : files) {
        std::string error;
        if (!tesk::host::readElfSymbols(file, g_records, error))
            std::printf("host: skipped %s\n", error.c_str());
    }
    DEMO_RESOLVE(library, CuiFunctionRegistryAddFunction)
    ("symtabdatasource", reinterpret_cast<CuiRegistryFn>(&publishSymbolTables));

    const TeskHandle source = DEMO_RESOLVE(library, CuiSymtabDataSourceCreate)();
    DEMO_RESOLVE(library, CuiSymtabDataSourceUpdate)(source);
    DEMO_RESOLVE(library, CuiSymtabDataSourceDumpTree)(source);
    DEMO_RESOLVE(library, CuiSymtabDataSourceDestroy)(source);
}

} // namespace demo
