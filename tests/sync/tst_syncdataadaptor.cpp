// The registered data adaptor as the host uses it: codes to bits, get-or-create, the queries
// the host reads the library's copy back with, and the broker conventions of its count.
#include "synchost.h"

#include "sync/syncdata.h"
#include "sync/syncdataadaptor.h"

#include <gtest/gtest.h>

namespace {

using synctest::codeOf;

class DataAdaptor : public ::testing::Test
{
protected:
    void SetUp() override
    {
        adaptor = synctest::component<IGcds_DataAdaptor>(GCDS_DATA_ADAPTOR_COMPONENT);
        ASSERT_NE(adaptor, nullptr);
        ops = adaptor->ops;
        ops->clear(adaptor);
        ops->setMode(adaptor, 0);
    }
    void TearDown() override
    {
        ops->clear(adaptor);
        mosk::release(adaptor);
    }

    uint32_t events(uint32_t id) const
    {
        return SyncData::instance()->find(id)->getEventSet().mask();
    }
    uint32_t flags(uint32_t id) const { return SyncData::instance()->find(id)->getFlags(); }

    IGcds_DataAdaptor *adaptor = nullptr;
    const IGcds_DataAdaptorOps *ops = nullptr;
};

TEST_F(DataAdaptor, EventCodesSetAndClearTheirBits)
{
    struct Case
    {
        uint32_t before;
        int32_t code;
        bool on;
        uint32_t after;
    };
    const Case cases[] = {
        {0, 1, true, 0x7F},       {0x7F, 9, true, 0x3FF}, {0x3FF, 9, false, 0x7F},
        {0x3FF, 1, false, 0x380}, {0, 2, true, 1},        {0, 8, true, 64},
        {0xFF, 5, false, 0xF7},   {0, 10, true, 128},     {0, 12, true, 512},
        {0, 13, true, 1024},      {0x7F, 14, true, 0x7F}, {0x7F, 0, true, 0x7F},
        {0x7F, -1, false, 0x7F},  {0, 99, true, 0},
    };
    for (const Case &c : cases) {
        ops->clear(adaptor);
        ops->setAllEvents(adaptor, 3, false);
        SyncDataConnection *connection = SyncData::instance()->find(3);
        connection->setEventSet(SyncDataEventSet(c.before));
        ops->setEvent(adaptor, 3, c.code, c.on);
        EXPECT_EQ(events(3), c.after) << "code " << c.code << " on " << c.on;
    }
    // An unknown code still creates the core.
    ops->setEvent(adaptor, 44, 14, true);
    ASSERT_NE(SyncData::instance()->find(44), nullptr);
    EXPECT_EQ(events(44), 0u);
    ops->setAllEvents(adaptor, 44, true);
    EXPECT_EQ(events(44), 0xFFFFFFFFu);
}

TEST_F(DataAdaptor, FlagCodesAndTheirTest)
{
    EXPECT_FALSE(ops->testFlag(adaptor, 7, 1));
    EXPECT_EQ(ops->count(adaptor), 1) << "testFlag creates the core it asks about";
    for (int32_t code = 1; code <= 6; ++code) {
        ops->setFlag(adaptor, 7, code, true);
        EXPECT_EQ(flags(7), (2u << (code - 1)) - 1) << code;
        EXPECT_TRUE(ops->testFlag(adaptor, 7, code));
    }
    for (int32_t code : {0, 7, -3}) {
        ops->setFlag(adaptor, 7, code, false);
        EXPECT_FALSE(ops->testFlag(adaptor, 7, code)) << code;
    }
    EXPECT_EQ(flags(7), 63u);
    ops->setFlag(adaptor, 7, 3, false);
    EXPECT_EQ(flags(7), 59u);
    ops->clearFlags(adaptor, 7);
    EXPECT_EQ(flags(7), 0u);
}

TEST_F(DataAdaptor, ModeIsSetOnlyByOne)
{
    const std::pair<int32_t, bool> cases[] = {{1, true}, {2, false}, {0, false}, {-1, false}};
    for (const auto &[mode, set] : cases) {
        ops->setMode(adaptor, mode);
        EXPECT_EQ(ops->isModeSet(adaptor) != 0, set) << mode;
        EXPECT_EQ(SyncData::instance()->getMode(), set ? 1u : 0u);
    }
    ops->setMode(adaptor, 1);
    ops->clear(adaptor);
    EXPECT_TRUE(ops->isModeSet(adaptor)) << "clear keeps the mode";
}

TEST_F(DataAdaptor, ConnectionsInInsertionOrder)
{
    for (uint32_t id : {9u, 2u, 5u})
        ops->setName(adaptor, id, "core");
    ops->setName(adaptor, 2, nullptr);
    ops->setComment(adaptor, 5, nullptr);
    EXPECT_EQ(SyncData::instance()->find(2)->getName(), "") << "a null name reads as empty";
    EXPECT_EQ(SyncData::instance()->find(5)->getComment(), "");
    ASSERT_EQ(ops->count(adaptor), 3);
    EXPECT_EQ(ops->idByIndex(adaptor, 0), 9u);
    EXPECT_EQ(ops->idByIndex(adaptor, 2), 5u);
    EXPECT_EQ(ops->idByIndex(adaptor, 3), 0u) << "index at count";
    EXPECT_EQ(ops->idByIndex(adaptor, -1), 0u);
    ops->removeConnection(adaptor, 2);
    ops->removeConnection(adaptor, 77);
    EXPECT_EQ(ops->count(adaptor), 2);
    EXPECT_EQ(ops->idByIndex(adaptor, 1), 5u);
}

TEST_F(DataAdaptor, EventInUseNeedsTheCoreInTheGroup)
{
    // Core 1 couples Step and Load Image, core 2 couples Run only, core 3 nothing.
    ops->setEvent(adaptor, 1, GCDS_EVENT_STEP, true);
    ops->setEvent(adaptor, 1, GCDS_EVENT_LOAD_IMAGE, true);
    ops->setEvent(adaptor, 2, GCDS_EVENT_RUN, true);
    ops->setEvent(adaptor, 3, GCDS_EVENT_RUN, false);
    struct Case
    {
        uint32_t id;
        int32_t code;
        bool inUse;
    };
    const Case cases[] = {
        {2, GCDS_EVENT_STEP, true},        // takes part in executions; core 1 has Step
        {2, GCDS_EVENT_LOAD_IMAGE, false}, // no action of its own
        {1, GCDS_EVENT_RUN, true},          {1, GCDS_EVENT_STOP, false}, // nobody has Stop
        {3, GCDS_EVENT_STEP, false},                                     // no execution of its own
        {1, GCDS_EVENT_ALL_ACTIONS, false}, {1, GCDS_EVENT_ALL_EXECUTIONS, false}, {1, 99, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ops->isEventInUse(adaptor, c.id, c.code) != 0, c.inUse) << c.id << "/" << c.code;
    EXPECT_FALSE(ops->isEventInUse(adaptor, 8, GCDS_EVENT_ALL_ACTIONS));
    EXPECT_NE(SyncData::instance()->find(8), nullptr) << "the asked-for core is created";
}

TEST_F(DataAdaptor, QueryInterfaceErrorsKeepTheCount)
{
    SyncDataAdaptor *object = SyncDataAdaptor::instance();
    const uint32_t count = object->refCount();
    uint32_t id = 0, v1 = 9, v2 = 9, v3 = 9;
    ops->getInterfaceInfo(adaptor, &id, &v1, &v2, &v3);
    EXPECT_EQ(id, GCDS_IID_DATA_ADAPTOR);
    EXPECT_EQ(v1 + v2 + v3, 0u);

    EXPECT_EQ(codeOf(ops->QueryInterface(adaptor, nullptr, GCDS_IID_DATA_ADAPTOR, 0)),
              MOSK_ERR_FAILED);
    void *out = adaptor;
    EXPECT_EQ(codeOf(ops->QueryInterface(adaptor, &out, MOSK_IID_BASE, 0)), MOSK_ERR_NO_INTERFACE);
    EXPECT_EQ(out, nullptr);
    EXPECT_EQ(codeOf(ops->QueryInterface(adaptor, &out, GCDS_IID_DATA_ADAPTOR, 1)),
              MOSK_ERR_VERSION);
    EXPECT_EQ(object->refCount(), count);
}

TEST_F(DataAdaptor, UnbalancedReleasesLeaveItAlive)
{
    SyncDataAdaptor *object = SyncDataAdaptor::instance();
    const uint32_t count = object->refCount();
    for (uint32_t i = 0; i < count + 3; ++i)
        ops->Release(adaptor);
    EXPECT_EQ(object->refCount(), 0u);
    ops->setName(adaptor, 4, "still here");
    EXPECT_EQ(ops->count(adaptor), 1);
    for (uint32_t i = 0; i < count; ++i)
        ops->AddRef(adaptor);
}

} // namespace
