#include "demo_signal.h"

#include <algorithm>
#include <cmath>

namespace render
{
namespace
{

constexpr double pi = 3.14159265358979323846;
constexpr int stepFrames = DemoSignal::rate / 4; // sixteenth notes at 60 bpm

// The melody, one entry per step: a MIDI note, or 0 for a rest.
constexpr std::array<int, 32> melody = {
    57, 0,  60, 64, 69, 0,  67, 64, 62, 0, 64, 67, 72, 0,  69, 67,
    57, 60, 64, 0,  69, 71, 72, 69, 67, 0, 64, 62, 64, 60, 57, 0,
};

// The drums, one character per step: k kick, s snare, h hi-hat, x kick and hat.
constexpr char pattern[] = "x.h.s.h.k.x.s.hh";

double noteFrequency(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

} // namespace

DemoSignal::DemoSignal() = default;

float DemoSignal::noise()
{
    seed_ ^= seed_ << 13;
    seed_ ^= seed_ >> 17;
    seed_ ^= seed_ << 5;
    return static_cast<float>(seed_) / 2147483648.0f - 1.0f;
}

void DemoSignal::pluck(String& string, float frequency, float pan)
{
    string.size = std::clamp(static_cast<int>(std::lround(rate / frequency)), 2,
                             static_cast<int>(string.line.size()));
    string.position = 0;
    string.damping = 0.996f;
    string.pan = pan;
    // A softened noise burst: brighter attack than a sine, warmer than white.
    float previous = 0.0f;
    for (int i = 0; i < string.size; ++i)
    {
        previous = 0.6f * noise() + 0.4f * previous;
        string.line[static_cast<size_t>(i)] = previous;
    }
}

void DemoSignal::startEvents(std::int64_t frame)
{
    if (frame % stepFrames != 0)
        return;
    const std::int64_t step = frame / stepFrames;
    const int note = melody[static_cast<size_t>(step % static_cast<std::int64_t>(melody.size()))];
    if (note != 0)
    {
        const float pan = (step % 2 == 0) ? 0.35f : 0.65f;
        pluck(strings_[static_cast<size_t>(nextString_)], static_cast<float>(noteFrequency(note)),
              pan);
        nextString_ = (nextString_ + 1) % static_cast<int>(strings_.size());
    }
    const char drum = pattern[step % (sizeof pattern - 1)];
    if (drum == 'k' || drum == 'x')
    {
        kickTime_ = 0.0;
        kickPhase_ = 0.0;
    }
    if (drum == 's')
        snareTime_ = 0.0;
    if (drum == 'h' || drum == 'x')
    {
        hatTime_ = 0.0;
        hatLevel_ = drum == 'x' ? 0.6f : 1.0f;
    }
}

void DemoSignal::renderFrame(float& left, float& right)
{
    const double dt = 1.0 / rate;
    left = 0.0f;
    right = 0.0f;

    for (String& s : strings_)
    {
        if (s.size == 0)
            continue;
        const size_t here = static_cast<size_t>(s.position);
        const size_t next = static_cast<size_t>((s.position + 1) % s.size);
        const float out = s.line[here];
        s.line[here] = s.damping * 0.5f * (s.line[here] + s.line[next]);
        s.position = static_cast<int>(next);
        left += 0.5f * out * (1.0f - s.pan);
        right += 0.5f * out * s.pan;
    }

    if (kickTime_ < 0.6)
    {
        const double frequency = 48.0 + 110.0 * std::exp(-kickTime_ / 0.04);
        kickPhase_ += 2.0 * pi * frequency * dt;
        const auto kick =
            static_cast<float>(0.8 * std::sin(kickPhase_) * std::exp(-kickTime_ / 0.18));
        left += kick;
        right += kick;
        kickTime_ += dt;
    }
    if (snareTime_ < 0.4)
    {
        snareTone_ = static_cast<float>(std::sin(2.0 * pi * 190.0 * snareTime_));
        const auto body = static_cast<float>(std::exp(-snareTime_ / 0.05));
        const auto rattle = static_cast<float>(std::exp(-snareTime_ / 0.09));
        const float snare = 0.25f * snareTone_ * body + 0.3f * noise() * rattle;
        left += 0.6f * snare;
        right += 0.45f * snare;
        snareTime_ += dt;
    }
    if (hatTime_ < 0.15)
    {
        const float white = noise();
        const float high = white - hatPrevious_; // first difference: only the sizzle
        hatPrevious_ = white;
        const float hat =
            0.12f * hatLevel_ * high * static_cast<float>(std::exp(-hatTime_ / 0.025));
        left += 0.4f * hat;
        right += 0.8f * hat;
        hatTime_ += dt;
    }

    // Fade in and out over 10 ms and half a second to start and end in silence.
    const double t = static_cast<double>(frame_) / rate;
    const double remaining = static_cast<double>(length - frame_) / rate;
    const auto gain = static_cast<float>(std::min({1.0, t / 0.01, remaining / 0.5}));
    left *= gain;
    right *= gain;
}

std::int64_t DemoSignal::read(float* interleaved, std::int64_t count)
{
    const std::int64_t n = std::clamp<std::int64_t>(length - frame_, 0, count);
    for (std::int64_t i = 0; i < n; ++i)
    {
        startEvents(frame_);
        renderFrame(interleaved[2 * i], interleaved[2 * i + 1]);
        ++frame_;
    }
    return n;
}

} // namespace render
