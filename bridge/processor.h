#pragma once

#include "log_scale_mapping.h"

#include "vst3/single_component_effect.h"
#include "vst3_editor_delegate.h"

#include "pluginterfaces/vst/ivsteditcontroller.h"
#include "pluginterfaces/vst/ivstevents.h"

#include <atomic>
#include <memory>
#include <vector>

class CPlugIn;

namespace VSTGUI
{
class CKnobWP;
} // namespace VSTGUI

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

class VST3EditorWP;

// The one object a host sees: component, audio processor and edit controller
// around one effect engine. It publishes the engine's controls and the
// built-in parameters, feeds parameter changes and audio to the engine, saves
// and loads the engine's state and maps MIDI controllers onto parameters. It is
// also the delegate of the editors it creates.
class Processor : public SingleComponentEffect,
                  public IMidiMapping,
                  public VSTGUI::VST3EditorDelegate
{
public:
    // Runs the effect engine.
    Processor();
    // Runs the given engine instead; a null engine means the effect engine.
    explicit Processor(std::unique_ptr<CPlugIn> engine);
    ~Processor() override;

    // Creation function of the registered class: a new `Processor` as its
    // audio processor interface, with one reference.
    static FUnknown* createInstance(void* context);

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override;
    REFCOUNT_METHODS(SingleComponentEffect)
    OBJ_METHODS(Processor, SingleComponentEffect)

    tresult receiveText(const char8* text) override;
    tresult PLUGIN_API initialize(FUnknown* context) override;
    tresult PLUGIN_API terminate() override;
    tresult PLUGIN_API setComponentState(IBStream* state) override;
    ParamValue PLUGIN_API normalizedParamToPlain(ParamID id, ParamValue normalized) override;
    ParamValue PLUGIN_API plainParamToNormalized(ParamID id, ParamValue plain) override;
    tresult PLUGIN_API setParamNormalized(ParamID id, ParamValue value) override;
    IPlugView* PLUGIN_API createView(FIDString name) override;
    tresult PLUGIN_API setActive(TBool state) override;
    tresult PLUGIN_API setState(IBStream* state) override;
    tresult PLUGIN_API getState(IBStream* state) override;
    tresult PLUGIN_API setBusArrangements(SpeakerArrangement* inputs, int32 numIns,
                                          SpeakerArrangement* outputs, int32 numOuts) override;
    tresult PLUGIN_API canProcessSampleSize(int32 symbolicSampleSize) override;
    tresult PLUGIN_API setupProcessing(ProcessSetup& setup) override;
    tresult PLUGIN_API process(ProcessData& data) override;
    tresult PLUGIN_API getMidiControllerAssignment(int32 busIndex, int16 channel,
                                                   CtrlNumber midiControllerNumber,
                                                   ParamID& id) override;

    // VST3EditorDelegate: the system's own custom views and sub-controllers.
    VSTGUI::CView* createCustomView(VSTGUI::UTF8StringPtr name,
                                    const VSTGUI::UIAttributes& attributes,
                                    const VSTGUI::IUIDescription* description,
                                    VSTGUI::VST3Editor* editor) override;
    VSTGUI::IController* createSubController(VSTGUI::UTF8StringPtr name,
                                             const VSTGUI::IUIDescription* description,
                                             VSTGUI::VST3Editor* editor) override;

    CPlugIn& getEngine() { return *engine; }
    bool isBypassed() const { return bypass.load(std::memory_order_relaxed); }
    const std::vector<uint32>& getMeterParameterIds() const { return meterParameterIds; }

    // Shared with the editor side.
    VST3EditorWP* currentEditor = nullptr;
    VSTGUI::CKnobWP* alphaWheelKnob = nullptr;
    // The control parameters the LCD offers, each with its own reference.
    ParameterContainer lcdParameters;

private:
    void publishControls();
    void publishBuiltInParameters();

    void applyParameterChanges(IParameterChanges* changes);
    void applyParameterChange(ParamID id, ParamValue value);
    void processEffect(ProcessData& data);
    void processOutputOnly(ProcessData& data);
    void handleEvent(const Event& event);
    void reportMeters(ProcessData& data, bool bypassed);

    std::unique_ptr<CPlugIn> engine;
    // Written by parameter changes on the audio thread and by state loading on
    // the user-interface thread.
    std::atomic<bool> bypass{false};
    // Raised by a successful `setState`; the next `process` call re-derives the
    // engine's settings from the loaded variables before anything else.
    std::atomic<bool> settingsLoaded{false};
    std::vector<uint32> meterParameterIds;
    std::vector<std::unique_ptr<LogScaleMapping>> logScales;
};

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
