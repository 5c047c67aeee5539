#if defined(__x86_64__)

// Clang takes the target features as an attribute on every function below.
#if defined(__clang__)
#pragma clang attribute push(                                                                      \
    __attribute__((target("avx512f,avx512bw,avx512vbmi,avx512vbmi2,bmi,bmi2,popcnt,lzcnt"))),      \
    apply_to = function)
#else
#pragma GCC target("avx512f,avx512bw,avx512vbmi,avx512vbmi2,bmi,bmi2,popcnt,lzcnt")
// GCC 12 reports the undefined pass-through operands inside its own AVX-512
// intrinsics as uninitialized.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#endif

#include "rank_selection_passes.h"
#include "rank_selection_variants.h"

#include <immintrin.h>

#include <algorithm>
#include <array>
#include <utility>

namespace
{

constexpr std::array<std::uint8_t, 64> kPositions = []
{
    std::array<std::uint8_t, 64> positions{};
    for (std::size_t j = 0; j < positions.size(); ++j)
        positions[j] = static_cast<std::uint8_t>(j);
    return positions;
}();

// Keeps the window in `Vectors` registers of 16 floats (positions 0 to 63 at
// most; a window of size 64 leaves position 64, the first pivot, in memory) and
// performs a pass that moves elements as one permutation of the registers,
// written back to memory as whole vectors. Scalar swaps in memory would make
// the next wide load wait for them to retire, on every such pass.
template <int Vectors> class Avx512Window
{
    static constexpr std::int32_t kLanes = 16 * Vectors;

public:
    Avx512Window(float* memory, std::int32_t size)
        : memory(memory),
          lastMask(static_cast<__mmask16>(lowBits(std::min(size + 1, kLanes) - (kLanes - 16))))
    {
#pragma GCC unroll 4
        for (int v = 0; v < Vectors - 1; ++v)
            lanes[v] = _mm512_loadu_ps(memory + 16 * v);
        lanes[Vectors - 1] = _mm512_maskz_loadu_ps(lastMask, memory + kLanes - 16);
    }

    std::uint64_t atMost(float value, std::int32_t, std::int32_t) const
    {
        return compareAll<_CMP_LE_OQ>(value);
    }

    std::uint64_t ascending() const
    {
        return compareNext<_CMP_GE_OQ>();
    }

    std::uint64_t falling() const
    {
        return compareNext<_CMP_LE_OQ>();
    }

    std::uint64_t reaching(float bound) const
    {
        return compareAll<_CMP_GE_OQ>(bound);
    }

    bool ordered(std::int32_t from, std::int32_t to) const
    {
        std::uint64_t unordered = 0;
#pragma GCC unroll 4
        for (int v = 0; v < Vectors; ++v)
            unordered |= std::uint64_t{_mm512_cmp_ps_mask(lanes[v], lanes[v], _CMP_UNORD_Q)}
                         << (16 * v);
        return (unordered & bitsFrom(from, to)) == 0;
    }

    float largest(std::int32_t from, std::int32_t to) const
    {
        return reduce<true>(bitsFrom(from, to));
    }

    float smallest(std::int32_t from, std::int32_t to) const
    {
        return reduce<false>(bitsFrom(from, to));
    }

    // The pass's permutation, as the source position of every destination:
    // the elements not above the pivot close up in order from lo, the pivot
    // follows them, and every other destination takes the element the scan's
    // swaps leave there. The scan swaps the n-th element not above the pivot
    // that follows the first element above it with position first + n, and
    // the last swap brings what reached pivotAt to hi; so such a position's
    // final element is whatever reached first + n (pivotAt for hi), found by
    // following those links until they end at an element above the pivot.
    // Repeated squaring follows all links at once.
    std::int32_t movePass(std::uint64_t notAbove, std::uint64_t above, std::int32_t lo,
                          std::int32_t hi)
    {
        const __m512i positions = _mm512_loadu_si512(kPositions.data());
        const std::int32_t pivotAt = lo + std::popcount(notAbove);
        const std::int32_t first = std::countr_zero(above);
        const std::uint64_t linked = notAbove & ~lowBits(first + 1);
        const bool hiInLanes = hi < kLanes;
        // Expanding first, first + 1, ... over the links gives hi pivotAt.
        const std::uint64_t links = hiInLanes ? linked | std::uint64_t{1} << hi : linked;

        const __m512i closing = _mm512_maskz_expand_epi8(
            bitsFrom(lo, pivotAt), _mm512_maskz_compress_epi8(notAbove, positions));
        __m512i source = _mm512_mask_expand_epi8(
            positions, links,
            _mm512_add_epi8(positions, _mm512_set1_epi8(static_cast<char>(first))));
        // Every link leads to a lower linked position or ends, so no path is
        // longer than the number of links.
        for (int step = std::bit_width(static_cast<unsigned>(std::popcount(links))); step > 0;
             --step)
            source = _mm512_permutexvar_epi8(source, source);
        source = _mm512_mask_mov_epi8(source, bitsFrom(lo, pivotAt), closing);
        if (hiInLanes)
            return finish(_mm512_mask_mov_epi8(source, std::uint64_t{1} << pivotAt,
                                               _mm512_set1_epi8(static_cast<char>(hi))),
                          pivotAt);

        // The first pass of the longest window: its pivot and hi lie beyond
        // the registers.
        const float pivot = memory[hi];
        const __m512i toHi =
            _mm512_permutexvar_epi8(_mm512_set1_epi8(static_cast<char>(pivotAt)), source);
        memory[hi] = memory[_mm_cvtsi128_si32(_mm512_castsi512_si128(toHi)) & 0xff];
        permute(source, std::make_integer_sequence<int, Vectors>());
        place(pivot, pivotAt);
        store();
        return pivotAt;
    }

    // Positions lo..lo + count - 1 take the pivot and the elements of lo..lo +
    // count - 2; hi takes the element of lo + count - 1.
    void rotate(std::int32_t lo, std::int32_t count, std::int32_t hi)
    {
        const __m512i positions = _mm512_loadu_si512(kPositions.data());
        const __m512i source = _mm512_mask_sub_epi8(positions, bitsFrom(lo + 1, lo + count),
                                                    positions, _mm512_set1_epi8(1));
        if (hi < kLanes)
        {
            const __m512i ends =
                _mm512_mask_mov_epi8(source, std::uint64_t{1} << hi,
                                     _mm512_set1_epi8(static_cast<char>(lo + count - 1)));
            finish(_mm512_mask_mov_epi8(ends, std::uint64_t{1} << lo,
                                        _mm512_set1_epi8(static_cast<char>(hi))),
                   lo);
            return;
        }
        const float pivot = memory[hi];
        memory[hi] = memory[lo + count - 1];
        permute(source, std::make_integer_sequence<int, Vectors>());
        place(pivot, lo);
        store();
    }

private:
    // Bit j: window[j] `Predicate` value.
    template <int Predicate> std::uint64_t compareAll(float value) const
    {
        const __m512 broadcast = _mm512_set1_ps(value);
        std::uint64_t mask = 0;
#pragma GCC unroll 4
        for (int v = 0; v < Vectors; ++v)
            mask |= std::uint64_t{_mm512_cmp_ps_mask(lanes[v], broadcast, Predicate)} << (16 * v);
        return mask;
    }

    // Bit j: window[j + 1] `Predicate` window[j], for j + 1 < kLanes.
    template <int Predicate> std::uint64_t compareNext() const
    {
        std::uint64_t mask = 0;
#pragma GCC unroll 4
        for (int v = 0; v < Vectors; ++v)
        {
            const __m512i following =
                v + 1 < Vectors ? _mm512_castps_si512(lanes[v + 1]) : _mm512_setzero_si512();
            const __m512 next = _mm512_castsi512_ps(
                _mm512_alignr_epi32(following, _mm512_castps_si512(lanes[v]), 1));
            mask |= std::uint64_t{_mm512_cmp_ps_mask(next, lanes[v], Predicate)} << (16 * v);
        }
        return mask;
    }

    template <bool Largest> static __m512 pick(__m512 a, __m512 b)
    {
        if constexpr (Largest)
            return _mm512_max_ps(a, b);
        else
            return _mm512_min_ps(a, b);
    }

    // The largest or the smallest of the ordered elements picked by `wanted`.
    template <bool Largest> float reduce(std::uint64_t wanted) const
    {
        const __m512 none = _mm512_set1_ps(Largest ? -__builtin_inff() : __builtin_inff());
        __m512 parts[Vectors];
#pragma GCC unroll 4
        for (int v = 0; v < Vectors; ++v)
            parts[v] =
                _mm512_mask_mov_ps(none, static_cast<__mmask16>(wanted >> (16 * v)), lanes[v]);
        // A tree keeps the chain of dependent steps short.
        if constexpr (Vectors >= 2)
            parts[0] = pick<Largest>(parts[0], parts[1]);
        if constexpr (Vectors == 4)
            parts[2] = pick<Largest>(parts[2], parts[3]);
        if constexpr (Vectors >= 3)
            parts[0] = pick<Largest>(parts[0], parts[2]);
        __m512 found = parts[0];
        found = pick<Largest>(found, _mm512_permute_ps(found, 0xb1));
        found = pick<Largest>(found, _mm512_permute_ps(found, 0x4e));
        found = pick<Largest>(found, _mm512_shuffle_f32x4(found, found, 0xb1));
        found = pick<Largest>(found, _mm512_shuffle_f32x4(found, found, 0x4e));
        return _mm512_cvtss_f32(found);
    }

    // Applies a permutation that stays inside the registers and writes the
    // result back; returns `position`.
    std::int32_t finish(__m512i source, std::int32_t position)
    {
        permute(source, std::make_integer_sequence<int, Vectors>());
        store();
        return position;
    }

    void place(float value, std::int32_t position)
    {
        const std::uint64_t bit = std::uint64_t{1} << position;
        const __m512 broadcast = _mm512_set1_ps(value);
#pragma GCC unroll 4
        for (int v = 0; v < Vectors; ++v)
            lanes[v] =
                _mm512_mask_mov_ps(lanes[v], static_cast<__mmask16>(bit >> (16 * v)), broadcast);
    }

    void store()
    {
#pragma GCC unroll 4
        for (int v = 0; v < Vectors - 1; ++v)
            _mm512_storeu_ps(memory + 16 * v, lanes[v]);
        _mm512_mask_storeu_ps(memory + kLanes - 16, lastMask, lanes[Vectors - 1]);
    }

    // Element `V` * 16 + i of the result is element source[V * 16 + i] of the
    // window.
    template <int V> __m512 gathered(__m512i source) const
    {
        const __m512i index = _mm512_cvtepu8_epi32(_mm512_extracti32x4_epi32(source, V));
        if constexpr (Vectors == 1)
            return _mm512_permutexvar_ps(index, lanes[0]);
        const __m512 low = _mm512_permutex2var_ps(lanes[0], index, lanes[1]);
        if constexpr (Vectors == 2)
            return low;
        const __m512 high = Vectors == 3 ? _mm512_permutexvar_ps(index, lanes[2])
                                         : _mm512_permutex2var_ps(lanes[2], index, lanes[3]);
        return _mm512_mask_mov_ps(low, _mm512_test_epi32_mask(index, _mm512_set1_epi32(32)), high);
    }

    template <int... V> void permute(__m512i source, std::integer_sequence<int, V...>)
    {
        const __m512 result[Vectors] = {gathered<V>(source)...};
#pragma GCC unroll 4
        for (int v = 0; v < Vectors; ++v)
            lanes[v] = result[v];
    }

    float* memory;
    __mmask16 lastMask;
    __m512 lanes[Vectors];
};

} // namespace

float selectRankAvx512(float* window, std::int32_t size)
{
    switch (size / 16)
    {
    case 0:
        return selectByMasks<Avx512Window<1>>(window, size);
    case 1:
        return selectByMasks<Avx512Window<2>>(window, size);
    case 2:
        return selectByMasks<Avx512Window<3>>(window, size);
    default:
        return selectByMasks<Avx512Window<4>>(window, size);
    }
}

#if defined(__clang__)
#pragma clang attribute pop
#endif

#endif
