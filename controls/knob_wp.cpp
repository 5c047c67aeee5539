#include "knob_wp.h"

#include "filmstrip_frame.h"

#include "c_bitmap.h"
#include "c_draw_context.h"

namespace VSTGUI
{
CKnobWP::CKnobWP(const CRect& size, IControlListener* listener, int32_t tag, int32_t subPixmaps,
                 CCoord heightOfOneImage, CBitmap* background, const CPoint& offset,
                 bool switchMode, bool alphaWheelMode, bool lcdValueMode)
    : CAnimKnob(size, listener, tag, subPixmaps, heightOfOneImage, background, offset),
      switchMode(switchMode), alphaWheelMode(alphaWheelMode), lcdValueMode(lcdValueMode)
{
}

CKnobWP::~CKnobWP()
{
    if (destroyedCallback)
        destroyedCallback(this);
}

void CKnobWP::addLCDController(LCDSelectionFollower* controller)
{
    lcdControllers.push_back(controller);
}

void CKnobWP::setDestroyedCallback(std::function<void(CKnobWP*)> callback)
{
    destroyedCallback = std::move(callback);
}

void CKnobWP::draw(CDrawContext* context)
{
    CBitmap* image = getDrawBackground();
    if (image)
    {
        // Folding writes the value without notifying anyone: the wheel wraps
        // around rather than stopping at its ends.
        if (alphaWheelMode)
        {
            if (value > 1.f)
                value -= 1.f;
            if (value < 0.f)
                value += 1.f;
        }
        const float u = switchMode ? value / getMax() : value;
        CPoint source;
        if (u >= 0.f)
            source.y =
                filmstripFrameTop(bInverseBitmap ? 1.f - u : u, heightOfOneImage, subPixmaps);

        context->drawBitmap(image, getViewSize(), source, 1.f);
        if (alphaWheelMode)
        {
            for (LCDSelectionFollower* controller : lcdControllers)
                controller->updateSelectedControl();
        }
    }
    setDirty(false);
}
} // namespace VSTGUI
