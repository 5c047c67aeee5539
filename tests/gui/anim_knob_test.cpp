#include "c_anim_knob.h"

#include "test_images.h"

#include <gtest/gtest.h>

using namespace gui_test;

namespace
{

struct FrameCase
{
    float value;
    bool inverse;
    CCoord frameHeight;
    int expectedFrame;
};

class AnimKnobFrames : public testing::TestWithParam<FrameCase>
{
};

TEST_P(AnimKnobFrames, DrawsTheFrameChosenByTheValue)
{
    const FrameCase& c = GetParam();
    CBitmap* strip = makeStrip(10, 10, frameColors(8));
    CAnimKnob knob(CRect(0, 0, 10, 10), nullptr, 1, 8, c.frameHeight, strip);
    strip->forget();
    knob.setInverseBitmap(c.inverse);
    knob.setValue(c.value);
    Surface s = render(knob, 10, 10);
    EXPECT_EQ(frameIndexOf(pixelAt(s.get(), 5, 5), 8), c.expectedFrame);
    EXPECT_FALSE(knob.isDirty());
}

INSTANTIATE_TEST_SUITE_P(
    Values, AnimKnobFrames,
    testing::Values(FrameCase{0.f, false, 10, 0}, FrameCase{1.f, false, 10, 7},
                    // 10 * 7 * 0.5 = 35 snaps down to 30: frame 3.
                    FrameCase{0.5f, false, 10, 3}, FrameCase{0.999f, false, 10, 6},
                    FrameCase{0.f, true, 10, 7}, FrameCase{1.f, true, 10, 0},
                    // A negative value, no frame height or one below a pixel: first frame.
                    FrameCase{-0.3f, false, 10, 0}, FrameCase{0.8f, false, 0, 0},
                    FrameCase{0.8f, false, 0.5, 0}));

TEST(AnimKnob, FrameOffsetSnapsToWholeFrames)
{
    CAnimKnob knob(CRect(0, 0, 10, 10), nullptr, 1, 4, 10, nullptr);
    EXPECT_EQ(knob.frameOffsetFor(2.f / 3.f), 20);
    EXPECT_EQ(knob.frameOffsetFor(0.5f), 10);
}

TEST(AnimKnob, WithoutImageDrawsNothingAndIsClean)
{
    CAnimKnob knob(CRect(0, 0, 10, 10), nullptr, 1, 4, 10, nullptr);
    knob.setValue(0.5f);
    Surface s = render(knob, 10, 10);
    EXPECT_EQ(pixelAt(s.get(), 5, 5), kBlackCColor);
    EXPECT_FALSE(knob.isDirty());
}

TEST(AnimKnob, DisabledImageIsDrawnWhileMouseIsDisabled)
{
    CBitmap* strip = makeStrip(10, 10, frameColors(2));
    CBitmap* disabled = makeStrip(10, 10, {kRedCColor, kRedCColor});
    CAnimKnob knob(CRect(0, 0, 10, 10), nullptr, 1, 2, 10, strip);
    knob.setDisabledBackground(disabled);
    strip->forget();
    disabled->forget();
    EXPECT_EQ(pixelAt(render(knob, 10, 10).get(), 5, 5), frameColor(0));
    knob.setMouseEnabled(false);
    EXPECT_EQ(pixelAt(render(knob, 10, 10).get(), 5, 5), kRedCColor);
}

TEST(AnimKnob, VerticalDragRaisesAndLowersTheValue)
{
    struct Listener : IControlListener
    {
        int changes = 0;
        void valueChanged(CControl*) override { ++changes; }
    } listener;
    CAnimKnob knob(CRect(0, 0, 10, 10), &listener, 1, 4, 10, nullptr);
    knob.setValue(0.5f);
    CPoint p(5, 5);
    ASSERT_EQ(knob.onMouseDown(p, kLButton), kMouseEventHandled);
    CPoint up(5, 5 - knob.getZoomFactor() / 4);
    knob.onMouseMoved(up, kLButton);
    EXPECT_FLOAT_EQ(knob.getValue(), 0.75f);
    CPoint farDown(5, 5 + 10 * knob.getZoomFactor());
    knob.onMouseMoved(farDown, kLButton);
    EXPECT_FLOAT_EQ(knob.getValue(), 0.f);
    knob.onMouseUp(farDown, kLButton);
    EXPECT_FALSE(knob.isEditing());
    EXPECT_EQ(listener.changes, 2);
}

TEST(AnimKnob, CopyIsAPlainAnimationKnob)
{
    CAnimKnob knob(CRect(0, 0, 10, 10), nullptr, 7, 4, 10, nullptr);
    knob.setValue(0.25f);
    auto* copy = dynamic_cast<CAnimKnob*>(knob.newCopy());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isTypeOf("CAnimKnob"));
    EXPECT_TRUE(copy->isTypeOf("CKnob"));
    EXPECT_EQ(copy->getTag(), 7);
    EXPECT_EQ(copy->getNumSubPixmaps(), 4);
    EXPECT_FLOAT_EQ(copy->getValue(), 0.25f);
    copy->forget();
}

} // namespace
