#pragma once

#include "c_xy_pad.h"

namespace VSTGUI
{
// The system's two-dimensional pad. Inside the pad y runs downwards (0 at the
// top); towards the parameters it runs upwards, and the pad converts at its
// boundary: `setValue` takes a parameter-side value, drags report one. In
// joystick mode the handle stays inside the diamond whose corners are the
// midpoints of the edges. The first position of a drag is reported as the mouse
// goes down, before the edit begins.
class CXYPadWP : public CXYPad
{
public:
    explicit CXYPadWP(const CRect& size);
    ~CXYPadWP() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;
    void setValue(float val) override;

    void setJoystickMode(bool on) { joystickMode = on; }
    bool isJoystickMode() const { return joystickMode; }
    bool isDragging() const { return dragging; }

    // Even-odd test of a point, in view fractions (y down), against the region.
    bool isInsideRegion(float px, float py) const;

private:
    void drawDiamond(CDrawContext* context);

    bool dragging = false;
    bool joystickMode = false;
    // Corners of the joystick region: left, top, right and bottom midpoints.
    float boundaryX[4] = {0.f, 0.5f, 1.f, 0.5f};
    float boundaryY[4] = {0.5f, 0.f, 0.5f, 1.f};
    float lastInsideX = 0.f;
    float lastInsideY = 0.f;
};
} // namespace VSTGUI
