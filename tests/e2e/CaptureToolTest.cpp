#include <FreeImage.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

#include "ProcessRunner.h"

namespace fs = std::filesystem;

namespace
{
const std::string binDir = KESTRUNE_BIN_DIR;

size_t Count(const std::string& text, const std::string& word)
{
    size_t count = 0;
    for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1))
        ++count;
    return count;
}

class CaptureToolTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kestrune-capture-" + std::to_string(::getpid()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    ProcessResult Capture(const std::string& arguments, const std::string& workingDir = binDir)
    {
        return RunProcess(OnOwnDisplay(binDir + "/kestrune-capture " + arguments), workingDir, 240);
    }

    // A refused command line exits 2 before any window opens, with one line that says why.
    void ExpectRefused(const std::string& arguments, const std::string& part)
    {
        const ProcessResult result = Capture(arguments);
        EXPECT_EQ(result.exitCode, 2) << arguments;
        EXPECT_EQ(Count(result.output, "\n"), 1u) << result.output;
        EXPECT_EQ(result.output.rfind("kestrune-capture: ", 0), 0u) << result.output;
        EXPECT_NE(result.output.find(part), std::string::npos) << result.output;
    }

    std::string Read(const fs::path& path)
    {
        std::ifstream file(path);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

    fs::path dir;
};

// Width, height and the brightest channel value of a PNG.
struct PngFacts
{
    unsigned width = 0, height = 0, brightest = 0;
};

PngFacts ReadPng(const fs::path& path)
{
    PngFacts facts;
    FIBITMAP* image = FreeImage_Load(FIF_PNG, path.c_str(), PNG_DEFAULT);
    if (image == nullptr)
        return facts;
    facts.width = FreeImage_GetWidth(image);
    facts.height = FreeImage_GetHeight(image);
    const unsigned bytes = FreeImage_GetBPP(image) / 8;
    for (unsigned y = 0; y < facts.height; ++y)
    {
        const BYTE* row = FreeImage_GetScanLine(image, int(y));
        for (unsigned x = 0; x < facts.width * bytes; ++x)
            facts.brightest = std::max<unsigned>(facts.brightest, row[x]);
    }
    FreeImage_Unload(image);
    return facts;
}
}

TEST_F(CaptureToolTest, WritesTheFinalFrameAndAReportOnASteppedClock)
{
    const ProcessResult result =
        Capture("--frames 3 --warmup 1 --step-ms 20 --out " + (dir / "f.png").string() + " --report " +
                (dir / "r.json").string());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(ErrorLines(result.output), "");

    const PngFacts png = ReadPng(dir / "f.png");
    EXPECT_EQ(png.width, 1600u);
    EXPECT_EQ(png.height, 900u);
    EXPECT_GT(png.brightest, 0u) << "the overlay should be visible";

    const std::string report = Read(dir / "r.json");
    EXPECT_NE(result.output.find("GL renderer: "), std::string::npos) << "which implementation drew it";
    for (const char* key : {"\"gl_renderer\": \"", "\"gl_version\": \"", "\"startup_ms\"", "\"frames\"",
                            "\"summary\"", "\"frame_ms_median\"", "\"frame_ms_p95\"", "\"stage_ms_median\"",
                            "\"Skymap\"", "\"Render\"", "\"PostProcess\""})
        EXPECT_NE(report.find(key), std::string::npos) << key;
    EXPECT_EQ(Count(report, "\"dt_ms\""), 3u) << "warm-up frames are not reported";
    EXPECT_EQ(Count(report, "\"clock_dt_ms\": 20.000"), 3u) << report;
}

TEST_F(CaptureToolTest, ZeroStepGivesFramesOfNoDuration)
{
    const ProcessResult result = Capture("--frames 2 --step-ms 0 --report " + (dir / "r.json").string());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(Count(Read(dir / "r.json"), "\"clock_dt_ms\": 0.000"), 2u);
}

