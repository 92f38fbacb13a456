// The pickers of a breakpoint: the register list, the symbol selector and the function
// breakpoint selector with the commands it sends.
#include "modalanswers.h"
#include "symtabhost.h"
#include "testhost.h"

#include <tesk/tesk.h>

#include "frame/core/hostinterfaces.h"
#include "symbols/breakpoints/registerlistdlg.h"
#include "symbols/datanav.h"
#include "symbols/datanavselector.h"
#include "symbols/funclistview.h"
#include "symbols/imagelistview.h"
#include "symbols/modlistview.h"

#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include <gtest/gtest.h>

using testhost::Recorder;
using testhost::SymtabHost;

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

tesk::host::SymbolRecords testRecords()
{
    tesk::host::SymbolRecords r;
    r.images = {"img", "lib"};
    r.modules = {"img m m.c", "img <Global> img", "lib util util.c"};
    r.functions = {"img m main 0x10 Public", "img <Global> start 0x20 Public",
                   "lib util copy 0x40 Public"};
    r.variables = {"img m count 0x100 Global"};
    return r;
}

void selectRow(DataNavListBase *view, const QString &name)
{
    const NavListModel *model = view->listModel();
    for (int row = 0; row < model->rows(); ++row) {
        if (model->text(row, 0) == name)
            view->setCurrentIndex(model->index(row, 0));
    }
}

void check(DataNavListBase *view, const QString &name)
{
    NavListModel *model = view->listModel();
    for (int row = 0; row < model->rows(); ++row) {
        if (model->text(row, 0) == name)
            model->setData(model->index(row, 0), Qt::Checked, Qt::CheckStateRole);
    }
}

class SelectorTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        SymtabHost::instance().publish(testRecords());
        testhost::publishHostEntryPoints();
        HostInterfaces::reset();
        Recorder::instance().clear();
    }
    void TearDown() override
    {
        SymtabHost::instance().withdraw();
        testhost::publishHostEntryPoints();
        HostInterfaces::reset();
    }

    // Runs the function breakpoint selector, checking the named functions and then clicking
    // the named button.
    int runFunctionSelector(const QStringList &checked, const QString &button, TeskHandle vdata = 5)
    {
        answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
            auto *selector = qobject_cast<BreakpointSelector *>(request.widget.data());
            if (!selector) {
                ADD_FAILURE() << "not the selector";
                return;
            }
            seenTitle = selector->windowTitle();
            auto *functions = selector->findChild<FuncListView *>();
            functionNames.clear();
            for (int row = 0; row < functions->listModel()->rows(); ++row)
                functionNames << functions->listModel()->text(row, 0);
            for (const QString &name : checked)
                check(functions, name);
            selector->findChild<QPushButton *>(button)->click();
        });
        return CuiFunctionListBreakpointDialog(99, vdata, 0x42);
    }

    testhost::ModalAnswers answers;
    QString seenTitle;
    QStringList functionNames;
};

TEST_F(SelectorTest, CheckedFunctionsGetOneBreakpointEachThroughGuiThenEeaccess)
{
    EXPECT_EQ(runFunctionSelector({"main", "copy"}, "selectButton"), 1);
    EXPECT_EQ(seenTitle, "Function Breakpoint Selector");
    EXPECT_EQ(functionNames, QStringList({"copy", "main", "start"}));
    const auto &calls = Recorder::instance().calls;
    ASSERT_EQ(calls.size(), 4u);
    const char *const expected[][2] = {{"gui", "binstr lib\\\\util\\copy"},
                                       {"eeaccess", "binstr lib\\\\util\\copy"},
                                       {"gui", "binstr img\\\\m\\main"},
                                       {"eeaccess", "binstr img\\\\m\\main"}};
    for (size_t i = 0; i < calls.size(); ++i) {
        EXPECT_EQ(calls[i].entry, expected[i][0]) << i;
        EXPECT_EQ(calls[i].text, expected[i][1]) << i;
        EXPECT_EQ(calls[i].commandId, 5) << i;
    }
    EXPECT_EQ(calls[0].windowBox, 0x42);

    // A host word wider than 32 bits reaches both entries whole.
    Recorder::instance().clear();
    const TeskHandle wide = TeskHandle(0x100000005LL);
    EXPECT_EQ(runFunctionSelector({"main"}, "selectButton", wide), 1);
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].commandId, wide);
    EXPECT_EQ(calls[1].commandId, wide);
}

