// A minimal split plug-in for host tests: a component that multiplies its
// input by a gain (parameter 0, gain = 2 x normalized, saved as one float),
// and a separate edit controller publishing that parameter. The module entry
// and exit append their names to the file named by VST3HOST_FIXTURE_LOG, and
// VST3HOST_FIXTURE_REFUSE makes the entry fail.
#include "pluginterfaces/base/ibstream.h"
#include "pluginterfaces/vst/ivstaudioprocessor.h"
#include "pluginterfaces/vst/ivstparameterchanges.h"
#include "public.sdk/source/vst/vstcomponent.h"
#include "public.sdk/source/vst/vsteditcontroller.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace Steinberg;

namespace
{

const FUID processorId(0x1A2B3C4D, 0x11112222, 0x33334444, 0x55556666);
const FUID controllerId(0x1A2B3C4D, 0x77778888, 0x9999AAAA, 0xBBBBCCCC);

void logStep(const char* step)
{
    if (const char* path = std::getenv("VST3HOST_FIXTURE_LOG"))
    {
        if (FILE* f = std::fopen(path, "a"))
        {
            std::fprintf(f, "%s\n", step);
            std::fclose(f);
        }
    }
}

class FixtureProcessor : public Vst::Component, public Vst::IAudioProcessor
{
public:
    FixtureProcessor() { setControllerClass(controllerId); }

    tresult PLUGIN_API initialize(FUnknown* context) override
    {
        const tresult result = Component::initialize(context);
        if (result == kResultOk)
        {
            audioInputs.push_back(owned(new Vst::AudioBus(
                STR16("In"), Vst::kMain, Vst::BusInfo::kDefaultActive, Vst::SpeakerArr::kStereo)));
            audioOutputs.push_back(owned(new Vst::AudioBus(
                STR16("Out"), Vst::kMain, Vst::BusInfo::kDefaultActive, Vst::SpeakerArr::kStereo)));
        }
        return result;
    }

    tresult PLUGIN_API setBusArrangements(Vst::SpeakerArrangement* inputs, int32 numIns,
                                          Vst::SpeakerArrangement* outputs, int32 numOuts) override
    {
        if (numIns != 1 || numOuts != 1 || inputs[0] != outputs[0] ||
            Vst::SpeakerArr::getChannelCount(inputs[0]) > 2)
            return kResultFalse;
        return kResultTrue;
    }
    tresult PLUGIN_API getBusArrangement(Vst::BusDirection, int32,
                                         Vst::SpeakerArrangement& arr) override
    {
        arr = Vst::SpeakerArr::kStereo;
        return kResultTrue;
    }
    tresult PLUGIN_API canProcessSampleSize(int32 size) override
    {
        return size == Vst::kSample32 ? kResultTrue : kResultFalse;
    }
    uint32 PLUGIN_API getLatencySamples() override { return 0; }
    tresult PLUGIN_API setupProcessing(Vst::ProcessSetup& setup) override
    {
        return setup.sampleRate > 0 ? kResultOk : kResultFalse;
    }
    tresult PLUGIN_API setProcessing(TBool) override { return kResultOk; }
    uint32 PLUGIN_API getTailSamples() override { return 0; }

    tresult PLUGIN_API process(Vst::ProcessData& data) override
    {
        if (data.inputParameterChanges)
        {
            for (int32 i = 0; i < data.inputParameterChanges->getParameterCount(); ++i)
            {
                Vst::IParamValueQueue* queue = data.inputParameterChanges->getParameterData(i);
                int32 offset = 0;
                Vst::ParamValue value = 0;
                if (queue && queue->getParameterId() == 0 &&
                    queue->getPoint(queue->getPointCount() - 1, offset, value) == kResultOk)
                    gain = static_cast<float>(value);
            }
        }
        if (data.numInputs < 1 || data.numOutputs < 1)
            return kResultOk;
        for (int32 c = 0; c < data.outputs[0].numChannels; ++c)
        {
            const float* in = data.inputs[0].channelBuffers32[c];
            float* out = data.outputs[0].channelBuffers32[c];
            for (int32 s = 0; s < data.numSamples; ++s)
                out[s] = in[s] * 2.0f * gain;
        }
        return kResultOk;
    }

