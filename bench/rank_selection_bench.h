#pragma once

#include <array>

// Windows the selection is measured at; 1 selects without partitioning.
inline constexpr std::array<int, 7> kBenchWindows = {1, 2, 8, 16, 32, 48, 64};

// Registers "select/<literal|fast>/<signal>/<window>": nanoseconds per sample
// of a window stage's pool (write, select, advance) with the literal
// partition and with `selectRank`.
void registerRankSelectionBenchmarks();
