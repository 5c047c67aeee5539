#include "single_component_effect.h"

namespace Steinberg
{
namespace Vst
{

SingleComponentEffect::SingleComponentEffect()
    : audioInputs(kAudio, kInput), audioOutputs(kAudio, kOutput), eventInputs(kEvent, kInput),
      eventOutputs(kEvent, kOutput)
{
    processSetup.processMode = kRealtime;
    processSetup.symbolicSampleSize = kSample32;
    processSetup.maxSamplesPerBlock = 1024;
    processSetup.sampleRate = 44100.0;
}

SingleComponentEffect::~SingleComponentEffect() = default;

tresult PLUGIN_API SingleComponentEffect::initialize(FUnknown* context)
{
    return EditController::initialize(context);
}

tresult PLUGIN_API SingleComponentEffect::terminate()
{
    removeAllBusses();
    return EditController::terminate();
}

tresult PLUGIN_API SingleComponentEffect::setState(IBStream*)
{
    return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::getState(IBStream*)
{
    return kNotImplemented;
}

// There is no separate controller class to name.
tresult PLUGIN_API SingleComponentEffect::getControllerClassId(TUID)
{
    return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::setIoMode(IoMode)
{
    return kNotImplemented;
}

int32 PLUGIN_API SingleComponentEffect::getBusCount(MediaType type, BusDirection dir)
{
    const BusList* list = getBusList(type, dir);
    return list ? static_cast<int32>(list->size()) : 0;
}

tresult PLUGIN_API SingleComponentEffect::getBusInfo(MediaType type, BusDirection dir, int32 index,
                                                     BusInfo& info)
{
    BusList* list = getBusList(type, dir);
    if (!list || index < 0 || index >= static_cast<int32>(list->size()))
        return kInvalidArgument;
    info.mediaType = type;
    info.direction = dir;
    return (*list)[index]->getInfo(info) ? kResultTrue : kResultFalse;
}

tresult PLUGIN_API SingleComponentEffect::getRoutingInfo(RoutingInfo&, RoutingInfo&)
{
    return kNotImplemented;
}

tresult PLUGIN_API SingleComponentEffect::activateBus(MediaType type, BusDirection dir, int32 index,
                                                      TBool state)
{
    BusList* list = getBusList(type, dir);
    if (!list || index < 0 || index >= static_cast<int32>(list->size()))
        return kInvalidArgument;
    (*list)[index]->setActive(state);
    return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::setActive(TBool)
{
    return kResultOk;
}

// Stores one arrangement per existing audio bus; counts that do not match the
// declared buses are refused and change nothing.
tresult PLUGIN_API SingleComponentEffect::setBusArrangements(SpeakerArrangement* inputs,
                                                             int32 numIns,
                                                             SpeakerArrangement* outputs,
                                                             int32 numOuts)
{
    if (numIns != static_cast<int32>(audioInputs.size()) ||
        numOuts != static_cast<int32>(audioOutputs.size()))
        return kResultFalse;
    if ((numIns > 0 && !inputs) || (numOuts > 0 && !outputs))
        return kInvalidArgument;
    for (int32 i = 0; i < numIns; ++i)
        static_cast<AudioBus*>(audioInputs[i].get())->setArrangement(inputs[i]);
    for (int32 i = 0; i < numOuts; ++i)
        static_cast<AudioBus*>(audioOutputs[i].get())->setArrangement(outputs[i]);
    return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::getBusArrangement(BusDirection dir, int32 index,
                                                            SpeakerArrangement& arr)
{
    const BusList& list = dir == kInput ? audioInputs : audioOutputs;
    if (index < 0 || index >= static_cast<int32>(list.size()))
        return kInvalidArgument;
    arr = static_cast<AudioBus*>(list[index].get())->getArrangement();
    return kResultTrue;
}

tresult PLUGIN_API SingleComponentEffect::canProcessSampleSize(int32 symbolicSampleSize)
{
    return symbolicSampleSize == kSample32 ? kResultTrue : kResultFalse;
}

uint32 PLUGIN_API SingleComponentEffect::getLatencySamples()
{
    return 0;
}

tresult PLUGIN_API SingleComponentEffect::setupProcessing(ProcessSetup& setup)
{
    if (canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue)
        return kResultFalse;
    processSetup = setup;
    return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::setProcessing(TBool)
{
    return kResultOk;
}

tresult PLUGIN_API SingleComponentEffect::process(ProcessData&)
{
    return kNotImplemented;
}

uint32 PLUGIN_API SingleComponentEffect::getTailSamples()
{
    return kNoTail;
}

tresult PLUGIN_API SingleComponentEffect::getParameterInfo(int32 paramIndex, ParameterInfo& info)
{
    if (paramIndex < 0 || paramIndex >= parameters.getParameterCount())
        return kResultFalse;
    return EditController::getParameterInfo(paramIndex, info);
}

AudioBus* SingleComponentEffect::addAudioInput(const TChar* name, SpeakerArrangement arrangement,
                                               BusType busType, int32 flags)
{
    auto* bus = new AudioBus(name, busType, flags, arrangement);
    audioInputs.emplace_back(bus, false);
    return bus;
}

AudioBus* SingleComponentEffect::addAudioOutput(const TChar* name, SpeakerArrangement arrangement,
                                                BusType busType, int32 flags)
{
    auto* bus = new AudioBus(name, busType, flags, arrangement);
    audioOutputs.emplace_back(bus, false);
    return bus;
}

EventBus* SingleComponentEffect::addEventInput(const TChar* name, int32 channels, BusType busType,
                                               int32 flags)
{
    auto* bus = new EventBus(name, busType, flags, channels);
    eventInputs.emplace_back(bus, false);
    return bus;
}

void SingleComponentEffect::removeAllBusses()
{
    audioInputs.clear();
    audioOutputs.clear();
    eventInputs.clear();
    eventOutputs.clear();
}

BusList* SingleComponentEffect::getBusList(MediaType type, BusDirection dir)
{
    if (type == kAudio)
        return dir == kInput ? &audioInputs : &audioOutputs;
    if (type == kEvent)
        return dir == kInput ? &eventInputs : &eventOutputs;
    return nullptr;
}

SpeakerArrangement SingleComponentEffect::arrangementOf(BusDirection dir, int32 index) const
{
    const BusList& list = dir == kInput ? audioInputs : audioOutputs;
    if (index < 0 || index >= static_cast<int32>(list.size()))
        return 0;
    return static_cast<AudioBus*>(list[index].get())->getArrangement();
}

} // namespace Vst
} // namespace Steinberg
