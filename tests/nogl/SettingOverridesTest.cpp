#include <gtest/gtest.h>

#include "core/CRenderSettings.h"
#include "effects/ParticleParams.h"
#include "tools/capture/CaptureOptions.h"

namespace
{
// Each test leaves the process-wide settings as it found them.
class SettingOverridesTest : public ::testing::Test
{
protected:
    void TearDown() override { settings = saved; }

    // Parses and applies `text`; false when it is refused.
    bool Apply(const std::string& text)
    {
        std::string error;
        const std::optional<SettingOverride> setting = ParseSettingOverride(text, error);
        if (setting)
            ApplySettingOverride(*setting, {settings, particles});
        return setting.has_value();
    }

    std::string Refusal(const std::string& text)
    {
        std::string error;
        EXPECT_FALSE(ParseSettingOverride(text, error)) << text;
        EXPECT_EQ(error.find('\n'), std::string::npos) << "one line: " << error;
        EXPECT_NE(error.find("(accepted: autoRenderScale, bloom, dof, "), std::string::npos) << error;
        return error;
    }

    std::optional<CaptureOptions> Options(std::vector<std::string> arguments, std::string& error)
    {
        std::vector<char*> argv{const_cast<char*>("kestrune-capture")};
        for (std::string& argument : arguments)
            argv.push_back(argument.data());
        return ParseCaptureOptions(int(argv.size()), argv.data(), error);
    }

    CRenderSettings& settings = CRenderSettings::GetInstance();
    const CRenderSettings saved = CRenderSettings::GetInstance();
    ParticleParams particles;
};
}

TEST_F(SettingOverridesTest, SetsTheNamedFieldFromEachKindOfValue)
{
    EXPECT_TRUE(Apply("dofSize=0.5"));
    EXPECT_FLOAT_EQ(settings.dofSize, 0.5f);
    EXPECT_FLOAT_EQ(settings.dofFalloff, saved.dofFalloff);
    EXPECT_TRUE(Apply("timeOfDay=-12.25"));
    EXPECT_FLOAT_EQ(settings.timeOfDay, -12.25f);
    EXPECT_TRUE(Apply("shadowMapHeight=512"));
    EXPECT_EQ(settings.shadowMapHeight, 512);
    EXPECT_EQ(settings.shadowMapWidth, saved.shadowMapWidth);
    EXPECT_TRUE(Apply("ghostCount=-2"));
    EXPECT_EQ(settings.ghostCount, -2);

    EXPECT_TRUE(Apply("bloom=false") && Apply("fxaa=0") && Apply("showDofArea=true") && Apply("showCsmCascades=1"));
    EXPECT_FALSE(settings.bloom || settings.fxaa);
    EXPECT_TRUE(settings.showDofArea && settings.showCsmCascades);
}

TEST_F(SettingOverridesTest, ParticleSettingsTakeTheirNumbersAndVectors)
{
    EXPECT_TRUE(Apply("particles.generateCount=0") && Apply("particles.noise=2.5"));
    EXPECT_TRUE(Apply("particles.spawnArea=10,20") && Apply("particles.genGravityVector=1,-2.5,3"));
    EXPECT_EQ(particles.generateCount, 0);
    EXPECT_FLOAT_EQ(particles.noise, 2.5f);
    EXPECT_EQ(particles.spawnArea, glm::vec2(10, 20));
    EXPECT_EQ(particles.genGravityVector, glm::vec3(1, -2.5f, 3));
    EXPECT_EQ(particles.genPosition, ParticleParams().genPosition);
    EXPECT_FLOAT_EQ(settings.exposure, saved.exposure);

    for (const char* bad : {"particles.spawnArea=1", "particles.spawnArea=1,2,3", "particles.spawnArea=1,",
                            "particles.genPosition=1,2", "particles.genPosition=1,,3", "particles.genPosition=1,2,nan",
                            "particles.generateCount=1.5"})
        EXPECT_NE(Refusal(bad).find("bad value"), std::string::npos) << bad;
    EXPECT_NE(Refusal("particles.genPosition=x").find("(three finite numbers X,Y,Z)"), std::string::npos);
    EXPECT_NE(Refusal("particles.bogus=1").find("unknown setting"), std::string::npos);
    EXPECT_EQ(particles.spawnArea, glm::vec2(10, 20));
}

