// The accelerator list is copied into a buffer the host sized by an earlier count: it must
// never receive more records than that count, whatever window is current by then.
#include "frames.h"

#include <cstring>
#include <vector>

using AcceleratorBuffer = FrameTest;

TEST_F(AcceleratorBuffer, NeverMoreRecordsThanTheLastCount)
{
    ASSERT_EQ(Store::currentMainWindow(), nullptr);
    EXPECT_EQ(QtGetAcceleratorCount(), 0);
    // The window changes between count and list: the host made room for nothing.
    createFrame("Debugger", 4);
    std::vector<TeskAccelerator> tooSmall(1);
    std::memset(tooSmall.data(), 'x', sizeof(TeskAccelerator));
    QtGetAcceleratorList(tooSmall.data() + 1);
    EXPECT_EQ(tooSmall[0].hostId, 0x78787878);

    const int count = QtGetAcceleratorCount();
    ASSERT_GT(count, 2);
    std::vector<TeskAccelerator> records(size_t(count) + 1);
    std::memset(records.data(), 'x', records.size() * sizeof(TeskAccelerator));
    ASSERT_EQ(QtGetAcceleratorList(records.data()), 1);
    EXPECT_EQ(records[0].hostId, 40000);
    EXPECT_EQ(records[size_t(count)].hostId, 0x78787878);
}
