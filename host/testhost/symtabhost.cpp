#include "symtabhost.h"

#include <tesk/tesk_registry.h>

namespace testhost {

SymtabHost &SymtabHost::instance()
{
    static SymtabHost host;
    return host;
}

void SymtabHost::publish(const tesk::host::SymbolRecords &r)
{
    records = r;
    calls.clear();
    failures = 0;
    CuiFunctionRegistryAddFunction("symtabdatasource",
                                   reinterpret_cast<CuiRegistryFn>(&SymtabHost::hostFunction));
}

void SymtabHost::withdraw()
{
    CuiFunctionRegistryRemoveFunction("symtabdatasource");
}

int SymtabHost::hostFunction(int code, TeskHandle source, TeskHandle vdata, const char *,
                             TeskHandle)
{
    SymtabHost &host = instance();
    host.calls.push_back({code, source, vdata});
    host.failures = tesk::host::publishSymbols(host.records, source, linkedAdders());
    return 0;
}

const tesk::host::SymtabAdders &linkedAdders()
{
    static const tesk::host::SymtabAdders adders{
        &CuiSymtabDataSourceAddImage, &CuiSymtabDataSourceAddModule,
        &CuiSymtabDataSourceAddFunction, &CuiSymtabDataSourceAddVariable};
    return adders;
}

} // namespace testhost
