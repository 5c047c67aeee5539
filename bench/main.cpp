#include "bench_summary.h"
#include "engine_bench.h"
#include "plugin_bench.h"
#include "rank_selection_bench.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv)
{
    registerRankSelectionBenchmarks();
    registerEngineBenchmarks();
    registerPluginBenchmarks();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BenchSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    summary.printSummary();
    benchmark::Shutdown();
    return 0;
}
