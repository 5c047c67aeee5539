#pragma once

#include <utility>
#include <vector>

// A setting of the effect as control changes: (list position, normalized value).
struct BenchSetting
{
    const char* name;
    std::vector<std::pair<int, float>> changes;
};

// The default controls; both windows at 64 with no modulation, the longest
// selection on every sample; and both windows swept by their LFOs (Buffer
// Mods on, LFO Dest "size").
inline const std::vector<BenchSetting>& benchSettings()
{
    static const std::vector<BenchSetting> settings = {
        {"default", {}},
        {"heavy", {{0, 1.0f}, {8, 1.0f}}},
        {"swept", {{12, 1.0f}, {15, 1.0f}, {6, 1.0f}, {7, 1.0f}}},
    };
    return settings;
}
