#include <GL/glew.h>
#include <gtest/gtest.h>

#include "GlTestContext.h"
#include "app/GlDebugOutput.h"

TEST(GlDebugOutputGLTest, ReportsADriverErrorWithItsSeverityTypeAndSource)
{
    testing::internal::CaptureStdout();
    ASSERT_TRUE(EnableGlDebugOutput()) << "llvmpipe offers KHR_debug";
    glBindTexture(GL_TEXTURE_2D, 987654); // never generated: an error in a core context
    const GlDebugTally tally = GetGlDebugTally();
    glDebugMessageCallback(nullptr, nullptr);
    glDisable(GL_DEBUG_OUTPUT);
    const std::string output = testing::internal::GetCapturedStdout();
    EXPECT_EQ(TakeGlError(), GLenum(GL_INVALID_OPERATION));

    EXPECT_EQ(tally.high, 1) << output;
    EXPECT_NE(output.find("[GL debug] severity high, type error, source API, id "), std::string::npos) << output;
    EXPECT_EQ(DescribeGlDebugMessage(GL_DEBUG_SOURCE_SHADER_COMPILER, GL_DEBUG_TYPE_PERFORMANCE, 7,
                                     GL_DEBUG_SEVERITY_MEDIUM, "slow"),
              "[GL debug] severity medium, type performance, source shader compiler, id 7: slow");
}
