#include <GL/glew.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <typeinfo>
#include <unistd.h>

#include "GlTestContext.h"
#include "shaders/CShaderProgramBasic.h"
#include "shaders/CShaderProgramBasicTextured.h"
#include "shaders/CShaderProgramLightShadows.h"
#include "shaders/CShaderProgramPointLightShadowMap.h"
#include "shaders/CShaderProgramShadowMap.h"

// Every scene program builds from the runnable layout's shader files, finds
// each uniform its table names, and can be destroyed and built again.
TEST(ProgramCatalogueGLTest, SceneProgramsLinkWithEveryUniformActive)
{
    ASSERT_EQ(chdir(KESTRUNE_BIN_DIR), 0);
    std::unique_ptr<CShaderProgram> programs[] = {
        std::make_unique<CShaderProgramBasic>(), std::make_unique<CShaderProgramBasicTextured>(),
        std::make_unique<CShaderProgramLightShadows>(), std::make_unique<CShaderProgramShadowMap>(),
        std::make_unique<CShaderProgramPointLightShadowMap>()};
    for (const auto& owned : programs)
    {
        CShaderProgram* program = owned.get();
        SCOPED_TRACE(typeid(*program).name());
        for (int round = 0; round < 2; ++round)
        {
            testing::internal::CaptureStdout();
            program->Create();
            const std::string output = testing::internal::GetCapturedStdout();
            EXPECT_TRUE(program->linked) << output;
            EXPECT_EQ(output.find("Unable to get the location"), std::string::npos) << output;
            EXPECT_FALSE(program->uniformLocations.empty());
            for (const auto& [name, location] : program->uniformLocations)
                EXPECT_NE(location, -1) << name;
            program->Destroy();
            program->Destroy();
            EXPECT_FALSE(program->linked);
            EXPECT_EQ(TakeGlError(), GLenum(GL_NO_ERROR));
        }
    }
}
