// The built module as a VST 2.4 host sees it: loaded with dlopen and entered
// through VSTPluginMain, then compared with the same module driven as VST 3.

#include "vst2/vst2_effect.h"
#include "vst2/vst2_opcodes.h"

#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/plugin_instance.h"
#include "platform/vst3host/process_buffers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <dlfcn.h>
#include <string>
#include <vector>

using namespace vst2;

namespace
{

using EntryPoint = Effect* (*)(HostCallback);

IntPtr hostVersion = kVstVersion;
std::vector<std::int32_t> hostOpcodes;

IntPtr testHost(Effect*, std::int32_t opcode, std::int32_t, IntPtr, void*, float)
{
    hostOpcodes.push_back(opcode);
    return opcode == static_cast<std::int32_t>(HostOpcode::version) ? hostVersion : 0;
}

EntryPoint entryPoint()
{
    // Kept open for the whole run, as a host keeps a module it uses.
    static void* module = dlopen(TOVANE_MODULE, RTLD_NOW | RTLD_LOCAL);
    return module ? reinterpret_cast<EntryPoint>(dlsym(module, "VSTPluginMain")) : nullptr;
}

constexpr float kSampleRate = 48000.0f;
constexpr std::int32_t kBlock = 256;
constexpr int kBlocks = 6;

// Settings away from the defaults, by parameter index (= VST 3 parameter id
// for the sixteen controls).
const std::pair<std::int32_t, float> kSettings[] = {
    {0, 0.4f}, {1, 0.7f}, {2, 0.3f}, {4, 0.65f}, {8, 0.2f}, {12, 1.0f}, {14, 1.0f},
};

float testSignal(int channel, int frame)
{
    const double t = static_cast<double>(frame) / kSampleRate;
    return static_cast<float>(0.6 * std::sin(2.0 * M_PI * (220.0 + 110.0 * channel) * t) +
                              0.3 * std::sin(2.0 * M_PI * 1375.0 * t) *
                                  ((frame / 97) % 2 == 0 ? 1.0 : -0.5));
}

class Vst2EntryTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hostVersion = kVstVersion;
        const EntryPoint main = entryPoint();
        ASSERT_NE(main, nullptr) << dlerror();
        effect = main(&testHost);
        ASSERT_NE(effect, nullptr);
    }

    void TearDown() override
    {
        if (effect)
            call(Opcode::close);
    }

    IntPtr call(Opcode opcode, std::int32_t index = 0, IntPtr value = 0, void* ptr = nullptr,
                float opt = 0.0f)
    {
        return effect->dispatcher(effect, static_cast<std::int32_t>(opcode), index, value, ptr,
                                  opt);
    }

    std::string text(Opcode opcode, std::int32_t index = 0)
    {
        char buffer[128] = {};
        call(opcode, index, 0, buffer);
        return buffer;
    }

    std::vector<char> chunk()
    {
        void* data = nullptr;
        const IntPtr size = call(Opcode::getChunk, 1, 0, &data);
        if (size <= 0 || !data)
            return {};
        return {static_cast<char*>(data), static_cast<char*>(data) + size};
    }

    void resume()
    {
        call(Opcode::setSampleRate, 0, 0, nullptr, kSampleRate);
        call(Opcode::setBlockSize, 0, kBlock);
        call(Opcode::mainsChanged, 0, 1);
    }

    Effect* effect = nullptr;
};

TEST_F(Vst2EntryTest, HostWithoutAVersionGetsNoEffect)
{
    hostVersion = 0;
    hostOpcodes.clear();
    EXPECT_EQ(entryPoint()(&testHost), nullptr);
    EXPECT_EQ(hostOpcodes,
              std::vector<std::int32_t>{static_cast<std::int32_t>(HostOpcode::version)});
    EXPECT_EQ(entryPoint()(nullptr), nullptr);
}

