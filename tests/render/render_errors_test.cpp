// Every way a run can fail ends with one line naming the problem, the
// documented exit code, and no output file.
#include "audio_files.h"
#include "tool_runner.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace render_test;
namespace fs = std::filesystem;

namespace
{

TEST(RenderErrors, FailuresExitWithOneLineAndWriteNothing)
{
    TempDir dir;
    writeAudio(dir / "in.wav", testSignal(2, 48000, 4800));
    Audio surround = testSignal(3, 48000, 100);
    writeAudio(dir / "three.wav", surround);
    std::ofstream(dir / "junk.wav") << "this is not audio";
    std::ofstream(dir / "junk.vstpreset") << "this is not a preset";

    const std::string in = dir / "in.wav";
    const std::string out = dir / "out.wav";
    const struct
    {
        std::vector<std::string> arguments;
        int exitCode;
        const char* message;
    } cases[] = {
        {{}, 2, "missing IN and OUT"},
        {{in, out, "--frobnicate"}, 2, "unknown option --frobnicate"},
        {{in, out, "--bits", "20"}, 2, "--bits must be 16, 24 or 32"},
        {{in, out, "--set", "Loudness=3"}, 2, "unknown parameter 'Loudness'"},
        {{in, out, "--set", "Mix"}, 2, "--set needs NAME=VALUE"},
        {{in, out, "--set", "Mix=150"}, 2, "'Mix' value 150 is out of range 0 to 100"},
        {{in, out, "--set", "Buffer size=0"}, 2, "out of range 1 to 64"},
        {{in, out, "--set", "Mix=lots"}, 2, "'Mix' needs a number, not 'lots'"},
        {{in, out, "--set", "LFO Waveform=triangle"},
         2,
         "no entry 'triangle' (sine, saw, tri, square)"},
        {{in, out, "--automate", "Mix=0@0s,50"}, 2, "point '50' needs VALUE@TIME"},
        {{in, out, "--automate", "Mix=0@2s,50@1s"}, 2, "times must not go backwards"},
        {{in, out, "--automate", "Mix=0@soon"}, 2, "bad time 'soon'"},
        {{in, out, "--automate", "Mix=0@0s", "--automate", "mix=1@1s"},
         2,
         "names parameter 'Mix' twice"},
        {{in, dir / "out.flac", "--bits", "32"}, 2, "FLAC holds 16 or 24 bits"},
        {{"--demo", dir / "out.raw"}, 2, "cannot tell the format"},
        {{dir / "missing.wav", out}, 1, "cannot read"},
        {{dir / "junk.wav", out}, 1, "cannot read"},
        {{dir / "three.wav", out}, 1, "has 3 channels"},
        {{in, dir / "no/such/folder/out.wav"}, 1, "does not exist"},
        {{in, out, "--plot", dir / "nowhere/p.png"}, 1, "does not exist"},
        {{in, out, "--preset", dir / "missing.vstpreset"}, 1, "cannot read preset"},
        {{in, out, "--preset", dir / "junk.vstpreset"}, 1, "is not a VST 3 preset"},
        {{in, out, "--state", dir / "junk.vstpreset"}, 1, "rejected the state"},
        {{in, out, "--plugin", dir / "none.vst3"}, 1, "plug-in not found"},
    };
    for (const auto& c : cases)
    {
        const ToolResult run = runTool(c.arguments);
        const std::string command = testing::PrintToString(c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << command << "\n" << run.err;
        EXPECT_NE(run.err.find(c.message), std::string::npos)
            << command << "\nexpected: " << c.message << "\ngot: " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_EQ(run.err.rfind("tovane-render: ", 0), 0u) << run.err;
        EXPECT_TRUE(run.out.empty()) << run.out;
    }
    // Only the inputs made above are left: no output, no partial file.
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(dir.path))
        left.push_back(entry.path().filename().string());
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left,
              (std::vector<std::string>{"in.wav", "junk.vstpreset", "junk.wav", "three.wav"}));
}

TEST(RenderErrors, AFailedRenderKeepsAnExistingOutputUntouched)
{
    TempDir dir;
    writeAudio(dir / "in.wav", testSignal(1, 48000, 480));
    std::ofstream(dir / "out.wav") << "previous";
    const ToolResult run = runTool({dir / "in.wav", dir / "out.wav", "--set", "Mix=-5"});
    EXPECT_EQ(run.exitCode, 2);
    std::ifstream kept(dir / "out.wav");
    std::string text;
    kept >> text;
    EXPECT_EQ(text, "previous");
}

} // namespace
