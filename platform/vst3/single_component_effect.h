#pragma once

#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstcomponent.h"
#include "public.sdk/source/vst/vstbus.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

namespace Steinberg
{
namespace Vst
{

// Component, audio processor and edit controller in one object: the host finds
// no separate controller class and talks to this one object through all three
// interfaces. The component and controller state calls share one `setState` and
// one `getState`; a derived class overrides them to read and write its state.
class SingleComponentEffect : public EditController, public IComponent, public IAudioProcessor
{
public:
    SingleComponentEffect();
    ~SingleComponentEffect() override;

    // Shared by the component and the controller.
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;
    tresult PLUGIN_API setState(IBStream* state) override;
    tresult PLUGIN_API getState(IBStream* state) override;

    // Component.
    tresult PLUGIN_API getControllerClassId(TUID classId) override;
    tresult PLUGIN_API setIoMode(IoMode mode) override;
    int32 PLUGIN_API getBusCount(MediaType type, BusDirection dir) override;
    tresult PLUGIN_API getBusInfo(MediaType type, BusDirection dir, int32 index,
                                  BusInfo& info) override;
    tresult PLUGIN_API getRoutingInfo(RoutingInfo& inInfo, RoutingInfo& outInfo) override;
    tresult PLUGIN_API activateBus(MediaType type, BusDirection dir, int32 index,
                                   TBool state) override;
    tresult PLUGIN_API setActive(TBool state) override;

    // Audio processor.
    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                          SpeakerArrangement* outputs, int32 numOuts) override;
    tresult PLUGIN_API getBusArrangement(BusDirection dir, int32 index,
                                         SpeakerArrangement& arr) override;
    tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) override;
    uint32 PLUGIN_API getLatencySamples() override;
    tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
    tresult PLUGIN_API setProcessing(TBool state) override;
    tresult PLUGIN_API process(ProcessData& data) override;
    uint32 PLUGIN_API getTailSamples() override;

    // Controller: a parameter index outside the list is refused instead of
    // reaching the container's checked access.
    tresult PLUGIN_API getParameterInfo(int32 paramIndex, ParameterInfo& info) override;

    OBJ_METHODS(SingleComponentEffect, EditController)
    DEFINE_INTERFACES
    DEF_INTERFACE(IComponent)
    DEF_INTERFACE(IAudioProcessor)
    END_DEFINE_INTERFACES(EditController)
    REFCOUNT_METHODS(EditController)

protected:
    AudioBus* addAudioInput(const TChar* name, SpeakerArrangement arrangement,
                            BusType busType = kMain, int32 flags = BusInfo::kDefaultActive);
    AudioBus* addAudioOutput(const TChar* name, SpeakerArrangement arrangement,
                             BusType busType = kMain, int32 flags = BusInfo::kDefaultActive);
    EventBus* addEventInput(const TChar* name, int32 channels = 16, BusType busType = kMain,
                            int32 flags = BusInfo::kDefaultActive);
    void removeAllBusses();

    BusList* getBusList(MediaType type, BusDirection dir);
    // The arrangement stored on an audio bus, or 0 when there is no such bus.
    SpeakerArrangement arrangementOf(BusDirection dir, int32 index) const;

    ProcessSetup processSetup;
    BusList audioInputs;
    BusList audioOutputs;
    BusList eventInputs;
    BusList eventOutputs;
};

} // namespace Vst
} // namespace Steinberg
