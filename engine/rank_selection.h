#pragma once

#include <cstdint>

// Selects the sample of rank size / 2 (1-based, smallest first) among
// window[0..size] by repeated in-place partitioning on the last element, lowest
// range first. The order it leaves in `window` decides which sample the next
// input overwrites, so every swap is part of the result. Expects size >= 2.
float selectRankLiteral(float* window, std::int32_t size);

// Same result and the same final order of `window` as `selectRankLiteral`;
// this is the one processing calls. Sizes below 2 select window[size] (window[0]
// for a negative size) and leave the order alone.
float selectRank(float* window, std::int32_t size);
