#pragma once

#include "pluginterfaces/vst/ivstevents.h"

class CPlugIn;

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

// A chord event whose text is "ZOLMMIDI" carries one raw MIDI message: root =
// channel, bass note = status, mask = first data byte, text length = second
// data byte. Dispatches such a message to the engine; any other chord event is
// ignored. Runs on the audio thread.
void dispatchTaggedMidiMessage(CPlugIn& engine, const ChordEvent& chord);

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
