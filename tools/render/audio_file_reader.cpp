#include "audio_file_reader.h"

#include "tool_error.h"

namespace render
{

AudioFileReader::AudioFileReader(const std::string& path) : path_(path)
{
    file_ = sf_open(path.c_str(), SFM_READ, &info_);
    if (!file_)
        renderError("cannot read " + path + ": " + sf_strerror(nullptr));
    const int major = info_.format & SF_FORMAT_TYPEMASK;
    if (major != SF_FORMAT_WAV && major != SF_FORMAT_AIFF && major != SF_FORMAT_FLAC &&
        major != SF_FORMAT_WAVEX && major != SF_FORMAT_RF64)
    {
        sf_close(file_);
        renderError("cannot read " + path + ": not a WAV, AIFF or FLAC file");
    }
    if (info_.channels != 1 && info_.channels != 2)
    {
        sf_close(file_);
        renderError(path + " has " + std::to_string(info_.channels) +
                    " channels; only mono and stereo files can be rendered");
    }
}

AudioFileReader::~AudioFileReader()
{
    sf_close(file_);
}

std::int64_t AudioFileReader::read(float* interleaved, std::int64_t count)
{
    const sf_count_t got = sf_readf_float(file_, interleaved, count);
    if (got < count && sf_error(file_) != SF_ERR_NO_ERROR)
        renderError("cannot read " + path_ + ": " + sf_strerror(file_));
    return got;
}

} // namespace render
