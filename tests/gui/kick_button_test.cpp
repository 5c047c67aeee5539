#include "c_kick_button.h"

#include "recording_listener.h"
#include "test_images.h"

#include <gtest/gtest.h>

using namespace gui_test;

namespace
{

using Events = std::vector<std::string>;

struct KickButtonFixture : testing::Test
{
    RecordingListener listener;
    CKickButton* button = nullptr;

    void SetUp() override
    {
        CBitmap* strip = makeStrip(10, 10, {kRedCColor, kGreenCColor});
        button = new CKickButton(CRect(0, 0, 10, 10), &listener, 4, strip);
        strip->forget();
    }
    void TearDown() override { button->forget(); }
    CColor shown() { return pixelAt(render(*button, 10, 10).get(), 5, 5); }
};

TEST_F(KickButtonFixture, ReleaseInsideReportsMaximumThenMinimum)
{
    CPoint p(5, 5);
    EXPECT_EQ(button->onMouseDown(p, kLButton), kMouseEventHandled);
    EXPECT_EQ(shown(), kGreenCColor);
    EXPECT_EQ(button->onMouseUp(p, kLButton), kMouseEventHandled);
    EXPECT_EQ(listener.events, (Events{"begin", "value 1", "value 0", "end"}));
    EXPECT_EQ(shown(), kRedCColor);
}

TEST_F(KickButtonFixture, MovesFollowThePointerWithEdgesIncludedAndNeverNotify)
{
    CPoint p(5, 5);
    button->onMouseDown(p, kLButton);
    CPoint outside(11, 5);
    button->onMouseMoved(outside, kLButton);
    EXPECT_EQ(button->getValue(), 0.f);
    EXPECT_EQ(shown(), kRedCColor);
    CPoint edge(10, 10);
    button->onMouseMoved(edge, kLButton);
    EXPECT_EQ(button->getValue(), 1.f);
    button->onMouseMoved(outside, kLButton);
    // Released outside: back to the minimum without a report of the pressed value.
    button->onMouseUp(outside, kLButton);
    EXPECT_EQ(listener.events, (Events{"begin", "end"}));
}

TEST_F(KickButtonFixture, RightButtonIsNotHandled)
{
    CPoint p(5, 5);
    EXPECT_EQ(button->onMouseDown(p, kRButton), kMouseEventNotHandled);
    EXPECT_EQ(button->onMouseMoved(p, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(listener.events.empty());
}

TEST_F(KickButtonFixture, FrameHeightDefaultsToTheButtonHeight)
{
    EXPECT_EQ(button->getHeightOfOneImage(), 10);
    button->setValue(button->getMax());
    EXPECT_EQ(shown(), kGreenCColor);
}

} // namespace
