#include "fixture_effect.h"

#include "vst2/vst2_opcodes.h"
#include "vst2/vst2_wrapper.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

using namespace Steinberg;
using namespace vst2;
using vst2test::FixtureView;

namespace
{

struct HostCall
{
    std::int32_t opcode;
    std::int32_t index;
    IntPtr value;
    float opt;
    bool operator==(const HostCall&) const = default;
};

std::vector<HostCall> hostCalls;

IntPtr recordingHost(Effect*, std::int32_t opcode, std::int32_t index, IntPtr value, void*,
                     float opt)
{
    hostCalls.push_back({opcode, index, value, opt});
    if (opcode == static_cast<std::int32_t>(HostOpcode::version))
        return kVstVersion;
    if (opcode == static_cast<std::int32_t>(HostOpcode::sizeWindow))
        return 1;
    return 0;
}

HostCall hostCall(HostOpcode opcode, std::int32_t index, IntPtr value = 0, float opt = 0.0f)
{
    return {static_cast<std::int32_t>(opcode), index, value, opt};
}

constexpr std::int32_t kUniqueId = fourCharCode('F', 'x', 't', 'r');

class Vst2WrapperTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        hostCalls.clear();
        factory = owned(vst2test::makeFixtureFactory());
        wrapper =
            Vst2Wrapper::create(factory, vst2test::fixtureClassId(), kUniqueId, &recordingHost);
        ASSERT_NE(wrapper, nullptr);
        effect = wrapper->getAeffect();
        fixture = vst2test::lastEffect;
    }

    void TearDown() override
    {
        if (effect)
            call(Opcode::close);
        vst2test::fixtureOffersEditor = true;
        EXPECT_EQ(FixtureView::alive, 0);
    }

    IntPtr call(Opcode opcode, std::int32_t index = 0, IntPtr value = 0, void* ptr = nullptr,
                float opt = 0.0f)
    {
        return effect->dispatcher(effect, static_cast<std::int32_t>(opcode), index, value, ptr,
                                  opt);
    }

    std::string text(Opcode opcode, std::int32_t index = 0)
    {
        char buffer[80];
        std::memset(buffer, '#', sizeof buffer);
        call(opcode, index, 0, buffer);
        return std::string(buffer, strnlen(buffer, sizeof buffer));
    }

    void resume(std::int32_t blockSize = 256)
    {
        call(Opcode::setSampleRate, 0, 0, nullptr, 48000.0f);
        call(Opcode::setBlockSize, 0, blockSize);
        call(Opcode::mainsChanged, 0, 1);
    }

    // Runs `frames` of a ramp through processReplacing; returns the left output.
    std::vector<float> run(std::int32_t frames, bool withInput = true)
    {
        std::vector<float> left(static_cast<size_t>(frames)), right(left.size());
        for (size_t i = 0; i < left.size(); ++i)
        {
            left[i] = static_cast<float>(i) / 256.0f;
            right[i] = -left[i];
        }
        std::vector<float> outLeft(left.size(), 7.0f), outRight(left.size(), 7.0f);
        float* in[] = {left.data(), right.data()};
        float* out[] = {outLeft.data(), outRight.data()};
        effect->processReplacing(effect, withInput ? in : nullptr, out, frames);
        for (size_t i = 0; i < left.size(); ++i)
            EXPECT_EQ(outRight[i], -outLeft[i]) << "frame " << i;
        return outLeft;
    }

    IPtr<CPluginFactory> factory;
    Vst2Wrapper* wrapper = nullptr;
    Effect* effect = nullptr;
    vst2test::FixtureEffect* fixture = nullptr;
};

