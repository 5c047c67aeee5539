#include "peak_parameter.h"

#include "platform/vst3host/tchar_string.h"

#include <gtest/gtest.h>

using namespace Steinberg::Vst;
using Steinberg::Vst::Wrenlock::PeakParameter;

namespace
{

TEST(PeakParameter, ShowsLevelsInDecibels)
{
    const PeakParameter peak(ParameterInfo::kIsReadOnly, 9, u"Level");
    const struct
    {
        double value;
        const char* text;
    } rows[] = {{1.0, "0.000"}, {0.5, "-6.021"},     {0.1, "-20.000"}, {0.001, "-60.000"},
                {2.0, "6.021"}, {0.0001, "-\u221E"}, {0.0, "-\u221E"}};
    for (const auto& row : rows)
    {
        String128 text = {};
        peak.toString(row.value, text);
        EXPECT_EQ(vst3host::toUtf8(text), row.text) << row.value;
    }
}

TEST(PeakParameter, StartsAtFullScaleAndRefusesTypedValues)
{
    const PeakParameter peak(ParameterInfo::kIsReadOnly, 9, u"Level");
    EXPECT_EQ(peak.getInfo().defaultNormalizedValue, 0.5);
    EXPECT_EQ(peak.getNormalized(), 1.0);
    EXPECT_EQ(peak.getInfo().flags, ParameterInfo::kIsReadOnly);
    EXPECT_EQ(peak.getInfo().stepCount, 0);
    ParamValue value = 0.25;
    EXPECT_FALSE(peak.fromString(u"-6.021", value));
    EXPECT_FALSE(peak.fromString(u"", value));
}

} // namespace
