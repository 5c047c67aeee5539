#include "c_xy_pad.h"

#include "c_draw_context.h"
#include "i_control_listener.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI
{

CXYPad::CXYPad(const CRect& size) : CParamDisplay(size) {}

namespace
{
// Fraction of the handle's travel, 0 when the view has no room for travel.
float fractionOf(CCoord offset, CCoord travel)
{
    if (!(travel > 0))
        return 0.f;
    return std::clamp(static_cast<float>(offset / travel), 0.f, 1.f);
}
} // namespace

float CXYPad::calculateValue(float x, float y)
{
    float xs = std::floor(std::trunc(x * 1000.f)) * 0.001f;
    float ys = std::floor(std::trunc(y * 1000.f)) * 0.0000001f;
    return xs + ys;
}

void CXYPad::calculateXY(float value, float& x, float& y)
{
    x = std::floor(value * 1000.f) * 0.001f;
    y = (value - x) * 10000.f;
}

void CXYPad::draw(CDrawContext* context)
{
    CParamDisplay::drawBack(context);
    float x = 0.f;
    float y = 0.f;
    calculateXY(getValue(), x, y);
    CCoord d = getRoundRectRadius();
    CCoord w = size.getWidth() - d;
    CCoord h = size.getHeight() - d;
    CRect handle(size.left + x * w, size.top + y * h, 0, 0);
    handle.setWidth(d);
    handle.setHeight(d);
    context->setFillColor(getFontColor());
    context->setDrawMode(kAntiAliasing);
    context->drawEllipse(handle, kDrawFilled);
    setDirty(false);
}

CMouseEventResult CXYPad::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    beginEdit();
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CXYPad::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    endEdit();
    return kMouseEventHandled;
}

CMouseEventResult CXYPad::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    if (stopTrackingOnMouseExit && !hitTest(where, buttons))
    {
        endEdit();
        return kMouseMoveEventHandledButDontNeedMoreEvents;
    }
    if (!isEditing())
        return kMouseEventNotHandled;
    CCoord d = getRoundRectRadius();
    CPoint p(where.x - size.left - d / 2, where.y - size.top - d / 2);
    float x = fractionOf(p.x, size.getWidth() - d);
    float y = fractionOf(p.y, size.getHeight() - d);
    setValue(calculateValue(x, y));
    if (listener && isDirty())
        listener->valueChanged(this);
    invalid();
    return kMouseEventHandled;
}

} // namespace VSTGUI
