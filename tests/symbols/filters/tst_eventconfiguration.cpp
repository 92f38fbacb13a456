// The "Event Configuration" dialog as the host runs it: created through the C interface, run
// modally through the modal seam, answered from inside its loop.
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"
#include "symbols/filters/filtering.h"
#include "symbols/filters/modulefilterdlg.h"
#include "symbols/filters/neweventdlg.h"
#include "system/modalseam.h"

#include <tesk/tesk_app.h>
#include <tesk/tesk_filters.h>

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>

using Filtering::FModuleFilter;
using Filtering::SymbolFileFilterData;
using tesk::system::ModalSeam;

namespace {

FModuleFilter *addFilter(const char *name, const char *type = "Thread Start")
{
    auto *filter = new FModuleFilter;
    filter->SetName(QString::fromLatin1(name));
    filter->SetEventType(QString::fromLatin1(type));
    SymbolFileFilterData::instance()->ModuleFilters().Add(filter);
    return filter;
}

QStringList names()
{
    QStringList list;
    const auto &filters = SymbolFileFilterData::instance()->ModuleFilters();
    for (int i = 0; i < filters.Count(); ++i)
        list << filters.At(i)->GetName();
    return list;
}

ModuleFilterDlg *createDialog()
{
    return qobject_cast<ModuleFilterDlg *>(tesk::handles::object(
        reinterpret_cast<const void *>(CuiFilters_ModuleFilterDlgCreate(0, "text"))));
}

// Deletes the dialog through its handle, as the host does.
void deleteDialog(ModuleFilterDlg *dialog)
{
    CuiDeleteObject(tesk::handles::add(dialog));
}

// Runs the dialog as the host does; each modal that comes up goes to its own step.
class DialogRun
{
public:
    std::function<void(ModuleFilterDlg *)> main;
    std::function<void(NewEventDlg *)> event = [](NewEventDlg *d) { d->buttonOk->click(); };