TEST_F(CaptureToolTest, HeldF1HidesTheOverlayOnce)
{
    // Run with an empty data set so that nothing but the overlay can light a pixel.
    fs::create_directories(dir / "Resources");
    ASSERT_EQ(Capture("--frames 4 --hold F1:1:3 --out " + (dir / "hidden.png").string(), dir.string()).exitCode, 0);
    EXPECT_EQ(ReadPng(dir / "hidden.png").brightest, 0u);
    ASSERT_EQ(Capture("--frames 4 --hold F1:1:1 --hold F1:3:3 --out " + (dir / "shown.png").string(), dir.string())
                  .exitCode,
              0);
    EXPECT_GT(ReadPng(dir / "shown.png").brightest, 0u);
}

TEST_F(CaptureToolTest, RunsWithAnEmptyDataSetAndRejectsBadArguments)
{
    fs::create_directories(dir / "Resources");
    const ProcessResult empty = Capture("--frames 2 --out " + (dir / "f.png").string(), dir.string());
    EXPECT_EQ(empty.exitCode, 0) << empty.output;
    EXPECT_EQ(ReadPng(dir / "f.png").width, 1600u);

    for (const char* bad : {"--frames x", "--frames", "--camera 1,2", "--hold Q:5:2", "--hold NoSuchKey:1:2",
                            "--bogus", "--click 1600,10:2"})
        ExpectRefused(bad, "(see --help)");
    const ProcessResult help = Capture("--help");
    EXPECT_EQ(help.exitCode, 0);
    for (const char* option : {"--time-of-day", "--set NAME=VALUE[@FRAME]", "showDofArea", "--dump-textures DIR",
                               "--click X,Y:FRAME"})
        EXPECT_NE(help.output.find(option), std::string::npos) << option;
}

TEST_F(CaptureToolTest, SetTakesScalarSettingsByName)
{
    const ProcessResult result = Capture("--frames 2 --set timeOfDay=180 --set exposure=0.1@2 --set bloom=false");
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(ErrorLines(result.output), "");

    for (const char* bad : {"--set blom=1", "--set exposure=1.2x", "--set ghostCount=2.5", "--set exposure=0.1@0"})
        ExpectRefused(bad, "(accepted: autoRenderScale, bloom, dof, ");
}

TEST_F(CaptureToolTest, DumpsTheRegisteredTexturesAsPngs)
{
    const fs::path textures = dir / "textures";
    const ProcessResult result = Capture("--frames 2 --dump-textures " + textures.string());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    ASSERT_TRUE(fs::is_directory(textures));
    EXPECT_FALSE(fs::exists(textures / "None.png"));
    for (const fs::directory_entry& file : fs::directory_iterator(textures))
    {
        EXPECT_GT(ReadPng(file.path()).width, 0u) << file.path();
        EXPECT_NE(result.output.find("Wrote " + file.path().string()), std::string::npos) << file.path();
    }
    if (fs::exists(textures / "Depth_texture.png"))
    {
        const PngFacts depth = ReadPng(textures / "Depth_texture.png");
        EXPECT_EQ(depth.width, 1600u);
        EXPECT_EQ(depth.height, 900u);
        EXPECT_EQ(depth.brightest, 255u) << "the farthest depth fills the range";
    }

    // A folder that can't be made fails the run as an unwritable --out does.
    std::ofstream(dir / "file") << "x";
    const ProcessResult blocked = Capture("--frames 1 --dump-textures " + (dir / "file" / "below").string());
    EXPECT_EQ(blocked.exitCode, 1);
    EXPECT_NE(blocked.output.find("could not write"), std::string::npos) << blocked.output;
}

