// The common file chooser: the host's filter notation, the default extension of a saved name,
// the directories remembered per host program and the chooser's three modes.
#include "asplainuser.h"
#include "filedialoganswers.h"
#include "modalanswers.h"
#include "nonregularfiles.h"
#include "testhost.h"

#include "dialogs/ksodialogs_common.h"
#include "system/filedialogsettings.h"
#include "system/filelock.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSaveFile>
#include <QScreen>
#include <QSettings>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <random>
#include <thread>
#include <vector>

namespace {

using testhost::ModalAnswers;

TEST(DialogFilter, HostNotationBecomesToolkitFilter)
{
    const struct
    {
        const char *host;
        const char *toolkit;
    } cases[] = {
        {"C files [*.c]Headers [*.h]", "C files (*.c);;Headers (*.h);;"},
        {"Everything [*.*]", "All Files (*);;"},
        {"Text (*.txt);;Logs (*.log)", "Text (*.txt);;Logs (*.log)"},
        {"Images [*.elf *.axf]", "Images (*.elf *.axf);;"},
        // No '[': the piece stands for both parts.
        {"plain", "plain (plain);;"},
        {"[*.c]", " (*.c);;"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(makeDialogFilter(QString::fromLatin1(c.host)), QString::fromLatin1(c.toolkit))
            << c.host;
    EXPECT_EQ(makeDialogFilter(QString()), QStringLiteral("All Files (*)"));
    // Nothing but closing brackets is no filter: all files, never an empty one.
    for (const char *empty : {"]", "]]]"})
        EXPECT_EQ(makeDialogFilterFromText(empty), QStringLiteral("All Files (*)")) << empty;
    for (const char *all : {static_cast<const char *>(nullptr), "", "*"})
        EXPECT_EQ(makeDialogFilterFromText(all), QStringLiteral("All Files (*)"));
    // An entry nobody could read would make the dialog match each file against its patterns.
    EXPECT_EQ(dialogFilterList(QStringLiteral("C (*.c);;Huge (%1);;").arg(QString(2000, 'x'))),
              QStringList{"C (*.c)"});
    EXPECT_EQ(dialogFilterList(QStringLiteral("Huge (%1)").arg(QString(2000, 'x'))),
              QStringList{"All Files (*)"});
    EXPECT_EQ(makeDialogFilterFromText("Maps [*.map]\xe9"),
              QString::fromUtf8("Maps (*.map);;\xc3\xa9 (\xc3\xa9);;"));
}

TEST(DialogFilter, SavedNameTakesTheFilterExtension)
{
    const struct
    {
        const char *name;
        const char *filter;
        const char *completed;
    } cases[] = {
        {"/w/report", "Text (*.txt;*.log)", "/w/report.txt"},
        {"/w/report", "Text (*.txt *.log)", "/w/report.txt"},
        {"/w/report.", "Text (*.txt)", "/w/report"},
        {"/w/report.csv", "Text (*.txt)", "/w/report.csv"},
        {"/w.d/report", "Text (*.txt)", "/w.d/report.txt"},
        {"/w/report", "All Files (*)", "/w/report"},
        {"/w/report", "Any (*.*)", "/w/report"},
        {"/w/report", "Make (Makefile)", "/w/report"},
        {"/w/report", "no patterns", "/w/report"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(
            appendDefaultExtension(QString::fromLatin1(c.name), QString::fromLatin1(c.filter)),
            QString::fromLatin1(c.completed))
            << c.name << " " << c.filter;
}

class RememberedDirectories : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    void SetUp() override
    {
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "ZEB Limited", "zebqt33x").clear();
        mru()->reload();
        mru()->setProgramKey(QString());
    }
    void TearDown() override { mru()->setProgramKey(QString()); }
    static FileDialogMRU *mru() { return FileDialogMRU::instance(); }
    static QSettings settings()
    {
        return {QSettings::NativeFormat, QSettings::UserScope, "ZEB Limited", "zebqt33x"};
    }
};

TEST_F(RememberedDirectories, SettingsThatCannotBeWrittenAreReported)
{
    // A directory where the settings file belongs cannot be replaced by the file.
    const QString file = settings().fileName();
    QFile::remove(file);
    ASSERT_TRUE(QDir().mkpath(file));
    mru()->setProgramKey(QStringLiteral("/bin/host"));
    const bool saved = mru()->setLastDir(mru()->programKey(), QStringLiteral("/work/x"));
    QDir(file).removeRecursively();
    EXPECT_FALSE(saved);
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/work/x")) << "kept for this run";
    EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), QStringLiteral("/work/y")));
}