TEST_F(Vst2WrapperTest, RecordDescribesTheWrappedClass)
{
    EXPECT_EQ(effect->magic, fourCharCode('V', 's', 't', 'P'));
    EXPECT_EQ(effect->object, wrapper);
    EXPECT_EQ(effect->uniqueId, kUniqueId);
    EXPECT_EQ(effect->numParams, 3);
    EXPECT_EQ(effect->numInputs, 2);
    EXPECT_EQ(effect->numOutputs, 2);
    EXPECT_EQ(effect->numPrograms, 1);
    EXPECT_EQ(effect->flags, kFlagCanReplacing | kFlagProgramChunks | kFlagHasEditor);
    EXPECT_EQ(effect->version, 1234);
    EXPECT_NE(effect->processReplacing, nullptr);
    EXPECT_EQ(effect->processDoubleReplacing, nullptr);

    EXPECT_EQ(call(Opcode::getVstVersion), 2400);
    EXPECT_EQ(call(Opcode::getVendorVersion), 1234);
    EXPECT_EQ(call(Opcode::getPlugCategory), static_cast<IntPtr>(PlugCategory::roomFx));
    EXPECT_EQ(text(Opcode::getEffectName), "Fixture");
    EXPECT_EQ(text(Opcode::getProductString), "Fixture");
    // The class names no vendor of its own, so the factory's applies.
    EXPECT_EQ(text(Opcode::getVendorString), "Fixture Works");
}

TEST_F(Vst2WrapperTest, NoEditorFlagWithoutAView)
{
    call(Opcode::close);
    vst2test::fixtureOffersEditor = false;
    effect = Vst2Wrapper::create(factory, vst2test::fixtureClassId(), kUniqueId, &recordingHost)
                 ->getAeffect();
    EXPECT_EQ(effect->flags & kFlagHasEditor, 0);
    Rect* rect = nullptr;
    EXPECT_EQ(call(Opcode::editGetRect, 0, 0, &rect), 0);
    EXPECT_EQ(rect, nullptr);
}

TEST_F(Vst2WrapperTest, CreationFailsForUnknownClassOrMissingFactory)
{
    const TUID unknown = {1, 2, 3};
    EXPECT_EQ(Vst2Wrapper::create(factory, unknown, kUniqueId, &recordingHost), nullptr);
    EXPECT_EQ(Vst2Wrapper::create(nullptr, vst2test::fixtureClassId(), kUniqueId, &recordingHost),
              nullptr);
}

TEST_F(Vst2WrapperTest, ParameterTextsComeFromTheControllerInPublicationOrder)
{
    struct Case
    {
        std::int32_t index;
        float value;
        const char* name;
        const char* label;
        const char* display;
    };
    const Case cases[] = {
        {0, 0.25f, "Output Gain", "dB", "0.2500"},
        {1, 1.0f, "Mode", "", "hard"},
        {2, 1.0f, "Bypass", "", "On"},
    };
    for (const Case& c : cases)
    {
        effect->setParameter(effect, c.index, c.value);
        EXPECT_EQ(text(Opcode::getParamName, c.index), c.name);
        EXPECT_EQ(text(Opcode::getParamLabel, c.index), c.label);
        EXPECT_EQ(text(Opcode::getParamDisplay, c.index), c.display);
        EXPECT_EQ(call(Opcode::canBeAutomated, c.index), 1);
    }
    ParameterProperties properties{};
    ASSERT_EQ(call(Opcode::getParameterProperties, 2, 0, &properties), 1);
    EXPECT_STREQ(properties.label, "Bypass");
    EXPECT_EQ(properties.flags & kParamIsSwitch, kParamIsSwitch);
}

TEST_F(Vst2WrapperTest, QueriesOutsideTheParameterListAnswerNothing)
{
    for (const std::int32_t index : {-1, 3, 1000})
    {
        EXPECT_EQ(text(Opcode::getParamName, index), std::string(80, '#'));
        EXPECT_EQ(call(Opcode::canBeAutomated, index), 0);
        effect->setParameter(effect, index, 0.5f);
        EXPECT_EQ(effect->getParameter(effect, index), 0.0f);
    }
}

TEST_F(Vst2WrapperTest, HostValuesAreCleanedBeforeTheyAreKept)
{
    struct Case
    {
        float set;
        float kept;
    };
    const Case cases[] = {{0.3f, 0.3f}, {1.5f, 1.0f}, {-0.5f, 0.0f}, {NAN, 0.0f}};
    for (const Case& c : cases)
    {
        effect->setParameter(effect, 0, c.set);
        EXPECT_EQ(effect->getParameter(effect, 0), c.kept) << c.set;
    }
}