    int exec(ModuleFilterDlg *dialog)
    {
        testhost::ModalAnswers answers;
        answers.setHandler([this](const ModalSeam::Request &request) {
            if (auto *e = qobject_cast<NewEventDlg *>(request.widget.data()))
                event(e);
            else if (auto *m = qobject_cast<ModuleFilterDlg *>(request.widget.data()))
                main(m);
        });
        return ModalSeam::run(dialog).code;
    }
};

class EventConfiguration : public ::testing::Test
{
protected:
    void SetUp() override
    {
        CuiFilters_SetDefault();
        // Capturing on: the event list is usable.
        SymbolFileFilterData::instance()->SetActive(true);
    }
    void TearDown() override { CuiFilters_SetDefault(); }
};

TEST_F(EventConfiguration, NewProposesTheFirstFreeEventNumber)
{
    const std::vector<std::pair<std::vector<const char *>, QString>> cases = {
        {{}, "Event 1"},
        {{"Event 1", "Event 3"}, "Event 2"},
        {{"event 1", "Event 1 "}, "Event 1"},
    };
    for (const auto &[existing, expected] : cases) {
        SymbolFileFilterData::instance()->ModuleFilters().Clear(true);
        for (const char *name : existing)
            addFilter(name);
        ModuleFilterDlg *dialog = createDialog();
        ASSERT_TRUE(dialog);
        QString proposed;
        DialogRun run;
        run.event = [&](NewEventDlg *d) {
            proposed = d->editName->text();
            d->buttonCancel->click();
        };
        run.main = [](ModuleFilterDlg *d) {
            d->pushNew->click();
            d->pushCancel->click();
        };
        run.exec(dialog);
        EXPECT_EQ(proposed, expected);
        deleteDialog(dialog);
    }
}

TEST_F(EventConfiguration, ANewEventGoesToTheTopAndIsFirstAfterOk)
{
    addFilter("Old");
    ModuleFilterDlg *dialog = createDialog();
    DialogRun run;
    run.main = [](ModuleFilterDlg *d) {
        d->pushNew->click();
        EXPECT_EQ(d->listFilters->topLevelItem(0)->text(1), "Event 1");
        EXPECT_EQ(d->listFilters->currentItem(), d->listFilters->topLevelItem(0));
        d->checkMaster->click();
        d->pushOK->click();
    };
    EXPECT_EQ(run.exec(dialog), QDialog::Accepted);
    EXPECT_EQ(names(), QStringList({"Event 1", "Old"}));
    EXPECT_EQ(CuiFilters_IsActiveModuleFiltering(), 0);
    deleteDialog(dialog);
}

TEST_F(EventConfiguration, CancelLeavesSetAndSwitchAlone)
{
    addFilter("First");
    addFilter("Second");
    SymbolFileFilterData::instance()->SetActive(true);
    ModuleFilterDlg *dialog = createDialog();
    DialogRun run;
    run.main = [](ModuleFilterDlg *d) {
        d->pushNew->click();
        d->pushEdit->click();
        d->listFilters->setCurrentItem(d->listFilters->topLevelItem(2));
        d->pushDelete->click();
        d->listFilters->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
        EXPECT_TRUE(d->textInformation->isHidden());
        d->checkMaster->click();
        // Capturing off: the list is out of use; the warning label stays hidden.
        EXPECT_FALSE(d->groupEvents->isEnabled());
        EXPECT_TRUE(d->textInformation->isHidden());
        d->checkMaster->click();
        EXPECT_TRUE(d->textInformation->isHidden());
        d->checkMaster->click();
        d->pushCancel->click();
    };
    EXPECT_EQ(run.exec(dialog), QDialog::Rejected);
    EXPECT_EQ(names(), QStringList({"First", "Second"}));
    EXPECT_TRUE(SymbolFileFilterData::instance()->ModuleFilters().At(0)->IsActive());
    EXPECT_EQ(CuiFilters_IsActiveModuleFiltering(), 1);
    deleteDialog(dialog);
}

TEST_F(EventConfiguration, DeleteDropsTheCurrentEventAndEditChangesItInPlace)
{
    addFilter("First");
    addFilter("Second");
    ModuleFilterDlg *dialog = createDialog();
    DialogRun run;
    run.event = [](NewEventDlg *d) {
        d->editName->setText("Renamed");
        d->buttonOk->click();
    };
    run.main = [](ModuleFilterDlg *d) {
        d->pushDelete->click();
        ASSERT_EQ(d->listFilters->topLevelItemCount(), 1);
        d->pushEdit->click();
        EXPECT_EQ(d->listFilters->topLevelItem(0)->text(1), "Renamed");
        d->pushOK->click();
    };
    run.exec(dialog);
    EXPECT_EQ(names(), QStringList({"Renamed"}));
    deleteDialog(dialog);
}

TEST_F(EventConfiguration, ACheckBoxChangesOnlyItsOwnDialogsWorkingCopy)
{
    addFilter("Watched");
    ModuleFilterDlg *older = createDialog();
    ModuleFilterDlg *newer = createDialog();
    older->listFilters->topLevelItem(0)->setCheckState(0, Qt::Unchecked);
    EXPECT_TRUE(SymbolFileFilterData::instance()->ModuleFilters().At(0)->IsActive());
    newer->accept();
    EXPECT_TRUE(SymbolFileFilterData::instance()->ModuleFilters().At(0)->IsActive());
    older->accept();
    EXPECT_FALSE(SymbolFileFilterData::instance()->ModuleFilters().At(0)->IsActive());
    deleteDialog(older);
    deleteDialog(newer);
}

TEST_F(EventConfiguration, RowsDescribeTheirEvents)
{
    struct Case
    {
        const char *type;
        bool allProcesses, allModules;
        const char *description;
    } cases[] = {
        {"Thread Start", true, true, "Any process, Any filename"},
        {"Thread Start", false, false, "Process = \"proc\", Filename = \"mod\""},
        {"Module Load", true, false, "Module = \"mod\""},
        {"Module Load", false, true, "Any module"},
        {"", false, true, "Process = \"proc\", Any module"},
    };
    for (const Case &c : cases) {
        FModuleFilter *filter = addFilter("name", c.type);
        filter->SetProcessName("proc");
        filter->SetModuleName("mod");
        filter->SetAllProcesses(c.allProcesses);
        filter->SetAllModules(c.allModules);
    }
    ModuleFilterDlg *dialog = createDialog();
    for (int i = 0; i < int(std::size(cases)); ++i) {
        const QTreeWidgetItem *row = dialog->listFilters->topLevelItem(i);
        EXPECT_EQ(row->text(2), QString::fromLatin1(cases[i].type));
        EXPECT_EQ(row->text(3), QString::fromLatin1(cases[i].description));
    }
    deleteDialog(dialog);
}

TEST_F(EventConfiguration, FilterTextsRefuseCommasAndSemicolons)
{
    addFilter("x");
    ModuleFilterDlg *dialog = createDialog();
    for (QLineEdit *edit :
         {dialog->editFilterName, dialog->editFilterProcessName, dialog->editFilterModuleName}) {
        edit->clear();
        QTest::keyClicks(edit, "a,b;c");
        EXPECT_EQ(edit->text(), "abc") << edit->objectName().toStdString();
    }
    EXPECT_EQ(SymbolFileFilterData::instance()->ModuleFilters().At(0)->GetName(), "x");
    deleteDialog(dialog);
}

// The event dialog on its own: what OK makes of the fields.
class EventDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog.SetEventTypes("Thread Start\tModule Load");
        filter.SetEventType("Thread Start");
        dialog.SetFilter(&filter);
    }
    void choose(const QString &type)
    {
        dialog.comboEventType->setCurrentText(type);
        emit dialog.comboEventType->activated(dialog.comboEventType->currentIndex());
    }

    NewEventDlg dialog{nullptr, "New Event", true, {}};
    FModuleFilter filter;
};

