#include "log_scale_mapping.h"

#include <cmath>

namespace Steinberg
{
namespace Vst
{

LogScaleMapping LogScaleMapping::fromRange(float minValue, float maxValue)
{
    const double min = minValue;
    const double plainSpan = static_cast<double>(maxValue) - min;
    // The span enters the tenth in single precision, which moves the exponent
    // off log2(10) by rounding; stored curves depend on that exact value.
    const double singleSpan = static_cast<double>(maxValue - minValue);
    const double tenth = (singleSpan * 0.1 + min - min) / plainSpan;
    const double exponent = std::log(tenth) / -0.6931471805599453;

    LogScaleMapping mapping;
    mapping.plainSpan = plainSpan;
    mapping.inversePlainSpan = 1.0 / plainSpan;
    mapping.normalizedSpan = 1.0;
    mapping.inverseNormalizedSpan = 1.0;
    mapping.normalizedMin = 0.0;
    mapping.exponent = exponent;
    mapping.inverseExponent = 1.0 / exponent;
    mapping.plainMin = min;
    return mapping;
}

} // namespace Vst
} // namespace Steinberg
