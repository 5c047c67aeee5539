#pragma once

// Registers "engine/<setting>": nanoseconds per stereo frame of the effect
// engine called directly.
void registerEngineBenchmarks();
