// The window's models over a data set of their own (a mediator nobody subscribed), and the
// edit controller over the library's mediator and the simulated cores.
#include "synchost.h"

#include "sync/synccntrlcorestable.h"
#include "sync/syncdata.h"
#include "sync/syncdatamediator.h"
#include "sync/syncdatamodels.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

using Operation = SimulatedCores::Operation;

using synctest::CoreSetup;

// The calls of one operation; the library's own mediator reads after each event the host fires.
std::vector<SimulatedCores::Call> callsOf(const SimulatedCores &cores, Operation operation)
{
    std::vector<SimulatedCores::Call> calls;
    for (const SimulatedCores::Call &call : cores.log()) {
        if (call.operation == operation)
            calls.push_back(call);
    }
    return calls;
}

class Models : public ::testing::Test
{
protected:
    void SetUp() override { cores = &synctest::freshCores(); }
    void TearDown() override { cores->reset(); }

    void fill(std::initializer_list<CoreSetup> cores)
    {
        synctest::fillCores(data, mediator, cores);
    }
    uint32_t events(uint32_t id) const { return data.find(id)->getEventSet().mask(); }

    SimulatedCores *cores = nullptr;
    SyncData data;
    SyncDataMediator mediator{&data};
};

TEST_F(Models, CoreRowsAreSortedAndOutsideRowsAreEmpty)
{
    SyncDataModelActionsCores model(&mediator);
    fill({{9, 0, 0}, {3, 0, 0}, {7, 0, 0}});
    EXPECT_EQ(model.rowCount(), 3);
    EXPECT_EQ(model.getCoreId(0), 3u);
    EXPECT_EQ(model.getCoreId(2), 9u);
    EXPECT_EQ(model.getLabel(1), "core 7 []");
    data.find(7)->setComment("running");
    EXPECT_EQ(model.getLabel(1), "core 7 [running]");
    // A core may have the id 0: rows outside must not find it.
    fill({{0, 0x7F, 0}});
    for (int row : {-1, 1, 5}) {
        EXPECT_EQ(model.getCoreId(row), 0u) << row;
        EXPECT_EQ(model.getConnection(row), nullptr) << row;
        EXPECT_EQ(model.getLabel(row), "") << row;
        EXPECT_FALSE(model.isChecked(row, 0)) << row;
    }
    EXPECT_TRUE(model.isChecked(0, 0));
    SyncDataModelActionsSet events(&mediator);
    EXPECT_EQ(events.getConnection(0), nullptr) << "no core rows";
    EXPECT_EQ(events.getCoreId(0), 0u);
}

TEST_F(Models, CheckingACoreTakesTheCoupledGroup)
{
    SyncDataModelActionsCores actions(&mediator);
    SyncDataModelExecutionCores executions(&mediator);
    struct Case
    {
        uint32_t other;
        uint32_t actionsGained;
    };
    // Another core's events and what a new core gains when checked for actions.
    const Case cases[] = {{1 | 16, 1 | 16}, {0, 0x7F}, {128 | 1024, 0x7F}, {0x7F | 0x380, 0x7F}};
    for (const Case &c : cases) {
        fill({{1, c.other, 0}, {2, 0, 0}});
        actions.setChecked(1, 0, true);
        EXPECT_EQ(events(2), c.actionsGained) << c.other;
        EXPECT_TRUE(actions.isChecked(1, 0));
    }
    fill({{1, 0x7F | 0x380 | 1024, 0}, {2, 256, 0}});
    executions.setChecked(0, 1, false);
    EXPECT_EQ(events(1), 0x7Fu | 1024) << "marker and actions stay";
    actions.setChecked(0, 0, false);
    EXPECT_EQ(events(1), 1024u);
    executions.setChecked(0, 0, true);
    EXPECT_EQ(events(1), 256u | 1024);
}

TEST_F(Models, EventRowsReachOnlyParticipatingCores)
{
    SyncDataModelActionsSet actions(&mediator);
    fill({});
    EXPECT_FALSE(actions.isActive());
    for (int row = 0; row < actions.rowCount(); ++row)
        EXPECT_FALSE(actions.isChecked(row, 0));
    actions.setChecked(0, 0, true);
    EXPECT_EQ(data.count(), 0);

    fill({{1, 128, 0}, {2, 16, 0}});
    actions.setChecked(0, 0, true);
    EXPECT_EQ(events(1), 128u) << "no action of its own: unchanged";
    EXPECT_EQ(events(2), 17u);
    EXPECT_TRUE(actions.isChecked(0, 0));
    EXPECT_TRUE(actions.isActive());
    actions.setChecked(4, 0, false);
    EXPECT_EQ(events(2), 1u);
    actions.setChecked(7, 0, true);
    EXPECT_EQ(events(2), 1u) << "a row outside has no bit";

    SyncDataModelExecutionSet executions(&mediator);
    EXPECT_EQ(executions.rowCount(), 3);
    executions.setChecked(2, 0, true);
    EXPECT_EQ(events(1), 128u | 512);
    EXPECT_EQ(events(2), 1u);
    EXPECT_EQ(actions.getComment(3), "Reset program counter");
    EXPECT_EQ(actions.getComment(7), "");
}

