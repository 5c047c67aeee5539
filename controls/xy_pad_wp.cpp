#include "xy_pad_wp.h"

#include "c_draw_context.h"
#include "i_control_listener.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI
{
namespace
{
float clampUnit(float v)
{
    if (std::isnan(v))
        return 0.f;
    return std::clamp(v, 0.f, 1.f);
}

// Position along one axis as a fraction of the handle's travel.
float travelFraction(CCoord offset, CCoord travel)
{
    if (!(travel > 0.0))
        return 0.f;
    return static_cast<float>(offset / travel);
}
} // namespace

CXYPadWP::CXYPadWP(const CRect& size) : CXYPad(size) {}

CXYPadWP::~CXYPadWP() = default;

bool CXYPadWP::isInsideRegion(float px, float py) const
{
    static constexpr int kEdges[4][2] = {{0, 3}, {1, 0}, {2, 1}, {3, 2}};
    bool inside = false;
    for (const auto& edge : kEdges)
    {
        const int i = edge[0];
        const int j = edge[1];
        if ((boundaryY[i] > py) != (boundaryY[j] > py) &&
            px < (boundaryX[j] - boundaryX[i]) * (py - boundaryY[i]) /
                         (boundaryY[j] - boundaryY[i]) +
                     boundaryX[i])
            inside = !inside;
    }
    return inside;
}

void CXYPadWP::setValue(float val)
{
    if (dragging)
    {
        CXYPad::setValue(val);
        return;
    }
    float x = 0.f;
    float upY = 0.f;
    calculateXY(val, x, upY);
    float y = static_cast<float>(1.0 - upY);
    if (joystickMode)
    {
        if (!isInsideRegion(x, y))
            return;
    }
    else
    {
        x = clampUnit(x);
        y = clampUnit(y);
    }
    CXYPad::setValue(calculateValue(x, y));
}

CMouseEventResult CXYPadWP::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
        return kMouseEventNotHandled;
    dragging = true;
    onMouseMoved(where, buttons);
    if (getEditing() <= 0)
        beginEdit();
    return kMouseEventHandled;
}

CMouseEventResult CXYPadWP::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    CXYPad::onMouseUp(where, buttons);
    dragging = false;
    return kMouseEventHandled;
}

CMouseEventResult CXYPadWP::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!buttons.isLeftButton())
    {
        dragging = false;
        return kMouseEventNotHandled;
    }
    if (stopTrackingOnMouseExit && !hitTest(where, buttons))
    {
        endEdit();
        return kMouseMoveEventHandledButDontNeedMoreEvents;
    }
    const CCoord d = getRoundRectRadius();
    where.offset(-(size.left + d / 2), -(size.top + d / 2));
    float fx = travelFraction(where.x, getWidth() - d);
    float fy = travelFraction(where.y, getHeight() - d);
    if (joystickMode)
    {
        if (isInsideRegion(fx, fy))
        {
            lastInsideX = fx = clampUnit(fx);
            lastInsideY = fy = clampUnit(fy);
        }
        else
        {
            fx = lastInsideX;
            fy = lastInsideY;
        }
    }
    else
    {
        fx = clampUnit(fx);
        fy = clampUnit(fy);
    }
    if (dragging)
    {
        // For an instant the pad holds the parameter-side value, which its
        // listener reads; then it keeps the view-side value for drawing.
        const float upY = static_cast<float>(1.0 - fy);
        setValue(calculateValue(fx, upY));
        if (listener && isDirty())
            listener->valueChanged(this);
        setValue(calculateValue(fx, static_cast<float>(1.0 - upY)));
    }
    invalid();
    dragging = true;
    return kMouseEventHandled;
}

void CXYPadWP::draw(CDrawContext* context)
{
    if (joystickMode)
        drawDiamond(context);
    else
        drawBack(context);

    float x = 0.f;
    float y = 0.f;
    calculateXY(getValue(), x, y);
    const CCoord d = getRoundRectRadius();
    const CCoord left = size.left + x * (getWidth() - d);
    const CCoord top = size.top + y * (getHeight() - d);
    context->setFillColor(fontColor);
    context->setDrawMode(kAntiAliasing);
    context->drawEllipse(CRect(left, top, left + d, top + d), kDrawFilled);
    setDirty(false);
}

void CXYPadWP::drawDiamond(CDrawContext* context)
{
    const CCoord midY = size.top + static_cast<float>(getHeight()) * 0.5;
    const CCoord midX = size.left + static_cast<float>(getWidth()) * 0.5;
    const PointList diamond = {{size.left, midY},
                               {midX, size.top},
                               {size.right, midY},
                               {midX, size.bottom},
                               {size.left, midY}};
    context->setLineWidth(2);
    context->setFillColor(backColor);
    context->setFrameColor(frameColor);
    context->drawPolygon(diamond, kDrawFilledAndStroked);

    context->setLineWidth(1);
    const CCoord cx = static_cast<float>(size.left + (size.right - size.left) * 0.5);
    const CCoord cy = static_cast<float>(size.top + (size.bottom - size.top) * 0.5);
    context->drawLine(CPoint(cx, size.top), CPoint(cx, size.bottom));
    context->drawLine(CPoint(size.left, cy), CPoint(size.right, cy));
}
} // namespace VSTGUI
