#include "sub_controller_factory.h"

#include "knob_wp.h"
#include "lcd_controller.h"
#include "pad_controller_wp.h"
#include "recording_edit_controller.h"
#include "xy_pad_wp.h"

#include "ui_attributes.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using namespace VSTGUI;
using namespace Steinberg::Vst;

struct Published
{
    bool lcd = true;
    bool lcdEntries = true;
    bool joystick = true;
};

struct FactoryFixture
{
    explicit FactoryFixture(Published what = {})
    {
        lcdParameters.init();
        for (ParamID id = 0; id < 5; ++id)
        {
            Parameter* p = controller->add(new RangeParameter(STR16("P"), id, nullptr, 0, 1, 0));
            if (what.lcdEntries && id < 3)
            {
                p->addRef();
                lcdParameters.addParameter(p);
            }
        }
        if (what.lcd)
        {
            controller->add(new RangeParameter(STR16("Alpha Wheel"), 32771, nullptr, 0, 2, 0));
            controller->add(new RangeParameter(STR16("LCD Value"), 32772, nullptr, 0, 1, 0));
        }
        if (what.joystick)
        {
            controller->add(new RangeParameter(STR16("VectorJoystick X"), 32773, nullptr, 0, 1, 0));
            controller->add(new RangeParameter(STR16("VectorJoystick Y"), 32774, nullptr, 0, 1, 0));
        }
    }
    ~FactoryFixture()
    {
        for (IController* c : made)
            releaseController(c);
        controller->release();
    }
    IController* make(const char* name, CKnobWP* wheel = nullptr)
    {
        IController* c =
            SubControllerFactory::create(name, &parent, controller, lcdParameters, wheel);
        if (c)
            made.push_back(c);
        return c;
    }

    RecordingEditController* controller = new RecordingEditController;
    ParameterContainer lcdParameters;
    RecordingParentController parent;
    std::vector<IController*> made;
};

TEST(SubControllerFactory, MakesAnLcdGroupForEachLcdName)
{
    FactoryFixture f;
    for (const char* name :
         {"LCDController", "LCDControllerControlName", "LCDControllerIndexCount"})
        EXPECT_NE(dynamic_cast<LCDController*>(f.make(name)), nullptr) << name;
    EXPECT_EQ(f.make("LcdController"), nullptr);
}

TEST(SubControllerFactory, LinksNewLcdGroupsToTheAlphaWheel)
{
    FactoryFixture f;
    auto* wheel = new CKnobWP(CRect(0, 0, 10, 10), nullptr, 32771, 1, 10, nullptr, CPoint(), false,
                              true, false);
    auto* first = dynamic_cast<LCDController*>(f.make("LCDController", wheel));
    auto* second = dynamic_cast<LCDController*>(f.make("LCDControllerIndexCount", wheel));
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(wheel->getLCDControllers(), (std::vector<LCDSelectionFollower*>{first, second}));
    wheel->forget();
}

TEST(SubControllerFactory, MakesNoControllerThatWouldHaveNothingToEdit)
{
    FactoryFixture noLcd(Published{.lcd = false});
    EXPECT_EQ(noLcd.make("LCDController"), nullptr);
    FactoryFixture emptyLcd(Published{.lcdEntries = false});
    EXPECT_EQ(emptyLcd.make("LCDController"), nullptr);
    FactoryFixture noJoystick(Published{.joystick = false});
    EXPECT_EQ(noJoystick.make("VectorJoystick"), nullptr);

    FactoryFixture f;
    for (const char* name : {"TrackPad_X3_Y99", "TrackPad_X99_Y3", "Joystick_X-1_Y2",
                             "Joystick_Y4_X3", "Joystick_X3", "Pad_X1_Y2", "unknown"})
        EXPECT_EQ(f.make(name), nullptr) << name;
}

TEST(SubControllerFactory, MakesPadControllersForTheirParameters)
{
    FactoryFixture f;
    IController* vector = f.make("VectorJoystick");
    ASSERT_NE(vector, nullptr);
    EXPECT_EQ(dynamic_cast<CPadControllerWP*>(vector), nullptr);
    EXPECT_NE(dynamic_cast<PadController*>(vector), nullptr);

    const struct
    {
        const char* name;
        ParamID x;
        ParamID y;
    } pads[] = {
        {"TrackPad_X3_Y4", 3, 4},
        {"Joystick_X3_Y4", 3, 4},
        {"VectorJoystick_X1_Y2", 1, 2},
        {"TrackPad_X2_Y0", 2, 0},
    };
    // Pads outlive the moves: every controller on a parameter hears each edit.
    std::vector<std::unique_ptr<CXYPadWP, void (*)(CXYPadWP*)>> controls;
    for (const auto& p : pads)
    {
        auto* pad = dynamic_cast<CPadControllerWP*>(f.make(p.name));
        ASSERT_NE(pad, nullptr) << p.name;
        auto* control = new CXYPadWP(CRect(0, 0, 10, 10));
        controls.emplace_back(control, [](CXYPadWP* c) { c->forget(); });
        pad->verifyView(control, UIAttributes(), nullptr);
        f.controller->log.clear();
        pad->valueChanged(control);
        ASSERT_EQ(f.controller->log.size(), 4u) << p.name;
        EXPECT_EQ(f.controller->log[0].rfind("perform " + std::to_string(p.x) + " ", 0), 0u);
        EXPECT_EQ(f.controller->log[2].rfind("perform " + std::to_string(p.y) + " ", 0), 0u);
    }
}
} // namespace
