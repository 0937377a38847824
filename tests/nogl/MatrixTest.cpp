#include <gtest/gtest.h>
#include "core/Matrix4.h"
TEST(Placeholder, Builds) { EXPECT_EQ(Matrix4::Identity().m[0][0], 1.0f); }
