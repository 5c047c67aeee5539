#include "c_slider.h"

#include "c_bitmap.h"
#include "c_draw_context.h"

#include <algorithm>

namespace VSTGUI
{

CSlider::CSlider(const CRect& size, IControlListener* listener, int32_t tag, int32_t iMinPos,
                 int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset,
                 const int32_t style)
    : CControl(size, listener, tag, background), offset(offset), style(style), minPos(iMinPos),
      maxPos(iMaxPos)
{
    setHandle(handle);
}

CSlider::CSlider(const CSlider& slider)
    : CControl(slider), offset(slider.offset), offsetHandle(slider.offsetHandle),
      style(slider.style), minPos(slider.minPos), maxPos(slider.maxPos),
      zoomFactor(slider.zoomFactor)
{
    setHandle(slider.pHandle);
}

CSlider::~CSlider()
{
    if (pHandle)
        pHandle->forget();
}

void CSlider::setHandle(CBitmap* handle)
{
    if (exchangeReference(pHandle, handle))
        setDirty(true);
}

bool CSlider::risesWithCoordinate() const
{
    if (isHorizontal())
        return (style & kRight) == 0;
    return (style & kTop) != 0 && (style & kBottom) == 0;
}

CCoord CSlider::handleLength() const
{
    if (!pHandle)
        return 0;
    return isHorizontal() ? pHandle->getWidth() : pHandle->getHeight();
}

CCoord CSlider::travel() const
{
    CCoord length = isHorizontal() ? size.getWidth() : size.getHeight();
    CCoord inset = isHorizontal() ? offsetHandle.x : offsetHandle.y;
    return std::max<CCoord>(0, length - handleLength() - 2 * inset);
}

CRect CSlider::getHandleRect() const
{
    float n = std::clamp(getValueNormalized(), 0.f, 1.f);
    double fraction = risesWithCoordinate() ? n : 1.0 - n;
    CCoord along = fraction * travel();
    CCoord w = pHandle ? pHandle->getWidth() : 0;
    CCoord h = pHandle ? pHandle->getHeight() : 0;
    CRect r;
    if (isHorizontal())
    {
        r.left = size.left + offsetHandle.x + along;
        r.top = size.top + offsetHandle.y;
    }
    else
    {
        r.left = size.left + offsetHandle.x;
        r.top = size.top + offsetHandle.y + along;
    }
    r.right = r.left + w;
    r.bottom = r.top + h;
    return r;
}

void CSlider::draw(CDrawContext* context)
{
    if (CBitmap* image = getDrawBackground())
        image->draw(context, size, offset);
    if (pHandle)
    {
        CRect handle = getHandleRect();
        handle.bound(size);
        pHandle->draw(context, handle);
    }
    setDirty(false);
}

// Value for a handle whose start edge is at `handleStart` (in parent coordinates).
float CSlider::valueAt(CCoord handleStart) const
{
    CCoord range = travel();
    if (range <= 0)
        return getValue();
    CCoord origin = isHorizontal() ? size.left + offsetHandle.x : size.top + offsetHandle.y;
    double fraction = std::clamp((handleStart - origin) / range, 0.0, 1.0);
    double n = risesWithCoordinate() ? fraction : 1.0 - fraction;
    return static_cast<float>(getMin() + n * getRange());
}

CMouseEventResult CSlider::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton))
        return kMouseEventNotHandled;
    if (checkDefaultValue(buttons))
        return kMouseEventNotHandled;
    CRect handle = getHandleRect();
    CCoord pointer = isHorizontal() ? where.x : where.y;
    CCoord start = isHorizontal() ? handle.left : handle.top;
    if (pHandle && handle.pointInside(where))
        grabDelta = pointer - start;
    else
        grabDelta = handleLength() / 2;
    beginEdit();
    onMouseMoved(where, buttons);
    return kMouseEventHandled;
}

CMouseEventResult CSlider::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    (void)buttons;
    return endDragEdit();
}

CMouseEventResult CSlider::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!isEditing() || !(buttons & kLButton))
        return kMouseEventNotHandled;
    CCoord pointer = isHorizontal() ? where.x : where.y;
    float before = value;
    value = valueAt(pointer - grabDelta);
    bounceValue();
    if (value != before)
    {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

CVerticalSlider::CVerticalSlider(const CRect& size, IControlListener* listener, int32_t tag,
                                 int32_t iMinPos, int32_t iMaxPos, CBitmap* handle,
                                 CBitmap* background, const CPoint& offset, const int32_t style)
    : CSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset, style | kVertical)
{
}

CHorizontalSlider::CHorizontalSlider(const CRect& size, IControlListener* listener, int32_t tag,
                                     int32_t iMinPos, int32_t iMaxPos, CBitmap* handle,
                                     CBitmap* background, const CPoint& offset, const int32_t style)
    : CSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset,
              style | kHorizontal)
{
}

} // namespace VSTGUI
