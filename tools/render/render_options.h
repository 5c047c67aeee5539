#pragma once

#include <optional>
#include <string>
#include <vector>

namespace render
{

// Everything the command line asks for, before any file is touched.
struct RenderOptions
{
    std::string input;  // empty with --demo or without audio
    std::string output; // empty without audio
    bool demo = false;
    std::string plugin;                   // empty: the bundle next to the program
    std::vector<std::string> settings;    // "NAME=VALUE"
    std::vector<std::string> automations; // "NAME=V@T,..."
    std::string preset;
    std::string savePreset;
    std::string state;
    std::string saveState;
    std::optional<int> bits;
    int blockSize = 512;
    std::string plot;
    bool listParams = false;
    bool quiet = false;
    bool help = false;

    bool rendersAudio() const { return !output.empty(); }
};

// Parses the arguments after the program name; throws a usage error naming
// the problem.
RenderOptions parseArguments(const std::vector<std::string>& arguments);

// The text of --help.
std::string usageText();

} // namespace render
