// Renders through the built tool and plug-in must equal the engine driven
// directly with the same settings, sample for sample.
#include "audio_files.h"
#include "tool_runner.h"

#include "create_engine.h"
#include "plug_in.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using namespace render_test;

namespace
{

struct Setting
{
    std::int32_t position;
    float normalized;
};

// Normalized value of a control at `seconds` into the render, or none.
using Lane = std::function<double(double seconds)>;

// The engine as a host drives it through the plug-in: set up, activated,
// settings applied before the first frame, automation once per block at the
// block's start when its value moves, then frame by frame.
Audio renderWithEngine(const Audio& in, const std::vector<Setting>& settings, int blockSize,
                       const std::vector<std::pair<std::int32_t, Lane>>& lanes = {})
{
    std::unique_ptr<CPlugIn> engine(createEngine());
    engine->sampleRate = in.sampleRate;
    engine->prepare();
    engine->activate();
    engine->sampleRate = in.sampleRate;
    engine->prepare();
    for (const Setting& s : settings)
        engine->setControlNormalized(s.position, s.normalized);

    Audio out = in;
    const auto channels = static_cast<std::uint32_t>(in.channels);
    std::vector<double> sent(lanes.size(), -1.0);
    for (long start = 0; start < in.frames(); start += blockSize)
    {
        const double seconds = static_cast<double>(start) / in.sampleRate;
        for (size_t k = 0; k < lanes.size(); ++k)
        {
            const double v = lanes[k].second(seconds);
            if (v != sent[k])
                engine->setControlNormalized(lanes[k].first, static_cast<float>(v));
            sent[k] = v;
        }
        const long end = std::min<long>(start + blockSize, in.frames());
        for (long i = start; i < end; ++i)
        {
            float inFrame[2] = {0.0f, 0.0f};
            float outFrame[2] = {0.0f, 0.0f};
            for (std::uint32_t c = 0; c < channels; ++c)
                inFrame[c] = in.samples[static_cast<size_t>(i) * channels + c];
            engine->processFrame(inFrame, outFrame, channels, channels);
            for (std::uint32_t c = 0; c < channels; ++c)
                out.samples[static_cast<size_t>(i) * channels + c] = outFrame[c];
        }
    }
    return out;
}

void expectSameAudio(const Audio& actual, const Audio& expected)
{
    ASSERT_EQ(actual.channels, expected.channels);
    ASSERT_EQ(actual.sampleRate, expected.sampleRate);
    ASSERT_EQ(actual.samples.size(), expected.samples.size());
    const auto [a, e] =
        std::mismatch(actual.samples.begin(), actual.samples.end(), expected.samples.begin());
    EXPECT_TRUE(a == actual.samples.end())
        << "first difference at sample " << (a - actual.samples.begin()) << ": " << *a
        << " instead of " << *e;
}

// Settings typed as a user would, and the normalized values they stand for.
const std::vector<std::string> typedSettings = {
    "--set", "Buffer size=22", "--set", "Right Buffer Size=43", "--set", "LFO Waveform=tri",
    "--set", "mix=75",         "--set", "LFO rate=4.5",         "--set", "Left Buffer Mod=ON",
    "--set", "13=on",          "--set", "Left LFO Dest=size",
};
const std::vector<Setting> engineSettings = {
    {0, static_cast<float>(21.0 / 63.0)},
    {8, static_cast<float>(42.0 / 63.0)},
    {1, static_cast<float>(2.0 / 3.0)},
    {4, 0.75f},
    {2, static_cast<float>((4.5 - double(0.01f)) / (20.0 - double(0.01f)))},
    {12, 1.0f},
    {13, 1.0f},
    {6, 1.0f},
};

TEST(RenderEngineMatch, OutputEqualsEngineForStereoAndMonoAndAnyBlockSize)
{
    const struct
    {
        int channels;
        int sampleRate;
        int blockSize;
        long frames;
    } cases[] = {
        {2, 48000, 256, 30001},
        {1, 44100, 512, 20000},
        {2, 96000, 7, 4000},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(testing::Message() << c.channels << " channels, block " << c.blockSize);
        TempDir dir;
        const Audio in = testSignal(c.channels, c.sampleRate, c.frames);
        writeAudio(dir / "in.wav", in);
        std::vector<std::string> args = {dir / "in.wav", dir / "out.wav", "--block",
                                         std::to_string(c.blockSize)};
        args.insert(args.end(), typedSettings.begin(), typedSettings.end());
        const ToolResult run = runTool(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        expectSameAudio(readAudio(dir / "out.wav"),
                        renderWithEngine(in, engineSettings, c.blockSize));
    }
}

TEST(RenderEngineMatch, AutomationReachesTheEngineOncePerBlock)
{
    TempDir dir;
    const Audio in = testSignal(2, 48000, 60000);
    writeAudio(dir / "in.wav", in);
    const ToolResult run = runTool({dir / "in.wav", dir / "out.wav", "--block", "100", "--set",
                                    "Buffer size=22", "--automate", "Mix=0@0s,100@1s", "--automate",
                                    "Right Buffer Size=1@0.25s,64@1000ms"});
    ASSERT_EQ(run.exitCode, 0) << run.err;

    const Lane mix = [](double t) { return std::min(t, 1.0); };
    const Lane right = [](double t) { return std::clamp((t - 0.25) / 0.75, 0.0, 1.0); };
    expectSameAudio(
        readAudio(dir / "out.wav"),
        renderWithEngine(in, {{0, static_cast<float>(21.0 / 63.0)}}, 100, {{4, mix}, {8, right}}));
}

} // namespace
