#pragma once

#include <sndfile.h>
#include <string>
#include <vector>

namespace render_test
{

// Interleaved audio as a test writes or reads it.
struct Audio
{
    int channels = 2;
    int sampleRate = 48000;
    int format = SF_FORMAT_WAV | SF_FORMAT_FLOAT;
    std::vector<float> samples;

    long frames() const { return static_cast<long>(samples.size()) / channels; }
};

// A deterministic test signal: a sine sweep plus noise, different per channel.
Audio testSignal(int channels, int sampleRate, long frames);

void writeAudio(const std::string& path, const Audio& audio);
Audio readAudio(const std::string& path);

} // namespace render_test
