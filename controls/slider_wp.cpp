#include "slider_wp.h"

#include <cstring>

namespace VSTGUI
{
namespace
{
bool answersSliderType(IdStringPtr asked, IdStringPtr ownName)
{
    for (IdStringPtr name : {ownName, "CControl", "CView", "CBaseObject"})
    {
        if (std::strcmp(asked, name) == 0)
            return true;
    }
    return false;
}
} // namespace

CVerticalSliderWP::CVerticalSliderWP(const CRect& size, IControlListener* listener, int32_t tag,
                                     int32_t iMinPos, int32_t iMaxPos, CBitmap* handle,
                                     CBitmap* background, const CPoint& offset, int32_t style)
    : CVerticalSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset, style)
{
}

CVerticalSliderWP::~CVerticalSliderWP() = default;

bool CVerticalSliderWP::isTypeOf(IdStringPtr s) const
{
    return answersSliderType(s, "CVerticalSliderWP");
}

CHorizontalSliderWP::CHorizontalSliderWP(const CRect& size, IControlListener* listener, int32_t tag,
                                         int32_t iMinPos, int32_t iMaxPos, CBitmap* handle,
                                         CBitmap* background, const CPoint& offset, int32_t style)
    : CHorizontalSlider(size, listener, tag, iMinPos, iMaxPos, handle, background, offset, style)
{
}

CHorizontalSliderWP::~CHorizontalSliderWP() = default;

bool CHorizontalSliderWP::isTypeOf(IdStringPtr s) const
{
    return answersSliderType(s, "CHorizontalSliderWP");
}
} // namespace VSTGUI