TEST_F(RememberedDirectories, ThirtyProgramsKeepTwentySevenInTheSettings)
{
    for (int i = 0; i < 30; ++i) {
        mru()->setProgramKey(QStringLiteral("/bin/host%1").arg(i));
        setFileDialogLastDir(QStringLiteral("/work/%1").arg(i));
    }
    EXPECT_EQ(mru()->entries().size(), 30);
    EXPECT_EQ(settings().value("cuifiledlg/MRU/Order").toString(),
              QStringLiteral("abcdefghijklmnopqrstuvwxyz{"));
    EXPECT_EQ(settings().value("cuifiledlg/MRU/a").toString(),
              QStringLiteral("/bin/host29::/work/29"));
    mru()->reload();
    ASSERT_EQ(mru()->entries().size(), 27);
    EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/host3")), QStringLiteral("/work/3"));
    EXPECT_TRUE(mru()->lastDir(QStringLiteral("/bin/host2")).isNull());
}

TEST_F(RememberedDirectories, EachProgramHasItsOwnAndTheNewestLeads)
{
    EXPECT_TRUE(fileDialogLastDir().isNull());
    setFileDialogLastDir(QStringLiteral("/first"));
    mru()->setProgramKey(QStringLiteral("/bin/other"));
    setFileDialogLastDir(QStringLiteral("/other"));
    mru()->setProgramKey(QString());
    setFileDialogLastDir(QStringLiteral("/second"));
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/second"));
    ASSERT_EQ(mru()->entries().size(), 2);
    EXPECT_EQ(mru()->entries().first().first, QCoreApplication::applicationFilePath());
    EXPECT_EQ(settings().value("cuifiledlg/MRU/Order").toString(), QStringLiteral("ab"));
}

// A folder's name may hold the separator of the stored entry: it comes back whole, and the next
// file dialog opens there. Entries stored before read as they did.
TEST_F(RememberedDirectories, AFolderNamedWithDoubleColonsComesBackWhole)
{
    mru()->setProgramKey(QStringLiteral("/bin/host"));
    setFileDialogLastDir(QStringLiteral("/odd::name::more"));
    settings().setValue("cuifiledlg/MRU/b", QStringLiteral("/bin/old::/plain"));
    settings().setValue("cuifiledlg/MRU/Order", QStringLiteral("ab"));
    mru()->reload();
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/odd::name::more"));
    EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/old")), QStringLiteral("/plain"));
}

// A settings file that is there but no regular file is neither read nor replaced, and the debug
// output says why: a pipe nobody writes to would hold the first file chooser for ever.
TEST_F(RememberedDirectories, AnOddSettingsFileIsLeftAloneAndSaysWhy)
{
    mru()->setProgramKey(QStringLiteral("/bin/host"));
    setFileDialogLastDir(QStringLiteral("/before"));
    const QString file = settings().fileName();
    const auto meet = [&](const char *what, bool made, const std::function<bool()> &unread) {
        ASSERT_TRUE(made) << what;
        testhost::DebugCapture output;
        mru()->reload();
        EXPECT_TRUE(mru()->entries().isEmpty()) << what;
        EXPECT_FALSE(mru()->setLastDir(mru()->programKey(), QStringLiteral("/during"))) << what;
        EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/during")) << what << ": kept for this run";
        EXPECT_TRUE(output.contains(file.toStdString() + " is no regular file")) << output.text();
        EXPECT_TRUE(unread()) << what;
        QFile::remove(file);
    };
    QFile::remove(file);
    {
        testfiles::UnfedPipe pipe(file);
        meet("pipe", QFileInfo(file).exists(), [&] { return !pipe.readerWaited(); });
    }
    // A link to a folder, not to a device: a fault here would replace what the link names.
    const testfiles::NonRegularFiles odd;
    meet("link to a folder", QFile::link(odd.folder(), file),
         [&] { return QFileInfo(file).isSymLink() && QFileInfo(odd.folder()).isDir(); });
    mru()->reload();
    EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), QStringLiteral("/after")));
}

