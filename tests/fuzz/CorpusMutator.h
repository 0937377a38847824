#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

// Deterministic mutations of seed files for the fuzz suite: bit flips, odd and
// huge values, truncation, dictionary words, long repeats and cuts. The same
// seed gives the same inputs on every run.
class CorpusMutator
{
public:
    CorpusMutator(uint32_t seed, std::vector<std::string> dictionary);

    // One to four mutations of `input`.
    std::string Mutate(std::string input);

private:
    size_t Below(size_t bound); // 0 when bound is 0
    void MutateOnce(std::string& bytes);
    void WriteWord(std::string& bytes);
    void Repeat(std::string& bytes);

    std::mt19937 random;
    std::vector<std::string> dictionary;
};
