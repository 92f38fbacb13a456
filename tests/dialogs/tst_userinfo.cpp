// CuiGetUserInformation: the contact details merged into the template's name line and the
// eight after it, each file the dialog cannot use reported with the dialog kept up, and an
// output in a folder that takes no new file written where it is.
#include "modalanswers.h"
#include "nonregularfiles.h"
#include "testhost.h"

#include "dialogs/userinfodlg.h"

#include <tesk/tesk_dialogs.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/fsuid.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

using testhost::ModalAnswers;

// The values typed, in the order the dialog writes them.
const char *const kFields[] = {"nameEF", "companyEF", "phoneEF", "address1EF", "address2EF",
                               "cityEF", "stateEF",   "ZIPEF",   "emailEF"};
const char *const kValues[] = {"Ada",    "Works", "555", "Street 1",       "Floor 2",
                               "Oxford", "UK",    "OX1", "ada@example.org"};

// Permission bits stop root from nothing: while this lives, files are opened with the rights of
// an ordinary user (the file-system ids of this thread only). Other users keep their own.
class WithoutRootsFileRights
{
public:
    WithoutRootsFileRights()
        : m_root(geteuid() == 0)
    {
        if (m_root) {
            setfsgid(kNobody);
            setfsuid(kNobody);
        }
    }
    ~WithoutRootsFileRights()
    {
        if (m_root) {
            setfsuid(0);
            setfsgid(0);
        }
    }
    WithoutRootsFileRights(const WithoutRootsFileRights &) = delete;
    WithoutRootsFileRights &operator=(const WithoutRootsFileRights &) = delete;

private:
    static constexpr uid_t kNobody = 65534;
    bool m_root;
};

// Runs the dialog to the end of a write that fails half way, as on a full disk (the process
// may write no file larger than 16 KiB meanwhile): OK, the error box's OK, then Cancel.
void expectWriteFailure(const QByteArray &in, const QByteArray &out)
{
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 16 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ModalAnswers answers;
    answers.click(QStringLiteral("okPB"))
        .click(QStringLiteral("OK"))
        .click(QStringLiteral("cancelPB"));
    const int result = CuiGetUserInformation(0, in.constData(), out.constData());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    EXPECT_EQ(result, 0);
    EXPECT_TRUE(answers.allStepsTaken());
    ASSERT_EQ(answers.seen().size(), 2u);
    EXPECT_EQ(answers.seen().back().caption, QStringLiteral("Error"));
    EXPECT_TRUE(answers.seen().back().text.contains(QStringLiteral("cannot be written")))
        << qPrintable(answers.seen().back().text);
}

