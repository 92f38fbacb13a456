// The memory view's context menu and commands on the simulated target: the entries per table
// and state, copying, the timed-update period, writes, fills and breakpoints in the target's
// log, and the fill dialog's checks.
#include "gc_panes/memory/simfixture.h"
#include "modalanswers.h"
#include "testhost.h"

#include "gui_components/gc_panes/memory/viewmemoryinfo.h"
#include "gui_components/gc_panes/memoryview/viewmemory.h"
#include "gui_components/gc_panes/memoryview/viewmemoryascii.h"
#include "gui_components/gc_panes/memoryview/viewmemorydata.h"
#include "gui_components/gc_panes/memoryview/viewmemorydialogs.h"
#include "gui_components/gc_panes/memoryview/viewmemorydsm.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QShortcut>
#include <QTest>

#include <gtest/gtest.h>

using Kind = SimulatedTarget::Kind;

namespace {

struct Entry
{
    QString text;
    bool enabled;
    bool checked;
};

// "Label" for an entry, "Menu/Label" inside a submenu.
std::map<QString, Entry> entriesOf(QMenu *menu, const QString &prefix = {})
{
    std::map<QString, Entry> entries;
    for (QAction *action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString name = prefix + action->text();
        entries[name] = {name, action->isEnabled(), action->isChecked()};
        if (action->menu())
            entries.merge(entriesOf(action->menu(), name + "/"));
    }
    return entries;
}

QStringList topLevelTexts(QMenu *menu)
{
    QStringList texts;
    for (QAction *action : menu->actions()) {
        if (!action->isSeparator())
            texts << action->text();
    }
    return texts;
}

class MemoryViewCommands : public SimulatedTargetTest
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        SimulatedTargetTest::SetUp();
        view = std::make_unique<KViewMemory>("Memory");
        view->setAttribute(Qt::WA_DeleteOnClose, false);
        view->buildLayout();
        view->resize(900, 300);
        view->show();
        testhost::pumpFor(30);
        view->dataTable()->setFocus(Qt::TabFocusReason);
        view->setTarget(1);
    }
    void TearDown() override { view.reset(); }

    void start(const QString &text, int columns = 4, int sizeItem = 1)
    {
        QComboBox *cols = view->findChild<QComboBox *>("listColumns");
        cols->setCurrentIndex(columns);
        emit cols->activated(columns);
        QComboBox *sizes = view->findChild<QComboBox *>("listSizes");
        sizes->setCurrentIndex(sizeItem);
        emit sizes->activated(sizeItem);
        view->setStartAddress(text, false);
    }

    // Opens the menu of a table kind, notes its entries and chooses `choose` when given.
    std::map<QString, Entry> menu(int kind, const QString &choose = {}, QStringList *top = nullptr)
    {
        testhost::ModalAnswers answers;
        std::map<QString, Entry> seen;
        answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
            auto *m = qobject_cast<QMenu *>(request.widget.data());
            ASSERT_NE(m, nullptr);
            seen = entriesOf(m);
            if (top)
                *top = topLevelTexts(m);
            for (QAction *action : m->actions()) {
                if (!choose.isEmpty() && action->text() == choose && action->isEnabled()) {
                    m->setActiveAction(action);
                    QTest::keyClick(m, Qt::Key_Return);
                    return;
                }
            }
            m->close();
        });
        if (kind == KViewMemory::DsmKind)
            view->slotContextMenuRequestedDsm(0, 0, {});
        else if (kind == KViewMemory::AsciiKind)
            view->slotContextMenuRequestedAscii(0, 0, {});
        else
            view->slotContextMenuRequestedData(0, 0, {});
        return seen;
    }

    std::unique_ptr<KViewMemory> view;
};

} // namespace

TEST_F(MemoryViewCommands, WithoutAStartAddressTheMenuOffersNoMemoryCommands)
{
    sim().setRunningAccess(1, true);
    auto entries = menu(KViewMemory::DataKind);
    EXPECT_FALSE(entries.at("Format").enabled);
    EXPECT_FALSE(entries.at("Fill Memory...").enabled);
    EXPECT_FALSE(entries.at("Create Breakpoint At...").enabled);
    EXPECT_FALSE(entries.at("Copy").enabled);
    EXPECT_FALSE(entries.at("Timed Update When Running").enabled);
    EXPECT_TRUE(entries.at("Byte Order/Auto").checked);
    EXPECT_TRUE(entries.at("Show ASCII").checked);
    EXPECT_TRUE(entries.at("Automatic Update").checked);
    EXPECT_EQ(entries.count("Hide"), 1u);

    start("0x100");
    entries = menu(KViewMemory::AsciiKind);
    EXPECT_TRUE(entries.at("Format").enabled);
    EXPECT_GT(entries.size(), 20u); // the formatting library's entries
    EXPECT_TRUE(entries.at("Copy").enabled);
    EXPECT_TRUE(entries.at("Timed Update When Running").enabled);
    sim().setRunningAccess(1, false);
    EXPECT_FALSE(menu(KViewMemory::DataKind).at("Timed Update When Running").enabled);
}