// A settings file of any bytes does not read as settings, but each save rewrites it: the save
// answers that it saved, and the folder is there for the next run.
TEST_F(RememberedDirectories, ASaveOverAFileOfAnyBytesAnswersWhatItDid)
{
    std::mt19937 draw(11);
    mru()->setProgramKey(QStringLiteral("/bin/host"));
    for (int round = 0; round < 3; ++round) {
        QByteArray junk(512 * 1024, '\0');
        for (char &b : junk)
            b = char(draw() % 256);
        {
            QFile file(settings().fileName());
            QDir().mkpath(QFileInfo(file).path());
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(junk);
        }
        mru()->reload();
        const QString folder = QStringLiteral("/saved/%1").arg(round);
        EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), folder)) << round;
        mru()->reload();
        EXPECT_EQ(fileDialogLastDir(), folder) << round;
    }
}

// Another program's entry stored in bytes that are no UTF-8 (a Latin-1 path) keeps those bytes
// through this program's saves, under whatever letter its place in the list takes.
TEST_F(RememberedDirectories, AnotherProgramsEntryInOtherBytesStaysAsItWas)
{
    const QString file = settings().fileName();
    QDir().mkpath(QFileInfo(file).path());
    const QByteArray theirs = "/other/caf\xe9::/f\xfc";
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write("[cuifiledlg]\nMRU\\Order=ab\nMRU\\a=" + theirs + "\nMRU\\b=/bin/b::/fb\n");
    }
    const auto stored = [&] {
        QFile in(file);
        return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    };
    mru()->reload();
    mru()->setProgramKey(QStringLiteral("/bin/host"));
    for (const char *mine : {"/mine/1", "/mine/2"}) {
        EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), QString::fromLatin1(mine)));
        EXPECT_TRUE(stored().contains("MRU\\b=" + theirs + "\n")) << stored().constData();
        mru()->reload();
        EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/b")), QStringLiteral("/fb"));
        EXPECT_EQ(fileDialogLastDir(), QString::fromLatin1(mine));
    }
}

// Bytes that are no UTF-8 at the ends of another program's key and folder, a character left
// unfinished at the line's end included, come back byte for byte through this program's saves.
TEST_F(RememberedDirectories, RawBytesAtTheEndsOfKeysAndFoldersStayByteForByte)
{
    const QString file = settings().fileName();
    QDir().mkpath(QFileInfo(file).path());
    const QByteArray theirs[] = {"/other/caf\xe9::/kept/one\xe9", "/other/caf\xe9",
                                 "\xe9/lead::\xe9/lead",          "/o/x::/f\xc3",
                                 "/o/y\xff\xfe::/f\xe9\xe9",      "/o/z\xe2\x82::/g"};
    QByteArray lines = "[cuifiledlg]\nMRU\\Order=abcdef\n";
    for (qsizetype i = 0; i < qsizetype(std::size(theirs)); ++i)
        lines += "MRU\\" + QByteArray(1, char('a' + i)) + '=' + theirs[i] + '\n';
    {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(lines);
    }
    mru()->reload();
    mru()->setProgramKey(QStringLiteral("/bin/host"));
    for (const char *mine : {"/mine/1", "/mine/2"}) {
        EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), QString::fromLatin1(mine)));
        QFile in(file);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        const QByteArray stored = in.readAll();
        for (qsizetype i = 0; i < qsizetype(std::size(theirs)); ++i)
            EXPECT_TRUE(stored.contains("=" + theirs[i] + "\n"))
                << theirs[i].toHex().constData() << " lost in:\n"
                << stored.constData();
        mru()->reload();
        EXPECT_EQ(fileDialogLastDir(), QString::fromLatin1(mine));
    }
}

// The settings class answers from its earlier read of a file that has the same size and time
// now (another program wrote it within the same tick): the bytes read from the file as it is
// now are not taken for another entry than the one they read as.
TEST_F(RememberedDirectories, AStaleReadTakesNoOtherEntrysBytes)
{
    const QString file = settings().fileName();
    QDir().mkpath(QFileInfo(file).path());
    const QByteArray name = QFile::encodeName(file);
    const auto write = [&](const QByteArray &a, const QByteArray &b) {
        QFile out(file);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write("[cuifiledlg]\nMRU\\Order=ab\nMRU\\a=" + a + "\nMRU\\b=" + b + "\n");
    };
    write("/o/caf\xe9::/f1", "/bin/b::/fb");
    mru()->reload();
    struct stat before = {};
    ASSERT_EQ(::stat(name.constData(), &before), 0);
    // The same lines the other way round: the same size, and the time set back.
    write("/bin/b::/fb", "/o/caf\xe9::/f1");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::utimensat(AT_FDCWD, name.constData(), times, 0), 0);

    mru()->setProgramKey(QStringLiteral("/bin/host"));
    EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), QStringLiteral("/mine")));
    QFile in(file);
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QByteArray stored = in.readAll();
    EXPECT_LE(stored.count("/o/caf\xe9::/f1"), 1) << stored.constData();
    mru()->reload();
    EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/b")), QStringLiteral("/fb"))
        << stored.constData();
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/mine"));
}

