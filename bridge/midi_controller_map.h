#pragma once

#include "pluginterfaces/vst/ivstmidicontrollers.h"
#include "pluginterfaces/vst/vsttypes.h"

class CPlugIn;

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// The parameter a MIDI controller drives on any channel: first the fixed
// controllers of the built-in MIDI parameters, then the last control of the
// list that answers to that controller number. False when none does.
bool findMidiControllerParameter(const CPlugIn& engine, CtrlNumber controller, ParamID& id);

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
