// The engine's use of the find and script toolbars and of its test command.
#include "toolbardemo.h"
#include "demoexports.h"

#include <tesk/tesk.h>

#include <cstdarg>
#include <cstdio>
#include <string>

namespace demo {

namespace {

constexpr TeskHandle kFrameContext = 0x1001;

void onFindAction(TeskHandle, const void *, int value, int code)
{
    std::printf("host: find toolbar action %d, value %d\n", code, value);
}

void onScript(TeskHandle, const char *command)
{
    std::printf("host: script toolbar asks to run: %s\n", command);
}

int countingPrint(void *context, int, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    const int length = std::vsnprintf(nullptr, 0, format, args);
    va_end(args);
    *static_cast<int *>(context) += length;
    return length;
}

} // namespace

void runToolbarDemo(void *library, const char *homeDir)
{
    const auto createFind = DEMO_RESOLVE(library, QtCreateEditorToolBar);
    const auto setFileName = DEMO_RESOLVE(library, CuiFindToolbarSetFilename);
    const auto setIcon = DEMO_RESOLVE(library, QtSetEditorBarIcon);
    const auto createScripts = DEMO_RESOLVE(library, CuiScriptToolBarCreate);
    const auto storeScripts = DEMO_RESOLVE(library, CuiScriptFiles_Store);
    const auto testFunction = DEMO_RESOLVE(library, CuiTestFunction);

    if (!createFind(kFrameContext, &onFindAction)) {
        std::printf("host: no main window for the editor toolbars\n");
        return;
    }
    setFileName(kFrameContext, "src/main.c");
    setIcon(kFrameContext, 3, "readwrite");
    createScripts(kFrameContext, &onScript);
    const std::string file = std::string(homeDir ? homeDir : ".") + "/scripts.ini";
    std::printf("host: find and script toolbars up; script list stored: %d\n",
                storeScripts(file.c_str(), "scripts"));
    int printed = 0;
    testFunction(kFrameContext, &countingPrint, &printed, "menu", nullptr, nullptr, nullptr,
                 nullptr, nullptr, nullptr);
    std::printf("host: test command printed %d characters of menu state\n", printed);
}

} // namespace demo
