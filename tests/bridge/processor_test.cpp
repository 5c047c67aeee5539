// The bridge's paths that the effect engine does not take, driven with a
// small recording engine: meters, log scales and the LCD in publication, the
// output-only path with its events, tagged MIDI messages, the built-in MIDI
// parameters, the refresh ping and the re-derivation of a loaded state.

#include "parameter_ids.h"
#include "processor.h"

#include "plug_in.h"

#include "platform/vst3host/event_list.h"
#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/process_buffers.h"
#include "platform/vst3host/tchar_string.h"

#include "public.sdk/source/common/memorystream.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Wrenlock;

namespace
{

// One engine call as the test sees it.
struct Call
{
    std::string name;
    std::vector<double> args;
    bool operator==(const Call&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Call& call)
{
    out << call.name << "(";
    for (double a : call.args)
        out << a << " ";
    return out << ")";
}

// Records its calls; outputs 0.5 on every channel of every frame.
class RecordingEngine : public CPlugIn
{
public:
    std::vector<Call> calls;
    int framesProcessed = 0;
    float meterLevel = 0.75f;
    float value = 0.0f;
    float logValue = 1000.0f;
    std::uint32_t choice = 0;

    RecordingEngine() { calls.reserve(1000); }

    void addControl(std::uint32_t type, std::uint32_t dataType, const char* name)
    {
        CControlDescriptor d;
        d.controlType = type;
        d.controlId = 100 + static_cast<std::uint32_t>(controls.count());
        d.dataType = dataType;
        d.setName(name);
        controls.append(d);
    }

    bool processFrame(const float*, float* out, std::uint32_t, std::uint32_t) override
    {
        ++framesProcessed;
        out[0] = out[1] = 0.5f;
        return true;
    }
    bool processBlock(float* const* in, float* const* out, std::uint32_t channels,
                      std::uint32_t frames) override
    {
        calls.push_back({"processBlock",
                         {static_cast<double>(channels), static_cast<double>(frames),
                          static_cast<double>(in[0][0]) + in[1][frames - 1]}});
        for (std::uint32_t c = 0; c < channels; ++c)
            for (std::uint32_t i = 0; i < frames; ++i)
                out[c][i] = 0.25f;
        return true;
    }
    bool controlChanged(std::uint32_t id) override
    {
        calls.push_back({"controlChanged", {static_cast<double>(id)}});
        return true;
    }
    bool noteOn(std::uint32_t channel, std::uint32_t note, std::uint32_t velocity) override
    {
        calls.push_back({"noteOn",
                         {static_cast<double>(channel), static_cast<double>(note),
                          static_cast<double>(velocity), static_cast<double>(framesProcessed)}});
        return true;
    }
    bool noteOff(std::uint32_t channel, std::uint32_t note, std::uint32_t velocity,
                 bool all) override
    {
        calls.push_back({"noteOff",
                         {static_cast<double>(channel), static_cast<double>(note),
                          static_cast<double>(velocity), all ? 1.0 : 0.0}});
        return true;
    }
    bool modWheel(std::uint32_t channel, std::uint32_t v) override
    {
        calls.push_back({"modWheel", {static_cast<double>(channel), static_cast<double>(v)}});
        return true;
    }
    bool pitchBend(std::uint32_t channel, std::int32_t v, float normalized) override
    {
        calls.push_back({"pitchBend",
                         {static_cast<double>(channel), static_cast<double>(v),
                          static_cast<double>(normalized)}});
        return true;
    }
    bool clockTick() override
    {
        calls.push_back({"clockTick", {}});
        return true;
    }
    bool midiShortMessage(std::uint8_t channel, std::uint8_t status, std::uint8_t d1,
                          std::uint8_t d2) override
    {
        calls.push_back({"midiShortMessage",
                         {static_cast<double>(channel), static_cast<double>(status),
                          static_cast<double>(d1), static_cast<double>(d2)}});
        return true;
    }
    bool rederiveSettings() override
    {
        calls.push_back({"rederiveSettings", {}});
        return true;
    }
    bool activate() override
    {
        calls.push_back({"activate", {static_cast<double>(sampleRate)}});
        return true;
    }
    bool prepare() override
    {
        calls.push_back({"prepare", {static_cast<double>(sampleRate)}});
        return true;
    }
};

// A processor around a recording engine, initialized as a host would.
struct Bridge
{
    RecordingEngine* engine;
    IPtr<Processor> processor;
    // The SDK's host application counts no references; it lives here.
    HostApplication host;

