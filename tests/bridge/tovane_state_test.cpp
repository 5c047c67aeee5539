// The saved state of the built module: its 74-byte layout, the round trip,
// all-or-nothing loading with values brought into range, the loaded state
// reaching the sound, and the controller's view of a loaded state.

#include "driven_engine.h"
#include "tovane_fixture.h"

#include "platform/vst3host/process_buffers.h"

#include "plug_in.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <memory>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace tovane_test;

namespace
{

// Builds a state record field by field, little-endian.
struct Record
{
    std::vector<char> bytes;

    template <typename T> Record& add(T value)
    {
        const auto* raw = reinterpret_cast<const char*>(&value);
        bytes.insert(bytes.end(), raw, raw + sizeof value);
        return *this;
    }

    // The effect's default state, with header and bypass as given.
    static Record defaults(std::int64_t header = 0, std::int16_t bypass = 0)
    {
        Record r;
        r.add<std::int64_t>(header)
            .add<std::int32_t>(1)
            .add<std::uint32_t>(0)
            .add(1.0f)
            .add<std::uint32_t>(0)
            .add(50.0f)
            .add(1.0f)
            .add<std::uint32_t>(0)
            .add<std::uint32_t>(0)
            .add<std::int32_t>(1)
            .add<std::uint32_t>(0)
            .add(1.0f)
            .add<std::uint32_t>(0)
            .add<std::uint32_t>(0)
            .add<std::uint32_t>(0)
            .add<std::uint32_t>(0)
            .add<std::uint32_t>(0)
            .add<std::int16_t>(bypass);
        return r;
    }