TEST_F(EventDialog, OkTurnsTheFieldsIntoTheFilter)
{
    struct Case
    {
        const char *type;
        const char *process;
        bool anyProcess;
        bool allProcesses;
        const char *storedProcess;
    } cases[] = {
        {"Thread Start", "*", false, true, "*"},    {"Thread Start", "", false, true, ""},
        {"Thread Start", "app", true, true, "app"}, {"Thread Start", "app", false, false, "app"},
        {"Module Load", "app", false, true, ""},
    };
    for (const Case &c : cases) {
        choose(c.type);
        dialog.editProcessName->setText(c.process);
        dialog.checkIgnoreProcessName->setChecked(c.anyProcess);
        dialog.editFileName->setText("file");
        dialog.editModuleName->setText("module");
        dialog.accept();
        EXPECT_EQ(filter.GetEventType(), c.type);
        EXPECT_EQ(filter.IsAllProcesses(), c.allProcesses) << c.type << " " << c.process;
        EXPECT_EQ(filter.GetProcessName(), c.storedProcess) << c.type << " " << c.process;
        EXPECT_EQ(filter.GetModuleName(),
                  QString::fromLatin1(c.type) == "Module Load" ? "module" : "file");
        EXPECT_FALSE(filter.IsAllModules());
    }
}

TEST_F(EventDialog, ANewEventAcceptedAtOnceAppliesToEveryThreadStart)
{
    FModuleFilter fresh;
    fresh.SetName("Event 1");
    fresh.SetProcessName("Process Name");
    fresh.SetModuleName("Module Name");
    dialog.SetFilter(&fresh);
    dialog.accept();
    EXPECT_EQ(fresh.GetName(), "Event 1");
    EXPECT_EQ(fresh.GetEventType(), "Thread Start");
    EXPECT_TRUE(fresh.IsAllProcesses());
    EXPECT_TRUE(fresh.IsAllModules());
    EXPECT_EQ(fresh.GetProcessName(), "");
    EXPECT_EQ(fresh.GetModuleName(), "");
}

TEST_F(EventDialog, AThreadStartShowsItsModuleAsTheFileName)
{
    filter.SetModuleName("worker.c");
    filter.SetAllProcesses(true);
    dialog.SetFilter(&filter);
    EXPECT_EQ(dialog.widgetStack->currentIndex(), 1);
    EXPECT_EQ(dialog.editFileName->text(), "worker.c");
    EXPECT_TRUE(dialog.checkIgnoreProcessName->isChecked());
    EXPECT_FALSE(dialog.editProcessName->isEnabled());
    choose("Module Load");
    EXPECT_EQ(dialog.widgetStack->currentIndex(), 2);
}

} // namespace
