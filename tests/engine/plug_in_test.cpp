#include "plug_in.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace
{
// A bare engine with one control of each data type, recording notifications.
class RecordingEngine : public CPlugIn
{
public:
    RecordingEngine()
    {
        add(10, kDataInt, 1.0f, 64.0f);
        add(11, kDataUInt, 0.0f, 3.0f);
        add(12, kDataFloat, 0.01f, 20.0f);
        add(13, kDataDouble, -1.0f, 1.0f);
        add(14, kDataNone, 0.0f, 1.0f);
        add(15, kDataUInt, -1.0f, 3.0f);
    }

    bool controlChanged(std::uint32_t controlId) override
    {
        changed.push_back(controlId);
        return true;
    }

    std::int32_t intValue = 0;
    std::uint32_t uintValue = 0;
    float floatValue = 0;
    double doubleValue = 0;
    std::uint32_t signedRangeValue = 0;
    std::vector<std::uint32_t> changed;

private:
    void add(std::uint32_t id, ControlDataType type, float minValue, float maxValue)
    {
        CControlDescriptor d;
        d.controlType = kControlOrdinary;
        d.controlId = id;
        d.dataType = type;
        d.minValue = minValue;
        d.maxValue = maxValue;
        switch (id)
        {
        case 10:
            d.intVariable = &intValue;
            break;
        case 11:
            d.uintVariable = &uintValue;
            break;
        case 12:
            d.floatVariable = &floatValue;
            break;
        case 13:
            d.doubleVariable = &doubleValue;
            break;
        case 15:
            d.uintVariable = &signedRangeValue;
            break;
        default:
            break;
        }
        controls.append(d);
    }
};

enum Position
{
    kInt,
    kUInt,
    kFloat,
    kDouble,
    kNone,
    kSignedRangeUInt,
    kCount
};
} // namespace

TEST(PlugIn, BaseDefaults)
{
    CPlugIn engine;
    EXPECT_FALSE(engine.outputOnly);
    EXPECT_FALSE(engine.wantsMidiMessages);
    EXPECT_FALSE(engine.processesBlocks);
    EXPECT_EQ(engine.sampleRate, 44100);
    EXPECT_EQ(engine.controls.count(), 0);
    EXPECT_STREQ(engine.name, "Name Not Set.");
    EXPECT_FALSE(engine.wantsEditor);
    EXPECT_EQ(engine.lcdEnabled, 0);
    EXPECT_EQ(engine.vectorJoystickEnabled, 0);
    EXPECT_EQ(engine.guiUpdateRequested.load(), 0);
    EXPECT_STREQ(engine.buttonNames[0], "B1");
    EXPECT_STREQ(engine.buttonNames[1], "B2");
    EXPECT_STREQ(engine.buttonNames[2], "B3");
    EXPECT_EQ(engine.spareHookC(), -1.0f);
    EXPECT_EQ(engine.spareHookD(), 0);
    EXPECT_TRUE(engine.buildControls());
    EXPECT_EQ(engine.controls.count(), 0);
}

TEST(PlugIn, JoystickDescriptors)
{
    CPlugIn engine;
    EXPECT_STREQ(engine.joystickX.name, "MIDI JS X");
    EXPECT_STREQ(engine.joystickY.name, "MIDI JS Y");
    for (const CControlDescriptor* d : {&engine.joystickX, &engine.joystickY})
    {
        EXPECT_EQ(d->controlId, 0u);
        EXPECT_FALSE(d->midiControllable);
        EXPECT_EQ(d->midiStatus, 176u);
        EXPECT_EQ(d->dataType, static_cast<std::uint32_t>(kDataNone));
    }
    EXPECT_EQ(engine.joystickX.midiController, 16u);
    EXPECT_EQ(engine.joystickY.midiController, 17u);
}

TEST(PlugIn, NoteFrequencyTableStepsBySemitonesInDoublePrecision)
{
    CPlugIn engine;
    EXPECT_EQ(engine.noteFrequency[0], static_cast<float>(8.175798915636872));
    EXPECT_EQ(engine.noteFrequency[57], 220.0f);
    EXPECT_EQ(engine.noteFrequency[69], 440.0f);
    EXPECT_NEAR(engine.noteFrequency[126], 11839.82f, 0.01f);
}

