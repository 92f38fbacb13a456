// The breakpoint proxy, its triggers and the capability query, driven through the C interface
// as the debugger engine fills them.
#include "breakpointhost.h"
#include "testhost.h"

#include "symbols/breakpoints/breakpointhandles.h"
#include "symbols/breakpoints/breakpointproxy.h"
#include "symbols/breakpoints/hardwarecapabilities.h"

#include <tesk/tesk_breakpoints.h>

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <stdexcept>

using testhost::BreakpointHost;

namespace {

class BreakpointProxyTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        BreakpointHost::instance().reset();
        BreakpointHost::instance().fill = nullptr;
        testhost::publishBreakpointHost();
        handle = CuiBreakpointProxyCreate(77);
        CuiBreakpointProxySetHandler(handle, testhost::breakpointProxyHandler());
        CuiBreakpointProxySetVdata(handle, 5);
    }
    void TearDown() override
    {
        CuiBreakpointProxyDestroy(handle);
        testhost::withdrawBreakpointHost();
    }

    BreakpointProxy &proxy() { return *tesk::breakpoints::liveProxy(handle); }

    TeskHandle handle = 0;
};

std::string thrownText(const std::function<void()> &f)
{
    try {
        f();
    } catch (const std::runtime_error &e) {
        return e.what();
    }
    return "nothing thrown";
}

TEST_F(BreakpointProxyTest, LocationIsSimplifiedAndLosesOnlyALeadingUpperCaseIA)
{
    const struct
    {
        const char *given;
        const char *stored;
    } cases[] = {
        {"   (I A)   main ", "main"},
        {"  (i a)  main ", "(i a) main"},
        {"main (I A)", "main (I A)"},
        {"a\t\tb\n", "a b"},
    };
    for (const auto &c : cases) {
        CuiBreakpointProxySetLocation(handle, c.given);
        EXPECT_EQ(proxy().location().toStdString(), c.stored) << c.given;
    }
    CuiBreakpointProxySetLocation(handle, nullptr);
    EXPECT_EQ(proxy().location(), QStringLiteral("a b"));
    CuiBreakpointProxySetValue(handle, " 0x10  ");
    EXPECT_EQ(proxy().value(), QStringLiteral(" 0x10  "));
}

TEST_F(BreakpointProxyTest, TheSizeAloneDecidesWhetherItIsForced)
{
    CuiBreakpointProxySetForcedSize(handle, 1, 0);
    EXPECT_FALSE(proxy().forcedSize());
    EXPECT_EQ(proxy().size(), 0u);
    CuiBreakpointProxySetBreakpointSize(handle, 4);
    EXPECT_TRUE(proxy().forcedSize());
    CuiBreakpointProxySetForcedSize(handle, 0, 8);
    EXPECT_FALSE(proxy().forcedSize());
    EXPECT_EQ(proxy().size(), 4u);
    CuiBreakpointProxySetForcedSize(handle, 1, 16);
    EXPECT_TRUE(proxy().forcedSize());
    EXPECT_EQ(proxy().size(), 16u);
}

TEST_F(BreakpointProxyTest, ATypeOutsideTheListKeepsThePositionAndStillTellsTheHandler)
{
    for (uint32_t type : {0u, 2u, 4u, 2u})
        CuiBreakpointProxyAddBreakpointType(handle, type);
    BreakpointHost::instance().typeChangedResult = 9;

    EXPECT_EQ(CuiBreakpointProxySetBreakpointType(handle, 2), 9);
    EXPECT_EQ(proxy().settings().breakpointTypePos, 1u); // the first equal entry
    EXPECT_EQ(CuiBreakpointProxySetBreakpointType(handle, 7), 9);
    EXPECT_EQ(CuiBreakpointProxyGetBreakpointType(handle), 7u);
    EXPECT_EQ(proxy().settings().breakpointTypePos, 1u);

    const auto calls = BreakpointHost::instance().callsOf("proxy");
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[1].code, CUI_BREAKPOINT_PROXY_TYPE_CHANGED);
    EXPECT_EQ(calls[1].object, handle);
    EXPECT_EQ(calls[1].argument, 5);
    EXPECT_EQ(calls[1].text, "1");
}

TEST_F(BreakpointProxyTest, WithoutAHandlerTheTypeIsStoredAndNothingIsCalled)
{
    const TeskHandle bare = CuiBreakpointProxyCreate(1);
    CuiBreakpointProxyAddBreakpointType(bare, 3);
    EXPECT_EQ(CuiBreakpointProxySetBreakpointType(bare, 3), -1);
    EXPECT_EQ(CuiBreakpointProxyGetBreakpointType(bare), 3u);
    BreakpointProxy &p = *tesk::breakpoints::liveProxy(bare);
    EXPECT_EQ(thrownText([&] { p.update(); }), "Set function handler before calling update");
    EXPECT_THROW(p.contextText(0), std::runtime_error);
    EXPECT_THROW(p.breakpointNumber(), std::runtime_error);
    CuiBreakpointProxyDestroy(bare);
}

