// The command text the breakpoint dialog's OK builds and sends, through the host as it is
// reached in the dialog: its handler and the registry's "gui", "eeaccess" and
// "hardware_capabilities".
#include "breakpointhost.h"
#include "modalanswers.h"

#include "symbols/breakpoints/breakpointcommand.h"
#include "symbols/breakpoints/breakpointhandles.h"
#include "symbols/breakpoints/breakpointhostface.h"
#include "symbols/breakpoints/breakpointproxy.h"

#include <gtest/gtest.h>

#include <memory>

using namespace tesk::breakpoints;
using testhost::BreakpointHost;
using testhost::capabilitiesOf;

namespace {

constexpr intptr_t kVdata = 0x51;
constexpr intptr_t kWindBox = 0x77;
constexpr TeskHandle kDialog = 0xD1;

class BreakpointCommandTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        input = CommandInput();
        unchanged.reset();
        handler = testhost::breakpointDialogHandler();
        BreakpointHost &host = BreakpointHost::instance();
        host.reset();
        host.fill = nullptr;
        host.capabilities[0] =
            capabilitiesOf(false, false, false, false, false, false, false, false);
        host.capabilities[2] = capabilitiesOf(true, true, true, true, true, true, true, true);
        host.capabilities[3] = host.capabilities[2];
        host.breakpointNumber = 12;
        testhost::publishBreakpointHost();

        const TeskHandle handle = CuiBreakpointProxyCreate(40);
        CuiBreakpointProxySetHandler(handle, testhost::breakpointProxyHandler());
        CuiBreakpointProxySetVdata(handle, kVdata);
        proxy.reset(adoptProxy(handle));
        input.vdata = kVdata;
        input.location = QStringLiteral("main");
    }
    void TearDown() override { testhost::withdrawBreakpointHost(); }

    CommandResult build()
    {
        RegistryHostFace face(handler, kDialog, kVdata, kWindBox, nullptr);
        return buildCommand(input, *proxy, unchanged.get(), face);
    }
    CommandResult accept()
    {
        RegistryHostFace face(handler, kDialog, kVdata, kWindBox, nullptr);
        return acceptCommand(input, *proxy, unchanged.get(), face);
    }
    void takeUnchangedCopy()
    {
        proxy->setLocation(input.location);
        proxy->setValue(input.value);
        unchanged = std::make_unique<BreakpointProxy>(*proxy);
    }
    // The host's calls of one entry, as "code:argument:text:extra".
    std::vector<std::string> sent(const std::string &entry) const
    {
        std::vector<std::string> result;
        for (const auto &call : BreakpointHost::instance().callsOf(entry))
            result.push_back(std::to_string(call.code) + ':' + std::to_string(call.argument) + ':' +
                             call.text + ':' + call.extra);
        return result;
    }

    CuiBreakpointDlgHandler handler = testhost::breakpointDialogHandler();
    std::unique_ptr<BreakpointProxy> proxy;
    std::unique_ptr<BreakpointProxy> unchanged;
    CommandInput input;
};

struct Built
{
    const char *name;
    std::function<void(CommandInput &, BreakpointProxy &)> set;
    const char *command;
};

