#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Milliseconds per named stage of one frame, in the order the stages ran.
using StageTimes = std::vector<std::pair<std::string, double>>;

// Stage times from GPU timestamps in nanoseconds: `timestampsNs[0]` is taken when
// the frame begins and `timestampsNs[i + 1]` at mark `marks[i]`, so each mark gets
// the time since the one before it, as the CPU marks do. Nothing when the counts
// do not fit together.
StageTimes StageTimesFromTimestamps(const std::vector<std::string>& marks, const std::vector<uint64_t>& timestampsNs);

// Nearest-rank percentile (0..100) of the values; 0 for none.
double Percentile(std::vector<double> values, double percent);

// Median of each stage over the frames that have it, by stage name; a frame that
// lacks a stage (or has no times at all) is left out of that stage's median.
StageTimes StageMedians(const std::vector<StageTimes>& frames);

// Sum of the named stages' times in `times`; stages it lacks count as nothing.
double SumOfStages(const StageTimes& times, const std::vector<std::string>& names);

// A JSON object of the times, in their order: {"name": ms, ...}.
std::string StageTimesJson(const StageTimes& times);
