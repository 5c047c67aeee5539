#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// A built-in parameter published as a range parameter with an empty units
// text, step count 0 and the root unit.
struct BuiltInParameter
{
    ParamID id;
    const char* title;
    ParamValue maxPlain;
    ParamValue defaultPlain;
    int32 flags;
    int32 precision;
};

// Published when the engine enables the vector joystick, in this order.
extern const BuiltInParameter kJoystickParameters[2];

// Always published, last, in this order.
extern const BuiltInParameter kFixedParameters[9];

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
