#pragma once

#include <string>

struct ProcessResult
{
    int exitCode = -1;     // -1 when it did not exit by itself in time
    bool timedOut = false;
    std::string output;    // stdout and stderr together
};

// Runs `command` through the shell in `workingDir`, killing it after `timeoutSeconds`.
ProcessResult RunProcess(const std::string& command, const std::string& workingDir, int timeoutSeconds);

// A process left running in the background until Wait() or destruction.
class BackgroundProcess
{
public:
    BackgroundProcess(const std::string& command, const std::string& workingDir);
    ~BackgroundProcess();
    bool Running();
    ProcessResult Wait(int timeoutSeconds);
    int Pid() const { return pid; }

private:
    int pid = -1;
    std::string outputPath;
    ProcessResult result;
    bool finished = false;
};

// `command` wrapped to run on an X server of its own (tests/own-display.sh).
std::string OnOwnDisplay(const std::string& command);

// Lines of `output` that look like failures ("error", "not supported", "failed", "warning").
std::string ErrorLines(const std::string& output);
