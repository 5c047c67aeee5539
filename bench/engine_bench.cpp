#include "engine_bench.h"

#include "bench_config.h"
#include "bench_settings.h"
#include "bench_signal.h"
#include "create_engine.h"
#include "plug_in.h"

#include <memory>
#include <string>
#include <vector>

namespace
{

// One iteration is one stereo frame.
void processFrames(benchmark::State& state, const BenchSetting* setting)
{
    std::unique_ptr<CPlugIn> engine(createEngine());
    engine->sampleRate = 48000;
    engine->prepare();
    for (const auto& [position, value] : setting->changes)
        engine->setControlNormalized(position, value);

    const std::vector<float> left = benchSignal(BenchSignal::WhiteNoise, 1 << 16, 2);
    const std::vector<float> right = benchSignal(BenchSignal::WhiteNoise, 1 << 16, 3);
    std::size_t n = 0;
    float in[2] = {};
    float out[2] = {};
    for (auto _ : state)
    {
        in[0] = left[n];
        in[1] = right[n];
        n = (n + 1) & (left.size() - 1);
        engine->processFrame(in, out, 2, 2);
        benchmark::DoNotOptimize(out);
    }
    state.SetItemsProcessed(state.iterations());
}

} // namespace

void registerEngineBenchmarks()
{
    for (const BenchSetting& setting : benchSettings())
    {
        const std::string label = std::string("engine/") + setting.name;
        repeated(benchmark::RegisterBenchmark(label.c_str(), processFrames, &setting));
    }
}
