// The event pane: one line per event that reaches it through the pane exports.
#include "gui_components/gc_panes/panes/cuieventpane.h"

#include "testhost.h"

#include <QListWidget>

#include <gtest/gtest.h>

#include <memory>

namespace {

class EventPaneTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        testhost::startLibrary();
        pane.reset(createEventPane());
        ASSERT_NE(pane, nullptr);
    }
    TeskHandle handle() const { return pane->handle(); }
    QStringList lines() const
    {
        QStringList all;
        for (int i = 0; i < pane->listBox()->count(); ++i)
            all << pane->listBox()->item(i)->text();
        return all;
    }

    std::unique_ptr<CuiEventPane> pane;
};

} // namespace

TEST_F(EventPaneTest, OneLinePerEvent)
{
    for (int code = 13; code <= 25; ++code)
        EXPECT_EQ(CuiAbstractPaneEvent(handle(), code, 0, 42), 0);
    EXPECT_EQ(lines(), QStringList({"eventGeneral", "eventStop", "eventStart", "eventDead",
                                    "eventConnectionChanged to 0x      2a", "eventScope",
                                    "eventRegisterModified", "eventMemoryModified",
                                    "eventChipModified", "eventInstructionBreak"}));
    EXPECT_EQ(pane->listBox()->currentRow(), 9);
    EXPECT_EQ(pane->listBox()->objectName(), "CuiEventPane::listbox");
}

TEST_F(EventPaneTest, ConnectionIsShownAsA32BitWord)
{
    CuiAbstractPaneEvent(handle(), 17, 0, -1);
    EXPECT_EQ(lines().value(0), "eventConnectionChanged to 0xffffffff");
}

TEST_F(EventPaneTest, KeepsNoStateAndNoWindowBox)
{
    TeskHandle box = 9;
    EXPECT_EQ(CuiAbstractPaneSetWindBox(handle(), 0x4444), 0);
    EXPECT_EQ(CuiAbstractPaneGetWindBox(handle(), &box), 0);
    EXPECT_EQ(box, 0);
    char buffer[4] = "abc";
    EXPECT_EQ(TeskPaneSetPersistData(handle(), "x=1"), 0);
    EXPECT_EQ(TeskPaneGetPersistData(handle(), sizeof buffer, buffer), 0);
    EXPECT_STREQ(buffer, "");
}

TEST_F(EventPaneTest, TheListIsBounded)
{
    for (int i = 0; i < CuiEventPane::kMaxLines + 5; ++i)
        CuiAbstractPaneEvent(handle(), i < 5 ? 13 : 14, 0, 0);
    EXPECT_EQ(pane->listBox()->count(), CuiEventPane::kMaxLines);
    EXPECT_EQ(lines().first(), "eventStop");
    EXPECT_EQ(pane->listBox()->currentRow(), CuiEventPane::kMaxLines - 1);
}
