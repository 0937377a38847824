// Kestrune's GL call stream, recorded with apitrace while kestrune-capture draws a
// few frames, checked for objects never deleted, then replayed: the replayed last
// frame must be the frame that the capture wrote. Recorded on llvmpipe and on zink.
#include <cstdio>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <regex>
#include <set>
#include <sstream>
#include <unistd.h>
#include <vector>

#include "core/FormatString.h"
#include "tests/e2e/ProcessRunner.h"
#include "tools/reference/ImageComparison.h"

namespace fs = std::filesystem;

namespace
{
const std::string binDir = KESTRUNE_BIN_DIR;
const int windowWidth = 1600;
const int windowHeight = 900;
const int frames = 4;
const int timeoutSeconds = 300 * KESTRUNE_TIME_SCALE;

// A pixel counts as off when one of its channels differs by more than this.
const int offThreshold = 2;

// Where the calls are recorded and where they are replayed, and how far the replayed
// frame may be from the captured one.
struct ReplayCase
{
    std::string recordOn;
    std::string replayOn;
    double maxMeanAbsolute; // in levels of 255
    double maxPercentOver;  // % of the frame's pixels off
};

void PrintTo(const ReplayCase& param, std::ostream* out)
{
    *out << "recorded on " << param.recordOn << ", replayed on " << param.replayOn;
}

// Replayed on its own driver, a stream draws the same pixels: on llvmpipe the frames
// differed by a mean of 0.00004 levels, no channel by more than 1. zink's replay of
// any stream, its own or llvmpipe's, leaves out every snowflake (the capture on zink
// draws them, identically run after run), so what Kestrune sends to zink is replayed
// on llvmpipe: there the frames differed by a mean of 0.0003 levels, with 29 edge
// pixels (0.002%) rasterised differently. A frame cut from the wrong part of the
// replay's window, a wrong replay, or a frame that depends on more than its calls (the
// clock, memory never written) moves the flakes at least (about 1.3% of the pixels,
// a mean of 0.14 levels) and fails both limits many times over.
const std::vector<ReplayCase> cases = {
    {"llvmpipe", "llvmpipe", 0.001, 0.001},
    {"zink", "llvmpipe", 0.003, 0.01},
};

// A buffer deleted at call `call` of the trace.
struct BufferDeletion
{
    long call = 0;
    unsigned name = 0;
};

// The buffer names that the trace generates and binds, and its deletions.
struct BufferCalls
{
    std::set<unsigned> generated;
    std::set<unsigned> bound;
    std::vector<BufferDeletion> deletions;
};

// Every number in `text` ("&70", "{3, 4}").
std::vector<unsigned> Numbers(const std::string& text)
{
    std::vector<unsigned> numbers;
    const std::regex number("[0-9]+");
    for (std::sregex_iterator it(text.begin(), text.end(), number), end; it != end; ++it)
        numbers.push_back(unsigned(std::stoul(it->str())));
    return numbers;
}

// The trace's glGenBuffers, glBindBuffer* and glDeleteBuffers calls, from the lines
// that `apitrace dump` writes for them ("16549 glGenBuffers(n = 1, buffers = &70)").
BufferCalls ReadBufferCalls(const std::string& dumpLines)
{
    const std::regex call("^([0-9]+) gl(Gen|Bind|Delete)Buffer[A-Za-z]*\\((.*)\\)$");
    const std::regex boundName("buffer = ([0-9]+)");
    BufferCalls calls;
    std::istringstream lines(dumpLines);
    std::smatch match, argument;
    for (std::string line; std::getline(lines, line);)
    {
        if (!std::regex_match(line, match, call))
            continue;
        const std::string verb = match[2], arguments = match[3];
        if (verb == "Bind" && std::regex_search(arguments, argument, boundName))
            calls.bound.insert(unsigned(std::stoul(argument[1])));
        if (verb == "Bind")
            continue;
        for (unsigned name : Numbers(arguments.substr(arguments.find("buffers = "))))
            if (verb == "Gen")
                calls.generated.insert(name);
            else
                calls.deletions.push_back({std::stol(match[1]), name});
    }
    return calls;
}

// The deletions of buffers that were generated but never bound.
std::vector<BufferDeletion> NeverBoundDeletions(const BufferCalls& calls)
{
    std::vector<BufferDeletion> neverBound;
    for (const BufferDeletion& deletion : calls.deletions)
        if (calls.generated.count(deletion.name) != 0 && calls.bound.count(deletion.name) == 0)
            neverBound.push_back(deletion);
    return neverBound;
}

// What the replay warns about each deletion of a buffer that was never bound. Before a
// buffer is deleted, the replayer asks for its map pointer (glGetNamedBufferPointerv),
// to unmap it if it is mapped. A name from glGenBuffers that was never bound names no
// buffer object yet, so that question fails with GL_INVALID_OPERATION, which the
// replayer then reads back as glDeleteBuffers' error. The recorded program made no
// error: deleting such a name is allowed.
std::string NeverBoundWarnings(const std::vector<BufferDeletion>& deletions)
{
    std::string lines;
    for (const BufferDeletion& deletion : deletions)
        lines += FormatString("%ld: message: major api error 1: GL_INVALID_OPERATION in glGetNamedBufferPointerv("
                              "non-existent buffer object %u)\n%ld: warning: glGetError(glDeleteBuffers) = "
                              "GL_INVALID_OPERATION\n",
                              deletion.call, deletion.name, deletion.call);
    return lines;
}

// Our frame within the replay's larger window: its bottom-left corner, where GL's origin is.
RgbImage ReplayedFrame(const RgbImage& snapshot)
{
    return CroppedImage(snapshot, {0, snapshot.height - windowHeight, windowWidth, windowHeight});
}

class CallStreamReplayTest : public ::testing::TestWithParam<ReplayCase>
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("kestrune-trace-" + std::to_string(::getpid()) + "-" + GetParam().recordOn);
        fs::remove_all(dir);
        fs::create_directories(dir / "runtime");
        // zink's Vulkan loader wants a runtime folder that only its user can enter.
        fs::permissions(dir / "runtime", fs::perms::owner_all);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string Path(const std::string& name) const { return "'" + (dir / name).string() + "'"; }

