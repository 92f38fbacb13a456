// The pane exports: event codes reaching the right operation, persistent state through short
// buffers, window boxes, and handles that are not live panes.
#include "gui_components/gc_panes/panes/abstractpane.h"

#include "testhost.h"

#include <QCoreApplication>
#include <QPointer>

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

namespace {

// Records which operation each call reached.
class RecordingPane : public AbstractPane
{
public:
    std::vector<std::string> calls;
    std::vector<int> arguments;
    std::string persist = "state=1;columns=4";
    TeskHandle box = 0;
    std::function<void()> onEvent;

    void setPersistData(const char *text) override { persist = text; }
    int getPersistData(unsigned length, char *buffer) override
    {
        return copyToBuffer(QByteArray::fromStdString(persist), length, buffer);
    }
    void processCommand(CuiPaneOutputFn, void *, const QStringList &, QString &) override {}
    void eventGeneral(int a) override { note("General", a); }
    void eventStop(int a) override { note("Stop", a); }
    void eventStart(int a) override { note("Start", a); }
    void eventDead(int a) override { note("Dead", a); }
    void eventConnectionChanged(int a) override { note("ConnectionChanged", a); }
    void eventScope(int a) override { note("Scope", a); }
    void eventMemoryModified(int a) override { note("MemoryModified", a); }
    void eventRegisterModified(int a) override { note("RegisterModified", a); }
    void eventChipModified(int a) override { note("ChipModified", a); }
    void eventInstructionBreak(int a) override { note("InstructionBreak", a); }
    void eventReserved(int a) override { note("Reserved", a); }
    void setWindBox(TeskHandle handle) override { box = handle; }
    TeskHandle windBox() override { return box; }

private:
    void note(const char *name, int argument)
    {
        calls.push_back(name);
        arguments.push_back(argument);
        if (onEvent)
            onEvent();
    }
};

// Keeps the base bodies of the window-box operations.
class PlainPane : public AbstractPane
{
public:
    void setPersistData(const char *) override {}
    int getPersistData(unsigned, char *) override { return 0; }
    void processCommand(CuiPaneOutputFn, void *, const QStringList &, QString &) override {}
    void setWindBox(TeskHandle handle) override { AbstractPane::setWindBox(handle); }
    TeskHandle windBox() override { return AbstractPane::windBox(); }
};

class AbstractPaneTest : public ::testing::Test
{
protected:
    void SetUp() override { testhost::startLibrary(); }
};

TeskHandle handleOf(AbstractPane &pane)
{
    return pane.handle();
}

} // namespace

TEST_F(AbstractPaneTest, EventCodesReachTheirOperation)
{
    const struct
    {
        int code;
        const char *operation;
    } cases[] = {{13, "General"},
                 {14, "Stop"},
                 {15, "Start"},
                 {16, "Dead"},
                 {17, "ConnectionChanged"},
                 {18, "Scope"},
                 {19, "RegisterModified"},
                 {20, "MemoryModified"},
                 {21, "ChipModified"},
                 {22, "InstructionBreak"}};
    for (const auto &c : cases) {
        RecordingPane pane;
        EXPECT_EQ(CuiAbstractPaneEvent(handleOf(pane), c.code, 999, c.code * 3), 0) << c.code;
        ASSERT_EQ(pane.calls, std::vector<std::string>({c.operation})) << c.code;
        EXPECT_EQ(pane.arguments, std::vector<int>({c.code * 3})) << c.code;
    }
}

TEST_F(AbstractPaneTest, CodesOutsideTheTableCallNothing)
{
    RecordingPane pane;
    for (int code : {23, 24, 25})
        EXPECT_EQ(CuiAbstractPaneEvent(handleOf(pane), code, 0, 1), 0) << code;
    for (int code : {-1, 0, 12, 26, 1000})
        EXPECT_EQ(CuiAbstractPaneEvent(handleOf(pane), code, 0, 1), -1) << code;
    EXPECT_TRUE(pane.calls.empty());
}

