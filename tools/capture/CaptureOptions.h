#pragma once

#include <optional>
#include <string>
#include <vector>

#include "effects/SettingOverrides.h"

// A key held down over a range of frames (frames count from 1, both ends included).
struct HeldKey
{
    int scancode = 0;
    int firstFrame = 1;
    int lastFrame = 1;
};

// A left-button press and release at a window pixel, delivered at the start of a frame (from 1).
struct MouseClick
{
    int x = 0;
    int y = 0;
    int frame = 1;
};

struct CameraPose
{
    float yaw = 0.0f;
    float pitch = 0.0f;
    float distance = 0.0f;
};

struct CaptureOptions
{
    int frames = 1;
    int warmup = 0;
    int stepMs = 16;
    std::optional<int> markMs; // each profiler mark this far past the one before, not real time
    static constexpr int kMaxMarkMs = 60000;
    std::optional<float> timeOfDay;
    std::optional<CameraPose> camera;
    std::vector<HeldKey> heldKeys;
    std::vector<SettingOverride> presetSettings; // --preset's values, set before any --set
    std::vector<SettingOverride> settings;
    std::vector<MouseClick> clicks;
    bool hideUi = false;
    bool bench = false;
    bool floor = false;
    std::string outPng;
    std::string reportJson;
    std::string dumpTexturesDir;
    std::string dumpShadersDir;
    std::string frameGraph; // where --frame-graph writes the last frame's passes
    bool glDebug = false;
    bool fullLitProgram = false; // every lit draw takes the full variant
    bool help = false;
};

// Parses the command line; on a bad argument returns nothing and sets `error`.
std::optional<CaptureOptions> ParseCaptureOptions(int argc, char** argv, std::string& error);
std::string CaptureUsage();
