#pragma once

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <vector>

namespace vst3host
{

// Audio storage and the `ProcessData` that points at it: one input bus and
// one output bus of 32-bit channels, sized for the largest block up front.
class ProcessBuffers
{
public:
    ProcessBuffers(Steinberg::int32 inputChannels, Steinberg::int32 outputChannels,
                   Steinberg::int32 maxBlockSize, double sampleRate);

    // The set-up to hand to `setupProcessing` before activation.
    Steinberg::Vst::ProcessSetup
    setup(Steinberg::int32 processMode = Steinberg::Vst::kOffline) const;

    // Readies the next block of `numSamples` (at most the maximum block size)
    // and advances the transport position by the previous block.
    Steinberg::Vst::ProcessData& begin(Steinberg::int32 numSamples);

    Steinberg::Vst::ProcessData& data() { return data_; }
    float* input(Steinberg::int32 channel) { return inputPointers_[static_cast<size_t>(channel)]; }
    float* output(Steinberg::int32 channel)
    {
        return outputPointers_[static_cast<size_t>(channel)];
    }
    Steinberg::int32 inputChannels() const { return inputBus_.numChannels; }
    Steinberg::int32 outputChannels() const { return outputBus_.numChannels; }
    Steinberg::int32 maxBlockSize() const { return maxBlockSize_; }

    ProcessBuffers(const ProcessBuffers&) = delete;
    ProcessBuffers& operator=(const ProcessBuffers&) = delete;

private:
    Steinberg::int32 maxBlockSize_;
    double sampleRate_;
    Steinberg::int64 position_ = 0;
    std::vector<float> storage_;
    std::vector<float*> inputPointers_;
    std::vector<float*> outputPointers_;
    Steinberg::Vst::AudioBusBuffers inputBus_{};
    Steinberg::Vst::AudioBusBuffers outputBus_{};
    Steinberg::Vst::ProcessContext context_{};
    Steinberg::Vst::ProcessData data_;
};

} // namespace vst3host
