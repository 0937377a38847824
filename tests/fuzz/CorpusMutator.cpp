#include "CorpusMutator.h"

#include <utility>

CorpusMutator::CorpusMutator(uint32_t seed, std::vector<std::string> dictionary)
    : random(seed), dictionary(std::move(dictionary))
{
}

size_t CorpusMutator::Below(size_t bound)
{
    return bound == 0 ? 0 : size_t(random()) % bound;
}

std::string CorpusMutator::Mutate(std::string input)
{
    for (size_t count = 1 + Below(4); count > 0; --count)
        MutateOnce(input);
    return input;
}

void CorpusMutator::MutateOnce(std::string& bytes)
{
    const size_t at = Below(bytes.size());
    switch (Below(7))
    {
    case 0:
        if (!bytes.empty())
            bytes[at] = char(bytes[at] ^ (1 << Below(8)));
        break;
    case 1:
        if (!bytes.empty())
            bytes[at] = "\x00\xff\x7f\x80\n\""[Below(6)];
        break;
    case 2:
        WriteWord(bytes);
        break;
    case 3:
        bytes.resize(at);
        break;
    case 4:
        if (!dictionary.empty())
            bytes.insert(at, dictionary[Below(dictionary.size())]);
        break;
    case 5:
        Repeat(bytes);
        break;
    default:
        bytes.erase(at, Below(bytes.size() - at + 1));
        break;
    }
}

// A 32-bit value that headers and counts choke on, at any offset and in either byte order.
void CorpusMutator::WriteWord(std::string& bytes)
{
    static const uint32_t values[] = {0u, 1u, 0x7fffffffu, 0x80000000u, 0xffffffffu, 0x10000u, 0xffffu};
    if (bytes.size() < 4)
        return;
    const uint32_t value = values[Below(sizeof(values) / sizeof(values[0]))];
    const size_t at = Below(bytes.size() - 3);
    const bool bigEndian = Below(2) == 0;
    for (size_t i = 0; i < 4; ++i)
        bytes[at + i] = char(value >> (8 * (bigEndian ? 3 - i : i)));
}

// A slice of up to 64 bytes repeated up to 400 times in place: long lines, deep
// nesting and absurd counts.
void CorpusMutator::Repeat(std::string& bytes)
{
    if (bytes.empty())
        return;
    const size_t at = Below(bytes.size());
    const std::string slice = bytes.substr(at, 1 + Below(64));
    std::string repeated;
    for (size_t times = 1 + Below(400); times > 0; --times)
        repeated += slice;
    bytes.insert(at, repeated);
}
