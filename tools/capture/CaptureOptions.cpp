#include "CaptureOptions.h"

#include <SDL2/SDL.h>
#include <sstream>

#include "core/NumberText.h"
#include "effects/SettingPresets.h"
#include "core/FormatString.h"

namespace
{
// --time-of-day takes what --set timeOfDay takes.
std::string TimeOfDayRange()
{
    const SettingLimit& limit = *FindSetting("timeOfDay")->limit;
    return FormatString("%.0f..%.0f", limit.minimum, limit.maximum);
}

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

// The orbit camera keeps its pitch within 5..70 degrees and its distance within
// 10..100; a pose outside them would be changed behind the user's back.
std::string CameraPoseProblem(const CameraPose& pose)
{
    if (!(pose.pitch >= 5.0f && pose.pitch <= 70.0f))
        return "camera pitch must be from 5 to 70 degrees";
    if (!(pose.distance >= 10.0f && pose.distance <= 100.0f))
        return "camera distance must be from 10 to 100";
    return "";
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

// X,Y:FRAME with the pixel inside the 1600 x 900 window.
bool ParseClick(const std::string& text, MouseClick& click)
{
    const std::vector<std::string> parts = Split(text, ':');
    if (parts.size() != 2)
        return false;
    const std::vector<std::string> pixel = Split(parts[0], ',');
    return pixel.size() == 2 && ParseWholeInt(pixel[0], 0, 1599, click.x) && ParseWholeInt(pixel[1], 0, 899, click.y) &&
           ParseInt(parts[1], 1, click.frame);
}

bool ParseSetting(const std::string& text, CaptureOptions& options, std::string& error)
{
    const std::optional<SettingOverride> setting = ParseSettingOverride(text, error);
    if (setting)
        options.settings.push_back(*setting);
    return setting.has_value();
}

bool ParsePresetName(const std::string& name, CaptureOptions& options, std::string& error)
{
    const SettingPreset* preset = FindPreset(name);
    if (preset == nullptr)
    {
        error = "unknown preset '" + name + "' (accepted: " + PresetNames() + ")";
        return false;
    }
    const std::optional<std::vector<SettingOverride>> values = ParsePreset(*preset, error);
    if (values)
        options.presetSettings = *values;
    return values.has_value();
}

// Applies one option that takes a value; false when the value is malformed,
// with `error` set where the option has more to say than "bad value".
bool ApplyValue(const std::string& option, const std::string& value, CaptureOptions& options, std::string& error)
{
    if (option == "--set")
        return ParseSetting(value, options, error);
    if (option == "--preset")
        return ParsePresetName(value, options, error);
    if (option == "--frames")
        return ParseInt(value, 1, options.frames);
    if (option == "--warmup")
        return ParseInt(value, 0, options.warmup);
    if (option == "--step-ms")
        return ParseInt(value, 0, options.stepMs);
    if (option == "--mark-ms")
        return ParseWholeInt(value, 0, CaptureOptions::kMaxMarkMs, options.markMs.emplace());
    if (option == "--out")
        return !(options.outPng = value).empty();
    if (option == "--report")
        return !(options.reportJson = value).empty();
    if (option == "--dump-textures")
        return !(options.dumpTexturesDir = value).empty();
    if (option == "--dump-shaders")
        return !(options.dumpShadersDir = value).empty();
    if (option == "--frame-graph")
        return !(options.frameGraph = value).empty();
    if (option == "--time-of-day")
    {
        float degrees = 0.0f;
        if (!ParseWholeFloat(value, degrees))
            return false;
        if (!SettingLimitProblem(*FindSetting("timeOfDay"), double(degrees)).empty())
            error = "time of day '" + value + "' is beyond " + TimeOfDayRange() + " degrees";
        options.timeOfDay = degrees;
        return error.empty();
    }
    if (option == "--camera")
    {
        CameraPose pose;
        if (!ParseCamera(value, pose))
            return false;
        error = CameraPoseProblem(pose);
        options.camera = pose;
        return error.empty();
    }
    if (option == "--click")
    {
        MouseClick click;
        if (!ParseClick(value, click))
            return false;
        options.clicks.push_back(click);
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
    for (const char* name : {"--frames", "--warmup", "--step-ms", "--mark-ms", "--time-of-day", "--camera", "--hold",
                             "--click", "--out", "--report", "--set", "--preset", "--dump-textures", "--dump-shaders",
                             "--frame-graph"})
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
        else if (option == "--floor")
            options.floor = true;
        else if (option == "--gl-debug")
            options.glDebug = true;
        else if (option == "--full-lit-program")
            options.fullLitProgram = true;
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
    if (options.floor && !options.bench)
    {
        error = "--floor needs --bench";
        return std::nullopt;
    }
    return options;
}

std::string CaptureUsage()
{
    return "Usage: kestrune-capture [options]\n"
           "Runs Kestrune's real application and scene for a number of frames on a fixed\n"
           "clock step and writes the last frame, as drawn before the buffer swap, to a PNG.\n"
           "Run it with the runnable layout (the folder holding Resources/) as working directory.\n"
           "Profiler marks keep real time, so the Info window's profiler shows what each stage\n"
           "took, unless --mark-ms steps them too. imgui.ini is neither read nor written, so\n"
           "the windows always have their first-use layout.\n"
           "\n"
           "  --frames N               measured frames to render (default 1)\n"
           "  --warmup N               frames rendered first and left out of the report (default 0)\n"
           "  --step-ms MS             clock step per frame in milliseconds (default 16)\n"
           "  --mark-ms MS             each profiler mark reads the clock MS milliseconds (0 to\n"
           "                           60000) after the mark before it, so every stage takes MS:\n"
           "                           the Info window's profiler is the same on every run\n"
           "  --time-of-day DEG        sun angle in degrees, set after start-up\n"
           "                           (within " + TimeOfDayRange() + ")\n"
           "  --camera YAW,PITCH,DIST  orbit camera pose in degrees and distance (pitch 5..70,\n"
           "                           distance 10..100)\n"
           "  --hold KEY:FIRST:LAST    hold a key (SDL scancode name: X, W, F1, ...) from frame\n"
           "                           FIRST to LAST, counted from 1 over all frames; repeatable\n"
           "  --click X,Y:FRAME        left-click window pixel X,Y (0..1599, 0..899, from the\n"
           "                           top left) at the start of frame FRAME: the pointer moves\n"
           "                           there and stays; press and release arrive as SDL events,\n"
           "                           so the interface sees the release on the next frame;\n"
           "                           repeatable\n"
           "  --set NAME=VALUE[@FRAME] set a render setting after start-up, or at the start of\n"
           "                           frame FRAME (counted as --hold counts); repeatable, later\n"
           "                           ones win. NAME is the setting's name in CRenderSettings,\n"
           "                           pointLight.NAME for the first point light (the table\n"
           "                           lamp, which the Lights section edits), or particles.NAME\n"
           "                           for the scene's particle settings (the start-up snowfall\n"
           "                           has run with the defaults by then; the flakes' size, read\n"
           "                           when the snow starts, is refused):\n" +
           NameList("numbers", SettingNames(SettingType::Float)) +
           NameList("integers", SettingNames(SettingType::Integer)) +
           NameList("0, 1, true or false", SettingNames(SettingType::Switch)) +
           NameList("X,Y", SettingNames(SettingType::Vector2)) +
           NameList("X,Y,Z", SettingNames(SettingType::Vector3)) +
           "  --preset NAME            set a quality preset's values before start-up (the targets\n"
           "                           and maps are made at its sizes) and again after it, before\n"
           "                           any --set; a later --preset replaces an earlier one:\n"
           "                           " + PresetNames() + "\n" +
           "  --hide-ui                do not draw the user interface\n"
           "  --bench                  finish the GPU work of each stage before its mark, so stage\n"
           "                           times are real, and print frame-time statistics; also\n"
           "                           time each stage on the GPU with timestamp queries (the\n"
           "                           report's gpu_stage_ms)\n"
           "  --floor                  with --bench: before each frame draw the raster floor, the\n"
           "                           frame's own draw list with shading that costs nothing\n"
           "                           (post-processing as full-screen quads that copy a texel),\n"
           "                           and print each stage group's time against it\n"
           "  --out FILE.png           where to write the final frame, as a PNG (or a JPEG when FILE\n"
           "                           ends in .jpg); default: no image\n"
           "  --report FILE.json       write start-up time, peak resident memory, per-frame times\n"
           "                           and stage marks, every 100 frames resident memory and live\n"
           "                           GL objects, and with --floor the floor's figures\n"
           "  --dump-textures DIR      after the last frame, write every registered render texture\n"
           "                           but \"None\" to DIR (made if missing) as KEY.png, spaces in\n"
           "                           the key as '_' (\"Depth texture\" -> Depth_texture.png);\n"
           "                           values clamped to 0..1, depth scaled to fill the range\n"
           "  --gl-debug               ask for a debug OpenGL context and print every message the\n"
           "                           driver reports, with its source, type and severity\n"
           "  --dump-shaders DIR       write every shader stage exactly as it goes to OpenGL to\n"
           "                           DIR (made if missing), named after its file (a variant's\n"
           "                           defines before the extension: lightShadows.LIT_SUN.frag)\n"
           "  --frame-graph FILE.dot   after the last frame, write its passes in order as a\n"
           "                           Graphviz graph: each pass with its programs, the images\n"
           "                           it reads and the targets it writes (size and format),\n"
           "                           with --bench each pass's GPU time (the interface's own\n"
           "                           draws are not seen)\n"
           "  --full-lit-program       draw every lit object with the lit program's full variant\n"
           "                           (sun, lamps and alpha test), whatever the light: the\n"
           "                           picture that the variants must match\n"
           "  --help                   show this text\n";
}
