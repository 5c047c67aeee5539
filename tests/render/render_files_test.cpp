// What the tool reads and writes: formats, the demo and its plot, the
// parameter list and the help text.
#include "audio_files.h"
#include "tool_runner.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>

using namespace render_test;

namespace
{

TEST(RenderFiles, OutputKeepsRateAndChannelsInTheFormatAskedFor)
{
    const struct
    {
        int inputFormat;
        int channels;
        int sampleRate;
        const char* output;
        std::vector<std::string> options;
        int expectedFormat;
    } cases[] = {
        {SF_FORMAT_WAV | SF_FORMAT_PCM_16,
         2,
         44100,
         "out.wav",
         {},
         SF_FORMAT_WAV | SF_FORMAT_FLOAT},
        {SF_FORMAT_AIFF | SF_FORMAT_PCM_24,
         1,
         48000,
         "out.aiff",
         {"--bits", "16"},
         SF_FORMAT_AIFF | SF_FORMAT_PCM_16},
        {SF_FORMAT_FLAC | SF_FORMAT_PCM_16,
         2,
         96000,
         "out.flac",
         {},
         SF_FORMAT_FLAC | SF_FORMAT_PCM_24},
        {SF_FORMAT_FLAC | SF_FORMAT_PCM_24,
         1,
         22050,
         "out.flac",
         {"--bits", "16"},
         SF_FORMAT_FLAC | SF_FORMAT_PCM_16},
        {SF_FORMAT_WAV | SF_FORMAT_FLOAT,
         2,
         48000,
         "out.aif",
         {"--bits", "24"},
         SF_FORMAT_AIFF | SF_FORMAT_PCM_24},
        // A name with no known ending keeps the input's format.
        {SF_FORMAT_AIFF | SF_FORMAT_PCM_16,
         1,
         32000,
         "out.audio",
         {"--bits", "32"},
         SF_FORMAT_AIFF | SF_FORMAT_FLOAT},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.output);
        TempDir dir;
        Audio in = testSignal(c.channels, c.sampleRate, 3000);
        in.format = c.inputFormat;
        writeAudio(dir / "in", in);
        std::vector<std::string> args = {dir / "in", dir / c.output, "--quiet"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const ToolResult run = runTool(args);
        ASSERT_EQ(run.exitCode, 0) << run.err;
        const Audio out = readAudio(dir / c.output);
        EXPECT_EQ(out.format, c.expectedFormat);
        EXPECT_EQ(out.channels, c.channels);
        EXPECT_EQ(out.sampleRate, c.sampleRate);
        EXPECT_EQ(out.frames(), 3000);
    }
}

TEST(RenderFiles, DemoRendersEightSecondsOfStereoWithAPlot)
{
    TempDir dir;
    const ToolResult run = runTool({"--demo", dir / "demo.wav", "--plot", dir / "demo.png", "--set",
                                    "Buffer size=16", "--block", "4096"});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_TRUE(run.err.empty()) << run.err; // no progress bar when stderr is no terminal
    const Audio demo = readAudio(dir / "demo.wav");
    EXPECT_EQ(demo.channels, 2);
    EXPECT_EQ(demo.sampleRate, 48000);
    EXPECT_EQ(demo.frames(), 8 * 48000);
    float peak = 0;
    for (float s : demo.samples)
        peak = std::max(peak, std::abs(s));
    EXPECT_GT(peak, 0.2f);
    EXPECT_LE(peak, 1.0f);

    std::ifstream png(dir / "demo.png", std::ios::binary);
    char signature[8] = {};
    png.read(signature, 8);
    EXPECT_EQ(std::string(signature + 1, 3), "PNG");
}

TEST(RenderFiles, ListsEveryParameterAndPrintsHelp)
{
    const ToolResult list = runTool({"--list-params"});
    ASSERT_EQ(list.exitCode, 0) << list.err;
    EXPECT_NE(list.out.find("LFO Waveform"), std::string::npos);
    EXPECT_NE(list.out.find("sine, saw, tri, square"), std::string::npos);
    EXPECT_NE(list.out.find("0.001 to 20"), std::string::npos); // "Mix Mod Rate"
    EXPECT_NE(list.out.find("2056"), std::string::npos);        // "Bypass"
    EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), 1 + 28);

    const ToolResult help = runTool({"--help"}, false);
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: tovane-render IN OUT", 0), 0u);
    EXPECT_TRUE(help.err.empty());
}

} // namespace
