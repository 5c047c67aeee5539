#include "c_text_label.h"

namespace VSTGUI
{

CTextLabel::CTextLabel(const CRect& size, UTF8StringPtr txt, CBitmap* background, int32_t style)
    : CParamDisplay(size, background, style)
{
    setText(txt);
}

void CTextLabel::setText(UTF8StringPtr txt)
{
    std::string newText = txt ? txt : "";
    if (newText == text)
        return;
    text = std::move(newText);
    setDirty(true);
}

} // namespace VSTGUI
