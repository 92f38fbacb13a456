// The mediator between the host's events and the models: its subscription at the plug-in
// entry, when it reads the data again, and the references it leaves behind.
#include "synchost.h"

#include "sync/syncdata.h"
#include "sync/syncdatamediator.h"

#include <tesk/tesk_app.h>

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

#include <string>

namespace {

using Operation = SimulatedCores::Operation;

class Mediator : public ::testing::Test
{
protected:
    void SetUp() override
    {
        cores = &synctest::freshCores();
        mediator = SyncDataMediator::instance();
        mediator->attach(&recorder);
    }
    void TearDown() override
    {
        mediator->detach(&recorder);
        mediator->setBlocked(false);
        cores->reset();
    }

    SimulatedCores *cores = nullptr;
    SyncDataMediator *mediator = nullptr;
    synctest::Recorder recorder;
};

TEST_F(Mediator, SubscribedOnceInTheHostsEventOrder)
{
    const std::vector<int> order = {13, 17, 27, 26, 28};
    EXPECT_EQ(cores->attached(), order);
    EXPECT_TRUE(cores->detached().empty());
    EXPECT_EQ(cores->subjectRefs(), 1u) << "the interface kept, once, for the unload's detach";

    // A second registration (another registrar) must not attach the observer again.
    struct Registrar
    {
        MoskRegistrar face;
    };
    static const MoskRegistrarOps ops = {
        [](void *, uint32_t *, uint32_t *, uint32_t *, uint32_t *) -> MoskResult {
            return nullptr;
        },
        [](void *) -> uint32_t { return 1; }, [](void *) -> uint32_t { return 1; },
        [](void *, void **, uint32_t, uint32_t) -> MoskResult { return nullptr; },
        [](void *, const char *, const char *, void *) -> MoskResult { return nullptr; }};
    Registrar registrar{{&ops}};
    EXPECT_EQ(moskInitialisePlugin(&registrar.face), nullptr);
    EXPECT_EQ(cores->attached(), order);

    uint32_t id = 0, v1 = 0, v2 = 0, v3 = 0;
    MoskObserver *observer = mediator->observerFace();
    observer->ops->getInterfaceInfo(observer, &id, &v1, &v2, &v3);
    EXPECT_EQ(id, MOSK_IID_OBSERVER);
    EXPECT_EQ(v1 * 100 + v2 * 10 + v3, 111u);
}

TEST_F(Mediator, HostEventReadsTheDataAndPassesTheIdOn)
{
    cores->core(2)->running = true;
    cores->fire(27);
    ASSERT_EQ(recorder.updates.size(), 1u);
    EXPECT_EQ(recorder.updates[0], std::make_pair(0, 27));
    EXPECT_EQ(cores->count(Operation::Read), 1);
    const SyncDataConnection *b = mediator->data()->find(2);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->getName(), "core B");
    EXPECT_EQ(b->getComment(), "running");
    EXPECT_EQ(mediator->data(), SyncData::instance());

    mediator->refresh();
    EXPECT_EQ(recorder.updates.back(), std::make_pair(0, 0));
}

TEST_F(Mediator, BlockedEventsNeitherReadNorNotify)
{
    mediator->setBlocked(true);
    cores->run(1);
    MoskObserver *observer = mediator->observerFace();
    EXPECT_EQ(observer->ops->Notify(observer, 13, 0), nullptr);
    mediator->refresh();
    EXPECT_EQ(cores->count(Operation::Read), 0);
    EXPECT_TRUE(recorder.updates.empty());
    EXPECT_FALSE(mediator->setBlocked(false));
    cores->stop(1);
    EXPECT_EQ(recorder.updates.size(), 1u);
}

TEST_F(Mediator, FailedReadsKeepTheOldDataAndReleaseEverything)
{
    mediator->refresh();
    recorder.updates.clear();
    const int before = mediator->data()->count();

    cores->setRefusing(Operation::Read, true);
    EXPECT_FALSE(mediator->syncWithHost());
    cores->fire(26);
    cores->setRefusing(Operation::Read, false);
    cores->setThrowing(Operation::Read, true);
    cores->fire(26);
    EXPECT_FALSE(mediator->syncWithHost());
    cores->setThrowing(Operation::Read, false);
    EXPECT_TRUE(recorder.updates.empty());
    EXPECT_EQ(mediator->data()->count(), before);

    EXPECT_EQ(cores->accessRefs(), 0u);
    for (const SimulatedCores::Call &call : cores->log())
        EXPECT_EQ(call.adaptorRefs, 1u) << "the library holds the face it passes, once";

    // No access component at all: a failed look-up, nothing left held.
    MoskBroker *broker = moskGetObjectBroker();
    mosk::release(
        broker->ops->unregisterComponent(broker, GCDS_CATEGORY, GCDS_SYNC_ACCESS_COMPONENT));
    EXPECT_FALSE(mediator->syncWithHost());
    SimulatedCores::registerWithBroker();
    EXPECT_TRUE(mediator->syncWithHost());
    EXPECT_EQ(cores->accessRefs(), 0u);
}

