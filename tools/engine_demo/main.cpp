// Runs the effect engine over the built-in demo signal with a few settings
// and prints the level of the input and of the output for each.

#include "create_engine.h"
#include "demo_signal.h"
#include "plug_in.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace
{
constexpr int kSampleRate = 48000;
constexpr double kSeconds = 4.0;

struct ControlValue
{
    std::int32_t position;
    float plain;
};

struct Setting
{
    const char* name;
    std::vector<ControlValue> values;
};

// Control list positions.
enum Position : std::int32_t
{
    kBufferSize = 0,
    kLfoRate = 2,
    kModSource = 3,
    kMix = 4,
    kLeftLfoDest = 6,
    kRightLfoDest = 7,
    kLeftBufferMod = 12,
    kStereoLink = 13,
};

// Writes a plain value the way a host would: as a normalized parameter.
// Whole-number controls get half a step more so truncation lands on the value.
void setPlain(CPlugIn& engine, const ControlValue& v)
{
    const CControlDescriptor* d = engine.controls.at(v.position);
    if (d == nullptr)
        return;
    const bool whole = d->dataType == kDataInt || d->dataType == kDataUInt;
    const float offset = whole ? 0.5f : 0.0f;
    engine.setControlNormalized(v.position,
                                (v.plain - d->minValue + offset) / (d->maxValue - d->minValue));
}

struct Level
{
    double rms;
    float peak;
};

Level measure(const std::vector<float>& left, const std::vector<float>& right)
{
    double sum = 0.0;
    float peak = 0.0f;
    for (const std::vector<float>* channel : {&left, &right})
    {
        for (float v : *channel)
        {
            sum += static_cast<double>(v) * v;
            peak = std::max(peak, std::fabs(v));
        }
    }
    return {std::sqrt(sum / static_cast<double>(left.size() + right.size())), peak};
}

double decibels(double value)
{
    return value > 0.0 ? 20.0 * std::log10(value) : -INFINITY;
}
} // namespace

int main()
{
    const DemoSignal input = makeDemoSignal(kSampleRate, kSeconds);
    const Setting settings[] = {
        {"defaults (size 1, mix 50)", {}},
        {"size 32, mix 100", {{kBufferSize, 32}, {kMix, 100}}},
        {"linked LFO sweep 0.5 Hz, mix 80",
         {{kStereoLink, 1},
          {kLfoRate, 0.5f},
          {kLeftLfoDest, 1},
          {kRightLfoDest, 1},
          {kLeftBufferMod, 1},
          {kMix, 80}}},
        {"linked self-modulation, mix 100",
         {{kStereoLink, 1}, {kModSource, 1}, {kLeftLfoDest, 1}, {kLeftBufferMod, 1}, {kMix, 100}}},
    };

    const Level in = measure(input.left, input.right);
    std::printf("tovane engine demo: %.1f s of plucked strings and drums, %d Hz stereo\n\n",
                kSeconds, kSampleRate);
    std::printf("%-34s %10s %10s %10s %10s\n", "setting", "in RMS", "in peak", "out RMS",
                "out peak");
    for (const Setting& setting : settings)
    {
        const std::unique_ptr<CPlugIn> engine(createEngine());
        engine->sampleRate = kSampleRate;
        engine->prepare();
        for (const ControlValue& v : setting.values)
            setPlain(*engine, v);

        std::vector<float> left(input.left.size()), right(input.right.size());
        for (std::size_t i = 0; i < left.size(); ++i)
        {
            const float frameIn[2] = {input.left[i], input.right[i]};
            float frameOut[2] = {0.0f, 0.0f};
            engine->processFrame(frameIn, frameOut, 2, 2);
            left[i] = frameOut[0];
            right[i] = frameOut[1];
        }
        const Level out = measure(left, right);
        std::printf("%-34s %7.1f dB %7.1f dB %7.1f dB %7.1f dB\n", setting.name, decibels(in.rms),
                    decibels(in.peak), decibels(out.rms), decibels(out.peak));
    }
    return 0;
}
