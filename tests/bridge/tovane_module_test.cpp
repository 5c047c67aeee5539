// The built module seen through its VST 3 interfaces: factory and class
// information, published parameters, buses and arrangements, sample sizes,
// MIDI controller mapping and the editor's refresh ping.

#include "tovane_fixture.h"

#include "platform/vst3host/tchar_string.h"

#include "pluginterfaces/vst/ivstmessage.h"
#include "pluginterfaces/vst/ivstmidicontrollers.h"
#include "pluginterfaces/vst/ivstunits.h"
#include "public.sdk/source/vst/hosting/hostclasses.h"

#include <dlfcn.h>

#include <cstring>
#include <string>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace tovane_test;

namespace
{

IPluginFactory* callGetPluginFactory()
{
    void* handle = dlopen(tovaneModule()->path().c_str(), RTLD_NOW | RTLD_NOLOAD);
    EXPECT_NE(handle, nullptr);
    auto entry = reinterpret_cast<IPluginFactory* (*)()>(dlsym(handle, "GetPluginFactory"));
    EXPECT_NE(entry, nullptr);
    IPluginFactory* factory = entry();
    dlclose(handle);
    return factory;
}

uint32 referenceCount(FUnknown* object)
{
    object->addRef();
    return object->release();
}

TEST(TovaneFactory, IsOneSharedObjectWhoseCountRisesPerCall)
{
    IPluginFactory* factory = tovaneModule()->factory();
    const uint32 before = referenceCount(factory);
    IPluginFactory* again = callGetPluginFactory();
    EXPECT_EQ(again, factory);
    EXPECT_EQ(referenceCount(factory), before + 1);
    again->release();
}

TEST(TovaneFactory, DescribesTheVendorAndOneEffectClass)
{
    IPluginFactory* factory = tovaneModule()->factory();
    PFactoryInfo info;
    ASSERT_EQ(factory->getFactoryInfo(&info), kResultOk);
    EXPECT_STREQ(info.vendor, "brindleOx");
    EXPECT_STREQ(info.url, "");
    EXPECT_STREQ(info.email, "");
    EXPECT_EQ(info.flags, PFactoryInfo::kUnicode);
    ASSERT_EQ(factory->countClasses(), 1);

    PClassInfo basic;
    ASSERT_EQ(factory->getClassInfo(0, &basic), kResultOk);
    EXPECT_STREQ(basic.category, "Audio Module Class");
    EXPECT_STREQ(basic.name, "tovane");
    EXPECT_EQ(basic.cardinality, 0x7FFFFFFF);
    EXPECT_NE(factory->getClassInfo(1, &basic), kResultOk);

    FUnknownPtr<IPluginFactory3> factory3(factory);
    ASSERT_TRUE(factory3);
    PClassInfo2 info2;
    ASSERT_EQ(factory3->getClassInfo2(0, &info2), kResultOk);
    EXPECT_EQ(std::memcmp(info2.cid, basic.cid, sizeof(TUID)), 0);
    EXPECT_STREQ(info2.subCategories, "Fx");
    EXPECT_STREQ(info2.vendor, "");
    EXPECT_STREQ(info2.version, "1.0.0.0");
    EXPECT_STREQ(info2.sdkVersion, "VST 3.6.0");
    EXPECT_EQ(info2.classFlags, 0u);

    PClassInfoW wide;
    ASSERT_EQ(factory3->getClassInfoUnicode(0, &wide), kResultOk);
    EXPECT_EQ(vst3host::toUtf8(wide.name), "tovane");
    EXPECT_EQ(vst3host::toUtf8(wide.version), "1.0.0.0");
    EXPECT_STREQ(wide.subCategories, "Fx");
}

TEST(TovaneFactory, CreatesTheClassAsEachOfItsInterfacesOnly)
{
    IPluginFactory* factory = tovaneModule()->factory();
    PClassInfo info;
    ASSERT_EQ(factory->getClassInfo(0, &info), kResultOk);

    for (const FUID& iid : {IComponent::iid, IAudioProcessor::iid, IEditController::iid})
    {
        FUnknown* object = nullptr;
        ASSERT_EQ(
            factory->createInstance(info.cid, iid.toTUID(), reinterpret_cast<void**>(&object)),
            kResultOk);
        ASSERT_NE(object, nullptr);
        FUnknownPtr<IMidiMapping> mapping(object);
        EXPECT_TRUE(mapping);
        EXPECT_EQ(object->release(), 0u + (mapping ? 1u : 0u));
    }

    TUID unknown = {};
    void* object = reinterpret_cast<void*>(1);
    EXPECT_NE(factory->createInstance(unknown, IComponent::iid, &object), kResultOk);
    EXPECT_EQ(object, nullptr);
}

struct ExpectedParameter
{
    ParamID id;
    const char* title;
    std::string units;
    int32 flags;
    int32 stepCount;
    double defaultNormalized;
    std::vector<std::string> entries; // list parameters only
};

const std::string kSpaces(64, ' ');
const std::string kUnits = "Units" + std::string(59, ' ');
const std::vector<std::string> kWaveforms = {"sine", "saw", "tri", "square"};
const std::vector<std::string> kSwitch = {"OFF", "ON"};

double normalizedOf(float plain, float min, float max)
{
    return (static_cast<double>(plain) - min) / (static_cast<double>(max) - min);
}

const std::vector<ExpectedParameter>& expectedParameters()
{
    static const std::vector<ExpectedParameter> table = {
        {0, "Buffer size", kSpaces, 1, 0, 0.0, {}},
        {1, "LFO Waveform", "", 9, 3, 0.0, kWaveforms},
        {2, "LFO rate", kSpaces, 1, 0, normalizedOf(1.0f, 0.01f, 20.0f), {}},
        {3, "Mod Source", "", 9, 1, 0.0, {"LFO", "SELF"}},
        {4, "Mix", kSpaces, 1, 0, 0.5, {}},
        {5, "Mix Mod Rate", kSpaces, 1, 0, normalizedOf(1.0f, 0.001f, 20.0f), {}},
        {6, "Left LFO Dest", "", 9, 1, 0.0, {"read", "size"}},
        {7, "Right LFO Dest", "", 9, 1, 0.0, {"read", "size"}},
        {8, "Right Buffer Size", kSpaces, 1, 0, 0.0, {}},
        {9, "LFO Waveform Right", "", 9, 3, 0.0, kWaveforms},
        {10, "LFO rate right", kSpaces, 1, 0, normalizedOf(1.0f, 0.01f, 20.0f), {}},
        {11, "Mod Source Right", "", 9, 1, 0.0, {"LFO", "SELF"}},
        {12, "Left Buffer Mod", "", 9, 1, 0.0, kSwitch},
        {13, "Stereo Link", "", 9, 1, 0.0, kSwitch},
        {14, "Mix Mod", "", 9, 1, 0.0, kSwitch},
        {15, "Right Buffer Mod", "", 9, 1, 0.0, kSwitch},
        {32768, "B1", "", 1, 0, 0.0, {}},
        {32769, "B2", "", 1, 0, 0.0, {}},
        {32770, "B3", "", 1, 0, 0.0, {}},
        {2056, "Bypass", "", 65537, 0, 0.0, {}},
        {2048, "PitchBend", "", 1, 0, 0.0, {}},
        {2050, "MIDI Vol", "", 1, 0, 0.0, {}},
        {2051, "MIDI Pan", "", 1, 0, 0.0, {}},
        {2049, "MIDI Mod Wheel", "", 1, 0, 0.0, {}},
        {2052, "MIDI Expression", "", 1, 0, 0.0, {}},
        {2054, "MIDI Channel Pressure", "", 1, 0, 0.0, {}},
        {2053, "MIDI Sustain Pedal", "", 1, 0, 0.0, {}},
        {2055, "All Notes Off", "", 1, 0, 0.0, {}},
    };
    return table;
}

std::string valueText(IEditController* controller, ParamID id, ParamValue normalized)
{
    String128 text = {};
    EXPECT_EQ(controller->getParamStringByValue(id, normalized, text), kResultOk);
    return vst3host::toUtf8(text);
}

TEST(TovaneParameters, PublishesTheControlsButtonsBypassAndMidiParametersInOrder)
{
    auto instance = newInstance();
    IEditController* controller = instance->controller();
    const auto& expected = expectedParameters();
    ASSERT_EQ(controller->getParameterCount(), static_cast<int32>(expected.size()));
    for (int32 i = 0; i < controller->getParameterCount(); ++i)
    {
        const ExpectedParameter& row = expected[static_cast<size_t>(i)];
        SCOPED_TRACE(row.title);
        ParameterInfo info = {};
        ASSERT_EQ(controller->getParameterInfo(i, info), kResultOk);
        EXPECT_EQ(info.id, row.id);
        EXPECT_EQ(vst3host::toUtf8(info.title), row.title);
        EXPECT_EQ(vst3host::toUtf8(info.units), row.units);
        EXPECT_EQ(info.flags, row.flags);
        EXPECT_EQ(info.stepCount, row.stepCount);
        EXPECT_DOUBLE_EQ(info.defaultNormalizedValue, row.defaultNormalized);
        EXPECT_EQ(info.unitId, kRootUnitId);
        EXPECT_DOUBLE_EQ(controller->getParamNormalized(row.id), row.defaultNormalized);
        for (size_t k = 0; k < row.entries.size(); ++k)
            EXPECT_EQ(
                valueText(controller, row.id, static_cast<double>(k) / (row.entries.size() - 1)),
                row.entries[k]);
    }
    ParameterInfo info = {};
    EXPECT_NE(controller->getParameterInfo(28, info), kResultOk);
    EXPECT_NE(controller->getParameterInfo(-1, info), kResultOk);
}

TEST(TovaneParameters, ShowWholeNumbersWithoutAndFractionsWithTwoDecimals)
{
    auto instance = newInstance();
    IEditController* controller = instance->controller();
    EXPECT_EQ(valueText(controller, 0, 1.0), "64");
    EXPECT_EQ(valueText(controller, 4, 0.5), "50.00");
    EXPECT_DOUBLE_EQ(controller->normalizedParamToPlain(4, 0.25), 25.0);
    EXPECT_DOUBLE_EQ(controller->plainParamToNormalized(0, 64.0), 1.0);
}

TEST(TovaneParameters, IgnoreNaNValues)
{
    auto instance = newInstance();
    IEditController* controller = instance->controller();
    ASSERT_EQ(controller->setParamNormalized(4, 0.25), kResultOk);
    controller->setParamNormalized(4, std::numeric_limits<double>::quiet_NaN());
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(4), 0.25);
}

