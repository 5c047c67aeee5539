// Loads arbitrary bytes as a VST 2.4 chunk through the module's VST 2.4 entry,
// as a host restoring a project does, and checks what the host relies on
// afterwards: the chunk it gets back is a full record, parameters stay within
// 0 to 1, and audio stays finite.
#include "fuzzed_input.h"

#include "vst2/vst2_effect.h"
#include "vst2/vst2_opcodes.h"

#include <cmath>
#include <cstdint>
#include <vector>

using namespace vst2;

extern "C" Effect* VSTPluginMain(HostCallback host);

namespace
{

IntPtr host(Effect*, std::int32_t opcode, std::int32_t, IntPtr, void*, float)
{
    return opcode == static_cast<std::int32_t>(HostOpcode::version) ? kVstVersion : 0;
}

IntPtr dispatch(Effect* effect, Opcode opcode, std::int32_t index = 0, IntPtr value = 0,
                void* ptr = nullptr, float opt = 0.0f)
{
    return effect->dispatcher(effect, static_cast<std::int32_t>(opcode), index, value, ptr, opt);
}

void checkAudioFinite(Effect* effect)
{
    constexpr std::int32_t kFrames = 128;
    float left[kFrames];
    float right[kFrames];
    for (std::int32_t i = 0; i < kFrames; ++i)
    {
        left[i] = std::sin(0.05f * static_cast<float>(i));
        right[i] = (i % 5 == 0) ? 0.9f : -0.3f;
    }
    float outLeft[kFrames] = {};
    float outRight[kFrames] = {};
    float* inputs[2] = {left, right};
    float* outputs[2] = {outLeft, outRight};
    effect->processReplacing(effect, inputs, outputs, kFrames);
    for (std::int32_t i = 0; i < kFrames; ++i)
        if (!std::isfinite(outLeft[i]) || !std::isfinite(outRight[i]))
            fuzzFailure("non-finite output after a chunk load");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Effect* effect = VSTPluginMain(&host);
    if (!effect)
        fuzzFailure("VSTPluginMain gave no effect");
    dispatch(effect, Opcode::open);
    dispatch(effect, Opcode::setSampleRate, 0, 0, nullptr, 48000.0f);
    dispatch(effect, Opcode::setBlockSize, 0, 128);
    dispatch(effect, Opcode::mainsChanged, 0, 1);

    // The first byte says whether the host calls it a preset or a bank.
    FuzzedInput in(data, size);
    const std::int32_t isPreset = in.byte() & 1;
    std::vector<std::uint8_t> chunk(data + (size > 0 ? 1 : 0), data + size);
    const IntPtr loaded =
        dispatch(effect, Opcode::setChunk, isPreset, static_cast<IntPtr>(chunk.size()),
                 chunk.empty() ? nullptr : chunk.data());

    void* saved = nullptr;
    const IntPtr savedSize = dispatch(effect, Opcode::getChunk, isPreset, 0, &saved);
    if (savedSize != 74 || !saved)
        fuzzFailure("saved chunk is not a full record");
    if (loaded)
    {
        // Loading what was saved must save the same again.
        const std::vector<std::uint8_t> first(static_cast<std::uint8_t*>(saved),
                                              static_cast<std::uint8_t*>(saved) + savedSize);
        std::vector<std::uint8_t> copy = first;
        if (!dispatch(effect, Opcode::setChunk, isPreset, savedSize, copy.data()))
            fuzzFailure("a saved chunk does not load");
        dispatch(effect, Opcode::getChunk, isPreset, 0, &saved);
        if (std::vector<std::uint8_t>(static_cast<std::uint8_t*>(saved),
                                      static_cast<std::uint8_t*>(saved) + savedSize) != first)
            fuzzFailure("save, load, save changed the chunk");
    }
    for (std::int32_t i = 0; i < effect->numParams; ++i)
    {
        const float value = effect->getParameter(effect, i);
        if (!(value >= 0.0f && value <= 1.0f))
            fuzzFailure("parameter outside 0 to 1 after a chunk load");
    }
    checkAudioFinite(effect);

    dispatch(effect, Opcode::mainsChanged, 0, 0);
    dispatch(effect, Opcode::close);
    return 0;
}