TEST_F(BreakpointProxyTest, UnknownHandlesAndADialogsProxyAreLeftAlone)
{
    const TeskHandle stranger = 0x1234;
    CuiBreakpointProxySetLocation(stranger, "main");
    CuiBreakpointProxyDestroy(stranger);
    CuiBreakpointProxyDestroy(0);
    EXPECT_EQ(CuiBreakpointProxySetBreakpointType(stranger, 1), -1);
    EXPECT_EQ(CuiBreakpointProxyGetBreakpointType(stranger), 0u);
    CuiBreakpointProxyAppendHardwareTrigger(handle, stranger);
    EXPECT_FALSE(proxy().hasHardwareTriggers());
    EXPECT_EQ(CuiHardwareTriggerSetSelection(stranger, 2), -1);
    EXPECT_EQ(CuiHardwareTriggerCreate(nullptr, "d", 0), 0);

    const TeskHandle owned = CuiBreakpointProxyCreate(2);
    BreakpointProxy *taken = tesk::breakpoints::adoptProxy(owned);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(tesk::breakpoints::adoptProxy(owned), nullptr);
    CuiBreakpointProxyDestroy(owned); // refused: the dialog owns it
    CuiBreakpointProxySetLocation(owned, "still filled");
    EXPECT_EQ(taken->location(), QStringLiteral("still filled"));
    delete taken; // as the dialog does
    EXPECT_EQ(tesk::breakpoints::liveProxy(owned), nullptr);
    CuiBreakpointProxyDestroy(owned); // stale now: ignored, not freed twice
}

TEST_F(BreakpointProxyTest, UpdateLetsTheHostFillTheProxyThroughTheExports)
{
    BreakpointHost::instance().fill = [](TeskHandle p) {
        CuiBreakpointProxyAddBreakpointType(p, 0);
        CuiBreakpointProxyAddClass(p, 4);
        CuiBreakpointProxyAllowData(p, 1);
        CuiBreakpointProxyAddAction(p, "Message=\"hi\"");
        CuiBreakpointProxySetActionState(p, 3);
    };
    BreakpointHost::instance().updateResult = 4;
    EXPECT_EQ(proxy().update(), 4);
    EXPECT_EQ(proxy().breakpointTypes().size(), 1);
    EXPECT_EQ(proxy().classes().value(0), 4u);
    EXPECT_TRUE(proxy().settings().allowData);
    EXPECT_EQ(proxy().actions(), QStringList{QStringLiteral("Message=\"hi\"")});
    EXPECT_EQ(proxy().actionState(), 1u);
    const auto calls = BreakpointHost::instance().callsOf("proxy");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].argument, 5);
    EXPECT_EQ(calls[0].text, "77");
}

TEST_F(BreakpointProxyTest, EachHostSetterChangesItsOwnSettingAndKeepsTheOthers)
{
    CuiBreakpointProxySetVpid(handle, 9);
    CuiBreakpointProxySetClassPos(handle, 3);
    CuiBreakpointProxySetBreakpointTypePos(handle, 2);
    CuiBreakpointProxyAllowLocation(handle, 1);
    CuiBreakpointProxyAllowRange(handle, 7); // any non-zero word allows
    CuiBreakpointProxyAllowQualifiers(handle, 1);
    CuiBreakpointProxyAllowActions(handle, 1);
    CuiBreakpointProxyAllowActions(handle, 0);
    const BreakpointProxySettings &settings = proxy().settings();
    EXPECT_EQ(settings.handler, testhost::breakpointProxyHandler());
    EXPECT_EQ(settings.vdata, 5);
    EXPECT_EQ(settings.vpid, 9u);
    EXPECT_EQ(settings.classPos, 3u);
    EXPECT_EQ(settings.breakpointTypePos, 2u);
    EXPECT_TRUE(settings.allowLocation);
    EXPECT_TRUE(settings.allowRange);
    EXPECT_FALSE(settings.allowClasses);
    EXPECT_FALSE(settings.allowData);
    EXPECT_TRUE(settings.allowQualifiers);
    EXPECT_FALSE(settings.allowActions);

    // The type's own setter moves the position kept in the record.
    CuiBreakpointProxyAddBreakpointType(handle, 4);
    CuiBreakpointProxySetBreakpointType(handle, 4);
    EXPECT_EQ(proxy().settings().breakpointTypePos, 0u);
    EXPECT_EQ(proxy().settings().classPos, 3u);
}

