#include "symbolrecords.h"

#include <fcntl.h>
#include <gelf.h>
#include <libelf.h>
#include <unistd.h>

#include <cinttypes>
#include <cstdio>
#include <set>

namespace tesk::host {

void SymbolRecords::append(const SymbolRecords &other)
{
    images.insert(images.end(), other.images.begin(), other.images.end());
    modules.insert(modules.end(), other.modules.begin(), other.modules.end());
    functions.insert(functions.end(), other.functions.begin(), other.functions.end());
    variables.insert(variables.end(), other.variables.begin(), other.variables.end());
}

int publishSymbols(const SymbolRecords &records, TeskHandle source, const SymtabAdders &add)
{
    int failures = 0;
    for (const std::string &r : records.images)
        failures += add.addImage(source, r.c_str()) != 0;
    for (const std::string &r : records.modules)
        failures += add.addModule(source, r.c_str()) != 0;
    for (const std::string &r : records.functions)
        failures += add.addFunction(source, r.c_str()) != 0;
    for (const std::string &r : records.variables)
        failures += add.addVariable(source, r.c_str()) != 0;
    return failures;
}

namespace {

const char *const kGlobalModule = "<Global>";

// The section holding the symbol table to read: the full one when present.
Elf_Scn *symbolSection(Elf *elf, GElf_Shdr &header)
{
    Elf_Scn *dynamic = nullptr;
    GElf_Shdr dynamicHeader{};
    for (Elf_Scn *scn = elf_nextscn(elf, nullptr); scn; scn = elf_nextscn(elf, scn)) {
        GElf_Shdr h;
        if (!gelf_getshdr(scn, &h))
            continue;
        if (h.sh_type == SHT_SYMTAB) {
            header = h;
            return scn;
        }
        if (h.sh_type == SHT_DYNSYM && !dynamic) {
            dynamic = scn;
            dynamicHeader = h;
        }
    }
    header = dynamicHeader;
    return dynamic;
}

// Record fields are separated by blanks, so a blank inside a name would shift the fields.
std::string field(const char *text)
{
    std::string s(text);
    for (char &c : s) {
        if (c == ' ')
            c = '_';
    }
    return s;
}

std::string symbolRecord(const std::string &image, const std::string &module, const char *name,
                         GElf_Addr address, const char *scope)
{
    char hex[32];
    std::snprintf(hex, sizeof hex, "0x%" PRIx64, uint64_t(address));
    return image + ' ' + module + ' ' + field(name) + ' ' + hex + ' ' + scope;
}

void readSymbols(Elf *elf, Elf_Scn *scn, const GElf_Shdr &header, const std::string &image,
                 SymbolRecords &records)
{
    Elf_Data *data = elf_getdata(scn, nullptr);
    if (!data || !header.sh_entsize)
        return;
    const size_t count = header.sh_size / header.sh_entsize;
    std::string module = kGlobalModule;
    std::set<std::string> modules;
    for (size_t i = 1; i < count; ++i) {
        GElf_Sym sym;
        if (!gelf_getsym(data, int(i), &sym))
            continue;
        const char *name = elf_strptr(elf, header.sh_link, sym.st_name);
        if (!name || !*name)
            continue;
        const int type = GELF_ST_TYPE(sym.st_info);
        const bool local = GELF_ST_BIND(sym.st_info) == STB_LOCAL;
        if (type == STT_FILE) {
            module = field(name);
            if (modules.insert(module).second)
                records.modules.push_back(image + ' ' + module + ' ' + module);
            continue;
        }
        if (sym.st_shndx == SHN_UNDEF)
            continue;
        const std::string &owner = local ? module : std::string(kGlobalModule);
        if (type == STT_FUNC || type == STT_NOTYPE) {
            const char *scope = type == STT_NOTYPE ? "Label" : local ? "Static" : "Public";
            records.functions.push_back(symbolRecord(image, owner, name, sym.st_value, scope));
        } else if (type == STT_OBJECT) {
            records.variables.push_back(
                symbolRecord(image, owner, name, sym.st_value, local ? "Static" : "Global"));
        }
    }
}

} // namespace

bool readElfSymbols(const std::string &path, SymbolRecords &records, std::string &error)
{
    if (elf_version(EV_CURRENT) == EV_NONE) {
        error = "libelf is out of date";
        return false;
    }
    const int fd = open(path.c_str(), O_RDONLY);
    if (fd < 0) {
        error = path + ": cannot be opened";
        return false;
    }
    Elf *elf = elf_begin(fd, ELF_C_READ, nullptr);
    bool ok = elf && elf_kind(elf) == ELF_K_ELF;
    if (!ok) {
        error = path + ": not an ELF file";
    } else {
        const std::string image = field(path.c_str());
        records.images.push_back(image);
        records.modules.push_back(image + ' ' + kGlobalModule + ' ' + image);
        GElf_Shdr header{};
        if (Elf_Scn *scn = symbolSection(elf, header))
            readSymbols(elf, scn, header, image, records);
    }
    if (elf)
        elf_end(elf);
    close(fd);
    return ok;
}

} // namespace tesk::host
