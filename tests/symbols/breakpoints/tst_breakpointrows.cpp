// The conditions and actions of a breakpoint: rows made by their own dialogs, edited in place,
// and the symbols and registers the builder puts into the location and value fields.
#include "breakpointdlgfixture.h"
#include "symtabhost.h"
#include "testhost.h"

#include "symbols/breakpoints/breakpointactionsdlg.h"
#include "symbols/breakpoints/breakpointconditionsdlg.h"
#include "symbols/breakpoints/registerlistdlg.h"
#include "symbols/datanavselector.h"
#include "symbols/funclistview.h"

#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

using namespace bpdlgtest;

namespace {

void clickRow(QListWidget *list, int row)
{
    QListWidgetItem *item = list->item(row);
    ASSERT_TRUE(item);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
}

class ConditionRowsTest : public BreakpointDlgTest
{
protected:
    // Adds a condition through the "Add Condition" dialog: the kind row clicked, the value
    // typed, OK pressed; answers the prompt the kind showed.
    QString addCondition(int kind, const QString &value)
    {
        ModalAnswers answers;
        QString prompt;
        answers.setHandler([&](const ModalAnswers::Request &request) {
            auto *conditions = qobject_cast<BreakpointConditionsDlg *>(request.widget.data());
            ASSERT_TRUE(conditions);
            EXPECT_EQ(conditions->windowTitle(), QStringLiteral("Add Condition"));
            clickRow(conditions->conditionsLB, kind);
            prompt = conditions->descriptionLBL->text();
            conditions->expressionEF->clear();
            testhost::typeText(conditions->expressionEF, value);
            QTest::mouseClick(conditions->okPB, Qt::LeftButton);
        });
        QTest::mouseClick(dialog()->conditionsAddPB, Qt::LeftButton);
        return prompt;
    }
    // Edits the current condition through the value box; answers what the box offered.
    QString editCondition(const QString &newValue, QString *label = nullptr)
    {
        ModalAnswers answers;
        QString offered;
        answers.setHandler([&](const ModalAnswers::Request &request) {
            auto *input = qobject_cast<QInputDialog *>(request.widget.data());
            ASSERT_TRUE(input);
            offered = input->textValue();
            if (label)
                *label = input->findChild<QLabel *>()->text();
            input->setTextValue(newValue);
            input->accept();
        });
        QTest::mouseClick(dialog()->conditionsEditPB, Qt::LeftButton);
        return offered;
    }
};

TEST_F(ConditionRowsTest, EachKindMakesItsRowWithTheValueUnchanged)
{
    BreakpointDlg &dlg = shown();
    dlg.show();
    const struct
    {
        int kind;
        const char *value;
        const char *row;
        const char *prompt;
    } cases[] = {
        {2, "x>3", "WhenNot={x>3}", "Enter expression to evaluate on break"},
        {0, "5", "PassCount=5", "Enter a Pass Count value.<br>(0 equals no pass count)"},
        {4, "  ", "C++Object={  }", "Enter a C++ object (this) to test for on break"},
        // A value that looks like a placeholder stays as typed.
        {3, "m(%1,%2)", "UserMacro={m(%1,%2)}",
         "Enter the name of a macro (with arguments) to execute on break"},
        {1, "a == b", "When={a == b}", "Enter expression to evaluate on break"},
    };
    QStringList expected;
    for (const auto &c : cases) {
        EXPECT_EQ(addCondition(c.kind, QString::fromUtf8(c.value)), QString::fromUtf8(c.prompt))
            << c.row;
        expected << QString::fromUtf8(c.row);
        EXPECT_EQ(rowsOf(dlg.conditionsLB), expected);
    }
}

TEST_F(ConditionRowsTest, AnEmptyValueKeepsTheConditionDialogOpenAndCancelAddsNothing)
{
    BreakpointDlg &dlg = shown();
    dlg.show();
    ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Ok);
    bool stayedOpen = false;
    // Taken while the dialog lives: the widget goes with the dialog once it is closed.
    QString focused;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *conditions = qobject_cast<BreakpointConditionsDlg *>(request.widget.data());
        ASSERT_TRUE(conditions);
        QTest::mouseClick(conditions->okPB, Qt::LeftButton);
        stayedOpen = conditions->isVisible();
        if (QWidget *widget = conditions->focusWidget())
            focused = widget->objectName();
        QTest::mouseClick(conditions->cancelPB, Qt::LeftButton);
    });
    QTest::mouseClick(dlg.conditionsAddPB, Qt::LeftButton);
    const auto boxes = boxesOf(answers);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Missing Information"));
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(focused, QStringLiteral("expressionEF"));
    EXPECT_EQ(dlg.conditionsLB->count(), 0);
}

