#pragma once
// The host functions Load Binary hands its command to, "gui" and "addToLoadBinaryMRU",
// recording what they get; the host's own come back when the recorder goes.

#include <cstdint>
#include <string>
#include <vector>

namespace testhost {

class LoadHost
{
public:
    struct Call
    {
        std::string entry;
        int code;
        intptr_t object;
        std::string command; // the text the argument word points to
        bool textGiven;
        intptr_t extra;
    };

    // Publishes the named functions only (both by default).
    explicit LoadHost(bool gui = true, bool mru = true);
    ~LoadHost();
    LoadHost(const LoadHost &) = delete;
    LoadHost &operator=(const LoadHost &) = delete;

    static std::vector<Call> &calls();

private:
    void (*m_previousGui)() = nullptr;
    void (*m_previousMru)() = nullptr;
};

} // namespace testhost
