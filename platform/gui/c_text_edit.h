#pragma once

#include "c_text_label.h"

namespace VSTGUI
{

// A text label the user can type into. Its text follows its value through the
// value-to-string function; text the user enters becomes a value through the
// string-to-value function (or as a plain number when there is none).
class CTextEdit : public CTextLabel
{
public:
    using StringToValueFunction =
        std::function<bool(const std::string& text, float& result, CTextEdit* textEdit)>;

    CTextEdit(const CRect& size, IControlListener* listener, int32_t tag,
              UTF8StringPtr txt = nullptr, CBitmap* background = nullptr, int32_t style = 0);
    CTextEdit(const CTextEdit& v) = default;

    void setValue(float val) override;
    void setStringToValueFunction(StringToValueFunction f) { stringToValue = std::move(f); }

    // What happens when the user types `text` and confirms it: the value is set from the
    // text and reported inside one edit. Returns false (and changes nothing) for text
    // that can't be read as a value.
    virtual bool enterText(const std::string& entered);

    CLASS_METHODS(CTextEdit, CTextLabel)

protected:
    StringToValueFunction stringToValue;
};

} // namespace VSTGUI
