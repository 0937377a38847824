#include <gtest/gtest.h>

#include <algorithm>
#include <regex>
#include <set>
#include <string>

#include "core/CRenderSettings.h"
#include "effects/ParticleParams.h"
#include "effects/SettingTable.h"
#include "tests/TestFiles.h"

namespace
{
// The --set names that the capture tool's page lists, in backticks, under "The names, with the values they take".
std::set<std::string> DocumentedSettingNames()
{
    const std::string page = ReadText(std::string(KESTRUNE_SOURCE_DIR) + "/docs/capture.md");
    const size_t start = page.find("The names, with the values they take:");
    if (start == std::string::npos)
        return {};
    const std::string list = page.substr(start, page.find("```", start) - start);
    std::set<std::string> names;
    const std::regex name("`([A-Za-z][A-Za-z.]*)`");
    for (std::sregex_iterator it(list.begin(), list.end(), name), end; it != end; ++it)
        names.insert((*it)[1]);
    for (const char* notAName : {"true", "false", "particles.NAME", "pointLight.NAME"})
        names.erase(notAName);
    return names;
}
}

TEST(SettingTableTest, TheCapturePageListsEverySetNameAndNoOther)
{
    std::set<std::string> table;
    for (const Setting& setting : SettingTable())
    {
        if (setting.name != nullptr)
        {
            EXPECT_TRUE(table.insert(setting.name).second) << "twice: " << setting.name;
        }
    }
    EXPECT_EQ(DocumentedSettingNames(), table);
}

// A widget reads its value through the pointer type it expects; a row whose
// locator gives another type would draw nothing or the wrong field.
TEST(SettingTableTest, EveryWidgetFindsAValueOfItsKindAndEveryLimitIsARange)
{
    CRenderSettings& render = CRenderSettings::GetInstance();
    const std::vector<PointLight> lights = render.pointLights;
    render.pointLights.resize(1);
    ParticleParams particles;
    const SettingOwners owners = {render, particles};
    for (const Setting& setting : SettingTable())
    {
        const std::string row = setting.label != nullptr ? setting.label : setting.name;
        const SettingPointer value = setting.locate(owners);
        EXPECT_FALSE(std::visit([](auto* pointer) { return pointer == nullptr; }, value)) << row;
        EXPECT_EQ(setting.section == PanelSection::None, setting.widget == PanelWidget::None) << row;
        EXPECT_TRUE(setting.name != nullptr || setting.widget != PanelWidget::None) << "reachable from nowhere";
        switch (setting.widget)
        {
        case PanelWidget::Slider:
            EXPECT_TRUE(std::holds_alternative<float*>(value)) << row;
            EXPECT_LT(setting.minimum, setting.maximum) << row;
            break;
        case PanelWidget::Drag:
            EXPECT_FALSE(std::holds_alternative<bool*>(value) || std::holds_alternative<int32_t*>(value)) << row;
            EXPECT_GT(setting.speed, 0.0f) << row;
            break;
        case PanelWidget::Checkbox:
            EXPECT_TRUE(std::holds_alternative<bool*>(value)) << row;
            break;
        case PanelWidget::ToneCurves:
        case PanelWidget::RenderTexture:
        case PanelWidget::SpawnRate:
            EXPECT_TRUE(std::holds_alternative<int32_t*>(value)) << row;
            break;
        case PanelWidget::None:
            break;
        }
        if (setting.limit)
        {
            EXPECT_LT(setting.limit->minimum, setting.limit->maximum) << row;
        }
    }
    render.pointLights = lights;
    EXPECT_EQ(std::get<glm::vec3*>(FindSetting("particles.genPosition")->locate(owners)), &particles.genPosition);
    EXPECT_EQ(FindSetting("Point light pos"), nullptr) << "a panel label is not a --set name";
}
