#include "hostiledemo.h"

#include "demoexports.h"

#include <tesk/tesk.h>

#include <cstdio>
#include <string>

namespace demo {

void runHostileDemo(void *library)
{
    const auto setStatus = DEMO_RESOLVE(library, CuiSetStatusText);
    const auto addItem = DEMO_RESOLVE(library, CuiContextMenu_addItem);
    const auto setText = DEMO_RESOLVE(library, CuiContextMenu_setItemGuiText);
    const auto definition = DEMO_RESOLVE(library, CuiContextMenu_getMenuDefinion);

    // Shown as the characters it is, on one line: no file is read, the window keeps its size.
    setStatus(0, 3, "<img src=\"/dev/zero\">\nline two", "<b>not bold</b>");
    std::printf("host: a status text with markup and a line break is shown as plain text\n");

    addItem("hostile", 100);
    setText("hostile", 100, "-$two\nlines");
    std::printf("host: an item text of marks and a line feed travels escaped: %s\n",
                definition("hostile"));
}

} // namespace demo
