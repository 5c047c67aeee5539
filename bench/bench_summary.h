#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

// Console output as usual, and afterwards one table of what the runs are for:
// the selection's ns per sample, literal beside fast with their ratio, the
// engine's ns per stereo frame and the plug-in's real-time factor. Each figure
// is the median of the benchmark's repetitions, in CPU time: on a shared
// machine the wall clock also counts the time other processes run.
class BenchSummary : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& runs) override;
    void printSummary() const;

private:
    struct Figures
    {
        std::vector<double> times;
        std::vector<double> realtime;
        double medianTime = -1.0;
        double medianRealtime = -1.0;
    };

    // CPU time per iteration (the benchmark's unit) of a registered name, or -1.
    double time(const std::string& name) const;
    double realtime(const std::string& name) const;

    std::map<std::string, Figures> figures;
};
