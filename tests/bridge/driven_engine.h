#pragma once

#include "create_engine.h"
#include "plug_in.h"

#include <cstdint>
#include <memory>

// The effect engine as the plug-in drives it before processing: set up for
// `sampleRate`, then activated, which sets it up again.
inline std::unique_ptr<CPlugIn> drivenEngine(std::int32_t sampleRate)
{
    std::unique_ptr<CPlugIn> engine(createEngine());
    engine->sampleRate = sampleRate;
    engine->prepare();
    engine->activate();
    engine->sampleRate = sampleRate;
    engine->prepare();
    return engine;
}