TEST_F(Models, ExecutionCommentsTellTheCoupling)
{
    SyncDataModelExecutionSet model(&mediator);
    struct Case
    {
        uint32_t first, second;
        const char *comment;
    };
    const Case cases[] = {
        {128, 128 | 1024, "Mixed coupling"},         {128, 128, "Tightly coupled"},
        {128 | 1024, 0, "Loosely coupled"},          {256, 512, ""},
        {128 | 1024, 128 | 1024, "Loosely coupled"},
    };
    for (const Case &c : cases) {
        fill({{1, c.first, 0}, {2, c.second, 0}});
        EXPECT_EQ(model.getComment(0), c.comment) << c.first << "/" << c.second;
    }
}

TEST_F(Models, CrossTriggerColumnsFollowTheCapabilities)
{
    SyncDataModelXTrig model(&mediator);
    struct Case
    {
        uint32_t flags;
        bool hwInEnabled, hwInChecked, hwOutEnabled;
        const char *comment;
    };
    const Case cases[] = {
        {1 | 2 | 4, true, true, false, "Mixed Trigger"},
        {1 | 4, false, false, false, "Software Trigger (on host)"},
        {16 | 4, false, true, false, "Software Trigger (on host)"},
        {1 | 2 | 4 | 8 | 16 | 32, true, true, true, "Hardware Trigger"},
        {8 | 16 | 32, false, false, true, "Mixed Trigger"},
        // Capable of both, but without the software triggers the hardware ones are not used.
        {2 | 4 | 16 | 32, false, true, false, "Software Trigger (on host)"},
    };
    for (const Case &c : cases) {
        fill({{4, 0, c.flags}});
        EXPECT_EQ(model.isEnabled(0, 3), c.hwInEnabled) << c.flags;
        EXPECT_EQ(model.isChecked(0, 3), c.hwInChecked) << c.flags;
        EXPECT_EQ(model.isEnabled(0, 4), c.hwOutEnabled) << c.flags;
        EXPECT_EQ(model.getComment(0), c.comment) << c.flags;
        EXPECT_TRUE(model.isEnabled(0, 1));
        EXPECT_FALSE(model.isChecked(0, 0)) << "column 0 has no flag";
    }
    EXPECT_FALSE(model.isEnabled(1, 1));
    EXPECT_EQ(model.getComment(1), "");
}

TEST_F(Models, TriggerCommitSendsEachNotedCoreOnce)
{
    SyncDataModelXTrig model(&mediator);
    fill({{2, 0, 0}, {5, 0, 0}});
    EXPECT_FALSE(model.apply()) << "nothing noted";
    EXPECT_EQ(cores->count(Operation::ApplyTrigger), 0);

    model.setChecked(0, 1, true);
    model.setChecked(1, 2, true);
    model.setChecked(0, 1, false);
    EXPECT_EQ(data.find(2)->getFlags(), 0u);
    EXPECT_TRUE(model.apply());
    std::vector<uint32_t> contexts;
    for (const SimulatedCores::Call &call : callsOf(*cores, Operation::ApplyTrigger))
        contexts.push_back(call.context);
    EXPECT_EQ(contexts, (std::vector<uint32_t>{2, 5, 2}));
    EXPECT_TRUE(cores->core(5)->flags & 8) << "core C took the trigger out";
    EXPECT_FALSE(model.apply()) << "the notes are gone";

    cores->clearLog();
    cores->setRefusing(Operation::ApplyTrigger, true);
    model.setChecked(0, 1, true);
    model.setChecked(1, 1, true);
    EXPECT_FALSE(model.apply());
    EXPECT_EQ(cores->count(Operation::ApplyTrigger), 1) << "stops at the first refusal";
    cores->setThrowing(Operation::ApplyTrigger, true);
    model.setChecked(0, 1, true);
    EXPECT_FALSE(model.apply()) << "a throwing host";
    cores->setThrowing(Operation::ApplyTrigger, false);
    cores->setRefusing(Operation::ApplyTrigger, false);
    cores->clearLog();
    EXPECT_FALSE(model.apply()) << "emptied even when the sending failed";
    EXPECT_EQ(cores->log().size(), 0u);
    EXPECT_EQ(cores->accessRefs(), 0u);
}

