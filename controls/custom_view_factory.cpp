#include "custom_view_factory.h"

#include "attribute_reading.h"
#include "kick_button_wp.h"
#include "knob_wp.h"
#include "slider_wp.h"
#include "vu_meter_wp.h"
#include "xy_pad_wp.h"

#include "c_bitmap.h"
#include "i_ui_description.h"
#include "ui_attributes.h"

#include <initializer_list>
#include <string>
#include <string_view>

namespace VSTGUI
{
namespace
{
using namespace AttributeReading;

// One node's attributes with the readings the factory applies to them. Only
// attributes checked present by `hasAll` are read.
struct Request
{
    std::string_view name;
    const UIAttributes& attributes;
    const IUIDescription* description;
    CKnobWP*& alphaWheelKnob;

    const std::string& text(UTF8StringPtr attribute) const
    {
        return *attributes.getAttributeValue(attribute);
    }
    bool hasAll(std::initializer_list<UTF8StringPtr> names) const
    {
        for (UTF8StringPtr attribute : names)
        {
            if (!attributes.hasAttribute(attribute))
                return false;
        }
        return true;
    }
    CRect rectangle() const
    {
        const Pair origin = readPair(text("origin"));
        const Pair size = readPair(text("size"));
        // Summed as coordinates: the integers themselves may be as large as
        // `strtol` reads, and their sum would overflow.
        return CRect(CCoord(origin.a), CCoord(origin.b), CCoord(origin.a) + CCoord(size.a),
                     CCoord(origin.b) + CCoord(size.b));
    }
    CPoint point(UTF8StringPtr attribute) const
    {
        const Pair p = readPair(text(attribute));
        return CPoint(CCoord(p.a), CCoord(p.b));
    }
    int32_t tag() const { return readInt(text("control-tag")); }
    IControlListener* listener() const
    {
        return description ? description->getControlListener(text("control-tag").c_str()) : nullptr;
    }
    // The bitmap whose resource is the attribute text plus ".png"; whether that
    // file exists is the bitmap's concern.
    CBitmap* image(UTF8StringPtr attribute) const
    {
        return new CBitmap(CResourceDescription(text(attribute) + ".png"));
    }
    CColor colour(UTF8StringPtr attribute) const
    {
        CColor colour = kWhiteCColor;
        if (description)
            description->getColor(text(attribute).c_str(), colour);
        return colour;
    }
};

// A view keeps its own reference to each image, so the factory drops its own
// once the view holds them.
template <typename View>
View* withImagesReleased(View* view, std::initializer_list<CBitmap*> images)
{
    for (CBitmap* image : images)
        image->forget();
    return view;
}

CView* buildKickButton(const Request& r)
{
    if (!r.hasAll({"size", "origin", "bitmap", "control-tag", "background-offset"}))
        return nullptr;
    CBitmap* image = r.image("bitmap");
    return withImagesReleased(new CKickButtonWP(r.rectangle(), r.listener(), r.tag(), image,
                                                r.point("background-offset")),
                              {image});
}

CView* buildPad(const Request& r)
{
    if (!r.hasAll({"size", "origin", "back-color", "frame-color", "font-color", "frame-width",
                   "round-rect-radius", "style-round-rect", "style-no-frame"}))
        return nullptr;
    auto* pad = new CXYPadWP(r.rectangle());
    pad->setJoystickMode(r.name == "Joystick");
    pad->setBackColor(r.colour("back-color"));
    pad->setFrameColor(r.colour("frame-color"));
    pad->setFontColor(r.colour("font-color"));
    pad->setFrameWidth(readInt(r.text("frame-width")));
    pad->setRoundRectRadius(readInt(r.text("round-rect-radius")));
    const auto setStyleBit = [&](const char* attribute, int32_t bit)
    {
        const int32_t style = pad->getStyle();
        pad->setStyle(readFlag(r.text(attribute)) ? style | bit : style & ~bit);
    };
    setStyleBit("style-round-rect", kRoundRectStyle);
    setStyleBit("style-no-frame", kNoFrame);
    return pad;
}

CView* buildKnob(const Request& r)
{
    if (!r.hasAll({"size", "origin", "bitmap", "control-tag", "background-offset",
                   "height-of-one-image", "sub-pixmaps"}))
        return nullptr;
    const bool alphaWheel = r.name == "AlphaWheelKnobView";
    CBitmap* image = r.image("bitmap");
    auto* knob = withImagesReleased(
        new CKnobWP(r.rectangle(), r.listener(), r.tag(), readInt(r.text("sub-pixmaps")),
                    readReal(r.text("height-of-one-image")), image, r.point("background-offset"),
                    !alphaWheel, alphaWheel, false),
        {image});
    if (alphaWheel)
    {
        // The newest alpha wheel wins; a destroyed one is forgotten so that a
        // later editor never links its LCD groups to a dead knob.
        CKnobWP** slot = &r.alphaWheelKnob;
        *slot = knob;
        knob->setDestroyedCallback(
            [slot](CKnobWP* destroyed)
            {
                if (*slot == destroyed)
                    *slot = nullptr;
            });
    }
    return knob;
}

CView* buildSlider(const Request& r)
{
    if (!r.hasAll({"size", "origin", "bitmap", "handle-bitmap", "handle-offset", "control-tag",
                   "orientation"}))
        return nullptr;
    CBitmap* background = r.image("bitmap");
    CBitmap* handle = r.image("handle-bitmap");
    // The handle offset shifts the background image; the handle keeps no offset.
    const CPoint offset = r.point("handle-offset");
    CView* slider = nullptr;
    if (r.text("orientation") == "vertical")
        slider = new CVerticalSliderWP(r.rectangle(), r.listener(), r.tag(), 0, 1, handle,
                                       background, offset, kBottom);
    else
        slider = new CHorizontalSliderWP(r.rectangle(), r.listener(), r.tag(), 0, 1, handle,
                                         background, offset, kRight);
    return withImagesReleased(slider, {background, handle});
}

bool hasMeterAttributes(const Request& r)
{
    return r.hasAll({"size", "origin", "bitmap", "off-bitmap", "num-led"});
}

CVuMeterWP* newMeter(const Request& r, bool inverted, bool analog)
{
    CBitmap* on = r.image("bitmap");
    CBitmap* off = r.image("off-bitmap");
    return withImagesReleased(new CVuMeterWP(r.rectangle(), on, off, readInt(r.text("num-led")),
                                             inverted, analog, kVertical),
                              {on, off});
}

// The frame height is written in the name between "_H" and "_Z", the zero
// frame after "_Z". A name without a marker keeps that number's default.
void readAnalogNumbers(std::string_view name, CVuMeterWP& meter)
{
    const auto h = name.find("_H");
    const auto z = name.find("_Z");
    if (h != std::string_view::npos)
    {
        const auto end = (z != std::string_view::npos && z > h) ? z : name.size();
        meter.setAnalogFrameHeight(readReal(std::string(name.substr(h + 2, end - (h + 2)))));
    }
    if (z != std::string_view::npos)
        meter.setAnalogZeroFrame(readReal(std::string(name.substr(z + 2))));
}

CView* buildAnalogMeter(const Request& r)
{
    if (!hasMeterAttributes(r))
        return nullptr;
    const bool inverted = r.name.find("InvertedAnalogMeterView") != std::string_view::npos;
    CVuMeterWP* meter = newMeter(r, inverted, true);
    readAnalogNumbers(r.name, *meter);
    meter->setAnalogFrameCount(readReal(r.text("num-led")));
    return meter;
}

CView* buildLedMeter(const Request& r)
{
    if (!hasMeterAttributes(r))
        return nullptr;
    return newMeter(r, r.name == "InvertedMeterView", false);
}

struct Entry
{
    std::string_view name;
    bool substring;
    CView* (*build)(const Request&);
};

// Tried in order; the first name that matches decides.
constexpr Entry kEntries[] = {
    {"ZolmKickButton", false, buildKickButton},
    {"TrackPad", false, buildPad},
    {"Joystick", false, buildPad},
    {"KnobSwitchView", false, buildKnob},
    {"AlphaWheelKnobView", false, buildKnob},
    {"SliderSwitchView", false, buildSlider},
    {"AnalogMeterView", true, buildAnalogMeter},
    {"InvertedMeterView", false, buildLedMeter},
    {"MeterView", false, buildLedMeter},
};
} // namespace

CView* CustomViewFactory::create(UTF8StringPtr name, const UIAttributes& attributes,
                                 const IUIDescription* description, CKnobWP*& alphaWheelKnob)
{
    if (!name)
        return nullptr;
    const Request request{name, attributes, description, alphaWheelKnob};
    for (const Entry& entry : kEntries)
    {
        const bool matches = entry.substring
                                 ? request.name.find(entry.name) != std::string_view::npos
                                 : request.name == entry.name;
        if (matches)
            return entry.build(request);
    }
    return nullptr;
}
} // namespace VSTGUI
