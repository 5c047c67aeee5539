#pragma once

#include "audio_source.h"

#include <array>
#include <cstdint>

namespace render
{

// A few seconds of music made in code: a plucked-string melody over a drum
// pattern, stereo at 48 kHz. Generated as it is read, so it needs no file and
// always comes out the same.
class DemoSignal : public AudioSource
{
public:
    DemoSignal();

    int channels() const override { return 2; }
    int sampleRate() const override { return rate; }
    std::int64_t frames() const override { return length; }
    std::int64_t read(float* interleaved, std::int64_t count) override;

    static constexpr int rate = 48000;
    static constexpr std::int64_t length = 8 * rate;

private:
    // One plucked string (delay-line resonator excited by a noise burst).
    struct String
    {
        std::array<float, 2048> line{};
        int size = 0;
        int position = 0;
        float damping = 0.0f;
        float pan = 0.5f;
    };

    float noise();
    void pluck(String& string, float frequency, float pan);
    void startEvents(std::int64_t frame);
    void renderFrame(float& left, float& right);

    std::uint32_t seed_ = 0x2545F491u;
    std::int64_t frame_ = 0;
    std::array<String, 3> strings_{};
    int nextString_ = 0;
    double kickPhase_ = 0.0;
    double kickTime_ = 1.0e9;
    double snareTime_ = 1.0e9;
    double hatTime_ = 1.0e9;
    float hatLevel_ = 0.0f;
    float hatPrevious_ = 0.0f;
    float snareTone_ = 0.0;
};

} // namespace render
