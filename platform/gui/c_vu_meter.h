#pragma once

#include "c_control.h"

namespace VSTGUI
{

// An LED level meter: the lit image (the background) shows the level, the unlit
// image the rest, in whole LED steps. The shown level falls by at most the decrease
// step per redraw; the old value holds the level last shown, and the meter stays
// dirty while it is still falling.
class CVuMeter : public CControl
{
public:
    CVuMeter(const CRect& size, CBitmap* onBitmap, CBitmap* offBitmap, int32_t nbLed,
             int32_t style = kVertical);
    CVuMeter(const CVuMeter& v);
    ~CVuMeter() override;

    void draw(CDrawContext* context) override;
    // Clearing the dirty state keeps the old value: it carries the fall-off.
    void setDirty(bool val = true) override;

    virtual void setDecreaseStepValue(float value) { decreaseValue = value; }
    float getDecreaseStepValue() const { return decreaseValue; }
    virtual void setOnBitmap(CBitmap* bitmap) { setBackground(bitmap); }
    CBitmap* getOnBitmap() const { return getBackground(); }
    virtual void setOffBitmap(CBitmap* bitmap);
    CBitmap* getOffBitmap() const { return offBitmap; }
    virtual void setNbLed(int32_t val) { nbLed = val; }
    int32_t getNbLed() const { return nbLed; }
    virtual void setStyle(int32_t val) { style = val; }
    int32_t getStyle() const { return style; }

    CLASS_METHODS(CVuMeter, CControl)

protected:
    CBitmap* offBitmap{nullptr};
    int32_t nbLed;
    int32_t style;
    float decreaseValue{0.1f};
};

} // namespace VSTGUI
