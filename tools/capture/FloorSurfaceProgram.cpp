#include "FloorSurfaceProgram.h"

#include "FloorProgram.h"
#include "core/SceneObject.h"
#include "shaders/UniformUpload.h"

namespace
{
const char* const kVertexSource =
    "#version 330 core\n"
    "layout(location = 0) in vec3 inPosition;\n"
    "layout(location = 1) in vec2 inTexCoord;\n"
    "uniform mat4 gMVP;\n"
    "uniform float gTextureRepeat;\n"
    "out vec2 vTexCoord;\n"
    "void main() { vTexCoord = inTexCoord * gTextureRepeat; gl_Position = gMVP * vec4(inPosition, 1.0); }\n";

const char* const kFragmentHead =
    "#version 330 core\n"
    "in vec2 vTexCoord;\n"
    "uniform sampler2D gSampler;\n"
    "layout(location = 0) out vec4 outColor;\n"
    "layout(location = 1) out vec4 outBright;\n"
    "layout(location = 2) out vec4 outDepth;\n";

const char* const kOpaqueFragment = "void main() { outColor = texture(gSampler, vTexCoord); outBright = outColor;\n"
                                    "              outDepth = outColor; }\n";

const char* const kAlphaTestedFragment =
    "void main() { outColor = texture(gSampler, vTexCoord); if (outColor.a < 0.5) discard;\n"
    "              outBright = outColor; outDepth = outColor; }\n";
}

FloorSurfaceProgram::FloorSurfaceProgram(bool alphaTestedProgram) : alphaTested(alphaTestedProgram) {}

void FloorSurfaceProgram::Create()
{
    const std::string fragment = std::string(kFragmentHead) + (alphaTested ? kAlphaTestedFragment : kOpaqueFragment);
    programId = LinkFloorProgram(kVertexSource, fragment.c_str());
    linked = programId != 0;
    if (linked)
        RegisterUniforms({{"gMVP"}, {"gTextureRepeat"}});
}

void FloorSurfaceProgram::SetupEntity(const SceneObject& object)
{
    SetUniform(*this, "gMVP", CameraMVP(MakeModelMatrix(object)));
    SetUniform(*this, "gTextureRepeat", object.textureRepeat);
}