TEST_F(CaptureToolTest, ReportsMissingDataFilesAndKeepsRendering)
{
    // A copy of the data set with a model, a texture, a shader include, a sky map and the fonts gone.
    // The layout's shaders folder is a link into the source tree: what it points to is copied, never
    // the link, so that nothing below is removed from the sources.
    fs::create_directories(dir / "Resources");
    for (const fs::directory_entry& entry : fs::directory_iterator(binDir + "/Resources"))
        fs::copy(fs::canonical(entry.path()), dir / "Resources" / entry.path().filename(),
                 fs::copy_options::recursive);
    ASSERT_FALSE(fs::is_symlink(dir / "Resources" / "shaders"));
    for (const char* missing : {"models/scene/torii.obj", "models/scene/snow_normal.png", "shaders/lightModel.glsl",
                                "skyboxes/dynamic/sunmap.png", "fonts/DroidSans.ttf"})
        ASSERT_TRUE(fs::remove(dir / "Resources" / missing)) << missing;

    const ProcessResult result = Capture("--frames 3 --out " + (dir / "f.png").string(), dir.string());
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("Error parsing 'Resources\\models\\scene\\torii.obj'"), std::string::npos);
    // A missing include is reported through the compile failure of the file that includes it.
    EXPECT_NE(result.output.find("[Shader] Error loading shader Resources\\shaders\\lightShadows"), std::string::npos)
        << result.output;
    EXPECT_EQ(ReadPng(dir / "f.png").width, 1600u);
    EXPECT_TRUE(fs::exists(binDir + "/Resources/shaders/lightModel.glsl")) << "the source tree lost a shader";
}

namespace
{
// The values of one per-frame field of a report, in frame order.
std::vector<long> FrameField(const std::string& report, const std::string& field)
{
    std::vector<long> values;
    const std::string key = "\"" + field + "\": ";
    for (size_t at = report.find(key); at != std::string::npos; at = report.find(key, at + 1))
        values.push_back(std::stol(report.substr(at + key.size())));
    return values;
}
}

TEST_F(CaptureToolTest, FirstFrameShowsTheSceneAndTheSnowIsCounted)
{
    // The start-up snowfall must hand the rasterizer back before the first frame.
    const ProcessResult result =
        Capture("--frames 1 --hide-ui --out " + (dir / "f.png").string() + " --report " + (dir / "r.json").string());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_GT(ReadPng(dir / "f.png").brightest, 100u);
    const std::string report = Read(dir / "r.json");
    const std::vector<long> particles = FrameField(report, "particles");
    const std::vector<long> vertices = FrameField(report, "vertex_count");
    ASSERT_EQ(particles.size(), 1u);
    ASSERT_EQ(vertices.size(), 1u);
    EXPECT_NEAR(particles[0], 28500, 2850);
    EXPECT_GT(vertices[0], 3 * particles[0]) << "the meshes count as well";
}

TEST_F(CaptureToolTest, SetReachesTheParticleSettings)
{
    // With no new flakes the old ones die away, a tenth of them each second.
    const ProcessResult result = Capture("--frames 3 --step-ms 1000 --hide-ui --set particles.generateCount=0 "
                                         "--report " + (dir / "r.json").string());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    const std::vector<long> particles = FrameField(Read(dir / "r.json"), "particles");
    ASSERT_EQ(particles.size(), 3u);
    EXPECT_TRUE(particles[0] > particles[1] && particles[1] > particles[2]) << particles[0] << " " << particles[2];
    EXPECT_LT(particles[2], 25000);
}

TEST_F(CaptureToolTest, SaysWhenThereIsNoDisplayAndRefusesOutOfRangeValues)
{
    const ProcessResult headless =
        RunProcess("env -u DISPLAY -u WAYLAND_DISPLAY " + binDir + "/kestrune-capture --frames 1", binDir, 60);
    EXPECT_EQ(headless.exitCode, 2) << headless.output;
    EXPECT_EQ(Count(headless.output, "\n"), 1u) << headless.output;
    EXPECT_NE(headless.output.find("no display found"), std::string::npos) << headless.output;
    EXPECT_NE(headless.output.find("xvfb-run -a"), std::string::npos) << headless.output;

    ExpectRefused("--camera 0,0,-5", "camera pitch must be from 5 to 70 degrees");
    ExpectRefused("--camera 0,30,0", "camera distance must be from 10 to 100");
    ExpectRefused("--time-of-day 1e10", "beyond -2147483648..2147483648 degrees");
    ExpectRefused("--set toneMapping=9", "setting 'toneMapping' must be at least 0 and at most 3");
}

