#include "services.h"
#include "demoexports.h"

#include <tesk/tesk.h>

#include <dlfcn.h>
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

namespace {

void printList(const char *what, const char *const *list)
{
    std::printf("host: %s:", what);
    for (; *list; ++list)
        std::printf(" %s", *list);
    std::printf("\n");
}

// A help root of the demo's own with one page, so that help look-ups have something to find.
std::string makeHelpRoot(const char *home)
{
    const std::string root = std::string(home) + "/help";
    mkdir(root.c_str(), 0700);
    if (FILE *page = std::fopen((root + "/manual.htm").c_str(), "w")) {
        std::fputs("<html><body><h1>Demo manual</h1></body></html>\n", page);
        std::fclose(page);
    }
    setenv("KSODEBUG_HLPPATH", root.c_str(), 1);
    return root;
}

} // namespace

void demoServices(void *library, const char *home)
{
    printList("languages", DEMO_RESOLVE(library, CuiI18NGetLanguageList)());
    printList("language codes", DEMO_RESOLVE(library, CuiI18NGetLocaleList)());
    std::printf("host: (\"XXX\" and \"xx\" are the library's own fifth entry of both lists, a "
                "placeholder language it lists as it stands)\n");
    printList("encodings", DEMO_RESOLVE(library, CuiI18NGetEncodingList)());

    // Installs the catalogues of the chosen language (KSODEBUG_LANG=de for German).
    DEMO_RESOLVE(library, CuiUpdateSettings)();
    const char *language = std::getenv("KSODEBUG_LANGUAGE");
    std::printf("host: the library speaks \"%s\"\n", language ? language : "?");

    const std::string helpRoot = makeHelpRoot(home);
    auto registerHelp = DEMO_RESOLVE(library, QtRegisterHelp);
    auto deregisterHelp = DEMO_RESOLVE(library, QtDeregisterHelp);
    auto helpDesc = DEMO_RESOLVE(library, QtHelpDesc);
    const TeskHelpEntry map[] = {{1, "manual.htm"}, {2, "tutorial.htm"}, {-1, nullptr}};
    const int registered = registerHelp(map, 100);
    const int again = registerHelp(map, 100);
    std::printf("host: help map 100 registered: %d, again: %d\n", registered, again);

    char description[512] = "#7@manual.htm>Main;";
    char *buffer = description;
    int32_t context = 0;
    const int found = helpDesc(&context, &buffer, sizeof description);
    std::printf("host: help description names file %s for context %d (result %d)\n", description,
                context, found);
    std::printf("host: help map 100 removed: %d\n", deregisterHelp(100));

    TeskFontRecord font;
    std::memset(&font, 0, sizeof font);
    std::strncpy(font.face, "DejaVu Sans Mono", sizeof font.face - 1);
    font.size = 10;
    DEMO_RESOLVE(library, CuiVisualSettingsFixedFont)(&font);
    std::printf("host: values will show in %s %d pt\n", font.face, font.size);
}

void demoMissingHelpTopic(void *library)
{
    // The help system explains a missing topic in a box, in the language installed at start.
    std::printf("host: asking for help topic 9999, which the built-in map lacks\n");
    DEMO_RESOLVE(library, QtHelp)(9999, 10);
    std::printf("host: the help box was closed\n");
}