TEST_F(BreakpointCommandTest, CommandTexts)
{
    const auto location = [](const char *text) {
        return
            [text](CommandInput &in, BreakpointProxy &) { in.location = QString::fromUtf8(text); };
    };
    const auto hardwareOn = [](uint32_t type) {
        BreakpointHost::instance().capabilities[type] = BreakpointHost::instance().capabilities[2];
    };
    const Built cases[] = {
        {"standard class", [](CommandInput &in, BreakpointProxy &) { in.classValue = 0; },
         "binstr main"},
        {"system class", [](CommandInput &in, BreakpointProxy &) { in.classValue = 2; },
         "binstr,rtos:system main"},
        {"process class",
         [](CommandInput &in, BreakpointProxy &) {
             in.classValue = 4;
             in.textBox = 3;
             BreakpointHost::instance().contextText = "7";
         },
         "binstr,rtos:process main = 7"},
        {"forced size",
         [](CommandInput &in, BreakpointProxy &) {
             in.forcedSizeEnabled = in.forcedSizeChecked = true;
             in.forcedSize = QStringLiteral("8");
         },
         "binstr,size:8 main"},
        {"size not forced when disabled",
         [](CommandInput &in, BreakpointProxy &) {
             in.forcedSizeChecked = true;
             in.forcedSize = QStringLiteral("8");
         },
         "binstr main"},
        {"data-only read needs no location",
         [](CommandInput &in, BreakpointProxy &) { in.type = 5; }, "bread,data_only"},
        // Data-only types never carry a location piece, whatever the field holds, even where
        // the target supports hardware breakpoints.
        {"data-only read with a location",
         [hardwareOn](CommandInput &in, BreakpointProxy &) {
             in.type = 5;
             hardwareOn(5);
         },
         "bread,data_only"},
        {"data-only write with a location",
         [hardwareOn](CommandInput &in, BreakpointProxy &) {
             in.type = 6;
             hardwareOn(6);
             in.location = QStringLiteral("buf..+4");
         },
         "bwrite,data_only"},
        {"data-only access with a location and a value",
         [hardwareOn](CommandInput &in, BreakpointProxy &) {
             in.type = 7;
             hardwareOn(7);
             in.location = QStringLiteral("$NOT$ buf");
             in.value = QStringLiteral("3");
         },
         "baccess,data_only,hw_dvalue:3"},
        {"hardware read example",
         [](CommandInput &in, BreakpointProxy &) {
             in.type = 2;
             in.location = QStringLiteral("buf..+0x10");
             in.conditions = QStringList{QStringLiteral("When={x > 3}")};
             in.continueAfter = true;
         },
         "bread,when:{x > 3},continue buf..+0x10"},
        {"NOT address range",
         [](CommandInput &in, BreakpointProxy &) {
             in.type = 2;
             in.location = QStringLiteral("$NOT$ 0x100..0x1FF");
         },
         "bread,hw_not:addr 0x100..0x1FF"},
        {"location mask",
         [](CommandInput &in, BreakpointProxy &) {
             in.type = 3;
             in.location = QStringLiteral("0x10 $MASK$=0xFF00");
         },
         "bwrite,hw_amask:(0xFF00) 0x10"},
        {"value with mask and NOT",
         [](CommandInput &in, BreakpointProxy &) {
             in.type = 3;
             in.value = QStringLiteral("$NOT$ 5 $MASK$=0xFF00");
         },
         "bwrite,hw_dvalue:5,hw_dmask:0xFF00,hw_not:data main"},
        {"value range",
         [](CommandInput &in, BreakpointProxy &) {
             in.type = 3;
             in.value = QStringLiteral("1..9");
         },
         "bwrite,hw_dvalue:1,hw_dhigh:9 main"},
        {"value range by length ends at its last value",
         [](CommandInput &in, BreakpointProxy &) {
             in.type = 3;
             in.value = QStringLiteral("0x10..+4");
         },
         "bwrite,hw_dvalue:0x10,hw_dhigh:(0x10)+(4)-1 main"},
        {"value of a hardware instruction is ignored",
         [](CommandInput &in, BreakpointProxy &) {
             in.type = 1;
             in.value = QStringLiteral("5");
             BreakpointHost::instance().capabilities[1] =
                 BreakpointHost::instance().capabilities[2];
         },
         "bexec main"},
        {"pass count and triggers",
         [](CommandInput &in, BreakpointProxy &p) {
             in.type = 2;
             p.setHardwarePassCount(QStringLiteral("5"));
             HardwareTrigger out(QStringLiteral("T%1"), QString(), 1);
             out.appendValue(QStringLiteral("off"), QStringLiteral("0"));
             out.appendValue(QStringLiteral("on"), QStringLiteral("%2"));
             out.setSelection(1);
             HardwareTrigger in0(QStringLiteral("I0"), QString(), 0);
             in0.appendValue(QStringLiteral("low"), QStringLiteral("L"));
             in0.appendValue(QStringLiteral("high"), QStringLiteral("H"));
             in0.setSelection(1);
             HardwareTrigger atZero = in0, unset = in0, beyond = in0;
             atZero.setSelection(0);
             unset.setSelection(-1);
             beyond.setSelection(2);
             for (const HardwareTrigger &t : {out, in0, atZero, unset, beyond})
                 p.appendHardwareTrigger(t);
         },
         "bread,hw_pass:5,hw_out:\"T%1=%2\",hw_in:\"I0=H\" main"},
        {"pass count Off adds nothing",
         [](CommandInput &in, BreakpointProxy &p) {
             in.type = 2;
             p.clearHardwarePassCount();
         },
         "bread main"},
        {"pass count given as Off adds nothing",
         [](CommandInput &in, BreakpointProxy &p) {
             in.type = 3;
             p.setHardwarePassCount(QStringLiteral("Off"));
         },
         "bwrite main"},
        {"unknown condition row dropped",
         [](CommandInput &in, BreakpointProxy &) {
             in.conditions = QStringList{QStringLiteral("Foo=1"), QStringLiteral("PassCount=3"),
                                         QStringLiteral("UserMacro={m()}")};
             in.actions =
                 QStringList{QStringLiteral("Message=\"hi\""), QStringLiteral("WinUpdate=w")};
         },
         "binstr,pass:3,macro:{m()},message:\"hi\",update:w main"},
        {"texts holding %1", location("%1"), "binstr %1"},
    };
    for (const Built &c : cases) {
        SetUp();
        c.set(input, *proxy);
        const CommandResult result = build();
        EXPECT_EQ(result.code, CommandResult::Success)
            << c.name << ": " << result.error.toStdString();
        EXPECT_EQ(result.command.toStdString(), c.command) << c.name;
    }
}

