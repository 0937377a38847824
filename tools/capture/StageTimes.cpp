#include "StageTimes.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/FormatString.h"

double Percentile(std::vector<double> values, double percent)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(percent / 100.0 * double(values.size()));
    const size_t index = size_t(std::clamp(rank, 1.0, double(values.size()))) - 1;
    return values[index];
}

StageTimes StageTimesFromTimestamps(const std::vector<std::string>& marks, const std::vector<uint64_t>& timestampsNs)
{
    StageTimes times;
    if (timestampsNs.size() != marks.size() + 1)
        return times;
    for (size_t i = 0; i < marks.size(); ++i)
    {
        // Signed, so that a counter that ran backwards shows as such instead of as ~584 years.
        const auto spanNs = int64_t(timestampsNs[i + 1] - timestampsNs[i]);
        times.emplace_back(marks[i], double(spanNs) / 1.0e6);
    }
    return times;
}

StageTimes StageMedians(const std::vector<StageTimes>& frames)
{
    std::map<std::string, std::vector<double>> samples;
    for (const StageTimes& frame : frames)
        for (const auto& [name, ms] : frame)
            samples[name].push_back(ms);
    StageTimes medians;
    for (const auto& [name, values] : samples)
        medians.emplace_back(name, Percentile(values, 50.0));
    return medians;
}

double SumOfStages(const StageTimes& times, const std::vector<std::string>& names)
{
    double sum = 0.0;
    for (const auto& [name, ms] : times)
        for (const std::string& wanted : names)
            sum += name == wanted ? ms : 0.0;
    return sum;
}

std::string StageTimesJson(const StageTimes& times)
{
    std::string json = "{";
    for (size_t i = 0; i < times.size(); ++i)
        json += FormatString("%s\"%s\": %.3f", i ? ", " : "", times[i].first.c_str(), times[i].second);
    return json + "}";
}
