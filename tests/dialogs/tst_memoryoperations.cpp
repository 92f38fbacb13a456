// The memory file operations dialog as the host drives it: the command each action hands to
// the handler, the message of each refused entry, the location history, the help line, and a
// handle that dies when the dialog closes.
#include "dialoghelprecorder.h"
#include "filedialoganswers.h"
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"

#include <tesk/tesk_app.h>
#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_memorydialogs.h>

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

using testhost::ModalAnswers;

struct Received
{
    TeskHandle dialog;
    std::string command;
    int vpid;
};

std::vector<Received> &received()
{
    static std::vector<Received> r;
    return r;
}

int recordCommand(int32_t first, TeskHandle dialog, const char *command, int32_t vpid, int32_t last)
{
    EXPECT_EQ(first, 0);
    EXPECT_EQ(last, 0);
    received().push_back({dialog, command, vpid});
    return 0;
}

class MemoryOperations : public ::testing::Test
{
protected:
    static void SetUpTestSuite() { testhost::startLibrary(); }
    void SetUp() override { received().clear(); }
    void TearDown() override
    {
        CuiMemoryOperationsDlgDestroy(m_handle);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QWidget *create(const char *types = "1 elf Image file\n0 bin Binary file\n")
    {
        m_handle = CuiMemoryOperationsDlgCreate(0);
        CuiMemoryOperationsDlgSetFileTypeList(m_handle, types);
        CuiMemoryOperationsDlgSetFuncHandler(m_handle, &recordCommand);
        CuiMemoryOperationsDlgSetVPID(m_handle, 42);
        m_dialog = qobject_cast<QWidget *>(
            tesk::handles::object(reinterpret_cast<const void *>(m_handle)));
        return m_dialog;
    }
    template<typename W>
    W *child(const char *name)
    {
        auto *w = m_dialog->findChild<W *>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    // Fills the entries, then the user presses Apply for each location and closes the dialog.
    void apply(const char *action, const QString &file, int typeRow, const QStringList &locations)
    {
        child<QRadioButton>(action)->click();
        child<QLineEdit>("filenameEdit")->setText(file);
        child<QListWidget>("filetypeLB")->setCurrentRow(typeRow);
        answers().setHandler([this, locations](const ModalAnswers::Request &) {
            for (const QString &location : locations) {
                child<QComboBox>("locationCB")->setEditText(location);
                child<QPushButton>("applyPB")->click();
            }
            child<QPushButton>("closePB")->click();
        });
        EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(m_handle)), 1);
    }
    void apply(const char *action, const QString &file, int typeRow, const QString &location)
    {
        apply(action, file, typeRow, QStringList{location});
    }
    QString helpLine() { return child<QLineEdit>("locationHelpEdit")->text(); }

    ModalAnswers &answers() { return m_answers ? *m_answers : m_answers.emplace(); }
    void freshAnswers() { m_answers.reset(); }

    std::optional<ModalAnswers> m_answers;
    TeskHandle m_handle = 0;
    QPointer<QWidget> m_dialog;
};

TEST_F(MemoryOperations, EachActionHandsItsCommand)
{
    struct Case
    {
        const char *action;
        const char *file;
        int type;
        const char *location;
        const char *command;
    };
    const Case cases[] = {
        {"saveFileRB", "a.bin", 1, "0x1000..0x1fff", "writefile,bin,gui \"a.bin\"=0x1000..0x1fff"},
        {"saveFileRB", "dump.bin", 1, "  0x2000..+0x100 ",
         "writefile,bin,gui \"dump.bin\"=0x2000..+0x100"},
        {"loadFileRB", "p.elf", 0, "", "readfile,elf,gui \"p.elf\""},
        {"loadFileRB", "p.bin", 1, "0x80", "readfile,bin,gui \"p.bin\"=0x80"},
        {"verifyFileRB", "v.elf", 0, "-4", "verifyfile,elf,gui \"v.elf\"=-4"},
    };
    for (const Case &c : cases) {
        received().clear();
        create();
        apply(c.action, QString::fromLatin1(c.file), c.type, QString::fromLatin1(c.location));
        ASSERT_EQ(received().size(), 1u) << c.command;
        EXPECT_EQ(received()[0].command, c.command);
        EXPECT_EQ(received()[0].dialog, m_handle);
        EXPECT_EQ(received()[0].vpid, 42);
        EXPECT_EQ(answers().seen().size(), 1u) << "a message box for " << c.command;
        CuiMemoryOperationsDlgDestroy(m_handle);
        freshAnswers();
    }
}