TEST_F(SelectorTest, CancelOrNothingCheckedSendsNothing)
{
    EXPECT_EQ(runFunctionSelector({"main"}, "cancelButton"), 1);
    EXPECT_EQ(runFunctionSelector({}, "selectButton"), 1);
    EXPECT_TRUE(Recorder::instance().calls.empty());
}

TEST_F(SelectorTest, MissingHostEntryIsReportedOnceAndNothingCrosses)
{
    testhost::withdrawHostEntryPoints();
    HostInterfaces::reset();
    EXPECT_EQ(runFunctionSelector({"main", "copy"}, "selectButton"), 1);
    int critical = 0;
    for (const auto &seen : answers.seen())
        critical += seen.caption == "Critical Error";
    EXPECT_EQ(critical, 1);
    EXPECT_TRUE(Recorder::instance().calls.empty());
}

TEST_F(SelectorTest, SymbolSelectorAnswersThePathOfThePageOnScreen)
{
    DataNavSelector selector;
    selector.setVdata(3);
    selector.setInitialPage(tesk::symbols::NavSelectorDialog::kFunctionPage);
    selector.show();
    QCoreApplication::processEvents();
    auto *select = selector.findChild<QPushButton *>("selectButton");
    auto *tabs = selector.findChild<QTabWidget *>();
    EXPECT_EQ(tabs->currentWidget(), selector.findChild<FuncListView *>());
    EXPECT_EQ(SymtabHost::instance().calls.back().vdata, 3);
    QString symbol;
    EXPECT_FALSE(selector.selectedSymbol(symbol));
    selectRow(selector.findChild<FuncListView *>(), "start");
    ASSERT_TRUE(selector.selectedSymbol(symbol));
    EXPECT_EQ(symbol, "img\\\\start");

    tabs->setCurrentWidget(selector.findChild<ImageListView *>());
    EXPECT_FALSE(select->isEnabled());
    selectRow(selector.findChild<ImageListView *>(), "lib");
    ASSERT_TRUE(selector.selectedSymbol(symbol));
    EXPECT_EQ(symbol, "lib");
    tabs->setCurrentWidget(selector.findChild<ModListView *>());
    EXPECT_TRUE(select->isEnabled());
    selectRow(selector.findChild<ModListView *>(), "util");
    ASSERT_TRUE(selector.selectedSymbol(symbol));
    EXPECT_EQ(symbol, "lib\\\\util");
    // The selector's navigator sends no commands: a double-click is no disassembly request.
    EXPECT_EQ(selector.navigator()->mode(), DataNav::SelectorMode);
}

TEST_F(SelectorTest, RegisterNamesSortedByCodeAndChosenByDoubleClick)
{
    testhost::publishEeaccessFuncs();
    Recorder::instance().stringListText = "b\nR10\nB\n\nR1\nA\n";
    RegisterListDlg dialog;
    dialog.setVdata(8);
    ASSERT_TRUE(dialog.loadRegisters());
    QStringList shown;
    answers.setHandler([&](const testhost::ModalAnswers::Request &request) {
        auto *list = request.widget->findChild<QListWidget *>("registerLB");
        for (int row = 0; row < list->count(); ++row)
            shown << list->item(row)->text();
        QListWidgetItem *item = list->item(2);
        list->setCurrentItem(item);
        emit list->itemDoubleClicked(item);
    });
    EXPECT_EQ(tesk::system::ModalSeam::run(&dialog).code, QDialog::Accepted);
    EXPECT_EQ(shown, QStringList({"A", "B", "R1", "R10", "b"}));
    EXPECT_EQ(dialog.selectedRegister(), "R1");
    EXPECT_EQ(Recorder::instance().calls.back().windowBox, 8);

    Recorder::instance().stringListResult = 1;
    EXPECT_FALSE(dialog.loadRegisters());
    Recorder::instance().stringListResult = 0;
    testhost::withdrawEeaccessFuncs();
}

} // namespace