TEST_F(CaptureToolTest, KeepsDrawingWithoutShadersAndSkipsAFileNamedResources)
{
    // Resources is a file: no data set there, so the one beside the program is used.
    std::ofstream(dir / "Resources") << "not a folder";
    const ProcessResult file = Capture("--frames 2 --out " + (dir / "file.png").string(), dir.string());
    EXPECT_EQ(file.exitCode, 0) << file.output;
    EXPECT_EQ(file.output.find("Error loading"), std::string::npos) << file.output;
    EXPECT_EQ(ReadPng(dir / "file.png").width, 1600u);

    // Everything but the shader folder.
    const fs::path layout = dir / "noshaders";
    fs::create_directories(layout / "Resources");
    for (const fs::directory_entry& entry : fs::directory_iterator(binDir + "/Resources"))
        if (entry.path().filename() != "shaders")
            fs::create_directory_symlink(fs::canonical(entry.path()), layout / "Resources" / entry.path().filename());
    const ProcessResult noShaders = Capture("--frames 2 --out " + (dir / "noshaders.png").string(), layout.string());
    EXPECT_EQ(noShaders.exitCode, 0) << noShaders.output;
    EXPECT_NE(noShaders.output.find("[Shader] Error loading file Resources\\shaders\\"), std::string::npos);
    EXPECT_EQ(ReadPng(dir / "noshaders.png").width, 1600u);
}

TEST_F(CaptureToolTest, AFrameWithEveryEffectOnRaisesNoSeriousGlDebugMessage)
{
    const ProcessResult result = Capture("--gl-debug --frames 2 --set bloom=1 --set fxaa=1 --set vignette=1 "
                                         "--set dof=1 --set showDofArea=1 --set showCsmCascades=1");
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("GL debug messages: high 0, medium 0,"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("The OpenGL context offers no debug output"), std::string::npos);
}

TEST_F(CaptureToolTest, EveryShaderStagePassesTheReferenceCompiler)
{
    ASSERT_EQ(RunProcess("glslangValidator --version", "/", 10).exitCode, 0)
        << "glslangValidator is missing: run scripts/install-deps.sh (glslang-tools)";
    const fs::path shaders = dir / "shaders", graph = dir / "frame.dot";
    const ProcessResult result =
        Capture("--frames 1 --hide-ui --dump-shaders " + shaders.string() + " --frame-graph " + graph.string());
    ASSERT_EQ(result.exitCode, 0) << result.output;
    // By day the lit objects draw with the sun's variant alone, and the dump names it.
    EXPECT_TRUE(fs::exists(shaders / "lightShadows.LIT_SUN.frag"));
    size_t stages = 0;
    for (const fs::directory_entry& entry : fs::directory_iterator(shaders))
    {
        // The stage comes from the extension: .vert, .geom or .frag.
        const ProcessResult check = RunProcess("glslangValidator " + entry.path().string(), "/", 60);
        EXPECT_EQ(check.exitCode, 0) << entry.path() << "\n" << check.output;
        ++stages;
    }
    EXPECT_GE(stages, 25u);
    EXPECT_EQ(Read(shaders / "basic.vert").find("#include"), std::string::npos) << "the final source, not the file";

    // The same run's passes, from the shadow maps to the window, named by the stages that ran them.
    const std::string dot = Read(graph);
    size_t at = 0;
    for (const char* part : {"label=\"ShadowMapDir\"", "label=\"Skymap\"", "lightShadows.LIT_SUN\\n",
                             "particleUpdate", "label=\"PostProcess\"", "FXAA", "window\\n1600 x 900"})
    {
        const size_t found = dot.find(part, at);
        ASSERT_NE(found, std::string::npos) << part << " after offset " << at << " in\n" << dot;
        at = found;
    }
    EXPECT_EQ(dot.find("ShadowMapPoint"), std::string::npos) << "by day no cube is drawn";
    const ProcessResult drawn = RunProcess("dot -Tsvg -o " + (dir / "frame.svg").string() + " " + graph.string(), "/", 60);
    EXPECT_EQ(drawn.exitCode, 0) << "graphviz's dot (scripts/install-deps.sh) refused it:\n" << drawn.output;
}

