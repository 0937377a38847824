#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

#include "ProcessRunner.h"

namespace
{
const std::string binDir = KESTRUNE_BIN_DIR;

// Polls for the process's window with exactly this title; returns its id or "".
std::string FindWindow(const std::string& title, BackgroundProcess& process, int timeoutSeconds)
{
    const std::string search =
        "xdotool search --all --pid " + std::to_string(process.Pid()) + " --name '^" + title + "$'";
    for (int i = 0; i < timeoutSeconds * 4 && process.Running(); ++i)
    {
        const ProcessResult found = RunProcess(search, "/", 10);
        if (found.exitCode == 0 && !found.output.empty())
            return found.output.substr(0, found.output.find('\n'));
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    return "";
}

// Starts the program in `dir`, checks its window, presses Escape and waits for the exit.
ProcessResult RunUntilEscape(const std::string& dir, std::string& geometry)
{
    BackgroundProcess program(binDir + "/kestrune", dir);
    const std::string window = FindWindow("Kestrune", program, 60);
    if (window.empty())
        return program.Wait(1);
    geometry = RunProcess("xdotool getwindowgeometry " + window, "/", 10).output;
    std::this_thread::sleep_for(std::chrono::seconds(2)); // let it render a few frames
    RunProcess("xdotool windowfocus " + window + " key Escape", "/", 10);
    return program.Wait(60);
}
}

TEST(Program, OpensItsWindowAndExitsCleanlyOnEscape)
{
    std::string geometry;
    const ProcessResult result = RunUntilEscape(binDir, geometry);
    EXPECT_NE(geometry.find("1600x900"), std::string::npos) << geometry;
    EXPECT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(ErrorLines(result.output), "");
}

TEST(Program, KeepsRunningWithoutItsResourcesFolder)
{
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("kestrune-noresources-" + std::to_string(::getpid()));
    std::filesystem::create_directories(empty);
    std::string geometry;
    const ProcessResult result = RunUntilEscape(empty.string(), geometry);
    std::filesystem::remove_all(empty);
    EXPECT_NE(geometry.find("1600x900"), std::string::npos) << result.output;
    EXPECT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitCode, 0) << result.output;
}