TEST_F(MemoryOperations, RefusedEntriesSayWhyAndSendNothing)
{
    struct Case
    {
        const char *action;
        const char *file;
        int type;
        const char *location;
        const char *message;
    };
    const Case cases[] = {
        {"saveFileRB", "", 1, "0..4", "Please enter a filename before pressing Apply"},
        {"saveFileRB", "a.bin", 1, "0x1000", "Please supply an address range when saving to file"},
        {"loadFileRB", "a.bin", 1, " ",
         "Please supply a start address when reading/verifying this type of file"},
        {"verifyFileRB", "a.bin", 1, "",
         "Please supply a start address when reading/verifying this type of file"},
    };
    for (const Case &c : cases) {
        create();
        apply(c.action, QString::fromLatin1(c.file), c.type, QString::fromLatin1(c.location));
        EXPECT_TRUE(received().empty()) << c.message;
        ASSERT_EQ(answers().seen().size(), 2u) << c.message; // the dialog, then the box
        EXPECT_EQ(answers().seen()[1].text, QLatin1String(c.message));
        EXPECT_EQ(child<QComboBox>("locationCB")->count(), 0) << "refused location remembered";
        CuiMemoryOperationsDlgDestroy(m_handle);
        freshAnswers();
    }
}

TEST_F(MemoryOperations, WithoutAFileTypeApplyWarnsAndSendsNothing)
{
    create("");
    child<QRadioButton>("loadFileRB")->click();
    EXPECT_EQ(helpLine(), QLatin1String("Location is start address for write/verify"));
    apply("loadFileRB", QStringLiteral("a.bin"), -1, QStringLiteral("0x100"));
    EXPECT_TRUE(received().empty());
    ASSERT_EQ(answers().seen().size(), 2u);
    EXPECT_EQ(answers().seen()[1].caption, QLatin1String("Warning"));
}

TEST_F(MemoryOperations, TypeListAndHelpLineFollowTheChoices)
{
    create("1 elf Image file\r\n0 bin\r\n");
    CuiMemoryOperationsDlgSetFileTypeList(m_handle, "2 hex Intel hex\n");
    auto *list = child<QListWidget>("filetypeLB");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), QLatin1String("elf Image file\r"));
    EXPECT_EQ(list->item(2)->text(), QLatin1String("hex Intel hex"));
    EXPECT_EQ(list->currentRow(), 0);
    EXPECT_EQ(helpLine(), QLatin1String("Location is range to read: addr..addr or addr..+len"));

    child<QRadioButton>("verifyFileRB")->click();
    EXPECT_EQ(helpLine(),
              QLatin1String("Location is optional signed offset for adding to address in file"));
    list->setCurrentRow(1);
    EXPECT_EQ(helpLine(), QLatin1String("Location is start address for write/verify"));
    list->setCurrentRow(2); // the appended list keeps its flags beside its entries
    EXPECT_EQ(helpLine(),
              QLatin1String("Location is optional signed offset for adding to address in file"));

    // A one-word entry keeps its carriage return in the type word.
    apply("loadFileRB", QStringLiteral("x"), 1, QStringLiteral("0"));
    ASSERT_EQ(received().size(), 1u);
    EXPECT_EQ(received()[0].command, "readfile,bin\r,gui \"x\"=0");
}

