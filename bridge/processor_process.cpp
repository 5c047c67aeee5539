#include "processor.h"

#include "built_in_changes.h"
#include "tagged_midi_message.h"

#include "plug_in.h"

#include "pluginterfaces/vst/ivstparameterchanges.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace Steinberg
{
namespace Vst
{
namespace Wrenlock
{

namespace
{
// The engine of the output-only path works in chunks of at most this many
// frames, so events land within a chunk of their offset.
constexpr int32 kChunkFrames = 32;

// Input of `processBlock` on the output-only path; never written.
float silentLeft[kChunkFrames] = {};
float silentRight[kChunkFrames] = {};
float* const silentInputs[2] = {silentLeft, silentRight};

// A bus the host handed over with at least `channels` non-null channels.
bool hasChannels(const AudioBusBuffers* bus, uint32 channels)
{
    if (!bus || channels == 0 || bus->numChannels < static_cast<int32>(channels) ||
        !bus->channelBuffers32)
        return false;
    for (uint32 c = 0; c < channels; ++c)
        if (!bus->channelBuffers32[c])
            return false;
    return true;
}

const AudioBusBuffers* firstBus(const AudioBusBuffers* buses, int32 count)
{
    return count > 0 ? buses : nullptr;
}

// Clears every output channel the host gave, whatever its arrangement.
void clearOutputs(ProcessData& data, int32 frames)
{
    if (!data.outputs || frames <= 0)
        return;
    for (int32 b = 0; b < data.numOutputs; ++b)
    {
        AudioBusBuffers& bus = data.outputs[b];
        if (!bus.channelBuffers32)
            continue;
        for (int32 c = 0; c < bus.numChannels; ++c)
            if (bus.channelBuffers32[c])
                std::memset(bus.channelBuffers32[c], 0,
                            sizeof(float) * static_cast<size_t>(frames));
    }
}

// Velocity and pressure as 0 to 127: the product is formed in double precision
// and truncated; values outside 0 to 1 (or NaN) from a faulty host are held
// to the ends so the conversion stays defined.
uint32 midiValue(float normalized)
{
    const double product = static_cast<double>(normalized) * 127.0;
    if (!(product > 0.0))
        return 0;
    return product >= 127.0 ? 127u : static_cast<uint32>(product);
}
} // namespace

tresult PLUGIN_API Processor::process(ProcessData& data)
{
    // A state loaded since the last block takes effect before this block's
    // parameter changes, which may then override it.
    if (settingsLoaded.exchange(false, std::memory_order_acquire))
        engine->rederiveSettings();
    applyParameterChanges(data.inputParameterChanges);
    if (data.symbolicSampleSize != kSample32)
        return kResultOk;
    if (engine->outputOnly)
        processOutputOnly(data);
    else
        processEffect(data);
    return kResultOk;
}

// Only each queue's last point counts: automation is applied once per block,
// before any audio of the block.
void Processor::applyParameterChanges(IParameterChanges* changes)
{
    if (!changes)
        return;
    const int32 queueCount = changes->getParameterCount();
    for (int32 i = 0; i < queueCount; ++i)
    {
        IParamValueQueue* queue = changes->getParameterData(i);
        if (!queue)
            continue;
        const int32 points = queue->getPointCount();
        if (points <= 0)
            continue;
        int32 offset = 0;
        ParamValue value = 0.0;
        if (queue->getPoint(points - 1, offset, value) != kResultOk || std::isnan(value))
            continue;
        applyParameterChange(queue->getParameterId(), value);
    }
}

void Processor::applyParameterChange(ParamID id, ParamValue value)
{
    if (id < static_cast<ParamID>(engine->controls.count()))
    {
        engine->setControlNormalized(static_cast<int32>(id), static_cast<float>(value));
        return;
    }
    applyBuiltInChange(*engine, bypass, id, value);
}

void Processor::processEffect(ProcessData& data)
{
    const int32 frames = data.numSamples;
    if (frames <= 0)
        return;
    const auto channels =
        static_cast<uint32>(std::popcount(static_cast<uint64>(arrangementOf(kOutput, 0))));
    const AudioBusBuffers* input = firstBus(data.inputs, data.numInputs);
    const AudioBusBuffers* output = firstBus(data.outputs, data.numOutputs);
    if (!hasChannels(input, channels) || !hasChannels(output, channels))
    {
        clearOutputs(data, frames);
        return;
    }
    float* const* in = input->channelBuffers32;
    float* const* out = output->channelBuffers32;
    const bool bypassed = isBypassed();

    if (bypassed)
    {
        for (uint32 c = 0; c < channels; ++c)
            if (out[c] != in[c])
                std::memmove(out[c], in[c], sizeof(float) * static_cast<size_t>(frames));
    }
    else if (engine->processesBlocks)
        engine->processBlock(in, out, channels, static_cast<uint32>(frames));
    else
    {
        float inFrame[2] = {0.0f, 0.0f};
        float outFrame[2] = {0.0f, 0.0f};
        if (channels == 2)
        {
            for (int32 i = 0; i < frames; ++i)
            {
                inFrame[0] = in[0][i];
                inFrame[1] = in[1][i];
                engine->processFrame(inFrame, outFrame, 2, 2);
                out[0][i] = outFrame[0];
                out[1][i] = outFrame[1];
            }
        }
        else
        {
            for (int32 i = 0; i < frames; ++i)
            {
                inFrame[0] = in[0][i];
                engine->processFrame(inFrame, outFrame, channels, channels);
                out[0][i] = outFrame[0];
            }
            // The engine makes one channel of anything but stereo; the others
            // are silent rather than left holding the host's data.
            for (uint32 c = 1; c < channels; ++c)
                std::memset(out[c], 0, sizeof(float) * static_cast<size_t>(frames));
        }
    }
    data.outputs[0].silenceFlags = 0;
    reportMeters(data, bypassed);
}

void Processor::processOutputOnly(ProcessData& data)
{
    const int32 frames = std::max<int32>(data.numSamples, 0);
    const AudioBusBuffers* output = firstBus(data.outputs, data.numOutputs);
    const bool canRender = hasChannels(output, 2);
    clearOutputs(data, frames);

    IEventList* events = data.inputEvents;
    const int32 eventCount = events ? events->getEventCount() : 0;
    int32 nextEvent = 0;
    Event pending{};
    bool hasPending = eventCount > 0 && events->getEvent(nextEvent++, pending) == kResultOk;

    for (int32 start = 0; start < frames; start += kChunkFrames)
    {
        const int32 length = std::min(frames - start, kChunkFrames);
        // An event exactly on the chunk's end boundary is handled before it.
        while (hasPending && pending.sampleOffset - start <= length)
        {
            handleEvent(pending);
            hasPending =
                nextEvent < eventCount && events->getEvent(nextEvent++, pending) == kResultOk;
        }
        if (!canRender)
            continue;
        float* left = output->channelBuffers32[0] + start;
        float* right = output->channelBuffers32[1] + start;
        if (engine->processesBlocks)
        {
            float* const chunkOutputs[2] = {left, right};
            engine->processBlock(silentInputs, chunkOutputs, 2, static_cast<uint32>(length));
            continue;
        }
        for (int32 i = 0; i < length; ++i)
        {
            const float inFrame[2] = {0.0f, 0.0f};
            float outFrame[2] = {0.0f, 0.0f};
            engine->processFrame(inFrame, outFrame, 2, 2);
            left[i] = outFrame[0];
            right[i] = outFrame[1];
        }
    }
    if (canRender)
        data.outputs[0].silenceFlags = 0;
    reportMeters(data, false);
}

void Processor::handleEvent(const Event& event)
{
    switch (event.type)
    {
    case Event::kNoteOnEvent:
        engine->noteOn(static_cast<uint32>(event.noteOn.channel),
                       static_cast<uint32>(event.noteOn.pitch), midiValue(event.noteOn.velocity));
        break;
    case Event::kNoteOffEvent:
        engine->noteOff(static_cast<uint32>(event.noteOff.channel),
                        static_cast<uint32>(event.noteOff.pitch), midiValue(event.noteOff.velocity),
                        false);
        break;
    case Event::kPolyPressureEvent:
        engine->midiShortMessage(static_cast<std::uint8_t>(event.polyPressure.channel), 0xA0,
                                 static_cast<std::uint8_t>(event.polyPressure.pitch),
                                 static_cast<std::uint8_t>(midiValue(event.polyPressure.pressure)));
        break;
    case Event::kChordEvent:
        dispatchTaggedMidiMessage(*engine, event.chord);
        break;
    default:
        break;
    }
}

// Meter values go back to the host as output parameter changes, one point
// each at the block's start; a bypassed block reports silence.
void Processor::reportMeters(ProcessData& data, bool bypassed)
{
    if (!data.outputParameterChanges || meterParameterIds.empty())
        return;
    for (const uint32 id : meterParameterIds)
    {
        const CControlDescriptor* control = engine->controls.at(static_cast<int32>(id));
        if (!control)
            continue;
        int32 queueIndex = 0;
        IParamValueQueue* queue = data.outputParameterChanges->addParameterData(id, queueIndex);
        if (!queue || !control->meterVariable)
            continue;
        int32 pointIndex = 0;
        queue->addPoint(0, bypassed ? 0.0 : static_cast<double>(*control->meterVariable),
                        pointIndex);
    }
}

} // namespace Wrenlock
} // namespace Vst
} // namespace Steinberg
