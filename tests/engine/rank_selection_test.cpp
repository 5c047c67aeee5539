#include "median_window.h"
#include "rank_selection.h"
#include "rank_selection_variants.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace
{

// The long random runs shrink under the sanitizers, which slow them tenfold.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kRunDivisor = 16;
#else
constexpr int kRunDivisor = 1;
#endif

constexpr int kPoolEntries = 65;
using Pool = std::array<float, kPoolEntries>;

float fromBits(std::uint32_t bits)
{
    return std::bit_cast<float>(bits);
}

std::uint32_t bitsOf(float value)
{
    return std::bit_cast<std::uint32_t>(value);
}

// Everything that must reach the selection unchanged: both zeros, quiet and
// signalling NaNs with payloads and either sign, infinities, subnormals, and
// plain values that tie with each other.
const std::vector<float>& specialValues()
{
    static const std::vector<float> values = {
        0.0f,
        -0.0f,
        fromBits(0x7fc00000),
        fromBits(0xffc00001),
        fromBits(0x7fa12345),
        fromBits(0xff800001),
        std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(),
        std::numeric_limits<float>::denorm_min(),
        -std::numeric_limits<float>::denorm_min(),
        fromBits(0x007fffff),
        std::numeric_limits<float>::min(),
        std::numeric_limits<float>::max(),
        -std::numeric_limits<float>::max(),
        1.0f,
        -1.0f,
        0.5f,
    };
    return values;
}

// The selections checked against the literal partition: every variant this
// machine runs, and `selectRank`, which chooses among them.
struct Candidate
{
    std::string name;
    RankSelector select;
};

std::vector<Candidate> candidates()
{
    std::vector<Candidate> found = {{"selectRank", selectRank}};
    for (const RankSelectionVariant& variant : kRankSelectionVariants)
    {
        if (variant.supported())
            found.push_back({variant.name, variant.select});
    }
    return found;
}

// Bitwise: ±0 and NaN payloads count as different values.
::testing::AssertionResult samePools(const Pool& got, const Pool& want)
{
    for (int j = 0; j < kPoolEntries; ++j)
    {
        if (bitsOf(got[j]) != bitsOf(want[j]))
        {
            return ::testing::AssertionFailure()
                   << "position " << j << " holds 0x" << std::hex << bitsOf(got[j])
                   << " instead of 0x" << bitsOf(want[j]);
        }
    }
    return ::testing::AssertionSuccess();
}

// Selects on a copy of `pool` with the candidate and on another with the
// literal partition; both the selected value and the whole pool must match.
::testing::AssertionResult selectsLikeTheLiteral(const Candidate& candidate, const Pool& pool,
                                                 std::int32_t size)
{
    Pool got = pool;
    Pool want = pool;
    const float selected = candidate.select(got.data(), size);
    const float expected = selectRankLiteral(want.data(), size);
    ::testing::AssertionResult same = samePools(got, want);
    if (!same)
        return same << " (" << candidate.name << ", size " << size << ")";
    if (bitsOf(selected) != bitsOf(expected))
    {
        return ::testing::AssertionFailure()
               << candidate.name << " selected 0x" << std::hex << bitsOf(selected)
               << " instead of 0x" << bitsOf(expected) << std::dec << " at size " << size;
    }
    return ::testing::AssertionSuccess();
}

struct Signal
{
    const char* name;
    std::function<float(std::mt19937&, int)> next;
};

const std::vector<Signal>& signals()
{
    static const std::vector<Signal> all = {
        {"WhiteNoise", [](std::mt19937& random, int)
         { return std::uniform_real_distribution<float>(-1.0f, 1.0f)(random); }},
        {"Sine", [](std::mt19937&, int n)
         { return static_cast<float>(std::sin(2.0 * 3.141592653589793 * 441.0 * n / 48000.0)); }},
        {"QuantisedNoise", [](std::mt19937& random, int)
         { return static_cast<float>(std::uniform_int_distribution<int>(-3, 3)(random)) / 3.0f; }},
        {"SpecialValues",
         [](std::mt19937& random, int)
         {
             const std::vector<float>& values = specialValues();
             std::uniform_int_distribution<std::size_t> pick(0, values.size() - 1);
             return values[pick(random)];
         }},
    };
    return all;
}

void PrintTo(const Signal& signal, std::ostream* out)
{
    *out << signal.name;
}

class RankSelectionStream : public ::testing::TestWithParam<Signal>
{
};

} // namespace

// Drives every candidate like a window stage (write at the write position,
// select, advance) on its own pool, beside a pool run by the literal partition,
// and compares after every sample: first each size from 2 to 64 for a stretch,
// then a new random size on every sample.
TEST_P(RankSelectionStream, EveryCandidateKeepsThePoolOfTheLiteralPartition)
{
    const Signal& signal = GetParam();
    const std::vector<Candidate> checked = candidates();
    std::vector<Pool> pools(checked.size(), Pool{});
    Pool reference{};
    std::mt19937 random(20240611);
    std::uniform_int_distribution<std::int32_t> randomSize(2, 64);

    const int stretch = 2000 / kRunDivisor;
    const int sweepSamples = 63 * stretch;
    const int totalSamples = sweepSamples + 200000 / kRunDivisor;
    std::int32_t writeIndex = 0;
    for (int n = 0; n < totalSamples; ++n)
    {
        const std::int32_t size = n < sweepSamples ? 2 + n / stretch : randomSize(random);
        const float x = signal.next(random, n);
        reference[writeIndex] = x;
        const float expected = selectRankLiteral(reference.data(), size);
        for (std::size_t c = 0; c < checked.size(); ++c)
        {
            pools[c][writeIndex] = x;
            const float selected = checked[c].select(pools[c].data(), size);
            ASSERT_EQ(bitsOf(selected), bitsOf(expected))
                << checked[c].name << ", sample " << n << ", size " << size;
            ASSERT_TRUE(samePools(pools[c], reference))
                << checked[c].name << ", sample " << n << ", size " << size;
        }
        writeIndex = writeIndex + 1 <= size ? writeIndex + 1 : 0;
    }
}

