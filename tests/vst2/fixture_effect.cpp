#include "fixture_effect.h"

#include "base/source/fstreamer.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "public.sdk/source/vst/vstparameters.h"

#include <algorithm>
#include <cstring>

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace vst2test
{

FixtureEffect* lastEffect = nullptr;
FixtureView* lastView = nullptr;
bool fixtureOffersEditor = true;
int FixtureView::alive = 0;
int FixtureView::ticks = 0;

namespace
{

const FUID kClassId(0x5A1E0001, 0x22224444, 0x66668888, 0xAAAACCCC);

FUnknown* createFixture(void*)
{
    lastEffect = new FixtureEffect();
    lastEffect->offersEditor = fixtureOffersEditor;
    return static_cast<IAudioProcessor*>(lastEffect);
}

} // namespace

tresult PLUGIN_API FixtureEffect::initialize(FUnknown* context)
{
    const tresult result = SingleComponentEffect::initialize(context);
    if (result != kResultOk)
        return result;
    addAudioInput(STR16("Fixture In"), SpeakerArr::kStereo);
    addAudioOutput(STR16("Fixture Out"), SpeakerArr::kStereo);
    parameters.addParameter(STR16("Output Gain"), STR16("dB"), 0, 0.5, ParameterInfo::kCanAutomate,
                            kGainId);
    auto* mode = new StringListParameter(STR16("Mode"), kModeId);
    mode->appendString(STR16("soft"));
    mode->appendString(STR16("hard"));
    parameters.addParameter(mode);
    parameters.addParameter(STR16("Bypass"), nullptr, 1, 0,
                            ParameterInfo::kCanAutomate | ParameterInfo::kIsBypass, kBypassId);
    return kResultOk;
}

tresult PLUGIN_API FixtureEffect::process(ProcessData& data)
{
    queuesInLastBlock = 0;
    if (IParameterChanges* changes = data.inputParameterChanges)
    {
        queuesInLastBlock = changes->getParameterCount();
        for (int32 i = 0; i < changes->getParameterCount(); ++i)
        {
            IParamValueQueue* queue = changes->getParameterData(i);
            int32 offset = 0;
            ParamValue value = 0;
            if (!queue || queue->getPoint(queue->getPointCount() - 1, offset, value) != kResultOk)
                continue;
            if (queue->getParameterId() == kGainId)
                gain = static_cast<float>(value);
            else if (queue->getParameterId() == kBypassId)
                bypass = static_cast<float>(value);
        }
    }
    if (data.numSamples <= 0)
        return kResultOk;
    longestBlock = std::max(longestBlock, data.numSamples);
    for (int32 c = 0; c < 2; ++c)
    {
        const float* in = data.inputs[0].channelBuffers32[c];
        float* out = data.outputs[0].channelBuffers32[c];
        for (int32 s = 0; s < data.numSamples; ++s)
            out[s] = bypass != 0.0f ? in[s] : in[s] * 2.0f * gain;
    }
    return kResultOk;
}

// Field by field, each read straight into its member: a short state leaves
// the fields before the cut loaded, as the real plug-in does.
tresult PLUGIN_API FixtureEffect::setState(IBStream* state)
{
    IBStreamer streamer(state, kLittleEndian);
    if (!streamer.readFloat(gain))
        return kResultFalse;
    return streamer.readFloat(bypass) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API FixtureEffect::getState(IBStream* state)
{
    IBStreamer streamer(state, kLittleEndian);
    return streamer.writeFloat(gain) && streamer.writeFloat(bypass) ? kResultOk : kResultFalse;
}

tresult PLUGIN_API FixtureEffect::setComponentState(IBStream* state)
{
    IBStreamer streamer(state, kLittleEndian);
    float storedGain = 0;
    float storedBypass = 0;
    if (!streamer.readFloat(storedGain) || !streamer.readFloat(storedBypass))
        return kResultFalse;
    setParamNormalized(kGainId, storedGain);
    setParamNormalized(kBypassId, storedBypass);
    return kResultOk;
}

IPlugView* PLUGIN_API FixtureEffect::createView(FIDString name)
{
    if (!offersEditor || std::strcmp(name, ViewType::kEditor) != 0)
        return nullptr;
    lastView = new FixtureView();
    return lastView;
}

FixtureView::FixtureView()
{
    ViewRect size(0, 0, 400, 300);
    setRect(size);
    ++alive;
}

FixtureView::~FixtureView()
{
    --alive;
}

tresult PLUGIN_API FixtureView::isPlatformTypeSupported(FIDString type)
{
    return std::strcmp(type, kPlatformTypeX11EmbedWindowID) == 0 ? kResultTrue : kResultFalse;
}

void FixtureView::attachedToParent()
{
    if (plugFrame && plugFrame->queryInterface(Linux::IRunLoop::iid,
                                               reinterpret_cast<void**>(&runLoop_)) == kResultOk)
        runLoop_->registerTimer(this, 10);
}

void FixtureView::removedFromParent()
{
    if (runLoop_)
    {
        runLoop_->unregisterTimer(this);
        runLoop_->release();
        runLoop_ = nullptr;
    }
}

tresult FixtureView::requestSize(int32 width, int32 height)
{
    ViewRect size(0, 0, width, height);
    return plugFrame ? plugFrame->resizeView(this, &size) : kResultFalse;
}

CPluginFactory* makeFixtureFactory()
{
    auto* factory =
        new CPluginFactory(PFactoryInfo("Fixture Works", "", "", PFactoryInfo::kUnicode));
    PClassInfo2 info(kClassId.toTUID(), PClassInfo::kManyInstances, kVstAudioEffectClass, "Fixture",
                     0, "Fx|Reverb", "", "1.2.3.4", kVstVersionString);
    factory->registerClass(info, &createFixture);
    return factory;
}

const TUID& fixtureClassId()
{
    static TUID id;
    kClassId.toTUID(id);
    return id;
}

} // namespace vst2test
