#include "vu_meter_wp.h"

#include "draw_probe.h"

#include <gtest/gtest.h>

namespace
{
using namespace VSTGUI;

constexpr int kGreenLit = 210;
constexpr int kBlueUnlit = 220;

// An analog meter of 80 frames of 65 pixels with the default settings.
struct AnalogMeter
{
    explicit AnalogMeter(bool inverted)
    {
        CBitmap* strip = draw_probe::filmstrip(2, 65, 80);
        meter = new CVuMeterWP(CRect(0, 0, 2, 65), strip, nullptr, 80, inverted, true, kVertical);
        strip->forget();
    }
    ~AnalogMeter() { meter->forget(); }
    int frameFor(float value)
    {
        meter->setValue(value);
        draw_probe::Canvas canvas(2, 65);
        meter->draw(canvas.get());
        return canvas.frameAt(1, 30);
    }
    CVuMeterWP* meter;
};

TEST(VuMeterWP, AnalogModeShowsTheFrameOfTheValue)
{
    AnalogMeter plain(false);
    EXPECT_EQ(plain.frameFor(0.f), 0);
    EXPECT_EQ(plain.frameFor(1.f), 79); // source offset 5135
    EXPECT_EQ(plain.frameFor(0.5f), 39);
    EXPECT_EQ(plain.frameFor(-0.3f), 0);

    AnalogMeter inverted(true);
    EXPECT_EQ(inverted.frameFor(0.f), 51); // 3337 pixels snap to 3315
    EXPECT_EQ(inverted.frameFor(1.f), 0);
    EXPECT_EQ(inverted.frameFor(-1.f), 0);

    inverted.meter->setAnalogFrameHeight(0);
    EXPECT_EQ(inverted.frameFor(0.f), 0);
    inverted.meter->setAnalogFrameHeight(0.5); // below a pixel: taken as 0
    EXPECT_EQ(inverted.frameFor(0.f), 0);
}

// A 10-LED meter 100 pixels tall, placed away from its parent's origin.
struct LedMeter
{
    LedMeter(bool inverted, bool withOffImage = true)
    {
        CBitmap* on = draw_probe::rows(4, 100, kGreenLit, 0);
        CBitmap* off = withOffImage ? draw_probe::rows(4, 100, 0, kBlueUnlit) : nullptr;
        meter = new CVuMeterWP(CRect(6, 20, 10, 120), on, off, 10, inverted, false, kVertical);
        on->forget();
        if (off)
            off->forget();
    }
    ~LedMeter() { meter->forget(); }

    // Draws once; then, for each row of the meter, whether it shows the lit
    // image, and checks that every row shows its own row of that image.
    std::vector<bool> draw()
    {
        draw_probe::Canvas canvas(12, 130);
        meter->draw(canvas.get());
        std::vector<bool> lit;
        for (int row = 0; row < 100; ++row)
        {
            const draw_probe::Pixel p = canvas.at(8, 20 + row);
            lit.push_back(p.green == kGreenLit);
            if (p.alpha != 0)
                EXPECT_EQ(p.red, row) << "row " << row;
            else
                lastUndrawn = row;
        }
        return lit;
    }
    static int litCount(const std::vector<bool>& rows)
    {
        int n = 0;
        for (bool r : rows)
            n += r ? 1 : 0;
        return n;
    }
    CVuMeterWP* meter;
    int lastUndrawn = -1;
};

TEST(VuMeterWP, LedModeLightsTheLowerPartAndInvertedTheUpperPart)
{
    LedMeter rising(false);
    rising.meter->setValue(0.5f);
    rising.meter->setOldValue(0.5f);
    const auto up = rising.draw();
    EXPECT_FALSE(up[49]);
    EXPECT_TRUE(up[50]);
    EXPECT_TRUE(up[99]);
    EXPECT_EQ(LedMeter::litCount(up), 50);

    LedMeter hanging(true);
    hanging.meter->setValue(0.5f);
    hanging.meter->setOldValue(0.5f);
    const auto down = hanging.draw();
    EXPECT_TRUE(down[0]);
    EXPECT_TRUE(down[49]);
    EXPECT_FALSE(down[50]);
    EXPECT_EQ(LedMeter::litCount(down), 50);
}

TEST(VuMeterWP, LedLevelFallsByOneStepPerRedraw)
{
    LedMeter m(false);
    m.meter->setValue(1.f);
    m.meter->setOldValue(1.f);
    EXPECT_EQ(LedMeter::litCount(m.draw()), 100);
    m.meter->setValue(0.f);
    for (int expected = 90; expected >= 0; expected -= 10)
        EXPECT_EQ(LedMeter::litCount(m.draw()), expected);
    EXPECT_EQ(LedMeter::litCount(m.draw()), 0);
}

TEST(VuMeterWP, WithoutTheOffImageOnlyTheLitPartIsDrawn)
{
    LedMeter m(false, false);
    m.meter->setValue(0.5f);
    m.meter->setOldValue(0.5f);
    EXPECT_EQ(LedMeter::litCount(m.draw()), 50);
    EXPECT_EQ(m.lastUndrawn, 49);
}

TEST(VuMeterWP, WithoutTheOnImageNothingIsDrawnAndTheDirtyStateStays)
{
    CBitmap* off = draw_probe::rows(4, 100, 0, kBlueUnlit);
    auto* meter = new CVuMeterWP(CRect(0, 0, 4, 100), nullptr, off, 10, false, false, kVertical);
    off->forget();
    meter->setDirty(true);
    draw_probe::Canvas canvas(4, 100);
    meter->draw(canvas.get());
    EXPECT_EQ(canvas.at(2, 50).alpha, 0);
    EXPECT_TRUE(meter->isDirty());
    meter->forget();
}
} // namespace
