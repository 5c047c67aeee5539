#include "c_kick_button.h"

#include "c_bitmap.h"

namespace VSTGUI
{

CKickButton::CKickButton(const CRect& size, IControlListener* listener, int32_t tag,
                         CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), offset(offset), heightOfOneImage(size.getHeight())
{
}

CKickButton::CKickButton(const CRect& size, IControlListener* listener, int32_t tag,
                         CCoord heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CControl(size, listener, tag, background), offset(offset), heightOfOneImage(heightOfOneImage)
{
}

void CKickButton::draw(CDrawContext* context)
{
    if (CBitmap* image = getDrawBackground())
    {
        CPoint where(offset);
        if (value == getMax())
            where.y += heightOfOneImage;
        image->draw(context, size, where);
    }
    setDirty(false);
}

CMouseEventResult CKickButton::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton))
        return kMouseEventNotHandled;
    beginEdit();
    return onMouseMoved(where, buttons);
}

CMouseEventResult CKickButton::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    (void)buttons;
    if (!isEditing())
        return kMouseEventNotHandled;
    if (value == getMax())
    {
        valueChanged();
        value = getMin();
        valueChanged();
    }
    else
    {
        value = getMin();
    }
    if (isDirty())
        invalid();
    endEdit();
    return kMouseEventHandled;
}

CMouseEventResult CKickButton::onMouseMoved(CPoint& where, const CButtonState& buttons)
{
    (void)buttons;
    if (!isEditing())
        return kMouseEventNotHandled;
    bool inside = where.x >= size.left && where.x <= size.right && where.y >= size.top &&
                  where.y <= size.bottom;
    value = inside ? getMax() : getMin();
    if (isDirty())
        invalid();
    return kMouseEventHandled;
}

} // namespace VSTGUI
