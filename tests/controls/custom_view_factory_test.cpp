#include "custom_view_factory.h"

#include "kick_button_wp.h"
#include "knob_wp.h"
#include "recording_listener.h"
#include "slider_wp.h"
#include "vu_meter_wp.h"
#include "xy_pad_wp.h"

#include "c_bitmap.h"
#include "i_ui_description.h"
#include "ui_attributes.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace
{
using namespace VSTGUI;

// A description that knows one colour and hands out one listener, and writes
// down which control-tag texts it was asked about.
class FakeDescription : public IUIDescription
{
public:
    IControlListener* getControlListener(UTF8StringPtr name) const override
    {
        askedListeners.push_back(name);
        return const_cast<RecordingListener*>(&listener);
    }
    bool getColor(UTF8StringPtr name, CColor& color) const override
    {
        if (std::string(name) != "Amber")
            return false;
        color = CColor(242, 163, 58, 255);
        return true;
    }
    CBitmap* getBitmap(UTF8StringPtr) const override { return nullptr; }
    CFontDesc* getFont(UTF8StringPtr) const override { return nullptr; }
    int32_t getTagForName(UTF8StringPtr) const override { return -1; }
    IController* getController() const override { return nullptr; }

    RecordingListener listener;
    mutable std::vector<std::string> askedListeners;
};

using Attributes = std::map<std::string, std::string>;

const Attributes kKick = {{"origin", "10, 20"},
                          {"size", "56, 28"},
                          {"bitmap", "kick"},
                          {"control-tag", "32768"},
                          {"background-offset", "0, 0"}};
const Attributes kPad = {
    {"origin", "0, 0"},          {"size", "200, 100"},         {"back-color", "Amber"},
    {"frame-color", "Amber"},    {"font-color", "Amber"},      {"frame-width", "2"},
    {"round-rect-radius", "14"}, {"style-round-rect", "true"}, {"style-no-frame", "false"}};
const Attributes kKnob = {{"origin", "4, 6"},
                          {"size", "48, 48"},
                          {"bitmap", "switch4"},
                          {"control-tag", "1"},
                          {"background-offset", "0, 0"},
                          {"height-of-one-image", "48.7"},
                          {"sub-pixmaps", "4"}};
const Attributes kSlider = {{"origin", "30, 60"},       {"size", "28, 156"},
                            {"bitmap", "track"},        {"handle-bitmap", "cap"},
                            {"handle-offset", "3, 4"},  {"control-tag", "8"},
                            {"orientation", "vertical"}};
const Attributes kMeter = {{"origin", "0, 0"},
                           {"size", "20, 65"},
                           {"bitmap", "needle"},
                           {"off-bitmap", "dark"},
                           {"num-led", "80"}};

// Builds a view and releases it when the test ends.
struct Factory
{
    CView* make(const char* name, const Attributes& given)
    {
        UIAttributes attributes;
        for (const auto& [key, value] : given)
            attributes.setAttribute(key, value);
        CView* view = CustomViewFactory::create(name, attributes, &description, alphaWheelKnob);
        if (view)
            made.emplace_back(view);
        return view;
    }
    template <typename T> T* as(const char* name, const Attributes& given)
    {
        return dynamic_cast<T*>(make(name, given));
    }

    struct Release
    {
        void operator()(CView* v) const { v->forget(); }
    };
    FakeDescription description;
    CKnobWP* alphaWheelKnob = nullptr;
    std::vector<std::unique_ptr<CView, Release>> made;
};

Attributes with(Attributes base, const std::string& key, const std::string& value)
{
    base[key] = value;
    return base;
}

Attributes without(Attributes base, const std::string& key)
{
    base.erase(key);
    return base;
}

TEST(CustomViewFactory, EveryNameBuildsItsControlAndOthersBuildNothing)
{
    Factory f;
    EXPECT_NE(f.as<CKickButtonWP>("ZolmKickButton", kKick), nullptr);
    auto* trackpad = f.as<CXYPadWP>("TrackPad", kPad);
    ASSERT_NE(trackpad, nullptr);
    EXPECT_FALSE(trackpad->isJoystickMode());
    auto* joystick = f.as<CXYPadWP>("Joystick", kPad);
    ASSERT_NE(joystick, nullptr);
    EXPECT_TRUE(joystick->isJoystickMode());
    auto* knob = f.as<CKnobWP>("KnobSwitchView", kKnob);
    ASSERT_NE(knob, nullptr);
    EXPECT_TRUE(knob->isSwitchMode());
    EXPECT_FALSE(knob->isAlphaWheelMode());
    EXPECT_FALSE(knob->isLcdValueMode());
    auto* wheel = f.as<CKnobWP>("AlphaWheelKnobView", kKnob);
    ASSERT_NE(wheel, nullptr);
    EXPECT_TRUE(wheel->isAlphaWheelMode());
    EXPECT_FALSE(wheel->isSwitchMode());
    EXPECT_NE(f.as<CVerticalSliderWP>("SliderSwitchView", kSlider), nullptr);

    const struct
    {
        const char* name;
        bool inverted;
        bool analog;
    } meters[] = {
        {"MeterView", false, false},
        {"InvertedMeterView", true, false},
        {"AnalogMeterView_H65_Z52", false, true},
        {"InvertedAnalogMeterView_H65_Z52", true, true},
        {"MyAnalogMeterView_H10_Z3", false, true},
    };
    for (const auto& m : meters)
    {
        auto* meter = f.as<CVuMeterWP>(m.name, kMeter);
        ASSERT_NE(meter, nullptr) << m.name;
        EXPECT_EQ(meter->isInverted(), m.inverted) << m.name;
        EXPECT_EQ(meter->isAnalog(), m.analog) << m.name;
        EXPECT_EQ(meter->getStyle(), kVertical) << m.name;
    }

    for (const char* other : {"trackpad", "joystick", "meterview", "Knob", "LCDValueKnobView",
                              "ZolmKickButton2", "", "Slider"})
        EXPECT_EQ(f.make(other, kKnob), nullptr) << other;
}

TEST(CustomViewFactory, AnyMissingAttributeOfAKindBuildsNothing)
{
    const struct
    {
        const char* name;
        const Attributes* attributes;
    } kinds[] = {
        {"ZolmKickButton", &kKick},           {"TrackPad", &kPad},
        {"KnobSwitchView", &kKnob},           {"AlphaWheelKnobView", &kKnob},
        {"SliderSwitchView", &kSlider},       {"MeterView", &kMeter},
        {"AnalogMeterView_H65_Z52", &kMeter},
    };
    Factory f;
    for (const auto& kind : kinds)
    {
        for (const auto& [key, value] : *kind.attributes)
            EXPECT_EQ(f.make(kind.name, without(*kind.attributes, key)), nullptr)
                << kind.name << " without " << key;
    }
    EXPECT_EQ(f.alphaWheelKnob, nullptr);
}

TEST(CustomViewFactory, ReadsRectangleTagListenerAndImagesFromTheAttributes)
{
    Factory f;
    auto* button = f.as<CKickButtonWP>("ZolmKickButton", kKick);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->getViewSize(), CRect(10, 20, 66, 48));
    EXPECT_EQ(button->getTag(), 32768);
    EXPECT_EQ(button->getListener(), &f.description.listener);
    EXPECT_EQ(f.description.askedListeners.back(), "32768");
    EXPECT_EQ(button->getBackground()->getResourceDescription().getName(), "kick.png");

    const struct
    {
        const char* origin;
        const char* size;
        CRect rect;
    } rects[] = {
        {"4, 6", "100", CRect(4, 6, 4, 6)}, // a size without a comma is empty
        {"4, 6", " 20,  30", CRect(4, 6, 24, 36)},
        {"4.9, 6.9", "20.5, 30.5", CRect(4, 6, 24, 36)},
        {"x", "20, 30", CRect(0, 0, 20, 30)},
    };
    for (const auto& r : rects)
    {
        auto* knob =
            f.as<CKnobWP>("KnobSwitchView", with(with(kKnob, "origin", r.origin), "size", r.size));
        ASSERT_NE(knob, nullptr);
        EXPECT_EQ(knob->getViewSize(), r.rect) << r.origin << " / " << r.size;
    }

    auto* cutoff = f.as<CKnobWP>("KnobSwitchView", with(kKnob, "control-tag", "Cutoff"));
    EXPECT_EQ(cutoff->getTag(), 0);
    EXPECT_EQ(f.description.askedListeners.back(), "Cutoff");

    auto* knob = f.as<CKnobWP>("KnobSwitchView", with(kKnob, "bitmap", "knob.png"));
    EXPECT_EQ(knob->getBackground()->getResourceDescription().getName(), "knob.png.png");
    EXPECT_EQ(knob->getNumSubPixmaps(), 4);
    EXPECT_DOUBLE_EQ(knob->getHeightOfOneImage(), 48.7);
}