TEST_F(MemoryViewCommands, TheDisassemblyMenuHoldsTheListingEntriesOnly)
{
    start("0x100");
    std::string ids;
    std::string names;
    for (int i = 0; i < 11; ++i) {
        ids += (i ? "\t" : "") + std::to_string(40 + i);
        names += (i ? "\t" : "") + std::string("F") + std::to_string(i);
    }
    sim().setDisassemblyFormats(ids, names);
    QStringList top;
    auto entries = menu(KViewMemory::DsmKind, {}, &top);
    EXPECT_EQ(top, (QStringList{"Set Start Address", "Disassembly Format", "Toolbar",
                                "Toolbar Labels", "Dock/Float", "Hide", "Close"}));
    EXPECT_EQ(entries.count("Disassembly Format/F9"), 1u);
    EXPECT_EQ(entries.count("Disassembly Format/F10"), 0u);

    // A host's "&" is part of the name, not a shortcut mark: the entry shows it.
    sim().setDisassemblyFormats("1\t2", "R&D\tA && B");
    entries = menu(KViewMemory::DsmKind);
    EXPECT_EQ(entries.count("Disassembly Format/R&&D"), 1u);
    EXPECT_EQ(entries.count("Disassembly Format/A &&&& B"), 1u);

    // Lists of different lengths give no submenu.
    sim().setDisassemblyFormats("1\t2", "one");
    entries = menu(KViewMemory::DsmKind);
    EXPECT_EQ(entries.count("Disassembly Format"), 0u);
}

TEST_F(MemoryViewCommands, ToolbarLabelsFollowTheToolbar)
{
    const auto labels = view->findChildren<QLabel *>("StartAddressLabel");
    ASSERT_EQ(labels.size(), 4);
    EXPECT_TRUE(view->runCommand(KViewMemory::ToolbarLabelsCommand));
    EXPECT_TRUE(labels[0]->isHidden());
    view->runCommand(KViewMemory::ToolbarCommand);
    EXPECT_TRUE(view->findChild<QComboBox *>("listSizes")->isHidden());
    EXPECT_FALSE(menu(KViewMemory::DataKind).at("Toolbar Labels").enabled);
    // Labels cannot be switched while the toolbar is off, and come back as they were.
    view->runCommand(KViewMemory::ToolbarLabelsCommand);
    view->runCommand(KViewMemory::ToolbarCommand);
    EXPECT_FALSE(view->findChild<QComboBox *>("listSizes")->isHidden());
    EXPECT_TRUE(labels[0]->isHidden());
    EXPECT_FALSE(view->areToolbarLabelsShown());

    // Editing the start address shows the toolbar only until the address is accepted.
    view->runCommand(KViewMemory::ToolbarCommand);
    view->runCommand(KViewMemory::SetStartAddressCommand);
    EXPECT_FALSE(view->addressCombo()->isHidden());
    view->slotStartAddressLineEditAccept("0x80");
    EXPECT_TRUE(view->addressCombo()->isHidden());
}

TEST_F(MemoryViewCommands, RunCommandKnowsOnlyItsOwnIds)
{
    for (int id : {0, 8, 19, 29, 666, 667, 668})
        EXPECT_FALSE(view->runCommand(id)) << id;
    EXPECT_TRUE(view->runCommand(KViewMemory::NoCommand));
    // Without a start address a breakpoint is refused and copying empties the clipboard.
    QApplication::clipboard()->setText("old");
    EXPECT_FALSE(view->createBreakpointAt());
    view->runCommand(KViewMemory::CopyCommand);
    EXPECT_EQ(QApplication::clipboard()->text(), "");
}

