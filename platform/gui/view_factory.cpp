#include "view_factory.h"

#include "c_anim_knob.h"
#include "c_bitmap.h"
#include "c_kick_button.h"
#include "c_slider.h"
#include "c_text_edit.h"
#include "c_view_container.h"
#include "c_vu_meter.h"
#include "c_xy_pad.h"
#include "i_ui_description.h"

#include <cmath>
#include <functional>
#include <map>

namespace VSTGUI::ViewFactory
{
namespace
{

CRect rectOf(const UIAttributes& a)
{
    CPoint origin;
    CPoint size;
    a.getPointAttribute("origin", origin);
    a.getPointAttribute("size", size);
    return CRect(origin, size);
}

using Creator = std::function<CView*(const CRect&)>;

const std::map<std::string, Creator>& creators()
{
    static const std::map<std::string, Creator> table = {
        {"CView", [](const CRect& r) -> CView* { return new CView(r); }},
        {"CViewContainer", [](const CRect& r) -> CView* { return new CViewContainer(r); }},
        {"CParamDisplay", [](const CRect& r) -> CView* { return new CParamDisplay(r); }},
        {"CTextLabel", [](const CRect& r) -> CView* { return new CTextLabel(r); }},
        {"CTextEdit", [](const CRect& r) -> CView* { return new CTextEdit(r, nullptr, -1); }},
        {"CKnob", [](const CRect& r) -> CView* { return new CKnob(r, nullptr, -1, nullptr); }},
        {"CAnimKnob",
         [](const CRect& r) -> CView* { return new CAnimKnob(r, nullptr, -1, nullptr); }},
        {"CSlider",
         [](const CRect& r) -> CView* {
             return new CSlider(r, nullptr, -1, 0, 0, nullptr, nullptr, CPoint(0, 0),
                                kHorizontal | kLeft);
         }},
        {"CVerticalSlider",
         [](const CRect& r) -> CView*
         { return new CVerticalSlider(r, nullptr, -1, 0, 0, nullptr, nullptr); }},
        {"CHorizontalSlider",
         [](const CRect& r) -> CView*
         { return new CHorizontalSlider(r, nullptr, -1, 0, 0, nullptr, nullptr); }},
        {"CKickButton",
         [](const CRect& r) -> CView* { return new CKickButton(r, nullptr, -1, nullptr); }},
        {"CVuMeter",
         [](const CRect& r) -> CView* { return new CVuMeter(r, nullptr, nullptr, 10); }},
        {"CXYPad", [](const CRect& r) -> CView* { return new CXYPad(r); }},
    };
    return table;
}

bool getColor(const UIAttributes& a, const char* name, const IUIDescription* d, CColor& c)
{
    const std::string* text = a.getAttributeValue(name);
    return text && d && d->getColor(text->c_str(), c);
}

CBitmap* getBitmap(const UIAttributes& a, const char* name, const IUIDescription* d)
{
    const std::string* text = a.getAttributeValue(name);
    return text && d ? d->getBitmap(text->c_str()) : nullptr;
}

void applyView(CView* v, const UIAttributes& a, const IUIDescription* d, bool withGeometry)
{
    if (withGeometry)
    {
        const CRect r = placedRect(v->getViewSize(), a);
        if (r != v->getViewSize())
            v->setViewSize(r);
    }
    bool flag = false;
    if (a.getBooleanAttribute("transparent", flag))
        v->setTransparency(flag);
    if (a.getBooleanAttribute("mouse-enabled", flag))
        v->setMouseEnabled(flag);
    if (CBitmap* b = getBitmap(a, "bitmap", d))
        v->setBackground(b);
    if (CBitmap* b = getBitmap(a, "disabled-bitmap", d))
        v->setDisabledBackground(b);
    if (const std::string* tip = a.getAttributeValue("tooltip"))
        v->setTooltipText(tip->c_str());
}

void applyContainer(CViewContainer* v, const UIAttributes& a, const IUIDescription* d)
{
    CColor c;
    if (getColor(a, "background-color", d, c))
        v->setBackgroundColor(c);
    CPoint p;
    if (a.getPointAttribute("background-offset", p))
        v->setBackgroundOffset(p);
}

void applyControl(CControl* v, const UIAttributes& a, const IUIDescription* d)
{
    // The tag first, the listener after: a listener that binds by tag then sees the final tag.
    if (const std::string* tagName = a.getAttributeValue("control-tag"); tagName && d)
    {
        int32_t tag = d->getTagForName(tagName->c_str());
        if (tag != -1 || *tagName == "-1")
            v->setTag(tag);
        if (IControlListener* listener = d->getControlListener(tagName->c_str()))
            v->setListener(listener);
    }
    double x = 0;
    if (a.getDoubleAttribute("min-value", x))
        v->setMin(static_cast<float>(x));
    if (a.getDoubleAttribute("max-value", x))
        v->setMax(static_cast<float>(x));
    if (a.getDoubleAttribute("default-value", x))
        v->setDefaultValue(static_cast<float>(x));
    if (a.getDoubleAttribute("wheel-inc-value", x))
        v->setWheelInc(static_cast<float>(x));
}

void setStyleBit(CParamDisplay* v, const UIAttributes& a, const char* name, int32_t bit)
{
    bool flag = false;
    if (a.getBooleanAttribute(name, flag))
        v->setStyle(flag ? (v->getStyle() | bit) : (v->getStyle() & ~bit));
}

void applyParamDisplay(CParamDisplay* v, const UIAttributes& a, const IUIDescription* d)
{
    if (const std::string* font = a.getAttributeValue("font"); font && d)
    {
        if (CFontDesc* f = d->getFont(font->c_str()))
            v->setFont(f);
    }
    CColor c;
    if (getColor(a, "font-color", d, c))
        v->setFontColor(c);
    if (getColor(a, "back-color", d, c))
        v->setBackColor(c);
    if (getColor(a, "frame-color", d, c))
        v->setFrameColor(c);
    if (getColor(a, "shadow-color", d, c))
        v->setShadowColor(c);
    double x = 0;
    if (a.getDoubleAttribute("frame-width", x))
        v->setFrameWidth(x);
    if (a.getDoubleAttribute("round-rect-radius", x))
        v->setRoundRectRadius(x);
    setStyleBit(v, a, "style-round-rect", kRoundRectStyle);
    setStyleBit(v, a, "style-no-frame", kNoFrame);
    setStyleBit(v, a, "style-no-draw", kNoDrawStyle);
    setStyleBit(v, a, "style-no-text", kNoTextStyle);
    setStyleBit(v, a, "style-shadow-text", kShadowText);
    if (const std::string* align = a.getAttributeValue("text-alignment"))
    {
        if (*align == "left")
            v->setHoriAlign(kLeftText);
        else if (*align == "center")
            v->setHoriAlign(kCenterText);
        else if (*align == "right")
            v->setHoriAlign(kRightText);
    }
    int32_t precision = 0;
    if (a.getIntegerAttribute("value-precision", precision) && precision >= 0 && precision <= 20)
        v->setPrecision(static_cast<uint8_t>(precision));
}

void applyKnob(CKnob* v, const UIAttributes& a, const IUIDescription* d)
{
    constexpr double kRadiansPerDegree = M_PI / 180.0;
    double x = 0;
    if (a.getDoubleAttribute("angle-start", x))
        v->setStartAngle(static_cast<float>(x * kRadiansPerDegree));
    if (a.getDoubleAttribute("angle-range", x))
        v->setRangeAngle(static_cast<float>(x * kRadiansPerDegree));
    if (CBitmap* b = getBitmap(a, "handle-bitmap", d))
        v->setHandleBitmap(b);
    CColor c;
    if (getColor(a, "handle-color", d, c))
        v->setColorHandle(c);
}

void applyAnimKnob(CAnimKnob* v, const UIAttributes& a)
{
    double height = 0;
    bool hasHeight = a.getDoubleAttribute("height-of-one-image", height) && height >= 0;
    if (hasHeight)
        v->setHeightOfOneImage(height);
    int32_t frames = 0;
    if (a.getIntegerAttribute("sub-pixmaps", frames))
        v->setNumSubPixmaps(frames);
    else if (hasHeight && height > 0 && v->getBackground())
        v->setNumSubPixmaps(static_cast<int32_t>(v->getBackground()->getHeight() / height));
    bool flag = false;
    if (a.getBooleanAttribute("inverse-bitmap", flag))
        v->setInverseBitmap(flag);
}

// Orientation replaces only the orientation bit; which end holds the minimum changes
// only when "reverse-orientation" says so.
void applySlider(CSlider* v, const UIAttributes& a, const IUIDescription* d)
{
    if (CBitmap* b = getBitmap(a, "handle-bitmap", d))
        v->setHandle(b);
    CPoint p;
    if (a.getPointAttribute("handle-offset", p))
        v->setOffsetHandle(p);
    if (a.getPointAttribute("bitmap-offset", p))
        v->setOffset(p);
    int32_t style = v->getStyle();
    if (const std::string* orientation = a.getAttributeValue("orientation"))
    {
        if (*orientation == "vertical")
            style = (style & ~kHorizontal) | kVertical;
        else if (*orientation == "horizontal")
            style = (style & ~kVertical) | kHorizontal;
    }
    bool reverse = false;
    if (a.getBooleanAttribute("reverse-orientation", reverse))
    {
        style &= ~(kLeft | kRight | kTop | kBottom);
        if (style & kVertical)
            style |= reverse ? kTop : kBottom;
        else
            style |= reverse ? kRight : kLeft;
    }
    v->setStyle(style);
}

void applyKickButton(CKickButton* v, const UIAttributes& a)
{
    double height = 0;
    if (a.getDoubleAttribute("height-of-one-image", height) && height >= 0)
        v->setHeightOfOneImage(height);
}

void applyVuMeter(CVuMeter* v, const UIAttributes& a, const IUIDescription* d)
{
    if (CBitmap* b = getBitmap(a, "off-bitmap", d))
        v->setOffBitmap(b);
    int32_t leds = 0;
    if (a.getIntegerAttribute("num-led", leds) && leds >= 0)
        v->setNbLed(leds);
    if (const std::string* orientation = a.getAttributeValue("orientation"))
    {
        if (*orientation == "vertical")
            v->setStyle((v->getStyle() & ~kHorizontal) | kVertical);
        else if (*orientation == "horizontal")
            v->setStyle((v->getStyle() & ~kVertical) | kHorizontal);
    }
    double step = 0;
    if (a.getDoubleAttribute("decrease-step-value", step))
        v->setDecreaseStepValue(static_cast<float>(step));
}

} // namespace

CView* createView(const std::string& className, const UIAttributes& attributes,
                  const IUIDescription* description)
{
    (void)description;
    auto it = creators().find(className);
    if (it == creators().end())
        return nullptr;
    return it->second(rectOf(attributes));
}

void applyAttributes(CView* view, const UIAttributes& a, const IUIDescription* d, bool withGeometry)
{
    if (!view)
        return;
    applyView(view, a, d, withGeometry);
    if (auto* v = dynamic_cast<CViewContainer*>(view))
        applyContainer(v, a, d);
    if (auto* v = dynamic_cast<CControl*>(view))
        applyControl(v, a, d);
    if (auto* v = dynamic_cast<CParamDisplay*>(view))
        applyParamDisplay(v, a, d);
    if (auto* v = dynamic_cast<CTextLabel*>(view))
    {
        if (const std::string* title = a.getAttributeValue("title"))
            v->setText(title->c_str());
    }
    if (auto* v = dynamic_cast<CKnob*>(view))
        applyKnob(v, a, d);
    if (auto* v = dynamic_cast<CAnimKnob*>(view))
        applyAnimKnob(v, a);
    if (auto* v = dynamic_cast<CSlider*>(view))
        applySlider(v, a, d);
    if (auto* v = dynamic_cast<CKickButton*>(view))
        applyKickButton(v, a);
    if (auto* v = dynamic_cast<CVuMeter*>(view))
        applyVuMeter(v, a, d);
    if (auto* v = dynamic_cast<CXYPad*>(view))
    {
        bool flag = false;
        if (a.getBooleanAttribute("stop-tracking-on-mouse-exit", flag))
            v->setStopTrackingOnMouseExit(flag);
    }
}

CRect placedRect(CRect rect, const UIAttributes& attributes)
{
    CPoint p;
    if (attributes.getPointAttribute("origin", p))
        rect.moveTo(p);
    if (attributes.getPointAttribute("size", p))
        rect = CRect(rect.getTopLeft(), p);
    return rect;
}

} // namespace VSTGUI::ViewFactory
