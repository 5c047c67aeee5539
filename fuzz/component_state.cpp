// Loads arbitrary bytes as a saved component state, both into the processor
// (`setState`) and into the published parameters (`setComponentState`), then
// checks what a host relies on after any load: a loaded state saves back to
// the same fixed-size record, parameters stay normalized, and audio stays
// finite.
#include "fuzzed_input.h"
#include "plugin_under_test.h"

#include "public.sdk/source/common/memorystream.h"

#include <cmath>
#include <cstring>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

constexpr int64 kRecordSize = 74;

std::vector<char> saveState(IComponent& component)
{
    MemoryStream stream;
    if (component.getState(&stream) != kResultOk)
        fuzzFailure("getState failed");
    const auto size = static_cast<size_t>(stream.getSize());
    return std::vector<char>(stream.getData(), stream.getData() + size);
}

void checkParameters(IEditController& controller)
{
    const int32 count = controller.getParameterCount();
    for (int32 i = 0; i < count; ++i)
    {
        ParameterInfo info{};
        if (controller.getParameterInfo(i, info) != kResultOk)
            fuzzFailure("getParameterInfo refused a listed index");
        const ParamValue value = controller.getParamNormalized(info.id);
        if (!(value >= 0.0 && value <= 1.0))
            fuzzFailure("parameter outside 0 to 1 after a state load");
        String128 text{};
        controller.getParamStringByValue(info.id, value, text);
    }
}

void checkAudioFinite(PluginUnderTest& plugin)
{
    constexpr int32 kFrames = 128;
    float left[kFrames];
    float right[kFrames];
    for (int32 i = 0; i < kFrames; ++i)
    {
        left[i] = std::sin(0.05f * static_cast<float>(i));
        right[i] = (i % 7 == 0) ? 1.0f : -0.5f;
    }
    float outLeft[kFrames] = {};
    float outRight[kFrames] = {};
    float* inputs[2] = {left, right};
    float* outputs[2] = {outLeft, outRight};
    for (int block = 0; block < 2; ++block)
    {
        plugin.run(inputs, outputs, 2, kFrames);
        for (int32 i = 0; i < kFrames; ++i)
            if (!std::isfinite(outLeft[i]) || !std::isfinite(outRight[i]))
                fuzzFailure("non-finite output after a state load");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    PluginUnderTest plugin;
    if (!plugin.start(44100.0, 2, 256))
        fuzzFailure("stereo set-up refused");

    MemoryStream stream(const_cast<std::uint8_t*>(data), static_cast<TSize>(size));
    const bool loaded = plugin.component().setState(&stream) == kResultOk;
    int64 position = 0;
    stream.seek(0, IBStream::kIBSeekSet, &position);
    const bool shown = plugin.controller().setComponentState(&stream) == kResultOk;
    if (loaded != shown)
        fuzzFailure("setState and setComponentState disagree on the same bytes");

    const std::vector<char> saved = saveState(plugin.component());
    if (static_cast<int64>(saved.size()) != kRecordSize)
        fuzzFailure("saved record is not 74 bytes");
    if (loaded)
    {
        // A loaded record is a fixed point: loading what was saved saves the same.
        MemoryStream again(const_cast<char*>(saved.data()), static_cast<TSize>(saved.size()));
        if (plugin.component().setState(&again) != kResultOk)
            fuzzFailure("a saved record does not load");
        if (saveState(plugin.component()) != saved)
            fuzzFailure("save, load, save changed the record");
    }
    checkParameters(plugin.controller());
    checkAudioFinite(plugin);
    return 0;
}
