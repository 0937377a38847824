#include <gtest/gtest.h>

#include "app/SoftwareRendererHint.h"

TEST(SoftwareRendererHintTest, NamesTheFastPresetOnlyWhereOpenGlRunsOnTheCpu)
{
    for (const char* renderer : {"llvmpipe (LLVM 15.0.6, 256 bits)", "softpipe", "zink (Lavapipe)"})
        EXPECT_NE(SoftwareRendererHint(renderer).find("pick the preset Fast"), std::string::npos) << renderer;
    EXPECT_NE(SoftwareRendererHint("llvmpipe (LLVM 15.0.6, 256 bits)").find("(llvmpipe (LLVM 15.0.6, 256 bits))"),
              std::string::npos);
    for (const char* renderer : {"NVIDIA GeForce RTX 4070/PCIe/SSE2", "AMD Radeon RX 7600 (radeonsi, navi33)", ""})
        EXPECT_EQ(SoftwareRendererHint(renderer), "") << renderer;
    EXPECT_EQ(SoftwareRendererHint(nullptr), "");
}
