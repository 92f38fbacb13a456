// The demo's store code, which the host guide shows host authors: copies of the demo on one
// home that end at the same moment each keep what they stored, and say "stored" only then.
#include "sectionfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <string>
#include <vector>

namespace {

int g_round = 0;

std::string sectionOf(const std::string &tag)
{
    // Long enough that a copy reading while another writes would see it torn.
    return "[" + tag + "]\n<list round=\"" + std::to_string(g_round) + "\">" +
           std::string(size_t(8000 + g_round), tag.back()) + "</list>\n";
}

// The library's way: the section appended to the file.
int appendSection(const char *file, const char *tag)
{
    const std::string section = sectionOf(tag);
    const int fd = ::open(file, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    const bool written =
        fd >= 0 && ::write(fd, section.data(), section.size()) == ssize_t(section.size());
    if (fd >= 0)
        ::close(fd);
    return written ? 1 : 0;
}

int count(const std::string &text, const std::string &part)
{
    int n = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

} // namespace

// Four copies end at once, each storing its own section into one file and its own layout into
// another, round after round: each section is there whole and once, beside the host's own, and
// the layout file is one copy's whole.
TEST(DemoStore, CopiesEndingAtOnceEachKeepWhatTheyStored)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const std::string file = home.filePath(QStringLiteral("scripts.ini")).toStdString();
    const std::string layout = home.filePath(QStringLiteral("demo-layout.txt")).toStdString();
    ASSERT_TRUE(demo::replaceStoredFile(
        file, [](const std::string &) { return std::string("[other]\nkept\n"); }));
    constexpr int kCopies = 4;
    for (g_round = 1; g_round <= 15; ++g_round) {
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> copies;
        for (int copy = 0; copy < kCopies; ++copy) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(start[1]);
                char byte;
                // Every copy starts when the parent lets go of the pipe.
                [[maybe_unused]] const ssize_t ignored = ::read(start[0], &byte, 1);
                const std::string tag = "copy" + std::to_string(copy);
                const bool section = demo::storeSection(file, tag, &appendSection);
                const bool whole = demo::replaceStoredFile(
                    layout, [&](const std::string &) { return sectionOf(tag); });
                ::_exit(section && whole ? 0 : 1);
            }
            copies.push_back(pid);
        }
        ::close(start[0]);
        ::close(start[1]);
        for (const pid_t pid : copies) {
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
                << "a copy did not store (round " << g_round << ")";
        }
        std::string stored;
        ASSERT_TRUE(demo::readStoredFile(file, stored));
        EXPECT_EQ(count(stored, "[other]\nkept\n"), 1) << "round " << g_round;
        for (int copy = 0; copy < kCopies; ++copy) {
            const std::string tag = "copy" + std::to_string(copy);
            EXPECT_EQ(count(stored, sectionOf(tag)), 1) << tag << ", round " << g_round;
            EXPECT_EQ(count(stored, "[" + tag + "]"), 1) << tag << ", round " << g_round;
        }
        std::string whole;
        ASSERT_TRUE(demo::readStoredFile(layout, whole));
        bool someCopys = false;
        for (int copy = 0; copy < kCopies; ++copy)
            someCopys = someCopys || whole == sectionOf("copy" + std::to_string(copy));
        EXPECT_TRUE(someCopys) << "round " << g_round << ": the layout is no copy's";
        if (HasFailure())
            break;
    }
    // Each copy wrote files of its own, and left none behind.
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("demo-layout.txt"), QStringLiteral("scripts.ini")}));
}

// A stored file that is a pipe or a folder is refused at once, saying what it is, and stays;
// a link is written through, and stays a link; a library that stores nothing stores nothing.
TEST(DemoStore, OddFilesAreRefusedAndLinksWrittenThrough)
{
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    const std::string dir = home.path().toStdString();
    g_round = 0;
    ASSERT_EQ(::mkfifo((dir + "/pipe.ini").c_str(), 0600), 0);
    ASSERT_EQ(::mkdir((dir + "/folder.ini").c_str(), 0700), 0);
    const std::pair<const char *, const char *> refused[] = {{"/pipe.ini", " is a pipe"},
                                                             {"/folder.ini", " is a folder"}};
    for (const auto &[name, said] : refused) {
        demo::Why why;
        std::string contents;
        EXPECT_FALSE(demo::readStoredFile(dir + name, contents, &why));
        EXPECT_EQ(why, dir + name + said);
        why.clear();
        EXPECT_FALSE(demo::storeSection(dir + name, "scripts", &appendSection, &why));
        EXPECT_EQ(why, dir + name + said);
        why.clear();
        EXPECT_FALSE(demo::replaceStoredFile(
            dir + name, [](const std::string &) { return std::string("x"); }, &why));
        EXPECT_EQ(why, dir + name + said);
    }
    struct stat status = {};
    EXPECT_TRUE(::stat((dir + "/pipe.ini").c_str(), &status) == 0 && S_ISFIFO(status.st_mode));
    EXPECT_TRUE(::stat((dir + "/folder.ini").c_str(), &status) == 0 && S_ISDIR(status.st_mode));

    // A link to a link to a file in another folder, relative both.
    ASSERT_EQ(::mkdir((dir + "/elsewhere").c_str(), 0700), 0);
    ASSERT_TRUE(demo::replaceStoredFile(dir + "/elsewhere/target.ini", [](const std::string &) {
        return std::string("[other]\nkept\n[scripts]\n<old/>\n");
    }));
    ASSERT_EQ(::symlink("target.ini", (dir + "/elsewhere/middle.ini").c_str()), 0);
    ASSERT_EQ(::symlink("elsewhere/middle.ini", (dir + "/link.ini").c_str()), 0);
    demo::Why why;
    EXPECT_TRUE(demo::storeSection(dir + "/link.ini", "scripts", &appendSection, &why)) << why;
    EXPECT_TRUE(::lstat((dir + "/link.ini").c_str(), &status) == 0 && S_ISLNK(status.st_mode));
    EXPECT_TRUE(::lstat((dir + "/elsewhere/middle.ini").c_str(), &status) == 0 &&
                S_ISLNK(status.st_mode));
    std::string stored;
    ASSERT_TRUE(demo::readStoredFile(dir + "/elsewhere/target.ini", stored));
    EXPECT_EQ(stored, "[other]\nkept\n" + sectionOf("scripts"));

    // A missing file reads empty; a store that stored nothing leaves the file as it was.
    EXPECT_TRUE(demo::readStoredFile(dir + "/missing.ini", stored) && stored.empty());
    why.clear();
    EXPECT_FALSE(demo::storeSection(
        dir + "/link.ini", "scripts", [](const char *, const char *) { return 0; }, &why));
    EXPECT_EQ(why, "the library stored no section [scripts]");
    EXPECT_FALSE(demo::storeSection(
        dir + "/link.ini", "scripts", [](const char *, const char *) { return 1; }, &why));
    ASSERT_TRUE(demo::readStoredFile(dir + "/link.ini", stored));
    EXPECT_EQ(stored, "[other]\nkept\n" + sectionOf("scripts"));
}
