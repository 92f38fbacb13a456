#pragma once

// The test host: starts the library once per test process as the debugger engine does, and
// offers recording host functions, debug-output capture and modal answers to the tests.

#include <tesk/tesk.h>

#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

struct QSDIFind;
class QWidget;

namespace testhost {

// Plug-in registration, then CuiQtInit_WinEx, under the offscreen platform with a temporary
// KSODEBUG_HOME and KSODEBUG_INSTALL at the staged installation tree. Once per process.
void startLibrary();
// The temporary home area of this test process.
QString homeDir();

// Pumps events through CuiPump until the predicate holds or the time is up.
bool pumpUntil(const std::function<bool()> &predicate, int timeoutMs = 5000);
void pumpFor(int ms);
// Delivers what is posted, deferred deletions included, a few rounds deep: objects the library
// ended inside a call are gone afterwards.
void settle();

// Collects what the library writes to its debug output while alive.
class DebugCapture
{
public:
    DebugCapture();
    ~DebugCapture();
    DebugCapture(const DebugCapture &) = delete;
    DebugCapture &operator=(const DebugCapture &) = delete;

    const std::string &text() const { return m_text; }
    bool contains(const std::string &needle) const
    {
        return m_text.find(needle) != std::string::npos;
    }

private:
    std::string m_text;
};

// One call of a host entry point, as the recording functions saw it.
struct HostCall
{
    std::string entry;      // "gui", "eeaccess", "idle", ...
    intptr_t commandId = 0; // the argument word
    std::string text;
    TeskHandle windowBox = 0; // the extra word
    int code = 0;
    TeskHandle object = 0;
};

// Records every call of the host functions it publishes in the function registry.
class Recorder
{
public:
    static Recorder &instance();

    void clear() { calls.clear(); }
    int count(const std::string &entry) const;

    std::vector<HostCall> calls;
    int guiResult = 0;
    int eeaccessResult = 0;
    // What the "eeaccessFuncs" string-list entry answers.
    int stringListResult = 0;
    std::string stringListText;
};

// Publishes "gui" and "eeaccess" (recording) in the registry; removes them when asked.
void publishHostEntryPoints();
void withdrawHostEntryPoints();
void publishEeaccessFuncs();
void withdrawEeaccessFuncs();

// The idle function the tests register: counts its ticks.
void recordingIdle();
int idleTicks();

// Opens the modeless find and replace panel as a host does, its searches going nowhere, and
// gives the window kept on top that shows it (null when none shows). The find callback is the
// caller's to delete.
QWidget *openFindPanel(QSDIFind **find);
// The shown window kept on top of the others, as the find and replace panel is; null if none.
QWidget *windowKeptOnTop();

} // namespace testhost
