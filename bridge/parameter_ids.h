#pragma once

#include "pluginterfaces/vst/vsttypes.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// Fixed ids of the built-in parameters. Engine controls are published under
// their list position, which stays below these.
enum BuiltInParameterId : ParamID
{
    kPitchBendId = 2048,
    kModWheelId = 2049,
    kVolumeId = 2050,
    kPanId = 2051,
    kExpressionId = 2052,
    kSustainPedalId = 2053,
    kChannelPressureId = 2054,
    kAllNotesOffId = 2055,
    kBypassId = 2056,
    kFirstButtonId = 32768,
    kAlphaWheelId = 32771,
    kLcdValueId = 32772,
    kJoystickXId = 32773,
    kJoystickYId = 32774,
};

constexpr int32 kButtonCount = 3;

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
