// Audio through the built module against the engine driven directly: mono and
// stereo, blocks of random size, parameter changes, bypass, and buffers a host
// gets wrong.

#include "driven_engine.h"
#include "tovane_fixture.h"

#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/process_buffers.h"

#include "plug_in.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace tovane_test;

namespace
{

constexpr double kRate = 48000.0;
constexpr int32 kMaxBlock = 512;

// The engine as the plug-in drives it: set up, activated, then one frame at a
// time on two-sample frames.
struct DirectEngine
{
    std::unique_ptr<CPlugIn> engine = drivenEngine(static_cast<int32>(kRate));

    void process(vst3host::ProcessBuffers& buffers, int32 channels, int32 frames,
                 std::vector<std::vector<float>>& out)
    {
        for (auto& channel : out)
            channel.assign(static_cast<size_t>(frames), 0.0f);
        float in[2] = {0.0f, 0.0f};
        float result[2] = {0.0f, 0.0f};
        for (int32 i = 0; i < frames; ++i)
        {
            for (int32 c = 0; c < channels; ++c)
                in[c] = buffers.input(c)[i];
            engine->processFrame(in, result, static_cast<uint32>(channels),
                                 static_cast<uint32>(channels));
            for (int32 c = 0; c < channels; ++c)
                out[static_cast<size_t>(c)][static_cast<size_t>(i)] = result[c];
        }
    }
};

struct Random
{
    std::uint32_t state = 12345;
    std::uint32_t next()
    {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    }
    float sample() { return static_cast<float>(next() % 20001) / 10000.0f - 1.0f; }
};

// One plug-in instance started for `channels` with its host-side buffers.
struct Session
{
    std::unique_ptr<vst3host::PluginInstance> instance = newInstance();
    vst3host::ProcessBuffers buffers;
    vst3host::ParameterChanges changes{16, 8};

    explicit Session(int32 channels) : buffers(channels, channels, kMaxBlock, kRate)
    {
        std::string error;
        EXPECT_TRUE(instance->start(buffers.setup(kRealtime), channels, error)) << error;
        buffers.data().inputParameterChanges = &changes;
    }

    tresult process(int32 frames) { return instance->processor()->process(buffers.begin(frames)); }

