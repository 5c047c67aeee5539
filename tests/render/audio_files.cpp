#include "audio_files.h"

#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace render_test
{

Audio testSignal(int channels, int sampleRate, long frames)
{
    Audio audio;
    audio.channels = channels;
    audio.sampleRate = sampleRate;
    audio.samples.resize(static_cast<size_t>(frames * channels));
    std::uint32_t seed = 12345;
    double phase = 0.0;
    for (long i = 0; i < frames; ++i)
    {
        const double t = static_cast<double>(i) / sampleRate;
        phase += 2.0 * 3.14159265358979 * (100.0 + 2000.0 * t) / sampleRate;
        for (int c = 0; c < channels; ++c)
        {
            seed = seed * 1664525u + 1013904223u;
            const double noise = static_cast<double>(seed >> 8) / 8388608.0 - 1.0;
            audio.samples[static_cast<size_t>(i * channels + c)] =
                static_cast<float>(0.5 * std::sin(phase + c) + 0.2 * noise);
        }
    }
    return audio;
}

void writeAudio(const std::string& path, const Audio& audio)
{
    SF_INFO info{};
    info.channels = audio.channels;
    info.samplerate = audio.sampleRate;
    info.format = audio.format;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr) << sf_strerror(nullptr);
    sf_writef_float(file, audio.samples.data(), audio.frames());
    sf_close(file);
}

Audio readAudio(const std::string& path)
{
    SF_INFO info{};
    Audio audio;
    SNDFILE* file = sf_open(path.c_str(), SFM_READ, &info);
    if (!file)
    {
        ADD_FAILURE() << "cannot read " << path;
        return audio;
    }
    audio.channels = info.channels;
    audio.sampleRate = info.samplerate;
    audio.format = info.format;
    audio.samples.resize(static_cast<size_t>(info.frames * info.channels));
    sf_readf_float(file, audio.samples.data(), info.frames);
    sf_close(file);
    return audio;
}

} // namespace render_test
