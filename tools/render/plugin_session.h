#pragma once

#include "parameter_catalog.h"

#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/plugin_instance.h"
#include "platform/vst3host/process_buffers.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace render
{

// The plug-in as this tool hosts it: loaded through its factory, its
// parameters catalogued, its state and presets exchanged, and audio run
// through it block by block with the parameter changes a host would send.
class PluginSession
{
public:
    // Throws a render error when the plug-in cannot be loaded or created.
    explicit PluginSession(const std::string& pluginPath);
    ~PluginSession();

    const ParameterCatalog& catalog() const { return *catalog_; }

    void loadState(const std::vector<char>& state, const std::string& source);
    void loadPreset(const std::vector<char>& preset, const std::string& source);
    std::vector<char> state() const;
    std::vector<char> preset() const;

    // Arranges, sets up and activates the plug-in for this audio.
    void start(int channels, int sampleRate, int blockSize);

    // Sends parameter values in a block without audio, as a host does when
    // a value changes while nothing plays.
    void applyValues(const std::vector<std::pair<Steinberg::Vst::ParamID, double>>& values);

    vst3host::ProcessBuffers& buffers() { return *buffers_; }
    // Filled by the caller before each `process`, emptied after it.
    vst3host::ParameterChanges& changes() { return changes_; }
    void process(int frames);

private:
    std::unique_ptr<vst3host::PluginInstance> instance_;
    std::unique_ptr<ParameterCatalog> catalog_;
    std::unique_ptr<vst3host::ProcessBuffers> buffers_;
    vst3host::ParameterChanges changes_;
};

// Where the tool looks for the plug-in when --plugin is not given: the
// bundle beside the folder that holds the running program.
std::string defaultPluginPath();

} // namespace render