TEST_F(Mediator, HostReleasesNeverDeleteIt)
{
    MoskObserver *observer = mediator->observerFace();
    const uint32_t held = mediator->refCount();
    EXPECT_EQ(held, uint32_t(cores->observerCount())) << "one reference per attached event";
    for (uint32_t i = 0; i < held + 2; ++i)
        observer->ops->Release(observer);
    EXPECT_EQ(mediator->refCount(), 0u);
    cores->fire(13);
    EXPECT_EQ(recorder.updates.size(), 1u);
    for (uint32_t i = 0; i < held; ++i)
        observer->ops->AddRef(observer);
}

TEST(Observable, DetachDuringNotificationIsHonoured)
{
    SyncObservable subject;
    synctest::Recorder twice, late;
    struct Detacher : ASyncObserver
    {
        SyncObservable *subject;
        ASyncObserver *victim;
        int calls = 0;
        void update(int, int) override
        {
            ++calls;
            subject->detach(victim);
            subject->detach(this);
        }
    } detacher;
    detacher.subject = &subject;
    detacher.victim = &late;
    subject.attach(&twice);
    subject.attach(&twice);
    subject.attach(&detacher);
    subject.attach(&late);
    subject.notify(1, 2);
    EXPECT_EQ(twice.updates.size(), 2u);
    EXPECT_TRUE(late.updates.empty());
    subject.notify(3, 4);
    EXPECT_EQ(detacher.calls, 1);
    subject.detach(&twice);
    subject.notify(5, 6);
    EXPECT_EQ(twice.updates.size(), 4u) << "both entries of a twice-attached observer go";
}

// The plug-in entry without an event subject fails with the broker's error, and nothing is
// left behind (the child runs under the leak checker).
TEST(PluginEntry, MissingOrFacelessEventSubjectFailsCleanly)
{
    for (const char *mode : {"missing", "faceless"}) {
        QProcess child;
        child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/syncentry_child"),
                    {QString::fromLatin1(mode)});
        ASSERT_TRUE(child.waitForFinished(60000)) << mode;
        const std::string out = child.readAllStandardOutput().toStdString();
        EXPECT_EQ(child.exitCode(), 0)
            << mode << ": " << out << child.readAllStandardError().toStdString();
        const char *expected = std::string(mode) == "missing" ? "code 0x10102" : "code 0x10100";
        EXPECT_NE(out.find(expected), std::string::npos) << out;
        // The error names the component the host left out, and what is wrong with it.
        EXPECT_NE(out.find("\"gb_KsoGlobalEventSubject.component.1\" under \"gui_bridge\""),
                  std::string::npos)
            << out;
        const char *why = std::string(mode) == "missing" ? "is not registered"
                                                         : "does not offer the event-subject";
        EXPECT_NE(out.find(why), std::string::npos) << out;
    }
}

} // namespace

namespace {

TEST(PluginEntry, ARefusedWindowRegistrationStillSubscribesAndSucceeds)
{
    QProcess child;
    child.start(QCoreApplication::applicationDirPath() + QStringLiteral("/syncentry_child"),
                {QStringLiteral("window-refused")});
    ASSERT_TRUE(child.waitForFinished(60000));
    const std::string out = child.readAllStandardOutput().toStdString();
    EXPECT_EQ(child.exitCode(), 0) << out << child.readAllStandardError().toStdString();
    EXPECT_NE(out.find("code 0, 5 events attached"), std::string::npos) << out;
}

TEST_F(Mediator, AnEventRaisedInsideTheReadWaitsForItsEndAndIsAnsweredOnce)
{
    int raised = 0;
    // A host that raises an event from inside every read it takes.
    cores->setInsideOperation([&](Operation operation) {
        if (operation == Operation::Read && ++raised < 100)
            cores->fire(26);
    });
    cores->fire(27);
    EXPECT_EQ(cores->count(Operation::Read), 2);
    ASSERT_EQ(recorder.updates.size(), 2u);
    EXPECT_EQ(recorder.updates[0], std::make_pair(0, 27));
    EXPECT_EQ(recorder.updates[1], std::make_pair(0, 26));
    EXPECT_FALSE(mediator->isBlocked());

    // Afterwards events are read again as ever.
    cores->setInsideOperation(nullptr);
    recorder.updates.clear();
    cores->fire(13);
    EXPECT_EQ(cores->count(Operation::Read), 3);
    EXPECT_EQ(recorder.updates, (std::vector<std::pair<int, int>>{{0, 13}}));
}

} // namespace
