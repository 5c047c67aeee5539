#if defined(__x86_64__)

// Clang takes the target features as an attribute on every function below.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,bmi,bmi2,popcnt,lzcnt"))),                \
                             apply_to = function)
#else
#pragma GCC target("avx2,bmi,bmi2,popcnt,lzcnt")
#endif

#include "rank_selection_passes.h"
#include "rank_selection_variants.h"

#include <immintrin.h>

namespace
{

// Keeps window[0..size - 1] in `Vectors` registers of 8 floats, compares them
// all at once, and moves elements in memory, reloading the copy after every
// pass that moved any.
template <int Vectors> class Avx2Window
{
public:
    Avx2Window(float* memory, std::int32_t size)
        : memory(memory),
          lastLanes(_mm256_cmpgt_epi32(_mm256_set1_epi32(size + 1 - 8 * (Vectors - 1)),
                                       _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7)))
    {
        reload();
    }

    std::uint64_t atMost(float value, std::int32_t, std::int32_t) const
    {
        return compareAll<_CMP_LE_OQ>(value);
    }

    std::uint64_t ascending() const { return compareNext<_CMP_GE_OQ>(); }

    std::uint64_t falling() const { return compareNext<_CMP_LE_OQ>(); }

    std::uint64_t reaching(float bound) const { return compareAll<_CMP_GE_OQ>(bound); }

    bool ordered(std::int32_t from, std::int32_t to) const
    {
        std::uint64_t unordered = 0;
#pragma GCC unroll 8
        for (int v = 0; v < Vectors; ++v)
            unordered |= bitsOf(_mm256_cmp_ps(lanes[v], lanes[v], _CMP_UNORD_Q), v);
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

    std::int32_t movePass(std::uint64_t notAbove, std::uint64_t above, std::int32_t,
                          std::int32_t hi)
    {
        const std::int32_t pivotAt = moveElements(memory, notAbove, above, hi);
        reload();
        return pivotAt;
    }

    void rotate(std::int32_t lo, std::int32_t count, std::int32_t hi)
    {
        rotateElements(memory, lo, count, hi);
        reload();
    }

private:
    static std::uint64_t bitsOf(__m256 hits, int vector)
    {
        return std::uint64_t{static_cast<std::uint32_t>(_mm256_movemask_ps(hits))} << (8 * vector);
    }

    // Bit j: window[j] `Predicate` value.
    template <int Predicate> std::uint64_t compareAll(float value) const
    {
        const __m256 broadcast = _mm256_set1_ps(value);
        std::uint64_t mask = 0;
#pragma GCC unroll 8
        for (int v = 0; v < Vectors; ++v)
            mask |= bitsOf(_mm256_cmp_ps(lanes[v], broadcast, Predicate), v);
        return mask;
    }

    // Bit j: window[j + 1] `Predicate` window[j], for j + 1 < 8 * Vectors.
    template <int Predicate> std::uint64_t compareNext() const
    {
        const __m256i rotate = _mm256_setr_epi32(1, 2, 3, 4, 5, 6, 7, 0);
        std::uint64_t mask = 0;
#pragma GCC unroll 8
        for (int v = 0; v < Vectors; ++v)
        {
            __m256 next = _mm256_permutevar8x32_ps(lanes[v], rotate);
            if (v + 1 < Vectors)
            {
                const __m256 first = _mm256_permutevar8x32_ps(lanes[v + 1], _mm256_setzero_si256());
                next = _mm256_blend_ps(next, first, 0x80);
            }
            mask |= bitsOf(_mm256_cmp_ps(next, lanes[v], Predicate), v);
        }
        return mask;
    }

    template <bool Largest> static __m256 pick(__m256 a, __m256 b)
    {
        if constexpr (Largest)
            return _mm256_max_ps(a, b);
        else
            return _mm256_min_ps(a, b);
    }

    // The largest or the smallest of the ordered elements picked by `wanted`.
    template <bool Largest> float reduce(std::uint64_t wanted) const
    {
        const __m256i laneBits = _mm256_setr_epi32(1, 2, 4, 8, 16, 32, 64, 128);
        __m256 found = _mm256_set1_ps(Largest ? -__builtin_inff() : __builtin_inff());
#pragma GCC unroll 8
        for (int v = 0; v < Vectors; ++v)
        {
            const __m256i part = _mm256_set1_epi32(static_cast<int>((wanted >> (8 * v)) & 0xff));
            const __m256 taken =
                _mm256_castsi256_ps(_mm256_cmpeq_epi32(_mm256_and_si256(part, laneBits), laneBits));
            found = pick<Largest>(found, _mm256_blendv_ps(found, lanes[v], taken));
        }
        found = pick<Largest>(found, _mm256_permute2f128_ps(found, found, 1));
        found = pick<Largest>(found, _mm256_permute_ps(found, 0x4e));
        found = pick<Largest>(found, _mm256_permute_ps(found, 0xb1));
        return _mm256_cvtss_f32(found);
    }

    // The last vector is loaded under a mask: the window may end inside it.
    void reload()
    {
        for (int v = 0; v < Vectors - 1; ++v)
            lanes[v] = _mm256_loadu_ps(memory + 8 * v);
        lanes[Vectors - 1] = _mm256_maskload_ps(memory + 8 * (Vectors - 1), lastLanes);
    }

    float* memory;
    __m256i lastLanes;
    __m256 lanes[Vectors];
};

template <int Vectors> float select(float* window, std::int32_t size)
{
    return selectByMasks<Avx2Window<Vectors>>(window, size);
}

} // namespace

float selectRankAvx2(float* window, std::int32_t size)
{
    using Selector = float (*)(float*, std::int32_t);
    static constexpr Selector bySize[8] = {select<1>, select<2>, select<3>, select<4>,
                                           select<5>, select<6>, select<7>, select<8>};
    return bySize[(size - 1) / 8](window, size);
}

#if defined(__clang__)
#pragma clang attribute pop
#endif

#endif
