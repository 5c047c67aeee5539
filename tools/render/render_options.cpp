#include "render_options.h"

#include "tool_error.h"

#include <charconv>
#include <map>

namespace render
{
namespace
{

enum class Takes
{
    flag,
    value
};

int parseInteger(const std::string& option, const std::string& text)
{
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end)
        usageError(option + " needs a whole number, not '" + text + "'");
    return value;
}

} // namespace

std::string usageText()
{
    return R"(Usage: tovane-render IN OUT [options]
       tovane-render --demo OUT [options]
       tovane-render --list-params [--plugin PATH]
       tovane-render [--set ... | --preset FILE | --state FILE] --save-preset FILE | --save-state FILE

Runs audio through the tovane VST 3 plug-in, loaded like a host loads it.
IN is a mono or stereo WAV, AIFF or FLAC file; OUT gets the same sample rate
and channel count, in the format its name ends with (else IN's format).

Options:
  --demo               render a built-in demo signal (stereo, 48 kHz) instead of IN
  --plugin PATH        the plug-in bundle (default: tovane.vst3 beside the bin folder)
  --set NAME=VALUE     set a parameter by title or id, as the host shows it:
                       --set "Buffer size=32" --set "LFO Waveform=tri" --set "Stereo Link=ON"
  --automate NAME=V@T,V@T,...
                       move a parameter along straight segments between points;
                       T in seconds ("4s", "1.5") or milliseconds ("250ms")
  --preset FILE        load a .vstpreset before rendering
  --save-preset FILE   save the settings as a .vstpreset
  --state FILE         load a bare component state
  --save-state FILE    save the bare component state
  --bits 16|24|32      output samples: 16- or 24-bit integer or 32-bit float
                       (default 32; FLAC holds 16 or 24 and defaults to 24)
  --block N            frames per processing block (default 512, at most 8192)
  --plot FILE.png      draw input and output waveforms and spectrograms
  --list-params        print every parameter: id, title, range, default, entries
  --quiet              no progress bar
  --help               show this text

Settings apply in this order: state, preset, --set, then automation.
Exit codes: 0 success, 1 render failure, 2 usage error.
)";
}

RenderOptions parseArguments(const std::vector<std::string>& arguments)
{
    static const std::map<std::string, Takes> known = {
        {"--demo", Takes::flag},    {"--plugin", Takes::value},
        {"--set", Takes::value},    {"--automate", Takes::value},
        {"--preset", Takes::value}, {"--save-preset", Takes::value},
        {"--state", Takes::value},  {"--save-state", Takes::value},
        {"--bits", Takes::value},   {"--block", Takes::value},
        {"--plot", Takes::value},   {"--list-params", Takes::flag},
        {"--quiet", Takes::flag},   {"--help", Takes::flag},
    };

    RenderOptions options;
    std::vector<std::string> positional;
    bool onlyPositional = false;
    for (size_t i = 0; i < arguments.size(); ++i)
    {
        std::string argument = arguments[i];
        if (onlyPositional || argument.size() < 2 || argument[0] != '-')
        {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--")
        {
            onlyPositional = true;
            continue;
        }
        if (argument == "-h")
            argument = "--help";

        std::optional<std::string> inlineValue;
        if (const auto eq = argument.find('='); eq != std::string::npos)
        {
            inlineValue = argument.substr(eq + 1);
            argument.resize(eq);
        }
        const auto entry = known.find(argument);
        if (entry == known.end())
            usageError("unknown option " + argument + " (see --help)");

        std::string value;
        if (entry->second == Takes::value)
        {
            if (inlineValue)
                value = *inlineValue;
            else if (i + 1 < arguments.size())
                value = arguments[++i];
            else
                usageError(argument + " needs a value");
            if (value.empty())
                usageError(argument + " needs a value");
        }
        else if (inlineValue)
            usageError(argument + " takes no value");

        if (argument == "--demo")
            options.demo = true;
        else if (argument == "--plugin")
            options.plugin = value;
        else if (argument == "--set")
            options.settings.push_back(value);
        else if (argument == "--automate")
            options.automations.push_back(value);
        else if (argument == "--preset")
            options.preset = value;
        else if (argument == "--save-preset")
            options.savePreset = value;
        else if (argument == "--state")
            options.state = value;
        else if (argument == "--save-state")
            options.saveState = value;
        else if (argument == "--bits")
        {
            const int bits = parseInteger(argument, value);
            if (bits != 16 && bits != 24 && bits != 32)
                usageError("--bits must be 16, 24 or 32, not " + value);
            options.bits = bits;
        }
        else if (argument == "--block")
        {
            options.blockSize = parseInteger(argument, value);
            if (options.blockSize < 1 || options.blockSize > 8192)
                usageError("--block must be from 1 to 8192, not " + value);
        }
        else if (argument == "--plot")
            options.plot = value;
        else if (argument == "--list-params")
            options.listParams = true;
        else if (argument == "--quiet")
            options.quiet = true;
        else if (argument == "--help")
            options.help = true;
    }
    if (options.help)
        return options;

    const size_t expected = options.demo ? 1 : 2;
    if (options.listParams)
    {
        if (!positional.empty() || options.demo)
            usageError("--list-params takes no audio files");
        return options;
    }
    if (positional.empty() && !options.demo &&
        (!options.savePreset.empty() || !options.saveState.empty()))
    {
        if (!options.plot.empty())
            usageError("--plot needs audio to draw");
        if (!options.automations.empty())
            usageError("--automate needs audio to render");
        return options; // settings only: apply and save them
    }
    if (positional.size() != expected)
    {
        if (positional.empty() && !options.demo)
            usageError("missing IN and OUT files (see --help)");
        if (positional.size() < expected)
            usageError("missing OUT file (see --help)");
        usageError("unexpected argument '" + positional[expected] + "'");
    }
    if (options.demo)
        options.output = positional[0];
    else
    {
        options.input = positional[0];
        options.output = positional[1];
    }
    return options;
}

} // namespace render
