// The host's event filters through the C interface: the tagged section in its files, the
// fixed records it reads them as, and the master switch that neither touches.
#include "testhost.h"

#include "symbols/filters/filtering.h"

#include <tesk/tesk_filters.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

using Filtering::FModuleFilter;
using Filtering::SymbolFileFilterData;

namespace {

struct FilterValues
{
    const char *name;
    bool active, include, regex;
    const char *process, *module, *type;
    bool allProcesses, allModules;
};

void addFilter(const FilterValues &v)
{
    auto *filter = new FModuleFilter;
    filter->SetName(QString::fromLatin1(v.name));
    filter->SetActive(v.active);
    filter->SetInclude(v.include);
    filter->SetRegex(v.regex);
    filter->SetProcessName(QString::fromLatin1(v.process));
    filter->SetModuleName(QString::fromLatin1(v.module));
    filter->SetEventType(QString::fromLatin1(v.type));
    filter->SetAllProcesses(v.allProcesses);
    filter->SetAllModules(v.allModules);
    SymbolFileFilterData::instance()->ModuleFilters().Add(filter);
}

ModuleFilterRecord record(int index)
{
    ModuleFilterRecord r;
    std::memset(&r, 0xAB, sizeof r);
    EXPECT_EQ(CuiFilters_GetModuleFilter(index, &r, int(sizeof r)), 1) << "index " << index;
    return r;
}

void expectRecord(const ModuleFilterRecord &r, const FilterValues &v)
{
    EXPECT_STREQ(r.name, v.name);
    EXPECT_EQ(r.is_active, v.active ? 1u : 0u) << v.name;
    EXPECT_EQ(r.is_include, v.include ? 1u : 0u) << v.name;
    EXPECT_EQ(r.is_regex, v.regex ? 1u : 0u) << v.name;
    EXPECT_STREQ(r.process_name, v.process);
    EXPECT_STREQ(r.module_name, v.module);
    EXPECT_STREQ(r.event_type, v.type);
    EXPECT_EQ(r.all_processes, v.allProcesses ? 1u : 0u) << v.name;
    EXPECT_EQ(r.all_modules, v.allModules ? 1u : 0u) << v.name;
}

int count()
{
    return SymbolFileFilterData::instance()->ModuleFilters().Count();
}

class FilterStore : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        CuiFilters_SetDefault();
    }
    void TearDown() override { CuiFilters_SetDefault(); }

    std::string path(const char *name = "host.ini") const
    {
        return QFile::encodeName(dir.filePath(QString::fromLatin1(name))).toStdString();
    }
    void write(const std::string &file, const QByteArray &text)
    {
        QFile f(QFile::decodeName(file.c_str()));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray read(const std::string &file)
    {
        QFile f(QFile::decodeName(file.c_str()));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    QTemporaryDir dir;
};

const FilterValues kLoader{"Loader", false,         false, true, "app & <co>",
                           "lib.so", "Module Load", true,  false};
const FilterValues kThreads{"Threads",  true,           true,  false, "server",
                            "worker.c", "Thread Start", false, true};

TEST_F(FilterStore, RoundTripRestoresEveryFieldInOrderAndLeavesTheSwitch)
{
    addFilter(kLoader);
    addFilter(kThreads);
    const std::string file = path();
    ASSERT_EQ(CuiFilters_Store(file.c_str(), "Filters"), 1);

    CuiFilters_SetDefault();
    SymbolFileFilterData::instance()->SetActive(true);
    ASSERT_EQ(CuiFilters_Load(file.c_str(), "Filters"), 1);
    ASSERT_EQ(count(), 2);
    expectRecord(record(0), kLoader);
    expectRecord(record(1), kThreads);
    EXPECT_EQ(CuiFilters_IsActiveModuleFiltering(), 1);
}

TEST_F(FilterStore, WritesTheDocumentBehindTheTagLine)
{
    const std::string file = path();
    ASSERT_EQ(CuiFilters_Store(file.c_str(), "Filters"), 1);
    EXPECT_EQ(read(file), QByteArray("[Filters]\n"
                                     "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                                     "<doc>\n"
                                     "    <file_filter_data>\n"
                                     "        <module_filters/>\n"
                                     "    </file_filter_data>\n"
                                     "</doc>\n"));

    const std::string second = path("second.ini");
    addFilter(kLoader);
    ASSERT_EQ(CuiFilters_Store(second.c_str(), "F"), 1);
    EXPECT_EQ(read(second),
              QByteArray("[F]\n"
                         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                         "<doc>\n"
                         "    <file_filter_data>\n"
                         "        <module_filters>\n"
                         "            <filter>\n"
                         "                <name>Loader</name>\n"
                         "                <is_active>0</is_active>\n"
                         "                <is_include>0</is_include>\n"
                         "                <is_regex>1</is_regex>\n"
                         "                <process_name>app &amp; &lt;co></process_name>\n"
                         "                <module_name>lib.so</module_name>\n"
                         "                <event_type>Module Load</event_type>\n"
                         "                <all_processes>1</all_processes>\n"
                         "                <all_modules>0</all_modules>\n"
                         "            </filter>\n"
                         "        </module_filters>\n"
                         "    </file_filter_data>\n"
                         "</doc>\n"));
}

TEST_F(FilterStore, FindsTheTagLineWithoutRegardToLetterCaseButWithItsBlanks)
{
    const std::string stored = path();
    addFilter(kLoader);
    ASSERT_EQ(CuiFilters_Store(stored.c_str(), "Filters"), 1);
    CuiFilters_SetDefault();
    EXPECT_EQ(CuiFilters_Load(stored.c_str(), "fILTERS"), 1);
    EXPECT_EQ(count(), 1);

    const QByteArray body = "<doc><file_filter_data/></doc>\n";
    for (const char *header : {" [filters]\n", "[filters] \n", "[filter]\n"}) {
        const std::string file = path("blank.ini");
        write(file, QByteArray(header) + body);
        EXPECT_EQ(CuiFilters_Load(file.c_str(), "filters"), 0) << header;
        EXPECT_EQ(count(), 1) << header;
    }
}

TEST_F(FilterStore, ReadsHandWrittenDocuments)
{
    struct Case
    {
        const char *body;
        int filters;
        FilterValues first;
    } cases[] = {
        // "true" is not a number (false); any number but 0 is true; an empty element keeps the
        // default (is_active true).
        {"<doc><file_filter_data><module_filters><filter><is_include>true</is_include>"
         "<is_regex>2</is_regex><is_active></is_active><name/></filter></module_filters>"
         "</file_filter_data></doc>",
         1,
         {"", true, false, true, "", "", "", false, false}},
        // Filters straight under "file_filter_data", elements of other names skipped whole.
        {"<doc><file_filter_data><filter><name>direct</name><colour><name>x</name></colour>"
         "</filter><filter><module_name>m</module_name></filter></file_filter_data></doc>",
         2,
         {"direct", true, true, false, "", "", "", false, false}},
        // An empty list empties the set's list.
        {"<doc><file_filter_data><module_filters/></file_filter_data></doc>", 0, {}},
    };
    for (const Case &c : cases) {
        addFilter(kThreads);
        const std::string file = path("hand.ini");
        write(file, QByteArray("[tag]\n") + c.body);
        EXPECT_EQ(CuiFilters_Load(file.c_str(), "tag"), 1) << c.body;
        ASSERT_EQ(count(), c.filters) << c.body;
        if (c.filters)
            expectRecord(record(0), c.first);
    }
}

TEST_F(FilterStore, ABrokenDocumentLeavesListAndSwitchAlone)
{
    addFilter(kThreads);
    SymbolFileFilterData::instance()->SetActive(true);
    for (const char *text :
         {"[f]\n<doc><file_filter_data><module_filters><filter><name>cut",
          "[f]\n<doc><file_filter_data><filter><name>x</name></filter></file_filter_data>",
          "[f]\n<doc><file_filter_data></doc>", "[f]\n", "[g]\n<doc/>"}) {
        const std::string file = path("broken.ini");
        write(file, text);
        EXPECT_EQ(CuiFilters_Load(file.c_str(), "f"), 0) << text;
        ASSERT_EQ(count(), 1) << text;
        expectRecord(record(0), kThreads);
        EXPECT_EQ(CuiFilters_IsActiveModuleFiltering(), 1);
    }
    EXPECT_EQ(CuiFilters_Load(path("missing.ini").c_str(), "f"), 0);
    EXPECT_EQ(CuiFilters_Load(nullptr, "f"), 0);
    EXPECT_EQ(CuiFilters_Load(path().c_str(), nullptr), 0);
    EXPECT_EQ(count(), 1);
}

TEST_F(FilterStore, ASecondSectionOfTheSameTagDoesNotSpoilTheFirst)
{
    const std::string file = path();
    addFilter(kLoader);
    ASSERT_EQ(CuiFilters_Store(file.c_str(), "f"), 1);
    CuiFilters_SetDefault();
    addFilter(kThreads);
    ASSERT_EQ(CuiFilters_Store(file.c_str(), "f"), 1);

    CuiFilters_SetDefault();
    EXPECT_EQ(CuiFilters_Load(file.c_str(), "f"), 1);
    ASSERT_EQ(count(), 1);
    expectRecord(record(0), kLoader);
}

TEST_F(FilterStore, ABrokenSectionLeavesNothingInALaterOneThatLoads)
{
    // The first copy breaks after a whole filter; the later one holds no filter list, which
    // keeps the list as it was before the load, not the broken copy's filter.
    addFilter(kThreads);
    const std::string file = path("appended.ini");
    write(file, "[f]\n<doc><file_filter_data><filter><name>broken</name></filter>\n"
                "[f]\n<doc><other/></doc>\n");
    EXPECT_EQ(CuiFilters_Load(file.c_str(), "f"), 1);
    ASSERT_EQ(count(), 1);
    expectRecord(record(0), kThreads);
}

TEST_F(FilterStore, StoreRefusesWhatItCannotWrite)
{
    EXPECT_EQ(CuiFilters_Store(path("no/such/dir/host.ini").c_str(), "f"), 0);
    EXPECT_EQ(CuiFilters_Store(nullptr, "f"), 0);
    EXPECT_EQ(CuiFilters_Store(path().c_str(), nullptr), 0);
    EXPECT_FALSE(QFile::exists(QFile::decodeName(path().c_str())));
}

// A host that holds its own file locked (flock), as a guard against a second copy of itself,
// and stores into it: the store gives up within its bound instead of holding the user
// interface until the lock goes. A second process keeps the lock for longer than any bound.
TEST_F(FilterStore, AFileHeldLockedIsLeftAsItWas)
{
    const std::string file = path();
    addFilter(kLoader);
    ASSERT_EQ(CuiFilters_Store(file.c_str(), "f"), 1);
    const QByteArray before = read(file);

    const int fd = ::open(file.c_str(), O_RDONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    const pid_t holder = ::fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        ::sleep(10);
        ::_exit(0);
    }
    ::close(fd); // the lock stays with the holder's copy of the descriptor

    CuiFilters_SetDefault();
    addFilter(kThreads);
    QElapsedTimer took;
    took.start();
    const int stored = CuiFilters_Store(file.c_str(), "f");
    const qint64 elapsed = took.elapsed();
    ::kill(holder, SIGKILL);
    ::waitpid(holder, nullptr, 0);

    EXPECT_EQ(stored, 0);
    EXPECT_LT(elapsed, 5000) << "the store waited for the lock";
    EXPECT_TRUE(read(file) == before) << "the file changed";
    CuiFilters_SetDefault();
    EXPECT_EQ(CuiFilters_Load(file.c_str(), "f"), 1);
    ASSERT_EQ(count(), 1);
    expectRecord(record(0), kLoader);
}

TEST_F(FilterStore, RecordFieldsSitAtTheirOffsetsAndRefusalsWriteNothing)
{
    const std::string longName(300, 'n');
    addFilter({longName.c_str(), true, false, true, "", "mod", "Thread Start", true, false});

    constexpr unsigned char kSentinel = 0xAB;
    std::vector<unsigned char> buffer(sizeof(ModuleFilterRecord) + 16, kSentinel);
    const auto word = [&](size_t offset) {
        uint32_t value;
        std::memcpy(&value, buffer.data() + offset, 4);
        return value;
    };
    const auto untouched = [&](size_t from) {
        for (size_t i = from; i < buffer.size(); ++i) {
            if (buffer[i] != kSentinel)
                return false;
        }
        return true;
    };

    struct Refusal
    {
        int index;
        int size;
    } refusals[] = {{0, 1043}, {0, 1045}, {-1, 1044}, {1, 1044}};
    for (const Refusal &r : refusals) {
        EXPECT_EQ(CuiFilters_GetModuleFilter(r.index, buffer.data(), r.size), 0)
            << r.index << " " << r.size;
        EXPECT_TRUE(untouched(0));
    }
    EXPECT_EQ(CuiFilters_GetModuleFilter(0, nullptr, 1044), 0);

    ASSERT_EQ(CuiFilters_GetModuleFilter(0, buffer.data(), 1044), 1);
    EXPECT_EQ(word(0), 1u);
    EXPECT_EQ(std::string(reinterpret_cast<char *>(&buffer[4])), std::string(255, 'n'));
    EXPECT_EQ(buffer[4 + 255], 0); // cut, and terminated inside its field
    EXPECT_EQ(buffer[260], 0);     // the empty process name
    EXPECT_STREQ(reinterpret_cast<char *>(&buffer[516]), "mod");
    EXPECT_STREQ(reinterpret_cast<char *>(&buffer[772]), "Thread Start");
    EXPECT_EQ(word(1028), 1u);
    EXPECT_EQ(word(1032), 0u);
    EXPECT_EQ(word(1036), 0u);
    EXPECT_EQ(word(1040), 1u);
    EXPECT_TRUE(untouched(1044));
}

TEST_F(FilterStore, SetDefaultDeletesEveryFilterAndSwitchesOff)
{
    addFilter(kLoader);
    addFilter(kThreads);
    SymbolFileFilterData::instance()->SetActive(true);
    EXPECT_EQ(CuiFilters_SetDefault(), 1);
    EXPECT_EQ(count(), 0);
    EXPECT_EQ(CuiFilters_IsActiveModuleFiltering(), 0);
    ModuleFilterRecord r;
    EXPECT_EQ(CuiFilters_GetModuleFilter(0, &r, int(sizeof r)), 0);
}

} // namespace