TEST_F(SettingOverridesTest, RefusesValuesThatAreNotWhollyOfTheFieldsType)
{
    for (const char* bad : {"exposure=1.2x", "exposure=", "exposure=nan", "exposure=inf", "exposure=1e99",
                            "exposure= 1", "ghostCount=3.5", "ghostCount=1e3", "ghostCount=99999999999",
                            "ghostCount=", "bloom=yes", "bloom=2", "bloom=TRUE", "bloom="})
        EXPECT_NE(Refusal(bad).find("bad value"), std::string::npos) << bad;
    EXPECT_EQ(settings.exposure, saved.exposure);
}

TEST_F(SettingOverridesTest, RefusesUnknownNamesAndMissingValues)
{
    EXPECT_EQ(Refusal("blom=1").rfind("unknown setting 'blom' (accepted: ", 0), 0u);
    for (const char* bad : {"vertexCount=3", "cascadeSplits=1", "Bloom=1", "=1"})
        EXPECT_NE(Refusal(bad).find("unknown setting"), std::string::npos) << bad;
    EXPECT_NE(Refusal("exposure").find("NAME=VALUE[@FRAME]"), std::string::npos);
    // The flakes' size is taken when the snow starts: a --set could never reach it.
    EXPECT_EQ(Refusal("particles.billboardSize=2").rfind("setting 'particles.billboardSize' is read once when", 0), 0u);
}

TEST_F(SettingOverridesTest, FrameSuffixIsAWholeNumberFromOne)
{
    std::string error;
    EXPECT_EQ(ParseSettingOverride("exposure=0.1", error)->frame, 0);
    EXPECT_EQ(ParseSettingOverride("exposure=0.1@1", error)->frame, 1);
    EXPECT_EQ(ParseSettingOverride("bloom=true@25", error)->frame, 25);
    for (const char* bad : {"exposure=0.1@0", "exposure=0.1@-1", "exposure=0.1@x", "exposure=0.1@", "exposure=1@2.5",
                            "exposure=1@1@2"})
        EXPECT_NE(Refusal(bad).find("bad frame"), std::string::npos) << bad;
}

TEST_F(SettingOverridesTest, CommandLineOverridesApplyAtTheirFrameInOrder)
{
    std::string error;
    const std::optional<CaptureOptions> options =
        Options({"--set", "exposure=0.2", "--set", "exposure=0.3", "--set", "exposure=0.9@3", "--set",
                 "bloom=false@3", "--dump-textures", "out dir"},
                error);
    ASSERT_TRUE(options) << error;
    EXPECT_EQ(options->dumpTexturesDir, "out dir");

    ApplySettingOverrides(options->settings, 0, {settings, particles});
    EXPECT_FLOAT_EQ(settings.exposure, 0.3f);
    ApplySettingOverrides(options->settings, 2, {settings, particles});
    EXPECT_FLOAT_EQ(settings.exposure, 0.3f);
    EXPECT_TRUE(settings.bloom);
    ApplySettingOverrides(options->settings, 3, {settings, particles});
    EXPECT_FLOAT_EQ(settings.exposure, 0.9f);
    EXPECT_FALSE(settings.bloom);

    // The option reports the setting's own problem.
    EXPECT_FALSE(Options({"--frames", "2", "--set", "blom=1"}, error));
    EXPECT_EQ(error.rfind("unknown setting 'blom' (accepted: ", 0), 0u) << error;
    EXPECT_FALSE(Options({"--dump-textures"}, error));
    EXPECT_EQ(error, "option '--dump-textures' needs a value");
}

TEST_F(SettingOverridesTest, SetRefusesValuesThatWouldBreakTheFrame)
{
    std::string error;
    for (const char* bad : {"toneMapping=4", "toneMapping=-1", "fieldOfView=0", "fieldOfView=180", "nearPlane=0",
                            "farPlane=-1", "dofFalloff=0", "shadowMapWidth=0",
                            "shadowMapHeight=100000", "selectedRenderTexture=-2", "timeOfDay=3e9",
                            "particles.generateCount=-1", "exposure=-1"})
    {
        error.clear();
        EXPECT_FALSE(ParseSettingOverride(bad, error)) << bad;
        EXPECT_NE(error.find("must be"), std::string::npos) << bad << ": " << error;
    }
    for (const char* good : {"toneMapping=3", "fieldOfView=179", "ghostCount=16", "shadowMapWidth=8192",
                             "selectedRenderTexture=-1", "timeOfDay=-720", "dofFalloff=1"})
        EXPECT_TRUE(ParseSettingOverride(good, error)) << good << ": " << error;
}
