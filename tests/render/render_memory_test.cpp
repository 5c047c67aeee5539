// A long input renders in the memory of a short one: the tool streams.
#include "audio_files.h"
#include "tool_runner.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

using namespace render_test;

namespace
{

void writeSine(const std::string& path, long frames)
{
    SF_INFO info{};
    info.channels = 1;
    info.samplerate = 48000;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(path.c_str(), SFM_WRITE, &info);
    ASSERT_NE(file, nullptr);
    std::vector<float> block(48000);
    for (long at = 0; at < frames; at += static_cast<long>(block.size()))
    {
        for (size_t i = 0; i < block.size(); ++i)
            block[i] = 0.5f * static_cast<float>(
                                  std::sin(0.05 * static_cast<double>(at + static_cast<long>(i))));
        sf_writef_float(file, block.data(),
                        std::min<long>(frames - at, static_cast<long>(block.size())));
    }
    sf_close(file);
}

TEST(RenderMemory, LongInputUsesNoMoreMemoryThanShortInput)
{
    TempDir dir;
    const long shortFrames = 48000;     // 1 s
    const long longFrames = 90 * 48000; // 90 s: 17 MB of samples held as floats
    writeSine(dir / "short.wav", shortFrames);
    writeSine(dir / "long.wav", longFrames);

    const ToolResult shortRun =
        runTool({dir / "short.wav", dir / "short_out.wav", "--plot", dir / "short.png"});
    ASSERT_EQ(shortRun.exitCode, 0) << shortRun.err;
    const ToolResult longRun =
        runTool({dir / "long.wav", dir / "long_out.wav", "--plot", dir / "long.png"});
    ASSERT_EQ(longRun.exitCode, 0) << longRun.err;
    EXPECT_EQ(readAudio(dir / "long_out.wav").frames(), longFrames);

    EXPECT_LT(longRun.maxRssKilobytes - shortRun.maxRssKilobytes, 3 * 1024)
        << "short run " << shortRun.maxRssKilobytes << " kB, long run " << longRun.maxRssKilobytes
        << " kB";
}

} // namespace
