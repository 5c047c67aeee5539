#include "peak_parameter.h"

#include "widen_text.h"

#include <cmath>
#include <cstdio>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

PeakParameter::PeakParameter(int32 flags, ParamID id, const TChar* title)
    : Parameter(title, id, nullptr, 0.5, 0, flags, kRootUnitId)
{
    setNormalized(1.0);
}

PeakParameter::~PeakParameter() = default;

void PeakParameter::toString(ParamValue normalized, String128 string) const
{
    if (normalized > 0.0001)
    {
        // Single precision throughout, as meters have always shown it.
        const float decibels = std::log10(static_cast<float>(normalized)) * 20.0f;
        char text[64];
        std::snprintf(text, sizeof text, "%.3f", static_cast<double>(decibels));
        widenText(text, string);
        return;
    }
    string[0] = u'-';
    string[1] = u'\u221E';
    string[2] = 0;
}

bool PeakParameter::fromString(const TChar*, ParamValue&) const
{
    return false;
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
