#include "log_scale_parameter.h"

#include "platform/vst3host/tchar_string.h"

#include <gtest/gtest.h>

using namespace Steinberg::Vst;

namespace
{

struct LogScale20To20000 : ::testing::Test
{
    LogScaleMapping mapping = LogScaleMapping::fromRange(20.0f, 20000.0f);
    LogScaleParameter<double> parameter{u"Cutoff", 3, u"Hz", &mapping};
};

TEST_F(LogScale20To20000, MappingPutsHalfWayAtATenthOfTheRange)
{
    EXPECT_DOUBLE_EQ(mapping.plainSpan, 19980.0);
    EXPECT_DOUBLE_EQ(mapping.plainMin, 20.0);
    EXPECT_NEAR(mapping.exponent, 3.321928094887362, 1e-9);
    EXPECT_DOUBLE_EQ(mapping.inverseExponent, 1.0 / mapping.exponent);
}

TEST_F(LogScale20To20000, ConvertsAlongThePowerCurve)
{
    const struct
    {
        double normalized;
        double plain;
        double tolerance;
    } rows[] = {{0.0, 20.0, 0.0},
                {0.25, 219.8, 0.1},
                {0.5, 2018.0, 0.1},
                {0.75, 7703.5, 0.1},
                {1.0, 20000.0, 0.0}};
    for (const auto& row : rows)
        EXPECT_NEAR(parameter.toPlain(row.normalized), row.plain, row.tolerance) << row.normalized;
    EXPECT_NEAR(parameter.toNormalized(1000.0), 0.4035, 1e-4);
    EXPECT_NEAR(parameter.toNormalized(parameter.toPlain(0.3)), 0.3, 1e-6);
}

TEST_F(LogScale20To20000, PlainValuesBelowTheMinimumMapToZero)
{
    EXPECT_EQ(parameter.toNormalized(19.0), 0.0);
    EXPECT_EQ(parameter.toNormalized(-1e9), 0.0);
    EXPECT_EQ(parameter.toNormalized(std::numeric_limits<double>::quiet_NaN()), 0.0);
}

TEST_F(LogScale20To20000, ShowsAndReadsPlainValues)
{
    parameter.setPrecision(2);
    String128 text = {};
    parameter.toString(0.5, text);
    EXPECT_EQ(vst3host::toUtf8(text), "2018.00");

    ParamValue normalized = -1.0;
    ASSERT_TRUE(parameter.fromString(u"1000", normalized));
    EXPECT_NEAR(normalized, 0.4035, 1e-4);
    EXPECT_FALSE(parameter.fromString(u"loud", normalized));
    EXPECT_FALSE(parameter.fromString(nullptr, normalized));
}

TEST_F(LogScale20To20000, ReportsItsOwnTypeOverTheParameterChain)
{
    EXPECT_STREQ(parameter.isA(), "LogScaleParameter<T>");
    EXPECT_TRUE(parameter.isTypeOf("Parameter"));
    EXPECT_TRUE(parameter.isTypeOf("FObject"));
}

} // namespace