TEST(CustomViewFactory, SliderOrientationAndOffset)
{
    Factory f;
    auto* vertical = f.as<CVerticalSliderWP>("SliderSwitchView", kSlider);
    ASSERT_NE(vertical, nullptr);
    EXPECT_EQ(vertical->getStyle(), 0x42);
    EXPECT_EQ(vertical->getOffset(), CPoint(3, 4));
    EXPECT_EQ(vertical->getOffsetHandle(), CPoint(0, 0));
    EXPECT_EQ(vertical->getHandle()->getResourceDescription().getName(), "cap.png");
    EXPECT_EQ(vertical->getBackground()->getResourceDescription().getName(), "track.png");

    for (const char* other : {"Vertical", "horizontal", ""})
    {
        auto* slider =
            f.as<CHorizontalSliderWP>("SliderSwitchView", with(kSlider, "orientation", other));
        ASSERT_NE(slider, nullptr) << other;
        EXPECT_EQ(slider->getStyle(), 0x11);
    }
}

TEST(CustomViewFactory, PadColoursWidthsAndStyles)
{
    Factory f;
    auto* pad = f.as<CXYPadWP>("TrackPad", kPad);
    ASSERT_NE(pad, nullptr);
    EXPECT_EQ(pad->getBackColor(), CColor(242, 163, 58, 255));
    EXPECT_EQ(pad->getFrameWidth(), 2);
    EXPECT_EQ(pad->getRoundRectRadius(), 14);
    EXPECT_EQ(pad->getStyle() & kRoundRectStyle, kRoundRectStyle);
    EXPECT_EQ(pad->getStyle() & kNoFrame, 0);
    EXPECT_EQ(pad->getTag(), -1);
    EXPECT_EQ(pad->getListener(), nullptr);

    Attributes odd = with(with(kPad, "style-round-rect", "TRUE"), "style-no-frame", "true");
    for (const char* colour : {"back-color", "frame-color", "font-color"})
        odd = with(odd, colour, "Unknown");
    auto* plain = f.as<CXYPadWP>("Joystick", odd);
    ASSERT_NE(plain, nullptr);
    EXPECT_EQ(plain->getStyle() & kRoundRectStyle, 0);
    EXPECT_EQ(plain->getStyle() & kNoFrame, kNoFrame);
    EXPECT_EQ(plain->getBackColor(), kWhiteCColor);
    EXPECT_EQ(plain->getFrameColor(), kWhiteCColor);
    EXPECT_EQ(plain->getFontColor(), kWhiteCColor);
}

