#pragma once

// The test host's "symtabdatasource" function: during each call it adds the records of the
// table the test set, through the C interface, and records how it was called.

#include "symbolrecords.h"

#include <tesk/tesk_symbols.h>

namespace testhost {

struct SymtabCall
{
    int code;
    TeskHandle source;
    TeskHandle vdata;
};

class SymtabHost
{
public:
    static SymtabHost &instance();

    // Publishes the function in the registry (as "symtabdatasource") with the given records.
    void publish(const tesk::host::SymbolRecords &records);
    void withdraw();

    tesk::host::SymbolRecords records;
    std::vector<SymtabCall> calls;
    // Record calls that answered a failure during the last fill.
    int failures = 0;

    static int hostFunction(int code, TeskHandle source, TeskHandle vdata, const char *text,
                            TeskHandle extra);
};

// The Add exports, for publishSymbols.
const tesk::host::SymtabAdders &linkedAdders();

} // namespace testhost
