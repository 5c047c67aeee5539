#pragma once

#include "c_param_display.h"

namespace VSTGUI
{

// A two-dimensional control. Its one value packs x and y (each 0 to 1, kept to
// thousandths): value = trunc(x * 1000) * 0.001 + trunc(y * 1000) * 1e-7, in single
// precision. It draws the parameter-display back and a round handle whose diameter
// is the round-rect radius, filled with the font colour; y = 0 is at the top.
class CXYPad : public CParamDisplay
{
public:
    explicit CXYPad(const CRect& size = CRect(0, 0, 0, 0));
    CXYPad(const CXYPad& v) = default;

    static float calculateValue(float x, float y);
    static void calculateXY(float value, float& x, float& y);

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    void setStopTrackingOnMouseExit(bool state) { stopTrackingOnMouseExit = state; }
    bool getStopTrackingOnMouseExit() const { return stopTrackingOnMouseExit; }

    CLASS_METHODS(CXYPad, CParamDisplay)

protected:
    bool stopTrackingOnMouseExit{false};
};

} // namespace VSTGUI
