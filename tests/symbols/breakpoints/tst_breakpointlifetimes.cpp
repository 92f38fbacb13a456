// The breakpoint dialog destroyed by the host from inside the dialog's own calls to it, and the
// handles of proxies and triggers once their objects are gone.
#include "breakpointdlgfixture.h"
#include "testhost.h"

#include "symbols/breakpoints/breakpointhandles.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>

#include <string>

using namespace bpdlgtest;

namespace {

class DestroyedInsideTest : public BreakpointDlgTest
{
protected:
    void TearDown() override
    {
        BreakpointHost::instance().onCall = nullptr;
        BreakpointDlgTest::TearDown();
        testhost::settle();
    }

    // The host destroys the dialog from inside its first call of that entry and code.
    void destroyOn(const std::string &entry, int code)
    {
        BreakpointHost::instance().onCall = [this, entry, code](const auto &call) {
            if (call.entry == entry && call.code == code)
                CuiBreakpointDlgDestroy(handle);
        };
    }

    // The calls made after the destroying one.
    size_t callsAfter(const std::string &entry, int code) const
    {
        const auto &calls = BreakpointHost::instance().calls;
        for (size_t i = 0; i < calls.size(); ++i) {
            if (calls[i].entry == entry && calls[i].code == code)
                return calls.size() - i - 1;
        }
        return calls.size();
    }

    // A dialog of the breakpoint type whose OK gets as far as sending "main".
    BreakpointDlg &sendable(uint32_t type)
    {
        fill = [type](TeskHandle p) {
            CuiBreakpointProxyAddBreakpointType(p, type);
            CuiBreakpointProxySetBreakpointType(p, type);
            CuiBreakpointProxyAllowLocation(p, 1);
        };
        BreakpointHost::instance().capabilities[type] =
            testhost::capabilitiesOf(type != 0, false, false, false, false, false, false, false);
        BreakpointDlg &dlg = shown();
        dlg.show();
        dlg.locationCOB->setEditText(QStringLiteral("main"));
        return dlg;
    }
};

} // namespace

TEST_F(DestroyedInsideTest, WhileTheProxyIsFilledOrItsTypeChanges)
{
    for (int code : {CUI_BREAKPOINT_PROXY_UPDATE, CUI_BREAKPOINT_PROXY_TYPE_CHANGED}) {
        BreakpointHost::instance().calls.clear();
        CuiBreakpointDlgSetInitialBreakpointType(handle, 0);
        CuiBreakpointDlgSetBreakpoint(handle, proxy);
        QPointer<BreakpointDlg> watch(dialog());
        destroyOn("proxy", code);
        watch->ensurePolished();
        // Dead for the host at once; the dialog asked nothing more of it.
        EXPECT_FALSE(dialog()) << code;
        EXPECT_EQ(callsAfter("proxy", code), 0u) << code;
        EXPECT_TRUE(watch) << "deleted only once its call has returned";
        testhost::settle();
        EXPECT_FALSE(watch) << code;
        EXPECT_FALSE(tesk::breakpoints::liveProxy(proxy)) << "the proxy went with the dialog";
        handle = CuiBreakpointDlgCreate(0);
        proxy = CuiBreakpointProxyCreate(3);
        CuiBreakpointProxySetHandler(proxy, testhost::breakpointProxyHandler());
        CuiBreakpointDlgSetFuncHandler(handle, testhost::breakpointDialogHandler());
        CuiBreakpointDlgSetVdata(handle, kVdata);
    }
}

TEST_F(DestroyedInsideTest, WhileItsHistoriesAreRead)
{
    destroyOn("gui", 3);
    CuiBreakpointDlgSetBreakpoint(handle, proxy);
    QPointer<BreakpointDlg> watch(dialog());
    watch->ensurePolished();
    EXPECT_FALSE(dialog());
    EXPECT_EQ(callsAfter("gui", 3), 0u) << "the value history is not asked for";
    testhost::settle();
    EXPECT_FALSE(watch);
}

TEST_F(DestroyedInsideTest, WhileOkSendsTheCommand)
{
    const struct
    {
        const char *entry;
        int code;
        uint32_t type;
    } cases[] = {{"dialog", 0, 0}, {"eeaccess", 0, 0}, {"gui", 0, 0}, {"capabilities", 0, 2}};
    for (const auto &c : cases) {
        BreakpointDlg &dlg = sendable(c.type);
        QPointer<BreakpointDlg> watch(&dlg);
        BreakpointHost::instance().calls.clear();
        destroyOn(c.entry, c.code);
        QTest::mouseClick(dlg.OKPB, Qt::LeftButton);
        EXPECT_FALSE(dialog()) << c.entry;
        EXPECT_EQ(callsAfter(c.entry, c.code), 0u) << c.entry;
        EXPECT_NE(watch->result(), QDialog::Accepted) << "no OK for a destroyed dialog";
        testhost::settle();
        EXPECT_FALSE(watch) << c.entry;
        BreakpointHost::instance().onCall = nullptr;
        handle = CuiBreakpointDlgCreate(0);
        proxy = CuiBreakpointProxyCreate(3);
        CuiBreakpointProxySetHandler(proxy, testhost::breakpointProxyHandler());
        CuiBreakpointDlgSetFuncHandler(handle, testhost::breakpointDialogHandler());
        CuiBreakpointDlgSetVdata(handle, kVdata);
    }
}

TEST(BreakpointHandles, ADeadHandleStaysDeadWhateverIsMadeAfterIt)
{
    const TeskHandle first = CuiBreakpointProxyCreate(1);
    CuiBreakpointProxySetVpid(first, 7);
    CuiBreakpointProxyDestroy(first);
    // Proxies made and freed until one lands where the first lay: its handle is not the old one.
    std::vector<TeskHandle> made;
    for (int i = 0; i < 64; ++i)
        made.push_back(CuiBreakpointProxyCreate(2));
    for (TeskHandle later : made)
        EXPECT_NE(later, first);
    EXPECT_EQ(tesk::breakpoints::liveProxy(first), nullptr);
    CuiBreakpointProxySetBreakpointType(first, 3);
    EXPECT_EQ(CuiBreakpointProxyGetBreakpointType(first), 0u);
    for (TeskHandle later : made) {
        EXPECT_EQ(CuiBreakpointProxyGetBreakpointType(later), 0u);
        CuiBreakpointProxyDestroy(later);
    }

    // A trigger's handle is no proxy's, and an address is no handle.
    const TeskHandle trigger = CuiHardwareTriggerCreate("T", "text", 0);
    ASSERT_NE(trigger, 0);
    EXPECT_EQ(tesk::breakpoints::liveProxy(trigger), nullptr);
    CuiBreakpointProxySetVpid(trigger, 1);
    EXPECT_EQ(CuiHardwareTriggerSetSelection(trigger, 0), 0);
    const TeskHandle proxy = CuiBreakpointProxyCreate(1);
    EXPECT_EQ(CuiHardwareTriggerSetSelection(proxy, 0), -1);
    BreakpointProxy *object = tesk::breakpoints::liveProxy(proxy);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(tesk::breakpoints::liveProxy(reinterpret_cast<TeskHandle>(object)), nullptr);
    CuiBreakpointProxyDestroy(proxy);
}
