#include "platform/vst3host/tchar_string.h"

#include <gtest/gtest.h>

namespace
{

TEST(TCharString, RoundTripsAcrossEncodingLengths)
{
    for (const std::string text : {"", "Mix", "10 µs", "a → b", "🎸 ok"})
    {
        Steinberg::Vst::String128 wide;
        vst3host::toString128(text, wide);
        EXPECT_EQ(vst3host::toUtf8(wide), text);
    }
    EXPECT_EQ(vst3host::toUtf8(nullptr), "");
}

TEST(TCharString, TruncatesToFitWithTerminator)
{
    Steinberg::Vst::String128 wide;
    vst3host::toString128(std::string(200, 'x'), wide);
    EXPECT_EQ(vst3host::toUtf8(wide), std::string(127, 'x'));
}

} // namespace
