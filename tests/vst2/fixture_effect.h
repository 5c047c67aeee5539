#pragma once

// A small single-component effect for the wrapper's tests: stereo gain
// (out = in x 2 x gain) with a gain, a two-entry list and a bypass parameter,
// an 8-byte state (gain and bypass as floats) that loads field by field like
// the real plug-in, and, when asked, an editor view that runs a timer on the
// frame's run loop.

#include "vst3/plugin_factory.h"
#include "vst3/single_component_effect.h"

#include "public.sdk/source/common/pluginview.h"

namespace vst2test
{

enum FixtureParamId : Steinberg::Vst::ParamID
{
    kGainId = 10,
    kModeId = 20,
    kBypassId = 30,
};

class FixtureEffect : public Steinberg::Vst::SingleComponentEffect
{
public:
    // What the tests read back.
    float gain = 0.5f;
    float bypass = 0.0f;
    Steinberg::int32 longestBlock = 0;
    Steinberg::int32 queuesInLastBlock = 0;
    bool offersEditor = true;

    Steinberg::tresult PLUGIN_API initialize(Steinberg::FUnknown* context) override;
    Steinberg::tresult PLUGIN_API process(Steinberg::Vst::ProcessData& data) override;
    Steinberg::tresult PLUGIN_API setState(Steinberg::IBStream* state) override;
    Steinberg::tresult PLUGIN_API getState(Steinberg::IBStream* state) override;
    Steinberg::tresult PLUGIN_API setComponentState(Steinberg::IBStream* state) override;
    Steinberg::IPlugView* PLUGIN_API createView(Steinberg::FIDString name) override;
};

// The editor view: 400 x 300, X11 only; while attached it ticks a 10 ms timer
// registered on the frame's run loop.
class FixtureView : public Steinberg::CPluginView, public Steinberg::Linux::ITimerHandler
{
public:
    FixtureView();
    ~FixtureView() override;

    static int alive;
    static int ticks;

    Steinberg::tresult PLUGIN_API isPlatformTypeSupported(Steinberg::FIDString type) override;
    void attachedToParent() override;
    void removedFromParent() override;
    void PLUGIN_API onTimer() override { ++ticks; }

    // Asks the frame for a new size, as an editor that resizes itself would.
    Steinberg::tresult requestSize(Steinberg::int32 width, Steinberg::int32 height);

    OBJ_METHODS(FixtureView, CPluginView)
    DEFINE_INTERFACES
    DEF_INTERFACE(Steinberg::Linux::ITimerHandler)
    END_DEFINE_INTERFACES(CPluginView)
    REFCOUNT_METHODS(CPluginView)

private:
    Steinberg::Linux::IRunLoop* runLoop_ = nullptr;
};

// A factory holding the fixture class; `lastEffect` and `lastView` point at
// the newest instances it and the effect made.
Steinberg::CPluginFactory* makeFixtureFactory();
const Steinberg::TUID& fixtureClassId();
extern FixtureEffect* lastEffect;
// Whether effects created from now on offer an editor view.
extern bool fixtureOffersEditor;
extern FixtureView* lastView;

} // namespace vst2test
