#include "ReferenceList.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <sstream>

namespace
{
const std::vector<std::string> knownDrivers = {"llvmpipe", "softpipe", "zink"};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; std::getline(stream, part, separator);)
        parts.push_back(part);
    return parts;
}

bool IsName(const std::string& text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) {
        return std::isalnum(c) || c == '-' || c == '_';
    });
}

bool IsDriver(const std::string& text)
{
    return std::find(knownDrivers.begin(), knownDrivers.end(), text) != knownDrivers.end();
}

// A whole non-negative number or decimal, nothing else.
std::optional<double> Number(const std::string& text)
{
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos)
        return std::nullopt;
    try
    {
        return std::stod(text);
    }
    catch (...)
    {
        return std::nullopt;
    }
}

std::optional<PixelRect> Rect(const std::string& text)
{
    const std::vector<std::string> parts = Split(text, ',');
    if (parts.size() != 4 || !std::all_of(parts.begin(), parts.end(), [](const std::string& part) {
            return !part.empty() && part.size() <= 5 && part.find_first_not_of("0123456789") == std::string::npos;
        }))
        return std::nullopt;
    return PixelRect{std::stoi(parts[0]), std::stoi(parts[1]), std::stoi(parts[2]), std::stoi(parts[3])};
}

// Even corners and sizes keep a crop's 2 x 2 blocks those of the whole frame.
bool EvenAndWhole(const PixelRect& rect)
{
    return rect.x % 2 == 0 && rect.y % 2 == 0 && rect.width % 2 == 0 && rect.height % 2 == 0 && rect.width >= 32 &&
           rect.height >= 32;
}

std::string ParseView(std::istringstream& words, ReferenceList& list)
{
    ReferenceView view;
    std::string drivers;
    words >> view.name >> drivers;
    if (!IsName(view.name) || list.FindView(view.name) != nullptr)
        return "a view needs a new name of letters, digits, '-' and '_'";
    view.drivers = Split(drivers, ',');
    if (view.drivers.empty() || view.drivers.front() != "llvmpipe" ||
        !std::all_of(view.drivers.begin(), view.drivers.end(), IsDriver))
        return "drivers must be llvmpipe, then any of softpipe and zink, separated by commas";
    for (std::string word; words >> word;)
    {
        if (word.rfind("crop=", 0) == 0)
        {
            view.crop = Rect(word.substr(5));
            if (!view.crop || !EvenAndWhole(*view.crop))
                return "a crop is written crop=X,Y,WIDTH,HEIGHT, each even, the size at least 32 x 32";
        }
        else if (word.rfind("mask=", 0) == 0)
        {
            const std::optional<PixelRect> mask = Rect(word.substr(5));
            if (!mask)
                return "a mask is written mask=X,Y,WIDTH,HEIGHT";
            view.masks.push_back(*mask);
        }
        else if (word == "--out")
            return "the capture's --out is the test's to choose";
        else
            view.arguments += (view.arguments.empty() ? "" : " ") + word;
    }
    list.views.push_back(view);
    return "";
}

std::string ParseTolerance(std::istringstream& words, ReferenceList& list)
{
    std::string target, mean, percent, block, extra;
    words >> target >> mean >> percent >> block >> extra;
    const std::vector<std::string> parts = Split(target, '/');
    const std::optional<double> meanValue = Number(mean);
    const std::optional<double> percentValue = Number(percent);
    const std::optional<double> blockValue = Number(block);
    if (parts.empty() || parts.size() > 2 || !IsDriver(parts[0]) || !meanValue || !percentValue || !blockValue ||
        !extra.empty())
        return "a tolerance is written DRIVER[/VIEW] MEAN PERCENT BLOCK-PERCENT";
    if (parts.size() == 2 && list.FindView(parts[1]) == nullptr)
        return "a tolerance names a view listed above it";
    list.tolerances.push_back(
        {parts[0], parts.size() == 2 ? parts[1] : "", *meanValue, *percentValue, *blockValue});
    return "";
}

std::string ParseLine(const std::string& line, ReferenceList& list)
{
    std::istringstream words(line);
    std::string kind;
    if (!(words >> kind) || kind[0] == '#')
        return "";
    if (kind == "view")
        return ParseView(words, list);
    if (kind == "tolerance")
        return ParseTolerance(words, list);
    std::string value, extra;
    words >> value >> extra;
    const std::optional<double> threshold = Number(value);
    if (kind != "threshold" || !threshold || *threshold > 255 || *threshold != int(*threshold) || !extra.empty())
        return "expected 'view', 'tolerance' or 'threshold LEVELS'";
    list.threshold = int(*threshold);
    return "";
}
}

bool Tolerance::Admits(const ImageDifference& difference) const
{
    return difference.meanAbsolute <= meanAbsolute && difference.percentOver <= percentOver &&
           difference.worstBlockPercent <= worstBlockPercent;
}

const ReferenceView* ReferenceList::FindView(const std::string& name) const
{
    const auto found = std::find_if(views.begin(), views.end(), [&](const ReferenceView& v) { return v.name == name; });
    return found != views.end() ? &*found : nullptr;
}

const Tolerance* ReferenceList::FindTolerance(const std::string& view, const std::string& driver) const
{
    const Tolerance* general = nullptr;
    for (const Tolerance& tolerance : tolerances)
        if (tolerance.driver == driver && tolerance.view == view)
            return &tolerance;
        else if (tolerance.driver == driver && tolerance.view.empty())
            general = &tolerance;
    return general;
}

std::optional<ReferenceList> ParseReferenceList(const std::string& text, std::string& error)
{
    ReferenceList list;
    const std::vector<std::string> lines = Split(text, '\n');
    for (size_t i = 0; i < lines.size(); ++i)
    {
        const std::string problem = ParseLine(lines[i], list);
        if (!problem.empty())
        {
            error = "line " + std::to_string(i + 1) + ": " + problem;
            return std::nullopt;
        }
    }
    for (const ReferenceView& view : list.views)
        for (const std::string& driver : view.drivers)
            if (list.FindTolerance(view.name, driver) == nullptr)
            {
                error = "no tolerance for view '" + view.name + "' on " + driver;
                return std::nullopt;
            }
    return list;
}

std::optional<ReferenceList> LoadReferenceList(const std::string& path, std::string& error)
{
    std::ifstream file(path);
    if (!file)
    {
        error = "cannot read " + path;
        return std::nullopt;
    }
    std::stringstream text;
    text << file.rdbuf();
    const std::optional<ReferenceList> list = ParseReferenceList(text.str(), error);
    if (!list)
        error = path + ", " + error;
    return list;
}
