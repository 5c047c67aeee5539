#include "demo_signal.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace
{
// Small deterministic noise source, so every run renders the same signal.
class Noise
{
public:
    explicit Noise(std::uint32_t seed) : state(seed) {}
    float next()
    {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return static_cast<float>(state) / 2147483648.0f - 1.0f;
    }

private:
    std::uint32_t state;
};

// Karplus-Strong string: a noise burst circulating through a damped delay line.
void pluck(DemoSignal& s, int sampleRate, double start, double frequency, float pan, Noise& noise)
{
    const int period = static_cast<int>(sampleRate / frequency);
    std::vector<float> line(static_cast<std::size_t>(period));
    for (float& v : line)
        v = noise.next() * 0.5f;
    const std::size_t first = static_cast<std::size_t>(start * sampleRate);
    const std::size_t length = static_cast<std::size_t>(sampleRate) * 3 / 2;
    for (std::size_t i = 0; i < length && first + i < s.left.size(); ++i)
    {
        const std::size_t at = i % line.size();
        const std::size_t nextAt = (at + 1) % line.size();
        const float v = line[at];
        line[at] = 0.996f * 0.5f * (v + line[nextAt]);
        s.left[first + i] += v * (1.0f - pan);
        s.right[first + i] += v * pan;
    }
}

void kick(DemoSignal& s, int sampleRate, double start)
{
    const std::size_t first = static_cast<std::size_t>(start * sampleRate);
    double phase = 0.0;
    for (int i = 0; i < sampleRate / 4 && first + i < s.left.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        const double frequency = 45.0 + 90.0 * std::exp(-t * 30.0);
        phase += 2.0 * std::numbers::pi * frequency / sampleRate;
        const float v = static_cast<float>(0.8 * std::sin(phase) * std::exp(-t * 9.0));
        s.left[first + i] += v;
        s.right[first + i] += v;
    }
}

void noiseHit(DemoSignal& s, int sampleRate, double start, double decay, float level, float pan,
              bool bright, Noise& noise)
{
    const std::size_t first = static_cast<std::size_t>(start * sampleRate);
    float previous = 0.0f;
    for (int i = 0; i < sampleRate / 5 && first + i < s.left.size(); ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        const float white = noise.next();
        // A first difference makes the hi-hat bright; the snare keeps its body.
        const float v =
            (bright ? white - previous : white) * level * static_cast<float>(std::exp(-t * decay));
        previous = white;
        s.left[first + i] += v * (1.0f - pan);
        s.right[first + i] += v * pan;
    }
}
} // namespace

DemoSignal makeDemoSignal(int sampleRate, double seconds)
{
    const std::size_t frames = static_cast<std::size_t>(seconds * sampleRate);
    DemoSignal s{std::vector<float>(frames), std::vector<float>(frames)};
    Noise noise(0x2545F491u);

    // A minor, F major, C major, G major arpeggios, one note per eighth.
    const double chords[4][4] = {{220.0, 261.63, 329.63, 440.0},
                                 {174.61, 220.0, 261.63, 349.23},
                                 {261.63, 329.63, 392.0, 523.25},
                                 {196.0, 246.94, 293.66, 392.0}};
    const double eighth = 0.25;
    for (int step = 0; step * eighth < seconds; ++step)
    {
        const double t = step * eighth;
        const double* chord = chords[(step / 8) % 4];
        pluck(s, sampleRate, t, chord[step % 4], step % 2 == 0 ? 0.3f : 0.7f, noise);
        noiseHit(s, sampleRate, t, 60.0, 0.15f, 0.6f, true, noise);
        if (step % 4 == 0)
            kick(s, sampleRate, t);
        if (step % 4 == 2)
            noiseHit(s, sampleRate, t, 18.0, 0.45f, 0.45f, false, noise);
    }

    // Leave headroom: the loudest sample peaks at 0.8 (about -2 dB).
    float peak = 0.0f;
    for (const std::vector<float>* channel : {&s.left, &s.right})
        for (float v : *channel)
            peak = std::max(peak, std::fabs(v));
    if (peak > 0.0f)
        for (std::vector<float>* channel : {&s.left, &s.right})
            for (float& v : *channel)
                v *= 0.8f / peak;
    return s;
}