struct Refused
{
    const char *name;
    std::function<void(CommandInput &)> set;
    const char *error;
    CommandField focus;
};

TEST_F(BreakpointCommandTest, FailuresAndTheirFocus)
{
    const auto hardware = [](uint32_t type, const char *location, const char *value) {
        return [=](CommandInput &in) {
            in.type = type;
            in.location = QString::fromUtf8(location);
            in.value = QString::fromUtf8(value);
        };
    };
    const auto restrict = [](uint32_t type, testhost::TypeCapabilities caps) {
        BreakpointHost::instance().capabilities[type] = caps;
    };
    const Refused cases[] = {
        {"forced size empty",
         [](CommandInput &in) { in.forcedSizeEnabled = in.forcedSizeChecked = true; },
         "You have checked the box to force the breakpoint size however you have not entered a "
         "size for the breakpoint.<p>Please enter a size for the breakpoint, or uncheck the box",
         CommandField::ForcedSize},
        {"no location", hardware(0, "  ", ""), "You must supply a Location: for the breakpoint.",
         CommandField::Location},
        {"parse error", hardware(0, "$FOO", ""), "The value $FOO is not a recognized option.",
         CommandField::Location},
        {"start refused", hardware(0, "bad<1>", ""),
         "The Location expression bad&lt;1&gt; cannot be evaluated.", CommandField::Location},
        {"mask refused", hardware(2, "a $MASK$=bad<1>", ""),
         "The Mask expression bad&lt;1&gt; cannot be evaluated.", CommandField::Location},
        {"end refused", hardware(2, "a..+bad<1>", ""),
         "The Location End expression +bad&lt;1&gt; cannot be evaluated.", CommandField::Location},
        {"software mask not allowed", hardware(0, "a $MASK$=1", ""),
         "Address Masks are not allowed for this type of breakpoint<p>Please remove the $MASK$ "
         "expression from the location field.",
         CommandField::Location},
        {"software range not allowed", hardware(0, "a..b", ""),
         "Address ranges are not allowed for this type of breakpoint<p>Please remove the address "
         "range from the location field.",
         CommandField::Location},
        {"software NOT not allowed", hardware(0, "$NOT$ a", ""),
         "$NOT$ address is not allowed for this type of breakpoint<p>Please remove the $NOT$ from "
         "the location field.",
         CommandField::Location},
        {"data match not allowed",
         [&](CommandInput &in) {
             hardware(4, "a", "5")(in);
             restrict(4, capabilitiesOf(true, false, false, false, false, false, false, false));
         },
         "Data matching is not allowed for this breakpoint type.", CommandField::Value},
        {"data mask not allowed",
         [&](CommandInput &in) {
             hardware(4, "a", "5 $MASK$=1")(in);
             restrict(4, capabilitiesOf(true, false, false, false, true, false, false, false));
         },
         "Data value masks are not allowed for this breakpoint type.<p>Please remove the $MASK$ "
         "expression from the data value field.",
         CommandField::Value},
        {"data range not allowed",
         [&](CommandInput &in) {
             hardware(4, "a", "5..6")(in);
             restrict(4, capabilitiesOf(true, false, false, false, true, true, false, false));
         },
         "Data value ranges are not allowed for this breakpoint type.<p>Please remove the range "
         "expression from the data value field.",
         CommandField::Value},
        {"NOT data not allowed",
         [&](CommandInput &in) {
             hardware(4, "a", "$NOT$ 5")(in);
             restrict(4, capabilitiesOf(true, false, false, false, true, true, true, false));
         },
         "$NOT$ data is not allowed for this type of breakpoint<p>Please remove the $NOT$ from "
         "the value field.",
         CommandField::Value},
        {"value parse error", hardware(2, "a", "$NOT$ $NOT$"),
         "The $NOT$ text must only be entered once into the location field.<p>Please enter the "
         "$NOT$ text only once.",
         CommandField::Value},
        {"value refused", hardware(2, "a", "bad<1>"),
         "The Data value expression bad&lt;1&gt; cannot be evaluated.", CommandField::Value},
        {"value mask refused", hardware(2, "a", "1 $MASK$=bad<1>"),
         "The Data Value Mask expression bad&lt;1&gt; cannot be evaluated.", CommandField::Value},
        {"value end refused", hardware(2, "a", "1..bad<1>"),
         "The Data End Address expression bad&lt;1&gt; cannot be evaluated.", CommandField::Value},
        {"value length refused", hardware(2, "a", "1..+bad<1>"),
         "The Data End Address expression +bad&lt;1&gt; cannot be evaluated.", CommandField::Value},
        {"expression condition refused",
         [](CommandInput &in) { in.conditions = QStringList{QStringLiteral("C++Object=bad<1>")}; },
         "The expression 'bad&lt;1&gt;' cannot be evaluated.", CommandField::Conditions},
        {"condition refused",
         [](CommandInput &in) { in.conditions = QStringList{QStringLiteral("When={refused}")}; },
         "The expression 'refused' cannot be evaluated.", CommandField::Conditions},
        {"macro refused",
         [](CommandInput &in) {
             in.conditions = QStringList{QStringLiteral("UserMacro={refused}")};
         },
         "The macro expression 'refused' cannot be evaluated.", CommandField::Conditions},
        {"type outside the list", [](CommandInput &in) { in.type = 8; },
         "The breakpoint type 8 is not known.", CommandField::None},
    };
    for (const Refused &c : cases) {
        SetUp();
        BreakpointHost::instance().refusedExpressions = {"bad<1>", "(1)+(bad<1>)-1"};
        BreakpointHost::instance().refusedConditions = {"{refused}"};
        c.set(input);
        const CommandResult result = build();
        EXPECT_EQ(result.code, CommandResult::Failure) << c.name;
        EXPECT_EQ(result.error.toStdString(), c.error) << c.name;
        EXPECT_EQ(result.focus, c.focus) << c.name;
        EXPECT_TRUE(sent("eeaccess").empty()) << c.name;
    }
}