TEST(TovaneBuses, AreStereoOutputStereoInputAndSixteenChannelEventInput)
{
    auto instance = newInstance();
    IComponent* component = instance->component();
    struct Row
    {
        MediaType type;
        BusDirection direction;
        const char* name;
        int32 channels;
    };
    const Row rows[] = {{kAudio, kOutput, "Audio Output", 2},
                        {kAudio, kInput, "AudioInput", 2},
                        {kEvent, kInput, "Event Input", 16}};
    for (const Row& row : rows)
    {
        SCOPED_TRACE(row.name);
        ASSERT_EQ(component->getBusCount(row.type, row.direction), 1);
        BusInfo info = {};
        ASSERT_EQ(component->getBusInfo(row.type, row.direction, 0, info), kResultOk);
        EXPECT_EQ(vst3host::toUtf8(info.name), row.name);
        EXPECT_EQ(info.channelCount, row.channels);
        EXPECT_EQ(info.busType, kMain);
        EXPECT_EQ(info.flags, static_cast<uint32>(BusInfo::kDefaultActive));
        EXPECT_NE(component->getBusInfo(row.type, row.direction, 1, info), kResultOk);
    }
    EXPECT_EQ(component->getBusCount(kEvent, kOutput), 0);
}

TEST(TovaneBuses, AcceptOnlyOneInputAndOneOutputOfEqualArrangement)
{
    using namespace SpeakerArr;
    struct Row
    {
        std::vector<SpeakerArrangement> inputs;
        std::vector<SpeakerArrangement> outputs;
        bool accepted;
    };
    const Row rows[] = {
        {{kStereo}, {kStereo}, true},
        {{kMono}, {kMono}, true},
        {{k51}, {k51}, true},
        {{kStereo}, {kMono}, false},
        {{kMono}, {kStereo}, false},
        {{}, {kStereo}, false},
        {{kStereo}, {}, false},
        {{kStereo, kStereo}, {kStereo}, false},
        {{kStereo}, {kStereo, kStereo}, false},
    };
    for (const Row& row : rows)
    {
        auto instance = newInstance();
        auto inputs = row.inputs;
        auto outputs = row.outputs;
        const tresult result = instance->processor()->setBusArrangements(
            inputs.data(), static_cast<int32>(inputs.size()), outputs.data(),
            static_cast<int32>(outputs.size()));
        EXPECT_EQ(result == kResultTrue, row.accepted)
            << inputs.size() << " in, " << outputs.size() << " out";

        // The buses report the accepted arrangement, or stay stereo.
        const int32 channels = row.accepted ? SpeakerArr::getChannelCount(row.outputs[0]) : 2;
        for (BusDirection direction : {kInput, kOutput})
        {
            BusInfo info = {};
            ASSERT_EQ(instance->component()->getBusInfo(kAudio, direction, 0, info), kResultOk);
            EXPECT_EQ(info.channelCount, channels);
            SpeakerArrangement arrangement = 0;
            ASSERT_EQ(instance->processor()->getBusArrangement(direction, 0, arrangement),
                      kResultTrue);
            EXPECT_EQ(arrangement, row.accepted ? row.outputs[0] : kStereo);
        }
    }
}

