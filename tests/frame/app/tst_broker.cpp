// Broker conventions: every component of the library answers the common operations alike,
// and the plug-in entry registers its components in order, reporting the first failure.
#include "testhost.h"

#include "frame/windows/ctesk_facade.h"

#include <tesk/tesk_facade.h>

#include <mosk/mosk.hpp>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

struct Component
{
    const char *category;
    const char *id;
    uint32_t interfaceId;
    bool answersBase; // whether 0x101 is among the ids it hands out
};

void PrintTo(const Component &c, std::ostream *os)
{
    *os << c.id;
}

MoskBase *fetch(const Component &c)
{
    MoskBroker *broker = moskGetObjectBroker();
    void *object = nullptr;
    MoskResult result = broker->ops->getComponent(broker, c.category, c.id, &object);
    mosk::release(result);
    return static_cast<MoskBase *>(object);
}

std::string descriptionOf(MoskResult result)
{
    MoskValue *value = result->ops->description(result);
    const char *text = nullptr;
    mosk::release(value->ops->getText(value, &text));
    const std::string description = text ? text : "";
    value->ops->Release(value);
    return description;
}

uint32_t codeOf(MoskResult result)
{
    const uint32_t code = moskErrorCode(result);
    mosk::release(result);
    return code;
}

class ComponentConventions : public ::testing::TestWithParam<Component>
{
};

} // namespace

TEST_P(ComponentConventions, AnswerTheCommonOperations)
{
    const Component c = GetParam();
    MoskBase *object = fetch(c);
    ASSERT_NE(object, nullptr);

    uint32_t id = 0, v1 = 9, v2 = 9, v3 = 9;
    EXPECT_EQ(object->ops->getInterfaceInfo(object, &id, &v1, &v2, &v3), nullptr);
    EXPECT_EQ(id, c.interfaceId);
    EXPECT_EQ(v1 + v2 + v3, 0u);
    EXPECT_EQ(object->ops->getInterfaceInfo(object, nullptr, nullptr, nullptr, nullptr), nullptr);

    void *out = reinterpret_cast<void *>(1);
    EXPECT_EQ(object->ops->QueryInterface(object, &out, c.interfaceId, 0), nullptr);
    EXPECT_EQ(out, object);
    mosk::release(out);

    out = reinterpret_cast<void *>(1);
    EXPECT_EQ(codeOf(object->ops->QueryInterface(object, &out, c.interfaceId, 1)),
              MOSK_ERR_VERSION);
    EXPECT_EQ(out, nullptr);

    out = reinterpret_cast<void *>(1);
    EXPECT_EQ(codeOf(object->ops->QueryInterface(object, &out, 0x43200, 0)), MOSK_ERR_NO_INTERFACE);
    EXPECT_EQ(out, nullptr);

    out = nullptr;
    MoskResult base = object->ops->QueryInterface(object, &out, MOSK_IID_BASE, 1);
    if (c.answersBase) {
        EXPECT_EQ(base, nullptr);
        EXPECT_EQ(out, object);
        EXPECT_EQ(codeOf(object->ops->QueryInterface(object, &out, MOSK_IID_BASE, 2)),
                  MOSK_ERR_VERSION);
    } else {
        EXPECT_EQ(codeOf(base), MOSK_ERR_NO_INTERFACE);
    }
    mosk::release(object);
}

INSTANTIATE_TEST_SUITE_P(
    LibraryComponents, ComponentConventions,
    ::testing::Values(Component{"tesk", "tesk_Facade.component.1", TESK_IID_FACADE, true},
                      Component{"gui_bridge", "Gcds_Dialog.component.1", 0x51000, true},
                      Component{"gui_bridge", "Gcds_SingletonDataAdaptor.component.1", 0x51000,
                                false}));

TEST(Facade, ReleaseToZeroKeepsTheObject)
{
    CTesk_Facade *facade = CTesk_Facade::instance();
    ITesk_Facade *face = facade->face();
    while (facade->refCount() > 0)
        face->ops->Release(face);
    EXPECT_EQ(CTesk_Facade::current(), nullptr);
    EXPECT_EQ(CTesk_Facade::instance(), facade);
    EXPECT_EQ(CTesk_Facade::current(), facade);
    face->ops->AddRef(face); // the broker's reference again
    EXPECT_EQ(facade->viewIdOfDock(nullptr), ~uint64_t(0));
}

