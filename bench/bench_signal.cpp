#include "bench_signal.h"

#include <cmath>
#include <random>

const char* signalName(BenchSignal signal)
{
    switch (signal)
    {
    case BenchSignal::WhiteNoise:
        return "white_noise";
    case BenchSignal::Sine:
        return "sine";
    case BenchSignal::QuantisedNoise:
        return "quantised_noise";
    }
    return "";
}

std::vector<float> benchSignal(BenchSignal signal, std::size_t length, unsigned seed)
{
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> noise(-1.0f, 1.0f);
    std::vector<float> samples(length);
    for (std::size_t n = 0; n < length; ++n)
    {
        switch (signal)
        {
        case BenchSignal::WhiteNoise:
            samples[n] = noise(random);
            break;
        case BenchSignal::Sine:
            samples[n] = static_cast<float>(
                std::sin(2.0 * 3.141592653589793 * 440.0 * static_cast<double>(n) / 48000.0));
            break;
        case BenchSignal::QuantisedNoise:
            samples[n] = std::round(noise(random) * 4.0f) / 4.0f;
            break;
        }
    }
    return samples;
}
