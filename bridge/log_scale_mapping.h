#pragma once

namespace Steinberg
{
namespace Vst
{

// Power-curve mapping between normalized and plain values that puts normalized
// 0.5 at a tenth of the plain range.
struct LogScaleMapping
{
    double plainSpan;
    double inversePlainSpan;
    double normalizedSpan;
    double inverseNormalizedSpan;
    double normalizedMin;
    double exponent;
    double inverseExponent;
    double plainMin;

    static LogScaleMapping fromRange(float minValue, float maxValue);
};

} // namespace Vst
} // namespace Steinberg