// Another program that keeps the lock for longer than its wait while it saves the list again
// and again (a loaded machine): the save waits for it, and keeps its folder.
TEST_F(RememberedDirectories, ASaveWaitsForAnotherThatGoesOnSaving)
{
    const QString file = settings().fileName();
    QDir().mkpath(QFileInfo(file).path());
    std::atomic<bool> held{false};
    std::thread other([&] {
        const tesk::system::HeldFileLock lock(file + QStringLiteral(".folders-lock"));
        held = lock.isHeld();
        for (int i = 0; i < 12; ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(250));
            QSaveFile out(file);
            if (out.open(QIODevice::WriteOnly)) {
                out.write("[cuifiledlg]\nMRU\\Order=a\nMRU\\a=/bin/other::/other/" +
                          QByteArray::number(i) + "\n");
                out.commit();
            }
        }
    });
    while (!held)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    mru()->setProgramKey(QStringLiteral("/bin/host"));
    EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), QStringLiteral("/mine")));
    other.join();
    mru()->reload();
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/mine"));
    EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/other")), QStringLiteral("/other/11"));
}

// Letters of the order without their entry name nothing and are not written back as entries;
// the entries of a file without an order stay through the next save.
TEST_F(RememberedDirectories, AnOrderAndItsEntriesDisagreeingLoseNothing)
{
    settings().setValue("cuifiledlg/MRU/a", QStringLiteral("/bin/a::/fa"));
    settings().setValue("cuifiledlg/MRU/c", QStringLiteral("/bin/c::/fc"));
    mru()->reload();
    mru()->setProgramKey(QStringLiteral("/bin/new"));
    setFileDialogLastDir(QStringLiteral("/new"));
    mru()->reload();
    EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/a")), QStringLiteral("/fa"));
    EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/c")), QStringLiteral("/fc"));
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/new"));
    EXPECT_EQ(settings().value("cuifiledlg/MRU/Order").toString(), QStringLiteral("abc"));

    settings().clear();
    settings().setValue("cuifiledlg/MRU/b", QStringLiteral("/bin/b::/fb"));
    settings().setValue("cuifiledlg/MRU/Order", QStringLiteral("zab"));
    mru()->reload();
    EXPECT_EQ(mru()->entries().size(), 1);
    setFileDialogLastDir(QStringLiteral("/new2"));
    EXPECT_EQ(settings().value("cuifiledlg/MRU/Order").toString(), QStringLiteral("ab"));
    EXPECT_EQ(settings().value("cuifiledlg/MRU/b").toString(), QStringLiteral("/bin/b::/fb"));
}

// Another host program using the same home area: it remembers its folder `count` times. With
// a file to wait for, it says "ready" and saves once the file is there.
class OtherProgram
{
public:
    OtherProgram(const QString &key, const QString &folder, int count, const QString &go = {})
    {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("KSODEBUG_HOME"), testhost::homeDir());
        env.insert(QStringLiteral("KSODEBUG_ALLOW_MULTIPLE_INSTANCES"), QStringLiteral("1"));
        env.insert(QString::fromLatin1(testfiles::kAsPlainUser), QStringLiteral("1"));
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::MergedChannels);
        QStringList arguments{key, folder, QString::number(count)};
        if (!go.isEmpty())
            arguments << go;
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/folders_child"),
                        arguments);
    }
    bool ready()
    {
        m_output += m_process.readAllStandardOutput();
        return m_output.contains("ready\n");
    }
    // Its output and debug output so far.
    const QByteArray &output() const { return m_output; }
    // What it saved: how many of its saves succeeded, or -1 when it did not end well.
    int finish()
    {
        if (!m_process.waitForFinished(60000) || m_process.exitStatus() != QProcess::NormalExit ||
            m_process.exitCode() != 0)
            return -1;
        m_output += m_process.readAllStandardOutput();
        const qsizetype at = m_output.indexOf("saved=");
        return at < 0 ? -1 : m_output.mid(at + 6).trimmed().toInt();
    }

