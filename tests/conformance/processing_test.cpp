// Audio processing as hosts drive it: every common sample rate and block
// size, variable blocks, flush calls, silence, and automation on every block.
#include "conformance_host.h"

#include <gtest/gtest.h>

#include <random>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace conformance;

namespace
{

constexpr int32 kMaxBlock = 4096;

// A started stereo instance whose first, zero-frame call carries the sound
// setting.
Session start(double sampleRate, int32 channels = 2)
{
    Session s = startSession(sampleRate, channels, kMaxBlock);
    if (!s.renderer)
        return s;
    vst3host::ParameterChanges setting(64, 1);
    addSoundSetting(*s.plugin->controller(), setting);
    EXPECT_EQ(s.renderer->flush(setting, false), kResultOk);
    return s;
}

// Automation applies at block starts only, so without automation the block
// size must not change a single bit of the output.
TEST(Processing, EveryRateAndBlockSizeGivesTheSameFiniteOutput)
{
    const double rates[] = {22050.0, 44100.0, 48000.0, 88200.0, 96000.0, 192000.0};
    const int32 blockSizes[] = {4096, 1, 32, 64, 512, 1024};
    const Signal input = testSignal(2, 3 * kMaxBlock);
    for (const double rate : rates)
    {
        Signal reference;
        for (const int32 blockSize : blockSizes)
        {
            SCOPED_TRACE(testing::Message() << rate << " Hz, blocks of " << blockSize);
            Session s = start(rate);
            ASSERT_TRUE(s.renderer);
            const Signal output = s.renderer->render(input, {blockSize});
            ASSERT_TRUE(allFinite(output));
            ASSERT_GT(peak(output), 0.0f);
            if (reference.empty())
                reference = output;
            else
                ASSERT_EQ(output, reference);
        }
    }
}

TEST(Processing, VariableBlockSizesStartingWithZeroMatchFixedBlocks)
{
    const Signal input = testSignal(2, 20000);
    Session fixed = start(44100.0);
    Session variable = start(44100.0);
    ASSERT_TRUE(fixed.renderer && variable.renderer);
    const Signal expected = fixed.renderer->render(input, {512});
    const Signal output =
        variable.renderer->render(input, {0, 1, 0, 7, 4096, 0, 3, 1000, 64, 2, 0, 4095, 333});
    EXPECT_EQ(output, expected);
}

TEST(Processing, MonoArrangementProcessesFinitely)
{
    Session s = start(48000.0, 1);
    ASSERT_TRUE(s.renderer);
    const Signal output = s.renderer->render(testSignal(1, 8000), {256});
    EXPECT_TRUE(allFinite(output));
    EXPECT_GT(peak(output), 0.0f);
}

// A flush call (no frames, no buffers) still delivers its parameter changes:
// the bypass it switches on holds for the next block.
TEST(Processing, FlushCallsWithoutBuffersApplyParameterChanges)
{
    for (const bool withBusStructs : {false, true})
    {
        Session s = start(44100.0);
        ASSERT_TRUE(s.renderer);
        const Signal input = testSignal(2, 1024);
        ASSERT_NE(s.renderer->render(input, {1024}), input);

        vst3host::ParameterChanges bypassOn(1, 1);
        bypassOn.addPoint(bypassId(*s.plugin->controller()), 0, 1.0);
        EXPECT_EQ(s.renderer->flush(bypassOn, withBusStructs), kResultOk);
        vst3host::ParameterChanges none(1, 1);
        EXPECT_EQ(s.renderer->flush(none, withBusStructs), kResultOk);
        EXPECT_EQ(s.renderer->render(input, {1024}), input) << "bus structs: " << withBusStructs;
    }
}

// Digital silence in gives silence out: from the start, and again once the
// window and its smoothing have let go of the earlier signal.
TEST(Processing, SilenceInGivesSilenceOut)
{
    for (const double rate : {44100.0, 192000.0})
    {
        SCOPED_TRACE(rate);
        Session s = start(rate);
        ASSERT_TRUE(s.renderer);
        const Signal silence(2, std::vector<float>(static_cast<size_t>(rate / 2)));
        EXPECT_EQ(peak(s.renderer->render(silence, {512})), 0.0f);

        s.renderer->render(testSignal(2, static_cast<int32>(rate / 2)), {512});
        const Signal tail = s.renderer->render(silence, {512});
        // The window holds at most 65 samples and the smoothing keeps a
        // 1/44100 share of its last output, so 1000 samples is ample.
        EXPECT_EQ(peak(tail, 1000), 0.0f);
    }
}

// A host automating everything at once, several points per queue, in
// blocks of changing size: the output stays finite and bounded.
TEST(Processing, AutomationOfEveryParameterOnEveryBlockStaysFinite)
{
    Session s = start(48000.0);
    ASSERT_TRUE(s.renderer);
    std::vector<ParamID> ids;
    for (const ParameterInfo& info : parameters(*s.plugin->controller()))
        if (info.flags & ParameterInfo::kCanAutomate)
            ids.push_back(info.id);
    ASSERT_GE(ids.size(), 16u);

    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(0.0, 1.0);
    const Signal input = testSignal(2, 96000, 3);
    const Signal output =
        s.renderer->render(input, {64, 1, 300, 0, 17, 1024},
                           [&](int, int32 frames, vst3host::ParameterChanges& changes)
                           {
                               for (const ParamID id : ids)
                               {
                                   changes.addPoint(id, 0, value(random));
                                   changes.addPoint(id, frames / 2, value(random));
                                   changes.addPoint(id, frames > 0 ? frames - 1 : 0, value(random));
                               }
                           });
    EXPECT_TRUE(allFinite(output));
    // Neither the window nor the blend can make a sample larger than the
    // largest input sample.
    EXPECT_LE(peak(output), peak(input) + 1e-6f);
}

} // namespace
