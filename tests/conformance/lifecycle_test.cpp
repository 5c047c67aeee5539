// The component's life as hosts run it: the regular order again and again,
// and the out-of-order calls real hosts make, none of which may crash or
// leave the plug-in unable to process.
#include "conformance_host.h"

#include <gtest/gtest.h>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace conformance;

namespace
{

constexpr int32 kBlock = 256;

// One block of the test signal through `processor`; true when it ran and
// gave finite output.
bool processBlock(IAudioProcessor& processor)
{
    Signal input = testSignal(2, kBlock);
    Signal output(2, std::vector<float>(kBlock));
    float* in[2] = {input[0].data(), input[1].data()};
    float* out[2] = {output[0].data(), output[1].data()};
    AudioBusBuffers inBus{};
    inBus.numChannels = 2;
    inBus.channelBuffers32 = in;
    AudioBusBuffers outBus{};
    outBus.numChannels = 2;
    outBus.channelBuffers32 = out;
    ProcessData data{};
    data.symbolicSampleSize = kSample32;
    data.numSamples = kBlock;
    data.numInputs = 1;
    data.numOutputs = 1;
    data.inputs = &inBus;
    data.outputs = &outBus;
    return processor.process(data) == kResultOk && allFinite(output);
}

TEST(Lifecycle, RegularOrderRepeats)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    IComponent& component = *plugin->component();
    IAudioProcessor& processor = *plugin->processor();
    for (int round = 0; round < 3; ++round)
    {
        SCOPED_TRACE(round);
        if (round > 0)
        {
            ASSERT_EQ(component.initialize(nullptr), kResultOk);
        }
        SpeakerArrangement in = SpeakerArr::kStereo;
        SpeakerArrangement out = SpeakerArr::kStereo;
        ASSERT_EQ(processor.setBusArrangements(&in, 1, &out, 1), kResultTrue);
        ProcessSetup setup{kRealtime, kSample32, kBlock, 44100.0 * (round + 1)};
        ASSERT_EQ(processor.setupProcessing(setup), kResultOk);
        ASSERT_EQ(component.setActive(true), kResultOk);
        processor.setProcessing(true);
        for (int block = 0; block < 4; ++block)
            ASSERT_TRUE(processBlock(processor));
        processor.setProcessing(false);
        ASSERT_EQ(component.setActive(false), kResultOk);
        // Reactivation without a new set-up.
        ASSERT_EQ(component.setActive(true), kResultOk);
        ASSERT_TRUE(processBlock(processor));
        ASSERT_EQ(component.setActive(false), kResultOk);
        ASSERT_EQ(component.terminate(), kResultOk);
    }
    // The instance's own teardown terminates again: harmless.
    ASSERT_EQ(component.initialize(nullptr), kResultOk);
}

TEST(Lifecycle, IllegalOrdersAreTolerated)
{
    auto plugin = loadPlugin();
    ASSERT_TRUE(plugin);
    IComponent& component = *plugin->component();
    IAudioProcessor& processor = *plugin->processor();

    // Processing before any set-up or activation.
    processBlock(processor);
    // Deactivating what is not active, twice.
    EXPECT_EQ(component.setActive(false), kResultOk);
    EXPECT_EQ(component.setActive(false), kResultOk);
    processor.setProcessing(false);
    // Activating twice, set-up while active, processing switched on twice.
    EXPECT_EQ(component.setActive(true), kResultOk);
    EXPECT_EQ(component.setActive(true), kResultOk);
    ProcessSetup setup{kRealtime, kSample32, kBlock, 48000.0};
    processor.setupProcessing(setup);
    processor.setProcessing(true);
    processor.setProcessing(true);
    EXPECT_TRUE(processBlock(processor));

    // Refused requests change nothing: the plug-in still processes stereo.
    SpeakerArrangement stereo = SpeakerArr::kStereo;
    SpeakerArrangement mono = SpeakerArr::kMono;
    EXPECT_NE(processor.setBusArrangements(&stereo, 1, &mono, 1), kResultTrue);
    EXPECT_NE(processor.setBusArrangements(nullptr, 0, &stereo, 1), kResultTrue);
    EXPECT_NE(processor.setBusArrangements(nullptr, 0, nullptr, 0), kResultTrue);
    ProcessSetup wide{kRealtime, kSample64, kBlock, 48000.0};
    EXPECT_NE(processor.setupProcessing(wide), kResultOk);
    ProcessSetup noRate{kRealtime, kSample32, kBlock, 0.0};
    EXPECT_NE(processor.setupProcessing(noRate), kResultOk);
    EXPECT_NE(processor.canProcessSampleSize(kSample64), kResultTrue);
    EXPECT_TRUE(processBlock(processor));

    // Terminating while active and processing, then calls after terminate.
    EXPECT_EQ(component.terminate(), kResultOk);
    processBlock(processor);
    component.setActive(false);
    EXPECT_EQ(component.terminate(), kResultOk);
    // And back to a working instance.
    ASSERT_EQ(component.initialize(nullptr), kResultOk);
    ASSERT_EQ(processor.setBusArrangements(&stereo, 1, &stereo, 1), kResultTrue);
    ASSERT_EQ(processor.setupProcessing(setup), kResultOk);
    ASSERT_EQ(component.setActive(true), kResultOk);
    EXPECT_TRUE(processBlock(processor));
}

} // namespace
