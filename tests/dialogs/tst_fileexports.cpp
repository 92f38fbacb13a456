// The simple file and directory exports as the host calls them: the layouts of the answer
// buffer, its refusals, short buffers, cancel and suppressed prompts.
#include "filedialoganswers.h"
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/filequestions.h"
#include "dialogs/ksodialogs_common.h"
#include "frame/core/cuidebuginfo.h"

#include <tesk/tesk_filedialogs.h>

#include <QFileDialog>
#include <QTemporaryDir>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

namespace {

using testhost::ModalAnswers;

std::string bytes(const char *buffer, size_t size)
{
    return std::string(buffer, size);
}

TEST(AnswerBuffer, LayoutsAndRefusals)
{
    using tesk::dialogs::joinSelectedFiles;
    using tesk::dialogs::storeSelectedFile;
    static char buffer[sizeof g_Filename];
    ASSERT_EQ(joinSelectedFiles({"/src/a.c", "/src/b.c"}, buffer), 0);
    EXPECT_EQ(bytes(buffer, 14), std::string("/src/\0a.c\0b.c\0\0", 14));
    ASSERT_EQ(storeSelectedFile(QString::fromUtf8("/d/\xc3\xa9.c"), buffer), 0);
    EXPECT_EQ(bytes(buffer, 9), std::string("/d/\xc3\xa9.c\0\0", 9));

    // 4095 bytes with their terminators fit beside the final NUL; 4096 do not.
    const QString dir = QStringLiteral("/");
    const QString fits = dir + QString(4092, QLatin1Char('x'));
    std::memset(buffer, 'k', sizeof buffer);
    EXPECT_EQ(joinSelectedFiles({fits}, buffer), 0);
    EXPECT_EQ(buffer[4095], '\0');
    std::memset(buffer, 'k', sizeof buffer);
    EXPECT_EQ(joinSelectedFiles({fits + QLatin1Char('x')}, buffer), 1);
    EXPECT_EQ(buffer[0], 'k');
    EXPECT_EQ(storeSelectedFile(QString(4094, QLatin1Char('n')), buffer), 0);
    EXPECT_EQ(storeSelectedFile(QString(4095, QLatin1Char('n')), buffer), 1);
    EXPECT_EQ(joinSelectedFiles({}, buffer), 1);
    // A name without a directory: an empty directory part, the whole name as base name.
    EXPECT_EQ(joinSelectedFiles({"plain"}, buffer), 0);
    EXPECT_EQ(bytes(buffer, 8), std::string("\0plain\0\0", 8));
}

class FileExports : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    void SetUp() override
    {
        for (const char *name : {"a.c", "b.c"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
        answers.setHandler([this](const ModalAnswers::Request &request) {
            auto *dialog = qobject_cast<QFileDialog *>(request.widget.data());
            ASSERT_NE(dialog, nullptr);
            seenMode = dialog->fileMode();
            seenName = dialog->objectName();
            if (pick.isEmpty())
                QMetaObject::invokeMethod(dialog, "reject");
            else if (dialog->fileMode() == QFileDialog::Directory)
                dialog->setDirectory(dir.path()), QMetaObject::invokeMethod(dialog, "accept");
            else
                testhost::chooseFiles(dialog, dir.path(), pick);
        });
    }
    int file(int multiple, int save, const char *filter = "C files [*.c]")
    {
        return CuiSimpleFileExtraMultipleEx(0, "Pick", &result, filter,
                                            dir.path().toLatin1().constData(), multiple, 7, save);
    }
    std::string native(const char *name) const
    {
        return dir.filePath(QString::fromLatin1(name)).toStdString();
    }

    QTemporaryDir dir;
    ModalAnswers answers;
    QStringList pick;
    QFileDialog::FileMode seenMode = QFileDialog::AnyFile;
    QString seenName;
    const char *result = "untouched";
};

TEST_F(FileExports, ModesAndTheirAnswers)
{
    pick = QStringList{"a.c"};
    ASSERT_EQ(file(0, 0), 0);
    EXPECT_EQ(seenMode, QFileDialog::ExistingFile);
    EXPECT_EQ(result, g_Filename);
    EXPECT_EQ(bytes(result, native("a.c").size() + 2), native("a.c") + std::string(2, '\0'));

    pick = QStringList{"a.c", "b.c"};
    ASSERT_EQ(file(1, 1), 0); // several files win over save
    EXPECT_EQ(seenMode, QFileDialog::ExistingFiles);
    const std::string joined = dir.path().toStdString() + "/" + std::string(1, '\0') + "a.c" +
                               std::string(1, '\0') + "b.c" + std::string(2, '\0');
    EXPECT_EQ(bytes(result, joined.size()), joined);

    pick = QStringList{"out"};
    ASSERT_EQ(file(0, 1, "Text [*.txt]"), 0);
    EXPECT_EQ(seenName, QStringLiteral("CUI::save_file_dialog"));
    EXPECT_EQ(std::string(result), native("out.txt"));
}

TEST_F(FileExports, CancelSuppressionAndNullPointerLeaveTheAnswerAlone)
{
    EXPECT_EQ(file(0, 0), 1);
    EXPECT_STREQ(result, "untouched");
    pick = QStringList{"a.c"};
    EXPECT_EQ(CuiSimpleFileExtraMultipleEx(0, "Pick", nullptr, nullptr, nullptr, 0, 0, 0), 1);
    qputenv("KSODEBUG_SUPPRESS_PROMPTS", "1");
    CuiDebugInfo::reset();
    const size_t shown = answers.seen().size();
    EXPECT_EQ(file(0, 0), 1);
    char buffer[64] = "kept";
    EXPECT_EQ(CuiSimpleDir(0, "Folder", nullptr, sizeof buffer, buffer), 1);
    qunsetenv("KSODEBUG_SUPPRESS_PROMPTS");
    CuiDebugInfo::reset();
    EXPECT_EQ(answers.seen().size(), shown);
    EXPECT_STREQ(result, "untouched");
    EXPECT_STREQ(buffer, "kept");
}

TEST_F(FileExports, DirectoryCopiedOnlyWhenItFits)
{
    pick = QStringList{"."};
    const std::string path = dir.path().toStdString();
    std::string buffer(path.size() + 1, 'k');
    ASSERT_EQ(CuiSimpleDir(0, "Folder", "/", uint32_t(buffer.size()), buffer.data()), 0);
    EXPECT_EQ(seenName, QStringLiteral("CuiSimpleDir"));
    EXPECT_EQ(buffer, path + '\0');

    std::string shortBuffer(path.size(), 'k');
    EXPECT_EQ(CuiSimpleDir(0, "Folder", nullptr, uint32_t(shortBuffer.size()), shortBuffer.data()),
              -1);
    EXPECT_EQ(shortBuffer, std::string(path.size(), 'k'));
    EXPECT_EQ(CuiSimpleDir(0, "Folder", nullptr, 0, shortBuffer.data()), -1);
    EXPECT_EQ(CuiSimpleDir(0, "Folder", nullptr, 10, nullptr), -1);
    // The directory chooser does not touch the remembered directory.
    EXPECT_NE(fileDialogLastDir(), dir.path());

    pick.clear();
    EXPECT_EQ(CuiSimpleDir(0, "Folder", nullptr, uint32_t(buffer.size()), buffer.data()), 1);
}

} // namespace
