#include "render_options.h"

#include "tool_error.h"

#include <charconv>
#include <string_view>

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

// Every option, what it takes and how it lands in the options.
struct Option
{
    std::string_view name;
    Takes takes;
    void (*apply)(RenderOptions& options, const std::string& value);
};

constexpr Option kOptions[] = {
    {"--demo", Takes::flag, [](RenderOptions& o, const std::string&) { o.demo = true; }},
    {"--plugin", Takes::value, [](RenderOptions& o, const std::string& v) { o.plugin = v; }},
    {"--set", Takes::value,
     [](RenderOptions& o, const std::string& v) { o.settings.push_back(v); }},
    {"--automate", Takes::value,
     [](RenderOptions& o, const std::string& v) { o.automations.push_back(v); }},
    {"--preset", Takes::value, [](RenderOptions& o, const std::string& v) { o.preset = v; }},
    {"--save-preset", Takes::value,
     [](RenderOptions& o, const std::string& v) { o.savePreset = v; }},
    {"--state", Takes::value, [](RenderOptions& o, const std::string& v) { o.state = v; }},
    {"--save-state", Takes::value, [](RenderOptions& o, const std::string& v) { o.saveState = v; }},
    {"--bits", Takes::value,
     [](RenderOptions& o, const std::string& v)
     {
         const int bits = parseInteger("--bits", v);
         if (bits != 16 && bits != 24 && bits != 32)
             usageError("--bits must be 16, 24 or 32, not " + v);
         o.bits = bits;
     }},
    {"--block", Takes::value,
     [](RenderOptions& o, const std::string& v)
     {
         o.blockSize = parseInteger("--block", v);
         if (o.blockSize < 1 || o.blockSize > 8192)
             usageError("--block must be from 1 to 8192, not " + v);
     }},
    {"--plot", Takes::value, [](RenderOptions& o, const std::string& v) { o.plot = v; }},
    {"--list-params", Takes::flag,
     [](RenderOptions& o, const std::string&) { o.listParams = true; }},
    {"--quiet", Takes::flag, [](RenderOptions& o, const std::string&) { o.quiet = true; }},
    {"--help", Takes::flag, [](RenderOptions& o, const std::string&) { o.help = true; }},
};

const Option* findOption(const std::string& name)
{
    for (const Option& option : kOptions)
    {
        if (option.name == name)
            return &option;
    }
    return nullptr;
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
        const Option* entry = findOption(argument);
        if (!entry)
            usageError("unknown option " + argument + " (see --help)");

        std::string value;
        if (entry->takes == Takes::value)
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

        entry->apply(options, value);
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
