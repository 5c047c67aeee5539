#pragma once

#include "c_control.h"

namespace VSTGUI
{

// A momentary button. Its image is a strip of two frames: released above, pressed
// below; the pressed frame shows while the value equals the maximum. It reports the
// maximum, then the minimum, when the mouse is released over it; released elsewhere
// it only returns to the minimum.
class CKickButton : public CControl
{
public:
    CKickButton(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
                const CPoint& offset = CPoint(0, 0));
    CKickButton(const CRect& size, IControlListener* listener, int32_t tag, CCoord heightOfOneImage,
                CBitmap* background, const CPoint& offset = CPoint(0, 0));
    CKickButton(const CKickButton& v) = default;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    // While an edit is open: the maximum with the pointer inside the button (edges
    // included), the minimum outside; redraws on change, never notifies.
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    virtual void setHeightOfOneImage(const CCoord& height) { heightOfOneImage = height; }
    CCoord getHeightOfOneImage() const { return heightOfOneImage; }
    void setOffset(const CPoint& p) { offset = p; }
    const CPoint& getOffset() const { return offset; }

    CLASS_METHODS(CKickButton, CControl)

protected:
    CPoint offset;
    CCoord heightOfOneImage;
};

} // namespace VSTGUI
