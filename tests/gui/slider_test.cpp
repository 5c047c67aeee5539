#include "c_slider.h"

#include "recording_listener.h"
#include "test_images.h"

#include <gtest/gtest.h>

using namespace gui_test;

namespace
{

// A 10 x 40 vertical or 40 x 10 horizontal slider with a 10 x 10 white handle on black.
template <class Slider> Slider* makeSlider(int32_t style, IControlListener* listener = nullptr)
{
    bool horizontal = std::is_same_v<Slider, CHorizontalSlider>;
    CRect r = horizontal ? CRect(0, 0, 40, 10) : CRect(0, 0, 10, 40);
    CBitmap* handle = makeStrip(10, 10, {kWhiteCColor});
    auto* slider = new Slider(r, listener, 1, 0, 1, handle, nullptr, CPoint(0, 0), style);
    handle->forget();
    return slider;
}

TEST(Slider, OrientationBitIsAddedToTheStyle)
{
    CVerticalSlider* v = makeSlider<CVerticalSlider>(kBottom);
    CHorizontalSlider* h = makeSlider<CHorizontalSlider>(kRight);
    EXPECT_EQ(v->getStyle(), 0x42);
    EXPECT_EQ(h->getStyle(), 0x11);
    v->forget();
    h->forget();
}

struct HandleCase
{
    bool horizontal;
    int32_t style;
    float value;
    CPoint whitePixel;
};

class SliderHandle : public testing::TestWithParam<HandleCase>
{
};

TEST_P(SliderHandle, IsDrawnAtTheEndTheStyleGivesTheValue)
{
    const HandleCase& c = GetParam();
    CSlider* slider = c.horizontal ? static_cast<CSlider*>(makeSlider<CHorizontalSlider>(c.style))
                                   : makeSlider<CVerticalSlider>(c.style);
    slider->setValue(c.value);
    Surface s = render(*slider, 40, 40);
    EXPECT_EQ(pixelAt(s.get(), static_cast<int>(c.whitePixel.x), static_cast<int>(c.whitePixel.y)),
              kWhiteCColor);
    slider->forget();
}

INSTANTIATE_TEST_SUITE_P(Styles, SliderHandle,
                         testing::Values(HandleCase{false, kBottom, 0.f, CPoint(5, 35)},
                                         HandleCase{false, kBottom, 1.f, CPoint(5, 5)},
                                         HandleCase{false, kTop, 0.f, CPoint(5, 5)},
                                         HandleCase{true, kRight, 0.f, CPoint(35, 5)},
                                         HandleCase{true, kRight, 1.f, CPoint(5, 5)},
                                         HandleCase{true, kLeft, 0.f, CPoint(5, 5)},
                                         HandleCase{true, kLeft, 0.5f, CPoint(20, 5)}));

TEST(Slider, DragMovesTheValueWithTheHandle)
{
    RecordingListener listener;
    CVerticalSlider* slider = makeSlider<CVerticalSlider>(kBottom, &listener);
    slider->setValue(0.f);
    // Grab the handle (at the bottom) by its centre and pull it to the top.
    CPoint p(5, 35);
    EXPECT_EQ(slider->onMouseDown(p, kLButton), kMouseEventHandled);
    EXPECT_EQ(slider->getValue(), 0.f);
    CPoint middle(5, 20);
    slider->onMouseMoved(middle, kLButton);
    EXPECT_FLOAT_EQ(slider->getValue(), 0.5f);
    CPoint beyond(5, -50);
    slider->onMouseMoved(beyond, kLButton);
    EXPECT_FLOAT_EQ(slider->getValue(), 1.f);
    slider->onMouseUp(beyond, kLButton);
    EXPECT_EQ(listener.events, (std::vector<std::string>{"begin", "value 0.5", "value 1", "end"}));
    slider->forget();
}

TEST(Slider, ClickBesideTheHandleCentresItOnThePointer)
{
    CHorizontalSlider* slider = makeSlider<CHorizontalSlider>(kLeft);
    CPoint p(35, 5);
    slider->onMouseDown(p, kLButton);
    EXPECT_FLOAT_EQ(slider->getValue(), 1.f);
    slider->onMouseUp(p, kLButton);
    slider->forget();
}

TEST(Slider, CopyKeepsClassAndState)
{
    CHorizontalSlider* slider = makeSlider<CHorizontalSlider>(kRight);
    slider->setValue(0.3f);
    slider->setOffset(CPoint(2, 3));
    auto* copy = dynamic_cast<CHorizontalSlider*>(slider->newCopy());
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(copy->getStyle(), slider->getStyle());
    EXPECT_EQ(copy->getOffset(), CPoint(2, 3));
    EXPECT_EQ(copy->getHandle(), slider->getHandle());
    EXPECT_FLOAT_EQ(copy->getValue(), 0.3f);
    EXPECT_TRUE(copy->isTypeOf("CSlider"));
    copy->forget();
    slider->forget();
}

} // namespace