TEST_F(BreakpointProxyTest, HostAnswersAreReadWithinTheirBuffers)
{
    BreakpointHost &host = BreakpointHost::instance();
    host.contextText = std::string(CUI_BREAKPOINT_PROXY_TEXT_SIZE, 'x'); // no terminator
    EXPECT_EQ(proxy().contextText(3).size(), CUI_BREAKPOINT_PROXY_TEXT_SIZE - 1);
    EXPECT_EQ(host.callsOf("proxy").back().argument, 3);

    host.breakpointNumber = 12;
    EXPECT_EQ(proxy().breakpointNumber(), 12u);
    EXPECT_EQ(host.callsOf("proxy").back().argument, 77);
    host.numberResult = 1;
    EXPECT_EQ(proxy().breakpointNumber(), 0u);
}

TEST_F(BreakpointProxyTest, ClearingThePassCountOfAFreshProxyTurnsItOff)
{
    CuiBreakpointProxyClearHardwareSupportPassCount(handle);
    EXPECT_FALSE(proxy().hasHardwarePassCount());
    EXPECT_EQ(proxy().hardwarePassCount(), QStringLiteral("Off"));
}

TEST_F(BreakpointProxyTest, TriggersAreCopiedAndLookedUpByTheirFirstName)
{
    const TeskHandle trigger = CuiHardwareTriggerCreate("T0", "first", 0);
    CuiHardwareTriggerAppendValue(trigger, "low", "0");
    CuiHardwareTriggerAppendValue(trigger, "high", "1");
    CuiBreakpointProxyAppendHardwareTrigger(handle, trigger);
    EXPECT_EQ(CuiHardwareTriggerSetSelection(trigger, 1), 1);
    CuiHardwareTriggerAppendValue(trigger, "edge", "2");
    const TeskHandle twin = CuiHardwareTriggerCreate("T0", "second", 1);
    CuiBreakpointProxyAppendHardwareTrigger(handle, twin);

    HardwareTrigger &copy = proxy().trigger(QStringLiteral("T0"));
    EXPECT_EQ(copy.text(), QStringLiteral("first"));
    EXPECT_EQ(copy.valueCount(), 2);
    EXPECT_EQ(copy.selection(), -1);
    EXPECT_EQ(copy.labels(), (QStringList{QStringLiteral("low"), QStringLiteral("high")}));
    EXPECT_EQ(thrownText([&] { proxy().trigger(QStringLiteral("T9")); }), "Trigger name not found");

    for (int32_t selection : {-1, 2, -7}) {
        copy.setSelection(selection);
        EXPECT_EQ(copy.selectedValue(), HardwareTrigger::Value()) << selection;
    }
    copy.setSelection(1);
    EXPECT_EQ(copy.selectedValue().second, QStringLiteral("1"));
}

TEST_F(BreakpointProxyTest, AHostsTriggerOutlivesEveryProxyItWasAppendedTo)
{
    const TeskHandle shared = CuiHardwareTriggerCreate("S", "shared", 0);
    CuiHardwareTriggerAppendValue(shared, "on", "1");
    const TeskHandle other = CuiBreakpointProxyCreate(78);
    CuiBreakpointProxyAppendHardwareTrigger(other, shared);
    CuiBreakpointProxyDestroy(other);

    // The first proxy goes with a dialog, as a host's first breakpoint dialog would take it.
    testhost::startLibrary();
    CuiBreakpointProxyAppendHardwareTrigger(handle, shared);
    const TeskHandle dialog = CuiBreakpointDlgCreate(0);
    CuiBreakpointDlgSetBreakpoint(dialog, handle);
    CuiBreakpointDlgDestroy(dialog);
    const TeskHandle first = handle;
    handle = 0;
    testhost::pumpUntil([&] { return !tesk::breakpoints::liveProxy(first); }, 2000);
    ASSERT_EQ(tesk::breakpoints::liveProxy(first), nullptr);

    EXPECT_EQ(CuiHardwareTriggerSetSelection(shared, 0), 0) << "still the host's";
    ASSERT_NE(tesk::breakpoints::liveTrigger(shared), nullptr);
    handle = CuiBreakpointProxyCreate(79);
    CuiBreakpointProxyAppendHardwareTrigger(handle, shared);
    ASSERT_EQ(proxy().triggerCount(), 1) << "the next breakpoint carries it too";
    EXPECT_EQ(proxy().trigger(0).labels(), QStringList{QStringLiteral("on")});
    EXPECT_EQ(proxy().trigger(0).selection(), 0);
}