// Whichever help the line shows, in English or German, the line is wide enough for all of it.
TEST_F(MemoryOperations, HelpLineShowsItsWholeTextInBothLanguages)
{
    for (const bool german : {false, true}) {
        if (german)
            setenv("KSODEBUG_LANG", "de", 1);
        CuiUpdateSettings();
        create();
        m_dialog->show();
        auto *line = child<QLineEdit>("locationHelpEdit");
        for (const char *action : {"saveFileRB", "loadFileRB", "verifyFileRB"}) {
            child<QRadioButton>(action)->click();
            for (const int row : {0, 1}) {
                child<QListWidget>("filetypeLB")->setCurrentRow(row);
                testhost::settle();
                const int text = line->fontMetrics().horizontalAdvance(line->text());
                EXPECT_LE(text + 4, line->contentsRect().width())
                    << (german ? "German " : "English ") << action << ": \""
                    << qPrintable(line->text()) << "\"";
            }
        }
        CuiMemoryOperationsDlgDestroy(m_handle);
        m_handle = 0;
        unsetenv("KSODEBUG_LANG");
        CuiUpdateSettings();
    }
}

TEST_F(MemoryOperations, HistoryKeepsEachLocationOnceNewestFirst)
{
    create();
    auto *combo = child<QComboBox>("locationCB");
    apply("saveFileRB", QStringLiteral("f"), 1,
          {QStringLiteral("0..4"), QStringLiteral(" 0..4 "), QStringLiteral("8..+2")});
    ASSERT_EQ(received().size(), 3u);
    ASSERT_EQ(combo->count(), 2);
    EXPECT_EQ(combo->itemText(0), QLatin1String("8..+2"));
    EXPECT_EQ(combo->itemText(1), QLatin1String("0..4"));
}

TEST_F(MemoryOperations, ALocationThatBeginsAnOlderOneIsTakenAsTyped)
{
    create();
    child<QRadioButton>("loadFileRB")->click();
    child<QLineEdit>("filenameEdit")->setText(QStringLiteral("f"));
    child<QListWidget>("filetypeLB")->setCurrentRow(1);
    answers().setHandler([this](const ModalAnswers::Request &) {
        auto *combo = child<QComboBox>("locationCB");
        combo->setEditText(QStringLiteral("0x20000000"));
        child<QPushButton>("applyPB")->click();
        combo->clearEditText();
        // To the box, as the keyboard sends them: the box hands them to its field.
        QApplication::setActiveWindow(m_dialog);
        combo->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(combo, QStringLiteral("0x2000"));
        child<QPushButton>("applyPB")->click();
        child<QPushButton>("closePB")->click();
    });
    EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(m_handle)), 1);
    ASSERT_EQ(received().size(), 2u);
    EXPECT_EQ(received().back().command, "readfile,bin,gui \"f\"=0x2000");
}

TEST_F(MemoryOperations, WithoutAHandlerTheLocationIsStillRemembered)
{
    create();
    CuiMemoryOperationsDlgSetFuncHandler(m_handle, nullptr);
    apply("saveFileRB", QStringLiteral("f"), 1, QStringLiteral("1..2"));
    EXPECT_TRUE(received().empty());
    EXPECT_EQ(child<QComboBox>("locationCB")->count(), 1);
}

TEST_F(MemoryOperations, BrowseAsksToSaveOnlyForSave)
{
    create();
    std::vector<int> modes;
    answers().setHandler([&](const ModalAnswers::Request &request) {
        auto *chooser = qobject_cast<QFileDialog *>(request.widget.data());
        ASSERT_NE(chooser, nullptr);
        modes.push_back(chooser->acceptMode());
        chooser->reject();
    });
    auto *browse = child<QPushButton>("browsePB");
    browse->click();
    child<QRadioButton>("loadFileRB")->click();
    browse->click();
    EXPECT_EQ(modes, (std::vector<int>{QFileDialog::AcceptSave, QFileDialog::AcceptOpen}));
    EXPECT_TRUE(child<QLineEdit>("filenameEdit")->text().isEmpty());
}

