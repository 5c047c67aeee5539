#include "plugin_bench.h"

#include "bench_config.h"
#include "bench_settings.h"
#include "bench_signal.h"

#include "platform/vst3host/parameter_changes.h"
#include "platform/vst3host/plugin_instance.h"
#include "platform/vst3host/plugin_module.h"
#include "platform/vst3host/process_buffers.h"

#include <algorithm>
#include <string>
#include <vector>

namespace
{

constexpr int kBlock = 512;
constexpr double kSampleRate = 48000.0;

// One iteration is one `process` call of 512 stereo frames of `signal`.
void processBlocks(benchmark::State& state, BenchSignal signal)
{
    std::string error;
    const auto module = vst3host::PluginModule::load(TOVANE_BUNDLE, error);
    auto instance = module ? vst3host::PluginInstance::create(module, error) : nullptr;
    vst3host::ProcessBuffers buffers(2, 2, kBlock, kSampleRate);
    if (!instance || !instance->start(buffers.setup(Steinberg::Vst::kRealtime), 2, error))
    {
        state.SkipWithError(error.c_str());
        return;
    }

    // The heavy setting arrives as the first block's parameter changes.
    vst3host::ParameterChanges changes(16, 1);
    for (const BenchSetting& setting : benchSettings())
    {
        if (std::string(setting.name) != "heavy")
            continue;
        for (const auto& [position, value] : setting.changes)
            changes.addPoint(static_cast<Steinberg::Vst::ParamID>(position), 0, value);
    }
    buffers.data().inputParameterChanges = &changes;

    const std::vector<float> left = benchSignal(signal, 1 << 16, 4);
    const std::vector<float> right = benchSignal(signal, 1 << 16, 5);
    std::size_t offset = 0;
    for (auto _ : state)
    {
        Steinberg::Vst::ProcessData& data = buffers.begin(kBlock);
        std::copy_n(left.begin() + static_cast<std::ptrdiff_t>(offset), kBlock, buffers.input(0));
        std::copy_n(right.begin() + static_cast<std::ptrdiff_t>(offset), kBlock, buffers.input(1));
        offset = (offset + kBlock) % left.size();
        instance->processor()->process(data);
        changes.clear();
        benchmark::DoNotOptimize(buffers.output(0)[0]);
    }
    state.counters["x_realtime"] =
        benchmark::Counter(kBlock / kSampleRate, benchmark::Counter::kIsIterationInvariantRate);
    state.SetItemsProcessed(state.iterations() * kBlock);
}

} // namespace

std::string pluginBenchName(BenchSignal signal)
{
    return std::string("plugin/heavy/") + signalName(signal) + "/process_512";
}

void registerPluginBenchmarks()
{
    for (const BenchSignal signal : kBenchSignals)
        repeated(
            benchmark::RegisterBenchmark(pluginBenchName(signal).c_str(), processBlocks, signal))
            ->Unit(benchmark::kMicrosecond);
}
