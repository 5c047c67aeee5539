#include "rank_selection_variants.h"

namespace
{

bool always()
{
    return true;
}

#if defined(__x86_64__)
bool hasAvx2()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") && __builtin_cpu_supports("bmi2") &&
           __builtin_cpu_supports("popcnt");
}

bool hasAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512bw") &&
           __builtin_cpu_supports("avx512vbmi") && __builtin_cpu_supports("avx512vbmi2") &&
           hasAvx2();
}
#else
bool never()
{
    return false;
}

float unavailable(float* window, std::int32_t size)
{
    return selectRankScalar(window, size);
}
#endif

} // namespace

#if !defined(__x86_64__)
float selectRankAvx2(float* window, std::int32_t size)
{
    return unavailable(window, size);
}

float selectRankAvx512(float* window, std::int32_t size)
{
    return unavailable(window, size);
}
#endif

const RankSelectionVariant kRankSelectionVariants[3] = {
#if defined(__x86_64__)
    {"avx512", selectRankAvx512, hasAvx512, 13},
    {"avx2", selectRankAvx2, hasAvx2, 13},
#else
    {"avx512", selectRankAvx512, never, 13},
    {"avx2", selectRankAvx2, never, 13},
#endif
    {"scalar", selectRankScalar, always, 20},
};
