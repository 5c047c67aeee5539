#pragma once

#include <cstddef>
#include <vector>

// The inputs every benchmark runs on: plain noise, a pure tone and noise
// rounded to a few levels, whose many ties change the selection's work.
enum class BenchSignal
{
    WhiteNoise,
    Sine,
    QuantisedNoise,
};

inline constexpr BenchSignal kBenchSignals[] = {BenchSignal::WhiteNoise, BenchSignal::Sine,
                                                BenchSignal::QuantisedNoise};

const char* signalName(BenchSignal signal);

// `length` samples of `signal` at 48 kHz, from -1 to 1; the same for the same
// seed.
std::vector<float> benchSignal(BenchSignal signal, std::size_t length, unsigned seed);