    explicit Bridge(std::unique_ptr<RecordingEngine> e) : engine(e.get())
    {
        processor = owned(new Processor(std::move(e)));
        EXPECT_EQ(processor->initialize(&host), kResultOk);
    }
    ~Bridge() { processor->terminate(); }

    std::vector<ParameterInfo> parameters()
    {
        std::vector<ParameterInfo> infos(static_cast<size_t>(processor->getParameterCount()));
        for (int32 i = 0; i < processor->getParameterCount(); ++i)
            processor->getParameterInfo(i, infos[static_cast<size_t>(i)]);
        return infos;
    }
};

// Meter at 0, an unpublished type at 1, a log-scale LCD control at 2, an LCD
// list at 3, another unpublished type at 4; LCD and joystick on, one button.
std::unique_ptr<RecordingEngine> publishingEngine()
{
    auto engine = std::make_unique<RecordingEngine>();
    engine->addControl(kControlMeter, kDataNone, "Level");
    engine->controls.at(0)->meterVariable = &engine->meterLevel;
    engine->addControl(101, kDataFloat, "Hidden");
    engine->controls.at(1)->floatVariable = &engine->value;
    engine->addControl(kControlOrdinary, kDataFloat, "Cutoff");
    CControlDescriptor* cutoff = engine->controls.at(2);
    cutoff->floatVariable = &engine->logValue;
    cutoff->minValue = 20.0f;
    cutoff->maxValue = 20000.0f;
    cutoff->floatDefault = 1000.0f;
    cutoff->logScaleAlt = true;
    cutoff->lcdMember = 1;
    cutoff->setUnits("Hz");
    engine->addControl(kControlOrdinaryB, kDataUInt, "Choice");
    engine->controls.at(3)->uintVariable = &engine->choice;
    engine->controls.at(3)->setEnumeration("a,,SWITCH_ON,");
    engine->controls.at(3)->lcdMember = 1;
    engine->addControl(105, kDataFloat, "Also hidden");
    engine->controls.at(4)->floatVariable = &engine->value;
    engine->lcdEnabled = 1;
    engine->vectorJoystickEnabled = 1;
    engine->buttonNames[0] = "";
    engine->buttonNames[1] = "Go";
    engine->buttonNames[2] = nullptr;
    return engine;
}

TEST(ProcessorPublication, FollowsTheRulesForMetersLogScalesLcdAndJoystick)
{
    Bridge bridge(publishingEngine());
    const auto infos = bridge.parameters();
    const std::vector<ParamID> ids = {0,    2,    3,    32771, 32772, 32773, 32774, 32769, 2056,
                                      2048, 2050, 2051, 2049,  2052,  2054,  2053,  2055};
    ASSERT_EQ(infos.size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i)
        EXPECT_EQ(infos[i].id, ids[i]) << i;

    EXPECT_EQ(vst3host::toUtf8(infos[0].title), "Level");
    EXPECT_EQ(infos[0].flags, ParameterInfo::kIsReadOnly);
    EXPECT_EQ(infos[0].defaultNormalizedValue, 0.5);
    EXPECT_EQ(bridge.processor->getMeterParameterIds(), std::vector<uint32>{0});

    EXPECT_EQ(vst3host::toUtf8(infos[1].units), "Hz");
    EXPECT_EQ(infos[1].flags, ParameterInfo::kCanAutomate);
    EXPECT_EQ(infos[1].defaultNormalizedValue, 0.0);
    EXPECT_NEAR(bridge.processor->getParamNormalized(2), 0.4035, 1e-4);
    EXPECT_NEAR(bridge.processor->normalizedParamToPlain(2, 0.5), 2018.0, 0.1);
    String128 text = {};
    ASSERT_EQ(bridge.processor->getParamStringByValue(2, 0.5, text), kResultOk);
    EXPECT_EQ(vst3host::toUtf8(text), "2018.00");

    EXPECT_EQ(infos[2].stepCount, 3);
    const char* entries[] = {"a", "", "ON", ""};
    for (int k = 0; k < 4; ++k)
    {
        ASSERT_EQ(bridge.processor->getParamStringByValue(3, k / 3.0, text), kResultOk);
        EXPECT_EQ(vst3host::toUtf8(text), entries[k]) << k;
    }

    EXPECT_EQ(bridge.processor->lcdParameters.getParameterCount(), 2);
    EXPECT_EQ(vst3host::toUtf8(infos[3].title), "Alpha Wheel");
    EXPECT_EQ(bridge.processor->normalizedParamToPlain(kAlphaWheelId, 1.0), 1.0);
    EXPECT_EQ(infos[4].flags, ParameterInfo::kIsReadOnly);
    EXPECT_EQ(vst3host::toUtf8(infos[4].title), "LCD Value");
    EXPECT_EQ(infos[5].defaultNormalizedValue, 0.5);
    EXPECT_EQ(vst3host::toUtf8(infos[7].title), "Go");
}

TEST(ProcessorPublication, TerminateAndInitializePublishTheSameSetAgain)
{
    Bridge bridge(publishingEngine());
    const auto before = bridge.parameters();
    ASSERT_EQ(bridge.processor->terminate(), kResultOk);
    EXPECT_EQ(bridge.processor->getParameterCount(), 0);
    EXPECT_EQ(bridge.processor->getBusCount(kAudio, kOutput), 0);
    ASSERT_EQ(bridge.processor->initialize(&bridge.host), kResultOk);
    const auto after = bridge.parameters();
    ASSERT_EQ(after.size(), before.size());
    for (size_t i = 0; i < after.size(); ++i)
        EXPECT_EQ(after[i].id, before[i].id);
    EXPECT_EQ(bridge.processor->getMeterParameterIds().size(), 1u);
    EXPECT_EQ(bridge.processor->lcdParameters.getParameterCount(), 2);
}

// A processor started for stereo with host-side buffers.
struct Running : Bridge
{
    vst3host::ProcessBuffers buffers{2, 2, 256, 44100.0};
    vst3host::ParameterChanges changes{8, 4};
    vst3host::ParameterChanges outputChanges{8, 4};
    vst3host::EventList events{16};