TEST_F(ConditionRowsTest, EditingKeepsTheBracesAndQuotesAroundTheNewValue)
{
    fill = [](TeskHandle p) {
        for (const char *row :
             {"When={ a > 1 }", "Name=\"old\"", "PassCount=4", "When={\"s\"}", "Odd={open"})
            CuiBreakpointProxyAddQualifier(p, row);
    };
    BreakpointDlg &dlg = shown();
    dlg.show();
    const struct
    {
        const char *offered;
        const char *row;
    } cases[] = {{" a > 1 ", "When={b}"},
                 {"old", "Name=\"b\""},
                 {"4", "PassCount=b"},
                 // Both wrappers go back: the row is what it was but for the value.
                 {"s", "When={\"b\"}"},
                 // An unclosed brace is part of the value, not a wrapper to cut a character off.
                 {"{open", "Odd=b"}};
    for (int row = 0; row < 5; ++row) {
        dlg.conditionsLB->setCurrentRow(row);
        EXPECT_EQ(editCondition(QStringLiteral("b")), QString::fromUtf8(cases[row].offered));
        EXPECT_EQ(dlg.conditionsLB->item(row)->text(), QString::fromUtf8(cases[row].row));
    }
    // An empty answer leaves the row; the host's name is shown as plain text.
    QString label;
    dlg.conditionsLB->setCurrentRow(2);
    editCondition(QString(), &label);
    EXPECT_EQ(dlg.conditionsLB->item(2)->text(), QStringLiteral("PassCount=b"));
    EXPECT_EQ(label, QStringLiteral("Please enter the new value for 'PassCount'"));
}

TEST_F(ConditionRowsTest, EditWithoutACurrentRowAsksForOne)
{
    BreakpointDlg &dlg = shown();
    dlg.show();
    QTest::mouseClick(dlg.morePB, Qt::LeftButton);
    ModalAnswers answers;
    dlg.conditionsEditSlot();
    dlg.actionsEditSlot();
    const auto boxes = boxesOf(answers);
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[1].text, QStringLiteral("You must select an item in the list before "
                                            "pressing Edit."));
    EXPECT_EQ(dlg.focusWidget(), dlg.actionsLB);
    EXPECT_EQ(answers.seen().size(), 2u) << "no sub-dialog was opened";
}

// Opened out, with its hardware, conditions and actions, the dialog still fits a screen 600
// pixels high with room for its title bar.
TEST_F(ConditionRowsTest, OpenedOutTheDialogFitsASmallScreen)
{
    BreakpointDlg &dlg = shown();
    dlg.show();
    QTest::mouseClick(dlg.morePB, Qt::LeftButton);
    EXPECT_TRUE(dlg.conditionsGB->isVisible() && dlg.actionsGB->isVisible());
    EXPECT_LE(dlg.minimumSizeHint().height(), 560);
}

class ActionsDlgTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BreakpointHost::instance().reset();
        BreakpointHost::instance().windows = "User\nRegisters\n\nEditor\nmemory\nOldMemory\nAsm";
        testhost::publishBreakpointHost();
    }
    void TearDown() override { testhost::withdrawBreakpointHost(); }

    static QStringList windowRows(const BreakpointActionsDlg &dlg)
    {
        return rowsOf(dlg.windowListLB);
    }
};

TEST_F(ActionsDlgTest, WindowListIsSortedByCodeWithoutTheHostOnlyWindows)
{
    BreakpointActionsDlg dlg;
    dlg.setVdata(7);
    dlg.ensurePolished();
    EXPECT_EQ(windowRows(dlg), QStringList({"All", "Asm", "Registers", "memory"}));
    EXPECT_EQ(dlg.windowListLB->currentRow(), 0);
    EXPECT_EQ(dlg.actionsWidgetStack->currentIndex(), 0);
    const auto gui = BreakpointHost::instance().callsOf("gui");
    ASSERT_EQ(gui.size(), 1u);
    EXPECT_EQ(gui[0].code, 4);
    EXPECT_EQ(gui[0].argument, 7);
    EXPECT_EQ(gui[0].extra, "2047");
}

