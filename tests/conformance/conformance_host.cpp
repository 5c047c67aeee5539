#include "conformance_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace conformance
{

std::unique_ptr<vst3host::PluginInstance> loadPlugin()
{
    std::string error;
    auto module = vst3host::PluginModule::load(TOVANE_BUNDLE, error);
    if (!module)
    {
        ADD_FAILURE() << error;
        return nullptr;
    }
    auto instance = vst3host::PluginInstance::create(std::move(module), error);
    if (!instance)
        ADD_FAILURE() << error;
    return instance;
}

Session startSession(double sampleRate, int32 channels, int32 maxBlock)
{
    Session s;
    s.plugin = loadPlugin();
    if (!s.plugin)
        return s;
    ProcessSetup setup{kRealtime, kSample32, maxBlock, sampleRate};
    std::string error;
    EXPECT_TRUE(s.plugin->start(setup, channels, error)) << error;
    s.renderer = std::make_unique<Renderer>(*s.plugin, channels, maxBlock, sampleRate);
    return s;
}

std::vector<ParameterInfo> parameters(IEditController& controller)
{
    std::vector<ParameterInfo> list;
    for (int32 i = 0; i < controller.getParameterCount(); ++i)
    {
        ParameterInfo info{};
        if (controller.getParameterInfo(i, info) == kResultOk)
            list.push_back(info);
    }
    return list;
}

ParamID bypassId(IEditController& controller)
{
    for (const ParameterInfo& info : parameters(controller))
        if (info.flags & ParameterInfo::kIsBypass)
            return info.id;
    ADD_FAILURE() << "no parameter is flagged as the bypass switch";
    return kNoParamId;
}

void addSoundSetting(IEditController& controller, vst3host::ParameterChanges& changes)
{
    int n = 0;
    for (const ParameterInfo& info : parameters(controller))
    {
        if (!(info.flags & ParameterInfo::kCanAutomate) || (info.flags & ParameterInfo::kIsBypass))
            continue;
        changes.addPoint(info.id, 0, static_cast<double>((n * 37) % 100) / 99.0);
        ++n;
    }
}

Signal testSignal(int32 channels, int32 frames, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-0.25f, 0.25f);
    Signal signal(static_cast<size_t>(channels), std::vector<float>(static_cast<size_t>(frames)));
    for (int32 c = 0; c < channels; ++c)
        for (int32 i = 0; i < frames; ++i)
        {
            const auto t = static_cast<float>(i);
            signal[static_cast<size_t>(c)][static_cast<size_t>(i)] =
                0.4f * std::sin(0.031f * t + static_cast<float>(c)) +
                0.3f * std::sin(0.0007f * t * (1.0f + static_cast<float>(c))) + noise(random);
        }
    return signal;
}

bool allFinite(const Signal& signal)
{
    for (const auto& channel : signal)
        for (float sample : channel)
            if (!std::isfinite(sample))
                return false;
    return true;
}

float peak(const Signal& signal, size_t from)
{
    float largest = 0.0f;
    for (const auto& channel : signal)
        for (size_t i = from; i < channel.size(); ++i)
            largest = std::max(largest, std::fabs(channel[i]));
    return largest;
}

Renderer::Renderer(vst3host::PluginInstance& plugin, int32 channels, int32 maxBlock,
                   double sampleRate)
    : plugin_(plugin), buffers_(channels, channels, maxBlock, sampleRate), changes_(64, 4)
{
    buffers_.data().processMode = kRealtime;
    buffers_.data().inputParameterChanges = &changes_;
}

Signal Renderer::render(const Signal& input, const std::vector<int32>& blockSizes,
                        const Automation& automation)
{
    const auto frames = static_cast<int32>(input.empty() ? 0 : input[0].size());
    if (std::none_of(blockSizes.begin(), blockSizes.end(), [](int32 size) { return size > 0; }))
    {
        ADD_FAILURE() << "no block of the list has frames";
        return {};
    }
    Signal output(input.size(), std::vector<float>(static_cast<size_t>(frames)));
    const int32 channels = buffers_.inputChannels();

    int32 done = 0;
    for (int index = 0; done < frames; ++index)
    {
        const int32 size =
            std::min(blockSizes[static_cast<size_t>(index) % blockSizes.size()], frames - done);
        changes_.clear();
        if (automation)
            automation(index, size, changes_);
        for (int32 c = 0; c < channels; ++c)
            std::copy_n(input[static_cast<size_t>(c)].begin() + done, size, buffers_.input(c));
        EXPECT_EQ(plugin_.processor()->process(buffers_.begin(size)), kResultOk);
        for (int32 c = 0; c < channels; ++c)
            std::copy_n(buffers_.output(c), size, output[static_cast<size_t>(c)].begin() + done);
        done += size;
    }
    return output;
}

tresult Renderer::flush(vst3host::ParameterChanges& changes, bool withBusStructs)
{
    AudioBusBuffers inBus{};
    AudioBusBuffers outBus{};
    inBus.numChannels = buffers_.inputChannels();
    outBus.numChannels = buffers_.inputChannels();
    ProcessData data{};
    data.processMode = kRealtime;
    data.symbolicSampleSize = kSample32;
    data.numSamples = 0;
    if (withBusStructs)
    {
        data.numInputs = 1;
        data.numOutputs = 1;
        data.inputs = &inBus;
        data.outputs = &outBus;
    }
    data.inputParameterChanges = &changes;
    return plugin_.processor()->process(data);
}

} // namespace conformance