    explicit Running(std::unique_ptr<RecordingEngine> e) : Bridge(std::move(e))
    {
        SpeakerArrangement in = SpeakerArr::kStereo;
        SpeakerArrangement out = SpeakerArr::kStereo;
        const bool outputOnly = engine->outputOnly;
        EXPECT_EQ(
            processor->setBusArrangements(outputOnly ? nullptr : &in, outputOnly ? 0 : 1, &out, 1),
            kResultTrue);
        ProcessSetup setup = buffers.setup(kRealtime);
        EXPECT_EQ(processor->setupProcessing(setup), kResultOk);
        EXPECT_EQ(processor->setActive(true), kResultOk);
        buffers.data().inputParameterChanges = &changes;
        buffers.data().outputParameterChanges = &outputChanges;
        buffers.data().inputEvents = &events;
        engine->calls.clear();
    }

    tresult process(int32 frames) { return processor->process(buffers.begin(frames)); }
};

TEST(ProcessorProcessing, ReportsMetersAfterAudioAndSilenceWhenBypassed)
{
    Running running(publishingEngine());
    ASSERT_EQ(running.process(64), kResultOk);
    auto* queue = running.outputChanges.find(0);
    ASSERT_NE(queue, nullptr);
    int32 offset = -1;
    ParamValue value = 0.0;
    ASSERT_EQ(queue->getPointCount(), 1);
    ASSERT_EQ(queue->getPoint(0, offset, value), kResultOk);
    EXPECT_EQ(value, 0.75);

    running.outputChanges.clear();
    running.changes.addPoint(kBypassId, 0, 1.0);
    ASSERT_EQ(running.process(64), kResultOk);
    ASSERT_NE(running.outputChanges.find(0), nullptr);
    ASSERT_EQ(running.outputChanges.find(0)->getPoint(0, offset, value), kResultOk);
    EXPECT_EQ(value, 0.0);

    running.outputChanges.clear();
    ASSERT_EQ(running.process(0), kResultOk);
    EXPECT_EQ(running.outputChanges.getParameterCount(), 0);
}

TEST(ProcessorProcessing, TurnsBuiltInParametersIntoEngineCalls)
{
    const struct
    {
        ParamID id;
        double value;
        Call call;
    } rows[] = {
        {kPitchBendId, 0.0, {"pitchBend", {0, -8192, -1.0}}},
        {kPitchBendId, 0.5, {"pitchBend", {0, 0, 0.0}}},
        {kPitchBendId, 1.0, {"pitchBend", {0, 8191, 1.0}}},
        {kModWheelId, 1.0, {"modWheel", {0, 127}}},
        {kVolumeId, 0.5, {"midiShortMessage", {0, 0xB0, 7, 63}}},
        {kPanId, 1.0, {"midiShortMessage", {0, 0xB0, 10, 127}}},
        {kExpressionId, 0.25, {"midiShortMessage", {0, 0xB0, 11, 31}}},
        {kSustainPedalId, 0.5, {"midiShortMessage", {0, 0xB0, 64, 0}}},
        {kSustainPedalId, 0.51, {"midiShortMessage", {0, 0xB0, 64, 127}}},
        {kChannelPressureId, 1.0, {"midiShortMessage", {0, 0xD0, 127, 0}}},
        {kAllNotesOffId, 0.3, {"noteOff", {0, 0, 0, 1}}},
        {kFirstButtonId, 0.0, {"controlChanged", {50}}},
        {kFirstButtonId + 1, 1.0, {"controlChanged", {51}}},
        {kFirstButtonId + 2, 1.0, {"controlChanged", {52}}},
        {2, 0.5, {"controlChanged", {102}}},
    };
    Running running(publishingEngine());
    for (const auto& row : rows)
    {
        running.engine->calls.clear();
        running.changes.clear();
        running.changes.addPoint(row.id, 0, row.value);
        ASSERT_EQ(running.process(0), kResultOk);
        ASSERT_EQ(running.engine->calls.size(), 1u) << row.id << " " << row.value;
        EXPECT_EQ(running.engine->calls[0], row.call);
    }
    for (const ParamID id : {ParamID{kAlphaWheelId}, ParamID{kLcdValueId}, ParamID{kJoystickXId},
                             ParamID{kJoystickYId}, ParamID{9999}})
    {
        running.engine->calls.clear();
        running.changes.clear();
        running.changes.addPoint(id, 0, 1.0);
        ASSERT_EQ(running.process(0), kResultOk);
        EXPECT_TRUE(running.engine->calls.empty()) << id;
    }
}

TEST(ProcessorProcessing, HandsWholeBlocksToAnEngineThatAsksForThem)
{
    auto engine = publishingEngine();
    engine->processesBlocks = true;
    Running running(std::move(engine));
    ASSERT_EQ(running.process(100), kResultOk);
    ASSERT_EQ(running.engine->calls.size(), 1u);
    EXPECT_EQ(running.engine->calls[0].name, "processBlock");
    EXPECT_EQ(running.engine->calls[0].args[0], 2.0);
    EXPECT_EQ(running.engine->calls[0].args[1], 100.0);
    EXPECT_EQ(running.buffers.output(1)[99], 0.25f);
}

TEST(ProcessorProcessing, ActivationPreparesAtTheSetUpRate)
{
    Bridge bridge(publishingEngine());
    ProcessSetup setup = {kRealtime, kSample32, 128, 96000.7};
    ASSERT_EQ(bridge.processor->setupProcessing(setup), kResultOk);
    bridge.engine->calls.clear();
    ASSERT_EQ(bridge.processor->setActive(true), kResultOk);
    ASSERT_EQ(bridge.processor->setActive(false), kResultOk);
    const std::vector<Call> expected = {{"activate", {96000}}, {"prepare", {96000}}};
    EXPECT_EQ(bridge.engine->calls, expected);
}

std::unique_ptr<RecordingEngine> outputOnlyEngine()
{
    auto engine = publishingEngine();
    engine->outputOnly = true;
    return engine;
}

TEST(ProcessorOutputOnly, HasNoInputBusAndTakesOnlyAStereoOutput)
{
    Bridge bridge(outputOnlyEngine());
    EXPECT_EQ(bridge.processor->getBusCount(kAudio, kInput), 0);
    EXPECT_EQ(bridge.processor->getBusCount(kAudio, kOutput), 1);
    EXPECT_EQ(bridge.processor->getBusCount(kEvent, kInput), 1);
    SpeakerArrangement stereo = SpeakerArr::kStereo;
    SpeakerArrangement mono = SpeakerArr::kMono;
    EXPECT_EQ(bridge.processor->setBusArrangements(nullptr, 0, &mono, 1), kResultFalse);
    EXPECT_EQ(bridge.processor->setBusArrangements(&stereo, 1, &stereo, 1), kResultFalse);
    EXPECT_EQ(bridge.processor->setBusArrangements(nullptr, 0, &stereo, 1), kResultTrue);
}

Event noteOn(int32 offset, int16 pitch, float velocity)
{
    Event e = {};
    e.type = Event::kNoteOnEvent;
    e.sampleOffset = offset;
    e.noteOn.channel = 1;
    e.noteOn.pitch = pitch;
    e.noteOn.velocity = velocity;
    return e;
}

TEST(ProcessorOutputOnly, HandlesEventsBeforeTheChunkTheyFallIn)
{
    Running running(outputOnlyEngine());
    Event events[] = {noteOn(32, 60, 1.0f), noteOn(33, 61, 0.5f)};
    Event off = {};
    off.type = Event::kNoteOffEvent;
    off.sampleOffset = 40;
    off.noteOff.pitch = 62;
    off.noteOff.velocity = 0.1f;
    Event pressure = {};
    pressure.type = Event::kPolyPressureEvent;
    pressure.sampleOffset = 63;
    pressure.polyPressure.channel = 2;
    pressure.polyPressure.pitch = 64;
    pressure.polyPressure.pressure = 0.5f;
    for (Event& e : events)
        running.events.addEvent(e);
    running.events.addEvent(off);
    running.events.addEvent(pressure);
    running.changes.addPoint(kBypassId, 0, 1.0); // no effect on this path

    ASSERT_EQ(running.process(64), kResultOk);
    const std::vector<Call> expected = {
        {"noteOn", {1, 60, 127, 0}},
        {"noteOn", {1, 61, 63, 32}},
        {"noteOff", {0, 62, 12, 0}},
        {"midiShortMessage", {2, 0xA0, 64, 63}},
    };
    EXPECT_EQ(running.engine->calls, expected);
    EXPECT_EQ(running.engine->framesProcessed, 64);
    EXPECT_EQ(running.buffers.output(0)[63], 0.5f);
    ASSERT_NE(running.outputChanges.find(0), nullptr);
}

TEST(ProcessorOutputOnly, FeedsBlockEnginesSilentChunks)
{
    auto engine = outputOnlyEngine();
    engine->processesBlocks = true;
    Running running(std::move(engine));
    ASSERT_EQ(running.process(70), kResultOk);
    const std::vector<Call> expected = {
        {"processBlock", {2, 32, 0}}, {"processBlock", {2, 32, 0}}, {"processBlock", {2, 6, 0}}};
    EXPECT_EQ(running.engine->calls, expected);
    EXPECT_EQ(running.buffers.output(1)[69], 0.25f);
}

Event taggedMidi(int16 channel, int16 status, int16 data1, uint16 data2, const TChar* tag)
{
    Event e = {};
    e.type = Event::kChordEvent;
    e.chord.root = channel;
    e.chord.bassNote = status;
    e.chord.mask = data1;
    e.chord.textLen = data2;
    e.chord.text = tag;
    return e;
}

TEST(ProcessorOutputOnly, DispatchesTaggedMidiMessages)
{
    const TChar* tag = u"ZOLMMIDI";
    const struct
    {
        Event event;
        bool wantsMidi;
        std::vector<Call> calls;
    } rows[] = {
        {taggedMidi(3, 0xE0, 0, 0, tag), false, {{"pitchBend", {3, -8192, -1.0}}}},
        {taggedMidi(3, 0xE0, 0, 64, tag), false, {{"pitchBend", {3, 0, 0.0}}}},
        {taggedMidi(3, 0xE0, 127, 127, tag), false, {{"pitchBend", {3, 8191, 1.0}}}},
        {taggedMidi(4, 0xB0, 1, 99, tag), false, {{"modWheel", {4, 99}}}},
        {taggedMidi(0, 0xF8, 0, 0, tag), false, {{"clockTick", {}}}},
        {taggedMidi(5, 0xB0, 123, 0, tag), false, {{"noteOff", {5, 0, 0, 1}}}},
        {taggedMidi(6, 0x90, 60, 100, tag), true, {{"midiShortMessage", {6, 0x90, 60, 100}}}},
        {taggedMidi(6, 0x90, 60, 100, tag), false, {}},
        {taggedMidi(3, 0xF8, 0, 0, u"ZOLMMIDX"), false, {}},
        {taggedMidi(3, 0xF8, 0, 0, u"ZOLMMIDI2"), false, {}},
        {taggedMidi(3, 0xF8, 0, 0, nullptr), false, {}},
    };
    for (const auto& row : rows)
    {
        auto engine = outputOnlyEngine();
        engine->wantsMidiMessages = row.wantsMidi;
        Running running(std::move(engine));
        Event event = row.event;
        running.events.addEvent(event);
        ASSERT_EQ(running.process(1), kResultOk);
        EXPECT_EQ(running.engine->calls, row.calls)
            << "status " << row.event.chord.bassNote << " data " << row.event.chord.mask << " "
            << row.event.chord.textLen;
    }
}

TEST(ProcessorMidiMapping, TheLastControlClaimingAControllerWins)
{
    auto engine = publishingEngine();
    for (int32 position : {2, 3})
    {
        engine->controls.at(position)->midiControllable = true;
        engine->controls.at(position)->midiController = 20;
    }
    engine->controls.at(0)->midiController = 21; // not MIDI-controllable
    Bridge bridge(std::move(engine));
    ParamID id = 99;
    EXPECT_EQ(bridge.processor->getMidiControllerAssignment(0, 9, 20, id), kResultTrue);
    EXPECT_EQ(id, 3u);
    EXPECT_EQ(bridge.processor->getMidiControllerAssignment(0, 9, 21, id), kResultFalse);
    EXPECT_EQ(id, 0u);
}

TEST(ProcessorRefresh, PingRewritesParametersOnlyWhenTheEngineAsked)
{
    auto engine = publishingEngine();
    engine->controls.at(3)->maxValue = 3.0f;
    Bridge bridge(std::move(engine));
    bridge.engine->choice = 2;
    EXPECT_EQ(bridge.processor->receiveText("VSTGUITimerPing"), kResultOk);
    EXPECT_EQ(bridge.processor->getParamNormalized(3), 0.0);

    bridge.engine->guiUpdateRequested = 1;
    EXPECT_EQ(bridge.processor->receiveText("VSTGUITimerPing!"), kResultOk);
    EXPECT_EQ(bridge.processor->getParamNormalized(3), 0.0);
    EXPECT_EQ(bridge.processor->receiveText("VSTGUITimerPing"), kResultOk);
    EXPECT_NEAR(bridge.processor->getParamNormalized(3), 2.0 / 3.0, 1e-7);
    EXPECT_EQ(bridge.engine->guiUpdateRequested.load(), 0);
}

TEST(ProcessorState, LoadedStateIsReDerivedAtTheStartOfTheNextBlockOnly)
{
    Running running(publishingEngine());
    auto saved = owned(new MemoryStream());
    ASSERT_EQ(running.processor->getState(saved), kResultOk);
    // Meter and unpublished types keep their fields when they have a variable.
    EXPECT_EQ(saved->getSize(), 8 + 4 + 4 + 4 + 4 + 2);

    saved->seek(0, IBStream::kIBSeekSet, nullptr);
    ASSERT_EQ(running.processor->setState(saved), kResultOk);
    running.changes.addPoint(kBypassId, 0, 1.0);
    running.changes.addPoint(2, 0, 0.5);
    ASSERT_EQ(running.process(0), kResultOk);
    ASSERT_GE(running.engine->calls.size(), 2u);
    EXPECT_EQ(running.engine->calls[0].name, "rederiveSettings");
    EXPECT_EQ(running.engine->calls[1].name, "controlChanged");

    running.engine->calls.clear();
    running.changes.clear();
    ASSERT_EQ(running.process(16), kResultOk);
    auto cut = owned(new MemoryStream());
    cut->write(saved->getData(), 10, nullptr);
    cut->seek(0, IBStream::kIBSeekSet, nullptr);
    EXPECT_EQ(running.processor->setState(cut), kResultFalse);
    ASSERT_EQ(running.process(16), kResultOk);
    for (const Call& call : running.engine->calls)
        EXPECT_NE(call.name, "rederiveSettings");
}

} // namespace
