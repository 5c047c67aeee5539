#pragma once

#include "audio_source.h"

#include <sndfile.h>
#include <string>

namespace render
{

// A mono or stereo WAV, AIFF or FLAC file read through libsndfile.
class AudioFileReader : public AudioSource
{
public:
    // Throws a render error naming the problem when the file cannot be used.
    explicit AudioFileReader(const std::string& path);
    ~AudioFileReader() override;
    AudioFileReader(const AudioFileReader&) = delete;
    AudioFileReader& operator=(const AudioFileReader&) = delete;

    int channels() const override { return info_.channels; }
    int sampleRate() const override { return info_.samplerate; }
    std::int64_t frames() const override { return info_.frames; }
    std::int64_t read(float* interleaved, std::int64_t count) override;

    // libsndfile's format code (major type and sample encoding).
    int format() const { return info_.format; }

private:
    std::string path_;
    SF_INFO info_{};
    SNDFILE* file_ = nullptr;
};

} // namespace render
