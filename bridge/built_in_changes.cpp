#include "built_in_changes.h"

#include "parameter_ids.h"

#include "plug_in.h"

#include <algorithm>
#include <cstdint>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{
// A 7-bit MIDI data value from a normalized value: the product is formed in
// double precision from the value narrowed to single precision, then truncated.
std::uint8_t dataByte(ParamValue value)
{
    const double narrowed = static_cast<float>(value);
    return static_cast<std::uint8_t>(static_cast<std::int32_t>(narrowed * 127.0));
}

void pitchBend(CPlugIn& engine, std::atomic<bool>&, ParamValue value)
{
    const double x = 2.0 * value - 1.0;
    const std::int32_t bend = x == -1.0 ? -8192 : static_cast<std::int32_t>(x * 8191.0);
    engine.pitchBend(0, bend, static_cast<float>(x));
}

void modWheel(CPlugIn& engine, std::atomic<bool>&, ParamValue value)
{
    engine.modWheel(0, dataByte(value));
}

template <std::uint8_t controller>
void controlChange(CPlugIn& engine, std::atomic<bool>&, ParamValue value)
{
    engine.midiShortMessage(0, 0xB0, controller, dataByte(value));
}

void sustainPedal(CPlugIn& engine, std::atomic<bool>&, ParamValue value)
{
    engine.midiShortMessage(0, 0xB0, 64, value > 0.5 ? 127 : 0);
}

void channelPressure(CPlugIn& engine, std::atomic<bool>&, ParamValue value)
{
    engine.midiShortMessage(0, 0xD0, dataByte(value), 0);
}

void allNotesOff(CPlugIn& engine, std::atomic<bool>&, ParamValue)
{
    engine.noteOff(0, 0, 0, true);
}

void setBypass(CPlugIn&, std::atomic<bool>& bypass, ParamValue value)
{
    bypass.store(value != 0.0, std::memory_order_relaxed);
}

// The buttons reach the engine as control ids 50 to 52, whatever their value.
template <std::uint32_t controlId> void button(CPlugIn& engine, std::atomic<bool>&, ParamValue)
{
    engine.controlChanged(controlId);
}

struct BuiltInChange
{
    ParamID id;
    void (*apply)(CPlugIn& engine, std::atomic<bool>& bypass, ParamValue value);
};

constexpr BuiltInChange kChanges[] = {
    {kPitchBendId, pitchBend},
    {kModWheelId, modWheel},
    {kVolumeId, controlChange<7>},
    {kPanId, controlChange<10>},
    {kExpressionId, controlChange<11>},
    {kSustainPedalId, sustainPedal},
    {kChannelPressureId, channelPressure},
    {kAllNotesOffId, allNotesOff},
    {kBypassId, setBypass},
    {kFirstButtonId, button<50>},
    {kFirstButtonId + 1, button<51>},
    {kFirstButtonId + 2, button<52>},
};
} // namespace

void applyBuiltInChange(CPlugIn& engine, std::atomic<bool>& bypass, ParamID id, ParamValue value)
{
    // Normalized values are 0 to 1 by contract; keeping them there keeps the
    // integer conversions above defined for a host that sends more.
    const ParamValue bounded = std::clamp(value, 0.0, 1.0);
    for (const BuiltInChange& change : kChanges)
    {
        if (change.id == id)
        {
            change.apply(engine, bypass, bounded);
            return;
        }
    }
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