TEST_F(Vst2EntryTest, RecordPresentsTheRegisteredClass)
{
    EXPECT_EQ(effect->magic, fourCharCode('V', 's', 't', 'P'));
    EXPECT_EQ(effect->uniqueId, fourCharCode('T', 'v', 'n', 'e'));
    EXPECT_EQ(effect->numParams, 28);
    EXPECT_EQ(effect->numInputs, 2);
    EXPECT_EQ(effect->numOutputs, 2);
    EXPECT_EQ(effect->numPrograms, 1);
    EXPECT_EQ(effect->flags & (kFlagCanReplacing | kFlagProgramChunks),
              kFlagCanReplacing | kFlagProgramChunks);
    EXPECT_EQ(effect->flags & (kFlagIsSynth | kFlagCanDoubleReplacing), 0);
    EXPECT_EQ(effect->version, 1000);

    EXPECT_EQ(call(Opcode::getVstVersion), 2400);
    EXPECT_EQ(call(Opcode::getPlugCategory), static_cast<IntPtr>(PlugCategory::effect));
    EXPECT_EQ(text(Opcode::getEffectName), "tovane");
    EXPECT_EQ(text(Opcode::getProductString), "tovane");
    EXPECT_EQ(text(Opcode::getVendorString), "brindleOx");
}

TEST_F(Vst2EntryTest, ParametersArePublishedInOrderWithTheirTexts)
{
    const char* const names[28] = {
        "Buffer size",
        "LFO Waveform",
        "LFO rate",
        "Mod Source",
        "Mix",
        "Mix Mod Rate",
        "Left LFO Dest",
        "Right LFO Dest",
        "Right Buffer Size",
        "LFO Waveform Right",
        "LFO rate right",
        "Mod Source Right",
        "Left Buffer Mod",
        "Stereo Link",
        "Mix Mod",
        "Right Buffer Mod",
        "B1",
        "B2",
        "B3",
        "Bypass",
        "PitchBend",
        "MIDI Vol",
        "MIDI Pan",
        "MIDI Mod Wheel",
        "MIDI Expression",
        "MIDI Channel Pressure",
        "MIDI Sustain Pedal",
        "All Notes Off",
    };
    for (std::int32_t i = 0; i < 28; ++i)
        EXPECT_EQ(text(Opcode::getParamName, i), names[i]) << i;

    struct Case
    {
        std::int32_t index;
        float value;
        const char* display;
        const char* label;
    };
    const Case cases[] = {
        {0, 1.0f, "64", "       "}, // 64 spaces of units, cut to the short size
        {1, 0.0f, "sine", ""},      // list parameters carry no units
        {1, 1.0f, "square", ""},    {4, 0.5f, "50.00", "       "}, {6, 0.0f, "read", ""},
        {13, 1.0f, "ON", ""},       {13, 0.0f, "OFF", ""},
    };
    for (const Case& c : cases)
    {
        effect->setParameter(effect, c.index, c.value);
        EXPECT_EQ(effect->getParameter(effect, c.index), c.value);
        EXPECT_EQ(text(Opcode::getParamDisplay, c.index), c.display) << c.index;
        EXPECT_EQ(text(Opcode::getParamLabel, c.index), c.label) << c.index;
    }
}

TEST_F(Vst2EntryTest, ChunksRoundTripTheStateRecord)
{
    std::vector<char> saved = chunk();
    ASSERT_EQ(saved.size(), 74u);
    float mix = 0;
    std::memcpy(&mix, saved.data() + 24, 4);
    EXPECT_EQ(mix, 50.0f);

    // The change reaches the engine, and so the state, with the next block.
    resume();
    effect->setParameter(effect, 4, 0.25f);
    std::vector<float> buffer(kBlock, 0.0f);
    float* channels[] = {buffer.data(), buffer.data()};
    effect->processReplacing(effect, channels, channels, kBlock);
    const std::vector<char> changed = chunk();
    std::memcpy(&mix, changed.data() + 24, 4);
    EXPECT_EQ(mix, 25.0f);

    EXPECT_EQ(call(Opcode::setChunk, 1, static_cast<IntPtr>(saved.size()), saved.data()), 1);
    EXPECT_EQ(chunk(), saved);
    EXPECT_EQ(effect->getParameter(effect, 4), 0.5f);

    // Short chunks: no bypass field, and one that ends inside "LFO rate".
    for (const IntPtr size : {72, 18})
    {
        EXPECT_EQ(call(Opcode::setChunk, 1, size, const_cast<char*>(changed.data())), 0) << size;
        EXPECT_EQ(chunk(), saved) << size;
        EXPECT_EQ(effect->getParameter(effect, 4), 0.5f) << size;
    }
}