private:
    QProcess m_process;
    QByteArray m_output;
};

TEST_F(RememberedDirectories, AnotherProgramsFolderSavedMeanwhileStays)
{
    setFileDialogLastDir(QStringLiteral("/mine/1"));
    // The other program starts after this one read the list, and saves its own folder.
    OtherProgram other(QStringLiteral("/bin/other"), QStringLiteral("/other"), 1);
    ASSERT_EQ(other.finish(), 1);
    setFileDialogLastDir(QStringLiteral("/mine/2"));

    mru()->reload();
    EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/other")), QStringLiteral("/other/0"));
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/mine/2"));
    EXPECT_EQ(settings().value("cuifiledlg/MRU/Order").toString(), QStringLiteral("ab"));
}

TEST_F(RememberedDirectories, ProgramsSavingAtOnceKeepEachOthersFolders)
{
    const QString go = testhost::homeDir() + QStringLiteral("/folders-go");
    QFile::remove(go);
    constexpr int kPrograms = 8;
    constexpr int kSaves = 100;
    std::vector<std::unique_ptr<OtherProgram>> programs;
    for (int i = 0; i < kPrograms; ++i)
        programs.push_back(std::make_unique<OtherProgram>(
            QStringLiteral("/bin/host%1").arg(i), QStringLiteral("/host%1").arg(i), kSaves, go));
    ASSERT_TRUE(testhost::pumpUntil(
        [&] {
            return std::all_of(programs.begin(), programs.end(),
                               [](const auto &program) { return program->ready(); });
        },
        60000));
    QFile(go).open(QIODevice::WriteOnly);
    for (auto &program : programs)
        EXPECT_EQ(program->finish(), kSaves) << program->output().toStdString();
    QFile::remove(go);

    mru()->reload();
    EXPECT_EQ(mru()->entries().size(), kPrograms);
    for (int i = 0; i < kPrograms; ++i)
        EXPECT_EQ(mru()->lastDir(QStringLiteral("/bin/host%1").arg(i)),
                  QStringLiteral("/host%1/%2").arg(i).arg(kSaves - 1));
}

// A lock file nobody can lock keeps nobody out: the other program's save still reads the list
// again and writes it, and its debug output says why the lock was of no use. A lock file the
// user may only read still locks.
TEST_F(RememberedDirectories, AnOddLockFileStillSavesAndSaysWhy)
{
    setFileDialogLastDir(QStringLiteral("/mine"));
    const QString lockFile = settings().fileName() + QStringLiteral(".folders-lock");
    testfiles::NonRegularFiles odd;
    int round = 0;
    const auto saveWith = [&](const std::function<bool()> &make, const char *why) {
        QFile::remove(lockFile);
        QDir(lockFile).removeRecursively();
        ASSERT_TRUE(make()) << why;
        const QString key = QStringLiteral("/bin/other%1").arg(++round);
        OtherProgram other(key, QStringLiteral("/other"), 1);
        EXPECT_EQ(other.finish(), 1) << other.output().toStdString();
        EXPECT_TRUE(other.output().contains(why)) << other.output().toStdString();
        mru()->reload();
        EXPECT_EQ(mru()->lastDir(key), QStringLiteral("/other/0")) << why;
        EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/mine")) << why;
    };
    saveWith([&] { return QDir().mkdir(lockFile); }, "is a folder");
    saveWith([&] { return ::mkfifo(QFile::encodeName(lockFile).constData(), 0600) == 0; },
             "is no regular file");
    saveWith([&] { return QFile::link(QStringLiteral("/dev/full"), lockFile); },
             "is no regular file");
    saveWith(
        [&] {
            QFile file(lockFile);
            return file.open(QIODevice::WriteOnly) &&
                   file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup);
        },
        "saved=1");
    QFile::remove(lockFile);
}

TEST_F(RememberedDirectories, ALockHeldTooLongSavesNothingButKeepsTheFolderForThisRun)
{
    setFileDialogLastDir(QStringLiteral("/mine/1"));
    const QString lockFile = settings().fileName() + QStringLiteral(".folders-lock");
    {
        // Another program stopped while saving.
        const tesk::system::HeldFileLock held(lockFile);
        ASSERT_TRUE(held.isHeld());
        testhost::DebugCapture output;
        EXPECT_FALSE(mru()->setLastDir(mru()->programKey(), QStringLiteral("/mine/2")));
        EXPECT_TRUE(output.contains("folders-lock")) << output.text();
    }
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/mine/2"));
    EXPECT_EQ(settings().value("cuifiledlg/MRU/a").toString(),
              QCoreApplication::applicationFilePath() + QStringLiteral("::/mine/1"));
    EXPECT_TRUE(mru()->setLastDir(mru()->programKey(), QStringLiteral("/mine/3")));
}

