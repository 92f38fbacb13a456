#pragma once

// Records what the dialogs ask of the help system while alive, and puts the real help back.

#include "helpwatch.h"

#include <tesk/tesk_help.h>

#include <utility>
#include <vector>

class DialogHelpRecorder
{
public:
    DialogHelpRecorder()
    {
        calls().clear();
        testhost::setHelpFunction(&record);
    }
    ~DialogHelpRecorder() { testhost::setHelpFunction(&QtHelp); }
    DialogHelpRecorder(const DialogHelpRecorder &) = delete;
    DialogHelpRecorder &operator=(const DialogHelpRecorder &) = delete;

    // (topic, help map) of every request.
    static std::vector<std::pair<int, int>> &calls()
    {
        static std::vector<std::pair<int, int>> c;
        return c;
    }

private:
    static int record(int32_t topic, int32_t map)
    {
        calls().emplace_back(topic, map);
        return 1;
    }
};
