#include "vst2_wrapper.h"

#include "class_presentation.h"
#include "fixed_text.h"
#include "vst2_opcodes.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <algorithm>
#include <cmath>

namespace vst2
{

using namespace Steinberg;
using namespace Steinberg::Vst;

namespace
{

// Points the processor may report per parameter and block; meters send one.
constexpr int32 kOutputPointsPerBlock = 8;

Vst2Wrapper* wrapperOf(Effect* effect)
{
    return effect ? static_cast<Vst2Wrapper*>(effect->object) : nullptr;
}

} // namespace

Vst2Wrapper* Vst2Wrapper::create(IPluginFactory* factory, const TUID classId, std::int32_t uniqueId,
                                 HostCallback host)
{
    if (!factory)
        return nullptr;
    auto* wrapper = new Vst2Wrapper(host, uniqueId);
    if (!wrapper->setUp(factory, classId))
    {
        delete wrapper;
        return nullptr;
    }
    return wrapper;
}

Vst2Wrapper::Vst2Wrapper(HostCallback host, std::int32_t uniqueId)
    : host_(host), frame_(&effect_, host)
{
    effect_.magic = kEffectMagic;
    effect_.dispatcher = &Vst2Wrapper::dispatchThunk;
    effect_.processAccumulating = &Vst2Wrapper::processAccumulatingThunk;
    effect_.setParameter = &Vst2Wrapper::setParameterThunk;
    effect_.getParameter = &Vst2Wrapper::getParameterThunk;
    effect_.processReplacing = &Vst2Wrapper::processReplacingThunk;
    effect_.numPrograms = 1;
    effect_.ioRatio = 1.0f;
    effect_.object = this;
    effect_.uniqueId = uniqueId;
}

Vst2Wrapper::~Vst2Wrapper()
{
    shutDown();
}

bool Vst2Wrapper::setUp(IPluginFactory* factory, const TUID classId)
{
    readClassInfo(factory, classId);

    void* instance = nullptr;
    if (factory->createInstance(classId, IComponent::iid, &instance) != kResultOk || !instance)
        return false;
    component_ = owned(static_cast<IComponent*>(instance));

    hostContext_ = std::make_unique<HostApplication>();
    if (component_->initialize(hostContext_.get()) != kResultOk)
        return false;
    initialized_ = true;

    // Only single-component effects: processor and controller are one object.
    processor_ = FUnknownPtr<IAudioProcessor>(component_);
    controller_ = FUnknownPtr<IEditController>(component_);
    if (!processor_ || !controller_ || processor_->canProcessSampleSize(kSample32) != kResultTrue)
        return false;
    if (!arrangeBuses())
        return false;

    controller_->setComponentHandler(this);
    publishParameters();
    effect_.initialDelay = static_cast<std::int32_t>(processor_->getLatencySamples());

    // The view is only asked for whether it exists; it is built again on open.
    effect_.flags = kFlagCanReplacing | kFlagProgramChunks;
    if (IPlugView* view = controller_->createView(ViewType::kEditor))
    {
        effect_.flags |= kFlagHasEditor;
        view->release();
    }
    return true;
}

void Vst2Wrapper::readClassInfo(IPluginFactory* factory, const TUID classId)
{
    FUnknownPtr<IPluginFactory2> factory2(factory);
    const int32 count = factory->countClasses();
    for (int32 i = 0; i < count; ++i)
    {
        PClassInfo info{};
        if (factory->getClassInfo(i, &info) != kResultOk ||
            !FUnknownPrivate::iidEqual(info.cid, classId))
            continue;
        name_ = readFixedTextOf(info.name);
        PClassInfo2 info2{};
        if (factory2 && factory2->getClassInfo2(i, &info2) == kResultOk)
        {
            vendor_ = readFixedTextOf(info2.vendor);
            subCategories_ = readFixedTextOf(info2.subCategories);
            effect_.version = vendorVersionFor(readFixedTextOf(info2.version));
        }
        break;
    }
    // A class without a vendor of its own goes by the factory's.
    if (vendor_.empty())
    {
        PFactoryInfo factoryInfo{};
        if (factory->getFactoryInfo(&factoryInfo) == kResultOk)
            vendor_ = readFixedTextOf(factoryInfo.vendor);
    }
}

bool Vst2Wrapper::arrangeBuses()
{
    const bool hasInput = component_->getBusCount(kAudio, kInput) > 0;
    SpeakerArrangement input = SpeakerArr::kStereo;
    SpeakerArrangement output = SpeakerArr::kStereo;
    if (processor_->setBusArrangements(hasInput ? &input : nullptr, hasInput ? 1 : 0, &output, 1) !=
        kResultTrue)
        return false;

    // Switch on what a host would by default: every bus flagged so.
    for (const MediaType type : {kAudio, kEvent})
    {
        for (const BusDirection direction : {kInput, kOutput})
        {
            const int32 buses = component_->getBusCount(type, direction);
            for (int32 i = 0; i < buses; ++i)
            {
                BusInfo info{};
                if (component_->getBusInfo(type, direction, i, info) == kResultOk &&
                    (info.flags & BusInfo::kDefaultActive) != 0)
                    component_->activateBus(type, direction, i, true);
            }
        }
    }

    inputChannels_ = hasInput ? kChannels : 0;
    effect_.numInputs = inputChannels_;
    effect_.numOutputs = kChannels;
    data_.numInputs = hasInput ? 1 : 0;
    data_.numOutputs = 1;
    data_.inputs = hasInput ? &inputBus_ : nullptr;
    data_.outputs = &outputBus_;
    inputBus_.numChannels = kChannels;
    outputBus_.numChannels = kChannels;
    return true;
}

void Vst2Wrapper::publishParameters()
{
    const int32 count = std::max<int32>(controller_->getParameterCount(), 0);
    parameters_.assign(static_cast<size_t>(count), ParameterInfo{});
    values_.reset(static_cast<size_t>(count));
    for (int32 i = 0; i < count; ++i)
    {
        ParameterInfo& info = parameters_[static_cast<size_t>(i)];
        controller_->getParameterInfo(i, info);
        if ((info.flags & ParameterInfo::kIsBypass) != 0 && bypassIndex_ < 0)
            bypassIndex_ = i;
    }
    refreshFromController();
    effect_.numParams = count;

    inputChanges_ = std::make_unique<vst3host::ParameterChanges>(count, 1);
    outputChanges_ = std::make_unique<vst3host::ParameterChanges>(count, kOutputPointsPerBlock);
    data_.inputParameterChanges = inputChanges_.get();
    data_.outputParameterChanges = outputChanges_.get();
    data_.inputEvents = &events_;
    data_.processContext = &context_;
}

void Vst2Wrapper::refreshFromController()
{
    for (size_t i = 0; i < parameters_.size(); ++i)
        values_.replace(i, static_cast<float>(controller_->getParamNormalized(parameters_[i].id)));
}

void Vst2Wrapper::deliverToController()
{
    values_.drainForController([this](size_t i, float value)
                               { controller_->setParamNormalized(parameters_[i].id, value); });
}

void Vst2Wrapper::shutDown()
{
    editClose();
    suspend();
    if (controller_)
        controller_->setComponentHandler(nullptr);
    if (initialized_)
        component_->terminate();
    initialized_ = false;
    controller_ = nullptr;
    processor_ = nullptr;
    component_ = nullptr;
    hostContext_.reset();
}

void Vst2Wrapper::setParameter(std::int32_t index, float value)
{
    if (index < 0 || static_cast<size_t>(index) >= values_.size() || std::isnan(value))
        return;
    values_.setFromHost(static_cast<size_t>(index), std::clamp(value, 0.0f, 1.0f));
}

float Vst2Wrapper::getParameter(std::int32_t index) const
{
    if (index < 0 || static_cast<size_t>(index) >= values_.size())
        return 0.0f;
    return values_.value(static_cast<size_t>(index));
}

void Vst2Wrapper::resume()
{
    if (active_.load(std::memory_order_relaxed))
        return;
    ProcessSetup setup{kRealtime, kSample32, blockSize_, sampleRate_};
    processor_->setupProcessing(setup);
    silence_.assign(static_cast<size_t>(blockSize_), 0.0f);
    discard_.assign(static_cast<size_t>(blockSize_) * kChannels, 0.0f);
    context_ = ProcessContext{};
    context_.sampleRate = sampleRate_;
    data_.processMode = kRealtime;
    data_.symbolicSampleSize = kSample32;
    component_->setActive(true);
    processor_->setProcessing(true);
    active_.store(true, std::memory_order_release);
}

void Vst2Wrapper::suspend()
{
    if (!active_.load(std::memory_order_relaxed))
        return;
    active_.store(false, std::memory_order_release);
    processor_->setProcessing(false);
    component_->setActive(false);
}

void Vst2Wrapper::processReplacing(float** inputs, float** outputs, std::int32_t frames)
{
    if (!outputs || frames <= 0)
        return;
    if (!active_.load(std::memory_order_acquire))
    {
        for (int c = 0; c < kChannels; ++c)
        {
            if (outputs[c])
                std::fill_n(outputs[c], frames, 0.0f);
        }
        return;
    }

    // Missing host buffers become silence in and a scratch area out, so the
    // component always sees every channel it was promised.
    float* in[kChannels];
    float* out[kChannels];
    for (int c = 0; c < kChannels; ++c)
    {
        in[c] = inputs && inputs[c] ? inputs[c] : nullptr;
        out[c] = outputs[c];
    }

    // The component was promised blocks of at most `blockSize_` frames.
    for (std::int32_t done = 0; done < frames;)
    {
        const std::int32_t length = std::min(frames - done, blockSize_);
        float* inBlock[kChannels];
        float* outBlock[kChannels];
        for (int c = 0; c < kChannels; ++c)
        {
            inBlock[c] = in[c] ? in[c] + done : silence_.data();
            outBlock[c] = out[c] ? out[c] + done : discard_.data() + c * blockSize_;
        }
        processBlock(inBlock, outBlock, length);
        done += length;
    }
}

void Vst2Wrapper::processBlock(float** inputs, float** outputs, std::int32_t frames)
{
    inputChanges_->clear();
    values_.drainForProcessor([this](size_t i, float value)
                              { inputChanges_->addPoint(parameters_[i].id, 0, value); });
    outputChanges_->clear();

    inputBus_.channelBuffers32 = inputs;
    inputBus_.silenceFlags = 0;
    outputBus_.channelBuffers32 = outputs;
    outputBus_.silenceFlags = 0;
    data_.numSamples = frames;
    processor_->process(data_);
    context_.projectTimeSamples += frames;
    context_.continousTimeSamples += frames;

    // Values the component reports (meters) become what the host reads back.
    for (int32 q = 0; q < outputChanges_->getParameterCount(); ++q)
    {
        IParamValueQueue* queue = outputChanges_->getParameterData(q);
        if (!queue || queue->getPointCount() <= 0)
            continue;
        int32 offset = 0;
        ParamValue value = 0.0;
        const int index = indexOf(queue->getParameterId());
        if (index >= 0 && queue->getPoint(queue->getPointCount() - 1, offset, value) == kResultOk)
            values_.setFromProcessor(static_cast<size_t>(index), static_cast<float>(value));
    }
}

IntPtr Vst2Wrapper::getChunk(void** data)
{
    if (!data)
        return 0;
    IPtr<MemoryStream> stream = owned(new MemoryStream());
    if (component_->getState(stream) != kResultOk)
        return 0;
    chunk_.assign(stream->getData(), stream->getData() + stream->getSize());
    *data = chunk_.data();
    return static_cast<IntPtr>(chunk_.size());
}

IntPtr Vst2Wrapper::setChunk(const void* data, IntPtr size)
{
    if (!data || size <= 0)
        return 0;
    // A component may stop half-way through a damaged state, having loaded
    // part of it. Keep the current state so such a chunk changes nothing.
    IPtr<MemoryStream> backup = owned(new MemoryStream());
    if (component_->getState(backup) != kResultOk)
        return 0;

    std::vector<char> bytes(static_cast<const char*>(data), static_cast<const char*>(data) + size);
    IPtr<MemoryStream> incoming = owned(new MemoryStream(bytes.data(), static_cast<TSize>(size)));
    if (component_->setState(incoming) != kResultOk)
    {
        backup->seek(0, IBStream::kIBSeekSet, nullptr);
        component_->setState(backup);
        return 0;
    }
    incoming->seek(0, IBStream::kIBSeekSet, nullptr);
    controller_->setComponentState(incoming);
    refreshFromController();
    callHost(HostOpcode::updateDisplay);
    return 1;
}

int Vst2Wrapper::indexOf(ParamID id) const
{
    for (size_t i = 0; i < parameters_.size(); ++i)
    {
        if (parameters_[i].id == id)
            return static_cast<int>(i);
    }
    return -1;
}

IntPtr Vst2Wrapper::callHost(HostOpcode opcode, std::int32_t index, IntPtr value, void* ptr,
                             float opt)
{
    return host_ ? host_(&effect_, static_cast<std::int32_t>(opcode), index, value, ptr, opt) : 0;
}

tresult PLUGIN_API Vst2Wrapper::beginEdit(ParamID id)
{
    const int index = indexOf(id);
    if (index < 0)
        return kInvalidArgument;
    callHost(HostOpcode::beginEdit, index);
    return kResultOk;
}

tresult PLUGIN_API Vst2Wrapper::performEdit(ParamID id, ParamValue value)
{
    const int index = indexOf(id);
    if (index < 0)
        return kInvalidArgument;
    const float normalized = static_cast<float>(std::clamp(value, 0.0, 1.0));
    values_.setFromController(static_cast<size_t>(index), normalized);
    callHost(HostOpcode::automate, index, 0, nullptr, normalized);
    return kResultOk;
}

tresult PLUGIN_API Vst2Wrapper::endEdit(ParamID id)
{
    const int index = indexOf(id);
    if (index < 0)
        return kInvalidArgument;
    callHost(HostOpcode::endEdit, index);
    return kResultOk;
}

tresult PLUGIN_API Vst2Wrapper::restartComponent(int32 flags)
{
    if ((flags & kParamValuesChanged) != 0)
    {
        // Host changes the controller has not seen yet go first, so they
        // survive the re-read.
        deliverToController();
        for (size_t i = 0; i < parameters_.size(); ++i)
            values_.adopt(i,
                          static_cast<float>(controller_->getParamNormalized(parameters_[i].id)));
    }
    if ((flags & kLatencyChanged) != 0)
    {
        effect_.initialDelay = static_cast<std::int32_t>(processor_->getLatencySamples());
        callHost(HostOpcode::ioChanged);
    }
    if ((flags & (kParamValuesChanged | kParamTitlesChanged)) != 0)
        callHost(HostOpcode::updateDisplay);
    return kResultOk;
}

tresult PLUGIN_API Vst2Wrapper::queryInterface(const TUID iid, void** obj)
{
    QUERY_INTERFACE(iid, obj, FUnknown::iid, IComponentHandler)
    QUERY_INTERFACE(iid, obj, IComponentHandler::iid, IComponentHandler)
    *obj = nullptr;
    return kNoInterface;
}

IntPtr Vst2Wrapper::dispatchThunk(Effect* effect, std::int32_t opcode, std::int32_t index,
                                  IntPtr value, void* ptr, float opt)
{
    Vst2Wrapper* wrapper = wrapperOf(effect);
    if (!wrapper)
        return 0;
    if (opcode == static_cast<std::int32_t>(Opcode::close))
    {
        delete wrapper;
        return 1;
    }
    return wrapper->dispatch(opcode, index, value, ptr, opt);
}

void Vst2Wrapper::setParameterThunk(Effect* effect, std::int32_t index, float value)
{
    if (Vst2Wrapper* wrapper = wrapperOf(effect))
        wrapper->setParameter(index, value);
}

float Vst2Wrapper::getParameterThunk(Effect* effect, std::int32_t index)
{
    const Vst2Wrapper* wrapper = wrapperOf(effect);
    return wrapper ? wrapper->getParameter(index) : 0.0f;
}

void Vst2Wrapper::processReplacingThunk(Effect* effect, float** inputs, float** outputs,
                                        std::int32_t frames)
{
    if (Vst2Wrapper* wrapper = wrapperOf(effect))
        wrapper->processReplacing(inputs, outputs, frames);
}

// The accumulating call is obsolete since 2.4 and the record does not offer
// it (no flag); a host that calls it anyway finds its buffers unchanged.
void Vst2Wrapper::processAccumulatingThunk(Effect*, float**, float**, std::int32_t) {}

} // namespace vst2