TEST_F(Models, EachCommitUsesItsOwnOperation)
{
    fill({{1, 1 | 128, 0}, {2, 1 | 128, 0}, {5, 0, 0}});
    SyncDataModelActionsCores actionsCores(&mediator);
    SyncDataModelExecutionCores executionCores(&mediator);
    SyncDataModelActionsSet actionsSet(&mediator);
    SyncDataModelExecutionSet executionSet(&mediator);
    SyncDataModelExecutionAddOns addOns(&mediator);
    const std::pair<ASyncAbstractDataModel *, Operation> cases[] = {
        {&actionsCores, Operation::ApplyAction}, {&executionCores, Operation::ApplyExecution},
        {&actionsSet, Operation::ApplyAction},   {&executionSet, Operation::ApplyExecution},
        {&addOns, Operation::ApplyPendingMode},
    };
    for (const auto &[model, operation] : cases) {
        cores->clearLog();
        EXPECT_TRUE(model->apply());
        const std::vector<SimulatedCores::Call> calls = callsOf(*cores, operation);
        ASSERT_EQ(calls.size(), 1u);
        EXPECT_EQ(calls[0].context, 0xFFFFFFFFu);
        EXPECT_EQ(cores->log().size(), 2u) << "the host's event made the library read";
        cores->setRefusing(operation, true);
        EXPECT_FALSE(model->apply());
        cores->setRefusing(operation, false);
    }
    // The host took the data over through the queries.
    EXPECT_EQ(cores->core(1)->actions, 1u);
    EXPECT_EQ(cores->core(5)->actions, 0u);
    EXPECT_EQ(cores->core(2)->executions, 128u);

    addOns.setPendingMode(1);
    EXPECT_TRUE(addOns.getPendingMode());
    EXPECT_TRUE(addOns.apply());
    EXPECT_EQ(cores->pendingMode(), 1u);
    addOns.setPendingMode(2);
    EXPECT_FALSE(addOns.getPendingMode());
    EXPECT_EQ(data.getMode(), 0u);
}

TEST_F(Models, ModelsPassNotificationsOnAfterNewRows)
{
    SyncDataModelXTrig model(&mediator);
    fill({{8, 0, 0}});
    struct RowReader : ASyncObserver
    {
        SyncDataModelXTrig *model;
        std::vector<uint32_t> firstIds;
        void update(int, int) override { firstIds.push_back(model->getCoreId(0)); }
    } reader;
    reader.model = &model;
    model.attach(&reader);
    data.add(new SyncDataConnection(3));
    mediator.notify(0, 17);
    EXPECT_EQ(reader.firstIds, std::vector<uint32_t>{3});
    {
        SyncDataModelActionsCores gone(&mediator);
    }
    mediator.notify(0, 17) /* a destroyed model has left the mediator */;
    EXPECT_EQ(reader.firstIds.size(), 2u);
    model.detach(&reader);
}

// One user change through the controller, against the library's own mediator.
class Controller : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cores = &synctest::freshCores();
        SyncDataMediator::instance()->refresh();
        model.attach(&recorder);
        table.setModel(&model);
        cores->clearLog();
    }
    void TearDown() override
    {
        model.detach(&recorder);
        cores->reset();
    }

    SimulatedCores *cores = nullptr;
    SyncDataModelActionsCores model{SyncDataMediator::instance()};
    SyncCntrlCoresTable table;
    synctest::Recorder recorder;
};

TEST_F(Controller, TakenChangeIsReadBack)
{
    EXPECT_FALSE(model.isChecked(2, 0)) << "core C has no action";
    ASSERT_TRUE(table.beginChange());
    EXPECT_TRUE(SyncDataMediator::instance()->isBlocked());
    cores->run(5);
    table.setChecked(2, 0, true);
    EXPECT_TRUE(recorder.updates.empty()) << "host events held back";
    EXPECT_TRUE(table.endChange());
    EXPECT_FALSE(SyncDataMediator::instance()->isBlocked());
    EXPECT_EQ(cores->core(5)->actions, 1u | 16);
    EXPECT_TRUE(model.isChecked(2, 0));
    ASSERT_EQ(recorder.updates.size(), 1u);
    EXPECT_EQ(recorder.updates[0], std::make_pair(0, 0));
    EXPECT_EQ(model.getLabel(2), "core C [running]");
}

TEST_F(Controller, RefusedOrThrowingCommitIsUndoneByTheReadBack)
{
    for (bool raise : {false, true}) {
        recorder.updates.clear();
        (raise ? cores->setThrowing(Operation::ApplyAction, true)
               : cores->setRefusing(Operation::ApplyAction, true));
        ASSERT_TRUE(table.beginChange());
        table.setChecked(0, 0, false);
        EXPECT_FALSE(model.isChecked(0, 0));
        EXPECT_FALSE(table.endChange()) << raise;
        EXPECT_FALSE(SyncDataMediator::instance()->isBlocked());
        EXPECT_TRUE(model.isChecked(0, 0)) << "the host's data again";
        EXPECT_EQ(recorder.updates.size(), 1u) << "refreshed";
        cores->reset();
    }
    EXPECT_EQ(cores->accessRefs(), 0u);
}

} // namespace