TEST_F(BreakpointCommandTest, AKeywordListFailureAppendsNothingOfThatList)
{
    BreakpointHost::instance().refusedConditions = {"{no}"};
    QString command = QStringLiteral("binstr");
    QString error;
    RegistryHostFace face(handler, kDialog, kVdata, kWindBox, nullptr);
    EXPECT_FALSE(appendKeywordItems(command, error,
                                    {QStringLiteral("PassCount=2"), QStringLiteral("When={no}")},
                                    qualifierKeywords(), face));
    EXPECT_EQ(command, QStringLiteral("binstr"));
    const auto checks = sent("dialog");
    ASSERT_EQ(checks.size(), 2u);
    EXPECT_EQ(checks[0], "2:81:2:");
    EXPECT_EQ(checks[1], "3:81:{no}:When");
}

TEST_F(BreakpointCommandTest, MissingHostPartsFailWithTheirMessage)
{
    CuiFunctionRegistryRemoveFunction("hardware_capabilities");
    EXPECT_EQ(build().command, QStringLiteral("binstr main")); // nothing reads the record

    input.location = QStringLiteral("main $MASK$=1");
    CommandResult result = build();
    EXPECT_EQ(result.error,
              QStringLiteral("Function 'hardwareCapabilites' not found in function registry"));
    EXPECT_EQ(result.focus, CommandField::Location);

    input.location = QStringLiteral("main");
    CuiFunctionRegistryRemoveFunction("eeaccess");
    result = accept();
    EXPECT_EQ(result.code, CommandResult::Failure);
    EXPECT_EQ(result.error,
              QStringLiteral("The entry point for the 'eeaccess' interface could not be found."));

    testhost::publishBreakpointHost();
    CuiFunctionRegistryRemoveFunction("gui");
    result = accept();
    EXPECT_EQ(result.error,
              QStringLiteral("The entry point for the 'gui' interface could not be found."));
    EXPECT_TRUE(sent("eeaccess").empty());

    testhost::publishBreakpointHost();
    handler = nullptr;
    result = accept();
    EXPECT_EQ(result.code, CommandResult::Failure);
    EXPECT_EQ(result.error, QStringLiteral("The breakpoint dialog has no function handler."));
}