TEST_F(CaptureToolTest, BenchTimesStagesOnTheGpuAndAgainstTheRasterFloor)
{
    // MESA_DEBUG makes the driver print any GL error that the timer queries or the floor raise. Long steps move
    // the snow far between frames, so that a floor that disturbed it would show.
    const fs::path reportPath = dir / "r.json";
    const std::string frames = "--bench --frames 3 --step-ms 250 --hide-ui --out ";
    const ProcessResult result =
        RunProcess(OnOwnDisplay("env MESA_DEBUG=1 " + binDir + "/kestrune-capture --floor " + frames +
                                (dir / "floored.png").string() + " --report " + reportPath.string()),
                   binDir, 240);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(ErrorLines(result.output), "");
    const size_t table = result.output.find("against the raster floor (3 alternating pairs");
    ASSERT_NE(table, std::string::npos) << result.output;
    for (const char* group : {"ShadowMapDir", "ShadowMapPoint", "Skymap+Render", "PostProcess", "frame"})
        EXPECT_NE(result.output.find(std::string("\n  ") + group + " ", table), std::string::npos) << group;

    const std::string report = Read(reportPath);
    const std::vector<long> peak = FrameField(report, "peak_rss_kb");
    ASSERT_EQ(peak.size(), 1u) << report;
    EXPECT_GT(peak[0], 100000) << "a frame's targets alone take more";
    EXPECT_EQ(Count(report, "\"gpu_stage_ms\": {\"Start\": "), 3u) << "all frames' timestamps arrive by the end";
    const size_t gpuMedians = report.find("\"gpu_stage_ms_median\": {");
    ASSERT_NE(gpuMedians, std::string::npos) << report;
    const std::string medians = report.substr(gpuMedians, report.find('}', gpuMedians) - gpuMedians);
    for (const char* stage : {"Start", "ShadowMapDir", "ShadowMapPoint", "Skymap", "Render", "PostProcess"})
        EXPECT_NE(medians.find(std::string("\"") + stage + "\": "), std::string::npos) << stage;
    for (const char* key : {"\"floor\": {\"pass_ms_median\": {", "\"cascades\": ", "\"fxaa\": ",
                            "\"Skymap+Render\": {\"kestrune_ms\": ", "\"floor_ms\": {\"cascades\": "})
        EXPECT_NE(report.find(key), std::string::npos) << key;
    const size_t ratio = report.find("\"frame_to_floor_ratio\": ");
    ASSERT_NE(ratio, std::string::npos);
    // How far above its floor the frame lies depends on the machine and what else runs on it: only that there is a
    // figure is certain here (FloorComparisonTest checks the arithmetic).
    EXPECT_GT(std::stod(report.substr(ratio + 24)), 0.0);
    // The floor draws the scene's own meshes, shadow passes and snow between the frames: it must leave them as it
    // found them.
    ASSERT_EQ(Capture(frames + (dir / "plain.png").string()).exitCode, 0);
    EXPECT_TRUE(Read(dir / "floored.png") == Read(dir / "plain.png")) << "the floor changed the frame";

    ExpectRefused("--floor --frames 2", "--floor needs --bench");
    const ProcessResult help = Capture("--help");
    EXPECT_NE(help.output.find("  --floor "), std::string::npos);
    EXPECT_NE(help.output.find("gpu_stage_ms"), std::string::npos);
}
