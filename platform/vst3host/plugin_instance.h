#pragma once

#include "component_handler.h"
#include "plugin_module.h"

#include "pluginterfaces/base/funknown.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <memory>
#include <string>
#include <vector>

namespace vst3host
{

// One plug-in instance as a host holds it: the component with its audio
// processor and edit controller, initialized with a host context and a
// recording component handler. The controller is the component itself for a
// single-component plug-in, else a separate object created from the class id
// the component names and connected to it. Destruction stops processing,
// terminates and releases everything, controller first; the module stays
// loaded until the instance is gone.
class PluginInstance
{
public:
    // Creates the class named `className`, or the first audio-effect class
    // when the name is empty. Returns null and fills `error` on failure.
    static std::unique_ptr<PluginInstance> create(std::shared_ptr<PluginModule> module,
                                                  std::string& error,
                                                  const std::string& className = {});
    ~PluginInstance();
    PluginInstance(const PluginInstance&) = delete;
    PluginInstance& operator=(const PluginInstance&) = delete;

    Steinberg::Vst::IComponent* component() const { return component_.get(); }
    Steinberg::Vst::IAudioProcessor* processor() const { return processor_.get(); }
    Steinberg::Vst::IEditController* controller() const { return controller_.get(); }
    const Steinberg::FUID& classId() const { return classId_; }
    const std::string& name() const { return name_; }
    bool isSingleComponent() const { return single_; }
    ComponentHandler& handler() { return handler_; }

    // Arranges the main buses for `channels` in and out, sets up processing,
    // activates the main buses and the component and starts processing.
    bool start(const Steinberg::Vst::ProcessSetup& setup, Steinberg::int32 channels,
               std::string& error);
    // Stops processing and deactivates; harmless when not started.
    void stop();

    // The component's saved state as bytes.
    bool getState(std::vector<char>& out) const;
    // Loads component state and hands the same bytes to the controller.
    bool setState(const std::vector<char>& in);

private:
    PluginInstance() = default;

    std::shared_ptr<PluginModule> module_;
    // The SDK's host context does no reference counting: the instance owns it.
    std::unique_ptr<Steinberg::Vst::HostApplication> context_;
    ComponentHandler handler_;
    Steinberg::IPtr<Steinberg::Vst::IComponent> component_;
    Steinberg::IPtr<Steinberg::Vst::IAudioProcessor> processor_;
    Steinberg::IPtr<Steinberg::Vst::IEditController> controller_;
    Steinberg::FUID classId_;
    std::string name_;
    bool single_ = false;
    bool componentInitialized_ = false;
    bool controllerInitialized_ = false;
    bool connected_ = false;
    bool active_ = false;
    bool processing_ = false;
};

// The speaker arrangement a host uses for `channels` channels on one bus.
Steinberg::Vst::SpeakerArrangement arrangementFor(Steinberg::int32 channels);

} // namespace vst3host
