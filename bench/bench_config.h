#pragma once

#include <benchmark/benchmark.h>

// Every benchmark repeats a few times and is summarised by its median, so one
// busy moment on the machine does not decide a figure.
inline benchmark::internal::Benchmark* repeated(benchmark::internal::Benchmark* bench)
{
    return bench->MinTime(0.2)->Repetitions(3)->DisplayAggregatesOnly(true);
}
