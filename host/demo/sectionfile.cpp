#include "sectionfile.h"

#include <cctype>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace demo {

namespace {

bool isHeader(const std::string &line)
{
    return !line.empty() && line[0] == '[';
}

bool sameTag(const std::string &line, const std::string &tag)
{
    if (line.size() != tag.size() + 2 || line.front() != '[' || line.back() != ']')
        return false;
    // The library finds its section without regard to letter case.
    for (size_t i = 0; i < tag.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i + 1])) !=
            std::tolower(static_cast<unsigned char>(tag[i])))
            return false;
    return true;
}

} // namespace

bool storeSection(const std::string &file, const std::string &tag, SectionStore store)
{
    const std::string scratch = file + ".section";
    const std::string partial = file + ".new";
    std::remove(scratch.c_str());
    if (!store(scratch.c_str(), tag.c_str())) {
        std::remove(scratch.c_str());
        return false;
    }
    std::ostringstream section;
    section << std::ifstream(scratch).rdbuf();
    std::remove(scratch.c_str());

    // The earlier sections of the tag run from their header to the next header.
    std::ostringstream kept;
    std::ifstream in(file);
    bool inSection = false;
    for (std::string line; std::getline(in, line);) {
        if (isHeader(line))
            inSection = sameTag(line, tag);
        if (!inSection)
            kept << line << '\n';
    }
    {
        std::ofstream out(partial, std::ios::trunc);
        out << kept.str() << section.str();
        out.flush();
        if (!out) {
            std::remove(partial.c_str());
            return false;
        }
    }
    if (std::rename(partial.c_str(), file.c_str()) != 0) {
        std::remove(partial.c_str());
        return false;
    }
    return true;
}

} // namespace demo
