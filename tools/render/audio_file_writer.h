#pragma once

#include "pending_file.h"

#include <cstdint>
#include <optional>
#include <sndfile.h>
#include <string>

namespace render
{

// The libsndfile format for OUT: its major type from the file name's ending
// (else from `inputFormat`), its encoding from `bits` (default 32-bit float,
// 24-bit for FLAC, which holds no floats). Throws a usage error when none fits.
int outputFormat(const std::string& path, std::optional<int> inputFormat, std::optional<int> bits);

// Writes interleaved 32-bit frames into a pending file; `commit` moves it
// into place, and an uncommitted writer leaves nothing behind.
class AudioFileWriter
{
public:
    AudioFileWriter(const std::string& path, int format, int channels, int sampleRate);
    ~AudioFileWriter();
    AudioFileWriter(const AudioFileWriter&) = delete;
    AudioFileWriter& operator=(const AudioFileWriter&) = delete;

    void write(const float* interleaved, std::int64_t count);
    void commit();

private:
    PendingFile pending_;
    SNDFILE* file_ = nullptr;
};

} // namespace render
