#include "CaptureOptions.h"

#include <SDL2/SDL.h>
#include <sstream>

#include "NumberText.h"

namespace
{
bool ParseInt(const std::string& text, int minimum, int& out)
{
    return ParseWholeInt(text, minimum, 1000000, out);
}

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    std::string part;
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    return parts;
}

bool ParseCamera(const std::string& text, CameraPose& pose)
{
    const std::vector<std::string> parts = Split(text, ',');
    return parts.size() == 3 && ParseWholeFloat(parts[0], pose.yaw) && ParseWholeFloat(parts[1], pose.pitch) &&
           ParseWholeFloat(parts[2], pose.distance);
}

bool ParseHeldKey(const std::string& text, HeldKey& key)
{
    const std::vector<std::string> parts = Split(text, ':');
    if (parts.size() != 3)
        return false;
    key.scancode = SDL_GetScancodeFromName(parts[0].c_str());
    return key.scancode != SDL_SCANCODE_UNKNOWN && ParseInt(parts[1], 1, key.firstFrame) &&
           ParseInt(parts[2], key.firstFrame, key.lastFrame);
}

bool ParseSetting(const std::string& text, CaptureOptions& options, std::string& error)
{
    const std::optional<SettingOverride> setting = ParseSettingOverride(text, error);
    if (setting)
        options.settings.push_back(*setting);
    return setting.has_value();
}

// Applies one option that takes a value; false when the value is malformed,
// with `error` set where the option has more to say than "bad value".
bool ApplyValue(const std::string& option, const std::string& value, CaptureOptions& options, std::string& error)
{
    if (option == "--set")
        return ParseSetting(value, options, error);
    if (option == "--frames")
        return ParseInt(value, 1, options.frames);
    if (option == "--warmup")
        return ParseInt(value, 0, options.warmup);
    if (option == "--step-ms")
        return ParseInt(value, 0, options.stepMs);
    if (option == "--out")
        return !(options.outPng = value).empty();
    if (option == "--report")
        return !(options.reportJson = value).empty();
    if (option == "--dump-textures")
        return !(options.dumpTexturesDir = value).empty();
    if (option == "--time-of-day")
    {
        float degrees = 0.0f;
        if (!ParseWholeFloat(value, degrees))
            return false;
        options.timeOfDay = degrees;
        return true;
    }
    if (option == "--camera")
    {
        CameraPose pose;
        if (!ParseCamera(value, pose))
            return false;
        options.camera = pose;
        return true;
    }
    HeldKey key;
    if (!ParseHeldKey(value, key))
        return false;
    options.heldKeys.push_back(key);
    return true;
}

// "  label: a, b, c" wrapped to 80 columns under the option descriptions.
std::string NameList(const std::string& label, const std::vector<std::string>& names)
{
    const std::string indent(27, ' ');
    std::string text;
    std::string line = indent + label + ":";
    for (size_t i = 0; i < names.size(); ++i)
    {
        const std::string word = " " + names[i] + (i + 1 < names.size() ? "," : "");
        if (line.size() + word.size() > 80)
        {
            text += line + "\n";
            line = indent + " ";
        }
        line += word;
    }
    return text + line + "\n";
}

bool TakesValue(const std::string& option)
{
    for (const char* name : {"--frames", "--warmup", "--step-ms", "--time-of-day", "--camera", "--hold", "--out",
                             "--report", "--set", "--dump-textures"})
        if (option == name)
            return true;
    return false;
}
}

std::optional<CaptureOptions> ParseCaptureOptions(int argc, char** argv, std::string& error)
{
    CaptureOptions options;
    for (int i = 1; i < argc; ++i)
    {
        const std::string option = argv[i];
        if (option == "--help" || option == "-h")
            options.help = true;
        else if (option == "--hide-ui")
            options.hideUi = true;
        else if (option == "--bench")
            options.bench = true;
        else if (!TakesValue(option))
        {
            error = "unknown option '" + option + "'";
            return std::nullopt;
        }
        else if (i + 1 >= argc)
        {
            error = "option '" + option + "' needs a value";
            return std::nullopt;
        }
        else if (!ApplyValue(option, argv[++i], options, error))
        {
            if (error.empty())
                error = "bad value '" + std::string(argv[i]) + "' for " + option;
            return std::nullopt;
        }
    }
    return options;
}

std::string CaptureUsage()
{
    return "Usage: kestrune-capture [options]\n"
           "Runs Kestrune's real application and scene for a number of frames on a fixed\n"
           "clock step and writes the last frame, as drawn before the buffer swap, to a PNG.\n"
           "Run it with the runnable layout (the folder holding Resources/) as working directory.\n"
           "\n"
           "  --frames N               measured frames to render (default 1)\n"
           "  --warmup N               frames rendered first and left out of the report (default 0)\n"
           "  --step-ms MS             clock step per frame in milliseconds (default 16)\n"
           "  --time-of-day DEG        sun angle in degrees, set after start-up\n"
           "  --camera YAW,PITCH,DIST  orbit camera pose in degrees and distance\n"
           "  --hold KEY:FIRST:LAST    hold a key (SDL scancode name: X, W, F1, ...) from frame\n"
           "                           FIRST to LAST, counted from 1 over all frames; repeatable\n"
           "  --set NAME=VALUE[@FRAME] set a render setting after start-up, or at the start of\n"
           "                           frame FRAME (counted as --hold counts); repeatable, later\n"
           "                           ones win. NAME is the setting's name in CRenderSettings:\n" +
           NameList("numbers", SettingNames(SettingType::Float)) +
           NameList("integers", SettingNames(SettingType::Integer)) +
           NameList("0, 1, true or false", SettingNames(SettingType::Switch)) +
           "  --hide-ui                do not draw the user interface\n"
           "  --bench                  finish the GPU work of each stage before its mark, so stage\n"
           "                           times are real, and print frame-time statistics\n"
           "  --out FILE.png           where to write the final frame (default: no image)\n"
           "  --report FILE.json       write start-up time, per-frame times and stage marks\n"
           "  --dump-textures DIR      after the last frame, write every registered render texture\n"
           "                           but \"None\" to DIR (made if missing) as KEY.png, spaces in\n"
           "                           the key as '_' (\"Depth texture\" -> Depth_texture.png);\n"
           "                           values clamped to 0..1, depth scaled to fill the range\n"
           "  --help                   show this text\n";
}
