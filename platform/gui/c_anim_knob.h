#pragma once

#include "c_knob.h"

namespace VSTGUI
{

// A knob drawn as one frame of a vertical filmstrip of equally tall images. The
// frame follows the raw value (0 = first frame, 1 = last), or 1 - value with the
// inverse-bitmap option. Mouse handling is the knob's.
class CAnimKnob : public CKnob
{
public:
    // The frame height is the view's height and the frame count the image height divided by it.
    CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag, CBitmap* background,
              const CPoint& offset = CPoint(0, 0));
    CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag, int32_t subPixmaps,
              CCoord heightOfOneImage, CBitmap* background, const CPoint& offset = CPoint(0, 0));
    CAnimKnob(const CAnimKnob& k) = default;

    void draw(CDrawContext* context) override;
    void setBackground(CBitmap* background) override;

    virtual void setInverseBitmap(bool val) { bInverseBitmap = val; }
    bool getInverseBitmap() const { return bInverseBitmap; }
    virtual void setNumSubPixmaps(int32_t val) { subPixmaps = val; }
    int32_t getNumSubPixmaps() const { return subPixmaps; }
    virtual void setHeightOfOneImage(const CCoord& height) { heightOfOneImage = height; }
    CCoord getHeightOfOneImage() const { return heightOfOneImage; }

    // Vertical source offset of the frame shown for `v`: floor(h * (n - 1) * f) snapped
    // down to a whole frame, with f = v (or 1 - v when inverse). 0 for a negative value and
    // for a frame height below one pixel.
    CCoord frameOffsetFor(float v) const;

    CLASS_METHODS(CAnimKnob, CKnob)

protected:
    int32_t subPixmaps{0};
    CCoord heightOfOneImage{0};
    bool bInverseBitmap{false};
};

} // namespace VSTGUI
