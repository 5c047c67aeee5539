#include "knob_wp.h"

#include "draw_probe.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
using namespace VSTGUI;

struct Follower : LCDSelectionFollower
{
    Follower(std::vector<std::string>& log, std::string name) : log(log), name(std::move(name)) {}
    void updateSelectedControl() override { log.push_back(name); }
    std::vector<std::string>& log;
    std::string name;
};

enum Mode
{
    kSwitch,
    kAlphaWheel,
    kPlain,
};

CKnobWP* makeKnob(Mode mode, CCoord frameHeight = 10, CBitmap* image = nullptr)
{
    CBitmap* strip = image ? image : draw_probe::filmstrip(4, 10, 4);
    auto* knob = new CKnobWP(CRect(0, 0, 4, 10), nullptr, 1, 4, frameHeight, strip, CPoint(),
                             mode == kSwitch, mode == kAlphaWheel, false);
    strip->forget();
    return knob;
}

struct FrameCase
{
    Mode mode;
    bool inverse;
    float max;
    float value;
    CCoord frameHeight;
    int frame;
    float valueAfter;
};

TEST(KnobWP, ChoosesTheFrameAndKeepsOrFoldsTheValue)
{
    const FrameCase cases[] = {
        {kSwitch, false, 3.f, 2.f, 10, 2, 2.f},   // one frame per list entry
        {kSwitch, false, 3.f, 1.5f, 10, 1, 1.5f}, // 15 pixels snap down to frame 1
        {kSwitch, false, 3.f, 3.f, 10, 3, 3.f},
        {kAlphaWheel, false, 1.f, 1.25f, 10, 0, 0.25f},
        {kAlphaWheel, false, 1.f, -0.25f, 10, 2, 0.75f},
        {kAlphaWheel, false, 1.f, 1.5f, 10, 1, 0.5f},
        {kAlphaWheel, false, 1.f, 2.5f, 10, -1, 1.5f}, // one fold, not a modulo: past the strip
        {kPlain, true, 1.f, 0.f, 10, 3, 0.f},          // inverse: last frame for 0
        {kPlain, false, 1.f, 1.f, 0, 0, 1.f},          // no frame height: first frame
        {kPlain, false, 1.f, 1.f, 0.5, 0, 1.f},        // below a pixel: taken as 0
        {kPlain, false, 1.f, -0.5f, 10, 0, -0.5f},
    };
    for (const FrameCase& c : cases)
    {
        CKnobWP* knob = makeKnob(c.mode, c.frameHeight);
        knob->setInverseBitmap(c.inverse);
        knob->setMax(c.max);
        knob->setValue(c.value);
        draw_probe::Canvas canvas(4, 10);
        knob->draw(canvas.get());
        EXPECT_EQ(canvas.frameAt(1, 5), c.frame) << c.mode << " " << c.value;
        EXPECT_FLOAT_EQ(knob->getValue(), c.valueAfter) << c.mode << " " << c.value;
        EXPECT_FALSE(knob->isDirty());
        knob->forget();
    }
}

TEST(KnobWP, AlphaWheelAsksEveryLinkedLcdGroupInOrderAfterDrawing)
{
    std::vector<std::string> log;
    Follower first(log, "first");
    Follower second(log, "second");
    CKnobWP* knob = makeKnob(kAlphaWheel);
    knob->addLCDController(&first);
    knob->addLCDController(&second);
    draw_probe::Canvas canvas(4, 10);
    knob->draw(canvas.get());
    knob->draw(canvas.get());
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second", "first", "second"}));
    knob->forget();

    // A switch knob never asks.
    log.clear();
    CKnobWP* other = makeKnob(kSwitch);
    other->addLCDController(&first);
    other->draw(canvas.get());
    EXPECT_TRUE(log.empty());
    other->forget();
}

TEST(KnobWP, WithoutAnImageNothingIsDrawnFoldedOrAskedButTheViewIsClean)
{
    std::vector<std::string> log;
    Follower follower(log, "lcd");
    auto* knob =
        new CKnobWP(CRect(0, 0, 4, 10), nullptr, 1, 4, 10, nullptr, CPoint(), false, true, false);
    knob->addLCDController(&follower);
    knob->setValue(1.25f);
    knob->setDirty(true);
    draw_probe::Canvas canvas(4, 10);
    knob->draw(canvas.get());
    EXPECT_EQ(canvas.at(1, 5).alpha, 0);
    EXPECT_FLOAT_EQ(knob->getValue(), 1.25f);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(knob->isDirty());
    knob->forget();
}

TEST(KnobWP, TellsItsDestructionSoThatNoPointerOutlivesIt)
{
    CKnobWP* kept = makeKnob(kAlphaWheel);
    kept->setDestroyedCallback(
        [&kept](CKnobWP* knob)
        {
            if (kept == knob)
                kept = nullptr;
        });
    kept->forget();
    EXPECT_EQ(kept, nullptr);
}
} // namespace