class UserInformation : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }

    QString path(const char *name) const { return m_dir.filePath(QLatin1String(name)); }

    void writeTemplate(const QByteArray &text) const
    {
        QFile file(path("template.txt"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    QByteArray output() const
    {
        QFile file(path("out.txt"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
    }

    // Fills every field, or only the name, and presses OK.
    int run(bool onlyName = false)
    {
        for (int i = 0; i < (onlyName ? 1 : 9); ++i)
            m_answers.type(QLatin1String(kFields[i]), QLatin1String(kValues[i]));
        m_answers.click(QStringLiteral("okPB"));
        const QByteArray in = path("template.txt").toLatin1();
        const QByteArray out = path("out.txt").toLatin1();
        return CuiGetUserInformation(0, in.constData(), out.constData());
    }

    QTemporaryDir m_dir;
    ModalAnswers m_answers;
};

TEST_F(UserInformation, ValuesFollowTheNameLineAndTheEightAfterIt)
{
    writeTemplate("Problem report\n"
                  "  Name: \n  Company: \n  Phone: \n  Address: \n  Address: \n"
                  "  City: \n  State: \n  ZIP: \n  E-Mail: \n"
                  "End\n");
    EXPECT_EQ(run(), 1);
    EXPECT_EQ(output(), QByteArray("Problem report\n"
                                   "  Name: Ada\n  Company: Works\n  Phone: 555\n"
                                   "  Address: Street 1\n  Address: Floor 2\n"
                                   "  City: Oxford\n  State: UK\n  ZIP: OX1\n"
                                   "  E-Mail: ada@example.org\n"
                                   "End\n"));
}

TEST_F(UserInformation, TemplateCases)
{
    struct Case
    {
        const char *what;
        QByteArray templateText;
        bool onlyName;
        QByteArray expected;
    };
    const Case cases[] = {
        {"no blank before Name", "Name:\nx\n", false, "Name:\nx\n"},
        {"a second name line starts again", "\tName:\n a\n Name:\n b\n", false,
         "\tName:Ada\n aWorks\n Name:Ada\n bWorks\n"},
        {"the template ends early", " Name\n", false, " NameAda\n"},
        {"empty fields append nothing", " Name\n c\n", true, " NameAda\n c\n"},
        {"the last line gets its line end", " Name", false, " NameAda\n"},
    };
    for (const Case &c : cases) {
        writeTemplate(c.templateText);
        EXPECT_EQ(run(c.onlyName), 1) << c.what;
        EXPECT_EQ(output(), c.expected) << c.what;
    }
}

TEST_F(UserInformation, FileThatCannotBeUsedIsReportedAndTheDialogStays)
{
    writeTemplate(" Name\n");
    struct Case
    {
        QString templateFile;
        QString outputFile;
        QString message;
    };
    const Case cases[] = {
        {QString(""), path("out.txt"), QStringLiteral("Cannot find the input template file")},
        {m_dir.path(), path("out.txt"), QStringLiteral("Cannot read the input file")},
        {path("template.txt"), path("missing/out.txt"),
         QStringLiteral("The user information file")},
    };
    for (const Case &c : cases) {
        ModalAnswers answers;
        // OK, the error box's OK, then Cancel on the dialog that stayed up.
        answers.click(QStringLiteral("okPB"))
            .click(QStringLiteral("OK"))
            .click(QStringLiteral("cancelPB"));
        const QByteArray in = c.templateFile.toLatin1();
        const QByteArray out = c.outputFile.toLatin1();
        EXPECT_EQ(CuiGetUserInformation(0, in.constData(), out.constData()), 0);
        EXPECT_TRUE(answers.allStepsTaken()) << qPrintable(c.message);
        ASSERT_EQ(answers.seen().size(), 2u);
        EXPECT_EQ(answers.seen().back().kind, tesk::system::ModalSeam::Kind::MessageBox);
        EXPECT_EQ(answers.seen().back().caption, QStringLiteral("Error"));
        EXPECT_TRUE(answers.seen().back().text.startsWith(c.message))
            << qPrintable(answers.seen().back().text);
        EXPECT_FALSE(QFile::exists(path("out.txt"))) << qPrintable(c.message);
    }
}

// An output that names a device, a pipe or a folder is refused before anything is written; a
// link is followed, its target written and the link kept.
TEST_F(UserInformation, OutputThatIsNoRegularFileIsRefusedAndALinkIsFollowed)
{
    writeTemplate("Report\n  Name: \n");
    const testfiles::NonRegularFiles names;
    const QByteArray in = path("template.txt").toLatin1();
    for (const QString &name : names.refused()) {
        ModalAnswers answers;
        answers.click(QStringLiteral("okPB"))
            .click(QStringLiteral("OK"))
            .click(QStringLiteral("cancelPB"));
        const QByteArray out = name.toLatin1();
        EXPECT_EQ(CuiGetUserInformation(0, in.constData(), out.constData()), 0) << qPrintable(name);
        ASSERT_EQ(answers.seen().size(), 2u) << qPrintable(name);
        EXPECT_TRUE(answers.seen().back().text.contains(QStringLiteral("cannot be written")))
            << qPrintable(answers.seen().back().text);
    }
    EXPECT_TRUE(QFileInfo(names.pipe()).isFile() == false && QFileInfo(names.folder()).isDir());

    m_answers.type(QStringLiteral("nameEF"), QStringLiteral("Ada"));
    m_answers.click(QStringLiteral("okPB"));
    const QByteArray link = names.link().toLatin1();
    EXPECT_EQ(CuiGetUserInformation(0, in.constData(), link.constData()), 1);
    EXPECT_TRUE(names.linkKept());
    EXPECT_EQ(names.targetBytes(), QByteArray("Report\n  Name: Ada\n"));
    EXPECT_TRUE(names.nothingElse());
}

TEST_F(UserInformation, TemplateMayBeItsOwnOutput)
{
    writeTemplate("Report\n  Name: \n  Company: \n");
    m_answers.type(QStringLiteral("nameEF"), QStringLiteral("Ada"));
    m_answers.click(QStringLiteral("okPB"));
    const QByteArray both = path("template.txt").toLatin1();
    EXPECT_EQ(CuiGetUserInformation(0, both.constData(), both.constData()), 1);
    QFile file(path("template.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("Report\n  Name: Ada\n  Company: \n"));
}

TEST_F(UserInformation, WriteThatFailsHalfWayKeepsTheOldOutputAndSaysSo)
{
    // A template far larger than the files this process may now write stands for a full disk.
    QByteArray big(" Name\n");
    big += QByteArray(200 * 1024, 'x') + '\n';
    writeTemplate(big);
    {
        QFile old(path("out.txt"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous report\n");
    }
    expectWriteFailure(path("template.txt").toLatin1(), path("out.txt").toLatin1());
    EXPECT_EQ(output(), QByteArray("previous report\n"));
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "no temporary file left";
}

TEST_F(UserInformation, WritableOutputInAFolderThatTakesNoNewFileIsWrittenInPlace)
{
    writeTemplate("Report\n  Name: \n");
    {
        QFile old(path("out.txt"));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("previous report\n");
    }
    const QFile::Permissions readWrite = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                         QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;
    ASSERT_TRUE(QFile::setPermissions(path("out.txt"), readWrite));
    ASSERT_TRUE(QFile::setPermissions(path("template.txt"), readWrite));
    const QFile::Permissions readOnlyFolder = QFile::ReadOwner | QFile::ExeOwner |
                                              QFile::ReadGroup | QFile::ExeGroup |
                                              QFile::ReadOther | QFile::ExeOther;
    ASSERT_TRUE(QFile::setPermissions(m_dir.path(), readOnlyFolder));
    const auto writableAgain = qScopeGuard(
        [&] { QFile::setPermissions(m_dir.path(), readOnlyFolder | QFile::WriteOwner); });
    const QByteArray in = path("template.txt").toLatin1();
    const QByteArray out = path("out.txt").toLatin1();
    const WithoutRootsFileRights rights;
    if (QFile probe(path("probe")); probe.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "permission bits do not keep this user from creating files";

    m_answers.type(QStringLiteral("nameEF"), QStringLiteral("Ada")).click(QStringLiteral("okPB"));
    EXPECT_EQ(CuiGetUserInformation(0, in.constData(), out.constData()), 1);
    EXPECT_EQ(output(), QByteArray("Report\n  Name: Ada\n"));

    // The template may be the output here too: it is read before the output is emptied.
    m_answers.type(QStringLiteral("nameEF"), QStringLiteral("Bo")).click(QStringLiteral("okPB"));
    EXPECT_EQ(CuiGetUserInformation(0, out.constData(), out.constData()), 1);
    EXPECT_EQ(output(), QByteArray("Report\n  Name: AdaBo\n"));

    // A write in place that fails half way cannot keep the old file, but it is said.
    QByteArray big(" Name\n");
    big += QByteArray(200 * 1024, 'x') + '\n';
    writeTemplate(big);
    expectWriteFailure(in, out);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files).size(), 2) << "nothing made beside";
}

TEST_F(UserInformation, CancelAndNullNamesTouchNothing)
{
    writeTemplate(" Name\n");
    m_answers.click(QStringLiteral("cancelPB"));
    const QByteArray in = path("template.txt").toLatin1();
    const QByteArray out = path("out.txt").toLatin1();
    EXPECT_EQ(CuiGetUserInformation(0, in.constData(), out.constData()), 0);
    EXPECT_EQ(CuiGetUserInformation(0, nullptr, out.constData()), 0);
    EXPECT_EQ(CuiGetUserInformation(0, in.constData(), nullptr), 0);
    EXPECT_EQ(m_answers.seen().size(), 1u) << "no dialog for a null name";
    EXPECT_FALSE(QFile::exists(path("out.txt")));
}

} // namespace
