#include <gtest/gtest.h>
#include <memory>

#include "tools/capture/ResourceSample.h"

// The soak report's heap figure must see an allocation the moment it is made
// and lose it the moment it is freed, touched or not, so that a slow leak
// shows through the driver's swings in resident memory.
TEST(ResourceSampleTest, HeapFigureFollowsAnAllocationAndItsRelease)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's allocator keeps no glibc heap figures";
#endif
    const long kBlockKb = 32 * 1024;
    const long before = HeapInUseKb();
    std::unique_ptr<char[]> block(new char[size_t(kBlockKb) * 1024]);
    static char* volatile seen = nullptr; // keeps the compiler from leaving the block out
    seen = block.get();
    const long held = HeapInUseKb();
    ASSERT_NE(seen, nullptr);
    block.reset();
    const long after = HeapInUseKb();

    EXPECT_GT(before, 0);
    EXPECT_NEAR(held - before, kBlockKb, 64);
    EXPECT_NEAR(after, before, 64);
}