TEST(Facade, WindowQuestionsWithoutMainWindowsAnswerNull)
{
    ITesk_Facade *face = CTesk_Facade::instance()->face();
    TeskHandle handle = 5;
    void *window = &handle;
    EXPECT_EQ(face->ops->windowHandle(face, nullptr, &handle), nullptr);
    EXPECT_EQ(handle, 0);
    EXPECT_EQ(face->ops->currentMainWindow(face, &window), nullptr);
    EXPECT_EQ(window, nullptr);
}

// The two lifetimes of a broker object: getting them mixed up either deletes a static
// component (the facade, a stream on the stack) or leaks every dynamic one.
namespace {

struct Probe
{
    int destroyed = 0;
    int lastReleased = 0;
};

template<typename Lifetime>
class ProbeObject : public mosk::Object<mosk::EmptyMutex, Lifetime>
{
public:
    using Face = mosk::Implements<ProbeObject, MoskBase, 0x43210, 0, 0>;

    explicit ProbeObject(Probe &probe)
        : m_face(this, &s_ops)
        , m_probe(probe)
    {
    }
    ~ProbeObject() override { ++m_probe.destroyed; }

    MoskBase *face() { return &m_face; }

protected:
    void lastReleased() override { ++m_probe.lastReleased; }

private:
    static inline const MoskBaseOps s_ops = {MOSK_FACE_BASE(Face)};
    Face m_face;
    Probe &m_probe;
};

} // namespace

TEST(Lifetime, StaticObjectSurvivesItsLastRelease)
{
    Probe probe;
    {
        ProbeObject<mosk::Static> object(probe);
        MoskBase *face = object.face();
        EXPECT_EQ(object.refCount(), 0u);
        void *out = nullptr;
        EXPECT_EQ(face->ops->QueryInterface(face, &out, 0x43210, 0), nullptr);
        EXPECT_EQ(face->ops->AddRef(face), 2u);
        EXPECT_EQ(face->ops->Release(face), 1u);
        EXPECT_EQ(probe.lastReleased, 0);
        EXPECT_EQ(face->ops->Release(face), 0u);
        EXPECT_EQ(probe.lastReleased, 1);
        // A surplus Release neither wraps the count round nor reports zero again.
        EXPECT_EQ(face->ops->Release(face), 0u);
        EXPECT_EQ(object.refCount(), 0u);
        EXPECT_EQ(probe.lastReleased, 1);
        EXPECT_EQ(probe.destroyed, 0);
    }
    EXPECT_EQ(probe.destroyed, 1);
}

TEST(Lifetime, DynamicObjectIsDeletedAtItsLastRelease)
{
    Probe probe;
    auto *object = new ProbeObject<mosk::DeleteOnLastRelease>(probe);
    MoskBase *face = object->face();
    EXPECT_EQ(object->refCount(), 1u);
    face->ops->AddRef(face);
    EXPECT_EQ(face->ops->Release(face), 1u);
    EXPECT_EQ(probe.destroyed, 0);
    EXPECT_EQ(face->ops->Release(face), 0u);
    EXPECT_EQ(probe.destroyed, 1);
    EXPECT_EQ(probe.lastReleased, 0);
}

