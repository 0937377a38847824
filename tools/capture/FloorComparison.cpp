#include "FloorComparison.h"

#include "core/FormatString.h"

const std::vector<std::string>& FloorPassNames()
{
    static const std::vector<std::string> names = {"cascades", "cubes",     "scene", "lensflare",
                                                   "bloom",    "composite", "fxaa"};
    return names;
}

const std::vector<FloorGroup>& FloorGroups()
{
    static const std::vector<FloorGroup> groups = {
        {"ShadowMapDir", {"ShadowMapDir"}, {"cascades"}},
        {"ShadowMapPoint", {"ShadowMapPoint"}, {"cubes"}},
        {"Skymap+Render", {"Skymap", "Render"}, {"scene"}},
        {"PostProcess", {"PostProcess"}, {"lensflare", "bloom", "composite", "fxaa"}},
    };
    return groups;
}

FloorRow CompareRow(const std::string& name, const std::vector<std::pair<double, double>>& pairs)
{
    std::vector<double> kestrune, floor, ratios;
    for (const auto& [k, f] : pairs)
    {
        kestrune.push_back(k);
        floor.push_back(f);
        if (f > 0.0)
            ratios.push_back(k / f);
    }
    return {name, Percentile(kestrune, 50.0), Percentile(floor, 50.0), Percentile(ratios, 50.0)};
}

std::vector<FloorRow> CompareWithFloor(const std::vector<FrameTiming>& frames)
{
    std::vector<FloorRow> rows;
    for (const FloorGroup& group : FloorGroups())
    {
        std::vector<std::pair<double, double>> pairs;
        for (const FrameTiming& frame : frames)
            if (!frame.floorPasses.empty())
                pairs.emplace_back(SumOfStages(frame.stages, group.stages),
                                   SumOfStages(frame.floorPasses, group.passes));
        rows.push_back(CompareRow(group.name, pairs));
    }
    std::vector<std::pair<double, double>> whole;
    for (const FrameTiming& frame : frames)
        if (!frame.floorPasses.empty())
            whole.emplace_back(frame.frameMs, SumOfStages(frame.floorPasses, FloorPassNames()));
    rows.push_back(CompareRow("frame", whole));
    return rows;
}

std::string FloorTable(const std::vector<FloorRow>& rows, size_t pairs)
{
    std::string text = FormatString("against the raster floor (%zu alternating pairs; medians, ratio = median of the "
                                    "pairs' ratios):\n  %-16s %12s %10s %8s\n",
                                    pairs, "stage group", "Kestrune ms", "floor ms", "ratio");
    for (const FloorRow& row : rows)
        text += FormatString("  %-16s %12.2f %10.2f %8.2f\n", row.name.c_str(), row.kestruneMs, row.floorMs, row.ratio);
    return text;
}

std::string FloorJson(const std::vector<FloorRow>& rows, const StageTimes& passMedians)
{
    std::string json = "{\"pass_ms_median\": " + StageTimesJson(passMedians) + ", \"groups\": {";
    double frameRatio = 0.0;
    for (size_t i = 0; i < rows.size(); ++i)
    {
        json += FormatString("%s\"%s\": {\"kestrune_ms\": %.3f, \"floor_ms\": %.3f, \"ratio\": %.3f}", i ? ", " : "",
                             rows[i].name.c_str(), rows[i].kestruneMs, rows[i].floorMs, rows[i].ratio);
        if (rows[i].name == "frame")
            frameRatio = rows[i].ratio;
    }
    return json + FormatString("}, \"frame_to_floor_ratio\": %.3f}", frameRatio);
}
