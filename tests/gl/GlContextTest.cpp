#include <GL/glew.h>
#include <gtest/gtest.h>

#include "GlTestContext.h"

TEST(GlContext, IsCoreThreeThreeOrLater)
{
    GLint major = 0, minor = 0;
    glGetIntegerv(GL_MAJOR_VERSION, &major);
    glGetIntegerv(GL_MINOR_VERSION, &minor);
    EXPECT_GE(major * 10 + minor, 33);
    EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
}