// A registration interface written as a C host would write it, failing on request.
namespace {

struct RecordingRegistrar
{
    MoskRegistrar face;
    std::vector<std::pair<std::string, std::string>> registered;
    unsigned failing = 0; // bit i: registration i fails, with code 0x770 + i
};

RecordingRegistrar *registrarOf(void *self)
{
    return reinterpret_cast<RecordingRegistrar *>(self);
}

MoskResult info(void *, uint32_t *, uint32_t *, uint32_t *, uint32_t *)
{
    return nullptr;
}
uint32_t refNoop(void *)
{
    return 1;
}
MoskResult query(void *, void **, uint32_t, uint32_t)
{
    return moskErrorCreateStandardError(1, MOSK_ERR_NO_INTERFACE);
}
MoskResult registerComponent(void *self, const char *category, const char *id, void *)
{
    RecordingRegistrar *r = registrarOf(self);
    const unsigned index = unsigned(r->registered.size());
    r->registered.emplace_back(category, id);
    return r->failing & (1u << index) ? moskErrorCreateStandardError(1, 0x770 + index) : nullptr;
}

const MoskRegistrarOps recordingOps = {&info, &refNoop, &refNoop, &query, &registerComponent};

} // namespace

TEST(PluginEntry, RegistersInOrderAndReportsTheFirstFailure)
{
    RecordingRegistrar registrar{{&recordingOps}, {}, 0};
    EXPECT_EQ(moskInitialisePlugin(&registrar.face), nullptr);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"tesk", "tesk_Facade.component.1"},
        {"gui_bridge", "Gcds_Dialog.component.1"},
        {"gui_bridge", "Gcds_SingletonDataAdaptor.component.1"},
        {"gui_components", "gcp_ViewsManager.component.1"}};
    EXPECT_EQ(registrar.registered, expected);

    // A failure stops the registrations after it. The synchronisation pair is registered
    // whole, and only the adaptor's answer counts: the window's refusal is let go.
    struct Case
    {
        unsigned failing;
        uint32_t code;
        size_t registered;
    };
    const Case cases[] = {{0b0001, 0x770, 1},
                          {0b0010, 0, 4},
                          {0b0100, 0x772, 3},
                          {0b0110, 0x772, 3},
                          {0b1000, 0x773, 4}};
    for (const Case &c : cases) {
        RecordingRegistrar failing{{&recordingOps}, {}, c.failing};
        EXPECT_EQ(codeOf(moskInitialisePlugin(&failing.face)), c.code) << c.failing;
        EXPECT_EQ(failing.registered.size(), c.registered) << c.failing;
    }

    EXPECT_EQ(codeOf(moskInitialisePlugin(nullptr)), MOSK_ERR_BAD_ARGUMENT);
}

TEST(PluginEntry, ARefusalNamesTheComponentInTheErrorAndTheDebugOutput)
{
    const struct
    {
        unsigned failing;
        const char *component;
    } cases[] = {{0b0001, "\"tesk_Facade.component.1\" under \"tesk\""},
                 {0b0100, "\"Gcds_SingletonDataAdaptor.component.1\" under \"gui_bridge\""},
                 {0b1000, "\"gcp_ViewsManager.component.1\" under \"gui_components\""}};
    for (const auto &c : cases) {
        testhost::DebugCapture debug;
        RecordingRegistrar failing{{&recordingOps}, {}, c.failing};
        MoskResult result = moskInitialisePlugin(&failing.face);
        ASSERT_NE(result, nullptr) << c.component;
        // The broker's own words stay, the component follows them.
        const std::string description = descriptionOf(result);
        EXPECT_EQ(moskErrorCategory(result), 1u);
        EXPECT_EQ(description.rfind("Error (category 1, code 0x77", 0), 0u) << description;
        EXPECT_NE(description.find(c.component), std::string::npos) << description;
        EXPECT_TRUE(debug.contains(c.component)) << debug.text();
        EXPECT_TRUE(debug.contains("moskInitialisePlugin")) << debug.text();
        mosk::release(result);
    }
}

TEST(BrokerErrors, ThrowHelpersCarryTheErrorObject)
{
    EXPECT_NO_THROW(mosk::ThrowError{nullptr});
    EXPECT_NO_THROW(moskThrowIfFalse(true));
    try {
        moskThrowIfFalse(false);
        FAIL() << "no exception";
    } catch (mosk::ThrowError::Exception &e) {
        EXPECT_EQ(e.code(), MOSK_ERR_FAILED);
        EXPECT_NE(std::string(e.what()), "");
        MoskError *error = e.takeError();
        EXPECT_EQ(moskErrorCategory(error), 1u);
        mosk::release(error);
    }
}