    tresult PLUGIN_API setState(IBStream* state) override
    {
        float value = 0;
        int32 read = 0;
        if (!state || state->read(&value, sizeof value, &read) != kResultOk || read != sizeof value)
            return kResultFalse;
        gain = value;
        return kResultOk;
    }
    tresult PLUGIN_API getState(IBStream* state) override
    {
        return state ? state->write(&gain, sizeof gain, nullptr) : kResultFalse;
    }

    OBJ_METHODS(FixtureProcessor, Component)
    DEFINE_INTERFACES
    DEF_INTERFACE(Vst::IAudioProcessor)
    END_DEFINE_INTERFACES(Component)
    REFCOUNT_METHODS(Component)

private:
    float gain = 0.5f;
};

class FixtureController : public Vst::EditController
{
public:
    tresult PLUGIN_API initialize(FUnknown* context) override
    {
        const tresult result = EditController::initialize(context);
        if (result == kResultOk)
            parameters.addParameter(STR16("Gain"), STR16("x"), 0, 0.5,
                                    Vst::ParameterInfo::kCanAutomate, 0);
        return result;
    }
    tresult PLUGIN_API setComponentState(IBStream* state) override
    {
        float value = 0;
        if (!state || state->read(&value, sizeof value, nullptr) != kResultOk)
            return kResultFalse;
        return setParamNormalized(0, value);
    }
};

class FixtureFactory : public IPluginFactory
{
public:
    tresult PLUGIN_API getFactoryInfo(PFactoryInfo* info) override
    {
        *info = PFactoryInfo("host tests", "", "", PFactoryInfo::kUnicode);
        return kResultOk;
    }
    int32 PLUGIN_API countClasses() override { return 2; }
    tresult PLUGIN_API getClassInfo(int32 index, PClassInfo* info) override
    {
        if (index == 0)
            *info = PClassInfo(processorId.toTUID(), PClassInfo::kManyInstances,
                               kVstAudioEffectClass, "Fixture Gain");
        else if (index == 1)
            *info = PClassInfo(controllerId.toTUID(), PClassInfo::kManyInstances,
                               kVstComponentControllerClass, "Fixture Gain Controller");
        else
            return kInvalidArgument;
        return kResultOk;
    }
    tresult PLUGIN_API createInstance(FIDString cid, FIDString iid, void** obj) override
    {
        FUnknown* object = nullptr;
        if (FUnknownPrivate::iidEqual(cid, processorId.toTUID()))
            object = static_cast<Vst::IComponent*>(new FixtureProcessor());
        else if (FUnknownPrivate::iidEqual(cid, controllerId.toTUID()))
            object = static_cast<Vst::IEditController*>(new FixtureController());
        if (!object)
        {
            *obj = nullptr;
            return kNoInterface;
        }
        const tresult result = object->queryInterface(iid, obj);
        object->release();
        return result;
    }

    tresult PLUGIN_API queryInterface(const TUID iid, void** obj) override
    {
        QUERY_INTERFACE(iid, obj, FUnknown::iid, IPluginFactory)
        QUERY_INTERFACE(iid, obj, IPluginFactory::iid, IPluginFactory)
        *obj = nullptr;
        return kNoInterface;
    }
    uint32 PLUGIN_API addRef() override { return ++references; }
    uint32 PLUGIN_API release() override { return --references; }

    uint32 references = 0;
};

FixtureFactory factory;

} // namespace

extern "C"
{
    SMTG_EXPORT_SYMBOL bool ModuleEntry(void*)
    {
        logStep("entry");
        return std::getenv("VST3HOST_FIXTURE_REFUSE") == nullptr;
    }

    SMTG_EXPORT_SYMBOL bool ModuleExit()
    {
        logStep(factory.references == 0 ? "exit" : "exit with factory held");
        return true;
    }

    SMTG_EXPORT_SYMBOL IPluginFactory* PLUGIN_API GetPluginFactory()
    {
        factory.addRef();
        return &factory;
    }
}