TEST(CustomViewFactory, AnalogMeterReadsFrameHeightAndZeroFrameFromItsName)
{
    Factory f;
    const struct
    {
        const char* name;
        double height;
        double zero;
    } cases[] = {
        {"AnalogMeterView_H65_Z52", 65, 52},
        {"MyAnalogMeterView_H10_Z3", 10, 3},
        {"AnalogMeterView_H12.5_Z7", 12.5, 7},
        {"AnalogMeterView", 65, 52}, // no markers: the defaults stay
        {"AnalogMeterView_Hx_Zy", 0, 0},
    };
    for (const auto& c : cases)
    {
        auto* meter = f.as<CVuMeterWP>(c.name, with(kMeter, "num-led", "31"));
        ASSERT_NE(meter, nullptr) << c.name;
        EXPECT_DOUBLE_EQ(meter->getAnalogFrameHeight(), c.height) << c.name;
        EXPECT_DOUBLE_EQ(meter->getAnalogZeroFrame(), c.zero) << c.name;
        EXPECT_DOUBLE_EQ(meter->getAnalogFrameCount(), 31) << c.name;
        EXPECT_EQ(meter->getNbLed(), 31);
    }
    auto* led = f.as<CVuMeterWP>("MeterView", kMeter);
    EXPECT_DOUBLE_EQ(led->getAnalogFrameHeight(), 65);
    EXPECT_DOUBLE_EQ(led->getAnalogFrameCount(), 80);
    EXPECT_EQ(led->getOffBitmap()->getResourceDescription().getName(), "dark.png");
    EXPECT_EQ(led->getTag(), -1);
}

TEST(CustomViewFactory, TheNewestAlphaWheelKnobIsKeptUntilItIsDestroyed)
{
    Factory f;
    auto* first = f.as<CKnobWP>("AlphaWheelKnobView", kKnob);
    auto* second = f.as<CKnobWP>("AlphaWheelKnobView", kKnob);
    EXPECT_EQ(f.alphaWheelKnob, second);
    f.as<CKnobWP>("KnobSwitchView", kKnob);
    EXPECT_EQ(f.alphaWheelKnob, second);

    // Destroying the older one leaves the newer one in place.
    f.made.erase(f.made.begin());
    (void)first;
    EXPECT_EQ(f.alphaWheelKnob, second);
    f.made.clear();
    EXPECT_EQ(f.alphaWheelKnob, nullptr);
}
} // namespace
