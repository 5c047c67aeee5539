#include "rank_selection.h"

#include "rank_selection_variants.h"

#include <iterator>

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

const RankSelectionVariant* fastestSupported()
{
    for (const RankSelectionVariant& variant : kRankSelectionVariants)
    {
        if (variant.supported())
            return &variant;
    }
    return &kRankSelectionVariants[std::size(kRankSelectionVariants) - 1];
}

// Chosen once when the library loads, so a call pays no initialisation check.
// Null until static initialisation has run; the literal partition serves
// any earlier call.
const RankSelectionVariant* const fast = fastestSupported();

} // namespace

float selectRank(float* window, std::int32_t size)
{
    // Short windows go straight to the literal partition, which is the
    // fastest there whatever the machine.
    if (size < kShortestForAnyVariant)
        return size < 2 ? window[size > 0 ? size : 0] : selectRankLiteral(window, size);
    if (fast == nullptr || size < fast->shortest || size > 64)
        return selectRankLiteral(window, size);
    return fast->select(window, size);
}
