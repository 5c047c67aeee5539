#include "attribute_reading.h"

#include <gtest/gtest.h>

namespace
{
using namespace VSTGUI::AttributeReading;

struct PairCase
{
    const char* text;
    long a;
    long b;
};

TEST(AttributeReading, PairReadsTheIntegersBeforeAndAfterTheFirstComma)
{
    const PairCase cases[] = {
        {"20, 30", 20, 30}, {" 20,  30", 20, 30}, {"12.9, 7.5", 12, 7}, {"-4,+6", -4, 6},
        {"100", 0, 0},      {"", 0, 0},           {"a, b", 0, 0},       {"5,", 5, 0},
        {"1, 2, 3", 1, 2},  {"7 px, 8 px", 7, 8},
    };
    for (const PairCase& c : cases)
    {
        const Pair p = readPair(c.text);
        EXPECT_EQ(p.a, c.a) << c.text;
        EXPECT_EQ(p.b, c.b) << c.text;
    }
}

TEST(AttributeReading, NumbersStopAtTheFirstCharacterThatIsNoDigit)
{
    EXPECT_EQ(readLong("12"), 12);
    EXPECT_EQ(readLong("Cutoff"), 0);
    EXPECT_EQ(readLong("  -3x"), -3);
    EXPECT_EQ(readInt("99999999999999"), 2147483647);
    EXPECT_DOUBLE_EQ(readReal("48.5px"), 48.5);
    EXPECT_DOUBLE_EQ(readReal("none"), 0.0);
}

TEST(AttributeReading, FlagIsOnOnlyForTheExactTextTrue)
{
    EXPECT_TRUE(readFlag("true"));
    for (const char* off : {"TRUE", "True", "1", "yes", " true", ""})
        EXPECT_FALSE(readFlag(off)) << off;
}
} // namespace
