#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

#include "ProcessRunner.h"

namespace
{
const std::string binDir = KESTRUNE_BIN_DIR;

// Polls for the process's window with exactly this title, once it is shown;
// returns its id or "".
std::string FindWindow(const std::string& title, BackgroundProcess& process, int timeoutSeconds)
{
    const std::string search =
        "xdotool search --all --onlyvisible --pid " + std::to_string(process.Pid()) + " --name '^" + title + "$'";
    for (int i = 0; i < timeoutSeconds * 4 && process.Running(); ++i)
    {
        const ProcessResult found = RunProcess(search, "/", 10);
        if (found.exitCode == 0 && !found.output.empty())
            return found.output.substr(0, found.output.find('\n'));
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    return "";
}

// Focuses the window and types `key` into it until the program exits, at most
// `tries` times a second apart: a key that arrives before the window has the
// focus is lost, however long the program took to get there.
ProcessResult PressUntilExit(const std::string& window, const std::string& key, BackgroundProcess& program, int tries)
{
    for (int i = 0; i < tries && program.Running(); ++i)
    {
        RunProcess("xdotool windowfocus --sync " + window + " key " + key, "/", 10);
        for (int wait = 0; wait < 10 && program.Running(); ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return program.Wait(1);
}

// Starts the program in `dir`, checks its window once it is shown, presses F1
// (hiding the interface) and then Escape, and waits for the exit.
ProcessResult RunUntilEscape(const std::string& dir, std::string& geometry)
{
    BackgroundProcess program(binDir + "/kestrune", dir);
    const std::string window = FindWindow("Kestrune", program, 60);
    if (window.empty())
        return program.Wait(1);
    geometry = RunProcess("xdotool getwindowgeometry " + window, "/", 10).output;
    RunProcess("xdotool windowfocus --sync " + window + " key F1", "/", 10);
    return PressUntilExit(window, "Escape", program, 60);
}

// A folder with the runnable layout's data set linked in, but fonts of its own.
std::filesystem::path LinkedResources(const std::string& name)
{
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("kestrune-" + name + "-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir / "Resources" / "fonts");
    for (const fs::directory_entry& entry : fs::directory_iterator(binDir + "/Resources"))
        if (entry.path().filename() != "fonts")
            fs::create_directory_symlink(entry.path(), dir / "Resources" / entry.path().filename());
    return dir;
}
}

TEST(ProgramTest, OpensItsWindowAndExitsCleanlyOnEscape)
{
    std::string geometry;
    const ProcessResult result = RunUntilEscape(binDir, geometry);
    EXPECT_NE(geometry.find("1600x900"), std::string::npos) << geometry;
    EXPECT_FALSE(result.timedOut) << "Escape did not end it\n" << result.output;
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(ErrorLines(result.output), "");
}

TEST(ProgramTest, StartsInAReadOnlyFolderWithDamagedFonts)
{
    namespace fs = std::filesystem;
    const fs::path dir = LinkedResources("readonly");
    // Garbage for the interface font, the text font cut short.
    std::ofstream(dir / "Resources/fonts/DroidSans.ttf") << std::string(3000, '\x5a');
    std::ifstream font(binDir + "/Resources/fonts/OpenSans-Regular.ttf", std::ios::binary);
    std::string head(20000, '\0');
    font.read(head.data(), std::streamsize(head.size()));
    std::ofstream(dir / "Resources/fonts/OpenSans-Regular.ttf", std::ios::binary) << head;
    // No layout file can be written: the folder is read-only, and for a user
    // who may write anyway the name is taken by a folder.
    fs::create_directory(dir / "imgui.ini");
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                             fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    std::string geometry;
    const ProcessResult result = RunUntilEscape(dir.string(), geometry);
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_TRUE(fs::is_directory(dir / "imgui.ini"));
    fs::remove_all(dir);
    EXPECT_NE(geometry.find("1600x900"), std::string::npos) << result.output;
    EXPECT_FALSE(result.timedOut) << result.output;
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_NE(result.output.find("using the built-in font"), std::string::npos) << result.output;
}

TEST(ProgramTest, FindsItsDataSetFromAnyFolderAndSaysWhenThereIsNone)
{
    namespace fs = std::filesystem;
    const fs::path empty = fs::temp_directory_path() / ("kestrune-noresources-" + std::to_string(::getpid()));
    fs::create_directories(empty);
    // Started where there is no Resources folder, it uses the one beside itself.
    std::string geometry;
    const ProcessResult elsewhere = RunUntilEscape(empty.string(), geometry);
    EXPECT_NE(geometry.find("1600x900"), std::string::npos) << elsewhere.output;
    EXPECT_EQ(elsewhere.exitCode, 0) << elsewhere.output;
    EXPECT_EQ(elsewhere.output.find("Error loading"), std::string::npos) << elsewhere.output;
    EXPECT_EQ(elsewhere.output.find("Unable to open"), std::string::npos) << elsewhere.output;

    // A copy of the program alone in a folder finds no data set anywhere: one line, no window.
    fs::copy_file(binDir + "/kestrune", empty / "kestrune");
    const ProcessResult nowhere = RunProcess("./kestrune", empty.string(), 30);
    fs::remove_all(empty);
    EXPECT_EQ(nowhere.exitCode, 1) << nowhere.output;
    EXPECT_EQ(std::count(nowhere.output.begin(), nowhere.output.end(), '\n'), 1) << nowhere.output;
    EXPECT_EQ(nowhere.output.rfind("kestrune: no Resources folder in the working directory (", 0), 0u)
        << nowhere.output;
    EXPECT_NE(nowhere.output.find("run it as build/bin/kestrune"), std::string::npos) << nowhere.output;
}
