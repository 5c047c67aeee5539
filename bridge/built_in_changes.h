#pragma once

#include "pluginterfaces/vst/vsttypes.h"

#include <atomic>

class CPlugIn;

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// Applies a change of a built-in parameter: the MIDI parameters become engine
// MIDI calls on channel 0, "Bypass" sets `bypass` and the buttons notify the
// engine. Ids without an action are ignored. Runs on the audio thread.
void applyBuiltInChange(CPlugIn& engine, std::atomic<bool>& bypass, ParamID id, ParamValue value);

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