    std::vector<char> state()
    {
        std::vector<char> bytes;
        EXPECT_TRUE(instance->getState(bytes));
        return bytes;
    }
};

float floatAt(const std::vector<char>& bytes, size_t offset)
{
    float value = 0.0f;
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

TEST(TovaneProcessing, MonoAndStereoMatchTheEngineDrivenDirectly)
{
    // Parameter changes of some blocks: id -> the points of its queue.
    const std::map<int, std::map<ParamID, std::vector<double>>> automation = {
        {2, {{4, {0.1, 0.5, 0.9}}, {0, {0.3}}, {8, {0.6}}}},
        {4, {{12, {1.0}}, {15, {1.0}}, {2, {0.02, 0.2}}}},
        {7, {{1, {1.0}}, {3, {1.0}}, {13, {1.0}}}},
        {9, {{14, {1.0}}, {4, {0.7}}, {32768, {1.0}}}},
    };
    for (int32 channels : {1, 2})
    {
        SCOPED_TRACE(channels == 1 ? "mono" : "stereo");
        Session session(channels);
        DirectEngine direct;
        Random random;
        std::vector<std::vector<float>> expected(static_cast<size_t>(channels));
        for (int block = 0; block < 14; ++block)
        {
            // The first block is empty; later sizes are random, some empty.
            const int32 frames =
                block == 0 || block == 5 ? 0 : static_cast<int32>(random.next() % kMaxBlock);
            session.changes.clear();
            if (auto found = automation.find(block); found != automation.end())
                for (const auto& [id, points] : found->second)
                {
                    for (size_t p = 0; p < points.size(); ++p)
                        session.changes.addPoint(id, static_cast<int32>(p), points[p]);
                    if (id < 16)
                        direct.engine->setControlNormalized(static_cast<int32>(id),
                                                            static_cast<float>(points.back()));
                    else
                        direct.engine->controlChanged(50);
                }
            for (int32 c = 0; c < channels; ++c)
                for (int32 i = 0; i < frames; ++i)
                    session.buffers.input(c)[i] = random.sample();

            ASSERT_EQ(session.process(frames), kResultOk);
            direct.process(session.buffers, channels, frames, expected);
            for (int32 c = 0; c < channels && frames > 0; ++c)
                ASSERT_EQ(std::memcmp(session.buffers.output(c),
                                      expected[static_cast<size_t>(c)].data(),
                                      sizeof(float) * static_cast<size_t>(frames)),
                          0)
                    << "block " << block << " channel " << c;
        }
    }
}

TEST(TovaneProcessing, BypassPassesTheInputThroughForAnyNonZeroValue)
{
    Session session(2);
    session.changes.addPoint(4, 0, 1.0); // all filtered, so processing shows
    session.changes.addPoint(0, 0, 1.0);
    ASSERT_EQ(session.process(0), kResultOk);

    Random random;
    for (const double bypass : {1.0, 0.3, 0.0})
    {
        session.changes.clear();
        session.changes.addPoint(2056, 0, bypass);
        for (int32 c = 0; c < 2; ++c)
            for (int32 i = 0; i < 256; ++i)
                session.buffers.input(c)[i] = random.sample();
        ASSERT_EQ(session.process(256), kResultOk);
        const bool equal = std::memcmp(session.buffers.input(0), session.buffers.output(0),
                                       256 * sizeof(float)) == 0 &&
                           std::memcmp(session.buffers.input(1), session.buffers.output(1),
                                       256 * sizeof(float)) == 0;
        EXPECT_EQ(equal, bypass != 0.0) << "bypass " << bypass;
        EXPECT_EQ(session.state()[72] != 0, bypass != 0.0) << "saved bypass";
    }
}

TEST(TovaneProcessing, IgnoresNaNParameterValues)
{
    Session session(2);
    session.changes.addPoint(4, 0, 0.25);
    ASSERT_EQ(session.process(0), kResultOk);
    session.changes.clear();
    session.changes.addPoint(4, 0, std::numeric_limits<double>::quiet_NaN());
    session.changes.addPoint(2056, 0, std::numeric_limits<double>::quiet_NaN());
    ASSERT_EQ(session.process(0), kResultOk);
    const auto state = session.state();
    EXPECT_EQ(floatAt(state, 24), 25.0f);
    EXPECT_EQ(state[72], 0);
}

// Buffers that do not match the stereo arrangement: the block's parameter
// change still lands, every output channel given is cleared, and the result
// is success.
TEST(TovaneProcessing, SurvivesBuffersThatDoNotMatchTheArrangement)
{
    struct Row
    {
        const char* fault;
        void (*damage)(ProcessData& data, float** inputs, float** outputs);
        int32 frames;
    };
    const Row rows[] = {
        {"no input bus", [](ProcessData& d, float**, float**) { d.numInputs = 0; }, 64},
        {"null input list", [](ProcessData& d, float**, float**) { d.inputs = nullptr; }, 64},
        {"one input channel", [](ProcessData& d, float**, float**) { d.inputs[0].numChannels = 1; },
         64},
        {"null input channel", [](ProcessData&, float** in, float**) { in[1] = nullptr; }, 64},
        {"one output channel",
         [](ProcessData& d, float**, float**) { d.outputs[0].numChannels = 1; }, 64},
        {"null output channel", [](ProcessData&, float**, float** out) { out[0] = nullptr; }, 64},
        {"null channel arrays",
         [](ProcessData& d, float**, float**)
         {
             d.inputs[0].channelBuffers32 = nullptr;
             d.outputs[0].channelBuffers32 = nullptr;
         },
         64},
        {"no buses and no frames",
         [](ProcessData& d, float**, float**)
         {
             d.numInputs = d.numOutputs = 0;
             d.inputs = d.outputs = nullptr;
         },
         0},
    };
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.fault);
        Session session(2);
        session.changes.addPoint(4, 0, 0.25);
        ProcessData& data = session.buffers.begin(row.frames);
        float* inputs[2] = {session.buffers.input(0), session.buffers.input(1)};
        float* outputs[2] = {session.buffers.output(0), session.buffers.output(1)};
        AudioBusBuffers inputBus = data.inputs[0];
        AudioBusBuffers outputBus = data.outputs[0];
        inputBus.channelBuffers32 = inputs;
        outputBus.channelBuffers32 = outputs;
        data.inputs = &inputBus;
        data.outputs = &outputBus;
        for (float* channel : outputs)
            std::fill(channel, channel + kMaxBlock, 1.0f);
        row.damage(data, inputs, outputs);

        EXPECT_EQ(session.instance->processor()->process(data), kResultOk);
        EXPECT_EQ(floatAt(session.state(), 24), 25.0f);
        if (!data.outputs || data.numOutputs == 0 || !data.outputs[0].channelBuffers32)
            continue;
        for (int32 c = 0; c < data.outputs[0].numChannels; ++c)
        {
            const float* channel = data.outputs[0].channelBuffers32[c];
            for (int32 i = 0; channel && i < row.frames; ++i)
            {
                ASSERT_EQ(channel[i], 0.0f) << "channel " << c << " frame " << i;
            }
        }
    }
}

} // namespace
