// Presets and bare states written by the tool carry the settings into a
// later render, and come out in the formats hosts exchange.
#include "audio_files.h"
#include "tool_runner.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>

using namespace render_test;

namespace
{

std::vector<char> fileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), {});
}

template <typename T> T fieldAt(const std::vector<char>& bytes, size_t offset)
{
    T value{};
    std::memcpy(&value, bytes.data() + offset, sizeof value);
    return value;
}

const std::vector<std::string> settings = {"--set",  "Buffer size=32", "--set",
                                           "Mix=80", "--set",          "LFO Waveform=square",
                                           "--set",  "Stereo Link=ON"};

TEST(RenderPresets, SavedStateHoldsTheTypedValues)
{
    TempDir dir;
    std::vector<std::string> args = settings;
    args.insert(args.end(), {"--save-state", dir / "s.bin"});
    const ToolResult run = runTool(args);
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const std::vector<char> state = fileBytes(dir / "s.bin");
    ASSERT_EQ(state.size(), 74u);
    EXPECT_EQ(fieldAt<std::int32_t>(state, 8), 32); // a whole number lands exactly
    EXPECT_EQ(fieldAt<std::uint32_t>(state, 12), 3u);
    EXPECT_EQ(fieldAt<float>(state, 24), 80.0f);
    EXPECT_EQ(fieldAt<std::uint32_t>(state, 60), 1u);
    EXPECT_EQ(fieldAt<std::int16_t>(state, 72), 0);
}

TEST(RenderPresets, PresetAndStateReproduceTheRenderOfTheirSettings)
{
    TempDir dir;
    writeAudio(dir / "in.wav", testSignal(2, 48000, 24000));
    std::vector<std::string> direct = {dir / "in.wav",      dir / "direct.wav", "--save-preset",
                                       dir / "p.vstpreset", "--save-state",     dir / "s.bin"};
    direct.insert(direct.end(), settings.begin(), settings.end());
    const ToolResult first = runTool(direct);
    ASSERT_EQ(first.exitCode, 0) << first.err;

    const std::vector<char> preset = fileBytes(dir / "p.vstpreset");
    ASSERT_GE(preset.size(), 48u + 74u);
    EXPECT_EQ(std::string(preset.data(), 4), "VST3");
    // The component state chunk holds the same bytes as the bare state.
    const std::vector<char> state = fileBytes(dir / "s.bin");
    EXPECT_NE(std::search(preset.begin(), preset.end(), state.begin(), state.end()), preset.end());

    const ToolResult viaPreset =
        runTool({dir / "in.wav", dir / "preset.wav", "--preset", dir / "p.vstpreset"});
    ASSERT_EQ(viaPreset.exitCode, 0) << viaPreset.err;
    const ToolResult viaState =
        runTool({dir / "in.wav", dir / "state.wav", "--state", dir / "s.bin"});
    ASSERT_EQ(viaState.exitCode, 0) << viaState.err;

    const Audio expected = readAudio(dir / "direct.wav");
    EXPECT_EQ(readAudio(dir / "preset.wav").samples, expected.samples);
    EXPECT_EQ(readAudio(dir / "state.wav").samples, expected.samples);
    // And the settings do change the sound.
    const ToolResult plain = runTool({dir / "in.wav", dir / "plain.wav"});
    ASSERT_EQ(plain.exitCode, 0) << plain.err;
    EXPECT_NE(readAudio(dir / "plain.wav").samples, expected.samples);
}

TEST(RenderPresets, SetOverridesTheLoadedPreset)
{
    TempDir dir;
    const ToolResult save = runTool(
        {"--set", "Mix=10", "--set", "Buffer size=5", "--save-preset", dir / "p.vstpreset"});
    ASSERT_EQ(save.exitCode, 0) << save.err;
    const ToolResult load = runTool(
        {"--preset", dir / "p.vstpreset", "--set", "Mix=90", "--save-state", dir / "s.bin"});
    ASSERT_EQ(load.exitCode, 0) << load.err;
    const std::vector<char> state = fileBytes(dir / "s.bin");
    ASSERT_EQ(state.size(), 74u);
    EXPECT_EQ(fieldAt<std::int32_t>(state, 8), 5);
    EXPECT_EQ(fieldAt<float>(state, 24), 90.0f);
}

} // namespace