    // `command` on `driver`, on an X server of its own.
    std::string OnDriver(const std::string& driver, const std::string& command) const
    {
        return OnOwnDisplay("env GALLIUM_DRIVER=" + driver + " LIBGL_ALWAYS_SOFTWARE=1 XDG_RUNTIME_DIR=" +
                            Path("runtime") + " " + command);
    }

    // Records the capture's calls on this case's driver.
    void Record()
    {
        const ProcessResult trace = RunProcess(
            OnDriver(GetParam().recordOn, "apitrace trace --output " + Path("calls.trace") +
                                              " ./kestrune-capture --frames " + std::to_string(frames) +
                                              " --hide-ui --out " + Path("capture.png")),
            binDir, timeoutSeconds);
        ASSERT_EQ(trace.exitCode, 0) << trace.output;
        ASSERT_NE(trace.output.find("GL renderer: " + GetParam().recordOn), std::string::npos) << trace.output;
    }

    // The deletions of buffers that the recorded calls never bound.
    std::vector<BufferDeletion> NeverBound() const
    {
        const ProcessResult dump = RunProcess("apitrace dump --color=never " + Path("calls.trace") +
                                                  " | grep -E '^[0-9]+ gl(Gen|Bind|Delete)Buffer'",
                                              binDir, timeoutSeconds);
        return NeverBoundDeletions(ReadBufferCalls(dump.output));
    }

    // The last of the replay's snapshots, one per frame; nothing unless there is one per frame.
    std::optional<RgbImage> LastSnapshot() const
    {
        std::set<fs::path> snapshots;
        for (const fs::directory_entry& entry : fs::directory_iterator(dir))
            if (entry.path().filename().string().rfind("snapshot-", 0) == 0)
                snapshots.insert(entry.path());
        if (snapshots.size() != size_t(frames))
            return std::nullopt;
        return ReadRgbImage(snapshots.rbegin()->string());
    }

    // Compares the captured frame with the replayed one, within this case's limits.
    void ExpectReplayedFrame()
    {
        const std::optional<RgbImage> capture = ReadRgbImage((dir / "capture.png").string());
        const std::optional<RgbImage> snapshot = LastSnapshot();
        ASSERT_TRUE(capture && capture->width == windowWidth && capture->height == windowHeight);
        ASSERT_TRUE(snapshot && snapshot->width >= windowWidth && snapshot->height >= windowHeight);
        const ImageDifference difference =
            CompareImages(*capture, ReplayedFrame(*snapshot), {}, offThreshold);
        const ReplayCase& param = GetParam();
        const std::string figures = FormatString(
            "recorded on %s, replayed on %s: mean absolute difference %.5f (at most %g), %.4f%% of pixels off "
            "by more than %d (at most %g%%), largest %d",
            param.recordOn.c_str(), param.replayOn.c_str(), difference.meanAbsolute, param.maxMeanAbsolute,
            difference.percentOver, offThreshold, param.maxPercentOver, difference.largest);
        if (difference.meanAbsolute <= param.maxMeanAbsolute && difference.percentOver <= param.maxPercentOver)
            std::printf("%s\n", figures.c_str());
        else
            ADD_FAILURE() << figures;
    }

    fs::path dir;
};

TEST_P(CallStreamReplayTest, ReplaysToTheCapturedFrame)
{
    ASSERT_EQ(RunProcess("which apitrace", binDir, 10).exitCode, 0)
        << "apitrace is missing: run scripts/install-deps.sh";
    Record();
    if (HasFatalFailure())
        return;

    const ProcessResult leaks = RunProcess("apitrace leaks " + Path("calls.trace"), binDir, timeoutSeconds);
    EXPECT_EQ(leaks.exitCode, 0);
    EXPECT_EQ(leaks.output, "") << "objects never deleted";

    const std::vector<BufferDeletion> neverBound = NeverBound();
    // The interface's vertex and index buffers: with the interface hidden, its backend
    // makes them at start-up but never draws, so never binds them, and deletes them at the end.
    EXPECT_EQ(neverBound.size(), 2u);
    const ProcessResult replay =
        RunProcess(OnDriver(GetParam().replayOn, "apitrace replay --snapshot=frame --snapshot-prefix=" +
                                                     Path("snapshot-") + " " + Path("calls.trace")),
                   binDir, timeoutSeconds);
    ASSERT_EQ(replay.exitCode, 0) << replay.output;
    EXPECT_EQ(ErrorLines(replay.output), NeverBoundWarnings(neverBound)) << replay.output;
    ExpectReplayedFrame();
}

INSTANTIATE_TEST_SUITE_P(Drivers, CallStreamReplayTest, ::testing::ValuesIn(cases),
                         [](const ::testing::TestParamInfo<ReplayCase>& info) {
                             return info.param.recordOn + "_on_" + info.param.replayOn;
                         });
}