INSTANTIATE_TEST_SUITE_P(Signals, RankSelectionStream, ::testing::ValuesIn(signals()),
                         [](const ::testing::TestParamInfo<Signal>& info)
                         { return info.param.name; });

// Every pool of 3 to 7 entries drawn from six values that tie, carry both
// zeros, a NaN and an infinity: all the orders the passes can meet there.
TEST(RankSelection, EveryArrangementOfShortWindowsMatchesTheLiteralPartition)
{
    const std::array<float, 6> values = {
        -0.0f, 0.0f, 1.0f, -1.0f, fromBits(0x7fc01234), std::numeric_limits<float>::infinity()};
    const std::vector<Candidate> checked = candidates();
    for (std::int32_t size = 2; size <= 6; ++size)
    {
        std::array<int, 7> digits{};
        for (;;)
        {
            Pool pool{};
            for (std::int32_t j = 0; j <= size; ++j)
                pool[j] = values[digits[j]];
            for (const Candidate& candidate : checked)
                ASSERT_TRUE(selectsLikeTheLiteral(candidate, pool, size));

            std::int32_t carry = 0;
            while (carry <= size && ++digits[carry] == static_cast<int>(values.size()))
                digits[carry++] = 0;
            if (carry > size)
                break;
        }
    }
}

// The longest window in the orders that make the longest runs of passes that
// move nothing or only swap the pivot down, with and without NaN in them.
TEST(RankSelection, ExtremeOrdersOfTheLongestWindowMatchTheLiteralPartition)
{
    const float nan = fromBits(0x7fc00007);
    const std::vector<std::pair<const char*, std::function<float(int)>>> orders = {
        {"ascending", [](int j) { return static_cast<float>(j); }},
        {"descending", [](int j) { return static_cast<float>(64 - j); }},
        {"all equal", [](int) { return 0.25f; }},
        {"zeros of both signs", [](int j) { return j % 3 == 0 ? -0.0f : 0.0f; }},
        {"all NaN", [nan](int) { return nan; }},
        {"ascending, NaN on top", [nan](int j) { return j == 64 ? nan : static_cast<float>(j); }},
        {"ascending, NaN at the bottom",
         [nan](int j) { return j == 0 ? nan : static_cast<float>(j); }},
        {"ascending, NaN in the middle",
         [nan](int j) { return j == 40 ? nan : static_cast<float>(j); }},
        {"descending, NaN in the middle",
         [nan](int j) { return j == 20 ? nan : static_cast<float>(-j); }},
        {"ascending with the lowest on top", [](int j) { return j == 64 ? -1.0f : float(j); }},
        {"infinities around ties",
         [](int j)
         {
             return j % 5 == 0 ? std::numeric_limits<float>::infinity()
                               : (j % 5 == 1 ? -std::numeric_limits<float>::infinity() : 2.0f);
         }},
    };
    for (const auto& [name, value] : orders)
    {
        Pool pool{};
        for (int j = 0; j < kPoolEntries; ++j)
            pool[j] = value(j);
        for (const Candidate& candidate : candidates())
        {
            for (std::int32_t size : {13, 16, 31, 32, 33, 47, 48, 63, 64})
                EXPECT_TRUE(selectsLikeTheLiteral(candidate, pool, size)) << name;
        }
    }
}

// The window stage as the effect runs it, its size following the modulation on
// every sample (from the signal itself and from a sweeping source), checked
// against a copy of its pool run through the literal partition.
TEST(RankSelection, ModulatedMedianWindowKeepsThePoolOfTheLiteralPartition)
{
    constexpr float kCurrent = 0.99997735f;
    constexpr float kPrevious = 2.2675737e-5f;
    std::mt19937 random(7);
    std::uniform_real_distribution<float> noise(-1.2f, 1.2f);

    for (const bool bipolar : {true, false})
    {
        CMedianWindow window(5);
        window.resetCapacity(64);
        window.setSize(64);
        window.reallocate();
        window.setModulated(true);
        window.setTarget(1);
        window.setBipolar(bipolar);

        const int samples = 300000 / kRunDivisor;
        for (int n = 0; n < samples; ++n)
        {
            float x = noise(random);
            if (n % 7 == 0)
                x = std::round(x * 2.0f) / 2.0f;
            const float modulation =
                bipolar ? x : 0.5f + 0.6f * static_cast<float>(std::sin(n * 0.0123));

            Pool expected{};
            std::memcpy(expected.data(), window.historyData(), sizeof(Pool));
            const float previous = window.getLastOutput();
            expected[window.getWriteIndex()] = x;

            float y = 0.0f;
            window.filterSample(&x, &y, modulation);

            const std::int32_t size = window.getSize();
            const float selected =
                size <= 1 ? expected[size] : selectRankLiteral(expected.data(), size);
            Pool got{};
            std::memcpy(got.data(), window.historyData(), sizeof(Pool));
            ASSERT_TRUE(samePools(got, expected)) << "sample " << n << ", size " << size;
            ASSERT_EQ(bitsOf(y), bitsOf(selected * kCurrent + previous * kPrevious))
                << "sample " << n;
        }
    }
}
