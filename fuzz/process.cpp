// Drives `process` from a byte stream: the stream picks the sample rate and
// the bus arrangement, then a run of blocks with their sizes (0 included),
// parameter queues of several points with any values (NaN and out-of-range
// ones too), bypass switches, flush calls without buffers, restarts and the
// input samples. Besides surviving, the plug-in must give finite output for
// finite input.
#include "fuzzed_input.h"
#include "plugin_under_test.h"

#include "parameter_ids.h"

#include "vst3host/parameter_changes.h"

#include <array>
#include <cmath>
#include <limits>
#include <vector>

using namespace Steinberg;
using namespace Steinberg::Vst;
using namespace Steinberg::Vst::Wrenlock;

namespace
{

constexpr int32 kMaxBlock = 4096;
constexpr int32 kMaxChannels = 8;
// Keeps one input quick enough for the fuzzer to try many.
constexpr int32 kFrameBudget = 1 << 13;
constexpr int kMaxOperations = 128;

constexpr double kSampleRates[] = {
    22050.0, 44100.0, 48000.0,  88200.0, 96000.0,  192000.0,
    8000.0,  1.0,     384000.0, 0.0,     -44100.0, std::numeric_limits<double>::quiet_NaN()};

struct Arrangement
{
    SpeakerArrangement input;
    SpeakerArrangement output;
};

constexpr Arrangement kArrangements[] = {
    {SpeakerArr::kMono, SpeakerArr::kMono},     {SpeakerArr::kStereo, SpeakerArr::kStereo},
    {SpeakerArr::k30Cine, SpeakerArr::k30Cine}, {SpeakerArr::k51, SpeakerArr::k51},
    {SpeakerArr::kStereo, SpeakerArr::kMono},   {SpeakerArr::kEmpty, SpeakerArr::kEmpty},
    {SpeakerArr::k71Cine, SpeakerArr::k71Cine},
};

// Engine controls are published under their list positions; one past the
// last is no parameter at all.
constexpr ParamID kControlIdsToTry = 17;
constexpr ParamID kBuiltInIds[] = {
    kPitchBendId,  kModWheelId,     kVolumeId,          kPanId,
    kExpressionId, kSustainPedalId, kChannelPressureId, kAllNotesOffId,
    kBypassId,     kFirstButtonId,  kFirstButtonId + 1, kFirstButtonId + 2,
    kAlphaWheelId, kLcdValueId,     kJoystickXId,       kJoystickYId,
};

int32 channelCount(SpeakerArrangement arrangement)
{
    int32 count = 0;
    for (; arrangement != 0; arrangement &= arrangement - 1)
        ++count;
    return count;
}

class ProcessFuzzer
{
public:
    explicit ProcessFuzzer(FuzzedInput& input) : in_(input), changes_(16, 8)
    {
        storage_.assign(static_cast<size_t>(2 * kMaxChannels * kMaxBlock), 0.0f);
        for (int32 c = 0; c < kMaxChannels; ++c)
        {
            inputs_[static_cast<size_t>(c)] = &storage_[static_cast<size_t>(c * kMaxBlock)];
            outputs_[static_cast<size_t>(c)] =
                &storage_[static_cast<size_t>((kMaxChannels + c) * kMaxBlock)];
        }
    }

    void run()
    {
        IAudioProcessor& processor = plugin_.processor();
        Arrangement arrangement = kArrangements[in_.below(std::size(kArrangements))];
        // A refused arrangement leaves the plug-in's own (stereo) in place.
        channels_ =
            processor.setBusArrangements(&arrangement.input, 1, &arrangement.output, 1) == kResultOk
                ? channelCount(arrangement.output)
                : 2;
        setUp();
        int32 framesLeft = kFrameBudget;
        for (int op = 0; op < kMaxOperations && !in_.empty() && framesLeft > 0; ++op)
        {
            switch (in_.byte() % 8)
            {
            case 0:
                flush();
                break;
            case 1:
                restart();
                break;
            case 2:
                wrongSampleSize();
                break;
            default:
                framesLeft -= block(framesLeft);
                break;
            }
        }
        plugin_.processor().setProcessing(false);
        plugin_.component().setActive(false);
    }

private:
    void setUp()
    {
        ProcessSetup setup{kRealtime, kSample32, kMaxBlock,
                           kSampleRates[in_.below(std::size(kSampleRates))]};
        plugin_.processor().setupProcessing(setup);
        plugin_.component().setActive(true);
        plugin_.processor().setProcessing(true);
    }

