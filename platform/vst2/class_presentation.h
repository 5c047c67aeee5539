#pragma once

#include "vst2_effect.h"

#include <string_view>

namespace vst2
{

// How a VST 3 class's registration data reads to a VST 2 host.

// The VST 2 category for a VST 3 class's sub-categories ("Fx|Reverb", ...):
// the most specific known sub-category wins; plain effects and unknown lists
// are effects.
PlugCategory plugCategoryFor(std::string_view subCategories);

// "1.2.3.4" as the single number VST 2 hosts show as a vendor version: 1234.
// Missing parts count as 0; each part after the first is capped at 9.
std::int32_t vendorVersionFor(std::string_view version);

} // namespace vst2
