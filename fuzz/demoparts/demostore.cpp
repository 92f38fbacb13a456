// The demo's store of a section into a host file (host/demo/sectionfile.cpp, the example the
// host guide points host authors to), over whatever the host file holds: the store answers that
// it stored, the file then holds the tag's section once, at its end, and every other section's
// header as often as before, and a second store leaves the file as the first did.
#include "sectionfile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

namespace {

const char *const kTags[] = {"scripts", "Scripts", "EventFilters", "s"};

int appendSection(const char *file, const char *tag)
{
    const std::string section = std::string("[") + tag + "]\n<doc><list/></doc>\n";
    const int fd = ::open(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return 0;
    const bool written = ::write(fd, section.data(), section.size()) == ssize_t(section.size());
    ::close(fd);
    return written ? 1 : 0;
}

std::string lower(std::string text)
{
    for (char &c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A header line as the library's loader reads it: without the line's end, a carriage return
// included, or a byte-order mark before the file's first line; letter case ignored.
std::string header(std::string line, bool first)
{
    if (first && line.compare(0, 3, "\xef\xbb\xbf") == 0)
        line.erase(0, 3);
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    return lower(line);
}

// How often a header stands in the text.
int headers(const std::string &text, const std::string &wanted)
{
    int count = 0;
    bool first = true;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line); first = false)
        count += header(line, first) == header(wanted, false);
    return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const std::string tag = kTags[data[0] % 4];
    const std::string contents(reinterpret_cast<const char *>(data) + 1, size - 1);
    const std::string file = "/tmp/fuzz-demostore-" + std::to_string(getpid()) + ".ini";
    if (!demo::replaceStoredFile(file, [&](const std::string &) { return contents; }))
        return 0;
    if (!demo::storeSection(file, tag, &appendSection))
        std::abort();
    std::string first;
    if (!demo::readStoredFile(file, first))
        std::abort();
    const std::string section = "[" + tag + "]\n<doc><list/></doc>\n";
    if (first.size() < section.size() ||
        first.compare(first.size() - section.size(), section.size(), section) != 0)
        std::abort();
    if (headers(first, "[" + tag + "]") != 1)
        std::abort();
    std::istringstream in(contents);
    for (std::string line; std::getline(in, line);)
        if (line.find('[') <= 3 && header(line, true) != lower("[" + tag + "]") &&
            headers(first, line) != headers(contents, line))
            std::abort();
    std::string second;
    if (!demo::storeSection(file, tag, &appendSection) || !demo::readStoredFile(file, second) ||
        second != first)
        std::abort();
    ::unlink(file.c_str());
    return 0;
}