TEST(PlugIn, SetControlNormalizedStoresByDataTypeAndNotifies)
{
    struct Case
    {
        Position position;
        float normalized;
        double expected; // value read back from the bound variable
    };
    const Case cases[] = {
        {kInt, 0.5f, 32.0}, // 1 + 63 * 0.5 = 32.5, truncated
        {kInt, 0.0f, 1.0},
        {kInt, 1.0f, 64.0},
        {kUInt, 1.0f, 3.0}, // the top state only at exactly 1
        {kUInt, 0.99f, 2.0},
        {kFloat, 0.5f, (20.0f - 0.01f) * 0.5f + 0.01f},
        {kDouble, 0.25f, -0.5},
        {kSignedRangeUInt, 0.0f, 4294967295.0}, // -1 keeps its low 32 bits
        // Out-of-range values are clamped into [0, 1] first.
        {kInt, 1.5f, 64.0},
        {kInt, -0.5f, 1.0},
        {kUInt, std::numeric_limits<float>::infinity(), 3.0},
        {kFloat, -std::numeric_limits<float>::infinity(), 0.01f},
    };
    for (const Case& c : cases)
    {
        RecordingEngine engine;
        engine.setControlNormalized(c.position, c.normalized);
        const double values[] = {static_cast<double>(engine.intValue),
                                 static_cast<double>(engine.uintValue),
                                 static_cast<double>(engine.floatValue),
                                 engine.doubleValue,
                                 0.0,
                                 static_cast<double>(engine.signedRangeValue)};
        EXPECT_EQ(values[c.position], c.expected)
            << "position " << c.position << " normalized " << c.normalized;
        EXPECT_EQ(engine.changed, std::vector<std::uint32_t>{10u + c.position});
    }
}

TEST(PlugIn, SetControlNormalizedWithoutTargetOrWithNaN)
{
    RecordingEngine engine;
    // A descriptor without a variable still notifies.
    engine.setControlNormalized(kNone, 0.5f);
    EXPECT_EQ(engine.changed, std::vector<std::uint32_t>{14});

    engine.changed.clear();
    engine.intValue = 7;
    engine.setControlNormalized(kCount, 0.5f);
    engine.setControlNormalized(-1, 0.5f);
    engine.setControlNormalized(kInt, std::numeric_limits<float>::quiet_NaN());
    EXPECT_EQ(engine.intValue, 7);
    EXPECT_TRUE(engine.changed.empty());
}

TEST(PlugIn, GetControlNormalizedByDataType)
{
    RecordingEngine engine;
    engine.intValue = 32;
    engine.uintValue = 2;
    engine.floatValue = 1.0f;
    engine.doubleValue = 0.5;
    engine.signedRangeValue = 4294967295u; // read as unsigned, not as -1

    EXPECT_EQ(engine.getControlNormalized(kInt), 31.0f / 63.0f);
    EXPECT_EQ(engine.getControlNormalized(kUInt), 2.0f / 3.0f);
    const float expected = (1.0f - 0.01f) / (20.0f - 0.01f);
    EXPECT_EQ(engine.getControlNormalized(kFloat), expected);
    EXPECT_EQ(engine.getControlNormalized(kDouble), 0.75f);
    EXPECT_EQ(engine.getControlNormalized(kSignedRangeUInt), (4294967295.0f + 1.0f) / 4.0f);
    EXPECT_EQ(engine.getControlNormalized(kNone), 0.0f);
    EXPECT_EQ(engine.getControlNormalized(kCount), 0.0f);
    EXPECT_EQ(engine.getControlNormalized(-1), 0.0f);

    // Reads are not clamped.
    engine.intValue = 127;
    EXPECT_EQ(engine.getControlNormalized(kInt), 2.0f);
}

TEST(PlugIn, FindControlReturnsTheFirstMatch)
{
    RecordingEngine engine;
    CControlDescriptor twin;
    twin.controlId = 12;
    engine.controls.append(twin);
    EXPECT_EQ(engine.findControl(12), engine.controls.at(kFloat));
    EXPECT_EQ(engine.findControl(99), nullptr);
}
