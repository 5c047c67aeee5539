#pragma once

#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/plugin_instance.h"
#include "platform/vst3host/process_buffers.h"

#include <functional>
#include <memory>
#include <vector>

// What the conformance tests need of a host: the built plug-in loaded from its
// bundle, and a renderer that runs it over whole signals in chosen blocks.
namespace conformance
{

using Signal = std::vector<std::vector<float>>; // one vector per channel

// A new instance of the built plug-in; fails the current test when the bundle
// does not load.
std::unique_ptr<vst3host::PluginInstance> loadPlugin();

// Every parameter the controller lists.
std::vector<Steinberg::Vst::ParameterInfo> parameters(Steinberg::Vst::IEditController& controller);

// The id of the parameter flagged as the bypass switch.
Steinberg::Vst::ParamID bypassId(Steinberg::Vst::IEditController& controller);

// Sets every automatable parameter except the bypass to a fixed spread of
// values, so the tests hear the modulated effect rather than its defaults.
void addSoundSetting(Steinberg::Vst::IEditController& controller,
                     vst3host::ParameterChanges& changes);

// A deterministic test signal: a few tones and some noise, within ±1.
Signal testSignal(Steinberg::int32 channels, Steinberg::int32 frames, unsigned seed = 1);

bool allFinite(const Signal& signal);
float peak(const Signal& signal, size_t from = 0);

// Runs one started instance block by block.
class Renderer
{
public:
    // Called before each block with its index and size, to fill the block's
    // parameter changes.
    using Automation = std::function<void(int index, Steinberg::int32 frames,
                                          vst3host::ParameterChanges& changes)>;

    Renderer(vst3host::PluginInstance& plugin, Steinberg::int32 channels, Steinberg::int32 maxBlock,
             double sampleRate);

    // Processes `input` in blocks of `blockSizes`, repeated until the signal
    // ends (a 0 in the list is a zero-frame call), and returns the output.
    Signal render(const Signal& input, const std::vector<Steinberg::int32>& blockSizes,
                  const Automation& automation = {});

    // A zero-frame call without any audio buffers, carrying `changes`.
    Steinberg::tresult flush(vst3host::ParameterChanges& changes, bool withBusStructs);

    vst3host::ParameterChanges& changes() { return changes_; }

private:
    vst3host::PluginInstance& plugin_;
    vst3host::ProcessBuffers buffers_;
    vst3host::ParameterChanges changes_;
};

// An instance and the renderer that drives it.
struct Session
{
    std::unique_ptr<vst3host::PluginInstance> plugin;
    std::unique_ptr<Renderer> renderer;
};

// A new instance started for `channels` in and out at `sampleRate`, with its
// renderer; both are null when the bundle does not load.
Session startSession(double sampleRate, Steinberg::int32 channels, Steinberg::int32 maxBlock);

} // namespace conformance
