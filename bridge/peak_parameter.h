#pragma once

#include "public.sdk/source/vst/vstparameters.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// A read-only level whose normalized value is shown in decibels.
class PeakParameter : public Parameter
{
public:
    PeakParameter(int32 flags, ParamID id, const TChar* title);
    ~PeakParameter() override;

    void toString(ParamValue normalized, String128 string) const override;
    // Levels are measured, never typed in.
    bool fromString(const TChar* string, ParamValue& normalized) const override;
};

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
