#pragma once

#include "c_anim_knob.h"
#include "lcd_selection_follower.h"

#include <functional>
#include <vector>

namespace VSTGUI
{
// The system's filmstrip knob. Switch mode shows one frame per entry of a
// stepped parameter: the value is divided by the maximum before the frame is
// chosen. Alpha-wheel mode selects what the LCD groups show: it folds a value
// that left 0..1 back into it, and asks each linked LCD group to follow the
// selection every time it draws. LCD-value mode is stored only.
class CKnobWP : public CAnimKnob
{
public:
    CKnobWP(const CRect& size, IControlListener* listener, int32_t tag, int32_t subPixmaps,
            CCoord heightOfOneImage, CBitmap* background, const CPoint& offset, bool switchMode,
            bool alphaWheelMode, bool lcdValueMode);
    ~CKnobWP() override;

    void draw(CDrawContext* context) override;

    // Links an LCD group; it is asked to follow the selection after every draw.
    // The group must live as long as the knob can draw.
    void addLCDController(LCDSelectionFollower* controller);

    // Called once, with this knob, when the knob is destroyed. Whoever keeps a
    // pointer to the knob forgets it here.
    void setDestroyedCallback(std::function<void(CKnobWP*)> callback);

    bool isSwitchMode() const { return switchMode; }
    bool isAlphaWheelMode() const { return alphaWheelMode; }
    bool isLcdValueMode() const { return lcdValueMode; }
    const std::vector<LCDSelectionFollower*>& getLCDControllers() const { return lcdControllers; }

private:
    bool switchMode;
    bool alphaWheelMode;
    bool lcdValueMode;
    std::vector<LCDSelectionFollower*> lcdControllers;
    std::function<void(CKnobWP*)> destroyedCallback;
};
} // namespace VSTGUI
