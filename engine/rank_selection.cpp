#include "rank_selection.h"

#include "rank_selection_variants.h"

#include <utility>

float selectRankLiteral(float* window, std::int32_t size)
{
    std::int32_t lo = 0;
    std::int32_t hi = size;
    std::int32_t k = size / 2;
    for (;;)
    {
        const float pivot = window[hi];
        std::int32_t i = lo - 1;
        for (std::int32_t j = lo; j < hi; ++j)
        {
            // A comparison with NaN is false, so NaN never moves left.
            if (pivot >= window[j])
            {
                ++i;
                std::swap(window[i], window[j]);
            }
        }
        std::swap(window[i + 1], window[hi]);
        const std::int32_t rank = i + 1 - lo + 1;
        if (rank == k)
            return window[i + 1];
        if (k < rank)
        {
            hi = i;
        }
        else
        {
            k -= rank;
            lo = i + 2;
        }
    }
}

namespace
{

// Below this size the literal partition is as fast as anything else: the
// mask-based passes pay a fixed cost that only pays off on longer windows.
constexpr std::int32_t kShortestForMasks = 13;
constexpr std::int32_t kLongestForMasks = 64;

RankSelector fastestSupported()
{
    for (const RankSelectionVariant& variant : kRankSelectionVariants)
    {
        if (variant.supported())
            return variant.select;
    }
    return selectRankScalar;
}

} // namespace

float selectRank(float* window, std::int32_t size)
{
    if (size < 2)
        return window[size > 0 ? size : 0];
    if (size < kShortestForMasks || size > kLongestForMasks)
        return selectRankLiteral(window, size);
    static const RankSelector fast = fastestSupported();
    return fast(window, size);
}
