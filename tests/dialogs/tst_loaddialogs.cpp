// Load Image and Load Binary as the host calls them, answered by simulated input: the option
// panels, the buffers and the exact command with the host calls it makes; and the embedded file
// dialog's own checks.
#include "loadhost.h"
#include "modalanswers.h"
#include "testhost.h"

#include "dialogs/cuifiledlg.h"
#include "dialogs/ksodialogs_common.h"
#include "dialogs/loaddialogs.h"
#include "dialogs/loadimagepanel.h"
#include "dialogs/loadmemorypanel.h"

#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_filedialogs.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <string>

#include <gtest/gtest.h>

namespace {

using testhost::LoadHost;
using testhost::ModalAnswers;

// Opens the named file in the file dialog inside the widget (a load dialog, or the file dialog
// itself), as a user would: types the name and presses Return.
void openIn(QWidget *widget, const QString &directory, const QString &name)
{
    auto *fileDialog = qobject_cast<QFileDialog *>(widget);
    if (!fileDialog)
        fileDialog = widget->findChild<QFileDialog *>();
    ASSERT_NE(fileDialog, nullptr);
    fileDialog->setDirectory(directory);
    auto *edit = fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

void clickBox(QWidget *dialog, const char *name)
{
    auto *box = dialog->findChild<QCheckBox *>(QString::fromLatin1(name));
    ASSERT_NE(box, nullptr) << name;
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(4, box->height() / 2));
}

class LoadDialogs : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    void SetUp() override
    {
        for (const char *name : {"app.elf", "a.bin"}) {
            QFile file(dir.filePath(QString::fromLatin1(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        }
    }
    void TearDown() override { qunsetenv("KSODEBUG_USE_PORTABLE_DIALOGS"); }
    static void portable() { qputenv("KSODEBUG_USE_PORTABLE_DIALOGS", "1"); }
    std::string path(const char *name) const
    {
        return dir.filePath(QString::fromLatin1(name)).toStdString();
    }

    QTemporaryDir dir;
    ModalAnswers answers;
};

// ---- Load Image -------------------------------------------------------------------------------

struct ImageAnswer
{
    char name[512] = "stale";
    char sections[4] = "s";
    char arguments[64] = "a";
    char offset[64] = "o";
    int32_t symbolsOnly = 9, replace = 9, pcMode = 9;
};

int loadImage(ImageAnswer &answer, const char *startDir, uint32_t sectionsSize = 4)
{
    return CuiLoadImage(0, "Load Image", sizeof answer.name, answer.name, "Images [*.elf]",
                        startDir, 0, &answer.symbolsOnly, &answer.replace, &answer.pcMode,
                        sectionsSize, answer.sections, sizeof answer.arguments, answer.arguments,
                        sizeof answer.offset, answer.offset);
}

TEST_F(LoadDialogs, PortableLoadImagePanelAndAnswers)
{
    portable();
    QStringList opened;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<CuiLoadImageDlg *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        loadimagepanel *panel = dialog->panel();
        opened << QStringLiteral("%1%2%3%4")
                      .arg(panel->autoSetPCCB->isChecked())
                      .arg(panel->setPCToEntryCB->isChecked())
                      .arg(panel->symbolsOnlyCB->isChecked())
                      .arg(panel->replaceExistingFilesCB->isChecked());
        EXPECT_EQ(dialog->fileDialog()->findChild<QPushButton *>("Help Button"), nullptr);
        clickBox(dialog, "symbolsOnlyCB");
        EXPECT_FALSE(panel->autoSetPCCB->isChecked());
        EXPECT_FALSE(panel->setPCToEntryCB->isChecked());
        EXPECT_TRUE(panel->setPCToEntryCB->isEnabled());
        clickBox(dialog, "replaceExistingFilesCB");
        clickBox(dialog, "symbolsOnlyCB");
        EXPECT_TRUE(panel->autoSetPCCB->isChecked());
        EXPECT_FALSE(panel->setPCToEntryCB->isEnabled());
        EXPECT_FALSE(panel->setPCToEntryCB->isChecked()); // follows Replace, now off
        testhost::typeText(panel->argumentsLineEdit, QStringLiteral("-v 2"));
        testhost::typeText(panel->sectionsLineEdit, QStringLiteral(".tx"));
        openIn(dialog, dir.path(), QStringLiteral("app.elf"));
    });
    ImageAnswer answer;
    ASSERT_EQ(loadImage(answer, nullptr), 0);
    EXPECT_EQ(opened, QStringList{"1101"});
    EXPECT_EQ(std::string(answer.name), path("app.elf"));
    EXPECT_STREQ(answer.sections, ".tx");
    EXPECT_STREQ(answer.arguments, "-v 2");
    EXPECT_STREQ(answer.offset, "o"); // empty answers leave their buffers alone
    EXPECT_EQ(answer.symbolsOnly, 0);
    EXPECT_EQ(answer.replace, 0);
    EXPECT_EQ(answer.pcMode, 0);
    EXPECT_EQ(fileDialogLastDir(), dir.path());
}

TEST_F(LoadDialogs, LoadImageShortBufferAndCancel)
{
    portable();
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<CuiLoadImageDlg *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        testhost::typeText(dialog->panel()->sectionsLineEdit, QStringLiteral(".text"));
        openIn(dialog, dir.path(), QStringLiteral("app.elf"));
    });
    ImageAnswer answer;
    EXPECT_EQ(loadImage(answer, dir.path().toLatin1().constData()), -1);
    EXPECT_EQ(std::string(answer.name), path("app.elf")); // copied before the refusal
    EXPECT_STREQ(answer.sections, "s");

    answers.setHandler([](const ModalAnswers::Request &request) {
        QMetaObject::invokeMethod(request.widget.data(), "reject");
    });
    ImageAnswer cancelled;
    EXPECT_EQ(loadImage(cancelled, nullptr, 0), -1);
    EXPECT_STREQ(cancelled.name, "");
    EXPECT_STREQ(cancelled.arguments, "a");
    EXPECT_EQ(cancelled.symbolsOnly, 0);
    EXPECT_EQ(cancelled.replace, 1);
    EXPECT_EQ(cancelled.pcMode, 0);
}

