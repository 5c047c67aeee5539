#include "wavetable_oscillator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace
{
struct Outputs
{
    float main;
    float quad;
};

Outputs step(CWavetableOscillator& oscillator)
{
    Outputs o{};
    oscillator.oscillate(&o.main, &o.quad);
    return o;
}
} // namespace

TEST(WavetableOscillator, FreshOscillatorStartsOnTheSineAndAQuarterAhead)
{
    CWavetableOscillator oscillator;
    EXPECT_EQ(oscillator.sampleRate, 44100);
    EXPECT_EQ(oscillator.frequency, 440.0f);
    EXPECT_EQ(oscillator.increment, static_cast<float>(450560.0 / 44100.0));
    const Outputs first = step(oscillator);
    EXPECT_EQ(first.main, 0.0f);
    EXPECT_EQ(first.quad, 1.0f);
    EXPECT_EQ(oscillator.readIndex, oscillator.increment);

    CWavetableOscillator unipolar;
    unipolar.polarity = 1;
    const Outputs mapped = step(unipolar);
    EXPECT_EQ(mapped.main, 0.5f);
    EXPECT_EQ(mapped.quad, 1.0f);

    CWavetableOscillator inverted;
    inverted.invert = true;
    inverted.polarity = 1;
    const Outputs flipped = step(inverted);
    EXPECT_EQ(flipped.main, 0.5f);
    EXPECT_EQ(flipped.quad, 0.0f);
}

TEST(WavetableOscillator, IncrementRule)
{
    CWavetableOscillator oscillator;
    oscillator.frequency = 1.0f;
    oscillator.updateIncrement();
    EXPECT_EQ(oscillator.increment, static_cast<float>(1024.0 / 44100.0));
    oscillator.frequency = 0.01f;
    oscillator.sampleRate = 48000;
    oscillator.updateIncrement();
    EXPECT_EQ(oscillator.increment,
              static_cast<float>(static_cast<double>(0.01f) * 1024.0 / 48000.0));
    oscillator.sampleRate = 0;
    oscillator.updateIncrement();
    EXPECT_EQ(oscillator.increment, 0.0f);
}

TEST(WavetableOscillator, PlainTableShapes)
{
    const CWavetableOscillator oscillator;
    const auto& t = oscillator.tables;
    EXPECT_EQ(t.sineTable[0], 0.0f);
    EXPECT_EQ(t.sineTable[256], 1.0f);
    EXPECT_EQ(t.sineTable[768], -1.0f);
    EXPECT_EQ(t.sawTable[0], 0.0f);
    EXPECT_EQ(t.sawTable[511], 511.0f / 512.0f);
    EXPECT_EQ(t.sawTable[512], -511.0f / 512.0f);
    EXPECT_EQ(t.sawTable[1023], 0.0f);
    EXPECT_EQ(t.triangleTable[0], 0.0f);
    EXPECT_EQ(t.triangleTable[256], 1.0f);
    EXPECT_EQ(t.triangleTable[512], 0.0f);
    EXPECT_EQ(t.triangleTable[768], -1.0f);
    EXPECT_EQ(t.triangleTable[1023], -1.0f / 256.0f);
    EXPECT_EQ(t.squareTable[511], 1.0f);
    EXPECT_EQ(t.squareTable[512], -1.0f);
}

TEST(WavetableOscillator, SummedTablesPeakAtOneAndFollowTheirPlainShapes)
{
    const CWavetableOscillator oscillator;
    const auto& t = oscillator.tables;
    for (const float* table : {t.smoothSawTable, t.smoothTriangleTable, t.smoothSquareTable})
        EXPECT_EQ(*std::max_element(table, table + 1024), 1.0f);

    EXPECT_EQ(t.smoothSawTable[0], 0.0f);
    EXPECT_GT(t.smoothSawTable[480], 0.5f);
    EXPECT_LT(t.smoothSawTable[544], -0.5f);
    const float* triangle = t.smoothTriangleTable;
    EXPECT_EQ(std::max_element(triangle, triangle + 1024) - triangle, 256);
    EXPECT_TRUE(std::all_of(t.smoothSquareTable + 1, t.smoothSquareTable + 512,
                            [](float v) { return v > 0.0f; }));
    EXPECT_TRUE(std::all_of(t.smoothSquareTable + 513, t.smoothSquareTable + 1024,
                            [](float v) { return v < 0.0f; }));
}

TEST(WavetableOscillator, WaveformSelectsTheTable)
{
    struct Case
    {
        std::uint32_t waveform;
        std::uint32_t bandLimited;
        float readIndex;
        float expected;
    };
    const CWavetableOscillator reference;
    const auto& t = reference.tables;
    const Case cases[] = {
        {0, 1, 100.0f, t.sineTable[100]},
        {1, 0, 100.0f, t.sawTable[100]},
        {2, 0, 100.0f, t.triangleTable[100]},
        {3, 0, 100.0f, 1.0f},
        {1, 1, 100.0f, t.smoothSawTable[100]},
        {2, 1, 100.0f, t.smoothTriangleTable[100]},
        {3, 1, 100.0f, t.smoothSquareTable[100]},
        {7, 1, 100.0f, t.sineTable[100]},
        {3, 0, 510.75f, 1.0f},
        {3, 0, 511.25f, 0.5f}, // between entries 511 (1) and 512 (-1)
        {1, 0, 1023.5f, 0.0f}, // between entry 1023 and entry 0, both 0
        {2, 0, 127.5f, 127.5f / 256.0f},
    };
    for (const Case& c : cases)
    {
        CWavetableOscillator oscillator;
        oscillator.waveform = c.waveform;
        oscillator.bandLimited = c.bandLimited;
        oscillator.readIndex = c.readIndex;
        EXPECT_EQ(step(oscillator).main, c.expected)
            << "waveform " << c.waveform << " band-limited " << c.bandLimited << " at "
            << c.readIndex;
    }
}

TEST(WavetableOscillator, PhaseWrapsIntoTheTable)
{
    CWavetableOscillator oscillator;
    oscillator.readIndex = 1023.9f;
    oscillator.increment = 0.2f;
    step(oscillator);
    EXPECT_EQ(oscillator.readIndex, (1023.9f + 0.2f) - 1024.0f);
    EXPECT_NEAR(oscillator.readIndex, 0.1f, 1e-3f);
    EXPECT_EQ(oscillator.quadReadIndex, 256.0f + 0.2f);

    const float inf = std::numeric_limits<float>::infinity();
    const float increments[] = {1024.0f, 5000.5f, 1e30f, -3.0f,
                                -1e-7f,  inf,     -inf,  std::numeric_limits<float>::quiet_NaN()};
    for (float increment : increments)
    {
        CWavetableOscillator wild;
        wild.increment = increment;
        for (int i = 0; i < 3; ++i)
        {
            const Outputs o = step(wild);
            EXPECT_TRUE(std::isfinite(o.main) && std::isfinite(o.quad));
            for (float phase : {wild.readIndex, wild.quadReadIndex})
                EXPECT_TRUE(phase >= 0.0f && phase < 1024.0f)
                    << "increment " << increment << " phase " << phase;
        }
    }
}

TEST(WavetableOscillator, ResetRestartsBothPhases)
{
    CWavetableOscillator oscillator;
    oscillator.frequency = 2.0f;
    step(oscillator);
    EXPECT_TRUE(oscillator.reset());
    EXPECT_EQ(oscillator.readIndex, 0.0f);
    EXPECT_EQ(oscillator.quadReadIndex, 256.0f);
    EXPECT_EQ(oscillator.increment, static_cast<float>(2.0 * 1024.0 / 44100.0));
}
