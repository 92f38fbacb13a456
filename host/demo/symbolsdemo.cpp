#include "symbolsdemo.h"

#include "demoexports.h"
#include "symbolrecords.h"

#include <tesk/tesk_registry.h>
#include <tesk/tesk_symbols.h>

#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace demo {

namespace {

tesk::host::SymbolRecords g_records;
tesk::host::SymtabAdders g_adders;

// The engine's side of CuiSymtabDataSourceUpdate: every record, during the call.
int publishSymbolTables(int, TeskHandle source, TeskHandle, const char *, TeskHandle)
{
    const int failures = tesk::host::publishSymbols(g_records, source, g_adders);
    std::printf("host: published %zu images, %zu modules, %zu symbols (%d refused)\n",
                g_records.images.size(), g_records.modules.size(), g_records.symbolCount(),
                failures);
    return 0;
}

// The library writes its dump through the toolkit's debug output; the demo collects it.
std::vector<std::string> *g_dump = nullptr;

void collectDump(QtMsgType, const QMessageLogContext &, const QString &message)
{
    g_dump->push_back(message.toStdString());
}

// Tens of thousands of lines would bury the rest of the demo: the totals of the count lines
// and a taste of the symbol lines.
void printDump(const std::vector<std::string> &dump, bool verbose)
{
    const size_t kFirstSymbols = 5;
    size_t symbols = 0, modules = 0;
    long functions = 0, variables = 0;
    for (const std::string &line : dump) {
        int count = 0;
        if (std::sscanf(line.c_str(), "Function count = %d", &count) == 1) {
            ++modules;
            functions += count;
        } else if (std::sscanf(line.c_str(), "Variable count = %d", &count) == 1) {
            variables += count;
        } else if (!verbose && symbols++ < kFirstSymbols) {
            std::printf("%s\n", line.c_str());
        }
        if (verbose)
            std::printf("%s\n", line.c_str());
    }
    if (!verbose)
        std::printf("host: the dump lists %zu modules with %ld functions and %ld variables in "
                    "%zu lines (all of them with --verbose)\n",
                    modules, functions, variables, dump.size());
}

} // namespace

void runSymbolsDemo(void *library, const std::string &libraryPath,
                    const std::vector<std::string> &symbolFiles, bool verbose)
{
    g_adders = {DEMO_RESOLVE(library, CuiSymtabDataSourceAddImage),
                DEMO_RESOLVE(library, CuiSymtabDataSourceAddModule),
                DEMO_RESOLVE(library, CuiSymtabDataSourceAddFunction),
                DEMO_RESOLVE(library, CuiSymtabDataSourceAddVariable)};
    // The program by its real path, the name a debugger user knows it by.
    std::error_code error;
    std::string self = std::filesystem::canonical("/proc/self/exe", error).string();
    if (error)
        self = "/proc/self/exe";
    std::vector<std::string> files{self, libraryPath};
    files.insert(files.end(), symbolFiles.begin(), symbolFiles.end());
    for (const std::string &file : files) {
        std::string refusal;
        if (!tesk::host::readElfSymbols(file, g_records, refusal))
            std::printf("host: skipped %s\n", refusal.c_str());
    }
    DEMO_RESOLVE(library, CuiFunctionRegistryAddFunction)
    ("symtabdatasource", reinterpret_cast<CuiRegistryFn>(&publishSymbolTables));

    const TeskHandle source = DEMO_RESOLVE(library, CuiSymtabDataSourceCreate)();
    DEMO_RESOLVE(library, CuiSymtabDataSourceUpdate)(source);
    std::vector<std::string> dump;
    g_dump = &dump;
    const QtMessageHandler previous = qInstallMessageHandler(&collectDump);
    DEMO_RESOLVE(library, CuiSymtabDataSourceDumpTree)(source);
    qInstallMessageHandler(previous);
    g_dump = nullptr;
    printDump(dump, verbose);
    DEMO_RESOLVE(library, CuiSymtabDataSourceDestroy)(source);
}

} // namespace demo
