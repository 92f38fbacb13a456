// Objects a host creates and destroys through the C interface while it pumps its own loop and
// never runs CuiRun: after a thousand cycles the library holds what it held before.
#include "modalanswers.h"
#include "testhost.h"

#include "frame/core/cuihandles.h"

#include <tesk/tesk_breakpoints.h>
#include <tesk/tesk_datanav.h>
#include <tesk/tesk_dialogs.h>
#include <tesk/tesk_frame.h>
#include <tesk/tesk_registry.h>
#include <tesk/tesk_symbols.h>

#include <QCoreApplication>
#include <QDialog>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

// The toolkit's own object hooks: called for every object made and deleted.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace {

constexpr int kAddObjectHook = 3;
constexpr int kRemoveObjectHook = 4;

// Objects made minus objects deleted while it lives.
class ObjectCount
{
public:
    ObjectCount()
        : m_added(std::exchange(qtHookData[kAddObjectHook], quintptr(&added)))
        , m_removed(std::exchange(qtHookData[kRemoveObjectHook], quintptr(&removed)))
    {
        balance() = 0;
    }
    ~ObjectCount()
    {
        qtHookData[kAddObjectHook] = m_added;
        qtHookData[kRemoveObjectHook] = m_removed;
    }
    ObjectCount(const ObjectCount &) = delete;
    ObjectCount &operator=(const ObjectCount &) = delete;

    static int &balance()
    {
        static int count = 0;
        return count;
    }

private:
    static void added(QObject *) { ++balance(); }
    static void removed(QObject *) { --balance(); }

    quintptr m_added;
    quintptr m_removed;
};

// What a host with a loop of its own does between its calls.
void pumpAsTheHost()
{
    for (int i = 0; i < 3; ++i)
        QCoreApplication::processEvents();
}

class CreateDestroyCycles : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        testhost::startLibrary();
        QtCreateNewCode(1);
        CuiFrameRecord record{1, 0, 3, 77};
        QtFrameCreate("cycles", TeskHandle(0xc1c1e), &record);
    }

    // One cycle first: what stays for good (a shared cache, a font) is made then.
    static void expectCyclesLeaveNothing(const std::function<void()> &cycle)
    {
        cycle();
        pumpAsTheHost();
        const qsizetype handles = tesk::handles::tableSize();
        const ObjectCount objects;
        for (int i = 0; i < 1000; ++i) {
            cycle();
            pumpAsTheHost();
        }
        EXPECT_EQ(ObjectCount::balance(), 0) << "objects left by 1,000 cycles";
        EXPECT_EQ(tesk::handles::tableSize(), handles) << "handles left by 1,000 cycles";
    }

    testhost::ModalAnswers m_answers;
};

TEST_F(CreateDestroyCycles, BreakpointProxy)
{
    // A host makes its target's triggers once and appends them to every breakpoint; they stay
    // the host's, so only the proxies' copies must go with the cycles.
    const TeskHandle trigger = CuiHardwareTriggerCreate("in", "input", 0);
    CuiHardwareTriggerAppendValue(trigger, "one", "1");
    expectCyclesLeaveNothing([trigger] {
        const TeskHandle proxy = CuiBreakpointProxyCreate(0);
        CuiBreakpointProxySetLocation(proxy, "main");
        CuiBreakpointProxyAddQualifier(proxy, "count=1");
        CuiBreakpointProxyAddAction(proxy, "stop");
        CuiBreakpointProxyAddClass(proxy, 1);
        CuiBreakpointProxyAddBreakpointType(proxy, 1);
        CuiBreakpointProxyAppendHardwareTrigger(proxy, trigger);
        CuiBreakpointProxyDestroy(proxy);
    });
}

TEST_F(CreateDestroyCycles, BreakpointDialogWithItsProxy)
{
    expectCyclesLeaveNothing([] {
        const TeskHandle dialog = CuiBreakpointDlgCreate(0);
        const TeskHandle proxy = CuiBreakpointProxyCreate(0);
        CuiBreakpointProxySetLocation(proxy, "main");
        CuiBreakpointProxyAddBreakpointType(proxy, 1);
        CuiBreakpointDlgSetBreakpoint(dialog, proxy);
        CuiBreakpointDlgSetInitialLocation(dialog, "main");
        CuiBreakpointDlgDestroy(dialog);
    });
}

TEST_F(CreateDestroyCycles, BreakpointDialogRun)
{
    const auto previous =
        tesk::system::ModalSeam::setResponder([](const tesk::system::ModalSeam::Request &request) {
            if (auto *dialog = qobject_cast<QDialog *>(request.widget.data()))
                dialog->reject();
        });
    expectCyclesLeaveNothing([] {
        const TeskHandle dialog = CuiBreakpointDlgCreate(0);
        const TeskHandle proxy = CuiBreakpointProxyCreate(0);
        CuiBreakpointDlgSetBreakpoint(dialog, proxy);
        CuiDialogExec(reinterpret_cast<void *>(dialog));
        CuiBreakpointDlgDestroy(dialog);
    });
    tesk::system::ModalSeam::setResponder(previous);
}

TEST_F(CreateDestroyCycles, DataNavigator)
{
    expectCyclesLeaveNothing([] {
        const TeskHandle pane = CuiDataNavCreate();
        CuiDataNavSetDataSource(pane, CuiSymtabDataSourceCreate());
        CuiDataNavDestroy(pane);
    });
}

// The host ends the pane from inside the fill the pane asked it for: the pane waits for the
// call's end and then goes with the host's next pass over its events.
TeskHandle g_filledPane = 0;

int destroyFilledPane(int, TeskHandle, TeskHandle, const char *, TeskHandle)
{
    CuiDataNavDestroy(std::exchange(g_filledPane, 0));
    return 0;
}

TEST_F(CreateDestroyCycles, DataNavigatorEndedInsideItsHostCall)
{
    CuiFunctionRegistryAddFunction("symtabdatasource",
                                   reinterpret_cast<CuiRegistryFn>(&destroyFilledPane));
    expectCyclesLeaveNothing([] {
        g_filledPane = CuiDataNavCreate();
        CuiDataNavSetDataSource(g_filledPane, CuiSymtabDataSourceCreate());
        CuiDataNavPopulate(g_filledPane);
        EXPECT_EQ(g_filledPane, 0);
    });
    CuiFunctionRegistryRemoveFunction("symtabdatasource");
}

TEST_F(CreateDestroyCycles, DataSourceReplaced)
{
    const TeskHandle pane = CuiDataNavCreate();
    expectCyclesLeaveNothing(
        [pane] { CuiDataNavSetDataSource(pane, CuiSymtabDataSourceCreate()); });
    CuiDataNavDestroy(pane);
}

} // namespace
