#pragma once

#include "c_color.h"
#include "c_control.h"

namespace VSTGUI
{

// A rotary control dragged the usual way: moving the mouse up or right raises the
// value, down or left lowers it; a full range takes `getZoomFactor()` pixels
// (ten times as many with shift held). It draws its background image and a handle
// line at the angle of its value.
class CKnob : public CControl
{
public:
    CKnob(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
          CBitmap* handle = nullptr, const CPoint& offset = CPoint(0, 0));
    CKnob(const CKnob& k);
    ~CKnob() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    // Angles in radians, clockwise from the positive x axis.
    virtual void setStartAngle(float val) { startAngle = val; }
    float getStartAngle() const { return startAngle; }
    virtual void setRangeAngle(float val) { rangeAngle = val; }
    float getRangeAngle() const { return rangeAngle; }
    virtual void setZoomFactor(float val) { zoomFactor = val; }
    float getZoomFactor() const { return zoomFactor; }
    virtual void setHandleBitmap(CBitmap* bitmap);
    CBitmap* getHandleBitmap() const { return pHandle; }
    virtual void setColorHandle(const CColor& c) { colorHandle = c; }
    const CColor& getColorHandle() const { return colorHandle; }
    void setOffset(const CPoint& p) { offset = p; }
    const CPoint& getOffset() const { return offset; }

    CLASS_METHODS(CKnob, CControl)

protected:
    CPoint offset;
    CBitmap* pHandle{nullptr};
    CColor colorHandle{kWhiteCColor};
    float startAngle;
    float rangeAngle;
    float zoomFactor{200.f};
    // Drag state: where the drag started and the value then.
    CPoint firstPoint;
    float entryValue{0.f};
};

} // namespace VSTGUI