TEST_F(ActionsDlgTest, OnlyTheExactNamesOfHostOnlyWindowsAreLeftOut)
{
    BreakpointHost::instance().windows = "user\neditor\nUser\nEditor\nUsers";
    BreakpointActionsDlg dlg;
    dlg.setVdata(7);
    dlg.ensurePolished();
    EXPECT_EQ(windowRows(dlg), QStringList({"All", "Users", "editor", "user"}));
}

TEST_F(ActionsDlgTest, AWindowListFillingTheWholeBufferIsReadWithinIt)
{
    BreakpointHost::instance().windows = "Reg\n" + std::string(3000, 'x');
    BreakpointActionsDlg dlg;
    dlg.ensurePolished();
    const QStringList rows = windowRows(dlg);
    ASSERT_EQ(rows.size(), 3);
    EXPECT_EQ(rows[2], QString(2047 - 4, QLatin1Char('x')));
}

TEST_F(ActionsDlgTest, WithoutTheGuiEntryOrItsAnswerTheListIsEmpty)
{
    BreakpointHost::instance().guiResult = 3;
    {
        ModalAnswers answers;
        BreakpointActionsDlg dlg;
        dlg.ensurePolished();
        EXPECT_EQ(dlg.windowListLB->count(), 0);
        EXPECT_TRUE(answers.seen().empty()) << "a failing answer is not reported";
    }
    testhost::withdrawBreakpointHost();
    ModalAnswers answers;
    BreakpointActionsDlg dlg;
    dlg.ensurePolished();
    EXPECT_EQ(dlg.windowListLB->count(), 0);
    const auto boxes = boxesOf(answers);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, QStringLiteral("Critical Error"));
    dlg.accept();
    EXPECT_EQ(dlg.text(), QStringLiteral("WinUpdate=\"\""));
}

TEST_F(ActionsDlgTest, EditingOpensOnTheRowAndOkGivesItBack)
{
    BreakpointHost::instance().windows = "MEMORY2\nmemory\nRegisters";
    const struct
    {
        const char *row;
        int action;
        const char *window;  // the current window row
        const char *message; // the message field
        const char *after;   // the row OK gives
    } cases[] = {
        {"WinUpdate=\"reg\"", 0, "Registers", "", "WinUpdate=\"Registers\""},
        {"WinUpdate=\"memory\"", 0, "memory", "", "WinUpdate=\"memory\""},
        {"Message=\"hello world\"", 1, "All", "hello world", "Message=\"hello world\""},
        {"Message=hello", 1, "All", "hello", "Message=\"hello\""},
        {"Message=\"", 1, "All", "\"", "Message=\"\"\""},
        {"NoEquals", 0, "All", "", "WinUpdate=\"All\""},
        {"Message=", 0, "All", "", "WinUpdate=\"All\""},
        {"Other=\"x\"", 0, "All", "", "WinUpdate=\"All\""},
    };
    for (const auto &c : cases) {
        BreakpointActionsDlg dlg;
        dlg.setText(QString::fromUtf8(c.row));
        dlg.setEditMode(true);
        dlg.ensurePolished();
        EXPECT_EQ(dlg.actionsLB->currentRow(), c.action) << c.row;
        EXPECT_EQ(dlg.actionsWidgetStack->currentIndex(), c.action) << c.row;
        ASSERT_TRUE(dlg.windowListLB->currentItem()) << c.row;
        EXPECT_EQ(dlg.windowListLB->currentItem()->text(), QString::fromUtf8(c.window)) << c.row;
        EXPECT_EQ(dlg.messageEF->text(), QString::fromUtf8(c.message)) << c.row;
        dlg.reject();
        EXPECT_EQ(dlg.text(), QString::fromUtf8(c.row)) << "Cancel keeps the row";
        dlg.accept();
        EXPECT_EQ(dlg.text(), QString::fromUtf8(c.after)) << c.row;
    }
}