TEST_F(Vst2WrapperTest, HostChangesReachTheProcessorAtTheNextBlockOnce)
{
    resume();
    effect->setParameter(effect, 0, 0.1f);
    effect->setParameter(effect, 0, 0.25f);
    EXPECT_EQ(effect->getParameter(effect, 0), 0.25f);
    EXPECT_EQ(fixture->gain, 0.5f);

    const std::vector<float> out = run(64);
    EXPECT_EQ(fixture->queuesInLastBlock, 1);
    EXPECT_EQ(fixture->gain, 0.25f);
    EXPECT_EQ(out[32], 0.125f * 0.5f);

    run(64);
    EXPECT_EQ(fixture->queuesInLastBlock, 0);
}

TEST_F(Vst2WrapperTest, HostChangesReachTheControllerOnIdle)
{
    effect->setParameter(effect, 1, 1.0f);
    EXPECT_EQ(fixture->getParamNormalized(vst2test::kModeId), 0.0);
    call(Opcode::editIdle);
    EXPECT_EQ(fixture->getParamNormalized(vst2test::kModeId), 1.0);
}

TEST_F(Vst2WrapperTest, ControllerRestartIsReadBackWithoutLosingHostChanges)
{
    resume();
    effect->setParameter(effect, 1, 1.0f);
    fixture->setParamNormalized(vst2test::kGainId, 0.9);
    hostCalls.clear();
    fixture->getComponentHandler()->restartComponent(Vst::kParamValuesChanged);
    EXPECT_EQ(effect->getParameter(effect, 0), 0.9f);
    EXPECT_EQ(effect->getParameter(effect, 1), 1.0f);
    EXPECT_EQ(fixture->getParamNormalized(vst2test::kModeId), 1.0);
    EXPECT_EQ(hostCalls, std::vector<HostCall>{hostCall(HostOpcode::updateDisplay, 0)});
    run(8);
    EXPECT_EQ(fixture->queuesInLastBlock, 1) << "the host's change still reaches the processor";
}

TEST_F(Vst2WrapperTest, LongHostBlocksAreCutToTheAnnouncedBlockSize)
{
    resume(64);
    const std::vector<float> out = run(200);
    EXPECT_EQ(fixture->longestBlock, 64);
    for (size_t i = 0; i < out.size(); ++i)
        ASSERT_EQ(out[i], static_cast<float>(i) / 256.0f) << i; // gain 0.5 doubles to 1
}

TEST_F(Vst2WrapperTest, MissingInputIsSilenceAndASuspendedEffectIsSilent)
{
    const std::vector<float> suspended = run(32);
    EXPECT_EQ(fixture->longestBlock, 0);
    EXPECT_EQ(suspended, std::vector<float>(32, 0.0f));

    resume();
    EXPECT_EQ(run(32, false), std::vector<float>(32, 0.0f));
    EXPECT_EQ(fixture->longestBlock, 32);

    call(Opcode::mainsChanged, 0, 0);
    run(48);
    EXPECT_EQ(fixture->longestBlock, 32);
}

TEST_F(Vst2WrapperTest, ChunksCarryTheComponentState)
{
    resume();
    effect->setParameter(effect, 0, 0.75f);
    run(16);
    void* data = nullptr;
    const IntPtr size = call(Opcode::getChunk, 1, 0, &data);
    ASSERT_EQ(size, 8);
    const std::vector<char> saved(static_cast<char*>(data), static_cast<char*>(data) + size);
    float storedGain = 0;
    std::memcpy(&storedGain, saved.data(), 4);
    EXPECT_EQ(storedGain, 0.75f);

    effect->setParameter(effect, 0, 0.1f);
    run(16);
    hostCalls.clear();
    EXPECT_EQ(call(Opcode::setChunk, 1, size, const_cast<char*>(saved.data())), 1);
    EXPECT_EQ(fixture->gain, 0.75f);
    EXPECT_EQ(fixture->getParamNormalized(vst2test::kGainId), 0.75);
    EXPECT_EQ(effect->getParameter(effect, 0), 0.75f);
    EXPECT_EQ(hostCalls, std::vector<HostCall>{hostCall(HostOpcode::updateDisplay, 0)});
    run(16);
    EXPECT_EQ(fixture->queuesInLastBlock, 0) << "a loaded state is not overridden by old changes";
}

