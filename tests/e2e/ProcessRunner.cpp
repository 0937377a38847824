#include "ProcessRunner.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <csignal>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace
{
int counter = 0;

std::string ReadFile(const std::string& path)
{
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}
}

BackgroundProcess::BackgroundProcess(const std::string& command, const std::string& workingDir)
{
    outputPath = "/tmp/kestrune-e2e-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".log";
    const std::string shell = "cd '" + workingDir + "' && exec " + command + " >'" + outputPath + "' 2>&1";
    pid = ::fork();
    if (pid == 0)
    {
        ::setpgid(0, 0);
        ::execl("/bin/sh", "sh", "-c", shell.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
}

BackgroundProcess::~BackgroundProcess()
{
    if (!finished && pid > 0)
    {
        ::kill(-pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    ::unlink(outputPath.c_str());
}

bool BackgroundProcess::Running()
{
    if (finished)
        return false;
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) != pid)
        return true;
    finished = true;
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return false;
}

ProcessResult BackgroundProcess::Wait(int timeoutSeconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeoutSeconds);
    while (Running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    if (Running())
    {
        ::kill(-pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
        finished = true;
        result.timedOut = true;
        result.exitCode = -1;
    }
    result.output = ReadFile(outputPath);
    return result;
}

ProcessResult RunProcess(const std::string& command, const std::string& workingDir, int timeoutSeconds)
{
    BackgroundProcess process(command, workingDir);
    return process.Wait(timeoutSeconds);
}

std::string OnOwnDisplay(const std::string& command)
{
    return "sh '" KESTRUNE_SOURCE_DIR "/tests/own-display.sh' " + command;
}

std::string ErrorLines(const std::string& output)
{
    std::stringstream lines(output);
    std::string line, found;
    while (std::getline(lines, line))
    {
        std::string lower = line;
        std::transform(lower.begin(), lower.end(), lower.begin(), [](unsigned char c) { return std::tolower(c); });
        for (const char* word : {"error", "not supported", "failed", "warning", "unable"})
            if (lower.find(word) != std::string::npos)
            {
                found += line + "\n";
                break;
            }
    }
    return found;
}
