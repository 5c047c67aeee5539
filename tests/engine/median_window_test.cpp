#include "median_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace
{
constexpr float kCurrent = static_cast<float>(0.9999773502349854);
constexpr float kPrevious = static_cast<float>(2.2675736545352265e-05);

// Prepares a window the way the effect does: 65 zeroed entries.
void prepare(CMedianWindow& window, std::int32_t size)
{
    window.resetCapacity(64);
    window.setSize(size);
    window.reallocate();
}

float feed(CMedianWindow& window, float x, float modulation = 0.0f)
{
    float y = 0.0f;
    window.filterSample(&x, &y, modulation);
    return y;
}
} // namespace

TEST(MedianWindow, ConstructionAndPreparation)
{
    CMedianWindow window(5);
    EXPECT_EQ(window.getCapacity(), 5);
    EXPECT_EQ(window.getSize(), 5);
    EXPECT_EQ(window.getWriteIndex(), 0);
    EXPECT_FALSE(window.isModulated());
    EXPECT_FALSE(window.isBipolar());
    EXPECT_EQ(window.getTarget(), 0);

    feed(window, 3.0f);
    prepare(window, 12);
    EXPECT_EQ(window.getCapacity(), 64);
    EXPECT_EQ(window.getSize(), 12);
    EXPECT_EQ(window.getWriteIndex(), 0);
    const float* history = window.historyData();
    EXPECT_TRUE(std::all_of(history, history + 65, [](float v) { return v == 0.0f; }));
}

TEST(MedianWindow, SizeZeroSmoothsTheCurrentInputWithThePreviousOutput)
{
    CMedianWindow window(64);
    prepare(window, 0);
    const float y1 = feed(window, 1.0f);
    EXPECT_EQ(y1, kCurrent);
    const float y2 = feed(window, -0.5f);
    EXPECT_EQ(y2, -0.5f * kCurrent + y1 * kPrevious);
    EXPECT_EQ(window.getLastOutput(), y2);
    EXPECT_EQ(window.getWriteIndex(), 0);
}

TEST(MedianWindow, SizeOneOutputsPositionOneTwice)
{
    CMedianWindow window(64);
    prepare(window, 1);
    const float inputs[] = {0.1f, 0.2f, 0.3f, 0.4f, 0.5f};
    const float selected[] = {0.0f, 0.2f, 0.2f, 0.4f, 0.4f};
    const std::int32_t nextWrite[] = {1, 0, 1, 0, 1};
    float previous = 0.0f;
    for (int i = 0; i < 5; ++i)
    {
        const float y = feed(window, inputs[i]);
        EXPECT_EQ(y, selected[i] * kCurrent + previous * kPrevious) << "frame " << i;
        EXPECT_EQ(window.getWriteIndex(), nextWrite[i]);
        previous = y;
    }
}

TEST(MedianWindow, SelectionPicksRankHalfSizeAndPermutesTheHistory)
{
    // The first value is the input written at position 0; the rest is preset.
    struct Case
    {
        std::vector<float> window;
        float selected;
        std::vector<float> historyAfter;
    };
    const Case cases[] = {
        {{3, 1, 2}, 1, {1, 2, 3}},
        {{5, 1, 4, 2, 3}, 2, {1, 2, 3, 5, 4}},
        {{4, 5, 3, 2, 1}, 2, {1, 2, 3, 4, 5}},
        {{2, 9, 2, 7, 2}, 2, {2, 2, 2, 7, 9}},
    };
    for (const Case& c : cases)
    {
        const std::int32_t size = static_cast<std::int32_t>(c.window.size()) - 1;
        CMedianWindow window(size);
        std::copy(c.window.begin() + 1, c.window.end(), window.historyData() + 1);
        EXPECT_EQ(feed(window, c.window[0]), c.selected * kCurrent);
        EXPECT_EQ(std::vector<float>(window.historyData(), window.historyData() + size + 1),
                  c.historyAfter);
        EXPECT_EQ(window.getWriteIndex(), 1);
    }
}

