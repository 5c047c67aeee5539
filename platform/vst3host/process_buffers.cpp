#include "process_buffers.h"

#include <algorithm>

namespace vst3host
{

using namespace Steinberg;

ProcessBuffers::ProcessBuffers(int32 inputChannels, int32 outputChannels, int32 maxBlockSize,
                               double sampleRate)
    : maxBlockSize_(std::max<int32>(maxBlockSize, 1)), sampleRate_(sampleRate)
{
    inputChannels = std::max<int32>(inputChannels, 0);
    outputChannels = std::max<int32>(outputChannels, 0);
    const auto block = static_cast<size_t>(maxBlockSize_);
    storage_.assign(block * static_cast<size_t>(inputChannels + outputChannels), 0.0f);
    for (int32 c = 0; c < inputChannels; ++c)
        inputPointers_.push_back(storage_.data() + block * static_cast<size_t>(c));
    for (int32 c = 0; c < outputChannels; ++c)
        outputPointers_.push_back(storage_.data() + block * static_cast<size_t>(inputChannels + c));

    inputBus_.numChannels = inputChannels;
    inputBus_.channelBuffers32 = inputPointers_.data();
    outputBus_.numChannels = outputChannels;
    outputBus_.channelBuffers32 = outputPointers_.data();

    context_.sampleRate = sampleRate_;
    context_.tempo = 120.0;
    context_.timeSigNumerator = 4;
    context_.timeSigDenominator = 4;
    context_.state = Vst::ProcessContext::kPlaying | Vst::ProcessContext::kTempoValid |
                     Vst::ProcessContext::kTimeSigValid | Vst::ProcessContext::kContTimeValid;

    data_.processMode = Vst::kOffline;
    data_.symbolicSampleSize = Vst::kSample32;
    data_.numInputs = inputChannels > 0 ? 1 : 0;
    data_.numOutputs = outputChannels > 0 ? 1 : 0;
    data_.inputs = inputChannels > 0 ? &inputBus_ : nullptr;
    data_.outputs = outputChannels > 0 ? &outputBus_ : nullptr;
    data_.processContext = &context_;
}

Vst::ProcessSetup ProcessBuffers::setup(int32 processMode) const
{
    Vst::ProcessSetup setup{};
    setup.processMode = processMode;
    setup.symbolicSampleSize = Vst::kSample32;
    setup.maxSamplesPerBlock = maxBlockSize_;
    setup.sampleRate = sampleRate_;
    return setup;
}

Vst::ProcessData& ProcessBuffers::begin(int32 numSamples)
{
    data_.numSamples = std::clamp<int32>(numSamples, 0, maxBlockSize_);
    inputBus_.silenceFlags = 0;
    outputBus_.silenceFlags = 0;
    context_.projectTimeSamples = position_;
    context_.continousTimeSamples = position_;
    position_ += data_.numSamples;
    return data_;
}

} // namespace vst3host