class FileChooser : public RememberedDirectories
{
protected:
    void SetUp() override
    {
        RememberedDirectories::SetUp();
        for (const char *name : {"a.c", "b.c"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    bool run(int mode, const QString &startDir = QString())
    {
        return runFileDialog(nullptr, QStringLiteral("Pick"), QStringLiteral("C files [*.c]"),
                             startDir, mode, 0, name, names);
    }
    QTemporaryDir dir;
    QString name;
    QStringList names;
};

TEST_F(FileChooser, OpenOneRemembersItsDirectory)
{
    ModalAnswers answers;
    QString objectName, startDir;
    QStringList filters;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<QFileDialog *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        objectName = dialog->objectName();
        startDir = dialog->directory().absolutePath();
        filters = dialog->nameFilters();
        testhost::chooseFiles(dialog, dir.path(), {QStringLiteral("a.c")});
    });
    ASSERT_TRUE(run(tesk::core::OpenOneFile, QStringLiteral("/")));
    EXPECT_EQ(objectName, QStringLiteral("CUI::open_file_dialog"));
    EXPECT_EQ(startDir, QStringLiteral("/"));
    EXPECT_EQ(filters, QStringList{QStringLiteral("C files (*.c)")});
    EXPECT_EQ(name, dir.filePath(QStringLiteral("a.c")));
    EXPECT_EQ(fileDialogLastDir(), dir.path());

    // A null start directory opens where the last choice was made.
    name.clear();
    ASSERT_TRUE(run(tesk::core::OpenOneFile));
    EXPECT_EQ(startDir, dir.path());
}

TEST_F(FileChooser, OpenSeveralAndSaveWithExtension)
{
    ModalAnswers answers;
    QString objectName;
    QStringList pick{QStringLiteral("a.c"), QStringLiteral("b.c")};
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<QFileDialog *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        objectName = dialog->objectName();
        testhost::chooseFiles(dialog, dir.path(), pick);
    });
    ASSERT_TRUE(run(tesk::core::OpenFiles));
    EXPECT_EQ(objectName, QStringLiteral("CUI::open_multiple_files_dialog"));
    EXPECT_EQ(names, (QStringList{dir.filePath("a.c"), dir.filePath("b.c")}));
    EXPECT_TRUE(name.isEmpty());

    pick = {QStringLiteral("report")};
    ASSERT_TRUE(run(tesk::core::SaveFile));
    EXPECT_EQ(objectName, QStringLiteral("CUI::save_file_dialog"));
    EXPECT_EQ(name, dir.filePath("report.c"));
}

TEST_F(FileChooser, OpensShowingAboutFifteenFilesWithinTheScreen)
{
    ModalAnswers answers;
    int rowsShown = 0;
    bool onScreen = false;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<QFileDialog *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        auto *files = dialog->findChild<QTreeView *>(QStringLiteral("treeView"));
        ASSERT_NE(files, nullptr);
        const int row = std::max(files->fontMetrics().height(), 16) + 4;
        rowsShown = files->viewport()->height() / row;
        onScreen = dialog->screen()->availableGeometry().contains(dialog->geometry());
        dialog->reject();
    });
    run(tesk::core::OpenOneFile, dir.path());
    EXPECT_GE(rowsShown, 14);
    EXPECT_TRUE(onScreen);
}

TEST_F(FileChooser, CancelAndUnknownModesChooseNothing)
{
    ModalAnswers answers; // rejects every dialog
    name = QStringLiteral("kept");
    EXPECT_FALSE(run(tesk::core::OpenOneFile, dir.path()));
    EXPECT_FALSE(run(tesk::core::OpenFiles, dir.path()));
    EXPECT_EQ(name, QStringLiteral("kept"));
    EXPECT_TRUE(names.isEmpty());
    EXPECT_TRUE(fileDialogLastDir().isNull());
    const size_t shown = answers.seen().size();
    EXPECT_FALSE(run(3));
    EXPECT_FALSE(run(-1));
    EXPECT_EQ(answers.seen().size(), shown);
}

