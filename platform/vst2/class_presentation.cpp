#include "class_presentation.h"

#include <algorithm>
#include <array>
#include <utility>

namespace vst2
{

namespace
{

// Most specific first: "Fx|Reverb" is a room effect before it is an effect.
constexpr std::array<std::pair<std::string_view, PlugCategory>, 9> kCategories{{
    {"Instrument", PlugCategory::synth},
    {"Generator", PlugCategory::generator},
    {"Analyzer", PlugCategory::analysis},
    {"Mastering", PlugCategory::mastering},
    {"Spatial", PlugCategory::spatializer},
    {"Reverb", PlugCategory::roomFx},
    {"Restoration", PlugCategory::restoration},
    {"Surround", PlugCategory::surroundFx},
    {"Fx", PlugCategory::effect},
}};

bool hasToken(std::string_view list, std::string_view token)
{
    while (!list.empty())
    {
        const std::size_t bar = list.find('|');
        if (list.substr(0, bar) == token)
            return true;
        if (bar == std::string_view::npos)
            break;
        list.remove_prefix(bar + 1);
    }
    return false;
}

} // namespace

PlugCategory plugCategoryFor(std::string_view subCategories)
{
    for (const auto& [token, category] : kCategories)
    {
        if (hasToken(subCategories, token))
            return category;
    }
    return PlugCategory::effect;
}

std::int32_t vendorVersionFor(std::string_view version)
{
    std::array<std::int32_t, 4> parts{};
    std::size_t part = 0;
    for (const char c : version)
    {
        if (c == '.')
        {
            if (++part == parts.size())
                break;
        }
        else if (c >= '0' && c <= '9' && parts[part] < 100000)
            parts[part] = parts[part] * 10 + (c - '0');
        else
            break;
    }
    return parts[0] * 1000 + std::min(parts[1], 9) * 100 + std::min(parts[2], 9) * 10 +
           std::min(parts[3], 9);
}

} // namespace vst2
