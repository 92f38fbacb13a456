// Texts handed to the host stay where they are while their object lives and the text is the
// same, whatever else is asked meanwhile.
#include "frame/core/hosttexts.h"

#include <QObject>

#include <cstring>
#include <gtest/gtest.h>

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