TEST_F(MemoryViewCommands, CopyingFromMidRowKeepsWholeLinesOfFields)
{
    sim().poke(1, 0x100, {'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 1, 2});
    start("0x100", 4, 1);
    const std::string text = view->copyText(0, 1, 1, 2).toStdString(); // six fields from 0x101
    EXPECT_EQ(text, "0x00000101\t0x42\t0x43\t0x44\t0x45\tBCDE\n"
                    "0x00000105\t0x46\t0x47\t    \t    \tFG  \n");
    view->runCommand(KViewMemory::ShowAsciiCommand);
    EXPECT_EQ(view->copyText(0, 1, 0, 2).toStdString(), "0x00000101\t0x42\t0x43\t    \t    \n");

    // Unreadable bytes show as not read, their characters as unavailable.
    sim().setUnreadable(1, 0x2000, 0x23FF);
    view->runCommand(KViewMemory::ShowAsciiCommand);
    start("0x2000", 2, 2);
    EXPECT_EQ(view->copyText(0, 0, 0, 0).toStdString(), "0x00002000\t!!!!\t    \t**  \n");

    // Control+C copies the data table's range.
    view->dataTable()->setSelectionCells(true, 0, 3, 0);
    QTest::keyClick(view->dataTable(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::clipboard()->text().startsWith("0x00002000\t!!!!\t!!!!\t"));
}

TEST_F(MemoryViewCommands, ThePeriodTakesWholeSecondsFromOne)
{
    start("0x100");
    view->runCommand(KViewMemory::TimedUpdateCommand);
    ASSERT_TRUE(view->isTimedUpdateRunning());
    auto answer = [this](const QString &text) {
        testhost::ModalAnswers answers;
        answers.setHandler([text](const testhost::ModalAnswers::Request &request) {
            auto *dialog = qobject_cast<QDialog *>(request.widget.data());
            ASSERT_NE(dialog, nullptr);
            EXPECT_EQ(dialog->windowTitle(), "Timed Update Period");
            dialog->findChild<QLineEdit *>()->setText(text);
            dialog->accept();
        });
        view->runCommand(KViewMemory::TimedUpdatePeriodCommand);
    };
    answer("3");
    EXPECT_EQ(view->timedUpdatePeriod(), 3000);
    const auto *timer = view->findChild<QTimer *>(QStringLiteral("timedUpdateTimer"));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), 3000);
    for (const char *refused : {"abc", "0", "-2", "99999999999"}) {
        answer(refused);
        EXPECT_EQ(view->timedUpdatePeriod(), 3000) << refused;
    }
    view->runCommand(KViewMemory::TimedUpdateCommand);
    EXPECT_FALSE(view->isTimedUpdateRunning());
}

TEST_F(MemoryViewCommands, EditsReachTheTargetInMemoryOrder)
{
    start("0x3000", 2, 2); // 2-byte fields
    sim().clearLog();
    EXPECT_TRUE(view->writeValueAt(1, 1, 0, 0xBBAA));
    EXPECT_TRUE(view->writeCharAt(0, 1, 0, 'z'));
    ASSERT_EQ(sim().count(Kind::Write), 2);
    EXPECT_EQ(sim().log()[0].offset, 0x3006u);
    EXPECT_EQ(sim().log()[0].length, 2u);
    EXPECT_EQ(sim().peek(1, 0x3006), 0xAA);
    EXPECT_EQ(sim().peek(1, 0x3007), 0xBB);
    EXPECT_EQ(sim().peek(1, 0x3008), SimulatedTarget::patternByte(1, 0x3008));
    EXPECT_EQ(sim().peek(1, 0x3001), 'z');

    // Typing into the character table goes the same way.
    view->asciiTable()->setCurrentCell(1, 0);
    QTest::keyClicks(view->asciiTable(), "q");
    EXPECT_EQ(sim().peek(1, 0x3004), 'q');
}

TEST_F(MemoryViewCommands, BreakpointsAndFillsCoverTheSelection)
{
    start("0x4000", 4, 3); // 4-byte fields
    view->dataTable()->setSelectionCells(true, 20, 4, 4);
    sim().clearLog();
    EXPECT_TRUE(view->createBreakpointAt());
    ASSERT_EQ(sim().count(Kind::Breakpoint), 1);
    EXPECT_EQ(sim().log()[0].offset, 0x4004u);
    EXPECT_EQ(sim().log()[0].length, 20u);

    testhost::ModalAnswers answers;
    QString presetStart;
    QString presetLength;
    answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        auto *dialog = qobject_cast<KViewMemoryDialog_Fill *>(request.widget.data());
        ASSERT_NE(dialog, nullptr);
        presetStart = dialog->startAddress();
        presetLength = dialog->length();
        dialog->findChild<QLineEdit *>("lineeditExpression_")->setText("0x11");
        dialog->findChild<QComboBox *>("comboBoxFillSize_")->setCurrentIndex(1);
        dialog->accept();
    });
    sim().clearLog();
    view->runCommand(KViewMemory::FillMemoryCommand);
    EXPECT_EQ(presetStart, "0x00004004");
    EXPECT_EQ(presetLength, "19");
    ASSERT_EQ(sim().count(Kind::Fill), 1);
    EXPECT_EQ(sim().log().back().offset, 0x4004u);
    EXPECT_EQ(sim().log().back().length, 20u);
    EXPECT_EQ(sim().peek(1, 0x4017), 0x11);
    EXPECT_EQ(sim().peek(1, 0x4018), SimulatedTarget::patternByte(1, 0x4018));
}

