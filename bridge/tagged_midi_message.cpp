#include "tagged_midi_message.h"

#include "plug_in.h"

#include <cstdint>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{
bool isMidiMessageTag(const TChar* text)
{
    if (!text)
        return false;
    constexpr char16_t kTag[] = u"ZOLMMIDI";
    for (int i = 0; i < 9; ++i)
        if (text[i] != kTag[i])
            return false;
    return true;
}
} // namespace

void dispatchTaggedMidiMessage(CPlugIn& engine, const ChordEvent& chord)
{
    if (!isMidiMessageTag(chord.text))
        return;
    const std::uint32_t channel = static_cast<std::uint16_t>(chord.root);
    const std::int32_t status = chord.bassNote;
    const std::int32_t data1 = chord.mask;
    const std::int32_t data2 = chord.textLen;

    if (status == 0xB0 && data1 == 1)
        engine.modWheel(channel, static_cast<std::uint32_t>(data2));
    else if (status == 0xF8)
        engine.clockTick();
    else if (status == 0xB0 && data1 == 123)
        engine.noteOff(channel, 0, 0, true);
    else if (status == 0xE0)
    {
        const std::int32_t value = ((data2 & 0x7F) * 128) | (data1 & 0x7F);
        const float normalized = value == 0 ? -1.0f : static_cast<float>((value - 8192) / 8191.0);
        engine.pitchBend(channel, value - 8192, normalized);
    }
    else if (engine.wantsMidiMessages)
        engine.midiShortMessage(static_cast<std::uint8_t>(channel),
                                static_cast<std::uint8_t>(status), static_cast<std::uint8_t>(data1),
                                static_cast<std::uint8_t>(data2));
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
