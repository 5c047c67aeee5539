#pragma once

#include <cstdint>

// The implementations behind `selectRank`, one per instruction set, each giving
// the same result and the same final order as `selectRankLiteral` for sizes 2
// to 64. Exposed so that tests and benchmarks can run every one of them.
using RankSelector = float (*)(float* window, std::int32_t size);

struct RankSelectionVariant
{
    const char* name;
    RankSelector select;
    bool (*supported)();
    // Below this size the literal partition is as fast: the mask-based passes
    // pay a fixed cost that only pays off on longer windows.
    std::int32_t shortest;
};

float selectRankScalar(float* window, std::int32_t size);
float selectRankAvx2(float* window, std::int32_t size);
float selectRankAvx512(float* window, std::int32_t size);

// Fastest first; the scalar one runs everywhere.
extern const RankSelectionVariant kRankSelectionVariants[3];

// No variant beats the literal partition below this size.
constexpr std::int32_t kShortestForAnyVariant = 13;
