// The function registry through its exports, and the host interfaces built on it.
#include "testhost.h"

#include "frame/core/hostinterfaces.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

void hostFunctionA() {}
void hostFunctionB() {}
int tableA[2];

class HostInterfacesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::withdrawHostEntryPoints();
        HostInterfaces::reset();
        testhost::Recorder::instance() = testhost::Recorder();
    }
    void TearDown() override
    {
        testhost::withdrawHostEntryPoints();
        testhost::withdrawEeaccessFuncs();
        HostInterfaces::reset();
    }
};

std::string thrownText(const std::function<void()> &fn)
{
    try {
        fn();
    } catch (const std::runtime_error &e) {
        return e.what();
    }
    return {};
}

} // namespace

TEST(FunctionRegistry, AddGetRemoveEachOnce)
{
    auto fn = reinterpret_cast<CuiRegistryFn>(&hostFunctionA);
    EXPECT_EQ(CuiFunctionRegistryAddFunction("test.fn", fn), 1);
    EXPECT_EQ(
        CuiFunctionRegistryAddFunction("test.fn", reinterpret_cast<CuiRegistryFn>(&hostFunctionB)),
        0);
    EXPECT_EQ(CuiFunctionRegistryGetFunction("test.fn"), fn); // the old entry stays
    EXPECT_EQ(CuiFunctionRegistryRemoveFunction("test.fn"), 1);
    EXPECT_EQ(CuiFunctionRegistryRemoveFunction("test.fn"), 0);
    EXPECT_EQ(CuiFunctionRegistryGetFunction("test.fn"), nullptr);

    EXPECT_EQ(CuiFunctionRegistryAddVoidStar("test.table", tableA), 1);
    EXPECT_EQ(CuiFunctionRegistryAddVoidStar("test.table", nullptr), 0);
    EXPECT_EQ(CuiFunctionRegistryGetVoidStar("test.table"), tableA);
    EXPECT_EQ(CuiFunctionRegistryRemoveVoidStar("test.table"), 1);
    EXPECT_EQ(CuiFunctionRegistryRemoveVoidStar("test.table"), 0);
}

TEST(FunctionRegistry, NamesAreCaseSensitiveAndMapsIndependent)
{
    auto fn = reinterpret_cast<CuiRegistryFn>(&hostFunctionA);
    ASSERT_EQ(CuiFunctionRegistryAddFunction("Twin", fn), 1);
    EXPECT_EQ(CuiFunctionRegistryGetFunction("twin"), nullptr);
    EXPECT_EQ(CuiFunctionRegistryAddVoidStar("Twin", tableA), 1);
    EXPECT_EQ(CuiFunctionRegistryRemoveVoidStar("Twin"), 1);
    EXPECT_EQ(CuiFunctionRegistryGetFunction("Twin"), fn);
    EXPECT_EQ(CuiFunctionRegistryRemoveFunction("Twin"), 1);
}

TEST(FunctionRegistry, NullNamesAreRefused)
{
    EXPECT_EQ(
        CuiFunctionRegistryAddFunction(nullptr, reinterpret_cast<CuiRegistryFn>(&hostFunctionA)),
        0);
    EXPECT_EQ(CuiFunctionRegistryAddVoidStar(nullptr, tableA), 0);
    EXPECT_EQ(CuiFunctionRegistryGetFunction(nullptr), nullptr);
    EXPECT_EQ(CuiFunctionRegistryGetVoidStar(nullptr), nullptr);
    EXPECT_EQ(CuiFunctionRegistryRemoveFunction(nullptr), 0);
    EXPECT_EQ(CuiFunctionRegistryRemoveVoidStar(nullptr), 0);
}

TEST_F(HostInterfacesTest, MissingEntryPointsThrowEeaccessFirstAndAreLookedUpAgain)
{
    EXPECT_EQ(thrownText([] { HostInterfaces::instance(); }),
              "The entry point for the 'eeaccess' interface could not be found.");
    CuiFunctionRegistryAddFunction("eeaccess", reinterpret_cast<CuiRegistryFn>(&hostFunctionA));
    EXPECT_EQ(thrownText([] { HostInterfaces::instance(); }),
              "The entry point for the 'gui' interface could not be found.");
    CuiFunctionRegistryRemoveFunction("eeaccess");

    testhost::publishHostEntryPoints();
    EXPECT_NE(HostInterfaces::instance(), nullptr);
}

TEST_F(HostInterfacesTest, CallsPassCommandTextAndWindowBox)
{
    testhost::publishHostEntryPoints();
    auto &recorder = testhost::Recorder::instance();

    EXPECT_TRUE(hostGuiCall(42, QStringLiteral("Grüße"), 0x77));
    EXPECT_TRUE(hostEeaccessCall(7, QStringLiteral("step")));
    recorder.guiResult = 3;
    EXPECT_FALSE(hostGuiCall(1, QString(), 0));

    ASSERT_EQ(recorder.calls.size(), 3u);
    EXPECT_EQ(recorder.calls[0].entry, "gui");
    EXPECT_EQ(recorder.calls[0].commandId, 42);
    EXPECT_EQ(recorder.calls[0].text, "Gr\xc3\xbc\xc3\x9f"
                                      "e");
    EXPECT_EQ(recorder.calls[0].windowBox, 0x77);
    EXPECT_EQ(recorder.calls[1].entry, "eeaccess");
    EXPECT_EQ(recorder.calls[1].text, "step");
}

TEST_F(HostInterfacesTest, StringListFromTheEeaccessTable)
{
    QStringList list{QStringLiteral("stale")};
    EXPECT_FALSE(eeaccessGetStringList(5, list));
    EXPECT_TRUE(list.isEmpty());

    testhost::publishEeaccessFuncs();
    auto &recorder = testhost::Recorder::instance();
    recorder.stringListText = "r0\n\nr1\n";
    EXPECT_TRUE(eeaccessGetStringList(5, list));
    EXPECT_EQ(list, QStringList({"r0", "r1"}));
    EXPECT_EQ(recorder.calls.back().windowBox, 5);

    recorder.stringListResult = 1;
    EXPECT_FALSE(eeaccessGetStringList(5, list));
    EXPECT_TRUE(list.isEmpty());
}
