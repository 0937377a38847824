#include "SettingRanges.h"

#include "core/FormatString.h"

namespace
{
// Inclusive bounds, or an open lower bound where `aboveMinimum` is set (a
// value that must be positive).
struct Range
{
    const char* name;
    double minimum;
    double maximum;
    bool aboveMinimum;
};

// Where a value outside these bounds divides by zero, inverts a projection,
// indexes past a table, or makes the driver refuse a viewport.
const Range ranges[] = {
    {"fieldOfView", 0.0, 179.0, true},
    {"nearPlane", 0.0, 100000.0, true},
    {"farPlane", 0.0, 10000000.0, true},
    {"exposure", 0.0, 1000.0, false},
    {"focusDistance", 0.0, 1.0, false},
    {"dofSize", 0.0, 1.0, false},
    {"dofFalloff", 0.0, 1.0, true},
    {"dofMaxBlur", 0.0, 5.0, false},
    {"timeOfDay", -2147483648.0, 2147483648.0, false},
    {"toneMapping", 0.0, 3.0, false},
    {"shadowMapWidth", 1.0, 8192.0, false},
    {"shadowMapHeight", 1.0, 8192.0, false},
    {"selectedRenderTexture", -1.0, 2147483647.0, false},
    {"particles.generateCount", 0.0, 100000.0, false},
    {"particles.genLifeMin", 0.0, 1000000.0, false},
    {"particles.genLifeMax", 0.0, 1000000.0, false},
};

double AsNumber(const SettingValue& value)
{
    if (const float* real = std::get_if<float>(&value))
        return double(*real);
    if (const int32_t* whole = std::get_if<int32_t>(&value))
        return double(*whole);
    return 0.0;
}
}

std::string SettingRangeProblem(const std::string& name, const SettingValue& value)
{
    for (const Range& range : ranges)
    {
        if (name != range.name)
            continue;
        const double number = AsNumber(value);
        const bool low = range.aboveMinimum ? !(number > range.minimum) : !(number >= range.minimum);
        if (!low && number <= range.maximum)
            return "";
        return FormatString("setting '%s' must be %s %g and at most %g", range.name,
                            range.aboveMinimum ? "above" : "at least", range.minimum, range.maximum);
    }
    return "";
}
