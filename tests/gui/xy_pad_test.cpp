#include "c_xy_pad.h"

#include "recording_listener.h"
#include "test_images.h"

#include <gtest/gtest.h>

using namespace gui_test;

namespace
{

TEST(XYPad, PacksBothCoordinatesIntoOneValue)
{
    float v = CXYPad::calculateValue(0.25f, 0.75f);
    EXPECT_NEAR(v, 0.250075f, 1e-6);
    float x = 0.f;
    float y = 0.f;
    CXYPad::calculateXY(v, x, y);
    EXPECT_FLOAT_EQ(x, 0.25f);
    EXPECT_NEAR(y, 0.75f, 5e-4);
    // Coordinates are truncated to thousandths, not rounded.
    EXPECT_FLOAT_EQ(CXYPad::calculateValue(0.0019f, 0.f), 0.001f);
}

struct XYPadFixture : testing::Test
{
    RecordingListener listener;
    CXYPad pad{CRect(0, 0, 110, 110)};

    void SetUp() override
    {
        pad.setRoundRectRadius(10);
        pad.setListener(&listener);
    }
};

TEST_F(XYPadFixture, LeftDragReportsPositionsInsideOneEdit)
{
    // The handle's centre travels from 5 to 105.
    CPoint p(30, 80);
    EXPECT_EQ(pad.onMouseDown(p, kLButton), kMouseEventHandled);
    float x = 0.f;
    float y = 0.f;
    CXYPad::calculateXY(pad.getValue(), x, y);
    EXPECT_FLOAT_EQ(x, 0.25f);
    EXPECT_NEAR(y, 0.75f, 5e-4);
    CPoint outside(500, -500);
    pad.onMouseMoved(outside, kLButton);
    CXYPad::calculateXY(pad.getValue(), x, y);
    EXPECT_FLOAT_EQ(x, 1.f);
    EXPECT_NEAR(y, 0.f, 5e-4);
    EXPECT_EQ(pad.onMouseUp(outside, kLButton), kMouseEventHandled);
    ASSERT_EQ(listener.events.size(), 4u);
    EXPECT_EQ(listener.events.front(), "begin");
    EXPECT_EQ(listener.events.back(), "end");
}

TEST_F(XYPadFixture, OtherButtonsAreNotHandled)
{
    CPoint p(30, 30);
    EXPECT_EQ(pad.onMouseDown(p, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(pad.onMouseDown(p, CButtonState(kLButton | kRButton)), kMouseEventNotHandled);
    EXPECT_TRUE(listener.events.empty());
    EXPECT_EQ(pad.getMouseEnabled(), true);
}

TEST_F(XYPadFixture, StopTrackingOnExitEndsTheEdit)
{
    pad.setStopTrackingOnMouseExit(true);
    CPoint p(30, 30);
    pad.onMouseDown(p, kLButton);
    CPoint outside(200, 30);
    EXPECT_EQ(pad.onMouseMoved(outside, kLButton), kMouseMoveEventHandledButDontNeedMoreEvents);
    EXPECT_FALSE(pad.isEditing());
    EXPECT_EQ(listener.events.back(), "end");
}

TEST_F(XYPadFixture, HandleIsDrawnWhereTheValueSays)
{
    pad.setBackColor(kBlueCColor);
    pad.setFontColor(kYellowCColor);
    pad.setStyle(kNoFrame);
    pad.setValue(CXYPad::calculateValue(1.f, 0.f));
    Surface s = render(pad, 110, 110);
    EXPECT_EQ(pixelAt(s.get(), 105, 5), kYellowCColor);
    EXPECT_EQ(pixelAt(s.get(), 5, 105), kBlueCColor);
}

} // namespace