TEST(TovaneProcessing, TakesOnlyThirtyTwoBitSamplesAndRealSampleRates)
{
    auto instance = newInstance();
    IAudioProcessor* processor = instance->processor();
    EXPECT_EQ(processor->canProcessSampleSize(kSample32), kResultTrue);
    EXPECT_EQ(processor->canProcessSampleSize(kSample64), kResultFalse);

    struct Row
    {
        int32 sampleSize;
        double rate;
        bool accepted;
    };
    const Row rows[] = {
        {kSample32, 44100.0, true},
        {kSample32, 1.0, true},
        {kSample64, 44100.0, false},
        {kSample32, 0.5, false},
        {kSample32, 0.0, false},
        {kSample32, -48000.0, false},
        {kSample32, std::numeric_limits<double>::quiet_NaN(), false},
        {kSample32, std::numeric_limits<double>::infinity(), false},
    };
    for (const Row& row : rows)
    {
        ProcessSetup setup = {kRealtime, row.sampleSize, 512, row.rate};
        EXPECT_EQ(processor->setupProcessing(setup) == kResultOk, row.accepted)
            << row.sampleSize << " " << row.rate;
    }
}

TEST(TovaneMidiMapping, MapsTheFixedControllersOnEveryChannelOfBusZero)
{
    auto instance = newInstance();
    FUnknownPtr<IMidiMapping> mapping(instance->controller());
    ASSERT_TRUE(mapping);
    struct Row
    {
        CtrlNumber controller;
        ParamID id;
    };
    const Row rows[] = {{kCtrlModWheel, 2049},     {kCtrlVolume, 2050},
                        {kCtrlPan, 2051},          {kCtrlExpression, 2052},
                        {kCtrlSustainOnOff, 2053}, {kCtrlAllNotesOff, 2055},
                        {kAfterTouch, 2054},       {kPitchBend, 2048}};
    for (const Row& row : rows)
        for (int16 channel : {0, 5, 15})
        {
            ParamID id = 0;
            EXPECT_EQ(mapping->getMidiControllerAssignment(0, channel, row.controller, id),
                      kResultTrue);
            EXPECT_EQ(id, row.id);
        }

    // The effect's controls answer to no controller, and only bus 0 is mapped.
    ParamID id = 77;
    EXPECT_EQ(mapping->getMidiControllerAssignment(0, 0, 2, id), kResultFalse);
    EXPECT_EQ(id, 0u);
    id = 77;
    EXPECT_EQ(mapping->getMidiControllerAssignment(1, 0, kCtrlVolume, id), kResultFalse);
    EXPECT_EQ(id, 77u);
}

TEST(TovaneRefresh, PingWithoutEngineRequestChangesNoParameter)
{
    auto instance = newInstance();
    IEditController* controller = instance->controller();
    ASSERT_EQ(controller->setParamNormalized(4, 0.25), kResultOk);

    FUnknownPtr<IConnectionPoint> connection(controller);
    ASSERT_TRUE(connection);
    auto message = owned(new HostMessage());
    message->setMessageID("TextMessage");
    String128 text = {};
    vst3host::toString128("VSTGUITimerPing", text);
    message->getAttributes()->setString("Text", text);
    EXPECT_EQ(connection->notify(message), kResultOk);
    EXPECT_DOUBLE_EQ(controller->getParamNormalized(4), 0.25);
}

} // namespace
