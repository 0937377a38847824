#pragma once

#include <string>

#include "SettingOverrides.h"

// Why `value` is out of range for the setting called `name` ("" when it is in
// range, or when the setting takes any value of its type).
std::string SettingRangeProblem(const std::string& name, const SettingValue& value);