TEST(MedianWindow, SelectionMatchesSortedRankForEverySize)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<float> sample(-1.0f, 1.0f);
    for (std::int32_t size = 2; size <= 64; ++size)
    {
        CMedianWindow window(64);
        prepare(window, size);
        float* history = window.historyData();
        for (std::int32_t i = 1; i <= size; ++i)
            history[i] = sample(random);
        const float input = sample(random);
        std::vector<float> sorted(history, history + size + 1);
        sorted[0] = input;
        std::sort(sorted.begin(), sorted.end());

        EXPECT_EQ(feed(window, input), sorted[size / 2 - 1] * kCurrent) << "size " << size;
        std::vector<float> after(history, history + size + 1);
        std::sort(after.begin(), after.end());
        EXPECT_EQ(after, sorted) << "the history stays a permutation of the window";
    }
}

TEST(MedianWindow, ModulatedSizes)
{
    struct Case
    {
        bool bipolar;
        float modulation;
        std::int32_t size;
    };
    const Case cases[] = {
        {false, 1.7f, 63}, {false, 1.0f, 63}, {false, 0.5f, 31},
        {false, 0.0f, 0},  {false, -0.5f, 0}, // negative sizes are stored as 0
        {true, -1.0f, 0},  {true, 1.0f, 63},  {true, 0.0f, 31},
        {true, -3.0f, 0},  {true, 0.5f, 47},
    };
    for (const Case& c : cases)
    {
        CMedianWindow window(64);
        prepare(window, 10);
        window.setModulated(true);
        window.setTarget(1);
        window.setBipolar(c.bipolar);
        feed(window, 0.25f, c.modulation);
        EXPECT_EQ(window.getSize(), c.size)
            << "bipolar " << c.bipolar << " modulation " << c.modulation;
        EXPECT_EQ(window.indexFor(c.modulation), c.size);
    }
}

TEST(MedianWindow, ModulationIsIgnoredUnlessModulatedTowardsSize)
{
    struct Case
    {
        bool modulated;
        std::int32_t target;
    };
    for (const Case& c : {Case{false, 1}, Case{true, 0}, Case{true, 2}})
    {
        CMedianWindow window(64);
        prepare(window, 10);
        window.setModulated(c.modulated);
        window.setTarget(c.target);
        feed(window, 0.25f, 1.0f);
        EXPECT_EQ(window.getSize(), 10);
    }
}

TEST(MedianWindow, ShrinkingBelowTheWriteIndexRestartsItAtZero)
{
    CMedianWindow window(64);
    prepare(window, 40);
    for (int i = 0; i < 30; ++i)
        feed(window, 0.0f);
    ASSERT_EQ(window.getWriteIndex(), 30);
    window.setSize(10);
    feed(window, 0.75f);
    EXPECT_EQ(window.historyData()[30], 0.75f);
    EXPECT_EQ(window.getWriteIndex(), 0);
}

TEST(MedianWindow, SizesOutsideTheHistoryAreClamped)
{
    CMedianWindow window(64);
    prepare(window, 1000);
    feed(window, 1.0f);
    EXPECT_EQ(window.getSize(), 64);
    window.setSize(-5);
    feed(window, 1.0f);
    EXPECT_EQ(window.getSize(), 0);

    // A capacity raised without reallocating never lets the window past the history.
    CMedianWindow small(5);
    small.resetCapacity(64);
    small.setSize(64);
    feed(small, 1.0f);
    EXPECT_EQ(small.getSize(), 5);
}

TEST(MedianWindow, ReadAtUsesTheReadPositionMapping)
{
    CMedianWindow window(64);
    prepare(window, 64);
    for (std::int32_t i = 0; i <= 64; ++i)
        window.historyData()[i] = static_cast<float>(i);
    EXPECT_EQ(window.readAt(0.5f), 31.0f);
    EXPECT_EQ(window.readAt(-1.0f), 0.0f);
    window.setBipolar(true);
    EXPECT_EQ(window.readAt(0.0f), 31.0f);
    EXPECT_EQ(window.readAt(1.0f), 63.0f);
}