TEST_F(AbstractPaneTest, HandlesThatAreNoLivePaneAreRefused)
{
    QWidget notAPane;
    TeskHandle stale;
    {
        RecordingPane pane;
        stale = handleOf(pane);
    }
    TeskHandle box = 0;
    char buffer[8] = "intact";
    for (TeskHandle handle : {TeskHandle(0), stale, reinterpret_cast<TeskHandle>(&notAPane)}) {
        EXPECT_EQ(CuiAbstractPaneEvent(handle, 13, 0, 0), -1);
        EXPECT_EQ(CuiAbstractPaneSetWindBox(handle, 5), -1);
        EXPECT_EQ(CuiAbstractPaneGetWindBox(handle, &box), -1);
        EXPECT_EQ(TeskPaneSetPersistData(handle, "x"), -1);
        EXPECT_EQ(TeskPaneGetPersistData(handle, sizeof buffer, buffer), -1);
    }
    EXPECT_STREQ(buffer, "intact");
    EXPECT_EQ(CuiAbstractPaneDestroy(stale), -1);
    EXPECT_EQ(CuiAbstractPaneDestroy(reinterpret_cast<TeskHandle>(&notAPane)), -1);
    EXPECT_EQ(CuiAbstractPaneDestroy(0), 0);
}

TEST_F(AbstractPaneTest, PersistDataFitsTheHostsBuffer)
{
    RecordingPane pane;
    EXPECT_EQ(TeskPaneSetPersistData(handleOf(pane), "abcdefgh"), 0);
    EXPECT_EQ(pane.persist, "abcdefgh");
    EXPECT_EQ(TeskPaneSetPersistData(handleOf(pane), nullptr), 0);
    EXPECT_EQ(pane.persist, "");

    pane.persist = "abcdefgh";
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    EXPECT_EQ(TeskPaneGetPersistData(handleOf(pane), 4, buffer), 0);
    EXPECT_EQ(std::string(buffer, 5), std::string("abc\0#", 5));
    EXPECT_EQ(TeskPaneGetPersistData(handleOf(pane), 1, buffer), 0);
    EXPECT_EQ(buffer[0], '\0');
    EXPECT_EQ(buffer[1], 'b');
    EXPECT_EQ(TeskPaneGetPersistData(handleOf(pane), sizeof buffer, buffer), 0);
    EXPECT_STREQ(buffer, "abcdefgh");
    // Nothing to write into: no length is fine, a length without a buffer is refused.
    EXPECT_EQ(TeskPaneGetPersistData(handleOf(pane), 0, nullptr), 0);
    EXPECT_EQ(TeskPaneGetPersistData(handleOf(pane), 8, nullptr), -1);
}

TEST_F(AbstractPaneTest, WindowBoxIsKeptByThePaneThatWantsIt)
{
    RecordingPane keeps;
    PlainPane plain;
    TeskHandle out = 77;
    EXPECT_EQ(CuiAbstractPaneSetWindBox(handleOf(keeps), 0x1234), 0);
    EXPECT_EQ(CuiAbstractPaneGetWindBox(handleOf(keeps), &out), 0);
    EXPECT_EQ(out, 0x1234);
    EXPECT_EQ(CuiAbstractPaneSetWindBox(handleOf(plain), 0x1234), 0);
    EXPECT_EQ(CuiAbstractPaneGetWindBox(handleOf(plain), &out), 0);
    EXPECT_EQ(out, 0);
    EXPECT_EQ(CuiAbstractPaneGetWindBox(handleOf(plain), nullptr), -1);
}

TEST_F(AbstractPaneTest, DestroyFromInsideItsOwnEventWaitsUntilTheEventReturns)
{
    auto *pane = new RecordingPane;
    QPointer<RecordingPane> watch(pane);
    const TeskHandle handle = handleOf(*pane);
    bool aliveAfterDestroy = false;
    pane->onEvent = [&] {
        EXPECT_EQ(CuiAbstractPaneDestroy(handle), 0);
        aliveAfterDestroy = !watch.isNull();
        pane->calls.push_back("after");
    };
    EXPECT_EQ(CuiAbstractPaneEvent(handle, 14, 0, 0), 0);
    EXPECT_TRUE(aliveAfterDestroy);
    ASSERT_FALSE(watch.isNull());
    EXPECT_EQ(watch->calls.back(), "after");
    // Refused from the moment it was destroyed, gone once the loop runs.
    EXPECT_EQ(CuiAbstractPaneEvent(handle, 13, 0, 0), -1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(watch.isNull());
}

TEST_F(AbstractPaneTest, DestroyDeletesThePaneAndItsChildren)
{
    auto *pane = new RecordingPane;
    QPointer<QWidget> child(new QWidget(pane));
    EXPECT_EQ(CuiAbstractPaneDestroy(handleOf(*pane)), 0);
    EXPECT_TRUE(child.isNull());
}
