// One thread processes audio without pause while the test's own thread does
// what a host's user-interface thread does meanwhile: saves and loads states,
// sets parameters through the controller, opens and closes the editor and
// sends the editor's refresh ping. Built with ThreadSanitizer this shows every
// unsynchronised access outside the engine's control variables.
#include "processor.h"

#include "parameter_ids.h"
#include "plug_in.h"

#include "public.sdk/source/common/memorystream.h"
#include "vst3host/parameter_changes.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <thread>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Wrenlock;

namespace
{

constexpr int32 kFrames = 64;

// The audio thread: blocks of a test signal with automation on every
// control and on bypass, until told to stop.
class AudioThread
{
public:
    explicit AudioThread(IAudioProcessor& processor) : processor_(processor) {}

    void run(const std::atomic<bool>& stop)
    {
        vst3host::ParameterChanges changes(32, 2);
        float left[kFrames];
        float right[kFrames];
        float* channels[2] = {left, right};
        AudioBusBuffers bus{};
        bus.numChannels = 2;
        bus.channelBuffers32 = channels;
        ProcessData data{};
        data.processMode = kRealtime;
        data.symbolicSampleSize = kSample32;
        data.numSamples = kFrames;
        data.numInputs = 1;
        data.numOutputs = 1;
        data.inputs = &bus;
        data.outputs = &bus;
        data.inputParameterChanges = &changes;
        uint32 step = 0;
        while (!stop.load())
        {
            changes.clear();
            for (ParamID id = 0; id < 16; ++id)
                changes.addPoint(id, 0, static_cast<double>((step * 7 + id * 13) % 101) / 100.0);
            changes.addPoint(kBypassId, 0, step % 50 == 0 ? 1.0 : 0.0);
            for (int32 i = 0; i < kFrames; ++i)
            {
                left[i] = std::sin(0.01f * static_cast<float>(step * kFrames + i));
                right[i] = -left[i];
            }
            processor_.process(data);
            for (int32 i = 0; i < kFrames; ++i)
                if (!std::isfinite(left[i]) || !std::isfinite(right[i]))
                    nonFinite_.store(true);
            ++step;
            blocks_.fetch_add(1);
        }
    }

    int blocks() const { return blocks_.load(); }
    bool sawNonFinite() const { return nonFinite_.load(); }

private:
    IAudioProcessor& processor_;
    std::atomic<int> blocks_{0};
    std::atomic<bool> nonFinite_{false};
};

std::vector<char> saveState(Processor& processor)
{
    MemoryStream stream;
    EXPECT_EQ(processor.getState(&stream), kResultOk);
    return std::vector<char>(stream.getData(), stream.getData() + stream.getSize());
}

TEST(ProcessorThreads, UserInterfaceCallsWhileAudioRuns)
{
    auto* processor = new Processor();
    ASSERT_EQ(processor->initialize(nullptr), kResultOk);
    SpeakerArrangement in = SpeakerArr::kStereo;
    SpeakerArrangement out = SpeakerArr::kStereo;
    ASSERT_EQ(processor->setBusArrangements(&in, 1, &out, 1), kResultOk);
    ProcessSetup setup{kRealtime, kSample32, kFrames, 48000.0};
    ASSERT_EQ(processor->setupProcessing(setup), kResultOk);
    processor->setActive(true);
    processor->setProcessing(true);

    AudioThread audio(*processor);
    std::atomic<bool> stop{false};
    std::thread audioThread([&] { audio.run(stop); });
    while (audio.blocks() == 0)
        std::this_thread::yield();

    std::vector<char> defaults = saveState(*processor);
    std::vector<char> bypassed = defaults;
    bypassed.back() = 0;
    bypassed[bypassed.size() - 2] = 1;
    for (int round = 0; round < 200; ++round)
    {
        std::vector<char>& bytes = round % 2 ? bypassed : defaults;
        MemoryStream state(bytes.data(), static_cast<TSize>(bytes.size()));
        EXPECT_EQ(processor->setState(&state), kResultOk);
        state.seek(0, IBStream::kIBSeekSet, nullptr);
        EXPECT_EQ(processor->setComponentState(&state), kResultOk);
        saveState(*processor);

        for (int32 i = 0; i < processor->getParameterCount(); ++i)
        {
            ParameterInfo info{};
            processor->getParameterInfo(i, info);
            processor->setParamNormalized(info.id, static_cast<double>((round + i) % 11) / 10.0);
            String128 text{};
            processor->getParamStringByValue(info.id, processor->getParamNormalized(info.id), text);
        }

        if (IPlugView* view = processor->createView("editor"))
            view->release();

        processor->getEngine().guiUpdateRequested.store(1);
        processor->receiveText("VSTGUITimerPing");
    }

    // Enough overlap to mean something, also under a slow sanitizer.
    while (audio.blocks() < 200)
        std::this_thread::yield();
    stop.store(true);
    audioThread.join();
    EXPECT_FALSE(audio.sawNonFinite());

    processor->setProcessing(false);
    processor->setActive(false);
    processor->terminate();
    processor->release();
}

} // namespace
