#include "c_anim_knob.h"

#include "c_bitmap.h"

#include <cmath>

namespace VSTGUI
{

CAnimKnob::CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag,
                     CBitmap* background, const CPoint& offset)
    : CKnob(size, listener, tag, background, nullptr, offset), heightOfOneImage(size.getHeight())
{
    setBackground(background);
}

CAnimKnob::CAnimKnob(const CRect& size, IControlListener* listener, int32_t tag, int32_t subPixmaps,
                     CCoord heightOfOneImage, CBitmap* background, const CPoint& offset)
    : CKnob(size, listener, tag, background, nullptr, offset), subPixmaps(subPixmaps),
      heightOfOneImage(heightOfOneImage)
{
}

// Without an explicit frame count, a new image's strip is cut into frames of the current height.
void CAnimKnob::setBackground(CBitmap* background)
{
    CKnob::setBackground(background);
    if (background && heightOfOneImage > 0)
        subPixmaps = static_cast<int32_t>(background->getHeight() / heightOfOneImage);
}

CCoord CAnimKnob::frameOffsetFor(float v) const
{
    if (!(v >= 0.f) || !(heightOfOneImage > 0))
        return 0;
    // A frame height below one pixel can't be snapped to: show the first frame.
    auto frameHeight = static_cast<long long>(heightOfOneImage);
    if (frameHeight <= 0)
        return 0;
    double f = bInverseBitmap ? 1.0 - static_cast<double>(v) : static_cast<double>(v);
    double p = std::floor(heightOfOneImage * static_cast<double>(subPixmaps - 1) * f);
    if (!std::isfinite(p))
        return 0;
    // Far beyond the strip nothing shows anyway; skip snapping rather than overflow.
    if (std::fabs(p) > 1e15)
        return p;
    return p - static_cast<double>(static_cast<long long>(p) % frameHeight);
}

void CAnimKnob::draw(CDrawContext* context)
{
    if (CBitmap* image = getDrawBackground())
        image->draw(context, size, CPoint(0, frameOffsetFor(value)), 1.f);
    setDirty(false);
}

} // namespace VSTGUI
