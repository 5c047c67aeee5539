#include "built_in_parameters.h"

#include "parameter_ids.h"

#include "pluginterfaces/vst/ivsteditcontroller.h"

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{
constexpr int32 kAutomate = ParameterInfo::kCanAutomate;
constexpr int32 kBypassFlags = ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass;
// The precision every parameter starts with.
constexpr int32 kDefaultPrecision = 4;
} // namespace

const BuiltInParameter kJoystickParameters[2] = {
    {kJoystickXId, "VectorJoystick X", 1.0, 0.5, kAutomate, 2},
    {kJoystickYId, "VectorJoystick Y", 1.0, 0.5, kAutomate, 2},
};

const BuiltInParameter kFixedParameters[9] = {
    {kBypassId, "Bypass", 1.0, 0.0, kBypassFlags, kDefaultPrecision},
    {kPitchBendId, "PitchBend", 1.0, 0.0, kAutomate, 1},
    {kVolumeId, "MIDI Vol", 1.0, 0.0, kAutomate, 1},
    {kPanId, "MIDI Pan", 1.0, 0.0, kAutomate, 1},
    {kModWheelId, "MIDI Mod Wheel", 1.0, 0.0, kAutomate, 1},
    {kExpressionId, "MIDI Expression", 1.0, 0.0, kAutomate, 1},
    {kChannelPressureId, "MIDI Channel Pressure", 1.0, 0.0, kAutomate, 1},
    {kSustainPedalId, "MIDI Sustain Pedal", 1.0, 0.0, kAutomate, 1},
    {kAllNotesOffId, "All Notes Off", 1.0, 0.0, kAutomate, 1},
};

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
