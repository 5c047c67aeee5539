#include "sub_controller_name.h"

#include <gtest/gtest.h>

namespace
{
using VSTGUI::classifySubControllerName;
using Kind = VSTGUI::SubControllerName::Kind;

struct NameCase
{
    const char* name;
    Kind kind;
    int32_t x;
    int32_t y;
};

TEST(SubControllerName, ClassifiesEveryKindOfName)
{
    const NameCase cases[] = {
        {"LCDController", Kind::lcd, 0, 0},
        {"LCDControllerControlName", Kind::lcd, 0, 0},
        {"LCDControllerIndexCount", Kind::lcd, 0, 0},
        {"lcdcontroller", Kind::none, 0, 0},
        {"LCDControllerX", Kind::none, 0, 0},
        {"VectorJoystick", Kind::vectorJoystick, 0, 0},
        {"Joystick_X3_Y4", Kind::pad, 3, 4},
        {"TrackPad_X12_Y13", Kind::pad, 12, 13},
        {"TrackPad_X2_Y10", Kind::pad, 2, 10},
        // Not the fixed vector joystick, but a joystick pad name.
        {"VectorJoystick_X1_Y2", Kind::pad, 1, 2},
        {"Joystick_Y4_X3", Kind::none, 0, 0},
        {"Joystick_X3", Kind::none, 0, 0},
        {"TrackPad_Y4_X3", Kind::none, 0, 0},
        {"TrackPad_X3", Kind::none, 0, 0},
        // Axes out of order after "Joystick_" fall through to the trackpad test.
        {"Joystick_Y1_TrackPad_X5_Y6", Kind::none, 0, 0},
        {"trackpad_X1_Y2", Kind::none, 0, 0},
        {"TrackPad_Xab_Ycd", Kind::pad, 0, 0},
        {"TrackPad_X 7_Y-1", Kind::pad, 7, -1},
        {"Pad_X1_Y2", Kind::none, 0, 0},
        {"", Kind::none, 0, 0},
    };
    for (const NameCase& c : cases)
    {
        const auto result = classifySubControllerName(c.name);
        EXPECT_EQ(result.kind, c.kind) << c.name;
        EXPECT_EQ(result.xId, c.x) << c.name;
        EXPECT_EQ(result.yId, c.y) << c.name;
    }
}
} // namespace