TEST_F(Vst2WrapperTest, ShortOrMissingChunkChangesNothing)
{
    const float bytes[] = {0.9f, 1.0f};
    for (const IntPtr size : {0, 2, 4, 6})
    {
        EXPECT_EQ(call(Opcode::setChunk, 1, size, const_cast<float*>(bytes)), 0) << size;
        EXPECT_EQ(fixture->gain, 0.5f) << size;
        EXPECT_EQ(fixture->bypass, 0.0f) << size;
        EXPECT_EQ(effect->getParameter(effect, 0), 0.5f) << size;
    }
    EXPECT_EQ(call(Opcode::setChunk, 1, 8, nullptr), 0);
}

TEST_F(Vst2WrapperTest, EditorEditsBecomeHostAutomation)
{
    resume();
    hostCalls.clear();
    fixture->beginEdit(vst2test::kModeId);
    fixture->performEdit(vst2test::kModeId, 1.0);
    fixture->endEdit(vst2test::kModeId);
    EXPECT_EQ(hostCalls, (std::vector<HostCall>{hostCall(HostOpcode::beginEdit, 1),
                                                hostCall(HostOpcode::automate, 1, 0, 1.0f),
                                                hostCall(HostOpcode::endEdit, 1)}));
    EXPECT_EQ(effect->getParameter(effect, 1), 1.0f);
    run(8);
    EXPECT_EQ(fixture->queuesInLastBlock, 1);
    EXPECT_EQ(fixture->performEdit(999, 0.5), kInvalidArgument);
}

TEST_F(Vst2WrapperTest, BypassOpcodeDrivesTheBypassParameter)
{
    char bypass[] = "bypass";
    EXPECT_EQ(call(Opcode::canDo, 0, 0, bypass), 1);
    resume();
    EXPECT_EQ(call(Opcode::setBypass, 0, 1), 1);
    EXPECT_EQ(effect->getParameter(effect, 2), 1.0f);
    const std::vector<float> out = run(16);
    EXPECT_EQ(out[8], 8.0f / 256.0f);
}

TEST_F(Vst2WrapperTest, EditorOpensRunsItsTimersResizesAndCloses)
{
    for (int round = 0; round < 3; ++round)
    {
        Rect* rect = nullptr;
        ASSERT_EQ(call(Opcode::editGetRect, 0, 0, &rect), 1);
        ASSERT_NE(rect, nullptr);
        EXPECT_EQ(rect->right - rect->left, 400);
        EXPECT_EQ(rect->bottom - rect->top, 300);

        FixtureView::ticks = 0;
        void* parent = reinterpret_cast<void*>(IntPtr{0x2a00001});
        ASSERT_EQ(call(Opcode::editOpen, 0, 0, parent), 1);
        EXPECT_EQ(FixtureView::alive, 1);
        call(Opcode::editIdle);
        EXPECT_EQ(FixtureView::ticks, 0) << "the 10 ms timer is not due yet";
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        call(Opcode::editIdle);
        EXPECT_EQ(FixtureView::ticks, 1);

        hostCalls.clear();
        EXPECT_EQ(vst2test::lastView->requestSize(500, 420), kResultTrue);
        EXPECT_EQ(hostCalls, std::vector<HostCall>{hostCall(HostOpcode::sizeWindow, 500, 420)});
        EXPECT_EQ(vst2test::lastView->getRect().getWidth(), 500);

        call(Opcode::editClose);
        EXPECT_EQ(FixtureView::alive, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(15));
        call(Opcode::editIdle);
        EXPECT_EQ(FixtureView::ticks, 1) << "no timer runs once the view is gone";
    }
}

TEST_F(Vst2WrapperTest, ClosingWithTheEditorOpenReleasesTheView)
{
    Rect* rect = nullptr;
    call(Opcode::editGetRect, 0, 0, &rect);
    ASSERT_EQ(call(Opcode::editOpen, 0, 0, reinterpret_cast<void*>(IntPtr{1})), 1);
    resume();
    call(Opcode::close);
    effect = nullptr;
    EXPECT_EQ(FixtureView::alive, 0);
}

} // namespace
