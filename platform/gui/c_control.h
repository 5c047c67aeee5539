#pragma once

#include "c_view.h"
#include "i_control_listener.h"

namespace VSTGUI
{

// Orientation bits shared by the style words of sliders and meters.
inline constexpr int32_t kHorizontal = 1 << 0;
inline constexpr int32_t kVertical = 1 << 1;

// A view with a value in [min, max], a tag naming what it edits and a listener
// that hears its changes. Edits are framed by beginEdit/endEdit; the edit counter
// lets them nest, and only the outermost pair reaches the listener.
class CControl : public CView
{
public:
    CControl(const CRect& size, IControlListener* listener = nullptr, int32_t tag = -1,
             CBitmap* background = nullptr);
    CControl(const CControl& c);
    ~CControl() override;

    virtual void setValue(float val) { value = val; }
    virtual float getValue() const { return value; }
    // The value as a fraction of the range; setting maps a fraction back into the range.
    virtual void setValueNormalized(float val);
    virtual float getValueNormalized() const;
    virtual void setMin(float val) { vmin = val; }
    virtual float getMin() const { return vmin; }
    virtual void setMax(float val) { vmax = val; }
    virtual float getMax() const { return vmax; }
    float getRange() const { return vmax - vmin; }
    virtual void setOldValue(float val) { oldValue = val; }
    virtual float getOldValue() const { return oldValue; }
    virtual void setDefaultValue(float val) { defaultValue = val; }
    virtual float getDefaultValue() const { return defaultValue; }
    virtual void setWheelInc(float val) { wheelInc = val; }
    virtual float getWheelInc() const { return wheelInc; }
    // Clamps the value into [min, max].
    virtual void bounceValue();

    // Changing the tag tells the listener before and after, so a binding can follow it.
    virtual void setTag(int32_t val);
    virtual int32_t getTag() const { return tag; }
    virtual void setListener(IControlListener* l) { listener = l; }
    IControlListener* getListener() const { return listener; }

    virtual void beginEdit();
    virtual void endEdit();
    bool isEditing() const { return editing > 0; }
    // Ends the edit a mouse drag opened; a release without one is not handled.
    CMouseEventResult endDragEdit();
    int32_t getEditing() const { return editing; }

    // Tells the listener that the value changed.
    virtual void valueChanged();

    // A control is dirty when its view is, or when its value differs from the value
    // last drawn (the old value). Clearing the dirty state records the value as drawn.
    void setDirty(bool val = true) override;
    bool isDirty() const override;

    // A modifier click (control key) resets the value to the default one; true if it did.
    virtual bool checkDefaultValue(CButtonState button);

    CLASS_METHODS_NOCOPY(CControl, CView)

protected:
    IControlListener* listener{nullptr};
    int32_t tag{-1};
    float value{0.f};
    float vmin{0.f};
    float vmax{1.f};
    float oldValue{1.f};
    float defaultValue{0.5f};
    float wheelInc{0.1f};
    int32_t editing{0};
};

} // namespace VSTGUI
