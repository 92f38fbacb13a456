#pragma once

// The test host's side of the data navigator: a recording "datanav" function (every word of
// codes 5, 6 and 7) and a printf-style report function for the pane's text commands.

#include <tesk/tesk_datanav.h>

#include <string>
#include <vector>

namespace testhost {

struct DataNavCall
{
    int code;
    TeskHandle pane;
    std::string text;
    TeskHandle vdata;
    TeskHandle paneHandle;
};

class DataNavHost
{
public:
    static DataNavHost &instance();

    // Publishes the recording function as "datanav"; withdraw removes it.
    void publish();
    void withdraw();

    std::vector<DataNavCall> calls;
    // Bytes the host writes into the text it is given (to prove the buffer is its to write).
    size_t fillBytes = 0;

    static int hostFunction(int code, TeskHandle pane, char *text, TeskHandle vdata,
                            TeskHandle paneHandle);
};

// The pane command printer: formats like printf and keeps each message in the vector of
// strings its context points to.
int reportToLines(void *context, int zero, const char *format, ...);

} // namespace testhost
