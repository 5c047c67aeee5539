#include "audio_file_writer.h"

#include "tool_error.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace render
{

int outputFormat(const std::string& path, std::optional<int> inputFormat, std::optional<int> bits)
{
    std::string ending = std::filesystem::path(path).extension().string();
    std::transform(ending.begin(), ending.end(), ending.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    int major = 0;
    if (ending == ".wav")
        major = SF_FORMAT_WAV;
    else if (ending == ".aif" || ending == ".aiff" || ending == ".aifc")
        major = SF_FORMAT_AIFF;
    else if (ending == ".flac")
        major = SF_FORMAT_FLAC;
    else if (inputFormat)
        major = *inputFormat & SF_FORMAT_TYPEMASK;
    else
        usageError("cannot tell the format of " + path + ": name it .wav, .aiff or .flac");

    if (major == SF_FORMAT_FLAC)
    {
        if (bits == 32)
            usageError("FLAC holds 16 or 24 bits, not 32 (" + path + ")");
        return major | (bits == 16 ? SF_FORMAT_PCM_16 : SF_FORMAT_PCM_24);
    }
    const int encoding = bits == 16   ? SF_FORMAT_PCM_16
                         : bits == 24 ? SF_FORMAT_PCM_24
                                      : SF_FORMAT_FLOAT;
    return major | encoding;
}

AudioFileWriter::AudioFileWriter(const std::string& path, int format, int channels, int sampleRate)
    : pending_(path)
{
    SF_INFO info{};
    info.format = format;
    info.channels = channels;
    info.samplerate = sampleRate;
    if (!sf_format_check(&info))
        renderError("cannot write " + path + " with " + std::to_string(channels) + " channels at " +
                    std::to_string(sampleRate) + " Hz in this format");
    file_ = sf_open(pending_.temporaryPath().c_str(), SFM_WRITE, &info);
    if (!file_)
        renderError("cannot write " + path + ": " + sf_strerror(nullptr));
    // Integer output saturates instead of wrapping round when the effect
    // overshoots full scale.
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

AudioFileWriter::~AudioFileWriter()
{
    if (file_)
        sf_close(file_);
}

void AudioFileWriter::write(const float* interleaved, std::int64_t count)
{
    if (sf_writef_float(file_, interleaved, count) != count)
        renderError("cannot write " + pending_.finalPath() + ": " + sf_strerror(file_));
}

void AudioFileWriter::commit()
{
    const int result = sf_close(file_);
    file_ = nullptr;
    if (result != 0)
        renderError("cannot write " + pending_.finalPath());
    pending_.commit();
}

} // namespace render
