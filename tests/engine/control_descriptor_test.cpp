#include "control_descriptor.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ControlDescriptor, FreshDescriptorHasDefaults)
{
    const CControlDescriptor d;
    EXPECT_EQ(d.meterDetectMode, 2u);
    EXPECT_EQ(d.dataType, static_cast<std::uint32_t>(kDataNone));
    EXPECT_EQ(d.intVariable, nullptr);
    EXPECT_EQ(d.floatVariable, nullptr);
    EXPECT_EQ(d.doubleVariable, nullptr);
    EXPECT_EQ(d.uintVariable, nullptr);
    EXPECT_EQ(d.meterVariable, nullptr);
    EXPECT_STREQ(d.name, "");
    EXPECT_STREQ(d.units, "");
    EXPECT_STREQ(d.variableName, "");
    EXPECT_STREQ(d.enumeration, "");
    EXPECT_FALSE(d.meterLogScale);
    EXPECT_FALSE(d.logScale);
    EXPECT_FALSE(d.logScaleAlt);
    EXPECT_EQ(d.meterAttackMs, 10.0f);
    EXPECT_EQ(d.meterReleaseMs, 500.0f);
    EXPECT_FALSE(d.midiControllable);
    EXPECT_EQ(d.midiStatus, 176u);
    EXPECT_EQ(d.midiController, 3u);
    EXPECT_EQ(d.lcdMember, 0);
}

TEST(ControlDescriptor, CopyTakesEveryFieldAndOwnsItsTexts)
{
    std::int32_t i = 0;
    float f = 0;
    double g = 0;
    std::uint32_t u = 0;
    float meter = 0;
    CControlDescriptor d;
    d.controlType = 103;
    d.controlId = 9;
    d.meterDetectMode = 1;
    d.minValue = -2.0f;
    d.maxValue = 7.5f;
    d.dataType = kDataDouble;
    d.intDefault = 1;
    d.floatDefault = 2;
    d.doubleDefault = 3;
    d.uintDefault = 4;
    d.intVariable = &i;
    d.floatVariable = &f;
    d.doubleVariable = &g;
    d.uintVariable = &u;
    d.meterVariable = &meter;
    d.setName("Name");
    d.setUnits("dB");
    d.setVariableName("m_fThing");
    d.setEnumeration("a,b");
    d.meterLogScale = true;
    d.logScale = true;
    d.logScaleAlt = true;
    d.meterAttackMs = 1.0f;
    d.meterReleaseMs = 2.0f;
    d.midiControllable = true;
    d.midiStatus = 144;
    d.midiController = 7;
    d.lcdMember = 1;

    CControlDescriptor copy(d);
    d.setName("changed");
    EXPECT_STREQ(copy.name, "Name");
    EXPECT_STREQ(copy.units, "dB");
    EXPECT_STREQ(copy.variableName, "m_fThing");
    EXPECT_STREQ(copy.enumeration, "a,b");
    EXPECT_EQ(copy.controlType, 103u);
    EXPECT_EQ(copy.controlId, 9u);
    EXPECT_EQ(copy.meterDetectMode, 1u);
    EXPECT_EQ(copy.minValue, -2.0f);
    EXPECT_EQ(copy.maxValue, 7.5f);
    EXPECT_EQ(copy.dataType, 2u);
    EXPECT_EQ(copy.intDefault, 1.0f);
    EXPECT_EQ(copy.floatDefault, 2.0f);
    EXPECT_EQ(copy.doubleDefault, 3.0f);
    EXPECT_EQ(copy.uintDefault, 4.0f);
    // Variable pointers are shared: the copy still writes the engine's members.
    EXPECT_EQ(copy.intVariable, &i);
    EXPECT_EQ(copy.floatVariable, &f);
    EXPECT_EQ(copy.doubleVariable, &g);
    EXPECT_EQ(copy.uintVariable, &u);
    EXPECT_EQ(copy.meterVariable, &meter);
    EXPECT_TRUE(copy.meterLogScale);
    EXPECT_TRUE(copy.logScale);
    EXPECT_TRUE(copy.logScaleAlt);
    EXPECT_EQ(copy.meterAttackMs, 1.0f);
    EXPECT_EQ(copy.meterReleaseMs, 2.0f);
    EXPECT_TRUE(copy.midiControllable);
    EXPECT_EQ(copy.midiStatus, 144u);
    EXPECT_EQ(copy.midiController, 7u);
    EXPECT_EQ(copy.lcdMember, 1);
}

TEST(ControlDescriptor, SelfAssignmentChangesNothing)
{
    CControlDescriptor d;
    d.controlId = 5;
    d.setName("Mix");
    CControlDescriptor& alias = d;
    d = alias;
    EXPECT_EQ(d.controlId, 5u);
    EXPECT_STREQ(d.name, "Mix");
}

TEST(ControlDescriptor, TextsAreCutTo1023CharactersAndNullReadsAsEmpty)
{
    const std::string longText(1500, 'x');
    CControlDescriptor d;
    d.setName(longText.c_str());
    d.setUnits(longText.c_str());
    d.setVariableName(longText.c_str());
    d.setEnumeration(longText.c_str());
    for (const char* text : {d.name, d.units, d.variableName, d.enumeration})
        EXPECT_EQ(std::string(text), longText.substr(0, 1023));

    d.setName(nullptr);
    EXPECT_STREQ(d.name, "");
}
