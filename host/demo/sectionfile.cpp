#include "sectionfile.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <chrono>
#include <climits>
#include <cstring>
#include <sstream>
#include <thread>

namespace demo {

namespace {

// As many links as the system itself follows before it gives up.
constexpr int kMaxLinks = 40;
// A stored file of the demo is a few kilobytes; one far larger is no file of the demo's.
constexpr size_t kMaxBytes = 16u << 20;
// Another copy stores three small files: it holds the lock for milliseconds. A holder that
// keeps it longer is not waited for: the store says it did not store.
constexpr std::chrono::seconds kLockWait(5);

void tell(Why *why, const std::string &text)
{
    if (why)
        *why = text;
}

std::string errorText(const std::string &file, int error)
{
    return file + ": " + std::strerror(error);
}

std::string kindText(const std::string &file, mode_t mode)
{
    if (S_ISDIR(mode))
        return file + " is a folder";
    if (S_ISFIFO(mode))
        return file + " is a pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return file + " is a device";
    if (S_ISSOCK(mode))
        return file + " is a socket";
    return file + " is no regular file";
}

// The name behind a chain of links, where a replace writes: the link itself stays.
std::string throughLinks(const std::string &file)
{
    std::string path = file;
    for (int i = 0; i < kMaxLinks; ++i) {
        char target[PATH_MAX];
        const ssize_t length = ::readlink(path.c_str(), target, sizeof target);
        if (length <= 0 || size_t(length) >= sizeof target)
            return path;
        std::string next(target, size_t(length));
        const size_t slash = path.rfind('/');
        if (next.front() != '/' && slash != std::string::npos)
            next = path.substr(0, slash + 1) + next;
        path = next;
    }
    return path;
}

std::string folderOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string baseOf(const std::string &path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

class Descriptor
{
public:
    explicit Descriptor(int fd)
        : m_fd(fd)
    {
    }
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

bool writeAll(int fd, const std::string &bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += size_t(n);
    }
    return true;
}

// A file of this process's own beside the path, made empty; its name, or empty.
std::string ownFileBeside(const std::string &path, const char *what, Why *why)
{
    std::string name = folderOf(path) + "/." + baseOf(path) + what + "-XXXXXX";
    const int fd = ::mkostemp(name.data(), O_CLOEXEC);
    if (fd < 0) {
        tell(why, errorText(folderOf(path), errno));
        return {};
    }
    ::close(fd);
    return name;
}

bool isHeader(const std::string &line)
{
    return !line.empty() && line[0] == '[';
}

// As the library finds its section: the line's end (a carriage return too) and a byte-order
// mark before the file's first line are no part of the header.
bool sameTag(std::string line, const std::string &tag, bool fileStart = false)
{
    if (fileStart && line.compare(0, 3, "\xef\xbb\xbf") == 0)
        line.erase(0, 3);
    while (!line.empty() && line.back() == '\r')
        line.pop_back();
    if (line.size() != tag.size() + 2 || line.front() != '[' || line.back() != ']')
        return false;
    // The library finds its section without regard to letter case.
    for (size_t i = 0; i < tag.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(line[i + 1])) !=
            std::tolower(static_cast<unsigned char>(tag[i])))
            return false;
    return true;
}

// The text with the sections of the tag (each from its header to the next header) taken out.
std::string withoutSection(const std::string &text, const std::string &tag)
{
    std::ostringstream kept;
    std::istringstream in(text);
    bool inSection = false;
    bool fileStart = true;
    for (std::string line; std::getline(in, line); fileStart = false) {
        if (isHeader(line) || fileStart)
            inSection = sameTag(line, tag, fileStart);
        if (!inSection)
            kept << line << '\n';
    }
    return kept.str();
}

} // namespace

bool regularOrAbsent(const std::string &file, Why *why)
{
    struct stat status = {};
    if (::stat(file.c_str(), &status) != 0) {
        if (errno == ENOENT)
            return true;
        tell(why, errorText(file, errno));
        return false;
    }
    if (S_ISREG(status.st_mode))
        return true;
    tell(why, kindText(file, status.st_mode));
    return false;
}

bool readStoredFile(const std::string &file, std::string &contents, Why *why)
{
    contents.clear();
    // Not waiting: a pipe opened to read would wait for a writer.
    const Descriptor fd(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (fd.get() < 0) {
        if (errno == ENOENT)
            return true;
        // A folder opens for reading on some systems, not on others.
        struct stat status = {};
        if (::stat(file.c_str(), &status) == 0 && !S_ISREG(status.st_mode))
            tell(why, kindText(file, status.st_mode));
        else
            tell(why, errorText(file, errno));
        return false;
    }
    struct stat status = {};
    if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        tell(why, kindText(file, status.st_mode));
        return false;
    }
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (n < 0) {
            tell(why, errorText(file, errno));
            contents.clear();
            return false;
        }
        if (n == 0)
            return true;
        contents.append(buffer, size_t(n));
        if (contents.size() > kMaxBytes) {
            tell(why, file + " is larger than any file the demo stores");
            contents.clear();
            return false;
        }
    }
}

bool replaceStoredFile(const std::string &file,
                       const std::function<std::string(const std::string &)> &compose, Why *why)
{
    const std::string target = throughLinks(file);
    // The lock of the folder the file is replaced in: a lock of the file itself would go with
    // the file that the rename replaces.
    const Descriptor folder(::open(folderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() < 0) {
        tell(why, errorText(folderOf(target), errno));
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(folder.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            // A file system without locks: the store goes on as one copy alone would.
            break;
        }
        if (std::chrono::steady_clock::now() > deadline) {
            tell(why, folderOf(target) + " was held by another copy of the demo for longer than " +
                          std::to_string(kLockWait.count()) + " seconds");
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::string current;
    if (!readStoredFile(target, current, why))
        return false;
    const std::string next = compose(current);
    const std::string partial = ownFileBeside(target, ".new", why);
    if (partial.empty())
        return false;
    struct stat status = {};
    const mode_t mode = ::stat(target.c_str(), &status) == 0 ? status.st_mode & 07777 : 0644;
    bool written = false;
    {
        const Descriptor out(::open(partial.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC));
        written = out.get() >= 0 && writeAll(out.get(), next) && ::fchmod(out.get(), mode) == 0 &&
                  ::fsync(out.get()) == 0;
        if (!written)
            tell(why, errorText(partial, errno));
    }
    if (!written || ::rename(partial.c_str(), target.c_str()) != 0) {
        if (written)
            tell(why, errorText(target, errno));
        ::unlink(partial.c_str());
        return false;
    }
    std::string back;
    if (!readStoredFile(target, back, why))
        return false;
    if (back != next) {
        tell(why, target + " does not hold what was stored");
        return false;
    }
    return true;
}

bool storeSection(const std::string &file, const std::string &tag, SectionStore store, Why *why)
{
    const std::string target = throughLinks(file);
    if (!regularOrAbsent(target, why))
        return false;
    const std::string scratch = ownFileBeside(target, ".section", why);
    if (scratch.empty())
        return false;
    std::string section;
    const bool made = store(scratch.c_str(), tag.c_str()) != 0;
    const bool read = made && readStoredFile(scratch, section, why);
    ::unlink(scratch.c_str());
    if (made && !read)
        return false;
    if (!made || !sameTag(section.substr(0, section.find('\n')), tag)) {
        tell(why, "the library stored no section [" + tag + "]");
        return false;
    }
    return replaceStoredFile(
        target, [&](const std::string &current) { return withoutSection(current, tag) + section; },
        why);
}

} // namespace demo