    void restart()
    {
        plugin_.processor().setProcessing(false);
        plugin_.component().setActive(false);
        if (in_.flag())
            setUp();
        else
        {
            plugin_.component().setActive(true);
            plugin_.processor().setProcessing(true);
        }
    }

    ParamID pickId()
    {
        const uint8_t choice = in_.byte();
        if (choice % 8 == 0)
            return in_.raw<ParamID>();
        if (choice % 2 == 0)
            return in_.below(kControlIdsToTry);
        return kBuiltInIds[in_.below(std::size(kBuiltInIds))];
    }

    void fillChanges(int32 frames)
    {
        changes_.clear();
        const uint32 queues = in_.below(7);
        for (uint32 q = 0; q < queues; ++q)
        {
            const ParamID id = pickId();
            const uint32 points = 1 + in_.below(4);
            for (uint32 p = 0; p < points; ++p)
            {
                const int32 offset =
                    in_.byte() % 8 == 0
                        ? in_.raw<int32>()
                        : static_cast<int32>(in_.below(static_cast<uint32>(frames) + 1));
                changes_.addPoint(id, offset, in_.normalized());
            }
        }
    }

    // Zero frames with the parameter changes only: buses without buffers, or
    // no buses at all.
    void flush()
    {
        fillChanges(0);
        if (in_.flag())
            plugin_.run(nullptr, nullptr, channels_, 0, &changes_);
        else
            processWithoutBuses(kSample32, 0);
    }

    void wrongSampleSize()
    {
        fillChanges(0);
        processWithoutBuses(kSample64, static_cast<int32>(in_.below(kMaxBlock + 1)));
    }

    void processWithoutBuses(int32 sampleSize, int32 frames)
    {
        ProcessData data{};
        data.processMode = kRealtime;
        data.symbolicSampleSize = sampleSize;
        data.numSamples = frames;
        data.inputParameterChanges = &changes_;
        plugin_.processor().process(data);
    }

    // Fills the inputs and tells whether every sample is finite.
    bool fillInputs(int32 channels, int32 frames)
    {
        const uint8_t mode = in_.byte() % 4;
        const float step = 0.001f + static_cast<float>(in_.byte()) / 64.0f;
        bool finite = true;
        for (int32 c = 0; c < channels; ++c)
        {
            float* samples = inputs_[static_cast<size_t>(c)];
            for (int32 i = 0; i < frames; ++i)
            {
                switch (mode)
                {
                case 0:
                    samples[i] = 0.0f;
                    break;
                case 1:
                    samples[i] = static_cast<float>(static_cast<int8_t>(in_.byte())) / 64.0f;
                    break;
                case 2:
                    samples[i] = in_.raw<float>();
                    finite = finite && std::isfinite(samples[i]) && std::fabs(samples[i]) < 1e6f;
                    break;
                default:
                    samples[i] = std::sin(step * static_cast<float>(i + c));
                    break;
                }
            }
        }
        return finite;
    }

    int32 block(int32 framesLeft)
    {
        const int32 frames = std::min<int32>(
            framesLeft, static_cast<int32>(in_.flag() ? in_.below(kMaxBlock + 1) : in_.below(65)));
        // A host may give fewer channels than it arranged; the plug-in must cope.
        const int32 given =
            in_.byte() % 16 == 0 ? static_cast<int32>(in_.below(channels_ + 1)) : channels_;
        const bool inPlace = in_.byte() % 4 == 0;
        fillChanges(frames);
        const bool finiteInput = fillInputs(given, frames);
        float** outputs = inPlace ? inputs_.data() : outputs_.data();
        plugin_.run(inputs_.data(), outputs, given, frames, &changes_);
        if (finiteInput)
            for (int32 c = 0; c < given; ++c)
                for (int32 i = 0; i < frames; ++i)
                    if (!std::isfinite(outputs[static_cast<size_t>(c)][i]))
                        fuzzFailure("non-finite output for finite input");
        return std::max<int32>(frames, 1);
    }

    FuzzedInput& in_;
    PluginUnderTest plugin_;
    vst3host::ParameterChanges changes_;
    int32 channels_ = 2;
    std::vector<float> storage_;
    std::array<float*, kMaxChannels> inputs_{};
    std::array<float*, kMaxChannels> outputs_{};
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedInput input(data, size);
    ProcessFuzzer(input).run();
    return 0;
}