TEST_F(MemoryViewCommands, TheFillDialogRefusesBadRangesAndNoExpression)
{
    KViewMemoryDialog_Fill dialog(view.get());
    dialog.targetId = 1;
    dialog.setStartAddress("0x1000");
    dialog.setEndAddress("0x1000");
    EXPECT_EQ(dialog.length(), "0");
    EXPECT_EQ(dialog.findChildren<QWidget *>("lineEditLength_").size(), 1);

    auto okSays = [&dialog]() {
        testhost::ModalAnswers answers;
        answers.answerMessageBoxes(QMessageBox::Ok);
        dialog.accept();
        QString seen;
        for (const auto &s : answers.seen())
            seen += s.text;
        return seen;
    };
    auto *expression = dialog.findChild<QLineEdit *>("lineeditExpression_");
    expression->setText("0");
    EXPECT_EQ(okSays(), "Error on fill memory.\nThe end address should be greater than the start "
                        "address.\n");
    dialog.setEndAddress("nonsense");
    EXPECT_EQ(okSays(), "Error on fill memory.\nThe end address should be greater than the start "
                        "address.\n");

    dialog.findChild<QRadioButton *>("radioButtonLength_")->setChecked(true);
    EXPECT_FALSE(dialog.isEndAddressSelected());
    auto *length = dialog.findChild<QLineEdit *>("lineEditLength_");
    const std::pair<const char *, const char *> cases[] = {
        {"0x10", ""},
        {"abc", "The length is not valid.\n"},
        {"-4", "The length cannot be null.\n"},
    };
    for (const auto &[text, line] : cases) {
        length->setText(text);
        const QString said = okSays();
        EXPECT_EQ(said, *line ? QString("Error on fill memory.\n") + line : QString()) << text;
    }
    EXPECT_EQ(dialog.result(), QDialog::Accepted);

    expression->clear();
    length->setText("16");
    EXPECT_EQ(okSays(), "Error on fill memory.\nYou must give an expression.\n");
    dialog.setStartAddress("nonsense");
    expression->setText("1");
    EXPECT_EQ(okSays(), "Error on fill memory.\nThe start address is not valid.\n");

    // Texts typed elsewhere do not echo into the other field; typing there does.
    dialog.setStartAddress("0x1000");
    auto *end = dialog.findChild<QLineEdit *>("lineEditEndAddress_");
    length->setText("8");
    EXPECT_NE(end->text(), "0x00001008");
    dialog.show();
    length->setFocus();
    QApplication::setActiveWindow(&dialog);
    length->setFocus();
    if (length->hasFocus()) {
        length->end(false);
        QTest::keyClicks(length, "0");
        EXPECT_EQ(end->text(), "0x00001050");
    }
}

TEST(MemoryViewDialogs, ThePeriodDialogReadsWholeSeconds)
{
    testhost::startLibrary();
    KViewMemoryDialog_updatePeriod dialog;
    EXPECT_EQ(dialog.objectName(), "KViewMemoryDialog_updatePeriod");
    dialog.setPeriod(15);
    EXPECT_EQ(dialog.period(), 15);
    dialog.findChild<QLineEdit *>("lineeditPeriod_")->setText("x1");
    EXPECT_EQ(dialog.period(), 0);
}

TEST_F(MemoryViewCommands, DeleteAndControlCStayWithTheViewNotTheWindowsShortcuts)
{
    start("0x100");
    view->activateWindow();
    view->dataTable()->setFocus(Qt::TabFocusReason);
    testhost::pumpFor(20);
    std::map<QString, int> fired;
    for (const QKeySequence &keys :
         {QKeySequence(Qt::Key_Delete), QKeySequence(Qt::CTRL | Qt::Key_C),
          QKeySequence(Qt::Key_F5)}) {
        auto *shortcut = new QShortcut(keys, view.get());
        QObject::connect(shortcut, &QShortcut::activated,
                         [&fired, keys] { ++fired[keys.toString()]; });
    }
    QTest::keyClick(view->dataTable(), Qt::Key_F5);
    ASSERT_EQ(fired["F5"], 1) << "the window's shortcuts do not work here at all";
    QTest::keyClick(view->dataTable(), Qt::Key_Delete);
    QTest::keyClick(view->dataTable(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(fired["Del"], 0);
    EXPECT_EQ(fired["Ctrl+C"], 0);
}
