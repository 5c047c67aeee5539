#include "bench_summary.h"

#include "bench_settings.h"
#include "bench_signal.h"
#include "plugin_bench.h"
#include "rank_selection_bench.h"

#include <algorithm>
#include <cstdio>

namespace
{

double median(std::vector<double> values)
{
    if (values.empty())
        return -1.0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2.0;
}

} // namespace

void BenchSummary::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs)
    {
        if (run.error_occurred)
            continue;
        Figures& entry = figures[run.run_name.function_name];
        const auto counter = run.counters.find("x_realtime");
        const double realtimeFactor = counter == run.counters.end() ? -1.0 : counter->second.value;
        if (run.run_type == Run::RT_Iteration)
        {
            entry.times.push_back(run.GetAdjustedCPUTime());
            entry.realtime.push_back(realtimeFactor);
        }
        else if (run.aggregate_name == "median")
        {
            entry.medianTime = run.GetAdjustedCPUTime();
            entry.medianRealtime = realtimeFactor;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

double BenchSummary::time(const std::string& name) const
{
    const auto found = figures.find(name);
    if (found == figures.end())
        return -1.0;
    return found->second.medianTime >= 0.0 ? found->second.medianTime : median(found->second.times);
}

double BenchSummary::realtime(const std::string& name) const
{
    const auto found = figures.find(name);
    if (found == figures.end())
        return -1.0;
    return found->second.medianRealtime >= 0.0 ? found->second.medianRealtime
                                               : median(found->second.realtime);
}

void BenchSummary::printSummary() const
{
    std::printf("\nRank selection, CPU ns per sample (median): literal / fast = ratio\n");
    std::printf("%-8s", "window");
    for (const BenchSignal signal : kBenchSignals)
        std::printf("  %-32s", signalName(signal));
    std::printf("\n");
    for (const int window : kBenchWindows)
    {
        std::printf("%-8d", window);
        for (const BenchSignal signal : kBenchSignals)
        {
            const std::string suffix =
                std::string("/") + signalName(signal) + "/" + std::to_string(window);
            const double literal = time("select/literal" + suffix);
            const double fast = time("select/fast" + suffix);
            if (literal < 0.0 || fast <= 0.0)
                std::printf("  %-32s", "-");
            else
                std::printf("  %8.1f / %7.1f = %6.2fx     ", literal, fast, literal / fast);
        }
        std::printf("\n");
    }

    std::printf("\nEngine, CPU ns per stereo frame (median)\n");
    for (const BenchSetting& setting : benchSettings())
    {
        const double frame = time(std::string("engine/") + setting.name);
        if (frame > 0.0)
            std::printf("  %-8s %8.1f ns  (%.0fx real time at 48 kHz)\n", setting.name, frame,
                        1e9 / 48000.0 / frame);
    }

    std::printf(
        "\nPlug-in through VST 3 process, stereo 48 kHz, 512-frame blocks, heavy setting\n");
    for (const BenchSignal signal : kBenchSignals)
    {
        const double factor = realtime(pluginBenchName(signal));
        if (factor > 0.0)
            std::printf("  %-16s %.0fx real time\n", signalName(signal), factor);
        else
            std::printf("  %-16s not measured\n", signalName(signal));
    }
}
