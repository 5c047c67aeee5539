#pragma once

#include "editor_frame.h"
#include "parameter_hand_over.h"
#include "vst2_effect.h"
#include "vst2_opcodes.h"

#include "platform/vst3host/event_list.h"
#include "platform/vst3host/parameter_changes.h"

#include "base/source/fobject.h"
#include "pluginterfaces/base/ipluginbase.h"
#include "pluginterfaces/gui/iplugview.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstprocesscontext.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

namespace Steinberg::Vst
{
class HostApplication;
}

namespace vst2
{

// Presents one VST 3 single-component effect (processor and edit controller
// in one object) to a VST 2.4 host. The wrapper owns the effect record it
// hands out; the host's close opcode deletes the wrapper.
//
// Threads: `processReplacing` runs on the host's audio thread and touches only
// pre-allocated storage and the lock-free parameter hand-over; setParameter
// and getParameter may come from any thread; everything else is the host's
// user-interface thread.
class Vst2Wrapper : public Steinberg::Vst::IComponentHandler
{
public:
    // Creates the class `classId` through `factory`, initializes it and sets it
    // up for stereo in and out. Null when the class cannot be created, is not
    // a single-component effect or refuses a stereo arrangement.
    static Vst2Wrapper* create(Steinberg::IPluginFactory* factory, const Steinberg::TUID classId,
                               std::int32_t uniqueId, HostCallback host);

    virtual ~Vst2Wrapper();
    Vst2Wrapper(const Vst2Wrapper&) = delete;
    Vst2Wrapper& operator=(const Vst2Wrapper&) = delete;

    // The record the host drives the effect through.
    Effect* getAeffect() { return &effect_; }

    // IComponentHandler: edits made in the editor, reported to the host as
    // automation and handed to the processor at its next block.
    Steinberg::tresult PLUGIN_API beginEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API performEdit(Steinberg::Vst::ParamID id,
                                              Steinberg::Vst::ParamValue value) override;
    Steinberg::tresult PLUGIN_API endEdit(Steinberg::Vst::ParamID id) override;
    Steinberg::tresult PLUGIN_API restartComponent(Steinberg::int32 flags) override;

    // The wrapper's lifetime is the host's business (open to close).
    Steinberg::tresult PLUGIN_API queryInterface(const Steinberg::TUID iid, void** obj) override;
    Steinberg::uint32 PLUGIN_API addRef() override { return 1; }
    Steinberg::uint32 PLUGIN_API release() override { return 1; }

private:
    Vst2Wrapper(HostCallback host, std::int32_t uniqueId);

    bool setUp(Steinberg::IPluginFactory* factory, const Steinberg::TUID classId);
    void readClassInfo(Steinberg::IPluginFactory* factory, const Steinberg::TUID classId);
    bool arrangeBuses();
    void publishParameters();
    void refreshFromController();
    void deliverToController();
    void shutDown();

    IntPtr dispatch(std::int32_t opcode, std::int32_t index, IntPtr value, void* ptr, float opt);
    void setParameter(std::int32_t index, float value);
    float getParameter(std::int32_t index) const;
    void processReplacing(float** inputs, float** outputs, std::int32_t frames);
    void processBlock(float** inputs, float** outputs, std::int32_t frames);

    // Dispatcher opcodes that take more than a line.
    void resume();
    void suspend();
    IntPtr getChunk(void** data);
    IntPtr setChunk(const void* data, IntPtr size);
    // The published parameter at a host's index, or null outside the list.
    const Steinberg::Vst::ParameterInfo* parameterAt(std::int32_t index) const;
    bool getParameterText(std::int32_t opcode, std::int32_t index, char* text) const;
    IntPtr getParameterProperties(std::int32_t index, ParameterProperties* properties) const;
    IntPtr getPinProperties(std::int32_t index, bool input, PinProperties* properties) const;
    IntPtr canDo(const char* feature) const;
    IntPtr setBypass(bool on);
    IntPtr editGetRect(Rect** rect);
    IntPtr editOpen(void* parent);
    void editClose();
    void editIdle();

    int indexOf(Steinberg::Vst::ParamID id) const;
    IntPtr callHost(HostOpcode opcode, std::int32_t index = 0, IntPtr value = 0,
                    void* ptr = nullptr, float opt = 0.0f);

    static IntPtr dispatchThunk(Effect* effect, std::int32_t opcode, std::int32_t index,
                                IntPtr value, void* ptr, float opt);
    static void setParameterThunk(Effect* effect, std::int32_t index, float value);
    static float getParameterThunk(Effect* effect, std::int32_t index);
    static void processReplacingThunk(Effect* effect, float** inputs, float** outputs,
                                      std::int32_t frames);
    static void processAccumulatingThunk(Effect* effect, float** inputs, float** outputs,
                                         std::int32_t frames);

    Effect effect_{};
    HostCallback host_;

    // The SDK's host context does no reference counting: it is owned here.
    std::unique_ptr<Steinberg::Vst::HostApplication> hostContext_;
    Steinberg::IPtr<Steinberg::Vst::IComponent> component_;
    Steinberg::IPtr<Steinberg::Vst::IAudioProcessor> processor_;
    Steinberg::IPtr<Steinberg::Vst::IEditController> controller_;
    bool initialized_ = false;

    // Shown to the host; filled from the factory's class information.
    std::string name_;
    std::string vendor_;
    std::string subCategories_;

    std::vector<Steinberg::Vst::ParameterInfo> parameters_; // in publication order
    int bypassIndex_ = -1;
    ParameterHandOver values_;

    double sampleRate_ = 44100.0;
    std::int32_t blockSize_ = 1024;
    std::atomic<bool> active_{false}; // resumed; read by the audio thread
    std::string programName_ = "Default";
    std::vector<char> chunk_; // the last chunk handed to the host stays valid here

    // Audio thread storage, sized before processing starts.
    static constexpr int kChannels = 2;
    std::int32_t inputChannels_ = kChannels;
    std::unique_ptr<vst3host::ParameterChanges> inputChanges_;
    std::unique_ptr<vst3host::ParameterChanges> outputChanges_;
    vst3host::EventList events_{0};
    Steinberg::Vst::AudioBusBuffers inputBus_{};
    Steinberg::Vst::AudioBusBuffers outputBus_{};
    Steinberg::Vst::ProcessContext context_{};
    Steinberg::Vst::ProcessData data_{};
    std::vector<float> silence_; // stands in for missing host input channels
    std::vector<float> discard_; // takes the output of missing host output channels

    EditorFrame frame_;
    Steinberg::IPtr<Steinberg::IPlugView> view_;
    Rect rect_{};
    bool editorOpen_ = false;
};

} // namespace vst2
