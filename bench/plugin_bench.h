#pragma once

#include "bench_signal.h"

#include <string>

// Registers one benchmark per signal, named by `pluginBenchName`: the built
// bundle loaded through its factory like a host loads it, processing stereo
// 48 kHz in 512-frame blocks with both windows at 64. Its counter `x_realtime`
// is seconds of audio per second of processing.
void registerPluginBenchmarks();

std::string pluginBenchName(BenchSignal signal);