TEST_F(LoadDialogs, PlatformLoadImageTakesTheHookOptions)
{
    answers.setHandler([&](const ModalAnswers::Request &request) {
        QWidget *dialog = request.widget.data();
        ASSERT_NE(dialog->findChild<QWidget *>("1021"), nullptr);
        clickBox(dialog, "1021"); // Auto-Set PC off: Set PC to Entry point keeps its state
        auto *offset = dialog->findChild<QLineEdit *>("1016");
        ASSERT_NE(offset, nullptr);
        testhost::typeText(offset, QStringLiteral("0x100"));
        openIn(dialog, dir.path(), QStringLiteral("app.elf"));
    });
    ImageAnswer answer;
    ASSERT_EQ(loadImage(answer, dir.filePath("app.elf").toLatin1().constData()), 0);
    EXPECT_EQ(std::string(answer.name), path("app.elf"));
    EXPECT_STREQ(answer.offset, "0x100");
    EXPECT_EQ(answer.pcMode, 1);
    EXPECT_EQ(answer.replace, 1);
}

// ---- Load Binary ------------------------------------------------------------------------------

const char kChoices[] = "1 elf ELF image\n0 bin Raw binary\n";

TEST_F(LoadDialogs, PortableLoadBinaryCommandAndHostCalls)
{
    portable();
    LoadHost host;
    QStringList help;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<CuiLoadMemoryDlg *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        LoadMemoryPanel *panel = dialog->panel();
        ASSERT_EQ(panel->filetypeLB->count(), 2);
        EXPECT_EQ(panel->filetypeLB->item(0)->text(), QStringLiteral("elf ELF image"));
        help << panel->locationHelpEdit->text();
        panel->filetypeLB->setCurrentRow(1);
        help << panel->locationHelpEdit->text();
        // Open without a location is refused for a start-address type.
        openIn(dialog, dir.path(), QStringLiteral("a.bin"));
        help << answers.seen().back().text;
        testhost::typeText(panel->locationEdit, QStringLiteral("  0x2000 "));
        openIn(dialog, dir.path(), QStringLiteral("a.bin"));
    });
    ASSERT_EQ(CuiLoadBinary(0, 77, dir.path().toLatin1().constData(), 0, kChoices), 0);
    EXPECT_EQ(help, (QStringList{
                        "Location is optional signed offset for adding to address in file.",
                        "Specify the start address for loading to.",
                        "Please supply a start address when reading/verifying this type of file",
                    }));
    const std::string command = "readfile,bin,gui \"" + path("a.bin") + "\"=0x2000";
    ASSERT_EQ(LoadHost::calls().size(), 2u);
    const LoadHost::Call &gui = LoadHost::calls()[0];
    EXPECT_EQ(gui.entry, "gui");
    EXPECT_EQ(gui.code, 5);
    EXPECT_EQ(gui.object, 0);
    EXPECT_EQ(gui.command, command);
    EXPECT_FALSE(gui.textGiven);
    EXPECT_EQ(gui.extra, 77);
    const LoadHost::Call &mru = LoadHost::calls()[1];
    EXPECT_EQ(mru.entry, "addToLoadBinaryMRU");
    EXPECT_EQ(mru.command, command);
    EXPECT_EQ(mru.code + mru.object + mru.extra, 0);
}

