#include "vu_meter_wp.h"

#include "filmstrip_frame.h"

#include "c_bitmap.h"
#include "c_draw_context.h"

#include <algorithm>
#include <cmath>

namespace VSTGUI
{
CVuMeterWP::CVuMeterWP(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
                       bool invertedMode, bool analogMode, int32_t style)
    : CVuMeter(size, onBitmap, offBitmap, nbLed, style), invertedMode(invertedMode),
      analogMode(analogMode)
{
}

CVuMeterWP::~CVuMeterWP() = default;

void CVuMeterWP::draw(CDrawContext* context)
{
    if (!getOnBitmap())
        return;
    if (analogMode)
        drawFilmstrip(context);
    else
        drawLeds(context);
    setDirty(false);
}

void CVuMeterWP::drawFilmstrip(CDrawContext* context)
{
    CBitmap* image = getDrawBackground();
    if (!image)
        return;
    const double v = value;
    double top = 0.0;
    if (v >= 0.0)
    {
        const double zero = analogZeroFrame / analogFrameCount;
        const double fraction = invertedMode ? zero - v * zero : v;
        top = filmstripFrameTop(fraction, analogFrameHeight, analogFrameCount);
    }
    context->drawBitmap(image, getViewSize(), CPoint(0, top), 1.f);
}

void CVuMeterWP::drawLeds(CDrawContext* context)
{
    // Only the vertical layout is the meter's own; the horizontal one is the
    // toolkit's, inverted or not.
    if (!(style & kVertical))
    {
        CVuMeter::draw(context);
        return;
    }
    // Without segments there is no level to show.
    if (nbLed < 1)
        return;
    CBitmap* onImage = getOnBitmap();
    CRect on = size;
    CRect off = size;
    CPoint onOffset;
    const CPoint offOffset;

    if (std::isnan(value))
        value = vmin;
    bounceValue();
    const float shown = std::max(value, oldValue - decreaseValue);
    oldValue = shown;

    const float leds = static_cast<float>(nbLed);
    const float unlit = std::trunc(leds * (vmax - shown) + 0.5f) / leds;
    const CCoord t = unlit * onImage->getHeight();
    onOffset.y = t;
    off.bottom = off.top + t;
    on.top = on.top + t;

    if (!invertedMode)
    {
        if (offBitmap)
            context->drawBitmap(offBitmap, off, offOffset, 1.f);
        context->drawBitmap(onImage, on, onOffset, 1.f);
        return;
    }

    // Inverted: the lit part moves to the top and the unlit part fills the rest,
    // drawn from the same height of its image as it covers of the meter.
    const CCoord meterTop = off.top;
    const CCoord litHeight = std::trunc(on.bottom - on.top);
    on.top = meterTop;
    on.bottom = meterTop + litHeight;
    const CCoord unlitHeight = std::trunc(off.bottom - meterTop);
    off.top = on.bottom;
    off.bottom = off.top + unlitHeight;
    if (offBitmap)
        context->drawBitmap(offBitmap, off, CPoint(0, litHeight), 1.f);
    context->drawBitmap(onImage, on, offOffset, 1.f);
}
} // namespace VSTGUI
