#include "vst2/class_presentation.h"

#include <gtest/gtest.h>

namespace
{

using vst2::PlugCategory;

TEST(ClassPresentation, MostSpecificSubCategoryNamesTheCategory)
{
    const std::pair<const char*, PlugCategory> cases[] = {
        {"Fx", PlugCategory::effect},
        {"Fx|Reverb", PlugCategory::roomFx},
        {"Reverb|Fx", PlugCategory::roomFx},
        {"Instrument|Synth", PlugCategory::synth},
        {"Fx|Analyzer", PlugCategory::analysis},
        {"Fxx|Reverbs", PlugCategory::effect}, // whole tokens only
        {"", PlugCategory::effect},
    };
    for (const auto& [subCategories, category] : cases)
        EXPECT_EQ(vst2::plugCategoryFor(subCategories), category) << subCategories;
}

TEST(ClassPresentation, VersionTextBecomesOneNumber)
{
    const std::pair<const char*, std::int32_t> cases[] = {
        {"1.0.0.0", 1000},  {"1.2.3.4", 1234}, {"2.5", 2500},
        {"3.12.0.0", 3900}, {"", 0},           {"x.1", 0},
    };
    for (const auto& [text, number] : cases)
        EXPECT_EQ(vst2::vendorVersionFor(text), number) << text;
}

} // namespace
