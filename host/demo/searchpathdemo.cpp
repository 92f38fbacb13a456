#include "searchpathdemo.h"

#include "demoexports.h"
#include "framedemo.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <cstdio>

namespace demo {

namespace {

struct SearchPathExports
{
    decltype(&CuiSourceSearchPathDlgGetSSNum) count;
    decltype(&CuiSourceSearchPathDlgGetSSText) text;
};

void printList(const char *title, const SearchPathExports &list, TeskHandle dialog)
{
    const int count = list.count(dialog);
    std::printf("host: %s (%d):", title, count);
    for (int i = 0; i < count; ++i) {
        char buffer[512];
        std::printf(" \"%s\"", list.text(dialog, i, buffer, sizeof buffer) ? buffer : "");
    }
    std::printf("\n");
}

void printMappings(void *library, TeskHandle dialog)
{
    const auto sourceCount = DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSMapNum);
    const auto original = DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSMapOrig);
    const auto mapped = DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSMapModd);
    const int count = sourceCount(dialog);
    std::printf("host: source mappings (%d):", count);
    for (int i = 0; i < count; ++i) {
        char from[512] = "", to[512] = "";
        original(dialog, i, from, sizeof from);
        mapped(dialog, i, to, sizeof to);
        std::printf(" \"%s\" -> \"%s\"", from, to);
    }
    std::printf("\n");
}

} // namespace

void runSearchPathDemo(void *library, const std::string &screenshotDir, bool interactive)
{
    const auto create = DEMO_RESOLVE(library, CuiSourceSearchPathDlgCreate);
    const auto addSource = DEMO_RESOLVE(library, CuiSourceSearchPathDlgAddEntry);
    const auto addObject = DEMO_RESOLVE(library, CuiSourceSearchPathDlgAddObjectEntry);
    const auto addMapping = DEMO_RESOLVE(library, CuiSourceSearchPathDlgAddSMapping);
    const auto showFirst = DEMO_RESOLVE(library, CuiSourceSearchPathDlgShowFirstActive);
    const auto run = DEMO_RESOLVE(library, CuiDoModal);
    const auto destroy = DEMO_RESOLVE(library, CuiDeleteObject);

    const TeskHandle dialog = create(0);
    addSource(dialog, "/opt/target/core_a/src");
    addSource(dialog, "/opt/target/common");
    addObject(dialog, "/opt/target/build/core_a");
    addMapping(dialog, "C:/build/core_a", "/opt/target/core_a/src");
    addMapping(dialog, "C:/build/common", "/opt/target/common");
    showFirst(dialog);
    if (!interactive) {
        answerModalLater(screenshotDir, "searchpaths.png", {"buttonOk"}, [](QWidget *dialog) {
            if (auto *tabs = dialog->findChild<QTabWidget *>(QStringLiteral("tabWidget")))
                tabs->setCurrentIndex(2);
        });
    }
    const int accepted = run(reinterpret_cast<void *>(dialog));
    std::printf("host: search paths dialog answered %d\n", accepted);
    printList("source search paths",
              {DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSSNum),
               DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSSText)},
              dialog);
    printList("object search paths",
              {DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetOSNum),
               DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetOSText)},
              dialog);
    printMappings(library, dialog);
    destroy(reinterpret_cast<void *>(dialog));
}

} // namespace demo
