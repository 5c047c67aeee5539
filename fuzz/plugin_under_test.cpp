#include "plugin_under_test.h"

#include "processor.h"

#include "vst3host/plugin_instance.h"

using namespace Steinberg;
using namespace Steinberg::Vst;

PluginUnderTest::PluginUnderTest()
{
    FUnknown* created = Wrenlock::Processor::createInstance(nullptr);
    created->queryInterface(IComponent::iid, reinterpret_cast<void**>(&component_));
    created->queryInterface(IAudioProcessor::iid, reinterpret_cast<void**>(&processor_));
    created->queryInterface(IEditController::iid, reinterpret_cast<void**>(&controller_));
    created->release();
    component_->initialize(nullptr);
}

PluginUnderTest::~PluginUnderTest()
{
    if (active_)
    {
        processor_->setProcessing(false);
        component_->setActive(false);
    }
    component_->terminate();
    controller_->release();
    processor_->release();
    component_->release();
}

bool PluginUnderTest::start(double sampleRate, int32 channels, int32 maxBlock)
{
    SpeakerArrangement arrangement = vst3host::arrangementFor(channels);
    SpeakerArrangement outArrangement = arrangement;
    if (processor_->setBusArrangements(&arrangement, 1, &outArrangement, 1) != kResultOk)
        return false;
    ProcessSetup setup{kRealtime, kSample32, maxBlock, sampleRate};
    if (processor_->setupProcessing(setup) != kResultOk)
        return false;
    component_->setActive(true);
    processor_->setProcessing(true);
    active_ = true;
    return true;
}

tresult PluginUnderTest::run(float** inputs, float** outputs, int32 channels, int32 frames,
                             IParameterChanges* changes)
{
    AudioBusBuffers in{};
    in.numChannels = channels;
    in.channelBuffers32 = inputs;
    AudioBusBuffers out{};
    out.numChannels = channels;
    out.channelBuffers32 = outputs;
    ProcessData data{};
    data.processMode = kRealtime;
    data.symbolicSampleSize = kSample32;
    data.numSamples = frames;
    data.numInputs = 1;
    data.numOutputs = 1;
    data.inputs = &in;
    data.outputs = &out;
    data.inputParameterChanges = changes;
    return processor_->process(data);
}