TEST_F(BreakpointCommandTest, AcceptStoresTheFieldsBuildsAndSendsInOrder)
{
    input.location = QStringLiteral("  (I A)  main ");
    input.value = QStringLiteral(" 5 ");
    input.type = 3;
    input.value = QStringLiteral("7");
    const CommandResult result = accept();
    ASSERT_EQ(result.code, CommandResult::Success) << result.error.toStdString();
    EXPECT_EQ(proxy->location(), QStringLiteral("main"));
    EXPECT_EQ(proxy->value(), QStringLiteral("7"));
    EXPECT_EQ(result.locationText, QStringLiteral("(I A) main"));

    // The field keeps its (I A): the last plain word is the start.
    const std::string command = "bwrite,hw_dvalue:7 main";
    EXPECT_EQ(result.command.toStdString(), command);
    std::vector<std::string> entries;
    for (const auto &call : BreakpointHost::instance().calls)
        entries.push_back(call.entry + ' ' + std::to_string(call.code));
    EXPECT_EQ(entries,
              (std::vector<std::string>{"dialog 0", "capabilities 0", "capabilities 1", "dialog 2",
                                        "dialog 2", "gui 2", "gui 2", "eeaccess 0", "gui 0"}));
    EXPECT_EQ(sent("gui"),
              (std::vector<std::string>{"2:0:ctx:main", "2:1:ctx:7", "0:81:" + command + ":119"}));
    EXPECT_EQ(sent("eeaccess"), (std::vector<std::string>{"0:81:gui " + command + ":0"}));
    EXPECT_EQ(BreakpointHost::instance().callsOf("gui").back().object, kDialog);
}

TEST_F(BreakpointCommandTest, TheEngineDecidesWhetherTheCommandGoesToGui)
{
    input.vdata = 0; // no context: the handler is not asked for it
    BreakpointHost::instance().eeaccessResult = 1;
    EXPECT_EQ(accept().code, CommandResult::Failure);
    EXPECT_EQ(sent("gui"), (std::vector<std::string>{"2:0:UKN:main"}));
    EXPECT_TRUE(BreakpointHost::instance().callsOf("dialog").size() == 1u); // the check only

    BreakpointHost::instance().calls.clear();
    BreakpointHost::instance().eeaccessResult = 2;
    EXPECT_EQ(accept().code, CommandResult::Success);
    EXPECT_EQ(sent("gui").back(), "0:81:binstr main:119");
}

TEST_F(BreakpointCommandTest, EditingWithoutChangesModifiesTheBreakpoint)
{
    input.mode = 1;
    takeUnchangedCopy();
    input.conditions = QStringList{QStringLiteral("When={x}")};
    CommandResult result = accept();
    EXPECT_EQ(result.command, QStringLiteral("binstr,when:{x},modify:12 main"));
    EXPECT_EQ(sent("eeaccess").size(), 1u);

    // No number from the host: nothing goes out, never ",modify:0".
    SetUp();
    input.mode = 1;
    takeUnchangedCopy();
    BreakpointHost::instance().numberResult = 1;
    result = accept();
    EXPECT_EQ(result.code, CommandResult::Failure);
    EXPECT_TRUE(result.error.startsWith(QStringLiteral("The number of the breakpoint")));
    EXPECT_TRUE(sent("eeaccess").empty());
}

