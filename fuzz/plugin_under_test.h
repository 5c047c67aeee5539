#pragma once

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"

// One freshly created and initialized plug-in instance, reached only through
// the interfaces a host uses. Destruction deactivates, terminates and releases.
class PluginUnderTest
{
public:
    PluginUnderTest();
    ~PluginUnderTest();
    PluginUnderTest(const PluginUnderTest&) = delete;
    PluginUnderTest& operator=(const PluginUnderTest&) = delete;

    Steinberg::Vst::IComponent& component() { return *component_; }
    Steinberg::Vst::IAudioProcessor& processor() { return *processor_; }
    Steinberg::Vst::IEditController& controller() { return *controller_; }

    // Arranges `channels` in and out (1 or 2), sets up and activates.
    bool start(double sampleRate, Steinberg::int32 channels, Steinberg::int32 maxBlock);

    // Runs one block of `frames` over the given channel pointers; the
    // pointers may be null for a flush call.
    Steinberg::tresult run(float** inputs, float** outputs, Steinberg::int32 channels,
                           Steinberg::int32 frames,
                           Steinberg::Vst::IParameterChanges* changes = nullptr);

private:
    Steinberg::Vst::IComponent* component_ = nullptr;
    Steinberg::Vst::IAudioProcessor* processor_ = nullptr;
    Steinberg::Vst::IEditController* controller_ = nullptr;
    bool active_ = false;
};