    template <typename T> Record& set(size_t offset, T value)
    {
        std::memcpy(bytes.data() + offset, &value, sizeof value);
        return *this;
    }
};

std::vector<char> savedState(vst3host::PluginInstance& instance)
{
    std::vector<char> bytes;
    EXPECT_TRUE(instance.getState(bytes));
    return bytes;
}

tresult loadState(vst3host::PluginInstance& instance, const std::vector<char>& bytes)
{
    return instance.component()->setState(streamOf(bytes));
}

TEST(TovaneState, DefaultStateIsTheSeventyFourByteRecord)
{
    auto instance = newInstance();
    const std::vector<char> saved = savedState(*instance);
    ASSERT_EQ(saved.size(), 74u);
    EXPECT_EQ(saved, Record::defaults().bytes);
}

TEST(TovaneState, RoundTripsEveryFieldAndTheBypass)
{
    Record record = Record::defaults(0, 1);
    record.set<std::int32_t>(8, 33)
        .set<std::uint32_t>(12, 3)
        .set(16, 7.25f)
        .set<std::uint32_t>(20, 1)
        .set(24, 12.5f)
        .set(28, 0.5f)
        .set<std::int32_t>(40, 64)
        .set<std::uint32_t>(60, 1)
        .set<std::uint32_t>(68, 1);
    auto instance = newInstance();
    ASSERT_EQ(loadState(*instance, record.bytes), kResultOk);
    EXPECT_EQ(savedState(*instance), record.bytes);
}

TEST(TovaneState, AnyHeaderLoadsAndNonZeroBypassSavesAsOne)
{
    auto instance = newInstance();
    ASSERT_EQ(loadState(*instance, Record::defaults(-123456789, 2).bytes), kResultOk);
    EXPECT_EQ(savedState(*instance), Record::defaults(0, 1).bytes);
}

// A record that ends early changes nothing at all, wherever it ends.
TEST(TovaneState, ShortRecordIsRefusedAndChangesNothing)
{
    Record previous = Record::defaults(0, 1);
    previous.set<std::int32_t>(8, 20).set(16, 3.0f).set(24, 80.0f);
    Record incoming = Record::defaults();
    incoming.set<std::int32_t>(8, 40).set(16, 9.0f);
    for (const size_t length : {0u, 7u, 8u, 18u, 72u, 73u})
    {
        SCOPED_TRACE(length);
        auto instance = newInstance();
        ASSERT_EQ(loadState(*instance, previous.bytes), kResultOk);
        std::vector<char> cut(incoming.bytes.begin(), incoming.bytes.begin() + length);
        EXPECT_EQ(loadState(*instance, cut), kResultFalse);
        EXPECT_EQ(savedState(*instance), previous.bytes);
    }
    auto instance = newInstance();
    EXPECT_NE(instance->component()->setState(nullptr), kResultOk);
}

TEST(TovaneState, LoadedValuesAreBroughtIntoTheirControlsRanges)
{
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    // Each case: the field as loaded, and as saved afterwards.
    struct Field
    {
        const char* control;
        size_t offset;
        std::vector<char> loaded;
        std::vector<char> saved;
    };
    auto i32 = [](std::int32_t v) { return Record().add(v).bytes; };
    auto u32 = [](std::uint32_t v) { return Record().add(v).bytes; };
    auto f32 = [](float v) { return Record().add(v).bytes; };
    const Field fields[] = {
        {"Buffer size above range", 8, i32(1000), i32(64)},
        {"Buffer size below range", 8, i32(-5), i32(1)},
        {"LFO Waveform beyond last state", 12, u32(7), u32(3)},
        {"LFO rate NaN", 16, f32(nan), f32(1.0f)},
        {"LFO rate below range", 16, f32(0.0f), f32(0.01f)},
        {"Mix NaN", 24, f32(-nan), f32(50.0f)},
        {"Mix infinite", 24, f32(inf), f32(100.0f)},
        {"Mix negative infinite", 24, f32(-inf), f32(0.0f)},
        {"Stereo Link huge", 60, u32(0xFFFFFFFFu), u32(1)},
        {"Mix in range", 24, f32(33.3f), f32(33.3f)},
    };
    for (const Field& field : fields)
    {
        SCOPED_TRACE(field.control);
        Record loaded = Record::defaults();
        std::memcpy(loaded.bytes.data() + field.offset, field.loaded.data(), 4);
        Record expected = Record::defaults();
        std::memcpy(expected.bytes.data() + field.offset, field.saved.data(), 4);
        auto instance = newInstance();
        ASSERT_EQ(loadState(*instance, loaded.bytes), kResultOk);
        EXPECT_EQ(savedState(*instance), expected.bytes);
    }
}

// A loaded state reaches the sound from the next block: the engine's
// settings are re-derived before that block's parameter changes.
TEST(TovaneState, LoadedStateTakesEffectFromTheNextBlock)
{
    constexpr int32 kFrames = 300;
    auto instance = newInstance();
    vst3host::ProcessBuffers buffers(2, 2, kFrames, 44100.0);
    std::string error;
    ASSERT_TRUE(instance->start(buffers.setup(kRealtime), 2, error)) << error;

    std::unique_ptr<CPlugIn> direct = drivenEngine(44100);

    Record loaded = Record::defaults();
    loaded.set<std::int32_t>(8, 17).set<std::int32_t>(40, 9).set(24, 90.0f).set<std::uint32_t>(56,
                                                                                               1);
    std::vector<char> refused(loaded.bytes.begin(), loaded.bytes.begin() + 40);

    std::uint32_t seed = 99;
    for (int block = 0; block < 6; ++block)
    {
        if (block == 2)
        {
            ASSERT_EQ(loadState(*instance, loaded.bytes), kResultOk);
            *direct->controls.at(0)->intVariable = 17;
            *direct->controls.at(8)->intVariable = 9;
            *direct->controls.at(4)->floatVariable = 90.0f;
            *direct->controls.at(12)->uintVariable = 1;
            direct->rederiveSettings();
        }
        if (block == 4)
        {
            ASSERT_EQ(loadState(*instance, refused), kResultFalse);
        }
        const int32 frames = block == 2 ? 0 : kFrames;
        ProcessData& data = buffers.begin(frames);
        for (int32 c = 0; c < 2; ++c)
            for (int32 i = 0; i < frames; ++i)
            {
                seed = seed * 1664525u + 1013904223u;
                buffers.input(c)[i] = static_cast<float>(seed >> 9) / 4194304.0f - 1.0f;
            }
        ASSERT_EQ(instance->processor()->process(data), kResultOk);
        for (int32 i = 0; i < frames; ++i)
        {
            const float in[2] = {buffers.input(0)[i], buffers.input(1)[i]};
            float out[2] = {0.0f, 0.0f};
            direct->processFrame(in, out, 2, 2);
            ASSERT_EQ(buffers.output(0)[i], out[0]) << "block " << block << " frame " << i;
            ASSERT_EQ(buffers.output(1)[i], out[1]) << "block " << block << " frame " << i;
        }
    }
}

TEST(TovaneComponentState, ShowsALoadedRecordInTheParameters)
{
    Record record = Record::defaults(0, 1);
    record.set<std::uint32_t>(12, 2).set(24, 25.0f).set<std::int32_t>(8, 64).set<std::uint32_t>(60,
                                                                                                1);
    auto instance = newInstance();
    IEditController* controller = instance->controller();
    ASSERT_EQ(controller->setComponentState(streamOf(record.bytes)), kResultOk);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(1), 2.0 / 3.0);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(4), 0.25);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(0), 1.0);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(13), 1.0);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(2056), 1.0);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(2), (1.0 - 0.01f) / (20.0 - 0.01f));
    // The controller view does not touch the engine.
    EXPECT_EQ(savedState(*instance), Record::defaults().bytes);
}

TEST(TovaneComponentState, ShortRecordChangesNoParameter)
{
    Record record = Record::defaults(0, 1);
    record.set(24, 25.0f);
    auto instance = newInstance();
    IEditController* controller = instance->controller();
    std::vector<char> cut(record.bytes.begin(), record.bytes.end() - 1);
    EXPECT_EQ(controller->setComponentState(streamOf(cut)), kResultFalse);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(4), 0.5);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(2056), 0.0);
}

} // namespace