TEST_F(FileChooser, DirectoryChooserFormsFollowTheEnvironment)
{
    ModalAnswers answers;
    QString objectName, startDir;
    bool dirsOnly = false;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<QFileDialog *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        objectName = dialog->objectName();
        startDir = dialog->directory().absolutePath();
        dirsOnly = dialog->testOption(QFileDialog::ShowDirsOnly);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::Directory);
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const struct
    {
        bool portable;
        bool dirOnly;
        const char *objectName;
        bool dirsOnlyShown;
    } cases[] = {
        {false, false, "CuiSimpleDir", true},
        {true, false, "mine", false},
        {true, true, "mine", true},
    };
    for (const auto &c : cases) {
        if (c.portable)
            qputenv("KSODEBUG_USE_PORTABLE_DIALOGS", "1");
        const QString chosen = chooseExistingDirectory(dir.path(), nullptr, QStringLiteral("mine"),
                                                       QStringLiteral("Folder"), c.dirOnly, false);
        qunsetenv("KSODEBUG_USE_PORTABLE_DIALOGS");
        EXPECT_EQ(objectName, QString::fromLatin1(c.objectName));
        EXPECT_EQ(dirsOnly, c.dirsOnlyShown);
        EXPECT_EQ(startDir, dir.path());
        EXPECT_EQ(chosen, dir.path());
    }
}

// The toolkit's own settings file of its file dialog as a pipe nobody writes to: no chooser
// waits for it as it is made or as it ends, the debug output says why, and the user's settings
// folder is the toolkit's again once the chooser is gone.
TEST_F(FileChooser, AnOddToolkitSettingsFileHoldsNoChooser)
{
    const QString file = tesk::system::toolkitDialogSettingsFile();
    const QString folderBefore = QSettings(QSettings::UserScope, "tesk-probe").fileName();
    QFile::remove(file);
    QDir().mkpath(QFileInfo(file).path());
    ModalAnswers answers; // rejects every dialog
    testhost::DebugCapture output;
    {
        testfiles::UnfedPipe pipe(file);
        ASSERT_TRUE(QFileInfo(file).exists());
        EXPECT_FALSE(run(tesk::core::OpenOneFile, dir.path()));
        EXPECT_FALSE(run(tesk::core::SaveFile, dir.path()));
        EXPECT_TRUE(chooseExistingDirectory(dir.path(), nullptr, QStringLiteral("mine"),
                                            QStringLiteral("Folder"), true, false)
                        .isEmpty());
        EXPECT_EQ(answers.seen().size(), 3u);
        EXPECT_FALSE(pipe.readerWaited());
    }
    QFile::remove(file);
    EXPECT_TRUE(output.contains(file.toStdString() + " is no regular file")) << output.text();
    EXPECT_EQ(QSettings(QSettings::UserScope, "tesk-probe").fileName(), folderBefore);
    // A regular file again: the toolkit keeps its settings there as usual.
    EXPECT_FALSE(run(tesk::core::OpenOneFile, dir.path()));
    EXPECT_TRUE(QFileInfo(file).isFile());
}

// The folder of the user's settings is found without opening a file there: a pipe under the
// name a settings class was once made for to tell the folder holds neither the first chooser
// nor the remembered folders.
TEST_F(FileChooser, TheSettingsFolderIsFoundWithoutOpeningAFile)
{
    const QString folder = tesk::system::userSettingsFolder(QSettings::NativeFormat);
    EXPECT_EQ(folder, QFileInfo(settings().fileName()).path().section(QLatin1Char('/'), 0, -2));
    EXPECT_EQ(QFileInfo(tesk::system::toolkitDialogSettingsFile()).path(), folder);
    QDir().mkpath(folder);
    ModalAnswers answers; // rejects every dialog
    {
        testfiles::UnfedPipe pipe(folder + QStringLiteral("/tesk-settings-folder.conf"));
        mru()->reload();
        EXPECT_FALSE(run(tesk::core::OpenOneFile, dir.path()));
        setFileDialogLastDir(QStringLiteral("/mine"));
        EXPECT_FALSE(pipe.readerWaited());
    }
    QFile::remove(folder + QStringLiteral("/tesk-settings-folder.conf"));
    EXPECT_EQ(answers.seen().size(), 1u);
    mru()->reload();
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/mine"));
}

} // namespace