TEST_F(LoadDialogs, PlatformLoadBinaryKeepsBlanksOut)
{
    LoadHost host;
    QStringList errors;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        QWidget *dialog = request.widget.data();
        auto *list = dialog->findChild<QListWidget *>("1014");
        ASSERT_NE(list, nullptr);
        list->setCurrentRow(1);
        auto *location = dialog->findChild<QLineEdit *>("1016");
        testhost::typeText(location, QStringLiteral("0x2000 4"));
        openIn(dialog, dir.path(), QStringLiteral("a.bin"));
        errors << answers.seen().back().text;
        location->clear();
        testhost::typeText(location, QStringLiteral(" 0x2000"));
        openIn(dialog, dir.path(), QStringLiteral("a.bin"));
    });
    ASSERT_EQ(CuiLoadBinary(0, 0, nullptr, 0, kChoices), 0);
    EXPECT_EQ(errors, QStringList{"Please enter a valid value in the Location field."});
    ASSERT_EQ(LoadHost::calls().size(), 2u);
    EXPECT_EQ(LoadHost::calls()[0].command, "readfile,bin,gui \"" + path("a.bin") + "\"=0x2000");
}

TEST_F(LoadDialogs, CancelAndMissingHostFunctionsCallNothing)
{
    {
        LoadHost host;
        EXPECT_EQ(CuiLoadBinary(0, 0, nullptr, 0, kChoices), 1); // rejected by default
        portable();
        EXPECT_EQ(CuiLoadBinary(0, 0, nullptr, 0, kChoices), 1);
        EXPECT_TRUE(LoadHost::calls().empty());
    }
    for (const bool gui : {false, true}) {
        LoadHost host(gui, !gui);
        const size_t before = answers.seen().size();
        EXPECT_EQ(CuiLoadBinary(0, 0, nullptr, 0, kChoices), 1);
        ASSERT_EQ(answers.seen().size(), before + 1); // the box and no dialog
        EXPECT_EQ(answers.seen().back().caption, QStringLiteral("Critical Error"));
        EXPECT_EQ(answers.seen().back().text,
                  QStringLiteral("The entry point for the '%1' interface could not be found.")
                      .arg(gui ? "addToLoadBinaryMRU" : "gui"));
        EXPECT_TRUE(LoadHost::calls().empty());
    }
}

TEST_F(LoadDialogs, LoadMemoryDialogHandles)
{
    const TeskHandle handle = CuiLoadMemoryDlgCreate(0, kChoices);
    ASSERT_NE(handle, 0);
    EXPECT_STREQ(CuiLoadMemoryDlgGetCommand(handle), ""); // nothing made yet
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<CuiLoadMemoryDlg *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->command().isNull());
        openIn(dialog, dir.path(), QString()); // no file: refused
        EXPECT_FALSE(dialog->command().isNull());
        EXPECT_TRUE(dialog->command().isEmpty());
        openIn(dialog, dir.path(), QStringLiteral("app.elf"));
    });
    EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(handle)), 1);
    const std::string command = "readfile,elf,gui \"" + path("app.elf") + "\"";
    // The host keeps the text while the dialog lives: a second reading, and a reading of
    // another dialog's command, leave it as it was.
    const char *kept = CuiLoadMemoryDlgGetCommand(handle);
    EXPECT_EQ(CuiLoadMemoryDlgGetCommand(handle), kept);
    const TeskHandle other = CuiLoadMemoryDlgCreate(0, kChoices);
    EXPECT_STREQ(CuiLoadMemoryDlgGetCommand(other), "");
    CuiLoadMemoryDlgDestroy(other);
    EXPECT_EQ(std::string(kept), command);
    CuiLoadMemoryDlgDestroy(handle);
    EXPECT_EQ(CuiLoadMemoryDlgGetCommand(handle), nullptr);
    CuiLoadMemoryDlgDestroy(handle);
    CuiLoadMemoryDlgDestroy(0);
}

