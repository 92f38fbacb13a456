// The looks at a window's place fall due after the delays their kinds state; those due in the
// same turn of the event loop run in the order of the kinds, whoever asked first, and none runs
// for an owner gone meanwhile.
#include "testhost.h"

#include "system/placelooks.h"

#include <QObject>

#include <gtest/gtest.h>

#include <vector>

using tesk::system::lookAtPlace;
using tesk::system::PlaceLook;

TEST(PlaceLooks, LooksDueTogetherRunInTheOrderOfTheirKindsAndNoneForAnOwnerGone)
{
    testhost::startLibrary();
    QObject owner;
    auto *gone = new QObject;
    std::vector<int> ran;
    lookAtPlace(&owner, PlaceLook::FramedAgain, [&ran] { ran.push_back(4); });
    lookAtPlace(&owner, PlaceLook::AskedAgain, [&ran] { ran.push_back(3); });
    lookAtPlace(gone, PlaceLook::FloatingShown, [&ran] { ran.push_back(-1); });
    lookAtPlace(&owner, PlaceLook::FloatingShown, [&ran] { ran.push_back(2); });
    lookAtPlace(&owner, PlaceLook::DropDocked, [&ran] { ran.push_back(1); });
    delete gone;
    ASSERT_TRUE(testhost::pumpUntil([&ran] { return ran.size() >= 4; }, 5000));
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4}));
}
