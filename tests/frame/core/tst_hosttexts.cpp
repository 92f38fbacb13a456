// Texts handed to the host stay where they are while their object lives and the text is the
// same, whatever else is asked meanwhile.
#include "frame/core/hosttexts.h"

#include <QObject>

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

TEST(HostTexts, APointerStaysValidWhileItsObjectAndTextAreUnchanged)
{
    auto *first = new QObject;
    QObject second;
    const char *title = tesk::texts::hold(first, 0, "Registers");
    const char *other = tesk::texts::hold(&second, 0, "Memory");
    const char *menu = tesk::texts::hold(first, QByteArray("menu:7"), "Run");
    EXPECT_STREQ(title, "Registers");
    EXPECT_STREQ(other, "Memory");
    EXPECT_STREQ(menu, "Run");
    // The same text again answers the same pointer; another slot does not disturb it.
    EXPECT_EQ(tesk::texts::hold(first, 0, QByteArray("Regis") + "ters"), title);
    const char *changed = tesk::texts::hold(first, 0, "Registers 2");
    EXPECT_STREQ(changed, "Registers 2");
    EXPECT_STREQ(other, "Memory");
    EXPECT_STREQ(menu, "Run");
    delete first;
    // A new object at the old address starts with nothing of the old one's.
    auto *next = new QObject;
    EXPECT_STREQ(tesk::texts::hold(next, 1, ""), "");
    delete next;
    EXPECT_STREQ(other, "Memory");
}

// Asked again for an unchanged text, the host gets the very copy it holds, not a new one that
// the allocator happened to place in the block just freed. Blocks of the text's size, freed
// right before a call, are first in line for the next allocation: a text copied again lands in
// one of them, and the host's pointer leads to freed memory.
TEST(HostTexts, AnUnchangedTextIsTheCopyTheHostHolds)
{
    QObject owner;
    const QByteArray text("Registers");
    // A named slot: a slot number's own key would take one of the freed blocks.
    const QByteArray slot("title");
    const char *first = tesk::texts::hold(&owner, slot, text);
    // A second text of the same size lives between the calls.
    const char *other = tesk::texts::hold(&owner, 1, "Memories!");
    std::vector<QByteArray> blocks;
    blocks.reserve(32);
    for (int freed = 0; freed < 24; ++freed) {
        const QByteArray again(text.constData(), text.size());
        for (int i = 0; i < freed; ++i) {
            blocks.push_back(text);
            blocks.back().detach();
        }
        blocks.clear();
        EXPECT_EQ(tesk::texts::hold(&owner, slot, again), first) << freed << " blocks freed";
    }
    EXPECT_STREQ(first, "Registers");
    EXPECT_STREQ(other, "Memories!");
}
