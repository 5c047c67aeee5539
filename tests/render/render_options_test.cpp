#include "render_options.h"
#include "tool_error.h"

#include <gtest/gtest.h>

using render::ExitCode;
using render::parseArguments;
using render::ToolError;

namespace
{

TEST(RenderOptions, ReadsFilesAndOptionsInEitherForm)
{
    const auto o = parseArguments({"in.wav", "--set", "Mix=75", "out.flac", "--set=Buffer size=32",
                                   "--bits", "16", "--block=64", "--automate", "Mix=0@0s,1@1s",
                                   "--plot", "p.png", "--quiet", "--plugin", "x.vst3"});
    EXPECT_EQ(o.input, "in.wav");
    EXPECT_EQ(o.output, "out.flac");
    EXPECT_EQ(o.settings, (std::vector<std::string>{"Mix=75", "Buffer size=32"}));
    EXPECT_EQ(o.bits, 16);
    EXPECT_EQ(o.blockSize, 64);
    EXPECT_EQ(o.automations.size(), 1u);
    EXPECT_EQ(o.plot, "p.png");
    EXPECT_TRUE(o.quiet);
    EXPECT_EQ(o.plugin, "x.vst3");

    const auto demo = parseArguments({"--demo", "demo.wav"});
    EXPECT_TRUE(demo.demo);
    EXPECT_EQ(demo.output, "demo.wav");
    EXPECT_TRUE(demo.input.empty());
    EXPECT_EQ(demo.blockSize, 512);
    EXPECT_FALSE(demo.bits);

    const auto settingsOnly = parseArguments({"--set", "Mix=10", "--save-preset", "p.vstpreset"});
    EXPECT_FALSE(settingsOnly.rendersAudio());

    EXPECT_TRUE(parseArguments({"--help"}).help);
    EXPECT_TRUE(parseArguments({"in.wav", "-h"}).help);
    EXPECT_TRUE(parseArguments({"--list-params"}).listParams);
    EXPECT_EQ(parseArguments({"--", "-odd.wav", "out.wav"}).input, "-odd.wav");
}

TEST(RenderOptions, IllFormedCommandLinesAreUsageErrorsNamingTheProblem)
{
    const struct
    {
        std::vector<std::string> arguments;
        const char* message;
    } cases[] = {
        {{}, "missing IN and OUT"},
        {{"in.wav"}, "missing OUT"},
        {{"--demo"}, "missing OUT"},
        {{"a.wav", "b.wav", "c.wav"}, "unexpected argument 'c.wav'"},
        {{"--demo", "a.wav", "b.wav"}, "unexpected argument 'b.wav'"},
        {{"a.wav", "b.wav", "--loud"}, "unknown option --loud"},
        {{"a.wav", "b.wav", "--set"}, "--set needs a value"},
        {{"a.wav", "b.wav", "--set="}, "--set needs a value"},
        {{"a.wav", "b.wav", "--quiet=yes"}, "--quiet takes no value"},
        {{"a.wav", "b.wav", "--bits", "20"}, "--bits must be 16, 24 or 32"},
        {{"a.wav", "b.wav", "--bits", "sixteen"}, "--bits needs a whole number"},
        {{"a.wav", "b.wav", "--block", "0"}, "--block must be from 1 to 8192"},
        {{"a.wav", "b.wav", "--block", "9000"}, "--block must be from 1 to 8192"},
        {{"a.wav", "b.wav", "--block", "12x"}, "--block needs a whole number"},
        {{"--list-params", "a.wav"}, "--list-params takes no audio files"},
        {{"--save-state", "s.bin", "--plot", "p.png"}, "--plot needs audio"},
        {{"--save-state", "s.bin", "--automate", "Mix=0@0s"}, "--automate needs audio"},
    };
    for (const auto& c : cases)
    {
        try
        {
            parseArguments(c.arguments);
            ADD_FAILURE() << "accepted: " << testing::PrintToString(c.arguments);
        }
        catch (const ToolError& e)
        {
            EXPECT_EQ(e.code, ExitCode::usage);
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos)
                << e.what() << " / expected " << c.message;
        }
    }
}

} // namespace
