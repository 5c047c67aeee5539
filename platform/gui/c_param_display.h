#pragma once

#include "c_color.h"
#include "c_control.h"
#include "c_draw_context.h"

#include <functional>
#include <string>

namespace VSTGUI
{

// Style word of parameter displays and the controls built on them.
inline constexpr int32_t kShadowText = 1 << 2;
inline constexpr int32_t kNoTextStyle = 1 << 11;
inline constexpr int32_t kNoDrawStyle = 1 << 12;
inline constexpr int32_t kNoFrame = 1 << 14;
inline constexpr int32_t kRoundRectStyle = 1 << 15;

// A control that shows its value as text on a coloured back with an optional
// (round-rect) frame.
class CParamDisplay : public CControl
{
public:
    using ValueToStringFunction =
        std::function<bool(float value, std::string& result, CParamDisplay* display)>;

    CParamDisplay(const CRect& size, CBitmap* background = nullptr, int32_t style = 0);
    CParamDisplay(const CParamDisplay& v);
    ~CParamDisplay() override;

    virtual void setFont(CFontDesc* font);
    CFontDesc* getFont() const { return fontID; }
    virtual void setFontColor(const CColor& color) { fontColor = color; }
    const CColor& getFontColor() const { return fontColor; }
    virtual void setBackColor(const CColor& color) { backColor = color; }
    const CColor& getBackColor() const { return backColor; }
    virtual void setFrameColor(const CColor& color) { frameColor = color; }
    const CColor& getFrameColor() const { return frameColor; }
    virtual void setShadowColor(const CColor& color) { shadowColor = color; }
    const CColor& getShadowColor() const { return shadowColor; }
    virtual void setHoriAlign(CHoriTxtAlign align) { horiTxtAlign = align; }
    CHoriTxtAlign getHoriAlign() const { return horiTxtAlign; }
    virtual void setStyle(int32_t val) { style = val; }
    int32_t getStyle() const { return style; }
    virtual void setFrameWidth(CCoord width) { frameWidth = width; }
    CCoord getFrameWidth() const { return frameWidth; }
    virtual void setRoundRectRadius(CCoord radius) { roundRectRadius = radius; }
    CCoord getRoundRectRadius() const { return roundRectRadius; }
    virtual void setPrecision(uint8_t val) { valuePrecision = val; }
    uint8_t getPrecision() const { return valuePrecision; }
    void setValueToStringFunction(ValueToStringFunction f) { valueToString = std::move(f); }

    // The text shown for the current value.
    virtual std::string getDisplayText() const;

    void draw(CDrawContext* context) override;

    CLASS_METHODS(CParamDisplay, CControl)

protected:
    // Back colour (unless transparent), then the frame (unless kNoFrame), round when
    // kRoundRectStyle.
    virtual void drawBack(CDrawContext* context, CBitmap* newBack = nullptr);
    virtual void drawText(CDrawContext* context, const std::string& text);
    std::string formatValue(float v) const;

    ValueToStringFunction valueToString;
    CHoriTxtAlign horiTxtAlign{kCenterText};
    int32_t style{0};
    uint8_t valuePrecision{2};
    CFontDesc* fontID{nullptr};
    CColor fontColor{kWhiteCColor};
    CColor backColor{kBlackCColor};
    CColor frameColor{kBlackCColor};
    CColor shadowColor{kRedCColor};
    CCoord frameWidth{1};
    CCoord roundRectRadius{6};
};

} // namespace VSTGUI
