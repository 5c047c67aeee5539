#pragma once

// The partition passes of the rank selection, driven by bit masks of each
// pass's comparisons. Every variant file includes this header after choosing
// its instruction set, so everything here has internal linkage: copies compiled
// for different instruction sets must never be merged by the linker.

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace
{

// Bits 0 to n - 1 set; n may be 0 or 64.
inline std::uint64_t lowBits(std::int32_t n)
{
    return n >= 64 ? ~std::uint64_t{0} : (std::uint64_t{1} << n) - 1;
}

// Bits from to to - 1 set.
inline std::uint64_t bitsFrom(std::int32_t from, std::int32_t to)
{
    return lowBits(to) & ~lowBits(from);
}

// Performs the element moves of one pass over lo..hi in memory. `notAbove` has
// the positions of lo..hi - 1 whose element the pivot is >= , `above` the rest
// (not empty). The scan swaps the n-th element not above the pivot into
// position lo + n; those before the first element above the pivot swap with
// themselves, so the moves start there. Returns the pivot's new position.
inline std::int32_t moveElements(float* window, std::uint64_t notAbove, std::uint64_t above,
                                 std::int32_t hi)
{
    std::int32_t next = std::countr_zero(above);
    for (std::uint64_t rest = notAbove & ~lowBits(next + 1); rest != 0; rest &= rest - 1)
    {
        std::swap(window[next], window[std::countr_zero(rest)]);
        ++next;
    }
    std::swap(window[next], window[hi]);
    return next;
}

// Performs `count` passes in memory whose pivot is below every element of its
// range: positions lo..lo + count - 1 take the pivot and the elements of lo..lo
// + count - 2, and hi takes the element of lo + count - 1.
inline void rotateElements(float* window, std::int32_t lo, std::int32_t count, std::int32_t hi)
{
    const float pivot = window[hi];
    window[hi] = window[lo + count - 1];
    std::memmove(window + lo + 1, window + lo, sizeof(float) * (count - 1));
    window[lo] = pivot;
}

// Whether the passes from hi down to target all move nothing, so that the pass
// at target finds rank target - lo + 1 and ends the selection: they do exactly
// when target..hi ascend and the element of target is >= every element of
// lo..target - 1 (so none of them is NaN).
template <class Window>
bool quietDownTo(const Window& window, const float* memory, std::int32_t size, std::int32_t lo,
                 std::int32_t hi, std::int32_t target)
{
    // `ascending` compares pairs inside 0..size - 1; the top pair of the whole
    // window is compared here.
    const std::uint64_t steps = bitsFrom(target, std::min(hi, size - 1));
    if (hi == size && target < hi && !(memory[hi] >= memory[hi - 1]))
        return false;
    const std::uint64_t below = bitsFrom(lo, target);
    return (window.ascending() & steps) == steps &&
           (window.atMost(memory[target], lo, target) & below) == below;
}

// Given that the pass over lo..hi moves nothing (its pivot is >= every element
// below it) but the passes do not stay quiet down to the end of the
// selection, moves hi down to the first pass that moves elements and returns
// that pass's `notAbove` mask. The quiet pivots are the top of the ascending
// run ending at hi whose elements are also >= every element below the run. No
// element below hi is NaN, or the first pass would have moved it.
template <class Window>
std::uint64_t skipQuietPasses(const Window& window, const float* memory, std::int32_t lo,
                              std::int32_t& hi)
{
    // The run cannot reach lo: the passes would then stay quiet to the end.
    const std::uint64_t descents = ~window.ascending() & bitsFrom(lo, hi - 1);
    const std::int32_t runFrom = 64 - std::countl_zero(descents);
    // The run's first element is below its predecessor, so the quiet passes
    // stop above it, mostly one or two above. The masks of those passes are
    // the masks of the pass below the quiet ones.
    const std::uint64_t atFirst = window.atMost(memory[runFrom], lo, runFrom);
    const std::uint64_t atSecond = window.atMost(memory[runFrom + 1], lo, runFrom + 1);
    if ((atSecond & bitsFrom(lo, runFrom + 1)) == bitsFrom(lo, runFrom + 1))
    {
        hi = runFrom;
        return atFirst & bitsFrom(lo, runFrom);
    }
    if (runFrom + 2 <= hi)
    {
        const std::uint64_t atThird = window.atMost(memory[runFrom + 2], lo, runFrom + 2);
        if ((atThird & bitsFrom(lo, runFrom + 2)) == bitsFrom(lo, runFrom + 2))
        {
            hi = runFrom + 1;
            return atSecond & bitsFrom(lo, runFrom + 1);
        }
    }
    const float bound = window.largest(lo, runFrom);
    const std::uint64_t reaching = window.reaching(bound) & bitsFrom(runFrom, hi);
    hi = (reaching == 0 ? hi : std::countr_zero(reaching)) - 1;
    return window.atMost(memory[hi], lo, hi) & bitsFrom(lo, hi);
}

// Given that the pivot of the pass over lo..hi is below every element (the pass
// swaps lo with hi and finds rank 1), returns how many passes in a row do the
// same, each on the range one higher with the element from lo as its pivot.
// Without NaN those elements are the start of the strictly rising run from lo
// that stay below every element after the run. The count may exceed hi - lo.
template <class Window>
std::int32_t risingPassesFrom(const Window& window, std::int32_t lo, std::int32_t hi)
{
    if (!window.ordered(lo, hi))
        return 1;
    const std::uint64_t rises = ~window.falling() & bitsFrom(lo, hi - 1);
    const std::int32_t runEnd = lo + std::countr_one(rises >> lo);
    if (runEnd == hi - 1)
        return hi - lo + 1;
    const float bound = window.smallest(runEnd + 1, hi);
    const std::uint64_t blocked = window.reaching(bound) & bitsFrom(lo, runEnd + 1);
    return 1 + std::countr_zero(blocked) - lo;
}

// Runs the passes of the selection for sizes 2 to 64: partition lo..hi on the
// pivot window[hi] and continue in the side that holds rank k. The window stays
// nearly partitioned from the previous sample, so most passes either find their
// pivot >= everything below it and move nothing, or find it below everything
// and only swap it with lo; runs of either kind are taken at once.
//
// `Window` supplies the comparisons as bit masks over positions (bits outside
// the range asked for may hold anything; every comparison with NaN is false):
// `atMost(value, lo, hi)` (bit j: value >= window[j]), `ascending()` (bit j:
// window[j + 1] >= window[j]), `falling()` (bit j: window[j] >= window[j + 1]),
// `reaching(bound)` (bit j: window[j] >= bound); `ordered(from, to)` (no NaN),
// `largest(from, to)` and `smallest(from, to)` of ordered elements; and the
// moves: `movePass(notAbove, above, lo, hi)` performs a pass and returns the
// pivot's new position, `rotate(lo, count, hi)` performs `count` passes of the
// rising kind.
template <class Window> float selectByMasks(float* memory, std::int32_t size)
{
    Window window(memory, size);
    std::int32_t lo = 0;
    std::int32_t hi = size;
    std::int32_t k = size / 2;
    for (;;)
    {
        const std::int32_t target = lo + k - 1;
        if (quietDownTo(window, memory, size, lo, hi, target))
            return memory[target];
        std::uint64_t range = bitsFrom(lo, hi);
        std::uint64_t notAbove = window.atMost(memory[hi], lo, hi) & range;
        std::uint64_t above = range & ~notAbove;
        if (above == 0)
        {
            notAbove = skipQuietPasses(window, memory, lo, hi);
            range = bitsFrom(lo, hi);
            above = range & ~notAbove;
        }
        if (notAbove == 0)
        {
            // Stop before a pass whose range would be empty: its pivot would be
            // the element of hi itself.
            const std::int32_t passes = std::min({risingPassesFrom(window, lo, hi), k, hi - lo});
            window.rotate(lo, passes, hi);
            if (passes == k)
                return memory[lo + k - 1];
            lo += passes;
            k -= passes;
            continue;
        }
        const std::int32_t pivotAt = window.movePass(notAbove, above, lo, hi);
        const std::int32_t rank = pivotAt - lo + 1;
        if (rank == k)
            return memory[pivotAt];
        if (k < rank)
        {
            hi = pivotAt - 1;
        }
        else
        {
            k -= rank;
            lo = pivotAt + 1;
        }
    }
}

} // namespace
