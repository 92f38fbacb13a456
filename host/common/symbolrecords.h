#pragma once

// The symbol records a host publishes into a symbol table data source, as the texts the Add
// exports take. Shared by the demo host, the tests and the benchmarks: only the C header's
// types, no code of the library.

#include <tesk/tesk_symbols.h>

#include <string>
#include <vector>

namespace tesk::host {

struct SymbolRecords
{
    std::vector<std::string> images;
    std::vector<std::string> modules;   // "image module file"
    std::vector<std::string> functions; // "image module name address scope"
    std::vector<std::string> variables;

    size_t symbolCount() const { return functions.size() + variables.size(); }
    void append(const SymbolRecords &other);
};

// The Add exports, as the host reaches them (linked, or looked up in the loaded library).
struct SymtabAdders
{
    decltype(&CuiSymtabDataSourceAddImage) addImage;
    decltype(&CuiSymtabDataSourceAddModule) addModule;
    decltype(&CuiSymtabDataSourceAddFunction) addFunction;
    decltype(&CuiSymtabDataSourceAddVariable) addVariable;
};

// Images, then modules, then functions and variables. Answers how many calls failed.
int publishSymbols(const SymbolRecords &records, TeskHandle source, const SymtabAdders &add);

// Reads the symbol table of an ELF file (.symtab, else .dynsym): the image is the path; local
// symbols belong to the module of the source-file symbol before them ("Static"), the rest to
// "<Global>" ("Public"; variables "Global"); functions and untyped symbols ("Label") become
// function records, data objects variable records; addresses are written "0x%llx". False, with
// `error` set, when the file cannot be read or is no ELF file.
bool readElfSymbols(const std::string &path, SymbolRecords &records, std::string &error);

} // namespace tesk::host