// The same settings and audio through VST 2 and through VST 3 give the same
// samples, bit for bit.
TEST_F(Vst2EntryTest, ProcessReplacingMatchesTheVst3Path)
{
    std::vector<std::vector<float>> viaVst2(2, std::vector<float>(kBlock * kBlocks));
    resume();
    for (const auto& [index, value] : kSettings)
        effect->setParameter(effect, index, value);
    for (int b = 0; b < kBlocks; ++b)
    {
        std::vector<float> left(kBlock), right(kBlock);
        for (int s = 0; s < kBlock; ++s)
        {
            left[static_cast<size_t>(s)] = testSignal(0, b * kBlock + s);
            right[static_cast<size_t>(s)] = testSignal(1, b * kBlock + s);
        }
        float* in[] = {left.data(), right.data()};
        float* out[] = {viaVst2[0].data() + b * kBlock, viaVst2[1].data() + b * kBlock};
        effect->processReplacing(effect, in, out, kBlock);
    }

    std::string error;
    auto module = vst3host::PluginModule::load(TOVANE_MODULE, error);
    ASSERT_TRUE(module) << error;
    auto plugin = vst3host::PluginInstance::create(std::move(module), error, "tovane");
    ASSERT_TRUE(plugin) << error;
    vst3host::ProcessBuffers buffers(2, 2, kBlock, kSampleRate);
    vst3host::ParameterChanges changes(32, 1);
    ASSERT_TRUE(plugin->start(buffers.setup(Steinberg::Vst::kRealtime), 2, error)) << error;
    for (const auto& [index, value] : kSettings)
        changes.addPoint(static_cast<Steinberg::Vst::ParamID>(index), 0, value);
    for (int b = 0; b < kBlocks; ++b)
    {
        Steinberg::Vst::ProcessData& data = buffers.begin(kBlock);
        data.inputParameterChanges = &changes;
        for (int c = 0; c < 2; ++c)
            for (int s = 0; s < kBlock; ++s)
                buffers.input(c)[s] = testSignal(c, b * kBlock + s);
        ASSERT_EQ(plugin->processor()->process(data), Steinberg::kResultOk);
        changes.clear();
        for (int c = 0; c < 2; ++c)
            for (int s = 0; s < kBlock; ++s)
                ASSERT_EQ(viaVst2[static_cast<size_t>(c)][static_cast<size_t>(b * kBlock + s)],
                          buffers.output(c)[s])
                    << "channel " << c << " frame " << b * kBlock + s;
    }
    // The settings did change the sound.
    EXPECT_NE(viaVst2[0][kBlock * 3], testSignal(0, kBlock * 3));
}

// Under AddressSanitizer a leak of any instance shows up when the test ends.
TEST_F(Vst2EntryTest, ManyInstancesOpenAndCloseCleanly)
{
    std::vector<float> buffer(kBlock, 0.25f);
    float* channels[] = {buffer.data(), buffer.data()};
    for (int i = 0; i < 40; ++i)
    {
        Effect* other = entryPoint()(&testHost);
        ASSERT_NE(other, nullptr);
        auto dispatch = [other](Opcode opcode, IntPtr value = 0, float opt = 0.0f) {
            return other->dispatcher(other, static_cast<std::int32_t>(opcode), 0, value, nullptr,
                                     opt);
        };
        dispatch(Opcode::open);
        dispatch(Opcode::setSampleRate, 0, kSampleRate);
        dispatch(Opcode::setBlockSize, kBlock);
        dispatch(Opcode::mainsChanged, 1);
        other->setParameter(other, i % 28, 0.5f);
        other->processReplacing(other, channels, channels, kBlock);
        if (i % 2 == 0)
            dispatch(Opcode::mainsChanged, 0); // odd rounds close while running
        dispatch(Opcode::close);
    }
}

} // namespace
