#include "vst2/fixed_text.h"

#include <gtest/gtest.h>

#include <cstring>

namespace
{

std::string copied(std::string_view text, std::size_t size)
{
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);
    vst2::copyFixedText(buffer, size, text);
    EXPECT_EQ(buffer[size], '#') << "wrote past the buffer";
    return buffer;
}

TEST(FixedText, CopiesAreCutToFitWithTheirTerminator)
{
    EXPECT_EQ(copied("Mix", 8), "Mix");
    EXPECT_EQ(copied("Buffer size", 8), "Buffer ");
    EXPECT_EQ(copied("exactly", 8), "exactly");
    EXPECT_EQ(copied("anything", 1), "");
}

TEST(FixedText, ACutNeverSplitsACharacter)
{
    // "Gain µ" with µ as two bytes: cut between them, the whole µ goes.
    EXPECT_EQ(copied("Gain \xC2\xB5", 7), "Gain ");
    EXPECT_EQ(copied("Gain \xC2\xB5", 8), "Gain \xC2\xB5");
}

TEST(FixedText, ReadStopsAtTheTerminatorOrTheBufferEnd)
{
    const char unterminated[4] = {'a', 'b', 'c', 'd'};
    EXPECT_EQ(vst2::readFixedText(unterminated, 4), "abcd");
    EXPECT_EQ(vst2::readFixedText("ab\0cd", 5), "ab");
    EXPECT_EQ(vst2::readFixedText(nullptr, 5), "");
}

} // namespace
