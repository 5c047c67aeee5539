#pragma once

#include "c_kick_button.h"

namespace VSTGUI
{
// A momentary button that reports the press when the mouse goes down and the
// release when it comes up, wherever the pointer then is. A bound parameter
// therefore reads 1 for exactly as long as the button is held: begin edit, 1,
// minimum, end edit.
class CKickButtonWP : public CKickButton
{
public:
    CKickButtonWP(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                  const CPoint& offset);
    ~CKickButtonWP() override;

    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
};
} // namespace VSTGUI
