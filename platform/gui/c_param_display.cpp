#include "c_param_display.h"

#include "c_bitmap.h"
#include "c_font_desc.h"

#include <cstdio>

namespace VSTGUI
{

CParamDisplay::CParamDisplay(const CRect& size, CBitmap* background, int32_t style)
    : CControl(size, nullptr, -1, background), style(style)
{
    backColor = kBlackCColor;
}

CParamDisplay::CParamDisplay(const CParamDisplay& v)
    : CControl(v), valueToString(v.valueToString), horiTxtAlign(v.horiTxtAlign), style(v.style),
      valuePrecision(v.valuePrecision), fontColor(v.fontColor), backColor(v.backColor),
      frameColor(v.frameColor), shadowColor(v.shadowColor), frameWidth(v.frameWidth),
      roundRectRadius(v.roundRectRadius)
{
    setFont(v.fontID);
}

CParamDisplay::~CParamDisplay()
{
    if (fontID)
        fontID->forget();
}

void CParamDisplay::setFont(CFontDesc* font)
{
    exchangeReference(fontID, font);
}

std::string CParamDisplay::formatValue(float v) const
{
    char text[64];
    std::snprintf(text, sizeof(text), "%.*f", static_cast<int>(valuePrecision),
                  static_cast<double>(v));
    return text;
}

std::string CParamDisplay::getDisplayText() const
{
    std::string text;
    if (valueToString && valueToString(value, text, const_cast<CParamDisplay*>(this)))
        return text;
    return formatValue(value);
}

void CParamDisplay::draw(CDrawContext* context)
{
    if (!(style & kNoDrawStyle))
    {
        drawBack(context);
        if (!(style & kNoTextStyle))
            drawText(context, getDisplayText());
    }
    setDirty(false);
}

void CParamDisplay::drawBack(CDrawContext* context, CBitmap* newBack)
{
    context->setDrawMode((style & kRoundRectStyle) ? kAntiAliasing : kAliasing);
    CBitmap* image = newBack ? newBack : getDrawBackground();
    if (image)
    {
        image->draw(context, size);
    }
    else if (!transparent)
    {
        context->setFillColor(backColor);
        if (style & kRoundRectStyle)
            context->drawRoundRect(size, roundRectRadius, kDrawFilled);
        else
            context->drawRect(size, kDrawFilled);
    }
    if (!(style & kNoFrame) && frameWidth > 0)
    {
        context->setLineWidth(frameWidth);
        context->setFrameColor(frameColor);
        if (style & kRoundRectStyle)
            context->drawRoundRect(size, roundRectRadius, kDrawStroked);
        else
            context->drawRect(size, kDrawStroked);
    }
}

void CParamDisplay::drawText(CDrawContext* context, const std::string& text)
{
    if (text.empty())
        return;
    context->setFont(fontID);
    CRect textRect(size);
    textRect.inset(2, 0);
    if (style & kShadowText)
    {
        CRect shadow(textRect);
        shadow.offset(1, 1);
        context->setFontColor(shadowColor);
        context->drawString(text.c_str(), shadow, horiTxtAlign);
    }
    context->setFontColor(fontColor);
    context->drawString(text.c_str(), textRect, horiTxtAlign);
}

} // namespace VSTGUI
