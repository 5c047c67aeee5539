#include "xy_pad_wp.h"

#include "draw_probe.h"
#include "recording_listener.h"

#include <gtest/gtest.h>

namespace
{
using namespace VSTGUI;

// A pad of 110 × 110 pixels at (20, 30) with a handle 10 pixels across, so the
// handle travels 100 pixels on each axis.
struct Pad
{
    explicit Pad(bool joystick)
    {
        pad = new CXYPadWP(CRect(20, 30, 130, 140));
        pad->setRoundRectRadius(10);
        pad->setJoystickMode(joystick);
        pad->setListener(&listener);
    }
    ~Pad() { pad->forget(); }
    // The pointer position at view fractions (fx, fy) of the handle's travel.
    static CPoint at(double fx, double fy) { return CPoint(25 + 100 * fx, 35 + 100 * fy); }
    void viewXY(float& x, float& y) const { CXYPad::calculateXY(pad->getValue(), x, y); }

    RecordingListener listener;
    CXYPadWP* pad;
};

struct SetValueCase
{
    bool joystick;
    float x;
    float y;
    bool stored;
    float viewX;
    float viewY;
};

TEST(XYPadWP, SetValueTurnsTheParameterSideYIntoTheViewSide)
{
    const SetValueCase cases[] = {
        {false, 0.f, 0.f, true, 0.f, 1.f},
        {false, 1.f, 1.f, true, 1.f, 0.f},       // slightly below 0, clamped
        {false, 0.5f, 0.5f, true, 0.5f, 0.499f}, // truncation loses a thousandth
        {true, 0.f, 0.f, false, 0.f, 0.f},       // (0, 1) lies outside the diamond
        {true, 0.5f, 0.5f, true, 0.5f, 0.499f},
    };
    for (const SetValueCase& c : cases)
    {
        Pad p(c.joystick);
        const float before = CXYPad::calculateValue(0.3f, 0.3f);
        p.pad->CXYPad::setValue(before);
        p.pad->setValue(CXYPad::calculateValue(c.x, c.y));
        if (!c.stored)
        {
            EXPECT_EQ(p.pad->getValue(), before) << c.x << " " << c.y;
            continue;
        }
        float x = 0.f;
        float y = 0.f;
        p.viewXY(x, y);
        EXPECT_NEAR(x, c.viewX, 1e-6) << c.joystick << " " << c.x << " " << c.y;
        EXPECT_NEAR(y, c.viewY, 2e-4) << c.joystick << " " << c.x << " " << c.y;
    }
}

TEST(XYPadWP, ADragReportsTheParameterSideValueBeforeTheEditBegins)
{
    Pad p(false);
    CPoint where = Pad::at(0.25, 0.25);
    EXPECT_EQ(p.pad->onMouseDown(where, kLButton), kMouseEventHandled);
    ASSERT_EQ(p.listener.events.size(), 2u);
    EXPECT_EQ(p.listener.events[1], "begin");
    EXPECT_FLOAT_EQ(p.listener.values[0], CXYPad::calculateValue(0.25f, 0.75f));
    EXPECT_FLOAT_EQ(p.pad->getValue(), CXYPad::calculateValue(0.25f, 0.25f));

    // During a drag, values are stored as given.
    p.pad->setValue(0.123f);
    EXPECT_FLOAT_EQ(p.pad->getValue(), 0.123f);

    where = Pad::at(2.0, -1.0); // beyond the corner: clamped
    p.pad->onMouseMoved(where, kLButton);
    EXPECT_FLOAT_EQ(p.listener.values.back(), CXYPad::calculateValue(1.f, 1.f));
    p.pad->onMouseUp(where, kLButton);
    EXPECT_EQ(p.listener.events.back(), "end");
    EXPECT_FALSE(p.pad->isDragging());
    EXPECT_FALSE(p.pad->isEditing());
}

TEST(XYPadWP, OnlyTheLeftButtonAloneDrags)
{
    Pad p(false);
    CPoint where = Pad::at(0.5, 0.5);
    EXPECT_EQ(p.pad->onMouseDown(where, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(p.pad->onMouseDown(where, kLButton | kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(p.listener.events.empty());
    EXPECT_FALSE(p.pad->isEditing());
    // Modifier keys do not matter.
    EXPECT_EQ(p.pad->onMouseDown(where, kLButton | kShift), kMouseEventHandled);
}

TEST(XYPadWP, TheJoystickHandleStaysAtTheLastPointInsideTheDiamond)
{
    Pad p(true);
    // The first position lies in the top-left corner, outside: the handle jumps to
    // the initial last point inside, (0, 0).
    CPoint where = Pad::at(0.1, 0.1);
    p.pad->onMouseDown(where, kLButton);
    EXPECT_FLOAT_EQ(p.listener.values.back(), CXYPad::calculateValue(0.f, 1.f));

    where = Pad::at(0.5, 0.375);
    p.pad->onMouseMoved(where, kLButton);
    const float inside = p.pad->getValue();
    EXPECT_FLOAT_EQ(p.listener.values.back(), CXYPad::calculateValue(0.5f, 0.625f));

    where = Pad::at(0.9, 0.1); // an excursion outside
    p.pad->onMouseMoved(where, kLButton);
    EXPECT_FLOAT_EQ(p.pad->getValue(), inside);
    EXPECT_FLOAT_EQ(p.listener.values.back(), CXYPad::calculateValue(0.5f, 0.625f));
    p.pad->onMouseUp(where, kLButton);
}

TEST(XYPadWP, RegionTestFollowsTheDiamond)
{
    Pad p(true);
    EXPECT_TRUE(p.pad->isInsideRegion(0.5f, 0.5f));
    EXPECT_TRUE(p.pad->isInsideRegion(0.3f, 0.5f));
    EXPECT_FALSE(p.pad->isInsideRegion(0.1f, 0.1f));
    EXPECT_FALSE(p.pad->isInsideRegion(0.9f, 0.9f));
    EXPECT_FALSE(p.pad->isInsideRegion(0.f, 1.f));
}

TEST(XYPadWP, DrawsTheHandleInTheFontColourWhereTheValueSays)
{
    Pad p(false);
    p.pad->setBackColor(kBlackCColor);
    p.pad->setFontColor(kRedCColor);
    p.pad->setValue(CXYPad::calculateValue(0.f, 0.f)); // parameter side: bottom-left
    draw_probe::Canvas canvas(150, 150);
    p.pad->draw(canvas.get());
    EXPECT_EQ(canvas.at(25, 135).red, 255); // handle centre
    EXPECT_EQ(canvas.at(125, 35).red, 0);   // top-right: back colour
    EXPECT_FALSE(p.pad->isDirty());

    Pad j(true);
    j.pad->setBackColor(kBlackCColor);
    j.pad->setFrameColor(kGreenCColor);
    j.pad->setValue(CXYPad::calculateValue(0.5f, 0.5f));
    draw_probe::Canvas c2(150, 150);
    j.pad->draw(c2.get());
    EXPECT_EQ(c2.at(22, 32).alpha, 0);   // corner outside the diamond stays empty
    EXPECT_EQ(c2.at(40, 85).alpha, 255); // inside the diamond: back colour
    EXPECT_EQ(c2.at(75, 40).green, 255); // the centre cross
}
} // namespace