TEST_F(BreakpointCommandTest, EditingTheLocationAsksWhetherToReplace)
{
    const struct
    {
        QMessageBox::StandardButton answer;
        CommandResult::Code code;
        std::vector<std::string> eeaccess;
    } cases[] = {
        {QMessageBox::Yes, CommandResult::Success, {"0:81:clear,h 12:0", "0:81:gui bread other:0"}},
        {QMessageBox::No, CommandResult::Success, {"0:81:gui bread other:0"}},
        {QMessageBox::Cancel, CommandResult::Cancelled, {}},
    };
    for (const auto &c : cases) {
        SetUp();
        input.mode = 1;
        takeUnchangedCopy();
        input.location = QStringLiteral("other");
        input.type = 2;
        proxy->setBreakpointType(2);
        testhost::ModalAnswers answers;
        answers.answerMessageBoxes(c.answer);
        const CommandResult result = accept();
        EXPECT_EQ(result.code, c.code) << result.error.toStdString();
        EXPECT_EQ(sent("eeaccess"), c.eeaccess);
        ASSERT_EQ(answers.seen().size(), 1u);
        EXPECT_EQ(answers.seen()[0].caption, QStringLiteral("Breakpoint Changes"));
        EXPECT_EQ(answers.seen()[0].text,
                  QStringLiteral("The following breakpoint items have been changed<p>Location<br>"
                                 "Breakpoint Type<br><p>Do you want to replace the current "
                                 "breakpoint?<p>If you select No the current breakpoint will be "
                                 "left unchanged and a new breakpoint will be created."));
        if (c.answer == QMessageBox::Yes) {
            EXPECT_EQ(sent("gui"), (std::vector<std::string>{"2:0:ctx:other", "0:81:clear,h 12:119",
                                                             "0:81:bread other:119"}));
        }
    }
}

TEST_F(BreakpointCommandTest, ChangingOnlyTheTypeAsksWhetherToReplace)
{
    input.mode = 1;
    takeUnchangedCopy();
    input.type = 2;
    proxy->setBreakpointType(2);
    testhost::ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Cancel);
    EXPECT_EQ(accept().code, CommandResult::Cancelled);
    ASSERT_EQ(answers.seen().size(), 1u);
    EXPECT_TRUE(answers.seen()[0].text.contains(QStringLiteral("changed<p>Breakpoint Type<br><p>")))
        << answers.seen()[0].text.toStdString();
    EXPECT_TRUE(sent("eeaccess").empty());
}

TEST_F(BreakpointCommandTest, AFailedClearSendsNoNewBreakpoint)
{
    input.mode = 1;
    takeUnchangedCopy();
    input.location = QStringLiteral("other");
    testhost::ModalAnswers answers;
    answers.answerMessageBoxes(QMessageBox::Yes);
    BreakpointHost::instance().eeaccessResult = 3;
    EXPECT_EQ(accept().code, CommandResult::Failure);
    EXPECT_EQ(sent("eeaccess"), (std::vector<std::string>{"0:81:clear,h 12:0"}));

    // The clear goes through but the new command is refused: the user is told, and the next
    // OK sends only the new command, with neither question nor clear.
    SetUp();
    input.mode = 1;
    takeUnchangedCopy();
    input.location = QStringLiteral("other");
    BreakpointHost &host = BreakpointHost::instance();
    host.onCall = [&host](const testhost::BreakpointHostCall &call) {
        if (call.entry == "eeaccess")
            host.eeaccessResult = call.text.rfind("gui ", 0) == 0 ? 1 : 0;
    };
    testhost::ModalAnswers yes;
    yes.answerMessageBoxes(QMessageBox::Yes);
    CommandResult result = accept();
    EXPECT_EQ(result.code, CommandResult::Failure);
    EXPECT_TRUE(result.cleared);
    EXPECT_TRUE(result.error.contains(QStringLiteral("has been cleared")))
        << result.error.toStdString();
    EXPECT_EQ(sent("eeaccess"),
              (std::vector<std::string>{"0:81:clear,h 12:0", "0:81:gui binstr other:0"}));
    host.calls.clear();
    input.oldCleared = true;
    result = accept();
    EXPECT_EQ(result.code, CommandResult::Failure);
    EXPECT_FALSE(result.cleared);
    EXPECT_EQ(sent("eeaccess"), (std::vector<std::string>{"0:81:gui binstr other:0"}));
    EXPECT_EQ(yes.seen().size(), 1u) << "no second question";
    host.onCall = nullptr;

    // Replacing needs the old number: without one nothing is cleared or sent.
    SetUp();
    input.mode = 1;
    takeUnchangedCopy();
    input.location = QStringLiteral("other");
    BreakpointHost::instance().numberResult = 1;
    EXPECT_EQ(accept().code, CommandResult::Failure);
    EXPECT_TRUE(sent("eeaccess").empty());
}

} // namespace
