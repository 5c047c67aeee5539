#include "kick_button_wp.h"

#include "draw_probe.h"
#include "recording_listener.h"

#include <gtest/gtest.h>

namespace
{
using namespace VSTGUI;

struct Button
{
    Button()
    {
        CBitmap* strip = draw_probe::filmstrip(20, 10, 2);
        button = new CKickButtonWP(CRect(10, 10, 30, 20), &listener, 32768, strip, CPoint());
        strip->forget();
    }
    ~Button() { button->forget(); }
    int shownFrame()
    {
        draw_probe::Canvas canvas(40, 30);
        button->draw(canvas.get());
        return canvas.frameAt(15, 15);
    }
    RecordingListener listener;
    CKickButtonWP* button;
};

const std::vector<std::string> kClick = {"begin", "value 1.000000", "value 0.000000", "end"};

TEST(KickButtonWP, ReportsThePressAtOnceAndTheReleaseWhereverItHappens)
{
    Button inside;
    CPoint down(15, 15);
    EXPECT_EQ(inside.button->onMouseDown(down, kLButton), kMouseEventHandled);
    EXPECT_EQ(inside.listener.events, (std::vector<std::string>{"begin", "value 1.000000"}));
    EXPECT_EQ(inside.shownFrame(), 1);
    EXPECT_EQ(inside.button->onMouseUp(down, kLButton), kMouseEventHandled);
    EXPECT_EQ(inside.listener.events, kClick);
    EXPECT_FALSE(inside.button->isEditing());

    Button outside;
    CPoint away(100, 100);
    outside.button->onMouseDown(down, kLButton);
    outside.button->onMouseMoved(away, kLButton);
    EXPECT_EQ(outside.shownFrame(), 0); // released frame while the pointer is outside
    outside.button->onMouseMoved(down, kLButton);
    EXPECT_EQ(outside.shownFrame(), 1);
    outside.button->onMouseMoved(away, kLButton);
    outside.button->onMouseUp(away, kLButton);
    EXPECT_EQ(outside.listener.events, kClick);
}

TEST(KickButtonWP, IgnoresAPressWithoutTheLeftButton)
{
    Button b;
    CPoint down(15, 15);
    EXPECT_EQ(b.button->onMouseDown(down, kRButton), kMouseEventNotHandled);
    EXPECT_TRUE(b.listener.events.empty());
    EXPECT_FALSE(b.button->isEditing());
    // The left button among others still presses.
    EXPECT_EQ(b.button->onMouseDown(down, kLButton | kShift), kMouseEventHandled);
}

TEST(KickButtonWP, ReportsOneEvenWhenItsMaximumIsLarger)
{
    Button b;
    b.button->setMax(2.f);
    CPoint down(15, 15);
    b.button->onMouseDown(down, kLButton);
    EXPECT_EQ(b.listener.values, std::vector<float>{1.f});
    EXPECT_FLOAT_EQ(b.button->getValue(), 2.f);
}
} // namespace
