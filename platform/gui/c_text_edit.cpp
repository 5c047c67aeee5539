#include "c_text_edit.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace VSTGUI
{

CTextEdit::CTextEdit(const CRect& size, IControlListener* listener, int32_t tag, UTF8StringPtr txt,
                     CBitmap* background, int32_t style)
    : CTextLabel(size, txt, background, style)
{
    this->listener = listener;
    this->tag = tag;
}

void CTextEdit::setValue(float val)
{
    CTextLabel::setValue(val);
    setText(CParamDisplay::getDisplayText());
}

bool CTextEdit::enterText(const std::string& entered)
{
    float newValue = 0.f;
    if (stringToValue)
    {
        if (!stringToValue(entered, newValue, this))
            return false;
    }
    else
    {
        const char* start = entered.c_str();
        char* end = nullptr;
        errno = 0;
        double parsed = std::strtod(start, &end);
        if (end == start || errno != 0 || !std::isfinite(parsed))
            return false;
        newValue = static_cast<float>(parsed);
    }
    beginEdit();
    setValue(newValue);
    bounceValue();
    setText(CParamDisplay::getDisplayText());
    valueChanged();
    endEdit();
    invalid();
    return true;
}

} // namespace VSTGUI
