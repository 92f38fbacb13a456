#include "searchpathdemo.h"

#include "demoexports.h"
#include "framedemo.h"
#include "sectionfile.h"

#include <tesk/tesk.h>

#include <QApplication>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

#include <unistd.h>

#include <cstdio>
#include <sstream>
#include <utility>
#include <vector>

namespace demo {

namespace {

// What the user set in the dialog, kept for its next opening and, in a file of the home area,
// for the next start: one line a path ("source\t/path", "object\t/path") or mapping
// ("map\tfrom\tto").
struct Kept
{
    std::vector<std::string> source, object;
    std::vector<std::pair<std::string, std::string>> mappings;
};

// The simulated target's paths, until the user changes them.
Kept engineDefaults()
{
    return {
        {"/opt/target/core_a/src", "/opt/target/common"},
        {"/opt/target/build/core_a"},
        {{"C:/build/core_a", "/opt/target/core_a/src"}, {"C:/build/common", "/opt/target/common"}}};
}

Kept g_kept = engineDefaults();
std::string g_keptFile;

// A path holding a tab or a line break would split its line when read back.
bool storable(const std::string &text)
{
    return !text.empty() && text.find_first_of("\t\r\n") == std::string::npos;
}

std::string serialised(const Kept &kept)
{
    std::string out;
    for (const std::string &path : kept.source)
        if (storable(path))
            out += "source\t" + path + '\n';
    for (const std::string &path : kept.object)
        if (storable(path))
            out += "object\t" + path + '\n';
    for (const auto &[from, to] : kept.mappings)
        if (storable(from) && storable(to))
            out += "map\t" + from + '\t' + to + '\n';
    return out;
}

Kept parsed(const std::string &text)
{
    Kept kept;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        const size_t tab = line.find('\t');
        const std::string kind = line.substr(0, tab);
        const std::string rest = tab == std::string::npos ? std::string() : line.substr(tab + 1);
        const size_t second = rest.find('\t');
        if (kind == "source" && storable(rest))
            kept.source.push_back(rest);
        else if (kind == "object" && storable(rest))
            kept.object.push_back(rest);
        else if (kind == "map" && second != std::string::npos && storable(rest.substr(0, second)) &&
                 storable(rest.substr(second + 1)))
            kept.mappings.emplace_back(rest.substr(0, second), rest.substr(second + 1));
    }
    return kept;
}

std::vector<std::string> listOf(TeskHandle dialog, int (*count)(TeskHandle),
                                int (*text)(TeskHandle, int, char *, uint32_t))
{
    std::vector<std::string> list;
    for (int i = 0; i < count(dialog); ++i) {
        char buffer[4096];
        if (text(dialog, i, buffer, sizeof buffer))
            list.emplace_back(buffer);
    }
    return list;
}

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
    for (const std::string &path : g_kept.source)
        addSource(dialog, path.c_str());
    for (const std::string &path : g_kept.object)
        addObject(dialog, path.c_str());
    for (const auto &[from, to] : g_kept.mappings)
        addMapping(dialog, from.c_str(), to.c_str());
    showFirst(dialog);
    if (!interactive) {
        answerModalLater(screenshotDir, "searchpaths.png", {"buttonOk"}, [](QWidget *dialog) {
            if (auto *tabs = dialog->findChild<QTabWidget *>(QStringLiteral("tabWidget")))
                tabs->setCurrentIndex(2);
        });
    }
    const int accepted = run(reinterpret_cast<void *>(dialog));
    std::printf("host: search paths dialog answered %d\n", accepted);
    if (!accepted) {
        std::printf("host: the search paths stay as they were\n");
        destroy(reinterpret_cast<void *>(dialog));
        return;
    }
    printList("source search paths",
              {DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSSNum),
               DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSSText)},
              dialog);
    printList("object search paths",
              {DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetOSNum),
               DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetOSText)},
              dialog);
    printMappings(library, dialog);
    // What the user accepted is kept, for the dialog's next opening and the next start.
    Kept kept;
    kept.source = listOf(dialog, DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSSNum),
                         DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSSText));
    kept.object = listOf(dialog, DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetOSNum),
                         DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetOSText));
    const std::vector<std::string> from =
        listOf(dialog, DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSMapNum),
               DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSMapOrig));
    const std::vector<std::string> to =
        listOf(dialog, DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSMapNum),
               DEMO_RESOLVE(library, CuiSourceSearchPathDlgGetSMapModd));
    for (size_t i = 0; i < from.size() && i < to.size(); ++i)
        kept.mappings.emplace_back(from[i], to[i]);
    destroy(reinterpret_cast<void *>(dialog));
    g_kept = kept;
    if (g_keptFile.empty())
        return;
    Why why;
    if (replaceStoredFile(
            g_keptFile, [&](const std::string &) { return serialised(kept); }, &why))
        std::printf("host: search paths stored in %s\n", g_keptFile.c_str());
    else
        std::printf("host: the search paths could not be stored: %s\n", why.c_str());
}

void keepSearchPathsIn(const std::string &file)
{
    g_keptFile = file;
    std::string text;
    Why why;
    if (!readStoredFile(file, text, &why)) {
        std::printf("host: the search paths of the last run are left alone: %s\n", why.c_str());
        g_kept = engineDefaults();
    } else {
        // No file yet: the engine's paths. An empty file: the user took them all out.
        g_kept = ::access(file.c_str(), F_OK) == 0 ? parsed(text) : engineDefaults();
    }
}

} // namespace demo
