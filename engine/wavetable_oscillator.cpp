#include "wavetable_oscillator.h"

#include <cmath>
#include <numbers>

namespace
{
constexpr std::int32_t kLength = CWavetableOscillator::kTableLength;
constexpr float kLengthF = static_cast<float>(kLength);

void divideByPeak(float* table)
{
    float peak = table[0];
    for (std::int32_t i = 1; i < kLength; ++i)
        peak = table[i] > peak ? table[i] : peak;
    for (std::int32_t i = 0; i < kLength; ++i)
        table[i] = table[i] / peak;
}

// Adds one 64-bit harmonic term to a partial sum kept in 32 bits.
float accumulate(float partial, double term)
{
    return static_cast<float>(static_cast<double>(partial) + term);
}

CWavetableOscillator::Tables buildTables()
{
    CWavetableOscillator::Tables t{};
    for (std::int32_t i = 0; i < kLength; ++i)
    {
        const double x = 2.0 * std::numbers::pi * i / 1024.0;
        const float s1 = static_cast<float>(std::sin(x));
        const double di = static_cast<double>(i);

        t.sineTable[i] = s1;
        t.sawTable[i] = static_cast<float>(i < 512 ? di / 512.0 : (di - 511.0) / 512.0 - 1.0);
        if (i <= 255)
            t.triangleTable[i] = static_cast<float>(di / 256.0);
        else if (i <= 767)
            t.triangleTable[i] = static_cast<float>(1.0 - (di - 256.0) / 256.0);
        else
            t.triangleTable[i] = static_cast<float>((di - 768.0) / 256.0 - 1.0);
        t.squareTable[i] = i < 512 ? 1.0f : -1.0f;

        float saw = s1;
        saw = accumulate(saw, -std::sin(2.0 * x) / 2.0);
        saw = accumulate(saw, std::sin(3.0 * x) / 3.0);
        saw = accumulate(saw, -std::sin(4.0 * x) / 4.0);
        saw = accumulate(saw, std::sin(5.0 * x) / 5.0);
        saw = accumulate(saw, -std::sin(6.0 * x) / 6.0);
        t.smoothSawTable[i] = saw;

        float triangle = s1;
        triangle = accumulate(triangle, -std::sin(3.0 * x) / 9.0);
        triangle = accumulate(triangle, std::sin(5.0 * x) / 25.0);
        triangle = accumulate(triangle, -std::sin(7.0 * x) / 49.0);
        t.smoothTriangleTable[i] = triangle;

        float square = s1;
        square = accumulate(square, std::sin(3.0 * x) / 3.0);
        square = accumulate(square, std::sin(5.0 * x) / 5.0);
        square = accumulate(square, std::sin(7.0 * x) / 7.0);
        t.smoothSquareTable[i] = square;
    }
    divideByPeak(t.smoothSawTable);
    divideByPeak(t.smoothTriangleTable);
    divideByPeak(t.smoothSquareTable);
    return t;
}

const CWavetableOscillator::Tables& sharedTables()
{
    static const CWavetableOscillator::Tables tables = buildTables();
    return tables;
}

// Brings a phase into [0, 1024). The normal case (an increment below 1024) is
// the single exact subtraction; anything else (huge or negative increments,
// infinity, NaN) is folded back so the table reads can never leave the table.
float wrapPhase(float phase)
{
    if (phase >= kLengthF)
        phase -= kLengthF;
    if (phase >= 0.0f && phase < kLengthF)
        return phase;
    if (!std::isfinite(phase))
        return 0.0f;
    phase = std::fmod(phase, kLengthF);
    if (phase < 0.0f)
        phase += kLengthF;
    // A tiny negative remainder plus 1024 rounds to 1024 itself.
    return phase < kLengthF ? phase : 0.0f;
}

float interpolate(const float* table, float phase)
{
    const std::int32_t k = static_cast<std::int32_t>(phase);
    const std::int32_t k1 = k + 1 > kLength - 1 ? 0 : k + 1;
    const float fraction = phase - static_cast<float>(k);
    return (1.0f - fraction) * table[k] + fraction * table[k1];
}
} // namespace

CWavetableOscillator::CWavetableOscillator() : tables(sharedTables())
{
    updateIncrement();
}

bool CWavetableOscillator::reset()
{
    readIndex = 0.0f;
    quadReadIndex = 256.0f;
    updateIncrement();
    return true;
}

void CWavetableOscillator::updateIncrement()
{
    // A rate of zero or below would divide by zero; the oscillator then stands still.
    if (sampleRate <= 0)
    {
        increment = 0.0f;
        return;
    }
    const double rate = static_cast<double>(static_cast<float>(sampleRate));
    increment = static_cast<float>(static_cast<double>(frequency) * 1024.0 / rate);
}

const float* CWavetableOscillator::selectedTable() const
{
    const bool smooth = bandLimited != 0;
    switch (waveform)
    {
    case 1:
        return smooth ? tables.smoothSawTable : tables.sawTable;
    case 2:
        return smooth ? tables.smoothTriangleTable : tables.triangleTable;
    case 3:
        return smooth ? tables.smoothSquareTable : tables.squareTable;
    default:
        return tables.sineTable;
    }
}

void CWavetableOscillator::oscillate(float* out, float* quadOut)
{
    // Phases written from outside are folded in before they index a table.
    readIndex = wrapPhase(readIndex);
    quadReadIndex = wrapPhase(quadReadIndex);

    const float* table = selectedTable();
    float a = interpolate(table, readIndex);
    float b = interpolate(table, quadReadIndex);

    readIndex = wrapPhase(readIndex + increment);
    quadReadIndex = wrapPhase(quadReadIndex + increment);

    if (invert)
    {
        a = -a;
        b = -b;
    }
    if (polarity == 1)
    {
        a = a * 0.5f + 0.5f;
        b = b * 0.5f + 0.5f;
    }
    *out = a;
    *quadOut = b;
}
