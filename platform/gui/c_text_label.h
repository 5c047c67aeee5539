#pragma once

#include "c_param_display.h"

namespace VSTGUI
{

// A parameter display that shows a fixed text instead of its value.
class CTextLabel : public CParamDisplay
{
public:
    CTextLabel(const CRect& size, UTF8StringPtr text = nullptr, CBitmap* background = nullptr,
               int32_t style = 0);
    CTextLabel(const CTextLabel& v) = default;

    virtual void setText(UTF8StringPtr txt);
    void setText(const std::string& txt) { setText(txt.c_str()); }
    const std::string& getText() const { return text; }

    std::string getDisplayText() const override { return text; }

    CLASS_METHODS(CTextLabel, CParamDisplay)

protected:
    std::string text;
};

} // namespace VSTGUI
