#include "kick_button_wp.h"

namespace VSTGUI
{
CKickButtonWP::CKickButtonWP(const CRect& size, IControlListener* listener, int32_t tag,
                             CBitmap* background, const CPoint& offset)
    : CKickButton(size, listener, tag, background, offset)
{
}

CKickButtonWP::~CKickButtonWP() = default;

CMouseEventResult CKickButtonWP::onMouseDown(CPoint& where, const CButtonState& buttons)
{
    if (!(buttons & kLButton))
        return kMouseEventNotHandled;
    // The press is always reported as 1, whatever the control's maximum.
    value = 1.f;
    beginEdit();
    if (value != 0.f)
        valueChanged();
    if (isDirty())
        invalid();
    // The base's move handling shows the pressed frame while the pointer is inside.
    return CKickButton::onMouseMoved(where, buttons);
}

CMouseEventResult CKickButtonWP::onMouseUp(CPoint& where, const CButtonState& buttons)
{
    (void)where;
    (void)buttons;
    value = getMin();
    valueChanged();
    if (isDirty())
        invalid();
    endEdit();
    return kMouseEventHandled;
}
} // namespace VSTGUI