TEST_F(LoadDialogs, OpenWithoutAFileTypeSaysWhy)
{
    const TeskHandle handle = CuiLoadMemoryDlgCreate(0, "");
    ASSERT_NE(handle, 0);
    bool stayed = false;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<CuiLoadMemoryDlg *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        openIn(dialog, dir.path(), QStringLiteral("app.elf"));
        stayed = dialog->isVisible();
        dialog->reject();
    });
    EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(handle)), 0);
    EXPECT_TRUE(stayed);
    ASSERT_FALSE(answers.seen().empty());
    EXPECT_EQ(answers.seen().back().kind, tesk::system::ModalSeam::Kind::MessageBox);
    EXPECT_EQ(answers.seen().back().text,
              QStringLiteral("Please select the type of the file from the list before pressing "
                             "Open."));
    EXPECT_STREQ(CuiLoadMemoryDlgGetCommand(handle), "");
    CuiLoadMemoryDlgDestroy(handle);
}

// ---- The embedded file dialog -----------------------------------------------------------------

TEST_F(LoadDialogs, FileDialogSaveCheckDirectoryAndHelp)
{
    CuiFileDlg dialog(nullptr, "save");
    dialog.setMode(QFileDialog::AnyFile);
    dialog.setDir(QStringLiteral("/"));
    setFileDialogLastDir(dir.path());
    dialog.show();
    EXPECT_EQ(dialog.directory().absolutePath(), QStringLiteral("/")); // set, so not moved
    const struct
    {
        const char *typed;
        bool allowed;
    } names[] = {{"a:b", false},
                 {"C:\\dir\\ok.txt", true},
                 {"dir\\x|y", false},
                 {"", true},
                 {"plain.txt", true}};
    auto *edit = dialog.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    for (const auto &n : names) {
        edit->setText(QString::fromLatin1(n.typed));
        const size_t before = answers.seen().size();
        EXPECT_EQ(dialog.fileNameCheck(), n.allowed) << n.typed;
        EXPECT_EQ(answers.seen().size(), before + (n.allowed ? 0 : 1)) << n.typed;
    }
    EXPECT_EQ(answers.seen().back().caption, QStringLiteral("Error"));

    static int helped = 0;
    dialog.addHelpButton();
    dialog.addHelpButton();
    EXPECT_EQ(dialog.findChildren<QPushButton *>("Help Button").size(), 1);
    dialog.setHelpFunction([](int id) { helped = id; });
    EXPECT_EQ(dialog.setHelpId(42), 0);
    QTest::mouseClick(dialog.helpButton(), Qt::LeftButton);
    EXPECT_EQ(helped, 42);
}

TEST_F(LoadDialogs, FileDialogRemembersOnlyWhatWasOpened)
{
    CuiFileDlg opened(nullptr, "open");
    opened.setFileMode(QFileDialog::ExistingFile);
    setFileDialogLastDir(QStringLiteral("/"));
    opened.show();
    EXPECT_EQ(opened.directory().absolutePath(), QStringLiteral("/")); // opens where it was
    int cancels = 0;
    QObject::connect(&opened, &CuiFileDlg::CancelPressed, [&] { ++cancels; });
    QTest::keyClick(&opened, Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(fileDialogLastDir(), QStringLiteral("/"));
    opened.show();
    openIn(&opened, dir.path(), QStringLiteral("a.bin"));
    EXPECT_EQ(fileDialogLastDir(), dir.path());
}

} // namespace