TEST_F(BreakpointProxyTest, ACopySharesNothingWithItsOriginal)
{
    const TeskHandle trigger = CuiHardwareTriggerCreate("T0", "t", 0);
    CuiHardwareTriggerAppendValue(trigger, "a", "1");
    CuiBreakpointProxyAppendHardwareTrigger(handle, trigger);
    CuiBreakpointProxySetLocation(handle, "main");
    CuiBreakpointProxyAddQualifier(handle, "When={x}");
    const BreakpointProxy copy(proxy());

    proxy().trigger(0).setSelection(0);
    CuiBreakpointProxySetLocation(handle, "other");
    CuiBreakpointProxyClearQualifiers(handle);
    EXPECT_EQ(copy.trigger(0).selection(), -1);
    EXPECT_EQ(copy.location(), QStringLiteral("main"));
    EXPECT_EQ(copy.qualifiers().size(), 1);
    EXPECT_EQ(copy.settings().handler, testhost::breakpointProxyHandler());
    EXPECT_EQ(copy.creationWord(), 77u);

    EXPECT_TRUE(proxy().locationDiffers(copy));
    EXPECT_FALSE(proxy().valueDiffers(copy));
    EXPECT_FALSE(proxy().typeDiffers(copy));
    EXPECT_TRUE(proxy().differs(copy));
    // The copy is no handle of the host's.
    EXPECT_EQ(tesk::breakpoints::liveProxy(reinterpret_cast<TeskHandle>(&copy)), nullptr);
}

class UpperCaseTranslator : public QTranslator
{
public:
    QString translate(const char *context, const char *source, const char *, int) const override
    {
        return QLatin1String(context) == QLatin1String("QObject")
                   ? QString::fromUtf8(source).toUpper()
                   : QString();
    }
    bool isEmpty() const override { return false; }
};

TEST_F(BreakpointProxyTest, ConditionAndActionRowsAreTranslated)
{
    UpperCaseTranslator translator;
    QCoreApplication::installTranslator(&translator);
    CuiBreakpointProxyAddQualifier(handle, "When={x}");
    CuiBreakpointProxyAddAction(handle, "Message=hi");
    QCoreApplication::removeTranslator(&translator);
    EXPECT_EQ(proxy().qualifiers(), QStringList{QStringLiteral("WHEN={X}")});
    EXPECT_EQ(proxy().actions(), QStringList{QStringLiteral("MESSAGE=HI")});
}

class HardwareCapabilitiesTest : public BreakpointProxyTest
{
};

TEST_F(HardwareCapabilitiesTest, EachOfTheSeventeenWordsReachesItsOwnFlag)
{
    BreakpointHost &host = BreakpointHost::instance();
    for (int word = 0; word < 17; ++word) {
        testhost::TypeCapabilities answer;
        answer.supported = 0x100;
        answer.flags[size_t(word)] = 0x80000000u;
        host.capabilities[2] = answer;
        const HardwareCapabilities caps(9, 2);
        EXPECT_TRUE(caps.hardwareSupported());
        for (int other = 0; other < 17; ++other)
            EXPECT_EQ(caps.flag(other), other == word) << word << " " << other;
    }
    const HardwareCapabilities caps(9, 2);
    const bool named[7] = {caps.addressMaskAllowed(), caps.addressRangeAllowed(),
                           caps.notAddressAllowed(),  caps.dataMatchAllowed(),
                           caps.dataMaskAllowed(),    caps.dataRangeAllowed(),
                           caps.notDataAllowed()};
    for (bool flag : named)
        EXPECT_FALSE(flag);
    EXPECT_TRUE(caps.further(9));

    const auto calls = host.callsOf("capabilities");
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].argument, 9);
    EXPECT_EQ(calls[0].text, "2");
    EXPECT_EQ(calls[1].argument, 0x100); // the word code 0 wrote
}

TEST_F(HardwareCapabilitiesTest, ATypeTheHostDoesNotAnswerHasNothingAndNoQueryIsAnError)
{
    BreakpointHost::instance().capabilities[1] =
        testhost::capabilitiesOf(true, true, true, true, true, true, true, true);
    const HardwareCapabilities unanswered(0, 6);
    EXPECT_FALSE(unanswered.hardwareSupported());
    for (int word = 0; word < 17; ++word)
        EXPECT_FALSE(unanswered.flag(word));

    testhost::withdrawBreakpointHost();
    EXPECT_EQ(thrownText([] { HardwareCapabilities(0, 1); }),
              "Function 'hardwareCapabilites' not found in function registry");
}

} // namespace
