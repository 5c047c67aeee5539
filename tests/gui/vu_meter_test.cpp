#include "c_vu_meter.h"

#include "test_images.h"

#include <gtest/gtest.h>

using namespace gui_test;

namespace
{

struct VuMeterFixture : testing::Test
{
    CVuMeter* meter = nullptr;

    void SetUp() override
    {
        CBitmap* on = makeStrip(10, 100, {kGreenCColor});
        CBitmap* off = makeStrip(10, 100, {kRedCColor});
        meter = new CVuMeter(CRect(0, 0, 10, 100), on, off, 10, kVertical);
        on->forget();
        off->forget();
    }
    void TearDown() override { meter->forget(); }

    // Number of lit rows from the bottom in a rendering.
    int litRows()
    {
        Surface s = render(*meter, 10, 100);
        int lit = 0;
        for (int y = 99; y >= 0 && pixelAt(s.get(), 5, y) == kGreenCColor; --y)
            ++lit;
        return lit;
    }
};

TEST_F(VuMeterFixture, LitPartRisesFromTheBottomInWholeLeds)
{
    meter->setValue(0.5f);
    meter->setOldValue(0.5f);
    EXPECT_EQ(litRows(), 50);
    Surface s = render(*meter, 10, 100);
    EXPECT_EQ(pixelAt(s.get(), 5, 10), kRedCColor);
    meter->setValue(0.57f);
    EXPECT_EQ(litRows(), 60); // rounded to the nearest LED
}

TEST_F(VuMeterFixture, FallsByTheDecreaseStepPerRedrawAndStaysDirtyMeanwhile)
{
    EXPECT_FLOAT_EQ(meter->getDecreaseStepValue(), 0.1f);
    meter->setValue(1.f);
    EXPECT_EQ(litRows(), 100);
    meter->setValue(0.f);
    std::vector<int> shown;
    while (meter->isDirty() && shown.size() < 20)
        shown.push_back(litRows());
    EXPECT_EQ(shown, (std::vector<int>{90, 80, 70, 60, 50, 40, 30, 20, 10, 0}));
}

TEST_F(VuMeterFixture, ValueOutsideTheRangeIsClamped)
{
    meter->setValue(3.f);
    EXPECT_EQ(litRows(), 100);
    EXPECT_FLOAT_EQ(meter->getValue(), 1.f);
}

TEST_F(VuMeterFixture, WithoutOffImageOnlyTheLitPartIsDrawn)
{
    meter->setOffBitmap(nullptr);
    meter->setValue(0.3f);
    meter->setOldValue(0.3f);
    Surface s = render(*meter, 10, 100);
    EXPECT_EQ(pixelAt(s.get(), 5, 95), kGreenCColor);
    EXPECT_EQ(pixelAt(s.get(), 5, 10), kBlackCColor);
}

TEST(VuMeter, WithoutOnImageDrawsNothingAndStaysDirty)
{
    CVuMeter meter(CRect(0, 0, 10, 100), nullptr, nullptr, 10);
    meter.setValue(0.5f);
    meter.invalid();
    Surface s = render(meter, 10, 100);
    EXPECT_EQ(pixelAt(s.get(), 5, 95), kBlackCColor);
    EXPECT_TRUE(meter.isDirty());
}

TEST_F(VuMeterFixture, DrawingRectanglesFollowTheViewSize)
{
    meter->setViewSize(CRect(20, 0, 30, 100));
    meter->setValue(1.f);
    Surface s = render(*meter, 40, 100);
    EXPECT_EQ(pixelAt(s.get(), 25, 50), kGreenCColor);
    EXPECT_EQ(pixelAt(s.get(), 5, 50), kBlackCColor);
}

} // namespace
