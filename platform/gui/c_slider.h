#pragma once

#include "c_control.h"

namespace VSTGUI
{

// Style bits of sliders beyond the orientation. They say where the minimum lies;
// without one, a horizontal slider has its minimum at the left and a vertical one
// at the bottom.
inline constexpr int32_t kLeft = 1 << 2;
inline constexpr int32_t kRight = 1 << 4;
inline constexpr int32_t kTop = 1 << 5;
inline constexpr int32_t kBottom = 1 << 6;

// A handle image that slides over a background image. The handle travels over the
// whole length of the view less the handle and twice the handle offset; the
// constructor's handle positions are kept but not used for the travel. A click on
// the handle drags it from where it was grabbed; a click beside it moves its centre
// to the pointer first.
class CSlider : public CControl
{
public:
    CSlider(const CRect& size, IControlListener* listener, int32_t tag, int32_t iMinPos,
            int32_t iMaxPos, CBitmap* handle, CBitmap* background,
            const CPoint& offset = CPoint(0, 0), const int32_t style = kLeft | kHorizontal);
    CSlider(const CSlider& slider);
    ~CSlider() override;

    void draw(CDrawContext* context) override;
    CMouseEventResult onMouseDown(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseUp(CPoint& where, const CButtonState& buttons) override;
    CMouseEventResult onMouseMoved(CPoint& where, const CButtonState& buttons) override;

    virtual void setHandle(CBitmap* handle);
    CBitmap* getHandle() const { return pHandle; }
    // Shift of the background image (its source offset).
    virtual void setOffset(const CPoint& val) { offset = val; }
    const CPoint& getOffset() const { return offset; }
    // Inset of the handle's travel from the view's edges.
    virtual void setOffsetHandle(const CPoint& val) { offsetHandle = val; }
    const CPoint& getOffsetHandle() const { return offsetHandle; }
    virtual void setStyle(int32_t val) { style = val; }
    int32_t getStyle() const { return style; }
    int32_t getMinPos() const { return minPos; }
    int32_t getMaxPos() const { return maxPos; }
    virtual void setZoomFactor(float val) { zoomFactor = val; }
    float getZoomFactor() const { return zoomFactor; }

    // The handle's rectangle for the current value, in the slider's parent coordinates.
    CRect getHandleRect() const;

    CLASS_METHODS(CSlider, CControl)

protected:
    bool isHorizontal() const { return (style & kHorizontal) != 0; }
    // True when the value rises in the direction of growing coordinates.
    bool risesWithCoordinate() const;
    CCoord handleLength() const;
    CCoord travel() const;
    float valueAt(CCoord handleStart) const;

    CPoint offset;
    CPoint offsetHandle;
    CBitmap* pHandle{nullptr};
    int32_t style;
    int32_t minPos;
    int32_t maxPos;
    float zoomFactor{10.f};
    // Distance from the handle's start edge to where it was grabbed.
    CCoord grabDelta{0};
};

class CVerticalSlider : public CSlider
{
public:
    // Adds kVertical to the style.
    CVerticalSlider(const CRect& size, IControlListener* listener, int32_t tag, int32_t iMinPos,
                    int32_t iMaxPos, CBitmap* handle, CBitmap* background,
                    const CPoint& offset = CPoint(0, 0), const int32_t style = kBottom);
    CVerticalSlider(const CVerticalSlider& slider) = default;

    CLASS_METHODS(CVerticalSlider, CSlider)
};

class CHorizontalSlider : public CSlider
{
public:
    // Adds kHorizontal to the style.
    CHorizontalSlider(const CRect& size, IControlListener* listener, int32_t tag, int32_t iMinPos,
                      int32_t iMaxPos, CBitmap* handle, CBitmap* background,
                      const CPoint& offset = CPoint(0, 0), const int32_t style = kLeft);
    CHorizontalSlider(const CHorizontalSlider& slider) = default;

    CLASS_METHODS(CHorizontalSlider, CSlider)
};

} // namespace VSTGUI