TEST_F(MemoryOperations, HelpButtonAndF1AskForTheHostsTopic)
{
    DialogHelpRecorder help;
    create();
    child<QPushButton>("helpPB")->click();
    EXPECT_TRUE(help.calls().empty()) << "help without a help id";
    CuiMemoryOperationsDlgSetHelpId(m_handle, 321);
    child<QPushButton>("helpPB")->click();
    QTest::keyClick(m_dialog, Qt::Key_F1);
    EXPECT_EQ(help.calls(), (std::vector<std::pair<int, int>>{{321, 10}, {321, 10}}));
}

// A host that ends the dialog from its own handler, the way each end reaches it: the click that
// called the handler must not come back to a freed dialog (ASan reports it otherwise).
TeskHandle g_ending = 0;
int (*g_end)(TeskHandle) = nullptr;

int endFromHandler(int32_t, TeskHandle dialog, const char *command, int32_t vpid, int32_t)
{
    received().push_back({dialog, command, vpid});
    g_end(g_ending);
    return 0;
}

TEST_F(MemoryOperations, AHandlerMayEndItsDialog)
{
    const std::pair<const char *, int (*)(TeskHandle)> ends[] = {
        {"Destroy", [](TeskHandle h) { return CuiMemoryOperationsDlgDestroy(h); }},
        {"DeleteObject", [](TeskHandle h) { return CuiDeleteObject(reinterpret_cast<void *>(h)); }},
    };
    for (const auto &[name, end] : ends) {
        received().clear();
        create();
        g_ending = m_handle;
        g_end = end;
        CuiMemoryOperationsDlgSetFuncHandler(m_handle, &endFromHandler);
        answers();
        child<QRadioButton>("loadFileRB")->click();
        child<QLineEdit>("filenameEdit")->setText(QStringLiteral("a.elf"));
        m_dialog->show();
        QTest::mouseClick(child<QPushButton>("applyPB"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(received().size(), 1u) << name;
        EXPECT_TRUE(m_dialog.isNull()) << name;
        EXPECT_TRUE(answers().seen().empty()) << name;
        EXPECT_EQ(CuiMemoryOperationsDlgDestroy(m_handle), 0) << name;
    }
}

TEST_F(MemoryOperations, ClosedDialogsDieOnceAndTheirHandlesAreRefused)
{
    for (auto end : {&ModalAnswers::escape, &ModalAnswers::close}) {
        create();
        (answers().*end)();
        CuiDoModal(reinterpret_cast<void *>(m_handle));
        EXPECT_FALSE(m_dialog.isNull()) << "deleted inside CuiDoModal";
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(m_dialog.isNull()) << "a closed dialog stays alive";
        CuiMemoryOperationsDlgSetVPID(m_handle, 1);
        CuiMemoryOperationsDlgSetFileTypeList(m_handle, "0 x\n");
        EXPECT_EQ(CuiMemoryOperationsDlgDestroy(m_handle), 0);
    }
    // Destroy right after the run: the pending deletion goes with the dialog.
    create();
    answers().click(QStringLiteral("closePB"));
    EXPECT_EQ(CuiDoModal(reinterpret_cast<void *>(m_handle)), 1);
    EXPECT_EQ(CuiMemoryOperationsDlgDestroy(m_handle), 0);
    EXPECT_TRUE(m_dialog.isNull());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Handles that never were dialogs of this family.
    EXPECT_EQ(CuiMemoryOperationsDlgDestroy(0), 0);
    EXPECT_EQ(CuiMemoryOperationsDlgDestroy(TeskHandle(0x1234)), 0);
    CuiMemoryOperationsDlgSetHelpId(TeskHandle(0x1234), 1);
}

} // namespace
