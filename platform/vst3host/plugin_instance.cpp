#include "plugin_instance.h"

#include "pluginterfaces/vst/ivstmessage.h"
#include "public.sdk/source/common/memorystream.h"

#include <cstring>

namespace vst3host
{

using namespace Steinberg;

Vst::SpeakerArrangement arrangementFor(int32 channels)
{
    if (channels == 1)
        return Vst::SpeakerArr::kMono;
    if (channels == 2)
        return Vst::SpeakerArr::kStereo;
    if (channels <= 0)
        return Vst::SpeakerArr::kEmpty;
    return channels >= 64 ? ~Vst::SpeakerArrangement{0}
                          : (Vst::SpeakerArrangement{1} << channels) - 1;
}

namespace
{

// Finds the class to create: by name, or the first audio-effect class.
bool findClass(IPluginFactory* factory, const std::string& className, PClassInfo& found)
{
    const int32 count = factory->countClasses();
    for (int32 i = 0; i < count; ++i)
    {
        PClassInfo info{};
        if (factory->getClassInfo(i, &info) != kResultOk)
            continue;
        const bool isEffect = std::strcmp(info.category, kVstAudioEffectClass) == 0;
        if (className.empty() ? isEffect : className == info.name)
        {
            found = info;
            return true;
        }
    }
    return false;
}

template <typename T> IPtr<T> createFromFactory(IPluginFactory* factory, const TUID cid)
{
    T* object = nullptr;
    if (factory->createInstance(cid, T::iid, reinterpret_cast<void**>(&object)) != kResultOk)
        return nullptr;
    return owned(object);
}

} // namespace

std::unique_ptr<PluginInstance> PluginInstance::create(std::shared_ptr<PluginModule> module,
                                                       std::string& error,
                                                       const std::string& className)
{
    if (!module || !module->factory())
    {
        error = "no plug-in module loaded";
        return nullptr;
    }
    IPluginFactory* factory = module->factory();
    PClassInfo info{};
    if (!findClass(factory, className, info))
    {
        error = className.empty() ? "the plug-in offers no audio effect class"
                                  : "the plug-in offers no class named " + className;
        return nullptr;
    }

    std::unique_ptr<PluginInstance> instance(new PluginInstance());
    instance->module_ = std::move(module);
    instance->context_ = std::make_unique<Vst::HostApplication>();
    instance->classId_ = FUID::fromTUID(info.cid);
    instance->name_ = info.name;

    instance->component_ = createFromFactory<Vst::IComponent>(factory, info.cid);
    if (!instance->component_)
    {
        error = "cannot create the component of " + instance->name_;
        return nullptr;
    }
    if (instance->component_->initialize(instance->context_.get()) != kResultOk)
    {
        error = "the component of " + instance->name_ + " failed to initialize";
        return nullptr;
    }
    instance->componentInitialized_ = true;

    instance->processor_ = FUnknownPtr<Vst::IAudioProcessor>(instance->component_);
    if (!instance->processor_)
    {
        error = instance->name_ + " has no audio processor";
        return nullptr;
    }

    instance->controller_ = FUnknownPtr<Vst::IEditController>(instance->component_);
    if (instance->controller_)
        instance->single_ = true;
    else
    {
        TUID controllerId{};
        if (instance->component_->getControllerClassId(controllerId) != kResultOk ||
            !(instance->controller_ =
                  createFromFactory<Vst::IEditController>(factory, controllerId)))
        {
            error = "cannot create the edit controller of " + instance->name_;
            return nullptr;
        }
        if (instance->controller_->initialize(instance->context_.get()) != kResultOk)
        {
            error = "the edit controller of " + instance->name_ + " failed to initialize";
            return nullptr;
        }
        instance->controllerInitialized_ = true;

        FUnknownPtr<Vst::IConnectionPoint> componentPoint(instance->component_);
        FUnknownPtr<Vst::IConnectionPoint> controllerPoint(instance->controller_);
        if (componentPoint && controllerPoint)
        {
            componentPoint->connect(controllerPoint);
            controllerPoint->connect(componentPoint);
            instance->connected_ = true;
        }

        // A separate controller starts from the component's current state.
        std::vector<char> state;
        if (instance->getState(state))
            instance->setState(state);
    }
    instance->controller_->setComponentHandler(&instance->handler_);
    return instance;
}

PluginInstance::~PluginInstance()
{
    stop();
    if (controller_)
        controller_->setComponentHandler(nullptr);
    if (connected_)
    {
        FUnknownPtr<Vst::IConnectionPoint> componentPoint(component_);
        FUnknownPtr<Vst::IConnectionPoint> controllerPoint(controller_);
        componentPoint->disconnect(controllerPoint);
        controllerPoint->disconnect(componentPoint);
    }
    if (controllerInitialized_)
        controller_->terminate();
    controller_ = nullptr;
    processor_ = nullptr;
    if (componentInitialized_)
        component_->terminate();
    component_ = nullptr;
    context_.reset();
}

bool PluginInstance::start(const Vst::ProcessSetup& setup, int32 channels, std::string& error)
{
    Vst::SpeakerArrangement inputs = arrangementFor(channels);
    Vst::SpeakerArrangement outputs = inputs;
    const int32 inputBuses = component_->getBusCount(Vst::kAudio, Vst::kInput);
    const int32 outputBuses = component_->getBusCount(Vst::kAudio, Vst::kOutput);
    if (processor_->setBusArrangements(inputBuses > 0 ? &inputs : nullptr, inputBuses > 0 ? 1 : 0,
                                       outputBuses > 0 ? &outputs : nullptr,
                                       outputBuses > 0 ? 1 : 0) != kResultTrue)
    {
        error = name_ + " does not accept " + std::to_string(channels) + " channel(s)";
        return false;
    }
    if (processor_->canProcessSampleSize(setup.symbolicSampleSize) != kResultTrue)
    {
        error = name_ + " cannot process this sample size";
        return false;
    }
    Vst::ProcessSetup copy = setup;
    if (processor_->setupProcessing(copy) != kResultOk)
    {
        error = name_ + " rejected the processing set-up (sample rate " +
                std::to_string(static_cast<long long>(setup.sampleRate)) + ")";
        return false;
    }
    if (inputBuses > 0)
        component_->activateBus(Vst::kAudio, Vst::kInput, 0, true);
    if (outputBuses > 0)
        component_->activateBus(Vst::kAudio, Vst::kOutput, 0, true);
    if (component_->setActive(true) != kResultOk)
    {
        error = name_ + " failed to activate";
        return false;
    }
    active_ = true;
    // Some plug-ins do not implement setProcessing; only activation matters.
    processing_ = processor_->setProcessing(true) == kResultOk;
    return true;
}

void PluginInstance::stop()
{
    if (processing_)
        processor_->setProcessing(false);
    processing_ = false;
    if (active_)
        component_->setActive(false);
    active_ = false;
}

bool PluginInstance::getState(std::vector<char>& out) const
{
    IPtr<MemoryStream> stream = owned(new MemoryStream());
    if (component_->getState(stream) != kResultOk)
        return false;
    const char* data = stream->getData();
    out.assign(data, data + stream->getSize());
    return true;
}

bool PluginInstance::setState(const std::vector<char>& in)
{
    IPtr<MemoryStream> stream = owned(new MemoryStream());
    int32 written = 0;
    stream->write(const_cast<char*>(in.data()), static_cast<int32>(in.size()), &written);
    stream->seek(0, IBStream::kIBSeekSet, nullptr);
    if (component_->setState(stream) != kResultOk)
        return false;
    stream->seek(0, IBStream::kIBSeekSet, nullptr);
    controller_->setComponentState(stream);
    return true;
}

} // namespace vst3host
