#include "c_vu_meter.h"

#include "c_bitmap.h"

#include <algorithm>

namespace VSTGUI
{

CVuMeter::CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
                   int32_t style)
    : CControl(size, nullptr, -1, onBitmap), nbLed(nbLed), style(style)
{
    setOffBitmap(offBitmap);
}

CVuMeter::CVuMeter(const CVuMeter& v)
    : CControl(v), nbLed(v.nbLed), style(v.style), decreaseValue(v.decreaseValue)
{
    setOffBitmap(v.offBitmap);
}

CVuMeter::~CVuMeter()
{
    if (offBitmap)
        offBitmap->forget();
}

void CVuMeter::setOffBitmap(CBitmap* bitmap)
{
    if (exchangeReference(offBitmap, bitmap))
        setDirty(true);
}

void CVuMeter::setDirty(bool val)
{
    CView::setDirty(val);
}

void CVuMeter::draw(CDrawContext* context)
{
    CBitmap* onBitmap = getOnBitmap();
    if (!onBitmap)
        return;
    CRect on(size);
    CRect off(size);
    CPoint onOffset;
    CPoint offOffset;

    bounceValue();
    float newValue = std::max(value, oldValue - decreaseValue);
    oldValue = newValue;

    if (nbLed > 0)
    {
        auto leds = static_cast<float>(nbLed);
        if (style & kHorizontal)
        {
            float lit =
                static_cast<float>(static_cast<int32_t>(leds * (newValue - getMin()) + 0.5f)) /
                leds;
            auto t = static_cast<CCoord>(lit * static_cast<float>(onBitmap->getWidth()));
            offOffset = CPoint(t, 0);
            on.right = on.left + t;
            off.left = off.left + t;
        }
        else
        {
            float unlit =
                static_cast<float>(static_cast<int32_t>(leds * (getMax() - newValue) + 0.5f)) /
                leds;
            auto t = static_cast<CCoord>(unlit * static_cast<float>(onBitmap->getHeight()));
            onOffset = CPoint(0, t);
            off.bottom = off.top + t;
            on.top = on.top + t;
        }
    }
    if (offBitmap)
        offBitmap->draw(context, off, offOffset);
    onBitmap->draw(context, on, onOffset);
    setDirty(false);
}

} // namespace VSTGUI
