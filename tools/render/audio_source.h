#pragma once

#include <cstdint>

namespace render
{

// A stream of interleaved 32-bit frames with a known length, read block by
// block so a render never holds more than one block of it.
class AudioSource
{
public:
    virtual ~AudioSource() = default;
    virtual int channels() const = 0;
    virtual int sampleRate() const = 0;
    virtual std::int64_t frames() const = 0;
    // Reads up to `count` frames into `interleaved`; returns how many were
    // read, 0 at the end.
    virtual std::int64_t read(float* interleaved, std::int64_t count) = 0;
};

} // namespace render
