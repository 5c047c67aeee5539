#pragma once

#include "log_scale_mapping.h"
#include "widen_text.h"

#include "public.sdk/source/vst/vstparameters.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace Steinberg
{
namespace Vst
{

// A parameter whose plain value follows a power curve over its range. The
// mapping belongs to whoever published the parameter and outlives it.
template <typename T> class LogScaleParameter : public Parameter
{
public:
    LogScaleParameter(const TChar* title, ParamID tag, const TChar* units,
                      const LogScaleMapping* mapping)
        : Parameter(title, tag, units, 0.0, 0, ParameterInfo::kCanAutomate, kRootUnitId),
          mapping(mapping)
    {
    }
    ~LogScaleParameter() override = default;

    OBJ_METHODS(LogScaleParameter<T>, Parameter)

    void toString(ParamValue normalized, String128 string) const override
    {
        char text[128];
        std::snprintf(text, sizeof text, "%.*lf", static_cast<int>(precision),
                      static_cast<double>(toPlain(normalized)));
        Wrenlock::widenText(text, string);
    }

    // Reads a decimal number; a text holding no number is refused.
    bool fromString(const TChar* string, ParamValue& normalized) const override
    {
        if (!string)
            return false;
        char text[128];
        int32 i = 0;
        for (; string[i] != 0 && i < 127; ++i)
            text[i] = string[i] < 128 ? static_cast<char>(string[i]) : '?';
        text[i] = 0;
        char* end = nullptr;
        const double plain = std::strtod(text, &end);
        if (end == text)
            return false;
        normalized = toNormalized(plain);
        return true;
    }

    // The power is taken in single precision on purpose: displayed and stored
    // values follow that rounding.
    ParamValue toPlain(ParamValue normalized) const override
    {
        const double base = (normalized - mapping->normalizedMin) * mapping->inverseNormalizedSpan;
        const double curve =
            std::pow(static_cast<float>(base), static_cast<float>(mapping->exponent));
        return static_cast<T>(curve * mapping->plainSpan + mapping->plainMin);
    }

    // A plain value below the minimum (or NaN) has no real power and maps to 0.
    ParamValue toNormalized(ParamValue plain) const override
    {
        const double base = (plain - mapping->plainMin) * mapping->inversePlainSpan;
        if (!(base >= 0.0))
            return 0.0;
        const double curve =
            std::pow(static_cast<float>(base), static_cast<float>(mapping->inverseExponent));
        return static_cast<T>(curve * mapping->normalizedSpan + mapping->normalizedMin);
    }

private:
    const LogScaleMapping* mapping;
};

} // namespace Vst
} // namespace Steinberg
