#include "datanavhost.h"

#include <tesk/tesk_registry.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace testhost {

DataNavHost &DataNavHost::instance()
{
    static DataNavHost host;
    return host;
}

void DataNavHost::publish()
{
    calls.clear();
    fillBytes = 0;
    CuiFunctionRegistryAddFunction("datanav",
                                   reinterpret_cast<CuiRegistryFn>(&DataNavHost::hostFunction));
}

void DataNavHost::withdraw()
{
    CuiFunctionRegistryRemoveFunction("datanav");
}

int DataNavHost::hostFunction(int code, TeskHandle pane, char *text, TeskHandle vdata,
                              TeskHandle paneHandle)
{
    DataNavHost &host = instance();
    host.calls.push_back({code, pane, text ? std::string(text) : std::string(), vdata, paneHandle});
    if (text && host.fillBytes)
        std::memset(text, 'x', host.fillBytes);
    return 0;
}

int reportToLines(void *context, int, const char *format, ...)
{
    char line[4096];
    va_list args;
    va_start(args, format);
    std::vsnprintf(line, sizeof line, format, args);
    va_end(args);
    static_cast<std::vector<std::string> *>(context)->push_back(line);
    return 0;
}

} // namespace testhost