TEST_F(BreakpointDlgTest, ActionsAreAddedAndEditedThroughTheirDialog)
{
    BreakpointHost &host = BreakpointHost::instance();
    host.windows = "Registers\nWatch";
    fill = [](TeskHandle p) { CuiBreakpointProxyAddAction(p, "WinUpdate=\"watch\""); };
    BreakpointDlg &dlg = shown();
    dlg.show();
    ModalAnswers answers;
    QString caption;
    QString preselected;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *actions = qobject_cast<BreakpointActionsDlg *>(request.widget.data());
        ASSERT_TRUE(actions);
        caption = actions->windowTitle();
        preselected = actions->windowListLB->currentItem()->text();
        clickRow(actions->actionsLB, 1);
        EXPECT_TRUE(actions->messageEF->isVisible()) << "the message page is raised";
        testhost::typeText(actions->messageEF, QStringLiteral("$2$ hit"));
        QTest::mouseClick(actions->okPB, Qt::LeftButton);
    });
    QTest::mouseClick(dlg.actionsEditPB, Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Edit Action"));
    EXPECT_EQ(preselected, QStringLiteral("Watch"));
    EXPECT_EQ(rowsOf(dlg.actionsLB), QStringList({"Message=\"$2$ hit\""}));

    answers.setHandler([&](const ModalAnswers::Request &request) {
        auto *actions = qobject_cast<BreakpointActionsDlg *>(request.widget.data());
        ASSERT_TRUE(actions);
        caption = actions->windowTitle();
        clickRow(actions->windowListLB, 1);
        QTest::mouseClick(actions->okPB, Qt::LeftButton);
    });
    QTest::mouseClick(dlg.actionsAddPB, Qt::LeftButton);
    EXPECT_EQ(caption, QStringLiteral("Add Action"));
    EXPECT_EQ(rowsOf(dlg.actionsLB),
              QStringList({"Message=\"$2$ hit\"", "WinUpdate=\"Registers\""}));
    for (const auto &call : host.callsOf("gui")) {
        if (call.code == 4) {
            EXPECT_EQ(call.argument, kVdata);
        }
    }
}

class FieldPickTest : public BreakpointDlgTest
{
protected:
    void SetUp() override
    {
        BreakpointDlgTest::SetUp();
        fill = [](TeskHandle p) {
            CuiBreakpointProxyAddBreakpointType(p, 0);
            CuiBreakpointProxyAllowLocation(p, 1);
            CuiBreakpointProxyAllowData(p, 1);
        };
    }
    void TearDown() override
    {
        testhost::SymtabHost::instance().withdraw();
        testhost::withdrawEeaccessFuncs();
        BreakpointDlgTest::TearDown();
    }
    static void select(QComboBox *combo, const QString &text, int start, int length)
    {
        combo->setEditText(text);
        combo->lineEdit()->setSelection(start, length);
    }
};

TEST_F(FieldPickTest, AChosenSymbolOrRegisterReplacesOnlyTheSelection)
{
    tesk::host::SymbolRecords records;
    records.images = {"img"};
    records.modules = {"img m m.c"};
    records.functions = {"img m main 0x10 Public"};
    testhost::SymtabHost::instance().publish(records);
    testhost::publishEeaccessFuncs();
    testhost::Recorder::instance().stringListText = "R2\nR1\n";
    BreakpointDlg &dlg = shown();
    dlg.show();
    ModalAnswers answers;
    answers.setHandler([&](const ModalAnswers::Request &request) {
        if (auto *selector = qobject_cast<DataNavSelector *>(request.widget.data())) {
            auto *functions = selector->findChild<FuncListView *>();
            functions->setCurrentIndex(functions->listModel()->index(0, 0));
            selector->findChild<QPushButton *>(QStringLiteral("selectButton"))->click();
        } else if (auto *registers = qobject_cast<RegisterListDlg *>(request.widget.data())) {
            registers->registerLB->setCurrentRow(0);
            registers->accept();
        } else {
            ADD_FAILURE() << "unexpected " << request.caption.toStdString();
        }
    });
    select(dlg.locationCOB, QStringLiteral("here+4"), 0, 4);
    dlg.locationSymbolSlot();
    EXPECT_EQ(dlg.locationCOB->currentText(), QStringLiteral("&img\\\\m\\main+4"));

    dlg.valueCOB->setEditText(QStringLiteral("old"));
    dlg.valueRegisterSlot();
    EXPECT_EQ(dlg.valueCOB->currentText(), QStringLiteral("R1")) << "no selection: all replaced";
    select(dlg.locationCOB, QStringLiteral("a..b"), 3, 1);
    dlg.locationRegisterSlot();
    EXPECT_EQ(dlg.locationCOB->currentText(), QStringLiteral("a..register:R1"));
}

} // namespace
