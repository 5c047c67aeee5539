#include "c_control.h"

#include "i_control_listener.h"

namespace VSTGUI
{

CControl::CControl(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background)
    : CView(size), listener(listener), tag(tag)
{
    setBackground(background);
}

// A copy starts with no edit open.
CControl::CControl(const CControl& c)
    : CView(c), listener(c.listener), tag(c.tag), value(c.value), vmin(c.vmin), vmax(c.vmax),
      oldValue(c.oldValue), defaultValue(c.defaultValue), wheelInc(c.wheelInc)
{
}

CControl::~CControl() = default;

void CControl::setValueNormalized(float val)
{
    if (val > 1.f)
        val = 1.f;
    else if (val < 0.f)
        val = 0.f;
    setValue(getRange() * val + getMin());
}

float CControl::getValueNormalized() const
{
    float range = getRange();
    if (range == 0.f)
        return 0.f;
    return (getValue() - getMin()) / range;
}

void CControl::bounceValue()
{
    if (value > vmax)
        value = vmax;
    else if (value < vmin)
        value = vmin;
}

void CControl::setTag(int32_t val)
{
    if (val == tag)
        return;
    if (listener)
        listener->controlTagWillChange(this);
    tag = val;
    if (listener)
        listener->controlTagDidChange(this);
}

void CControl::beginEdit()
{
    if (editing++ == 0 && listener)
        listener->controlBeginEdit(this);
}

void CControl::endEdit()
{
    if (editing <= 0)
        return;
    if (--editing == 0 && listener)
        listener->controlEndEdit(this);
}

CMouseEventResult CControl::endDragEdit()
{
    if (!isEditing())
        return kMouseEventNotHandled;
    endEdit();
    return kMouseEventHandled;
}

void CControl::valueChanged()
{
    if (listener)
        listener->valueChanged(this);
}

void CControl::setDirty(bool val)
{
    CView::setDirty(val);
    if (!val)
        oldValue = value;
}

bool CControl::isDirty() const
{
    return oldValue != value || CView::isDirty();
}

bool CControl::checkDefaultValue(CButtonState button)
{
    if (!(button & kLButton) || !(button & kControl))
        return false;
    float previous = value;
    beginEdit();
    value = getDefaultValue();
    if (value != previous)
    {
        valueChanged();
        invalid();
    }
    endEdit();
    return true;
}

} // namespace VSTGUI
