// The dynamic symbol table of libtesk.so holds exactly the exports listed in
// include/tesk/exports.list.
#include <gtest/gtest.h>

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace {

std::set<std::string> listedExports()
{
    std::set<std::string> names;
    std::ifstream in(TESK_EXPORTS_LIST);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] != '#')
            names.insert(line.substr(0, line.find_first_of(" \t")));
    }
    return names;
}

// The names the headers declare: a decorated export's line carries its plain name beside it.
std::set<std::string> listedDeclarations()
{
    std::set<std::string> names;
    std::ifstream in(TESK_EXPORTS_LIST);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string symbol, plain;
        fields >> symbol >> plain;
        names.insert(plain.empty() ? symbol : plain);
    }
    return names;
}

// Names the linker defines in every shared object; they are not ours.
bool linkerSymbol(const std::string &name)
{
    static const std::set<std::string> linker = {"_init", "_fini", "_edata", "_end", "__bss_start"};
    return linker.count(name) != 0;
}

std::set<std::string> definedDynamicSymbols()
{
    const std::string command = std::string("nm -D --defined-only ") + TESK_LIBRARY_PATH;
    std::set<std::string> names;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return names;
    char line[4096];
    while (std::fgets(line, sizeof line, pipe)) {
        std::istringstream fields(line);
        std::string address, type, name;
        if (fields >> address >> type >> name && !linkerSymbol(name))
            names.insert(name);
    }
    pclose(pipe);
    return names;
}

// Every function the host-facing headers declare with TESK_EXPORT.
std::set<std::string> declaredExports()
{
    std::set<std::string> names;
    const std::regex declaration(R"(\nTESK_EXPORT(?:_CXX)?\s+[^;(]*?\b(\w+)\s*\()");
    for (const auto &entry : std::filesystem::directory_iterator(TESK_HEADER_DIR)) {
        std::ifstream in(entry.path());
        const std::string text = "\n" + std::string(std::istreambuf_iterator<char>(in), {});
        for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it)
            names.insert((*it)[1]);
    }
    return names;
}

// The exports whose pointer type tesk_functions.h names.
std::set<std::string> functionTypes()
{
    std::set<std::string> names;
    std::ifstream in(std::string(TESK_HEADER_DIR) + "/tesk_functions.h");
    const std::string text(std::istreambuf_iterator<char>(in), {});
    const std::regex type(R"(\(\*PFN_(\w+)\))");
    for (std::sregex_iterator it(text.begin(), text.end(), type), end; it != end; ++it)
        names.insert((*it)[1]);
    return names;
}

// Decorated names: a host resolving by name takes their C twins.
std::set<std::string> decoratedExports()
{
    std::set<std::string> names;
    std::ifstream in(TESK_EXPORTS_LIST);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string symbol, plain;
        if (fields >> symbol >> plain)
            names.insert(symbol);
    }
    return names;
}

} // namespace

// Whether each type matches its export's declaration is settled when this program compiles
// (functiontypes.cpp); here the types are held against what the library really exports.
TEST(Exports, EverySymbolHasExactlyOneFunctionType)
{
    const std::set<std::string> decorated = decoratedExports();
    ASSERT_FALSE(decorated.empty());
    std::set<std::string> resolvable;
    for (const std::string &name : definedDynamicSymbols()) {
        if (!decorated.count(name))
            resolvable.insert(name);
    }
    ASSERT_FALSE(resolvable.empty());
    const std::set<std::string> types = functionTypes();
    for (const std::string &name : resolvable)
        EXPECT_TRUE(types.count(name)) << name << " is exported but tesk_functions.h has no PFN_"
                                       << name << " (run scripts/genfunctions.py)";
    for (const std::string &name : types)
        EXPECT_TRUE(resolvable.count(name)) << "PFN_" << name << " names no export";
    EXPECT_TRUE(types.count("CuiFillMemoryDialogC"));
    EXPECT_FALSE(types.count("CuiFillMemoryDialog"));
}

TEST(Exports, HeadersDeclareExactlyTheList)
{
    const std::set<std::string> listed = listedDeclarations();
    const std::set<std::string> declared = declaredExports();
    for (const std::string &name : declared)
        EXPECT_TRUE(listed.count(name)) << name << " is declared but not in exports.txt";
    for (const std::string &name : listed)
        EXPECT_TRUE(declared.count(name)) << name << " is listed but no header declares it";
}

TEST(Exports, DecoratedNamesBelongToTheirPlainNames)
{
    std::ifstream in(TESK_EXPORTS_LIST);
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string symbol, plain;
        if (!(fields >> symbol >> plain))
            continue;
        // A function at namespace scope: "_Z", the name's length and the name, then its types.
        const std::string prefix = "_Z" + std::to_string(plain.size()) + plain;
        EXPECT_EQ(symbol.compare(0, prefix.size(), prefix), 0) << symbol << " is not " << plain;
        EXPECT_GT(symbol.size(), prefix.size()) << symbol << " names no parameter types";
    }
}

TEST(Exports, EveryListedNameResolves)
{
    void *library = dlopen(TESK_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    ASSERT_NE(library, nullptr) << dlerror();
    const std::set<std::string> names = listedExports();
    ASSERT_FALSE(names.empty());
    for (const std::string &name : names)
        EXPECT_NE(dlsym(library, name.c_str()), nullptr) << "missing export " << name;
}

TEST(Exports, NothingBesidesTheListIsExported)
{
    const std::set<std::string> listed = listedExports();
    const std::set<std::string> defined = definedDynamicSymbols();
    ASSERT_FALSE(defined.empty());
    for (const std::string &name : defined)
        EXPECT_TRUE(listed.count(name)) << "unexpected export " << name;
    for (const std::string &name : listed)
        EXPECT_TRUE(defined.count(name)) << "export not in the symbol table " << name;
}
