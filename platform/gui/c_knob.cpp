#include "c_knob.h"

#include "c_bitmap.h"
#include "c_draw_context.h"

#include <cmath>

namespace VSTGUI
{

CKnob::CKnob(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
             CBitmap* handle, const CPoint& offset)
    : CControl(size, listener, tag, background), offset(offset),
      startAngle(static_cast<float>(3.0 * M_PI / 4.0)),
      rangeAngle(static_cast<float>(3.0 * M_PI / 2.0))
{
    setHandleBitmap(handle);
}

CKnob::CKnob(const CKnob& k)
    : CControl(k), offset(k.offset), colorHandle(k.colorHandle), startAngle(k.startAngle),
      rangeAngle(k.rangeAngle), zoomFactor(k.zoomFactor)
{
    setHandleBitmap(k.pHandle);
}

CKnob::~CKnob()
{
    if (pHandle)
        pHandle->forget();
}

void CKnob::setHandleBitmap(CBitmap* bitmap)
{
    exchangeReference(pHandle, bitmap);
}

void CKnob::draw(CDrawContext* context)
{
    if (CBitmap* image = getDrawBackground())
        image->draw(context, size, offset);
    // Handle: from the centre towards the rim at the value's angle.
    double angle = startAngle + rangeAngle * getValueNormalized();
    CPoint centre = size.getCenter();
    double radius = std::min(size.getWidth(), size.getHeight()) / 2 - 2;
    CPoint tip(centre.x + std::cos(angle) * radius, centre.y + std::sin(angle) * radius);
    if (pHandle)
    {
        CCoord w = pHandle->getWidth();
        CCoord h = pHandle->getHeight();
        CPoint at(centre.x + std::cos(angle) * radius * 0.7,
                  centre.y + std::sin(angle) * radius * 0.7);
        pHandle->draw(context, CRect(at.x - w / 2, at.y - h / 2, at.x + w / 2, at.y + h / 2));
    }
    else if (radius > 0)
    {
        context->setDrawMode(kAntiAliasing);
        context->setLineWidth(2);
        context->setFrameColor(colorHandle);
        CPoint inner(centre.x + (tip.x - centre.x) * 0.3, centre.y + (tip.y - centre.y) * 0.3);
        context->drawLine(inner, tip);
    }
    setDirty(false);
}

CMouseEventResult CKnob::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton))
        return kMouseEventNotHandled;
    if (checkDefaultValue(buttons))
        return kMouseEventNotHandled;
    beginEdit();
    firstPoint = where;
    entryValue = getValueNormalized();
    return kMouseEventHandled;
}

CMouseEventResult CKnob::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    (void)buttons;
    return endDragEdit();
}

// Up and right raise the value; shift makes the drag ten times finer.
CMouseEventResult CKnob::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    if (!isEditing() || !(buttons & kLButton))
        return kMouseEventNotHandled;
    float pixels = zoomFactor * ((buttons & kShift) ? 10.f : 1.f);
    if (pixels <= 0)
        return kMouseEventHandled;
    double delta = ((where.x - firstPoint.x) - (where.y - firstPoint.y)) / pixels;
    float normalized = static_cast<float>(entryValue + delta);
    float before = value;
    setValueNormalized(normalized);
    if (value != before)
    {
        valueChanged();
        invalid();
    }
    return kMouseEventHandled;
}

} // namespace VSTGUI
