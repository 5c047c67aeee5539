#pragma once

#include "c_slider.h"

namespace VSTGUI
{
// The system's sliders: the toolkit's sliders under a class identity of their
// own. A type query by name answers for the own class and the generic control
// classes only, never for the toolkit's slider classes, and a copy keeps the
// class.
class CVerticalSliderWP : public CVerticalSlider
{
public:
    CVerticalSliderWP(const CRect& size, IControlListener* listener, int32_t tag, int32_t iMinPos,
                      int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset,
                      int32_t style);
    CVerticalSliderWP(const CVerticalSliderWP& slider) = default;
    ~CVerticalSliderWP() override;

    bool isTypeOf(IdStringPtr s) const override;
    IdStringPtr getClassName() const override { return "CVerticalSliderWP"; }
    CBaseObject* newCopy() const override { return new CVerticalSliderWP(*this); }
};

class CHorizontalSliderWP : public CHorizontalSlider
{
public:
    CHorizontalSliderWP(const CRect& size, IControlListener* listener, int32_t tag, int32_t iMinPos,
                        int32_t iMaxPos, CBitmap* handle, CBitmap* background, const CPoint& offset,
                        int32_t style);
    CHorizontalSliderWP(const CHorizontalSliderWP& slider) = default;
    ~CHorizontalSliderWP() override;

    bool isTypeOf(IdStringPtr s) const override;
    IdStringPtr getClassName() const override { return "CHorizontalSliderWP"; }
    CBaseObject* newCopy() const override { return new CHorizontalSliderWP(*this); }
};
} // namespace VSTGUI
