#include "rank_selection_bench.h"

#include "bench_config.h"
#include "bench_signal.h"
#include "rank_selection.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace
{

using Selector = float (*)(float*, std::int32_t);

// One iteration is one sample through a pool the way the window stage runs it.
void selectSamples(benchmark::State& state, Selector select, BenchSignal signal, std::int32_t size)
{
    const std::vector<float> input = benchSignal(signal, 1 << 16, 1);
    std::array<float, 65> pool{};
    std::int32_t writeIndex = 0;
    std::size_t n = 0;
    const auto step = [&]
    {
        pool[writeIndex] = input[n];
        n = (n + 1) & (input.size() - 1);
        const float selected = size < 2 ? pool[size] : select(pool.data(), size);
        benchmark::DoNotOptimize(selected);
        writeIndex = writeIndex + 1 <= size ? writeIndex + 1 : 0;
    };
    // The pool reaches its steady, nearly partitioned state first.
    for (int warmUp = 0; warmUp < 4096; ++warmUp)
        step();
    for (auto _ : state)
        step();
    state.SetItemsProcessed(state.iterations());
}

} // namespace

void registerRankSelectionBenchmarks()
{
    const std::pair<const char*, Selector> selectors[] = {{"literal", selectRankLiteral},
                                                          {"fast", selectRank}};
    for (const BenchSignal signal : kBenchSignals)
    {
        for (const int window : kBenchWindows)
        {
            for (const auto& [name, select] : selectors)
            {
                const std::string label = std::string("select/") + name + "/" + signalName(signal) +
                                          "/" + std::to_string(window);
                repeated(benchmark::RegisterBenchmark(label.c_str(), selectSamples, select, signal,
                                                      window));
            }
        }
    }
}
