#include "slider_wp.h"

#include "draw_probe.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{
using namespace VSTGUI;

struct Sliders
{
    Sliders()
    {
        CBitmap* handle = draw_probe::filmstrip(20, 10, 1);
        CBitmap* back = draw_probe::filmstrip(20, 100, 1);
        vertical = new CVerticalSliderWP(CRect(0, 0, 20, 100), nullptr, 7, 0, 1, handle, back,
                                         CPoint(1, 2), kBottom);
        horizontal = new CHorizontalSliderWP(CRect(0, 0, 100, 20), nullptr, 8, 0, 1, handle, back,
                                             CPoint(3, 4), kRight);
        handle->forget();
        back->forget();
    }
    ~Sliders()
    {
        vertical->forget();
        horizontal->forget();
    }
    CVerticalSliderWP* vertical;
    CHorizontalSliderWP* horizontal;
};

TEST(SliderWP, AnswersTypeQueriesForItsOwnClassAndTheGenericControlClassesOnly)
{
    Sliders s;
    const struct
    {
        const char* name;
        bool vertical;
        bool horizontal;
    } cases[] = {
        {"CVerticalSliderWP", true, false}, {"CHorizontalSliderWP", false, true},
        {"CControl", true, true},           {"CView", true, true},
        {"CBaseObject", true, true},        {"CSlider", false, false},
        {"CVerticalSlider", false, false},  {"CHorizontalSlider", false, false},
        {"CParamDisplay", false, false},
    };
    for (const auto& c : cases)
    {
        EXPECT_EQ(s.vertical->isTypeOf(c.name), c.vertical) << c.name;
        EXPECT_EQ(s.horizontal->isTypeOf(c.name), c.horizontal) << c.name;
    }
}

TEST(SliderWP, TheBaseAddsItsOrientationBitToTheStyle)
{
    Sliders s;
    EXPECT_EQ(s.vertical->getStyle(), 0x42);
    EXPECT_EQ(s.horizontal->getStyle(), 0x11);
}

TEST(SliderWP, ACopyKeepsTheClassAndTheSliderState)
{
    Sliders s;
    s.vertical->setMin(-2.f);
    s.vertical->setMax(5.f);
    s.vertical->setValue(1.5f);
    auto* copy = dynamic_cast<CVerticalSliderWP*>(s.vertical->newCopy());
    ASSERT_NE(copy, nullptr);
    EXPECT_TRUE(copy->isTypeOf("CVerticalSliderWP"));
    EXPECT_FLOAT_EQ(copy->getValue(), 1.5f);
    EXPECT_FLOAT_EQ(copy->getMin(), -2.f);
    EXPECT_FLOAT_EQ(copy->getMax(), 5.f);
    EXPECT_EQ(copy->getHandle(), s.vertical->getHandle());
    EXPECT_EQ(copy->getBackground(), s.vertical->getBackground());
    EXPECT_EQ(copy->getOffset(), CPoint(1, 2));
    EXPECT_EQ(copy->getStyle(), 0x42);
    EXPECT_EQ(copy->getTag(), 7);
    copy->forget();

    auto* other = dynamic_cast<CHorizontalSliderWP*>(s.horizontal->newCopy());
    ASSERT_NE(other, nullptr);
    EXPECT_EQ(other->getOffset(), CPoint(3, 4));
    other->forget();
}

TEST(SliderWP, AtTheMinimumTheHandleSitsAtTheBottomOrAtTheRightEnd)
{
    Sliders s;
    s.vertical->setValue(0.f);
    s.horizontal->setValue(0.f);
    EXPECT_EQ(s.vertical->getHandleRect().bottom, 100);
    EXPECT_EQ(s.horizontal->getHandleRect().right, 100);
    s.vertical->setValue(1.f);
    s.horizontal->setValue(1.f);
    EXPECT_EQ(s.vertical->getHandleRect().top, 0);
    EXPECT_EQ(s.horizontal->getHandleRect().left, 0);
}
} // namespace
